#include "platform/qt/screen_windows.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMoveEvent>
#include <QResizeEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <algorithm>
#include <cstdlib>
#include <initializer_list>

#include "app/choice_marks.h"
#include "platform/qt/look.h"
#include "platform/qt/pane_panel.h"
#include "platform/qt/pane_view.h"
#include "platform/qt/pictures.h"
#include "platform/qt/placement.h"
#include "platform/qt/scrolled_column.h"

namespace cfhx::qt {

namespace {

QString fromModel(const std::string& text) { return QString::fromStdString(text); }

// The shortest screen area the main window shrinks to (pixels): with the
// menu bar and a title bar it fits a 1366×768 screen above a panel.
constexpr int kShortestMainArea = 520;

// What a secondary screen's title-bar close does: the screen's own close
// button, or (no button) the screen is hidden until the program shows it.
struct TitleBarClose {
    const char* screen;
    const char* button;
};
constexpr TitleBarClose kTitleBarCloses[] = {
    {.screen = "FORM2", .button = nullptr},
    {.screen = "FORM5", .button = "BUTTON55"},
    {.screen = "FORM6", .button = "BUTTON56"},
    {.screen = "FORM7", .button = "BUTTON57"},
};

const TitleBarClose* titleBarCloseOf(const std::string& screen) {
    for (const TitleBarClose& t : kTitleBarCloses) {
        if (screen == t.screen) return &t;
    }
    return nullptr;
}

// A window's frame around its client area; a window not yet shown has
// none known, so the main window's stands in.
QMargins frameMargins(const QWidget* w) {
    const QRect frame = w->frameGeometry(), client = w->geometry();
    return QMargins(client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                    frame.bottom() - client.bottom());
}

// Captions of buttons and frames: a "&" is a character, not a shortcut mark.
// A model text as the windows show it: in the language installed, looked
// up under its screen's name; a text without a translation shows as it is.
QString shown(const std::string& screen, const std::string& text) {
    if (text.empty()) return {};
    return QCoreApplication::translate(screen.c_str(), text.c_str());
}

QString caption(const std::string& screen, const std::string& text) {
    return shown(screen, text).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

long area(const ControlDef& def) { return static_cast<long>(def.w) * def.h; }

// The look of the button whose choice is in force: a tinted face, bold.
void showChosen(QAbstractButton* button, bool chosen) {
    if (auto* radio = qobject_cast<QRadioButton*>(button)) {
        if (radio->isChecked() == chosen) return;
        QButtonGroup* group = radio->group();
        const bool exclusive = group && group->exclusive();
        if (exclusive) group->setExclusive(false);  // lets the last mark go
        radio->setChecked(chosen);
        if (exclusive) group->setExclusive(true);
        return;
    }
    if (button->property("chosen").toBool() == chosen) return;
    button->setProperty("chosen", chosen);
    QPalette palette = button->parentWidget()->palette();
    QFont font = button->parentWidget()->font();
    if (chosen) {
        palette.setColor(QPalette::Button, QColor(0x9c, 0xc8, 0xf4));
        palette.setColor(QPalette::ButtonText, Qt::black);
        font.setBold(true);
    }
    button->setPalette(palette);
    button->setFont(font);
}

// A field a check refused: a tinted face until the model drops the mark.
void showFlagged(QLineEdit* edit, bool flagged) {
    if (edit->property("flagged").toBool() == flagged) return;
    edit->setProperty("flagged", flagged);
    QPalette palette = edit->parentWidget()->palette();
    if (flagged) palette.setColor(QPalette::Base, flaggedFieldColor());
    edit->setPalette(palette);
}

}  // namespace

// The secondary screens are dialogs owned by the main window: the window
// manager keeps them above it and they go with it. They are of fixed size
// and ask for a close in their title bar only: no maximise, and no
// minimise, which would take the main window down with them (a window
// manager that offers one anyway is answered by ScreenWindows::minimized).
ScreenWindow::ScreenWindow(const ScreenDef& def, bool main, QWidget* parent)
    : QWidget(parent, main ? Qt::Window
                           : Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      main_(main) {
    setObjectName(QString::fromStdString(def.name));
    setWindowTitle(shown(def.name, def.title));
    const QSize size(scaled(def.width), scaled(def.height));
    if (main) {
        resize(size);
    } else {
        setFixedSize(size);
    }
    setFont(controlFont());
}

void ScreenWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (onResize) onResize();
}

void ScreenWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (onMove) onMove();
}

void ScreenWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (!main_ && event->type() == QEvent::WindowStateChange && isMinimized() && onMinimized) onMinimized();
}

