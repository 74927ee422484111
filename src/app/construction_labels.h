// Labels of the construction column of the main window, in the chosen unit
// system.
#pragma once

namespace cfhx {
struct App;

// Writes every construction label; the four conductivity and fouling rows
// take their SI texts unless `UnitFlag` is UnitFlag::Old.
void writeConstructionLabels(App& app);
}  // namespace cfhx
