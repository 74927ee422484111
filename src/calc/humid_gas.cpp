#include "calc/humid_gas.h"

#include <cmath>

#include "calc/numeric_guard.h"

namespace cfhx::calc {
float saturationPressure(float T) {
    // Antoine-type fit in mmHg, converted to kgf/cm2.
    float lnP = 18.5815f - checkedDiv(3987.1f, T + 233.7f, "T+233.7");
    return checkedExp(lnP, "Pvs") * kPressure / 760.0f;
}

float saturatedHumidity(float T, float M) {
    float p = saturationPressure(T);
    return checkedDiv(M * p, kPressure - p, "1.033-Pvs");
}

float moleFraction(float X, float M) { return checkedDiv(X, X + M, "X+M"); }

float humidityFromMoleFraction(float V, float M) { return checkedDiv(M * V, 1.0f - V, "1-V"); }

float waterPartialPressure(float X, float M) { return checkedDiv(kPressure * X, M + X, "M+X"); }

float dewPoint(float Pw) { return checkedDiv(3795.53f, 11.6693f - checkedLog(Pw, "Pw"), "11.6693-lnPw") - 226.18f; }

float dryMolecularWeight(const float dry[kComponents]) {
    float sum = dry[kCO2] + dry[kO2] + dry[kN2];
    return checkedDiv(44.0f * dry[kCO2] + 28.0f * dry[kN2] + 32.0f * dry[kO2], sum, "CO2+O2+N2");
}

float waterWeightRatio(const float dry[kComponents], float waterWeight) {
    return checkedDiv(waterWeight, dryMolecularWeight(dry), "MW");
}

float dryGasSpecificHeat(const float dry[kComponents]) {
    float heat = 0.3907f * dry[kCO2] + 0.311f * dry[kN2] + 0.313f * dry[kO2];
    float mass = 1.963f * dry[kCO2] + 1.25f * dry[kN2] + 1.429f * dry[kO2];
    return checkedDiv(heat, mass, "Cpg");
}

float saturatedEnthalpy(float T, float X, float Cpg) {
    return checkedFinite(Cpg * T + (597.3f + 0.441f * T) * X, "Hsat");
}

void wetFromDry(const float dry[kComponents], float waterPercent, float wet[kComponents]) {
    float keep = 1.0f - waterPercent / 100.0f;
    for (Component c : {kCO2, kN2, kO2}) wet[c] = checkedFinite(dry[c] * keep, "wet fraction");
    wet[kH2O] = waterPercent;
}

void dryFromWet(const float wet[kComponents], float dry[kComponents]) {
    float sum = wet[kCO2] + wet[kO2] + wet[kN2];
    for (Component c : {kCO2, kN2, kO2}) dry[c] = wet[c] + checkedDiv(wet[c], sum, "CO2+O2+N2") * wet[kH2O];
    dry[kH2O] = 0.0f;
}

float normalDensity(const float wet[kComponents]) {
    float d = 0.0f;
    for (int c = 0; c < kComponents; ++c)
        if (wet[c] != 0.0f) d += kNormalDensity[c] * wet[c];
    return checkedFinite(d, "normal density");
}

float enthalpyLowerLimit(float T0) {
    if (T0 < 0.0f) return kMinSaturatedEnthalpy;
    float h = saturatedEnthalpy(T0, saturatedHumidity(T0, kAirRatio), 0.24f);
    return h < kMinSaturatedEnthalpy ? kMinSaturatedEnthalpy : h;
}

float saturationTemperatureFromEnthalpy(float H2, const EnthalpyTrace& trace) {
    float T = 30.0f;
    for (int pass = 1; pass <= kEnthalpyPassLimit; ++pass) {
        float p = saturationPressure(T);
        float X = checkedDiv(kAirRatio * p, kPressure - p, "1.033-PG");
        float Tx = checkedDiv(H2 - 597.5f * X, 0.24f + 0.441f * X, "0.24+0.441X");
        if (trace) trace({.pass = pass, .T = T, .Tx = Tx, .X = X, .p = p});
        float gap = std::fabs(Tx - T);
        if (gap <= 0.1f) return T;
        float step;
        if (gap > 2.0f) {
            // Always towards Tx: read literally the step turns away from a
            // negative Tx and the iteration never ends.
            step = T < Tx ? checkedDiv(0.05f * Tx, T, "T") : checkedDiv(0.05f * T, Tx, "Tx");
            step = std::fabs(step);
        } else {
            step = 0.00051f;
        }
        T += T < Tx ? step : -step;
    }
    stopCalculation(StopCause::NoConvergence);
}

}  // namespace cfhx::calc
