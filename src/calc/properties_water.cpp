#include "calc/heat_transfer.h"
#include "calc/numeric_guard.h"
#include "calc/properties.h"
#include "calc/units.h"

namespace cfhx::calc {
namespace {

float theta(float T) { return (kKelvin + T) / 100.0f; }

}  // namespace

float waterDensity(float T) {
    float t = theta(T);
    return ((-5.8125f * t + 46.474f) * t - 169.0f) * t + 1242.1f;
}

float waterSpecificHeat(float T) {
    float t = theta(T);
    if (T >= 167.0f) return (0.1512f * t - 1.3089f) * t + 3.8793f;
    if (T >= 27.0f) return (0.029f * t - 0.1851f) * t + 1.2943f;
    return ((-0.1531f * t + 1.451f) * t - 4.5767f) * t + 5.8017f;
}

float waterViscosity(float T) {
    float t = theta(T);
    if (T >= 97.0f) return ((-0.1443f * t + 2.1907f) * t - 11.277f) * t + 20.085f;
    if (T >= 37.0f) return (2.3204f * t - 18.037f) * t + 36.03f;
    return ((-40.213f * t + 373.23f) * t - 1160.2f) * t + 1210.4f;
}

float waterConductivity(float T) {
    float t = theta(T);
    return ((0.0063f * t - 0.1262f) * t + 0.7163f) * t - 0.6581f;
}

void waterProperties(Record& r, Notes& notes) {
    if (r.flags.sPROP == Prop::TypedIn) return;
    wallAndFilmTemperatures(r, r.Aeff);
    const float Tf = r.TGMAV;

    r.Dt = waterDensity(Tf);
    if (Tf > 300.0f) notes.add(Note::PropertyAboveRange);
    if (Tf < 0.0f) notes.add(Note::PropertyBelowRange);

    // Below 0 °C the previous specific heat and viscosity stand.
    if (Tf < 0.0f) {
        notes.add(Note::PropertyBelowRange);
    } else {
        r.Ct = waterSpecificHeat(Tf);
    }
    if (Tf < 0.0f) {
        notes.add(Note::PropertyBelowRange);
    } else {
        r.VIt = checkedDiv(waterViscosity(Tf), r.Dt, "Dt");
    }
    if (r.Twav < 0.0f) {
        notes.add(Note::PropertyBelowRange);
    } else {
        r.Pvis = checkedDiv(waterViscosity(r.Twav), r.Dt, "Dt");
    }
    r.Kt = waterConductivity(Tf);
    r.Prt = tubePrandtl(r);
    r.Vt = checkedDiv(kKgPerTonne * r.Wt, r.Dt, "Dt");
}

}  // namespace cfhx::calc
