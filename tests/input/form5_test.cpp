// FORM5: composition choice, moisture modes, flow kinds, the preparation
// for each pair of fluid kinds, unit labels and the sample values.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/screen_state.h"

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
bool on(Session& s, const char* control) { return s.enabled(std::string("FORM5.") + control); }

using Case = testing::ScreenState;
void expectScreen(const Case& c) { testing::expectState(c, "FORM5"); }

const char* const kDash = "    －";

// ---- Composition choice ---------------------------------------------------

TEST(Composition, EachChoiceOnEachSide) {
    const Case cases[] = {
        {.name = "dry air on a gas tube is sensible", .path = toGasShell(2, 5), .actions = {"RADIO1"},
         .texts = {{"EDIT158", "1"},
                   {"TEXT127", "　管内側ガスに標準空気（ドライ）を選択しましたので、顕熱計算となります。"},
                   {"BUTTON28", ""}, {"BUTTON29", ""}, {"BUTTON46", ""}, {"BUTTON47", ""},
                   {"EDIT138", kDash}, {"EDIT139", kDash}, {"EDIT177", kDash}, {"EDIT174", kDash},
                   {"EDIT136", "0.03"}, {"EDIT137", "20.95"}, {"EDIT156", "  Rem."}},
         .off = {"BUTTON28", "BUTTON29", "BUTTON46", "BUTTON47", "EDIT138", "EDIT139", "EDIT177", "EDIT174"}},
        {.name = "shell dry air with water tubes writes no message", .path = toGasShell(3, 5), .actions = {"RADIO4"},
         .texts = {{"EDIT173", "1"}, {"TEXT127", ""}, {"EDIT161", kDash}}},
        {.name = "air with moisture on a humid tube offers every row", .path = toHumidTubes(),
         .actions = {"EDIT174=55", "RADIO2"},
         .texts = {{"EDIT158", "2"}, {"TEXT127", "　標準空気の成分と混合されます。"},
                   {"BUTTON28", "■"}, {"BUTTON29", "■"}, {"BUTTON46", "■"}, {"BUTTON47", "■"},
                   {"EDIT138", ""}, {"EDIT139", ""}, {"EDIT177", ""}, {"EDIT174", ""}},
         .on = {"BUTTON28", "BUTTON29", "BUTTON46", "BUTTON47", "EDIT138", "EDIT139", "EDIT177", "EDIT174"}},
        {.name = "air with moisture on a gas side offers volume and humidity only", .path = toGasShell(2, 5),
         .actions = {"RADIO5"},
         .texts = {{"EDIT173", "2"}, {"TEXT127", "　シェル側水分量は標準空気の成分と均一に混合されます。"},
                   {"BUTTON44", "■"}, {"BUTTON45", "■"}, {"EDIT175", kDash}, {"EDIT176", kDash}},
         .on = {"RADIO4"},  // gas on both sides: dry air stays offered
         .off = {"EDIT161", "EDIT162", "BUTTON48"}},
        {.name = "air with moisture on a humid shell takes away dry air", .path = toHumidShell(), .actions = {"RADIO5"},
         .texts = {{"TEXT127", "　シェル側水分量は標準空気の成分と均一に混合されます。"}},
         .off = {"RADIO4", "EDIT161", "EDIT162", "EDIT175", "EDIT176"}},
        {.name = "a full composition asks for oxygen and carbon dioxide", .path = toGasShell(2, 5),
         .actions = {"RADIO3"},
         .texts = {{"EDIT158", "3"}, {"EDIT136", ""}, {"EDIT137", ""}, {"EDIT156", "   Rem."}, {"BUTTON28", "■"},
                   {"TEXT127", "　 管内側 O2、CO2を登録して下さい。N2はH2O、O2、CO2の残分として登録されます。"}},
         .off = {"EDIT138", "BUTTON29"}},
        {.name = "a full shell composition leaves the shell N2 field alone", .path = toGasShell(2, 5),
         .actions = {"RADIO3", "EDIT163=x", "RADIO6"}, .texts = {{"EDIT163", "x"}}, .on = {"EDIT159"}},
    };
    for (const Case& c : cases) expectScreen(c);
}

// ---- Moisture entry modes -----------------------------------------------

