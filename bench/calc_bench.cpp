// One pass of the engine's evaluation: properties of both fluids, film
// coefficients, fin efficiency, areas, the overall coefficient and both
// pressure losses, for a radial-fin bundle with gas or water in the tubes.
// The "allocs" counter is the heap allocations per evaluation (must be 0).
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <stdexcept>

#include "app/app.h"
#include "calc/heat_transfer.h"
#include "calc/pressure_loss.h"
#include "calc/properties.h"
#include "calc/record.h"

namespace {
std::atomic<long> gAllocations{0};
}

void* operator new(std::size_t n) {
    gAllocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(n ? n : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

using namespace cfhx::calc;

struct NoPlatform : cfhx::Platform {
    std::string readLine() override { throw std::runtime_error("no input"); }
    void pause() override {}
    bool askYesNo(std::string_view, std::string_view) override { return false; }
    std::string today() override { return "07/03/05"; }
};

// 1" tubes with 1/2" radial fins, 8 per inch, 4 rows of 20, 3 m long.
Record radialFinCase(cfhx::App& app) {
    Record r = freshRecord();
    r.flags.finned = "y";
    r.flags.sFIN = "1";
    r.flags.arrangement = "1";
    r.flags.sTAPE = "n";
    r.flags.sPROP = "1";
    r.DO = 0.0254f;
    r.DI = 0.0214f;
    r.Fh = 0.0127f;
    r.FT = 0.0004f;
    r.FPI = 8.0f;
    finGeometry(app, r);
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
    r.Ai = 3.1416f * r.DI * r.TL * r.Nt;
    return r;
}

void evaluate(cfhx::App& app, Record& r, bool water) {
    const TubeKind kind = TubeKind::RadialFin;
    shellGasProperties(app, r);
    if (water) {
        waterProperties(app, r);
        r.Vta = r.Vt;
    } else {
        tubeGasProperties(app, r);
        r.Vta = r.Vt * (273.0f + r.TGMAV) / 273.0f;
    }
    r.Vsa = r.Vs * (273.0f + r.TAMAV) / 273.0f;
    shellVelocity(app, r, kind);
    shellCoefficient(app, r, kind, Phase::Rating);
    finEfficiency(app, r);
    areas(app, r, kind);
    tubeVelocity(app, r);
    tubeCoefficient(app, r, Phase::Rating, TubeRegime::Sensible);
    overallCoefficient(app, r);
    tubeFriction(app, r);
    tubeLossPlain(app, r);
    shellLoss(app, r, kind);
}

void runCase(benchmark::State& state, bool water) {
    NoPlatform platform;
    cfhx::App app(platform);
    Record r = radialFinCase(app);
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
    evaluate(app, r, water);  // settle the first-pass start values
    const long before = gAllocations.load();
    for (auto _ : state) {
        evaluate(app, r, water);
        // By value: the by-reference form may rewrite a float through a register.
        benchmark::DoNotOptimize(r.KI + r.Ps);
    }
    state.counters["allocs"] =
        benchmark::Counter(double(gAllocations.load() - before), benchmark::Counter::kAvgIterations);
    state.counters["KI"] = r.KI;
    state.counters["DPs"] = r.DPs;
}

void BM_EvaluateRadialFinGasGas(benchmark::State& state) { runCase(state, false); }
BENCHMARK(BM_EvaluateRadialFinGasGas);

void BM_EvaluateRadialFinWaterGas(benchmark::State& state) { runCase(state, true); }
BENCHMARK(BM_EvaluateRadialFinWaterGas);

}  // namespace
