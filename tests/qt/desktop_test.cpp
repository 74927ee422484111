// The windows on a real desktop: Xvfb at 1920×1200 with the openbox window
// manager, driven by the X server (xdotool) and read back from it (xprop).
// The test reruns this executable under xvfb-run; the child starts openbox,
// walks a session and keeps a screenshot of each step in the build folder.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>

#include "platform/qt/pane_panel.h"
#include "platform/qt/pane_view.h"
#include "support/case_files.h"
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

// In the parent: reruns the test `filter` alone under xvfb-run and openbox
// and checks its outcome; true in the child, which does the work.
bool inDesktop(const char* filter) {
    if (qEnvironmentVariable(kChildMark) == QLatin1String("1")) return true;
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QString::fromLatin1(kChildMark), QStringLiteral("1"));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QStandardPaths::findExecutable(QStringLiteral("xvfb-run")),
                {QStringLiteral("-a"), QStringLiteral("-s"), QStringLiteral("-screen 0 1920x1200x24"),
                 QCoreApplication::applicationFilePath(), QStringLiteral("--gtest_filter=") + QLatin1String(filter)});
    const bool finished = child.waitForFinished(180000);
    EXPECT_TRUE(finished) << "the desktop run did not finish";
    const std::string output = child.readAll().toStdString();
    EXPECT_EQ(child.exitCode(), 0) << output;
    EXPECT_NE(output.find("[  PASSED  ] 1 test"), std::string::npos) << output;
    return false;
}

bool desktopTools() {
    for (const char* tool : {"xvfb-run", "openbox", "xdotool", "xprop"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) return false;
    }
    return true;
}

TEST(Desktop, WindowsStayOwnedMarkedFocusedAndResizable) {
    if (!desktopTools()) GTEST_SKIP() << "xvfb-run, openbox, xdotool and xprop are needed";
    if (!inDesktop("Desktop.WindowsStayOwnedMarkedFocusedAndResizable")) return;
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

// The questions of the case files as real boxes, and `cfhx CASE` starting
// the windows with the case opened.
TEST(Desktop, CasesAskBeforeWorkIsLostAndOpenFromTheCommandLine) {
    if (!desktopTools()) GTEST_SKIP() << "xvfb-run, openbox, xdotool and xprop are needed";
    if (!inDesktop("Desktop.CasesAskBeforeWorkIsLostAndOpenFromTheCommandLine")) return;
    QProcess wm;
    wm.start(QStringLiteral("openbox"), {});
    ASSERT_TRUE(wm.waitForStarted());
    settle(1000);
    QTemporaryDir folder;
    const QString before = QDir::currentPath();
    QDir::setCurrent(folder.path());
    const QString gas = folder.filePath(QStringLiteral("gas.cfhx"));
    const QString water = folder.filePath(QStringLiteral("water.cfhx"));
    // A recorded hard copy of the table, then the menu waits.
    cfhx::testing::writeFile(gas, cfhx::testing::untilMenu(cfhx::testing::reviewedCase("result_gas_radial_no5")) + "type 1\ntype 2\n");
    cfhx::testing::writeFile(water, cfhx::testing::reviewedCase("result_water_humid_shell"));

    testing::TestSession session;
    session->setAsker({});
    session->windows().mainWindow()->move(QGuiApplication::primaryScreen()->availableGeometry().topLeft());
    session->start();
    settle(500);

    // Each box is shot, then answered by the button named for its question.
    struct Reply {
        const char* asks;
        const char* shot;
        const char* button;
    };
    const Reply kReplies[] = {
        {.asks = "計算を中止して water.cfhx を開きますか？", .shot = "ask-abandon", .button = "はい"},
        {.asks = "water.cfhx は既にあります。上書きしますか？", .shot = "ask-overwrite", .button = "はい"},
        {.asks = "終了する前に保存しますか？", .shot = "ask-finish", .button = "キャンセル"},
    };
    QStringList answered;
    QTimer boxes;
    QObject::connect(&boxes, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        for (const Reply& r : kReplies) {
            if (!box->text().contains(QString::fromUtf8(r.asks))) continue;
            settle(300);
            shoot(r.shot);
            for (QAbstractButton* b : box->buttons()) {
                if (b->text() == QString::fromUtf8(r.button)) {
                    answered << QString::fromUtf8(r.shot);
                    b->click();
                    return;
                }
            }
        }
    });
    boxes.start(100);
    testing::Watchdog watchdog(*session, 60000);

    // At the replayed case's menu: the recorded hard copy was not taken;
    // opening another case asks, leaves the calculation and opens it.
    std::string statusAtMenu;
    QStringList filesAtMenu;
    testing::later(1000, [&] {
        EXPECT_TRUE(session->platform().waitingForLine());
        statusAtMenu = session->app().status();
        // Played in to its end and handed over: the file, nothing unsaved.
        EXPECT_EQ(session->windows().mainWindow()->windowTitle(), QStringLiteral("cfhx — gas.cfhx"));
        filesAtMenu = QDir(folder.path()).entryList({QStringLiteral("*.png"), QStringLiteral("*.pdf")}, QDir::Files);
        shoot("replayed-menu");
        session->openFile(water);
    });
    ASSERT_TRUE(session->openFile(gas));
    settle(500);
    EXPECT_NE(statusAtMenu.find("計算表ハードコピー（1 件目）"), std::string::npos) << statusAtMenu;
    EXPECT_TRUE(filesAtMenu.isEmpty()) << filesAtMenu.join(' ').toStdString();
    ScreenWindow* main = session->windows().mainWindow();
    EXPECT_EQ(main->windowTitle(), QStringLiteral("cfhx — water.cfhx"));
    shoot("opened-water");

    EXPECT_TRUE(session->save(false));
    clickWidget(*session, "MAINFORM", "BUTTON22");
    EXPECT_EQ(main->windowTitle(), QStringLiteral("cfhx — water.cfhx *"));
    shoot("unsaved-title");
    session->windows().fileActions().quit->trigger();
    settle();
    EXPECT_TRUE(main->isVisible()) << "the finish was cancelled";
    EXPECT_EQ(session.quits, 0);
    EXPECT_EQ(answered, (QStringList{"ask-abandon", "ask-overwrite", "ask-finish"}));
    boxes.stop();

    // cfhx CASE: the windows come up with the case opened.
    const QString colleague = folder.filePath(QStringLiteral("colleague.cfhx"));
    cfhx::testing::writeFile(colleague, cfhx::testing::reviewedCase("result_gas_radial_no5"));
    QProcess program;
    program.start(QStringLiteral(CFHX_BUILD_DIR "/cfhx"), {colleague});
    ASSERT_TRUE(program.waitForStarted());
    QProcess search;
    search.start(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--sync"), QStringLiteral("--name"),
                                             QStringLiteral("cfhx — colleague.cfhx$")});
    const bool found = search.waitForFinished(30000) && !search.readAllStandardOutput().trimmed().isEmpty();
    EXPECT_TRUE(found) << "no window titled for the case";
    settle(1500);
    shoot("command-line-case");
    EXPECT_EQ(program.state(), QProcess::Running);
    program.kill();
    program.waitForFinished();
    QDir::setCurrent(before);
    EXPECT_FALSE(watchdog.fired);
    wm.kill();
    wm.waitForFinished();
}

}  // namespace
}  // namespace cfhx::qt
