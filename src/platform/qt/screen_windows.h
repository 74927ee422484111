// One top-level window per screen of the catalogue, its widgets placed at
// the catalogue's positions, mirroring the form model: the model's changes
// reach the widgets, typing reaches the model and clicks go to a handler.
#pragma once

#include <QImage>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/screens.h"

class QAbstractButton;
class QAction;
class QMenuBar;
class QButtonGroup;

namespace cfhx {
class Pane;
}

namespace cfhx::qt {

class PanePanel;
class ScrolledColumn;

// A screen's window. Closing the main window ends the program; a secondary
// screen's title-bar close is only a request, which onClose answers (the
// window stays until its screen is hidden).
class ScreenWindow : public QWidget {
    Q_OBJECT
public:
    ScreenWindow(const ScreenDef& def, bool main, QWidget* parent);
    std::function<void()> onClose;
    std::function<void()> onMinimized;
    // Asked before the main window closes; false keeps it open.
    std::function<bool()> canClose;
    std::function<void()> onMove;
    std::function<void()> onResize;

    // A picture in layout units, drawn scaled at the origin under the
    // controls; a null image draws nothing.
    void setPicture(QImage picture);
    const QImage& picture() const { return picture_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    bool main_;
    QImage picture_;
};

class ScreenWindows : public FormsObserver {
public:
    using ClickHandler = std::function<void(int screen, int control)>;

    // The model's screens, in its order; the first is the main window and
    // holds the pane area.
    ScreenWindows(Forms& forms, const Pane& pane, ClickHandler onClick);
    ~ScreenWindows() override;

    void controlChanged(int screen, int control) override;
    void screenShownChanged(int screen) override;

    ScreenWindow* window(int screen) const { return windows_.at(screen); }
    ScreenWindow* mainWindow() const { return windows_.front(); }
    QWidget* widget(int screen, int control) const { return widgets_.at(screen).at(control); }
    QWidget* widget(std::string_view screen, std::string_view control) const;
    PanePanel* panePanel() const { return panel_; }
    // The main window's menu bar, above the screen's own area.
    QMenuBar* menuBar() const { return menuBar_; }
    struct FileActions {
        QAction* open = nullptr;
        QAction* save = nullptr;
        QAction* saveAs = nullptr;
        QAction* quit = nullptr;
    };
    const FileActions& fileActions() const { return fileActions_; }
    // 表示 → 結果画面: the result summary screen shown again.
    QAction* summaryAction() const { return summaryAction_; }
    // The main window's input column (scrolls when the window is short).
    ScrolledColumn* inputColumn() const { return column_; }

    // Where a secondary screen opens now (its frame's top left).
    QPoint placeFor(int screen) const;
    // The user has moved the screen's window: it stays there.
    bool movedByUser(int screen) const { return userMoved_.at(screen); }
    // The places the user has given secondary screens, by screen name, and
    // one given back (from an earlier run); a place on no screen now is
    // not taken.
    std::vector<std::pair<std::string, QPoint>> userPlaces() const;
    void restoreUserPlace(std::string_view screen, QPoint at);

    // Told when the user has typed into a field (the model holds the text).
    void setEditHandler(std::function<void(int screen, int control)> handler) { onEdit_ = std::move(handler); }

    // The main window stays up from start-up to the end.
    void keepMainShown() { mainKept_ = true; }

    // Where a screen's picture is looked for each time the screen is shown
    // (pictureFolders() unless set).
    void setPictureFolders(QStringList folders) { pictureFolders_ = std::move(folders); }

private:
    QWidget* makeWidget(int screen, int control, QWidget* parent);
    void place(int screen);
    static Qt::FocusPolicy editFocus(const std::string& screen, const std::string& control);
    QWidget* firstActive(int screen) const;
    void focusAfterClick(int screen, int control, const std::vector<bool>& shownBefore);
    void mainMoved();
    void secondaryMoved(int screen);
    void titleBarClose(int screen);
    void minimized(int screen);
    QRect tableOnScreen() const;
    QRect columnOnScreen() const;
    // The pane takes what the main window grows by; the input column to its
    // right moves with the right edge.
    void layoutMain();
    struct Choices {
        int codeScreen;
        int codeControl;
        std::vector<std::pair<QAbstractButton*, int>> buttons;
    };
    void markChoices();
    void markChoice(const Choices& c);

    Forms& forms_;
    ClickHandler onClick_;
    std::function<void(int, int)> onEdit_;
    std::unique_ptr<ScreenWindow> main_;
    std::vector<ScreenWindow*> windows_;
    std::vector<std::vector<QWidget*>> widgets_;
    std::vector<QButtonGroup*> groups_;
    std::vector<bool> placed_;
    std::vector<QPoint> placedAt_;  // where each screen was put
    std::vector<bool> userMoved_;   // moved since by the user
    std::vector<QPoint> userAt_;    // where the user left it
    bool placing_ = false;
    std::vector<Choices> choices_;
    std::vector<QString> pictureFiles_;  // per screen; empty: no picture
    QStringList pictureFolders_;
    PanePanel* panel_ = nullptr;
    QMenuBar* menuBar_ = nullptr;
    QWidget* body_ = nullptr;  // the main screen's own area, under the menu bar
    FileActions fileActions_;
    QAction* summaryAction_ = nullptr;
    ScrolledColumn* column_ = nullptr;
    bool mainKept_ = false;
    QWidget* refused_ = nullptr;  // the field the click being handled refused
};

}  // namespace cfhx::qt
