// The construction column: sample bundle, clear, fin and tape buttons, and
// the phase-change sample written from FORM7.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/session.h"

namespace cfhx {
namespace {

using testing::Session;

std::vector<std::string> page(Session& s) {
    std::vector<std::string> out;
    for (uint64_t l = s.app.pane.pageTop(); l < s.app.pane.endLine(); ++l) out.push_back(s.app.pane.line(l));
    return out;
}

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
    auto lines = page(s);
    ASSERT_EQ(lines.size(), 9u);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(lines[i], "");
    EXPECT_EQ(lines[8], "       　★ 右のカラムに数値を入力してください ⇒ ");
}

TEST(FinButtons, NoFinsMarksTheFinRows) {
    Session s;
    s.openInput(false);
    s.click("MAINFORM.BUTTON11");  // radial from nothing: no question
    s.click("MAINFORM.BUTTON10");
    EXPECT_EQ(field(s, 14), " 1");
    for (int n : {15, 16, 17}) EXPECT_EQ(field(s, n), "    －");
    EXPECT_EQ(field(s, 20), "  　－");
    EXPECT_EQ(s.app.pane.pageRows(), 0u);
}

TEST(FinButtons, RadialFromBareAsksAndYesWritesTheSample) {
    Session s;
    s.openInput(false);
    s.click("MAINFORM.BUTTON22");
    s.platform.yesNo.push_back(true);
    s.click("MAINFORM.BUTTON11");
    ASSERT_EQ(s.platform.waits.size(), 1u);
    EXPECT_EQ(s.platform.waits[0], "yesno: ラジアルフィン寸法サンプル値の復活|サンプル値を復活しますか？");
    EXPECT_EQ(field(s, 14), " 2");
    EXPECT_EQ(field(s, 15), " 6");
    EXPECT_EQ(field(s, 16), " 14");
    EXPECT_EQ(field(s, 17), " 0.3");
    EXPECT_EQ(field(s, 20), " 189");
    EXPECT_EQ(s.app.pane.pageRows(), 0u);
}

TEST(FinButtons, RadialFromBareAnsweredNoAsksForDimensions) {
    Session s;
    s.openInput(false);
    s.click("MAINFORM.BUTTON22");
    s.platform.yesNo.push_back(false);
    s.click("MAINFORM.BUTTON11");
    for (int n : {15, 16, 17, 20}) EXPECT_EQ(field(s, n), " ") << n;
    auto lines = page(s);
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[6], " ");
    EXPECT_EQ(lines[7], "     set the radial fin dimentions。");
}

TEST(FinButtons, RadialFromPlateAsksNothing) {
    Session s;
    s.openInput(false);
    s("MAINFORM.EDIT14").setText("3");
    s.click("MAINFORM.BUTTON11");
    EXPECT_TRUE(s.platform.waits.empty());
    EXPECT_EQ(field(s, 14), " 2");
    for (int n : {15, 16, 17, 20}) EXPECT_EQ(field(s, n), " ") << n;
    EXPECT_EQ(page(s).back(), "     set the radial fin dimentions。");
}

TEST(FinButtons, RadialAgainOffersToRestoreTheSample) {
    Session s;
    s.openInput(false);
    s("MAINFORM.EDIT14").setText(" 2");
    s.platform.yesNo = {false, true};
    s.click("MAINFORM.BUTTON11");
    EXPECT_EQ(page(s), std::vector<std::string>{"     伝熱管のラジアルフィン寸法を登録して下さい。"});
    for (int n : {15, 16, 17, 20}) EXPECT_EQ(field(s, n), " ") << n;
    s.click("MAINFORM.BUTTON11");
    EXPECT_EQ(field(s, 16), " 14");
    EXPECT_EQ(s.platform.waits.size(), 2u);
}

TEST(FinButtons, PlateAgainAsksToQuoteTheSample) {
    Session s;
    s.openInput(false);
    s("MAINFORM.EDIT14").setText("3");
    s("MAINFORM.EDIT16").setText("12");
    s.platform.yesNo = {true, false};
    s.click("MAINFORM.BUTTON12");
    EXPECT_EQ(s.platform.waits[0], "yesno: プレートフィン寸法サンプル値の設定|サンプル値を引用しますか？");
    EXPECT_EQ(field(s, 15), " 9");
    EXPECT_EQ(field(s, 16), "   －");
    EXPECT_EQ(field(s, 17), " 0.3");
    EXPECT_EQ(field(s, 20), " 189");
    s.click("MAINFORM.BUTTON12");
    for (int n : {15, 17, 20}) EXPECT_EQ(field(s, n), " ") << n;
    EXPECT_EQ(field(s, 16), "   －");
}

TEST(FinButtons, PlateFromRadialCallsUpTheSample) {
    Session s;
    s.openInput(false);
    s("MAINFORM.EDIT14").setText("2");
    s.platform.yesNo.push_back(false);
    s.click("MAINFORM.BUTTON12");
    EXPECT_EQ(s.platform.waits[0], "yesno: プレートフィン寸法サンプル値の呼び出し|サンプル値を引用しますか？");
    EXPECT_EQ(field(s, 14), " 3");
    EXPECT_EQ(field(s, 16), "   －");
    auto lines = page(s);
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[7], "     伝熱管のプレートフィン数、肉厚を登録して下さい。");
}

TEST(FinButtons, PlateFromNoTypeAsksNothing) {
    Session s;
    s.openInput(false);
    s.click("MAINFORM.BUTTON12");
    EXPECT_TRUE(s.platform.waits.empty());
    EXPECT_EQ(field(s, 16), "   －");
    EXPECT_EQ(field(s, 15), " ");
}

TEST(TapeButtons, PresentAsksForThicknessAndPitch) {
    Session s;
    s.openInput(false);
    s.click("MAINFORM.BUTTON14");
    EXPECT_EQ(field(s, 31), " 2");
    EXPECT_EQ(field(s, 32), " ");
    EXPECT_EQ(field(s, 33), " ");
    auto lines = page(s);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[5], "    ツイストテープの肉厚及び捻りピッチをセットして下さい。");
    EXPECT_EQ(lines[6], "  ");
    s.click("MAINFORM.BUTTON13");
    EXPECT_EQ(field(s, 31), " 1");
    EXPECT_EQ(field(s, 32), "   －");
    EXPECT_EQ(field(s, 33), "   －");
    EXPECT_EQ(s.app.pane.pageRows(), 0u);
}

}  // namespace
}  // namespace cfhx
