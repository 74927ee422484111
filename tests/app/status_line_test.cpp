// The line under the pane through scripted sessions: what it says after the
// fluid window's check, during and after a run, after a stop and after the
// confirmation button.
#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "support/input_paths.h"

namespace cfhx {
namespace {

using testing::Session;

// Water in the tubes, humid gas outside, sample values, the check passed.
const std::vector<std::string> kReady = {"MAINFORM.BUTTON22", "MAINFORM.BUTTON3", "MAINFORM.BUTTON5",
                                         "FORM5.BUTTON53", "FORM5.BUTTON30"};
// Saturated humid gas in the tubes whose enthalpy sends the saturation
// temperature iteration to its pass limit.
const std::vector<std::string> kStopping = {
    "MAINFORM.BUTTON22", "MAINFORM.BUTTON1", "MAINFORM.BUTTON6", "FORM5.BUTTON53", "FORM5.BUTTON30",
    "FORM5.EDIT173=1",   "FORM5.EDIT158=2",  "FORM5.EDIT166=4",  "FORM5.EDIT174=1000"};

std::vector<std::string> then(std::vector<std::string> first, const std::vector<std::string>& more) {
    first.insert(first.end(), more.begin(), more.end());
    return first;
}

TEST(StatusLine, SaysWhatComesNextAtEachStep) {
    constexpr const char* kCalculate = "計算開始/再設定 で計算します";
    constexpr const char* kConfirm = "設定確認 で入力を変更できます";
    constexpr const char* kNoColumns = "  ★ 管列数を右のカラムに入力して下さい。";
    constexpr const char* kNoConvergence = "   @@@  収束不可のため終了します。@@";
    struct Case {
        const char* name;
        std::vector<std::string> actions;
        std::deque<bool> yesNo = {};
        std::deque<std::string> lines = {};
        int pauses = 0;
        std::string status = {};  // after the last action
    };
    const std::string stopped = std::string(kNoConvergence) + " ／ " + kConfirm;
    const Case kCases[] = {
        {.name = "at start-up", .actions = {}},
        {.name = "the fluid window's check passed", .actions = kReady, .status = kCalculate},
        {.name = "the fluid window's check refused",
         .actions = {"MAINFORM.BUTTON22", "MAINFORM.BUTTON3", "MAINFORM.BUTTON5", "FORM5.BUTTON30"}, .pauses = 1},
        {.name = "recalculation from the menu", .actions = then(kReady, {"MAINFORM.BUTTON9"}), .yesNo = {true},
         .lines = {"4"}, .status = kConfirm},
        {.name = "No to the confirmation", .actions = then(kReady, {"MAINFORM.BUTTON9"}), .yesNo = {false},
         .status = kConfirm},
        {.name = "a refusal of the construction column continued from",
         .actions = then(kReady, {"MAINFORM.EDIT27=", "MAINFORM.BUTTON9"}), .pauses = 1,
         .status = std::string(kNoColumns) + " ／ " + kConfirm},
        {.name = "a stop continued from", .actions = then(kStopping, {"MAINFORM.BUTTON9"}), .yesNo = {true},
         .pauses = 1, .status = stopped},
        {.name = "the confirmation button keeps the stop, not the hint",
         .actions = then(kStopping, {"MAINFORM.BUTTON9", "MAINFORM.BUTTON27"}), .yesNo = {true}, .pauses = 1,
         .status = kNoConvergence},
        {.name = "the confirmation button after a recalculation",
         .actions = then(kReady, {"MAINFORM.BUTTON9", "MAINFORM.BUTTON27"}), .yesNo = {true}, .lines = {"4"}},
        {.name = "the check passed again after a stop",
         .actions = then(kStopping, {"MAINFORM.BUTTON9", "MAINFORM.BUTTON27", "FORM5.EDIT174=100", "FORM5.BUTTON30"}),
         .yesNo = {true}, .pauses = 1, .status = kCalculate},
        {.name = "new fluid kinds after a stop keep the stop, not the hint",
         .actions = then(kStopping, {"MAINFORM.BUTTON9", "MAINFORM.BUTTON3", "MAINFORM.BUTTON5"}), .yesNo = {true},
         .pauses = 1, .status = kNoConvergence},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        Session s;
        s.openInput(false);
        s.platform.yesNo = c.yesNo;
        s.platform.lines = c.lines;
        s.platform.pausesAllowed = c.pauses;
        std::vector<std::string> atAnswers;
        s.platform.whileReading = [&](const std::string&) { atAnswers.push_back(s.app.status()); };
        for (const std::string& a : c.actions) s.act("", a);
        EXPECT_EQ(s.app.status(), c.status);
        EXPECT_TRUE(s.platform.lines.empty());
        EXPECT_TRUE(s.platform.yesNo.empty());
        // A run clears it: nothing stale while the menu waits.
        EXPECT_EQ(atAnswers.size(), c.lines.size());
        for (const std::string& at : atAnswers) EXPECT_EQ(at, "");
    }
}

}  // namespace
}  // namespace cfhx
