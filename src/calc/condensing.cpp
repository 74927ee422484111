#include "calc/condensing.h"

#include <cmath>
#include <limits>

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

namespace tx = condensing_texts;

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
// The gas column's last band takes 0.001, a tenth of the band before it as
// in the water column: with 0.0001 the step falls below a float's
// resolution at the outlet temperatures and the iteration stands still.
constexpr StepBand kRise[] = {{1.5f, 0.005f, 0.5f}, {1.01f, 0.003f, 0.3f}, {1.005f, 0.002f, 0.2f}, {1.001f, 0.001f, 0.1f}};
constexpr StepBand kFall[] = {{0.5f, 0.005f, 0.5f}, {0.99f, 0.003f, 0.3f}, {0.995f, 0.002f, 0.2f}, {0.999f, 0.001f, 0.1f}};

// The heat ratio QG/QK a pinched outlet may keep off 1.
constexpr float kPinchedBalance = 0.01f;

// Band steps in a row one way after which the secant may lengthen them.
constexpr int kCrawlingSteps = 500;

// Halvings of a step that would carry an outlet past the other stream's inlet.
constexpr int kMaxHalvings = 40;

// Rows and columns of the progress screen.
enum Screen { kLimitRow = 7, kRightColumn = 32, kBoxRow = 8, kRatioRow = 12, kDensityRow = 17 };

