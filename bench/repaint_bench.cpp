// A repaint of the text pane must cost what the visible rows cost, not what
// the scrollback holds: the same page painted over 1,000 and 100,000 lines.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <memory>
#include <string>

#include "app/mask.h"
#include "app/pane.h"
#include "platform/qt/pane_view.h"

namespace {

QApplication& application() {
    static int argc = 1;
    static char name[] = "cfhx_bench";
    static char* argv[] = {name, nullptr};
    static std::unique_ptr<QApplication> app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return std::make_unique<QApplication>(argc, argv);
    }();
    return *app;
}

void BM_PaneRepaint(benchmark::State& state) {
    application();
    const int scrollback = static_cast<int>(state.range(0));
    cfhx::Pane pane;
    for (int i = 0; i < scrollback; ++i) {
        pane.print(cfhx::formatMasked("      ┃1 │交換熱量　　　　　　    ┃ Q =#######.# ┃  kcal/h  ┃", {i * 1.5}));
    }
    cfhx::qt::PaneView view(pane, 16);
    view.resize(660, 700);
    view.sync();
    QImage image(view.viewport()->size(), QImage::Format_RGB32);
    for (auto _ : state) {
        view.viewport()->render(&image);
        benchmark::DoNotOptimize(image.bits());
    }
    state.counters["rows"] = view.lastPaintedRows();
}
BENCHMARK(BM_PaneRepaint)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);

}  // namespace
