// A real-window screenshot under Xvfb: the test reruns this executable
// under xvfb-run on the xcb platform, where the child grabs the main window
// from the X server after NEXT and checks the welcome box in the pixels.
#include <QFile>
#include <QGuiApplication>
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

namespace cfhx::qt {
namespace {

constexpr const char* kChildMark = "CFHX_SCREENSHOT_CHILD";
const QString kShotPath = QStringLiteral(CFHX_BUILD_DIR "/screenshot_next.png");

void runUnderXvfb() {
    const QString xvfbRun = QStandardPaths::findExecutable(QStringLiteral("xvfb-run"));
    if (xvfbRun.isEmpty()) GTEST_SKIP() << "xvfb-run is not installed; no real-window screenshot";
    QFile::remove(kShotPath);
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QString::fromLatin1(kChildMark), QStringLiteral("1"));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(xvfbRun, {QStringLiteral("-a"), QStringLiteral("-s"), QStringLiteral("-screen 0 1400x1000x24"),
                          QCoreApplication::applicationFilePath(),
                          QStringLiteral("--gtest_filter=Screenshot.*")});
    if (!child.waitForFinished(120000)) {
        child.kill();
        child.waitForFinished();
        FAIL() << "the screenshot run did not finish:\n" << child.readAll().toStdString();
    }
    const std::string output = child.readAll().toStdString();
    EXPECT_EQ(child.exitStatus(), QProcess::NormalExit) << output;
    EXPECT_EQ(child.exitCode(), 0) << output;
    EXPECT_NE(output.find("[  PASSED  ] 1 test"), std::string::npos) << output;
    EXPECT_TRUE(QFile::exists(kShotPath));
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
        runUnderXvfb();
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

}  // namespace
}  // namespace cfhx::qt