void ScreenWindow::setPicture(QImage picture) {
    picture_ = std::move(picture);
    update();
}

void ScreenWindow::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (picture_.isNull()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(scaled(Rect{0, 0, picture_.width(), picture_.height()}), picture_);
}

void ScreenWindow::closeEvent(QCloseEvent* event) {
    if (!main_) {
        event->ignore();
        if (onClose) onClose();
        return;
    }
    if (canClose && !canClose()) {
        event->ignore();
        return;
    }
    event->accept();
    if (onClose) onClose();
}

ScreenWindows::ScreenWindows(Forms& forms, const Pane& pane, ClickHandler onClick)
    : forms_(forms), onClick_(std::move(onClick)), pictureFolders_(pictureFolders()) {
    const auto& screens = forms_.screens();
    widgets_.resize(screens.size());
    placed_.assign(screens.size(), false);
    placedAt_.assign(screens.size(), QPoint());
    userMoved_.assign(screens.size(), false);
    userAt_.assign(screens.size(), QPoint());
    QMenu* view = nullptr;
    for (size_t s = 0; s < screens.size(); ++s) {
        const ScreenDef& def = *screens[s].def;
        pictureFiles_.push_back(pictureFile(def.name));
        auto* window = new ScreenWindow(def, s == 0, s == 0 ? nullptr : main_.get());
        if (s == 0) main_.reset(window);
        windows_.push_back(window);
        // The main window: a menu bar over the screen's own area.
        QWidget* screenArea = window;
        if (s == 0) {
            menuBar_ = new QMenuBar(window);
            QMenu* file = menuBar_->addMenu(QCoreApplication::translate("cfhx", "ファイル"));
            fileActions_.open = file->addAction(QCoreApplication::translate("cfhx", "開く…"));
            fileActions_.open->setShortcut(QKeySequence::Open);
            fileActions_.save = file->addAction(QCoreApplication::translate("cfhx", "保存"));
            fileActions_.save->setShortcut(QKeySequence::Save);
            fileActions_.saveAs = file->addAction(QCoreApplication::translate("cfhx", "名前を付けて保存…"));
            file->addSeparator();
            fileActions_.quit = file->addAction(QCoreApplication::translate("cfhx", "終了"));
            view = menuBar_->addMenu(QCoreApplication::translate("cfhx", "表示"));
            summaryAction_ = view->addAction(QCoreApplication::translate("cfhx", "結果画面"));
            const int top = menuBar_->sizeHint().height();
            menuBar_->setGeometry(0, 0, window->width(), top);
            body_ = new QWidget(window);
            body_->setGeometry(0, top, window->width(), window->height());
            window->resize(window->width(), window->height() + top);
            window->setMinimumSize(window->width(), std::min(window->height(), kShortestMainArea + top));
            screenArea = body_;
            // The column right of the pane and below the kind rows scrolls.
            const int columnLeft = scaled(def.pane.x + def.pane.w);
            int gap = scaled(def.width) - columnLeft;  // up to the column's first control
            for (const ControlDef& d : def.controls) {
                if (d.x >= def.pane.x + def.pane.w && d.y >= def.pane.y) gap = std::min(gap, scaled(d.x) - columnLeft);
            }
            column_ = new ScrolledColumn(
                QRect(QPoint(columnLeft, scaled(def.pane.y)), QPoint(scaled(def.width) - 1, scaled(def.height) - 1)), gap,
                body_);
        } else {
            window->onMove = [this, s] { secondaryMoved(static_cast<int>(s)); };
            window->onMinimized = [this, s] { minimized(static_cast<int>(s)); };
            if (titleBarCloseOf(def.name)) window->onClose = [this, s] { titleBarClose(static_cast<int>(s)); };
        }

        // Frames first and outer frames before inner ones, so that every
        // control lies above the frames around it and gets its clicks.
        const auto& controls = screens[s].controls;
        std::vector<int> order(controls.size());
        for (size_t c = 0; c < controls.size(); ++c) order[c] = static_cast<int>(c);
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            const ControlDef& da = *controls[a].def;
            const ControlDef& db = *controls[b].def;
            const bool ga = da.kind == ControlKind::Group, gb = db.kind == ControlKind::Group;
            if (ga != gb) return ga;
            return ga && area(da) > area(db);
        });

        widgets_[s].assign(controls.size(), nullptr);
        QHash<QString, QButtonGroup*> optionSets;
        const int paneRight = def.pane.x + def.pane.w;
        for (int c : order) {
            const ControlDef& d = *controls[c].def;
            const bool inColumn = s == 0 && d.x >= paneRight && d.y >= def.pane.y;
            QWidget* w = makeWidget(static_cast<int>(s), c, inColumn ? column_->canvas() : screenArea);
            widgets_[s][c] = w;
            if (auto* radio = qobject_cast<QRadioButton*>(w)) {
                // Each frame's option buttons form their own set.
                QString set = fromModel(controls[c].def->group);
                QButtonGroup*& group = optionSets[set];
                if (!group) {
                    group = new QButtonGroup(window);
                    group->setExclusive(true);
                }
                group->addButton(radio);
            }
        }

        if (s == 0) {
            const QRect paneArea = scaled(def.pane);
            panel_ = new PanePanel(pane, paneArea.size(), body_);
            panel_->move(paneArea.topLeft());
            window->onMove = [this] { mainMoved(); };
            window->onResize = [this] { layoutMain(); };
            // Ctrl+plus / Ctrl+minus / Ctrl+0: the pane's type size, in any window.
            const std::pair<QKeySequence, int> kZoomKeys[] = {
                {QKeySequence::ZoomIn, 1}, {QKeySequence(Qt::CTRL | Qt::Key_Equal), 1},
                {QKeySequence::ZoomOut, -1}, {QKeySequence(Qt::CTRL | Qt::Key_0), 0}};
            for (const auto& [keys, steps] : kZoomKeys) {
                auto* shortcut = new QShortcut(keys, window);
                shortcut->setContext(Qt::ApplicationShortcut);
                QObject::connect(shortcut, &QShortcut::activated, window, [this, steps = steps] { panel_->zoom(steps); });
            }
            // The same from the menu, which names the keys (the shortcuts
            // above take them in every window).
            struct ZoomItem {
                const char* text;
                QKeySequence keys;
                int steps;
            };
            const ZoomItem kZoomItems[] = {
                {.text = "文字を大きく", .keys = QKeySequence(QKeySequence::ZoomIn), .steps = 1},
                {.text = "文字を小さく", .keys = QKeySequence(QKeySequence::ZoomOut), .steps = -1},
                {.text = "標準の大きさ", .keys = QKeySequence(Qt::CTRL | Qt::Key_0), .steps = 0},
            };
            view->addSeparator();
            for (const ZoomItem& z : kZoomItems) {
                QAction* item = view->addAction(QCoreApplication::translate("cfhx", z.text) + QLatin1Char('\t') +
                                                z.keys.toString(QKeySequence::NativeText));
                QObject::connect(item, &QAction::triggered, window, [this, steps = z.steps] { panel_->zoom(steps); });
            }
        }
        for (size_t c = 0; c < controls.size(); ++c) controlChanged(static_cast<int>(s), static_cast<int>(c));
    }
    for (const ChoiceSet& set : kChoiceSets) {
        Choices choices{.codeScreen = forms_.screenId(set.codeScreen), .codeControl = -1, .buttons = {}};
        choices.codeControl = forms_.controlId(choices.codeScreen, set.codeField);
        for (const ChoiceOption& o : set.options) {
            if (o.button == nullptr) break;
            auto* button = qobject_cast<QAbstractButton*>(widget(set.screen, o.button));
            if (button) choices.buttons.push_back({button, o.code});
        }
        choices_.push_back(std::move(choices));
    }
    markChoices();
}

