// The flows of a calculation: the processing No. of the run, the tube gas
// flow in both kinds and unit systems, the water inlet and its range, the
// row factor, the taped-tube diameter, the routes by processing No. with
// their given values, the shell flow, and the silent and paused exits.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/control_flow.h"
#include "support/calc_pages.h"
#include "calc/flows.h"
#include "calc/humid_dialogue.h"
#include "calc/start.h"
#include "input/input_paths.h"

namespace cfhx {
namespace {

using calc::RatingEntry;
using testing::Session;

// Normal density of dry standard air, kg/Nm3, from the component densities.
constexpr double kAirDensity = 1.9643 * 0.0003 + 1.25 * 0.7902 + 1.4286 * 0.2095;

using testing::PageLog;

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);) out.push_back(l);
    return out;
}

// A gas shell with dry air, gas (2) or water (3) in the tubes, processing
// No. `no`, ready at the calculate button.
struct FlowRun {
    Session s;
    PageLog log;
    calc::Record r{};

    FlowRun(int tubeKind, int no, bool si = false) {
        testing::openGasShell(s, si, tubeKind, no);
        s.click("MAINFORM.BUTTON22");
        s.click("FORM5.BUTTON53");
        s.click("FORM5.BUTTON30");
        EXPECT_TRUE(s.enabled("MAINFORM.BUTTON9")) << s.text("FORM5.TEXT127");
        set("EDIT173", "1");
        if (tubeKind == 2) set("EDIT158", "1");
    }
    void set(const char* field, const char* text) { s(std::string("FORM5.") + field).setText(text); }

    // The start stage and the processing No., pages logged from there.
    void start() {
        r = calc::freshRecord();
        s.platform.yesNo.push_back(true);
        calc::startCalculation(s.app, r);
        s.platform.waits.clear();
        s.app.pane.clear();
        s.app.pane.setObserver(&log);
        calc::readProcessingNo(s.app, r);
    }
    // Up to the flows, for changes to the record before them.
    void dialogue() {
        start();
        calc::shellGasDialogue(s.app, r);
        calc::tubeGasDialogue(s.app, r);
    }
    RatingEntry flows() {
        dialogue();
        return calc::takeFlows(s.app, r);
    }
    std::vector<std::string> lines() {
        std::vector<std::string> all;
        for (const std::string& p : log.pages)
            for (std::string& l : linesOf(p)) all.push_back(l);
        for (std::string& l : linesOf(s.app.pane.pageText())) all.push_back(l);
        return all;
    }
    bool has(const std::string& line) {
        const auto all = lines();
        return std::find(all.begin(), all.end(), line) != all.end();
    }
    int count(const std::string& line) {
        const auto all = lines();
        return static_cast<int>(std::count(all.begin(), all.end(), line));
    }
    int pauses() const { return static_cast<int>(std::count(s.platform.waits.begin(), s.platform.waits.end(), "pause")); }
    ~FlowRun() { s.app.pane.setObserver(nullptr); }
};

// ---- Processing No. --------------------------------------------------------

TEST(ProcessingNo, OneToSixAreTakenAsTheirText) {
    for (int no = 1; no <= 6; ++no) {
        FlowRun run(2, no);
        run.start();
        EXPECT_EQ(run.r.flags.sPROC.view(), std::to_string(no));
        EXPECT_TRUE(run.r.flags.sCOLS.empty());
        EXPECT_FALSE(run.has("★ 既設定管段数を削除します  。"));
    }
}

TEST(ProcessingNo, SevenRunsAsFiveWithTheColumnsCleared) {
    FlowRun run(2, 7);
    run.start();
    EXPECT_EQ(run.r.flags.sPROC.view(), "5");
    EXPECT_EQ(run.r.flags.sCOLS.view(), "y");
    EXPECT_TRUE(run.has("★ 既設定管段数を削除します  。"));
    EXPECT_EQ(run.s.text("MAINFORM.EDIT27"), "   －");
}

