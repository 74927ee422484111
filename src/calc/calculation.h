// The calculate button of the main window and the common return path.
#pragma once

namespace cfhx {
struct App;

// The calculation proper, entered after the hand-over; leaves by throwing
// LeaveCalculation.
void runCalculation(App& app);

// Back to the input screens with every entered value kept.
void commonReturnPath(App& app);

void registerCalculationProcedures(App& app);
}  // namespace cfhx
