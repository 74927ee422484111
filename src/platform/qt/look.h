// Geometry and fonts shared by the windows: layout units to pixels, the
// proportional font of the controls and the fixed-pitch font of the pane.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>

#include "app/screens.h"

namespace cfhx::qt {

// Pixels per layout unit.
inline constexpr double kScale = 1.25;

int scaled(int units);
QRect scaled(const Rect& r);

// The controls' font: IPAPGothic when installed.
QFont controlFont();

// The face of a field a check refused.
inline QColor flaggedFieldColor() { return QColor(0xff, 0xc4, 0xc4); }

// The pane's font: IPAGothic at the given even pixel size.
QFont paneFont(int pixelSize);
inline constexpr const char* kPaneFamily = "IPAGothic";

}  // namespace cfhx::qt
