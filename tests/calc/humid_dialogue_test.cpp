// The gas dialogue: each description and water-content form on the shell
// and the tube side, the saturation figures, every refusal with or without
// its pause, the typed choice after a dew point above the inlet, and the
// displays in K.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/control_flow.h"
#include "support/calc_pages.h"
#include "calc/humid_dialogue.h"
#include "calc/numeric_guard.h"
#include "calc/start.h"
#include "input/input_paths.h"

namespace cfhx {
namespace {

using testing::Session;

// ---- Independent humid-air figures (double precision) ----------------------

double pvs(double T) { return std::exp(18.5815 - 3987.1 / (T + 233.7)) * 1.033 / 760.0; }
double xsat(double T, double M) { return M * pvs(T) / (1.033 - pvs(T)); }
double dew(double X, double M) { return 3795.53 / (11.6693 - std::log(1.033 * X / (M + X))) - 226.18; }
// Standard air: MW = 44·0.0003 + 28·0.7902 + 32·0.2095.
constexpr double kAirMW = 28.8428;
constexpr double kAirM = 18.0 / kAirMW;
double airDensity(double waterPct) {
    const double keep = 1.0 - waterPct / 100.0;
    return 1.9643 * 0.0003 * keep + 1.25 * 0.7902 * keep + 1.4286 * 0.2095 * keep + 0.8036 * waterPct / 100.0;
}

// ---- Session helpers --------------------------------------------------------

using testing::PageLog;

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);) out.push_back(l);
    return out;
}

// Both sides of a pair ready at the calculate button.
enum class Pair { GasGas, HumidTubes, WaterHumidShell, WaterGas };

void ready(Session& s, Pair pair, bool si = false) {
    switch (pair) {
        case Pair::GasGas: testing::openGasShell(s, si, 2, 5); break;
        case Pair::WaterGas: testing::openGasShell(s, si, 3, 5); break;
        case Pair::HumidTubes: testing::openHumidTubesGasShell(s, si); break;
        case Pair::WaterHumidShell: testing::openWaterTubesHumidShell(s, si); break;
    }
    s.click("MAINFORM.BUTTON22");
    s.click("FORM5.BUTTON53");
    s.click("FORM5.BUTTON30");
    ASSERT_TRUE(s.enabled("MAINFORM.BUTTON9")) << s.text("FORM5.TEXT127");
}

void set(Session& s, const char* field, const char* text) { s(std::string("FORM5.") + field).setText(text); }

struct Dialogue {
    Session s;
    PageLog log;
    calc::Record r{};

    explicit Dialogue(Pair pair, bool si = false) {
        ready(s, pair, si);
    }
    // The start stage with its flags, then the pages from here on.
    void start() {
        r = calc::freshRecord();
        s.platform.yesNo.push_back(true);
        calc::startCalculation(s.app, r);
        s.platform.waits.clear();
        s.app.pane.clear();
        s.app.pane.setObserver(&log);
    }
    void shell() {
        start();
        calc::shellGasDialogue(s.app, r);
    }
    void both() {
        shell();
        calc::tubeGasDialogue(s.app, r);
    }
    // Every line printed since start(), pages in order.
    std::vector<std::string> lines() {
        std::vector<std::string> all;
        for (const std::string& p : log.pages)
            for (std::string& l : linesOf(p)) all.push_back(l);
        for (std::string& l : linesOf(s.app.pane.pageText())) all.push_back(l);
        return all;
    }
    bool has(const std::string& line) {
        for (const std::string& l : lines())
            if (l == line) return true;
        return false;
    }
    bool hasPrefix(const std::string& prefix) {
        for (const std::string& l : lines())
            if (l.rfind(prefix, 0) == 0) return true;
        return false;
    }
    // The number printed after `prefix` on its line.
    double after(const std::string& prefix) {
        for (const std::string& l : lines()) {
            size_t at = l.find(prefix);
            if (at != std::string::npos) return std::stod(l.substr(at + prefix.size()));
        }
        ADD_FAILURE() << "no line with " << prefix;
        return NAN;
    }
    int pauses() const {
        int n = 0;
        for (const std::string& w : s.platform.waits) n += w == "pause";
        return n;
    }
    ~Dialogue() { s.app.pane.setObserver(nullptr); }
};

// A dialogue that must leave; `pauses` pauses are allowed and expected.
template <typename F>
void expectLeave(Dialogue& d, int pauses, F step) {
    d.s.platform.pausesAllowed = pauses;
    EXPECT_THROW(step(), LeaveCalculation);
    EXPECT_EQ(d.pauses(), pauses);
}

// ---- Figures ---------------------------------------------------------------

TEST(HumidFigures, SaturationAtTwentyDegrees) {
    // Independent check of the figures the dialogue's limits rest on.
    EXPECT_NEAR(pvs(20.0), 0.02387, 5e-5);
    EXPECT_NEAR(xsat(20.0, 0.622), 0.01471, 5e-5);
    EXPECT_NEAR(kAirM, 0.6241, 1e-4);
}

// ---- Shell side -----------------------------------------------------------

