#include "calc/pressure_loss.h"

#include "calc/heat_transfer.h"
#include "calc/mean_temperature.h"
#include "engine_fixture.h"

namespace cfhx::calc {
namespace {

using PressureLoss = cfhx::testing::EngineTest;

TEST_F(PressureLoss, FrictionFactorJumpsAtTheLaminarLimit) {
    r.Ret = 2000.0f;
    tubeFriction(app, r);
    EXPECT_FLOAT_EQ(r.f, 0.008f);
    r.Ret = 2001.0f;
    tubeFriction(app, r);
    EXPECT_NEAR(r.f, 0.01238f, 0.00001f);
    // Smooth-tube Fanning factor at Re 1e5: about 0.0045 (Blasius 0.0044).
    r.Ret = 1e5f;
    tubeFriction(app, r);
    EXPECT_NEAR(r.f, 0.0045f, 0.0003f);
    r.Ret = 0.0f;
    std::string page = stopped([&] { tubeFriction(app, r); });
    EXPECT_NE(page.find("Ret = 0"), std::string::npos);
}

TEST_F(PressureLoss, PlainTubeIsDarcyWeisbach) {
    // Water at 1 m/s, f = 0.005, 1 m of 20 mm tube: Δp = 4f(L/D)ρv²/2 = 500 Pa ≈ 51 mmAq.
    r.f = 0.005f;
    r.TL = 1.0f;
    r.DI = 0.02f;
    r.Dt = 1000.0f;
    r.VW = 1.0f;
    r.Pvis = r.VIt = 0.0036f;
    r.PNt = 1.0f;
    tubeLossPlain(app, r);
    EXPECT_NEAR(r.DPt, 500.0f / 9.8f, 0.01f);
    EXPECT_FLOAT_EQ(r.DPt, r.Pt * 10000.0f);
    // Twice the passes, twice the path.
    r.PNt = 2.0f;
    tubeLossPlain(app, r);
    EXPECT_NEAR(r.DPt, 1000.0f / 9.8f, 0.02f);
    // A more viscous wall film (cooled liquid) raises the loss.
    r.Pvis = 0.0072f;
    tubeLossPlain(app, r);
    EXPECT_NEAR(r.DPt, 1000.0f / 9.8f * std::pow(2.0f, 0.14f), 0.05f);
}

TEST_F(PressureLoss, TapeFrictionAtTheTransition) {
    r.DI = 0.02f;
    r.TTP2 = 0.2f;
    r.TTh = 0.001f;
    r.Dh = tapedHydraulicDiameter(app, r.DI, r.TTh);
    r.TL = 2.0f;
    r.Dt = 1.0f;
    r.VW = 10.0f;
    r.PNt = 1.0f;
    r.Twav = r.TGM = 100.0f;
    r.ReStar = transitionReynolds(app, r.DI, r.TTP2);
    // At Re* the turbulent (b) form holds; just below it the laminar one.
    r.RetT = r.ReStar;
    tubeLossTape(app, r, Phase::Rating);
    const float at = r.f;
    r.RetT = r.ReStar * 1.0001f;
    tubeLossTape(app, r, Phase::Rating);
    EXPECT_NEAR(r.f, at, 1e-4f * at);
    r.RetT = r.ReStar * 0.9999f;
    tubeLossTape(app, r, Phase::Rating);
    EXPECT_GT(std::fabs(r.f - at), 0.05f * at);
    const float laminar = r.f;
    // In sizing Re* counts as 0: the b form everywhere.
    tubeLossTape(app, r, Phase::Sizing);
    EXPECT_NEAR(r.f, at, 1e-3f * at);
    EXPECT_NE(r.f, laminar);
    EXPECT_GT(r.Pt, 0.0f);
}

TEST_F(PressureLoss, BareBankBandEdges) {
    // Band limits are inclusive upper limits.
    EXPECT_FLOAT_EQ(bareBankCoefficient(5000.0f, 1.2f, 1.2f, true), 1.68f);
    EXPECT_FLOAT_EQ(bareBankCoefficient(5000.5f, 1.2f, 1.6f, true), 0.83f);
    EXPECT_FLOAT_EQ(bareBankCoefficient(14000.0f, 1.2f, 1.6f, false), 1.44f);
    EXPECT_FLOAT_EQ(bareBankCoefficient(14001.0f, 1.2f, 1.6f, false), 1.1f);
    EXPECT_FLOAT_EQ(bareBankCoefficient(30000.0f, 3.0f, 3.0f, true), 0.55f);
    EXPECT_FLOAT_EQ(bareBankCoefficient(30001.0f, 3.0f, 3.0f, true), 0.46f);
    // PHX 1.375 with PVY 2.6 at Res 4000.
    EXPECT_FLOAT_EQ(bareBankCoefficient(4000.0f, 1.375f, 2.6f, true), 6.12f);
    EXPECT_FLOAT_EQ(bareBankCoefficient(4000.0f, 1.375f, 2.6f, false), 1.3f);
    // PHX selects the block, PVY the entry.
    EXPECT_FLOAT_EQ(bareBankCoefficient(40000.0f, 2.0f, 1.5f, true), 1.02f);
    EXPECT_FLOAT_EQ(bareBankCoefficient(40000.0f, 1.5f, 2.0f, true), 0.48f);
    EXPECT_FLOAT_EQ(bareBankCoefficient(40000.0f, 2.5f, 2.5f, false), 0.82f);
    EXPECT_FLOAT_EQ(bareBankCoefficient(40000.0f, 2.5001f, 2.5001f, false), 0.6f);
}

TEST_F(PressureLoss, BareBankLossScalesWithRowsAndVelocityHead) {
    r.flags.arrangement = "1";
    r.DO = 0.0254f;
    r.UM = 5.0f;
    r.VIs = 0.08f;  // Res ≈ 5715
    r.PHX = r.PVY = 1.5f;
    r.Ds = 1.2f;
    r.Nh = 10.0f;
    r.PNs = 1.0f;
    bareBankShellLoss(app, r);
    EXPECT_FLOAT_EQ(r.Cbank, 1.6f);
    // 0.334·C per row times ρu²/2g, in mmAq.
    EXPECT_NEAR(r.DPs, 0.334f * 1.6f * 10.0f * 1.2f * 25.0f / 19.6f, 0.001f);
}

TEST_F(PressureLoss, FinnedBanksGiveModestLossesInAir) {
    // A radial-fin bank of 4 rows at 4 m/s: a friction factor of some 0.3
    // per row, about 1 mmAq.
    r.DO = 0.0254f;
    r.Fh = 0.0127f;
    r.FT = 0.0004f;
    r.FPI = 8.0f;
    finGeometry(app, r);
    r.Pv = 1.2f * r.Df;
    r.Ph = 1.1f * r.Df;
    r.UM = 4.0f;
    r.VIs = 0.08f;
    r.Ds = 0.95f;
    r.Nh = 4.0f;
    r.PNs = 1.0f;
    radialFinShellLoss(app, r);
    EXPECT_GT(r.fs, 0.1f);
    EXPECT_LT(r.fs, 1.0f);
    r.Nh = 8.0f;
    const float four = r.DPs;
    radialFinShellLoss(app, r);
    EXPECT_NEAR(r.DPs, 2.0f * four, 1e-3f * four);
}

TEST_F(PressureLoss, SizingReportLines) {
    r.DPt = 20.0f;
    r.DPs = 20.0f;
    reportSizingLosses(app, r, false);
    EXPECT_EQ(app.pane.pageText(), "                        　 outside  Pressure drop is  20.0 mmAq            ");
    app.pane.clear();
    r.DPt = 20.04f;
    r.DPs = 123.45f;
    reportSizingLosses(app, r, false);
    EXPECT_EQ(app.pane.pageText(),
              "               ◆ WARNING  inside   Pressure drop is over 20 mmAq ( 20.0) \n"
              "               ◆ WARNING  outside  Pressure drop is over 20 mmAq (123.5) ");
    app.pane.clear();
    r.DPt = 3.0f;
    reportSizingLosses(app, r, true);
    EXPECT_EQ(app.pane.line(app.pane.pageTop()),
              "                  　       inside   Pressure drop is   3.0 mmAq            ");
}

TEST_F(PressureLoss, RatingReportPutsWarningsFirst) {
    r.DPt = 12.3f;
    r.DPs = 51.0f;
    reportRatingLosses(app, r);
    EXPECT_EQ(app.pane.pageText(),
              "   [ WARNING  outside  Pressure drop is over 50 mmAq ( 51.0) ]\n"
              "              inside   Pressure drop is  12.3 mmAq ");
    app.pane.clear();
    r.DPt = 50.0f;
    r.DPs = 50.0f;
    reportRatingLosses(app, r);
    EXPECT_EQ(app.pane.pageText(),
              "              inside   Pressure drop is  50.0 mmAq \n"
              "              outside  Pressure drop is  50.0 mmAq ");
    app.pane.clear();
    r.DPs = 77.6f;
    reportShellLossStepA(app, r);
    EXPECT_EQ(app.pane.pageText(), "   [ WARNING  outside  Pressure drop is over 50 mmAq (  78) ]");
}

class LossSteps : public PressureLoss {
protected:
    // Plate-fin bank in air with gas in plain tubes; 10 °C gas cooled to
    // 60 °C against air 20 → 50 °C.
    void plateFinCase() {
        r.flags.finned = "y";
        r.flags.sFIN = "2";
        r.DO = 0.0254f;
        r.DI = 0.0214f;
        r.FT = 0.0002f;
        r.FPI = 10.0f;
        r.Pv = r.Ph = 0.0508f;
        r.Fh = plateFinEquivalentHeight(app, r.Pv, r.Ph, r.DO);
        finGeometry(app, r);
        r.De = 0.03f;
        r.Gf = 0.00234f;
        r.UM = 4.0f;
        r.VIs = 0.06f;
        r.Ds = 1.2f;
        r.Nh = 4.0f;
        r.PNs = r.PNt = 1.0f;
        r.Ret = 30000.0f;
        r.TL = 3.0f;
        r.Dt = 1.0f;
        r.VW = 15.0f;
        r.Pvis = r.VIt = 0.1f;
        r.Tti = 100.0f;
        r.Tto = 60.0f;
        r.Tsi = 20.0f;
        r.Tso = 50.0f;
    }
};

TEST_F(LossSteps, RatingWithPlateFinsPrintsTheShellLineTwice) {
    plateFinCase();
    lossStepB(app, r, TubeKind::PlateFin);
    const std::string page = app.pane.pageText();
    EXPECT_EQ(page.substr(0, page.find('\n')).find("             outside  Pressure drop is"), 0u) << page;
    EXPECT_NE(page.find("\n              inside   Pressure drop is"), std::string::npos);
    EXPECT_NE(page.find("\n              outside  Pressure drop is"), std::string::npos);
    EXPECT_EQ(app.pane.pageRows(), 3u);
    // The friction factor comes from this pass's Ret (turbulent, not the 0.04 start).
    EXPECT_NEAR(r.f, 0.0014f + 0.125f / std::pow(30000.0f, 0.32f), 1e-6f);
    EXPECT_NEAR(r.Es, 30.0f / 80.0f, 1e-6f);
    EXPECT_NEAR(r.Et, 40.0f / 80.0f, 1e-6f);
}

TEST_F(LossSteps, SizingWithPlateFinsKeepsTheLastFrictionFactor) {
    plateFinCase();
    // Nothing formed f yet: the start value 0.04 stands, whatever Ret is.
    sizingLosses(app, r, TubeKind::PlateFin, false);
    EXPECT_EQ(r.f, 0.04f);
    // (4·0.04·3/0.0214)·1·15²/19.6·0.0001 kgf/cm2 = 257.48 mmAq.
    EXPECT_NEAR(r.DPt, 257.48f, 0.05f);
    // Step A's shell line, then the 20 mmAq tube warning and the outside line.
    EXPECT_EQ(app.pane.pageRows(), 3u) << app.pane.pageText();
    EXPECT_NE(app.pane.pageText().find("inside   Pressure drop is over 20 mmAq (257.5)"), std::string::npos)
        << app.pane.pageText();

    // A factor formed earlier (turbulent, Ret 30000) is kept although this
    // pass is laminar.
    tubeFriction(app, r);
    const float turbulent = 0.0014f + 0.125f / std::pow(30000.0f, 0.32f);
    ASSERT_NEAR(r.f, turbulent, 1e-6f);
    r.Ret = 1000.0f;
    sizingLosses(app, r, TubeKind::PlateFin, false);
    EXPECT_NEAR(r.f, turbulent, 1e-6f);
    EXPECT_NEAR(r.DPt, 257.48f * turbulent / 0.04f, 0.05f);

    // The other banks form f in line from this pass's Ret.
    sizingLosses(app, r, TubeKind::Bare, false);
    EXPECT_NEAR(r.f, 16.0f / 1000.0f, 1e-7f);
}

TEST_F(LossSteps, WaterNeverUsesTheTape) {
    plateFinCase();
    r.flags.sTAPE = "y";
    r.TTh = 0.001f;
    r.TTP2 = 0.2f;
    r.TubeFluidKind = 3.0f;
    lossStepB(app, r, TubeKind::PlateFin);
    const float plain = r.DPt;
    r.flags.sTAPE = "n";
    lossStepB(app, r, TubeKind::PlateFin);
    EXPECT_FLOAT_EQ(r.DPt, plain);
    r.TubeFluidKind = 2.0f;
    r.flags.sTAPE = "y";
    r.Dh = tapedHydraulicDiameter(app, r.DI, r.TTh);
    r.RetT = r.Ret;
    r.Twav = r.TGM = 80.0f;
    lossStepB(app, r, TubeKind::PlateFin);
    EXPECT_NE(r.DPt, plain);
}

TEST_F(LossSteps, TemperatureEfficiencies) {
    plateFinCase();
    r.flags.sCOND = "y";
    r.Es = 0.51f;
    temperatureEfficiencies(app, r);
    EXPECT_EQ(r.Es, 0.51f) << "latent heat: not formed here";
    r.flags.sCOND = "n";
    r.Tsi = r.Tti;
    std::string page = stopped([&] { temperatureEfficiencies(app, r); });
    EXPECT_NE(page.find("Tti-Tsi = 0"), std::string::npos);
}

}  // namespace
}  // namespace cfhx::calc
