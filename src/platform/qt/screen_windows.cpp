#include "platform/qt/screen_windows.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <algorithm>

#include "platform/qt/look.h"
#include "platform/qt/pane_panel.h"
#include "platform/qt/pane_view.h"
#include "platform/qt/pictures.h"

namespace cfhx::qt {

namespace {

QString fromModel(const std::string& text) { return QString::fromStdString(text); }

// Captions of buttons and frames: a "&" is a character, not a shortcut mark.
QString caption(const std::string& text) { return fromModel(text).replace(QLatin1Char('&'), QStringLiteral("&&")); }

long area(const ControlDef& def) { return static_cast<long>(def.w) * def.h; }

}  // namespace

ScreenWindow::ScreenWindow(const ScreenDef& def, bool main, QWidget* parent)
    : QWidget(parent, main ? Qt::Window
                           : Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                 Qt::WindowMinimizeButtonHint),
      main_(main) {
    setObjectName(QString::fromStdString(def.name));
    setWindowTitle(fromModel(def.title));
    setFixedSize(scaled(def.width), scaled(def.height));
    setFont(controlFont());
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
    for (size_t s = 0; s < screens.size(); ++s) {
        const ScreenDef& def = *screens[s].def;
        pictureFiles_.push_back(pictureFile(def.name));
        auto* window = new ScreenWindow(def, s == 0, s == 0 ? nullptr : main_.get());
        if (s == 0) main_.reset(window);
        windows_.push_back(window);

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
        for (int c : order) {
            QWidget* w = makeWidget(static_cast<int>(s), c, window);
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
            const QRect area = scaled(def.pane);
            panel_ = new PanePanel(pane, area.size(), window);
            panel_->move(area.topLeft());
        }
        for (size_t c = 0; c < controls.size(); ++c) controlChanged(static_cast<int>(s), static_cast<int>(c));
    }
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
        QObject::connect(button, &QAbstractButton::clicked, button,
                         [this, screen, control] { onClick_(screen, control); });
        widget = button;
        break;
    }
    case ControlKind::Group:
        widget = new QGroupBox(parent);
        break;
    }
    widget->setObjectName(QString::fromStdString(def.name));
    widget->setGeometry(scaled(Rect{def.x, def.y, def.w, def.h}));
    return widget;
}

QWidget* ScreenWindows::widget(std::string_view screen, std::string_view control) const {
    int s = forms_.screenId(screen);
    int c = s < 0 ? -1 : forms_.controlId(s, control);
    return c < 0 ? nullptr : widgets_[s][c];
}

void ScreenWindows::controlChanged(int screen, int control) {
    const Control& model = forms_.at(screen, control);
    QWidget* widget = widgets_.at(screen).at(control);
    switch (model.def->kind) {
    case ControlKind::Label:
        static_cast<QLabel*>(widget)->setText(fromModel(model.text));
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
        break;
    }
    case ControlKind::Button:
    case ControlKind::Option:
        static_cast<QAbstractButton*>(widget)->setText(caption(model.text));
        break;
    case ControlKind::Group:
        static_cast<QGroupBox*>(widget)->setTitle(caption(model.text));
        break;
    }
    widget->setEnabled(model.enabled);
    widget->setVisible(model.visible);
}

void ScreenWindows::screenShownChanged(int screen) {
    ScreenWindow* window = windows_.at(screen);
    const bool shown = forms_.at(screen).shown || (screen == 0 && mainKept_);
    const QString& picture = pictureFiles_.at(screen);
    if (!shown) {
        window->hide();
        if (!picture.isEmpty()) window->setPicture(QImage());  // released until the next showing
        return;
    }
    // Read afresh on every showing; a missing file leaves the screen without it.
    if (!picture.isEmpty()) window->setPicture(loadPicture(picture, pictureFolders_));
    if (!placed_[screen]) {
        place(window);
        placed_[screen] = true;
    }
    window->show();
}

// A secondary screen opens centred over the main window, inside the screen.
void ScreenWindows::place(ScreenWindow* window) {
    if (window == mainWindow()) return;
    const QRect over = mainWindow()->geometry();
    QRect rect(QPoint(0, 0), window->size());
    rect.moveCenter(over.center());
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect avail = screen->availableGeometry();
        rect.moveLeft(std::clamp(rect.left(), avail.left(), std::max(avail.left(), avail.right() - rect.width())));
        rect.moveTop(std::clamp(rect.top(), avail.top(), std::max(avail.top(), avail.bottom() - rect.height())));
    }
    window->move(rect.topLeft());
}

}  // namespace cfhx::qt
