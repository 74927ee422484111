// The pressure-loss lines of the passes and the combined loss steps that
// print them.
#pragma once

#include "calc/record.h"

namespace cfhx {
struct App;
}

namespace cfhx::calc {

// Limits above which a loss line turns into a warning, mmAq.
inline constexpr float kSizingLossLimit = 20.0f;
inline constexpr float kRatingLossLimit = 50.0f;

// Report lines. Sizing: 20 mmAq lines (gas in the tubes prints the tube line
// only above 20). Rating: 50 mmAq lines, warnings first. Loss step A: the
// shell line.
void reportSizingLosses(App& app, const Record& r, bool waterInTubes);
void reportRatingLosses(App& app, const Record& r);
void reportShellLossStepA(App& app, const Record& r);

// The combined steps of the passes. Sizing: shell and tube losses in line
// (plate fins through loss step A, so a plain tube keeps the friction factor
// last formed), then the 20 mmAq lines. Loss step A:
// shell loss and its line, then the tube loss with the friction factor
// last computed (a taped tube: the tape loss and the temperature
// efficiencies). Loss step B (rating): shell loss (plate fins through step
// A), tube loss, temperature efficiencies, the 50 mmAq lines.
void sizingLosses(App& app, Record& r, TubeKind kind, bool waterInTubes);
void lossStepA(App& app, Record& r, TubeKind kind, Phase phase);
void lossStepB(App& app, Record& r, TubeKind kind);

}  // namespace cfhx::calc
