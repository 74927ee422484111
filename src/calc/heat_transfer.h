// Film coefficients, fin efficiency, areas and the overall coefficient, in
// kcal, m, h and °C; velocities in m/s (hence the 3600 in every Reynolds
// number). Each routine reads and writes the record.
#pragma once

#include "calc/record.h"

namespace cfhx {
struct App;
}

namespace cfhx::calc {

// Geometry.
// Row-number correction of a bank by the rows the gas crosses (Frow, Cz).
float rowFactor(float Nh, bool triangular);
// Hydraulic diameter of a tube of inner diameter DI holding a tape TTh thick.
float tapedHydraulicDiameter(App& app, float DI, float TTh);
// Fin height of the circular fin equivalent to a plate fin on pitches Pv, Ph.
float plateFinEquivalentHeight(App& app, float Pv, float Ph, float DO);
// FS (gap between fins) and Df (fin outer diameter).
void finGeometry(App& app, Record& r);
// Tape transition Reynolds number Re* for the tube DI and full twist TTP2.
float transitionReynolds(App& app, float DI, float TTP2);

// Given coefficients (HtcMode 2 and 4 for the tube, 3 and 4 for the shell)
// replace every computed Ht or Hs.
inline bool tubeCoefficientGiven(const Record& r) { return r.HtcMode == 2.0f || r.HtcMode == 4.0f; }
inline bool shellCoefficientGiven(const Record& r) { return r.HtcMode == 3.0f || r.HtcMode == 4.0f; }

// Shell side.
void shellVelocity(App& app, Record& r, TubeKind kind);  // UM, Res from Vsa
void radialFinShell(App& app, Record& r);
void plateFinShell(App& app, Record& r);  // also De and Gf
// Hand-entered tube fluid (kind 4) in the rating phase switches the bank form.
void bareBankShell(App& app, Record& r, Phase phase);
// The branch of the tube kind, then the given value of HtcMode 3 and 4.
void shellCoefficient(App& app, Record& r, TubeKind kind, Phase phase);

// Tube side.
// Prt = Ct·Dt·VIt/Kt of the tube properties in use, computed or typed in.
float tubePrandtl(App& app, const Record& r);
void tubeVelocity(App& app, Record& r);  // VW, Ret (and Dh, RetT with a tape) from Vta
void tubeSensible(App& app, Record& r, Phase phase);
void tubeTwistedTape(App& app, Record& r, Phase phase);
void tubeCondensation(App& app, Record& r, TubeKind kind);
void tubeEvaporation(App& app, Record& r, TubeKind kind);
enum class TubeRegime { Sensible, Condensation, Evaporation };
// Sensible or taped form, the phase-change form replacing it, then the given
// value of HtcMode 2 and 4.
void tubeCoefficient(App& app, Record& r, Phase phase, TubeRegime regime);
// Psat and SIGt as entered (MPa and N/m when `si`) into kgf/cm2 and kgf/m.
void takeEvaporationInputs(Record& r, float Psat, float SIGt, bool si);

// Surfaces.
void finEfficiency(App& app, Record& r);        // mL, Fe from Hs
void areas(App& app, Record& r, TubeKind kind);  // Afin, AfinE, AR, Ai, Aeff, Ao
// Twav, TGMAV, TAMAV and the kelvin temperatures, with `outerArea` on the
// shell side (Aeff, or Ao for the phase-change forms).
void wallAndFilmTemperatures(App& app, Record& r, float outerArea);

enum class HumidSide { Shell, Tube };
// Enhancement Kc of a wetted surface at gas temperature Tg and wall Tw (M the
// side's molecular-weight ratio); applied to Hs or Ht with the film Dcf,
// then the given value of that side, if any.
void wetEnhancement(App& app, Record& r, HumidSide side, float Tg, float Tw, float M);

// Hti, Hso, KI and KO with CFt, CFs and fouling.
void overallCoefficient(App& app, Record& r);

}  // namespace cfhx::calc
