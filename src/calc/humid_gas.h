// Humid-gas arithmetic at the total pressure of 1.033 kgf/cm2: saturation
// pressure, humidities, dew point, enthalpy and normal density of a mixture
// of CO2, N2, O2 and H2O (fractions of 1 in Component order).
#pragma once

#include "calc/record.h"

namespace cfhx {
struct App;
}

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

float saturationPressure(App& app, float T);                    // Pvs, kgf/cm2
float saturatedHumidity(App& app, float T, float M);            // Xsat, kg/kg
float moleFraction(App& app, float X, float M);                 // V from X
float humidityFromMoleFraction(App& app, float V, float M);     // X from V
float waterPartialPressure(App& app, float X, float M);         // Pw, kgf/cm2
float dewPoint(App& app, float Pw);                             // Tdew, °C
float dryMolecularWeight(App& app, const float dry[kComponents]);
// M = waterWeight / MW (18, or 18.0153 after a shell composition).
float waterWeightRatio(App& app, const float dry[kComponents], float waterWeight = 18.0f);
float dryGasSpecificHeat(App& app, const float dry[kComponents]);  // Cpg, kcal/kgK
float saturatedEnthalpy(App& app, float T, float X, float Cpg);     // Hsat, kcal/kg dry gas
// Wet vol.% of CO2, N2, O2 from the dry base and the water vol.%.
void wetFromDry(App& app, const float dry[kComponents], float waterPercent, float wet[kComponents]);
// Dry fractions of CO2, N2, O2 from wet fractions.
void dryFromWet(App& app, const float wet[kComponents], float dry[kComponents]);
float normalDensity(App& app, const float wet[kComponents]);  // kg/Nm3

// Lowest saturated enthalpy accepted at the limit temperature T0.
float enthalpyLowerLimit(App& app, float T0);

// Saturation temperature whose saturated enthalpy is H2 (kcal/kg), by the
// stepping iteration from 30 °C with its trace in the pane (temperatures
// shown in K when `kelvin`). Stops with the loop-limit message after 5000
// passes.
float saturationTemperatureFromEnthalpy(App& app, float H2, bool kelvin);
inline constexpr int kEnthalpyPassLimit = 5000;

}  // namespace cfhx::calc