TEST(ShellGas, DryAirOnAGasShellGivesTheTableAndTheInletLine) {
    Dialogue d(Pair::GasGas);
    set(d.s, "EDIT173", "1");
    d.shell();
    EXPECT_TRUE(d.has("92)【 シェル側(高温側) 】ｶﾞｽ物性値入力方式選択"));
    EXPECT_TRUE(d.has("<3> 準標準空気呼出"));
    EXPECT_TRUE(d.has("RSWET= 1"));
    EXPECT_TRUE(d.has("CO2(%)=  0.030, N2(%)= 79.020, O2(%)= 20.95, H2O(%)=  0.00"));
    EXPECT_TRUE(d.has("<<< シェル側ガス物性 >>"));
    EXPECT_FALSE(d.hasPrefix("→ シェル側露点温度は"));
    EXPECT_TRUE(d.has("108)シェル入側ガス温度 Tsi(℃)= 200"));
    EXPECT_EQ(d.r.flags.sSF.view(), "1");
    EXPECT_FLOAT_EQ(d.r.Tsi, 200.0f);
    EXPECT_NEAR(d.r.Dns, airDensity(0.0), 1e-5);
    EXPECT_NEAR(d.r.MS, 18.0153 / kAirMW, 1e-5);
}

TEST(ShellGas, AbsoluteHumidityOnAGasShell) {
    Dialogue d(Pair::GasGas);
    set(d.s, "EDIT173", "2");
    set(d.s, "EDIT171", "2");
    set(d.s, "EDIT162", "0.01");
    d.shell();
    EXPECT_TRUE(d.has("< dry base >"));
    EXPECT_TRUE(d.has("add H2O(%) after"));
    EXPECT_TRUE(d.has("⇒  XA(kg/kg)= 0.01"));
    const double v = 0.01 / (0.01 + kAirM);
    EXPECT_NEAR(d.after("( 水分モル分率(%)= "), 100.0 * v, 1e-4);
    EXPECT_NEAR(d.r.MS, kAirM, 1e-5);
    EXPECT_NEAR(d.r.Vxa, v, 1e-6);
    EXPECT_NEAR(d.after("→ シェル側露点温度は"), dew(0.01, kAirM), 0.01);
    EXPECT_NEAR(d.after("《 "), dew(0.01, kAirM), 0.01);
    EXPECT_TRUE(d.has("111)　シェル入側ガス温度 Tsi(℃)= 200"));
    EXPECT_NEAR(d.r.Dns, airDensity(100.0 * v), 1e-5);
    EXPECT_NEAR(d.r.shellWet[calc::kN2], 0.7902 * (1.0 - v), 1e-6);
}

TEST(ShellGas, MolePercentOnAGasShellIsLimitedToNinetySix) {
    Dialogue d(Pair::GasGas);
    set(d.s, "EDIT173", "2");
    set(d.s, "EDIT171", "1");
    set(d.s, "EDIT161", "5");
    d.shell();
    EXPECT_TRUE(d.has("101) シェル側水分モル分率Vxaを【.6028% < Vxa < 96%】の"));
    EXPECT_TRUE(d.has("範囲で入力して下さい。  ⇒Vxa(％)= 5"));
    EXPECT_NEAR(d.after("(Absolute humidity(kg/kg)="), kAirM * 0.05 / 0.95, 1e-6);
    EXPECT_NEAR(d.r.XA, kAirM * 0.05 / 0.95, 1e-6);
}

TEST(ShellGas, MolePercentRefusals) {
    {
        Dialogue d(Pair::GasGas);
        set(d.s, "EDIT173", "2");
        set(d.s, "EDIT171", "1");
        set(d.s, "EDIT161", "0");
        expectLeave(d, 0, [&] { d.shell(); });  // no message, no pause
    }
    {
        Dialogue d(Pair::GasGas);
        set(d.s, "EDIT173", "2");
        set(d.s, "EDIT171", "1");
        set(d.s, "EDIT161", "97");
        expectLeave(d, 1, [&] { d.shell(); });
        EXPECT_TRUE(d.has("//// シェル側が過飽和のため規定範囲内で再設定して下さい。////"));
    }
}

TEST(ShellGas, LowSideRangeFollowsSaturationAtTheInlet) {
    // Humid tubes: the shell is the low side at 20 °C.
    Dialogue d(Pair::HumidTubes);
    set(d.s, "EDIT173", "2");
    set(d.s, "EDIT171", "1");
    set(d.s, "EDIT161", "1");
    d.shell();
    EXPECT_TRUE(d.has("91)【 シェル側(低温側) 】ｶﾞｽ物性値入力方式選択"));
    EXPECT_TRUE(d.has("<< 管内凝縮計算のため、シェル側が低温側になります。>>"));
    EXPECT_TRUE(d.has("93)シェル入側ガス温度 T3(℃)= 20"));
    const double x = xsat(20.0, kAirM);
    EXPECT_NEAR(d.after("Vxa <"), 100.0 * x / (x + kAirM), 1e-3);
    EXPECT_TRUE(d.has("107)【 低温側 】シェル入側ガス温度 Tsi(℃)= 20"));
    EXPECT_TRUE(d.has("T3= 20"));
}

TEST(ShellGas, AFormOtherThanOneOrTwoIsRefused) {
    Dialogue d(Pair::GasGas);
    set(d.s, "EDIT173", "2");
    set(d.s, "EDIT171", "3");
    expectLeave(d, 1, [&] { d.shell(); });
    EXPECT_TRUE(d.has("////  指定外です。再セット ////"));
}

TEST(ShellGas, DryAirOnACondensingShellIsRefused) {
    Dialogue d(Pair::WaterHumidShell);
    set(d.s, "EDIT173", "1");
    expectLeave(d, 1, [&] { d.shell(); });
    EXPECT_FALSE(d.has("<3> 準標準空気呼出"));
    EXPECT_TRUE(d.has("////  指定外です。再セット ////"));
}