// Marks the buttons from the codes in force; a code no button has (or an
// empty field) marks none.
void ScreenWindows::markChoices() {
    for (const Choices& c : choices_) markChoice(c);
}

void ScreenWindows::markChoice(const Choices& c) {
    const std::string& text = forms_.at(c.codeScreen, c.codeControl).text;
    const double value = readNumber(text);
    // A button that writes one code per language is chosen by either.
    std::vector<std::pair<QAbstractButton*, bool>> marks;
    for (const auto& [button, code] : c.buttons) {
        const bool chosen = !text.empty() && value == code;
        auto same = std::find_if(marks.begin(), marks.end(), [b = button](const auto& m) { return m.first == b; });
        if (same == marks.end()) marks.emplace_back(button, chosen);
        else same->second = same->second || chosen;
    }
    for (const auto& [button, chosen] : marks) showChosen(button, chosen);
}

ScreenWindows::~ScreenWindows() = default;

QWidget* ScreenWindows::makeWidget(int screen, int control, QWidget* parent) {
    const ControlDef& def = *forms_.at(screen, control).def;
    QWidget* widget = nullptr;
    switch (def.kind) {
    case ControlKind::Label: {
        auto* label = new QLabel(parent);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        // A flat label without text is a rule line between table rows.
        if (def.text.empty() && def.h <= 3) {
            label->setFrameShape(QFrame::HLine);
            label->setFrameShadow(QFrame::Sunken);
        }
        widget = label;
        break;
    }
    case ControlKind::Edit: {
        auto* edit = new QLineEdit(parent);
        QObject::connect(edit, &QLineEdit::textEdited, edit, [this, screen, control](const QString& text) {
            forms_.setText(screen, control, text.toStdString());
            if (onEdit_) onEdit_(screen, control);
        });
        widget = edit;
        break;
    }
    case ControlKind::Button:
    case ControlKind::Option: {
        QAbstractButton* button = nullptr;
        if (def.kind == ControlKind::Button) {
            auto* push = new QPushButton(parent);
            push->setAutoDefault(false);
            button = push;
        } else {
            button = new QRadioButton(parent);
        }
        // clicked comes for every click, an option already chosen included.
        // The marks follow the codes afterwards, whatever the click did, and
        // the focus goes where the user goes next.
        QObject::connect(button, &QAbstractButton::clicked, button, [this, screen, control] {
            std::vector<bool> shownBefore;
            for (const Screen& s : forms_.screens()) shownBefore.push_back(s.shown);
            refused_ = nullptr;
            onClick_(screen, control);
            markChoices();
            focusAfterClick(screen, control, shownBefore);
        });
        widget = button;
        break;
    }
    case ControlKind::Group:
        widget = new QGroupBox(parent);
        break;
    }
    widget->setObjectName(QString::fromStdString(def.name));
    widget->setGeometry(scaled(Rect{def.x, def.y, def.w, def.h}));
    if (def.kind == ControlKind::Edit) widget->setFocusPolicy(editFocus(forms_.at(screen).def->name, def.name));
    return widget;
}

