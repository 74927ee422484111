// The windows built from the catalogue and kept in step with the form
// model, both ways, and a first walk through the screens by their widgets.
#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QMenuBar>
#include <gtest/gtest.h>

#include <string>

#include "app/text_width.h"
#include "support/gui_support.h"
#include "platform/qt/look.h"
#include "platform/qt/pane_panel.h"
#include "platform/qt/pane_view.h"
#include "platform/qt/scrolled_column.h"

namespace cfhx::qt {
namespace {

using testing::TestSession;

QString widgetText(QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
    if (auto* edit = qobject_cast<QLineEdit*>(w)) return edit->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->text().replace("&&", "&");
    if (auto* group = qobject_cast<QGroupBox*>(w)) return group->title().replace("&&", "&");
    return QStringLiteral("<no text>");
}

bool kindMatches(ControlKind kind, QWidget* w) {
    switch (kind) {
    case ControlKind::Label: return qobject_cast<QLabel*>(w) != nullptr;
    case ControlKind::Edit: return qobject_cast<QLineEdit*>(w) != nullptr;
    case ControlKind::Button: return qobject_cast<QPushButton*>(w) != nullptr;
    case ControlKind::Option: return qobject_cast<QRadioButton*>(w) != nullptr;
    case ControlKind::Group: return qobject_cast<QGroupBox*>(w) != nullptr;
    }
    return false;
}

// Every control's widget shows the model's text, enabled and visible state,
// and every window is up exactly when its screen is shown.
void expectMirrors(GuiSession& session, bool started) {
    const Forms& forms = session.app().forms;
    int failures = 0;
    for (size_t s = 0; s < forms.screens().size() && failures < 10; ++s) {
        const Screen& screen = forms.screens()[s];
        const bool up = session.windows().window(static_cast<int>(s))->isVisible();
        EXPECT_EQ(up, started && screen.shown) << screen.def->name;
        for (size_t c = 0; c < screen.controls.size(); ++c) {
            const Control& model = screen.controls[c];
            QWidget* w = session.windows().widget(static_cast<int>(s), static_cast<int>(c));
            const std::string where = screen.def->name + "." + model.def->name;
            if (!w) {
                ADD_FAILURE() << where << " has no widget";
                ++failures;
                continue;
            }
            const bool same = widgetText(w).toStdString() == model.text && w->isEnabled() == model.enabled &&
                              w->isHidden() == !model.visible;
            if (!same) {
                ++failures;
                ADD_FAILURE() << where << ": widget \"" << widgetText(w).toStdString() << "\" enabled "
                              << w->isEnabled() << " hidden " << w->isHidden() << "; model \"" << model.text
                              << "\" enabled " << model.enabled << " visible " << model.visible;
            }
        }
    }
}

std::vector<std::string> shownScreens(GuiSession& session) {
    std::vector<std::string> names;
    const Forms& forms = session.app().forms;
    for (size_t s = 0; s < forms.screens().size(); ++s) {
        if (session.windows().window(static_cast<int>(s))->isVisible()) names.push_back(forms.screens()[s].def->name);
    }
    return names;
}

// The rows of the page the pane widget has in view.
std::vector<std::string> rowsInView(GuiSession& session) {
    const PaneView& view = *session.windows().panePanel()->view();
    const Pane& pane = session.app().pane;
    std::vector<std::string> rows;
    for (int r = 0; r < view.fullRows(); ++r) rows.push_back(pane.line(view.topLine() + r));
    return rows;
}

bool inView(GuiSession& session, const std::string& text) {
    for (const std::string& row : rowsInView(session)) {
        if (row.find(text) != std::string::npos) return true;
    }
    return false;
}

QAbstractButton* button(GuiSession& session, const char* screen, const char* control) {
    return qobject_cast<QAbstractButton*>(session.windows().widget(screen, control));
}

TEST(Windows, EveryControlHasItsWidgetInPlace) {
    TestSession session;
    const Forms& forms = session->app().forms;
    ASSERT_EQ(forms.screens().size(), screenCatalogue().size());
    for (size_t s = 0; s < forms.screens().size(); ++s) {
        const Screen& screen = forms.screens()[s];
        ScreenWindow* window = session->windows().window(static_cast<int>(s));
        // The main window adds its menu bar above the screen's area.
        const int menu = s == 0 ? session->windows().menuBar()->height() : 0;
        EXPECT_EQ(window->size(), QSize(scaled(screen.def->width), scaled(screen.def->height) + menu)) << screen.def->name;
        // The main window's title names the case instead.
        if (s > 0) EXPECT_EQ(window->windowTitle().toStdString(), screen.def->title);
        for (size_t c = 0; c < screen.controls.size(); ++c) {
            const ControlDef& def = *screen.controls[c].def;
            QWidget* w = session->windows().widget(static_cast<int>(s), static_cast<int>(c));
            ASSERT_NE(w, nullptr) << def.name;
            EXPECT_TRUE(kindMatches(def.kind, w)) << screen.def->name << "." << def.name;
            EXPECT_EQ(w->window(), window) << def.name;
            if (s == 0) EXPECT_EQ(w->mapTo(window, QPoint(0, 0)).y(), w->y() + menu) << def.name;
            EXPECT_EQ(w->geometry(), scaled(Rect{def.x, def.y, def.w, def.h})) << screen.def->name << "." << def.name;
        }
    }
    expectMirrors(*session, false);
    // The pane area fills the main window's pane rectangle.
    const QWidget* panel = session->windows().panePanel();
    EXPECT_EQ(panel->geometry(), scaled(forms.screens()[0].def->pane));
}

TEST(Windows, PaneHoldsTheWidestTables) {
    TestSession session;
    session->start();
    const PaneView& view = *session->windows().panePanel()->view();
    EXPECT_GE(view.viewport()->width(), view.textOrigin().x() + PaneView::kTableColumns * view.cellWidth());
    EXPECT_EQ(view.paneFont().pixelSize() % 2, 0);
    EXPECT_GE(view.fullRows(), 40);  // a result table and its menu in one view
}

TEST(Windows, ControlsAboveTheirFrames) {
    // A frame stacked over its option buttons would swallow their clicks.
    TestSession session;
    const Forms& forms = session->app().forms;
    int checked = 0;
    for (size_t s = 0; s < forms.screens().size(); ++s) {
        const Screen& screen = forms.screens()[s];
        for (size_t c = 0; c < screen.controls.size(); ++c) {
            const ControlDef& def = *screen.controls[c].def;
            if (def.group.empty() || def.kind == ControlKind::Group || !def.visible) continue;
            QWidget* w = session->windows().widget(static_cast<int>(s), static_cast<int>(c));
            QWidget* frame = session->windows().widget(screen.def->name, def.group);
            ASSERT_NE(frame, nullptr) << def.group;
            QWidget* top = w->window()->childAt(w->geometry().center());
            EXPECT_TRUE(top == w || w->isAncestorOf(top)) << screen.def->name << "." << def.name << " is covered by "
                                                          << (top ? top->objectName().toStdString() : "nothing");
            ++checked;
        }
    }
    EXPECT_GT(checked, 0);
}

TEST(Windows, StartUpShowsOnlyTheMainWindowAndUnitChoice) {
    TestSession session;
    session->start();
    EXPECT_EQ(shownScreens(*session), (std::vector<std::string>{"MAINFORM", "FORM4"}));
    expectMirrors(*session, true);
    EXPECT_EQ(session->app()["MAINFORM"]["EDIT9"].text(), " 07/03/05");
    EXPECT_EQ(session.quits, 0);
}

TEST(Windows, ModelChangesReachTheWidgets) {
    TestSession session;
    session->start();
    ScreenRef main = session->app()["MAINFORM"];
    auto* edit = qobject_cast<QLineEdit*>(session->windows().widget("MAINFORM", "EDIT10"));
    main["EDIT10"].setText(" 16");
    EXPECT_EQ(edit->text(), " 16");
    main["EDIT10"].enable();
    EXPECT_TRUE(edit->isEnabled());
    main["EDIT10"].hide();
    EXPECT_TRUE(edit->isHidden());
    main["EDIT10"].show();
    EXPECT_TRUE(edit->isVisible());

    main["BUTTON27"].setText("A&B");
    EXPECT_EQ(button(*session, "MAINFORM", "BUTTON27")->text(), "A&&B");  // no shortcut mark

    session->app()["FORM6"].show();
    EXPECT_TRUE(session->windows().window(session->screenId("FORM6"))->isVisible());
    session->app()["FORM6"].hide();
    EXPECT_FALSE(session->windows().window(session->screenId("FORM6"))->isVisible());
    // The main window stays up whatever the model says.
    session->app()["MAINFORM"].hide();
    EXPECT_TRUE(session->windows().mainWindow()->isVisible());
}

TEST(Windows, TypingReachesTheModelWithoutEcho) {
    TestSession session;
    session->start();
    ScreenRef main = session->app()["MAINFORM"];
    main["EDIT10"].enable();
    auto* edit = qobject_cast<QLineEdit*>(session->windows().widget("MAINFORM", "EDIT10"));
    edit->setFocus();
    testing::typeText(edit, "25.4");
    EXPECT_EQ(main["EDIT10"].text(), "25.4");
    EXPECT_EQ(edit->text(), "25.4");
    edit->setCursorPosition(0);
    testing::typeText(edit, "1");
    EXPECT_EQ(main["EDIT10"].text(), "125.4");
    EXPECT_EQ(edit->cursorPosition(), 1);  // the model's echo left the caret alone
}

int radioClicks[8];
// As the real ones do, they write their side's composition code (dry air).
void countRadio1(App& app) {
    ++radioClicks[1];
    app["FORM5"]["EDIT158"].setText("1");
}
void countRadio2(App& app) {
    ++radioClicks[2];
    app["FORM5"]["EDIT158"].setText("2");
}
void countRadio4(App& app) {
    ++radioClicks[4];
    app["FORM5"]["EDIT173"].setText("1");
}

TEST(Windows, OptionFramesAreSeparateSetsAndEveryClickCounts) {
    TestSession session;
    session->start();
    App& app = session->app();
    registerProcedure(app, "FORM5", "RADIO1", countRadio1);
    registerProcedure(app, "FORM5", "RADIO2", countRadio2);
    registerProcedure(app, "FORM5", "RADIO4", countRadio4);
    for (const char* r : {"RADIO1", "RADIO2", "RADIO4"}) {
        app["FORM5"][r].enable();
        app["FORM5"][r].show();
    }
    app["FORM5"].show();
    radioClicks[1] = radioClicks[4] = 0;

    auto* radio1 = qobject_cast<QRadioButton*>(session->windows().widget("FORM5", "RADIO1"));
    auto* radio2 = qobject_cast<QRadioButton*>(session->windows().widget("FORM5", "RADIO2"));
    auto* radio4 = qobject_cast<QRadioButton*>(session->windows().widget("FORM5", "RADIO4"));
    radio1->click();
    radio4->click();
    EXPECT_TRUE(radio1->isChecked());
    EXPECT_TRUE(radio4->isChecked());  // another frame: radio 1 stays chosen
    radio1->click();                   // already chosen: still dispatched
    EXPECT_EQ(radioClicks[1], 2);
    EXPECT_EQ(radioClicks[4], 1);
    radio2->click();
    EXPECT_FALSE(radio1->isChecked());
    EXPECT_TRUE(radio4->isChecked());
}

TEST(Windows, SecondaryWindowRefusesTitleBarClose) {
    TestSession session;
    session->start();
    ScreenWindow* form4 = session->windows().window(session->screenId("FORM4"));
    EXPECT_FALSE(form4->close());
    EXPECT_TRUE(form4->isVisible());
    EXPECT_TRUE(session->app()["FORM4"].shown());
    EXPECT_FALSE(session->app().ended);
}

TEST(Windows, TitleBarCloseOfEachSecondaryScreen) {
    // The summary goes; a screen with its own close button closes as that
    // button does (recorded as its click); the unit choice stays.
    struct Case {
        const char* screen;
        bool closes;
        const char* recorded;
    };
    const Case kCases[] = {
        {"FORM2", true, ""},
        {"FORM5", true, "click FORM5.BUTTON55\n"},
        {"FORM6", true, "click FORM6.BUTTON56\n"},
        {"FORM7", true, "click FORM7.BUTTON57\n"},
        {"FORM4", false, ""},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.screen);
        TestSession session;
        session->start();
        App& app = session->app();
        app.recorder.clear();
        app["MAINFORM"]["BUTTON1"].disable();
        app[c.screen].show();
        ScreenWindow* window = session->windows().window(session->screenId(c.screen));
        ASSERT_TRUE(window->isVisible());
        EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
        EXPECT_FALSE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
        window->close();
        EXPECT_EQ(window->isVisible(), !c.closes);
        EXPECT_EQ(app[c.screen].shown(), !c.closes);
        EXPECT_EQ(app.recorder.script(), c.recorded);
        // The close buttons open the kind buttons again.
        EXPECT_EQ(app["MAINFORM"]["BUTTON1"].enabled(), *c.recorded != '\0');
        EXPECT_FALSE(app.ended);
    }
}

TEST(Windows, MainWindowLayoutAtEachSize) {
    // The designed screen area is 1038×875: the pane 650×770 at (10, 95),
    // the input column from x 660 and y 95, 780 high, NEXT at x 800.
    struct Case {
        const char* name;
        QSize area;
        QSize pane;
        int columnHidden;  // of the column's height
        int nextX;
    };
    const Case kCases[] = {
        {"designed", {1038, 875}, {650, 770}, 0, 800},
        {"wider and taller", {1438, 1075}, {1050, 970}, 0, 1200},
        {"shorter", {1038, 600}, {650, 495}, 275, 800},
        {"the shortest", {1038, 520}, {650, 415}, 355, 800},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        TestSession session;
        session->start();
        ScreenWindow* main = session->windows().mainWindow();
        const int menu = session->windows().menuBar()->height();
        EXPECT_EQ(main->minimumSize(), QSize(1038, 520 + menu));
        main->resize(c.area.width(), c.area.height() + menu);
        QCoreApplication::processEvents();
        EXPECT_EQ(session->windows().panePanel()->geometry(), QRect(QPoint(10, 95), c.pane));
        ScrolledColumn* column = session->windows().inputColumn();
        EXPECT_EQ(column->geometry(), QRect(660 + c.area.width() - 1038, 95, 1038 - 660, 780 - c.columnHidden));
        EXPECT_EQ(column->bar()->maximum(), c.columnHidden);
        EXPECT_EQ(column->bar()->isVisibleTo(main), c.columnHidden > 0);
        EXPECT_EQ(session->windows().widget("MAINFORM", "BUTTON18")->x(), c.nextX);
        // Scrolled to its end, the column shows its last row whole.
        column->bar()->setValue(column->bar()->maximum());
        QWidget* last = session->windows().widget("MAINFORM", "EDIT127");
        const QRect shown(column->mapTo(main, QPoint(0, 0)), column->size());
        EXPECT_TRUE(shown.contains(QRect(last->mapTo(main, QPoint(0, 0)), last->size())));
        // The program's line under the pane shows what the core says.
        session->app().setStatus(c.name);
        EXPECT_EQ(session->windows().panePanel()->statusLine()->text().toStdString(), c.name);
    }
}

TEST(Windows, UnitChoiceNextAndKindButtonByTheirWidgets) {
    TestSession session;
    session->start();
    GuiSession& gui = *session;

    // Disabled widgets take no clicks.
    button(gui, "MAINFORM", "BUTTON18")->click();
    EXPECT_TRUE(gui.app()["FORM4"].shown());

    button(gui, "FORM4", "BUTTON26")->click();
    EXPECT_TRUE(button(gui, "MAINFORM", "BUTTON18")->isEnabled());
    expectMirrors(gui, true);

    button(gui, "MAINFORM", "BUTTON18")->click();
    QCoreApplication::processEvents();
    EXPECT_EQ(shownScreens(gui), std::vector<std::string>{"MAINFORM"});
    for (const char* b : {"BUTTON1", "BUTTON2", "BUTTON3", "BUTTON4", "BUTTON10", "BUTTON22"}) {
        EXPECT_TRUE(button(gui, "MAINFORM", b)->isEnabled()) << b;
    }
    for (const char* b : {"BUTTON5", "BUTTON9", "BUTTON18"}) EXPECT_FALSE(button(gui, "MAINFORM", b)->isEnabled()) << b;
    expectMirrors(gui, true);
    const PaneView& view = *gui.windows().panePanel()->view();
    EXPECT_EQ(view.topLine(), gui.app().pane.pageTop());
    EXPECT_TRUE(inView(gui, "W E L C O M E  ！"));
    EXPECT_TRUE(inView(gui, "SI 単位系"));
    EXPECT_TRUE(inView(gui, "└────────────────────────────┘"));

    button(gui, "MAINFORM", "BUTTON3")->click();
    QCoreApplication::processEvents();
    expectMirrors(gui, true);
    EXPECT_EQ(qobject_cast<QLineEdit*>(gui.windows().widget("MAINFORM", "EDIT3"))->text(), "　水の物性");
    EXPECT_TRUE(button(gui, "MAINFORM", "BUTTON5")->isEnabled());
    EXPECT_TRUE(button(gui, "MAINFORM", "BUTTON6")->isEnabled());
    EXPECT_FALSE(inView(gui, "W E L C O M E  ！"));
    EXPECT_TRUE(inView(gui, "管内物性：水＜顕熱移動＞"));
}

}  // namespace
}  // namespace cfhx::qt