TEST(ShellCondensing, SaturationTemperatureGiven) {
    Dialogue d(Pair::WaterHumidShell);
    set(d.s, "EDIT173", "2");
    set(d.s, "EDIT171", "3");
    set(d.s, "EDIT175", "50");
    d.shell();
    EXPECT_TRUE(d.has("96) ■ シェル側凝縮計算のためシェル側が高温側となるよう設定してください。"));
    EXPECT_TRUE(d.has("<3> 入側飽和ガス温度(℃)"));
    EXPECT_TRUE(d.has("//// シェル入側設定温度異常 ?? Tsi(℃)= 50////"));
    const double x = xsat(50.0, kAirM);
    EXPECT_NEAR(d.r.XA, x, 1e-4);
    EXPECT_FLOAT_EQ(d.r.Tsi, 50.0f);  // the entered value, not the fitted dew point
    EXPECT_EQ(d.r.flags.sCOND.view(), "y");
    // The framed block at rows 15-20 from column 10.
    const auto page = linesOf(d.s.app.pane.pageText());
    ASSERT_GE(page.size(), 20u);
    EXPECT_EQ(page[14], "         =================　ｼｪﾙ側　=====================");
    EXPECT_EQ(page[15].rfind("         ｼｪﾙ側飽和温度      Tsi=", 0), 0u);
    EXPECT_NEAR(std::stod(page[15].substr(page[15].find("Tsi=") + 4)), dew(x, kAirM), 0.01);
    EXPECT_NE(page[16].find("(kg/kgda)"), std::string::npos);
    EXPECT_NEAR(std::stod(page[17].substr(page[17].find("Dns=") + 4)), airDensity(100.0 * x / (x + kAirM)), 1e-4);
    EXPECT_NE(page[18].find("(標準空気0.622)"), std::string::npos);
    EXPECT_EQ(page[19].find_first_not_of(' '), 9u);
    EXPECT_EQ(page[19][9], '=');
}

TEST(ShellCondensing, SaturationTemperatureRefusals) {
    {
        // Below about 2 °C the humidity is raised to the minimum, which then
        // fails the condensing side's own limit.
        Dialogue d(Pair::WaterHumidShell);
        set(d.s, "EDIT173", "2");
        set(d.s, "EDIT171", "3");
        set(d.s, "EDIT175", "-10");
        ASSERT_LT(xsat(-10.0, kAirM), 0.003772);
        expectLeave(d, 1, [&] { d.shell(); });
        EXPECT_TRUE(d.has("??  絶対湿度をミニマムにセットします( XA=.003774 kg/kg )。"));
        EXPECT_TRUE(d.has("//// 絶対湿度を見直して下さい。////"));
    }
    {
        Dialogue d(Pair::WaterHumidShell);
        set(d.s, "EDIT173", "2");
        set(d.s, "EDIT171", "3");
        set(d.s, "EDIT175", "99.9");
        ASSERT_GT(xsat(99.9, kAirM), 17.06);
        expectLeave(d, 1, [&] { d.shell(); });
        EXPECT_TRUE(d.has("//// 数値が大き過ぎます。////"));
    }
    {
        Dialogue d(Pair::WaterHumidShell);
        set(d.s, "EDIT173", "2");
        set(d.s, "EDIT171", "0");
        expectLeave(d, 1, [&] { d.shell(); });
        EXPECT_TRUE(d.has("//// 　飽和温度以外の水分条件を再設定して下さい。 ////"));
    }
}

TEST(ShellCondensing, MolePercentAndAbsoluteHumidity) {
    {
        Dialogue d(Pair::WaterHumidShell);
        set(d.s, "EDIT173", "2");
        set(d.s, "EDIT171", "1");
        set(d.s, "EDIT161", "20");
        d.shell();
        EXPECT_TRUE(d.has("101) シェル側水分モル分率Vxaを【.6028% < Vxa < 96%】の"));
        const double x = kAirM * 0.2 / 0.8;
        EXPECT_NEAR(d.r.XA, x, 1e-5);
        EXPECT_NEAR(d.r.Tsi, dew(x, kAirM), 0.01);
    }
    {
        Dialogue d(Pair::WaterHumidShell);
        set(d.s, "EDIT173", "2");
        set(d.s, "EDIT171", "2");
        set(d.s, "EDIT162", "20");
        expectLeave(d, 1, [&] { d.shell(); });
        EXPECT_TRUE(d.has("//// 数値が大きすぎます。////"));
    }
}

TEST(ShellCondensing, SaturatedEnthalpyGivesTheTemperature) {
    Dialogue d(Pair::WaterHumidShell);
    set(d.s, "EDIT173", "2");
    set(d.s, "EDIT171", "4");
    const double h40 = 0.24 * 40.0 + (597.3 + 0.441 * 40.0) * xsat(40.0, 0.622);
    set(d.s, "EDIT176", std::to_string(h40).c_str());
    d.shell();
    const double hmin = 0.24 * 20.0 + (597.3 + 0.441 * 20.0) * xsat(20.0, 0.622);  // at Tti 20 °C
    EXPECT_NEAR(d.after("87A)● SHELL入側飽和ｶﾞｽｴﾝﾀﾙﾋﾟｰ範囲("), hmin, 1e-3);
    EXPECT_TRUE(d.hasPrefix("⇒ H2(kcal/kg)="));
    EXPECT_NEAR(d.r.T3, 40.0, 0.3);
    EXPECT_NEAR(d.r.XA, xsat(d.r.T3, kAirM), 1e-4);
}