TEST(Moisture, ModeButtonsMarkTheirRows) {
    const Case cases[] = {
        {.name = "volume mode of a humid tube; modes 1 and 2 keep the saturation rows", .path = toHumidTubes(),
         .actions = {"RADIO2", "EDIT177=60", "EDIT139=0.2", "BUTTON28"},
         .texts = {{"EDIT166", "1"}, {"BUTTON28", "■"}, {"BUTTON29", ""}, {"EDIT139", ""}, {"EDIT177", "60"},
                   {"EDIT130", "    Sat."}, {"TEXT127", "　管内の入側水分量を容積％(V/V)として入力して下さい。"}},
         .on = {"BUTTON29", "EDIT138"},  // still there to change the mode
         .off = {"EDIT139", "EDIT177"}},
        {.name = "saturation-temperature mode of a humid tube", .path = toHumidTubes(),
         .actions = {"RADIO2", "EDIT177=60", "EDIT139=0.2", "BUTTON28", "BUTTON46"},
         .texts = {{"EDIT166", "3"}, {"EDIT130", "   Sat."}, {"EDIT177", ""}}, .on = {"EDIT177"}, .off = {"EDIT130"}},
        {.name = "volume mode of a gas tube marks the other rows; its inlet is entered", .path = toGasShell(2, 5),
         .actions = {"RADIO2", "EDIT130=20", "BUTTON28"},
         .texts = {{"EDIT139", kDash}, {"EDIT177", kDash}, {"EDIT174", kDash}, {"EDIT130", "20"}}},
        {.name = "volume mode of a humid shell", .path = toHumidShell(), .actions = {"RADIO5", "BUTTON44"},
         .texts = {{"EDIT133", "   Sat."}, {"TEXT127", "　シェル入側の水分量を容積％(V/V)として入力して下さい。"}}},
        {.name = "humidity mode of a humid shell", .path = toHumidShell(),
         .actions = {"RADIO5", "BUTTON44", "BUTTON45"}, .texts = {{"EDIT133", "    Sat."}}},
        {.name = "saturation-temperature mode of a humid shell", .path = toHumidShell(),
         .actions = {"RADIO5", "BUTTON44", "BUTTON45", "EDIT161=3", "BUTTON48"},
         .texts = {{"EDIT171", "3"}, {"EDIT161", ""}}, .off = {"EDIT133"}},
        {.name = "shell volume mode beside a humid tube blanks the shell inlet", .path = toHumidTubes(),
         .actions = {"RADIO5", "EDIT133=20", "BUTTON44"}, .texts = {{"EDIT133", " "}, {"EDIT175", kDash}}},
        {.name = "shell humidity mode beside a humid tube", .path = toHumidTubes(),
         .actions = {"RADIO5", "EDIT133=20", "BUTTON44", "BUTTON45"}, .texts = {{"EDIT133", ""}}},
    };
    for (const Case& c : cases) expectScreen(c);
}

TEST(Moisture, EnthalpyModeAlwaysMarksTheTubeInlet) {
    Session s;
    testing::openGasShell(s, false, 2, 5);
    s("FORM5.EDIT130").setText("20");
    s("FORM5.BUTTON47").enable();
    s.click("FORM5.BUTTON47");
    EXPECT_EQ(f5(s, "EDIT130"), "   Sat.");
}

// ---- Flow kinds ------------------------------------------------------------

TEST(FlowKinds, EachButtonOpensItsFieldAndMarksTheOther) {
    const Case cases[] = {
        {.name = "tube volume flow", .path = toHumidTubes(), .actions = {"BUTTON40"},
         .texts = {{"EDIT168", "1"}, {"BUTTON40", "■"}, {"BUTTON41", ""}, {"EDIT169", "   　－"}}, .on = {"EDIT132"},
         .off = {"EDIT169"}},
        {.name = "tube mass flow", .path = toHumidTubes(), .actions = {"BUTTON40", "BUTTON41"},
         .texts = {{"EDIT168", "2"}, {"EDIT132", "   　－"},
                   {"TEXT127", "　管内側流体の重量流量（kg/h）を入力して下さい。シェル側の入力が終了したら管長さを入力して下さい。"}},
         .on = {"EDIT169"}},
        {.name = "shell volume flow", .path = toHumidTubes(), .actions = {"BUTTON40", "BUTTON41", "BUTTON42"},
         .texts = {{"EDIT172", "1"}, {"EDIT170", " 　  －"},
                   {"TEXT127", "　シェル側流体の体積流量（Nm3/h）を入力して下さい。管内側の入力が終了した管長さを入力して下さい。"}}},
        {.name = "shell mass flow", .path = toHumidTubes(), .actions = {"BUTTON40", "BUTTON41", "BUTTON42", "BUTTON43"},
         .texts = {{"EDIT135", "  　 －"}, {"EDIT172", "2"}}},
    };
    for (const Case& c : cases) expectScreen(c);
}

