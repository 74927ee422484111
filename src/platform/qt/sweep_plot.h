// The plot of a parameter study drawn with Qt Charts, off screen, to PNG.
#pragma once

#include <memory>

#include "platform/cases/front_end.h"
#include "platform/cases/sweep.h"

namespace cfhx::qt {

// Size of the plot image, pixels.
inline constexpr int kSweepPlotWidth = 1200;
inline constexpr int kSweepPlotHeight = 800;

// A plotter that makes the Qt application (off screen unless a platform is
// chosen) on its first plot, when there is none yet. `argc` and `argv` must
// outlive it.
std::unique_ptr<SweepPlotter> sweepPlotter(int& argc, char** argv);

}  // namespace cfhx::qt
