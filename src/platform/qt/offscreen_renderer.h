// Prints of a headless run drawn by the windows, off screen: the sheet as a
// PDF, hard copies of the main window and the result summary screen.
#pragma once

#include <memory>

#include "platform/cases/front_end.h"

namespace cfhx::qt {

// Makes the Qt application (off screen unless a platform is chosen) and a
// renderer that mirrors the screens of the App it is attached to.
std::unique_ptr<PrintRenderer> offscreenRenderer(int& argc, char** argv);

}  // namespace cfhx::qt