// Fields that only show what the program wrote take no focus; the date is
// edited only when clicked.
Qt::FocusPolicy ScreenWindows::editFocus(const std::string& screen, const std::string& control) {
    struct Display {
        const char* screen;
        int from, to;  // EDITn, n in [from, to]; 0, 0: every field
    };
    constexpr Display kDisplays[] = {
        {.screen = "MAINFORM", .from = 1, .to = 8},     // the kind fields
        {.screen = "MAINFORM", .from = 97, .to = 127},  // composition and property panel
        {.screen = "FORM2", .from = 0, .to = 0},        // the result summary
    };
    if (screen == "MAINFORM" && control == "EDIT9") return Qt::ClickFocus;
    const int n = control.rfind("EDIT", 0) == 0 ? std::atoi(control.c_str() + 4) : -1;
    for (const Display& d : kDisplays) {
        if (screen == d.screen && (d.from == 0 || (n >= d.from && n <= d.to))) return Qt::NoFocus;
    }
    return Qt::StrongFocus;
}

// The first control of a screen the user can act on, in catalogue order.
QWidget* ScreenWindows::firstActive(int screen) const {
    for (QWidget* w : widgets_.at(screen)) {
        const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w);
        if (control && w->isEnabled() && w->isVisible() && w->focusPolicy() != Qt::NoFocus) return w;
    }
    return nullptr;
}

