#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>
#include <streambuf>
#include <string>
#include <vector>

#include "app/app.h"
#include "platform/cases/script_player.h"

namespace cfhx {
namespace {

struct ScriptRun {
    int status;
    std::string out;
    std::string err;
};

// A procedure that waits in all three ways, writing what it got.
void waitingProcedure(App& app) {
    app.pane.clear();
    app.pane.print("before pause");
    app.pause();
    app.pane.print("question ⇒");
    std::string answer = app.readLine();
    app["MAINFORM"]["EDIT26"].setText(answer);
    bool yes = app.askYesNo(" 見出し", "本当ですか？");
    app["MAINFORM"]["EDIT27"].setText(yes ? "Y" : "N");
}

// A procedure that pauses once; clicked during its own pause it nests.
void pausingProcedure(App& app) { app.pause(); }

ScriptRun run(const std::string& script, bool withWaits = false) {
    std::istringstream in(script);
    std::ostringstream out, err;
    ScriptOptions options;
    options.date = "07/03/05";
    if (withWaits) {
        options.install = [](App& app) {
            registerProcedure(app, "FORM4", "BUTTON25", waitingProcedure);
            registerProcedure(app, "FORM4", "BUTTON26", pausingProcedure);
        };
    }
    int status = runScript(in, out, err, options);
    return {status, out.str(), err.str()};
}

TEST(ScriptDriver, SetClickAndDump) {
    ScriptRun r = run("# comment\n"
                "\n"
                "set MAINFORM.EDIT24 \"  2 \"\n"
                "click FORM4.BUTTON26\n"
                "  click MAINFORM.BUTTON18  \n"
                "dump FORM4\n"
                "dump MAINFORM\n");
    EXPECT_EQ(r.status, kScriptDone) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_NE(r.out.find("=== dump FORM4 (not shown) ==="), std::string::npos);
    EXPECT_NE(r.out.find("=== dump MAINFORM (shown) ==="), std::string::npos);
    EXPECT_NE(r.out.find("EDIT24     edit    enabled  visible \"  2 \""), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("EDIT9      edit    enabled  visible \" 07/03/05\""), std::string::npos);
    EXPECT_NE(r.out.find("EDIT128    edit    enabled  hidden  \"3\""), std::string::npos);
    // The start-up page is shown when NEXT clears it, the welcome page at the end.
    size_t title = r.out.find("    【 CROSS FLOW TYPE MULTI TUBE HEAT EXCHANGER CALC. PROGRAM 】");
    size_t welcome = r.out.find("W E L C O M E  ！");
    ASSERT_NE(title, std::string::npos);
    ASSERT_NE(welcome, std::string::npos);
    EXPECT_LT(title, welcome);
    EXPECT_NE(r.out.find("SI 単位系"), std::string::npos);
    EXPECT_TRUE(r.out.ends_with("\n=== end of script ===\n"));
}

// Each piece must stand in `text` after the one before it.
void expectInOrder(const std::string& text, const std::vector<std::string>& pieces) {
    size_t at = 0;
    for (const std::string& piece : pieces) {
        const size_t found = text.find(piece, at);
        ASSERT_NE(found, std::string::npos) << piece << "\n--- transcript ---\n" << text;
        at = found;
    }
}

TEST(ScriptDriver, RunsEndWithTheirStatusAndTranscript) {
    struct Case {
        const char* name;
        std::string script = {};
        bool withWaits;
        int status;
        std::vector<std::string> out = {};  // in this order
        std::vector<std::string> err = {};
    };
    std::string tooDeep = {};
    for (int i = 0; i < 200; ++i) tooDeep += "click FORM4.BUTTON26\n";
    const Case cases[] = {
        {.name = "show prints one control, even during a wait",
         .script = "set MAINFORM.EDIT24 \" 7 \"\n"
                   "show MAINFORM.EDIT24\n"
                   "click FORM4.BUTTON26\n"
                   "show FORM4.BUTTON26\n"
                   "continue\n"
                   "show MAINFORM.NOSUCH\n",
         .withWaits = true, .status = kScriptBadLine,
         .out = {"MAINFORM.EDIT24 \" 7 \"\n", "=== pause ===\nFORM4.BUTTON26 \"ＳＩ単位系\"\n> continue\n"},
         .err = {"line 6: unknown control \"MAINFORM.NOSUCH\""}},
        {.name = "unquoted text is the rest of the line",
         .script = "set MAINFORM.EDIT24 12 34   \r\n"
                   "set MAINFORM.EDIT25\n"
                   "set MAINFORM.EDIT26 \"say \"\"hi\"\"\"\n"
                   "dump MAINFORM\n",
         .withWaits = false, .status = kScriptDone,
         .out = {"EDIT24     edit    enabled  visible \"12 34\"", "EDIT25     edit    enabled  visible \"\"",
                 "EDIT26     edit    enabled  visible \"say \"hi\"\""}},
        {.name = "unusable controls are ignored as in the windows",
         .script = "click MAINFORM.BUTTON18\n"
                   "set MAINFORM.EDIT10 16\n"
                   "click FORM5.BUTTON30\n"
                   "dump MAINFORM\n",
         .withWaits = false, .status = kScriptDone,
         .out = {"=== click MAINFORM.BUTTON18 ignored (disabled) ===", "=== set MAINFORM.EDIT10 ignored (disabled) ===",
                 "=== click FORM5.BUTTON30 ignored (screen not shown) ===",
                 "EDIT10     edit    disabled visible \"\""}},
        {.name = "waits are answered in order and shown in the transcript",
         .script = "click FORM4.BUTTON25\n"
                   "set MAINFORM.EDIT24 7\n"
                   "continue\n"
                   "type \" 1.5 \"\n"
                   "yes\n"
                   "dump MAINFORM\n",
         .withWaits = true, .status = kScriptDone,
         .out = {"=== pane ===\nbefore pause\n=== pause ===\n> continue\n",
                 "=== pane, row 2 ===\nquestion ⇒\n=== read ===\n>  1.5 \n",
                 "=== Yes/No [ 見出し] 本当ですか？ ===\n> yes\n",
                 "EDIT24     edit    enabled  visible \"7\"",  // set while paused
                 "EDIT26     edit    enabled  visible \" 1.5 \"", "EDIT27     edit    enabled  visible \"Y\""}},
        {.name = "no answers false", .script = "click FORM4.BUTTON25\ncontinue\ntype x\nno\ndump MAINFORM\n",
         .withWaits = true, .status = kScriptDone, .out = {"EDIT27     edit    enabled  visible \"N\""}},
        {.name = "a pause the script does not answer", .script = "click FORM4.BUTTON25\n", .withWaits = true,
         .status = kScriptUnansweredWait,
         .err = {"the program waits for the user to continue but the script has ended"}},
        {.name = "a typed line the script does not give", .script = "click FORM4.BUTTON25\ncontinue\n",
         .withWaits = true, .status = kScriptUnansweredWait,
         .err = {"the program waits for a typed line but the script has ended"}},
        {.name = "a Yes/No box the script does not answer",
         .script = "click FORM4.BUTTON25\ncontinue\ntype 1\n# only a comment\n", .withWaits = true,
         .status = kScriptUnansweredWait, .err = {"the program waits for a Yes/No answer but the script has ended"}},
        {.name = "an answer of the wrong kind", .script = "click FORM4.BUTTON25\nyes\n", .withWaits = true,
         .status = kScriptBadLine,
         .err = {"line 2: yes answers a Yes/No answer, but the program waits for the user to continue"}},
        {.name = "too deep a nesting of waits is refused", .script = tooDeep, .withWaits = true,
         .status = kScriptBadLine, .err = {"too many waits inside one another"}},
        {.name = "closing the main window ends every wait",
         .script = "click FORM4.BUTTON26\n"
                   "click FORM4.BUTTON26\n"
                   "close\n"
                   "frobnicate\n",
         .withWaits = true, .status = kScriptDone, .out = {"=== main window closed ==="}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ScriptRun r = run(c.script, c.withWaits);
        EXPECT_EQ(r.status, c.status) << r.err;
        expectInOrder(r.out, c.out);
        for (const std::string& message : c.err) EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
    }
}

TEST(ScriptDriver, MalformedLinesStopWithTheirLineNumber) {
    struct Case {
        const char* script;
        const char* message;
    };
    const Case cases[] = {
        {"# ok\nfrobnicate X\n", "line 2: unknown action \"frobnicate\""},
        {"click MAINFORM\n", "line 1: expected SCREEN.CONTROL"},
        {"click FORM9.BUTTON1\n", "line 1: unknown screen \"FORM9\""},
        {"click MAINFORM.BUTTON99\n", "line 1: unknown control \"MAINFORM.BUTTON99\""},
        {"click MAINFORM.EDIT10\n", "line 1: \"MAINFORM.EDIT10\" is not a button"},
        {"set MAINFORM.TEXT5 x\n", "line 1: \"MAINFORM.TEXT5\" is not an edit field"},
        {"set MAINFORM.EDIT24 \"a\"b\"\n", "line 1: a quote inside a quoted text must be doubled"},
        {"dump FORM8\n", "line 1: unknown screen \"FORM8\""},
        {"pane now\n", "line 1: pane takes no argument"},
        {"\n\ntype 5\n", "line 3: type answers a typed line, but the program waits for nothing"},
        {"continue\n", "line 1: continue answers the user to continue, but the program waits for nothing"},
        {"yes\n", "line 1: yes answers a Yes/No answer, but the program waits for nothing"},
        {"no please\n", "line 1: no takes no argument"},
    };
    for (const Case& c : cases) {
        ScriptRun r = run(std::string(c.script) + "click FORM4.BUTTON26\n");
        EXPECT_EQ(r.status, kScriptBadLine) << c.script;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << c.script << " -> " << r.err;
        // Nothing after the bad line runs.
        EXPECT_EQ(r.out.find("SI 単位系"), std::string::npos) << c.script;
    }
}

// Runs `script` with `procedure` behind FORM4.BUTTON25.
ScriptRun runWith(std::istream& in, Procedure procedure) {
    std::ostringstream out, err;
    ScriptOptions options;
    options.date = "07/03/05";
    options.install = [&](App& app) { registerProcedure(app, "FORM4", "BUTTON25", procedure); };
    int status = runScript(in, out, err, options);
    return {status, out.str(), err.str()};
}

ScriptRun runWith(const std::string& script, Procedure procedure) {
    std::istringstream in(script);
    return runWith(in, std::move(procedure));
}

TEST(ScriptDriver, AWaitShowsWhatChangedOnThePage) {
    struct Case {
        const char* name;
        Procedure procedure;
        std::string script = "click FORM4.BUTTON25\ncontinue\ncontinue\n";
        std::string out;  // one piece, from the first showing of the page
    };
    const Case cases[] = {
        {.name = "rows added below show alone",
         .procedure = [](App& a) { a.pane.clear(); a.pane.print("A"); a.pane.print("B"); a.pause();
                                   a.pane.print("C"); a.pane.print("D"); a.pause(); },
         .out = "=== pane ===\nA\nB\n=== pause ===\n> continue\n=== pane, rows 3-4 ===\nC\nD\n=== pause ===\n"},
        {.name = "an overwritten row shows with every row below it",
         .procedure = [](App& a) { a.pane.clear(); a.pane.print("A"); a.pane.print("B"); a.pane.print("C"); a.pause();
                                   a.pane.printAt(2, 1, "X"); a.pause(); },
         .out = "=== pane ===\nA\nB\nC\n=== pause ===\n> continue\n=== pane, rows 2-3 ===\nX\nC\n=== pause ===\n"},
        {.name = "a row written again unchanged shows nothing",
         .procedure = [](App& a) { a.pane.clear(); a.pane.print("A"); a.pause(); a.pane.printAt(1, 1, "A"); a.pause(); },
         .out = "=== pane ===\nA\n=== pause ===\n> continue\n=== pause ===\n"},
        {.name = "a cleared page shows whole",
         .procedure = [](App& a) { a.pane.clear(); a.pane.print("A"); a.pause(); a.pane.clear(); a.pane.print("A");
                                   a.pane.print("B"); a.pause(); },
         .out = "=== pane ===\nA\n=== pause ===\n> continue\n=== pane ===\nA\nB\n=== pause ===\n"},
        {.name = "the pane action shows the whole page",
         .procedure = [](App& a) { a.pane.clear(); a.pane.print("A"); a.pause(); a.pane.print("B"); a.pause(); },
         .script = "click FORM4.BUTTON25\ncontinue\npane\ncontinue\n",
         .out = "=== pane, row 2 ===\nB\n=== pause ===\n=== pane ===\nA\nB\n> continue\n=== end of script ===\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ScriptRun r = runWith(c.script, c.procedure);
        EXPECT_EQ(r.status, kScriptDone) << r.err;
        EXPECT_NE(r.out.find(c.out), std::string::npos) << r.out;
    }
}

// Gives its text, then fails as a disk or a network file system may.
class BrokenScript : public std::streambuf {
public:
    explicit BrokenScript(std::string text) : text_(std::move(text)) {}

protected:
    int_type underflow() override {
        if (given_) throw std::runtime_error("read error");
        given_ = true;
        setg(text_.data(), text_.data(), text_.data() + text_.size());
        return text_.empty() ? underflow() : traits_type::to_int_type(*gptr());
    }

private:
    std::string text_;
    bool given_ = false;
};

TEST(ScriptDriver, AScriptThatCannotBeReadStopsWithStatus1) {
    struct Case {
        const char* name;
        const char* text;
        const char* err;
    };
    const Case cases[] = {
        {.name = "between actions", .text = "click FORM4.BUTTON25\ncontinue\n", .err = "cannot read the script after line 2"},
        {.name = "while the program waits", .text = "click FORM4.BUTTON25\n", .err = "cannot read the script after line 1"},
        {.name = "before the first line", .text = "", .err = "cannot read the script after line 0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BrokenScript buffer(c.text);
        std::istream in(&buffer);
        const ScriptRun r = runWith(in, pausingProcedure);
        EXPECT_EQ(r.status, kScriptCannotRead);
        EXPECT_EQ(r.err, std::string("cfhx: ") + c.err + "\n");
        EXPECT_TRUE(r.out.ends_with("=== script stopped ===\n")) << r.out;
    }
}

TEST(ScriptDriver, ClicksDuringAWaitNest) {
    ScriptRun r = run("click FORM4.BUTTON26\n"
                "click FORM4.BUTTON26\n"
                "continue\n"
                "continue\n"
                "click FORM4.BUTTON26\n"
                "continue\n",
                true);
    EXPECT_EQ(r.status, kScriptDone) << r.err;
    size_t pauses = 0;
    for (size_t p = r.out.find("=== pause ==="); p != std::string::npos; p = r.out.find("=== pause ===", p + 1)) ++pauses;
    EXPECT_EQ(pauses, 3u);
}

}  // namespace
}  // namespace cfhx
