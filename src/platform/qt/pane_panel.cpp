#include "platform/qt/pane_panel.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

#include "platform/qt/look.h"
#include "platform/qt/pane_view.h"

namespace cfhx::qt {

namespace {
constexpr int kRowHeight = 28;
constexpr int kLargestPanePixels = 16;
constexpr int kSmallestPanePixels = 10;
}  // namespace

int PanePanel::fittingFontPixels(int width, int columns) {
    QStyle* style = QApplication::style();
    const int overhead = PaneView::kMargin * 2 + 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth) +
                         style->pixelMetric(QStyle::PM_ScrollBarExtent);
    for (int px = kLargestPanePixels; px > kSmallestPanePixels; px -= 2) {
        if (overhead + columns * QFontMetricsF(paneFont(px)).horizontalAdvance(QLatin1Char('0')) <= width) return px;
    }
    return kSmallestPanePixels;
}

PanePanel::PanePanel(const Pane& pane, QSize size, QWidget* parent) : QWidget(parent) {
    resize(size);
    const int viewHeight = size.height() - kRowHeight - 2;
    view_ = new PaneView(pane, fittingFontPixels(size.width(), PaneView::kTableColumns), this);
    view_->setGeometry(0, 0, size.width(), viewHeight);

    const QRect row(0, viewHeight + 2, size.width(), kRowHeight);

    answerRow_ = new QWidget(this);
    answerRow_->setGeometry(row);
    auto* answerLayout = new QHBoxLayout(answerRow_);
    answerLayout->setContentsMargins(0, 0, 0, 0);
    prompt_ = new QLabel(QStringLiteral("入力 ⇒"), answerRow_);
    answer_ = new QLineEdit(answerRow_);
    answer_->setFont(view_->paneFont());
    answerLayout->addWidget(prompt_);
    answerLayout->addWidget(answer_, 1);

    banner_ = new QWidget(this);
    banner_->setGeometry(row);
    banner_->setAutoFillBackground(true);
    QPalette palette = banner_->palette();
    palette.setColor(QPalette::Window, QColor(0xff, 0xf0, 0xa8));
    palette.setColor(QPalette::WindowText, Qt::black);
    banner_->setPalette(palette);
    auto* bannerLayout = new QHBoxLayout(banner_);
    bannerLayout->setContentsMargins(8, 1, 2, 1);
    bannerText_ = new QLabel(QStringLiteral("一時停止中 — Enter または［続行］で再開"), banner_);
    continue_ = new QPushButton(QStringLiteral("続行"), banner_);
    continue_->setAutoDefault(false);
    bannerLayout->addWidget(bannerText_, 1);
    bannerLayout->addWidget(continue_);

    setAnswering(false);
    setPaused(false);
}

void PanePanel::setAnswering(bool on) {
    answer_->setEnabled(on);
    prompt_->setEnabled(on);
    if (on) answer_->setFocus(Qt::OtherFocusReason);
}

void PanePanel::setPaused(bool on) {
    banner_->setVisible(on);
    answerRow_->setVisible(!on);
    if (on) continue_->setFocus(Qt::OtherFocusReason);
}

}  // namespace cfhx::qt
