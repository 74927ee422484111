// Labels of the construction column of the main window, in the chosen unit
// system.
#pragma once

#include <string>
#include <vector>

namespace cfhx {
struct App;

// Writes every construction label; the four conductivity and fouling rows
// take their SI texts unless `UnitFlag` is UnitFlag::Old.
void writeConstructionLabels(App& app);

// Every text those labels take, in both unit systems.
std::vector<std::string> constructionLabelTexts();
}  // namespace cfhx
