// The pane widget: where it scrolls to, what a repaint costs and where the
// characters land on the column grid.
#include <QFontInfo>
#include <QImage>
#include <QScrollBar>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "app/frame_texts.h"
#include "app/pane.h"
#include "support/gui_support.h"
#include "platform/qt/look.h"
#include "platform/qt/pane_view.h"

namespace cfhx::qt {
namespace {

using testing::rightmostDark;

struct PaneFixture : ::testing::Test {
    PaneFixture() {
        pane.setObserver(&view);
        view.resize(700, 16 * 12 + 10);
        view.show();
        view.sync();
    }
    ~PaneFixture() override { pane.setObserver(nullptr); }

    void printLines(int n, const char* prefix = "line ") {
        for (int i = 0; i < n; ++i) pane.print(prefix + std::to_string(i));
    }
    void settle() {
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }
    int scrollValue() { return view.verticalScrollBar()->value(); }
    int scrollMax() { return view.verticalScrollBar()->maximum(); }

    // The pixel band of a row of the view (0 = top row in view).
    QRect rowBand(int row) const {
        const int y = view.textOrigin().y() + row * view.lineHeight();
        return QRect(0, y, view.viewport()->width(), view.lineHeight());
    }
    QImage paint() { return view.viewport()->grab().toImage(); }

