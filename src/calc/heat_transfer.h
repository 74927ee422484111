// Film coefficients, fin efficiency, areas and the overall coefficient, in
// kcal, m, h and °C; velocities in m/s (hence the seconds per hour in every
// Reynolds number). The routines taking the record read it and write their
// results into it.
#pragma once

#include "app/codes.h"
#include "calc/notes.h"
#include "calc/record.h"

namespace cfhx::calc {

// Geometry.
// Row-number correction of a bank by the rows the gas crosses (Frow, Cz).
float rowFactor(float Nh, bool triangular);
// Hydraulic diameter of a tube of inner diameter DI holding a tape TTh thick.
float tapedHydraulicDiameter(float DI, float TTh);
// Fin height of the circular fin equivalent to a plate fin on pitches Pv, Ph.
float plateFinEquivalentHeight(float Pv, float Ph, float DO);
// FS (gap between fins) and Df (fin outer diameter).
void finGeometry(Record& r);
// Tape transition Reynolds number Re* for the tube DI and full twist TTP2.
float transitionReynolds(float DI, float TTP2);

// Given coefficients (HtcMode 2 and 4 for the tube, 3 and 4 for the shell)
// replace every computed Ht or Hs.
inline bool tubeCoefficientGiven(const Record& r) {
    return r.HtcMode == codeOf(HtcMode::TubeGiven) || r.HtcMode == codeOf(HtcMode::BothGiven);
}
inline bool shellCoefficientGiven(const Record& r) {
    return r.HtcMode == codeOf(HtcMode::ShellGiven) || r.HtcMode == codeOf(HtcMode::BothGiven);
}

// Shell side.
void shellVelocity(Record& r, TubeKind kind);  // UM, Res from Vsa
void radialFinShell(Record& r);
void plateFinShell(Record& r);  // also De and Gf
// Hand-entered tube fluid (kind 4) in the rating phase switches the bank
// form. A square bank with PVY/PHX below 0.7 leaves a note asking for more.
void bareBankShell(Record& r, Phase phase, Notes& notes);
// The branch of the tube kind, then the given value of HtcMode 3 and 4.
void shellCoefficient(Record& r, TubeKind kind, Phase phase, Notes& notes);

// Tube side.
// Prt = Ct·Dt·VIt/Kt of the tube properties in use, computed or typed in.
float tubePrandtl(const Record& r);
void tubeVelocity(Record& r);  // VW, Ret (and Dh, RetT with a tape) from Vta
void tubeSensible(Record& r, Phase phase);
// Wall and film temperatures first, then Re* and the form on its side of it
// (in sizing the turbulent form throughout).
void tubeTwistedTape(Record& r, Phase phase);
// Film condensation inside the tubes: the areas, TGM = Tti, TAM the shell
// mean, the wall at Ao, then Ht.
void tubeCondensation(Record& r, TubeKind kind);
// Nucleate boiling plus convection: Aeff (and Ao for bare tubes), Ht from
// the wall of the previous pass, then TGM = Tti, TAM the shell mean and the
// wall at Ao.
void tubeEvaporation(Record& r, TubeKind kind);
enum class TubeRegime { Sensible, Condensation, Evaporation };
// Sensible or taped form, the phase-change form replacing it, then the given
// value of HtcMode 2 and 4.
void tubeCoefficient(Record& r, Phase phase, TubeRegime regime);
// Psat and SIGt as entered (MPa and N/m when `si`) into kgf/cm2 and kgf/m.
void takeEvaporationInputs(Record& r, float Psat, float SIGt, bool si);

// Surfaces.
void finEfficiency(Record& r);         // mL, and Fe = (tanh(mL)/mL)^FeExp from Hs
void areas(Record& r, TubeKind kind);  // Ai, AR, Aeff, Ao; finned also Afin, AfinE
// Twav, TGMAV, TAMAV and the kelvin temperatures, with `outerArea` on the
// shell side (Aeff, or Ao for the phase-change forms).
void wallAndFilmTemperatures(Record& r, float outerArea);

enum class HumidSide { Shell, Tube };
// Enhancement Kc of a wetted surface at gas temperature Tg and wall Tw (M the
// side's molecular-weight ratio); applied to Hs or Ht with the film Dcf,
// then the given value of that side, if any.
void wetEnhancement(Record& r, HumidSide side, float Tg, float Tw, float M);

// Hti, Hso and KI on the inner area with CFt, CFs, the fouling Rt, Rs and
// the tube wall; KO on the outer area (KO·Ao = KI·Ai).
void overallCoefficient(Record& r);

}  // namespace cfhx::calc
