// The pane area of the main window: the text pane, the answer line below
// it and the pause banner that takes the answer line's place while the
// program is paused.
#pragma once

#include <QWidget>

#include "app/pane.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace cfhx::qt {

class PaneView;

class PanePanel : public QWidget {
    Q_OBJECT
public:
    PanePanel(const Pane& pane, QSize size, QWidget* parent = nullptr);

    PaneView* view() const { return view_; }
    QLineEdit* answerLine() const { return answer_; }
    QPushButton* continueButton() const { return continue_; }
    QWidget* banner() const { return banner_; }

    // The answer line takes input only while a typed line is awaited.
    void setAnswering(bool on);
    void setPaused(bool on);

    // Largest even pixel size of the pane font that fits `columns`
    // columns into `width` pixels (at least 10).
    static int fittingFontPixels(int width, int columns);

private:
    PaneView* view_;
    QWidget* answerRow_;
    QLabel* prompt_;
    QLineEdit* answer_;
    QWidget* banner_;
    QLabel* bannerText_;
    QPushButton* continue_;
};

}  // namespace cfhx::qt
