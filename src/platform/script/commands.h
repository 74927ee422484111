// The program's command line: which command it names and the headless
// commands run; the windows are the front end's.
#pragma once

#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/cases/front_end.h"

namespace cfhx {

// What the program was built with, for the commands that draw.
struct FrontEnd {
    bool windows = false;        // `cfhx [CASE]` opens the windows
    RendererFactory renderer;    // PDF sheets and hard copies; empty without the windows
    std::function<std::unique_ptr<SweepPlotter>()> plotter;  // sweep plots; empty without
};

// Runs the headless command `args` names (the words after the program's
// name) and returns its status; nothing when the command line opens the
// windows.
std::optional<int> runHeadless(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                               std::ostream& err, const FrontEnd& frontEnd);

}  // namespace cfhx
