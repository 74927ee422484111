// The calculate button of the main window: the calculation, its result
// and, when it is left anywhere, the common return path.
#pragma once

#include "calc/rating.h"

namespace cfhx {
struct App;

// One press: hand-over, calculation (again from its start when it asks to
// restart), result and its menu; the common return path ends every way
// out but the program's end.
void calculate(App& app, const calc::PassLimits& limits);

void registerCalculationProcedures(App& app);

}  // namespace cfhx
