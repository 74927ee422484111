// Whole calculations run headless from the sample values: the screens, the
// dialogue, the rating with its traces in the pane and the transcript.
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

#include "platform/cases/script_player.h"

namespace {

// Old units, NEXT and the sample bundle; then each case's kinds and samples,
// the calculate button and its confirmation; at the result menu the check
// of the heat balance, the end and its confirmation.
constexpr const char* kStart = "click FORM4.BUTTON25\nclick MAINFORM.BUTTON18\n";
constexpr const char* kCalculate =
    "click FORM5.BUTTON53\nclick FORM5.BUTTON30\nclick MAINFORM.BUTTON9\nyes\ntype 5\ntype 2\ntype y\n";

const std::string kGasGasNo5 = std::string(kStart) +
                               "click MAINFORM.BUTTON22\nclick MAINFORM.BUTTON2\nclick MAINFORM.BUTTON6\n"
                               "click FORM6.BUTTON36\nclick FORM6.BUTTON39\n" + kCalculate;
const std::string kWaterHumidShell =
    std::string(kStart) + "click MAINFORM.BUTTON22\nclick MAINFORM.BUTTON3\nclick MAINFORM.BUTTON5\n" + kCalculate;
const std::string kTypedInCondensation = std::string(kStart) +
                                         "click MAINFORM.BUTTON4\nclick FORM7.RADIO8\nclick FORM7.RADIO9\n"
                                         "click FORM7.RADIO11\nclick FORM7.BUTTON52\nclick MAINFORM.BUTTON22\n" +
                                         kCalculate;

void runSession(benchmark::State& state, const std::string& script) {
    cfhx::ScriptOptions options;
    options.date = "26/12/09";
    for (auto _ : state) {
        std::istringstream in(script);
        std::ostringstream out, err;
        const int status = cfhx::runScript(in, out, err, options);
        if (status != cfhx::kScriptDone || !err.str().empty()) {
            state.SkipWithError(("the session does not run to its end: " + err.str()).c_str());
            return;
        }
        benchmark::DoNotOptimize(out.str().size());
    }
}

void BM_CalculationGasGasNo5(benchmark::State& state) { runSession(state, kGasGasNo5); }
void BM_CalculationWaterHumidShell(benchmark::State& state) { runSession(state, kWaterHumidShell); }
void BM_CalculationTypedInCondensation(benchmark::State& state) { runSession(state, kTypedInCondensation); }

BENCHMARK(BM_CalculationGasGasNo5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CalculationWaterHumidShell)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CalculationTypedInCondensation)->Unit(benchmark::kMillisecond);

}  // namespace
