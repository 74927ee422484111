// The OK buttons: FORM5's completeness checks for every pair, FORM7's option
// checks, FORM6's hand-over, and what a passed check enables.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/input_paths.h"

namespace cfhx {
namespace {

using testing::Entries;
using testing::Path;
using testing::Session;
using testing::toGasShell;
using testing::toHumidShell;
using testing::toHumidTubes;
using testing::toManual;

std::string f5(Session& s, const char* control) { return s.text(std::string("FORM5.") + control); }

// Presses OK expecting exactly one refusal with `message`.
void expectRefused(Session& s, const std::string& message, bool paused = true) {
    s.platform.waits.clear();
    s.platform.pausesAllowed = paused ? 1 : 0;
    ASSERT_TRUE(s.click("FORM5.BUTTON30"));
    EXPECT_EQ(f5(s, "TEXT127"), " " + message);
    EXPECT_EQ(s.platform.waits, paused ? std::vector<std::string>{"pause"} : std::vector<std::string>{});
    EXPECT_TRUE(s.shown("FORM5"));
    EXPECT_FALSE(s.enabled("MAINFORM.BUTTON9"));
}

void expectAccepted(Session& s) {
    s.platform.waits.clear();
    ASSERT_TRUE(s.click("FORM5.BUTTON30"));
    EXPECT_TRUE(s.platform.waits.empty()) << f5(s, "TEXT127");
    EXPECT_FALSE(s.shown("FORM5"));
    EXPECT_TRUE(s.enabled("MAINFORM.BUTTON9"));
    EXPECT_EQ(s.text("MAINFORM.BUTTON9"), "計算開始/再設定");
    EXPECT_TRUE(s.enabled("MAINFORM.BUTTON27"));
    EXPECT_EQ(s.text("MAINFORM.BUTTON27"), "入力データ設定及び確認");
    EXPECT_FALSE(s.enabled("FORM5.BUTTON30"));
}

// Actions on FORM5 ("CONTROL" clicks, "CONTROL=TEXT" types, or
// "SCREEN.CONTROL"), then FORM5's OK: refused with `refused` (after a pause
// unless `paused` is false) or, without a message, accepted; then the FORM5
// texts the press leaves.
struct Press {
    std::vector<std::string> actions = {};
    const char* refused = nullptr;
    bool paused = true;
    Entries texts = {};
};

struct Case {
    const char* name;
    Path path;
    std::vector<Press> presses;
};

void expectPresses(const Case& c) {
    SCOPED_TRACE(c.name);
    Session s;
    c.path(s);
    for (size_t k = 0; k < c.presses.size(); ++k) {
        SCOPED_TRACE("press " + std::to_string(k + 1));
        const Press& press = c.presses[k];
        for (const std::string& action : press.actions) EXPECT_TRUE(s.act("FORM5", action)) << action;
        if (press.refused) {
            expectRefused(s, press.refused, press.paused);
        } else {
            expectAccepted(s);
        }
        for (const auto& [control, text] : press.texts) EXPECT_EQ(f5(s, control.c_str()), text) << control;
    }
}

TEST(Form5Checks, EachItemInItsOrderForEachPair) {
    const Case cases[] = {
        {.name = "humid tubes, gas shell; a failed check keeps every entry", .path = toHumidTubes(),
         .presses = {{.actions = {"RADIO5"}, .refused = "★ シェル側水分量を設定してください。！"},
                     {.actions = {"RADIO4", "EDIT173="}, .refused = "★ シェル側組成組み合わせが未設定です。！"},
                     {.actions = {"RADIO4"}, .refused = "★ 管内側組成の組み合わせが未定です。！"},
                     {.actions = {"RADIO2", "EDIT168="}, .refused = "★ 管内側流量（容積or重量）が未定です。！",
                      .paused = false},
                     {.actions = {"BUTTON41"}, .refused = "★ 管内側重量流量が未定です。！"},
                     {.actions = {"EDIT169=800"}, .refused = "★ 管長さが未定です。！"},
                     {.actions = {"EDIT157=1500", "EDIT172="}, .refused = "★ シェル側流量（容積or重量）が未定です。！"},
                     {.actions = {"BUTTON42"}, .refused = "★ シェル側流量が未定です。！"},
                     {.actions = {"BUTTON43"}, .refused = "★ シェル側重量流量が未定です。！"},
                     {.actions = {"EDIT170=1000"}, .refused = "★ 管内側組成の組み合わせが未定です。！",
                      .texts = {{"EDIT169", "800"}, {"EDIT157", "1500"}}},
                     {.actions = {"BUTTON29", "EDIT139=0.01"}}}},
        {.name = "gas tubes, No. 2: Tti 20, Tsi 200, Tso 100, Tto 250", .path = toGasShell(2, 2),
         .presses = {{.actions = {"BUTTON53", "EDIT130=20", "EDIT133=200", "EDIT134=100", "EDIT131=250"},
                      .refused = "★ 管出側温度設定が不正です。！"},
                     {.actions = {"EDIT134=10"}, .refused = "★ シェル出側温度設定が不正です。！",
                      .texts = {{"EDIT131", "250"}}}}},
        {.name = "No. 1 leaves the tube outlet alone and needs no length", .path = toGasShell(2, 1),
         .presses = {{.actions = {"BUTTON53", "EDIT131=250"}, .texts = {{"EDIT157", "－"}}}}},
        {.name = "tube side hotter; Tsi = Tti counts as a hotter shell side", .path = toGasShell(3, 4),
         .presses = {{.actions = {"BUTTON53", "EDIT130=80", "EDIT133=30", "EDIT134=50", "EDIT131=20"},
                      .refused = "★ 管出側温度設定が不正です。！"},
                     {.actions = {"EDIT133=80", "EDIT134=81"}, .refused = "★ シェル出側温度設定が不正です。！"},
                     {.actions = {"EDIT134=80", "EDIT131=80"}}}},
        {.name = "No. 5 has no temperature rules", .path = toGasShell(2, 5),
         .presses = {{.actions = {"BUTTON53", "EDIT133=-40"}}}},
        {.name = "gas tubes, No. 3: composition and flows", .path = toGasShell(2, 3),
         .presses = {{.refused = "★ シェル側組成組み合わせが未設定です。！"},
                     {.actions = {"RADIO4"}, .refused = "★ 管内側組成の組み合わせが未定です。！"},
                     {.actions = {"RADIO1"}, .refused = "★ 管内側流量の選択が未定です。！"},
                     {.actions = {"BUTTON40"}, .refused = "★ シェル側流量の選択が未定です。！"},
                     {.actions = {"BUTTON43"}, .refused = "★ 管長さが未定です。！"},
                     // A kind chosen and its flow empty: the field is named.
                     {.actions = {"EDIT157=900"}, .refused = "★ 管内側体積流量 が入力されていません。！"},
                     {.actions = {"EDIT132=0"}, .refused = "★ 管内側流量の選択が未定です。！"},
                     {.actions = {"EDIT132=300"}, .refused = "★ シェル側重量流量 が入力されていません。！"},
                     // An empty inlet passes the outlet rule as 0 and is refused after it.
                     {.actions = {"EDIT170=300", "EDIT134=15", "EDIT133=15"},
                      .refused = "★ 管内側入側流体温度 が入力されていません。！"},
                     // Tsi 15 >= Tti 0, Tso between them.
                     {.actions = {"EDIT130=0"}}}},
        {.name = "water tubes, No. 2: the tube flow only; water needs no tube composition", .path = toGasShell(3, 2),
         .presses = {{.actions = {"RADIO4"}, .refused = "★ 管内側流量の選択が未定です。！"},
                     {.actions = {"BUTTON41"}, .refused = "★ 管内側重量流量 が入力されていません。！"},
                     {.actions = {"EDIT169=100"}, .refused = "★ 管内側入側流体温度 が入力されていません。！"},
                     // An empty outlet meets the outlet rule as 0 first.
                     {.actions = {"EDIT130=20", "EDIT133=50", "EDIT134=40"},
                      .refused = "★ 管出側温度設定が不正です。！"},
                     {.actions = {"EDIT131=30"}}}},
        {.name = "water tubes, humid shell; a shell volume flow is enough on its own", .path = toHumidShell(),
         .presses = {{.refused = "★ シェル側組成組み合わせが未設定です。！"},
                     {.actions = {"RADIO5", "EDIT168="}, .refused = "★ 管内側流量が未定です。！"},
                     {.actions = {"BUTTON41"}, .refused = "★ 管内側重量流量が未定です。！"},
                     {.actions = {"EDIT169=100"}, .refused = "★ 管長さが未定です。！"},
                     {.actions = {"EDIT157=1000", "BUTTON42"}, .refused = "★ シェル側流量（容積）が未定です。！"},
                     {.actions = {"EDIT172="}, .refused = "★ シェル側流量が未定です。！"},
                     {.actions = {"BUTTON43"}, .refused = "★ シェル側重量流量が未定です。！"},
                     {.actions = {"BUTTON42", "EDIT135=500"}, .refused = "★ 管内側入側流体温度 が入力されていません。！"},
                     {.actions = {"EDIT130=20"}}}},
        {.name = "condensing typed-in properties: flows, properties, temperatures, latent data",
         .path = toManual(false, "RADIO8", "RADIO9"),
         .presses = {{.refused = "★ 管内側流量が未定です。！"},
                     {.actions = {"BUTTON41"}, .refused = "★ 管内側重量流量が未定です。！"},
                     {.actions = {"EDIT169=200"}, .refused = "★ 管長さが未定です。！"},
                     {.actions = {"EDIT157=1500"}, .refused = "★ シェル側流量が未定です。！"},
                     {.actions = {"BUTTON43"}, .refused = "★ シェル側重量流量が未定です。！"},
                     {.actions = {"EDIT170=4000"}, .refused = "★ 管内側密度が未定です。！"},
                     {.actions = {"EDIT141=1"}, .refused = "★ 管内側比熱が未定です。！"},
                     {.actions = {"EDIT142=1"}, .refused = "★ 管内側熱伝導率が未定です。！"},
                     {.actions = {"EDIT143=1"}, .refused = "★ 管内側動粘性係数が未定です。！"},
                     {.actions = {"EDIT144=1"}, .refused = "★ シェル側密度が未定です。！"},
                     {.actions = {"EDIT149=1"}, .refused = "★ シェル側比熱が未定です。！"},
                     {.actions = {"EDIT150=1"}, .refused = "★ シェル側熱伝導率が未定です。！"},
                     {.actions = {"EDIT151=1"}, .refused = "★ シェル側動粘性係数が未定です。！"},
                     // Condensation needs the tube side hotter; equal is refused.
                     {.actions = {"EDIT152=1", "EDIT130=50", "EDIT133=50"},
                      .refused = "★ 管外又は管内側温度設定が不正です。管内凝縮温度が管外側温度より低く設定されています。！"},
                     {.actions = {"EDIT130=100"}, .refused = "★ 管内側潜熱が未定です。！"},
                     {.actions = {"EDIT140=1"}, .refused = "★ 管内側液相液密度が未定です。！"},
                     {.actions = {"EDIT145=1"}, .refused = "★ 管内側液相比熱が未定です。！"},
                     {.actions = {"EDIT146=1"}, .refused = "★ 管内側液相熱伝導率が未定です。！"},
                     {.actions = {"EDIT147=1"}, .refused = "★ 管内側液相動粘性係数が未定です。！"},
                     {.actions = {"EDIT164=1"}}}},
        {.name = "evaporation needs the shell side hotter", .path = toManual(false, "RADIO8", "RADIO10"),
         .presses = {{.actions = {"BUTTON53", "EDIT133=100"},
                      .refused = "★ 管外又は管内側温度設定が不正です。管内蒸発温度が管外側温度より高く設定されています。！"},
                     {.actions = {"EDIT133=101"}}}},
        {.name = "a sensible fluid stops after the properties", .path = toManual(false, "RADIO7", ""),
         .presses = {{.actions = {"BUTTON53", "EDIT133=-5"}}}},
        {.name = "options changed after their OK are checked again", .path = toManual(false, "RADIO7", ""),
         .presses = {{.actions = {"BUTTON53", "BUTTON55", "MAINFORM.BUTTON4",
                                  "FORM7.RADIO8",  // latent now, without condensation or evaporation
                                  "MAINFORM.BUTTON27"},
                      .refused = "<蒸発>又は<凝縮>の選択が未設定。",
                      .texts = {{"EDIT141", "998"}}}}},
    };
    for (const Case& c : cases) expectPresses(c);
}

TEST(Form5Checks, ARefusalAfterFormSixLeavesItClosedAndTheConfirmButtonOn) {
    Session s;
    testing::openGasShell(s, false, 2, 3);
    expectRefused(s, "★ シェル側組成組み合わせが未設定です。！");
    EXPECT_FALSE(s.shown("FORM6"));
    EXPECT_TRUE(s.enabled("MAINFORM.BUTTON27"));
}

// Dry air left by a gas pair is no composition for a saturated humid gas:
// the preparation drops it and the check asks for one.
TEST(Form5Checks, DryAirLeftByAGasPairIsNoHumidComposition) {
    Session s;
    testing::openGasShell(s, false, 3, 5);
    s.click("FORM5.RADIO4");
    ASSERT_EQ(f5(s, "EDIT173"), "1");
    s.click("FORM5.BUTTON55");
    s.click("MAINFORM.BUTTON3");
    s.click("MAINFORM.BUTTON5");
    ASSERT_TRUE(s.shown("FORM5"));
    EXPECT_EQ(f5(s, "EDIT173"), "");
    expectRefused(s, "★ シェル側組成組み合わせが未設定です。！");

    Session t;
    testing::openGasShell(t, false, 2, 5);
    t.click("FORM5.RADIO1");
    t.click("FORM5.BUTTON55");
    t.click("MAINFORM.BUTTON1");
    t.click("MAINFORM.BUTTON6");
    ASSERT_TRUE(t.shown("FORM5"));
    EXPECT_EQ(f5(t, "EDIT158"), "");
    t.click("FORM5.BUTTON53");
    EXPECT_EQ(f5(t, "EDIT158"), "2");
}

TEST(Form5Checks, APairNoButtonOffersIsNeverAccepted) {
    Session s;
    s.openInput(false);
    s.click("MAINFORM.BUTTON3");
    s.click("MAINFORM.BUTTON4");  // typed-in properties on both sides
    s.click("MAINFORM.BUTTON5");  // button 5 is still on: shell kind 1
    ASSERT_TRUE(s.shown("FORM5"));
    ASSERT_EQ(s.text("MAINFORM.EDIT30"), "4");
    ASSERT_EQ(s.text("MAINFORM.EDIT29"), "1");
    expectRefused(s, "★ 管内側とシェル側の物性の組合せが未設定です。！");
}

// ---- FORM6 -------------------------------------------------------------------

TEST(Form6, NumberButtonsAndOk) {
    Session s;
    s.openInput(false);
    s.click("MAINFORM.BUTTON2");
    s.click("MAINFORM.BUTTON6");
    ASSERT_TRUE(s.shown("FORM6"));
    s.click("FORM6.BUTTON35");
    EXPECT_EQ(s.text("FORM6.EDIT167"), "4");
    s.click("FORM6.BUTTON36");
    EXPECT_EQ(s.text("FORM6.EDIT167"), "5");
    s.click("FORM6.BUTTON39");
    EXPECT_FALSE(s.shown("FORM6"));
    EXPECT_TRUE(s.shown("FORM5"));
    EXPECT_TRUE(s.enabled("FORM5.BUTTON30"));
    for (const char* b : {"BUTTON40", "BUTTON41", "BUTTON42", "BUTTON43"}) EXPECT_EQ(f5(s, b), "■") << b;
    EXPECT_EQ(f5(s, "EDIT131"), "   　－");
    EXPECT_FALSE(s.enabled("FORM5.EDIT134"));
    for (int b = 1; b <= 8; ++b) EXPECT_FALSE(s.enabled("MAINFORM.BUTTON" + std::to_string(b))) << b;
    // Closing FORM5 offers the tube kinds again; the No. is kept.
    s.click("FORM5.BUTTON55");
    EXPECT_TRUE(s.enabled("MAINFORM.BUTTON1"));
    EXPECT_EQ(s.text("FORM6.EDIT167"), "5");
}

TEST(Form6, ConfirmationAfterACheckRequiresTheCheckAgain) {
    Session s;
    testing::openGasShell(s, false, 2, 5);
    s.click("FORM5.BUTTON53");
    expectAccepted(s);
    s.click("MAINFORM.BUTTON27");
    EXPECT_TRUE(s.shown("FORM5"));
    EXPECT_FALSE(s.enabled("MAINFORM.BUTTON9"));
    EXPECT_EQ(f5(s, "EDIT169"), "2000");  // data kept for correction
    expectAccepted(s);
}

// ---- FORM7 -------------------------------------------------------------------

void expectOptionRefused(Session& s, const std::string& message) {
    s.platform.waits.clear();
    s.platform.pausesAllowed = 1;
    ASSERT_TRUE(s.click("FORM7.BUTTON52"));
    EXPECT_EQ(s.text("FORM7.TEXT232"), message);
    EXPECT_EQ(s.platform.waits, std::vector<std::string>{"pause"});
    EXPECT_TRUE(s.shown("FORM7"));
    EXPECT_FALSE(s.shown("FORM5"));
}

TEST(Form7, OptionChecksInOrder) {
    Session s;
    s.openInput(false);
    s.click("MAINFORM.BUTTON4");
    expectOptionRefused(s, " 管内流体の顕熱/潜熱の選択が未設定。");
    s.click("FORM7.RADIO8");
    expectOptionRefused(s, " <蒸発>又は<凝縮>の選択が未設定。");
    s.click("FORM7.RADIO10");
    expectOptionRefused(s, "　熱伝達率の選択が未設定。");
    s.click("FORM7.RADIO12");
    expectOptionRefused(s, "　管内側熱伝達率値が未設定。");
    s.click("FORM7.RADIO13");
    expectOptionRefused(s, "　管外側熱伝達率値が未設定。");
    s("FORM7.EDIT182").setText("40");
    expectOptionRefused(s, "管内冷媒飽和圧力が未設定。");
    s("FORM7.EDIT184").setText("0.2");
    expectOptionRefused(s, "管内冷媒の表面張力が未設定。");
    s("FORM7.EDIT185").setText("0.006");
    s.platform.waits.clear();
    s.click("FORM7.BUTTON52");
    EXPECT_TRUE(s.platform.waits.empty());
    EXPECT_FALSE(s.shown("FORM7"));
    EXPECT_TRUE(s.shown("FORM5"));
    EXPECT_EQ(s.text("FORM7.TEXT232"), "");
    EXPECT_FALSE(s.enabled("MAINFORM.BUTTON9"));
    for (int b = 1; b <= 4; ++b) EXPECT_FALSE(s.enabled("MAINFORM.BUTTON" + std::to_string(b))) << b;
    EXPECT_EQ(f5(s, "EDIT131"), "    －");
    EXPECT_FALSE(s.enabled("FORM5.EDIT131"));
    EXPECT_TRUE(s.enabled("FORM5.BUTTON53"));
}

TEST(Form7, BothGivenCoefficientsAreRequired) {
    Session s;
    s.openInput(false);
    s.click("MAINFORM.BUTTON4");
    s.click("FORM7.RADIO7");
    s.click("FORM7.RADIO14");
    s("FORM7.EDIT182").setText("40");
    expectOptionRefused(s, "　管内／管外の熱伝達率値が未設定。");
    s("FORM7.EDIT182").setText("");
    s("FORM7.EDIT181").setText("40");
    expectOptionRefused(s, "　管内／管外の熱伝達率値が未設定。");
    s("FORM7.EDIT182").setText("50");
    s.click("FORM7.BUTTON52");
    EXPECT_TRUE(s.shown("FORM5"));
}

TEST(Form7, RefrigerantDataOnlyForAnEvaporatingLatentFluid) {
    Session s;
    s.openInput(true);
    s.click("MAINFORM.BUTTON4");
    EXPECT_EQ(s.text("FORM7.TEXT236"), " (W/m2K)");
    s.click("FORM7.RADIO8");
    EXPECT_TRUE(s("FORM7.RADIO9").visible());
    s.click("FORM7.RADIO10");
    EXPECT_EQ(s.text("FORM2.EDIT95"), "蒸発量");
    EXPECT_TRUE(s("FORM7.EDIT184").visible());
    EXPECT_TRUE(s.enabled("FORM7.EDIT184"));
    EXPECT_EQ(s.text("FORM7.EDIT184"), "");
    s.click("FORM7.RADIO12");
    EXPECT_FALSE(s("FORM7.EDIT184").visible());
    EXPECT_TRUE(s.enabled("FORM7.EDIT181"));
    EXPECT_EQ(s.text("FORM7.EDIT182"), "    －");
    s.click("FORM7.RADIO11");
    EXPECT_TRUE(s("FORM7.TEXT250").visible());
    // Switching to a sensible fluid hides the refrigerant rows and no longer
    // asks for them.
    s.click("FORM7.RADIO7");
    EXPECT_FALSE(s("FORM7.EDIT185").visible());
    EXPECT_FALSE(s("FORM7.RADIO10").visible());
    s.click("FORM7.BUTTON52");
    EXPECT_TRUE(s.shown("FORM5"));
    s.click("FORM5.BUTTON55");
    s.click("MAINFORM.BUTTON4");
    s.click("FORM7.RADIO8");
    EXPECT_TRUE(s("FORM7.EDIT184").visible());  // evaporation still chosen, mode 1
    s.click("FORM7.RADIO9");
    EXPECT_EQ(s.text("FORM2.EDIT95"), "凝縮量");
    EXPECT_FALSE(s("FORM7.EDIT184").visible());
}

}  // namespace
}  // namespace cfhx
