// Tube-side and shell-side pressure losses in kgf/cm2 (Pt, Ps), shown in
// mmAq (DPt, DPs = ·10000), and their report lines.
#pragma once

#include "calc/record.h"

namespace cfhx {
struct App;
}

namespace cfhx::calc {

// Fanning friction factor of a plain tube: f from Ret.
void tubeFriction(App& app, Record& r);
// Plain tube with f of the last tubeFriction.
void tubeLossPlain(App& app, Record& r);
// Twisted tape; in sizing Re* counts as 0.
void tubeLossTape(App& app, Record& r, Phase phase);

void radialFinShellLoss(App& app, Record& r);
void plateFinShellLoss(App& app, Record& r);  // De, Gf from plateFinShell
void bareBankShellLoss(App& app, Record& r);  // also Cbank
void shellLoss(App& app, Record& r, TubeKind kind);

// Bank coefficient C of the bare-tube table.
float bareBankCoefficient(float Res, float PHX, float PVY, bool square);

// Report lines. Sizing: 20 mmAq lines (gas in the tubes prints the tube line
// only above 20). Rating: 50 mmAq lines, warnings first. Loss step A: the
// shell line.
void reportSizingLosses(App& app, Record& r, bool waterInTubes);
void reportRatingLosses(App& app, Record& r);
void reportShellLossStepA(App& app, Record& r);

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
