// Outlet temperature of the condensing humid gas: the TZ3 at which the heat
// the gas gives up (sensible and latent) equals the heat the bundle passes,
// Ai·KI·LMTD·FF. Each pass shows the progress screen; the LIMIT counter
// rises by 0.5 a pass and stops the run past its bound.
#pragma once

#include "calc/rating.h"
#include "calc/record.h"

namespace cfhx {
struct App;
}

namespace cfhx::calc {

// Iterates TZ3 from the condensing side's inlet temperature; on return the
// condensing outlet (Tso or Tto) is TZ3, the other stream's outlet and both
// mean temperatures follow the gas's heat, and Wc, Wm, QG, QK, Xin, Xout,
// HsatIn, HsatOut, PvsIn, PvsOut, VNo, VAo, DHin, DHout are set; Kx = Kc.
void condensingOutlet(App& app, Record& r, const PassLimits& limits);

// The change of TZ3 for the heat ratio QG/QK (0 when converged): gas or
// water in the tubes, Vc the condensing stream's normal flow, Nm3/h.
float condensingStep(float QG, float QK, bool waterInTubes, float Vc);

}  // namespace cfhx::calc
