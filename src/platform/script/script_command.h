// `cfhx --script FILE [--date YY/MM/DD] [--out DIR]`: a script of user
// actions played headless, its transcript on standard output.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "platform/cases/front_end.h"

namespace cfhx {

// `args` follow "--script"; FILE "-" reads standard input from `in`.
// Returns the script player's status; 2 for arguments it cannot use.
int scriptCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err,
                  const RendererFactory& makeRenderer = {});

}  // namespace cfhx
