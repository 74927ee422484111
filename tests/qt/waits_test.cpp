// The waits of the Qt platform: typed lines, pauses and Yes/No boxes run
// nested event loops, and closing the main window ends every one of them.
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "app/control_flow.h"
#include "support/gui_support.h"
#include "platform/qt/pane_panel.h"

namespace cfhx::qt {
namespace {

using testing::later;
using testing::pressEnter;
using testing::typeText;

struct Waits : ::testing::Test {
    Waits() { session->start(); }
    PanePanel& panel() { return *session->windows().panePanel(); }
    QtPlatform& platform() { return session->platform(); }

    testing::TestSession session;
};

TEST_F(Waits, ReadLineReturnsTheTypedAnswer) {
    testing::Watchdog watchdog(*session, 5000);
    bool enabledWhileWaiting = false;
    EXPECT_FALSE(panel().answerLine()->isEnabled());
    later(30, [&] {
        enabledWhileWaiting = panel().answerLine()->isEnabled();
        typeText(panel().answerLine(), "y");
        pressEnter(panel().answerLine());
    });
    EXPECT_EQ(platform().readLine(), "y");
    EXPECT_TRUE(enabledWhileWaiting);
    EXPECT_FALSE(panel().answerLine()->isEnabled());
    EXPECT_TRUE(panel().answerLine()->text().isEmpty());
    EXPECT_FALSE(watchdog.fired);

    later(30, [&] {
        typeText(panel().answerLine(), "　１２ 3");
        pressEnter(panel().answerLine());
    });
    EXPECT_EQ(platform().readLine(), "　１２ 3");  // taken as typed, blanks included
}

TEST_F(Waits, OnlyTheInnermostWaitTakesTheAnswer) {
    testing::Watchdog watchdog(*session, 5000);
    std::string inner;
    int depthInside = 0;
    later(30, [&] {
        later(30, [&] {
            depthInside = platform().waitDepth();
            typeText(panel().answerLine(), "inner");
            pressEnter(panel().answerLine());
            later(30, [&] {
                typeText(panel().answerLine(), "outer");
                pressEnter(panel().answerLine());
            });
        });
        inner = platform().readLine();
    });
    EXPECT_EQ(platform().readLine(), "outer");
    EXPECT_EQ(inner, "inner");
    EXPECT_EQ(depthInside, 2);
    EXPECT_EQ(platform().waitDepth(), 0);
    EXPECT_FALSE(watchdog.fired);
}

TEST_F(Waits, PauseContinuesByButtonOrEnter) {
    testing::Watchdog watchdog(*session, 5000);
    bool bannerWhilePaused = false;
    EXPECT_TRUE(panel().banner()->isHidden());
    later(30, [&] {
        bannerWhilePaused = panel().banner()->isVisible();
        panel().continueButton()->click();
    });
    platform().pause();
    EXPECT_TRUE(bannerWhilePaused);
    EXPECT_TRUE(panel().banner()->isHidden());

    // Enter continues from any window, here the unit-system screen.
    QWidget* form4 = session->windows().window(session->screenId("FORM4"));
    later(30, [&] { pressEnter(form4); });
    platform().pause();
    EXPECT_FALSE(platform().paused());

    // Outside a pause Enter is an ordinary key.
    pressEnter(form4);
    EXPECT_FALSE(watchdog.fired);
}

// A pause while the user works in another window shows there too, and its
// 続行 goes on; the banner leaves with the pause.
TEST_F(Waits, PauseShowsOnTheWindowInUse) {
    testing::Watchdog watchdog(*session, 5000);
    QWidget* form4 = session->windows().window(session->screenId("FORM4"));
    form4->activateWindow();
    QApplication::setActiveWindow(form4);
    QPushButton* there = nullptr;
    later(30, [&] {
        for (QPushButton* b : form4->findChildren<QPushButton*>()) {
            if (b->text() == QStringLiteral("続行") && b->isVisible()) there = b;
        }
        if (there) there->click();
        else platform().endWaits();
    });
    try {
        platform().pause();
    } catch (const EndProgram&) {
    }
    ASSERT_NE(there, nullptr) << "no banner on the window in use";
    EXPECT_FALSE(watchdog.fired);
    QCoreApplication::processEvents();
    for (QPushButton* b : form4->findChildren<QPushButton*>()) EXPECT_NE(b->text(), QStringLiteral("続行"));
}

TEST_F(Waits, PauseInsideALineWaitHidesTheAnswerLineUntilContinued) {
    testing::Watchdog watchdog(*session, 5000);
    bool answerDuringPause = true, answerAfterPause = false;
    later(30, [&] {
        later(30, [&] {
            answerDuringPause = panel().answerLine()->isEnabled() && panel().answerLine()->isVisible();
            pressEnter(panel().answerLine());  // continues the pause, answers nothing
            later(30, [&] {
                answerAfterPause = panel().answerLine()->isEnabled();
                typeText(panel().answerLine(), "2");
                pressEnter(panel().answerLine());
            });
        });
        platform().pause();
    });
    EXPECT_EQ(platform().readLine(), "2");
    EXPECT_FALSE(answerDuringPause);
    EXPECT_TRUE(answerAfterPause);
    EXPECT_FALSE(watchdog.fired);
}

QMessageBox* openBox() { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); }

TEST_F(Waits, QuestionBoxShowsCaptionAndTextAndReturnsTheChoice) {
    testing::Watchdog watchdog(*session, 5000);
    QString title, text;
    later(50, [&] {
        QMessageBox* box = openBox();
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        box->button(QMessageBox::Yes)->click();
    });
    EXPECT_TRUE(platform().askYesNo("確認", "ﾌｨﾝ形状を変更しますか？\n<y/n>"));
    EXPECT_EQ(title, "確認");
    EXPECT_EQ(text, "ﾌｨﾝ形状を変更しますか？\n<y/n>");

    later(50, [&] {
        if (QMessageBox* box = openBox()) box->button(QMessageBox::No)->click();
    });
    EXPECT_FALSE(platform().askYesNo("確認", "?"));
    EXPECT_FALSE(watchdog.fired);
}

TEST_F(Waits, ClosingTheMainWindowEndsEveryWait) {
    testing::Watchdog watchdog(*session, 5000);
    ScreenWindow* main = session->windows().mainWindow();
    std::optional<bool> innerThrew;
    later(30, [&] {
        later(30, [&] { main->close(); });
        try {
            platform().pause();
            innerThrew = false;
        } catch (const EndProgram&) {
            innerThrew = true;
        }
    });
    EXPECT_THROW(platform().readLine(), EndProgram);
    EXPECT_EQ(innerThrew, std::optional<bool>(true));
    EXPECT_FALSE(watchdog.fired);
    EXPECT_TRUE(session->app().ended);
    EXPECT_EQ(session.quits, 1);
    EXPECT_FALSE(main->isVisible());
    EXPECT_FALSE(session->windows().window(session->screenId("FORM4"))->isVisible());
    // Nothing waits any more once the program ends.
    EXPECT_THROW(platform().readLine(), EndProgram);
    EXPECT_THROW(platform().pause(), EndProgram);
    EXPECT_THROW(platform().askYesNo("a", "b"), EndProgram);
    EXPECT_EQ(session.quits, 1);
}

TEST_F(Waits, ClosingTheMainWindowClosesAnOpenQuestion) {
    testing::Watchdog watchdog(*session, 5000);
    later(50, [&] { session->windows().mainWindow()->close(); });
    EXPECT_THROW(platform().askYesNo("確認", "?"), EndProgram);
    EXPECT_EQ(openBox(), nullptr);
    EXPECT_FALSE(watchdog.fired);
    EXPECT_EQ(session.quits, 1);
}

std::string answerSeen;
bool procedureFinished = false;
void askAndRecord(App& app) {
    answerSeen = app.readLine();
    procedureFinished = true;
}

TEST_F(Waits, ClickWaitingForALineEndsWhenTheMainWindowCloses) {
    testing::Watchdog watchdog(*session, 5000);
    App& app = session->app();
    registerProcedure(app, "MAINFORM", "BUTTON22", askAndRecord);
    app["MAINFORM"]["BUTTON22"].enable();
    answerSeen = "untouched";
    procedureFinished = false;
    later(30, [&] {
        EXPECT_TRUE(platform().waitingForLine());
        session->windows().mainWindow()->close();
    });
    qobject_cast<QPushButton*>(session->windows().widget("MAINFORM", "BUTTON22"))->click();
    EXPECT_FALSE(procedureFinished);  // left by EndProgram, caught by the dispatch
    EXPECT_EQ(answerSeen, "untouched");
    EXPECT_TRUE(app.ended);
    EXPECT_EQ(session.quits, 1);
    EXPECT_FALSE(watchdog.fired);
}

TEST_F(Waits, ClickAnsweredThroughTheAnswerLine) {
    testing::Watchdog watchdog(*session, 5000);
    App& app = session->app();
    registerProcedure(app, "MAINFORM", "BUTTON22", askAndRecord);
    app["MAINFORM"]["BUTTON22"].enable();
    procedureFinished = false;
    later(30, [&] {
        typeText(panel().answerLine(), "00");
        pressEnter(panel().answerLine());
    });
    qobject_cast<QPushButton*>(session->windows().widget("MAINFORM", "BUTTON22"))->click();
    EXPECT_TRUE(procedureFinished);
    EXPECT_EQ(answerSeen, "00");
    EXPECT_FALSE(app.ended);
    EXPECT_EQ(session.quits, 0);
}

}  // namespace
}  // namespace cfhx::qt
