// Whole calculations from the sample values of every reachable fluid pair
// and processing No.: each ends in a result whose figures make physical
// sense; each pass limit stops the run with its message.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "report/calculate_button.h"
#include "calc/rating.h"
#include "calc/engine_texts.h"
#include "calc/rating_texts.h"
#include "support/sample_runs.h"

namespace cfhx::testing {
namespace {

// Sensible cases balance within the correction factor; the condensing
// side accepts QG/QK from 0.999, so humid cases sit within 1 %.
void expectSound(const calc::Record& r, bool sensible) {
    for (float v : {r.Q, r.Tto, r.Tso, r.KI, r.Ai, r.LMTD, r.Ht, r.Hs, r.UM, r.VW, r.Qs, r.Qt, r.Qk}) {
        EXPECT_TRUE(std::isfinite(v));
    }
    EXPECT_GT(r.Q, 0.0f);
    const float lo = std::min(r.Tti, r.Tsi) - 0.05f, hi = std::max(r.Tti, r.Tsi) + 0.05f;
    EXPECT_TRUE(r.Tto >= lo && r.Tto <= hi) << "Tto " << r.Tto;
    EXPECT_TRUE(r.Tso >= lo && r.Tso <= hi) << "Tso " << r.Tso;
    if (sensible) {
        EXPECT_TRUE(r.Es >= 0.0f && r.Es <= 1.0f) << "Es " << r.Es;
        EXPECT_TRUE(r.Et >= 0.0f && r.Et <= 1.0f) << "Et " << r.Et;
        EXPECT_NEAR(r.Qs / r.Qk, 1.0f, 0.02f);
        EXPECT_NEAR(r.Qt / r.Qk, 1.0f, 0.02f);
        EXPECT_NEAR(r.Qs / r.Qt, 1.0f, 0.01f);
    } else {
        EXPECT_NEAR(r.Qs / r.Qk, 1.0f, 0.01f);
        EXPECT_NEAR(r.Qt / r.Qk, 1.0f, 0.01f);
    }
}

std::vector<SampleRun> sampleRuns() {
    std::vector<SampleRun> runs;
    for (bool si : {false, true}) {
        for (const char* tube : {"MAINFORM.BUTTON2", kWaterTubes}) {
            for (int no = 1; no <= 7; ++no) {
                SampleRun c{.name = "", .si = si, .tube = tube, .number = processingButton(no)};
                if (no <= 2) c.typed = {"1"};  // (A): the shell outlet given
                runs.push_back(c);
            }
        }
        runs.push_back({.name = "water tubes, humid shell", .si = si, .tube = kWaterTubes, .shell = kHumidShell});
        runs.push_back({.name = "humid tubes, gas shell", .si = si, .tube = kHumidTubes});
    }
    runs.push_back({.name = "radial fins", .number = processingButton(5), .fins = kRadialFins});
    runs.push_back({.name = "radial fins", .si = true, .tube = kWaterTubes, .number = processingButton(7), .fins = kRadialFins});
    runs.push_back({.name = "radial fins", .number = processingButton(1), .typed = {"1"}, .fins = kRadialFins});
    runs.push_back({.name = "plate fins", .number = processingButton(6), .fins = kPlateFins});
    runs.push_back({.name = "plate fins, humid shell", .tube = kWaterTubes, .shell = kHumidShell, .fins = kPlateFins});
    for (bool si : {false, true}) {
        runs.push_back({.name = "typed-in liquid", .si = si, .tube = kTypedIn,
                        .options = {"FORM7.RADIO7", "FORM7.RADIO11", "FORM7.BUTTON52"}});
    }
    runs.push_back({.name = "typed-in condensing vapour",
                    .tube = kTypedIn,
                    .options = {"FORM7.RADIO8", "FORM7.RADIO9", "FORM7.RADIO11", "FORM7.BUTTON52"}});
    return runs;
}

TEST(Rating, EverySampleEndsInASoundResult) {
    for (const SampleRun& c : sampleRuns()) {
        SCOPED_TRACE(std::string(c.name) + " " + (c.number ? c.number : "") + " " + c.tube + " " + c.shell +
                     (c.si ? " SI" : " old units"));
        Session s;
        s.platform.pausesAllowed = 1;  // after the result
        runSample(s, c);
        const calc::Record* r = lastResult(s);
        ASSERT_NE(r, nullptr) << s.app.pane.pageText();
        const bool sensible = c.tube != kHumidTubes && c.shell != kHumidShell && c.options.size() < 4;
        expectSound(*r, sensible);
    }
}

// The computed rows of No. 3 and 4 and the columns of No. 7 are written
// back into their fields and shown with the result (the return path
// blanks them again).
TEST(Rating, ComputedRowsAndColumnsReachTheirFields) {
    struct Case {
        int no;
        const char* field;
    } const kCases[] = {{3, "MAINFORM.EDIT26"}, {4, "MAINFORM.EDIT26"}, {7, "MAINFORM.EDIT27"}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.no);
        Session s;
        std::string shown;
        s.platform.whileReading = [&](const std::string& answer) {
            if (answer == kRecalculate) shown = s.text(c.field);
        };
        runSample(s, {.name = "", .number = processingButton(c.no)});
        const calc::Record* r = lastResult(s);
        ASSERT_NE(r, nullptr);
        const float written = std::stof(shown);
        EXPECT_NEAR(written, c.no == 7 ? r->Nh : r->NV, 1e-3f);
    }
}

// A shell flow kind other than 1 or 2 at the rating's flow question keeps
// every entry: its message, a pause, then the input screens.
TEST(Rating, AnUnknownShellFlowKindReturnsToTheScreens) {
    Session s;
    s.platform.pausesAllowed = 1;
    std::string atPause;
    s.platform.whilePaused = [&] { atPause = s.app.pane.pageText(); };
    s.platform.yesNo.push_back(true);
    s.openInput(false);
    s.click("MAINFORM.BUTTON22");
    s.click("MAINFORM.BUTTON2");
    s.click("MAINFORM.BUTTON6");
    s.click(processingButton(5));
    s.click("FORM6.BUTTON39");
    s.click("FORM5.BUTTON53");
    s.click("FORM5.BUTTON30");
    s("FORM5.EDIT172").setText("3");
    s.click("MAINFORM.BUTTON9");
    EXPECT_EQ(lastResult(s), nullptr);
    EXPECT_NE(atPause.find(calc::rating_texts::kRatingJapanese.shellFlowRefused), std::string::npos) << atPause;
    EXPECT_TRUE(s.enabled("MAINFORM.BUTTON9"));
    EXPECT_EQ(s.text("FORM5.EDIT170"), "2000");  // the entries stay
}

calc::PassLimits gLimits;
void limitedCalculation(App& app) { calculate(app, gLimits); }

// Each loop stops at its pass limit with its message (limits lowered to
// one pass so the sample runs reach them).
TEST(Rating, EveryPassLimitStopsWithItsMessage) {
    const calc::rating_texts::RatingTexts& T = calc::rating_texts::kRatingJapanese;
    const calc::engine_texts::EngineTexts& E = calc::engine_texts::kEngineJapanese;
    struct Case {
        const char* name;
        int calc::PassLimits::* limit;
        SampleRun run;
        std::string_view message;
    } const kCases[] = {
        {"mean temperature", &calc::PassLimits::meanTemperature, {.name = "", .number = processingButton(4)}, E.noConvergence},
        {"tube velocity", &calc::PassLimits::tubeVelocity, {.name = "", .number = processingButton(3)}, E.noConvergence},
        {"shell velocity", &calc::PassLimits::shellVelocity, {.name = "", .number = processingButton(3)}, E.noConvergence},
        {"rows and length", &calc::PassLimits::rowsLength, {.name = "", .number = processingButton(1), .typed = {"1"}}, E.noConvergence},
        {"tube outlet", &calc::PassLimits::outlet, {.name = "", .number = processingButton(5)}, T.outletLimit},
        {"phase 3", &calc::PassLimits::phase3, {.name = "", .number = processingButton(6)}, E.noConvergence},
        {"correction factor", &calc::PassLimits::correction, {.name = "", .number = processingButton(1), .typed = {"1"}}, E.noConvergence},
        {"column search", &calc::PassLimits::columnSearch, {.name = "", .number = processingButton(7)}, E.noConvergence},
        {"humid relaxation", &calc::PassLimits::humidRelaxation, {.name = "", .tube = kWaterTubes, .shell = kHumidShell}, T.humidLimit},
        {"humid outer", &calc::PassLimits::humidOuter, {.name = "", .tube = kWaterTubes, .shell = kHumidShell}, E.noConvergence},
        {"vapour", &calc::PassLimits::vapour,
         {.name = "", .tube = kTypedIn, .options = {"FORM7.RADIO8", "FORM7.RADIO9", "FORM7.RADIO11", "FORM7.BUTTON52"}},
         T.excessArea},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        gLimits = {};
        gLimits.*c.limit = 1;
        Session s;
        registerProcedure(s.app, "MAINFORM", "BUTTON9", limitedCalculation);
        s.platform.pausesAllowed = 1;
        std::string stopPage;
        s.platform.whilePaused = [&] { stopPage = s.app.pane.pageText(); };
        runSample(s, c.run);
        EXPECT_EQ(lastResult(s), nullptr);
        EXPECT_NE(stopPage.find(c.message), std::string::npos) << stopPage;
    }
    gLimits = {};
    gLimits.condensingStop = 1.0f;
    Session s;
    registerProcedure(s.app, "MAINFORM", "BUTTON9", limitedCalculation);
    s.platform.pausesAllowed = 1;
    runSample(s, {.name = "", .tube = kWaterTubes, .shell = kHumidShell});
    EXPECT_EQ(lastResult(s), nullptr);
}

}  // namespace
}  // namespace cfhx::testing
