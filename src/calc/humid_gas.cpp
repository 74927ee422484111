#include "calc/humid_gas.h"

#include <cmath>
#include <string>

#include "app/app.h"
#include "app/mask.h"
#include "calc/numeric_guard.h"

namespace cfhx::calc {

float saturationPressure(App& app, float T) {
    // Antoine-type fit in mmHg, converted to kgf/cm2.
    float lnP = 18.5815f - checkedDiv(app, 3987.1f, T + 233.7f, "T+233.7");
    return checkedExp(app, lnP, "Pvs") * kPressure / 760.0f;
}

float saturatedHumidity(App& app, float T, float M) {
    float p = saturationPressure(app, T);
    return checkedDiv(app, M * p, kPressure - p, "1.033-Pvs");
}

float moleFraction(App& app, float X, float M) { return checkedDiv(app, X, X + M, "X+M"); }

float humidityFromMoleFraction(App& app, float V, float M) { return checkedDiv(app, M * V, 1.0f - V, "1-V"); }

float waterPartialPressure(App& app, float X, float M) { return checkedDiv(app, kPressure * X, M + X, "M+X"); }

float dewPoint(App& app, float Pw) {
    return checkedDiv(app, 3795.53f, 11.6693f - checkedLog(app, Pw, "Pw"), "11.6693-lnPw") - 226.18f;
}

float dryMolecularWeight(App& app, const float dry[kComponents]) {
    float sum = dry[kCO2] + dry[kO2] + dry[kN2];
    return checkedDiv(app, 44.0f * dry[kCO2] + 28.0f * dry[kN2] + 32.0f * dry[kO2], sum, "CO2+O2+N2");
}

float waterWeightRatio(App& app, const float dry[kComponents], float waterWeight) {
    return checkedDiv(app, waterWeight, dryMolecularWeight(app, dry), "MW");
}

float dryGasSpecificHeat(App& app, const float dry[kComponents]) {
    float heat = 0.3907f * dry[kCO2] + 0.311f * dry[kN2] + 0.313f * dry[kO2];
    float mass = 1.963f * dry[kCO2] + 1.25f * dry[kN2] + 1.429f * dry[kO2];
    return checkedDiv(app, heat, mass, "Cpg");
}

float saturatedEnthalpy(App& app, float T, float X, float Cpg) {
    return checkedFinite(app, Cpg * T + (597.3f + 0.441f * T) * X, "Hsat");
}

void wetFromDry(App& app, const float dry[kComponents], float waterPercent, float wet[kComponents]) {
    float keep = 1.0f - waterPercent / 100.0f;
    for (Component c : {kCO2, kN2, kO2}) wet[c] = checkedFinite(app, dry[c] * keep, "wet fraction");
    wet[kH2O] = waterPercent;
}

void dryFromWet(App& app, const float wet[kComponents], float dry[kComponents]) {
    float sum = wet[kCO2] + wet[kO2] + wet[kN2];
    for (Component c : {kCO2, kN2, kO2}) dry[c] = wet[c] + checkedDiv(app, wet[c], sum, "CO2+O2+N2") * wet[kH2O];
    dry[kH2O] = 0.0f;
}

float normalDensity(App& app, const float wet[kComponents]) {
    float d = 0.0f;
    for (int c = 0; c < kComponents; ++c)
        if (wet[c] != 0.0f) d += kNormalDensity[c] * wet[c];
    return checkedFinite(app, d, "normal density");
}

float enthalpyLowerLimit(App& app, float T0) {
    if (T0 < 0.0f) return kMinSaturatedEnthalpy;
    float h = saturatedEnthalpy(app, T0, saturatedHumidity(app, T0, kAirRatio), 0.24f);
    return h < kMinSaturatedEnthalpy ? kMinSaturatedEnthalpy : h;
}

namespace {

void traceEnthalpyPass(App& app, int pass, float T, float Tx, float X, float p, bool kelvin) {
    const float shift = kelvin ? 273.0f : 0.0f;
    Pane& pane = app.pane;
    pane.printAt(6, 10, "[ determination of inlet temp.]");
    pane.printAt(7, 10, "LOOP=" + std::to_string(pass) + "/5000");
    pane.printAt(8, 10, formatMasked("Tsi     =###.## ℃", {T + shift}));
    pane.printAt(9, 10, formatMasked("Tsx     =###.## ℃", {Tx + shift}));
    pane.printAt(10, 10, formatMasked("Tsi/Tsx =#.####", {Tx != 0.0f ? T / Tx : 0.0}));
    pane.printAt(11, 10, formatMasked("PX    =#.#### kg/cm2", {X}));
    pane.printAt(12, 10, formatMasked("PG    =#.#### kg/cm2", {p}));
}

}  // namespace

float saturationTemperatureFromEnthalpy(App& app, float H2, bool kelvin) {
    float T = 30.0f;
    for (int pass = 1; pass <= kEnthalpyPassLimit; ++pass) {
        float p = saturationPressure(app, T);
        float X = checkedDiv(app, kAirRatio * p, kPressure - p, "1.033-PG");
        float Tx = checkedDiv(app, H2 - 597.5f * X, 0.24f + 0.441f * X, "0.24+0.441X");
        traceEnthalpyPass(app, pass, T, Tx, X, p, kelvin);
        float gap = std::fabs(Tx - T);
        if (gap <= 0.1f) {
            app.pane.clear();
            return T;
        }
        float step;
        if (gap > 2.0f) {
            // Always towards Tx: read literally the step turns away from a
            // negative Tx and the iteration never ends.
            step = T < Tx ? checkedDiv(app, 0.05f * Tx, T, "T") : checkedDiv(app, 0.05f * T, Tx, "Tx");
            step = std::fabs(step);
        } else {
            step = 0.00051f;
        }
        T += T < Tx ? step : -step;
    }
    stopCalculation(app, "   @@@  収束不可のため終了します。@@");
}

}  // namespace cfhx::calc
