#include "platform/script/script_command.h"

#include <filesystem>
#include <fstream>
#include <istream>
#include <ostream>
#include <string_view>

#include "platform/cases/script_player.h"

namespace cfhx {
namespace {

constexpr std::string_view kUsage =
    "usage: cfhx --script FILE [--date YY/MM/DD] [--out DIR]\n"
    "       runs a script of user actions headless (FILE - reads stdin); prints and hard\n"
    "       copies go to DIR (sheet-N.pdf, sheet-N.prn, hardcopy-N.png)\n";

int usage(std::ostream& err) {
    err << kUsage;
    return 2;
}

}  // namespace

int scriptCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err,
                  const RendererFactory& makeRenderer) {
    if (args.empty()) return usage(err);
    ScriptOptions options;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--date" && i + 1 < args.size()) {
            options.date = args[++i];
            if (!isDate(options.date)) {
                err << "cfhx: --date: not a date YY/MM/DD\n";
                return usage(err);
            }
        } else if (a == "--out" && i + 1 < args.size()) {
            options.outDir = args[++i];
        } else {
            return usage(err);
        }
    }
    if (!options.outDir.empty()) {
        std::error_code ec;
        std::filesystem::create_directories(options.outDir, ec);
        if (ec) {
            err << "cfhx: cannot make the folder " << options.outDir << ": " << ec.message() << "\n";
            return kScriptCannotWrite;
        }
    }
    // The windows draw the PDF sheets and the hard copies, off screen.
    std::unique_ptr<PrintRenderer> renderer;
    if (!options.outDir.empty() && makeRenderer) {
        renderer = makeRenderer();
        options.renderer = renderer.get();
    }
    const std::string& file = args[0];
    if (file == "-") return runScript(in, out, err, options);
    // A folder opens as a file on some systems and fails on the first read.
    std::error_code ec;
    if (std::filesystem::is_directory(std::filesystem::path(file), ec)) {
        err << "cfhx: cannot read script " << file << ": it is a folder\n";
        return kScriptCannotRead;
    }
    std::ifstream script(file);
    if (!script) {
        err << "cfhx: cannot open script " << file << "\n";
        return kScriptCannotOpen;
    }
    return runScript(script, out, err, options);
}

}  // namespace cfhx
