// cfhx: the windows by default (`cfhx CASE` opens a saved case in them);
// `--script FILE` runs a script headless,
// `run CASE` replays a saved case to its result and `props` prints property
// values. Built without the windows (CFHX_GUI off)
// only the headless modes are there.
//
// With the windows this file makes two programs: cfhx-qt (CFHX_WITH_GUI),
// linked with Qt, and cfhx (CFHX_QT_PROGRAM), without it, which hands every
// command line that needs Qt to cfhx-qt and runs the rest itself.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "calc/props_command.h"
#include "version.h"
#include "platform/script/driver.h"
#include "platform/script/run_command.h"
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
        if (argc < 3) return usage();
        cfhx::ScriptOptions options;
        for (int i = 3; i < argc; ++i) {
            std::string_view a = argv[i];
            if (a == "--date" && i + 1 < argc) {
                options.date = argv[++i];
                if (!cfhx::isDate(options.date)) {
                    std::cerr << "cfhx: --date: not a date YY/MM/DD\n";
                    return usage();
                }
            } else if (a == "--out" && i + 1 < argc) {
                options.outDir = argv[++i];
            } else {
                return usage();
            }
        }
        if (!options.outDir.empty()) {
            std::error_code ec;
            std::filesystem::create_directories(options.outDir, ec);
            if (ec) {
                std::cerr << "cfhx: cannot make the folder " << options.outDir << ": " << ec.message() << "\n";
                return cfhx::kScriptCannotWrite;
            }
        }
#ifdef CFHX_WITH_GUI
        // The windows draw the PDF sheets and the hard copies, off screen.
        std::unique_ptr<cfhx::PrintRenderer> renderer;
        if (!options.outDir.empty()) {
            renderer = cfhx::qt::offscreenRenderer(argc, argv);
            options.renderer = renderer.get();
        }
#endif
        std::string_view file = argv[2];
        if (file == "-") return cfhx::runScript(std::cin, std::cout, std::cerr, options);
        // A folder opens as a file on some systems and fails on the first read.
        std::error_code ec;
        if (std::filesystem::is_directory(std::filesystem::path(file), ec)) {
            std::cerr << "cfhx: cannot read script " << file << ": it is a folder\n";
            return cfhx::kScriptCannotRead;
        }
        std::ifstream in{std::string(file)};
        if (!in) {
            std::cerr << "cfhx: cannot open script " << file << "\n";
            return cfhx::kScriptCannotOpen;
        }
        return cfhx::runScript(in, std::cout, std::cerr, options);
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