void ScreenWindows::focusAfterClick(int screen, int control, const std::vector<bool>& shownBefore) {
    auto focus = [](QWidget* w) {
        if (!w) return false;
        w->window()->activateWindow();
        w->setFocus(Qt::OtherFocusReason);
        return true;
    };
    // A field the click refused comes first: the user corrects it next.
    if (refused_ && refused_->isVisible() && refused_->isEnabled() && refused_->property("flagged").toBool() &&
        focus(refused_)) {
        return;
    }
    auto firstOf = [&](std::initializer_list<const char*> names) -> QWidget* {
        for (const char* n : names) {
            QWidget* w = widget("MAINFORM", n);
            if (w && w->isEnabled() && w->isVisible()) return w;
        }
        return nullptr;
    };
    // A screen the click opened: its first control.
    for (size_t s = 1; s < windows_.size(); ++s) {
        if (!shownBefore[s] && forms_.at(static_cast<int>(s)).shown) {
            if (focus(firstActive(static_cast<int>(s)))) return;
        }
    }
    const std::string& name = forms_.at(screen, control).def->name;
    if (screen == 0 && name == "BUTTON18") {  // NEXT: the sample column, else a kind
        focus(firstOf({"BUTTON22", "BUTTON1", "BUTTON2", "BUTTON3", "BUTTON4"}));
        return;
    }
    // Back on the main window (a screen closed, a run ended): calculate, or
    // confirm the settings.
    if (!forms_.at(screen).shown || (screen == 0 && name == "BUTTON9")) focus(firstOf({"BUTTON9", "BUTTON27"}));
}

QWidget* ScreenWindows::widget(std::string_view screen, std::string_view control) const {
    int s = forms_.screenId(screen);
    int c = s < 0 ? -1 : forms_.controlId(s, control);
    return c < 0 ? nullptr : widgets_[s][c];
}

