// The rating iteration: from the route the flows chose to a converged
// exchanger. Sizing (tube length or rows solved for, shell outlet given),
// rating with the effectiveness (phase 2), rating with the shell flow
// solved for (phase 3), the tube-column search of No. 7, single-component
// condensation in the tubes and the humid rating with its condensing-side
// iteration. Every loop traces into the pane at fixed rows and stops at its
// pass limit with its message.
#pragma once

#include "calc/flows.h"
#include "calc/record.h"

namespace cfhx {
struct App;
}

namespace cfhx::calc {

// Runs the rating from `entry` and leaves the converged result in `r`
// (heat balance Qs, Qt, Qk included). Stops throw.
void runRating(App& app, Record& r, RatingEntry entry);

// The capacity rates, NTU, effectiveness and correction factor of a latent
// case after its rating, for the result tables.
void latentCaseEffectiveness(App& app, Record& r);

// Pass limits.
inline constexpr int kMeanTemperatureLimit = 100;
inline constexpr int kTubeVelocityLimit = 1000;
inline constexpr int kShellVelocityLimit = 100;
inline constexpr int kRowsLengthLimit = 100;
inline constexpr int kOutletLimit = 5000;
inline constexpr int kHumidRelaxationLimit = 7000;
inline constexpr int kPhase3Limit = 500;
inline constexpr int kCorrectionLimit = 100;
inline constexpr int kVapourLimit = 4000;
// Bounds of the loops that have none of their own.
inline constexpr int kColumnSearchLimit = 20000;
inline constexpr int kHumidOuterLimit = 1000;

// Gas and water properties at the current mean temperatures: shell gas
// unless typed in, tube gas or water by the tube property method.
void evaluateProperties(App& app, Record& r);

// Capacity rates of the two streams at their property temperatures, kcal/h°C.
float tubeCapacityRate(const Record& r);
float shellCapacityRate(const Record& r);

}  // namespace cfhx::calc
