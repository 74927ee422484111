// A case replayed headless to its first result, or to the message it
// stopped with.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/cases/case_run.h"
#include "platform/cases/script_player.h"
#include "support/case_scripts.h"
#include "support/files.h"

namespace cfhx {
namespace {

TEST(CaseRun, EndsAtTheFirstResultOrStop) {
    struct Case {
        const char* name;
        const char* script;
        std::vector<FieldValue> overrides;
        int status;
        const char* found;  // in the result page, or in the message
    };
    const Case kCases[] = {
        {"gas/gas to its table", testing::kGasCase, {}, kCaseResult, "交換熱量"},
        {"a longer tube typed in as the calculation starts", testing::kGasCase,
         {{.screen = "FORM5", .control = "EDIT157", .text = "3000"}}, kCaseResult, "TL=3.00"},
        {"a negative tube length stops it", testing::kGasCase,
         {{.screen = "FORM5", .control = "EDIT157", .text = "-1500"}}, kCaseStopped, "負の値"},
        {"a case that never calculates", "click FORM4.BUTTON25\n", {}, kScriptUnansweredWait, ""},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        const CaseResult r = runCase(c.script, c.overrides, "07/03/05");
        EXPECT_EQ(r.status, c.status) << r.transcript << r.errors;
        EXPECT_EQ(r.record.has_value(), c.status == kCaseResult);
        const std::string& where = c.status == kCaseResult ? r.resultPage : r.message;
        EXPECT_NE(where.find(c.found), std::string::npos) << where;
    }
}

// The same record to the byte, or none on both sides.
bool sameRecord(const std::optional<calc::Record>& a, const std::optional<calc::Record>& b) {
    if (a.has_value() != b.has_value()) return false;
    return !a || std::memcmp(&*a, &*b, sizeof(calc::Record)) == 0;
}

// Runs played on from the prepared calculate line, one after another on one
// runner, give what the whole script gives from fresh screens: whatever a
// run typed in, stopped at or left on the pane does not reach the next.
TEST(CaseRun, PreparedRunsGiveWhatTheWholeScriptGives) {
    auto field = [](const char* control, const char* text) {
        return FieldValue{.screen = "FORM5", .control = control, .text = text};
    };
    struct Run {
        std::vector<FieldValue> overrides;
        int status;
    };
    const std::string samples = CFHX_SAMPLES_DIR;
    struct Case {
        const char* name;
        std::string script;
        bool prepared;  // the calculation starts: the runs play on from there
        std::vector<Run> runs;
    };
    const Case kCases[] = {
        {"gas/gas: results, a stop, a question the case does not answer", testing::kGasCase, true,
         {{{field("EDIT157", "3000")}, kCaseResult},
          {{field("EDIT157", "-1500")}, kCaseStopped},
          {{}, kCaseResult},
          {{field("EDIT157", "400"), field("EDIT158", "2")}, kCaseStopped},
          {{field("EDIT130", "200")}, kCaseStopped},
          {{field("EDIT157", "3000")}, kCaseResult}}},
        {"humid gas in the tubes: a stop with the page's last line", testing::readFile(samples + "/humid-gas-tubes.cfhx"),
         true,
         {{{field("EDIT133", "40"), field("EDIT138", "5")}, kCaseStopped},
          {{field("EDIT169", "2000")}, kCaseResult},
          {{}, kCaseResult}}},
        {"SI, a field set before the calculation, a refused inlet", testing::readFile(samples + "/session.cfhx"), true,
         {{{field("EDIT130", "273")}, kCaseStopped},
          {{field("EDIT157", "2000")}, kCaseResult},
          {{field("EDIT130", "493")}, kCaseStopped}}},
        {"no calculation: every run plays the whole script", "click FORM4.BUTTON25\n", false,
         {{{}, kScriptUnansweredWait}, {{field("EDIT157", "1")}, kScriptUnansweredWait}}},
    };
    constexpr const char* kDate = "07/03/05";
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        const PreparedCase full(c.script, kDate, CaseDetail::Full);
        const PreparedCase lean(c.script, kDate, CaseDetail::Results);
        EXPECT_EQ(full.prepared(), c.prepared);
        EXPECT_EQ(lean.prepared(), c.prepared);
        CaseRunner fullRunner(full), leanRunner(lean);
        for (size_t i = 0; i < c.runs.size(); ++i) {
            SCOPED_TRACE(i);
            const std::vector<FieldValue>& overrides = c.runs[i].overrides;
            const CaseResult whole = runCase(c.script, overrides, kDate);
            EXPECT_EQ(whole.status, c.runs[i].status) << whole.message << whole.errors;
            for (CaseRunner* runner : {&fullRunner, &leanRunner}) {
                const bool detailed = runner == &fullRunner;
                SCOPED_TRACE(detailed ? "full" : "results only");
                const CaseResult r = runner->run(overrides);
                EXPECT_EQ(r.status, whole.status);
                EXPECT_EQ(r.message, whole.message);
                EXPECT_EQ(r.errors, whole.errors);
                EXPECT_TRUE(sameRecord(r.record, whole.record));
                if (!detailed) continue;
                EXPECT_EQ(r.transcript, whole.transcript);
                EXPECT_EQ(r.resultPage, whole.resultPage);
                ASSERT_EQ(r.inputs.size(), whole.inputs.size());
                for (size_t k = 0; k < r.inputs.size(); ++k) EXPECT_EQ(r.inputs[k].text, whole.inputs[k].text);
                EXPECT_EQ(r.settings.has_value(), whole.settings.has_value());
            }
        }
    }
}

}  // namespace
}  // namespace cfhx
