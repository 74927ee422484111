// Where a secondary screen opens, worked out by hand for the main window at
// the top left or in the middle of common screens: beside the main window
// when there is room, in the pane's empty part when only that has room,
// else where the least of the table and the input column is hidden.
#include <gtest/gtest.h>

#include "platform/qt/placement.h"

namespace cfhx::qt {
namespace {

// The main window's frame 1040×920 at `at`, its table over the pane's
// used columns and its input column, as in the designed layout.
PlacementScene designed(QRect avail, QPoint at, int tableRight = 642) {
    return {.avail = avail,
            .main = QRect(at, QSize(1040, 920)),
            .table = QRect(at + QPoint(2, 120), at + QPoint(tableRight, 890)),
            .column = QRect(at + QPoint(662, 120), at + QPoint(1039, 890))};
}

TEST(Placement, BesideTheMainWindowOrWhereLeastIsHidden) {
    const QSize kSummary(902, 633), kFluid(1127, 713), kProcessing(590, 668), kUnits(327, 152);
    struct Case {
        const char* name;
        PlacementScene scene;
        QSize frame;
        QPoint expected;
    };
    // The main window stretched over a 1366×768 screen: the column at the
    // right edge, the pane's empty part between.
    const PlacementScene laptop{.avail = QRect(0, 0, 1366, 768),
                                .main = QRect(0, 0, 1366, 740),
                                .table = QRect(QPoint(2, 120), QPoint(642, 700)),
                                .column = QRect(QPoint(988, 120), QPoint(1365, 712))};
    const Case kCases[] = {
        {"2560x1440: the fluid window right of the main window", designed(QRect(0, 0, 2560, 1440), {0, 0}), kFluid,
         {1040, 0}},
        {"1920x1200: the processing window right of the main window", designed(QRect(0, 0, 1920, 1200), {0, 0}),
         kProcessing, {1040, 0}},
        {"1920x1200 below a panel: right of the main window, at its top",
         designed(QRect(0, 30, 1920, 1170), {0, 30}), kProcessing, {1040, 30}},
        {"main window at the right: left of it", designed(QRect(0, 0, 1920, 1200), {880, 100}), kProcessing,
         {290, 100}},
        // 880 pixels to the right of a 902 wide frame: 22 of the column's
        // right edge hidden, lowest down where the column ends at 890.
        {"1920x1200: the summary just too wide for the right", designed(QRect(0, 0, 1920, 1200), {0, 0}), kSummary,
         {1018, 567}},
        // No room anywhere: the frame's right edge at the screen's, its top
        // at the screen's, hiding 150 of the column from 260 to 667.
        {"1920x1200, main window in the middle", designed(QRect(0, 0, 1920, 1200), {440, 140}), kProcessing,
         {1330, 0}},
        // Short guidance leaves the pane's right part free for a small window.
        {"a small window between a narrow text and the column", designed(QRect(0, 0, 1040, 1000), {0, 0}, 300),
         kUnits, {301, 0}},
        // Over the pane's empty part, hiding 179 of the table and 378 of the
        // column rather than more of the table.
        {"1366x768: the summary over the pane's empty part", laptop, kSummary, {464, 0}},
        {"a frame larger than the screen: its top left", designed(QRect(0, 0, 800, 600), {0, 0}), kFluid, {0, 0}},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(placeSecondary(c.scene, c.frame), c.expected);
    }
}

}  // namespace
}  // namespace cfhx::qt
