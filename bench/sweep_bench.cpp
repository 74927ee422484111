// A parameter study of the gas/gas case: 100 tube lengths, on one worker
// and on every core, so the speed-up over one core can be read.
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

void BM_Sweep100GasGas(benchmark::State& state) {
    const std::vector<cfhx::SweepInput> inputs = tubeLengths();
    const std::vector<std::string> quantities = {"Q", "Tto", "Tso", "KI", "Ai", "Pt", "Ps"};
    const auto workers = static_cast<unsigned>(state.range(0));
    for (auto _ : state) {
        const std::vector<cfhx::SweepRun> runs = cfhx::runSweep(kGasGas, inputs, quantities, workers);
        for (const cfhx::SweepRun& r : runs) {
            if (!r.ok) state.SkipWithError(r.status.c_str());
        }
        benchmark::DoNotOptimize(runs.data());
    }
    state.counters["workers"] = workers;
    state.counters["runs/s"] = benchmark::Counter(100.0 * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

BENCHMARK(BM_Sweep100GasGas)
    ->Arg(1)
    ->Arg(static_cast<int>(std::max(1u, std::thread::hardware_concurrency())))
    ->MeasureProcessCPUTime()  // CPU of every worker: equal totals mean the workers do not hold each other up
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