// ---- Preparation per pair ----------------------------------------------------

TEST(Preparation, EachPairOpensItsRows) {
    const Case cases[] = {
        {.name = "humid tubes, gas shell; the typed-in property fields closed; step 1 starts with the tubes",
         .path = toHumidTubes(),
         .texts = {{"EDIT130", "   sat."}, {"EDIT131", kDash}, {"EDIT134", kDash}, {"EDIT168", "2"}, {"EDIT172", "2"},
                   {"BUTTON40", "■"}, {"BUTTON41", "■"}, {"BUTTON42", "■"}, {"BUTTON43", "■"},
                   {"EDIT141", "      －"}},
         .on = {"EDIT133", "EDIT169", "EDIT157", "BUTTON50"},
         .off = {"RADIO1", "EDIT130", "EDIT141", "TEXT177", "BUTTON51"}},
        // A full shell composition: the gas beside condensing tubes keeps the
        // standard CO2 and O2 on reset; gas beside gas tubes has them emptied.
        {.name = "a full shell composition starts empty", .path = toHumidTubes(), .actions = {"RADIO6"},
         .texts = {{"EDIT159", ""}}},
        {.name = "a full shell composition beside humid tubes keeps standard air", .path = toHumidTubes(),
         .actions = {"RADIO6", "BUTTON54"},
         .texts = {{"EDIT173", "3"}, {"EDIT159", "0.03"}, {"EDIT160", "20.95"}, {"BUTTON44", "■"}, {"BUTTON45", ""},
                   {"EDIT162", kDash}}},
        {.name = "a full shell composition beside gas tubes is emptied", .path = toGasShell(2, 5),
         .actions = {"RADIO6", "BUTTON54"}, .texts = {{"EDIT173", "3"}, {"EDIT159", ""}, {"EDIT160", ""}}},
        {.name = "water tubes never offer a volume flow (gas shell)", .path = toGasShell(3, 5),
         .texts = {{"BUTTON40", ""}, {"BUTTON41", "■"}}, .off = {"BUTTON40"}},
        {.name = "water tubes never offer a volume flow (humid shell)", .path = toHumidShell(),
         .texts = {{"BUTTON40", ""}, {"BUTTON42", "■"}, {"EDIT134", kDash}}, .on = {"BUTTON51"},
         .off = {"EDIT133", "RADIO4", "BUTTON50"}},
        {.name = "sensible typed-in properties: no latent rows", .path = toManual(false, "RADIO7", ""),
         .texts = {{"EDIT140", "      －"}, {"EDIT148", "－"}, {"BUTTON41", "■"}, {"EDIT168", ""}},
         .on = {"EDIT141", "EDIT152", "TEXT177"}, .off = {"EDIT140", "RADIO2", "BUTTON40"}},
        {.name = "condensing typed-in properties open the latent rows", .path = toManual(false, "RADIO8", "RADIO9"),
         .texts = {{"EDIT148", "－"}, {"EDIT153", "－"}, {"EDIT154", "－"}, {"EDIT155", "－"}, {"EDIT165", "－"}},
         .on = {"EDIT140", "EDIT145", "EDIT146", "EDIT147", "EDIT164"},
         .off = {"EDIT148", "EDIT153", "EDIT154", "EDIT155", "EDIT165"}},
        {.name = "reset empties what was entered", .path = toHumidTubes(),
         .actions = {"EDIT157=1200", "EDIT169=5", "BUTTON54"}, .texts = {{"EDIT157", ""}, {"EDIT169", ""}}},
    };
    for (const Case& c : cases) expectScreen(c);
}

TEST(Preparation, FormFiveIsShownForEachPair) {
    const Path paths[] = {toHumidTubes(), toManual(false, "RADIO7", ""), toManual(false, "RADIO8", "RADIO9")};
    for (const Path& path : paths) {
        Session s;
        path(s);
        EXPECT_TRUE(s.shown("FORM5"));
        s.click("FORM5.BUTTON54");  // reset keeps it
        EXPECT_TRUE(s.shown("FORM5"));
    }
}