TEST(ProcessingNo, SevenLeavesTheColumnsFieldBlankAfterTheRun) {
    FlowRun run(2, 7);
    run.s.platform.yesNo.push_back(true);
    run.s.platform.pausesAllowed = 5;
    run.s.click("MAINFORM.BUTTON9");
    EXPECT_EQ(run.s.text("MAINFORM.EDIT27"), "");
}

TEST(ProcessingNo, AnUnknownNumberPausesAndLeavesWhenUnchanged) {
    FlowRun run(2, 1);
    run.s("FORM6.EDIT167").setText("9");
    run.s.platform.pausesAllowed = 1;
    EXPECT_THROW(run.start(), LeaveCalculation);
    EXPECT_EQ(run.pauses(), 1);
}

TEST(ProcessingNo, AnUnknownNumberCorrectedDuringThePauseIsTaken) {
    FlowRun run(2, 1);
    run.s("FORM6.EDIT167").setText("0");
    run.s.platform.pausesAllowed = 1;
    run.s.platform.whilePaused = [&] { run.s("FORM6.EDIT167").setText("4"); };
    run.start();
    EXPECT_EQ(run.pauses(), 1);
    EXPECT_EQ(run.r.flags.sPROC.view(), "4");
}

// ---- Tube gas flow ---------------------------------------------------------

TEST(TubeGasFlow, NormalVolumeFlowGivesTheMassFlow) {
    FlowRun run(2, 5);
    run.set("EDIT168", "1");
    run.set("EDIT132", "500");
    EXPECT_EQ(run.flows(), RatingEntry::GivenLength);
    EXPECT_TRUE(run.has("129) 管内側ガス流量 --- 1) ノルマル流量 Vt(Nm3/h)"));
    EXPECT_TRUE(run.has("　2）重量流量 Wt(kg/h)"));
    EXPECT_TRUE(run.has("VSNX12= 1"));
    EXPECT_TRUE(run.has("131)   → ノルマル流量 Vt(Nm3/h)= 500"));
    EXPECT_FLOAT_EQ(run.r.Vt, 500.0f);
    EXPECT_NEAR(run.r.Wt, 500.0 * kAirDensity, 1e-2);
}

TEST(TubeGasFlow, MassFlowGivesTheNormalVolumeFlow) {
    FlowRun run(2, 5);
    run.set("EDIT168", "2");
    run.set("EDIT169", "1000");
    run.flows();
    EXPECT_TRUE(run.has("VSNX12= 2"));
    EXPECT_TRUE(run.has("134)  → 重量流量 Wt(kg/h)= 1000"));
    EXPECT_FLOAT_EQ(run.r.Wt, 1000.0f);
    EXPECT_NEAR(run.r.Vt, 1000.0 / kAirDensity, 1e-2);
}

TEST(TubeGasFlow, SiFlowsArePerSecond) {
    {
        FlowRun run(2, 5, true);
        run.set("EDIT168", "1");
        run.set("EDIT132", "0.5");
        run.flows();
        EXPECT_TRUE(run.has("130) 管内側ガス流量 --- 1) ノルマル流量 Vt(Nm3/s)"));
        EXPECT_TRUE(run.has("　2）重量流量 Wt(kg/s)"));
        EXPECT_TRUE(run.has("132)   → ノルマル流量 Vt(Nm3/s)= 0.5"));
        EXPECT_FLOAT_EQ(run.r.Vt, 1800.0f);
    }
    {
        FlowRun run(2, 5, true);
        run.set("EDIT168", "2");
        run.set("EDIT169", "2");
        run.flows();
        EXPECT_TRUE(run.has("135)  → 重量流量 Wt(kg/s)= 2"));
        EXPECT_FLOAT_EQ(run.r.Wt, 7200.0f);
    }
}

TEST(TubeGasFlow, AnUnknownKindIsRefusedWithAPause) {
    FlowRun run(2, 5);
    run.set("EDIT168", "3");
    run.s.platform.pausesAllowed = 1;
    EXPECT_THROW(run.flows(), LeaveCalculation);
    EXPECT_TRUE(run.has("//// 1 or 2 を押して下さい ////"));
    EXPECT_EQ(run.pauses(), 1);
}

