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

// Pass limits of the loops; the last two bound loops that have none of
// their own. The condensing side counts in half passes.
struct PassLimits {
    int meanTemperature = 100;
    int tubeVelocity = 1000;
    int shellVelocity = 100;
    int rowsLength = 100;
    int outlet = 5000;
    int humidRelaxation = 7000;
    int phase3 = 500;
    int correction = 100;
    int vapour = 4000;
    float condensingWarning = 2000.0f;
    float condensingClosing = 2300.0f;
    float condensingStop = 2500.0f;
    int columnSearch = 20000;
    int humidOuter = 1000;
};

// Runs the rating from `entry` and leaves the converged result in `r`
// (heat balance Qs, Qt, Qk included). Stops throw.
void runRating(App& app, Record& r, RatingEntry entry, const PassLimits& limits = {});

// The capacity rates, NTU, effectiveness and correction factor of a latent
// case after its rating, for the result tables.
void latentCaseEffectiveness(App& app, Record& r);

// Gas and water properties at the current mean temperatures: shell gas
// unless typed in, tube gas or water by the tube property method.
void evaluateProperties(App& app, Record& r);

// Capacity rates of the two streams at their property temperatures, kcal/h°C.
float tubeCapacityRate(const Record& r);
float shellCapacityRate(const Record& r);

}  // namespace cfhx::calc
