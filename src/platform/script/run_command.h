// `cfhx run CASE [--mode J|JSI|E|ESI] [--json FILE] [--out DIR] [--date YY/MM/DD]`:
// a saved case replayed headless to its result table.
#pragma once

#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "platform/cases/front_end.h"

namespace cfhx {

// `args` follow "run". Prints the result table of the mode to `out`; with
// --json writes the result record, with --out the calculation sheet
// (sheet.prn, sheet.pdf). Returns 0 with a result, 4 when the calculation
// stopped (its message on `err`), 2 and 3 as a script run, 1 when the case
// cannot be read or a file cannot be written.
int runCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
               const RendererFactory& makeRenderer = {});

}  // namespace cfhx
