// The pane side of the numeric routines: the notes they leave and the trace
// of the saturation-temperature iteration.
#pragma once

#include "app/codes.h"
#include "calc/notes.h"

namespace cfhx {
class Pane;
}

namespace cfhx::calc {

// Prints the notes in the order they were left and empties the sink.
void printNotes(Pane& pane, Notes& notes, Language language);

// saturationTemperatureFromEnthalpy with every pass traced in rows 6 to 12
// of the page (temperatures in K when `kelvin`); the page is cleared once
// the iteration converges.
float saturationTemperatureTraced(Pane& pane, float H2, bool kelvin, Language language);

}  // namespace cfhx::calc
