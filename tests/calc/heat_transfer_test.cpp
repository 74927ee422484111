#include "calc/heat_transfer.h"

#include <functional>
#include <string>
#include <vector>

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
        finGeometry(r);
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
        shellGasProperties(r);
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
    EXPECT_NEAR(tapedHydraulicDiameter(0.02f, 0.001f), 0.01167f, 0.000005f);
    // The equivalent circular fin covers the plate area of one tube.
    const float Fh = plateFinEquivalentHeight(0.0508f, 0.0508f, 0.0254f);
    EXPECT_NEAR(Fh, 0.01597f, 0.000005f);
    const float D = 0.0254f + 2.0f * Fh;
    EXPECT_NEAR(3.14f * D * D / 4.0f, 0.0508f * 0.0508f, 1e-6f);
    r.FPI = 10.0f;
    r.FT = 0.0005f;
    r.DO = 0.0254f;
    r.Fh = 0.01f;
    finGeometry(r);
    EXPECT_NEAR(r.FS + r.FT, 0.00254f, 1e-7f);  // one fin pitch
    EXPECT_NEAR(r.Df, 0.0454f, 1e-7f);
}

TEST_F(HeatTransfer, TriangularBankSwitchesFormAbovePitchRatioTwo) {
    bareBank(2.0f, 1.0f);
    bareBankShell(r, Phase::Sizing, notes);
    const float atTwo = r.Hs;
    bareBank(2.0001f, 1.0f);
    bareBankShell(r, Phase::Sizing, notes);
    // 0.35·2^0.2 against 0.40.
    EXPECT_NEAR(atTwo / r.Hs, 0.35f * std::pow(2.0f, 0.2f) / 0.40f, 0.0005f);
}

