// Ways of leaving an event procedure early. Each is thrown from any depth
// and caught in exactly one place.
#pragma once

#include <string>

namespace cfhx {

// Leave the calculation through the common return path (caught by the
// calculate button's procedure). `reason` says why, for whoever runs the
// case without reading the pane; empty where the pane's last line says it.
struct LeaveCalculation {
    std::string reason;
};

// Start the calculation again from its first step with the fields as they
// are now (caught by the calculate button's procedure).
struct RestartCalculation {};

// The program is ending (main window closed or the finish choice); caught by
// the event dispatch, which unwinds every wait in progress.
struct EndProgram {};

}  // namespace cfhx
