// The pane area of the main window: the text pane, the answer line below
// it, the pause banner that takes the answer line's place while the
// program is paused, and the program's status line at the bottom.
#pragma once

#include <QWidget>

#include "app/pane.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace cfhx::qt {

class PaneView;

// The pause banner: what it says and its 続行 button, on `parent`.
QWidget* makePauseBanner(QWidget* parent);

class PanePanel : public QWidget {
    Q_OBJECT
public:
    PanePanel(const Pane& pane, QSize size, QWidget* parent = nullptr);

    PaneView* view() const { return view_; }
    QLineEdit* answerLine() const { return answer_; }
    QPushButton* continueButton() const { return continue_; }
    QWidget* banner() const { return banner_; }
    QLabel* statusLine() const { return status_; }

    // What waits for the user, a stop just cleared, where a print went.
    void setStatus(const QString& text);

    // The answer line takes input only while a typed line is awaited.
    void setAnswering(bool on);
    void setPaused(bool on);

    // The pane font two pixels larger per step (smaller for a negative
    // step); 0 returns to the size that fits the widest table.
    void zoom(int steps);
    int defaultFontPixels() const { return defaultFontPixels_; }

    // Largest even pixel size of the pane font that fits `columns`
    // columns into `width` pixels (at least 10).
    static int fittingFontPixels(int width, int columns);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void layOut();

    int defaultFontPixels_ = 14;
    QPalette idlePalette_;
    PaneView* view_;
    QWidget* answerRow_;
    QLabel* prompt_;
    QLineEdit* answer_;
    QWidget* banner_;
    QPushButton* continue_;
    QLabel* status_;
};

}  // namespace cfhx::qt
