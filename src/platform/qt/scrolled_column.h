// The main window's input column when the window is shorter than its
// layout: a clip over the column's part of the screen area, the column's
// controls on a canvas at the screen area's own coordinates, and a narrow
// scroll bar in the gap between the pane and the column.
#pragma once

#include <QRect>
#include <QWidget>

class QScrollBar;

namespace cfhx::qt {

class ScrolledColumn : public QWidget {
public:
    // `area`: the column in the screen area's pixels at the designed size;
    // `gap`: the width of the empty strip at its left that the bar takes.
    ScrolledColumn(QRect area, int gap, QWidget* screenArea);

    // The controls' parent; a control's geometry is its place in the screen
    // area when nothing is scrolled.
    QWidget* canvas() const { return canvas_; }
    QScrollBar* bar() const { return bar_; }

    // The column moved right by `dx` and cut to `height` pixels.
    void fit(int dx, int height);

    // Scrolls so that `w` (a control on the canvas) is wholly in view.
    void reveal(QWidget* w);

protected:
    void wheelEvent(QWheelEvent* event) override;

private:
    void scrolled(int value);

    QRect area_;
    QWidget* canvas_;
    QScrollBar* bar_;
};

}  // namespace cfhx::qt
