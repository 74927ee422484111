#include "calc/record.h"

#include "app/codes.h"

namespace cfhx::calc {

void setStartValues(Record& r) {
    // Gas properties until the first evaluation.
    r.Ds = r.Dt = 1.293f;
    r.Cs = r.Ct = 0.24f;
    r.Vta = 10000.1f;
    r.Vsa = 10000.0f;
    r.TAMAV = r.TGMAV = 100.0f;
    r.TwK = r.TgK = 373.0f;

    // Coefficients and areas of the first pass.
    r.Ht = r.Hs = 50.0f;
    r.HsWet = 400.0f;
    r.HtWet = 5000.0f;
    r.Kx = 8.0f;
    r.Aeff = 100.0f;
    r.FeExp = 1.0f;
    r.AreaFactor = 1.0f;
    r.KL = 0.55f;
    r.CFt = r.CFs = 1.0f;

    // Iterates.
    r.FF = 1.0f;
    r.EFF = 0.8f;
    r.Es = 0.51f;
    r.Et = 0.52f;
    r.TZ3 = 50.01f;
    r.TZ3X = 21.1f;
    r.TX = 100.01f;
    r.TY = 100.1f;

    // Pressure losses.
    r.f = 0.04f;
    r.Cbank = 1.56f;
    r.LossFactorT = r.LossFactorS = 1.0f;

    // Standard air as the dry base of both sides.
    for (float* dry : {r.shellDry, r.tubeDry}) {
        dry[kCO2] = kAirCO2;
        dry[kN2] = kAirN2;
        dry[kO2] = kAirO2;
        dry[kH2O] = 0.0f;
    }
}

TubeKind tubeKind(const Record& r) {
    if (r.flags.finned != YesNo::Yes) return TubeKind::Bare;
    return r.flags.sFIN == Fin::Plate ? TubeKind::PlateFin : TubeKind::RadialFin;
}

bool tapeFitted(const Record& r) { return r.flags.sTAPE == YesNo::Yes && r.TubeFluidKind != codeOf(FluidKind::Water); }

}  // namespace cfhx::calc