TEST(ShellCondensing, EnthalpyAtTheLimitIsRefused) {
    Dialogue d(Pair::WaterHumidShell);
    set(d.s, "EDIT173", "2");
    set(d.s, "EDIT171", "4");
    set(d.s, "EDIT176", "5");
    expectLeave(d, 1, [&] { d.shell(); });
    EXPECT_TRUE(d.has("////  入力値が規程範囲を外れています。////"));
}

TEST(ShellComposition, FullCarbonDioxideIsRefused) {
    Dialogue d(Pair::GasGas);
    set(d.s, "EDIT173", "3");
    set(d.s, "EDIT159", "100");
    expectLeave(d, 1, [&] { d.shell(); });
    EXPECT_TRUE(d.has("104)    CO2(vol.%)= 100"));
    EXPECT_FALSE(d.hasPrefix("105)"));
    const auto page = linesOf(d.s.app.pane.pageText());
    ASSERT_GE(page.size(), 6u);
    EXPECT_EQ(page[4], "    ? 管外側水分湿り飽和気体を選択のため100％は設定出来ません。");
    EXPECT_EQ(page[5], "    再設定して下さい !");
}

TEST(ShellComposition, WaterOverTheSumIsAskedAgainAndLeavesWhenUnchanged) {
    Dialogue d(Pair::GasGas);
    set(d.s, "EDIT173", "3");
    set(d.s, "EDIT159", "10");
    set(d.s, "EDIT160", "20");
    set(d.s, "EDIT161", "80");
    expectLeave(d, 1, [&] { d.shell(); });
    EXPECT_TRUE(d.has("over range【100<H2O】"));
}

TEST(ShellComposition, WetGasOnAGasShell) {
    Dialogue d(Pair::GasGas);
    set(d.s, "EDIT173", "3");
    set(d.s, "EDIT159", "10");
    set(d.s, "EDIT160", "5");
    set(d.s, "EDIT161", "10");
    d.shell();
    EXPECT_TRUE(d.has("N2(vol.%)=  75"));
    // Dry base 10/90, 75/90, 5/90: MW and MS = 18.0153 / MW.
    const double mw = (44.0 * 10 + 28.0 * 75 + 32.0 * 5) / 90.0;
    EXPECT_NEAR(d.r.MS, 18.0153 / mw, 1e-5);
    EXPECT_NEAR(d.r.Dns, 1.9643 * 0.1 + 1.25 * 0.75 + 1.4286 * 0.05 + 0.8036 * 0.1, 1e-5);
    const double x = 18.0153 / mw * 0.1 / 0.9;
    EXPECT_NEAR(d.after("《 "), dew(x, 18.0153 / mw), 0.01);
}

double compositionDew() {
    // CO2 1, O2 20, H2O 10: dry base 1/90, 69/90, 20/90.
    const double m = 18.0153 / ((44.0 + 28.0 * 69 + 32.0 * 20) / 90.0);
    return dew(m * 0.1 / 0.9, m);
}

Dialogue* wetLowShell(Pair pair = Pair::HumidTubes) {
    auto* d = new Dialogue(pair);
    set(d->s, "EDIT173", "3");
    set(d->s, "EDIT159", "1");
    set(d->s, "EDIT160", "20");
    set(d->s, "EDIT161", "10");
    set(d->s, "EDIT133", "20");
    return d;
}

int count(Dialogue& d, const std::string& line) {
    int n = 0;
    for (const std::string& l : d.lines()) n += l == line;
    return n;
}

TEST(ShellAgain, OtherAnswersAndDoubleZeroRepeatTheQuestion) {
    // 10 % water has its dew point near 46 °C, above the 20 °C inlet.
    std::unique_ptr<Dialogue> d(wetLowShell());
    ASSERT_GT(compositionDew(), 20.0);
    d->s.platform.lines = {"3", "00", "y"};
    d->start();
    // The queue runs dry on the fourth question: each answer kept it asking.
    EXPECT_THROW(calc::shellGasDialogue(d->s.app, d->r), std::runtime_error);
    EXPECT_EQ(count(*d, "＜ 再＞"), 4);
    EXPECT_EQ(count(*d, "<1> シェル側水分条件の変更(ﾀﾞｳﾝ)"), 4);
    EXPECT_EQ(count(*d, "<2> シェル入側温度の変更(ｱｯﾌﾟ)"), 4);
    EXPECT_TRUE(d->has("??? ｼｪﾙ側飽和水分濃度に対し入力温度が露点以下のため、ｼｪﾙ入側温"));
    EXPECT_TRUE(d->has("度を飽和温度以上または水分量を飽和以下に再設定して下さい。"));
    EXPECT_NEAR(d->after("→ 【"), compositionDew(), 0.01);
}

TEST(ShellAgain, TwoTakesTheRaisedInletTemperature) {
    std::unique_ptr<Dialogue> d(wetLowShell());
    d->s.platform.lines = {"2"};
    d->s.platform.whileReading = [&](const std::string&) { set(d->s, "EDIT133", "50"); };
    d->shell();
    EXPECT_EQ(count(*d, "107)【 低温側 】シェル入側ガス温度 Tsi(℃)= 20"), 1);
    EXPECT_EQ(count(*d, "107)【 低温側 】シェル入側ガス温度 Tsi(℃)= 50"), 1);
    EXPECT_EQ(count(*d, "91)【 シェル側(低温側) 】ｶﾞｽ物性値入力方式選択"), 1);
    EXPECT_FLOAT_EQ(d->r.Tsi, 50.0f);
}

