#include "calc/heat_transfer.h"

#include "calc/properties.h"
#include "engine_fixture.h"

namespace cfhx::calc {
namespace {

class HeatTransfer : public cfhx::testing::EngineTest {
protected:
    // A radial-fin bundle: 1" tubes, 1/2" fins 0.4 mm thick, 8 per inch.
    void radialFinBundle() {
        r.flags.finned = "y";
        r.flags.sFIN = "1";
        r.DO = 0.0254f;
        r.DI = 0.0214f;
        r.Fh = 0.0127f;
        r.FT = 0.0004f;
        r.FPI = 8.0f;
        finGeometry(app, r);
        r.Pv = 1.2f * r.Df;
        r.Ph = 1.1f * r.Df;
        r.TL = 3.0f;
        r.Nh = 4.0f;
        r.NV = 20.0f;
        r.Nt = 80.0f;
        r.PNt = r.PNs = 1.0f;
        r.Kf = 180.0f;
        r.Km = 40.0f;
    }
    // Air at about 100 °C on the shell side.
    void shellAir(float T) {
        const float wet[kComponents] = {kAirCO2, kAirN2, kAirO2, 0.0f};
        for (int c = 0; c < kComponents; ++c) r.shellWet[c] = wet[c];
        r.TAM = r.TGM = r.Twav = T;
        r.Ai = r.Aeff = 1.0f;
        shellGasProperties(app, r);
    }
    void bareBank(float PVY, float PHX) {
        r.flags.finned = "n";
        r.flags.arrangement = "1";
        r.DO = 0.0254f;
        r.DI = 0.0214f;
        r.PVY = PVY;
        r.PHX = PHX;
        r.Frow = 1.0f;
        r.Res = 8000.0f;
        r.Ks = 0.025f;
        r.Pb = r.Pbw = 0.7f;
    }
};

TEST_F(HeatTransfer, RowFactorTable) {
    EXPECT_FLOAT_EQ(rowFactor(1.0f, true), 0.68f);
    EXPECT_FLOAT_EQ(rowFactor(1.0f, false), 0.64f);
    EXPECT_FLOAT_EQ(rowFactor(1.999f, true), 0.68f);
    EXPECT_FLOAT_EQ(rowFactor(2.0f, false), 0.80f);
    EXPECT_FLOAT_EQ(rowFactor(4.0f, true), 0.89f);
    EXPECT_FLOAT_EQ(rowFactor(4.0f, false), 0.90f);
    EXPECT_FLOAT_EQ(rowFactor(9.5f, true), 0.99f);
    EXPECT_FLOAT_EQ(rowFactor(9.5f, false), 0.99f);
    EXPECT_FLOAT_EQ(rowFactor(10.0f, true), 1.0f);
    EXPECT_FLOAT_EQ(rowFactor(12.0f, false), 1.0f);
    // Deeper banks never lose per row.
    for (float Nh = 1.0f; Nh < 11.0f; Nh += 0.5f) EXPECT_LE(rowFactor(Nh, true), rowFactor(Nh + 0.5f, true));
}

TEST_F(HeatTransfer, GeometryOfTapesAndPlateFins) {
    EXPECT_NEAR(tapedHydraulicDiameter(app, 0.02f, 0.001f), 0.01167f, 0.000005f);
    // The equivalent circular fin covers the plate area of one tube.
    const float Fh = plateFinEquivalentHeight(app, 0.0508f, 0.0508f, 0.0254f);
    EXPECT_NEAR(Fh, 0.01597f, 0.000005f);
    const float D = 0.0254f + 2.0f * Fh;
    EXPECT_NEAR(3.14f * D * D / 4.0f, 0.0508f * 0.0508f, 1e-6f);
    r.FPI = 10.0f;
    r.FT = 0.0005f;
    r.DO = 0.0254f;
    r.Fh = 0.01f;
    finGeometry(app, r);
    EXPECT_NEAR(r.FS + r.FT, 0.00254f, 1e-7f);  // one fin pitch
    EXPECT_NEAR(r.Df, 0.0454f, 1e-7f);
}

TEST_F(HeatTransfer, TriangularBankSwitchesFormAbovePitchRatioTwo) {
    bareBank(2.0f, 1.0f);
    bareBankShell(app, r, Phase::Sizing);
    const float atTwo = r.Hs;
    bareBank(2.0001f, 1.0f);
    bareBankShell(app, r, Phase::Sizing);
    // 0.35·2^0.2 against 0.40.
    EXPECT_NEAR(atTwo / r.Hs, 0.35f * std::pow(2.0f, 0.2f) / 0.40f, 0.0005f);
}

TEST_F(HeatTransfer, SquareBankWarnsBelowPitchRatioPointSeven) {
    bareBank(1.0f, 1.5f);
    r.flags.arrangement = "2";
    bareBankShell(app, r, Phase::Sizing);
    EXPECT_EQ(app.pane.pageText(), "     PVY/PHX>0.7 以上に設定して下さい");
    EXPECT_GT(r.Hs, 0.0f);
    app.pane.clear();
    bareBank(1.4f, 2.0f);
    r.flags.arrangement = "2";
    bareBankShell(app, r, Phase::Sizing);
    EXPECT_EQ(app.pane.pageRows(), 0u);
}

TEST_F(HeatTransfer, HandEnteredTubeFluidInRatingIgnoresTheWallPrandtl) {
    bareBank(1.5f, 1.5f);
    r.VIs = 0.08f;
    r.As = 0.1f;
    r.TubeFluidKind = 4.0f;
    bareBankShell(app, r, Phase::Rating);
    const float rating = r.Hs;
    r.Pbw = 1.4f;
    bareBankShell(app, r, Phase::Rating);
    EXPECT_EQ(r.Hs, rating);
    bareBankShell(app, r, Phase::Sizing);
    EXPECT_NE(r.Hs, rating);
}

TEST_F(HeatTransfer, RadialFinBundleInAirIsPlausible) {
    radialFinBundle();
    shellAir(100.0f);
    r.Vsa = 20000.0f * 373.0f / 273.0f;
    shellVelocity(app, r, TubeKind::RadialFin);
    EXPECT_GT(r.UM, 2.0f);
    EXPECT_LT(r.UM, 6.0f);
    shellCoefficient(app, r, TubeKind::RadialFin, Phase::Sizing);
    // Finned banks in air: some 20 to 80 W/m2K.
    EXPECT_GT(r.Hs * 1.163f, 20.0f);
    EXPECT_LT(r.Hs * 1.163f, 80.0f);
    finEfficiency(app, r);
    EXPECT_GT(r.Fe, 0.7f);
    EXPECT_LT(r.Fe, 1.0f);
    areas(app, r, TubeKind::RadialFin);
    EXPECT_GT(r.Ao / r.Ai, 5.0f);  // fins multiply the surface
    EXPECT_LE(r.Aeff, r.Ao);
}

TEST_F(HeatTransfer, FinEfficiency) {
    radialFinBundle();
    r.Hs = 1e-9f;
    finEfficiency(app, r);
    EXPECT_NEAR(r.Fe, 1.0f, 1e-4f);
    // mL = 1: tanh(1) = 0.76159.
    r.Hs = r.Kf * r.FT / (2.0f * r.Fh * r.Fh);
    finEfficiency(app, r);
    EXPECT_NEAR(r.mL, 1.0f, 1e-5f);
    EXPECT_NEAR(r.Fe, 0.76159f, 1e-4f);
    // tanh(mL)/mL is even: a negative height (plate pitches below the tube
    // diameter) is not taken for a fin of no height.
    r.Fh = -r.Fh;
    finEfficiency(app, r);
    EXPECT_NEAR(r.mL, -1.0f, 1e-5f);
    EXPECT_NEAR(r.Fe, 0.76159f, 1e-4f);
    r.Fh = -r.Fh;
    // Very long fins: 1/mL, without overflow.
    r.Hs = 1e9f;
    finEfficiency(app, r);
    EXPECT_NEAR(r.Fe * r.mL, 1.0f, 1e-4f);
}

TEST_F(HeatTransfer, FinsOfNoHeightLeaveTheBareSurface) {
    radialFinBundle();
    r.Fh = 0.0f;
    finGeometry(app, r);
    r.Fe = 0.5f;
    areas(app, r, TubeKind::RadialFin);
    EXPECT_NEAR(r.Afin, 3.1416f * r.DO * (r.FS + r.FT), 1e-8f);
    EXPECT_NEAR(r.Ao, 3.1416f * r.DO * r.TL * r.Nt, 1e-4f);
    EXPECT_NEAR(r.AR, r.DO / r.DI * (r.FS + 0.5f * r.FT) / (r.FS + r.FT), 1e-4f);
}

TEST_F(HeatTransfer, WaterInATubeAtOneMetrePerSecond) {
    r.DI = 0.02f;
    r.Nt = 1.0f;
    r.PNt = 1.0f;
    r.TGM = r.TAM = r.Twav = 20.0f;
    r.Ai = r.Aeff = 1.0f;
    waterProperties(app, r);
    r.Vta = 3600.0f * 3.1416f * 0.02f * 0.02f / 4.0f;
    tubeVelocity(app, r);
    EXPECT_NEAR(r.VW, 1.0f, 1e-4f);
    EXPECT_NEAR(r.Ret, 20000.0f, 600.0f);
    tubeCoefficient(app, r, Phase::Rating, TubeRegime::Sensible);
    // Dittus-Boelter and Gnielinski give 3100 to 3900 kcal/m2h°C.
    EXPECT_GT(r.Ht, 2800.0f);
    EXPECT_LT(r.Ht, 4200.0f);
}

TEST_F(HeatTransfer, TypedInTubePropertiesGiveThePrandtlNumber) {
    // The property routines return at once: Prt comes from the typed-in
    // Ct·Dt·VIt/Kt = 1·1000·0.0036/0.5 = 7.2.
    r.flags.sPROP = "2";
    r.Ct = 1.0f;
    r.Dt = 1000.0f;
    r.VIt = 0.0036f;
    r.Kt = 0.5f;
    r.TGM = r.TAM = 20.0f;
    r.Ai = r.Aeff = 1.0f;
    waterProperties(app, r);
    tubeGasProperties(app, r);
    r.DI = 0.02f;
    r.Ret = 20000.0f;
    tubeCoefficient(app, r, Phase::Rating, TubeRegime::Sensible);
    EXPECT_NEAR(r.Prt, 7.2f, 1e-5f);
    // 0.023·(0.5/0.02)·20000^0.8·7.2^0.333
    EXPECT_NEAR(r.Ht, 3061.8475f, 0.05f);
}

TEST_F(HeatTransfer, SizingUsesTheMagnitudeOfRet) {
    r.DI = 0.02f;
    r.Kt = 0.02f;
    r.Ct = r.Dt = 1.0f;
    r.VIt = 0.014f;  // Prt 0.7
    r.Ret = -5000.0f;
    tubeSensible(app, r, Phase::Sizing);
    const float sizing = r.Ht;
    r.Ret = 5000.0f;
    tubeSensible(app, r, Phase::Rating);
    EXPECT_FLOAT_EQ(sizing, r.Ht);
    r.Ret = -5000.0f;
    std::string page = stopped([&] { tubeSensible(app, r, Phase::Rating); });
    EXPECT_NE(page.find("Ret < 0"), std::string::npos);
}

TEST_F(HeatTransfer, TwistedTape) {
    r.flags.sTAPE = "y";
    r.DI = 0.02f;
    r.TTh = 0.001f;
    r.TTP2 = 0.2f;
    r.Kt = 0.025f;
    r.Ct = r.Dt = 1.0f;
    r.VIt = 0.0175f;  // Prt 0.7
    r.Dh = tapedHydraulicDiameter(app, r.DI, r.TTh);
    r.Hs = r.Ht = 50.0f;
    r.Ai = r.Aeff = 1.0f;
    r.TGM = r.TAM = 300.0f;
    const float reStar = transitionReynolds(app, r.DI, r.TTP2);
    EXPECT_GT(reStar, 500.0f);
    EXPECT_LT(reStar, 20000.0f);
    // The two forms meet at Re*.
    r.RetT = reStar * 0.9999f;
    tubeTwistedTape(app, r, Phase::Rating);
    const float below = r.Ht;
    r.RetT = reStar * 1.0001f;
    tubeTwistedTape(app, r, Phase::Rating);
    EXPECT_NEAR(below, r.Ht, 0.001f * r.Ht);
    EXPECT_FLOAT_EQ(r.ReStar, reStar);
    // Well below Re*, sizing still uses the turbulent form.
    r.RetT = reStar / 10.0f;
    tubeTwistedTape(app, r, Phase::Rating);
    const float laminar = r.Ht;
    tubeTwistedTape(app, r, Phase::Sizing);
    EXPECT_NE(laminar, r.Ht);
    // A cool wall under hot gas raises the coefficient (θ = (Tw/Tg)^−0.5).
    r.Hs = 1e6f;
    r.TAM = 20.0f;
    const float hotWall = laminar;
    tubeTwistedTape(app, r, Phase::Rating);
    EXPECT_GT(r.Ht, hotWall);
}

TEST_F(HeatTransfer, WaterNeverUsesTheTape) {
    r.flags.sTAPE = "y";
    r.TubeFluidKind = 3.0f;
    r.DI = 0.02f;
    r.TTh = 0.001f;
    r.TTP2 = 0.2f;
    r.Nt = r.PNt = 1.0f;
    r.VIt = 0.0036f;
    r.Kt = 0.5f;
    r.Ct = 1.0f;
    r.Dt = 7.0f * 0.5f / 0.0036f;  // Prt 7
    r.Vta = 1.0f;
    r.Ai = r.Aeff = 1.0f;
    tubeVelocity(app, r);
    // The whole bore carries the flow.
    EXPECT_NEAR(r.VW, 1.0f / 3600.0f / (3.1416f * 0.0001f), 1e-4f);
    EXPECT_EQ(r.RetT, 0.0f);
    tubeCoefficient(app, r, Phase::Rating, TubeRegime::Sensible);
    const float withFlag = r.Ht;
    r.flags.sTAPE = "n";
    tubeCoefficient(app, r, Phase::Rating, TubeRegime::Sensible);
    EXPECT_FLOAT_EQ(withFlag, r.Ht);
}

class Condensation : public HeatTransfer {
protected:
    // Steam condensing at 100 °C in a bare 20 mm tube, shell side cooler.
    void steam() {
        r.flags.finned = "n";
        r.DO = 0.025f;
        r.DI = 0.02f;
        r.TL = 2.0f;
        r.Nt = 10.0f;
        r.hfg = 539.0f;
        r.Dsl = 958.0f;
        r.Dt = 0.6f;
        r.Ktl = 0.58f;
        r.VItl = 0.294e-6f * 3600.0f;
        r.Ctl = 1.0f;
        r.Tti = 100.0f;
        r.Tsi = 20.0f;
        r.Tso = 40.0f;
        r.Hs = 50.0f;
        r.Ht = 500.0f;
    }
};

TEST_F(Condensation, NusseltFilmCoefficientIsPlausible) {
    steam();
    tubeCondensation(app, r, TubeKind::Bare);
    EXPECT_GT(r.Twav, r.TAM);
    EXPECT_LT(r.Twav, r.Tti);
    // Film condensation of steam in tubes: 3000 to 12000 W/m2K.
    EXPECT_GT(r.Ht * 1.163f, 3000.0f);
    EXPECT_LT(r.Ht * 1.163f, 12000.0f);
}

TEST_F(Condensation, WallAtTheTubeTemperatureStops) {
    steam();
    r.Tsi = r.Tso = 100.0f;  // no driving difference
    std::string page = stopped([&] { tubeCondensation(app, r, TubeKind::Bare); });
    EXPECT_NE(page.find("   @@@  計算不能のため終了します。[ Tti-Twav = 0 (除数) ]@@"), std::string::npos) << page;
}

TEST_F(Condensation, InletOfExactlyZeroIsNudged) {
    steam();
    r.Tti = 0.0f;
    r.Tsi = r.Tso = -20.0f;
    tubeCondensation(app, r, TubeKind::Bare);
    EXPECT_FLOAT_EQ(r.Tti, 1e-05f);
    EXPECT_TRUE(std::isfinite(r.Ht));
}

TEST_F(Condensation, EvaporationTakesSIInputsOnce) {
    takeEvaporationInputs(r, 0.1f, 0.0589f, true);
    EXPECT_NEAR(r.Psat, 1.02f, 1e-5f);
    EXPECT_NEAR(r.SIGt, 0.0060078f, 1e-7f);
    takeEvaporationInputs(r, 1.02f, 0.006f, false);
    EXPECT_FLOAT_EQ(r.Psat, 1.02f);
    EXPECT_FLOAT_EQ(r.SIGt, 0.006f);
}

TEST_F(Condensation, EvaporationBoilsHarderWithAHotterWall) {
    steam();
    r.Psat = 1.033f;
    r.SIGt = 0.0589f * 0.102f;
    r.Wt = 500.0f;
    r.PNt = 1.0f;
    r.Ai = 3.1416f * r.DI * r.TL * r.Nt;
    r.Twav = 95.0f;
    tubeEvaporation(app, r, TubeKind::Bare);
    const float small = r.Ht;
    EXPECT_GT(small, 0.0f);
    r.Twav = 80.0f;
    tubeEvaporation(app, r, TubeKind::Bare);
    EXPECT_GT(r.Ht, small);
    r.Dt = 2.0f * r.Dsl;  // vapour denser than its liquid: no real power
    std::string page = stopped([&] { tubeEvaporation(app, r, TubeKind::Bare); });
    EXPECT_NE(page.find("Dsl/Dt-1"), std::string::npos) << page;
}

TEST_F(HeatTransfer, GivenCoefficientsReplaceTheCorrelations) {
    bareBank(1.5f, 1.5f);
    r.HtcMode = 3.0f;
    r.HsUser = 123.0f;
    shellCoefficient(app, r, TubeKind::Bare, Phase::Sizing);
    EXPECT_EQ(r.Hs, 123.0f);
    r.HtcMode = 2.0f;
    r.DI = 0.02f;
    r.Kt = 0.5f;
    r.Ct = r.Dt = 1.0f;
    r.VIt = 3.5f;  // Prt 7
    r.Ret = 20000.0f;
    r.HtUser = 456.0f;
    tubeCoefficient(app, r, Phase::Rating, TubeRegime::Sensible);
    EXPECT_EQ(r.Ht, 456.0f);
    shellCoefficient(app, r, TubeKind::Bare, Phase::Sizing);
    EXPECT_NE(r.Hs, 123.0f) << "mode 2 gives the tube side only";

    // The wet-surface enhancement computes a coefficient too: the given
    // value of its side replaces it, the other side is enhanced.
    r.Dcf = 0.0005f;
    r.HtcMode = 3.0f;
    r.Hs = 123.0f;
    wetEnhancement(app, r, HumidSide::Shell, 60.0f, 40.0f, 0.622f);
    EXPECT_EQ(r.Hs, 123.0f);
    r.Ht = 456.0f;
    wetEnhancement(app, r, HumidSide::Tube, 60.0f, 40.0f, 0.622f);
    EXPECT_NEAR(1.0f / r.Ht, 1.0f / (456.0f * r.Kc) + 0.0005f / 0.55f, 1e-7f);
    r.HtcMode = 4.0f;
    r.Ht = 456.0f;
    wetEnhancement(app, r, HumidSide::Tube, 60.0f, 40.0f, 0.622f);
    EXPECT_EQ(r.Ht, 456.0f);
}

TEST_F(HeatTransfer, OverallCoefficientIsResistancesInSeries) {
    // Both given (1000), halved by the correction factors, no fouling, a
    // wall of no resistance: 1/(1/500 + 1/(500·AR)) with AR = 1.
    r.HtcMode = 4.0f;
    r.Ht = r.Hs = 1000.0f;
    r.CFt = r.CFs = 0.5f;
    r.DO = r.DI = 0.02f;
    r.Km = 40.0f;
    r.AR = 1.0f;
    r.Aeff = r.Ao = 1.0f;
    overallCoefficient(app, r);
    EXPECT_NEAR(r.KI, 250.0f, 0.01f);
    // Fouling adds in series; a thick wall too.
    r.Rt = 0.001f;
    overallCoefficient(app, r);
    EXPECT_NEAR(r.KI, 1.0f / (0.002f + 0.001f + 0.002f), 0.01f);
    r.Rt = 0.0f;
    r.DO = 0.025f;
    overallCoefficient(app, r);
    EXPECT_NEAR(1.0f / r.KI - 0.004f, 0.01f * std::log(1.25f) / 40.0f, 1e-6f);
}

TEST_F(HeatTransfer, OuterCoefficientCarriesTheSameHeat) {
    // KO·Ao = KI·Ai for bare and finned tubes alike.
    radialFinBundle();
    r.Hs = 40.0f;
    r.Ht = 200.0f;
    finEfficiency(app, r);
    areas(app, r, TubeKind::RadialFin);
    overallCoefficient(app, r);
    EXPECT_NEAR(r.KO * r.Ao, r.KI * r.Ai, 1e-3f * r.KI * r.Ai);
    r.flags.finned = "n";
    areas(app, r, TubeKind::Bare);
    overallCoefficient(app, r);
    EXPECT_NEAR(r.KO * r.Ao, r.KI * r.Ai, 1e-3f * r.KI * r.Ai);
}

TEST_F(HeatTransfer, WetSurfaceEnhancement) {
    r.Hs = 40.0f;
    r.Dcf = 1e-10f;
    wetEnhancement(app, r, HumidSide::Shell, 60.0f, 40.0f, 0.622f);
    // Condensing vapour carries latent heat: a few times the sensible rate.
    EXPECT_GT(r.Kc, 1.5f);
    EXPECT_LT(r.Kc, 20.0f);
    EXPECT_NEAR(r.Hs, 40.0f * r.Kc, 0.01f);
    // A condensate film adds its resistance.
    r.Ht = 40.0f;
    r.Dcf = 0.0005f;
    wetEnhancement(app, r, HumidSide::Tube, 60.0f, 40.0f, 0.622f);
    EXPECT_NEAR(1.0f / r.Ht, 1.0f / (40.0f * r.Kc) + 0.0005f / 0.55f, 1e-6f);
}

TEST_F(HeatTransfer, GasAtTheWallTemperatureStops) {
    r.Hs = 40.0f;
    std::string page = stopped([&] { wetEnhancement(app, r, HumidSide::Shell, 50.0f, 50.0f, 0.622f); });
    EXPECT_NE(page.find("Tg-Tw = 0"), std::string::npos);
    EXPECT_EQ(page.find("nan"), std::string::npos);
}

TEST_F(HeatTransfer, ZeroCountsStop) {
    radialFinBundle();
    r.Nt = 0.0f;
    r.Vta = 100.0f;
    r.VIt = 0.1f;
    std::string page = stopped([&] { tubeVelocity(app, r); });
    EXPECT_NE(page.find("tube flow area = 0"), std::string::npos);
    r.Nt = 80.0f;
    r.Nh = 0.0f;
    page = stopped([&] { shellVelocity(app, r, TubeKind::RadialFin); });
    EXPECT_NE(page.find("Nh = 0"), std::string::npos);
    r.Nh = 4.0f;
    r.Hs = r.Ht = 0.0f;
    page = stopped([&] { wallAndFilmTemperatures(app, r, r.Aeff); });
    EXPECT_NE(page.find("Hs*Aeff+Ht*Ai = 0"), std::string::npos);
}

}  // namespace
}  // namespace cfhx::calc