TEST(TubeGasFlow, ZeroFlowLeavesWithoutAMessage) {
    for (const char* kind : {"1", "2"}) {
        FlowRun run(2, 5);
        run.set("EDIT168", kind);
        run.set("EDIT132", "0");
        run.set("EDIT169", "0");
        EXPECT_THROW(run.flows(), LeaveCalculation);
        EXPECT_EQ(run.pauses(), 0);
        EXPECT_FALSE(run.has("TUBE LENGTH ----------------- TL(mm)= 1500"));
    }
}

// ---- Water in the tubes ----------------------------------------------------

TEST(WaterInlet, OldUnitsTakeTheFlowInTonnes) {
    FlowRun run(3, 5);
    run.set("EDIT130", "20");
    run.set("EDIT169", "2000");
    EXPECT_EQ(run.flows(), RatingEntry::GivenLength);
    EXPECT_TRUE(run.has("139) 管内側水流量 -------- Wt(kg/h)= 2000"));
    EXPECT_EQ(run.r.flags.sTF.view(), "2");
    EXPECT_EQ(run.r.flags.sTAPE.view(), "n");
    EXPECT_FLOAT_EQ(run.r.Tti, 20.0f);
    EXPECT_FLOAT_EQ(run.r.Wt, 2.0f);
    // The density in hand is the start value 1.293.
    EXPECT_NEAR(run.r.Vt, 2000.0 / 1.293, 0.05);
}

TEST(WaterInlet, HotWaterIsRefusedInCelsiusAndAcceptedInKelvin) {
    {
        FlowRun run(3, 5);
        run.set("EDIT130", "165");
        run.s.platform.pausesAllowed = 1;
        EXPECT_THROW(run.flows(), LeaveCalculation);
        EXPECT_TRUE(run.has("set the temperature(℃) 0<Tti<160"));
        EXPECT_EQ(run.pauses(), 1);
    }
    {
        FlowRun run(3, 5, true);
        run.set("EDIT130", "438");
        run.set("EDIT169", "0.55");
        run.flows();
        EXPECT_TRUE(run.has("140) 管内入側温度 Tti(K)= 438"));
        EXPECT_TRUE(run.has("141) 管内側水流量 -------- Wt(kg/s)= 0.55"));
        EXPECT_FALSE(run.has("set the temperature(K) 273<Tti<440"));
        EXPECT_FLOAT_EQ(run.r.Tti, 165.0f);
        EXPECT_NEAR(run.r.Wt, 1.98, 1e-5);
    }
    {
        FlowRun run(3, 5, true);
        run.set("EDIT130", "450");
        run.s.platform.pausesAllowed = 1;
        EXPECT_THROW(run.flows(), LeaveCalculation);
        EXPECT_TRUE(run.has("set the temperature(K) 273<Tti<440"));
    }
}

TEST(WaterInlet, ATemperatureCorrectedDuringThePauseIsTaken) {
    FlowRun run(3, 5);
    run.set("EDIT130", "170");
    run.s.platform.pausesAllowed = 1;
    run.s.platform.whilePaused = [&] { run.set("EDIT130", "90"); };
    EXPECT_EQ(run.flows(), RatingEntry::GivenLength);
    EXPECT_TRUE(run.has("set the temperature(℃) 0<Tti<160"));
    EXPECT_EQ(run.pauses(), 1);
    EXPECT_FLOAT_EQ(run.r.Tti, 90.0f);
}

TEST(WaterInlet, ZeroFlowLeavesWithoutAMessage) {
    FlowRun run(3, 5);
    run.set("EDIT130", "20");
    run.set("EDIT169", "0");
    EXPECT_THROW(run.flows(), LeaveCalculation);
    EXPECT_EQ(run.pauses(), 0);
}

// ---- Derived start values --------------------------------------------------

