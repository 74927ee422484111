// The windows, the PDF sheets, the hard copies and the sweep plots live in a
// second program, cfhx-qt, the only one linked with Qt; cfhx runs every
// other mode itself and hands these over, so a headless run never loads Qt.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cfhx {

// Exit statuses when the hand-over fails (the shell's own codes for a
// command that cannot be found or run).
inline constexpr int kQtProgramCannotRun = 126;
inline constexpr int kQtProgramMissing = 127;

// Whether the command line `args` (argv[1..]) needs Qt: the windows (no
// arguments, or any that is not a headless mode: Qt's own options too),
// --out of --script and of run, --plot of sweep. An option merely seen
// among the arguments counts; a misread one costs only the start-up, as
// cfhx-qt parses the same line again.
bool needsQt(const std::vector<std::string_view>& args);

// Where cfhx-qt is looked for, in order: beside the running program, in
// the libexec folder of the install tree the program is in, then in the
// one of the configured prefix.
std::vector<std::string> qtProgramCandidates();

// The first of `candidates` that can be run.
std::optional<std::string> findQtProgram(const std::vector<std::string>& candidates);

// Replaces this process by cfhx-qt with the same arguments (argv[0] too),
// so its exit status and standard streams are the caller's. Returns only
// when it cannot: the reason on `err` and kQtProgramMissing or
// kQtProgramCannotRun.
int execQtProgram(char** argv, std::ostream& err);

}  // namespace cfhx
