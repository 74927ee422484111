// ファイル → 開く… and 保存 in the windows: a saved case played in from fresh
// screens reaches the same table as the session it was saved from, and what
// is saved again replays the same.
#include <QAction>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrintDialog>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>

#include "platform/cases/case_run.h"
#include "platform/qt/pane_panel.h"
#include "support/case_files.h"
#include "support/gui_support.h"
#include "support/files.h"

namespace cfhx::qt {
namespace {

using cfhx::testing::readFile;
using cfhx::testing::reviewedCase;
using cfhx::testing::untilMenu;
using cfhx::testing::writeFile;

// The working folder of a test, where prints land by default.
struct InFolder {
    InFolder() : before(QDir::currentPath()) { QDir::setCurrent(folder.path()); }
    ~InFolder() { QDir::setCurrent(before); }
    QStringList files() const { return QDir(folder.path()).entryList(QDir::Files, QDir::Name); }
    QString path(const char* name) const { return folder.filePath(QString::fromUtf8(name)); }
    QTemporaryDir folder;
    QString before;
};

// Old units: 1 then 1, y prints the sheet; 1, 2 and 1, 3 take the two hard copies.
constexpr const char* kPrintAnswers = "type 1\ntype 1\ntype y\ntype 1\ntype 2\ntype 1\ntype 3\ntype 4\n";

TEST(CaseFiles, OpenedCaseReachesTheSameTableAndSavesAsItRan) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    for (const char* name : {"result_gas_radial_no5", "result_water_humid_shell", "result_typed_in_vapour"}) {
        SCOPED_TRACE(name);
        const std::string script = readFile(std::filesystem::path(CFHX_SCRIPTS_DIR) / (std::string(name) + ".cfhx"));
        const CaseResult expected = runCase(script, {}, "07/03/05");
        ASSERT_EQ(expected.status, kCaseResult);

        testing::TestSession session;
        session->start();
        std::string shown;
        session->app().onResult = [&shown](App& app) { shown = app.pane.pageText(); };
        testing::Watchdog watchdog(*session, 30000);
        ASSERT_TRUE(session->openCase(script));
        EXPECT_FALSE(watchdog.fired) << "the case waited for the user";
        EXPECT_EQ(shown, expected.resultPage);
        EXPECT_TRUE(session->app()["MAINFORM"]["BUTTON9"].enabled()) << "back at the screens after the menu's 4";

        const QString saved = folder.filePath(QString::fromLatin1(name) + QStringLiteral(".cfhx"));
        ASSERT_TRUE(session->saveCase(saved));
        const std::string text = readFile(saved.toStdString());
        EXPECT_EQ(text.rfind("# cfhx ", 0), 0u) << text;
        const CaseResult again = runCase(text, {}, "07/03/05");
        EXPECT_EQ(again.status, kCaseResult);
        EXPECT_EQ(again.resultPage, expected.resultPage);
    }
}

// A case whose file ends at a question leaves it to the user: the answer
// line waits, and what the user types goes on from there.
TEST(CaseFiles, WhereTheFileEndsTheUserTakesOver) {
    testing::TestSession session;
    session->start();
    const std::string script = "click FORM4.BUTTON25\nclick MAINFORM.BUTTON18\nclick MAINFORM.BUTTON22\n"
                               "click MAINFORM.BUTTON2\nclick MAINFORM.BUTTON6\nclick FORM6.BUTTON36\n"
                               "click FORM6.BUTTON39\nclick FORM5.BUTTON53\nclick FORM5.BUTTON30\n"
                               "click MAINFORM.BUTTON9\nyes\n";
    bool waited = false;
    testing::later(100, [&] {
        waited = session->platform().waitingForLine();
        session->windows().panePanel()->answerLine()->setText(QStringLiteral("4"));
        testing::pressEnter(session->windows().panePanel()->answerLine());
    });
    testing::Watchdog watchdog(*session, 30000);
    ASSERT_TRUE(session->openCase(script));
    EXPECT_TRUE(waited) << "the result's menu waited for the user";
    EXPECT_FALSE(watchdog.fired);
    EXPECT_NE(session->app().recorder.script().find("type 4"), std::string::npos) << "the user's answer is recorded";
}

TEST(CaseFiles, AReplayTakesTheRecordedPrintAnswersButPrintsNothing) {
    InFolder here;
    testing::TestSession session;
    session->start();
    std::vector<std::string> skipped;
    session->app().onStatus = [&](App& app) {
        if (app.status().find("件目") != std::string::npos) skipped.push_back(app.status());
    };
    bool dialog = false;
    testing::LineAnswers none(*session, {}, [&](QWidget* modal) {
        dialog = true;
        if (auto* d = qobject_cast<QDialog*>(modal)) d->reject();
    });
    testing::Watchdog watchdog(*session, 30000);
    ASSERT_TRUE(session->openCase(untilMenu(reviewedCase("result_gas_radial_no5")) + kPrintAnswers));
    EXPECT_FALSE(watchdog.fired);
    EXPECT_FALSE(dialog) << "a print dialog opened";
    EXPECT_TRUE(here.files().isEmpty()) << here.files().join(' ').toStdString();
    const char* kSkipped[] = {"計算書（1 件目）", "計算表ハードコピー（2 件目）", "模式図ハードコピー（3 件目）"};
    ASSERT_EQ(skipped.size(), std::size(kSkipped));
    for (size_t i = 0; i < skipped.size(); ++i) {
        SCOPED_TRACE(kSkipped[i]);
        EXPECT_NE(skipped[i].find("印刷は行いませんでした"), std::string::npos) << skipped[i];
        EXPECT_NE(skipped[i].find(kSkipped[i]), std::string::npos) << skipped[i];
    }
    EXPECT_NE(session->app().recorder.script().find("type y\ntype 1\ntype 2"), std::string::npos)
        << "the answers were taken";
}

// After the replay the user's own hard copy is made, under names no earlier
// session has used, and the status line names the files.
TEST(CaseFiles, APrintTheUserMakesGoesToFreshFilesAndIsNamed) {
    InFolder here;
    for (const char* earlier : {"cfhx-sheet-070305.pdf", "cfhx-sheet-070305-hardcopy-1.png"})
        writeFile(here.path(earlier), "earlier session");
    testing::TestSession session;
    session->start();
    // Every status shown: the recalculation at the end writes its own.
    std::string statuses;
    const auto shown = session->app().onStatus;
    session->app().onStatus = [&](App& app) {
        statuses += app.status() + "\n";
        if (shown) shown(app);
    };
    testing::LineAnswers user(*session, {"1", "2", "4"}, [](QWidget* modal) {
        if (auto* d = qobject_cast<QPrintDialog*>(modal)) d->accept();
    });
    testing::Watchdog watchdog(*session, 30000);
    ASSERT_TRUE(session->openCase(untilMenu(reviewedCase("result_gas_radial_no5"))));
    EXPECT_FALSE(watchdog.fired);
    EXPECT_EQ(user.typed(), 3u);
    for (const char* earlier : {"cfhx-sheet-070305.pdf", "cfhx-sheet-070305-hardcopy-1.png"})
        EXPECT_EQ(readFile(here.path(earlier).toStdString()), "earlier session") << earlier;
    for (const char* fresh : {"cfhx-sheet-070305-2-hardcopy-1.png", "cfhx-sheet-070305-2.pdf"}) {
        SCOPED_TRACE(fresh);
        EXPECT_TRUE(QFileInfo(here.path(fresh)).size() > 0);
        EXPECT_NE(statuses.find(here.path(fresh).toStdString()), std::string::npos) << statuses;
    }
}

TEST(CaseFiles, OpeningAtTheMenuAsksThenLeavesTheCalculationAndOpens) {
    InFolder here;
    const std::string water = reviewedCase("result_water_humid_shell");
    writeFile(here.path("water.cfhx"), water);
    const CaseResult expected = runCase(water, {}, "07/03/05");
    struct Case {
        const char* name;
        CaseAnswer answer;
        bool opens;
    };
    const Case kCases[] = {
        {.name = "open without saving", .answer = CaseAnswer::Go, .opens = true},
        {.name = "cancel: the menu waits on", .answer = CaseAnswer::Cancel, .opens = false},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        testing::TestSession session;
        session.answer = c.answer;
        session->start();
        std::string shown;
        int depthAtResult = -1;
        session->app().onResult = [&](App& app) {
            shown = app.pane.pageText();
            depthAtResult = session->platform().waitDepth();
        };
        std::optional<bool> accepted;
        testing::later(100, [&] { accepted = session->openFile(here.path("water.cfhx")); });
        std::unique_ptr<testing::LineAnswers> user;
        if (!c.opens) testing::later(300, [&] { user = std::make_unique<testing::LineAnswers>(*session, std::vector<QString>{"4"}); });
        testing::Watchdog watchdog(*session, 30000);
        ASSERT_TRUE(session->openCase(untilMenu(reviewedCase("result_gas_radial_no5"))));
        EXPECT_FALSE(watchdog.fired);
        EXPECT_EQ(accepted, std::optional<bool>(c.opens));
        ASSERT_EQ(session.asked.size(), 1u);
        EXPECT_NE(session.asked[0].text.find("計算を中止して water.cfhx を開きますか？"), std::string::npos);
        EXPECT_TRUE(session.asked[0].offersSave) << "the first case's actions are not saved";
        const std::string recorded = session->app().recorder.script();
        const std::string title = session->windows().mainWindow()->windowTitle().toStdString();
        if (c.opens) {
            EXPECT_EQ(shown, expected.resultPage);
            EXPECT_EQ(depthAtResult, 0) << "played in inside a wait";
            EXPECT_EQ(recorded.find("click MAINFORM.BUTTON2\n"), std::string::npos) << "the gas case is gone";
            EXPECT_EQ(title, "cfhx — water.cfhx");
        } else {
            EXPECT_NE(recorded.find("click MAINFORM.BUTTON2\n"), std::string::npos);
            EXPECT_NE(recorded.find("type 4"), std::string::npos) << "the menu took the user's answer";
            EXPECT_EQ(title, "cfhx — 無題 *");
        }
    }
}

TEST(CaseFiles, SavingOverAFileAsksOnce) {
    InFolder here;
    const std::string original = reviewedCase("result_gas_radial_no5");
    struct Case {
        const char* name;
        CaseAnswer answer;
        bool written;
        size_t askedAfterTwoSaves;
    };
    const Case kCases[] = {
        {.name = "write over, then quietly", .answer = CaseAnswer::Go, .written = true, .askedAfterTwoSaves = 1},
        {.name = "keep the file, asked again", .answer = CaseAnswer::Cancel, .written = false, .askedAfterTwoSaves = 2},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        writeFile(here.path("rig.cfhx"), original);
        testing::TestSession session;
        session.answer = c.answer;
        session->start();
        testing::Watchdog watchdog(*session, 30000);
        ASSERT_TRUE(session->openFile(here.path("rig.cfhx")));
        EXPECT_TRUE(session.asked.empty()) << "nothing to lose before the first open";
        EXPECT_EQ(session->windows().mainWindow()->windowTitle().toStdString(), "cfhx — rig.cfhx");
        EXPECT_EQ(session->save(false), c.written);
        ASSERT_EQ(session.asked.size(), 1u);
        EXPECT_EQ(session.asked[0].caption, "保存");
        EXPECT_NE(session.asked[0].text.find("rig.cfhx は既にあります。"), std::string::npos);
        const std::string text = readFile(here.path("rig.cfhx").toStdString());
        EXPECT_EQ(text.rfind("# cfhx ", 0) == 0, c.written);
        if (!c.written) EXPECT_EQ(text, original);
        EXPECT_EQ(session->save(false), c.written);
        EXPECT_EQ(session.asked.size(), c.askedAfterTwoSaves);
    }
}

// The three ways to finish with unsaved actions each ask; cancel keeps the
// program running.
TEST(CaseFiles, FinishingWithUnsavedActionsAsks) {
    enum class Way { FileQuit, CloseButton, MenuFinish };
    struct Case {
        const char* name;
        Way way;
        CaseAnswer answer;
        int quits;
    };
    const Case kCases[] = {
        {.name = "ファイル→終了, cancel", .way = Way::FileQuit, .answer = CaseAnswer::Cancel, .quits = 0},
        {.name = "×, cancel", .way = Way::CloseButton, .answer = CaseAnswer::Cancel, .quits = 0},
        {.name = "×, discard", .way = Way::CloseButton, .answer = CaseAnswer::Go, .quits = 1},
        {.name = "menu finish, cancel", .way = Way::MenuFinish, .answer = CaseAnswer::Cancel, .quits = 0},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        testing::TestSession session;
        session.answer = c.answer;
        session->start();
        testing::Watchdog watchdog(*session, 30000);
        std::unique_ptr<testing::LineAnswers> user;
        if (c.way == Way::MenuFinish) user = std::make_unique<testing::LineAnswers>(*session, std::vector<QString>{"5", "2", "y"});
        const std::string script = reviewedCase("result_gas_radial_no5");
        ASSERT_TRUE(session->openCase(c.way == Way::MenuFinish ? untilMenu(script) : script));
        if (c.way == Way::FileQuit) session->windows().fileActions().quit->trigger();
        if (c.way == Way::CloseButton) session->windows().mainWindow()->close();
        QCoreApplication::processEvents();
        EXPECT_FALSE(watchdog.fired);
        ASSERT_EQ(session.asked.size(), 1u);
        EXPECT_TRUE(session.asked[0].offersSave);
        EXPECT_EQ(session.quits, c.quits);
        EXPECT_EQ(session->windows().mainWindow()->isVisible(), c.quits == 0);
        EXPECT_EQ(session->app().ended, c.quits == 1);
        if (c.way == Way::MenuFinish && c.quits == 0)
            EXPECT_TRUE(session->app()["MAINFORM"]["BUTTON9"].enabled()) << "back at the screens";
    }
}

}  // namespace
}  // namespace cfhx::qt
