// The flows of a calculation: the processing No. of the run, the tube gas
// flow in both kinds and unit systems, the water inlet and its range, the
// row factor, the taped-tube diameter, the routes by processing No. with
// their given values, the shell flow, and the silent and paused exits.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/control_flow.h"
#include "calc/flows.h"
#include "calc/humid_dialogue.h"
#include "support/calc_run.h"
#include "support/sample_runs.h"

namespace cfhx {
namespace {

using calc::RatingEntry;
using testing::Entries;

// Normal density of dry standard air, kg/Nm3, from the component densities.
constexpr double kAirDensity = 1.9643 * 0.0003 + 1.25 * 0.7902 + 1.4286 * 0.2095;

// A gas shell with dry air, gas (2) or water (3) in the tubes, processing
// No. `no`, ready at the calculate button.
struct FlowRun : testing::CalcRun {
    FlowRun(int tubeKind, int no, bool si = false) {
        testing::ready(s, tubeKind == 2 ? testing::Pair::GasGas : testing::Pair::WaterGas, si, no);
        set("EDIT173", "1");
        if (tubeKind == 2) set("EDIT158", "1");
    }
    void set(const char* field, const char* text) { s.enter("FORM5", {{field, text}}); }

    // The start stage and the processing No., pages logged from there.
    void start() {
        begin();
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
};

// ---- Processing No. --------------------------------------------------------

TEST(ProcessingNo, OneToSixAreTakenAsTheirText) {
    for (int no = 1; no <= 6; ++no) {
        SCOPED_TRACE(no);
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
    run.s.platform.lines.push_back(testing::kRecalculate);  // the result's menu
    run.s.click("MAINFORM.BUTTON9");
    EXPECT_EQ(run.s.text("MAINFORM.EDIT27"), "");
}

TEST(ProcessingNo, AnUnknownNumberPausesAndIsTakenWhenCorrected) {
    struct Case {
        const char* name;
        const char* typed;
        const char* corrected;  // during the pause; nullptr: unchanged
    };
    const Case cases[] = {
        {.name = "unchanged: the run leaves", .typed = "9", .corrected = nullptr},
        {.name = "corrected during the pause", .typed = "0", .corrected = "4"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FlowRun run(2, 1);
        run.s("FORM6.EDIT167").setText(c.typed);
        run.s.platform.pausesAllowed = 1;
        if (c.corrected) {
            run.s.platform.whilePaused = [&] { run.s("FORM6.EDIT167").setText(c.corrected); };
            run.start();
            EXPECT_EQ(run.r.flags.sPROC.view(), c.corrected);
        } else {
            EXPECT_THROW(run.start(), LeaveCalculation);
        }
        EXPECT_EQ(run.pauses(), 1);
    }
}

// ---- Runs up to the flows ----------------------------------------------------

// FORM5 entries over the samples, typed answers and corrections made at a
// pause; the rating entry the flows reach (none: the run leaves), the
// pauses on the way and what was printed.
struct Case {
    const char* name;
    int tubeKind = 2;
    int no = 5;
    bool si = false;
    bool givens = false;  // kGivens typed before `entries`
    Entries entries = {};
    std::vector<std::string> answers = {};
    Entries atPause = {};
    std::optional<RatingEntry> entry = {};
    int pauses = 0;
    std::vector<std::string> shown = {}, notShown = {};
    std::function<void(const FlowRun&)> check = {};
};

// Outlets, length, shell flow kind 2 and its flow.
const Entries kGivens = {
    {"EDIT134", "100"}, {"EDIT131", "60"}, {"EDIT157", "1500"}, {"EDIT172", "2"}, {"EDIT170", "3000"}};

void expectFlows(const Case& c) {
    SCOPED_TRACE(c.name);
    FlowRun run(c.tubeKind, c.no, c.si);
    if (c.givens) run.s.enter("FORM5", kGivens);
    run.s.enter("FORM5", c.entries);
    run.s.platform.lines.assign(c.answers.begin(), c.answers.end());
    run.s.platform.pausesAllowed = c.pauses;
    if (!c.atPause.empty()) run.s.platform.whilePaused = [&] { run.s.enter("FORM5", c.atPause); };
    if (c.entry) {
        EXPECT_EQ(run.flows(), *c.entry);
    } else {
        EXPECT_THROW(run.flows(), LeaveCalculation);
    }
    EXPECT_EQ(run.pauses(), c.pauses);
    for (const std::string& line : c.shown) EXPECT_TRUE(run.has(line)) << line;
    for (const std::string& line : c.notShown) EXPECT_FALSE(run.has(line)) << line;
    if (c.check) c.check(run);
}

const char* const kLengthLine = "TUBE LENGTH ----------------- TL(mm)= 1500";
const char* const kShellOutletLine = "③ ◇ シェル側出側温度 --------Tso(ﾟc)= 100";

TEST(TubeGasFlow, KindsUnitsAndRefusals) {
    const Case cases[] = {
        {.name = "a normal volume flow gives the mass flow", .entries = {{"EDIT168", "1"}, {"EDIT132", "500"}},
         .entry = RatingEntry::GivenLength,
         .shown = {"129) 管内側ガス流量 --- 1) ノルマル流量 Vt(Nm3/h)", "　2）重量流量 Wt(kg/h)", "VSNX12= 1",
                   "131)   → ノルマル流量 Vt(Nm3/h)= 500"},
         .check = [](const FlowRun& run) {
             EXPECT_FLOAT_EQ(run.r.Vt, 500.0f);
             EXPECT_NEAR(run.r.Wt, 500.0 * kAirDensity, 1e-2);
         }},
        {.name = "a mass flow gives the normal volume flow", .entries = {{"EDIT168", "2"}, {"EDIT169", "1000"}},
         .entry = RatingEntry::GivenLength, .shown = {"VSNX12= 2", "134)  → 重量流量 Wt(kg/h)= 1000"},
         .check = [](const FlowRun& run) {
             EXPECT_FLOAT_EQ(run.r.Wt, 1000.0f);
             EXPECT_NEAR(run.r.Vt, 1000.0 / kAirDensity, 1e-2);
         }},
        {.name = "an SI volume flow is per second", .si = true, .entries = {{"EDIT168", "1"}, {"EDIT132", "0.5"}},
         .entry = RatingEntry::GivenLength,
         .shown = {"130) 管内側ガス流量 --- 1) ノルマル流量 Vt(Nm3/s)", "　2）重量流量 Wt(kg/s)",
                   "132)   → ノルマル流量 Vt(Nm3/s)= 0.5"},
         .check = [](const FlowRun& run) { EXPECT_FLOAT_EQ(run.r.Vt, 1800.0f); }},
        {.name = "an SI mass flow is per second", .si = true, .entries = {{"EDIT168", "2"}, {"EDIT169", "2"}},
         .entry = RatingEntry::GivenLength, .shown = {"135)  → 重量流量 Wt(kg/s)= 2"},
         .check = [](const FlowRun& run) { EXPECT_FLOAT_EQ(run.r.Wt, 7200.0f); }},
        {.name = "an unknown kind is refused with a pause", .entries = {{"EDIT168", "3"}}, .pauses = 1,
         .shown = {"//// 1 or 2 を押して下さい ////"}},
        {.name = "a zero volume flow leaves without a message",
         .entries = {{"EDIT168", "1"}, {"EDIT132", "0"}, {"EDIT169", "0"}}, .notShown = {kLengthLine}},
        {.name = "a zero mass flow leaves without a message",
         .entries = {{"EDIT168", "2"}, {"EDIT132", "0"}, {"EDIT169", "0"}}, .notShown = {kLengthLine}},
    };
    for (const Case& c : cases) expectFlows(c);
}

TEST(WaterInlet, FlowAndTemperatureRange) {
    const Case cases[] = {
        {.name = "old units take the flow in tonnes", .tubeKind = 3,
         .entries = {{"EDIT130", "20"}, {"EDIT169", "2000"}}, .entry = RatingEntry::GivenLength,
         .shown = {"139) 管内側水流量 -------- Wt(kg/h)= 2000"},
         .check = [](const FlowRun& run) {
             EXPECT_EQ(run.r.flags.sTF.view(), "2");
             EXPECT_EQ(run.r.flags.sTAPE.view(), "n");
             EXPECT_FLOAT_EQ(run.r.Tti, 20.0f);
             EXPECT_FLOAT_EQ(run.r.Wt, 2.0f);
             // The density in hand is the start value 1.293.
             EXPECT_NEAR(run.r.Vt, 2000.0 / 1.293, 0.05);
         }},
        {.name = "165 °C is refused", .tubeKind = 3, .entries = {{"EDIT130", "165"}}, .pauses = 1,
         .shown = {"set the temperature(℃) 0<Tti<160"}},
        {.name = "438 K is accepted", .tubeKind = 3, .si = true, .entries = {{"EDIT130", "438"}, {"EDIT169", "0.55"}},
         .entry = RatingEntry::GivenLength,
         .shown = {"140) 管内入側温度 Tti(K)= 438", "141) 管内側水流量 -------- Wt(kg/s)= 0.55"},
         .notShown = {"set the temperature(K) 273<Tti<440"},
         .check = [](const FlowRun& run) {
             EXPECT_FLOAT_EQ(run.r.Tti, 165.0f);
             EXPECT_NEAR(run.r.Wt, 1.98, 1e-5);
         }},
        {.name = "450 K is refused", .tubeKind = 3, .si = true, .entries = {{"EDIT130", "450"}}, .pauses = 1,
         .shown = {"set the temperature(K) 273<Tti<440"}},
        {.name = "a temperature corrected during the pause is taken", .tubeKind = 3, .entries = {{"EDIT130", "170"}},
         .atPause = {{"EDIT130", "90"}}, .entry = RatingEntry::GivenLength, .pauses = 1,
         .shown = {"set the temperature(℃) 0<Tti<160"},
         .check = [](const FlowRun& run) { EXPECT_FLOAT_EQ(run.r.Tti, 90.0f); }},
        {.name = "a zero flow leaves without a message", .tubeKind = 3,
         .entries = {{"EDIT130", "20"}, {"EDIT169", "0"}}},
    };
    for (const Case& c : cases) expectFlows(c);
}

TEST(FlowRoutes, EachProcessingNoTakesItsGivenValues) {
    const Case cases[] = {
        {.name = "No. 1 with the shell outlet takes the shell flow", .no = 1, .givens = true, .answers = {"1"},
         .entry = RatingEntry::GivenShellFlow,
         .shown = {"1 or 2 ｦ ﾌﾟｯｼｭ ｼﾃ ｸﾀﾞｻｲ", "② (A) 次の何れかを指定して下さい", "<1> シェル出側温度  Tso(ﾟC )",
                   "<2> 管段数 及び 管長さ指定 Nv(-),TL(mm)", kShellOutletLine,
                   "⑩ ◇ シェル側ガス流量 -- 1) ノルマル流量 Vs(Nm3/h)", "2）重量流量 Ws(kg/h)         VANS= 2",
                   "⑭  → 重量流量 Ws(kg/h)= 3000"},
         .notShown = {kLengthLine},
         .check = [](const FlowRun& run) {
             EXPECT_FLOAT_EQ(run.r.ChoiceA, 1.0f);
             EXPECT_FLOAT_EQ(run.r.Tso, 100.0f);
             EXPECT_FLOAT_EQ(run.r.TL, 2.0f);
             EXPECT_FLOAT_EQ(run.r.NV, run.r.Nv);
             EXPECT_FLOAT_EQ(run.r.Ws, 3000.0f);
             EXPECT_NEAR(run.r.Vs, 3000.0 / kAirDensity, 0.05);
         }},
        {.name = "No. 1 with rows and length takes the length", .no = 1, .givens = true, .answers = {"2"},
         .entry = RatingEntry::GivenLength, .shown = {kLengthLine}, .notShown = {kShellOutletLine},
         .check = [](const FlowRun& run) {
             EXPECT_FLOAT_EQ(run.r.TL, 1.5f);
             EXPECT_FLOAT_EQ(run.r.ChoiceA, 2.0f);
         }},
        {.name = "choice (A) is asked again after other answers", .no = 2, .givens = true, .answers = {"3", "", "1"},
         .entry = RatingEntry::GivenTubeOutlet,
         .check = [](const FlowRun& run) { EXPECT_EQ(run.count("② (A) 次の何れかを指定して下さい"), 3); }},
        {.name = "choice (A) 00 leaves without a pause", .no = 2, .givens = true, .answers = {"00"}},
        {.name = "No. 2 takes the tube outlet", .no = 2, .givens = true, .answers = {"1"},
         .entry = RatingEntry::GivenTubeOutlet, .shown = {"⑧ ◇ 管内側出側温度-------------- Tto(ﾟC)= 60"},
         .notShown = {"2）重量流量 Ws(kg/h)         VANS= 2"},
         .check = [](const FlowRun& run) { EXPECT_FLOAT_EQ(run.r.Tto, 60.0f); }},
        {.name = "No. 3 takes the shell outlet and the length", .no = 3, .givens = true,
         .entry = RatingEntry::GivenShellFlow, .shown = {kShellOutletLine, kLengthLine},
         .check = [](const FlowRun& run) {
             EXPECT_FLOAT_EQ(run.r.TL, 1.5f);
             EXPECT_FLOAT_EQ(run.r.Ws, 3000.0f);
         }},
        {.name = "No. 4 takes the tube outlet and the length", .no = 4, .givens = true,
         .entry = RatingEntry::GivenTubeOutlet, .shown = {"⑧ ◇ 管内側出側温度-------------- Tto(ﾟC)= 60"},
         .check = [](const FlowRun& run) {
             EXPECT_FLOAT_EQ(run.r.Tso, 100.0f);
             EXPECT_FLOAT_EQ(run.r.TL, 1.5f);
         }},
        {.name = "No. 5 takes the length", .no = 5, .givens = true, .entry = RatingEntry::GivenLength,
         .shown = {kLengthLine}, .notShown = {kShellOutletLine}},
        {.name = "No. 6 takes the length", .no = 6, .givens = true, .entry = RatingEntry::GivenLength,
         .shown = {kLengthLine}, .notShown = {kShellOutletLine}},
        {.name = "No. 7 takes the length", .no = 7, .givens = true, .entry = RatingEntry::GivenLength,
         .shown = {kLengthLine}, .notShown = {kShellOutletLine}},
        {.name = "a zero length leaves without a message", .entries = {{"EDIT157", "0"}}},
        {.name = "SI shell outlet and normal volume flow", .no = 3, .si = true, .givens = true,
         .entries = {{"EDIT134", "373"}, {"EDIT172", "1"}, {"EDIT135", "1"}}, .entry = RatingEntry::GivenShellFlow,
         .shown = {"④ ◇ シェル側出側温度 --------Tso(K)= 373", "⑪  ◇ シェル側ガス流量 -- 1) ノルマル流量 Vs(Nm3/s)",
                   "2）重量流量 Ws(kg/s) 1", "⑬  → ノルマル流量 Vs(Nm3/s)= 1"},
         .check = [](const FlowRun& run) {
             EXPECT_FLOAT_EQ(run.r.Tso, 100.0f);
             EXPECT_FLOAT_EQ(run.r.Vs, 3600.0f);
             EXPECT_NEAR(run.r.Ws, 3600.0 * kAirDensity, 0.05);
         }},
        {.name = "SI shell mass flow", .no = 3, .si = true, .givens = true,
         .entries = {{"EDIT172", "2"}, {"EDIT170", "2"}}, .entry = RatingEntry::GivenShellFlow,
         .shown = {"⑮  → 重量流量 Ws(kg/s)= 2"},
         .check = [](const FlowRun& run) { EXPECT_FLOAT_EQ(run.r.Ws, 7200.0f); }},
        {.name = "SI tube outlet", .no = 4, .si = true, .givens = true, .entries = {{"EDIT131", "333"}},
         .entry = RatingEntry::GivenTubeOutlet, .shown = {"⑨ ◇ 管内側出側温度-------------- Tto(K)= 333"},
         .check = [](const FlowRun& run) { EXPECT_FLOAT_EQ(run.r.Tto, 60.0f); }},
        {.name = "an unknown shell flow kind is refused with a pause", .no = 3, .givens = true,
         .entries = {{"EDIT172", "5"}}, .pauses = 1, .shown = {"**** 1 or 2 を押して下さい"}},
        {.name = "a zero shell volume flow leaves without a message", .no = 3, .givens = true,
         .entries = {{"EDIT172", "1"}, {"EDIT135", "0"}, {"EDIT170", "0"}}},
        {.name = "a zero shell mass flow leaves without a message", .no = 3, .givens = true,
         .entries = {{"EDIT172", "2"}, {"EDIT135", "0"}, {"EDIT170", "0"}}},
    };
    for (const Case& c : cases) expectFlows(c);
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

TEST(FlowStartValues, TapeDiameter) {
    FlowRun run(2, 5);
    run.dialogue();
    run.r.flags.sTAPE = "y";
    run.r.DI = 0.02f;
    run.r.TTh = 0.001f;
    calc::takeFlows(run.s.app, run.r);
    EXPECT_NEAR(run.r.Dh, (3.1416 * 0.0004 - 0.00008) / (0.062832 - 0.002 + 0.04), 1e-6);
    EXPECT_NEAR(run.r.Dh, 0.01167, 1e-5);
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
    testing::CalcRun run;
    testing::ready(run.s, testing::Pair::HumidTubes);
    run.s.enter("FORM5", {{"EDIT157", "1200"}});
    run.begin();
    calc::shellGasDialogue(run.s.app, run.r);
    calc::tubeGasDialogue(run.s.app, run.r);
    EXPECT_EQ(calc::takeFlows(run.s.app, run.r), RatingEntry::GivenLength);
    EXPECT_EQ(run.r.flags.sCOND.view(), "y");
    EXPECT_FLOAT_EQ(run.r.TL, 1.2f);
    EXPECT_EQ(std::count(run.s.platform.waits.begin(), run.s.platform.waits.end(), "read"), 0);  // no choice (A)
}

}  // namespace
}  // namespace cfhx