TEST(ShellAgain, OneStartsTheShellSideAgain) {
    std::unique_ptr<Dialogue> d(wetLowShell());
    d->s.platform.lines = {"1"};
    d->s.platform.whileReading = [&](const std::string&) { set(d->s, "EDIT161", "1"); };
    d->shell();
    EXPECT_EQ(count(*d, "91)【 シェル側(低温側) 】ｶﾞｽ物性値入力方式選択"), 2);
    EXPECT_EQ(count(*d, "106)    H2O(vol.%)= 1"), 1);
    EXPECT_NEAR(d->r.Vxa, 0.01, 1e-7);
}

TEST(ShellAgain, AnAnswerWithNothingChangedLeavesForTheScreens) {
    for (const char* answer : {"1", "2"}) {
        std::unique_ptr<Dialogue> d(wetLowShell());
        d->s.platform.lines = {answer};
        expectLeave(*d, 0, [&] { d->shell(); });
        EXPECT_EQ(count(*d, "＜ 再＞"), 1) << answer;
    }
}

// ---- Tube side -----------------------------------------------------------

TEST(TubeGas, DryAirInTheTubes) {
    Dialogue d(Pair::GasGas);
    set(d.s, "EDIT173", "1");
    set(d.s, "EDIT158", "1");
    d.both();
    EXPECT_TRUE(d.has("113)  管内側流体物性値を選択して下さい"));
    EXPECT_TRUE(d.has("              1"));
    EXPECT_FALSE(d.hasPrefix("→ 管内側露点温度"));
    EXPECT_TRUE(d.has("CO2(%)=  0.030, N2(%)= 79.020, O2(%)= 20.950, H2O(%)=  0.000"));
    EXPECT_TRUE(d.has("126) 管内側流体入り側温度 ----- Tti(ﾟc)= 20"));
    EXPECT_NEAR(d.r.Dn, airDensity(0.0), 1e-5);
    EXPECT_EQ(d.r.flags.sTGAS.view(), "1");
    EXPECT_FLOAT_EQ(d.r.Tti, 20.0f);
}

TEST(TubeGas, AbsoluteHumidityBelowTheMinimumIsRaisedWithTheNotice) {
    Dialogue d(Pair::GasGas);
    set(d.s, "EDIT173", "1");
    set(d.s, "EDIT158", "2");
    set(d.s, "EDIT166", "2");
    set(d.s, "EDIT139", "0.003");
    d.both();
    EXPECT_TRUE(d.has("116) ⇒ 管内ｶﾞｽ水分量の入力形態を選択して下さい"));
    EXPECT_TRUE(d.hasPrefix("120)　● 絶対湿度の範囲( "));
    EXPECT_TRUE(d.has("範囲外のため再設定    121) ⇒ XG(kg/kg)= 0.003"));
    EXPECT_TRUE(d.has("?? 絶対湿度の値を0℃の値にセットします( XG=.003774 kg/kg )。"));
    EXPECT_NEAR(d.r.XG, 0.003772, 1e-6);
    EXPECT_NEAR(d.after("→ 管内側露点温度"), dew(0.003772, kAirM), 0.01);
}

TEST(TubeGas, MolePercentBelowTheMinimumIsRaisedWithoutNotice) {
    Dialogue d(Pair::GasGas);
    set(d.s, "EDIT173", "1");
    set(d.s, "EDIT158", "2");
    set(d.s, "EDIT166", "1");
    set(d.s, "EDIT138", "0.5");
    d.both();
    EXPECT_TRUE(d.has("119)  ⇒ Vn(%)= 0.5"));
    EXPECT_FALSE(d.hasPrefix("118)"));  // no range line without a humid shell
    EXPECT_FALSE(d.hasPrefix("?? 絶対湿度の値を"));
    EXPECT_NEAR(d.r.XG, 0.003772, 1e-6);
    EXPECT_NEAR(d.r.VH, 0.003772 / (0.003772 + kAirM), 1e-6);
}

TEST(TubeGas, TubeRefusals) {
    {
        Dialogue d(Pair::GasGas);
        set(d.s, "EDIT173", "1");
        set(d.s, "EDIT158", "2");
        set(d.s, "EDIT166", "3");
        expectLeave(d, 0, [&] { d.both(); });
        EXPECT_TRUE(d.has("1  or  2  をプッシュして下さい。"));
    }
    {
        Dialogue d(Pair::GasGas);
        set(d.s, "EDIT173", "1");
        set(d.s, "EDIT158", "4");
        expectLeave(d, 1, [&] { d.both(); });  // asked again after the pause; unchanged
        EXPECT_TRUE(d.has("1～３を選んで下さい"));
    }
    {
        Dialogue d(Pair::GasGas);
        set(d.s, "EDIT173", "1");
        set(d.s, "EDIT158", "2");
        set(d.s, "EDIT166", "1");
        set(d.s, "EDIT138", "97");
        expectLeave(d, 1, [&] { d.both(); });
        EXPECT_TRUE(d.has("//// over range ////"));
    }
    {
        Dialogue d(Pair::GasGas);
        set(d.s, "EDIT173", "1");
        set(d.s, "EDIT158", "2");
        set(d.s, "EDIT166", "1");
        set(d.s, "EDIT138", "10");
        set(d.s, "EDIT130", "30");  // below the dew point of 10 % water
        expectLeave(d, 1, [&] { d.both(); });
        EXPECT_TRUE(d.has("<< ﾁｪｯｸ >>"));
        EXPECT_NEAR(d.after("?? 管入側水分量と設定温度の不整合！【設定範囲 Tti>"),
                    dew(kAirM * 0.1 / 0.9, kAirM), 0.01);
    }
}

