// The settings review (construction list, row count by target) and the
// typed-in property path: echo lines, SI conversions, the coefficient
// override, the derived shell values and the inlet settings.
#include <gtest/gtest.h>

#include <algorithm>

#include <functional>
#include <string>
#include <vector>

#include "app/control_flow.h"
#include "calc/heat_transfer.h"
#include "calc/review.h"
#include "support/calc_run.h"
#include "support/sample_runs.h"

namespace cfhx {
namespace {

using testing::Entries;
using testing::hasRun;
using testing::join;
using testing::kConfirmBox;
using testing::linesOf;
using testing::PageLog;
using testing::Pair;
using testing::Session;

// The start stage with the box answered, its wait forgotten.
calc::Record started(Session& s) {
    calc::Record r = testing::startedRecord(s);
    s.platform.waits.clear();
    return r;
}

std::string reviewed(Session& s, calc::Record& r) {
    s.app.pane.clear();
    calc::reviewSettings(s.app, r);
    return s.app.pane.pageText();
}

// ---- Settings review --------------------------------------------------------

TEST(ReviewList, OldUnitsFinnedTube) {
    Session s;
    testing::ready(s, Pair::GasGas);
    s.enter("MAINFORM", join(testing::kRadialFinTube, {{"EDIT20", " 189.5"}, {"EDIT21", " 0.00025"}}));
    calc::Record r = started(s);
    const std::string page = reviewed(s, r);
    const std::string want =
        "\n\n\n\n"
        "                      ＜  基本設定値　＞\n"
        "    ≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡\n"
        "\n"
        "     [1]  管外径-------------------------- Do(mm) =16.00\n"
        "     [2]  管内径-------------------------- Di(mm) =14.00\n"
        "     [3]  管段ﾋﾟｯﾁ最外径比(前面)---------- Pv/Do(-)= 1.30\n"
        "     [4]  管列ﾋﾟｯﾁ最外径比(奥行)---------- Ph/Do(-)= 1.30\n"
        "     [5]  ﾌｨﾝ材熱伝導率-------------- Kf(kcal/mhc)= 189.5\n"
        "     [6]  管材熱伝導率--------------- Km(kcal/mhc)= 395\n"
        "     [7]  管内汚れ係数-------------- Rt(m2hc/kcal)= 0.00025\n"
        "     [8]  管外汚れ係数-------------- Rs(m2hc/kcal)= 0.0005\n"
        " 　　[9] 　ﾌｨﾝﾋﾟｯﾁ(山数/ｲﾝﾁ)---------------- Fp(-)= 6\n"
        "     [10]  ﾌｨﾝ高さ------------------------- Fh(mm)=14.00\n"
        "     [11]  ﾌｨﾝ肉厚------------------------- Ft(mm)= 0.30\n"
        "    ≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡\n";
    EXPECT_EQ(page, want);
    EXPECT_TRUE(s.platform.waits.empty());
}

TEST(ReviewList, ItemsOfEachTubeAndUnitSystem) {
    struct Case {
        const char* name;
        bool si;
        Entries construction = {};  // MAINFORM
        std::vector<std::string> rows = {};
        const char* absent;  // nullptr: nothing
    };
    const Case cases[] = {
        {.name = "SI prints the values as typed", .si = true,
         .construction = join(testing::kRadialFinTube, {{"EDIT20", " 116.3"}, {"EDIT19", " 395"},
                                                        {"EDIT21", " 0.0008598"}, {"EDIT22", " 0.00043"}}),
         .rows = {"     [5]  ﾌｨﾝ材熱伝導率------------------ Kf(W/mk)=116.3",
                  "     [6]  管材熱伝導率------------------- Km(W/mk)=395.0",
                  "     [7]  管内汚れ係数------------------ Rt(m2k/W)=.00086",
                  "     [8]  管外汚れ係数------------------ Rs(m2k/W)=.00043"},
         .absent = "kcal"},
        {.name = "a plate fin omits the fin height", .si = false,
         .construction = {{"EDIT14", " 3"}, {"EDIT15", " 9"}, {"EDIT16", "   －"}, {"EDIT17", " 0.3"},
                          {"EDIT20", " 189"}},
         .rows = {" 　　[9] 　ﾌｨﾝﾋﾟｯﾁ(山数/ｲﾝﾁ)---------------- Fp(-)= 9",
                  "     [11]  ﾌｨﾝ肉厚------------------------- Ft(mm)= 0.30"},
         .absent = "[10]"},
        {.name = "a bare tube shows its empty fin items", .si = false, .construction = {},
         .rows = {" 　　[9] 　ﾌｨﾝﾋﾟｯﾁ(山数/ｲﾝﾁ)---------------- Fp(-)= 0",
                  "     [10]  ﾌｨﾝ高さ------------------------- Fh(mm)= 0.00",
                  "     [11]  ﾌｨﾝ肉厚------------------------- Ft(mm)= 0.00"},
         .absent = nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Session s;
        testing::ready(s, Pair::GasGas, c.si);
        s.enter("MAINFORM", c.construction);
        calc::Record r = started(s);
        if (c.si) {
            EXPECT_FLOAT_EQ(r.Kf, 100.0f);  // the engine holds kcal/mh°C
        }
        const std::string page = reviewed(s, r);
        EXPECT_TRUE(hasRun(page, c.rows)) << page;
        if (c.absent) {
            EXPECT_EQ(page.find(c.absent), std::string::npos);
        }
    }
}

// ---- Row count by calculation target -------------------------------------------

TEST(ReviewRows, EachTargetWithAndWithoutRows) {
    enum class Rows {
        Needed,    // missing rows stop the run
        Computed,  // set rows are released
        Given,     // processing No. 7, tried with its rows only
    };
    struct Case {
        int no;
        Rows rows;
        float choiceA;  // the preset of the set-up choice
    };
    const Case cases[] = {
        {1, Rows::Needed, 1}, {2, Rows::Needed, 1}, {3, Rows::Computed, 1}, {4, Rows::Computed, 1},
        {5, Rows::Needed, 2}, {6, Rows::Needed, 2}, {7, Rows::Given, 0},
    };
    const std::vector<std::string> released = {"    ≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡", "",
                                               "   注)  ★★　既設定管段数は解除されます。★★"};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.no);
        Session s;
        testing::ready(s, Pair::GasGas);
        calc::Record r = started(s);
        r.ProcessingNo = static_cast<float>(c.no);
        std::string page = reviewed(s, r);
        if (c.rows == Rows::Computed) {
            EXPECT_TRUE(hasRun(page, released)) << page;
        } else {
            EXPECT_EQ(page.find("★"), std::string::npos) << page;
        }
        EXPECT_TRUE(s.platform.waits.empty());
        EXPECT_EQ(r.ChoiceA, c.choiceA);

        r.Nv = 0.0f;
        if (c.rows == Rows::Needed) {
            s.platform.pausesAllowed = 1;
            EXPECT_THROW(reviewed(s, r), LeaveCalculation);
            EXPECT_EQ(s.platform.waits, std::vector<std::string>{"pause"});
            EXPECT_EQ(linesOf(s.app.pane.pageText()).back(), "    ★ 管段数を設定してください 。");
        } else if (c.rows == Rows::Computed) {
            page = reviewed(s, r);
            EXPECT_EQ(page.find("注)"), std::string::npos);
            EXPECT_TRUE(s.platform.waits.empty());
        }
    }
}

TEST(ReviewRows, ThroughTheButtonThePauseLeavesForTheScreens) {
    Session s;
    testing::ready(s, Pair::GasGas, false, 1);
    s.enter("MAINFORM", {{"EDIT26", ""}});
    PageLog log;
    s.app.pane.setObserver(&log);
    s.platform.yesNo.push_back(true);
    s.platform.pausesAllowed = 1;
    ASSERT_TRUE(s.click("MAINFORM.BUTTON9"));
    s.app.pane.setObserver(nullptr);
    EXPECT_EQ(s.platform.waits, (std::vector<std::string>{kConfirmBox, "pause"}));
    EXPECT_EQ(linesOf(log.pages.back()).back(), "    ★ 管段数を設定してください 。");
    EXPECT_EQ(s.text("MAINFORM.BUTTON27"), " 設定確認");
    EXPECT_TRUE(s.enabled("MAINFORM.BUTTON9"));
}

TEST(ReviewRows, ThroughTheButtonComputedRowsAreMarked) {
    Session s;
    testing::ready(s, Pair::GasGas, false, 3);
    PageLog log;
    s.app.pane.setObserver(&log);
    s.platform.yesNo.push_back(true);
    s.platform.lines.push_back(testing::kRecalculate);  // the result's menu
    ASSERT_TRUE(s.click("MAINFORM.BUTTON9"));
    s.app.pane.setObserver(nullptr);
    // The review page is followed by the gas dialogue's pages.
    bool marked = false;
    for (const std::string& page : log.pages)
        marked = marked || hasRun(page, {"   注)  ★★　既設定管段数は解除されます。★★", "",
                                         "＜ 直交流型又は直交流型向流ﾊﾟｽ熱交換器の計算条件です＞"});
    EXPECT_TRUE(marked);
    EXPECT_EQ(s.text("MAINFORM.EDIT26"), "");  // marked, then blanked by the return path
}

// ---- Typed-in properties -------------------------------------------------------

// The start stage and the typed-in properties on a fresh page.
calc::Record manualTaken(Session& s, const std::function<void(calc::Record&)>& beforeTaking = {}) {
    calc::Record r = started(s);
    if (beforeTaking) beforeTaking(r);
    s.app.pane.clear();
    calc::takeManualProperties(s.app, r);
    return r;
}

TEST(ManualProperties, EachPhaseInBothUnitSystems) {
    struct Case {
        const char* name;
        bool si;
        const char* heatClass;
        const char* phase;
        Entries entries = {};  // "SCREEN.CONTROL"
        std::function<void(calc::Record&)> beforeTaking = {};
        std::vector<std::vector<std::string>> runs = {};  // each stands in the page
        const char* absent;                          // nullptr: nothing
        std::function<void(const calc::Record&)> check = {};
    };
    // Both dry-gas forms hold the same record.
    const auto dryGas = [](const calc::Record& r) {
        EXPECT_EQ(r.flags.sVAP, "n");
        EXPECT_FLOAT_EQ(r.FF, 0.8f);  // only the vapour fixes the correction
        EXPECT_FLOAT_EQ(r.Ct, 0.25f);
        EXPECT_EQ(r.hfg, 0.0f);
    };
    const Case cases[] = {
        {.name = "liquid in old units", .si = false, .heatClass = "RADIO7", .phase = "",
         .runs = {{
             "", "", "",
             "     29)MANU1= 1",
             "     1． 管内側液体の平均物性値入力。",
             "      45) <1> 液比重 .......... Dtl(kg/m3)= 998",
             "      46) <2> 液比熱 .......... Ctl(kcal/kg℃)= 1",
             "      47) <3> 液熱伝導率....... Ktl(kcal/mh℃)= 0.51",
             "      48) <4> 液動粘性係数..... VItl(m2/h)= 0.0036",
             "",
             "       66) ○ 熱伝達率の強制指定 --- 1) 指定しない(計算から求める)。",
             "                                  2) 管内側指定",
             "                                  3) ｼｪﾙ側指定",
             "                                  4) 管内側/ｼｪﾙ側 指定 1",
             "",
             "",
             "     30) ｼｪﾙ側流体平均物性値を入力して下さい。",
             "       <1> 比重..........Ds(kg/m3)= 1.17",
             "       <2> 比熱..........Cs(kcal/kg℃)= 0.24",
             "       <3> 熱伝導率......Ks(kcal/mh℃)= 0.056",
             "       <4> 動粘性係数....VIs(m2/h)= 0.022",
         }},
         .absent = nullptr,
         .check = [](const calc::Record& r) {
             EXPECT_FLOAT_EQ(r.Dt, 998.0f);
             EXPECT_FLOAT_EQ(r.Ct, 1.0f);
             EXPECT_FLOAT_EQ(r.Kt, 0.51f);
             EXPECT_FLOAT_EQ(r.VIt, 0.0036f);
             EXPECT_FLOAT_EQ(r.Ds, 1.17f);
             EXPECT_FLOAT_EQ(r.VIs, 0.022f);
             EXPECT_EQ(r.TubeHeatClass, 1.0f);
             EXPECT_EQ(r.flags.sCOND, "n");
             EXPECT_EQ(r.flags.sHUM, "3");
             EXPECT_TRUE(r.flags.sVAP.empty());
         }},
        {.name = "liquid in SI is echoed as typed, then converted", .si = true, .heatClass = "RADIO7", .phase = "",
         .entries = {{"FORM5.EDIT142", "4.1868"}, {"FORM5.EDIT143", "0.5815"}, {"FORM5.EDIT144", "1E-6"},
                     {"FORM5.EDIT150", "1.0467"}, {"FORM5.EDIT151", "0.02326"}, {"FORM5.EDIT152", "5E-6"}},
         .runs = {{"      62) <1> 液比重 .......... Dtl(kg/m3)= 998",
                   "      63）<2> 液比熱 .......... Ctl(kJ/kgK)= 4.1868",
                   "      64) <3> 液熱伝導率....... Ktl(W/mK)= 0.5815",
                   "      65) <4> 液動粘性係数..... VIt(m2/s)= 1E-06"},
                  {"       <1> 比重..........Ds(kg/m3)= 1.17",
                   "       <2> 比熱..........Cs(kJ/kgK)= 1.0467",
                   "       <3> 熱伝導率......Ks(W/mK)= 0.02326",
                   "       <4> 動粘性係数....VIs(m2/s)= 5E-06"}},
         .absent = nullptr,
         .check = [](const calc::Record& r) {
             EXPECT_FLOAT_EQ(r.Ct, 1.0f);
             EXPECT_FLOAT_EQ(r.Kt, 0.5f);
             EXPECT_FLOAT_EQ(r.VIt, 0.0036f);
             EXPECT_FLOAT_EQ(r.Dt, 998.0f);
             EXPECT_FLOAT_EQ(r.Cs, 0.25f);
             EXPECT_FLOAT_EQ(r.Ks, 0.02f);
             EXPECT_FLOAT_EQ(r.VIs, 0.018f);
         }},
        {.name = "condensing vapour in old units: no tape, no corrections", .si = false, .heatClass = "RADIO8",
         .phase = "RADIO9",
         .entries = {{"MAINFORM.EDIT31", " 2"}, {"MAINFORM.EDIT32", " 1"}, {"MAINFORM.EDIT33", " 100"}},
         .beforeTaking = [](calc::Record& r) {
             EXPECT_EQ(r.flags.sTAPE, "y");
             r.FF = 0.8f;
             r.Fthe = 0.7f;
         },
         .runs = {{"     29)MANU1= 2",
                   "     31) 管内側伝熱形態の選定。",
                   "                   <1> 単一成分系飽和蒸気凝縮",
                   "                   <2> 乾きガス               1",
                   "",
                   "      32) <1> 凝縮潜熱　........... hfg(kcal/kg)= 450",
                   "      33) <2> 飽和蒸気比重 ........ Dt(kg/m3)= 0.598",
                   "      34) <3> 飽和蒸気比熱  ....... Ct(kcal/kg℃)= 0.501",
                   "      35) <4> 飽和蒸気熱伝導率..... Kt(kcal/mh℃)= 0.02",
                   "      36) <5> 飽和蒸気動粘性係数... VIt(m2/h)= 0.075",
                   "",
                   "      37) <6> 凝縮液比重 .......... Dsl(kg/m3)= 958.4",
                   "      38) <7> 凝縮液比熱 .......... Ctl(kcal/kg℃)= 1.007",
                   "      39) <8> 凝縮液熱伝導率 ...... Ktl(kcal/mh℃)= 0.586",
                   "      40) <9> 凝縮液動粘性係数 .... VItl(m2/h)= 0.0011",
                   "",
                   "       66) ○ 熱伝達率の強制指定 --- 1) 指定しない(計算から求める)。"}},
         .absent = nullptr,
         .check = [](const calc::Record& r) {
             EXPECT_EQ(r.flags.sVAP, "y");
             EXPECT_EQ(r.flags.sTAPE, "n");
             EXPECT_FALSE(calc::tapeFitted(r));
             EXPECT_EQ(r.FF, 1.0f);
             EXPECT_EQ(r.Fthe, 1.0f);
             EXPECT_FLOAT_EQ(r.hfg, 450.0f);
             EXPECT_FLOAT_EQ(r.Dsl, 958.4f);
             EXPECT_FLOAT_EQ(r.VItl, 0.0011f);
             EXPECT_FLOAT_EQ(r.Dt, 0.598f);
         }},
        {.name = "condensing vapour in SI", .si = true, .heatClass = "RADIO8", .phase = "RADIO9",
         .entries = {{"FORM5.EDIT140", "2093.4"}, {"FORM5.EDIT142", "2.0934"}, {"FORM5.EDIT143", "0.02326"},
                     {"FORM5.EDIT144", "2E-5"}, {"FORM5.EDIT146", "4.1868"}, {"FORM5.EDIT147", "0.6978"},
                     {"FORM5.EDIT164", "3E-7"}},
         .runs = {{"      49) <1> 凝縮潜熱　........... hfg(kJ/kg)= 2093.4",
                   "      50) <2> 飽和蒸気比重 ........ Dt(kg/m3)= 0.598",
                   "      51) <3> 飽和蒸気比熱  ....... Ct(kJ/kgK)= 2.0934",
                   "      52) <4> 飽和蒸気熱伝導率..... Kt(W/mK)= 0.02326",
                   "      53) <5> 飽和蒸気動粘性係数... VIt(m2/s)= 2E-05",
                   "",
                   "      54) <6> 凝縮液比重 .......... Dsl(kg/m3)= 958.4",
                   "      55) <7> 凝縮液比熱 .......... Ctl(kJ/kgK)= 4.1868",
                   "      56) <8> 凝縮液熱伝導率 ...... Ktl(W/mK)= 0.6978",
                   "      57) <9> 凝縮液動粘性係数 .... VItl(m2/s)= 3E-07"}},
         .absent = nullptr,
         .check = [](const calc::Record& r) {
             EXPECT_FLOAT_EQ(r.hfg, 500.0f);
             EXPECT_FLOAT_EQ(r.Ct, 0.5f);
             EXPECT_FLOAT_EQ(r.Kt, 0.02f);
             EXPECT_FLOAT_EQ(r.VIt, 0.072f);
             EXPECT_FLOAT_EQ(r.Dsl, 958.4f);  // densities as typed
             EXPECT_FLOAT_EQ(r.Ctl, 1.0f);
             EXPECT_FLOAT_EQ(r.Ktl, 0.6f);
             EXPECT_FLOAT_EQ(r.VItl, 0.00108f);
         }},
        {.name = "dry gas form in old units", .si = false, .heatClass = "RADIO8", .phase = "RADIO9",
         .entries = {{"FORM7.EDIT179", "2"}, {"FORM5.EDIT142", "0.25"}},
         .beforeTaking = [](calc::Record& r) { r.FF = 0.8f; },
         .runs = {{"                   <2> 乾きガス               2",
                   "",
                   "      41) <1> ガス比重 .......... Dt(kg/m3)= 0.598",
                   "      42) <2> ガス比熱 .......... Ct(kcal/kg℃)= 0.25",
                   "      43) <3> ガス熱伝導率....... Kt(kcal/mh℃)= 0.02",
                   "      44) <4> ガス動粘性係数..... VIt(m2/h)= 0.075",
                   ""}},
         .absent = "凝縮潜熱", .check = dryGas},
        {.name = "dry gas form in SI", .si = true, .heatClass = "RADIO8", .phase = "RADIO9",
         .entries = {{"FORM7.EDIT179", "2"}, {"FORM5.EDIT142", "1.04670"}},
         .beforeTaking = [](calc::Record& r) { r.FF = 0.8f; },
         .runs = {{"                   <2> 乾きガス               2",
                   "",
                   "      58) <1> ガス比重 .......... Dt(kg/m3)= 0.598",
                   "      59) <2> ガス比熱 .......... Ct(kJ/kgK)= 1.0467",
                   "      60) <3> ガス熱伝導率....... Kt(W/mK)= 0.023",
                   "      61) <4> ガス動粘性係数..... VIt(m2/s)= 2.08E-05",
                   ""}},
         .absent = "凝縮潜熱", .check = dryGas},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Session s;
        testing::readyManual(s, c.si, c.heatClass, c.phase);
        s.enter(c.entries);
        const calc::Record r = manualTaken(s, c.beforeTaking);
        const std::string page = s.app.pane.pageText();
        for (const auto& run : c.runs) EXPECT_TRUE(hasRun(page, run)) << page;
        if (c.absent) {
            EXPECT_EQ(page.find(c.absent), std::string::npos);
        }
        EXPECT_TRUE(s.platform.waits.empty());
        c.check(r);
    }
}

TEST(ManualProperties, CodesOutsideTheirRangeLeave) {
    struct Case {
        const char* name;
        const char* heatClass;
        const char* phase;
        Entries options;  // FORM7
        std::vector<std::string> waits;
        std::function<void(const std::string& page, const calc::Record&)> check;
    };
    const Case cases[] = {
        {.name = "a heat class other than 1 or 2 leaves with a note", .heatClass = "RADIO7", .phase = "",
         .options = {{"EDIT178", "3"}}, .waits = {"pause"},
         .check = [](const std::string& page, const calc::Record&) {
             EXPECT_EQ(page, "\n\n\n     29)MANU1= 3\n     1 or 2を入力して下さい");
         }},
        {.name = "no phase form leaves with a note", .heatClass = "RADIO8", .phase = "RADIO9",
         .options = {{"EDIT179", ""}}, .waits = {"pause"},
         .check = [](const std::string& page, const calc::Record& r) {
             EXPECT_TRUE(hasRun(page, {"                   <2> 乾きガス               0", "", "",
                                       "     1 or 2を入力して下さい"}))
                 << page;
             EXPECT_TRUE(r.flags.sVAP.empty());
         }},
        {.name = "a coefficient mode outside 1 to 4 leaves without a pause", .heatClass = "RADIO7", .phase = "",
         .options = {{"EDIT180", "5"}}, .waits = {},
         .check = [](const std::string& page, const calc::Record&) {
             EXPECT_EQ(page.find("30)"), std::string::npos);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Session s;
        testing::readyManual(s, false, c.heatClass, c.phase);
        s.enter("FORM7", c.options);
        calc::Record r = started(s);
        s.app.pane.clear();
        s.platform.pausesAllowed = static_cast<int>(c.waits.size());
        EXPECT_THROW(calc::takeManualProperties(s.app, r), LeaveCalculation);
        EXPECT_EQ(s.platform.waits, c.waits);
        c.check(s.app.pane.pageText(), r);
    }
}

// ---- Given heat-transfer coefficients -----------------------------------------------

TEST(ManualCoefficients, EachModeEchoesItsGivenValues) {
    struct Case {
        const char* radio;
        float mode;
        bool tube, shell;
    };
    const Case cases[] = {
        {"RADIO11", 1, false, false},
        {"RADIO12", 2, true, false},
        {"RADIO13", 3, false, true},
        {"RADIO14", 4, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.radio);
        Session s;
        testing::readyManual(s, false, "RADIO7", "", c.radio);
        if (c.tube) s("FORM7.EDIT181").setText("120");
        if (c.shell) s("FORM7.EDIT182").setText("45.5");
        calc::Record r = manualTaken(s);
        const std::string page = s.app.pane.pageText();
        EXPECT_EQ(r.HtcMode, c.mode);
        EXPECT_TRUE(hasRun(page, {"                                  4) 管内側/ｼｪﾙ側 指定 " +
                                      std::to_string(static_cast<int>(c.mode)),
                                  ""}))
            << page;
        const std::string tube = "  　　67)　○ 管内側熱伝達率 ----- ht(kcalm2hc)= 120";
        const std::string shell = "  　　69)　○ ｼｪﾙ側熱伝達率 ----- ht(kcalm2hc)= 45.5";
        EXPECT_EQ(hasRun(page, {tube, ""}), c.tube) << page;
        EXPECT_EQ(page.find("69)") != std::string::npos, c.shell) << page;
        if (c.shell) {
            EXPECT_TRUE(hasRun(page, {shell, "", "     30) ｼｪﾙ側流体平均物性値を入力して下さい。"})) << page;
        }
        EXPECT_FLOAT_EQ(r.HtUser, c.tube ? 120.0f : 0.0f);
        EXPECT_FLOAT_EQ(r.HsUser, c.shell ? 45.5f : 0.0f);
    }
}

TEST(ManualCoefficients, SiValuesAreTypedInWattsAndHeldInKcal) {
    Session s;
    testing::readyManual(s, true, "RADIO7", "", "RADIO14");
    s("FORM7.EDIT181").setText("116.3");
    s("FORM7.EDIT182").setText("58.15");
    calc::Record r = manualTaken(s);
    const std::string page = s.app.pane.pageText();
    EXPECT_TRUE(hasRun(page, {"   　 68)　○ 管内側熱伝達率 ----- ht(W/m2K)= 116.3", "",
                              "  　　70)　○ ｼｪﾙ側熱伝達率 ----- ht(W/m2K)= 58.15"}))
        << page;
    EXPECT_FLOAT_EQ(r.HtUser, 100.0f);
    EXPECT_FLOAT_EQ(r.HsUser, 50.0f);
    EXPECT_TRUE(calc::tubeCoefficientGiven(r));
    EXPECT_TRUE(calc::shellCoefficientGiven(r));
}

// ---- Derived values --------------------------------------------------------------------

TEST(ManualDerived, ShellGroupsAndRatios) {
    Session s;
    testing::readyManual(s, false, "RADIO7");
    calc::Record r = manualTaken(s);
    const float Pr = 0.24f * 1.17f * 0.022f / 0.056f;
    EXPECT_NEAR(r.Pb, Pr, 1e-6f);
    EXPECT_NEAR(r.Pb, 0.1103f, 1e-4f);
    EXPECT_EQ(r.Pbw, r.Pb);
    EXPECT_NEAR(r.As, 0.056f / (0.24f * 1.17f), 1e-6f);
    EXPECT_FLOAT_EQ(r.VIs / r.As, Pr);  // the two bank forms see one Prandtl number
    EXPECT_FLOAT_EQ(r.MS, 0.622f);
    EXPECT_FLOAT_EQ(r.MT, 0.622f);
    EXPECT_EQ(r.Pvis, r.VIt);
}

// ---- Inlet settings ---------------------------------------------------------------------

TEST(ManualInlet, EchoAndFlowsOfEachFluid) {
    struct Case {
        const char* name;
        bool si;
        const char* heatClass;
        const char* phase;
        const char* page;
        std::function<void(const calc::Record&)> check = {};
    };
    const Case cases[] = {
        {.name = "liquid in old units", .si = false, .heatClass = "RADIO7", .phase = "",
         .page = "\n\n\n"
                 "   71)  ○ ｼｪﾙ入側温度 ------------ Tsi(ﾟc)= 200\n"
                 "\n"
                 "    73) ○ ｼｪﾙ入側流量 ------------ Ws(kg/h)= 2000\n"
                 "\n"
                 "   75)　○ 管内側流体入り側温度 ---------- Tti(ﾟc)= 20\n"
                 "   79)　○ 管内側流体流量 ---------------- Wt(kg/h)= 2000\n"
                 "\n",
         .check = [](const calc::Record& r) {
             EXPECT_FLOAT_EQ(r.Tsi, 200.0f);
             EXPECT_FLOAT_EQ(r.T3, 200.0f);
             EXPECT_FLOAT_EQ(r.Tti, 20.0f);
             EXPECT_FLOAT_EQ(r.Ws, 2000.0f);
             EXPECT_FLOAT_EQ(r.Vsa, 2000.0f / 1.17f);
             EXPECT_FLOAT_EQ(r.WsCs, 2000.0f * 0.24f);
             EXPECT_FLOAT_EQ(r.Wt, 2000.0f);
             EXPECT_FLOAT_EQ(r.Wtt, 2.0f);
             EXPECT_FLOAT_EQ(r.WtCt, 2000.0f);
             EXPECT_FLOAT_EQ(r.Vta, 10000.1f);  // a liquid keeps the start value
         }},
        {.name = "gas in SI", .si = true, .heatClass = "RADIO8", .phase = "RADIO9",
         .page = "\n\n\n"
                 "   72)　○ ｼｪﾙ入側温度 ------------ Tsi(K)= 293\n"
                 "    74) ○ ｼｪﾙ入側流量 ------------ Ws(kg/s)= 1\n"
                 "\n"
                 "   76)　○ 管内側流体入り側温度 ---------- Tti(K)= 373\n"
                 "   78)　○ 管内側ガス流量 ---------------- Wt(kg/s)= 0.025\n"
                 "\n",
         .check = [](const calc::Record& r) {
             EXPECT_FLOAT_EQ(r.Tsi, 20.0f);
             EXPECT_FLOAT_EQ(r.T3, 20.0f);
             EXPECT_FLOAT_EQ(r.Tti, 100.0f);
             EXPECT_FLOAT_EQ(r.Ws, 3600.0f);
             EXPECT_FLOAT_EQ(r.Wt, 90.0f);
             EXPECT_FLOAT_EQ(r.Vta, 90.0f / 0.598f);
             EXPECT_FLOAT_EQ(r.WtCt, 90.0f * r.Ct);
             EXPECT_FLOAT_EQ(r.WsCs, 3600.0f * r.Cs);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Session s;
        testing::readyManual(s, c.si, c.heatClass, c.phase);
        calc::Record r = manualTaken(s);
        s.app.pane.clear();
        calc::takeManualInletSettings(s.app, r);
        EXPECT_EQ(s.app.pane.pageText(), c.page);
        c.check(r);
    }
}

TEST(ManualInlet, ZeroFlowsLeaveWithoutAWord) {
    for (const char* field : {"FORM5.EDIT170", "FORM5.EDIT169"}) {
        for (const char* heatClass : {"RADIO7", "RADIO8"}) {
            SCOPED_TRACE(std::string(field) + heatClass);
            Session s;
            testing::readyManual(s, false, heatClass, std::string(heatClass) == "RADIO8" ? "RADIO9" : "");
            calc::Record r = manualTaken(s);
            s(field).setText("");
            s.app.pane.clear();
            EXPECT_THROW(calc::takeManualInletSettings(s.app, r), LeaveCalculation);
            EXPECT_TRUE(s.platform.waits.empty());
            EXPECT_EQ(s.app.pane.pageText().find("★"), std::string::npos);
        }
    }
}

// ---- The run behind the button ------------------------------------------------------------

TEST(ManualRun, ReviewHeadingAndPropertiesInOrder) {
    Session s;
    testing::readyManual(s, false, "RADIO7", "", "RADIO12");
    s("FORM7.EDIT181").setText("80");
    PageLog log;
    s.app.pane.setObserver(&log);
    s.platform.yesNo.push_back(true);
    s.platform.lines.push_back(testing::kRecalculate);  // the result's menu
    ASSERT_TRUE(s.click("MAINFORM.BUTTON9"));
    s.app.pane.setObserver(nullptr);
    EXPECT_EQ(s.platform.waits, (std::vector<std::string>{kConfirmBox, "read"}));
    // The page cleared after the properties holds the whole dialogue.
    const auto held = std::find_if(log.pages.begin(), log.pages.end(),
                                   [](const std::string& p) { return p.find("＜  基本設定値　＞") != std::string::npos; });
    ASSERT_NE(held, log.pages.end());
    const std::string& page = *held;
    const size_t review = page.find("＜  基本設定値　＞");
    const size_t heading = page.find("＜ 直交流型又は直交流型向流ﾊﾟｽ熱交換器の計算条件です＞");
    const size_t code = page.find("29)MANU1= 1");
    const size_t given = page.find("67)　○ 管内側熱伝達率 ----- ht(kcalm2hc)= 80");
    const size_t shell = page.find("<4> 動粘性係数....VIs(m2/h)= 0.022");
    ASSERT_NE(review, std::string::npos) << page;
    ASSERT_NE(heading, std::string::npos) << page;
    ASSERT_NE(code, std::string::npos) << page;
    ASSERT_NE(given, std::string::npos) << page;
    ASSERT_NE(shell, std::string::npos) << page;
    EXPECT_LT(review, heading);
    EXPECT_LT(heading, code);
    EXPECT_LT(code, given);
    EXPECT_LT(given, shell);
    EXPECT_EQ(s.text("MAINFORM.BUTTON27"), " 設定確認");
}

}  // namespace
}  // namespace cfhx