TEST(Preparation, ProcessingNoDecidesOutletsAndShellFlow) {
    struct Case {
        int no;
        bool tubeOutlet, shellOutlet, shellFlowButtons;
    };
    for (Case c : {Case{1, false, true, true}, Case{2, true, true, false}, Case{3, false, true, true},
                   Case{4, true, true, false}, Case{5, false, false, true}, Case{6, false, true, false},
                   Case{7, false, true, true}}) {
        Session s;
        testing::openGasShell(s, false, 2, c.no);
        EXPECT_EQ(s.text("FORM6.EDIT167"), std::to_string(c.no));
        EXPECT_EQ(on(s, "EDIT131"), c.tubeOutlet) << c.no;
        EXPECT_EQ(on(s, "EDIT134"), c.shellOutlet) << c.no;
        EXPECT_EQ(f5(s, "EDIT131"), c.tubeOutlet ? "" : "   　－") << c.no;
        EXPECT_EQ(on(s, "BUTTON42"), c.shellFlowButtons) << c.no;
        EXPECT_EQ(f5(s, "BUTTON43"), c.shellFlowButtons ? "■" : "") << c.no;
        if (!c.shellFlowButtons) {
            EXPECT_EQ(f5(s, "EDIT135"), "   　－") << c.no;
        }
        // A flow kind must be chosen again; the flow fields wait for it.
        EXPECT_EQ(f5(s, "EDIT168"), "") << c.no;
        EXPECT_EQ(f5(s, "EDIT172"), "") << c.no;
        for (const char* e : {"EDIT132", "EDIT169", "EDIT135", "EDIT170"}) EXPECT_FALSE(on(s, e)) << c.no << e;
        EXPECT_EQ(f5(s, "EDIT169"), " ") << c.no;
        EXPECT_EQ(s.text("MAINFORM.BUTTON27"), "入力データ設定及び確認");
        EXPECT_FALSE(s.shown("FORM6"));
    }
}

// ---- Unit labels -------------------------------------------------------------

TEST(UnitLabels, SiRewritesTemperaturesFlowsAndMoistureRows) {
    const Case cases[] = {
        {.name = "humid tubes; property units only for typed-in properties", .path = toHumidTubes(true),
         .texts = {{"TEXT170", " (K)"}, {"TEXT171", " (K)"}, {"TEXT172", " (Nm3/s)"}, {"TEXT173", " (kg/s)"},
                   {"TEXT137", " (K)"}, {"TEXT146", " (kJ/kg)"}, {"TEXT188", "（kcal/kg℃）"},
                   {"TEXT187", "（ｋｇ/m3）"},
                   {"TEXT135", "（％）"}, {"EDIT133", "293"}}},  // the SI preset of the humid-tube button
        {.name = "typed-in properties", .path = toManual(true, "RADIO7", ""),
         .texts = {{"TEXT188", " (kJ/kgK)"}, {"TEXT189", " (W/mK)"}, {"TEXT190", " (m2/s)"}, {"TEXT192", "(kJ/kg)"},
                   {"TEXT196", " (m2/s)"}, {"TEXT193", "（ｋｇ/ｍ3）"}, {"TEXT191", "（ｋｇ/Cm3）"}}},
    };
    for (const Case& c : cases) expectScreen(c);
}

// ---- Sample values -------------------------------------------------------------

