// Humid-gas arithmetic at the total pressure of 1.033 kgf/cm2: saturation
// pressure, humidities, dew point, enthalpy and normal density of a mixture
// of CO2, N2, O2 and H2O (fractions of 1 in Component order).
#pragma once

#include <functional>

#include "calc/record.h"

namespace cfhx::calc {

// Normal densities of the components, kg/Nm3.
inline constexpr float kNormalDensity[kComponents] = {1.9643f, 1.25f, 1.4286f, 0.8036f};

// Limits of the water content.
inline constexpr float kMinHumidity = 0.003772f;     // kg/kg
inline constexpr float kMinWaterContent = 0.6028f;   // vol.%
inline constexpr float kMaxHumidity = 17.06f;       // kg/kg
inline constexpr float kMaxWaterContent = 96.5f;    // vol.%
inline constexpr float kSaturationCeiling = 96.0f;  // vol.%, above 96 °C
// Lowest saturated enthalpy, kcal/kg (below 0 °C).
inline constexpr float kMinSaturatedEnthalpy = 2.253f;
// Molecular-weight ratio of water to standard air used by the enthalpy forms.
inline constexpr float kAirRatio = 0.622f;

float saturationPressure(float T);                 // Pvs, kgf/cm2
float saturatedHumidity(float T, float M);         // Xsat, kg/kg
float moleFraction(float X, float M);              // V from X
float humidityFromMoleFraction(float V, float M);  // X from V
float waterPartialPressure(float X, float M);      // Pw, kgf/cm2
float dewPoint(float Pw);                          // Tdew, °C
float dryMolecularWeight(const float dry[kComponents]);
// M = waterWeight / MW (18, or 18.0153 after a shell composition).
float waterWeightRatio(const float dry[kComponents], float waterWeight = 18.0f);
float dryGasSpecificHeat(const float dry[kComponents]);  // Cpg, kcal/kgK
float saturatedEnthalpy(float T, float X, float Cpg);    // Hsat, kcal/kg dry gas
// Wet fractions of CO2, N2, O2 from the dry base and the water vol.%;
// wet[kH2O] takes the vol.% as given.
void wetFromDry(const float dry[kComponents], float waterPercent, float wet[kComponents]);
// Dry fractions of CO2, N2, O2 from wet fractions.
void dryFromWet(const float wet[kComponents], float dry[kComponents]);
float normalDensity(const float wet[kComponents]);  // kg/Nm3

// Lowest saturated enthalpy accepted at the limit temperature T0: that of
// standard air saturated at T0 (cp 0.24), never below kMinSaturatedEnthalpy,
// which also stands for any T0 below 0 °C.
float enthalpyLowerLimit(float T0);

// One pass of the saturation-temperature iteration.
struct EnthalpyPass {
    int pass;  // 1 to kEnthalpyPassLimit
    float T;   // temperature tried, °C
    float Tx;  // temperature the saturated humidity at T implies, °C
    float X;   // saturated humidity at T, kg/kg
    float p;   // saturation pressure at T, kgf/cm2
};
using EnthalpyTrace = std::function<void(const EnthalpyPass&)>;
inline constexpr int kEnthalpyPassLimit = 5000;

// Saturation temperature (°C) of standard air whose saturated enthalpy is
// H2 (kcal/kg), by the stepping iteration from 30 °C; `trace` sees every
// pass before its convergence test. Stops with the loop-limit message after
// kEnthalpyPassLimit passes.
float saturationTemperatureFromEnthalpy(float H2, const EnthalpyTrace& trace = {});

}  // namespace cfhx::calc
