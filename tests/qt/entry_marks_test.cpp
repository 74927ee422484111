// A field a check refuses: tinted and focused on its window, the tint gone
// as soon as the user types into it.
#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QProcess>
#include <QLineEdit>
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

bool tinted(QLineEdit* edit) { return edit->palette().color(QPalette::Base) == flaggedFieldColor(); }

TEST(EntryMarks, RefusedFieldTintedAndFocusedUntilTyped) {
    TestSession session;
    session->start();
    testing::Watchdog watchdog(*session, 5000);
    App& app = session->app();
    // Water in the tubes, gas outside, No. 5, the samples; then the inlet
    // emptied and the shell flow given as text.
    for (const char* c : {"FORM4.BUTTON25", "MAINFORM.BUTTON18", "MAINFORM.BUTTON22", "MAINFORM.BUTTON3",
                          "MAINFORM.BUTTON6", "FORM6.BUTTON36", "FORM6.BUTTON39", "FORM5.BUTTON53"}) {
        const std::string name(c);
        const size_t dot = name.find('.');
        ASSERT_TRUE(click(app, name.substr(0, dot), name.substr(dot + 1))) << name;
    }
    QCoreApplication::processEvents();
    auto* inlet = qobject_cast<QLineEdit*>(session->windows().widget("FORM5", "EDIT130"));
    auto* length = qobject_cast<QLineEdit*>(session->windows().widget("FORM5", "EDIT157"));
    ASSERT_TRUE(inlet && length);
    app["FORM5"]["EDIT130"].setText("");
    length->setFocus();

    struct Step {
        const char* name;
        const char* field;  // typed into before the OK
        const char* text;
        QLineEdit* refused;  // nullptr: accepted
    };
    const Step steps[] = {
        {"empty inlet", nullptr, nullptr, inlet},
        {"the length as text", "EDIT157", "15oo", length},
        {"both corrected", "EDIT157", "1500", nullptr},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        if (step.field) {
            auto* edit = qobject_cast<QLineEdit*>(session->windows().widget("FORM5", step.field));
            edit->selectAll();
            testing::typeText(edit, step.text);
        }
        bool tintedWhilePaused = false;
        bool paused = false;
        if (step.refused) {
            testing::later(30, [&] {
                paused = session->platform().paused();
                tintedWhilePaused = tinted(step.refused);
                session->windows().panePanel()->continueButton()->click();
            });
        }
        qobject_cast<QAbstractButton*>(session->windows().widget("FORM5", "BUTTON30"))->click();
        QCoreApplication::processEvents();
        if (!step.refused) {
            EXPECT_FALSE(app["FORM5"].shown());
            EXPECT_FALSE(tinted(inlet) || tinted(length));
            continue;
        }
        EXPECT_TRUE(paused);
        EXPECT_TRUE(tintedWhilePaused);
        EXPECT_TRUE(tinted(step.refused));
        EXPECT_EQ(QApplication::focusWidget(), step.refused);
        // The user types: the mark goes with the first key.
        testing::typeText(step.refused, "2");
        EXPECT_FALSE(tinted(step.refused));
        EXPECT_FALSE(app["FORM5"][step.refused->objectName().toStdString()].flagged());
        if (step.refused == inlet) {
            inlet->selectAll();
            testing::typeText(inlet, "20");
        }
    }

    // The calculate button refuses text in the rows: once the run has
    // gone back to the screens the rows field, not the button, has the focus.
    auto* rows = qobject_cast<QLineEdit*>(session->windows().widget("MAINFORM", "EDIT26"));
    rows->selectAll();
    testing::typeText(rows, "4O");
    bool paused = false;
    testing::later(30, [&] {
        paused = session->platform().paused();
        session->windows().panePanel()->continueButton()->click();
    });
    qobject_cast<QAbstractButton*>(session->windows().widget("MAINFORM", "BUTTON9"))->click();
    QCoreApplication::processEvents();
    EXPECT_TRUE(paused);
    EXPECT_TRUE(tinted(rows));
    EXPECT_EQ(QApplication::focusWidget(), rows);
    testing::typeText(rows, "0");
    EXPECT_FALSE(tinted(rows));
    EXPECT_FALSE(watchdog.fired);
}

