// The start of a calculation behind the calculate button: the construction
// refusals in their order, the condensate film, the preliminary-data box,
// the mode flags of each fluid pair and the construction in metres.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "app/control_flow.h"
#include "support/calc_pages.h"
#include "calc/numeric_guard.h"
#include "calc/start.h"
#include "input/input_paths.h"

namespace cfhx {
namespace {

using testing::Session;

const std::string& kBox = testing::kConfirmBox;

using testing::PageLog;

enum class Pair { GasGas, WaterGas, HumidGas, WaterHumid, Manual };

// From start-up to an enabled calculate button: the sample bundle, the
// fluid pair and FORM5's sample values confirmed by its OK.
void ready(Session& s, Pair pair, bool si = false) {
    switch (pair) {
        case Pair::GasGas:
        case Pair::WaterGas:
            s.openInput(si);
            s.click("MAINFORM.BUTTON22");
            s.click(pair == Pair::GasGas ? "MAINFORM.BUTTON2" : "MAINFORM.BUTTON3");
            s.click("MAINFORM.BUTTON6");
            s.click(testing::processingNoButton(5));
            s.click("FORM6.BUTTON39");
            break;
        case Pair::HumidGas:
            s.openInput(si);
            s.click("MAINFORM.BUTTON22");
            s.click("MAINFORM.BUTTON1");
            s.click("MAINFORM.BUTTON6");
            break;
        case Pair::WaterHumid:
            s.openInput(si);
            s.click("MAINFORM.BUTTON22");
            s.click("MAINFORM.BUTTON3");
            s.click("MAINFORM.BUTTON5");
            break;
        case Pair::Manual:
            testing::openManual(s, si, "RADIO7", "");
            s.click("MAINFORM.BUTTON22");
            break;
    }
    s.click("FORM5.BUTTON53");
    s.click("FORM5.BUTTON30");
    ASSERT_TRUE(s.enabled("MAINFORM.BUTTON9")) << s.text("FORM5.TEXT127");
    s.platform.waits.clear();
}

void setMain(Session& s, const char* field, const char* text) { s(std::string("MAINFORM.") + field).setText(text); }

// The stage run on its own, with the box answered Yes.
calc::Record started(Session& s) {
    calc::Record r = calc::freshRecord();
    s.platform.yesNo.push_back(true);
    calc::startCalculation(s.app, r);
    return r;
}

// Presses the calculate button expecting the refusal `message` printed
// after five empty lines at `indent`, one pause and the return path.
void expectRefusal(Session& s, const std::string& message, int indent = 5, bool emptyLineFirst = false) {
    PageLog log;
    s.app.pane.setObserver(&log);
    s.platform.waits.clear();
    s.platform.pausesAllowed = 1;
    ASSERT_TRUE(s.click("MAINFORM.BUTTON9"));
    s.app.pane.setObserver(nullptr);
    EXPECT_EQ(s.platform.waits, std::vector<std::string>{"pause"}) << message;
    ASSERT_FALSE(log.pages.empty());
    std::string page = "\n\n\n\n\n" + std::string(emptyLineFirst ? "\n" : "") + std::string(indent, ' ') + message;
    EXPECT_EQ(log.pages.back(), page);
    EXPECT_EQ(s.app.pane.pageRows(), 0u);
    EXPECT_EQ(s.text("MAINFORM.BUTTON27"), " 設定確認");
    EXPECT_TRUE(s.enabled("MAINFORM.BUTTON9"));
}

// Presses the calculate button expecting every check passed and the box.
void expectPassed(Session& s, bool answer = true) {
    s.platform.waits.clear();
    s.platform.pausesAllowed = 0;
    s.platform.yesNo.push_back(answer);
    ASSERT_TRUE(s.click("MAINFORM.BUTTON9"));
    EXPECT_EQ(s.platform.waits, std::vector<std::string>{kBox});
}

// ---- Construction refusals ------------------------------------------------

TEST(StartChecks, EachMissingItemInItsOrder) {
    Session s;
    ready(s, Pair::GasGas);
    setMain(s, "EDIT14", " 2");
    for (const char* f : {"EDIT10", "EDIT11", "EDIT12", "EDIT13", "EDIT15", "EDIT16", "EDIT17", "EDIT18", "EDIT19",
                          "EDIT20", "EDIT21", "EDIT22", "EDIT23", "EDIT24", "EDIT25", "EDIT27", "EDIT32",
                          "EDIT33"}) {
        setMain(s, f, "");
    }
    setMain(s, "EDIT31", " 2");
    setMain(s, "EDIT30", "");
    setMain(s, "EDIT29", "");

    struct Step {
        const char* field;
        const char* value;
        const char* message;
    };
    const Step steps[] = {
        {"EDIT30", "2", "物性名称未登録"},
        {"EDIT29", "2", "物性名称未登録"},
        {"EDIT10", "16", "管外直径が未登録"},
        {"EDIT11", "14", "管内直径が未登録"},
        {"EDIT12", "1.3", "管縦方向ﾋﾟｯﾁの数値が未登録"},
        {"EDIT13", "1.3", "管水平方向ﾋﾟｯﾁの数値が未登録"},
        {"EDIT15", "6", "ﾌｨﾝ山数/吋　が未登録"},
        {"EDIT16", "14", "ﾌｨﾝ高さが未登録"},
        {"EDIT17", "0.3", "ﾌｨﾝ肉厚が未登録"},
        {"EDIT18", "1", "管配列（三角 or 四角）の数値が未登録"},
        {"EDIT19", "395", "管の熱伝導率が未登録"},
        {"EDIT20", "189", "ﾌｨﾝの熱伝導率が未登録"},
        {"EDIT21", "0.0005", "管内側汚れ係数が未登録"},
        {"EDIT22", "0.0005", "ｼｪﾙ側汚れ係数が未登録"},
        {"EDIT23", "1", "直交流での流路ﾊﾟｽ形態（向流ﾊﾟｽ、並流ﾊﾟｽ）が未登録"},
        {"EDIT24", "3", "管内側流路ﾊﾟｽ数が未登録"},
        {"EDIT25", "1", "ｼｪﾙ側流路ﾊﾟｽ数が未登録"},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.field);
        expectRefusal(s, step.message);
        setMain(s, step.field, step.value);
    }
    expectRefusal(s, "★ 管列数を右のカラムに入力して下さい。", 2, true);
    setMain(s, "EDIT27", "6");
    expectRefusal(s, "ﾂｲｽﾄﾃｰﾌﾟの肉厚が未登録");
    setMain(s, "EDIT32", "1");
    expectRefusal(s, "ﾂｲｽﾄﾃｰﾌﾟのﾋﾟｯﾁ(節間長さ)が未登録");
    setMain(s, "EDIT33", "100");
    expectPassed(s);
}

TEST(StartChecks, PassesOnBothSidesStopFirst) {
    Session s;
    ready(s, Pair::GasGas);
    setMain(s, "EDIT24", " 2");
    setMain(s, "EDIT25", " 2");
    setMain(s, "EDIT10", "");  // a later item is not looked at
    expectRefusal(s, "管側１パス以上の場合、シェル側は１パス指定です。");
    setMain(s, "EDIT25", " 1");
    expectRefusal(s, "管外直径が未登録");
    setMain(s, "EDIT10", " 16");
    expectPassed(s);
}

TEST(StartChecks, BareTubeNeedsNoFinData) {
    Session s;
    ready(s, Pair::GasGas);
    for (const char* f : {"EDIT15", "EDIT16", "EDIT17", "EDIT20"}) setMain(s, f, "");
    expectPassed(s);
}

TEST(StartChecks, PlateFinNeedsThicknessButNoHeight) {
    Session s;
    ready(s, Pair::GasGas);
    setMain(s, "EDIT14", " 3");
    setMain(s, "EDIT15", " 9");
    setMain(s, "EDIT16", "   －");
    setMain(s, "EDIT17", "   －");
    setMain(s, "EDIT20", " 189");
    expectRefusal(s, "ﾌｨﾝ肉厚が未登録");
    setMain(s, "EDIT17", " 0.3");
    expectPassed(s);
}

TEST(StartChecks, TubeRowsOnlyWithTypedInProperties) {
    Session s;
    ready(s, Pair::GasGas);
    setMain(s, "EDIT26", "");
    calc::Record r = started(s);  // the settings review asks for rows later
    EXPECT_EQ(r.Nv, 0.0f);
    EXPECT_EQ(s.platform.waits, std::vector<std::string>{kBox});

    Session t;
    ready(t, Pair::Manual);
    setMain(t, "EDIT26", "");
    setMain(t, "EDIT27", "");
    expectRefusal(t, "★ 管段数を右欄『 伝熱管段数 』カラムに数値を入力してください。", 2);
    setMain(t, "EDIT26", " 10");
    expectRefusal(t, "★ 管列数を右のカラムに入力して下さい。", 2, true);
    setMain(t, "EDIT27", " 3");
    expectPassed(t);
}

TEST(StartChecks, TapeDataOnlyWithATape) {
    Session s;
    ready(s, Pair::GasGas);
    setMain(s, "EDIT32", "");
    setMain(s, "EDIT33", "");
    expectPassed(s);
    setMain(s, "EDIT31", " 2");
    setMain(s, "EDIT32", " 1");
    expectRefusal(s, "ﾂｲｽﾄﾃｰﾌﾟのﾋﾟｯﾁ(節間長さ)が未登録");
}

TEST(StartChecks, CodesThatNameNothingAreRefusedAsMissing) {
    Session s;
    ready(s, Pair::GasGas);
    setMain(s, "EDIT18", " 3");
    expectRefusal(s, "管配列（三角 or 四角）の数値が未登録");
    setMain(s, "EDIT18", " 2");
    setMain(s, "EDIT23", " 4");
    expectRefusal(s, "直交流での流路ﾊﾟｽ形態（向流ﾊﾟｽ、並流ﾊﾟｽ）が未登録");
    setMain(s, "EDIT23", " 1.5");
    expectRefusal(s, "直交流での流路ﾊﾟｽ形態（向流ﾊﾟｽ、並流ﾊﾟｽ）が未登録");
    setMain(s, "EDIT23", " 3");
    expectPassed(s);
}

// ---- Condensate film thickness ----------------------------------------------

TEST(StartFilm, ZeroOnAHumidSideBecomesTinyWithANotice) {
    Session s;
    ready(s, Pair::HumidGas);
    ASSERT_EQ(readNumber(s.text("MAINFORM.EDIT34")), 0.0);  // "－" beside a gas shell
    PageLog log;
    s.app.pane.setObserver(&log);
    calc::Record r = started(s);
    s.app.pane.setObserver(nullptr);
    EXPECT_FLOAT_EQ(r.Dcf, 1e-10f);
    EXPECT_EQ(s.platform.waits, std::vector<std::string>{kBox});
    // The page the Yes clears holds the notice.
    ASSERT_FALSE(log.pages.empty());
    EXPECT_EQ(log.pages.back(), "\n\n\n\n\n     凝縮液膜厚さはゼロに設定されます。");
    EXPECT_EQ(s.app.pane.pageRows(), 0u);
}

TEST(StartFilm, ZeroIsNotTouchedWithoutAHumidSide) {
    Session s;
    ready(s, Pair::GasGas);
    setMain(s, "EDIT34", " 0");
    calc::Record r = started(s);
    EXPECT_EQ(r.Dcf, 0.0f);
    setMain(s, "EDIT34", "-1");
    r = started(s);
    EXPECT_EQ(r.Dcf, -1.0f);
    EXPECT_EQ(s.platform.waits, (std::vector<std::string>{kBox, kBox}));
}

TEST(StartFilm, ThickFilmGoesOnWithoutAWord) {
    Session s;
    ready(s, Pair::WaterHumid);
    setMain(s, "EDIT34", " 0.1");
    calc::Record r = started(s);
    EXPECT_FLOAT_EQ(r.Dcf, 0.1f);
    EXPECT_EQ(s.platform.waits, std::vector<std::string>{kBox});
}

TEST(StartFilm, NegativeNeedsAnExplicitYes) {
    Session s;
    ready(s, Pair::HumidGas);
    setMain(s, "EDIT34", "-0.1");
    s.platform.lines = {"Y", "yes", "y"};
    PageLog log;
    s.app.pane.setObserver(&log);
    calc::Record r = started(s);
    s.app.pane.setObserver(nullptr);
    EXPECT_FLOAT_EQ(r.Dcf, -0.1f);
    EXPECT_EQ(s.platform.waits, (std::vector<std::string>{"read", "read", "read", kBox}));
    const std::string q = "\n     このまま進める  y/n";
    EXPECT_EQ(log.pages.back(), "\n\n\n\n" + q + q + q);
}

TEST(StartFilm, NoToTheFilmQuestionPausesAndLeaves) {
    Session s;
    ready(s, Pair::WaterHumid);
    setMain(s, "EDIT34", "-0.1");
    s.platform.lines = {"x", "n"};
    s.platform.pausesAllowed = 1;
    ASSERT_TRUE(s.click("MAINFORM.BUTTON9"));
    EXPECT_EQ(s.platform.waits, (std::vector<std::string>{"read", "read", "pause"}));
    EXPECT_EQ(s.text("MAINFORM.BUTTON27"), " 設定確認");
    EXPECT_EQ(s.text("MAINFORM.EDIT34"), "-0.1");
}

TEST(StartFilm, ComesAfterTheColumnsAndBeforeTheTape) {
    Session s;
    ready(s, Pair::HumidGas);
    setMain(s, "EDIT34", "-0.1");
    setMain(s, "EDIT27", "");
    expectRefusal(s, "★ 管列数を右のカラムに入力して下さい。", 2, true);  // no question yet
    setMain(s, "EDIT27", " 3");
    setMain(s, "EDIT31", " 2");
    setMain(s, "EDIT32", "");
    s.platform.lines = {"y"};
    PageLog log;
    s.app.pane.setObserver(&log);
    s.platform.waits.clear();
    s.platform.pausesAllowed = 1;
    ASSERT_TRUE(s.click("MAINFORM.BUTTON9"));
    s.app.pane.setObserver(nullptr);
    EXPECT_EQ(s.platform.waits, (std::vector<std::string>{"read", "pause"}));
    EXPECT_EQ(log.pages.back(), "\n\n\n\n\n     このまま進める  y/n\n     ﾂｲｽﾄﾃｰﾌﾟの肉厚が未登録");
}

// ---- Preliminary-data box -----------------------------------------------------

TEST(StartConfirmation, YesClearsThePaneAndGoesOn) {
    Session s;
    ready(s, Pair::GasGas);
    s.app.pane.print("left over");
    calc::Record r = started(s);
    EXPECT_EQ(s.platform.waits, std::vector<std::string>{kBox});
    EXPECT_EQ(s.app.pane.pageRows(), 0u);
    EXPECT_EQ(r.flags.sFLOW, "1");  // the flags follow the Yes
}

TEST(StartConfirmation, NoDisablesTheKindButtonsAndLeavesWithoutAPause) {
    Session s;
    ready(s, Pair::GasGas);
    ScreenRef main = s.app["MAINFORM"];
    enableRange(main, "BUTTON", 1, 8, true);
    s.platform.yesNo.push_back(false);
    EXPECT_THROW(calc::confirmPreliminaryData(s.app), LeaveCalculation);
    for (int b = 1; b <= 8; ++b) EXPECT_FALSE(s.enabled("MAINFORM.BUTTON" + std::to_string(b))) << b;

    // Through the button: no pause, and the return path opens input again.
    expectPassed(s, false);
    EXPECT_EQ(s.text("MAINFORM.BUTTON27"), " 設定確認");
    for (int b = 5; b <= 8; ++b) EXPECT_FALSE(s.enabled("MAINFORM.BUTTON" + std::to_string(b))) << b;
    EXPECT_TRUE(s.enabled("MAINFORM.BUTTON9"));
}

TEST(StartConfirmation, NoFlagIsSetBeforeTheAnswer) {
    Session s;
    ready(s, Pair::GasGas);
    calc::Record r = calc::freshRecord();
    s.platform.yesNo.push_back(false);
    EXPECT_THROW(calc::startCalculation(s.app, r), LeaveCalculation);
    EXPECT_TRUE(r.flags.sFLOW.empty());
    EXPECT_TRUE(r.flags.LangUnitMode.empty());
    EXPECT_FLOAT_EQ(r.DO, 16.0f);  // still as entered
}

// ---- Mode flags -------------------------------------------------------------------

struct Flags {
    const char *lang, *flow, *hum, *cond, *tgas, *prop;
};

void expectFlags(const calc::Record& r, const Flags& f) {
    EXPECT_EQ(r.flags.LangUnitMode, f.lang);
    EXPECT_EQ(r.flags.sFLOW, f.flow);
    EXPECT_EQ(r.flags.sHUM, f.hum);
    EXPECT_EQ(r.flags.sCOND, f.cond);
    EXPECT_EQ(r.flags.sTGAS, f.tgas);
    EXPECT_EQ(r.flags.sPROP, f.prop);
}

TEST(StartFlags, EachReachableFluidPair) {
    struct Case {
        Pair pair;
        bool si;
        const char* pattern;
        Flags flags;
    };
    const Case cases[] = {
        {Pair::GasGas, false, " 1", {"J", "1", "3", "n", "", "1"}},
        {Pair::GasGas, true, " 3", {"JSI", "3", "3", "n", "", "1"}},
        {Pair::WaterGas, false, " 2", {"J", "2", "3", "n", "1", "1"}},
        {Pair::HumidGas, true, " 1", {"JSI", "3", "2", "y", "", "1"}},
        {Pair::WaterHumid, false, " 2", {"J", "3", "1", "y", "1", "1"}},
        {Pair::Manual, false, " 1", {"J", "1", "3", "n", "", "2"}},
        {Pair::Manual, true, " 3", {"JSI", "3", "3", "n", "", "2"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.pair) * 10 + c.si);
        Session s;
        ready(s, c.pair, c.si);
        setMain(s, "EDIT23", c.pattern);
        expectFlags(started(s), c.flags);
    }
}

TEST(StartFlags, GasTubesBesideAHumidShell) {
    // Not offered by the kind buttons; the flags still follow the table.
    calc::Record r = calc::freshRecord();
    r.TubeFluidKind = 2;
    r.ShellFluidKind = 1;
    r.FlowPattern = 2;
    r.UnitCode = 4;
    calc::deriveModeFlags(r);
    expectFlags(r, {"J", "3", "1", "y", "", "1"});
}

TEST(StartFlags, EnglishDisplayModes) {
    for (float code : {1.0f, 2.0f}) {
        calc::Record r = calc::freshRecord();
        r.UnitCode = code;
        calc::deriveModeFlags(r);
        EXPECT_EQ(r.flags.LangUnitMode, code == 1.0f ? "ESI" : "E");
    }
}

TEST(StartFlags, TubeFinArrangementAndTape) {
    struct Case {
        const char *type, *arrangement, *tape;
        const char *finned, *tube, *fin, *arr, *tapeFlag;
        calc::TubeKind kind;
    };
    const Case cases[] = {
        {" 1", " 1", " 1", "n", "1", "", "1", "n", calc::TubeKind::Bare},
        {" 2", " 2", " 2", "y", "2", "1", "2", "y", calc::TubeKind::RadialFin},
        {" 3", " 1", " 2", "y", "", "2", "1", "y", calc::TubeKind::PlateFin},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        Session s;
        ready(s, Pair::GasGas);
        setMain(s, "EDIT14", c.type);
        setMain(s, "EDIT15", " 9");
        setMain(s, "EDIT16", " 14");
        setMain(s, "EDIT17", " 0.3");
        setMain(s, "EDIT20", " 189");
        setMain(s, "EDIT18", c.arrangement);
        setMain(s, "EDIT31", c.tape);
        setMain(s, "EDIT32", " 1");
        setMain(s, "EDIT33", " 100");
        calc::Record r = started(s);
        EXPECT_EQ(r.flags.finned, c.finned);
        EXPECT_EQ(r.flags.sTUBE, c.tube);
        EXPECT_EQ(r.flags.sFIN, c.fin);
        EXPECT_EQ(r.flags.arrangement, c.arr);
        EXPECT_EQ(r.flags.sTAPE, c.tapeFlag);
        EXPECT_EQ(calc::tubeKind(r), c.kind);
    }
}

// ---- Construction in metres ---------------------------------------------------

TEST(StartConversion, BareTubeInMetres) {
    Session s;
    ready(s, Pair::GasGas);
    setMain(s, "EDIT31", " 2");
    setMain(s, "EDIT32", " 1");
    setMain(s, "EDIT33", " 100");
    calc::Record r = started(s);
    EXPECT_FLOAT_EQ(r.DO, 0.016f);
    EXPECT_FLOAT_EQ(r.DI, 0.014f);
    EXPECT_FLOAT_EQ(r.PVY, 1.3f);
    EXPECT_FLOAT_EQ(r.PHX, 1.3f);
    EXPECT_FLOAT_EQ(r.Pv, 0.0208f);
    EXPECT_FLOAT_EQ(r.Ph, 0.0208f);
    EXPECT_FLOAT_EQ(r.TTh, 0.001f);
    EXPECT_FLOAT_EQ(r.TTP2, 0.2f);  // twice the pitch between nodes
    EXPECT_EQ(r.NV, 40.0f);
    EXPECT_EQ(r.Nv, 40.0f);
    EXPECT_EQ(r.Nh, 6.0f);
    EXPECT_EQ(r.PNt, 3.0f);
    EXPECT_EQ(r.PNs, 1.0f);
    // Old units are the engine's: conductivity and fouling as entered.
    EXPECT_FLOAT_EQ(r.Km, 395.0f);
    EXPECT_FLOAT_EQ(r.Rt, 0.0005f);
    EXPECT_FLOAT_EQ(r.Rs, 0.0005f);
    EXPECT_FLOAT_EQ(r.CFt, 1.0f);
}

TEST(StartConversion, RadialFinPitchesOnTheFinTip) {
    Session s;
    ready(s, Pair::GasGas);
    setMain(s, "EDIT14", " 2");
    setMain(s, "EDIT15", " 6");
    setMain(s, "EDIT16", " 14");
    setMain(s, "EDIT17", " 0.3");
    setMain(s, "EDIT20", " 189");
    setMain(s, "EDIT13", " 1.5");
    calc::Record r = started(s);
    EXPECT_FLOAT_EQ(r.Fh, 0.014f);
    EXPECT_FLOAT_EQ(r.FT, 0.0003f);
    EXPECT_FLOAT_EQ(r.FPI, 6.0f);
    EXPECT_FLOAT_EQ(r.Pv, 0.0208f);
    EXPECT_FLOAT_EQ(r.Ph, 0.024f);
    EXPECT_FLOAT_EQ(r.PvFin, 1.3f * 0.044f);
    EXPECT_FLOAT_EQ(r.PhFin, 1.5f * 0.044f);

    // After the gas dialogue the tip pitches are the ones rated.
    calc::settleTubePitches(s.app, r);
    EXPECT_FLOAT_EQ(r.Pv, 1.3f * 0.044f);
    EXPECT_FLOAT_EQ(r.Ph, 1.5f * 0.044f);
    EXPECT_FLOAT_EQ(r.Fh, 0.014f);
}

TEST(StartConversion, PlateFinEquivalentHeight) {
    Session s;
    ready(s, Pair::GasGas);
    setMain(s, "EDIT14", " 3");
    setMain(s, "EDIT15", " 9");
    setMain(s, "EDIT16", " 99");  // replaced by the equivalent height
    setMain(s, "EDIT17", " 0.3");
    setMain(s, "EDIT20", " 189");
    setMain(s, "EDIT10", " 25.4");
    setMain(s, "EDIT12", " 2.0");
    setMain(s, "EDIT13", " 2.0");
    calc::Record r = started(s);
    EXPECT_FLOAT_EQ(r.Pv, 0.0508f);
    EXPECT_FLOAT_EQ(r.Ph, 0.0508f);
    EXPECT_NEAR(r.Fh, 0.01597f, 1e-5f);
    EXPECT_NEAR(r.Fh, (std::sqrt(4.0 * 0.0508 * 0.0508 / 3.14) - 0.0254) / 2.0, 1e-6);
    EXPECT_EQ(r.PvFin, 0.0f);
    calc::settleTubePitches(s.app, r);
    EXPECT_FLOAT_EQ(r.Pv, 0.0508f);
    EXPECT_NEAR(r.Fh, 0.01597f, 1e-5f);
}

TEST(StartConversion, UnfinnedTubeSettlesAsBare) {
    calc::Record r = calc::freshRecord();
    r.flags.finned = "n";
    r.Pv = 0.02f;
    r.PvFin = 0.05f;
    Session s;
    calc::settleTubePitches(s.app, r);
    EXPECT_EQ(r.flags.sTUBE, "1");
    EXPECT_FLOAT_EQ(r.Pv, 0.02f);
}

TEST(StartConversion, SiConductivitiesAndFoulingIntoEngineUnits) {
    Session s;
    ready(s, Pair::GasGas, true);
    setMain(s, "EDIT14", " 2");
    setMain(s, "EDIT15", " 6");
    setMain(s, "EDIT16", " 14");
    setMain(s, "EDIT17", " 0.3");
    setMain(s, "EDIT20", " 116.3");
    setMain(s, "EDIT19", " 395");
    setMain(s, "EDIT21", " 0.0008598");
    setMain(s, "EDIT22", " 0.0005");
    calc::Record r = started(s);
    EXPECT_FLOAT_EQ(r.Kf, 100.0f);
    EXPECT_FLOAT_EQ(r.Km, 395.0f / 1.163f);
    EXPECT_FLOAT_EQ(r.Rt, 0.001f);
    EXPECT_FLOAT_EQ(r.Rs, 0.0005f / 0.8598f);
    // Lengths are mm in both systems.
    EXPECT_FLOAT_EQ(r.DO, 0.016f);
}

TEST(StartConversion, OverflowingPitchStopsTheRun) {
    Session s;
    ready(s, Pair::GasGas);
    setMain(s, "EDIT10", "1e38");
    setMain(s, "EDIT12", "1e30");
    calc::Record r = calc::freshRecord();
    s.platform.yesNo.push_back(true);
    s.platform.pausesAllowed = 1;
    std::string message;
    try { calc::startCalculation(s.app, r); } catch (const calc::CalculationStop& stop) { message = stop.message; }
    EXPECT_NE(message.find("Pv"), std::string::npos) << message;
}

// ---- Values read as entered ---------------------------------------------------

TEST(StartReads, FieldsAsEnteredForTheDialogues) {
    Session s;
    ready(s, Pair::WaterGas, true);
    s("FORM5.EDIT130").setText("313");
    s("FORM5.EDIT133").setText("473");
    s("FORM5.EDIT169").setText("2.5");
    s("FORM5.EDIT157").setText("1500");
    s("FORM2.EDIT47").setText(" 20");
    s("FORM7.EDIT184").setText("0.1");
    s("FORM7.EDIT185").setText("0.0589");
    calc::Record r = started(s);
    EXPECT_EQ(r.UnitCode, 3.0f);
    EXPECT_EQ(r.TubeFluidKind, 3.0f);
    EXPECT_EQ(r.ShellFluidKind, 2.0f);
    EXPECT_EQ(r.ProcessingNo, 5.0f);
    // The gas dialogue and the flows convert these when they echo them.
    EXPECT_FLOAT_EQ(r.Tti, 313.0f);
    EXPECT_FLOAT_EQ(r.Tsi, 473.0f);
    EXPECT_FLOAT_EQ(r.Wt, 2.5f);
    EXPECT_FLOAT_EQ(r.TL, 1500.0f);
    EXPECT_FLOAT_EQ(r.SummaryTti, 20.0f);
    EXPECT_EQ(r.ShellGasComposition, readNumber(s.text("FORM5.EDIT173")));
    EXPECT_EQ(r.ShellFlowKind, readNumber(s.text("FORM5.EDIT172")));
    // The refrigerant data go into kgf/cm2 and kgf/m at once.
    EXPECT_FLOAT_EQ(r.Psat, 0.1f * 10.2f);
    EXPECT_FLOAT_EQ(r.SIGt, 0.0589f * 0.102f);
    // The start values stand beside them.
    EXPECT_FLOAT_EQ(r.Dt, 1.293f);
    EXPECT_FLOAT_EQ(r.Ht, 50.0f);
    EXPECT_FLOAT_EQ(r.TZ3, 50.01f);
}

TEST(StartReads, EveryRunStartsFresh) {
    Session s;
    ready(s, Pair::HumidGas);
    calc::Record first = started(s);
    ASSERT_EQ(first.flags.sHUM, "2");
    expectPassed(s);  // the return path opens the kind buttons again
    s.click("MAINFORM.BUTTON2");
    s.click("MAINFORM.BUTTON6");
    s.click("FORM6.BUTTON39");
    s.click("FORM5.BUTTON53");
    s.click("FORM5.BUTTON30");
    ASSERT_TRUE(s.enabled("MAINFORM.BUTTON9"));
    calc::Record second = started(s);
    EXPECT_EQ(second.flags.sHUM, "3");
    EXPECT_EQ(second.flags.sCOND, "n");
    EXPECT_EQ(second.flags.sFLOW, "1");
}

// ---- Hand-over pieces -----------------------------------------------------------

TEST(StartHandOver, RowsFieldMarkedWhileTheRowsAreComputed) {
    for (int no : {3, 4, 5}) {
        Session s;
        ready(s, Pair::GasGas);
        s("FORM6.EDIT167").setText(std::to_string(no));
        calc::markComputedRows(s.app);
        EXPECT_EQ(s.text("MAINFORM.EDIT26"), no == 5 ? " 40" : "   －") << no;
    }
}

TEST(StartHandOver, HeadingOfTheFlowArrangement) {
    struct Case {
        const char* flow;
        std::string page;
    };
    const Case cases[] = {
        {"1", "\n＜ 直交流型又は直交流型向流ﾊﾟｽ熱交換器の計算条件です＞\n\n\n"},
        {"2", "\n＜ ２ﾊﾟｽ以上の直交型並流ﾊﾟｽ熱交換器の計算条件です＞\n\n\n"},
        {"3", "\n\n＜ LMTD(向流) の計算条件です。LMTD 補正値を入力して下さい。＞\n\n\n"},
    };
    for (const Case& c : cases) {
        Session s;
        s.app.pane.clear();
        calc::Record r = calc::freshRecord();
        r.flags.sFLOW = c.flow;
        calc::printArrangementHeading(s.app, r);
        EXPECT_EQ(s.app.pane.pageText(), c.page) << c.flow;
    }
}

}  // namespace
}  // namespace cfhx
