#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/frame_texts.h"
#include "app/text_width.h"
#include "support/pages.h"
#include "support/screen_state.h"

namespace cfhx {
namespace {

using testing::pageLines;
using testing::Path;
using testing::Session;
using testing::toInput;

using Case = testing::ScreenState;
void expectMain(const Case& c) { testing::expectState(c, "MAINFORM"); }

TEST(StartUp, OnlyTheUnitScreenIsOffered) {
    Session s;
    EXPECT_TRUE(s.shown("MAINFORM"));
    EXPECT_TRUE(s.shown("FORM4"));
    for (const char* f : {"FORM5", "FORM6", "FORM7", "FORM2"}) EXPECT_FALSE(s.shown(f)) << f;
    EXPECT_EQ(s.text("FORM6.EDIT167"), "5");
    EXPECT_EQ(s.text("MAINFORM.EDIT128"), "3");
    EXPECT_EQ(s.text("MAINFORM.EDIT9"), " 07/03/05");
    EXPECT_FALSE(s.enabled("MAINFORM.EDIT9"));
    for (int b = 1; b <= 14; ++b) EXPECT_FALSE(s.enabled("MAINFORM.BUTTON" + std::to_string(b))) << b;
    for (const char* c : {"MAINFORM.BUTTON18", "MAINFORM.BUTTON22", "MAINFORM.BUTTON23", "MAINFORM.BUTTON27",
                          "MAINFORM.EDIT1", "MAINFORM.EDIT10", "MAINFORM.EDIT22", "MAINFORM.EDIT29",
                          "MAINFORM.EDIT34"}) {
        EXPECT_FALSE(s.enabled(c)) << c;
    }
    for (int e = 23; e <= 27; ++e) EXPECT_TRUE(s.enabled("MAINFORM.EDIT" + std::to_string(e))) << e;
    EXPECT_FALSE(s("FORM7.RADIO9").visible());
    EXPECT_FALSE(s("FORM7.RADIO10").visible());
    EXPECT_FALSE(s("FORM7.EDIT184").visible());
    EXPECT_FALSE(s("FORM7.TEXT247").visible());
    EXPECT_EQ(s.text("FORM7.EDIT184"), "     －");
    EXPECT_EQ(s.text("FORM5.EDIT169"), "－");
    EXPECT_FALSE(s.enabled("FORM5.EDIT170"));

    auto lines = pageLines(s.app.pane);
    ASSERT_EQ(lines.size(), 6u);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(lines[i], "");
    EXPECT_EQ(lines[5], "    【 CROSS FLOW TYPE MULTI TUBE HEAT EXCHANGER CALC. PROGRAM 】");
}

TEST(StartUp, ClicksOnDisabledOrHiddenControlsDoNothing) {
    Session s;
    EXPECT_FALSE(s.click("MAINFORM.BUTTON18"));  // NEXT before a unit choice
    EXPECT_FALSE(s.click("MAINFORM.BUTTON1"));
    EXPECT_FALSE(s.click("FORM7.RADIO9"));       // hidden control on a hidden screen
    EXPECT_FALSE(s.click("FORM5.BUTTON55"));     // screen not shown
    EXPECT_FALSE(s.click("NOFORM.BUTTON1"));
    EXPECT_FALSE(s.click("MAINFORM.NOBUTTON"));
    EXPECT_TRUE(s.shown("FORM4"));
    EXPECT_EQ(s.text("MAINFORM.EDIT1"), "");
}

TEST(UnitScreen, EitherButtonSetsTheCodeAndEnablesNext) {
    Session s;
    EXPECT_TRUE(s.click("FORM4.BUTTON25"));
    EXPECT_EQ(s.text("MAINFORM.EDIT128"), "4");
    EXPECT_EQ(s.app.UnitFlag, "2");
    EXPECT_TRUE(s.enabled("MAINFORM.BUTTON18"));
    EXPECT_EQ(s.text("MAINFORM.TEXT13"), " 伝熱管の熱伝導率(kcal/mhc)");
    EXPECT_EQ(s.text("MAINFORM.TEXT17"), " ｼｪﾙ側汚れ係数(m2hc/kcal)");

    EXPECT_TRUE(s.click("FORM4.BUTTON26"));
    EXPECT_EQ(s.text("MAINFORM.EDIT128"), "3");
    EXPECT_EQ(s.app.UnitFlag, "1");
    EXPECT_EQ(s.text("MAINFORM.TEXT13"), " 伝熱管の熱伝導率(W/mK)");
    EXPECT_EQ(s.text("MAINFORM.TEXT16"), " 管内汚れ係数(m2K/W)");
    EXPECT_EQ(s.text("MAINFORM.TEXT5"), " 伝熱管外径 Do(mm)");
}

TEST(UnitScreen, SiThenOldLeavesTheRefrigerantLabelsInSi) {
    Session s;
    s.click("FORM4.BUTTON26");
    s.click("FORM4.BUTTON25");
    EXPECT_EQ(s.text("FORM7.TEXT248"), "(MPa)");
    EXPECT_EQ(s.text("FORM7.TEXT250"), "(N/m)");
    EXPECT_EQ(s.text("MAINFORM.TEXT15"), " ﾌｨﾝ材の熱伝導率(kcal/mhc)");
}

TEST(Next, OpensTheMainWindowForInput) {
    const Path oldUnits = [](Session& s) { s.click("FORM4.BUTTON25"); };
    const Case cases[] = {
        {.name = "several passes on the tube side only are kept", .path = oldUnits,
         .actions = {"EDIT24=2", "EDIT25=2", "BUTTON18"}, .texts = {{"EDIT24", "2"}, {"EDIT25", " 1"}}},
        {.name = "several passes on the shell side only are kept", .path = oldUnits,
         .actions = {"EDIT24=1", "EDIT25=3", "BUTTON18"}, .texts = {{"EDIT24", " 1"}, {"EDIT25", "3"}}},
        {.name = "the kind buttons, the construction column and the samples open; nothing chosen yet",
         .path = toInput(true),
         .texts = {{"BUTTON22", "開く"}, {"BUTTON23", "閉る"}, {"BUTTON9", "主要条件登録"}, {"TEXT63", " ↓ ｻﾝﾌﾟﾙ値"},
                   {"TEXT2", " ｼｪﾙ側物性"},
                   // All seven kind labels.
                   {"EDIT1", " 飽和水分湿り気体"}, {"EDIT2", " 　気体の物性　"}, {"EDIT3", " 　水の物性"},
                   {"EDIT4", "  液体 or 気体"}, {"EDIT5", " 飽和水分湿り気体"}, {"EDIT6", " 　気体の物性　"},
                   {"EDIT8", " 　気体の物性　"}, {"EDIT7", "　　　－"}},
         .on = {"BUTTON1", "BUTTON2", "BUTTON3", "BUTTON4", "BUTTON10", "BUTTON11", "BUTTON12", "BUTTON13",
                "BUTTON14", "BUTTON22", "BUTTON23", "EDIT1", "EDIT8", "EDIT9", "EDIT10", "EDIT22", "EDIT27",
                "EDIT29", "EDIT34"},
         .off = {"BUTTON18", "BUTTON5", "BUTTON6", "BUTTON7", "BUTTON8", "BUTTON9"}, .hidden = {"FORM4"}},
    };
    for (const Case& c : cases) expectMain(c);
}

TEST(Next, WelcomeTextNamesTheUnitSystem) {
    for (bool si : {true, false}) {
        Session s;
        s.openInput(si);
        auto lines = pageLines(s.app.pane);
        ASSERT_EQ(lines.size(), 34u);
        EXPECT_EQ(lines[4], "        ");
        EXPECT_EQ(lines[8], std::string(23, ' ') + "W E L C O M E  ！");
        EXPECT_EQ(lines[18], std::string(10, ' ') + "【クロスフロー型多管式熱交換器計算プログラム】   ");
        if (si) {
            EXPECT_EQ(lines[19], std::string(26, ' ') + "SI 単位系");
        } else {
            EXPECT_EQ(lines[19], "　　　　　　　　　　　　　旧工学単位系");
        }
        EXPECT_EQ(lines[20], " ");
        for (int i = 21; i < 34; ++i) EXPECT_EQ(textColumns(lines[i]), 64) << i;
        EXPECT_EQ(lines[21].substr(0, 4), "    ");
    }
}

struct KindCase {
    const char* button;
    std::vector<std::string> heading;  // lines between the rules, without indent
    int tube;                          // code expected in EDIT30 (0: blank)
    int shell;                         // code expected in EDIT29 (0: blank)
    std::vector<std::pair<int, std::string>> labels;
};

TEST(KindButtons, HeadingLabelsAndCodes) {
    const std::vector<KindCase> cases = {
        {"MAINFORM.BUTTON1",
         {"・管内側物性：水分湿り飽和混合気体＜潜熱移動を伴う計算＞", "・ｼｪﾙ側物性 ：乾き気体"},
         1, 2, {{1, "　飽和湿り気体の物性"}, {6, "　気体の物性"}}},
        {"MAINFORM.BUTTON2", {"管内物性：気体＜顕熱移動＞"}, 2, 0, {{2, "　気体の物性"}, {6, "　気体の物性"}}},
        {"MAINFORM.BUTTON3", {"管内物性：水＜顕熱移動＞"}, 3, 0,
         {{3, "　水の物性"}, {5, "　飽和湿り気体の物性"}, {6, "　気体の物性"}}},
    };
    for (const KindCase& k : cases) {
        Session s;
        s.openInput(false);
        ASSERT_TRUE(s.click(k.button)) << k.button;
        auto lines = pageLines(s.app.pane);
        size_t width = 0;
        for (const auto& h : k.heading) width = std::max(width, static_cast<size_t>(textColumns(h)));
        std::string rule = "   " + std::string(width, '=');
        std::vector<std::string> expected(6, "");
        expected.push_back(rule);
        for (const auto& h : k.heading) expected.push_back("   " + h);
        expected.push_back(rule);
        for (int i = 0; i < 3; ++i) expected.push_back("");
        expected.push_back("   　　　　　　　　　　　　　　　　引き続き右カラムを設定してくだっさい　⇒");
        for (size_t i = 0; i < k.labels.size(); ++i) expected.push_back("");
        EXPECT_EQ(lines, expected) << k.button;

        EXPECT_EQ(s.text("MAINFORM.EDIT30"), std::to_string(k.tube)) << k.button;
        EXPECT_EQ(s.text("MAINFORM.EDIT29"), k.shell ? std::to_string(k.shell) : "") << k.button;
        for (int field : {1, 2, 3, 4, 5, 6, 8}) {
            std::string want;
            for (const auto& [f, t] : k.labels) {
                if (f == field) want = t;
            }
            EXPECT_EQ(s.text("MAINFORM.EDIT" + std::to_string(field)), want) << k.button << " EDIT" << field;
        }
        EXPECT_EQ(s.text("MAINFORM.EDIT7"), "　　　－");
    }
}

TEST(KindButtons, EachKindPresetsAndOpensItsScreen) {
    const char* const kDash = "   －";
    const Case cases[] = {
        {.name = "saturated gas in the tubes presets the shell inlet in SI", .path = toInput(true),
         .actions = {"BUTTON1"}, .texts = {{"EDIT34", " 0"}, {"FORM5.EDIT133", "293"}},
         .on = {"BUTTON6", "FORM5.EDIT133"}, .off = {"BUTTON5", "FORM5.EDIT130"}, .hidden = {"FORM5"}},
        {.name = "saturated gas in the tubes, gas outside, opens FORM5", .path = toInput(true),
         .actions = {"BUTTON1", "BUTTON6"}, .texts = {{"EDIT29", "2"}, {"EDIT34", kDash}, {"BUTTON27", ""}},
         .on = {"BUTTON4"}, .off = {"BUTTON1", "BUTTON2", "BUTTON3", "BUTTON5", "BUTTON6", "BUTTON9", "BUTTON27"},
         .shown = {"FORM5"}, .hidden = {"FORM6"}},
        {.name = "old units preset no shell inlet temperature", .path = toInput(false), .actions = {"BUTTON1"},
         .texts = {{"FORM5.EDIT133", ""}}},
        {.name = "old units preset no tube inlet temperature", .path = toInput(false),
         .actions = {"BUTTON1", "BUTTON3", "BUTTON5"}, .texts = {{"FORM5.EDIT130", ""}}},
        {.name = "gas in the tubes, gas outside, opens FORM6", .path = toInput(false),
         .actions = {"BUTTON2", "BUTTON6"}, .texts = {{"EDIT29", "2"}}, .on = {"BUTTON1"}, .shown = {"FORM6"},
         .hidden = {"FORM5"}},
        {.name = "water in the tubes, gas outside, opens FORM6", .path = toInput(false),
         .actions = {"BUTTON3", "BUTTON6"}, .texts = {{"EDIT29", "2"}}, .on = {"BUTTON1"}, .shown = {"FORM6"},
         .hidden = {"FORM5"}},
        {.name = "water in the tubes offers a saturated shell", .path = toInput(true), .actions = {"BUTTON3"},
         .texts = {{"FORM5.BUTTON40", "■"}}, .on = {"FORM5.EDIT132", "BUTTON5"}},
        {.name = "water in the tubes, saturated gas outside, opens FORM5", .path = toInput(true),
         .actions = {"BUTTON3", "BUTTON5"},
         .texts = {{"EDIT29", "1"}, {"EDIT34", " 0"}, {"EDIT5", "　飽和湿り気体の物性"}, {"FORM5.EDIT130", "293"}},
         .on = {"FORM5.EDIT130"},
         .off = {"FORM5.EDIT131", "FORM5.EDIT134", "FORM5.EDIT132", "FORM5.EDIT135", "FORM5.EDIT169", "FORM5.EDIT170",
                 "BUTTON1", "BUTTON2", "BUTTON3", "BUTTON5", "BUTTON6"},
         .shown = {"FORM5"}, .hidden = {"FORM6", "FORM7"}},
        {.name = "typed-in properties open FORM7 and never FORM6 (SI)", .path = toInput(true),
         .actions = {"BUTTON2", "BUTTON6", "BUTTON4"},
         .texts = {{"EDIT30", "4"}, {"EDIT29", "4"}, {"EDIT4", " 液or気体物性入力"}, {"EDIT8", " 気体の物性入力"},
                   {"EDIT2", ""}, {"EDIT34", kDash}, {"FORM7.TEXT236", " (W/m2K)"}, {"FORM7.TEXT237", " (W/m2K)"}},
         .off = {"FORM5.BUTTON53", "FORM5.BUTTON54"}, .shown = {"FORM7"}, .hidden = {"FORM6", "FORM5"}},
        {.name = "typed-in properties open FORM7 and never FORM6 (old units)", .path = toInput(false),
         .actions = {"BUTTON2", "BUTTON6", "BUTTON4"},
         .texts = {{"EDIT30", "4"}, {"EDIT29", "4"}, {"EDIT4", " 液or気体物性入力"}, {"EDIT8", " 気体の物性入力"},
                   {"EDIT2", ""}, {"EDIT34", kDash}, {"FORM7.TEXT236", "（kcal/m2hC）"},
                   {"FORM7.TEXT237", "（kcal/m2hC）"}},
         .off = {"FORM5.BUTTON53", "FORM5.BUTTON54"}, .shown = {"FORM7"}, .hidden = {"FORM6", "FORM5"}},
        {.name = "a gas shell's film field: saturated tubes set it", .path = toInput(false),
         .actions = {"BUTTON1"},  // shell kind 2
         .texts = {{"EDIT34", " 0"}}},
        {.name = "a gas shell's film field: gas in the tubes after a gas shell clears it", .path = toInput(false),
         .actions = {"BUTTON1", "BUTTON2"}, .texts = {{"EDIT34", kDash}}},
        {.name = "a gas shell's film field: gas in the tubes without a shell kind keeps it", .path = toInput(false),
         .actions = {"EDIT34= 0.1", "BUTTON2"}, .texts = {{"EDIT34", " 0.1"}}},
    };
    for (const Case& c : cases) expectMain(c);
}

TEST(KindButtons, PagesOfWaterTubesAndTypedInProperties) {
    Session s;
    s.openInput(true);
    s.click("MAINFORM.BUTTON3");
    s.click("MAINFORM.BUTTON5");
    auto lines = pageLines(s.app.pane);
    ASSERT_GE(lines.size(), 8u);
    EXPECT_EQ(lines[7], "   シェル側物性：水分湿り飽和混合気体＜潜熱移動を伴う計算＞");

    for (bool si : {true, false}) {
        Session t;
        t.openInput(si);
        t.click("MAINFORM.BUTTON2");
        t.click("MAINFORM.BUTTON6");
        t.click("MAINFORM.BUTTON4");
        EXPECT_EQ(t.app.pane.pageRows(), 0u) << si;
    }
}

TEST(CloseButtons, HideTheScreenAndReopenTheTubeKinds) {
    struct Case {
        const char* kinds[2];
        const char* screen;
        const char* close;
    };
    const Case cases[] = {
        {{"MAINFORM.BUTTON1", "MAINFORM.BUTTON6"}, "FORM5", "FORM5.BUTTON55"},
        {{"MAINFORM.BUTTON2", "MAINFORM.BUTTON6"}, "FORM6", "FORM6.BUTTON56"},
        {{"MAINFORM.BUTTON4", nullptr}, "FORM7", "FORM7.BUTTON57"},
    };
    for (const Case& c : cases) {
        Session s;
        s.openInput(false);
        for (const char* k : c.kinds) {
            if (k) s.click(k);
        }
        ASSERT_TRUE(s.shown(c.screen)) << c.screen;
        ASSERT_TRUE(s.click(c.close)) << c.close;
        EXPECT_FALSE(s.shown(c.screen)) << c.screen;
        for (int b = 1; b <= 4; ++b) EXPECT_TRUE(s.enabled("MAINFORM.BUTTON" + std::to_string(b))) << c.screen << b;
    }
}

// The state a passed FORM5 check leaves; the check itself lives with FORM5.
void markDataConfirmed(Session& s) {
    s("MAINFORM.BUTTON9").enable();
    s("MAINFORM.BUTTON9").setText(frame_texts::kFrameJapanese.calculate);
    s("MAINFORM.BUTTON27").enable();
    s("MAINFORM.BUTTON27").setText(frame_texts::kFrameJapanese.confirmAfterCheck);
    s("FORM5.BUTTON30").disable();
    s.app["FORM5"].hide();
}

TEST(ConfirmButton, ReturnsToForm5AndRequiresTheCheckAgain) {
    Session s;
    s.openInput(false);
    s.click("MAINFORM.BUTTON1");
    s.click("MAINFORM.BUTTON6");
    markDataConfirmed(s);
    s.app.pane.print("something");
    ASSERT_TRUE(s.click("MAINFORM.BUTTON27"));
    EXPECT_TRUE(s.shown("FORM5"));
    EXPECT_TRUE(s.enabled("FORM5.BUTTON30"));
    EXPECT_FALSE(s.enabled("MAINFORM.BUTTON27"));
    EXPECT_FALSE(s.enabled("MAINFORM.BUTTON9"));
    EXPECT_EQ(s.app.pane.pageRows(), 0u);
    EXPECT_FALSE(s.click("MAINFORM.BUTTON9"));
}

TEST(CalculateButton, LeavesThroughTheReturnPathKeepingTheEntries) {
    Session s;
    s.openInput(false);
    s("MAINFORM.EDIT10").setText(" 16");
    s("MAINFORM.EDIT26").setText(" 40");
    s("MAINFORM.EDIT27").setText(" 6");
    s("MAINFORM.EDIT100").setText("N2ガス");
    s.click("MAINFORM.BUTTON2");
    s.click("MAINFORM.BUTTON6");
    s("FORM6.EDIT167").setText("3");
    markDataConfirmed(s);
    s.platform.pausesAllowed = 1;  // the column lacks the inner diameter
    ASSERT_TRUE(s.click("MAINFORM.BUTTON9"));
    EXPECT_EQ(s.platform.waits, std::vector<std::string>{"pause"});
    EXPECT_EQ(s.app.pane.pageRows(), 0u);
    EXPECT_FALSE(s.shown("FORM5"));
    EXPECT_TRUE(s.enabled("MAINFORM.BUTTON27"));
    EXPECT_EQ(s.text("MAINFORM.BUTTON27"), " 設定確認");
    EXPECT_EQ(s.text("MAINFORM.EDIT26"), "");  // rows are solved for with No. 3
    EXPECT_EQ(s.text("MAINFORM.EDIT27"), " 6");
    EXPECT_EQ(s.text("MAINFORM.EDIT10"), " 16");
    EXPECT_EQ(s.text("MAINFORM.EDIT100"), "");
    EXPECT_TRUE(s.enabled("MAINFORM.BUTTON9"));
}

}  // namespace
}  // namespace cfhx
