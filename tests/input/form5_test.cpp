// FORM5: composition choice, moisture modes, flow kinds, the preparation
// for each pair of fluid kinds, unit labels and the sample values.
#include <gtest/gtest.h>

#include <string>

#include "support/input_paths.h"

namespace cfhx {
namespace {

using testing::Session;

std::string f5(Session& s, const char* control) { return s.text(std::string("FORM5.") + control); }
bool on(Session& s, const char* control) { return s.enabled(std::string("FORM5.") + control); }

// ---- Composition choice ---------------------------------------------------

TEST(Composition, DryAirOnAGasTubeIsSensible) {
    Session s;
    testing::openGasShell(s, false, 2, 5);
    ASSERT_TRUE(s.click("FORM5.RADIO1"));
    EXPECT_EQ(f5(s, "EDIT158"), "1");
    EXPECT_EQ(f5(s, "TEXT127"), "　管内側ガスに標準空気（ドライ）を選択しましたので、顕熱計算となります。");
    for (const char* b : {"BUTTON28", "BUTTON29", "BUTTON46", "BUTTON47"}) {
        EXPECT_FALSE(on(s, b)) << b;
        EXPECT_EQ(f5(s, b), "") << b;
    }
    for (const char* e : {"EDIT138", "EDIT139", "EDIT177", "EDIT174"}) {
        EXPECT_EQ(f5(s, e), "    －") << e;
        EXPECT_FALSE(on(s, e)) << e;
    }
    EXPECT_EQ(f5(s, "EDIT136"), "0.03");
    EXPECT_EQ(f5(s, "EDIT137"), "20.95");
    EXPECT_EQ(f5(s, "EDIT156"), "  Rem.");
}

TEST(Composition, ShellDryAirWithWaterTubesWritesNoMessage) {
    Session s;
    testing::openGasShell(s, false, 3, 5);
    s.click("FORM5.RADIO4");
    EXPECT_EQ(f5(s, "EDIT173"), "1");
    EXPECT_EQ(f5(s, "TEXT127"), "");
    EXPECT_EQ(f5(s, "EDIT161"), "    －");
}

TEST(Composition, AirWithMoistureOnAHumidTubeOffersEveryRow) {
    Session s;
    testing::openHumidTubesGasShell(s, false);
    s("FORM5.EDIT174").setText("55");
    ASSERT_TRUE(s.click("FORM5.RADIO2"));
    EXPECT_EQ(f5(s, "EDIT158"), "2");
    EXPECT_EQ(f5(s, "TEXT127"), "　標準空気の成分と混合されます。");
    for (const char* b : {"BUTTON28", "BUTTON29", "BUTTON46", "BUTTON47"}) {
        EXPECT_EQ(f5(s, b), "■") << b;
        EXPECT_TRUE(on(s, b)) << b;
    }
    for (const char* e : {"EDIT138", "EDIT139", "EDIT177", "EDIT174"}) {
        EXPECT_EQ(f5(s, e), "") << e;
        EXPECT_TRUE(on(s, e)) << e;
    }
}

TEST(Composition, AirWithMoistureOnAGasSideOffersVolumeAndHumidityOnly) {
    Session s;
    testing::openGasShell(s, false, 2, 5);
    s.click("FORM5.RADIO5");
    EXPECT_EQ(f5(s, "EDIT173"), "2");
    EXPECT_EQ(f5(s, "TEXT127"), "　シェル側水分量は標準空気の成分と均一に混合されます。");
    EXPECT_EQ(f5(s, "BUTTON44"), "■");
    EXPECT_EQ(f5(s, "BUTTON45"), "■");
    EXPECT_FALSE(on(s, "EDIT161"));
    EXPECT_FALSE(on(s, "EDIT162"));
    EXPECT_FALSE(on(s, "BUTTON48"));
    EXPECT_EQ(f5(s, "EDIT175"), "    －");
    EXPECT_EQ(f5(s, "EDIT176"), "    －");
    EXPECT_TRUE(on(s, "RADIO4"));  // gas on both sides: dry air stays offered
}

TEST(Composition, AirWithMoistureOnAHumidShellTakesAwayDryAir) {
    Session s;
    testing::openWaterTubesHumidShell(s, false);
    s.click("FORM5.RADIO5");
    EXPECT_FALSE(on(s, "RADIO4"));
    for (const char* e : {"EDIT161", "EDIT162", "EDIT175", "EDIT176"}) EXPECT_FALSE(on(s, e)) << e;
    EXPECT_EQ(f5(s, "TEXT127"), "　シェル側水分量は標準空気の成分と均一に混合されます。");
}

TEST(Composition, FullCompositionAsksForOxygenAndCarbonDioxide) {
    Session s;
    testing::openGasShell(s, false, 2, 5);
    s.click("FORM5.RADIO3");
    EXPECT_EQ(f5(s, "EDIT158"), "3");
    EXPECT_EQ(f5(s, "EDIT136"), "");
    EXPECT_EQ(f5(s, "EDIT137"), "");
    EXPECT_EQ(f5(s, "EDIT156"), "   Rem.");
    EXPECT_EQ(f5(s, "BUTTON28"), "■");
    EXPECT_FALSE(on(s, "EDIT138"));
    EXPECT_FALSE(on(s, "BUTTON29"));
    EXPECT_EQ(f5(s, "TEXT127"), "　 管内側 O2、CO2を登録して下さい。N2はH2O、O2、CO2の残分として登録されます。");

    s("FORM5.EDIT163").setText("x");
    s.click("FORM5.RADIO6");
    EXPECT_EQ(f5(s, "EDIT163"), "x");  // the shell N2 field is left alone
    EXPECT_TRUE(on(s, "EDIT159"));
}

// ---- Moisture entry modes -----------------------------------------------

TEST(Moisture, ModeButtonsMarkTheChosenRow) {
    Session s;
    testing::openHumidTubesGasShell(s, false);
    s.click("FORM5.RADIO2");
    s("FORM5.EDIT177").setText("60");
    s("FORM5.EDIT139").setText("0.2");
    s.click("FORM5.BUTTON28");
    EXPECT_EQ(f5(s, "EDIT166"), "1");
    EXPECT_EQ(f5(s, "BUTTON28"), "■");
    EXPECT_EQ(f5(s, "BUTTON29"), "");
    EXPECT_TRUE(on(s, "BUTTON29"));  // still there to change the mode
    EXPECT_TRUE(on(s, "EDIT138"));
    EXPECT_EQ(f5(s, "EDIT139"), "");
    EXPECT_FALSE(on(s, "EDIT139"));
    EXPECT_EQ(f5(s, "EDIT177"), "60");  // modes 1 and 2 keep the saturation rows
    EXPECT_FALSE(on(s, "EDIT177"));
    EXPECT_EQ(f5(s, "EDIT130"), "    Sat.");
    EXPECT_EQ(f5(s, "TEXT127"), "　管内の入側水分量を容積％(V/V)として入力して下さい。");

    s.click("FORM5.BUTTON46");
    EXPECT_EQ(f5(s, "EDIT166"), "3");
    EXPECT_EQ(f5(s, "EDIT130"), "   Sat.");
    EXPECT_FALSE(on(s, "EDIT130"));
    EXPECT_EQ(f5(s, "EDIT177"), "");
    EXPECT_TRUE(on(s, "EDIT177"));
}

TEST(Moisture, EnthalpyModeAlwaysMarksTheTubeInlet) {
    Session s;
    testing::openGasShell(s, false, 2, 5);
    s("FORM5.EDIT130").setText("20");
    s("FORM5.BUTTON47").enable();
    s.click("FORM5.BUTTON47");
    EXPECT_EQ(f5(s, "EDIT130"), "   Sat.");
}

TEST(Moisture, GasTubeVolumeModeMarksTheOtherRows) {
    Session s;
    testing::openGasShell(s, false, 2, 5);
    s.click("FORM5.RADIO2");
    s("FORM5.EDIT130").setText("20");
    s.click("FORM5.BUTTON28");
    for (const char* e : {"EDIT139", "EDIT177", "EDIT174"}) EXPECT_EQ(f5(s, e), "    －") << e;
    EXPECT_EQ(f5(s, "EDIT130"), "20");  // a gas tube inlet is entered, not derived
}

TEST(Moisture, ShellModesOfAHumidShell) {
    Session s;
    testing::openWaterTubesHumidShell(s, false);
    s.click("FORM5.RADIO5");
    s.click("FORM5.BUTTON44");
    EXPECT_EQ(f5(s, "EDIT133"), "   Sat.");
    EXPECT_EQ(f5(s, "TEXT127"), "　シェル入側の水分量を容積％(V/V)として入力して下さい。");
    s.click("FORM5.BUTTON45");
    EXPECT_EQ(f5(s, "EDIT133"), "    Sat.");
    s("FORM5.EDIT161").setText("3");
    s.click("FORM5.BUTTON48");
    EXPECT_EQ(f5(s, "EDIT171"), "3");
    EXPECT_EQ(f5(s, "EDIT161"), "");
    EXPECT_FALSE(on(s, "EDIT133"));
}

TEST(Moisture, ShellVolumeModeBesideAHumidTubeBlanksTheShellInlet) {
    Session s;
    testing::openHumidTubesGasShell(s, false);
    s.click("FORM5.RADIO5");
    s("FORM5.EDIT133").setText("20");
    s.click("FORM5.BUTTON44");
    EXPECT_EQ(f5(s, "EDIT133"), " ");
    EXPECT_EQ(f5(s, "EDIT175"), "    －");
    s.click("FORM5.BUTTON45");
    EXPECT_EQ(f5(s, "EDIT133"), "");
}

// ---- Flow kinds ------------------------------------------------------------

TEST(FlowKinds, EachButtonOpensItsFieldAndMarksTheOther) {
    Session s;
    testing::openHumidTubesGasShell(s, false);
    s.click("FORM5.BUTTON40");
    EXPECT_EQ(f5(s, "EDIT168"), "1");
    EXPECT_EQ(f5(s, "BUTTON40"), "■");
    EXPECT_EQ(f5(s, "BUTTON41"), "");
    EXPECT_TRUE(on(s, "EDIT132"));
    EXPECT_EQ(f5(s, "EDIT169"), "   　－");
    EXPECT_FALSE(on(s, "EDIT169"));
    s.click("FORM5.BUTTON41");
    EXPECT_EQ(f5(s, "EDIT168"), "2");
    EXPECT_EQ(f5(s, "EDIT132"), "   　－");
    EXPECT_TRUE(on(s, "EDIT169"));
    EXPECT_EQ(f5(s, "TEXT127"),
              "　管内側流体の重量流量（kg/h）を入力して下さい。シェル側の入力が終了したら管長さを入力して下さい。");
    s.click("FORM5.BUTTON42");
    EXPECT_EQ(f5(s, "EDIT172"), "1");
    EXPECT_EQ(f5(s, "EDIT170"), " 　  －");
    EXPECT_EQ(f5(s, "TEXT127"),
              "　シェル側流体の体積流量（Nm3/h）を入力して下さい。管内側の入力が終了した管長さを入力して下さい。");
    s.click("FORM5.BUTTON43");
    EXPECT_EQ(f5(s, "EDIT135"), "  　 －");
    EXPECT_EQ(f5(s, "EDIT172"), "2");
}

// ---- Preparation per pair ----------------------------------------------------

TEST(Preparation, HumidTubesGasShell) {
    Session s;
    testing::openHumidTubesGasShell(s, false);
    EXPECT_TRUE(s.shown("FORM5"));
    EXPECT_FALSE(on(s, "RADIO1"));
    EXPECT_EQ(f5(s, "EDIT130"), "   sat.");
    EXPECT_FALSE(on(s, "EDIT130"));
    EXPECT_EQ(f5(s, "EDIT131"), "    －");
    EXPECT_EQ(f5(s, "EDIT134"), "    －");
    EXPECT_TRUE(on(s, "EDIT133"));
    EXPECT_EQ(f5(s, "EDIT168"), "2");
    EXPECT_EQ(f5(s, "EDIT172"), "2");
    for (const char* b : {"BUTTON40", "BUTTON41", "BUTTON42", "BUTTON43"}) EXPECT_EQ(f5(s, b), "■") << b;
    EXPECT_TRUE(on(s, "EDIT169"));
    EXPECT_TRUE(on(s, "EDIT157"));
    // Correlation properties: the typed-in fields are closed.
    EXPECT_EQ(f5(s, "EDIT141"), "      －");
    EXPECT_FALSE(on(s, "EDIT141"));
    EXPECT_FALSE(on(s, "TEXT177"));
    // Step-1 confirmation starts with the tube side.
    EXPECT_TRUE(on(s, "BUTTON50"));
    EXPECT_FALSE(on(s, "BUTTON51"));
}

// A full shell composition: the gas beside condensing tubes keeps the
// standard CO2 and O2 on reset; gas beside gas tubes has them emptied.
TEST(Preparation, FullShellCompositionBesideHumidTubesKeepsStandardAir) {
    Session s;
    testing::openHumidTubesGasShell(s, false);
    s.click("FORM5.RADIO6");
    ASSERT_EQ(f5(s, "EDIT159"), "");
    s.click("FORM5.BUTTON54");
    EXPECT_EQ(f5(s, "EDIT173"), "3");
    EXPECT_EQ(f5(s, "EDIT159"), "0.03");
    EXPECT_EQ(f5(s, "EDIT160"), "20.95");
    EXPECT_EQ(f5(s, "BUTTON44"), "■");
    EXPECT_EQ(f5(s, "BUTTON45"), "");
    EXPECT_EQ(f5(s, "EDIT162"), "    －");

    Session t;
    testing::openGasShell(t, false, 2, 5);
    t.click("FORM5.RADIO6");
    t.click("FORM5.BUTTON54");
    EXPECT_EQ(f5(t, "EDIT173"), "3");
    EXPECT_EQ(f5(t, "EDIT159"), "");
    EXPECT_EQ(f5(t, "EDIT160"), "");
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

TEST(Preparation, WaterTubesNeverOfferAVolumeFlow) {
    Session s;
    testing::openGasShell(s, false, 3, 5);
    EXPECT_EQ(f5(s, "BUTTON40"), "");
    EXPECT_FALSE(on(s, "BUTTON40"));
    EXPECT_EQ(f5(s, "BUTTON41"), "■");
    Session t;
    testing::openWaterTubesHumidShell(t, false);
    EXPECT_EQ(f5(t, "BUTTON40"), "");
    EXPECT_EQ(f5(t, "BUTTON42"), "■");
    EXPECT_EQ(f5(t, "EDIT134"), "    －");
    EXPECT_FALSE(on(t, "EDIT133"));
    EXPECT_FALSE(on(t, "RADIO4"));
    EXPECT_FALSE(on(t, "BUTTON50"));
    EXPECT_TRUE(on(t, "BUTTON51"));
}

TEST(Preparation, ManualPropertiesOpenTheLatentRowsOnlyForAPhaseChange) {
    Session s;
    testing::openManual(s, false, "RADIO7", "");
    ASSERT_TRUE(s.shown("FORM5"));
    EXPECT_TRUE(on(s, "EDIT141"));
    EXPECT_TRUE(on(s, "EDIT152"));
    EXPECT_EQ(f5(s, "EDIT140"), "      －");
    EXPECT_FALSE(on(s, "EDIT140"));
    EXPECT_EQ(f5(s, "EDIT148"), "－");
    EXPECT_TRUE(on(s, "TEXT177"));
    EXPECT_FALSE(on(s, "RADIO2"));
    EXPECT_FALSE(on(s, "BUTTON40"));
    EXPECT_EQ(f5(s, "BUTTON41"), "■");
    EXPECT_EQ(f5(s, "EDIT168"), "");

    Session t;
    testing::openManual(t, false, "RADIO8", "RADIO9");
    ASSERT_TRUE(t.shown("FORM5"));
    for (const char* e : {"EDIT140", "EDIT145", "EDIT146", "EDIT147", "EDIT164"}) EXPECT_TRUE(on(t, e)) << e;
    for (const char* e : {"EDIT148", "EDIT153", "EDIT154", "EDIT155", "EDIT165"}) {
        EXPECT_EQ(f5(t, e), "－") << e;
        EXPECT_FALSE(on(t, e)) << e;
    }
}

TEST(Preparation, ResetEmptiesWhatWasEntered) {
    Session s;
    testing::openHumidTubesGasShell(s, false);
    s("FORM5.EDIT157").setText("1200");
    s("FORM5.EDIT169").setText("5");
    s.click("FORM5.BUTTON54");
    EXPECT_EQ(f5(s, "EDIT157"), "");
    EXPECT_EQ(f5(s, "EDIT169"), "");
    EXPECT_TRUE(s.shown("FORM5"));
}

// ---- Unit labels -------------------------------------------------------------

TEST(UnitLabels, SiRewritesTemperaturesFlowsAndMoistureRows) {
    Session s;
    testing::openHumidTubesGasShell(s, true);
    EXPECT_EQ(f5(s, "TEXT170"), " (K)");
    EXPECT_EQ(f5(s, "TEXT171"), " (K)");
    EXPECT_EQ(f5(s, "TEXT172"), " (Nm3/s)");
    EXPECT_EQ(f5(s, "TEXT173"), " (kg/s)");
    EXPECT_EQ(f5(s, "TEXT137"), " (K)");
    EXPECT_EQ(f5(s, "TEXT146"), " (kJ/kg)");
    EXPECT_EQ(f5(s, "TEXT188"), "（kcal/kg℃）");  // property units only for typed-in properties
    EXPECT_EQ(f5(s, "TEXT187"), "（ｋｇ/m3）");
    EXPECT_EQ(f5(s, "TEXT135"), "（％）");
    EXPECT_EQ(f5(s, "EDIT133"), "293");  // the SI preset of the humid-tube button

    Session t;
    testing::openManual(t, true, "RADIO7", "");
    EXPECT_EQ(f5(t, "TEXT188"), " (kJ/kgK)");
    EXPECT_EQ(f5(t, "TEXT189"), " (W/mK)");
    EXPECT_EQ(f5(t, "TEXT190"), " (m2/s)");
    EXPECT_EQ(f5(t, "TEXT192"), "(kJ/kg)");
    EXPECT_EQ(f5(t, "TEXT196"), " (m2/s)");
    EXPECT_EQ(f5(t, "TEXT193"), "（ｋｇ/ｍ3）");
    EXPECT_EQ(f5(t, "TEXT191"), "（ｋｇ/Cm3）");
}

// ---- Sample values -------------------------------------------------------------

TEST(Samples, HumidTubesKeepAFullComposition) {
    Session s;
    testing::openHumidTubesGasShell(s, false);
    s.click("FORM5.RADIO3");
    s.click("FORM5.BUTTON53");
    EXPECT_EQ(f5(s, "EDIT158"), "3");
    EXPECT_EQ(f5(s, "EDIT136"), "");
    EXPECT_EQ(f5(s, "EDIT137"), "");
    EXPECT_EQ(f5(s, "EDIT166"), "1");
    EXPECT_EQ(f5(s, "EDIT138"), "20");
    EXPECT_EQ(f5(s, "EDIT139"), "    －");
    EXPECT_EQ(f5(s, "EDIT130"), "   sat.");
    EXPECT_EQ(f5(s, "EDIT173"), "1");  // no shell composition yet: dry air
    EXPECT_EQ(f5(s, "EDIT133"), "20");
    EXPECT_EQ(f5(s, "EDIT157"), "1500");
    EXPECT_EQ(f5(s, "EDIT169"), "1000");
    EXPECT_EQ(f5(s, "EDIT170"), "2000");
    // Samples do not touch the calculate button; main buttons 1-8 wait.
    EXPECT_FALSE(s.enabled("MAINFORM.BUTTON9"));
    EXPECT_FALSE(s.enabled("MAINFORM.BUTTON4"));
}

TEST(Samples, GasBothSidesInSiWithNo5) {
    Session s;
    testing::openGasShell(s, true, 2, 5);
    s.click("FORM5.BUTTON53");
    EXPECT_EQ(f5(s, "TEXT127"), "★ シェル側/管内側共に乾き空気です");
    EXPECT_EQ(f5(s, "EDIT130"), "293");
    EXPECT_EQ(f5(s, "EDIT133"), "473");
    EXPECT_EQ(f5(s, "EDIT169"), "0.55");
    EXPECT_EQ(f5(s, "EDIT170"), "0.55");
    EXPECT_EQ(f5(s, "EDIT131"), "－");
    EXPECT_EQ(f5(s, "EDIT134"), "－");
    EXPECT_EQ(f5(s, "EDIT158"), "1");
    EXPECT_EQ(f5(s, "EDIT173"), "1");
}

TEST(Samples, GasBothSidesFollowTheProcessingNo) {
    Session s;
    testing::openGasShell(s, false, 2, 2);
    s.click("FORM5.RADIO2");
    s.click("FORM5.BUTTON53");
    EXPECT_EQ(f5(s, "EDIT158"), "2");
    EXPECT_EQ(f5(s, "EDIT138"), "0.1");
    EXPECT_EQ(f5(s, "EDIT131"), "100");
    EXPECT_EQ(f5(s, "EDIT134"), "100");
    EXPECT_EQ(f5(s, "EDIT157"), "－");
    EXPECT_FALSE(on(s, "EDIT157"));
    EXPECT_EQ(f5(s, "EDIT170"), "－");
    EXPECT_FALSE(on(s, "BUTTON43"));
    EXPECT_EQ(f5(s, "EDIT169"), "2000");

    Session t;
    testing::openGasShell(t, true, 2, 3);
    t.click("FORM5.BUTTON53");
    EXPECT_EQ(f5(t, "EDIT131"), "");  // gas tubes, No. 3: the outlet is solved for
    EXPECT_EQ(f5(t, "EDIT134"), "373");
    EXPECT_EQ(f5(t, "EDIT169"), "0.4");
    EXPECT_EQ(f5(t, "EDIT157"), "1500");
}

TEST(Samples, WaterTubesFollowTheProcessingNo) {
    Session t;
    testing::openGasShell(t, true, 3, 6);
    t.click("FORM5.BUTTON53");
    EXPECT_EQ(f5(t, "TEXT127"), "　管内側水を選択しましたので、顕熱計算となります。");
    EXPECT_EQ(f5(t, "EDIT130"), "293");
    EXPECT_EQ(f5(t, "EDIT133"), "473");
    EXPECT_EQ(f5(t, "EDIT131"), "    －");
    EXPECT_EQ(f5(t, "EDIT134"), "373");
    EXPECT_EQ(f5(t, "EDIT169"), "0.55");
    EXPECT_EQ(f5(t, "EDIT135"), "－");
}

TEST(Samples, ManualPropertySets) {
    Session liquid;
    testing::openManual(liquid, false, "RADIO7", "");
    liquid.click("FORM5.BUTTON53");
    EXPECT_EQ(f5(liquid, "EDIT141"), "998");
    EXPECT_EQ(f5(liquid, "EDIT152"), "0.022");
    EXPECT_EQ(f5(liquid, "EDIT130"), "20");
    EXPECT_EQ(f5(liquid, "EDIT133"), "200");
    EXPECT_EQ(f5(liquid, "EDIT169"), "2000");
    EXPECT_EQ(f5(liquid, "EDIT140"), "      －");

    Session gasSi;
    testing::openManual(gasSi, true, "RADIO8", "RADIO10");
    gasSi.click("FORM5.BUTTON53");
    EXPECT_EQ(f5(gasSi, "EDIT142"), "2");
    EXPECT_EQ(f5(gasSi, "EDIT140"), "2260");
    EXPECT_EQ(f5(gasSi, "EDIT164"), "3.05E-7");
    EXPECT_EQ(f5(gasSi, "EDIT130"), "373");
    EXPECT_EQ(f5(gasSi, "EDIT133"), "473");  // evaporation: the shell side is the hotter one
    EXPECT_EQ(f5(gasSi, "EDIT169"), ".025");
    EXPECT_EQ(f5(gasSi, "EDIT170"), "1");

    Session condensing;
    testing::openManual(condensing, false, "RADIO8", "RADIO9");
    condensing.click("FORM5.BUTTON53");
    EXPECT_EQ(f5(condensing, "EDIT133"), "20");
    EXPECT_EQ(f5(condensing, "EDIT141"), "0.598");
    EXPECT_EQ(f5(condensing, "EDIT145"), "958.4");
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
