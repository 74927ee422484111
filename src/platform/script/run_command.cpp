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

namespace cfhx {
namespace {

constexpr std::string_view kUsage =
    "usage: cfhx run CASE [--mode J|JSI|E|ESI] [--json FILE] [--out DIR] [--date YY/MM/DD]\n";

constexpr std::string_view kPrefix = "cfhx: ";
constexpr std::string_view kNoResult = "the case ends before its calculation reaches a result";

// A quoted argument is cut to this in a message.
constexpr size_t kQuotedChars = 40;

struct RunOptions {
    std::string file;
    std::string mode;  // empty: the case's own display mode
    std::string json;
    std::string outDir;
    std::string date;
};

bool knownMode(std::string_view mode) {
    for (const report::DisplayMode& m : report::kDisplayModes) {
        if (m.name == mode) return true;
    }
    return false;
}

// False on a usage error, with what is refused in `why` (empty: only the usage).
bool parse(const std::vector<std::string>& args, RunOptions& o, std::string& why) {
    bool modeGiven = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.size() > kMaxArgumentBytes) {
            why = "an argument of " + std::to_string(a.size()) + " bytes (at most " + std::to_string(kMaxArgumentBytes) + ")";
            return false;
        }
        const bool valued = i + 1 < args.size();
        if (a == "--mode" && valued) o.mode = args[++i], modeGiven = true;
        else if (a == "--json" && valued) o.json = args[++i];
        else if (a == "--out" && valued) o.outDir = args[++i];
        else if (a == "--date" && valued) o.date = args[++i];
        else if (!a.starts_with("--") && o.file.empty()) o.file = a;
        else return false;
    }
    if (modeGiven && !knownMode(o.mode)) {
        why = "--mode " + quote(o.mode, kQuotedChars) + ": not a display mode";
        return false;
    }
    if (!o.date.empty() && !isDate(o.date)) {
        why = "--date " + quote(o.date, kQuotedChars) + ": not a date YY/MM/DD";
        return false;
    }
    return !o.file.empty();
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
    std::string why;
    if (!parse(args, o, why)) {
        if (!why.empty()) err << kPrefix << why << "\n";
        err << kUsage;
        return kScriptBadLine;
    }
    std::string text;
    if (!readCase(o.file, text, err)) return kScriptCannotRead;
    if (o.date.empty()) o.date = systemDate();

    // The table is drawn on the run's own screens at its result.
    const CaseResult result = runCase(text, {}, o.date, o.mode);
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
