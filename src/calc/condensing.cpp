#include "calc/condensing.h"

#include <cmath>

#include "app/app.h"
#include "app/codes.h"
#include "app/mask.h"
#include "calc/humid_gas.h"
#include "calc/mean_temperature.h"
#include "calc/numeric_guard.h"
#include "calc/rating.h"
#include "calc/rating_texts.h"
#include "calc/stage.h"
#include "calc/units.h"

namespace cfhx::calc {
namespace {

namespace T = condensing_texts;

// Enthalpy of the humid gas, kcal/kg dry gas: dry gas Cp·T plus the vapour.
float humidEnthalpy(float Cp, float T, float X) { return Cp * T + (597.3f + 0.441f * T) * X; }

// Normal density of the water vapour in a gas of vapour fraction V, kg/Nm3.
float vapourDensity(float V) { return kNormalDensity[kH2O] * V; }

// Humid volume: kg dry gas per m3 at T.
float humidDensity(App& app, float M, float X, float T) {
    return checkedDiv(1.0f, 0.4555f * (M + X) * (kKelvin + T) / 100.0f, "humid volume");
}

struct StepBand {
    float above;  // QG/QK above this (or below `below`)
    float gas, water;
};
constexpr StepBand kRise[] = {{1.5f, 0.005f, 0.5f}, {1.01f, 0.003f, 0.3f}, {1.005f, 0.002f, 0.2f}, {1.001f, 0.0001f, 0.1f}};
constexpr StepBand kFall[] = {{0.5f, 0.005f, 0.5f}, {0.99f, 0.003f, 0.3f}, {0.995f, 0.002f, 0.2f}, {0.999f, 0.0001f, 0.1f}};

// Rows and columns of the progress screen.
enum Screen { kLimitRow = 7, kRightColumn = 32, kBoxRow = 8, kRatioRow = 12, kDensityRow = 17 };

void progressScreen(App& app, const Record& r, float TZ3, bool waterInTubes, const PassLimits& limits) {
    Pane& p = app.pane;
    p.printAt(kLimitRow, kRightColumn, formatMasked(T::kLimitCounter, {r.LIMIT}));
    if (r.LIMIT > limits.condensingWarning) p.printAt(4, 1, T::kLimitWarning);
    if (r.LIMIT > limits.condensingClosing) p.printAt(5, 1, T::kLimitClosing);
    p.printAt(kRatioRow, 0, T::kRatioHeader);
    p.printAt(kRatioRow + 1, 0, line(T::kKc, r.Kc));
    p.printAt(kRatioRow + 2, 0, line(T::kKx, r.Kx));
    p.printAt(kRatioRow + 3, 0, formatMasked(T::kKcKx, {r.Kx != 0.0f ? r.Kc / r.Kx : 0.0f}));
    const std::string_view box[] = {T::kBoxTop, T::kBoxTitle, T::kBoxBottom, T::kExchanged};
    int row = kBoxRow;
    for (std::string_view line : box) p.printAt(row++, kRightColumn, line);
    p.printAt(row++, kRightColumn, line(T::kQG, r.QG));
    p.printAt(row++, kRightColumn, line(T::kQK, r.QK));
    p.printAt(row++, kRightColumn, formatMasked(T::kQGQK, {r.QK != 0.0f ? r.QG / r.QK : 0.0f}));
    p.printAt(row++, kRightColumn, T::kRule);
    p.printAt(row++, kRightColumn, T::kOutletTitle);
    p.printAt(row++, kRightColumn, line(T::kTZ3, TZ3));
    p.printAt(row++, kRightColumn, line(T::kTZ3X, r.TZ3X));
    p.printAt(row++, kRightColumn, formatMasked(T::kTZ3Ratio, {r.TZ3X != 0.0f ? TZ3 / r.TZ3X : 0.0f}));
    p.printAt(row, kRightColumn, T::kRule);
    p.printAt(kDensityRow, 0, T::kDensityTitle);
    p.printAt(kDensityRow + 1, 0, line(T::kShellDensity, r.Dns));
    if (!waterInTubes) p.printAt(kDensityRow + 2, 0, line(T::kTubeDensity, r.Dn));
}

}  // namespace

float condensingStep(float QG, float QK, bool waterInTubes, float Vc) {
    const float ratio = QG / QK;
    const float scale = waterInTubes ? 1.0f : 5000.0f / Vc;
    for (const StepBand& b : kRise) {
        if (ratio > b.above) {
            const float c = waterInTubes ? b.water : b.gas;
            return c * (std::fabs(QG - QK) / QG) * std::log(QG) / 2.3f * scale;
        }
    }
    for (const StepBand& b : kFall) {
        if (ratio < b.above) {
            const float c = waterInTubes ? b.water : b.gas;
            return -c * (std::fabs(QG - QK) / QK) * std::log(QK) / 2.3f * scale;
        }
    }
    return 0.0f;
}

void condensingOutlet(App& app, Record& r, const PassLimits& limits) {
    const bool shell = r.flags.sHUM == Hum::Shell;
    const bool water = r.flags.sTF == TubeMethod::Water;
    const float Ts = shell ? r.Tsi : r.Tti;
    const float M = shell ? r.MS : r.MT;
    const float Vc = shell ? r.Vs : r.Vt;
    const float Dnc = shell ? r.Dns : r.Dn;
    const float vapour = vapourDensity(shell ? r.Vxa : r.VH);
    r.Xin = shell ? r.XA : r.XG;
    r.HsatIn = humidEnthalpy(0.24f, Ts, r.Xin);
    r.PvsIn = std::fabs(saturationPressure(Ts));
    r.DHin = humidDensity(app, M, r.Xin, Ts);
    const float Cpg = dryGasSpecificHeat(shell ? r.shellDry : r.tubeDry);
    // Dry gas of the condensing stream, kg/h.
    const float Gd = Vc * (Dnc - vapour);
    const bool parallel = r.flags.sFLOW == Flow::Parallel;

    float TZ3 = Ts;
    for (;;) {
        const float Pvs = std::fabs(saturationPressure(TZ3));
        r.Xout = checkedDiv(M * Pvs, kPressure - Pvs, "1.033-Pvs(TZ3)");
        r.HsatOut = humidEnthalpy(Cpg, TZ3, r.Xout);
        r.PvsOut = Pvs;
        r.Wc = checkedFinite(Gd * (r.Xin - r.Xout), "Wc");
        r.Wm = checkedFinite(Gd * r.Xin, "Wm");
        r.QG = checkedFinite((r.HsatIn - r.HsatOut) * Gd, "QG");

        float cin, cout;  // the other, cold stream
        if (shell) {
            const float rate = water ? r.Ct * r.Wt * 1000.0f : r.Ct * r.Vt * r.Dn;
            r.Tto = r.Tti + checkedDiv(r.QG, rate, "Ct*Vt");
            r.TAM = (TZ3 + Ts) / 2.0f;
            r.TGM = (r.Tti + r.Tto) / 2.0f;
            cin = r.Tti;
            cout = r.Tto;
        } else {
            r.Tso = r.Tsi + checkedDiv(r.QG, r.Dns * r.Cs * r.Vs, "Dns*Cs*Vs");
            r.TAM = (r.Tsi + r.Tso) / 2.0f;
            r.TGM = (TZ3 + Ts) / 2.0f;
            cin = r.Tsi;
            cout = r.Tso;
        }
        // The condensing gas is the hot stream: Ts in, TZ3 out.
        r.LMTD = lmtd(Ts, TZ3, cin, cout, parallel);
        evaluateProperties(app, r);
        r.QK = checkedFinite(r.Ai * r.KI * r.LMTD * r.FF, "QK");
        checkedPositive(r.QK, "QK");  // its logarithm steps TZ3

        const float step = condensingStep(r.QG, r.QK, water, Vc);
        if (step == 0.0f) break;
        TZ3 = std::fabs(checkedFinite(TZ3 + step, "TZ3"));
        r.LIMIT += 0.5f;
        ++r.passes.condensing;
        progressScreen(app, r, TZ3, water, limits);
        if (r.LIMIT > limits.condensingStop) stopCalculation(rating_texts::kNoConvergence);
        const float otherOut = shell ? r.Tto : r.Tso;
        if (otherOut >= Ts) {
            app.pane.clear();
            app.pane.print(T::kImplausible1);
            app.pane.print(T::kImplausible2);
        }
    }

    r.LIMIT = 0.0f;
    r.TZ3 = TZ3;
    if (shell) {
        r.Tso = TZ3;
    } else {
        r.Tto = TZ3;
    }
    r.DHout = humidDensity(app, M, r.Xout, TZ3);
    r.Kx = r.Kc;
    r.VNo = Vc - checkedDiv(r.Wc, Dnc, "normal density");
    r.VAo = r.VNo * (kKelvin + (TZ3 + r.Twav) / 2.0f) / kKelvin;
}

}  // namespace cfhx::calc