TEST(TubeGas, CompositionBox) {
    Dialogue d(Pair::GasGas);
    set(d.s, "EDIT173", "1");
    set(d.s, "EDIT158", "3");
    set(d.s, "EDIT136", "10");
    set(d.s, "EDIT137", "5");
    set(d.s, "EDIT138", "0");
    d.both();
    EXPECT_TRUE(d.has("CO2(vol.%)= 10"));
    EXPECT_TRUE(d.has("N2(vol.%)=  85"));
    EXPECT_NEAR(d.r.Dn, 1.9643 * 0.1 + 1.25 * 0.85 + 1.4286 * 0.05, 1e-5);
    EXPECT_NEAR(d.r.MT, 18.0 / (44.0 * 0.1 + 28.0 * 0.85 + 32.0 * 0.05), 1e-5);
}

TEST(TubeGas, CompositionOverRangeIsReadAgain) {
    Dialogue d(Pair::GasGas);
    set(d.s, "EDIT173", "1");
    set(d.s, "EDIT158", "3");
    set(d.s, "EDIT136", "120");
    expectLeave(d, 1, [&] { d.both(); });
    EXPECT_TRUE(d.has("over range ! 100%<CO2 "));
    EXPECT_FALSE(d.hasPrefix("O2(vol.%) ="));
}

TEST(HumidTubes, SaturationTemperatureGiven) {
    Dialogue d(Pair::HumidTubes);
    set(d.s, "EDIT173", "1");
    set(d.s, "EDIT158", "2");
    set(d.s, "EDIT166", "3");
    set(d.s, "EDIT177", "60");
    d.both();
    EXPECT_TRUE(d.has("115)【 高温側 】管内側ガスの組成入力形態を選択して下さい。"));
    EXPECT_TRUE(d.has("TWET= 3"));
    EXPECT_TRUE(d.has("85) ● 管内飽和温度 Tti(℃)= 60"));
    const double x = xsat(60.0, 0.622);
    EXPECT_NEAR(d.after(" XG="), x, 1e-4);
    EXPECT_NEAR(d.after(" PG1="), pvs(60.0), 1e-5);
    EXPECT_NEAR(d.after(" H2="), 0.24 * 60 + (597.3 + 0.441 * 60) * x, 0.05);
    EXPECT_EQ(d.r.flags.sHUM.view(), "2");
    // The block at rows 14-19 and the saturation temperature from the dew point.
    const auto page = linesOf(d.s.app.pane.pageText());
    ASSERT_GE(page.size(), 19u);
    EXPECT_EQ(page[13], "         " + std::string(47, '-'));
    EXPECT_EQ(page[14].rfind("         管内飽和温度       Tti=", 0), 0u);
    EXPECT_NEAR(d.r.Tti, dew(x, kAirM), 0.01);
    EXPECT_NEAR(d.r.Tti, 60.0, 1.0);
}

TEST(HumidTubes, SaturationTemperatureLimits) {
    {
        Dialogue d(Pair::HumidTubes);
        set(d.s, "EDIT173", "1");
        set(d.s, "EDIT158", "2");
        set(d.s, "EDIT166", "3");
        set(d.s, "EDIT177", "97");
        expectLeave(d, 1, [&] { d.both(); });
        EXPECT_TRUE(d.has("！設定温度が許容値を超えています。"));
    }
    {
        Dialogue d(Pair::HumidTubes);
        set(d.s, "EDIT173", "1");
        set(d.s, "EDIT158", "2");
        set(d.s, "EDIT166", "3");
        set(d.s, "EDIT177", "10");  // below the shell's 20 °C
        expectLeave(d, 1, [&] { d.both(); });
        EXPECT_TRUE(d.has("！設定温度が許容値を下回っています。"));
    }
}

TEST(HumidTubes, ChoicesOutsideTheFormsLeaveWithoutPause) {
    {
        Dialogue d(Pair::HumidTubes);
        set(d.s, "EDIT173", "1");
        set(d.s, "EDIT158", "1");
        expectLeave(d, 0, [&] { d.both(); });
        EXPECT_TRUE(d.has("//// choice  1 or 2  ////"));
    }
    {
        Dialogue d(Pair::HumidTubes);
        set(d.s, "EDIT173", "1");
        set(d.s, "EDIT158", "2");
        set(d.s, "EDIT166", "5");
        expectLeave(d, 0, [&] { d.both(); });
        EXPECT_TRUE(d.has("choice  1  or  2"));
    }
}

