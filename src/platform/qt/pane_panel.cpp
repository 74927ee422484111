#include "platform/qt/pane_panel.h"

#include <QCoreApplication>
#include <QApplication>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <algorithm>

#include "platform/qt/look.h"
#include "platform/qt/pane_view.h"

namespace cfhx::qt {

namespace {
constexpr int kRowHeight = 28;
constexpr int kStatusHeight = 20;
constexpr int kLargestPanePixels = 16;
constexpr int kSmallestPanePixels = 10;
constexpr int kLargestZoomPixels = 40;
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
    defaultFontPixels_ = fittingFontPixels(size.width(), PaneView::kTableColumns);
    view_ = new PaneView(pane, defaultFontPixels_, this);

    answerRow_ = new QWidget(this);
    auto* answerLayout = new QHBoxLayout(answerRow_);
    answerLayout->setContentsMargins(0, 0, 0, 0);
    prompt_ = new QLabel(QCoreApplication::translate("cfhx", "入力 ⇒"), answerRow_);
    answer_ = new QLineEdit(answerRow_);
    answer_->setFont(view_->paneFont());
    answerLayout->addWidget(prompt_);
    answerLayout->addWidget(answer_, 1);

    answerRow_->setAutoFillBackground(true);
    idlePalette_ = answerRow_->palette();
    prompt_->setToolTip(QCoreApplication::translate("cfhx", "ペインの質問への答えをここに入力し、Enter"));

    banner_ = makePauseBanner(this);
    continue_ = banner_->findChild<QPushButton*>();

    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("statusLine"));
    status_->setTextFormat(Qt::PlainText);
    status_->setFrameShape(QFrame::StyledPanel);
    status_->setFrameShadow(QFrame::Sunken);
    status_->setContentsMargins(4, 0, 4, 0);

    setAnswering(false);
    setPaused(false);
    resize(size);
    layOut();
}

void PanePanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layOut();
}

void PanePanel::layOut() {
    const int viewHeight = height() - kRowHeight - kStatusHeight - 4;
    view_->setGeometry(0, 0, width(), viewHeight);
    const QRect row(0, viewHeight + 2, width(), kRowHeight);
    answerRow_->setGeometry(row);
    banner_->setGeometry(row);
    status_->setGeometry(0, row.bottom() + 3, width(), kStatusHeight);
}

// A text wider than the line shows whole in its tip.
void PanePanel::setStatus(const QString& text) {
    status_->setText(text);
    status_->setToolTip(text);
}

void PanePanel::zoom(int steps) {
    const int px = steps == 0 ? defaultFontPixels_ : view_->fontPixels() + 2 * steps;
    view_->setFontPixels(std::clamp(px, kSmallestPanePixels, kLargestZoomPixels));
    answer_->setFont(view_->paneFont());
}

QWidget* makePauseBanner(QWidget* parent) {
    auto* banner = new QWidget(parent);
    banner->setAutoFillBackground(true);
    QPalette palette = banner->palette();
    palette.setColor(QPalette::Window, QColor(0xff, 0xb0, 0x30));
    palette.setColor(QPalette::WindowText, Qt::black);
    banner->setPalette(palette);
    auto* layout = new QHBoxLayout(banner);
    layout->setContentsMargins(8, 1, 2, 1);
    auto* text = new QLabel(QCoreApplication::translate("cfhx", "■ 一時停止中 — Enter または［続行］で再開"), banner);
    QFont bold = text->font();
    bold.setBold(true);
    text->setFont(bold);
    auto* button = new QPushButton(QCoreApplication::translate("cfhx", "続行"), banner);
    button->setAutoDefault(false);
    layout->addWidget(text, 1);
    layout->addWidget(button);
    return banner;
}

// While a typed line is awaited the answer row is lit and says so, and the
// answer line has the focus.
void PanePanel::setAnswering(bool on) {
    answer_->setEnabled(on);
    prompt_->setEnabled(on);
    QPalette palette = idlePalette_;
    QFont font = prompt_->font();
    font.setBold(on);
    if (on) palette.setColor(QPalette::Window, QColor(0xc8, 0xf0, 0xc8));
    answerRow_->setPalette(palette);
    prompt_->setFont(font);
    prompt_->setText(on ? QCoreApplication::translate("cfhx", "▶ 入力待ち ⇒") : QCoreApplication::translate("cfhx", "入力 ⇒"));
    if (on) {
        answer_->window()->activateWindow();
        answer_->setFocus(Qt::OtherFocusReason);
    }
}

void PanePanel::setPaused(bool on) {
    banner_->setVisible(on);
    answerRow_->setVisible(!on);
    if (on) continue_->setFocus(Qt::OtherFocusReason);
}

}  // namespace cfhx::qt
