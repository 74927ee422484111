// The gas dialogue of a calculation: how each gas is described, how its
// water content is given, the checks against saturation at the inlet
// temperature, and the inlet state each side hands on to the flows (wet
// and dry composition, humidity, water fraction, weight ratio, normal
// density, dew point or saturation temperature, inlet temperatures in °C).
#pragma once

#include "calc/record.h"

namespace cfhx {
struct App;
}

namespace cfhx::calc {

// Shell side: description, water content, dew point, the results block of
// a condensing shell. May restart itself on the user's "1" after a
// dew-point refusal.
void shellGasDialogue(App& app, Record& r);

// Tube side: with correlation properties the description, water content,
// dew point, results and inlet temperature, then the latent-heat
// condition; water in the tubes and typed-in properties go on to the flows.
void tubeGasDialogue(App& app, Record& r);

}  // namespace cfhx::calc
