// The windows on a real desktop: Xvfb at 1920×1200 with the openbox window
// manager, driven by the X server (xdotool) and read back from it (xprop).
// The test reruns this executable under xvfb-run; the child starts openbox,
// walks a session and keeps a screenshot of each step in the build folder.
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>

#include "platform/qt/pane_panel.h"
#include "platform/qt/pane_view.h"
#include "support/gui_support.h"

namespace cfhx::qt {
namespace {

constexpr const char* kChildMark = "CFHX_DESKTOP_CHILD";

QString run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(10000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

void settle(int ms = 300) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

// Client windows from bottom to top, as the window manager stacks them.
QStringList stacking() {
    const QString line = run(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_CLIENT_LIST_STACKING")});
    QStringList ids;
    for (const QString& part : line.section('#', 1).split(',', Qt::SkipEmptyParts)) ids << part.trimmed();
    return ids;
}

QString xid(QWidget* w) { return QStringLiteral("0x%1").arg(w->winId(), 0, 16); }

bool above(QWidget* upper, QWidget* lower) {
    const QStringList order = stacking();
    const int u = order.indexOf(xid(upper)), l = order.indexOf(xid(lower));
    return u >= 0 && l >= 0 && u > l;
}

bool mapped(QWidget* w) {
    return run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), xid(w)}).contains(QStringLiteral("IsViewable"));
}

void clickOnScreen(QWidget* window, QPoint at) {
    const QPoint global = window->mapToGlobal(at);
    run(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QString::number(global.x()), QString::number(global.y()),
                                    QStringLiteral("click"), QStringLiteral("1")});
    settle();
}

int shots = 0;
void shoot(const char* what) {
    const QString path = QStringLiteral(CFHX_BUILD_DIR "/desktop-%1-%2.png").arg(++shots).arg(QLatin1String(what));
    QGuiApplication::primaryScreen()->grabWindow(0).save(path);
}

void clickWidget(GuiSession& s, const char* screen, const char* control) {
    auto* b = qobject_cast<QAbstractButton*>(s.windows().widget(screen, control));
    ASSERT_NE(b, nullptr) << screen << "." << control;
    b->click();
    settle();
}

