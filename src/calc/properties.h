// Physical properties of the two fluids at their property temperatures:
// gas mixtures of CO2, N2, O2 and H2O by a mass-weighted mixing rule of
// component polynomials, and water. Units: kg/m3, kcal/kg°C, kg/mh, m2/h,
// kcal/mh°C. With typed-in properties every routine returns at once.
#pragma once

#include "calc/notes.h"
#include "calc/record.h"

namespace cfhx::calc {

enum class GasProperty { Cp = 0, Viscosity = 1, Conductivity = 2 };

// Component polynomial at T (°C); false when T lies below the component's
// lowest range (the value is then not touched).
bool componentProperty(GasProperty p, Component c, float T, float& value);

// Which component values a mixture evaluation kept from the previous one:
// bit 4·property + component.
using KeptMask = unsigned;
inline bool kept(KeptMask m, GasProperty p, Component c) { return (m >> (4 * int(p) + int(c))) & 1u; }

struct GasMixture {
    float DN;      // normal density, kg/Nm3
    float D;       // density at T, kg/m3
    float cp;      // kcal/kg°C
    float VI;      // kinematic viscosity, m2/h
    float lambda;  // kcal/mh°C
    KeptMask kept;
};

// The mixing rule at T for wet fractions `x`; component values below their
// ranges come from (and new values go to) `memory`.
GasMixture gasMixture(const float x[kComponents], float T, ComponentMemory& memory);

struct GasEvaluation {
    KeptMask bulk = 0;  // at the property temperature
    KeptMask wall = 0;  // at the wall temperature
};

// Shell gas: wall and film temperatures, then Ds, Cs, VIs, Ks, As, Pb at
// TAMAV, DsN, and Pbw at Twav. TAM must be set.
GasEvaluation shellGasProperties(Record& r);
// Tube gas: wall and film temperatures, then Dt, Ct, VIt, Kt, Prt at
// TGMAV, DtN, and Pvis at Twav. TGM must be set.
GasEvaluation tubeGasProperties(Record& r);

// Water in the tubes at the film temperature (TGM + Twav)/2, with a note for
// each quantity out of range (below 0 °C the previous Ct and VIt stand);
// also Prt, Pvis and the volume flow Vt = 1000·Wt/Dt (m3/h from t/h).
void waterProperties(Record& r, Notes& notes);

// Water polynomials at the film temperature T (no range handling).
float waterDensity(float T);
float waterViscosity(float T);     // dynamic, kg/mh; T ≥ 0
float waterSpecificHeat(float T);  // T ≥ 0
float waterConductivity(float T);

}  // namespace cfhx::calc
