// Parameter studies of the gas/gas case: 100 tube lengths, and 100 lengths
// by 10 shell flows, on one worker and on every core, so the speed-up over
// one core can be read.
#include <benchmark/benchmark.h>

#include <string>
#include <thread>
#include <vector>

#include "platform/script/sweep_command.h"

namespace {

// Gas in the tubes and outside, radial fins, No. 5, old units, to the
// calculate button's confirmation.
constexpr const char* kGasGas =
    "click FORM4.BUTTON25\nclick MAINFORM.BUTTON18\nclick MAINFORM.BUTTON22\nclick MAINFORM.BUTTON11\nyes\n"
    "click MAINFORM.BUTTON2\nclick MAINFORM.BUTTON6\nclick FORM6.BUTTON36\nclick FORM6.BUTTON39\n"
    "click FORM5.BUTTON53\nclick FORM5.BUTTON30\nclick MAINFORM.BUTTON9\nyes\n";

// Tube lengths 500 to 5450 mm, step 50: 100 runs.
std::vector<cfhx::SweepInput> tubeLengths() {
    cfhx::SweepInput in{.screen = "FORM5", .control = "EDIT157", .values = {}};
    for (int mm = 500; mm <= 5450; mm += 50) in.values.push_back(std::to_string(mm));
    return {in};
}

// Shell gas flows 1000 to 5500 kg/h, step 500: 10 values.
cfhx::SweepInput shellFlows() {
    cfhx::SweepInput in{.screen = "FORM5", .control = "EDIT170", .values = {}};
    for (int kg = 1000; kg <= 5500; kg += 500) in.values.push_back(std::to_string(kg));
    return in;
}

void sweep(benchmark::State& state, const std::vector<cfhx::SweepInput>& inputs) {
    const std::vector<std::string> quantities = {"Q", "Tto", "Tso", "KI", "Ai", "Pt", "Ps"};
    const auto workers = static_cast<unsigned>(state.range(0));
    size_t grid = 1;
    for (const cfhx::SweepInput& in : inputs) grid *= in.values.size();
    for (auto _ : state) {
        const std::vector<cfhx::SweepRun> runs = cfhx::runSweep(kGasGas, inputs, quantities, workers);
        if (runs.size() != grid) {
            state.SkipWithError("the sweep left out runs of its grid");
            return;
        }
        for (const cfhx::SweepRun& r : runs) {
            if (!r.ok) {
                state.SkipWithError(r.status.c_str());
                return;
            }
        }
        benchmark::DoNotOptimize(runs.data());
    }
    state.counters["workers"] = workers;
    state.counters["runs/s"] = benchmark::Counter(static_cast<double>(grid * state.iterations()), benchmark::Counter::kIsRate);
}

void BM_Sweep100GasGas(benchmark::State& state) { sweep(state, tubeLengths()); }
void BM_Sweep1000GasGas(benchmark::State& state) {
    std::vector<cfhx::SweepInput> inputs = tubeLengths();
    inputs.push_back(shellFlows());
    sweep(state, inputs);
}

// One worker, and every core when there is more than one (one name each).
void workerCounts(benchmark::internal::Benchmark* b) {
    b->Arg(1);
    if (const unsigned cores = std::thread::hardware_concurrency(); cores > 1) b->Arg(static_cast<int>(cores));
}

BENCHMARK(BM_Sweep100GasGas)
    ->Apply(workerCounts)
    ->MeasureProcessCPUTime()  // CPU of every worker: equal totals mean the workers do not hold each other up
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Sweep1000GasGas)->Apply(workerCounts)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
