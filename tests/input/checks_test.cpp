// The OK buttons: FORM5's completeness checks for every pair, FORM7's option
// checks, FORM6's hand-over, and what a passed check enables.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/input_paths.h"

namespace cfhx {
namespace {

using testing::Session;

std::string f5(Session& s, const char* control) { return s.text(std::string("FORM5.") + control); }
void set5(Session& s, const char* control, const char* text) { s(std::string("FORM5.") + control).setText(text); }

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

TEST(Form5Checks, HumidTubesGasShellInOrder) {
    Session s;
    testing::openHumidTubesGasShell(s, false);
    s.click("FORM5.RADIO5");
    expectRefused(s, "★ シェル側水分量を設定してください。！");
    s.click("FORM5.RADIO4");
    s("FORM5.EDIT173").setText("");
    expectRefused(s, "★ シェル側組成組み合わせが未設定です。！");
    s.click("FORM5.RADIO4");
    expectRefused(s, "★ 管内側組成の組み合わせが未定です。！");
    s.click("FORM5.RADIO2");
    set5(s, "EDIT168", "");
    expectRefused(s, "★ 管内側流量（容積or重量）が未定です。！", false);
    s.click("FORM5.BUTTON41");
    expectRefused(s, "★ 管内側重量流量が未定です。！");
    set5(s, "EDIT169", "800");
    expectRefused(s, "★ 管長さが未定です。！");
    set5(s, "EDIT157", "1500");
    set5(s, "EDIT172", "");
    expectRefused(s, "★ シェル側流量（容積or重量）が未定です。！");
    s.click("FORM5.BUTTON42");
    expectRefused(s, "★ シェル側流量が未定です。！");
    s.click("FORM5.BUTTON43");
    expectRefused(s, "★ シェル側重量流量が未定です。！");
    set5(s, "EDIT170", "1000");
    expectRefused(s, "★ 管内側組成の組み合わせが未定です。！");
    // A failed check keeps every entry.
    EXPECT_EQ(f5(s, "EDIT169"), "800");
    EXPECT_EQ(f5(s, "EDIT157"), "1500");
    s.click("FORM5.BUTTON29");
    set5(s, "EDIT139", "0.01");
    expectAccepted(s);
}

TEST(Form5Checks, GasShellTemperatureRules) {
    // Gas in the tubes, No. 2, Tti 20, Tsi 200, Tso 100, Tto 250.
    Session s;
    testing::openGasShell(s, false, 2, 2);
    s.click("FORM5.BUTTON53");
    set5(s, "EDIT130", "20");
    set5(s, "EDIT133", "200");
    set5(s, "EDIT134", "100");
    set5(s, "EDIT131", "250");
    expectRefused(s, "★ 管出側温度設定が不正です。！");
    set5(s, "EDIT134", "10");
    expectRefused(s, "★ シェル出側温度設定が不正です。！");
    EXPECT_EQ(f5(s, "EDIT131"), "250");

    // No. 1 leaves the tube outlet alone and needs no length.
    Session t;
    testing::openGasShell(t, false, 2, 1);
    t.click("FORM5.BUTTON53");
    t("FORM5.EDIT131").setText("250");
    EXPECT_EQ(f5(t, "EDIT157"), "－");
    expectAccepted(t);

    // Tube side hotter; Tsi = Tti counts as a hotter shell side.
    Session u;
    testing::openGasShell(u, false, 3, 4);
    u.click("FORM5.BUTTON53");
    set5(u, "EDIT130", "80");
    set5(u, "EDIT133", "30");
    set5(u, "EDIT134", "50");
    set5(u, "EDIT131", "20");
    expectRefused(u, "★ 管出側温度設定が不正です。！");
    set5(u, "EDIT133", "80");
    set5(u, "EDIT134", "81");
    expectRefused(u, "★ シェル出側温度設定が不正です。！");
    set5(u, "EDIT134", "80");
    set5(u, "EDIT131", "80");
    expectAccepted(u);

    // No. 5 has no temperature rules.
    Session v;
    testing::openGasShell(v, false, 2, 5);
    v.click("FORM5.BUTTON53");
    set5(v, "EDIT133", "-40");
    expectAccepted(v);
}

TEST(Form5Checks, GasShellCompositionAndFlowsByProcessingNo) {
    Session s;
    testing::openGasShell(s, false, 2, 3);
    expectRefused(s, "★ シェル側組成組み合わせが未設定です。！");
    EXPECT_FALSE(s.shown("FORM6"));
    EXPECT_TRUE(s.enabled("MAINFORM.BUTTON27"));
    s.click("FORM5.RADIO4");
    expectRefused(s, "★ 管内側組成の組み合わせが未定です。！");
    s.click("FORM5.RADIO1");
    expectRefused(s, "★ 管内側流量の選択が未定です。！");
    s.click("FORM5.BUTTON40");
    expectRefused(s, "★ シェル側流量の選択が未定です。！");
    s.click("FORM5.BUTTON43");
    expectRefused(s, "★ 管長さが未定です。！");
    set5(s, "EDIT157", "900");
    expectRefused(s, "★ 管内側流量の選択が未定です。！");
    set5(s, "EDIT132", "300");
    expectRefused(s, "★ シェル側流量の選択が未定です。！");
    set5(s, "EDIT170", "300");
    set5(s, "EDIT134", "15");  // Tsi 15 >= Tti 0, Tso between them
    set5(s, "EDIT133", "15");
    expectAccepted(s);

    // No. 2 checks the tube flow only; water needs no tube composition.
    Session t;
    testing::openGasShell(t, false, 3, 2);
    t.click("FORM5.RADIO4");
    expectRefused(t, "★ 管内側流量の選択が未定です。！");
    t.click("FORM5.BUTTON41");
    expectRefused(t, "★ 管内側流量の選択が未定です。！");
    set5(t, "EDIT169", "100");
    expectAccepted(t);
}

TEST(Form5Checks, WaterTubesHumidShell) {
    Session s;
    testing::openWaterTubesHumidShell(s, false);
    expectRefused(s, "★ シェル側組成組み合わせが未設定です。！");
    s.click("FORM5.RADIO5");
    set5(s, "EDIT168", "");
    expectRefused(s, "★ 管内側流量が未定です。！");
    s.click("FORM5.BUTTON41");
    expectRefused(s, "★ 管内側重量流量が未定です。！");
    set5(s, "EDIT169", "100");
    expectRefused(s, "★ 管長さが未定です。！");
    set5(s, "EDIT157", "1000");
    s.click("FORM5.BUTTON42");
    expectRefused(s, "★ シェル側流量（容積）が未定です。！");
    set5(s, "EDIT172", "");
    expectRefused(s, "★ シェル側流量が未定です。！");
    s.click("FORM5.BUTTON43");
    expectRefused(s, "★ シェル側重量流量が未定です。！");
    // A volume flow on the shell side is enough on its own.
    s.click("FORM5.BUTTON42");
    set5(s, "EDIT135", "500");
    expectAccepted(s);
}

TEST(Form5Checks, ManualPropertiesInOrder) {
    Session s;
    testing::openManual(s, false, "RADIO8", "RADIO9");
    ASSERT_TRUE(s.shown("FORM5"));
    expectRefused(s, "★ 管内側流量が未定です。！");
    s.click("FORM5.BUTTON41");
    expectRefused(s, "★ 管内側重量流量が未定です。！");
    set5(s, "EDIT169", "200");
    expectRefused(s, "★ 管長さが未定です。！");
    set5(s, "EDIT157", "1500");
    expectRefused(s, "★ シェル側流量が未定です。！");
    s.click("FORM5.BUTTON43");
    expectRefused(s, "★ シェル側重量流量が未定です。！");
    set5(s, "EDIT170", "4000");
    const char* tube[] = {"EDIT141", "EDIT142", "EDIT143", "EDIT144"};
    const char* shell[] = {"EDIT149", "EDIT150", "EDIT151", "EDIT152"};
    const char* tubeMessages[] = {"★ 管内側密度が未定です。！", "★ 管内側比熱が未定です。！",
                                  "★ 管内側熱伝導率が未定です。！", "★ 管内側動粘性係数が未定です。！"};
    const char* shellMessages[] = {"★ シェル側密度が未定です。！", "★ シェル側比熱が未定です。！",
                                   "★ シェル側熱伝導率が未定です。！", "★ シェル側動粘性係数が未定です。！"};
    for (int k = 0; k < 4; ++k) {
        expectRefused(s, tubeMessages[k]);
        set5(s, tube[k], "1");
    }
    for (int k = 0; k < 4; ++k) {
        expectRefused(s, shellMessages[k]);
        set5(s, shell[k], "1");
    }
    // Condensation needs the tube side hotter; equal is refused.
    set5(s, "EDIT130", "50");
    set5(s, "EDIT133", "50");
    expectRefused(s, "★ 管外又は管内側温度設定が不正です。管内凝縮温度が管外側温度より低く設定されています。！");
    set5(s, "EDIT130", "100");
    const char* latent[] = {"EDIT140", "EDIT145", "EDIT146", "EDIT147", "EDIT164"};
    const char* latentMessages[] = {"★ 管内側潜熱が未定です。！", "★ 管内側液相液密度が未定です。！",
                                    "★ 管内側液相比熱が未定です。！", "★ 管内側液相熱伝導率が未定です。！",
                                    "★ 管内側液相動粘性係数が未定です。！"};
    for (int k = 0; k < 5; ++k) {
        expectRefused(s, latentMessages[k]);
        set5(s, latent[k], "1");
    }
    expectAccepted(s);
}

TEST(Form5Checks, EvaporationNeedsTheShellSideHotter) {
    Session s;
    testing::openManual(s, false, "RADIO8", "RADIO10");
    s.click("FORM5.BUTTON53");
    set5(s, "EDIT133", "100");
    expectRefused(s, "★ 管外又は管内側温度設定が不正です。管内蒸発温度が管外側温度より高く設定されています。！");
    set5(s, "EDIT133", "101");
    expectAccepted(s);

    // A sensible fluid stops after the properties.
    Session t;
    testing::openManual(t, false, "RADIO7", "");
    t.click("FORM5.BUTTON53");
    set5(t, "EDIT133", "-5");
    expectAccepted(t);
}

TEST(Form5Checks, OptionsChangedAfterTheirOkAreCheckedAgain) {
    Session s;
    testing::openManual(s, false, "RADIO7", "");
    s.click("FORM5.BUTTON53");
    s.click("FORM5.BUTTON55");
    s.click("MAINFORM.BUTTON4");
    s.click("FORM7.RADIO8");  // latent now, without condensation or evaporation
    ASSERT_TRUE(s.click("MAINFORM.BUTTON27"));
    expectRefused(s, "<蒸発>又は<凝縮>の選択が未設定。");
    EXPECT_EQ(f5(s, "EDIT141"), "998");
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
