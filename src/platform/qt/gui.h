// The Qt front end of the program.
#pragma once

namespace cfhx {

// Exit statuses of the windows: a case named on the command line that
// cannot be read (before any window opens), arguments that are neither
// Qt's options nor one case file.
inline constexpr int kGuiCannotOpenCase = 1;
inline constexpr int kGuiUsage = 2;

// Builds the windows, runs the start-up sequence and the event loop until
// the program ends; returns the process exit code. A case file given as
// the one argument is opened once the windows are up, as ファイル→開く does.
int runGui(int argc, char** argv);

}  // namespace cfhx
