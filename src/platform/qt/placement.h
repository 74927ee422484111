// Where a secondary screen opens: rectangles of the desktop and of the main
// window in, the frame's top left out. Screen coordinates throughout.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace cfhx::qt {

struct PlacementScene {
    QRect avail;   // the screen's area for windows
    QRect main;    // the main window's frame
    QRect table;   // the pane's used columns, over the pane's height
    QRect column;  // the main window's input column, as far as it is in view
};

// A place that covers neither the table nor the column where the screen has
// room for one: beside the main window, then between the table and the
// column, then above or below. Otherwise the place that hides least of
// them, the table counting several times the column, which normally lies
// over the pane's empty right part. Always inside the available area (its
// top left when the frame is larger).
QPoint placeSecondary(const PlacementScene& scene, QSize frame);

}  // namespace cfhx::qt
