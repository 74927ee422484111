// The windows on a real desktop: Xvfb at 1920×1200 and at 1366×768 with the
// openbox window manager, driven by the X server (xdotool) and read back
// from it (xprop). Each test reruns this executable under xvfb-run; the
// child starts openbox, walks a session and keeps a screenshot of each step
// in the build folder.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "platform/qt/pane_panel.h"
#include "platform/qt/pane_view.h"
#include "platform/qt/scrolled_column.h"
#include "support/case_files.h"
#include "support/desktop_run.h"
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
    const QSize size = QGuiApplication::primaryScreen()->size();
    const QString path = QStringLiteral(CFHX_BUILD_DIR "/desktop-%1x%2-%3-%4.png")
                             .arg(size.width())
                             .arg(size.height())
                             .arg(++shots)
                             .arg(QLatin1String(what));
    QGuiApplication::primaryScreen()->grabWindow(0).save(path);
}

QRect onScreen(QWidget* w) { return QRect(w->mapToGlobal(QPoint(0, 0)), w->size()); }

// The main window's input column and the pane's text as far as it is used.
QRect columnOnScreen(GuiSession& s) { return onScreen(s.windows().inputColumn()); }
QRect tableOnScreen(GuiSession& s) {
    const PaneView& view = *s.windows().panePanel()->view();
    const QRect panel = onScreen(s.windows().panePanel());
    const int right = view.viewport()->mapToGlobal(view.textOrigin()).x() +
                      static_cast<int>(view.usedColumns() * view.cellWidth());
    return QRect(panel.topLeft(), QPoint(right, panel.bottom()));
}

// What the window manager lets the user do with a window.
QString allowedActions(QWidget* w) {
    return run(QStringLiteral("xprop"), {QStringLiteral("-id"), xid(w), QStringLiteral("_NET_WM_ALLOWED_ACTIONS")});
}

// The window manager's close, as from the title bar's ×.
void closeFromTitleBar(QWidget* w) {
    run(QStringLiteral("xdotool"), {QStringLiteral("windowactivate"), QStringLiteral("--sync"), xid(w),
                                    QStringLiteral("key"), QStringLiteral("alt+F4")});
    settle();
}

// Runs this executable's `test` under xvfb-run with openbox on a screen
// of `size` ("1920x1200").
void runOnDesktop(const char* size, const char* test) {
    testing::runOnDesktop(kChildMark, (std::string("Desktop.") + test).c_str(), size);
}

bool isChild() { return testing::onDesktop(kChildMark); }

// The column a window may hide at least: what its frame is wider than the
// room right of the main window.
int unavoidable(QWidget* window, QWidget* main) {
    const QRect avail = QGuiApplication::primaryScreen()->availableGeometry();
    return std::max(0, window->frameGeometry().width() - (avail.right() - main->frameGeometry().right()));
}

constexpr const char* kCalculateNext = "計算開始/再設定 で計算します";
constexpr const char* kConfirmNext = "設定確認 で入力を変更できます";

void clickWidget(GuiSession& s, const char* screen, const char* control) {
    auto* b = qobject_cast<QAbstractButton*>(s.windows().widget(screen, control));
    ASSERT_NE(b, nullptr) << screen << "." << control;
    b->click();
    settle();
}

void answer(QLineEdit* line, const char* text) {
    line->setText(QString::fromUtf8(text));
    testing::pressEnter(line);
}

// The calculate button pressed and the user at its waits: Yes to each
// question box, and `atLine` (which answers) at each typed line.
void calculate(GuiSession& s, const std::function<void(QLineEdit* line)>& atLine) {
    QTimer user;
    bool busy = false;
    QObject::connect(&user, &QTimer::timeout, [&] {
        if (busy) return;
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            box->button(QMessageBox::Yes)->click();
        } else if (s.platform().waitingForLine()) {
            busy = true;
            settle(500);
            atLine(s.windows().panePanel()->answerLine());
            busy = false;
        }
    });
    user.start(100);
    testing::Watchdog watchdog(s, 90000);
    clickWidget(s, "MAINFORM", "BUTTON9");
}

