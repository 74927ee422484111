// Whole calculations run headless from the sample values: the screens, the
// dialogue, the rating with its traces in the pane and the transcript.
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

#include "platform/script/driver.h"

namespace {

constexpr const char* kGasGasNo5 = R"(click FORM4.BUTTON25
click MAINFORM.BUTTON18
click MAINFORM.BUTTON22
click MAINFORM.BUTTON2
click MAINFORM.BUTTON6
click FORM6.BUTTON36
click FORM6.BUTTON39
click FORM5.BUTTON53
click FORM5.BUTTON30
click MAINFORM.BUTTON9
yes
continue
)";

constexpr const char* kWaterHumidShell = R"(click FORM4.BUTTON25
click MAINFORM.BUTTON18
click MAINFORM.BUTTON22
click MAINFORM.BUTTON3
click MAINFORM.BUTTON5
click FORM5.BUTTON53
click FORM5.BUTTON30
click MAINFORM.BUTTON9
yes
continue
)";

constexpr const char* kTypedInCondensation = R"(click FORM4.BUTTON25
click MAINFORM.BUTTON18
click MAINFORM.BUTTON4
click FORM7.RADIO8
click FORM7.RADIO9
click FORM7.RADIO11
click FORM7.BUTTON52
click MAINFORM.BUTTON22
click FORM5.BUTTON53
click FORM5.BUTTON30
click MAINFORM.BUTTON9
yes
continue
)";

void runSession(benchmark::State& state, const char* script) {
    cfhx::ScriptOptions options;
    options.date = "26/12/09";
    for (auto _ : state) {
        std::istringstream in(script);
        std::ostringstream out, err;
        const int status = cfhx::runScript(in, out, err, options);
        if (status != cfhx::kScriptDone) state.SkipWithError(err.str().c_str());
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
