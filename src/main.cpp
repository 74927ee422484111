// cfhx: the windows by default (`cfhx CASE` opens a saved case in them);
// `--script FILE` runs a script headless, `run CASE` replays a saved case to
// its result, `sweep` reruns it over a grid and `props` prints property
// values. Built without the windows (CFHX_GUI off) only the headless
// commands are there.
//
// With the windows this file makes two programs: cfhx-qt (CFHX_WITH_GUI),
// linked with Qt, and cfhx (CFHX_QT_PROGRAM), without it, which hands every
// command line that needs Qt to cfhx-qt and runs the rest itself.
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/script/commands.h"
#if defined(CFHX_QT_PROGRAM) || defined(CFHX_WITH_GUI)
#include "platform/display.h"
#endif
#ifdef CFHX_QT_PROGRAM
#include "platform/qt_program.h"
#endif
#ifdef CFHX_WITH_GUI
#include "platform/qt/gui.h"
#include "platform/qt/offscreen_renderer.h"
#include "platform/qt/sweep_plot.h"
#endif

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
#if defined(CFHX_QT_PROGRAM) || defined(CFHX_WITH_GUI)
    // Qt aborts without a display; say so and name what runs without one.
    if (cfhx::opensWindows({argv + 1, argv + argc}) && !cfhx::displayFound(cfhx::systemEnvironment())) {
        std::cerr << cfhx::noDisplayMessage();
        return cfhx::kNoDisplay;
    }
#endif
#ifdef CFHX_QT_PROGRAM
    if (cfhx::needsQt({argv + 1, argv + argc})) return cfhx::execQtProgram(argv, std::cerr);
#endif
    cfhx::FrontEnd frontEnd;
#if defined(CFHX_QT_PROGRAM) || defined(CFHX_WITH_GUI)
    frontEnd.windows = true;
#endif
#ifdef CFHX_WITH_GUI
    frontEnd.renderer = [&] { return cfhx::qt::offscreenRenderer(argc, argv); };
    frontEnd.plotter = [&] { return cfhx::qt::sweepPlotter(argc, argv); };
#endif
    if (const std::optional<int> status = cfhx::runHeadless(args, std::cin, std::cout, std::cerr, frontEnd)) {
        return *status;
    }
#ifdef CFHX_WITH_GUI
    return cfhx::runGui(argc, argv);
#else
    return 2;  // cfhx hands the windows to cfhx-qt before this
#endif
}