TEST(Desktop, WindowsStayOwnedMarkedFocusedAndResizable) {
    if (!isChild()) {
        runOnDesktop("1920x1200", "WindowsStayOwnedMarkedFocusedAndResizable");
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
    clickWidget(*session, "MAINFORM", "BUTTON3");
    clickWidget(*session, "MAINFORM", "BUTTON6");
    ScreenWindow* form6 = session->windows().window(session->screenId("FORM6"));
    ASSERT_TRUE(form6->isVisible());
    // Room to the right of the main window: neither the column nor the
    // pane's text is hidden.
    EXPECT_FALSE(form6->frameGeometry().intersects(columnOnScreen(*session)));
    EXPECT_FALSE(form6->frameGeometry().intersects(tableOnScreen(*session)));
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
    // Too wide for the room beside: it hides no more of the column than it must.
    EXPECT_LE(form5->frameGeometry().intersected(columnOnScreen(*session)).width(), unavoidable(form5, main));
    shoot("form5");

    // The whole way to a result; the menu waits with a lit answer line.
    clickWidget(*session, "FORM5", "BUTTON53");
    clickWidget(*session, "FORM5", "BUTTON30");
    QLabel* status = session->windows().panePanel()->statusLine();
    EXPECT_EQ(status->text().toStdString(), kCalculateNext);
    ScreenWindow* summary = session->windows().window(session->screenId("FORM2"));
    int menus = 0;
    calculate(*session, [&](QLineEdit* line) {
        ++menus;
        EXPECT_EQ(QApplication::focusWidget(), line);
        EXPECT_EQ(status->text(), QString());
        shoot("result-menu");
        // The summary hides none of the table and no more of the column
        // than it must.
        ASSERT_TRUE(summary->isVisible());
        EXPECT_FALSE(summary->frameGeometry().intersects(tableOnScreen(*session)));
        EXPECT_LE(summary->frameGeometry().intersected(columnOnScreen(*session)).width(), unavoidable(summary, main));
        // Fixed size: a close but no maximise.
        const QString actions = allowedActions(summary);
        EXPECT_TRUE(actions.contains(QStringLiteral("_NET_WM_ACTION_CLOSE"))) << actions.toStdString();
        EXPECT_FALSE(actions.contains(QStringLiteral("_NET_WM_ACTION_MAXIMIZE"))) << actions.toStdString();
        // Minimised (openbox offers it for a dialog): the program stays up.
        run(QStringLiteral("xdotool"), {QStringLiteral("windowminimize"), xid(summary)});
        settle(800);
        EXPECT_TRUE(mapped(main));
        EXPECT_FALSE(main->isMinimized());
        // The title bar's × hides it; 表示 → 結果画面 shows it again, where
        // it was or where the user put it.
        for (const QPoint to : {QPoint(), QPoint(60, 500)}) {
            if (!to.isNull()) {
                run(QStringLiteral("xdotool"), {QStringLiteral("windowmove"), xid(summary), QString::number(to.x()),
                                                QString::number(to.y())});
                settle(800);
            }
            if (!summary->isVisible()) session->windows().summaryAction()->trigger();
            settle(500);
            const QPoint was = summary->pos();
            closeFromTitleBar(summary);
            EXPECT_FALSE(summary->isVisible());
            EXPECT_FALSE(session->app()["FORM2"].shown());
            session->windows().summaryAction()->trigger();
            settle(500);
            EXPECT_EQ(summary->pos(), was);
            EXPECT_EQ(session->windows().movedByUser(session->screenId("FORM2")), !to.isNull());
        }
        shoot("summary-moved");
        // Larger type: the table's right part scrolls into view.
        QScrollBar* across = session->windows().panePanel()->view()->horizontalScrollBar();
        session->windows().panePanel()->zoom(4);
        settle(300);
        EXPECT_TRUE(across->isVisible());
        across->setValue(across->maximum());
        shoot("zoomed-right");
        session->windows().panePanel()->zoom(0);
        answer(line, "4");
    });
    EXPECT_EQ(menus, 1);
    // Back at the input: the status line says how to go on.
    EXPECT_EQ(status->text().toStdString(), kConfirmNext);
    shoot("recalculation");

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

TEST(Desktop, MainWindowFitsALaptopScreen) {
    if (!isChild()) {
        runOnDesktop("1366x768", "MainWindowFitsALaptopScreen");
        return;
    }
    QProcess wm;
    wm.start(QStringLiteral("openbox"), {});
    ASSERT_TRUE(wm.waitForStarted());
    settle(1000);

    testing::TestSession session;
    ScreenWindow* main = session->windows().mainWindow();
    const QRect avail = QGuiApplication::primaryScreen()->availableGeometry();
    main->move(avail.topLeft());
    session->start();
    settle(800);
    // The smallest main window with its frame fits the screen, as does the
    // window once the user makes it as large as the screen.
    const QRect frame = main->frameGeometry(), client = main->geometry();
    const QSize decoration = frame.size() - client.size();
    EXPECT_LE(main->minimumWidth() + decoration.width(), avail.width());
    EXPECT_LE(main->minimumHeight() + decoration.height(), avail.height());
    main->resize(avail.size() - decoration);
    settle(800);
    EXPECT_TRUE(avail.contains(main->frameGeometry())) << main->frameGeometry().height();

    // Shorter than its layout: the pane's answer and status lines stay in
    // the window; a field reached by the keyboard scrolls into view.
    const QRect window = onScreen(main);
    EXPECT_TRUE(window.contains(onScreen(session->windows().panePanel()->statusLine())));
    EXPECT_TRUE(window.contains(onScreen(session->windows().panePanel()->answerLine())));
    ScrolledColumn* column = session->windows().inputColumn();
    column->bar()->setValue(column->bar()->maximum());
    settle(300);
    shoot("column-scrolled");
    QWidget* first = session->windows().widget("MAINFORM", "EDIT10");
    EXPECT_FALSE(onScreen(column).contains(onScreen(first)));
    first->setEnabled(true);
    main->activateWindow();
    settle();
    first->setFocus(Qt::TabFocusReason);
    settle(300);
    EXPECT_TRUE(onScreen(column).contains(onScreen(first)));

    // Water in the tubes, gas outside, to the result.
    clickWidget(*session, "FORM4", "BUTTON25");
    clickWidget(*session, "MAINFORM", "BUTTON18");
    for (const char* b : {"BUTTON22", "BUTTON3", "BUTTON6"}) clickWidget(*session, "MAINFORM", b);
    clickWidget(*session, "FORM6", "BUTTON36");
    clickWidget(*session, "FORM6", "BUTTON39");
    ScreenWindow* form5 = session->windows().window(session->screenId("FORM5"));
    ASSERT_TRUE(form5->isVisible());
    EXPECT_TRUE(avail.contains(form5->frameGeometry()));
    shoot("form5");
    clickWidget(*session, "FORM5", "BUTTON53");
    clickWidget(*session, "FORM5", "BUTTON30");
    ScreenWindow* summary = session->windows().window(session->screenId("FORM2"));
    calculate(*session, [&](QLineEdit* line) {
        ASSERT_TRUE(summary->isVisible());
        EXPECT_TRUE(avail.contains(summary->frameGeometry()));
        // No room beside: over the pane's empty right part, the table's
        // left part in view.
        const QRect table = tableOnScreen(*session);
        EXPECT_GT(summary->frameGeometry().left(), table.left() + table.width() / 2);
        shoot("result-menu");
        closeFromTitleBar(summary);
        EXPECT_FALSE(summary->isVisible());
        answer(line, "4");
    });
    EXPECT_EQ(session->windows().panePanel()->statusLine()->text().toStdString(), kConfirmNext);
    shoot("recalculation");
    // The summary closed by the user comes back with the next result.
    bool shown = false;
    calculate(*session, [&](QLineEdit* line) {
        shown = summary->isVisible();
        answer(line, "4");
    });
    EXPECT_TRUE(shown);
    wm.kill();
    wm.waitForFinished();
}

// The questions of the case files as real boxes, and `cfhx CASE` starting
// the windows with the case opened.
TEST(Desktop, CasesAskBeforeWorkIsLostAndOpenFromTheCommandLine) {
    if (!isChild()) {
        runOnDesktop("1920x1200", "CasesAskBeforeWorkIsLostAndOpenFromTheCommandLine");
        return;
    }
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
