// The heat-balance check: the shell, tube and overall duties of the result
// compared, always in the old units.
#include <cmath>

#include "app/app.h"
#include "calc/humid_gas.h"
#include "report/heat_balance_texts.h"
#include "report/result_rows.h"
#include "report/results.h"

namespace cfhx::report {

using calc::Record;
namespace T = heat_balance_texts;

namespace {

constexpr int kLeadingLines = 9;
constexpr double kKgPerTonne = 1000.0;

// Dry-gas part of a normal density: the water vapour's share taken off,
// kg/Nm3 (water volume fraction of 1).
double dryNormalDensity(double normalDensity, double waterFraction) {
    return normalDensity - calc::kNormalDensity[calc::kH2O] * waterFraction;
}

}  // namespace

HeatBalance heatBalance(const Record& record) {
    const Case c = caseOf(record);
    Record r = record;
    routeGaps(r, c);
    const double tubeSpan = std::fabs(double(r.Tti) - r.Tto);
    const double shellSpan = std::fabs(double(r.Tso) - r.Tsi);
    HeatBalance b;
    switch (c.latent) {
        case Case::LatentSide::Shell:
            b.Qk = double(r.KI) * r.Ai * r.LMTD * r.FF;
            b.Qs = (double(r.HsatIn) - r.HsatOut) * r.Vs * dryNormalDensity(r.DsN, r.Vxa);
            b.Qt = (c.water ? double(r.Vt) * r.Dt : double(r.Wt)) * r.Ct * tubeSpan;
            break;
        case Case::LatentSide::Tube:
            b.Qk = double(r.KI) * r.Ai * r.LMTD * r.FF;
            b.Qs = double(r.Vs) * r.DsN * r.Cs * shellSpan;
            b.Qt = (double(r.HsatIn) - r.HsatOut) * r.Vt * dryNormalDensity(r.DtN, r.VH);
            break;
        case Case::LatentSide::None:
            b.Qk = double(r.KI) * r.Ai * r.LMTD * r.Fthe;
            if (c.water) {
                b.Qs = double(r.Wsx) * r.Cs * shellSpan;
                b.Qt = double(r.Wtt) * kKgPerTonne * r.Ct * std::fabs(double(r.Tti) - r.T2X);
            } else {
                b.Qs = double(r.Vsa) * r.Ds * r.Cs * shellSpan;
                b.Qt = c.vapour ? double(r.Wc) * r.hfg : double(r.Vta) * r.Dt * r.Ct * tubeSpan;
            }
            break;
    }
    return b;
}

void showHeatBalanceCheck(App& app, Record& r) {
    const HeatBalance b = heatBalance(r);
    r.Qk = static_cast<float>(b.Qk);
    const Case c = caseOf(r);
    Pane& p = app.pane;
    p.clear();
    printEmptyLines(p, kLeadingLines);
    p.print(T::kCheck);
    p.print(T::kLegend);
    p.printMasked(T::kShellOverall, {ratioOrZero(b.Qs, b.Qk)});
    p.printMasked(T::kTubeOverall, {ratioOrZero(b.Qt, b.Qk)});
    const bool latentShellGasTubes = c.latent == Case::LatentSide::Shell && !c.water;
    p.printMasked(latentShellGasTubes ? T::kShellTubeLatentGas : T::kShellTube, {ratioOrZero(b.Qs, b.Qt)});
}

}  // namespace cfhx::report
