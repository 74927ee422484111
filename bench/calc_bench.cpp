// One pass of the engine's evaluation: properties of both fluids, film
// coefficients, fin efficiency, areas, the overall coefficient and both
// pressure losses, for a radial-fin bundle with gas or water in the tubes.
// The "allocs" counter is the heap allocations per evaluation (must be 0).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <new>

#include "app/codes.h"
#include "calc/heat_transfer.h"
#include "calc/pressure_loss.h"
#include "calc/properties.h"
#include "calc/record.h"
#include "calc/units.h"

namespace {
// Counted only on a thread inside an evaluation loop below, so the other
// benchmarks of this binary (sweep workers among them) pay a thread-local
// test, not a shared atomic.
thread_local bool tCounting = false;
thread_local long tAllocations = 0;
}

void* operator new(std::size_t n) {
    if (tCounting) ++tAllocations;
    if (void* p = std::malloc(n ? n : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

using namespace cfhx::calc;

// 1" tubes with 1/2" radial fins, 8 per inch, 4 rows of 20, 3 m long.
Record radialFinCase() {
    Record r = freshRecord();
    r.flags.finned = cfhx::YesNo::Yes;
    r.flags.sFIN = cfhx::Fin::Radial;
    r.flags.arrangement = cfhx::Arrangement::Triangular;
    r.flags.sTAPE = cfhx::YesNo::No;
    r.flags.sPROP = cfhx::Prop::Correlations;
    r.DO = 0.0254f;
    r.DI = 0.0214f;
    r.Fh = 0.0127f;
    r.FT = 0.0004f;
    r.FPI = 8.0f;
    finGeometry(r);
    r.Pv = 1.2f * r.Df;
    r.Ph = 1.1f * r.Df;
    r.TL = 3.0f;
    r.Nh = 4.0f;
    r.NV = 20.0f;
    r.Nt = 80.0f;
    r.PNt = r.PNs = 1.0f;
    r.Kf = 180.0f;
    r.Km = 40.0f;
    r.Rt = r.Rs = 0.0002f;
    r.Frow = rowFactor(r.Nh, true);
    // Air across the bundle.
    const float air[kComponents] = {kAirCO2, kAirN2, kAirO2, 0.0f};
    for (int c = 0; c < kComponents; ++c) r.shellWet[c] = air[c];
    r.Vs = 20000.0f;
    r.Ai = kPi * r.DI * r.TL * r.Nt;
    return r;
}

void evaluate(Record& r, bool water, Notes& notes) {
    const TubeKind kind = TubeKind::RadialFin;
    shellGasProperties(r);
    if (water) {
        waterProperties(r, notes);
        r.Vta = r.Vt;
    } else {
        tubeGasProperties(r);
        r.Vta = r.Vt * (kKelvin + r.TGMAV) / kKelvin;
    }
    r.Vsa = r.Vs * (kKelvin + r.TAMAV) / kKelvin;
    shellVelocity(r, kind);
    shellCoefficient(r, kind, Phase::Rating, notes);
    finEfficiency(r);
    areas(r, kind);
    tubeVelocity(r);
    tubeCoefficient(r, Phase::Rating, TubeRegime::Sensible);
    overallCoefficient(r);
    tubeFriction(r);
    tubeLossPlain(r);
    shellLoss(r, kind);
}

void runCase(benchmark::State& state, bool water) {
    Record r = radialFinCase();
    Notes notes;
    if (water) {
        r.Wt = 20.0f;  // t/h
        r.TGM = 60.0f;
        r.TAM = 200.0f;
    } else {
        // Flue gas in the tubes.
        const float flue[kComponents] = {0.10f, 0.75f, 0.05f, 0.10f};
        for (int c = 0; c < kComponents; ++c) r.tubeWet[c] = flue[c];
        r.Vt = 5000.0f;
        r.TGM = 300.0f;
        r.TAM = 40.0f;
    }
    evaluate(r, water, notes);  // settle the first-pass start values
    const long before = tAllocations;
    tCounting = true;
    for (auto _ : state) {
        evaluate(r, water, notes);
        // By value: the by-reference form may rewrite a float through a register.
        benchmark::DoNotOptimize(r.KI + r.Ps);
    }
    tCounting = false;
    state.counters["allocs"] =
        benchmark::Counter(double(tAllocations - before), benchmark::Counter::kAvgIterations);
    state.counters["KI"] = r.KI;
    state.counters["DPs"] = r.DPs;
}

void BM_EvaluateRadialFinGasGas(benchmark::State& state) { runCase(state, false); }
BENCHMARK(BM_EvaluateRadialFinGasGas);

void BM_EvaluateRadialFinWaterGas(benchmark::State& state) { runCase(state, true); }
BENCHMARK(BM_EvaluateRadialFinWaterGas);

}  // namespace
