// cfhx: the windows by default (`cfhx CASE` opens a saved case in them);
// `--script FILE` runs a script headless,
// `run CASE` replays a saved case to its result and `props` prints property
// values. Built without the windows (CFHX_GUI off)
// only the headless modes are there.
//
// With the windows this file makes two programs: cfhx-qt (CFHX_WITH_GUI),
// linked with Qt, and cfhx (CFHX_QT_PROGRAM), without it, which hands every
// command line that needs Qt to cfhx-qt and runs the rest itself.
#include <iostream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "calc/props_command.h"
#include "version.h"
#include "platform/script/run_command.h"
#include "platform/script/script_command.h"
#include "platform/script/sweep_command.h"
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

namespace {

int usage() {
    std::cerr << "usage: "
#if defined(CFHX_WITH_GUI) || defined(CFHX_QT_PROGRAM)
                 "cfhx [CASE.cfhx]           start the program (with that saved case opened)\n"
                 "       "
#endif
                 "cfhx --script FILE [--date YY/MM/DD] [--out DIR]\n"
                 "                                  run a script of user actions headless (FILE - reads stdin);\n"
                 "                                  prints and hard copies go to DIR (sheet-N.pdf, sheet-N.prn,\n"
                 "                                  hardcopy-N.png)\n"
                 "       cfhx run CASE [--mode J|JSI|E|ESI] [--json FILE] [--out DIR] [--date YY/MM/DD]\n"
                 "                                  replay a saved case to its result table (see the README)\n"
                 "       cfhx sweep CASE --vary FORM.CONTROL=FROM:TO:STEP [--vary ...] --csv FILE\n"
                 "                  [--plot FILE.png] [--y NAME[,NAME]]\n"
                 "                                  rerun a case over a grid of field values\n"
                 "       cfhx props water|gas ...   property values the calculation uses (cfhx props for help)\n"
                 "       cfhx --version             the program's version\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::string_view(argv[1]) == "--version") {
        std::cout << cfhx::kProgramName << ' ' << cfhx::kProgramVersion << '\n';
        return 0;
    }
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
    if (argc >= 2 && std::string_view(argv[1]) == "props") {
        std::vector<std::string> args(argv + 2, argv + argc);
        return cfhx::calc::runPropsCommand(args, std::cout, std::cerr);
    }
    if (argc >= 2 && std::string_view(argv[1]) == "run") {
        std::vector<std::string> args(argv + 2, argv + argc);
#ifdef CFHX_WITH_GUI
        return cfhx::runCommand(args, std::cout, std::cerr, [&] { return cfhx::qt::offscreenRenderer(argc, argv); });
#else
        return cfhx::runCommand(args, std::cout, std::cerr);
#endif
    }
    // A parameter study; the windows build draws its plot.
    if (argc >= 2 && std::string_view(argv[1]) == "sweep") {
        std::vector<std::string> args(argv + 2, argv + argc);
#ifdef CFHX_WITH_GUI
        const std::unique_ptr<cfhx::SweepPlotter> plotter = cfhx::qt::sweepPlotter(argc, argv);
        return cfhx::sweepCommand(args, std::cout, std::cerr, plotter.get());
#else
        return cfhx::sweepCommand(args, std::cout, std::cerr, nullptr);
#endif
    }
    if (argc >= 2 && std::string_view(argv[1]) == "--script") {
        std::vector<std::string> args(argv + 2, argv + argc);
#ifdef CFHX_WITH_GUI
        return cfhx::scriptCommand(args, std::cin, std::cout, std::cerr,
                                   [&] { return cfhx::qt::offscreenRenderer(argc, argv); });
#else
        return cfhx::scriptCommand(args, std::cin, std::cout, std::cerr);
#endif
    }
    if (argc >= 2 && (std::string_view(argv[1]) == "--help" || std::string_view(argv[1]) == "-h")) {
        usage();
        return 0;
    }
#ifdef CFHX_WITH_GUI
    return cfhx::runGui(argc, argv);
#else
    std::cerr << "cfhx: built without the windows; only the headless modes run\n";
    return usage();
#endif
}