TEST(Samples, EachPairAndProcessingNo) {
    const Case cases[] = {
        {.name = "humid tubes keep a full composition; no shell composition yet: dry air", .path = toHumidTubes(),
         .actions = {"RADIO3", "BUTTON53"},
         .texts = {{"EDIT158", "3"}, {"EDIT136", ""}, {"EDIT137", ""}, {"EDIT166", "1"}, {"EDIT138", "20"},
                   {"EDIT139", kDash}, {"EDIT130", "   sat."}, {"EDIT173", "1"}, {"EDIT133", "20"},
                   {"EDIT157", "1500"}, {"EDIT169", "1000"}, {"EDIT170", "2000"}},
         // Samples do not touch the calculate button; main buttons 1-8 wait.
         .off = {"MAINFORM.BUTTON9", "MAINFORM.BUTTON4"}},
        {.name = "gas on both sides in SI with No. 5", .path = toGasShell(2, 5, true), .actions = {"BUTTON53"},
         .texts = {{"TEXT127", "★ シェル側/管内側共に乾き空気です"}, {"EDIT130", "293"}, {"EDIT133", "473"},
                   {"EDIT169", "0.55"}, {"EDIT170", "0.55"}, {"EDIT131", "－"}, {"EDIT134", "－"}, {"EDIT158", "1"},
                   {"EDIT173", "1"}}},
        {.name = "gas on both sides with No. 2", .path = toGasShell(2, 2), .actions = {"RADIO2", "BUTTON53"},
         .texts = {{"EDIT158", "2"}, {"EDIT138", "0.1"}, {"EDIT131", "100"}, {"EDIT134", "100"}, {"EDIT157", "－"},
                   {"EDIT170", "－"}, {"EDIT169", "2000"}},
         .off = {"EDIT157", "BUTTON43"}},
        {.name = "gas on both sides in SI with No. 3: the tube outlet is solved for", .path = toGasShell(2, 3, true),
         .actions = {"BUTTON53"},
         .texts = {{"EDIT131", ""}, {"EDIT134", "373"}, {"EDIT169", "0.4"}, {"EDIT157", "1500"}}},
        {.name = "water tubes in SI with No. 6", .path = toGasShell(3, 6, true), .actions = {"BUTTON53"},
         .texts = {{"TEXT127", "　管内側水を選択しましたので、顕熱計算となります。"}, {"EDIT130", "293"},
                   {"EDIT133", "473"}, {"EDIT131", kDash}, {"EDIT134", "373"}, {"EDIT169", "0.55"},
                   {"EDIT135", "－"}}},
        {.name = "typed-in liquid", .path = toManual(false, "RADIO7", ""), .actions = {"BUTTON53"},
         .texts = {{"EDIT141", "998"}, {"EDIT152", "0.022"}, {"EDIT130", "20"}, {"EDIT133", "200"},
                   {"EDIT169", "2000"}, {"EDIT140", "      －"}}},
        {.name = "typed-in evaporating gas in SI: the shell side is the hotter one",
         .path = toManual(true, "RADIO8", "RADIO10"), .actions = {"BUTTON53"},
         .texts = {{"EDIT142", "2"}, {"EDIT140", "2260"}, {"EDIT164", "3.05E-7"}, {"EDIT130", "373"},
                   {"EDIT133", "473"}, {"EDIT169", ".025"}, {"EDIT170", "1"}}},
        {.name = "typed-in condensing vapour", .path = toManual(false, "RADIO8", "RADIO9"), .actions = {"BUTTON53"},
         .texts = {{"EDIT133", "20"}, {"EDIT141", "0.598"}, {"EDIT145", "958.4"}}},
    };
    for (const Case& c : cases) expectScreen(c);
}

// ---- Step-1 confirmation -------------------------------------------------------

TEST(StepOne, TubeThenShellConfirmation) {
    Session s;
    testing::openHumidTubesGasShell(s, false);
    s.platform.pausesAllowed = 3;
    s.click("FORM5.BUTTON50");
    EXPECT_EQ(f5(s, "TEXT127"), "★  管内側飽和水分量の組合せが未設定です！。");
    EXPECT_FALSE(on(s, "BUTTON51"));
    s.click("FORM5.RADIO2");
    s.click("FORM5.BUTTON50");
    EXPECT_EQ(f5(s, "TEXT127"),
              "★  管内側飽和水分量又は飽和水分量を計算するための飽和温度又はｴﾝﾀﾙﾋﾟｰのいずれかを選択してください！。");
    EXPECT_EQ(f5(s, "EDIT130"), "    Sat.");
    s.click("FORM5.BUTTON28");
    s("FORM5.EDIT138").setText("12");
    s.click("FORM5.BUTTON50");
    EXPECT_EQ(f5(s, "TEXT127"), "");
    ASSERT_TRUE(on(s, "BUTTON51"));
    s.click("FORM5.BUTTON51");
    EXPECT_EQ(f5(s, "TEXT127"),
              "★ シェル側水分量の組合せの選択がまだです！。　　　　　　チェックマークを入れてください");
    s.click("FORM5.RADIO4");
    s.click("FORM5.BUTTON51");
    EXPECT_EQ(f5(s, "TEXT127"), "");
    EXPECT_EQ(s.platform.waits.size(), 3u);
}

TEST(StepOne, GasSidesNeedAMoistureValue) {
    Session s;
    testing::openGasShell(s, false, 2, 5);
    s.platform.pausesAllowed = 2;
    s.click("FORM5.RADIO2");
    s.click("FORM5.BUTTON50");
    EXPECT_EQ(f5(s, "TEXT127"), "★  管内側飽和水分量を選択してください！。");
    s.click("FORM5.RADIO1");
    s.click("FORM5.BUTTON50");
    s.click("FORM5.RADIO6");
    s.click("FORM5.BUTTON51");
    EXPECT_EQ(f5(s, "TEXT127"), "★  シェル側飽和水分量％(V/V)が未設定です！。");
    EXPECT_EQ(s.platform.waits, (std::vector<std::string>{"pause", "pause"}));
}

}  // namespace
}  // namespace cfhx
