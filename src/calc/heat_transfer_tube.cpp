// Tube side: sensible flow, twisted tape, single-component condensation and
// evaporation.
#include <cmath>

#include "calc/heat_transfer.h"
#include "calc/numeric_guard.h"
#include "calc/units.h"

namespace cfhx::calc {
namespace {

// Tape geometry terms of a tube DI with full twist TTP2.
struct Tape {
    float n, C, Cl;
};

Tape tapeTerms(float DI, float TTP2) {
    checkedPositive(DI, "DI");  // keeps every denominator below positive
    float twist = checkedDiv(kPi * DI, TTP2, "TTP2");
    float y = twist * twist;
    float Y = y / (1.0f + y) / (DI / 2.0f);
    Tape t;
    t.n = 0.8f - 0.04f * Y / (1.0f + 0.15f * Y);
    t.C = 0.021f * (1.0f + 0.62f * Y / (1.0f + 0.0142f * Y));
    t.Cl = 0.162f + 0.0488f * Y / (1.0f + 0.0893f * Y);
    return t;
}

}  // namespace

float tapedHydraulicDiameter(float DI, float TTh) {
    return checkedDiv(kPi * DI * DI - 4.0f * TTh * DI, kPi * DI - 2.0f * TTh + 2.0f * DI, "tape perimeter");
}

float transitionReynolds(float DI, float TTP2) {
    Tape t = tapeTerms(DI, TTP2);
    return checkedPow(t.Cl / t.C, checkedDiv(1.0f, t.n - 0.5f, "n-0.5"), "Cl/C");
}

float tubePrandtl(const Record& r) { return checkedDiv(r.Ct * r.Dt * r.VIt, r.Kt, "Kt"); }

void tubeVelocity(Record& r) {
    const bool taped = tapeFitted(r);
    float area = kPi * r.DI * r.DI / 4.0f;
    if (taped) area -= r.DI * r.TTh;
    r.VW = checkedFinite(checkedDiv(r.Vta, area * r.Nt * kSecondsPerHour, "tube flow area") * r.PNt, "VW");
    r.Ret = checkedDiv(r.VW * r.DI * kSecondsPerHour, r.VIt, "VIt");
    if (taped) {
        r.Dh = tapedHydraulicDiameter(r.DI, r.TTh);
        r.RetT = checkedDiv(r.VW * r.Dh * kSecondsPerHour, r.VIt, "VIt");
    }
}

void tubeSensible(Record& r, Phase phase) {
    float Re = phase == Phase::Sizing ? std::fabs(r.Ret) : r.Ret;
    r.Prt = tubePrandtl(r);
    r.Ht = checkedFinite(
        0.023f * checkedDiv(r.Kt, r.DI, "DI") * checkedPow(Re, 0.8f, "Ret") * checkedPow(r.Prt, 0.333f, "Prt"), "Ht");
}

void tubeTwistedTape(Record& r, Phase phase) {
    wallAndFilmTemperatures(r, r.Aeff);
    Tape t = tapeTerms(r.DI, r.TTP2);
    r.ReStar = transitionReynolds(r.DI, r.TTP2);
    r.Prt = tubePrandtl(r);
    float theta = checkedPow(checkedDiv(r.TwK, r.TgK, "273+TGM"), -0.5f, "(273+Twav)/(273+TGM)");
    float common = checkedDiv(r.Kt, r.Dh, "Dh") * checkedPow(r.Prt, 0.4f, "Prt") * theta;
    if (phase == Phase::Sizing || r.RetT > r.ReStar) {
        r.Ht = t.C * common * checkedPow(r.RetT, t.n, "RetT");
    } else {
        r.Ht = t.Cl * common * checkedPow(r.RetT, 0.5f, "RetT");
    }
    r.Ht = checkedFinite(r.Ht, "Ht");
}

void tubeCondensation(Record& r, TubeKind kind) {
    areas(r, kind);
    r.Ai = 3.14f * r.DI * r.TL * r.Nt;
    if (r.Tti == 0.0f) r.Tti = 1e-05f;
    r.TGM = r.Tti;
    r.TAM = (r.Tsi + r.Tso) / 2.0f;
    wallAndFilmTemperatures(r, r.Ao);
    const float dT = r.Tti - r.Twav;
    const float J = checkedDiv(checkedDiv(r.Ktl * dT, r.VItl * r.Dsl, "VItl*Dsl"), r.hfg, "hfg");
    const float N = r.Ktl * r.Ktl * r.Ktl * r.Dsl * (r.Dsl - r.Dt) * r.hfg * (1.0f + 0.68f * J) * 1.27e8f;
    const float M = r.VItl * r.Dsl * (r.DI / 2.0f) * dT;
    r.Ht = 0.5f * 0.468f * checkedPow(checkedDiv(N, M, "Tti-Twav"), 0.25f, "N/M");
}

void tubeEvaporation(Record& r, TubeKind kind) {
    if (kind == TubeKind::Bare) {
        r.Aeff = r.Ao = kPi * r.DO * r.TL * r.Nt;
    } else {
        r.Aeff = r.AfinE * r.FPI * r.TL * r.Nt * kMmPerM / kMmPerInch;
    }
    const float a = 3.14f * r.DI * r.DI / 4.0f;
    const float Rel = checkedDiv(checkedDiv(r.PNt * r.Wt, r.Dsl, "Dsl") * r.DI, r.VItl * a * r.Nt, "VItl*a*Nt");
    const float dT = std::fabs(r.Tti - r.Twav);
    const float density = checkedDiv(r.Dsl, r.Dt, "Dt");
    const float group = 0.023f * 0.7f * checkedPow(checkedDiv(r.Ctl, r.hfg, "hfg"), 0.69f, "Ctl/hfg") *
                        checkedPow(checkedDiv(r.Psat * kCm2PerM2 * r.Ktl, r.SIGt, "SIGt"), 0.31f, "Psat*Ktl/SIGt") *
                        checkedPow(density - 1.0f, 0.33f, "Dsl/Dt-1");
    const float Hnb = checkedPow(group, 3.22f, "nucleate group") * checkedPow(dT, 2.22f, "Tti-Twav");
    const float Hcv = 0.06f * checkedDiv(r.Ktl, r.DI, "DI") * checkedPow(density, 0.28f, "Dsl/Dt") *
                      checkedPow(Rel, 0.87f, "Rel") *
                      checkedPow(checkedDiv(r.Ctl * r.VItl * r.Dsl, r.Ktl, "Ktl"), 0.4f, "Prl");
    r.Ht = checkedFinite(0.5f * Hnb + Hcv, "Ht");
    r.TGM = r.Tti;
    r.TAM = (r.Tsi + r.Tso) / 2.0f;
    wallAndFilmTemperatures(r, r.Ao);
}

void tubeCoefficient(Record& r, Phase phase, TubeRegime regime) {
    if (tapeFitted(r)) {
        tubeTwistedTape(r, phase);
    } else {
        tubeSensible(r, phase);
    }
    const TubeKind kind = tubeKind(r);
    if (regime == TubeRegime::Condensation) tubeCondensation(r, kind);
    if (regime == TubeRegime::Evaporation) tubeEvaporation(r, kind);
    if (tubeCoefficientGiven(r)) r.Ht = r.HtUser;
}

void takeEvaporationInputs(Record& r, float Psat, float SIGt, bool si) {
    r.Psat = si ? Psat * kKgfCm2PerMpa : Psat;
    r.SIGt = si ? SIGt * kKgfPerNewton : SIGt;
}

}  // namespace cfhx::calc
