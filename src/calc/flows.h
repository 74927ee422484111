// The flows of a calculation: the processing No. of the run, the tube and
// shell flows in their kinds and units, the water inlet, the row factor,
// the taped-tube diameter and the given outlet temperatures and tube
// length that decide how the rating goes on.
#pragma once

#include "calc/record.h"

namespace cfhx {
struct App;
}

namespace cfhx::calc {

// Processing No. 1-6 as sPROC; No. 7 runs as "5" with the tube columns
// cleared. Any other number clears the pane and pauses so the user can
// correct it; an unchanged field then leaves.
void readProcessingNo(App& app, Record& r);

// How the rating goes on after the flows.
enum class RatingEntry {
    GivenLength,        // tube length given
    GivenTubeOutlet,    // shell and tube outlet temperatures given
    GivenShellFlow,     // shell outlet temperature and shell flow given
};

// The tube flow (gas, water or the typed-in inlet settings), the derived
// start values and the route by processing No. A refused kind pauses and
// leaves; a zero flow or tube length, or "00" to choice (A), leaves without
// a message.
RatingEntry takeFlows(App& app, Record& r);

// The bank's row factor Cz by the tube columns Nh; finned tubes keep theirs.
void settleRowFactor(Record& r);

// The steps of takeFlows.
void takeTubeGasFlow(App& app, Record& r);
void takeWaterInlet(App& app, Record& r);
void takeShellFlow(App& app, Record& r);

}  // namespace cfhx::calc
