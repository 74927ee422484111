// A field a check refuses: tinted and focused on its window, the tint gone
// as soon as the user types into it. Offscreen, and again under openbox,
// where the refused field's window is the active one and a screenshot of
// each refusal is kept in the build folder.
#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <gtest/gtest.h>

#include <string>

#include "support/desktop_run.h"
#include "support/gui_support.h"
#include "platform/qt/look.h"
#include "platform/qt/pane_panel.h"

namespace cfhx::qt {
namespace {

using testing::TestSession;

constexpr const char* kDesktopMark = "CFHX_ENTRY_MARKS_CHILD";

bool tinted(QLineEdit* edit) { return edit->palette().color(QPalette::Base) == flaggedFieldColor(); }

// Deleted with the keyboard, as the user would.
void erase(QLineEdit* edit) {
    edit->selectAll();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
    QCoreApplication::sendEvent(edit, &press);
}

void clickWidget(GuiSession& s, const std::string& name) {
    const size_t dot = name.find('.');
    auto* b = qobject_cast<QAbstractButton*>(s.windows().widget(name.substr(0, dot), name.substr(dot + 1)));
    ASSERT_NE(b, nullptr) << name;
    b->click();
    testing::settle(testing::onDesktop(kDesktopMark) ? 300 : 0);
}

TEST(EntryMarks, RefusedFieldTintedAndFocusedUntilTyped) {
    const bool desktop = testing::onDesktop(kDesktopMark);
    QProcess wm;
    if (desktop) {
        wm.start(QStringLiteral("openbox"), {});
        ASSERT_TRUE(wm.waitForStarted());
        testing::settle(1000);
    }
    TestSession session;
    session->windows().mainWindow()->move(QGuiApplication::primaryScreen()->availableGeometry().topLeft());
    session->start();
    testing::Watchdog watchdog(*session, 20000);
    testing::settle(desktop ? 800 : 0);
    // Water in the tubes, gas outside, No. 5, the samples.
    for (const char* c : {"FORM4.BUTTON25", "MAINFORM.BUTTON18", "MAINFORM.BUTTON22", "MAINFORM.BUTTON3",
                          "MAINFORM.BUTTON6", "FORM6.BUTTON36", "FORM6.BUTTON39", "FORM5.BUTTON53"}) {
        clickWidget(*session, c);
    }

    struct Row {
        const char* field;  // "SCREEN.CONTROL"
        const char* text;   // typed over the sample; empty: the sample deleted
        const char* press;  // the button that checks it
        const char* message;
        const char* corrected;
    };
    const Row rows[] = {
        {"FORM5.EDIT130", "", "FORM5.BUTTON30", " ★ 管内側入側流体温度 が入力されていません。！", "20"},
        {"FORM5.EDIT157", "15oo", "FORM5.BUTTON30", " ★ 伝熱管長さ が数値ではありません。！", "1500"},
        {"FORM5.EDIT169", "", "FORM5.BUTTON30", " ★ 管内側重量流量 が入力されていません。！", "2000"},
        // Back on the main window after the run: the rows, not the button, have the focus.
        {"MAINFORM.EDIT26", "4O", "MAINFORM.BUTTON9", "  ★ 伝熱管段数 が数値ではありません。！", "40"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.field);
        const std::string field(row.field);
        const std::string screen = field.substr(0, field.find('.'));
        if (screen == "MAINFORM") clickWidget(*session, "FORM5.BUTTON30");  // the corrected entries accepted
        auto* edit = qobject_cast<QLineEdit*>(session->windows().widget(screen, field.substr(screen.size() + 1)));
        ASSERT_NE(edit, nullptr);
        erase(edit);
        if (*row.text) testing::typeText(edit, row.text);
        std::string message;
        bool tintedWhilePaused = false, focusedWhilePaused = false;
        QString active;
        testing::later(desktop ? 400 : 30, [&] {
            message = screen == "FORM5"
                          ? qobject_cast<QLabel*>(session->windows().widget("FORM5", "TEXT127"))->text().toStdString()
                          : session->app().pane.pageText();
            tintedWhilePaused = tinted(edit);
            focusedWhilePaused = QApplication::focusWidget() == edit;
            if (desktop) {
                active = testing::toolOutput(QStringLiteral("xdotool"), {QStringLiteral("getactivewindow")}).trimmed();
                testing::shootScreen(QStringLiteral("entry-marks-") + QString::fromStdString(field));
            }
            session->windows().panePanel()->continueButton()->click();
        });
        clickWidget(*session, row.press);
        QCoreApplication::processEvents();
        EXPECT_TRUE(message.ends_with(row.message)) << message;
        EXPECT_TRUE(tintedWhilePaused);
        if (screen == "FORM5") {
            EXPECT_TRUE(focusedWhilePaused);
        }
        if (desktop) {
            EXPECT_EQ(active, QString::number(edit->window()->winId()));
        }
        EXPECT_TRUE(tinted(edit));
        EXPECT_EQ(QApplication::focusWidget(), edit);
        // Typing the right value takes the mark off.
        erase(edit);
        testing::typeText(edit, row.corrected);
        EXPECT_FALSE(tinted(edit));
        EXPECT_FALSE(session->app()[screen][field.substr(screen.size() + 1)].flagged());
    }
    EXPECT_FALSE(watchdog.fired);
    if (desktop) {
        wm.terminate();
        wm.waitForFinished(3000);
    }
}

TEST(EntryMarks, OnADesktopUnderOpenbox) {
    if (testing::onDesktop(kDesktopMark)) GTEST_SKIP() << "the desktop child runs the walk itself";
    testing::runOnDesktop(kDesktopMark, "EntryMarks.RefusedFieldTintedAndFocusedUntilTyped");
}

}  // namespace
}  // namespace cfhx::qt
