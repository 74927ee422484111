// The gas dialogue: each description and water-content form on the shell
// and the tube side, the saturation figures, every refusal with or without
// its pause, the typed choice after a dew point above the inlet, and the
// displays in K.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/control_flow.h"
#include "calc/humid_dialogue.h"
#include "calc/numeric_guard.h"
#include "support/calc_run.h"
#include "support/sample_runs.h"

namespace cfhx {
namespace {

using testing::Entries;
using testing::join;
using testing::Pair;

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
// Saturated enthalpy, kcal/kg, of standard air at T °C.
double hsat(double T) { return 0.24 * T + (597.3 + 0.441 * T) * xsat(T, 0.622); }

// ---- The dialogue, run from the start stage --------------------------------

struct Dialogue : testing::CalcRun {
    explicit Dialogue(Pair pair, bool si = false) { testing::ready(s, pair, si); }
    void shell() {
        begin();
        calc::shellGasDialogue(s.app, r);
    }
    void both() {
        shell();
        calc::tubeGasDialogue(s.app, r);
    }
    // The rows of the current page.
    std::vector<std::string> page() const { return testing::linesOf(s.app.pane.pageText()); }
};

// A dialogue that must leave; `pauses` pauses are allowed and expected.
template <typename F>
void expectLeave(Dialogue& d, int pauses, F step) {
    d.s.platform.pausesAllowed = pauses;
    EXPECT_THROW(step(), LeaveCalculation);
    EXPECT_EQ(d.pauses(), pauses);
}

enum class Stage {
    Shell,          // the shell side only
    Both,           // the shell side, then the tubes
    GasBelowShell,  // both, the record given gas tubes after the start
};

// FORM5 entries over the samples, the stage run, and what it printed.
struct Case {
    const char* name;
    Pair pair;
    Entries entries = {};
    Stage stage = Stage::Both;
    std::optional<int> leavesAfterPauses = {};  // empty: the stage goes through
    std::vector<std::string> shown = {}, notShown = {}, notStarting = {};  // lines; line starts
    std::function<void(const Dialogue&)> check = {};
    bool si = false;
};

void expectDialogue(const Case& c) {
    SCOPED_TRACE(c.name);
    Dialogue d(c.pair, c.si);
    d.s.enter("FORM5", c.entries);
    auto step = [&] {
        if (c.stage == Stage::Shell) return d.shell();
        if (c.stage == Stage::Both) return d.both();
        d.begin();
        d.r.TubeFluidKind = 2.0f;
        calc::shellGasDialogue(d.s.app, d.r);
        calc::tubeGasDialogue(d.s.app, d.r);
    };
    if (c.leavesAfterPauses) {
        expectLeave(d, *c.leavesAfterPauses, step);
    } else {
        EXPECT_NO_THROW(step());
    }
    for (const std::string& line : c.shown) EXPECT_TRUE(d.has(line)) << line;
    for (const std::string& line : c.notShown) EXPECT_FALSE(d.has(line)) << line;
    for (const std::string& start : c.notStarting) EXPECT_FALSE(d.hasPrefix(start)) << start;
    if (c.check) c.check(d);
}

// ---- Figures ---------------------------------------------------------------

TEST(HumidFigures, SaturationAtTwentyDegrees) {
    // Independent check of the figures the dialogue's limits rest on.
    EXPECT_NEAR(pvs(20.0), 0.02387, 5e-5);
    EXPECT_NEAR(xsat(20.0, 0.622), 0.01471, 5e-5);
    EXPECT_NEAR(kAirM, 0.6241, 1e-4);
}

// ---- Shell side -----------------------------------------------------------

TEST(ShellGas, EachFormOnAGasOrCondensingShell) {
    const Case cases[] = {
        {.name = "dry air on a gas shell gives the table and the inlet line", .pair = Pair::GasGas,
         .entries = {{"EDIT173", "1"}}, .stage = Stage::Shell,
         .shown = {"92)【 シェル側(高温側) 】ｶﾞｽ物性値入力方式選択", "<3> 準標準空気呼出", "RSWET= 1",
                   "CO2(%)=  0.030, N2(%)= 79.020, O2(%)= 20.95, H2O(%)=  0.00", "<<< シェル側ガス物性 >>",
                   "108)シェル入側ガス温度 Tsi(℃)= 200"},
         .notStarting = {"→ シェル側露点温度は"},
         .check = [](const Dialogue& d) {
             EXPECT_EQ(d.r.flags.sSF.view(), "1");
             EXPECT_FLOAT_EQ(d.r.Tsi, 200.0f);
             EXPECT_NEAR(d.r.Dns, airDensity(0.0), 1e-5);
             EXPECT_NEAR(d.r.MS, 18.0153 / kAirMW, 1e-5);
         }},
        {.name = "absolute humidity on a gas shell", .pair = Pair::GasGas,
         .entries = {{"EDIT173", "2"}, {"EDIT171", "2"}, {"EDIT162", "0.01"}}, .stage = Stage::Shell,
         .shown = {"< dry base >", "add H2O(%) after", "⇒  XA(kg/kg)= 0.01", "111)　シェル入側ガス温度 Tsi(℃)= 200"},
         .check = [](const Dialogue& d) {
             const double v = 0.01 / (0.01 + kAirM);
             EXPECT_NEAR(d.after("( 水分モル分率(%)= "), 100.0 * v, 1e-4);
             EXPECT_NEAR(d.r.MS, kAirM, 1e-5);
             EXPECT_NEAR(d.r.Vxa, v, 1e-6);
             EXPECT_NEAR(d.after("→ シェル側露点温度は"), dew(0.01, kAirM), 0.01);
             EXPECT_NEAR(d.after("《 "), dew(0.01, kAirM), 0.01);
             EXPECT_NEAR(d.r.Dns, airDensity(100.0 * v), 1e-5);
             EXPECT_NEAR(d.r.shellWet[calc::kN2], 0.7902 * (1.0 - v), 1e-6);
         }},
        {.name = "mole percent on a gas shell is limited to 96", .pair = Pair::GasGas,
         .entries = {{"EDIT173", "2"}, {"EDIT171", "1"}, {"EDIT161", "5"}}, .stage = Stage::Shell,
         .shown = {"101) シェル側水分モル分率Vxaを【.6028% < Vxa < 96%】の", "範囲で入力して下さい。  ⇒Vxa(％)= 5"},
         .check = [](const Dialogue& d) {
             EXPECT_NEAR(d.after("(Absolute humidity(kg/kg)="), kAirM * 0.05 / 0.95, 1e-6);
             EXPECT_NEAR(d.r.XA, kAirM * 0.05 / 0.95, 1e-6);
         }},
        {.name = "zero mole percent leaves without a message or a pause", .pair = Pair::GasGas,
         .entries = {{"EDIT173", "2"}, {"EDIT171", "1"}, {"EDIT161", "0"}}, .stage = Stage::Shell,
         .leavesAfterPauses = 0},
        {.name = "97 mole percent is supersaturated", .pair = Pair::GasGas,
         .entries = {{"EDIT173", "2"}, {"EDIT171", "1"}, {"EDIT161", "97"}}, .stage = Stage::Shell,
         .leavesAfterPauses = 1, .shown = {"//// シェル側が過飽和のため規定範囲内で再設定して下さい。////"}},
        {.name = "the low side's range follows saturation at its 20 °C inlet (humid tubes); its table leads "
                 "straight to the fractions, the inlet shown once",
         .pair = Pair::HumidTubes,
         .entries = {{"EDIT173", "2"}, {"EDIT171", "1"}, {"EDIT161", "1"}}, .stage = Stage::Shell,
         .shown = {"91)【 シェル側(低温側) 】ｶﾞｽ物性値入力方式選択",
                   "<< 管内凝縮計算のため、シェル側が低温側になります。>>",
                   "93)シェル入側ガス温度 T3(℃)= 20"},
         .notShown = {"107)【 低温側 】シェル入側ガス温度 Tsi(℃)= 20", "T3= 20"},
         .check = [](const Dialogue& d) {
             const double x = xsat(20.0, kAirM);
             EXPECT_NEAR(d.after("Vxa <"), 100.0 * x / (x + kAirM), 1e-3);
         }},
        {.name = "standard air with moisture and no water is refused after its table", .pair = Pair::GasGas,
         .entries = {{"EDIT173", "2"}, {"EDIT171", "2"}, {"EDIT162", "0"}}, .stage = Stage::Shell,
         .leavesAfterPauses = 1, .shown = {"//// 湿りｶﾞｽ計算条件のため水分量を入力して下さい。////"}},
        {.name = "a water form other than one or two is refused", .pair = Pair::GasGas,
         .entries = {{"EDIT173", "2"}, {"EDIT171", "3"}}, .stage = Stage::Shell, .leavesAfterPauses = 1,
         .shown = {"////  指定外です。再セット ////"}},
        {.name = "dry air on a condensing shell is refused", .pair = Pair::WaterHumidShell,
         .entries = {{"EDIT173", "1"}}, .stage = Stage::Shell, .leavesAfterPauses = 1,
         .shown = {"////  指定外です。再セット ////"}, .notShown = {"<3> 準標準空気呼出"}},
    };
    for (const Case& c : cases) expectDialogue(c);
}

TEST(ShellCondensing, EachWaterForm) {
    // Saturated enthalpy of 40 °C air as typed; the range starts at the
    // tube inlet's 20 °C.
    const std::string h40 = std::to_string(hsat(40.0));
    const Case cases[] = {
        {.name = "saturation temperature given", .pair = Pair::WaterHumidShell,
         .entries = {{"EDIT173", "2"}, {"EDIT171", "3"}, {"EDIT175", "50"}}, .stage = Stage::Shell,
         .shown = {"96) ■ シェル側凝縮計算のためシェル側が高温側となるよう設定してください。",
                   "<3> 入側飽和ガス温度(℃)",
                   "//// シェル入側設定温度異常 ?? Tsi(℃)= 50////"},
         .check = [](const Dialogue& d) {
             const double x = xsat(50.0, kAirM);
             EXPECT_NEAR(d.r.XA, x, 1e-4);
             EXPECT_FLOAT_EQ(d.r.Tsi, 50.0f);  // the entered value, not the fitted dew point
             EXPECT_EQ(d.r.flags.sCOND.view(), "y");
             // The framed block at rows 15-20 from column 10.
             const auto page = d.page();
             ASSERT_GE(page.size(), 20u);
             EXPECT_EQ(page[14], "         =================　ｼｪﾙ側　=====================");
             EXPECT_EQ(page[15].rfind("         ｼｪﾙ側飽和温度      Tsi=", 0), 0u);
             EXPECT_NEAR(std::stod(page[15].substr(page[15].find("Tsi=") + 4)), dew(x, kAirM), 0.01);
             EXPECT_NE(page[16].find("(kg/kgda)"), std::string::npos);
             EXPECT_NEAR(std::stod(page[17].substr(page[17].find("Dns=") + 4)),
                         airDensity(100.0 * x / (x + kAirM)), 1e-4);
             EXPECT_NE(page[18].find("(標準空気0.622)"), std::string::npos);
             EXPECT_EQ(page[19].find_first_not_of(' '), 9u);
             EXPECT_EQ(page[19][9], '=');
         }},
        // Below about 2 °C the humidity is raised to the minimum, which then
        // fails the condensing side's own limit.
        {.name = "saturation at -10 °C", .pair = Pair::WaterHumidShell,
         .entries = {{"EDIT173", "2"}, {"EDIT171", "3"}, {"EDIT175", "-10"}}, .stage = Stage::Shell,
         .leavesAfterPauses = 1,
         .shown = {"??  絶対湿度をミニマムにセットします( XA=.003774 kg/kg )。", "//// 絶対湿度を見直して下さい。////"},
         .check = [](const Dialogue&) { EXPECT_LT(xsat(-10.0, kAirM), 0.003772); }},
        {.name = "saturation at 99.9 °C", .pair = Pair::WaterHumidShell,
         .entries = {{"EDIT173", "2"}, {"EDIT171", "3"}, {"EDIT175", "99.9"}}, .stage = Stage::Shell,
         .leavesAfterPauses = 1, .shown = {"//// 数値が大き過ぎます。////"},
         .check = [](const Dialogue&) { EXPECT_GT(xsat(99.9, kAirM), 17.06); }},
        {.name = "water form zero", .pair = Pair::WaterHumidShell, .entries = {{"EDIT173", "2"}, {"EDIT171", "0"}},
         .stage = Stage::Shell, .leavesAfterPauses = 1,
         .shown = {"//// 　飽和温度以外の水分条件を再設定して下さい。 ////"}},
        {.name = "mole percent", .pair = Pair::WaterHumidShell,
         .entries = {{"EDIT173", "2"}, {"EDIT171", "1"}, {"EDIT161", "20"}}, .stage = Stage::Shell,
         .shown = {"101) シェル側水分モル分率Vxaを【.6028% < Vxa < 96%】の"},
         .check = [](const Dialogue& d) {
             const double x = kAirM * 0.2 / 0.8;
             EXPECT_NEAR(d.r.XA, x, 1e-5);
             EXPECT_NEAR(d.r.Tsi, dew(x, kAirM), 0.01);
         }},
        {.name = "absolute humidity too large", .pair = Pair::WaterHumidShell,
         .entries = {{"EDIT173", "2"}, {"EDIT171", "2"}, {"EDIT162", "20"}}, .stage = Stage::Shell,
         .leavesAfterPauses = 1, .shown = {"//// 数値が大きすぎます。////"}},
        {.name = "saturated enthalpy gives the temperature", .pair = Pair::WaterHumidShell,
         .entries = {{"EDIT173", "2"}, {"EDIT171", "4"}, {"EDIT176", h40}}, .stage = Stage::Shell,
         .check = [](const Dialogue& d) {
             EXPECT_NEAR(d.after("87A)● SHELL入側飽和ｶﾞｽｴﾝﾀﾙﾋﾟｰ範囲("), hsat(20.0), 1e-3);
             EXPECT_TRUE(d.hasPrefix("⇒ H2(kcal/kg)="));
             EXPECT_NEAR(d.r.T3, 40.0, 0.3);
             EXPECT_NEAR(d.r.XA, xsat(d.r.T3, kAirM), 1e-4);
         }},
        {.name = "enthalpy at the limit is refused", .pair = Pair::WaterHumidShell,
         .entries = {{"EDIT173", "2"}, {"EDIT171", "4"}, {"EDIT176", "5"}}, .stage = Stage::Shell,
         .leavesAfterPauses = 1, .shown = {"////  入力値が規程範囲を外れています。////"}},
    };
    for (const Case& c : cases) expectDialogue(c);
}

TEST(ShellComposition, FullComposition) {
    const Case cases[] = {
        {.name = "full carbon dioxide is refused", .pair = Pair::GasGas,
         .entries = {{"EDIT173", "3"}, {"EDIT159", "100"}}, .stage = Stage::Shell, .leavesAfterPauses = 1,
         .shown = {"104)    CO2(vol.%)= 100"}, .notStarting = {"105)"},
         .check = [](const Dialogue& d) {
             const auto page = d.page();
             ASSERT_GE(page.size(), 6u);
             EXPECT_EQ(page[4], "    ? 管外側水分湿り飽和気体を選択のため100％は設定出来ません。");
             EXPECT_EQ(page[5], "    再設定して下さい !");
         }},
        {.name = "water over the sum is asked again and leaves when unchanged", .pair = Pair::GasGas,
         .entries = {{"EDIT173", "3"}, {"EDIT159", "10"}, {"EDIT160", "20"}, {"EDIT161", "80"}}, .stage = Stage::Shell,
         .leavesAfterPauses = 1, .shown = {"over range【100<H2O】"}},
        {.name = "wet gas on a gas shell", .pair = Pair::GasGas,
         .entries = {{"EDIT173", "3"}, {"EDIT159", "10"}, {"EDIT160", "5"}, {"EDIT161", "10"}}, .stage = Stage::Shell,
         .shown = {"N2(vol.%)=  75"},
         .check = [](const Dialogue& d) {
             // Dry base 10/90, 75/90, 5/90: MW and MS = 18.0153 / MW.
             const double mw = (44.0 * 10 + 28.0 * 75 + 32.0 * 5) / 90.0;
             EXPECT_NEAR(d.r.MS, 18.0153 / mw, 1e-5);
             EXPECT_NEAR(d.r.Dns, 1.9643 * 0.1 + 1.25 * 0.75 + 1.4286 * 0.05 + 0.8036 * 0.1, 1e-5);
             const double x = 18.0153 / mw * 0.1 / 0.9;
             EXPECT_NEAR(d.after("《 "), dew(x, 18.0153 / mw), 0.01);
         }},
    };
    for (const Case& c : cases) expectDialogue(c);
}

// ---- The question after a dew point above the shell inlet ------------------

double compositionDew() {
    // CO2 1, O2 20, H2O 10: dry base 1/90, 69/90, 20/90.
    const double m = 18.0153 / ((44.0 + 28.0 * 69 + 32.0 * 20) / 90.0);
    return dew(m * 0.1 / 0.9, m);
}

// A low shell side at 20 °C with 10 % water.
struct WetLowShell : Dialogue {
    WetLowShell() : Dialogue(Pair::HumidTubes) {
        s.enter("FORM5", {{"EDIT173", "3"}, {"EDIT159", "1"}, {"EDIT160", "20"}, {"EDIT161", "10"}, {"EDIT133", "20"}});
    }
};

TEST(ShellAgain, OtherAnswersAndDoubleZeroRepeatTheQuestion) {
    // 10 % water has its dew point near 46 °C, above the 20 °C inlet.
    WetLowShell d;
    ASSERT_GT(compositionDew(), 20.0);
    d.s.platform.lines = {"3", "00", "y"};
    d.begin();
    // The queue runs dry on the fourth question: each answer kept it asking.
    EXPECT_THROW(calc::shellGasDialogue(d.s.app, d.r), std::runtime_error);
    EXPECT_EQ(d.count("＜ 再＞"), 4);
    EXPECT_EQ(d.count("<1> シェル側水分条件の変更(ﾀﾞｳﾝ)"), 4);
    EXPECT_EQ(d.count("<2> シェル入側温度の変更(ｱｯﾌﾟ)"), 4);
    EXPECT_TRUE(d.has("??? ｼｪﾙ側飽和水分濃度に対し入力温度が露点以下のため、ｼｪﾙ入側温"));
    EXPECT_TRUE(d.has("度を飽和温度以上または水分量を飽和以下に再設定して下さい。"));
    EXPECT_NEAR(d.after("→ 【"), compositionDew(), 0.01);
}

TEST(ShellAgain, TwoTakesTheRaisedInletTemperature) {
    WetLowShell d;
    d.s.platform.lines = {"2"};
    d.s.platform.whileReading = [&](const std::string&) { d.s.enter("FORM5", {{"EDIT133", "50"}}); };
    d.shell();
    EXPECT_EQ(d.count("107)【 低温側 】シェル入側ガス温度 Tsi(℃)= 20"), 1);
    EXPECT_EQ(d.count("107)【 低温側 】シェル入側ガス温度 Tsi(℃)= 50"), 1);
    EXPECT_EQ(d.count("91)【 シェル側(低温側) 】ｶﾞｽ物性値入力方式選択"), 1);
    EXPECT_FLOAT_EQ(d.r.Tsi, 50.0f);
}

TEST(ShellAgain, OneStartsTheShellSideAgain) {
    WetLowShell d;
    d.s.platform.lines = {"1"};
    d.s.platform.whileReading = [&](const std::string&) { d.s.enter("FORM5", {{"EDIT161", "1"}}); };
    d.shell();
    EXPECT_EQ(d.count("91)【 シェル側(低温側) 】ｶﾞｽ物性値入力方式選択"), 2);
    EXPECT_EQ(d.count("106)    H2O(vol.%)= 1"), 1);
    EXPECT_NEAR(d.r.Vxa, 0.01, 1e-7);
}

TEST(ShellAgain, AnAnswerWithNothingChangedLeavesForTheScreens) {
    for (const char* answer : {"1", "2"}) {
        SCOPED_TRACE(answer);
        WetLowShell d;
        d.s.platform.lines = {answer};
        expectLeave(d, 0, [&] { d.shell(); });
        EXPECT_EQ(d.count("＜ 再＞"), 1);
    }
}

// ---- Tube side -----------------------------------------------------------

TEST(TubeGas, EachFormBesideAGasShell) {
    const Entries air = {{"EDIT173", "1"}};
    const Case cases[] = {
        {.name = "dry air in the tubes", .pair = Pair::GasGas, .entries = join(air, {{"EDIT158", "1"}}),
         .shown = {"113)  管内側流体物性値を選択して下さい", "              1",
                   "CO2(%)=  0.030, N2(%)= 79.020, O2(%)= 20.950, H2O(%)=  0.000",
                   "126) 管内側流体入り側温度 ----- Tti(ﾟc)= 20"},
         .notStarting = {"→ 管内側露点温度"},
         .check = [](const Dialogue& d) {
             EXPECT_NEAR(d.r.Dn, airDensity(0.0), 1e-5);
             EXPECT_EQ(d.r.flags.sTGAS.view(), "1");
             EXPECT_FLOAT_EQ(d.r.Tti, 20.0f);
         }},
        {.name = "absolute humidity below the minimum is raised with the notice", .pair = Pair::GasGas,
         .entries = join(air, {{"EDIT158", "2"}, {"EDIT166", "2"}, {"EDIT139", "0.003"}}),
         .shown = {"116) ⇒ 管内ｶﾞｽ水分量の入力形態を選択して下さい", "範囲外のため再設定    121) ⇒ XG(kg/kg)= 0.003",
                   "?? 絶対湿度の値を0℃の値にセットします( XG=.003774 kg/kg )。"},
         .check = [](const Dialogue& d) {
             EXPECT_TRUE(d.hasPrefix("120)　● 絶対湿度の範囲( "));
             EXPECT_NEAR(d.r.XG, 0.003772, 1e-6);
             EXPECT_NEAR(d.after("→ 管内側露点温度"), dew(0.003772, kAirM), 0.01);
         }},
        {.name = "mole percent below the minimum is raised without notice", .pair = Pair::GasGas,
         .entries = join(air, {{"EDIT158", "2"}, {"EDIT166", "1"}, {"EDIT138", "0.5"}}),
         .shown = {"119)  ⇒ Vn(%)= 0.5"},
         .notStarting = {"118)", "?? 絶対湿度の値を"},  // no range line without a humid shell
         .check = [](const Dialogue& d) {
             EXPECT_NEAR(d.r.XG, 0.003772, 1e-6);
             EXPECT_NEAR(d.r.VH, 0.003772 / (0.003772 + kAirM), 1e-6);
         }},
        {.name = "water form 3 leaves without a pause", .pair = Pair::GasGas,
         .entries = join(air, {{"EDIT158", "2"}, {"EDIT166", "3"}}), .leavesAfterPauses = 0,
         .shown = {"1  or  2  をプッシュして下さい。"}},
        {.name = "description 4 is asked again after the pause, unchanged", .pair = Pair::GasGas,
         .entries = join(air, {{"EDIT158", "4"}}), .leavesAfterPauses = 1, .shown = {"1～３を選んで下さい"}},
        {.name = "97 mole percent is over range", .pair = Pair::GasGas,
         .entries = join(air, {{"EDIT158", "2"}, {"EDIT166", "1"}, {"EDIT138", "97"}}), .leavesAfterPauses = 1,
         .shown = {"//// over range ////"}},
        {.name = "an inlet below the dew point of 10 % water", .pair = Pair::GasGas,
         .entries = join(air, {{"EDIT158", "2"}, {"EDIT166", "1"}, {"EDIT138", "10"}, {"EDIT130", "30"}}),
         .leavesAfterPauses = 1, .shown = {"<< ﾁｪｯｸ >>"},
         .check = [](const Dialogue& d) {
             EXPECT_NEAR(d.after("?? 管入側水分量と設定温度の不整合！【設定範囲 Tti>"),
                         dew(kAirM * 0.1 / 0.9, kAirM), 0.01);
         }},
        {.name = "composition box", .pair = Pair::GasGas,
         .entries = join(air, {{"EDIT158", "3"}, {"EDIT136", "10"}, {"EDIT137", "5"}, {"EDIT138", "0"}}),
         .shown = {"CO2(vol.%)= 10", "N2(vol.%)=  85"},
         .check = [](const Dialogue& d) {
             EXPECT_NEAR(d.r.Dn, 1.9643 * 0.1 + 1.25 * 0.85 + 1.4286 * 0.05, 1e-5);
             EXPECT_NEAR(d.r.MT, 18.0 / (44.0 * 0.1 + 28.0 * 0.85 + 32.0 * 0.05), 1e-5);
         }},
        {.name = "composition over range is read again", .pair = Pair::GasGas,
         .entries = join(air, {{"EDIT158", "3"}, {"EDIT136", "120"}}), .leavesAfterPauses = 1,
         .shown = {"over range ! 100%<CO2 "}, .notStarting = {"O2(vol.%) ="}},
        {.name = "water in the tubes: the tube dialogue stops after the preparation", .pair = Pair::WaterGas,
         .entries = air, .notStarting = {"113)"},
         .check = [](const Dialogue& d) { EXPECT_FLOAT_EQ(d.r.Tti, 20.0f); }},  // the inlet comes with the flows
    };
    for (const Case& c : cases) expectDialogue(c);
}

TEST(HumidTubes, EachFormOfTheCondensingTubes) {
    const Entries saturated = {{"EDIT173", "1"}, {"EDIT158", "2"}};
    const Case cases[] = {
        {.name = "saturation temperature given", .pair = Pair::HumidTubes,
         .entries = join(saturated, {{"EDIT166", "3"}, {"EDIT177", "60"}}),
         .shown = {"115)【 高温側 】管内側ガスの組成入力形態を選択して下さい。", "TWET= 3",
                   "85) ● 管内飽和温度 Tti(℃)= 60"},
         .check = [](const Dialogue& d) {
             const double x = xsat(60.0, 0.622);
             EXPECT_NEAR(d.after(" XG="), x, 1e-4);
             EXPECT_NEAR(d.after(" PG1="), pvs(60.0), 1e-5);
             EXPECT_NEAR(d.after(" H2="), 0.24 * 60 + (597.3 + 0.441 * 60) * x, 0.05);
             EXPECT_EQ(d.r.flags.sHUM.view(), "2");
             // The block at rows 14-19 and the saturation temperature from the dew point.
             const auto page = d.page();
             ASSERT_GE(page.size(), 19u);
             EXPECT_EQ(page[13], "         " + std::string(47, '-'));
             EXPECT_EQ(page[14].rfind("         管内飽和温度       Tti=", 0), 0u);
             EXPECT_NEAR(d.r.Tti, dew(x, kAirM), 0.01);
             EXPECT_NEAR(d.r.Tti, 60.0, 1.0);
         }},
        {.name = "saturation temperature over the limit", .pair = Pair::HumidTubes,
         .entries = join(saturated, {{"EDIT166", "3"}, {"EDIT177", "97"}}), .leavesAfterPauses = 1,
         .shown = {"！設定温度が許容値を超えています。"}},
        {.name = "saturation temperature below the shell's 20 °C", .pair = Pair::HumidTubes,
         .entries = join(saturated, {{"EDIT166", "3"}, {"EDIT177", "10"}}), .leavesAfterPauses = 1,
         .shown = {"！設定温度が許容値を下回っています。"}},
        {.name = "dry air leaves without a pause", .pair = Pair::HumidTubes,
         .entries = {{"EDIT173", "1"}, {"EDIT158", "1"}}, .leavesAfterPauses = 0,
         .shown = {"//// choice  1 or 2  ////"}},
        {.name = "water form 5 leaves without a pause", .pair = Pair::HumidTubes,
         .entries = join(saturated, {{"EDIT166", "5"}}), .leavesAfterPauses = 0, .shown = {"choice  1  or  2"}},
        // 1 % water condenses near 7 °C, below the shell's 20 °C.
        {.name = "low water fails the latent-heat condition", .pair = Pair::HumidTubes,
         .entries = join(saturated, {{"EDIT166", "1"}, {"EDIT138", "1"}}), .leavesAfterPauses = 1,
         .shown = {"------------------<< 要ﾁｪｯｸ >>------------------", "管内潜熱条件を外れます。!!",
                   "継続の場合、水分濃度及び温度の見直しが必要です。",
                   "------------------------------------------------"}},  // closed at the heading's 48 columns
        {.name = "a composition drier than the shell is refused", .pair = Pair::HumidTubes,
         .entries = {{"EDIT173", "3"}, {"EDIT159", "1"}, {"EDIT160", "20"}, {"EDIT161", "1"}, {"EDIT158", "3"},
                     {"EDIT136", "1"}, {"EDIT137", "20"}, {"EDIT138", "1"}},
         .leavesAfterPauses = 1, .shown = {"?? 管内側飽和水分濃度をｼｪﾙ側飽和水分濃度より高くｾｯﾄして下さい！。"}},
    };
    for (const Case& c : cases) expectDialogue(c);
}

TEST(HumidTubes, EnthalpyOfTwoThousandIsAccepted) {
    Dialogue d(Pair::HumidTubes);
    d.s.enter("FORM5", {{"EDIT173", "1"}, {"EDIT158", "2"}, {"EDIT166", "4"}, {"EDIT174", "2000"}});
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
    EXPECT_NEAR(shownLimit, hsat(20.0), 1e-3);
    EXPECT_TRUE(trace);
}

// A tube gas below a condensing shell: no screen pair reaches it, so the
// record is given a gas tube after the start on the water/humid-shell pair.
// The shell: standard air with 20 % water, saturated near 60 °C.
double shellSaturation() { return dew(kAirM * 0.2 / 0.8, kAirM); }
double airDew(double waterPct) { return dew(kAirM * waterPct / (100.0 - waterPct), kAirM); }

TEST(TubeBelowCondensingShell, InletAndWaterAgainstTheShell) {
    const Entries shell = {{"EDIT173", "2"}, {"EDIT171", "1"}, {"EDIT161", "20"}, {"EDIT158", "2"}, {"EDIT166", "1"}};
    const Case cases[] = {
        {.name = "water above the shell's is asked again", .pair = Pair::WaterHumidShell,
         .entries = join(shell, {{"EDIT138", "25"}}), .stage = Stage::GasBelowShell, .leavesAfterPauses = 1,
         .shown = {"114) 【 低温側 】管内側流体物性値を選択して下さい"},
         .check = [](const Dialogue& d) { EXPECT_EQ(d.count("118) ● 水分モル分率の範囲(0.6028% < VH < 20%)"), 2); }},
        {.name = "an inlet below the tube dew point is refused", .pair = Pair::WaterHumidShell,
         .entries = join(shell, {{"EDIT138", "5"}, {"EDIT130", "20"}}), .stage = Stage::GasBelowShell,
         .leavesAfterPauses = 1, .shown = {"123) 管内(tube)側流体入り側温度 ---- Tti(ﾟc)= 20"},
         .notShown = {"両流体の飽和温度が接近しており、ｴﾗｰ発生の可能性有り。"},
         .check = [](const Dialogue& d) {
             EXPECT_NEAR(d.after("(Shell side inlet sat.temp.T3="), shellSaturation(), 0.01);
             EXPECT_NEAR(d.after("■ 管内入り側温度は【"), airDew(5.0), 0.01);
             EXPECT_NEAR(d.after("< Tti <"), shellSaturation(), 0.01);
             EXPECT_NEAR(d.after("?? 設定水分濃度に対し入側温度が低い!【範囲 Tti<"), airDew(5.0), 0.01);
         }},
        {.name = "close saturation temperatures warn only", .pair = Pair::WaterHumidShell,
         .entries = join(shell, {{"EDIT138", "19"}, {"EDIT130", "59.5"}}), .stage = Stage::GasBelowShell,
         .shown = {"両流体の飽和温度が接近しており、ｴﾗｰ発生の可能性有り。"},
         .check = [](const Dialogue& d) {
             EXPECT_LT(shellSaturation() - airDew(19.0), 3.0);
             EXPECT_LT(airDew(19.0), 59.5);
             EXPECT_FLOAT_EQ(d.r.Tti, 59.5f);
         }},
        {.name = "a tube inlet above the shell fails the latent-heat condition", .pair = Pair::WaterHumidShell,
         .entries = join(shell, {{"EDIT138", "5"}, {"EDIT130", "70"}}), .stage = Stage::GasBelowShell,
         .leavesAfterPauses = 1,
         .shown = {"-------------------<< 要ﾁｪｯｸ >>-----------------", "管内潜熱条件を外れます。!!"}},
        {.name = "the inlet range of a composition", .pair = Pair::WaterHumidShell,
         .entries = join(shell, {{"EDIT158", "3"}, {"EDIT136", "1"}, {"EDIT137", "20"}, {"EDIT138", "5"},
                                 {"EDIT130", "20"}}),
         .stage = Stage::GasBelowShell, .leavesAfterPauses = 1,
         .shown = {"18. 管内(tube)側流体入り側温度 ---- Tti(ﾟc)= 20", "???　 範囲を超えています。再設定して下さい。"},
         .check = [](const Dialogue& d) {
             const double m = 18.0 / ((44.0 + 28.0 * 74 + 32.0 * 20) / 95.0);
             EXPECT_NEAR(d.after("■ 管内入り側温度は【 "), dew(m * 0.05 / 0.95, m), 0.01);
         }},
    };
    for (const Case& c : cases) expectDialogue(c);
}

// ---- K displays ---------------------------------------------------------

TEST(HumidKelvin, LinesInKAndKilojoules) {
    const std::string h40 = std::to_string(hsat(40.0) * 4.1868);
    const Case cases[] = {
        {.name = "shell and tube lines in K", .pair = Pair::HumidTubes,
         .entries = {{"EDIT173", "1"}, {"EDIT158", "2"}, {"EDIT166", "3"}, {"EDIT177", "333"}},
         .shown = {"109)【 低温側 】シェル入側ガス温度 Tsi(K)= 293", "<3> 入側飽和温度(K)、<4> 入側ｴﾝﾀﾙﾋﾟｰ(kcal/kg)",
                   "86) ● 管内飽和温度 Tti(K)= 333"},
         .check = [](const Dialogue& d) {
             const double x = xsat(60.0, 0.622);
             EXPECT_NEAR(d.after("→ 管内側露点温度 "), dew(x, kAirM) + 273.0, 0.01);
             EXPECT_TRUE(d.hasPrefix("         管内飽和温度       Tti= "));
             EXPECT_NEAR(d.after("管内飽和温度       Tti= "), dew(x, kAirM) + 273.0, 0.001);
             EXPECT_NEAR(d.r.Tti, dew(x, kAirM), 0.01);
             EXPECT_FLOAT_EQ(d.r.Tsi, 20.0f);
         },
         .si = true},
        {.name = "enthalpy in kilojoules", .pair = Pair::WaterHumidShell,
         .entries = {{"EDIT173", "2"}, {"EDIT171", "4"}, {"EDIT176", h40}}, .stage = Stage::Shell,
         .check = [](const Dialogue& d) {
             EXPECT_NEAR(d.after("88B)● SHELL入側飽和ｶﾞｽｴﾝﾀﾙﾋﾟｰ範囲("), hsat(20.0) * 4.1868, 5e-3);
             EXPECT_TRUE(d.hasPrefix("⇒ H2(kJ/kg)="));
             EXPECT_NEAR(d.r.T3, 40.0, 0.3);
             const auto page = d.page();
             ASSERT_GE(page.size(), 16u);
             EXPECT_EQ(page[15].rfind("         ｼｪﾙ側飽和温度      Tsi= ", 0), 0u);
             EXPECT_NE(page[15].find(" (K)"), std::string::npos);
         },
         .si = true},
    };
    for (const Case& c : cases) expectDialogue(c);
}

// ---- Through the calculate button ------------------------------------------

TEST(HumidRun, TheButtonRunsBothSidesAndLeaves) {
    Dialogue d(Pair::HumidTubes);
    d.s.enter("FORM5", {{"EDIT173", "1"}, {"EDIT158", "2"}, {"EDIT166", "3"}, {"EDIT177", "60"}});
    d.s.app.pane.setObserver(&d.log);
    d.s.platform.yesNo.push_back(true);
    d.s.platform.lines.push_back(testing::kRecalculate);  // the result's menu
    ASSERT_TRUE(d.s.click("MAINFORM.BUTTON9"));
    d.s.app.pane.setObserver(nullptr);
    bool shell = false, tube = false;
    for (const std::string& p : d.log.pages) {
        shell = shell || p.find("91)【 シェル側(低温側) 】") != std::string::npos;
        tube = tube || p.find("管内飽和温度       Tti=") != std::string::npos;
    }
    EXPECT_TRUE(shell);
    EXPECT_TRUE(tube);
    EXPECT_EQ(d.s.platform.waits.size(), 2u);  // the confirmation box, the result
    EXPECT_FALSE(d.s.shown("FORM5"));          // the common return path
}

}  // namespace
}  // namespace cfhx
