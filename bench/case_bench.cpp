// Each sample case as one calculation, in process: fresh screens, the
// sample values, the calculate button and the run to its result table.
// The gas/gas sample is run with every processing No.: the sizing routes
// No. 1-4 and the rating routes No. 5-7.
#include <benchmark/benchmark.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

#include "platform/cases/case_run.h"

namespace {

std::string sample(std::string_view name) {
    std::ifstream in(std::string(CFHX_SAMPLES_DIR) + "/" + std::string(name) + ".cfhx");
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// FORM6 buttons of the processing Nos. 1-7; the gas/gas sample picks No. 5.
constexpr std::string_view kNumberButtons[] = {"FORM6.BUTTON31", "FORM6.BUTTON32", "FORM6.BUTTON34", "FORM6.BUTTON35",
                                               "FORM6.BUTTON36", "FORM6.BUTTON37", "FORM6.BUTTON38"};
constexpr int kSampleNumber = 5;
// No. 1 and 2 ask what is given: the shell outlet.
constexpr std::string_view kShellOutletGiven = "type 1\n";

std::string gasGasWithNumber(int no) {
    std::string script = sample("gas-gas-no5");
    const std::string_view from = kNumberButtons[kSampleNumber - 1];
    const size_t at = script.find(from);
    if (at == std::string::npos) return {};
    script.replace(at, from.size(), kNumberButtons[no - 1]);
    if (no <= 2) script += kShellOutletGiven;
    return script;
}

void runToResult(benchmark::State& state, const std::string& script) {
    if (script.empty()) {
        state.SkipWithError("the sample case cannot be read");
        return;
    }
    for (auto _ : state) {
        const cfhx::CaseResult r = cfhx::runCase(script);
        if (r.status != cfhx::kCaseResult || !r.record) {
            state.SkipWithError(("no result: " + r.message + r.errors).c_str());
            return;
        }
        if (!std::isfinite(r.record->Q) || r.record->Q <= 0.0f) {
            state.SkipWithError("the result carries no duty");
            return;
        }
        benchmark::DoNotOptimize(r.record->Q);
    }
}

struct Registered {
    Registered() {
        for (std::string_view name :
             {"gas-gas-no5", "water-gas-no5", "water-humid-shell", "humid-gas-tubes", "typed-in-condensation"}) {
            const std::string script = sample(name);
            benchmark::RegisterBenchmark(("BM_Case/" + std::string(name)).c_str(),
                                         [script](benchmark::State& s) { runToResult(s, script); })
                ->Unit(benchmark::kMillisecond);
        }
        for (int no = 1; no <= 7; ++no) {
            if (no == kSampleNumber) continue;  // the sample itself
            const std::string script = gasGasWithNumber(no);
            benchmark::RegisterBenchmark(("BM_Case/gas-gas-no" + std::to_string(no)).c_str(),
                                         [script](benchmark::State& s) { runToResult(s, script); })
                ->Unit(benchmark::kMillisecond);
        }
    }
} registered;

}  // namespace
