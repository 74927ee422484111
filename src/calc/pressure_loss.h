// Tube-side and shell-side pressure losses in kgf/cm2 (Pt, Ps) and in mmAq
// (DPt, DPs = ·10000), from the friction factors f (tube) and fs (shell).
#pragma once

#include "calc/record.h"

namespace cfhx::calc {

// Fanning friction factor of a plain tube: f from Ret.
void tubeFriction(Record& r);
// Plain tube with f of the last tubeFriction.
void tubeLossPlain(Record& r);
// Twisted tape; in sizing Re* counts as 0.
void tubeLossTape(Record& r, Phase phase);

void radialFinShellLoss(Record& r);
void plateFinShellLoss(Record& r);  // De, Gf from plateFinShell
void bareBankShellLoss(Record& r);  // also Cbank
void shellLoss(Record& r, TubeKind kind);

// Bank coefficient C of the bare-tube table.
float bareBankCoefficient(float Res, float PHX, float PVY, bool square);

// The tube loss of the pass: the tape form with a tape fitted, otherwise
// the friction factor from Ret and the plain form.
void tubeLoss(Record& r, Phase phase);

}  // namespace cfhx::calc
