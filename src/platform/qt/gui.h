// The Qt front end of the program.
#pragma once

namespace cfhx {

// Builds the windows, runs the start-up sequence and the event loop until
// the program ends; returns the process exit code.
int runGui(int argc, char** argv);

}  // namespace cfhx