TEST(FlowStartValues, RowFactorByColumnsAndArrangement) {
    struct Case {
        float Nh;
        const char* arrangement;
        float Cz;
    };
    for (const Case c : {Case{4, "1", 0.89f}, Case{4, "2", 0.9f}, Case{12, "1", 1.0f}, Case{1, "2", 0.64f}}) {
        FlowRun run(2, 5);
        run.dialogue();
        run.r.flags.sTUBE = "1";
        run.r.Nh = c.Nh;
        run.r.flags.arrangement = c.arrangement;
        calc::takeFlows(run.s.app, run.r);
        EXPECT_FLOAT_EQ(run.r.Cz, c.Cz) << c.Nh << " " << c.arrangement;
    }
}

TEST(FlowStartValues, RadialFinTubesKeepTheirRowFactor) {
    FlowRun run(2, 5);
    run.dialogue();
    run.r.flags.sTUBE = "2";
    run.r.Cz = 0.5f;
    calc::takeFlows(run.s.app, run.r);
    EXPECT_FLOAT_EQ(run.r.Cz, 0.5f);
}

TEST(FlowStartValues, TapeDiameterAndStartTemperature) {
    FlowRun run(2, 5);
    run.dialogue();
    run.r.flags.sTAPE = "y";
    run.r.DI = 0.02f;
    run.r.TTh = 0.001f;
    calc::takeFlows(run.s.app, run.r);
    EXPECT_NEAR(run.r.Dh, (3.1416 * 0.0004 - 0.00008) / (0.062832 - 0.002 + 0.04), 1e-6);
    EXPECT_NEAR(run.r.Dh, 0.01167, 1e-5);
    EXPECT_NEAR(run.r.TStart, std::min(run.r.Tti, run.r.Tsi) + 0.1, 1e-4);
}

TEST(FlowStartValues, ParallelPassesWithOneTubePassDrawANotice) {
    for (const char* pnt : {"1", "2"}) {
        FlowRun run(2, 5);
        run.dialogue();
        run.r.flags.sFLOW = "2";
        run.r.PNt = std::stof(pnt);
        calc::takeFlows(run.s.app, run.r);
        EXPECT_EQ(run.has("⇒ 並流設定のためｼｪﾙ側ﾊﾟｽ数を２以上をｾｯﾄして下さい。"), std::string(pnt) == "1");
    }
}

// ---- Latent heat -----------------------------------------------------------

TEST(FlowLatentHeat, HumidTubesTakeTheLengthWhateverTheNumber) {
    Session s;
    testing::openHumidTubesGasShell(s, false);
    s.click("MAINFORM.BUTTON22");
    s.click("FORM5.BUTTON53");
    s.click("FORM5.BUTTON30");
    ASSERT_TRUE(s.enabled("MAINFORM.BUTTON9")) << s.text("FORM5.TEXT127");
    s("FORM5.EDIT157").setText("1200");
    calc::Record r = calc::freshRecord();
    s.platform.yesNo.push_back(true);
    calc::startCalculation(s.app, r);
    calc::shellGasDialogue(s.app, r);
    calc::tubeGasDialogue(s.app, r);
    EXPECT_EQ(calc::takeFlows(s.app, r), RatingEntry::GivenLength);
    EXPECT_EQ(r.flags.sCOND.view(), "y");
    EXPECT_FLOAT_EQ(r.TL, 1.2f);
    EXPECT_EQ(std::count(s.platform.waits.begin(), s.platform.waits.end(), "read"), 0);  // no choice (A)
}

// ---- Routes by processing No. ---------------------------------------------

void givens(FlowRun& run) {
    run.set("EDIT134", "100");
    run.set("EDIT131", "60");
    run.set("EDIT157", "1500");
    run.set("EDIT172", "2");
    run.set("EDIT170", "3000");
}

