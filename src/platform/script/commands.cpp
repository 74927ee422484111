#include "platform/script/commands.h"

#include <istream>
#include <ostream>
#include <string_view>

#include "platform/script/command_line.h"
#include "platform/script/props_command.h"
#include "platform/script/run_command.h"
#include "platform/script/script_command.h"
#include "platform/script/sweep_command.h"
#include "version.h"

namespace cfhx {
namespace {

constexpr std::string_view kExitStatus =
    "Exit status: 0 done; 1 a file cannot be read or written (props: the evaluation stopped); 2 a bad argument, "
    "a bad line in a script or case, no display for the windows; 3 a script or case ends or waits before its "
    "calculation reaches a result; 4 the calculation stopped (run); 127 the windows program is not installed.";

// The help of the whole program: its commands, each with --help of its own.
std::string programHelp(bool windows) {
    CLI::App app{"", "cfhx"};
    describeCommand(app, windows ? "Designs and rates cross-flow multi-tube heat exchangers. Without a command: "
                                   "start the program (with CASE, that saved case opened in its windows)."
                                 : "Designs and rates cross-flow multi-tube heat exchangers (built without the "
                                   "windows: the headless commands only).");
    std::string unused;
    if (windows) {
        app.add_option("CASE", unused, "a saved case to open in the windows")->type_name("FILE");
        app.add_option("--lang", unused, "the windows' language (kept for the next start)")->type_name("en|ja");
    }
    app.add_option("--script", unused, "play a script of user actions headless (cfhx --script --help)")
        ->type_name("FILE");
    bool flag = false;
    app.add_flag("--version", flag, "print the program's version");
    app.add_subcommand("run", "replay a saved case headless to its result table (cfhx run --help)");
    app.add_subcommand("sweep", "rerun a case over a grid of field values into a CSV (cfhx sweep --help)");
    app.add_subcommand("props", "the property values the calculation uses (cfhx props --help)");
    app.footer(std::string(kExitStatus));
    return app.help();
}

bool isWindowsOption(std::string_view a) { return a == "--lang" || a.starts_with("--lang="); }

}  // namespace

std::optional<int> runHeadless(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                               std::ostream& err, const FrontEnd& frontEnd) {
    const std::string_view first = args.empty() ? std::string_view() : std::string_view(args[0]);
    const std::vector<std::string> rest = args.empty() ? args : std::vector<std::string>(args.begin() + 1, args.end());
    if (first == "--version" && rest.empty()) {
        out << kProgramName << ' ' << kProgramVersion << '\n';
        return 0;
    }
    if (first == "--help" || first == "-h") {
        out << programHelp(frontEnd.windows);
        return 0;
    }
    if (first == "--script") return scriptCommand(rest, in, out, err, frontEnd.renderer);
    if (first == "run") return runCommand(rest, out, err, frontEnd.renderer);
    if (first == "props") return propsCommand(rest, out, err);
    if (first == "sweep") {
        const std::unique_ptr<SweepPlotter> plotter = frontEnd.plotter ? frontEnd.plotter() : nullptr;
        return sweepCommand(rest, out, err, plotter.get());
    }
    // Options of the windows go to them, Qt's own (one dash) too.
    if (first.starts_with("--") && !isWindowsOption(first)) {
        err << "cfhx: The following argument was not expected: " << first << " (cfhx --help lists the commands)\n";
        return kUsageRefused;
    }
    if (frontEnd.windows) return std::nullopt;
    err << "cfhx: built without the windows; only the headless commands run (cfhx --help lists them)\n";
    return kUsageRefused;
}

}  // namespace cfhx