TEST(HumidTubes, EnthalpyOfTwoThousandIsAccepted) {
    Dialogue d(Pair::HumidTubes);
    set(d.s, "EDIT173", "1");
    set(d.s, "EDIT158", "2");
    set(d.s, "EDIT166", "4");
    set(d.s, "EDIT174", "2000");
    // The bound is only shown: the iteration starts (and near 100 °C runs
    // into its pass limit).
    d.s.platform.pausesAllowed = 1;
    try {
        d.both();
    } catch (const calc::CalculationStop&) {
    }
    EXPECT_FALSE(d.has("////  入力値が規程範囲を外れています。////"));
    bool trace = false;
    double shownLimit = NAN;
    for (const std::string& l : d.lines()) {
        const size_t end = l.find("kcal/kg＜H2＜2000 kcal/kg)");
        const size_t open = l.find("範囲(");
        if (end != std::string::npos && open != std::string::npos)
            shownLimit = std::stod(l.substr(open + std::string("範囲(").size()));
        trace = trace || l.find("LOOP=") != std::string::npos;
    }
    // The limit is the saturated enthalpy at the shell's 20 °C.
    EXPECT_NEAR(shownLimit, 0.24 * 20.0 + (597.3 + 0.441 * 20.0) * xsat(20.0, 0.622), 1e-3);
    EXPECT_TRUE(trace);
}

TEST(HumidTubes, LowWaterFailsTheLatentHeatCondition) {
    // 1 % water condenses near 7 °C, below the shell's 20 °C.
    Dialogue d(Pair::HumidTubes);
    set(d.s, "EDIT173", "1");
    set(d.s, "EDIT158", "2");
    set(d.s, "EDIT166", "1");
    set(d.s, "EDIT138", "1");
    expectLeave(d, 1, [&] { d.both(); });
    EXPECT_TRUE(d.has("------------------<< 要ﾁｪｯｸ >>------------------"));
    EXPECT_TRUE(d.has("管内潜熱条件を外れます。!!"));
    EXPECT_TRUE(d.has("継続の場合、水分濃度及び温度の見直しが必要です。"));
}

TEST(HumidTubes, CompositionDrierThanTheShellIsRefused) {
    Dialogue d(Pair::HumidTubes);
    set(d.s, "EDIT173", "3");
    set(d.s, "EDIT159", "1");
    set(d.s, "EDIT160", "20");
    set(d.s, "EDIT161", "1");
    set(d.s, "EDIT158", "3");
    set(d.s, "EDIT136", "1");
    set(d.s, "EDIT137", "20");
    set(d.s, "EDIT138", "1");
    expectLeave(d, 1, [&] { d.both(); });
    EXPECT_TRUE(d.has("?? 管内側飽和水分濃度をｼｪﾙ側飽和水分濃度より高くｾｯﾄして下さい！。"));
}

// A tube gas below a condensing shell: no screen pair reaches it, so the
// record is given a gas tube after the start on the water/humid-shell pair.
// The shell: standard air with 20 % water, saturated near 60 °C.
struct BelowCondensingShell : Dialogue {
    BelowCondensingShell() : Dialogue(Pair::WaterHumidShell) {
        set(s, "EDIT173", "2");
        set(s, "EDIT171", "1");
        set(s, "EDIT161", "20");
        set(s, "EDIT158", "2");
        set(s, "EDIT166", "1");
    }
    void run() {
        start();
        r.TubeFluidKind = 2.0f;
        calc::shellGasDialogue(s.app, r);
        calc::tubeGasDialogue(s.app, r);
    }
};

double shellSaturation() {
    const double x = kAirM * 0.2 / 0.8;
    return dew(x, kAirM);
}
double airDew(double waterPct) { return dew(kAirM * waterPct / (100.0 - waterPct), kAirM); }

TEST(TubeBelowCondensingShell, WaterAboveTheShellsIsAskedAgain) {
    BelowCondensingShell d;
    set(d.s, "EDIT138", "25");
    expectLeave(d, 1, [&] { d.run(); });
    EXPECT_TRUE(d.has("114) 【 低温側 】管内側流体物性値を選択して下さい"));
    EXPECT_EQ(count(d, "118) ● 水分モル分率の範囲(0.6028% < VH < 20%)"), 2);
}

TEST(TubeBelowCondensingShell, InletBelowTheTubeDewPointIsRefused) {
    BelowCondensingShell d;
    set(d.s, "EDIT138", "5");
    set(d.s, "EDIT130", "20");
    expectLeave(d, 1, [&] { d.run(); });
    EXPECT_NEAR(d.after("(Shell side inlet sat.temp.T3="), shellSaturation(), 0.01);
    EXPECT_NEAR(d.after("■ 管内入り側温度は【"), airDew(5.0), 0.01);
    EXPECT_NEAR(d.after("< Tti <"), shellSaturation(), 0.01);
    EXPECT_FALSE(d.has("両流体の飽和温度が接近しており、ｴﾗｰ発生の可能性有り。"));
    EXPECT_TRUE(d.has("123) 管内(tube)側流体入り側温度 ---- Tti(ﾟc)= 20"));
    EXPECT_NEAR(d.after("?? 設定水分濃度に対し入側温度が低い!【範囲 Tti<"), airDew(5.0), 0.01);
}

TEST(TubeBelowCondensingShell, CloseSaturationTemperaturesWarnOnly) {
    BelowCondensingShell d;
    set(d.s, "EDIT138", "19");
    set(d.s, "EDIT130", "59.5");
    ASSERT_LT(shellSaturation() - airDew(19.0), 3.0);
    ASSERT_LT(airDew(19.0), 59.5);
    d.run();
    EXPECT_TRUE(d.has("両流体の飽和温度が接近しており、ｴﾗｰ発生の可能性有り。"));
    EXPECT_FLOAT_EQ(d.r.Tti, 59.5f);
}

