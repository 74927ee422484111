// The summary screen FORM2 after a fresh result in each display mode, the
// refusal of a condensate the tube flow cannot carry, and the main
// screen's composition/property panel of the Japanese modes.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/control_flow.h"
#include "support/output_fixture.h"
#include "report/results.h"
#include "support/result_records.h"
#include "support/sample_runs.h"

namespace cfhx {
namespace {

using testing::finishedGasRun;
using R = calc::Record;

class SummaryTest : public testing::OutputTest {};

struct Field {
    const char* screen;
    const char* control;
    const char* text;
};

TEST_F(SummaryTest, FreshResultFills) {
    struct Case {
        const char* name;
        const char* mode;
        std::function<void(R&)> run;
        std::vector<Field> fields;
    };
    const std::vector<Case> kCases = {
        {.name = "J gas/gas", .mode = "J", .run = [](R&) {},
         .fields = {{"FORM2", "EDIT47", " 300"},
                    {"FORM2", "EDIT61", " 10400"},
                    {"FORM2", "EDIT53", " 120"},
                    {"FORM2", "EDIT59", " 12930"},
                    {"FORM2", "EDIT43", " 1500"},
                    {"FORM2", "EDIT55", " 3000"},
                    {"FORM2", "EDIT34", " 20"},
                    {"FORM2", "EDIT35", " 30"},
                    {"FORM2", "EDIT36", " 43"},
                    {"FORM2", "EDIT37", " 36"},
                    {"FORM2", "EDIT38", " 300000"},
                    {"FORM2", "EDIT41", " 152"},
                    {"FORM2", "EDIT45", " 60"},
                    {"FORM2", "EDIT46", " 200"},
                    {"FORM2", "EDIT78", "mmH2O"},
                    {"FORM2", "TEXT66", " ℃"},
                    {"FORM2", "EDIT69", "圧力損失"}}},
        {.name = "JSI gas/gas", .mode = "JSI", .run = [](R&) {},
         .fields = {{"FORM2", "EDIT47", " 573"},
                    {"FORM2", "EDIT61", " 2888.889"},
                    {"FORM2", "EDIT43", " 1500"},
                    {"FORM2", "EDIT34", " 196"},
                    {"FORM2", "EDIT38", " 348900"},
                    {"FORM2", "EDIT78", "      Pa"},
                    {"FORM2", "TEXT66", " K"},
                    {"FORM2", "TEXT75", " g/s"}}},
        {.name = "E: English captions", .mode = "E", .run = [](R&) {},
         .fields = {{"FORM2", "EDIT69", " Pressure drop"},
                    {"FORM2", "EDIT65", "              Items"},
                    {"FORM2", "EDIT38", " 300000"}}},
        {.name = "ESI: English captions on a fresh result", .mode = "ESI", .run = [](R&) {},
         .fields = {{"FORM2", "EDIT71", " Exchanged as heat"}, {"FORM2", "EDIT82", "      K"}}},
        {.name = "J bare tubes: KO from the diameters", .mode = "J", .run = testing::makeBare,
         .fields = {{"FORM2", "EDIT40", " 28.41195"}}},
        {.name = "J tube latent: dew point in, TZ3 out, condensate off the flow", .mode = "J",
         .run = testing::makeLatentTube,
         .fields = {{"FORM2", "EDIT47", " 70"},
                    {"FORM2", "EDIT52", " 45"},
                    {"FORM2", "EDIT58", " 10250"},
                    {"FORM2", "EDIT62", " 150"}}},
        {.name = "J tube condensate equal to the inflow", .mode = "J",
         .run = [](R& r) { testing::makeLatentTube(r); r.Wc = r.Wt; },
         .fields = {{"FORM2", "EDIT58", " 0"}}},
        {.name = "J shell latent, entered saturation temperature", .mode = "J",
         .run = [](R& r) { testing::makeWaterTubes(r); testing::makeLatentShell(r); r.ShellMoistureMode = 3; r.TsatS = 58; },
         .fields = {{"FORM2", "EDIT49", " 58"},
                    {"FORM2", "EDIT53", " 40"},
                    {"FORM2", "EDIT54", " 12810"},
                    {"FORM2", "EDIT51", " 120"},
                    {"FORM2", "EDIT61", " 10000"}}},
        {.name = "J panel: flue gas in the tubes, air outside", .mode = "J", .run = [](R&) {},
         .fields = {{"MAINFORM", "EDIT101", " 72.00"},
                    {"MAINFORM", "EDIT102", " 79.02"},
                    {"MAINFORM", "EDIT110", " 13.00"},
                    {"MAINFORM", "EDIT116", " 比熱(kcal/kg℃)"},
                    {"MAINFORM", "EDIT117", " 0.26"}}},
        {.name = "JSI panel: water in the tubes", .mode = "JSI", .run = testing::makeWaterTubes,
         .fields = {{"MAINFORM", "EDIT101", "―"},
                    {"MAINFORM", "EDIT113", "      水(100％)"},
                    {"MAINFORM", "EDIT116", " 比熱(kJ/kgK)"},
                    {"MAINFORM", "EDIT117", " 4.1868"}}},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        calc::Record rec = finishedGasRun();
        c.run(rec);
        rec.flags.LangUnitMode = c.mode;
        report::presentResult(app, rec);
        EXPECT_TRUE(app["FORM2"].shown());
        for (const Field& f : c.fields) EXPECT_EQ(app[f.screen][f.control].text(), f.text) << f.control;
    }
}

// A condensate the tube inflow cannot carry: FORM2 hidden, the message
// after three empty lines, one pause, and the calculation left.
TEST_F(SummaryTest, CondensateTooLarge) {
    struct Case {
        const char* name;
        bool si;
        const char* message;
    };
    constexpr Case kCases[] = {
        {.name = "old units", .si = false, .message = "管内流量不足又は伝熱面積が過剰"},
        {.name = "SI", .si = true, .message = "★ 伝熱面積が過剰です"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        calc::Record rec = finishedGasRun();
        testing::makeLatentTube(rec);
        rec.Wc = rec.Wt + 1;
        app["FORM2"].show();
        app.pane.clear();
        const std::string page = stopped([&] { report::fillSummaryScreen(app, rec, c.si ? "JSI" : "J", true); });
        EXPECT_FALSE(app["FORM2"].shown());
        EXPECT_TRUE(page.starts_with("\n\n\n")) << page;
        EXPECT_NE(page.find(c.message), std::string::npos) << page;
        EXPECT_FLOAT_EQ(rec.Tti, 300.0f) << "the record is back in the old units";
    }
}

// Mode "ESI" keeps its captions on a refill; "J" puts the form's own back.
TEST_F(SummaryTest, CaptionsOnRefill) {
    struct Case {
        const char* name;
        const char* mode;
        const char* caption;
    };
    constexpr Case kCases[] = {
        {.name = "ESI refill keeps the English", .mode = "ESI", .caption = " Pressure drop"},
        {.name = "J refill restores the Japanese", .mode = "J", .caption = "圧力損失"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        calc::Record rec = finishedGasRun();
        report::fillSummaryScreen(app, rec, "E", true);
        report::fillSummaryScreen(app, rec, c.mode, false);
        EXPECT_EQ(app["FORM2"]["EDIT69"].text(), c.caption);
    }
}

// The refill after the print menu's {4} takes its captions and units from
// the table it stands beside, whatever mode the run was started in.
TEST(SummaryRefill, FollowsTheTableShown) {
    struct Case {
        const char* name;
        std::vector<std::string> answers;  // menu answers before the last one
        const char* caption;               // EDIT69 after the refill
        const char* lossUnit;              // EDIT78
    };
    const Case kCases[] = {
        // J run: 3 shows the E table, 1 its print menu, 4 back with the refill.
        {.name = "J run beside the E table", .answers = {"3", "1", "4"}, .caption = " Pressure drop",
         .lossUnit = "mmH2O"},
        // J run: 2 shows the JSI table, 1 its print menu, 4 back.
        {.name = "J run beside the JSI table", .answers = {"2", "1", "4"}, .caption = "圧力損失", .lossUnit = "Pa"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        testing::Session s;
        std::vector<std::string> captions, units;
        s.platform.whileReading = [&](const std::string&) {
            captions.push_back(s.text("FORM2.EDIT69"));
            units.push_back(s.text("FORM2.EDIT78"));
        };
        testing::runSample(s, {.name = "gas No. 5", .number = testing::processingButton(5), .typed = c.answers});
        ASSERT_EQ(captions.size(), c.answers.size() + 1) << s.app.pane.pageText();
        EXPECT_EQ(captions.back(), c.caption);
        EXPECT_NE(units.back().find(c.lossUnit), std::string::npos) << units.back();
    }
}

}  // namespace
}  // namespace cfhx
