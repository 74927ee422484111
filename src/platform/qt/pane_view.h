// The text pane: paints the rows of the pane model on a grid of
// code-page-932 columns, scrolls over the whole scrollback and follows the
// print cursor; a type size whose tables are wider than the view scrolls
// sideways.
#pragma once

#include <QAbstractScrollArea>
#include <QFont>
#include <QHash>
#include <QRawFont>
#include <cstdint>

#include "app/pane.h"

namespace cfhx::qt {

class PaneView : public QAbstractScrollArea, public PaneObserver {
    Q_OBJECT
public:
    PaneView(const Pane& pane, int fontPixels, QWidget* parent = nullptr);

    void paneChanged(const Pane&) override;

    // Applies a pending model change now (scroll position, scrollbar range,
    // repaint request); normally runs queued after the changes.
    void sync();

    // The pane font at another pixel size; rows and columns follow.
    void setFontPixels(int fontPixels);
    int fontPixels() const { return fontPixels_; }

    uint64_t topLine() const { return top_; }
    int fullRows() const;      // rows wholly visible
    double cellWidth() const { return cellWidth_; }
    int lineHeight() const { return lineHeight_; }
    // Where column 0 of the top row in view is painted.
    QPoint textOrigin() const;
    // Columns of the widest row in view.
    int usedColumns() const;
    const QFont& paneFont() const { return font_; }
    int lastPaintedRows() const { return paintedRows_; }

    static constexpr int kMargin = 3;
    // The widest tables the program prints.
    static constexpr int kTableColumns = 78;

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    void scrolledTo(int value);
    int leftColumnPixel() const;
    void updateScrollBar();
    quint32 glyphFor(char32_t cp);

    const Pane& pane_;
    QFont font_;
    QRawFont raw_;
    QHash<char32_t, quint32> glyphs_;
    int fontPixels_ = 14;
    double cellWidth_ = 8;
    int lineHeight_ = 16;
    double baseline_ = 14;
    uint64_t top_ = 0;
    bool syncQueued_ = false;
    bool settingScroll_ = false;
    int paintedRows_ = 0;
};

}  // namespace cfhx::qt
