// The calculate button of the main window: the calculation, its result
// and, when it is left anywhere, the common return path.
#pragma once

#include "calc/rating.h"

namespace cfhx {
struct App;

// One press: hand-over, calculation (again from its start when it asks to
// restart), result; the common return path ends every way out.
void calculate(App& app, const calc::PassLimits& limits);

void registerCalculationProcedures(App& app);

}  // namespace cfhx
