#include "platform/qt_program.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <ostream>
#include <system_error>

namespace cfhx {

namespace {

// The headless modes and the option of each that draws with Qt; null: none.
struct HeadlessMode {
    std::string_view command;
    const char* qtOption;
};
constexpr HeadlessMode kHeadlessModes[] = {
    {.command = "--script", .qtOption = "--out"},
    {.command = "run", .qtOption = "--out"},
    {.command = "sweep", .qtOption = "--plot"},
    {.command = "props", .qtOption = nullptr},
    {.command = "--help", .qtOption = nullptr},
    {.command = "-h", .qtOption = nullptr},
    {.command = "--version", .qtOption = nullptr},
};

}  // namespace

bool needsQt(const std::vector<std::string_view>& args) {
    if (args.empty()) return true;
    for (const HeadlessMode& m : kHeadlessModes) {
        if (args[0] != m.command) continue;
        if (m.qtOption == nullptr) return false;
        const std::string_view option = m.qtOption;
        for (size_t i = 1; i < args.size(); ++i) {
            // --out DIR or --out=DIR
            if (args[i] == option || (args[i].starts_with(option) && args[i].substr(option.size()).starts_with('=')))
                return true;
        }
        return false;
    }
    // The windows, or an option they do not take, which cfhx refuses.
    return !args[0].starts_with("--") || args[0] == "--lang" || args[0].starts_with("--lang=");
}

std::vector<std::string> qtProgramCandidates() {
    namespace fs = std::filesystem;
    std::vector<fs::path> paths;
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    if (!ec) {
        paths.push_back(self.parent_path() / CFHX_QT_PROGRAM_NAME);
        paths.push_back((self.parent_path() / CFHX_QT_PROGRAM_FROM_BIN / CFHX_QT_PROGRAM_NAME).lexically_normal());
    }
    paths.emplace_back(CFHX_QT_PROGRAM_INSTALLED);
    std::vector<std::string> candidates;
    for (const fs::path& p : paths) {
        if (std::find(candidates.begin(), candidates.end(), p.string()) == candidates.end()) {
            candidates.push_back(p.string());
        }
    }
    return candidates;
}

std::optional<std::string> findQtProgram(const std::vector<std::string>& candidates) {
    for (const std::string& c : candidates) {
        std::error_code ec;
        if (std::filesystem::is_regular_file(c, ec) && access(c.c_str(), X_OK) == 0) return c;
    }
    return std::nullopt;
}

int execQtProgram(char** argv, std::ostream& err) {
    const std::vector<std::string> candidates = qtProgramCandidates();
    const std::optional<std::string> program = findQtProgram(candidates);
    if (!program) {
        err << "cfhx: the windows, PDF sheets, hard copies and plots need " CFHX_QT_PROGRAM_NAME
               ", which is not installed; looked for";
        for (size_t i = 0; i < candidates.size(); ++i) {
            err << (i == 0 ? " " : i + 1 == candidates.size() ? " and " : ", ") << candidates[i];
        }
        err << "\n";
        return kQtProgramMissing;
    }
    execv(program->c_str(), argv);
    err << "cfhx: cannot start " << *program << ": " << std::strerror(errno) << "\n";
    return kQtProgramCannotRun;
}

}  // namespace cfhx
