#include "platform/qt/scrolled_column.h"

#include <QApplication>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

namespace cfhx::qt {

ScrolledColumn::ScrolledColumn(QRect area, int gap, QWidget* screenArea) : QWidget(screenArea), area_(area) {
    setObjectName(QStringLiteral("inputColumn"));
    canvas_ = new QWidget(this);
    canvas_->resize(area.right() + 1, area.bottom() + 1);
    canvas_->move(-area.left(), -area.top());
    bar_ = new QScrollBar(Qt::Vertical, screenArea);
    bar_->setObjectName(QStringLiteral("inputColumnBar"));
    bar_->setFixedWidth(gap);
    bar_->setFocusPolicy(Qt::NoFocus);
    bar_->hide();
    connect(bar_, &QScrollBar::valueChanged, this, &ScrolledColumn::scrolled);
    // A field reached with Tab comes into view.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && canvas_->isAncestorOf(now)) reveal(now);
    });
    fit(0, area.height());
}

void ScrolledColumn::fit(int dx, int height) {
    height = std::max(0, std::min(height, area_.height()));
    setGeometry(area_.left() + dx, area_.top(), area_.width(), height);
    const int hidden = area_.height() - height;
    bar_->setRange(0, hidden);
    bar_->setPageStep(std::max(1, height));
    bar_->setSingleStep(20);
    bar_->setGeometry(area_.left() + dx, area_.top(), bar_->width(), height);
    bar_->setVisible(hidden > 0);
    bar_->raise();
    scrolled(bar_->value());
}

void ScrolledColumn::scrolled(int value) { canvas_->move(-area_.left(), -area_.top() - value); }

void ScrolledColumn::reveal(QWidget* w) {
    const QRect r(w->mapTo(canvas_, QPoint(0, 0)), w->size());
    const int top = area_.top() + bar_->value();  // canvas y at the clip's top
    if (r.top() < top) {
        bar_->setValue(r.top() - area_.top());
    } else if (r.bottom() >= top + height()) {
        bar_->setValue(r.bottom() + 1 - height() - area_.top());
    }
}

void ScrolledColumn::wheelEvent(QWheelEvent* event) {
    if (!bar_->isVisible()) {
        event->ignore();
        return;
    }
    QCoreApplication::sendEvent(bar_, event);
}

}  // namespace cfhx::qt