TEST(FlowRoutes, NumberOneWithTheShellOutletTakesTheShellFlow) {
    FlowRun run(2, 1);
    givens(run);
    run.s.platform.lines = {"1"};
    EXPECT_EQ(run.flows(), RatingEntry::GivenShellFlow);
    EXPECT_TRUE(run.has("1 or 2 ｦ ﾌﾟｯｼｭ ｼﾃ ｸﾀﾞｻｲ"));
    EXPECT_TRUE(run.has("② (A) 次の何れかを指定して下さい"));
    EXPECT_TRUE(run.has("<1> シェル出側温度  Tso(ﾟC )"));
    EXPECT_TRUE(run.has("<2> 管段数 及び 管長さ指定 Nv(-),TL(mm)"));
    EXPECT_TRUE(run.has("③ ◇ シェル側出側温度 --------Tso(ﾟc)= 100"));
    EXPECT_TRUE(run.has("⑩ ◇ シェル側ガス流量 -- 1) ノルマル流量 Vs(Nm3/h)"));
    EXPECT_TRUE(run.has("2）重量流量 Ws(kg/h)         VANS= 2"));
    EXPECT_TRUE(run.has("⑭  → 重量流量 Ws(kg/h)= 3000"));
    EXPECT_FALSE(run.has("TUBE LENGTH ----------------- TL(mm)= 1500"));
    EXPECT_FLOAT_EQ(run.r.ChoiceA, 1.0f);
    EXPECT_FLOAT_EQ(run.r.Tso, 100.0f);
    EXPECT_FLOAT_EQ(run.r.TL, 2.0f);
    EXPECT_FLOAT_EQ(run.r.NV, run.r.Nv);
    EXPECT_FLOAT_EQ(run.r.Ws, 3000.0f);
    EXPECT_NEAR(run.r.Vs, 3000.0 / kAirDensity, 0.05);
}

TEST(FlowRoutes, NumberOneWithRowsAndLengthTakesTheLength) {
    FlowRun run(2, 1);
    givens(run);
    run.s.platform.lines = {"2"};
    EXPECT_EQ(run.flows(), RatingEntry::GivenLength);
    EXPECT_TRUE(run.has("TUBE LENGTH ----------------- TL(mm)= 1500"));
    EXPECT_FALSE(run.has("③ ◇ シェル側出側温度 --------Tso(ﾟc)= 100"));
    EXPECT_FLOAT_EQ(run.r.TL, 1.5f);
    EXPECT_FLOAT_EQ(run.r.ChoiceA, 2.0f);
}

TEST(FlowRoutes, ChoiceAAsksAgainAndLeavesOnDoubleZero) {
    {
        FlowRun run(2, 2);
        givens(run);
        run.s.platform.lines = {"3", "", "1"};
        EXPECT_EQ(run.flows(), RatingEntry::GivenTubeOutlet);
        EXPECT_EQ(run.count("② (A) 次の何れかを指定して下さい"), 3);
    }
    {
        FlowRun run(2, 2);
        givens(run);
        run.s.platform.lines = {"00"};
        EXPECT_THROW(run.flows(), LeaveCalculation);
        EXPECT_EQ(run.pauses(), 0);
    }
}

TEST(FlowRoutes, NumberTwoTakesTheTubeOutlet) {
    FlowRun run(2, 2);
    givens(run);
    run.s.platform.lines = {"1"};
    EXPECT_EQ(run.flows(), RatingEntry::GivenTubeOutlet);
    EXPECT_TRUE(run.has("⑧ ◇ 管内側出側温度-------------- Tto(ﾟC)= 60"));
    EXPECT_FLOAT_EQ(run.r.Tto, 60.0f);
    EXPECT_FALSE(run.has("2）重量流量 Ws(kg/h)         VANS= 2"));
}

