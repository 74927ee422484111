// Printing into the pane model: lines per second, with and without
// row/column overwrites, over growing line counts (must stay linear).
#include <benchmark/benchmark.h>

#include <string>

#include "app/mask.h"
#include "app/pane.h"

namespace {

const std::string kLine = "      ┃1 │交換熱量　　　　　　    ┃      < Q =  123456.7 >   ┃  kcal/h  ┃";

// One pane for the whole run, as in a long session: once the scrollback is
// full every printed line also drops the oldest one.
void BM_PanePrintLines(benchmark::State& state) {
    const int lines = static_cast<int>(state.range(0));
    cfhx::Pane pane;
    for (auto _ : state) {
        for (int i = 0; i < lines; ++i) pane.print(kLine);
        benchmark::DoNotOptimize(pane.endLine());
    }
    state.SetItemsProcessed(state.iterations() * lines);
    state.SetComplexityN(lines);
}
BENCHMARK(BM_PanePrintLines)->RangeMultiplier(10)->Range(1000, 1000000)->Complexity(benchmark::oN);

// An iteration trace: a block of rows rewritten in place every pass.
void BM_PaneTraceOverwrites(benchmark::State& state) {
    const int passes = static_cast<int>(state.range(0));
    for (auto _ : state) {
        cfhx::Pane pane;
        pane.clear();
        for (int p = 0; p < passes; ++p) {
            pane.printAt(6, 10, cfhx::formatMasked("LOOP=####/5000", {double(p)}));
            pane.printAt(7, 10, cfhx::formatMasked("Tsi     =###.## ℃", {20.0 + p * 0.01}));
            pane.printAt(8, 10, cfhx::formatMasked("Tsx     =###.## ℃", {40.0 - p * 0.01}));
            pane.printAt(9, 10, cfhx::formatMasked("Tsi/Tsx =#.####", {0.5}));
        }
        benchmark::DoNotOptimize(pane.endLine());
    }
    state.SetItemsProcessed(state.iterations() * passes * 4);
    state.SetComplexityN(passes);
}
BENCHMARK(BM_PaneTraceOverwrites)->RangeMultiplier(10)->Range(1000, 100000)->Complexity(benchmark::oN);

void BM_MaskedLine(benchmark::State& state) {
    double v = 0;
    for (auto _ : state) {
        std::string s = cfhx::formatMasked("Tti=###.#  Tto=###.#  Q=#######.#", {v, v + 1, v * 1000});
        benchmark::DoNotOptimize(s.data());
        v += 0.37;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_MaskedLine);

}  // namespace
