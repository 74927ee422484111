#include <cmath>
#include <limits>

#include "calc/heat_transfer.h"
#include "calc/humid_gas.h"
#include "calc/numeric_guard.h"
#include "calc/properties.h"
#include "calc/units.h"

namespace cfhx::calc {
namespace {

// One temperature band of a polynomial in θ = (273 + T)/100: it applies
// from `lowest` upwards (inclusive or not) up to the band above it.
struct Band {
    float lowest;
    bool inclusive;
    float c4, c3, c2, c1, c0;
    float scale;
};

struct Bands {
    const Band* first;
    int count;
};

constexpr float kNoLimit = -173.0f;  // "all temperatures": as far down as any band goes

constexpr Band kCpCO2[] = {{kNoLimit, true, 0, 0, -0.0012f, 0.0286f, 0.1295f, 1}};
constexpr Band kCpN2[] = {
    {527, true, 0, 2e-06f, -0.0003f, 0.0104f, 0.203f, 1},
    {127, true, 0, -2e-05f, 0.0008f, -0.0026f, 0.2484f, 1},
    {-73, false, 0, -0.0001f, 0.0015f, -0.0058f, 0.2557f, 1},
    {-173, false, 0, 0, 0.0062f, -0.0251f, 0.2745f, 1},
};
constexpr Band kCpO2[] = {
    {127, true, 0, -0.0032f, 0.0262f, 0.71956f, 19.385f, 0.01f},
    {-173, true, 0, -0.0245f, 0.4237f, -1.5359f, 23.431f, 0.01f},
};
constexpr Band kCpH2O[] = {
    {207, true, 0, -0.00564f, 1.2578f, -7.745f, 61.72f, 0.01f},
    {100, true, 0, -0.4147f, 6.7899f, -36.191f, 110.45f, 0.01f},
    {0, false, 0, 2.3423f, -18.66f, 50.797f, -2.97f, 0.01f},
};

constexpr Band kMuCO2[] = {{kNoLimit, true, 0, 3e-05f, -0.0011f, 0.0224f, -0.0042f, 1}};
constexpr Band kMuN2[] = {{kNoLimit, true, 0, 0.0516f, -1.6087f, 25.045f, 1.9407f, 0.001f}};
constexpr Band kMuO2[] = {{kNoLimit, true, -0.0072f, 0.2297f, -3.1748f, 33.382f, -2.6107f, 0.001f}};
constexpr Band kMuH2O[] = {
    {227, true, 0, -0.032f, 0.5951f, 11.28f, -5.0832f, 0.001f},
    {0, false, 0, -0.415f, 6.0943f, -15.486f, 37.649f, 0.001f},
};

constexpr Band kLambdaCO2[] = {
    {227, true, 0, 2e-05f, -0.0006f, 0.0123f, -0.0199f, 1},
    {-73, true, 0, 2e-05f, -3e-05f, 0.0061f, -0.0042f, 1},
};
constexpr Band kLambdaN2[] = {
    {527, true, 0, -0.0201f, 0.7047f, -3.5091f, 40.445f, 0.001f},
    {-173, true, 0, 0.0217f, -0.5506f, 8.9424f, -0.2107f, 0.001f},
};
constexpr Band kLambdaO2[] = {{kNoLimit, true, 0, 0.0209f, -0.5005f, 9.0943f, -0.6607f, 0.001f}};
constexpr Band kLambdaH2O[] = {
    {207, true, 0, -0.0188f, 0.7936f, 1.9478f, 3.698f, 0.001f},
    {0, false, 0, -0.0076f, 0.405f, 4.6085f, -1.3441f, 0.001f},
};

template <size_t N>
constexpr Bands bands(const Band (&b)[N]) {
    return {b, static_cast<int>(N)};
}

// [property][component]
constexpr Bands kTable[3][kComponents] = {
    {bands(kCpCO2), bands(kCpN2), bands(kCpO2), bands(kCpH2O)},
    {bands(kMuCO2), bands(kMuN2), bands(kMuO2), bands(kMuH2O)},
    {bands(kLambdaCO2), bands(kLambdaN2), bands(kLambdaO2), bands(kLambdaH2O)},
};

float polynomial(const Band& b, float theta) {
    return ((((b.c4 * theta + b.c3) * theta + b.c2) * theta + b.c1) * theta + b.c0) * b.scale;
}

}  // namespace

bool componentProperty(GasProperty p, Component c, float T, float& value) {
    const Bands& table = kTable[int(p)][int(c)];
    const float theta = (kKelvin + T) / 100.0f;
    for (int i = 0; i < table.count; ++i) {
        const Band& b = table.first[i];
        if (T > b.lowest || (b.inclusive && T == b.lowest)) {
            value = polynomial(b, theta);
            return true;
        }
    }
    return false;
}

GasMixture gasMixture(const float x[kComponents], float T, ComponentMemory& memory) {
    GasMixture g{};
    float m[kComponents] = {};
    for (int c = 0; c < kComponents; ++c) {
        if (x[c] != 0.0f) m[c] = kNormalDensity[c] * x[c];
        g.DN += m[c];
    }
    g.D = g.DN * checkedDiv(kKelvin, kKelvin + T, "273+T");
    float* memo[3] = {memory.cp, memory.mu, memory.lambda};
    float sums[3] = {};
    for (int p = 0; p < 3; ++p) {
        for (int c = 0; c < kComponents; ++c) {
            if (m[c] == 0.0f) continue;
            if (!componentProperty(GasProperty(p), Component(c), T, memo[p][c])) g.kept |= 1u << (4 * p + c);
            float value = memo[p][c];
            if (p == int(GasProperty::Viscosity)) value = checkedDiv(value, g.D, "D");
            sums[p] += m[c] * value;
        }
    }
    g.cp = checkedDiv(sums[0], g.DN, "DN");
    g.VI = checkedDiv(sums[1], g.DN, "DN");
    g.lambda = checkedDiv(sums[2], g.DN, "DN");
    return g;
}

GasEvaluation shellGasProperties(Record& r) {
    GasEvaluation e;
    if (r.flags.sPROP == Prop::TypedIn) return e;
    wallAndFilmTemperatures(r, r.Aeff);
    GasMixture bulk = gasMixture(r.shellWet, r.TAMAV, r.shellMemory);
    r.DsN = bulk.DN;
    r.Ds = bulk.D;
    r.Cs = bulk.cp;
    r.VIs = bulk.VI;
    r.Ks = bulk.lambda;
    r.As = checkedDiv(r.Ks, r.Cs * r.Ds, "Cs*Ds");
    r.Pb = checkedDiv(r.Cs * r.Ds * r.VIs, r.Ks, "Ks");
    GasMixture wall = gasMixture(r.shellWet, r.Twav, r.shellMemory);
    r.Pbw = checkedDiv(wall.cp * wall.D * wall.VI, wall.lambda, "Ks(Twav)");
    e.bulk = bulk.kept;
    e.wall = wall.kept;
    return e;
}

GasEvaluation tubeGasProperties(Record& r) {
    GasEvaluation e;
    if (r.flags.sPROP == Prop::TypedIn) return e;
    wallAndFilmTemperatures(r, r.Aeff);
    GasMixture bulk = gasMixture(r.tubeWet, r.TGMAV, r.tubeMemory);
    r.DtN = bulk.DN;
    r.Dt = bulk.D;
    r.Ct = bulk.cp;
    r.VIt = bulk.VI;
    r.Kt = bulk.lambda;
    r.Prt = tubePrandtl(r);
    GasMixture wall = gasMixture(r.tubeWet, r.Twav, r.tubeMemory);
    r.Pvis = wall.VI;
    e.bulk = bulk.kept;
    e.wall = wall.kept;
    return e;
}

}  // namespace cfhx::calc