constexpr const char* kDesktopMark = "CFHX_ENTRY_MARKS_CHILD";

// Deleted with the keyboard, as the user would.
void erase(QLineEdit* edit) {
    edit->selectAll();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
    QCoreApplication::sendEvent(edit, &press);
}

void clickWidget(GuiSession& s, const char* screen, const char* control) {
    auto* b = qobject_cast<QAbstractButton*>(s.windows().widget(screen, control));
    ASSERT_NE(b, nullptr) << screen << "." << control;
    b->click();
    testing::settle();
}

// Under openbox: each wrong entry of FORM5 refused at its OK, the message
// naming it, its window active with the field focused and tinted (a
// screenshot of each while the program is paused), the tint gone once the
// right value is typed.
TEST(EntryMarksOnDesktop, EachWrongEntryNamedTintedAndFocused) {
    if (!testing::onDesktop(kDesktopMark)) {
        testing::runOnDesktop(kDesktopMark, "EntryMarksOnDesktop.*");
        return;
    }
    QProcess wm;
    wm.start(QStringLiteral("openbox"), {});
    ASSERT_TRUE(wm.waitForStarted());
    testing::settle(1000);
    TestSession session;
    session->windows().mainWindow()->move(QGuiApplication::primaryScreen()->availableGeometry().topLeft());
    session->start();
    testing::settle(800);
    for (const char* c : {"FORM4.BUTTON25", "MAINFORM.BUTTON18", "MAINFORM.BUTTON22", "MAINFORM.BUTTON3",
                          "MAINFORM.BUTTON6", "FORM6.BUTTON36", "FORM6.BUTTON39", "FORM5.BUTTON53"}) {
        const std::string name(c);
        const size_t dot = name.find('.');
        clickWidget(*session, name.substr(0, dot).c_str(), name.substr(dot + 1).c_str());
    }
    QWidget* form5 = session->windows().window(session->screenId("FORM5"));
    ASSERT_TRUE(form5->isVisible());

    struct Row {
        const char* field;
        const char* text;  // typed over the sample; empty: the sample deleted
        const char* message;
        const char* corrected;
    };
    const Row rows[] = {
        {"EDIT130", "", " ★ 管内側入側流体温度 が入力されていません。！", "20"},
        {"EDIT157", "15oo", " ★ 伝熱管長さ が数値ではありません。！", "1500"},
        {"EDIT169", "", " ★ 管内側重量流量 が入力されていません。！", "2000"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.field);
        auto* edit = qobject_cast<QLineEdit*>(session->windows().widget("FORM5", row.field));
        erase(edit);
        if (*row.text) testing::typeText(edit, row.text);
        QString message, active;
        bool tintedWhilePaused = false, focusedWhilePaused = false;
        testing::later(400, [&] {
            message = qobject_cast<QLabel*>(session->windows().widget("FORM5", "TEXT127"))->text();
            tintedWhilePaused = tinted(edit);
            focusedWhilePaused = QApplication::focusWidget() == edit;
            active = testing::toolOutput(QStringLiteral("xdotool"), {QStringLiteral("getactivewindow")}).trimmed();
            testing::shootScreen(QStringLiteral("entry-marks-") + QLatin1String(row.field));
            session->windows().panePanel()->continueButton()->click();
        });
        qobject_cast<QAbstractButton*>(session->windows().widget("FORM5", "BUTTON30"))->click();
        testing::settle();
        EXPECT_EQ(message.toStdString(), row.message);
        EXPECT_TRUE(tintedWhilePaused);
        EXPECT_TRUE(focusedWhilePaused);
        EXPECT_EQ(active, QString::number(form5->winId()));
        EXPECT_EQ(QApplication::focusWidget(), edit);
        erase(edit);
        testing::typeText(edit, row.corrected);
        EXPECT_FALSE(tinted(edit));
    }
    clickWidget(*session, "FORM5", "BUTTON30");
    EXPECT_FALSE(form5->isVisible());
    wm.terminate();
    wm.waitForFinished(3000);
}

}  // namespace
}  // namespace cfhx::qt
