// A case replayed headless to its first result, or to the message it
// stopped with.
#include <gtest/gtest.h>

#include <string>

#include "platform/script/case_run.h"
#include "platform/script/driver.h"
#include "support/case_scripts.h"

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

}  // namespace
}  // namespace cfhx