void progressScreen(App& app, const Record& r, float TZ3, bool waterInTubes, const PassLimits& limits) {
    const tx::CondensingTexts& T = tx::condensingTexts(app.language);
    Pane& p = app.pane;
    // Written on every pass: held by the pane and formatted when seen.
    auto text = [&p](int row, int col, std::string_view t) { p.traceAt(row, col, TraceText::text(t)); };
    auto value = [&p](int row, int col, std::string_view label, double v) {
        p.traceAt(row, col, TraceText::free(label), {v});
    };
    auto masked = [&p](int row, int col, std::string_view format, double v) {
        p.traceAt(row, col, TraceText::mask(format), {v});
    };
    masked(kLimitRow, kRightColumn, tx::kLimitCounter, r.LIMIT);
    if (r.LIMIT > limits.condensingWarning) text(4, 1, tx::kLimitWarning);
    if (r.LIMIT > limits.condensingClosing) text(5, 1, tx::kLimitClosing);
    text(kRatioRow, 0, tx::kRatioHeader);
    value(kRatioRow + 1, 0, tx::kKc, r.Kc);
    value(kRatioRow + 2, 0, tx::kKx, r.Kx);
    masked(kRatioRow + 3, 0, tx::kKcKx, r.Kx != 0.0f ? r.Kc / r.Kx : 0.0f);
    const std::string_view box[] = {T.boxTop, T.boxTitle, T.boxBottom, tx::kExchanged};
    int row = kBoxRow;
    for (std::string_view line : box) text(row++, kRightColumn, line);
    value(row++, kRightColumn, tx::kQG, r.QG);
    value(row++, kRightColumn, tx::kQK, r.QK);
    masked(row++, kRightColumn, tx::kQGQK, r.QK != 0.0f ? r.QG / r.QK : 0.0f);
    text(row++, kRightColumn, T.rule);
    text(row++, kRightColumn, tx::kOutletTitle);
    value(row++, kRightColumn, T.tz3, TZ3);
    value(row++, kRightColumn, T.tz3x, r.TZ3X);
    masked(row++, kRightColumn, tx::kTZ3Ratio, r.TZ3X != 0.0f ? TZ3 / r.TZ3X : 0.0f);
    text(row, kRightColumn, T.rule);
    text(kDensityRow, 0, tx::kDensityTitle);
    value(kDensityRow + 1, 0, tx::kShellDensity, r.Dns);
    if (!waterInTubes) value(kDensityRow + 2, 0, tx::kTubeDensity, r.Dn);
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
    // The other stream is the cold one: it enters at cin.
    const float cin = shell ? r.Tti : r.Tsi;
    auto coldRate = [&] {
        if (!shell) return r.Dns * r.Cs * r.Vs;
        return water ? r.Ct * r.Wt * 1000.0f : r.Ct * r.Vt * r.Dn;
    };
    // Outlet humidity and the heat the gas gives up when it leaves at T.
    auto gasHeat = [&](float T, float& Xout) {
        const float Pvs = std::fabs(saturationPressure(T));
        Xout = checkedDiv(M * Pvs, kPressure - Pvs, "1.033-Pvs(TZ3)");
        return (r.HsatIn - humidEnthalpy(Cpg, T, Xout)) * Gd;
    };
    // Both end differences of the bundle stay positive with the gas leaving
    // at T: no outlet passes the other stream's inlet.
    auto sound = [&](float T) {
        if (!(T <= Ts)) return false;
        float X;
        const float cout = cin + checkedDiv(gasHeat(T, X), coldRate(), "cold capacity rate");
        const float hotEnd = parallel ? Ts - cin : Ts - cout;
        const float coldEnd = parallel ? T - cout : T - cin;
        return hotEnd > 0.0f && coldEnd > 0.0f;
    };
    // The outlets seen so far bracket the balance: below it the gas gives up
    // more than the bundle passes (the step rises), above it less.
    float below = -std::numeric_limits<float>::infinity(), above = Ts;
    // The next outlet. A step that vanishes in the float still moves TZ3 by
    // its last digit; one that would leave the bracket goes halfway to its
    // end instead (an end not yet seen is no end); within it the step halves
    // until the outlet it gives stays sound. The properties move the balance
    // from pass to pass: a bracket that closed to the float without holding
    // it is forgotten. An outlet the property changes left unsound goes back
    // halfway to the inlet.
    auto soundStep = [&](float T, float step) {
        if (!sound(T)) return (T + Ts) / 2.0f;
        (step > 0.0f ? below : above) = T;
        float next = std::fabs(checkedFinite(T + step, "TZ3"));
        if (next == T) next = std::nextafter(T, step > 0.0f ? Ts : cin);
        float& end = step > 0.0f ? above : below;
        if ((next <= below || next >= above) && std::isfinite(end)) {
            const float half = (T + end) / 2.0f;
            if (half != T && half != end) {
                next = half;
            } else if (std::fabs(r.QG / r.QK - 1.0f) < kPinchedBalance) {
                return T;  // pinched: the balance lies between two floats
            } else {
                end = step > 0.0f ? Ts : -std::numeric_limits<float>::infinity();
            }
        }
        for (int halvings = 0; halvings < kMaxHalvings && !sound(next); ++halvings) next = (T + next) / 2.0f;
        return sound(next) ? next : T;
    };
    // A gas no warmer than the other stream's inlet gives up no heat to it.
    if (!(Ts > cin)) stopCalculation(StopCause::NoConvergence);

    float TZ3 = Ts;
    float lastTZ3 = Ts, lastGap = 0.0f, lastStep = 0.0f;
    int sameWay = 0;  // band steps in a row that went the same way
    for (;;) {
        r.PvsOut = std::fabs(saturationPressure(TZ3));
        r.QG = checkedFinite(gasHeat(TZ3, r.Xout), "QG");
        r.HsatOut = humidEnthalpy(Cpg, TZ3, r.Xout);
        r.Wc = checkedFinite(Gd * (r.Xin - r.Xout), "Wc");
        r.Wm = checkedFinite(Gd * r.Xin, "Wm");

        const float cout = cin + checkedDiv(r.QG, coldRate(), "cold capacity rate");
        if (shell) {
            r.Tto = cout;
            r.TAM = (TZ3 + Ts) / 2.0f;
            r.TGM = (r.Tti + r.Tto) / 2.0f;
        } else {
            r.Tso = cout;
            r.TAM = (r.Tsi + r.Tso) / 2.0f;
            r.TGM = (TZ3 + Ts) / 2.0f;
        }
        // The condensing gas is the hot stream: Ts in, TZ3 out.
        r.LMTD = lmtd(Ts, TZ3, cin, cout, parallel);
        evaluateProperties(app, r);
        r.QK = checkedFinite(r.Ai * r.KI * r.LMTD * r.FF, "QK");
        checkedPositive(r.QK, "QK");  // its logarithm steps TZ3

        float step = condensingStep(r.QG, r.QK, water, Vc);
        if (step == 0.0f) break;
        // A long run of band steps one way crawls (the gas column's steps
        // shrink with the condensing flow): the secant of the last two
        // passes takes over where it reaches further the same way.
        const float gap = r.QG - r.QK;
        sameWay = (step > 0.0f) == (lastStep > 0.0f) ? sameWay + 1 : 0;
        if (sameWay >= kCrawlingSteps && gap != lastGap) {
            const float secant = -gap * (TZ3 - lastTZ3) / (gap - lastGap);
            if (std::isfinite(secant) && secant / step > 1.0f) step = secant;
        }
        lastStep = step;
        lastGap = gap;
        lastTZ3 = TZ3;
        const float next = soundStep(TZ3, step);
        // Pinched: no sound outlet the float can tell from this one lies
        // towards the balance, which is then as near as the bundle's ends
        // allow; taken when the heats agree within the outermost band.
        if (next == TZ3 && std::fabs(r.QG / r.QK - 1.0f) < kPinchedBalance) break;
        TZ3 = next;
        r.LIMIT += 0.5f;
        ++r.passes.condensing;
        progressScreen(app, r, TZ3, water, limits);
        if (r.LIMIT > limits.condensingStop) stopCalculation(StopCause::NoConvergence);
        const float otherOut = shell ? r.Tto : r.Tso;
        if (otherOut >= Ts) {
            const tx::CondensingTexts& texts = tx::condensingTexts(app.language);
            app.pane.clear();
            app.pane.print(texts.implausible1);
            app.pane.print(texts.implausible2);
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
