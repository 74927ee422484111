#include "platform/script/run_command.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <sstream>
#include <string_view>

#include "platform/atomic_file.h"
#include "report/display_mode.h"
#include "report/sheet.h"
#include "platform/cases/case_file.h"
#include "platform/cases/case_run.h"
#include "platform/cases/result_json.h"
#include "platform/cases/script_line.h"
#include "platform/cases/sheet_files.h"
#include "platform/script/command_line.h"

namespace cfhx {
namespace {

constexpr std::string_view kPrefix = "cfhx: ";
constexpr std::string_view kNoResult = "the case ends before its calculation reaches a result";

struct RunOptions {
    std::string file;
    std::string mode;  // empty: the case's own display mode
    std::string json;
    std::string outDir;
    std::string date;
    Language language = Language::Japanese;
};

// One of the display modes.
CLI::Validator modeCheck() {
    return CLI::Validator(
        [](const std::string& mode) -> std::string {
            for (const report::DisplayMode& m : report::kDisplayModes) {
                if (m.name == mode) return "";
            }
            return quote(mode, 40) + " is not a display mode (J, JSI, E or ESI)";
        },
        "");
}

void defineOptions(CLI::App& app, RunOptions& o) {
    describeCommand(app, "Replays a saved case headless to its result table and prints it.");
    app.add_option("CASE", o.file, "the saved case (.cfhx)")->required()->type_name("FILE");
    app.add_option("--mode", o.mode, "display mode of the table and the sheet (default: the case's own)")
        ->check(modeCheck())
        ->type_name("J|JSI|E|ESI");
    app.add_option("--json", o.json, "write the result record as JSON to this file")->type_name("FILE");
    app.add_option("--out", o.outDir, "write the calculation sheet into this folder (sheet.prn, sheet.pdf)")
        ->type_name("DIR");
    app.add_option("--date", o.date, "the date printed on the table and the sheet (default: today)")
        ->check(dateCheck())
        ->type_name("YY/MM/DD");
    addLanguageOption(app, o.language);
    app.footer("Exit status: 0 a result, 1 a file cannot be read or written, 2 a bad argument or a bad line in "
               "the case, 3 the case ends before its result, 4 the calculation stopped (its reason on standard error).");
}

// The whole case file; false with the reason on `err`.
bool readCase(const std::string& file, std::string& text, std::ostream& err) {
    std::string reason;
    switch (readCaseFile(file, text, reason)) {
        case CaseFile::Read: return true;
        case CaseFile::CannotOpen: err << "cfhx: cannot open case " << file << ": " << reason << "\n"; break;
        case CaseFile::CannotRead: err << "cfhx: cannot read case " << file << ": " << reason << "\n"; break;
    }
    return false;
}

// sheet.prn and, where the windows can draw it, sheet.pdf into `dir`.
bool writeSheet(const calc::Record& r, std::string_view mode, const std::string& date, const std::string& dir,
                const RendererFactory& makeRenderer, std::ostream& err) {
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (ec) {
        err << "cfhx: cannot make the folder " << dir << ": " << ec.message() << "\n";
        return false;
    }
    std::unique_ptr<PrintRenderer> renderer = makeRenderer ? makeRenderer() : nullptr;
    const SheetFiles files =
        writeSheetFiles(report::sheetPages(r, mode, date), PrintRoute::Driver, dir, "sheet", renderer.get());
    if (files.noRenderer) err << "cfhx: no sheet.pdf: this program was built without the windows\n";
    if (files.failedFile.empty()) return true;
    err << "cfhx: --out: " << (std::filesystem::path(dir) / files.failedFile).string() << ": " << files.error << "\n";
    return false;
}

bool writeJson(const std::string& file, const std::string& text, std::ostream& err) {
    std::string error;
    if (writeFileAtomically(file, text, error)) return true;
    err << "cfhx: cannot write " << error << "\n";
    return false;
}

}  // namespace

int runCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
               const RendererFactory& makeRenderer) {
    RunOptions o;
    CLI::App app{"", "cfhx run"};
    defineOptions(app, o);
    if (const std::optional<int> done = parseCommandLine(app, args, out, err)) return *done;
    std::string text;
    if (!readCase(o.file, text, err)) return kScriptCannotRead;
    if (o.date.empty()) o.date = systemDate();

    // The table is drawn on the run's own screens at its result.
    const CaseResult result = runCase(text, {}, o.date, o.mode, o.language);
    int status = result.status;
    std::string message;
    if (o.mode.empty()) {
        o.mode = result.record ? report::displayMode(result.record->flags.LangUnitMode.view()).name : Lang::J;
    }
    if (result.record) {
        out << result.tablePage << "\n";
        if (!o.outDir.empty() && !writeSheet(*result.record, o.mode, o.date, o.outDir, makeRenderer, err)) {
            status = kScriptCannotWrite;
        }
    } else if (status == kCaseStopped) {
        // The pane indents its messages.
        message = result.message.substr(std::min(result.message.find_first_not_of(' '), result.message.size()));
        while (message.ends_with(' ')) message.pop_back();
        err << "cfhx: the calculation stopped: " << message << "\n";
    } else {
        // The driver's own reason, without its program prefix and line end.
        message = result.errors.empty() ? std::string(kNoResult) : result.errors;
        if (message.starts_with(kPrefix)) message.erase(0, kPrefix.size());
        while (message.ends_with('\n')) message.pop_back();
        err << kPrefix << message << "\n";
    }
    const RunInfo info{.file = o.file, .date = o.date, .mode = o.mode, .status = status, .message = message};
    if (!o.json.empty() && !writeJson(o.json, resultJson(result, info), err)) status = kScriptCannotWrite;
    return status;
}

}  // namespace cfhx
