#include "calc/pressure_loss.h"

#include <cmath>

#include "app/codes.h"
#include "calc/numeric_guard.h"
#include "calc/units.h"

namespace cfhx::calc {
namespace {

constexpr float kG2 = 2.0f * 9.8f;  // 2g, m/s2

// Bare-bank coefficients [Res band][PHX band][PVY band] = {square, triangular};
// every band limit is an inclusive upper limit.
constexpr float kResLimits[] = {5000.0f, 14000.0f, 30000.0f};
constexpr float kPitchLimits[] = {1.375f, 1.75f, 2.5f};
constexpr float kBank[4][4][4][2] = {
    {{{1.68f, 2.52f}, {0.79f, 1.8f}, {0.29f, 1.56f}, {6.12f, 1.3f}},
     {{1.74f, 2.58f}, {0.97f, 1.8f}, {0.44f, 1.56f}, {0.22f, 1.38f}},
     {{2.04f, 2.58f}, {1.2f, 1.8f}, {0.66f, 1.44f}, {0.4f, 1.13f}},
     {{2.28f, 2.64f}, {1.56f, 1.92f}, {1.02f, 1.32f}, {0.6f, 1.02f}}},
    {{{1.68f, 1.98f}, {0.83f, 1.44f}, {0.35f, 1.19f}, {0.2f, 1.08f}},
     {{1.74f, 2.1f}, {0.96f, 1.6f}, {0.48f, 1.16f}, {0.28f, 1.04f}},
     {{2.04f, 2.16f}, {1.2f, 1.56f}, {0.63f, 1.44f}, {0.47f, 0.96f}},
     {{2.28f, 2.28f}, {1.56f, 1.56f}, {1.02f, 1.13f}, {0.6f, 0.9f}}},
    {{{1.44f, 1.56f}, {0.84f, 1.1f}, {0.38f, 0.96f}, {0.22f, 0.86f}},
     {{1.56f, 1.74f}, {0.96f, 1.16f}, {0.49f, 0.96f}, {0.3f, 0.84f}},
     {{1.74f, 1.92f}, {1.13f, 1.32f}, {0.66f, 0.96f}, {0.42f, 0.78f}},
     {{2.04f, 2.16f}, {1.46f, 1.44f}, {0.88f, 0.96f}, {0.55f, 0.74f}}},
    {{{1.2f, 1.26f}, {0.74f, 0.88f}, {0.41f, 0.77f}, {0.25f, 0.78f}},
     {{1.32f, 1.5f}, {0.85f, 0.96f}, {0.48f, 0.79f}, {0.3f, 0.68f}},
     {{1.56f, 1.68f}, {1.02f, 1.08f}, {0.62f, 0.82f}, {0.38f, 0.65f}},
     {{1.8f, 1.98f}, {1.27f, 1.2f}, {0.77f, 0.84f}, {0.46f, 0.6f}}},
};

template <size_t N>
int band(float value, const float (&limits)[N]) {
    for (size_t i = 0; i < N; ++i)
        if (value <= limits[i]) return static_cast<int>(i);
    return static_cast<int>(N);
}

// Velocity head times the bank terms, into kgf/cm2, with DPs in mmAq.
void setShellLoss(Record& r, float coefficient) {
    r.Ps = checkedFinite(coefficient * r.Nh * r.UM * r.UM * r.Ds / kG2 * kM2PerCm2 * r.PNs * r.LossFactorS, "Ps");
    r.DPs = checkedFinite(r.Ps * kMmAqPerKgfCm2, "DPs");
}

void setTubeLoss(Record& r, float Pt) {
    r.Pt = checkedFinite(Pt, "Pt");
    r.DPt = checkedFinite(r.Pt * kMmAqPerKgfCm2, "DPt");
}

}  // namespace

void tubeFriction(Record& r) {
    if (r.Ret <= 2000.0f) {
        r.f = checkedDiv(16.0f, r.Ret, "Ret");
    } else {
        r.f = 0.0014f + 0.125f / std::pow(r.Ret, 0.32f);
    }
}

void tubeLossPlain(Record& r) {
    const float viscosity = checkedPow(checkedDiv(r.Pvis, r.VIt, "VIt"), 0.14f, "Pvis/VIt");
    setTubeLoss(r, checkedDiv(4.0f * r.f * r.TL, r.DI, "DI") * r.Dt * r.VW * r.VW / kG2 * viscosity * kM2PerCm2 *
                       r.PNt * r.LossFactorT);
}

void tubeLossTape(Record& r, Phase phase) {
    const float twist = checkedDiv(kPi * r.DI, r.TTP2, "TTP2");
    const float y = twist * twist;
    const float s = y / (1.0f + y);
    const float a = 1.45f + 6.5f * s;
    const float b = 0.046f * (1.0f + 3.65f * s);
    const float theta =
        checkedPow(checkedDiv(kKelvin + r.Twav, kKelvin + r.TGM, "273+TGM"), -0.1f, "(273+Twav)/(273+TGM)");
    const float reStar = phase == Phase::Sizing ? 0.0f : r.ReStar;
    if (r.RetT < reStar) {
        r.f = a * checkedPow(r.RetT, -0.6f, "RetT") * theta;
    } else {
        r.f = b * checkedPow(r.RetT, -0.2f, "RetT") * theta;
    }
    setTubeLoss(
        r, checkedDiv(4.0f * r.f * r.TL, r.Dh, "Dh") * r.Dt * r.VW * r.VW / kG2 * kM2PerCm2 * r.PNt * r.LossFactorT);
}

void radialFinShellLoss(Record& r) {
    const float Afin = kPi * r.DO * r.FS + kPi * r.Df * r.FT + (2.0f * kPi / 4.0f) * (r.Df * r.Df - r.DO * r.DO);
    const float ratio = checkedDiv(Afin, kPi * r.DO * (r.FS + r.FT), "DO*(FS+FT)");
    const float Le =
        checkedDiv(ratio * r.DO * kMmPerM / kMmPerInch, 2.0f * (r.Fh * kMmPerM / kMmPerInch) * r.FPI + 1.0f, "Le");
    const float Res = checkedDiv(r.DO * r.UM * kSecondsPerHour, r.VIs, "VIs");
    r.fs = 1.532f * checkedPow(Res, -0.25f, "Res") *
           checkedPow(checkedDiv(r.DO * kMmPerM / kMmPerInch, Le, "Le"), 0.25f, "DO/Le") *
           checkedPow(checkedDiv(r.Fh / 2.0f, r.FS, "FS"), 0.4f, "(Fh/2)/FS") *
           checkedPow(checkedDiv(r.Pv * kMmPerM / kMmPerInch, Le, "Le") - 1.0f, -0.5f, "Pv/Le-1");
    setShellLoss(r, r.fs);
}

void plateFinShellLoss(Record& r) {
    const float gap = r.Pv - r.DO;
    const float Re = checkedDiv(r.De * r.UM * kSecondsPerHour, r.VIs, "VIs");
    r.fs = 1.463f * checkedPow(Re, -0.245f, "Re(De)") * checkedPow(checkedDiv(gap, r.DO, "DO"), -0.9f, "(Pv-DO)/DO") *
           checkedPow(checkedDiv(gap, r.Gf, "fin gap") + 1.0f, 0.7f, "(Pv-DO)/g+1") *
           checkedPow(checkedDiv(r.De, r.DO, "DO"), 0.9f, "De/DO");
    setShellLoss(r, r.fs);
}

float bareBankCoefficient(float Res, float PHX, float PVY, bool square) {
    return kBank[band(Res, kResLimits)][band(PHX, kPitchLimits)][band(PVY, kPitchLimits)][square ? 0 : 1];
}

void bareBankShellLoss(Record& r) {
    const float Res = checkedDiv(r.DO * r.UM * kSecondsPerHour, r.VIs, "VIs");
    r.Cbank = bareBankCoefficient(Res, r.PHX, r.PVY, r.flags.arrangement == Arrangement::Square);
    setShellLoss(r, 0.334f * r.Cbank);
}

void shellLoss(Record& r, TubeKind kind) {
    switch (kind) {
        case TubeKind::RadialFin: radialFinShellLoss(r); break;
        case TubeKind::PlateFin: plateFinShellLoss(r); break;
        case TubeKind::Bare: bareBankShellLoss(r); break;
    }
}

void tubeLoss(Record& r, Phase phase) {
    if (tapeFitted(r)) {
        tubeLossTape(r, phase);
    } else {
        tubeFriction(r);
        tubeLossPlain(r);
    }
}

}  // namespace cfhx::calc