TEST(TubeBelowCondensingShell, TubeInletAboveTheShellFailsTheLatentHeatCondition) {
    BelowCondensingShell d;
    set(d.s, "EDIT138", "5");
    set(d.s, "EDIT130", "70");
    expectLeave(d, 1, [&] { d.run(); });
    EXPECT_TRUE(d.has("-------------------<< 要ﾁｪｯｸ >>-----------------"));
    EXPECT_TRUE(d.has("管内潜熱条件を外れます。!!"));
}

TEST(TubeBelowCondensingShell, CompositionInletRange) {
    BelowCondensingShell d;
    set(d.s, "EDIT158", "3");
    set(d.s, "EDIT136", "1");
    set(d.s, "EDIT137", "20");
    set(d.s, "EDIT138", "5");
    set(d.s, "EDIT130", "20");
    expectLeave(d, 1, [&] { d.run(); });
    const double m = 18.0 / ((44.0 + 28.0 * 74 + 32.0 * 20) / 95.0);
    EXPECT_NEAR(d.after("■ 管内入り側温度は【 "), dew(m * 0.05 / 0.95, m), 0.01);
    EXPECT_TRUE(d.has("18. 管内(tube)側流体入り側温度 ---- Tti(ﾟc)= 20"));
    EXPECT_TRUE(d.has("???　 範囲を超えています。再設定して下さい。"));
}

TEST(WaterTubes, TheTubeDialogueStopsAfterThePreparation) {
    Dialogue d(Pair::WaterGas);
    set(d.s, "EDIT173", "1");
    d.both();
    EXPECT_FALSE(d.hasPrefix("113)"));
    EXPECT_FLOAT_EQ(d.r.Tti, 20.0f);  // the water inlet is taken with the flows
}

// ---- K displays ---------------------------------------------------------

TEST(HumidKelvin, ShellAndTubeLinesInK) {
    Dialogue d(Pair::HumidTubes, true);
    set(d.s, "EDIT173", "1");
    set(d.s, "EDIT158", "2");
    set(d.s, "EDIT166", "3");
    set(d.s, "EDIT177", "333");
    d.both();
    EXPECT_TRUE(d.has("109)【 低温側 】シェル入側ガス温度 Tsi(K)= 293"));
    EXPECT_TRUE(d.has("<3> 入側飽和温度(K)、<4> 入側ｴﾝﾀﾙﾋﾟｰ(kcal/kg)"));
    EXPECT_TRUE(d.has("86) ● 管内飽和温度 Tti(K)= 333"));
    const double x = xsat(60.0, 0.622);
    EXPECT_NEAR(d.after("→ 管内側露点温度 "), dew(x, kAirM) + 273.0, 0.01);
    EXPECT_TRUE(d.hasPrefix("         管内飽和温度       Tti= "));
    EXPECT_NEAR(d.after("管内飽和温度       Tti= "), dew(x, kAirM) + 273.0, 0.001);
    EXPECT_NEAR(d.r.Tti, dew(x, kAirM), 0.01);
    EXPECT_FLOAT_EQ(d.r.Tsi, 20.0f);
}

TEST(HumidKelvin, EnthalpyInKilojoules) {
    Dialogue d(Pair::WaterHumidShell, true);
    set(d.s, "EDIT173", "2");
    set(d.s, "EDIT171", "4");
    const double h40 = 0.24 * 40.0 + (597.3 + 0.441 * 40.0) * xsat(40.0, 0.622);
    set(d.s, "EDIT176", std::to_string(h40 * 4.1868).c_str());
    d.shell();
    const double hmin = 0.24 * 20.0 + (597.3 + 0.441 * 20.0) * xsat(20.0, 0.622);
    EXPECT_NEAR(d.after("88B)● SHELL入側飽和ｶﾞｽｴﾝﾀﾙﾋﾟｰ範囲("), hmin * 4.1868, 5e-3);
    EXPECT_TRUE(d.hasPrefix("⇒ H2(kJ/kg)="));
    EXPECT_NEAR(d.r.T3, 40.0, 0.3);
    const auto page = linesOf(d.s.app.pane.pageText());
    ASSERT_GE(page.size(), 16u);
    EXPECT_EQ(page[15].rfind("         ｼｪﾙ側飽和温度      Tsi= ", 0), 0u);
    EXPECT_NE(page[15].find(" (K)"), std::string::npos);
}

// ---- Through the calculate button ------------------------------------------

TEST(HumidRun, TheButtonRunsBothSidesAndLeaves) {
    Session s;
    ready(s, Pair::HumidTubes);
    set(s, "EDIT173", "1");
    set(s, "EDIT158", "2");
    set(s, "EDIT166", "3");
    set(s, "EDIT177", "60");
    PageLog log;
    s.app.pane.setObserver(&log);
    s.platform.yesNo.push_back(true);
    ASSERT_TRUE(s.click("MAINFORM.BUTTON9"));
    s.app.pane.setObserver(nullptr);
    bool shell = false, tube = false;
    for (const std::string& p : log.pages) {
        shell = shell || p.find("91)【 シェル側(低温側) 】") != std::string::npos;
        tube = tube || p.find("管内飽和温度       Tti=") != std::string::npos;
    }
    EXPECT_TRUE(shell);
    EXPECT_TRUE(tube);
    EXPECT_EQ(s.platform.waits.size(), 1u);  // the confirmation box only
    EXPECT_FALSE(s.shown("FORM5"));          // the common return path
}

}  // namespace
}  // namespace cfhx