TEST_F(HeatTransfer, SquareBankNotesAPitchRatioBelowPointSeven) {
    const struct {
        const char* name;
        float PVY, PHX;
        const char* arrangement;
        bool noted;
    } cases[] = {
        {"square at 0.667", 1.0f, 1.5f, "2", true},
        {"square at 0.7", 1.4f, 2.0f, "2", false},
        {"triangular at 0.667", 1.0f, 1.5f, "1", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        bareBank(c.PVY, c.PHX);
        r.flags.arrangement = c.arrangement;
        notes.added.clear();
        bareBankShell(r, Phase::Sizing, notes);
        EXPECT_EQ(notes.added, c.noted ? std::vector<Note>{Note::SquarePitch} : std::vector<Note>{});
        EXPECT_GT(r.Hs, 0.0f);
    }
}

TEST_F(HeatTransfer, HandEnteredTubeFluidInRatingIgnoresTheWallPrandtl) {
    bareBank(1.5f, 1.5f);
    r.VIs = 0.08f;
    r.As = 0.1f;
    r.TubeFluidKind = 4.0f;
    bareBankShell(r, Phase::Rating, notes);
    const float rating = r.Hs;
    r.Pbw = 1.4f;
    bareBankShell(r, Phase::Rating, notes);
    EXPECT_EQ(r.Hs, rating);
    bareBankShell(r, Phase::Sizing, notes);
    EXPECT_NE(r.Hs, rating);
}

TEST_F(HeatTransfer, RadialFinBundleInAirIsPlausible) {
    radialFinBundle();
    shellAir(100.0f);
    r.Vsa = 20000.0f * 373.0f / 273.0f;
    shellVelocity(r, TubeKind::RadialFin);
    EXPECT_GT(r.UM, 2.0f);
    EXPECT_LT(r.UM, 6.0f);
    shellCoefficient(r, TubeKind::RadialFin, Phase::Sizing, notes);
    // Finned banks in air: some 20 to 80 W/m2K.
    EXPECT_GT(r.Hs * 1.163f, 20.0f);
    EXPECT_LT(r.Hs * 1.163f, 80.0f);
    finEfficiency(r);
    EXPECT_GT(r.Fe, 0.7f);
    EXPECT_LT(r.Fe, 1.0f);
    areas(r, TubeKind::RadialFin);
    EXPECT_GT(r.Ao / r.Ai, 5.0f);  // fins multiply the surface
    EXPECT_LE(r.Aeff, r.Ao);
}

TEST_F(HeatTransfer, FinEfficiency) {
    radialFinBundle();
    r.Hs = 1e-9f;
    finEfficiency(r);
    EXPECT_NEAR(r.Fe, 1.0f, 1e-4f);
    // mL = 1: tanh(1) = 0.76159.
    r.Hs = r.Kf * r.FT / (2.0f * r.Fh * r.Fh);
    finEfficiency(r);
    EXPECT_NEAR(r.mL, 1.0f, 1e-5f);
    EXPECT_NEAR(r.Fe, 0.76159f, 1e-4f);
    // tanh(mL)/mL is even: a negative height (plate pitches below the tube
    // diameter) is not taken for a fin of no height.
    r.Fh = -r.Fh;
    finEfficiency(r);
    EXPECT_NEAR(r.mL, -1.0f, 1e-5f);
    EXPECT_NEAR(r.Fe, 0.76159f, 1e-4f);
    r.Fh = -r.Fh;
    // Very long fins: 1/mL, without overflow.
    r.Hs = 1e9f;
    finEfficiency(r);
    EXPECT_NEAR(r.Fe * r.mL, 1.0f, 1e-4f);
}

TEST_F(HeatTransfer, FinsOfNoHeightLeaveTheBareSurface) {
    radialFinBundle();
    r.Fh = 0.0f;
    finGeometry(r);
    r.Fe = 0.5f;
    areas(r, TubeKind::RadialFin);
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
    waterProperties(r, notes);
    r.Vta = 3600.0f * 3.1416f * 0.02f * 0.02f / 4.0f;
    tubeVelocity(r);
    EXPECT_NEAR(r.VW, 1.0f, 1e-4f);
    EXPECT_NEAR(r.Ret, 20000.0f, 600.0f);
    tubeCoefficient(r, Phase::Rating, TubeRegime::Sensible);
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
    waterProperties(r, notes);
    tubeGasProperties(r);
    r.DI = 0.02f;
    r.Ret = 20000.0f;
    tubeCoefficient(r, Phase::Rating, TubeRegime::Sensible);
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
    tubeSensible(r, Phase::Sizing);
    const float sizing = r.Ht;
    r.Ret = 5000.0f;
    tubeSensible(r, Phase::Rating);
    EXPECT_FLOAT_EQ(sizing, r.Ht);
    r.Ret = -5000.0f;
    std::string message = stopped([&] { tubeSensible(r, Phase::Rating); });
    EXPECT_NE(message.find("Ret < 0"), std::string::npos);
}

TEST_F(HeatTransfer, TwistedTape) {
    r.flags.sTAPE = "y";
    r.DI = 0.02f;
    r.TTh = 0.001f;
    r.TTP2 = 0.2f;
    r.Kt = 0.025f;
    r.Ct = r.Dt = 1.0f;
    r.VIt = 0.0175f;  // Prt 0.7
    r.Dh = tapedHydraulicDiameter(r.DI, r.TTh);
    r.Hs = r.Ht = 50.0f;
    r.Ai = r.Aeff = 1.0f;
    r.TGM = r.TAM = 300.0f;
    const float reStar = transitionReynolds(r.DI, r.TTP2);
    EXPECT_GT(reStar, 500.0f);
    EXPECT_LT(reStar, 20000.0f);
    // The two forms meet at Re*.
    r.RetT = reStar * 0.9999f;
    tubeTwistedTape(r, Phase::Rating);
    const float below = r.Ht;
    r.RetT = reStar * 1.0001f;
    tubeTwistedTape(r, Phase::Rating);
    EXPECT_NEAR(below, r.Ht, 0.001f * r.Ht);
    EXPECT_FLOAT_EQ(r.ReStar, reStar);
    // Well below Re*, sizing still uses the turbulent form.
    r.RetT = reStar / 10.0f;
    tubeTwistedTape(r, Phase::Rating);
    const float laminar = r.Ht;
    tubeTwistedTape(r, Phase::Sizing);
    EXPECT_NE(laminar, r.Ht);
    // A cool wall under hot gas raises the coefficient (θ = (Tw/Tg)^−0.5).
    r.Hs = 1e6f;
    r.TAM = 20.0f;
    const float hotWall = laminar;
    tubeTwistedTape(r, Phase::Rating);
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
    tubeVelocity(r);
    // The whole bore carries the flow.
    EXPECT_NEAR(r.VW, 1.0f / 3600.0f / (3.1416f * 0.0001f), 1e-4f);
    EXPECT_EQ(r.RetT, 0.0f);
    tubeCoefficient(r, Phase::Rating, TubeRegime::Sensible);
    const float withFlag = r.Ht;
    r.flags.sTAPE = "n";
    tubeCoefficient(r, Phase::Rating, TubeRegime::Sensible);
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
    tubeCondensation(r, TubeKind::Bare);
    EXPECT_GT(r.Twav, r.TAM);
    EXPECT_LT(r.Twav, r.Tti);
    // Film condensation of steam in tubes: 3000 to 12000 W/m2K.
    EXPECT_GT(r.Ht * 1.163f, 3000.0f);
    EXPECT_LT(r.Ht * 1.163f, 12000.0f);
}

TEST_F(Condensation, WallAtTheTubeTemperatureStops) {
    steam();
    r.Tsi = r.Tso = 100.0f;  // no driving difference
    std::string message = stopped([&] { tubeCondensation(r, TubeKind::Bare); });
    EXPECT_NE(message.find("   @@@  計算不能のため終了します。[ Tti-Twav = 0 (除数) ]@@"), std::string::npos)
        << message;
}

TEST_F(Condensation, InletOfExactlyZeroIsNudged) {
    steam();
    r.Tti = 0.0f;
    r.Tsi = r.Tso = -20.0f;
    tubeCondensation(r, TubeKind::Bare);
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
    tubeEvaporation(r, TubeKind::Bare);
    const float small = r.Ht;
    EXPECT_GT(small, 0.0f);
    r.Twav = 80.0f;
    tubeEvaporation(r, TubeKind::Bare);
    EXPECT_GT(r.Ht, small);
    r.Dt = 2.0f * r.Dsl;  // vapour denser than its liquid: no real power
    std::string message = stopped([&] { tubeEvaporation(r, TubeKind::Bare); });
    EXPECT_NE(message.find("Dsl/Dt-1"), std::string::npos) << message;
}

TEST_F(HeatTransfer, GivenCoefficientsReplaceTheCorrelations) {
    bareBank(1.5f, 1.5f);
    r.HtcMode = 3.0f;
    r.HsUser = 123.0f;
    shellCoefficient(r, TubeKind::Bare, Phase::Sizing, notes);
    EXPECT_EQ(r.Hs, 123.0f);
    r.HtcMode = 2.0f;
    r.DI = 0.02f;
    r.Kt = 0.5f;
    r.Ct = r.Dt = 1.0f;
    r.VIt = 3.5f;  // Prt 7
    r.Ret = 20000.0f;
    r.HtUser = 456.0f;
    tubeCoefficient(r, Phase::Rating, TubeRegime::Sensible);
    EXPECT_EQ(r.Ht, 456.0f);
    shellCoefficient(r, TubeKind::Bare, Phase::Sizing, notes);
    EXPECT_NE(r.Hs, 123.0f) << "mode 2 gives the tube side only";

    // The wet-surface enhancement computes a coefficient too: the given
    // value of its side replaces it, the other side is enhanced.
    r.Dcf = 0.0005f;
    r.HtcMode = 3.0f;
    r.Hs = 123.0f;
    wetEnhancement(r, HumidSide::Shell, 60.0f, 40.0f, 0.622f);
    EXPECT_EQ(r.Hs, 123.0f);
    r.Ht = 456.0f;
    wetEnhancement(r, HumidSide::Tube, 60.0f, 40.0f, 0.622f);
    EXPECT_NEAR(1.0f / r.Ht, 1.0f / (456.0f * r.Kc) + 0.0005f / 0.55f, 1e-7f);
    r.HtcMode = 4.0f;
    r.Ht = 456.0f;
    wetEnhancement(r, HumidSide::Tube, 60.0f, 40.0f, 0.622f);
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
    overallCoefficient(r);
    EXPECT_NEAR(r.KI, 250.0f, 0.01f);
    // Fouling adds in series; a thick wall too.
    r.Rt = 0.001f;
    overallCoefficient(r);
    EXPECT_NEAR(r.KI, 1.0f / (0.002f + 0.001f + 0.002f), 0.01f);
    r.Rt = 0.0f;
    r.DO = 0.025f;
    overallCoefficient(r);
    EXPECT_NEAR(1.0f / r.KI - 0.004f, 0.01f * std::log(1.25f) / 40.0f, 1e-6f);
}

TEST_F(HeatTransfer, OuterCoefficientCarriesTheSameHeat) {
    // KO·Ao = KI·Ai for bare and finned tubes alike.
    radialFinBundle();
    r.Hs = 40.0f;
    r.Ht = 200.0f;
    finEfficiency(r);
    areas(r, TubeKind::RadialFin);
    overallCoefficient(r);
    EXPECT_NEAR(r.KO * r.Ao, r.KI * r.Ai, 1e-3f * r.KI * r.Ai);
    r.flags.finned = "n";
    areas(r, TubeKind::Bare);
    overallCoefficient(r);
    EXPECT_NEAR(r.KO * r.Ao, r.KI * r.Ai, 1e-3f * r.KI * r.Ai);
}

TEST_F(HeatTransfer, WetSurfaceEnhancement) {
    r.Hs = 40.0f;
    r.Dcf = 1e-10f;
    wetEnhancement(r, HumidSide::Shell, 60.0f, 40.0f, 0.622f);
    // Condensing vapour carries latent heat: a few times the sensible rate.
    EXPECT_GT(r.Kc, 1.5f);
    EXPECT_LT(r.Kc, 20.0f);
    EXPECT_NEAR(r.Hs, 40.0f * r.Kc, 0.01f);
    // A condensate film adds its resistance.
    r.Ht = 40.0f;
    r.Dcf = 0.0005f;
    wetEnhancement(r, HumidSide::Tube, 60.0f, 40.0f, 0.622f);
    EXPECT_NEAR(1.0f / r.Ht, 1.0f / (40.0f * r.Kc) + 0.0005f / 0.55f, 1e-6f);
}

TEST_F(HeatTransfer, GasAtTheWallTemperatureStops) {
    r.Hs = 40.0f;
    std::string message = stopped([&] { wetEnhancement(r, HumidSide::Shell, 50.0f, 50.0f, 0.622f); });
    EXPECT_NE(message.find("Tg-Tw = 0"), std::string::npos);
    EXPECT_EQ(message.find("nan"), std::string::npos);
}

TEST_F(HeatTransfer, ZeroCountsStop) {
    const struct {
        const char* name;
        std::function<void(Record&)> zero;
        std::function<void(Record&)> step;
        const char* quantity;
    } cases[] = {
        {"no tubes", [](Record& r) { r.Nt = 0.0f; }, [](Record& r) { tubeVelocity(r); }, "tube flow area = 0"},
        {"no rows", [](Record& r) { r.Nh = 0.0f; }, [](Record& r) { shellVelocity(r, TubeKind::RadialFin); }, "Nh = 0"},
        {"no film coefficients", [](Record& r) { r.Hs = r.Ht = 0.0f; },
         [](Record& r) { wallAndFilmTemperatures(r, r.Aeff); }, "Hs*Aeff+Ht*Ai = 0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        r = freshRecord();
        radialFinBundle();
        r.Vta = 100.0f;
        r.VIt = 0.1f;
        c.zero(r);
        std::string message = stopped([&] { c.step(r); });
        EXPECT_NE(message.find(c.quantity), std::string::npos) << message;
    }
}

}  // namespace
}  // namespace cfhx::calc
