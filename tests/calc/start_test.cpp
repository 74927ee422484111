// The start of a calculation behind the calculate button: the construction
// refusals in their order, the condensate film, the preliminary-data box,
// the mode flags of each fluid pair and the construction in metres.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "app/control_flow.h"
#include "calc/numeric_guard.h"
#include "support/calc_run.h"
#include "support/sample_runs.h"

namespace cfhx {
namespace {

using testing::Entries;
using testing::join;
using testing::kConfirmBox;
using testing::PageLog;
using testing::Pair;
using testing::Session;

void setMain(Session& s, const char* field, const char* text) { s.enter("MAINFORM", {{field, text}}); }

calc::Record started(Session& s) { return testing::startedRecord(s); }

// Presses the calculate button expecting the refusal page `page` after five
// empty lines, one pause and the return path.
void expectRefusal(Session& s, const std::string& page) {
    PageLog log;
    s.app.pane.setObserver(&log);
    s.platform.waits.clear();
    s.platform.pausesAllowed = 1;
    ASSERT_TRUE(s.click("MAINFORM.BUTTON9"));
    s.app.pane.setObserver(nullptr);
    EXPECT_EQ(s.platform.waits, std::vector<std::string>{"pause"}) << page;
    ASSERT_FALSE(log.pages.empty());
    EXPECT_EQ(log.pages.back(), "\n\n\n\n\n" + page);
    EXPECT_EQ(s.app.pane.pageRows(), 0u);
    EXPECT_EQ(s.text("MAINFORM.BUTTON27"), " 設定確認");
    EXPECT_TRUE(s.enabled("MAINFORM.BUTTON9"));
}

// Presses the calculate button expecting every check passed and the box;
// a run that goes on waits once more, at its result's menu.
void expectPassed(Session& s, bool answer = true) {
    s.platform.waits.clear();
    if (answer) s.platform.lines.push_back(testing::kRecalculate);
    s.platform.yesNo.push_back(answer);
    ASSERT_TRUE(s.click("MAINFORM.BUTTON9"));
    ASSERT_FALSE(s.platform.waits.empty());
    EXPECT_EQ(s.platform.waits.front(), kConfirmBox);
    const std::vector<std::string> after(s.platform.waits.begin() + 1, s.platform.waits.end());
    EXPECT_EQ(after, answer ? std::vector<std::string>{"read"} : std::vector<std::string>{});
}

// ---- Construction refusals ------------------------------------------------

TEST(StartChecks, EachMissingItemInItsOrder) {
    Session s;
    testing::ready(s, Pair::GasGas);
    setMain(s, "EDIT14", " 2");
    for (const char* f : {"EDIT10", "EDIT11", "EDIT12", "EDIT13", "EDIT15", "EDIT16", "EDIT17", "EDIT18", "EDIT19",
                          "EDIT20", "EDIT21", "EDIT22", "EDIT23", "EDIT24", "EDIT25", "EDIT27", "EDIT32",
                          "EDIT33"}) {
        setMain(s, f, "");
    }
    s.enter("MAINFORM", {{"EDIT31", " 2"}, {"EDIT30", ""}, {"EDIT29", ""}});

    // The refusal, then the value that answers it.
    struct Step {
        const char* page;
        const char* field;
        const char* value;
    };
    const Step steps[] = {
        {"     物性名称未登録", "EDIT30", "2"},
        {"     物性名称未登録", "EDIT29", "2"},
        {"     管外直径が未登録", "EDIT10", "16"},
        {"     管内直径が未登録", "EDIT11", "14"},
        {"     管縦方向ﾋﾟｯﾁの数値が未登録", "EDIT12", "1.3"},
        {"     管水平方向ﾋﾟｯﾁの数値が未登録", "EDIT13", "1.3"},
        {"     ﾌｨﾝ山数/吋　が未登録", "EDIT15", "6"},
        {"     ﾌｨﾝ高さが未登録", "EDIT16", "14"},
        {"     ﾌｨﾝ肉厚が未登録", "EDIT17", "0.3"},
        {"     管配列（三角 or 四角）の数値が未登録", "EDIT18", "1"},
        {"     管の熱伝導率が未登録", "EDIT19", "395"},
        {"     ﾌｨﾝの熱伝導率が未登録", "EDIT20", "189"},
        {"     管内側汚れ係数が未登録", "EDIT21", "0.0005"},
        {"     ｼｪﾙ側汚れ係数が未登録", "EDIT22", "0.0005"},
        {"     直交流での流路ﾊﾟｽ形態（向流ﾊﾟｽ、並流ﾊﾟｽ）が未登録", "EDIT23", "1"},
        {"     管内側流路ﾊﾟｽ数が未登録", "EDIT24", "3"},
        {"     ｼｪﾙ側流路ﾊﾟｽ数が未登録", "EDIT25", "1"},
        {"\n  ★ 管列数を右のカラムに入力して下さい。", "EDIT27", "6"},
        {"     ﾂｲｽﾄﾃｰﾌﾟの肉厚が未登録", "EDIT32", "1"},
        {"     ﾂｲｽﾄﾃｰﾌﾟのﾋﾟｯﾁ(節間長さ)が未登録", "EDIT33", "100"},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.field);
        expectRefusal(s, step.page);
        setMain(s, step.field, step.value);
    }
    expectPassed(s);
}

TEST(StartChecks, RefusalsAndPassesInTurn) {
    // MAINFORM entries, then the calculate button refuses with `page`
    // after five empty lines, or passes (nullptr).
    struct Step {
        Entries entries = {};
        const char* page = nullptr;
    };
    struct Case {
        const char* name;
        Pair pair;
        std::vector<Step> steps = {};
    };
    const Case cases[] = {
        {.name = "several passes on both sides stop first; a later item is not looked at", .pair = Pair::GasGas,
         .steps = {{.entries = {{"EDIT24", " 2"}, {"EDIT25", " 2"}, {"EDIT10", ""}},
                    .page = "     管側１パス以上の場合、シェル側は１パス指定です。"},
                   {.entries = {{"EDIT25", " 1"}}, .page = "     管外直径が未登録"},
                   {.entries = {{"EDIT10", " 16"}}}}},
        {.name = "a bare tube needs no fin data", .pair = Pair::GasGas,
         .steps = {{.entries = {{"EDIT15", ""}, {"EDIT16", ""}, {"EDIT17", ""}, {"EDIT20", ""}}}}},
        {.name = "a plate fin needs its thickness but no height", .pair = Pair::GasGas,
         .steps = {{.entries = {{"EDIT14", " 3"}, {"EDIT15", " 9"}, {"EDIT16", "   －"}, {"EDIT17", "   －"},
                                {"EDIT20", " 189"}},
                    .page = "     ﾌｨﾝ肉厚が未登録"},
                   {.entries = {{"EDIT17", " 0.3"}}}}},
        {.name = "tape data only with a tape", .pair = Pair::GasGas,
         .steps = {{.entries = {{"EDIT32", ""}, {"EDIT33", ""}}},
                   {.entries = {{"EDIT31", " 2"}, {"EDIT32", " 1"}}, .page = "     ﾂｲｽﾄﾃｰﾌﾟのﾋﾟｯﾁ(節間長さ)が未登録"}}},
        {.name = "codes that name nothing are refused as missing", .pair = Pair::GasGas,
         .steps = {{.entries = {{"EDIT18", " 3"}}, .page = "     管配列（三角 or 四角）の数値が未登録"},
                   {.entries = {{"EDIT18", " 2"}, {"EDIT23", " 4"}},
                    .page = "     直交流での流路ﾊﾟｽ形態（向流ﾊﾟｽ、並流ﾊﾟｽ）が未登録"},
                   {.entries = {{"EDIT23", " 1.5"}}, .page = "     直交流での流路ﾊﾟｽ形態（向流ﾊﾟｽ、並流ﾊﾟｽ）が未登録"},
                   {.entries = {{"EDIT23", " 3"}}}}},
        {.name = "typed-in properties need the tube rows and columns", .pair = Pair::Manual,
         .steps = {{.entries = {{"EDIT26", ""}, {"EDIT27", ""}},
                    .page = "  ★ 管段数を右欄『 伝熱管段数 』カラムに数値を入力してください。"},
                   {.entries = {{"EDIT26", " 10"}}, .page = "\n  ★ 管列数を右のカラムに入力して下さい。"},
                   {.entries = {{"EDIT27", " 3"}}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Session s;
        testing::ready(s, c.pair);
        for (const Step& step : c.steps) {
            s.enter("MAINFORM", step.entries);
            if (step.page) {
                expectRefusal(s, step.page);
            } else {
                expectPassed(s);
            }
        }
    }
}

TEST(StartChecks, WithoutTypedInPropertiesTheReviewAsksForRows) {
    Session s;
    testing::ready(s, Pair::GasGas);
    setMain(s, "EDIT26", "");
    calc::Record r = started(s);
    EXPECT_EQ(r.Nv, 0.0f);
    EXPECT_EQ(s.platform.waits, std::vector<std::string>{kConfirmBox});
}

// ---- Condensate film thickness ----------------------------------------------

TEST(StartFilm, ThicknessAndItsQuestion) {
    struct Case {
        const char* name;
        Pair pair;
        const char* film;  // nullptr: as the kind buttons left it
        std::vector<std::string> answers = {};
        float Dcf;
        std::vector<std::string> waits = {};
        std::string lastPage = {};  // the page the Yes clears; empty: not looked at
    };
    const std::string question = "\n     このまま進める  y/n";
    const Case cases[] = {
        {.name = "zero on a humid side becomes tiny with a notice", .pair = Pair::HumidTubes,
         .film = nullptr,  // "－" beside a gas shell
         .Dcf = 1e-10f, .waits = {kConfirmBox}, .lastPage = "\n\n\n\n\n     凝縮液膜厚さはゼロに設定されます。"},
        {.name = "zero is not touched without a humid side", .pair = Pair::GasGas, .film = " 0", .Dcf = 0.0f,
         .waits = {kConfirmBox}},
        {.name = "a negative film is not questioned without a humid side", .pair = Pair::GasGas, .film = "-1",
         .Dcf = -1.0f, .waits = {kConfirmBox}},
        {.name = "a thick film goes on without a word", .pair = Pair::WaterHumidShell, .film = " 0.1", .Dcf = 0.1f,
         .waits = {kConfirmBox}},
        {.name = "a negative film needs an explicit yes", .pair = Pair::HumidTubes, .film = "-0.1",
         .answers = {"Y", "yes", "y"}, .Dcf = -0.1f, .waits = {"read", "read", "read", kConfirmBox},
         .lastPage = "\n\n\n\n" + question + question + question},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Session s;
        testing::ready(s, c.pair);
        if (c.film) {
            setMain(s, "EDIT34", c.film);
        } else {
            ASSERT_EQ(readNumber(s.text("MAINFORM.EDIT34")), 0.0);
        }
        s.platform.lines.assign(c.answers.begin(), c.answers.end());
        PageLog log;
        s.app.pane.setObserver(&log);
        const calc::Record r = started(s);
        s.app.pane.setObserver(nullptr);
        EXPECT_FLOAT_EQ(r.Dcf, c.Dcf);
        EXPECT_EQ(s.platform.waits, c.waits);
        EXPECT_EQ(s.app.pane.pageRows(), 0u);
        if (!c.lastPage.empty()) {
            ASSERT_FALSE(log.pages.empty());
            EXPECT_EQ(log.pages.back(), c.lastPage);
        }
    }
}

TEST(StartFilm, NoToTheFilmQuestionPausesAndLeaves) {
    Session s;
    testing::ready(s, Pair::WaterHumidShell);
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
    testing::ready(s, Pair::HumidTubes);
    s.enter("MAINFORM", {{"EDIT34", "-0.1"}, {"EDIT27", ""}});
    expectRefusal(s, "\n  ★ 管列数を右のカラムに入力して下さい。");  // no question yet
    s.enter("MAINFORM", {{"EDIT27", " 3"}, {"EDIT31", " 2"}, {"EDIT32", ""}});
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
    testing::ready(s, Pair::GasGas);
    s.app.pane.print("left over");
    calc::Record r = started(s);
    EXPECT_EQ(s.platform.waits, std::vector<std::string>{kConfirmBox});
    EXPECT_EQ(s.app.pane.pageRows(), 0u);
    EXPECT_EQ(r.flags.sFLOW, "1");  // the flags follow the Yes
}

TEST(StartConfirmation, NoDisablesTheKindButtonsAndLeavesWithoutAPause) {
    Session s;
    testing::ready(s, Pair::GasGas);
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
    testing::ready(s, Pair::GasGas);
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
        {Pair::HumidTubes, true, " 1", {"JSI", "3", "2", "y", "", "1"}},
        {Pair::WaterHumidShell, false, " 2", {"J", "3", "1", "y", "1", "1"}},
        {Pair::Manual, false, " 1", {"J", "1", "3", "n", "", "2"}},
        {Pair::Manual, true, " 3", {"JSI", "3", "3", "n", "", "2"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.pair) * 10 + c.si);
        Session s;
        testing::ready(s, c.pair, c.si);
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
        testing::ready(s, Pair::GasGas);
        s.enter("MAINFORM", join(testing::kRadialFinTube, {{"EDIT14", c.type}, {"EDIT15", " 9"},
                                                           {"EDIT18", c.arrangement}, {"EDIT31", c.tape},
                                                           {"EDIT32", " 1"}, {"EDIT33", " 100"}}));
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

TEST(StartConversion, EachTubeInEngineUnits) {
    struct Case {
        const char* name;
        bool si;
        Entries construction = {};  // MAINFORM
        std::function<void(Session&, calc::Record&)> check = {};
    };
    const Case cases[] = {
        {.name = "bare tube in metres", .si = false,
         .construction = {{"EDIT31", " 2"}, {"EDIT32", " 1"}, {"EDIT33", " 100"}},
         .check = [](Session&, calc::Record& r) {
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
         }},
        {.name = "radial-fin pitches on the fin tip", .si = false,
         .construction = join(testing::kRadialFinTube, {{"EDIT13", " 1.5"}}),
         .check = [](Session& s, calc::Record& r) {
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
         }},
        {.name = "plate-fin equivalent height", .si = false,
         .construction = {{"EDIT14", " 3"}, {"EDIT15", " 9"}, {"EDIT16", " 99"},  // replaced by the equivalent
                          {"EDIT17", " 0.3"}, {"EDIT20", " 189"}, {"EDIT10", " 25.4"}, {"EDIT12", " 2.0"},
                          {"EDIT13", " 2.0"}},
         .check = [](Session& s, calc::Record& r) {
             EXPECT_FLOAT_EQ(r.Pv, 0.0508f);
             EXPECT_FLOAT_EQ(r.Ph, 0.0508f);
             EXPECT_NEAR(r.Fh, 0.01597f, 1e-5f);
             EXPECT_NEAR(r.Fh, (std::sqrt(4.0 * 0.0508 * 0.0508 / 3.14) - 0.0254) / 2.0, 1e-6);
             EXPECT_EQ(r.PvFin, 0.0f);
             calc::settleTubePitches(s.app, r);
             EXPECT_FLOAT_EQ(r.Pv, 0.0508f);
             EXPECT_NEAR(r.Fh, 0.01597f, 1e-5f);
         }},
        {.name = "SI conductivities and fouling into engine units; lengths are mm in both", .si = true,
         .construction = join(testing::kRadialFinTube, {{"EDIT20", " 116.3"}, {"EDIT19", " 395"},
                                                        {"EDIT21", " 0.0008598"}, {"EDIT22", " 0.0005"}}),
         .check = [](Session&, calc::Record& r) {
             EXPECT_FLOAT_EQ(r.Kf, 100.0f);
             EXPECT_FLOAT_EQ(r.Km, 395.0f / 1.163f);
             EXPECT_FLOAT_EQ(r.Rt, 0.001f);
             EXPECT_FLOAT_EQ(r.Rs, 0.0005f / 0.8598f);
             EXPECT_FLOAT_EQ(r.DO, 0.016f);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Session s;
        testing::ready(s, Pair::GasGas, c.si);
        s.enter("MAINFORM", c.construction);
        calc::Record r = started(s);
        c.check(s, r);
    }
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

TEST(StartConversion, OverflowingPitchStopsTheRun) {
    Session s;
    testing::ready(s, Pair::GasGas);
    s.enter("MAINFORM", {{"EDIT10", "1e38"}, {"EDIT12", "1e30"}});
    calc::Record r = calc::freshRecord();
    s.platform.yesNo.push_back(true);
    s.platform.pausesAllowed = 1;
    std::string message;
    try { calc::startCalculation(s.app, r); } catch (const calc::CalculationStop& stop) { message = calc::stopMessage(stop, Language::Japanese); }
    EXPECT_NE(message.find("Pv"), std::string::npos) << message;
}

// ---- Values read as entered ---------------------------------------------------

TEST(StartReads, FieldsAsEnteredForTheDialogues) {
    Session s;
    testing::ready(s, Pair::WaterGas, true);
    s.enter({{"FORM5.EDIT130", "313"}, {"FORM5.EDIT133", "473"}, {"FORM5.EDIT169", "2.5"}, {"FORM5.EDIT157", "1500"},
             {"FORM2.EDIT47", " 20"}, {"FORM7.EDIT184", "0.1"}, {"FORM7.EDIT185", "0.0589"}});
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
    testing::ready(s, Pair::HumidTubes);
    calc::Record first = started(s);
    ASSERT_EQ(first.flags.sHUM, "2");
    expectPassed(s);  // the return path opens the kind buttons again
    s.click("MAINFORM.BUTTON2");
    s.click("MAINFORM.BUTTON6");
    s.click("FORM6.BUTTON39");
    testing::confirmSamples(s);
    calc::Record second = started(s);
    EXPECT_EQ(second.flags.sHUM, "3");
    EXPECT_EQ(second.flags.sCOND, "n");
    EXPECT_EQ(second.flags.sFLOW, "1");
}

// ---- Hand-over pieces -----------------------------------------------------------

TEST(StartHandOver, RowsFieldMarkedWhileTheRowsAreComputed) {
    for (int no : {3, 4, 5}) {
        Session s;
        testing::ready(s, Pair::GasGas);
        s("FORM6.EDIT167").setText(std::to_string(no));
        calc::markComputedRows(s.app);
        EXPECT_EQ(s.text("MAINFORM.EDIT26"), no == 5 ? " 40" : "   －") << no;
    }
}

TEST(StartHandOver, HeadingOfTheFlowArrangement) {
    struct Case {
        const char* flow;
        std::string page = {};
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
