#include "calc/mean_temperature.h"

#include <algorithm>
#include <cmath>

#include "calc/numeric_guard.h"
#include "app/codes.h"
#include "calc/record.h"

namespace cfhx::calc {

float lmtd(float Tti, float Tto, float Tsi, float Tso, bool parallel) {
    double a, b;  // the two end differences
    if (parallel) {
        a = std::fabs(Tti - Tsi);
        b = std::fabs(Tto - Tso);
    } else if (Tsi > Tti) {
        a = Tsi - Tto;  // hot shell side: signed ends
        b = Tso - Tti;
    } else {
        a = std::fabs(Tti - Tso);
        b = std::fabs(Tto - Tsi);
    }
    const float arithmetic = checkedFinite(std::fabs((Tti + Tto) / 2.0f - (Tsi + Tso) / 2.0f), "LMTD");
    if (std::fabs(a) == std::fabs(b)) return arithmetic;
    // A zero end difference has no logarithmic mean.
    checkedDiv(1.0f, static_cast<float>(b), "LMTD end difference");
    checkedLog(static_cast<float>(std::fabs(a)), "LMTD end difference");
    const double lnRatio = std::log(std::fabs(a) / std::fabs(b));
    // Ends that differ by less than the precision of a float: the limit.
    if (lnRatio == 0.0) return arithmetic;
    return checkedFinite(static_cast<float>((a - b) / lnRatio), "LMTD");
}

PassForm passForm(int arrangementCode, float PNs, float PNt) {
    if (arrangementCode == 2) return PassForm::Parallel;
    if (arrangementCode == 3) return PassForm::ThreeShellPasses;
    if (PNs == 2.0f) return PassForm::TwoShellPasses;
    if (PNt == 2.0f) return PassForm::TwoTubePasses;
    if (PNs > 2.0f) return PassForm::ThreeShellPasses;
    if (PNt > 2.0f) return PassForm::ThreeTubePasses;
    return PassForm::OnePass;
}

namespace {

// ε1 in double: (1/R)·(1 − e^(−R·(1 − e^(−N)))), exact as R → 0.
double onePass(double R, double N) { return -std::expm1(-R * -std::expm1(-N)) / R; }

}  // namespace

float onePassEffectiveness(float R, float N) {
    checkedPositive(R, "R=Cmin/Cmax");
    return checkedFinite(static_cast<float>(onePass(R, N)), "FEEX");
}

float effectiveness(PassForm form, float Rf, float NTUSf) {
    checkedPositive(Rf, "R=Cmin/Cmax");
    checkedFinite(NTUSf, "NTUS");
    const double R = Rf, N = NTUSf;
    double feex = 0.0;
    switch (form) {
        case PassForm::Parallel:
            feex = -std::expm1(-N * (1.0 + R)) / (1.0 + R);
            break;
        case PassForm::OnePass:
            feex = onePass(R, N);
            break;
        case PassForm::TwoTubePasses: {
            const double e = onePass(R, N / 2.0);
            feex = (2.0 * e - e * e * (1.0 + R)) / (1.0 - e * e * R);
            break;
        }
        case PassForm::TwoShellPasses: {
            // 1 − 1/(c/2 + (1 − c/2)·e^(2c/R)), scaled by e^(−2c/R) against overflow.
            const double c = -std::expm1(-R * N / 2.0);
            const double s = std::exp(-2.0 * c / R);
            feex = 1.0 - s / (c / 2.0 * s + (1.0 - c / 2.0));
            break;
        }
        case PassForm::ThreeTubePasses: {
            const double e = onePass(R, N / 3.0);
            feex = (3.0 * e - 3.0 * e * e * (1.0 + R) + e * e * e * (1.0 + R + R * R)) /
                   (1.0 - e * e * R * (3.0 - e - e * R));
            break;
        }
        case PassForm::ThreeShellPasses: {
            // The two-shell-pass family extended to three passes:
            // 1 − 1/(K·(1 − K/4 − (K/R)·(1 − K/2))·e^(K/R) + (1 − K/2)²·e^(3K/R)),
            // K = 1 − e^(−R·NTUS/3), scaled by e^(−3K/R).
            const double K = -std::expm1(-R * N / 3.0);
            const double a = K / R;
            const double head = K * (1.0 - K / 4.0 - a * (1.0 - K / 2.0)) * std::exp(-2.0 * a);
            const double tail = (1.0 - K / 2.0) * (1.0 - K / 2.0);
            feex = 1.0 - std::exp(-3.0 * a) / (head + tail);
            break;
        }
    }
    // An effectiveness of 1 leaves no difference at the pinched end and so
    // no LMTD: held a hair below it (a bundle that large changes no figure).
    return checkedFinite(static_cast<float>(std::min(feex, kPinchedEffectiveness)), "FEEX");
}

float counterFlowEffectiveness(float R, float NTUS) {
    if (std::fabs(1.0f - R) < 1e-6f) return checkedDiv(NTUS, 1.0f + NTUS, "1+NTUS");
    const double x = std::exp(-double(NTUS) * (1.0 - R));
    return checkedFinite(static_cast<float>((1.0 - x) / (1.0 - R * x)), "counter-flow effectiveness");
}

float theoreticalCorrection(float FEEX, float Cmin, float inletDifference, float LMTD, float KI, float Ai) {
    const float Fthe = checkedDiv(FEEX * Cmin * inletDifference, LMTD * KI * Ai, "LMTD*KI*Ai");
    return Fthe > 1.0f ? 1.0f : Fthe;
}

void temperatureEfficiencies(Record& r) {
    if (r.flags.sCOND == YesNo::Yes) return;
    const float span = std::fabs(r.Tti - r.Tsi);
    r.Es = checkedDiv(std::fabs(r.Tso - r.Tsi), span, "Tti-Tsi");
    r.Et = checkedDiv(std::fabs(r.Tti - r.Tto), span, "Tti-Tsi");
}

bool settleCorrectionFactor(float& FF, float Fthe) {
    if (std::fabs(FF - Fthe) < 0.002f) {
        if (FF > 0.9999f) FF = 1.0f;
        return true;
    }
    FF = Fthe;
    return false;
}

bool CorrectionSearch::next(float& FF, float& Fthe) {
    const float miss = Fthe - FF;
    if (lastMiss_ != 0.0f && std::fabs(miss) > 0.5f * lastMiss_) bracketing_ = true;
    const bool crawling = crawl_ == Crawl::Secant && bracketing_ && lastFF_ != FF && lastSigned_ != 0.0f &&
                          (miss > 0.0f) == (lastSigned_ > 0.0f) && std::fabs(miss) < lastMiss_;
    // The secant's step is held to ten of the last: two nearly equal misses
    // would throw it far.
    const float step = crawling ? -miss * (FF - lastFF_) / (miss - lastSigned_) : 0.0f;
    const float reach = 10.0f * std::fabs(FF - lastFF_);
    const float secant = FF + std::clamp(step, -reach, reach);
    lastMiss_ = std::fabs(miss);
    lastSigned_ = miss;
    lastFF_ = FF;
    (miss > 0.0f ? low_ : high_) = FF;
    const bool bracketed = bracketing_ && low_ != 0.0f && high_ != 0.0f;
    if (crawling && !bracketed && secant > 0.0f && secant <= 1.0f) {
        // Settled only where the factor gives itself back, not where a
        // crawl's step fell below the tolerance.
        if (std::fabs(secant - FF) < 0.002f && std::fabs(miss) < 0.002f) return settleCorrectionFactor(FF, Fthe);
        FF = secant;
        return false;
    }
    if (!bracketed || std::fabs(miss) < 0.002f) return settleCorrectionFactor(FF, Fthe);
    if (std::fabs(high_ - low_) < 0.002f) {
        Fthe = FF;  // the factor the pass was made with
        return true;
    }
    FF = (low_ + high_) / 2.0f;
    return false;
}

}  // namespace cfhx::calc
