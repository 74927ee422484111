// Shell side: gas across a bank of radial-fin, plate-fin or bare tubes.
#include <cmath>

#include "calc/heat_transfer.h"
#include "calc/numeric_guard.h"
#include "calc/units.h"

namespace cfhx::calc {
namespace {

struct RowBand {
    float below;  // Nh below this
    float triangular, square;
};

constexpr RowBand kRowFactors[] = {
    {2, 0.68f, 0.64f}, {3, 0.75f, 0.80f}, {4, 0.83f, 0.87f}, {5, 0.89f, 0.90f}, {6, 0.92f, 0.92f},
    {7, 0.94f, 0.94f}, {8, 0.96f, 0.96f}, {9, 0.98f, 0.98f}, {10, 0.99f, 0.99f},
};

}  // namespace

float rowFactor(float Nh, bool triangular) {
    for (const RowBand& b : kRowFactors)
        if (Nh < b.below) return triangular ? b.triangular : b.square;
    return 1.0f;
}

void shellVelocity(Record& r, TubeKind kind) {
    float perTube;
    if (kind == TubeKind::Bare) {
        perTube = r.TL * (r.Pv - r.DO);
    } else {
        perTube = 2.0f * ((r.Pv / 2 - r.DO / 2) * r.TL - r.FT * r.Fh * r.FPI * r.TL * kMmPerM / kMmPerInch);
    }
    float rows = checkedDiv(r.Nt, r.Nh, "Nh");
    float area = checkedDiv(perTube * rows, r.PNs, "PNs");
    r.UM = checkedDiv(r.Vsa, area * kSecondsPerHour, "shell flow area");
    r.Res = checkedDiv(r.DO * r.UM * kSecondsPerHour, r.VIs, "VIs");
}

void radialFinShell(Record& r) {
    float Pr = checkedDiv(r.VIs, r.As, "As");
    r.Hs = checkedFinite(0.134f * checkedDiv(r.Ks, r.DO, "DO") * checkedPow(r.Res, 0.681f, "Res") *
                             checkedPow(Pr, 0.33f, "VIs/As") * checkedPow(checkedDiv(r.FS, r.Fh, "Fh"), 0.2f, "FS/Fh") *
                             checkedPow(checkedDiv(r.FS, r.FT, "FT"), 0.11f, "FS/FT"),
                         "Hs");
}

void plateFinShell(Record& r) {
    r.Gf = checkedDiv(kMmPerInch, r.FPI, "FPI") * kMPerMm - r.FT;
    float Lb = 3.14f * r.DO * (1.0f - kInchesPerM * r.FPI * r.FT);
    float Ap = 2.0f * r.Ph * r.Pv * r.FPI * kMmPerM / kMmPerInch;
    float side = checkedSqrt(checkedDiv(Ap, 2.0f * kInchesPerM * r.FPI, "FPI"), "Ap/FPI");
    r.De = checkedDiv(Lb * r.DO + Ap * side, Lb + Ap, "Lb+Ap");
    float gap = r.Pv - r.DO;
    float Re = checkedDiv(r.De * r.UM * kSecondsPerHour, r.VIs, "VIs");
    r.Hs = checkedFinite(0.251f * checkedDiv(r.Ks, r.De, "De") * checkedPow(Re, 0.67f, "Re(De)") *
                             checkedPow(checkedDiv(gap, r.DO, "DO"), -0.2f, "(Pv-DO)/DO") *
                             checkedPow(checkedDiv(gap, r.Gf, "fin gap") + 1.0f, -0.2f, "(Pv-DO)/g+1") *
                             checkedPow(checkedDiv(gap, r.Ph - r.DO, "Ph-DO"), 0.4f, "(Pv-DO)/(Ph-DO)"),
                         "Hs");
}

void bareBankShell(Record& r, Phase phase, Notes& notes) {
    const float KsDO = checkedDiv(r.Ks, r.DO, "DO");
    if (phase == Phase::Rating && r.TubeFluidKind == codeOf(FluidKind::Manual)) {
        r.Hs = checkedFinite(0.244f * r.Frow * KsDO * checkedPow(r.Res, 0.6f, "Res") *
                                 checkedPow(checkedDiv(r.VIs, r.As, "As"), 0.33f, "VIs/As"),
                             "Hs");
        return;
    }
    const float wall = checkedPow(checkedDiv(r.Pb, r.Pbw, "Pbw"), 0.25f, "Pb/Pbw");
    const float prandtl = checkedPow(r.Pb, 0.36f, "Pb");
    const float ratio = checkedDiv(r.PVY, r.PHX, "PHX");
    if (r.flags.arrangement == Arrangement::Square) {
        if (ratio < 0.7f) notes.add(Note::SquarePitch);
        r.Hs = 0.27f * r.Frow * KsDO * checkedPow(r.Res, 0.63f, "Res") * prandtl * wall;
    } else if (ratio > 2.0f) {
        r.Hs = 0.40f * r.Frow * KsDO * checkedPow(r.Res, 0.6f, "Res") * prandtl * wall;
    } else {
        r.Hs = std::fabs(0.35f * r.Frow * KsDO * checkedPow(ratio, 0.2f, "PVY/PHX") * checkedPow(r.Res, 0.6f, "Res") *
                         prandtl * wall);
    }
    r.Hs = checkedFinite(r.Hs, "Hs");
}

void shellCoefficient(Record& r, TubeKind kind, Phase phase, Notes& notes) {
    switch (kind) {
        case TubeKind::RadialFin: radialFinShell(r); break;
        case TubeKind::PlateFin: plateFinShell(r); break;
        case TubeKind::Bare: bareBankShell(r, phase, notes); break;
    }
    if (shellCoefficientGiven(r)) r.Hs = r.HsUser;
}

}  // namespace cfhx::calc
