#include "platform/qt/placement.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace cfhx::qt {

namespace {

// A covered pixel of the table hides more than one of the column: the
// table is what the user reads while a result or the dialogue is up.
constexpr int64_t kTableWeight = 4;

int64_t covered(const QRect& a, const QRect& b) {
    const QRect r = a.intersected(b);
    return r.isEmpty() ? 0 : static_cast<int64_t>(r.width()) * r.height();
}

}  // namespace

QPoint placeSecondary(const PlacementScene& s, QSize frame) {
    const int w = frame.width(), h = frame.height();
    // Left edges and top edges tried, in order of preference.
    const int xs[] = {s.main.right() + 1,   s.main.left() - w,      s.table.right() + 1, s.column.left() - w,
                      s.column.right() + 1, s.avail.right() + 1 - w, s.avail.left(),      s.main.left()};
    const int ys[] = {s.main.top(),       s.column.bottom() + 1, s.column.top() - h,     s.main.bottom() + 1,
                      s.main.top() - h,   s.avail.top(),         s.avail.bottom() + 1 - h};
    const int maxX = std::max(s.avail.left(), s.avail.right() + 1 - w);
    const int maxY = std::max(s.avail.top(), s.avail.bottom() + 1 - h);
    QPoint best;
    int64_t bestCost = std::numeric_limits<int64_t>::max();
    for (int x : xs) {
        for (int y : ys) {
            const QPoint at(std::clamp(x, s.avail.left(), maxX), std::clamp(y, s.avail.top(), maxY));
            const QRect r(at, frame);
            const int64_t cost = kTableWeight * covered(r, s.table) + covered(r, s.column);
            if (cost < bestCost) {
                bestCost = cost;
                best = at;
            }
            if (cost == 0) return best;
        }
    }
    return best;
}

}  // namespace cfhx::qt