void ScreenWindows::controlChanged(int screen, int control) {
    const Control& model = forms_.at(screen, control);
    const std::string& screenName = forms_.at(screen).def->name;
    QWidget* widget = widgets_.at(screen).at(control);
    switch (model.def->kind) {
    case ControlKind::Label:
        static_cast<QLabel*>(widget)->setText(shown(screenName, model.text));
        break;
    case ControlKind::Edit: {
        // Only a real change: rewriting the text would move the caret.
        auto* edit = static_cast<QLineEdit*>(widget);
        QString text = fromModel(model.text);
        if (edit->text() != text) {
            edit->setText(text);
            // A long text shows its beginning unless the user is at work in it.
            if (!edit->hasFocus()) edit->setCursorPosition(0);
        }
        const bool newlyFlagged = model.flagged && !edit->property("flagged").toBool();
        showFlagged(edit, model.flagged);
        if (newlyFlagged) refused_ = edit;
        // Refused while its window is up (the check's pause follows): the
        // user can correct it at once.
        if (newlyFlagged && edit->isVisible() && model.enabled) {
            edit->window()->activateWindow();
            edit->setFocus(Qt::OtherFocusReason);
        }
        break;
    }
    case ControlKind::Button:
    case ControlKind::Option:
        static_cast<QAbstractButton*>(widget)->setText(caption(screenName, model.text));
        break;
    case ControlKind::Group:
        static_cast<QGroupBox*>(widget)->setTitle(caption(screenName, model.text));
        break;
    }
    widget->setEnabled(model.enabled);
    widget->setVisible(model.visible);
    for (const Choices& c : choices_) {
        if (c.codeScreen == screen && c.codeControl == control) markChoice(c);
    }
}

void ScreenWindows::screenShownChanged(int screen) {
    ScreenWindow* window = windows_.at(screen);
    const bool shown = forms_.at(screen).shown || (screen == 0 && mainKept_);
    const QString& picture = pictureFiles_.at(screen);
    if (!shown) {
        if (screen != 0 && userMoved_[screen]) userAt_[screen] = window->pos();
        window->hide();
        if (!picture.isEmpty()) window->setPicture(QImage());  // released until the next showing
        return;
    }
    // Read afresh on every showing; a missing file leaves the screen without it.
    if (!picture.isEmpty()) window->setPicture(loadPicture(picture, pictureFolders_));
    if (screen == 0) {
        window->show();
        return;
    }
    // Placed afresh for what the main window shows now, unless the user
    // has put the window somewhere.
    if (userMoved_[screen]) {
        window->move(userAt_[screen]);
    } else {
        place(screen);
    }
    window->show();
}

QRect ScreenWindows::tableOnScreen() const {
    const PaneView& view = *panel_->view();
    const int right = view.textOrigin().x() + static_cast<int>(view.usedColumns() * view.cellWidth() + 0.5);
    const int width = std::clamp(right, 0, view.viewport()->width());
    const QPoint origin = view.viewport()->mapToGlobal(QPoint(0, 0));
    const QPoint panelTop = panel_->mapToGlobal(QPoint(0, 0));
    return QRect(QPoint(panelTop.x(), panelTop.y()), QSize(origin.x() - panelTop.x() + width, panel_->height()));
}

QRect ScreenWindows::columnOnScreen() const {
    return QRect(column_->mapToGlobal(QPoint(0, 0)), column_->size());
}

QPoint ScreenWindows::placeFor(int screen) const {
    ScreenWindow* window = windows_.at(screen);
    QRect avail(QPoint(0, 0), QSize(1 << 20, 1 << 20));
    if (QScreen* s = mainWindow()->screen() ? mainWindow()->screen() : QGuiApplication::primaryScreen())
        avail = s->availableGeometry();
    const QMargins margins = window->isVisible() ? frameMargins(window) : frameMargins(mainWindow());
    const QSize frame = window->size().grownBy(margins);
    return placeSecondary(
        {.avail = avail, .main = mainWindow()->frameGeometry(), .table = tableOnScreen(), .column = columnOnScreen()},
        frame);
}

// A secondary screen opens where it hides neither the pane's table nor the
// input column when the screen has room (placeSecondary). Until the user
// moves it, it goes with the main window (whose place the window manager
// may settle late).
void ScreenWindows::place(int screen) {
    ScreenWindow* window = windows_.at(screen);
    if (window == mainWindow()) return;
    const QPoint at = placeFor(screen);
    placing_ = true;
    window->move(at);
    placing_ = false;
    placed_[screen] = true;
    placedAt_[screen] = at;
}

