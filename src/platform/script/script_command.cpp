#include "platform/script/script_command.h"

#include <filesystem>
#include <fstream>
#include <istream>
#include <ostream>

#include "platform/cases/script_player.h"
#include "platform/script/command_line.h"

namespace cfhx {

int scriptCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err,
                  const RendererFactory& makeRenderer) {
    ScriptOptions options;
    std::string file;
    CLI::App app{"", "cfhx --script"};
    describeCommand(app, "Plays a script of user actions headless and prints what the screens and the pane show.");
    app.add_option("FILE", file, "the script (a saved case too); - reads standard input")
        ->required()
        ->type_name("FILE");
    app.add_option("--date", options.date, "the date the program takes for today")
        ->check(dateCheck())
        ->type_name("YY/MM/DD");
    app.add_option("--out", options.outDir,
                   "write prints and hard copies into this folder (sheet-N.pdf, sheet-N.prn, hardcopy-N.png)")
        ->type_name("DIR");
    addLanguageOption(app, options.language);
    app.footer("Exit status: 0 the script ran to its end, 1 a file cannot be read or written, 2 a bad argument or "
               "a bad line, 3 the program waits for an answer the script does not give.");
    if (const std::optional<int> done = parseCommandLine(app, args, out, err)) return *done;
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
