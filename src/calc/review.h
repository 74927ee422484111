// The settings review shown at the start of every calculation, and the
// typed-in property path: the properties, the given heat-transfer
// coefficients and the inlet settings taken from the screens, echoed as
// numbered lines and held in the engine's units.
#pragma once

#include "calc/record.h"

namespace cfhx {
struct App;
}

namespace cfhx::calc {

// The framed construction list as entered, then the row count against the
// calculation target: targets 1, 2, 5, 6 without rows print a note, pause
// and throw LeaveCalculation; targets 3 and 4 release a set row count.
// Also presets the set-up choice (A).
void reviewSettings(App& app, Record& r);

// Tube liquid, or tube gas or vapour with its heat-transfer form; the
// coefficient override; the shell fluid. SI entries are echoed as typed and
// then converted. A medium code or form other than 1 or 2 prints the
// 1-or-2 note, pauses and leaves; an override mode outside 1-4 leaves.
void takeManualProperties(App& app, Record& r);

// Inlet temperatures and flows of the typed-in property path, echoed and
// converted; a zero flow leaves without a message.
void takeManualInletSettings(App& app, Record& r);

}  // namespace cfhx::calc