    Pane pane;
    PaneView view{pane, 16};
};

TEST_F(PaneFixture, UsesTheBoxFontOnAnEvenGrid) {
    EXPECT_EQ(QFontInfo(view.paneFont()).family(), QString(kPaneFamily));
    EXPECT_EQ(view.lineHeight(), 16);
    EXPECT_DOUBLE_EQ(view.cellWidth(), 8.0);
}

TEST_F(PaneFixture, FollowsTheCursorAndStartsNewPagesAtTheTop) {
    const int rows = view.fullRows();
    ASSERT_GE(rows, 10);

    printLines(rows * 3);
    // Printing only asks for an update; the view moves when events run.
    EXPECT_EQ(view.topLine(), 0u);
    EXPECT_EQ(scrollMax(), 0);
    settle();
    EXPECT_EQ(view.topLine(), pane.cursorLine() - rows);  // last printed line on the bottom row
    EXPECT_EQ(scrollMax(), rows * 2);
    EXPECT_EQ(scrollValue(), scrollMax());

    pane.clear();
    pane.print("first");
    pane.print("second");
    settle();
    EXPECT_EQ(view.topLine(), pane.pageTop());
    EXPECT_EQ(scrollValue(), static_cast<int>(pane.pageTop()));
    EXPECT_EQ(scrollMax(), scrollValue());  // the earlier page lies above

    pane.printAt(rows + 5, 1, "far down");
    settle();
    EXPECT_EQ(view.topLine(), pane.pageTop() + 5);
    EXPECT_EQ(pane.line(view.topLine() + rows - 1), "far down");

    view.verticalScrollBar()->setValue(0);
    EXPECT_EQ(view.topLine(), pane.firstLine());
    pane.print("next");
    settle();
    EXPECT_EQ(pane.line(view.topLine() + rows - 1), "next");  // back at the cursor
}

TEST_F(PaneFixture, RepaintCostDoesNotGrowWithTheScrollback) {
    printLines(5);
    settle();
    paint();
    EXPECT_EQ(view.lastPaintedRows(), 5);

    printLines(static_cast<int>(Pane::kDefaultCapacity) + 3000);
    settle();
    EXPECT_GT(pane.firstLine(), 0u);
    EXPECT_EQ(scrollMax(), static_cast<int>(pane.endLine() - pane.firstLine()) - view.fullRows());
    paint();
    EXPECT_LE(view.lastPaintedRows(), view.fullRows() + 1);

    // Scrolled to the oldest line held, the view still paints one screenful.
    view.verticalScrollBar()->setValue(0);
    const QImage image = paint();
    EXPECT_LE(view.lastPaintedRows(), view.fullRows() + 1);
    EXPECT_GE(rightmostDark(image, rowBand(0)), 0);
}

TEST_F(PaneFixture, ScrollsSidewaysWhenTheTextIsWider) {
    // Half-width cells of half the type size; the widest tables (78
    // columns) or a wider row in view, with a margin of 3 either side.
    struct Case {
        const char* name;
        int fontPixels;
        int rowColumns;
        int contentWidth;
    };
    const Case kCases[] = {
        {"the designed type size fits", 16, 60, 6 + 78 * 8},
        {"larger type scrolls to the tables' width", 24, 60, 6 + 78 * 12},
        {"a row wider than the tables", 16, 120, 6 + 120 * 8},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        pane.clear();
        view.setFontPixels(c.fontPixels);
        pane.print(std::string(static_cast<size_t>(c.rowColumns), 'x'));
        settle();
        QScrollBar* across = view.horizontalScrollBar();
        const int width = view.viewport()->width();
        EXPECT_EQ(across->maximum(), std::max(0, c.contentWidth - width));
        EXPECT_EQ(across->isVisibleTo(&view), c.contentWidth > width);
        // Scrolled to the end, the row's last character is in the last cell.
        across->setValue(across->maximum());
        EXPECT_EQ(view.textOrigin().x(), 3 - across->maximum());
        const int lastCellRight = 3 - across->maximum() + c.rowColumns * c.fontPixels / 2;
        const int dark = rightmostDark(paint(), rowBand(0));
        EXPECT_LE(dark, lastCellRight);
        EXPECT_GT(dark, lastCellRight - c.fontPixels / 2);
        across->setValue(0);
    }
}

TEST_F(PaneFixture, PaintsOnlyRowsWithText) {
    pane.print("text");
    pane.print();
    pane.print("   ");
    pane.print("　");
    pane.print("x");
    settle();
    const QImage image = paint();
    EXPECT_GE(rightmostDark(image, rowBand(0)), 0);
    EXPECT_EQ(rightmostDark(image, rowBand(1)), -1);
    EXPECT_EQ(rightmostDark(image, rowBand(2)), -1);
    EXPECT_EQ(rightmostDark(image, rowBand(3)), -1);
    EXPECT_GE(rightmostDark(image, rowBand(4)), 0);
    EXPECT_EQ(rightmostDark(image, rowBand(5)), -1);
}

TEST_F(PaneFixture, CharactersSitOnCodePageColumns) {
    // Each line puts "|" into column 4 after three columns of a different
    // make-up: half-width katakana, full-width and ASCII, full-width blank.
    pane.print("ﾌﾟﾛ|");
    pane.print("漢a|");
    pane.print("abc|");
    pane.print("　 |");
    settle();
    const QImage image = paint();
    const int expected = rightmostDark(image, rowBand(2));
    ASSERT_GE(expected, 0);
    // "|" is drawn in the cell of column 4 (0-based 3).
    const double cellLeft = view.textOrigin().x() + 3 * view.cellWidth();
    EXPECT_GE(expected, cellLeft);
    EXPECT_LT(expected, cellLeft + view.cellWidth());
    for (int row : {0, 1, 3}) EXPECT_NEAR(rightmostDark(image, rowBand(row)), expected, 1) << "row " << row;
}

TEST_F(PaneFixture, WelcomeBoxLinesEndOnOneColumn) {
    view.resize(700, 16 * 16 + 10);
    for (std::string_view line : frame_texts::kFrameJapanese.welcomeBox) pane.print("    " + std::string(line));
    settle();
    const QImage image = paint();
    const int count = static_cast<int>(std::size(frame_texts::kFrameJapanese.welcomeBox));
    // The right stroke is the middle of the 2-column glyph in columns 63-64.
    const double stroke = view.textOrigin().x() + 63 * view.cellWidth();
    for (int row = 0; row < count; ++row) {
        EXPECT_NEAR(rightmostDark(image, rowBand(row)), stroke, view.cellWidth() / 2) << "box row " << row;
    }
}

}  // namespace
}  // namespace cfhx::qt
