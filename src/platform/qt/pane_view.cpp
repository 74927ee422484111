#include "platform/qt/pane_view.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "app/text_width.h"
#include "platform/qt/look.h"

namespace cfhx::qt {

PaneView::PaneView(const Pane& pane, int fontPixels, QWidget* parent)
    : QAbstractScrollArea(parent), pane_(pane) {
    setFontPixels(fontPixels);
    QFontInfo info(font_);
    if (info.family() != kPaneFamily) {
        std::fprintf(stderr, "cfhx: pane font %s not found, using %s; box tables may not align\n", kPaneFamily,
                     info.family().toUtf8().constData());
    }

    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setAutoFillBackground(false);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &PaneView::scrolledTo);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, viewport(), [this] { viewport()->update(); });
    sync();
}

void PaneView::setFontPixels(int fontPixels) {
    fontPixels_ = fontPixels;
    font_ = qt::paneFont(fontPixels);
    QFontMetricsF metrics(font_);
    cellWidth_ = metrics.horizontalAdvance(QLatin1Char('0'));
    if (cellWidth_ <= 0) cellWidth_ = fontPixels / 2.0;
    // One em per row, so that vertical box strokes join from row to row.
    lineHeight_ = fontPixels;
    double extent = metrics.ascent() + metrics.descent();
    baseline_ = extent > 0 ? std::round(metrics.ascent() * lineHeight_ / extent) : lineHeight_ * 0.88;
    raw_ = QRawFont::fromFont(font_);
    glyphs_.clear();
    sync();
}

int PaneView::fullRows() const { return std::max(1, (viewport()->height() - kMargin) / lineHeight_); }

int PaneView::leftColumnPixel() const { return kMargin - horizontalScrollBar()->value(); }

QPoint PaneView::textOrigin() const { return {leftColumnPixel(), kMargin}; }

int PaneView::usedColumns() const {
    int widest = 0;
    const uint64_t end = std::min<uint64_t>(pane_.endLine(), top_ + static_cast<uint64_t>(fullRows()) + 1);
    for (uint64_t l = top_; l < end; ++l) widest = std::max(widest, textColumns(pane_.line(l)));
    return widest;
}

void PaneView::paneChanged(const Pane&) {
    if (syncQueued_) return;
    syncQueued_ = true;
    QMetaObject::invokeMethod(this, [this] { sync(); }, Qt::QueuedConnection);
}

void PaneView::sync() {
    syncQueued_ = false;
    const uint64_t rows = static_cast<uint64_t>(fullRows());
    const uint64_t cursor = pane_.cursorLine();
    // A new page starts at the top; once it outgrows the view the last
    // printed line stays on the bottom row.
    uint64_t top = pane_.pageTop();
    if (cursor > top + rows) top = cursor - rows;
    top_ = std::max(top, pane_.firstLine());
    updateScrollBar();
    viewport()->update();
}

void PaneView::updateScrollBar() {
    const uint64_t first = pane_.firstLine();
    const uint64_t end = pane_.endLine();
    const uint64_t rows = static_cast<uint64_t>(fullRows());
    uint64_t maxTop = std::max({end > rows ? end - rows : 0, pane_.pageTop(), top_, first});
    settingScroll_ = true;
    QScrollBar* bar = verticalScrollBar();
    bar->setRange(0, static_cast<int>(maxTop - first));
    bar->setPageStep(static_cast<int>(rows));
    bar->setSingleStep(1);
    bar->setValue(static_cast<int>(top_ - first));
    settingScroll_ = false;
    // Sideways: the widest tables, or a wider row in view.
    const int columns = std::max(kTableColumns, usedColumns());
    const int content = 2 * kMargin + static_cast<int>(std::ceil(columns * cellWidth_));
    QScrollBar* across = horizontalScrollBar();
    across->setRange(0, std::max(0, content - viewport()->width()));
    across->setPageStep(viewport()->width());
    across->setSingleStep(std::max(1, static_cast<int>(cellWidth_)));
}

void PaneView::scrolledTo(int value) {
    if (settingScroll_) return;
    top_ = pane_.firstLine() + static_cast<uint64_t>(std::max(0, value));
    updateScrollBar();
    viewport()->update();
}

void PaneView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    sync();
}

quint32 PaneView::glyphFor(char32_t cp) {
    auto it = glyphs_.constFind(cp);
    if (it != glyphs_.constEnd()) return *it;
    quint32 glyph = 0;
    if (raw_.isValid()) {
        QList<quint32> found = raw_.glyphIndexesForString(QString::fromUcs4(&cp, 1));
        if (found.size() == 1) glyph = found.front();
    }
    glyphs_.insert(cp, glyph);
    return glyph;
}

void PaneView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), Qt::white);
    painter.setPen(Qt::black);
    painter.setFont(font_);

    const int rows = (viewport()->height() - kMargin) / lineHeight_ + 1;
    paintedRows_ = 0;
    QList<quint32> indexes;
    QList<QPointF> positions;
    for (int r = 0; r < rows; ++r) {
        const uint64_t absolute = top_ + static_cast<uint64_t>(r);
        if (absolute >= pane_.endLine()) break;
        ++paintedRows_;
        const std::string& text = pane_.line(absolute);
        const double y = kMargin + r * lineHeight_ + baseline_;
        const int left = leftColumnPixel();
        indexes.clear();
        positions.clear();
        int col = 0;
        for (size_t i = 0; i < text.size();) {
            char32_t cp = decodeUtf8(text, i);
            const double x = left + col * cellWidth_;
            col += charColumns(cp);
            if (cp <= 0x20 || cp == 0x7F || cp == 0x3000) continue;
            if (quint32 glyph = glyphFor(cp)) {
                indexes.append(glyph);
                positions.append(QPointF(x, y));
            } else {
                // Not in the pane font: let Qt find a fallback for this one.
                painter.drawText(QPointF(x, y), QString::fromUcs4(&cp, 1));
            }
        }
        if (!indexes.isEmpty()) {
            QGlyphRun run;
            run.setRawFont(raw_);
            run.setGlyphIndexes(indexes);
            run.setPositions(positions);
            painter.drawGlyphRun(QPointF(0, 0), run);
        }
    }
}

}  // namespace cfhx::qt
