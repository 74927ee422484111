// The menu that follows a result table: print the calculation sheet or a
// hard copy, switch the table between the old units and SI and between
// Japanese and English, show the wet-gas table, recalculate, or check the
// heat balance and finish.
#pragma once

#include "calc/record.h"

namespace cfhx {
struct App;
}

namespace cfhx::report {

// Runs the menu of the table just shown for a fresh result (the run's
// display mode). It never returns: a recalculation leaves the calculation
// (LeaveCalculation), a confirmed finish ends the program (EndProgram).
[[noreturn]] void resultMenu(App& app, calc::Record& r);

}  // namespace cfhx::report
