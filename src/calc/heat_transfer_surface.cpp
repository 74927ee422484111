// Fin geometry and efficiency, areas, wall temperature, wet-surface
// enhancement and the overall coefficient.
#include <cmath>

#include "calc/heat_transfer.h"
#include "calc/humid_gas.h"
#include "calc/numeric_guard.h"
#include "calc/units.h"

namespace cfhx::calc {

float plateFinEquivalentHeight(float Pv, float Ph, float DO) {
    return (checkedSqrt(4.0f * Ph * Pv / 3.14f, "Ph*Pv") - DO) / 2.0f;
}

void finGeometry(Record& r) {
    r.FS = checkedFinite((checkedDiv(kMmPerInch, r.FPI, "FPI") - kMmPerM * r.FT) * kMPerMm, "FS");
    r.Df = checkedFinite(r.DO + 2.0f * r.Fh, "Df");
}

void finEfficiency(Record& r) {
    r.mL = checkedFinite(r.Fh * checkedSqrt(checkedDiv(2.0f * r.Hs, r.Kf * r.FT, "Kf*FT"), "Hs/(Kf*FT)"), "mL");
    float Fe;
    if (std::fabs(r.mL) < 1e-4f) {
        Fe = 1.0f;  // tanh(mL)/mL → 1
    } else {
        // tanh(mL)/mL written with exponentials; e^mL may overflow to inf,
        // which still gives 1/mL.
        float ep = std::exp(r.mL), em = std::exp(-r.mL);
        Fe = (1.0f - 2.0f * em / (ep + em)) / r.mL;
    }
    r.Fe = checkedPow(Fe, r.FeExp, "Fe");
}

void areas(Record& r, TubeKind kind) {
    r.Ai = checkedFinite(kPi * r.DI * r.TL * r.Nt, "Ai");
    if (kind == TubeKind::Bare) {
        r.AR = checkedDiv(r.DO, r.DI, "DI");
        r.Aeff = r.Ao = checkedFinite(kPi * r.DO * r.TL * r.Nt, "Ao");
        return;
    }
    const float face = kPi * r.Df * r.FT + (2.0f * kPi / 4.0f) * (r.Df * r.Df - r.DO * r.DO);
    r.Afin = checkedFinite(kPi * r.DO * r.FS + face, "Afin");
    r.AfinE = checkedFinite(kPi * r.DO * r.FS + face * r.Fe, "AfinE");
    r.AR = checkedDiv(r.AfinE, kPi * r.DI * (r.FS + r.FT), "DI*(FS+FT)");
    const float pitches = r.FPI * r.TL * r.Nt * kMmPerM / kMmPerInch;
    r.Aeff = checkedFinite(r.AfinE * pitches, "Aeff");
    r.Ao = checkedFinite(r.Afin * pitches, "Ao");
}

void wallAndFilmTemperatures(Record& r, float outerArea) {
    const float shell = r.Hs * outerArea, tube = r.Ht * r.Ai;
    r.Twav = checkedDiv(shell * r.TAM + tube * r.TGM, shell + tube, "Hs*Aeff+Ht*Ai");
    r.TGMAV = checkedFinite((r.Twav + r.TGM) / 2.0f, "TGMAV");
    r.TAMAV = checkedFinite((r.Twav + r.TAM) / 2.0f, "TAMAV");
    r.TwK = checkedFinite(kKelvin + r.Twav, "273+Twav");
    r.TgK = checkedFinite(kKelvin + r.TGM, "273+TGM");
}

void wetEnhancement(Record& r, HumidSide side, float Tg, float Tw, float M) {
    const float pw = saturationPressure(Tw), pg = saturationPressure(Tg);
    const float xw = checkedDiv(kAirRatio * pw, kPressure - pw, "1.033-p(Tw)");
    const float xg = checkedDiv(M * pg, kPressure - pg, "1.033-p(Tg)");
    const float Dv = (0.13777f + 0.00089157f * Tw + 1.3554e-06f * Tw * Tw - 1.5656e-09f * Tw * Tw * Tw) * kM2PerCm2 *
                     kSecondsPerHour;
    const float La = 0.02071f + 6.8564e-05f * Tw - 3.1438e-08f * Tw * Tw + 1.5673e-11f * Tw * Tw * Tw;
    const float latent = 606.126f - 0.75851f * Tw + 0.00155845f * Tw * Tw - 6.7249e-06f * Tw * Tw * Tw;
    const float rho = checkedDiv(1.0f, 0.004555f * (Tw + kKelvin) * (kAirRatio + xw), "(Tw+273)*(0.622+xw)");
    r.Kc = 1.0f + checkedDiv((rho / 0.64f) * Dv * std::fabs(xg - xw) * latent, La * std::fabs(Tg - Tw), "Tg-Tw");
    const bool shell = side == HumidSide::Shell;
    float& h = shell ? r.Hs : r.Ht;
    h = checkedDiv(1.0f, checkedDiv(1.0f, h * r.Kc, shell ? "Hs*Kc" : "Ht*Kc") + r.Dcf / r.KL, "film resistance");
    if (shell && shellCoefficientGiven(r)) h = r.HsUser;
    if (!shell && tubeCoefficientGiven(r)) h = r.HtUser;
}

void overallCoefficient(Record& r) {
    r.Hti = checkedDiv(1.0f, checkedDiv(1.0f, r.Ht * r.CFt, "Ht*CFt") + r.Rt, "1/Hti");
    const float shell = checkedDiv(1.0f, r.Hs * r.CFs, "Hs*CFs");
    r.Hso = checkedDiv(1.0f, checkedDiv(shell + r.Rs, r.AR, "AR"), "1/Hso");
    const float wall = checkedDiv(r.DI, 2.0f * r.Km, "Km") * checkedLog(checkedDiv(r.DO, r.DI, "DI"), "DO/DI");
    r.KI = checkedDiv(1.0f, 1.0f / r.Hti + 1.0f / r.Hso + wall, "1/KI");
    r.KO = checkedDiv(r.KI * r.Aeff, r.AR * r.Ao, "AR*Ao");
}

}  // namespace cfhx::calc