TEST(FlowRoutes, NumbersThreeAndFourTakeOutletAndLength) {
    {
        FlowRun run(2, 3);
        givens(run);
        EXPECT_EQ(run.flows(), RatingEntry::GivenShellFlow);
        EXPECT_TRUE(run.has("③ ◇ シェル側出側温度 --------Tso(ﾟc)= 100"));
        EXPECT_TRUE(run.has("TUBE LENGTH ----------------- TL(mm)= 1500"));
        EXPECT_FLOAT_EQ(run.r.TL, 1.5f);
        EXPECT_FLOAT_EQ(run.r.Ws, 3000.0f);
    }
    {
        FlowRun run(2, 4);
        givens(run);
        EXPECT_EQ(run.flows(), RatingEntry::GivenTubeOutlet);
        EXPECT_TRUE(run.has("⑧ ◇ 管内側出側温度-------------- Tto(ﾟC)= 60"));
        EXPECT_FLOAT_EQ(run.r.Tso, 100.0f);
        EXPECT_FLOAT_EQ(run.r.TL, 1.5f);
    }
}

TEST(FlowRoutes, NumbersFiveSixAndSevenTakeTheLength) {
    for (int no : {5, 6, 7}) {
        FlowRun run(2, no);
        givens(run);
        EXPECT_EQ(run.flows(), RatingEntry::GivenLength) << no;
        EXPECT_TRUE(run.has("TUBE LENGTH ----------------- TL(mm)= 1500"));
        EXPECT_FALSE(run.has("③ ◇ シェル側出側温度 --------Tso(ﾟc)= 100"));
    }
}

TEST(FlowRoutes, ZeroLengthLeavesWithoutAMessage) {
    FlowRun run(2, 5);
    run.set("EDIT157", "0");
    EXPECT_THROW(run.flows(), LeaveCalculation);
    EXPECT_EQ(run.pauses(), 0);
}

TEST(FlowRoutes, SiOutletTemperaturesAndShellFlows) {
    {
        FlowRun run(2, 3, true);
        givens(run);
        run.set("EDIT134", "373");
        run.set("EDIT172", "1");
        run.set("EDIT135", "1");
        run.flows();
        EXPECT_TRUE(run.has("④ ◇ シェル側出側温度 --------Tso(K)= 373"));
        EXPECT_TRUE(run.has("⑪  ◇ シェル側ガス流量 -- 1) ノルマル流量 Vs(Nm3/s)"));
        EXPECT_TRUE(run.has("2）重量流量 Ws(kg/s) 1"));
        EXPECT_TRUE(run.has("⑬  → ノルマル流量 Vs(Nm3/s)= 1"));
        EXPECT_FLOAT_EQ(run.r.Tso, 100.0f);
        EXPECT_FLOAT_EQ(run.r.Vs, 3600.0f);
        EXPECT_NEAR(run.r.Ws, 3600.0 * kAirDensity, 0.05);
    }
    {
        FlowRun run(2, 3, true);
        givens(run);
        run.set("EDIT172", "2");
        run.set("EDIT170", "2");
        run.flows();
        EXPECT_TRUE(run.has("⑮  → 重量流量 Ws(kg/s)= 2"));
        EXPECT_FLOAT_EQ(run.r.Ws, 7200.0f);
    }
    {
        FlowRun run(2, 4, true);
        givens(run);
        run.set("EDIT131", "333");
        run.flows();
        EXPECT_TRUE(run.has("⑨ ◇ 管内側出側温度-------------- Tto(K)= 333"));
        EXPECT_FLOAT_EQ(run.r.Tto, 60.0f);
    }
}

TEST(FlowRoutes, ShellFlowRefusalsAndZeroFlows) {
    {
        FlowRun run(2, 3);
        givens(run);
        run.set("EDIT172", "5");
        run.s.platform.pausesAllowed = 1;
        EXPECT_THROW(run.flows(), LeaveCalculation);
        EXPECT_TRUE(run.has("**** 1 or 2 を押して下さい"));
        EXPECT_EQ(run.pauses(), 1);
    }
    for (const char* kind : {"1", "2"}) {
        FlowRun run(2, 3);
        givens(run);
        run.set("EDIT172", kind);
        run.set("EDIT135", "0");
        run.set("EDIT170", "0");
        EXPECT_THROW(run.flows(), LeaveCalculation);
        EXPECT_EQ(run.pauses(), 0);
    }
}

}  // namespace
}  // namespace cfhx
