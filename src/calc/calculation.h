// The calculation as the calculate button runs it, and the common return
// path back to the input screens.
#pragma once

#include "calc/rating.h"
#include "calc/record.h"

namespace cfhx {
struct App;

// The hand-over: the main window's input closed while the calculation runs.
void handOver(App& app);

// The calculation proper, entered after the hand-over, up to its converged
// record; leaves by throwing LeaveCalculation (or RestartCalculation).
calc::Record runCalculation(App& app, const calc::PassLimits& limits);

// Back to the input screens with every entered value kept.
void commonReturnPath(App& app);

// The main window's input open for a new entry.
void openMainInput(App& app);

}  // namespace cfhx
