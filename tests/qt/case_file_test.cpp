// ファイル → 開く… and 保存 in the windows: a saved case played in from fresh
// screens reaches the same table as the session it was saved from, and what
// is saved again replays the same.
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/script/case_run.h"
#include "platform/qt/pane_panel.h"
#include "support/gui_support.h"
#include "support/files.h"

namespace cfhx::qt {
namespace {

using cfhx::testing::readFile;

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

}  // namespace
}  // namespace cfhx::qt