// A move of a shown window that is not where it was put: the user's (or
// the window manager's on the user's behalf). A few pixels are the window
// manager settling the frame.
void ScreenWindows::secondaryMoved(int screen) {
    ScreenWindow* window = windows_.at(screen);
    if (placing_ || !window->isVisible() || !placed_[screen]) return;
    constexpr int kSettling = 4;
    if ((window->pos() - placedAt_[screen]).manhattanLength() <= kSettling) return;
    userMoved_[screen] = true;
    userAt_[screen] = window->pos();
}

std::vector<std::pair<std::string, QPoint>> ScreenWindows::userPlaces() const {
    std::vector<std::pair<std::string, QPoint>> places;
    for (size_t s = 1; s < windows_.size(); ++s) {
        if (!userMoved_[s]) continue;
        const QPoint at = windows_[s]->isVisible() ? windows_[s]->pos() : userAt_[s];
        places.emplace_back(forms_.at(static_cast<int>(s)).def->name, at);
    }
    return places;
}

void ScreenWindows::restoreUserPlace(std::string_view screen, QPoint at) {
    const int s = forms_.screenId(screen);
    if (s <= 0 || !QGuiApplication::screenAt(at)) return;
    userMoved_[s] = true;
    userAt_[s] = at;
    placed_[s] = true;
    if (windows_[s]->isVisible()) windows_[s]->move(at);
}

void ScreenWindows::titleBarClose(int screen) {
    const std::string& name = forms_.at(screen).def->name;
    const TitleBarClose* close = titleBarCloseOf(name);
    if (!close) return;
    if (!close->button) {
        forms_.setShown(screen, false);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget(name, close->button))) {
        if (button->isEnabled() && button->isVisible()) button->click();
    }
}

// A minimise that reached a secondary screen (a window manager may offer
// one anyway) takes nothing down: the result summary goes as its close
// does, any other screen comes back, and so does the main window.
void ScreenWindows::minimized(int screen) {
    QTimer::singleShot(0, mainWindow(), [this, screen] {
        ScreenWindow* main = mainWindow();
        if (main->isMinimized()) main->setWindowState(main->windowState() & ~Qt::WindowMinimized);
        ScreenWindow* window = windows_.at(screen);
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
        const TitleBarClose* close = titleBarCloseOf(forms_.at(screen).def->name);
        if (close && !close->button) {
            forms_.setShown(screen, false);
        } else if (forms_.at(screen).shown) {
            window->show();
        }
    });
}

void ScreenWindows::layoutMain() {
    ScreenWindow* main = mainWindow();
    const ScreenDef& def = *forms_.at(0).def;
    const int top = menuBar_->height();
    menuBar_->resize(main->width(), top);
    body_->setGeometry(0, top, main->width(), main->height() - top);
    // Wider: the pane takes it and the right part moves. Taller: the pane
    // takes it. Shorter: the pane gives it up and the column scrolls.
    const int dx = std::max(0, body_->width() - scaled(def.width));
    const int dy = body_->height() - scaled(def.height);
    const QRect pane = scaled(def.pane);
    panel_->setGeometry(pane.x(), pane.y(), pane.width() + dx, std::max(0, pane.height() + dy));
    const int paneRight = def.pane.x + def.pane.w;
    const auto& controls = forms_.at(0).controls;
    for (size_t c = 0; c < controls.size(); ++c) {
        const ControlDef& d = *controls[c].def;
        if (d.x >= paneRight && widgets_[0][c]->parentWidget() == body_) widgets_[0][c]->move(scaled(d.x) + dx, scaled(d.y));
    }
    column_->fit(dx, body_->height() - scaled(def.pane.y));
    mainMoved();  // the pane's edge moved: so do the screens placed beside it
}

// The main window moved (the window manager settled it, or the user): the
// screens still where they were put go with it.
void ScreenWindows::mainMoved() {
    for (size_t s = 1; s < windows_.size(); ++s) {
        if (!placed_[s] || userMoved_[s] || !windows_[s]->isVisible()) continue;
        place(static_cast<int>(s));
    }
}

}  // namespace cfhx::qt
