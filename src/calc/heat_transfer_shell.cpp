// Shell side: gas across a bank of radial-fin, plate-fin or bare tubes.
#include <cmath>

#include "app/app.h"
#include "calc/heat_transfer.h"
#include "calc/numeric_guard.h"

namespace cfhx::calc {
namespace {

constexpr float kInch = 25.4f;  // mm

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

void shellVelocity(App& app, Record& r, TubeKind kind) {
    float perTube;
    if (kind == TubeKind::Bare) {
        perTube = r.TL * (r.Pv - r.DO);
    } else {
        perTube = 2.0f * ((r.Pv / 2 - r.DO / 2) * r.TL - r.FT * r.Fh * r.FPI * r.TL * 1000.0f / kInch);
    }
    float rows = checkedDiv(app, r.Nt, r.Nh, "Nh");
    float area = checkedDiv(app, perTube * rows, r.PNs, "PNs");
    r.UM = checkedDiv(app, r.Vsa, area * 3600.0f, "shell flow area");
    r.Res = checkedDiv(app, r.DO * r.UM * 3600.0f, r.VIs, "VIs");
}

void radialFinShell(App& app, Record& r) {
    float Pr = checkedDiv(app, r.VIs, r.As, "As");
    r.Hs = checkedFinite(app,
                         0.134f * checkedDiv(app, r.Ks, r.DO, "DO") * checkedPow(app, r.Res, 0.681f, "Res") *
                             checkedPow(app, Pr, 0.33f, "VIs/As") *
                             checkedPow(app, checkedDiv(app, r.FS, r.Fh, "Fh"), 0.2f, "FS/Fh") *
                             checkedPow(app, checkedDiv(app, r.FS, r.FT, "FT"), 0.11f, "FS/FT"),
                         "Hs");
}

void plateFinShell(App& app, Record& r) {
    r.Gf = checkedDiv(app, kInch, r.FPI, "FPI") * 0.001f - r.FT;
    float Lb = 3.14f * r.DO * (1.0f - 39.37008f * r.FPI * r.FT);
    float Ap = 2.0f * r.Ph * r.Pv * r.FPI * 1000.0f / kInch;
    float side = checkedSqrt(app, checkedDiv(app, Ap, 78.74016f * r.FPI, "FPI"), "Ap/FPI");
    r.De = checkedDiv(app, Lb * r.DO + Ap * side, Lb + Ap, "Lb+Ap");
    float gap = r.Pv - r.DO;
    float Re = checkedDiv(app, r.De * r.UM * 3600.0f, r.VIs, "VIs");
    r.Hs = checkedFinite(app,
                         0.251f * checkedDiv(app, r.Ks, r.De, "De") * checkedPow(app, Re, 0.67f, "Re(De)") *
                             checkedPow(app, checkedDiv(app, gap, r.DO, "DO"), -0.2f, "(Pv-DO)/DO") *
                             checkedPow(app, checkedDiv(app, gap, r.Gf, "fin gap") + 1.0f, -0.2f, "(Pv-DO)/g+1") *
                             checkedPow(app, checkedDiv(app, gap, r.Ph - r.DO, "Ph-DO"), 0.4f, "(Pv-DO)/(Ph-DO)"),
                         "Hs");
}

void bareBankShell(App& app, Record& r, Phase phase) {
    const float KsDO = checkedDiv(app, r.Ks, r.DO, "DO");
    if (phase == Phase::Rating && r.TubeFluidKind == 4.0f) {
        r.Hs = checkedFinite(app,
                             0.244f * r.Frow * KsDO * checkedPow(app, r.Res, 0.6f, "Res") *
                                 checkedPow(app, checkedDiv(app, r.VIs, r.As, "As"), 0.33f, "VIs/As"),
                             "Hs");
        return;
    }
    const float wall = checkedPow(app, checkedDiv(app, r.Pb, r.Pbw, "Pbw"), 0.25f, "Pb/Pbw");
    const float prandtl = checkedPow(app, r.Pb, 0.36f, "Pb");
    const float ratio = checkedDiv(app, r.PVY, r.PHX, "PHX");
    if (r.flags.arrangement == "2") {
        if (ratio < 0.7f) app.pane.print("     PVY/PHX>0.7 以上に設定して下さい");
        r.Hs = 0.27f * r.Frow * KsDO * checkedPow(app, r.Res, 0.63f, "Res") * prandtl * wall;
    } else if (ratio > 2.0f) {
        r.Hs = 0.40f * r.Frow * KsDO * checkedPow(app, r.Res, 0.6f, "Res") * prandtl * wall;
    } else {
        r.Hs = std::fabs(0.35f * r.Frow * KsDO * checkedPow(app, ratio, 0.2f, "PVY/PHX") *
                         checkedPow(app, r.Res, 0.6f, "Res") * prandtl * wall);
    }
    r.Hs = checkedFinite(app, r.Hs, "Hs");
}

void shellCoefficient(App& app, Record& r, TubeKind kind, Phase phase) {
    switch (kind) {
        case TubeKind::RadialFin: radialFinShell(app, r); break;
        case TubeKind::PlateFin: plateFinShell(app, r); break;
        case TubeKind::Bare: bareBankShell(app, r, phase); break;
    }
    if (shellCoefficientGiven(r)) r.Hs = r.HsUser;
}

}  // namespace cfhx::calc
