// Real-window screenshots under Xvfb: each test reruns this executable under
// xvfb-run on the xcb platform, where the child grabs a window from the X
// server and checks it in the pixels.
#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QThread>
#include <QWindow>
#include <gtest/gtest.h>

#include "support/gui_support.h"
#include "platform/qt/pane_panel.h"
#include "platform/qt/pane_view.h"
#include "platform/qt/look.h"

namespace cfhx::qt {
namespace {

constexpr const char* kChildMark = "CFHX_SCREENSHOT_CHILD";
const QString kShotPath = QStringLiteral(CFHX_BUILD_DIR "/screenshot_next.png");
const QString kSummaryShotPath = QStringLiteral(CFHX_BUILD_DIR "/screenshot_form2.png");

// Runs the current test again in a child under Xvfb; it must pass there and
// leave its screenshot at `shot`.
void runUnderXvfb(const QString& shot) {
    const QString xvfbRun = QStandardPaths::findExecutable(QStringLiteral("xvfb-run"));
    if (xvfbRun.isEmpty()) GTEST_SKIP() << "xvfb-run is not installed; no real-window screenshot";
    QFile::remove(shot);
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const QString filter = QStringLiteral("--gtest_filter=%1.%2").arg(test->test_suite_name(), test->name());
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QString::fromLatin1(kChildMark), QStringLiteral("1"));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(xvfbRun, {QStringLiteral("-a"), QStringLiteral("-s"), QStringLiteral("-screen 0 1400x1000x24"),
                          QCoreApplication::applicationFilePath(), filter});
    if (!child.waitForFinished(120000)) {
        child.kill();
        child.waitForFinished();
        FAIL() << "the screenshot run did not finish:\n" << child.readAll().toStdString();
    }
    const std::string output = child.readAll().toStdString();
    EXPECT_EQ(child.exitStatus(), QProcess::NormalExit) << output;
    EXPECT_EQ(child.exitCode(), 0) << output;
    EXPECT_NE(output.find("[  PASSED  ] 1 test"), std::string::npos) << output;
    EXPECT_TRUE(QFile::exists(shot));
}

// Waits until the window is on the X server and has painted.
void settleOnScreen(QWidget* window) {
    testing::spinUntil([&] { return window->windowHandle() && window->windowHandle()->isExposed(); }, 5000);
    for (int i = 0; i < 10; ++i) {
        QCoreApplication::processEvents();
        QThread::msleep(30);
    }
}

TEST(Screenshot, WelcomeBoxAfterNextEndsOnOnePixelColumn) {
    if (qEnvironmentVariable(kChildMark) != QLatin1String("1")) {
        runUnderXvfb(kShotPath);
        return;
    }
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
    testing::TestSession session;
    session->start();
    qobject_cast<QPushButton*>(session->windows().widget("FORM4", "BUTTON26"))->click();
    qobject_cast<QPushButton*>(session->windows().widget("MAINFORM", "BUTTON18"))->click();
    ScreenWindow* main = session->windows().mainWindow();
    settleOnScreen(main);

    const QImage shot = main->screen()->grabWindow(main->winId()).toImage();
    ASSERT_EQ(shot.size(), main->size());
    ASSERT_TRUE(shot.save(kShotPath));

    const PaneView& view = *session->windows().panePanel()->view();
    const Pane& pane = session->app().pane;
    const QPoint origin = view.viewport()->mapTo(main, view.textOrigin());
    const int right = view.viewport()->mapTo(main, QPoint(view.viewport()->width(), 0)).x();
    ASSERT_LE(pane.pageTop() + 34, view.topLine() + view.fullRows()) << "box rows out of view";
    int first = -1;
    for (int row = 22; row <= 34; ++row) {
        const int index = static_cast<int>(pane.pageTop() + row - 1 - view.topLine());
        const QRect band(origin.x(), origin.y() + index * view.lineHeight(), right - origin.x(), view.lineHeight());
        const int x = testing::rightmostDark(shot, band);
        ASSERT_GE(x, 0) << "row " << row << " is blank";
        if (first < 0) first = x;
        EXPECT_NEAR(x, first, 1) << "row " << row;
    }
}

// A whole calculation through the windows: the Yes box answered, then, while
// the result's menu waits, the summary screen with its schematic and its
// figures is taken from the X server; "4" goes back to the screens.
TEST(Screenshot, SummaryScreenAfterARunShowsTheSchematicAndTheResult) {
    if (qEnvironmentVariable(kChildMark) != QLatin1String("1")) {
        runUnderXvfb(kSummaryShotPath);
        return;
    }
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
    testing::TestSession session;
    session->start();
    App& app = session->app();
    for (const char* c : {"FORM4.BUTTON25", "MAINFORM.BUTTON18", "MAINFORM.BUTTON22", "MAINFORM.BUTTON2",
                          "MAINFORM.BUTTON6", "FORM6.BUTTON36", "FORM6.BUTTON39", "FORM5.BUTTON53", "FORM5.BUTTON30"}) {
        const std::string name(c);
        EXPECT_TRUE(click(app, name.substr(0, name.find('.')), name.substr(name.find('.') + 1))) << c;
    }
    ScreenWindow* form2 = session->windows().window(session->screenId("FORM2"));
    QImage shot;
    QTimer user;
    QObject::connect(&user, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            box->button(QMessageBox::Yes)->click();
        } else if (session->platform().waitingForLine() && shot.isNull()) {
            settleOnScreen(form2);
            shot = form2->screen()->grabWindow(form2->winId()).toImage();
            QLineEdit* answer = session->windows().panePanel()->answerLine();
            answer->setText(QStringLiteral("4"));
            testing::pressEnter(answer);
        }
    });
    user.start(50);
    testing::Watchdog watchdog(*session, 60000);
    ASSERT_TRUE(app["MAINFORM"]["BUTTON9"].enabled()) << app.pane.pageText();
    ASSERT_TRUE(click(app, "MAINFORM", "BUTTON9"));
    user.stop();
    ASSERT_FALSE(watchdog.fired) << "the run did not reach its menu";
    ASSERT_FALSE(shot.isNull());
    ASSERT_TRUE(shot.save(kSummaryShotPath));
    EXPECT_EQ(shot.size(), form2->size());
    // The shell-inlet arrow of the schematic: warm, clearly redder than blue.
    const QRgb arrow = shot.pixel(QPoint(scaled(262), scaled(142)));
    EXPECT_GT(qRed(arrow) - qBlue(arrow), 40) << std::hex << arrow;
    // The duty box holds the result's figure (its text is set by the model).
    EXPECT_FALSE(app["FORM2"]["EDIT38"].text().empty());
    EXPECT_TRUE(app["MAINFORM"]["BUTTON9"].enabled()) << "back at the screens";
}

}  // namespace
}  // namespace cfhx::qt
