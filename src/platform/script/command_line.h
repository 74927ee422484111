// The command line of every headless command, parsed by CLI11: typed
// options, --help for each command, and a refusal in one line with a hint.
#pragma once

#include <CLI/CLI.hpp>

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "app/codes.h"

namespace cfhx {

// The status of a command line that cannot be used.
inline constexpr int kUsageRefused = 2;

// Longest argument the commands take (a path's length).
inline constexpr size_t kMaxArgumentBytes = 4096;

// `name` as the user types it ("cfhx run"); its help shows `description`.
void describeCommand(CLI::App& app, const std::string& description);

// Parses `args` (the words after the command's name). Nothing when the
// command may go on; else its status: 0 after --help (the help on `out`),
// kUsageRefused after a refusal (one line and the hint on `err`).
std::optional<int> parseCommandLine(CLI::App& app, const std::vector<std::string>& args, std::ostream& out,
                                    std::ostream& err);

// YY/MM/DD, a day of the calendar.
CLI::Validator dateCheck();

// --lang en|ja: the program's language for the pane and the messages
// (Japanese when not given).
void addLanguageOption(CLI::App& app, Language& language);

}  // namespace cfhx