TEST(Desktop, WindowsStayOwnedMarkedFocusedAndResizable) {
    if (qEnvironmentVariable(kChildMark) != QLatin1String("1")) {
        const QString xvfbRun = QStandardPaths::findExecutable(QStringLiteral("xvfb-run"));
        if (xvfbRun.isEmpty() || QStandardPaths::findExecutable(QStringLiteral("openbox")).isEmpty() ||
            QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty() ||
            QStandardPaths::findExecutable(QStringLiteral("xprop")).isEmpty())
            GTEST_SKIP() << "xvfb-run, openbox, xdotool and xprop are needed";
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.insert(QString::fromLatin1(kChildMark), QStringLiteral("1"));
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(xvfbRun, {QStringLiteral("-a"), QStringLiteral("-s"), QStringLiteral("-screen 0 1920x1200x24"),
                              QCoreApplication::applicationFilePath(), QStringLiteral("--gtest_filter=Desktop.*")});
        ASSERT_TRUE(child.waitForFinished(180000)) << "the desktop run did not finish";
        const std::string output = child.readAll().toStdString();
        EXPECT_EQ(child.exitCode(), 0) << output;
        EXPECT_NE(output.find("[  PASSED  ] 1 test"), std::string::npos) << output;
        return;
    }
    QProcess wm;
    wm.start(QStringLiteral("openbox"), {});
    ASSERT_TRUE(wm.waitForStarted());
    settle(1000);

    testing::TestSession session;
    ScreenWindow* main = session->windows().mainWindow();
    // A first start puts the main window at the screen's top left.
    main->move(QGuiApplication::primaryScreen()->availableGeometry().topLeft());
    session->start();
    ScreenWindow* units = session->windows().window(session->screenId("FORM4"));
    settle(800);
    shoot("start");

    // Owned: the unit-system window names the main window and stays above it
    // after a click on the main window.
    EXPECT_TRUE(run(QStringLiteral("xprop"), {QStringLiteral("-id"), xid(units), QStringLiteral("WM_TRANSIENT_FOR")})
                    .contains(QStringLiteral("window id")));
    clickOnScreen(main, QPoint(200, 300));
    EXPECT_TRUE(mapped(units));
    EXPECT_TRUE(above(units, main));

    // A unit choice shows as chosen; after NEXT the focus is not on the date.
    clickWidget(*session, "FORM4", "BUTTON25");
    EXPECT_TRUE(session->windows().widget("FORM4", "BUTTON25")->property("chosen").toBool());
    clickWidget(*session, "MAINFORM", "BUTTON18");
    QWidget* date = session->windows().widget("MAINFORM", "EDIT9");
    EXPECT_NE(QApplication::focusWidget(), date);
    EXPECT_EQ(QApplication::focusWidget(), session->windows().widget("MAINFORM", "BUTTON22"));
    shoot("next");

    clickWidget(*session, "MAINFORM", "BUTTON22");
    clickWidget(*session, "MAINFORM", "BUTTON2");
    clickWidget(*session, "MAINFORM", "BUTTON6");
    ScreenWindow* form6 = session->windows().window(session->screenId("FORM6"));
    ASSERT_TRUE(form6->isVisible());
    clickOnScreen(main, QPoint(200, 300));
    EXPECT_TRUE(mapped(form6));
    EXPECT_TRUE(above(form6, main));
    clickWidget(*session, "FORM6", "BUTTON34");
    EXPECT_TRUE(session->windows().widget("FORM6", "BUTTON34")->property("chosen").toBool());
    EXPECT_FALSE(session->windows().widget("FORM6", "BUTTON36")->property("chosen").toBool());
    shoot("form6-chosen");
    clickWidget(*session, "FORM6", "BUTTON36");
    clickWidget(*session, "FORM6", "BUTTON39");
    ScreenWindow* form5 = session->windows().window(session->screenId("FORM5"));
    ASSERT_TRUE(form5->isVisible());
    // Beside the pane where the screen has room.
    const QRect pane(session->windows().panePanel()->mapToGlobal(QPoint(0, 0)), session->windows().panePanel()->size());
    EXPECT_GE(form5->frameGeometry().left(), pane.right()) << "FORM5 covers the pane";
    shoot("form5");

    // The whole way to a result; the menu waits with a lit answer line.
    clickWidget(*session, "FORM5", "BUTTON53");
    clickWidget(*session, "FORM5", "BUTTON30");
    bool shotMenu = false;
    QTimer user;
    QObject::connect(&user, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            box->button(QMessageBox::Yes)->click();
        } else if (session->platform().waitingForLine() && !shotMenu) {
            shotMenu = true;
            settle(500);
            QLineEdit* answer = session->windows().panePanel()->answerLine();
            EXPECT_EQ(QApplication::focusWidget(), answer);
            shoot("result-menu");
            answer->setText(QStringLiteral("4"));
            testing::pressEnter(answer);
        }
    });
    user.start(100);
    testing::Watchdog watchdog(*session, 60000);
    clickWidget(*session, "MAINFORM", "BUTTON9");
    user.stop();
    EXPECT_TRUE(shotMenu);

    // The main window grows: the pane shows more rows, the input column
    // moves with the right edge.
    const int rows = session->windows().panePanel()->view()->fullRows();
    QWidget* next = session->windows().widget("MAINFORM", "BUTTON18");
    const int nextX = next->x();
    main->resize(main->width() + 400, main->height() + 200);
    settle(500);
    EXPECT_GT(session->windows().panePanel()->view()->fullRows(), rows + 5);
    EXPECT_EQ(next->x(), nextX + 400);
    shoot("resized");
    wm.kill();
    wm.waitForFinished();
}

}  // namespace
}  // namespace cfhx::qt
