// The settings review (construction list, row count by target) and the
// typed-in property path: echo lines, SI conversions, the coefficient
// override, the derived shell values and the inlet settings.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "app/control_flow.h"
#include "support/calc_pages.h"
#include "calc/heat_transfer.h"
#include "calc/review.h"
#include "calc/start.h"
#include "input/input_paths.h"

namespace cfhx {
namespace {

using testing::Session;

const std::string& kBox = testing::kConfirmBox;

using testing::PageLog;

std::vector<std::string> lines(const std::string& page) {
    std::vector<std::string> out;
    std::istringstream in(page);
    for (std::string l; std::getline(in, l);) out.push_back(l);
    if (!page.empty() && page.back() == '\n') out.push_back("");
    return out;
}

// True when `want` stands in `page` as consecutive lines.
bool hasRun(const std::string& page, const std::vector<std::string>& want) {
    const auto got = lines(page);
    for (size_t i = 0; i + want.size() <= got.size(); ++i) {
        size_t k = 0;
        while (k < want.size() && got[i + k] == want[k]) ++k;
        if (k == want.size()) return true;
    }
    return false;
}

void setMain(Session& s, const char* field, const char* text) { s(std::string("MAINFORM.") + field).setText(text); }

// Gas in the tubes and outside, sample bundle and values, processing No.
void readyGas(Session& s, bool si, int no = 5) {
    testing::openGasShell(s, si, 2, no);
    s.click("MAINFORM.BUTTON22");
    s.click("FORM5.BUTTON53");
    s.click("FORM5.BUTTON30");
    ASSERT_TRUE(s.enabled("MAINFORM.BUTTON9")) << s.text("FORM5.TEXT127");
}

// Typed-in properties with FORM7's options and FORM5's sample values.
void readyManual(Session& s, bool si, const char* heatClass, const char* phase = "", const char* htc = "RADIO11") {
    testing::openManual(s, si, heatClass, phase, htc);
    if (!*phase) s.click("MAINFORM.BUTTON22");
    s.click("FORM5.BUTTON53");
    s.click("FORM5.BUTTON30");
    ASSERT_TRUE(s.enabled("MAINFORM.BUTTON9")) << s.text("FORM5.TEXT127");
}

calc::Record started(Session& s) {
    calc::Record r = calc::freshRecord();
    s.platform.yesNo.push_back(true);
    calc::startCalculation(s.app, r);
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
    readyGas(s, false);
    setMain(s, "EDIT14", " 2");
    setMain(s, "EDIT15", " 6");
    setMain(s, "EDIT16", " 14");
    setMain(s, "EDIT17", " 0.3");
    setMain(s, "EDIT20", " 189.5");
    setMain(s, "EDIT21", " 0.00025");
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

TEST(ReviewList, SiPrintsTheValuesAsTyped) {
    Session s;
    readyGas(s, true);
    setMain(s, "EDIT14", " 2");
    setMain(s, "EDIT15", " 6");
    setMain(s, "EDIT16", " 14");
    setMain(s, "EDIT17", " 0.3");
    setMain(s, "EDIT20", " 116.3");
    setMain(s, "EDIT19", " 395");
    setMain(s, "EDIT21", " 0.0008598");
    setMain(s, "EDIT22", " 0.00043");
    calc::Record r = started(s);
    ASSERT_FLOAT_EQ(r.Kf, 100.0f);  // the engine holds kcal/mh°C
    const std::string page = reviewed(s, r);
    EXPECT_TRUE(hasRun(page, {
        "     [5]  ﾌｨﾝ材熱伝導率------------------ Kf(W/mk)=116.3",
        "     [6]  管材熱伝導率------------------- Km(W/mk)=395.0",
        "     [7]  管内汚れ係数------------------ Rt(m2k/W)=.00086",
        "     [8]  管外汚れ係数------------------ Rs(m2k/W)=.00043",
    })) << page;
    EXPECT_EQ(page.find("kcal"), std::string::npos);
}

TEST(ReviewList, PlateFinOmitsTheFinHeight) {
    Session s;
    readyGas(s, false);
    setMain(s, "EDIT14", " 3");
    setMain(s, "EDIT15", " 9");
    setMain(s, "EDIT16", "   －");
    setMain(s, "EDIT17", " 0.3");
    setMain(s, "EDIT20", " 189");
    calc::Record r = started(s);
    const std::string page = reviewed(s, r);
    EXPECT_TRUE(hasRun(page, {
        " 　　[9] 　ﾌｨﾝﾋﾟｯﾁ(山数/ｲﾝﾁ)---------------- Fp(-)= 9",
        "     [11]  ﾌｨﾝ肉厚------------------------- Ft(mm)= 0.30",
    })) << page;
    EXPECT_EQ(page.find("[10]"), std::string::npos);
}

TEST(ReviewList, BareTubeShowsItsEmptyFinItems) {
    Session s;
    readyGas(s, false);
    calc::Record r = started(s);
    const std::string page = reviewed(s, r);
    EXPECT_TRUE(hasRun(page, {
        " 　　[9] 　ﾌｨﾝﾋﾟｯﾁ(山数/ｲﾝﾁ)---------------- Fp(-)= 0",
        "     [10]  ﾌｨﾝ高さ------------------------- Fh(mm)= 0.00",
        "     [11]  ﾌｨﾝ肉厚------------------------- Ft(mm)= 0.00",
    })) << page;
}

// ---- Row count by calculation target -------------------------------------------

TEST(ReviewRows, MissingRowsStopTargetsThatGiveThem) {
    for (int no : {1, 2, 5, 6}) {
        SCOPED_TRACE(no);
        Session s;
        readyGas(s, false);
        calc::Record r = started(s);
        r.ProcessingNo = static_cast<float>(no);
        r.Nv = 0.0f;
        s.platform.pausesAllowed = 1;
        EXPECT_THROW(reviewed(s, r), LeaveCalculation);
        EXPECT_EQ(s.platform.waits, std::vector<std::string>{"pause"});
        EXPECT_EQ(lines(s.app.pane.pageText()).back(), "    ★ 管段数を設定してください 。");
    }
}

TEST(ReviewRows, SetRowsAreReleasedWhenComputed) {
    for (int no : {3, 4}) {
        SCOPED_TRACE(no);
        Session s;
        readyGas(s, false);
        calc::Record r = started(s);
        r.ProcessingNo = static_cast<float>(no);
        std::string page = reviewed(s, r);
        EXPECT_TRUE(hasRun(page, {"    ≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡", "",
                                  "   注)  ★★　既設定管段数は解除されます。★★"}))
            << page;
        r.Nv = 0.0f;
        page = reviewed(s, r);
        EXPECT_EQ(page.find("注)"), std::string::npos);
        EXPECT_TRUE(s.platform.waits.empty());
    }
}

TEST(ReviewRows, TargetsWithRowsGoOnQuietly) {
    for (int no : {1, 2, 5, 6, 7}) {
        Session s;
        readyGas(s, false);
        calc::Record r = started(s);
        r.ProcessingNo = static_cast<float>(no);
        const std::string page = reviewed(s, r);
        EXPECT_EQ(page.find("★"), std::string::npos) << no;
        EXPECT_TRUE(s.platform.waits.empty()) << no;
    }
}

TEST(ReviewRows, PresetOfTheSetUpChoice) {
    const float want[] = {0, 1, 1, 1, 1, 2, 2, 0};
    for (int no = 1; no <= 7; ++no) {
        Session s;
        readyGas(s, false);
        calc::Record r = started(s);
        r.ProcessingNo = static_cast<float>(no);
        reviewed(s, r);
        EXPECT_EQ(r.ChoiceA, want[no]) << no;
    }
}

TEST(ReviewRows, ThroughTheButtonThePauseLeavesForTheScreens) {
    Session s;
    readyGas(s, false, 1);
    setMain(s, "EDIT26", "");
    PageLog log;
    s.app.pane.setObserver(&log);
    s.platform.waits.clear();
    s.platform.yesNo.push_back(true);
    s.platform.pausesAllowed = 1;
    ASSERT_TRUE(s.click("MAINFORM.BUTTON9"));
    s.app.pane.setObserver(nullptr);
    EXPECT_EQ(s.platform.waits, (std::vector<std::string>{kBox, "pause"}));
    EXPECT_EQ(lines(log.pages.back()).back(), "    ★ 管段数を設定してください 。");
    EXPECT_EQ(s.text("MAINFORM.BUTTON27"), " 設定確認");
    EXPECT_TRUE(s.enabled("MAINFORM.BUTTON9"));
}

TEST(ReviewRows, ThroughTheButtonComputedRowsAreMarked) {
    Session s;
    readyGas(s, false, 3);
    PageLog log;
    s.app.pane.setObserver(&log);
    s.platform.yesNo.push_back(true);
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

calc::Record manualTaken(Session& s) {
    calc::Record r = started(s);
    s.app.pane.clear();
    calc::takeManualProperties(s.app, r);
    return r;
}

TEST(ManualProperties, LiquidInOldUnits) {
    Session s;
    readyManual(s, false, "RADIO7");
    calc::Record r = manualTaken(s);
    const std::string page = s.app.pane.pageText();
    EXPECT_TRUE(hasRun(page, {
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
    })) << page;
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
    EXPECT_TRUE(s.platform.waits.empty());
}

TEST(ManualProperties, LiquidInSiIsEchoedAsTypedThenConverted) {
    Session s;
    readyManual(s, true, "RADIO7");
    s("FORM5.EDIT142").setText("4.1868");
    s("FORM5.EDIT143").setText("0.5815");
    s("FORM5.EDIT144").setText("1E-6");
    s("FORM5.EDIT150").setText("1.0467");
    s("FORM5.EDIT151").setText("0.02326");
    s("FORM5.EDIT152").setText("5E-6");
    calc::Record r = manualTaken(s);
    const std::string page = s.app.pane.pageText();
    EXPECT_TRUE(hasRun(page, {
        "      62) <1> 液比重 .......... Dtl(kg/m3)= 998",
        "      63）<2> 液比熱 .......... Ctl(kJ/kgK)= 4.1868",
        "      64) <3> 液熱伝導率....... Ktl(W/mK)= 0.5815",
        "      65) <4> 液動粘性係数..... VIt(m2/s)= 1E-06",
    })) << page;
    EXPECT_TRUE(hasRun(page, {
        "       <1> 比重..........Ds(kg/m3)= 1.17",
        "       <2> 比熱..........Cs(kJ/kgK)= 1.0467",
        "       <3> 熱伝導率......Ks(W/mK)= 0.02326",
        "       <4> 動粘性係数....VIs(m2/s)= 5E-06",
    })) << page;
    EXPECT_FLOAT_EQ(r.Ct, 1.0f);
    EXPECT_FLOAT_EQ(r.Kt, 0.5f);
    EXPECT_FLOAT_EQ(r.VIt, 0.0036f);
    EXPECT_FLOAT_EQ(r.Dt, 998.0f);
    EXPECT_FLOAT_EQ(r.Cs, 0.25f);
    EXPECT_FLOAT_EQ(r.Ks, 0.02f);
    EXPECT_FLOAT_EQ(r.VIs, 0.018f);
}

TEST(ManualProperties, CondensingVapourInOldUnits) {
    Session s;
    readyManual(s, false, "RADIO8", "RADIO9");
    setMain(s, "EDIT31", " 2");  // a tape is not used with the vapour
    setMain(s, "EDIT32", " 1");
    setMain(s, "EDIT33", " 100");
    calc::Record r = started(s);
    ASSERT_EQ(r.flags.sTAPE, "y");
    r.FF = 0.8f;
    r.Fthe = 0.7f;
    s.app.pane.clear();
    calc::takeManualProperties(s.app, r);
    const std::string page = s.app.pane.pageText();
    EXPECT_TRUE(hasRun(page, {
        "     29)MANU1= 2",
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
        "       66) ○ 熱伝達率の強制指定 --- 1) 指定しない(計算から求める)。",
    })) << page;
    EXPECT_EQ(r.flags.sVAP, "y");
    EXPECT_EQ(r.flags.sTAPE, "n");
    EXPECT_FALSE(calc::tapeFitted(r));
    EXPECT_EQ(r.FF, 1.0f);
    EXPECT_EQ(r.Fthe, 1.0f);
    EXPECT_FLOAT_EQ(r.hfg, 450.0f);
    EXPECT_FLOAT_EQ(r.Dsl, 958.4f);
    EXPECT_FLOAT_EQ(r.VItl, 0.0011f);
    EXPECT_FLOAT_EQ(r.Dt, 0.598f);
}

TEST(ManualProperties, CondensingVapourInSi) {
    Session s;
    readyManual(s, true, "RADIO8", "RADIO9");
    s("FORM5.EDIT140").setText("2093.4");
    s("FORM5.EDIT142").setText("2.0934");
    s("FORM5.EDIT143").setText("0.02326");
    s("FORM5.EDIT144").setText("2E-5");
    s("FORM5.EDIT146").setText("4.1868");
    s("FORM5.EDIT147").setText("0.6978");
    s("FORM5.EDIT164").setText("3E-7");
    calc::Record r = manualTaken(s);
    const std::string page = s.app.pane.pageText();
    EXPECT_TRUE(hasRun(page, {
        "      49) <1> 凝縮潜熱　........... hfg(kJ/kg)= 2093.4",
        "      50) <2> 飽和蒸気比重 ........ Dt(kg/m3)= 0.598",
        "      51) <3> 飽和蒸気比熱  ....... Ct(kJ/kgK)= 2.0934",
        "      52) <4> 飽和蒸気熱伝導率..... Kt(W/mK)= 0.02326",
        "      53) <5> 飽和蒸気動粘性係数... VIt(m2/s)= 2E-05",
        "",
        "      54) <6> 凝縮液比重 .......... Dsl(kg/m3)= 958.4",
        "      55) <7> 凝縮液比熱 .......... Ctl(kJ/kgK)= 4.1868",
        "      56) <8> 凝縮液熱伝導率 ...... Ktl(W/mK)= 0.6978",
        "      57) <9> 凝縮液動粘性係数 .... VItl(m2/s)= 3E-07",
    })) << page;
    EXPECT_FLOAT_EQ(r.hfg, 500.0f);
    EXPECT_FLOAT_EQ(r.Ct, 0.5f);
    EXPECT_FLOAT_EQ(r.Kt, 0.02f);
    EXPECT_FLOAT_EQ(r.VIt, 0.072f);
    EXPECT_FLOAT_EQ(r.Dsl, 958.4f);  // densities as typed
    EXPECT_FLOAT_EQ(r.Ctl, 1.0f);
    EXPECT_FLOAT_EQ(r.Ktl, 0.6f);
    EXPECT_FLOAT_EQ(r.VItl, 0.00108f);
}

TEST(ManualProperties, DryGasForm) {
    for (bool si : {false, true}) {
        SCOPED_TRACE(si);
        Session s;
        readyManual(s, si, "RADIO8", "RADIO9");
        s("FORM7.EDIT179").setText("2");
        s("FORM5.EDIT142").setText(si ? "1.04670" : "0.25");
        calc::Record r = started(s);
        r.FF = 0.8f;
        s.app.pane.clear();
        calc::takeManualProperties(s.app, r);
        const std::string page = s.app.pane.pageText();
        const std::vector<std::string> old = {
            "                   <2> 乾きガス               2",
            "",
            "      41) <1> ガス比重 .......... Dt(kg/m3)= 0.598",
            "      42) <2> ガス比熱 .......... Ct(kcal/kg℃)= 0.25",
            "      43) <3> ガス熱伝導率....... Kt(kcal/mh℃)= 0.02",
            "      44) <4> ガス動粘性係数..... VIt(m2/h)= 0.075",
            "",
        };
        const std::vector<std::string> inSi = {
            "                   <2> 乾きガス               2",
            "",
            "      58) <1> ガス比重 .......... Dt(kg/m3)= 0.598",
            "      59) <2> ガス比熱 .......... Ct(kJ/kgK)= 1.0467",
            "      60) <3> ガス熱伝導率....... Kt(W/mK)= 0.023",
            "      61) <4> ガス動粘性係数..... VIt(m2/s)= 2.08E-05",
            "",
        };
        EXPECT_TRUE(hasRun(page, si ? inSi : old)) << page;
        EXPECT_EQ(page.find("凝縮潜熱"), std::string::npos);
        EXPECT_EQ(r.flags.sVAP, "n");
        EXPECT_FLOAT_EQ(r.FF, 0.8f);  // only the vapour fixes the correction
        EXPECT_FLOAT_EQ(r.Ct, 0.25f);
        EXPECT_EQ(r.hfg, 0.0f);
    }
}

TEST(ManualProperties, CodesOtherThanOneOrTwoLeaveWithANote) {
    {
        Session s;
        readyManual(s, false, "RADIO7");
        s("FORM7.EDIT178").setText("3");
        calc::Record r = started(s);
        s.app.pane.clear();
        s.platform.pausesAllowed = 1;
        EXPECT_THROW(calc::takeManualProperties(s.app, r), LeaveCalculation);
        EXPECT_EQ(s.platform.waits, std::vector<std::string>{"pause"});
        EXPECT_EQ(s.app.pane.pageText(), "\n\n\n     29)MANU1= 3\n     1 or 2を入力して下さい");
    }
    {
        Session s;
        readyManual(s, false, "RADIO8", "RADIO9");
        s("FORM7.EDIT179").setText("");
        calc::Record r = started(s);
        s.app.pane.clear();
        s.platform.pausesAllowed = 1;
        EXPECT_THROW(calc::takeManualProperties(s.app, r), LeaveCalculation);
        EXPECT_EQ(s.platform.waits, std::vector<std::string>{"pause"});
        const std::string page = s.app.pane.pageText();
        EXPECT_TRUE(hasRun(page, {"                   <2> 乾きガス               0", "", "",
                                  "     1 or 2を入力して下さい"}))
            << page;
        EXPECT_TRUE(r.flags.sVAP.empty());
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
        readyManual(s, false, "RADIO7", "", c.radio);
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
    readyManual(s, true, "RADIO7", "", "RADIO14");
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

TEST(ManualCoefficients, ModeOutsideOneToFourLeavesWithoutAPause) {
    Session s;
    readyManual(s, false, "RADIO7");
    s("FORM7.EDIT180").setText("5");
    calc::Record r = started(s);
    s.app.pane.clear();
    EXPECT_THROW(calc::takeManualProperties(s.app, r), LeaveCalculation);
    EXPECT_TRUE(s.platform.waits.empty());
    EXPECT_EQ(s.app.pane.pageText().find("30)"), std::string::npos);
}

// ---- Derived values --------------------------------------------------------------------

TEST(ManualDerived, ShellGroupsAndRatios) {
    Session s;
    readyManual(s, false, "RADIO7");
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

TEST(ManualInlet, LiquidInOldUnits) {
    Session s;
    readyManual(s, false, "RADIO7");
    calc::Record r = manualTaken(s);
    s.app.pane.clear();
    calc::takeManualInletSettings(s.app, r);
    EXPECT_EQ(s.app.pane.pageText(),
              "\n\n\n"
              "   71)  ○ ｼｪﾙ入側温度 ------------ Tsi(ﾟc)= 200\n"
              "\n"
              "    73) ○ ｼｪﾙ入側流量 ------------ Ws(kg/h)= 2000\n"
              "\n"
              "   75)　○ 管内側流体入り側温度 ---------- Tti(ﾟc)= 20\n"
              "   79)　○ 管内側流体流量 ---------------- Wt(kg/h)= 2000\n"
              "\n");
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
}

TEST(ManualInlet, GasInSi) {
    Session s;
    readyManual(s, true, "RADIO8", "RADIO9");
    calc::Record r = manualTaken(s);
    s.app.pane.clear();
    calc::takeManualInletSettings(s.app, r);
    EXPECT_EQ(s.app.pane.pageText(),
              "\n\n\n"
              "   72)　○ ｼｪﾙ入側温度 ------------ Tsi(K)= 293\n"
              "    74) ○ ｼｪﾙ入側流量 ------------ Ws(kg/s)= 1\n"
              "\n"
              "   76)　○ 管内側流体入り側温度 ---------- Tti(K)= 373\n"
              "   78)　○ 管内側ガス流量 ---------------- Wt(kg/s)= 0.025\n"
              "\n");
    EXPECT_FLOAT_EQ(r.Tsi, 20.0f);
    EXPECT_FLOAT_EQ(r.T3, 20.0f);
    EXPECT_FLOAT_EQ(r.Tti, 100.0f);
    EXPECT_FLOAT_EQ(r.Ws, 3600.0f);
    EXPECT_FLOAT_EQ(r.Wt, 90.0f);
    EXPECT_FLOAT_EQ(r.Vta, 90.0f / 0.598f);
    EXPECT_FLOAT_EQ(r.WtCt, 90.0f * r.Ct);
    EXPECT_FLOAT_EQ(r.WsCs, 3600.0f * r.Cs);
}

TEST(ManualInlet, ZeroFlowsLeaveWithoutAWord) {
    for (const char* field : {"FORM5.EDIT170", "FORM5.EDIT169"}) {
        for (const char* heatClass : {"RADIO7", "RADIO8"}) {
            SCOPED_TRACE(std::string(field) + heatClass);
            Session s;
            readyManual(s, false, heatClass, std::string(heatClass) == "RADIO8" ? "RADIO9" : "");
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
    readyManual(s, false, "RADIO7", "", "RADIO12");
    s("FORM7.EDIT181").setText("80");
    PageLog log;
    s.app.pane.setObserver(&log);
    s.platform.waits.clear();
    s.platform.yesNo.push_back(true);
    ASSERT_TRUE(s.click("MAINFORM.BUTTON9"));
    s.app.pane.setObserver(nullptr);
    EXPECT_EQ(s.platform.waits, std::vector<std::string>{kBox});
    // The page cleared after the properties holds the whole dialogue.
    ASSERT_GE(log.pages.size(), 3u);
    const std::string& page = log.pages[log.pages.size() - 2];
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
