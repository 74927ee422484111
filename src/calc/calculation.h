// The calculate button of the main window and the common return path.
#pragma once

namespace cfhx {
struct App;

namespace calc {
struct PassLimits;
}

// The calculate button: the hand-over, the calculation with its restarts,
// and the common return path when it is left.
void calculate(App& app, const calc::PassLimits& limits);

// The calculation proper, entered after the hand-over; leaves by throwing
// LeaveCalculation.
void runCalculation(App& app, const calc::PassLimits& limits);

// Back to the input screens with every entered value kept.
void commonReturnPath(App& app);

void registerCalculationProcedures(App& app);
}  // namespace cfhx
