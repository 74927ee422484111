// The construction column: sample bundle, clear, fin and tape buttons, and
// the phase-change sample written from FORM7.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "support/pages.h"
#include "support/session.h"

namespace cfhx {
namespace {

using testing::Entries;
using testing::pageLines;
using testing::Session;

std::string field(Session& s, int n) { return s.text("MAINFORM.EDIT" + std::to_string(n)); }

struct Counts {
    const char* passes;
    const char* rows;
    const char* columns;
};

void expectCounts(Session& s, Counts c) {
    EXPECT_EQ(field(s, 24), c.passes);
    EXPECT_EQ(field(s, 26), c.rows);
    EXPECT_EQ(field(s, 27), c.columns);
}

TEST(ConstructionSample, WritesTheSampleBundleAndClearsThePane) {
    Session s;
    s.openInput(false);
    s("MAINFORM.EDIT34").setText("7");
    ASSERT_TRUE(s.click("MAINFORM.BUTTON22"));
    const char* expected[] = {" 16", " 14", " 1.3", " 1.3", " 1",      "   －",     "   －",
                              "   －", " 1",  " 395", "   －", " 0.0005", " 0.0005", " 1"};
    for (int k = 0; k < 14; ++k) EXPECT_EQ(field(s, 10 + k), expected[k]) << "EDIT" << 10 + k;
    expectCounts(s, {" 3", " 40", " 6"});
    EXPECT_EQ(field(s, 25), " 1");
    EXPECT_EQ(field(s, 31), " 1");
    EXPECT_EQ(field(s, 32), "   －");
    EXPECT_EQ(field(s, 33), "   －");
    EXPECT_EQ(field(s, 34), "7");  // the film thickness is not part of the sample
    EXPECT_EQ(s.app.pane.pageRows(), 0u);
}

TEST(ConstructionSample, AfterCondensationTheSampleHasOnePass) {
    Session s;
    s.openInput(false);
    s.click("MAINFORM.BUTTON4");
    s.click("FORM7.RADIO8");
    s.click("FORM7.RADIO9");
    expectCounts(s, {" 1", " 10", " 3"});
    // The phase-change options switch the sample buttons off; they come back
    // with the calculation's hand-over, so the sample is read directly here.
    EXPECT_FALSE(s.enabled("MAINFORM.BUTTON22"));
    EXPECT_FALSE(s.enabled("MAINFORM.BUTTON23"));
    for (int b : {10, 11, 12}) EXPECT_TRUE(s.enabled("MAINFORM.BUTTON" + std::to_string(b)));
    s("MAINFORM.BUTTON22").enable();
    s("MAINFORM.EDIT24").setText("9");
    s.click("MAINFORM.BUTTON22");
    expectCounts(s, {" 1", " 10", " 3"});
}

TEST(ConstructionSample, EvaporationFirstThenAgain) {
    Session s;
    s.openInput(true);
    s.click("MAINFORM.BUTTON4");
    s.click("FORM7.RADIO8");
    s.click("FORM7.RADIO10");
    expectCounts(s, {" 3", " 10", " 3"});
    EXPECT_EQ(field(s, 10), " 16");
    EXPECT_EQ(field(s, 25), " 1");
    s("MAINFORM.EDIT24").setText("");
    s.click("FORM7.RADIO10");
    expectCounts(s, {" 1", " 10", " 3"});
}

TEST(ConstructionClear, EmptiesOrBlanksEveryRowAndAsksForValues) {
    Session s;
    s.openInput(false);
    s.click("MAINFORM.BUTTON22");
    s("MAINFORM.EDIT34").setText(" 0");
    ASSERT_TRUE(s.click("MAINFORM.BUTTON23"));
    for (int n : {10, 11, 12, 13, 14, 15, 18, 21, 22, 23, 25}) EXPECT_EQ(field(s, n), "") << n;
    for (int n : {16, 17, 19, 20, 24, 26, 27, 31, 32, 33, 34}) EXPECT_EQ(field(s, n), " ") << n;
    auto lines = pageLines(s.app.pane);
    ASSERT_EQ(lines.size(), 9u);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(lines[i], "");
    EXPECT_EQ(lines[8], "       　★ 右のカラムに数値を入力してください ⇒ ");
}

TEST(FinAndTapeButtons, QuestionsFieldsAndPage) {
    struct Case {
        const char* name;
        bool sample = false;  // the construction sample first
        Entries entries = {};      // MAINFORM
        std::vector<bool> answers = {};
        std::vector<const char*> clicks = {};  // MAINFORM
        std::vector<std::pair<int, const char*>> fields = {};  // MAINFORM.EDITn
        int waits = -1;                  // how many; -1: not counted
        const char* firstWait = nullptr;
        int rows = -1;                   // rows of the page; -1: not counted
        std::vector<std::string> tail = {};   // its last rows
    };
    const char* const kDash = "    －";
    const char* const kRadialAsked = "     set the radial fin dimentions。";
    const Case cases[] = {
        {.name = "no fins marks the fin rows (radial from nothing asks nothing)", .clicks = {"BUTTON11", "BUTTON10"},
         .fields = {{14, " 1"}, {15, kDash}, {16, kDash}, {17, kDash}, {20, "  　－"}}, .rows = 0},
        {.name = "radial from bare asks, and Yes writes the sample", .sample = true, .answers = {true},
         .clicks = {"BUTTON11"}, .fields = {{14, " 2"}, {15, " 6"}, {16, " 14"}, {17, " 0.3"}, {20, " 189"}},
         .waits = 1, .firstWait = "yesno: ラジアルフィン寸法サンプル値の復活|サンプル値を復活しますか？", .rows = 0},
        {.name = "radial from bare answered No asks for the dimensions", .sample = true, .answers = {false},
         .clicks = {"BUTTON11"}, .fields = {{15, " "}, {16, " "}, {17, " "}, {20, " "}}, .rows = 8,
         .tail = {" ", kRadialAsked}},
        {.name = "radial from plate asks nothing", .entries = {{"EDIT14", "3"}}, .clicks = {"BUTTON11"},
         .fields = {{14, " 2"}, {15, " "}, {16, " "}, {17, " "}, {20, " "}}, .waits = 0, .tail = {kRadialAsked}},
        {.name = "a fin type far beyond any code names none: radial asks nothing", .entries = {{"EDIT14", "1e10"}},
         .clicks = {"BUTTON11"}, .fields = {{14, " 2"}}, .waits = 0, .tail = {kRadialAsked}},
        {.name = "radial again offers the sample; No asks for the dimensions", .entries = {{"EDIT14", " 2"}},
         .answers = {false}, .clicks = {"BUTTON11"}, .fields = {{15, " "}, {16, " "}, {17, " "}, {20, " "}}, .rows = 1,
         .tail = {"     伝熱管のラジアルフィン寸法を登録して下さい。"}},
        {.name = "radial again, then Yes restores the sample", .entries = {{"EDIT14", " 2"}}, .answers = {false, true},
         .clicks = {"BUTTON11", "BUTTON11"}, .fields = {{16, " 14"}}, .waits = 2},
        {.name = "plate again asks to quote the sample; Yes quotes it", .entries = {{"EDIT14", "3"}, {"EDIT16", "12"}},
         .answers = {true}, .clicks = {"BUTTON12"}, .fields = {{15, " 9"}, {16, "   －"}, {17, " 0.3"}, {20, " 189"}},
         .firstWait = "yesno: プレートフィン寸法サンプル値の設定|サンプル値を引用しますか？"},
        {.name = "plate again answered No empties the plate rows", .entries = {{"EDIT14", "3"}, {"EDIT16", "12"}},
         .answers = {true, false}, .clicks = {"BUTTON12", "BUTTON12"},
         .fields = {{15, " "}, {16, "   －"}, {17, " "}, {20, " "}}},
        {.name = "plate from radial calls up the sample", .entries = {{"EDIT14", "2"}}, .answers = {false},
         .clicks = {"BUTTON12"}, .fields = {{14, " 3"}, {16, "   －"}},
         .firstWait = "yesno: プレートフィン寸法サンプル値の呼び出し|サンプル値を引用しますか？", .rows = 8,
         .tail = {"     伝熱管のプレートフィン数、肉厚を登録して下さい。"}},
        {.name = "plate from no type asks nothing", .clicks = {"BUTTON12"}, .fields = {{16, "   －"}, {15, " "}},
         .waits = 0},
        {.name = "a tape asks for its thickness and pitch", .clicks = {"BUTTON14"},
         .fields = {{31, " 2"}, {32, " "}, {33, " "}}, .rows = 7,
         .tail = {"    ツイストテープの肉厚及び捻りピッチをセットして下さい。", "  "}},
        {.name = "no tape marks the tape rows", .clicks = {"BUTTON14", "BUTTON13"},
         .fields = {{31, " 1"}, {32, "   －"}, {33, "   －"}}, .rows = 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Session s;
        s.openInput(false);
        if (c.sample) s.click("MAINFORM.BUTTON22");
        s.enter("MAINFORM", c.entries);
        s.platform.yesNo.assign(c.answers.begin(), c.answers.end());
        for (const char* button : c.clicks) s.click(std::string("MAINFORM.") + button);
        for (const auto& [n, text] : c.fields) EXPECT_EQ(field(s, n), text) << "EDIT" << n;
        if (c.waits >= 0) {
            EXPECT_EQ(s.platform.waits.size(), static_cast<size_t>(c.waits));
        }
        if (c.firstWait) {
            ASSERT_FALSE(s.platform.waits.empty());
            EXPECT_EQ(s.platform.waits[0], c.firstWait);
        }
        const auto rows = pageLines(s.app.pane);
        if (c.rows >= 0) {
            EXPECT_EQ(rows.size(), static_cast<size_t>(c.rows));
        }
        ASSERT_GE(rows.size(), c.tail.size());
        EXPECT_EQ(std::vector<std::string>(rows.end() - c.tail.size(), rows.end()), c.tail);
    }
}

}  // namespace
}  // namespace cfhx
