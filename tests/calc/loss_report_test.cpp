// The pressure-loss lines of the passes and the combined loss steps that
// print them.
#include "calc/loss_report.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "calc/heat_transfer.h"
#include "calc/numeric_guard.h"
#include "calc/pressure_loss.h"
#include "support/random_record.h"
#include "support/session.h"

namespace cfhx::calc {
namespace {

class LossReport : public ::testing::Test {
protected:
    LossReport() : app(platform) {}

    cfhx::testing::QueuedPlatform platform;
    App app;
    Record r = freshRecord();
};

TEST_F(LossReport, SizingLines) {
    const struct {
        const char* name;
        float DPt, DPs;
        bool waterInTubes;
        const char* page;
    } cases[] = {
        {"gas in the tubes, both at the limit", 20.0f, 20.0f, false,
         "                        　 outside  Pressure drop is  20.0 mmAq            "},
        {"gas in the tubes, both above", 20.04f, 123.45f, false,
         "               ◆ WARNING  inside   Pressure drop is over 20 mmAq ( 20.0) \n"
         "               ◆ WARNING  outside  Pressure drop is over 20 mmAq (123.5) "},
        {"water in the tubes prints its line always", 3.0f, 123.45f, true,
         "                  　       inside   Pressure drop is   3.0 mmAq            \n"
         "               ◆ WARNING  outside  Pressure drop is over 20 mmAq (123.5) "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        app.pane.clear();
        r.DPt = c.DPt;
        r.DPs = c.DPs;
        reportSizingLosses(app, r, c.waterInTubes);
        EXPECT_EQ(app.pane.pageText(), c.page);
    }
}

TEST_F(LossReport, RatingLinesPutWarningsFirst) {
    const struct {
        const char* name;
        float DPt, DPs;
        bool stepA;
        const char* page;
    } cases[] = {
        {"outside above the limit", 12.3f, 51.0f, false,
         "   [ WARNING  outside  Pressure drop is over 50 mmAq ( 51.0) ]\n"
         "              inside   Pressure drop is  12.3 mmAq "},
        {"both at the limit", 50.0f, 50.0f, false,
         "              inside   Pressure drop is  50.0 mmAq \n"
         "              outside  Pressure drop is  50.0 mmAq "},
        {"step A above the limit", 50.0f, 77.6f, true, "   [ WARNING  outside  Pressure drop is over 50 mmAq (  78) ]"},
        {"step A at the limit", 50.0f, 50.0f, true, "             outside  Pressure drop is  50.0 mmAq "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        app.pane.clear();
        r.DPt = c.DPt;
        r.DPs = c.DPs;
        if (c.stepA) {
            reportShellLossStepA(app, r);
        } else {
            reportRatingLosses(app, r);
        }
        EXPECT_EQ(app.pane.pageText(), c.page);
    }
}

TEST_F(LossReport, RandomRecordsPrintNoNonNumbers) {
    cfhx::testing::RandomRecords random;
    const TubeKind kinds[] = {TubeKind::Bare, TubeKind::RadialFin, TubeKind::PlateFin};
    for (int round = 0; round < 3000; ++round) {
        const TubeKind kind = kinds[round % 3];
        for (int step = 0; step < 2; ++step) {
            r = random.next();
            app.pane.clear();
            bool stopped = false;
            try {
                if (step == 0) {
                    sizingLosses(app, r, kind, round % 2 == 0);
                } else {
                    lossStepB(app, r, kind);
                }
            } catch (const CalculationStop&) {
                stopped = true;
            }
            if (!stopped) {
                const float* v = cfhx::testing::numbers(r);
                for (size_t i = 0; i < cfhx::testing::kNumbers; ++i)
                    ASSERT_TRUE(std::isfinite(v[i])) << "step " << step << " left quantity #" << i << " = " << v[i];
            }
            const std::string page = app.pane.pageText();
            ASSERT_EQ(page.find("nan"), std::string::npos) << page;
            ASSERT_EQ(page.find("inf"), std::string::npos) << page;
        }
    }
}

class LossSteps : public LossReport {
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
        r.Fh = plateFinEquivalentHeight(r.Pv, r.Ph, r.DO);
        finGeometry(r);
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
    tubeFriction(r);
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
    r.Dh = tapedHydraulicDiameter(r.DI, r.TTh);
    r.RetT = r.Ret;
    r.Twav = r.TGM = 80.0f;
    lossStepB(app, r, TubeKind::PlateFin);
    EXPECT_NE(r.DPt, plain);
}

}  // namespace
}  // namespace cfhx::calc
