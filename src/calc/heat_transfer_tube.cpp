// Tube side: sensible flow, twisted tape, single-component condensation and
// evaporation.
#include <cmath>

#include "calc/heat_transfer.h"
#include "calc/numeric_guard.h"

namespace cfhx::calc {
namespace {

// Tape geometry terms of a tube DI with full twist TTP2.
struct Tape {
    float n, C, Cl;
};

Tape tapeTerms(App& app, float DI, float TTP2) {
    checkedPositive(app, DI, "DI");  // keeps every denominator below positive
    float twist = checkedDiv(app, kPi * DI, TTP2, "TTP2");
    float y = twist * twist;
    float Y = y / (1.0f + y) / (DI / 2.0f);
    Tape t;
    t.n = 0.8f - 0.04f * Y / (1.0f + 0.15f * Y);
    t.C = 0.021f * (1.0f + 0.62f * Y / (1.0f + 0.0142f * Y));
    t.Cl = 0.162f + 0.0488f * Y / (1.0f + 0.0893f * Y);
    return t;
}

}  // namespace

float tapedHydraulicDiameter(App& app, float DI, float TTh) {
    return checkedDiv(app, kPi * DI * DI - 4.0f * TTh * DI, kPi * DI - 2.0f * TTh + 2.0f * DI, "tape perimeter");
}

float transitionReynolds(App& app, float DI, float TTP2) {
    Tape t = tapeTerms(app, DI, TTP2);
    return checkedPow(app, t.Cl / t.C, checkedDiv(app, 1.0f, t.n - 0.5f, "n-0.5"), "Cl/C");
}

float tubePrandtl(App& app, const Record& r) { return checkedDiv(app, r.Ct * r.Dt * r.VIt, r.Kt, "Kt"); }

void tubeVelocity(App& app, Record& r) {
    const bool taped = tapeFitted(r);
    float area = kPi * r.DI * r.DI / 4.0f;
    if (taped) area -= r.DI * r.TTh;
    r.VW = checkedFinite(app, checkedDiv(app, r.Vta, area * r.Nt * 3600.0f, "tube flow area") * r.PNt, "VW");
    r.Ret = checkedDiv(app, r.VW * r.DI * 3600.0f, r.VIt, "VIt");
    if (taped) {
        r.Dh = tapedHydraulicDiameter(app, r.DI, r.TTh);
        r.RetT = checkedDiv(app, r.VW * r.Dh * 3600.0f, r.VIt, "VIt");
    }
}

void tubeSensible(App& app, Record& r, Phase phase) {
    float Re = phase == Phase::Sizing ? std::fabs(r.Ret) : r.Ret;
    r.Prt = tubePrandtl(app, r);
    r.Ht = checkedFinite(app,
                         0.023f * checkedDiv(app, r.Kt, r.DI, "DI") * checkedPow(app, Re, 0.8f, "Ret") *
                             checkedPow(app, r.Prt, 0.333f, "Prt"),
                         "Ht");
}

void tubeTwistedTape(App& app, Record& r, Phase phase) {
    wallAndFilmTemperatures(app, r, r.Aeff);
    Tape t = tapeTerms(app, r.DI, r.TTP2);
    r.ReStar = transitionReynolds(app, r.DI, r.TTP2);
    r.Prt = tubePrandtl(app, r);
    float theta = checkedPow(app, checkedDiv(app, r.TwK, r.TgK, "273+TGM"), -0.5f, "(273+Twav)/(273+TGM)");
    float common = checkedDiv(app, r.Kt, r.Dh, "Dh") * checkedPow(app, r.Prt, 0.4f, "Prt") * theta;
    if (phase == Phase::Sizing || r.RetT > r.ReStar) {
        r.Ht = t.C * common * checkedPow(app, r.RetT, t.n, "RetT");
    } else {
        r.Ht = t.Cl * common * checkedPow(app, r.RetT, 0.5f, "RetT");
    }
    r.Ht = checkedFinite(app, r.Ht, "Ht");
}

void tubeCondensation(App& app, Record& r, TubeKind kind) {
    areas(app, r, kind);
    r.Ai = 3.14f * r.DI * r.TL * r.Nt;
    if (r.Tti == 0.0f) r.Tti = 1e-05f;
    r.TGM = r.Tti;
    r.TAM = (r.Tsi + r.Tso) / 2.0f;
    wallAndFilmTemperatures(app, r, r.Ao);
    const float dT = r.Tti - r.Twav;
    const float J = checkedDiv(app, checkedDiv(app, r.Ktl * dT, r.VItl * r.Dsl, "VItl*Dsl"), r.hfg, "hfg");
    const float N = r.Ktl * r.Ktl * r.Ktl * r.Dsl * (r.Dsl - r.Dt) * r.hfg * (1.0f + 0.68f * J) * 1.27e8f;
    const float M = r.VItl * r.Dsl * (r.DI / 2.0f) * dT;
    r.Ht = 0.5f * 0.468f * checkedPow(app, checkedDiv(app, N, M, "Tti-Twav"), 0.25f, "N/M");
}

void tubeEvaporation(App& app, Record& r, TubeKind kind) {
    if (kind == TubeKind::Bare) {
        r.Aeff = r.Ao = kPi * r.DO * r.TL * r.Nt;
    } else {
        r.Aeff = r.AfinE * r.FPI * r.TL * r.Nt * 1000.0f / 25.4f;
    }
    const float a = 3.14f * r.DI * r.DI / 4.0f;
    const float Rel = checkedDiv(app, checkedDiv(app, r.PNt * r.Wt, r.Dsl, "Dsl") * r.DI,
                                 r.VItl * a * r.Nt, "VItl*a*Nt");
    const float dT = std::fabs(r.Tti - r.Twav);
    const float density = checkedDiv(app, r.Dsl, r.Dt, "Dt");
    const float group = 0.023f * 0.7f * checkedPow(app, checkedDiv(app, r.Ctl, r.hfg, "hfg"), 0.69f, "Ctl/hfg") *
                        checkedPow(app, checkedDiv(app, r.Psat * 10000.0f * r.Ktl, r.SIGt, "SIGt"), 0.31f,
                                   "Psat*Ktl/SIGt") *
                        checkedPow(app, density - 1.0f, 0.33f, "Dsl/Dt-1");
    const float Hnb = checkedPow(app, group, 3.22f, "nucleate group") * checkedPow(app, dT, 2.22f, "Tti-Twav");
    const float Hcv = 0.06f * checkedDiv(app, r.Ktl, r.DI, "DI") * checkedPow(app, density, 0.28f, "Dsl/Dt") *
                      checkedPow(app, Rel, 0.87f, "Rel") *
                      checkedPow(app, checkedDiv(app, r.Ctl * r.VItl * r.Dsl, r.Ktl, "Ktl"), 0.4f, "Prl");
    r.Ht = checkedFinite(app, 0.5f * Hnb + Hcv, "Ht");
    r.TGM = r.Tti;
    r.TAM = (r.Tsi + r.Tso) / 2.0f;
    wallAndFilmTemperatures(app, r, r.Ao);
}

void tubeCoefficient(App& app, Record& r, Phase phase, TubeRegime regime) {
    if (tapeFitted(r)) {
        tubeTwistedTape(app, r, phase);
    } else {
        tubeSensible(app, r, phase);
    }
    const TubeKind kind = tubeKind(r);
    if (regime == TubeRegime::Condensation) tubeCondensation(app, r, kind);
    if (regime == TubeRegime::Evaporation) tubeEvaporation(app, r, kind);
    if (tubeCoefficientGiven(r)) r.Ht = r.HtUser;
}

void takeEvaporationInputs(Record& r, float Psat, float SIGt, bool si) {
    r.Psat = si ? Psat * 10.2f : Psat;
    r.SIGt = si ? SIGt * 0.102f : SIGt;
}

}  // namespace cfhx::calc
