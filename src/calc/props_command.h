// `cfhx props`: the program's property values at given temperatures, from
// the routines the calculation uses.
//   props water T1 [T2 ...] [--si]
//   props gas CO2=a O2=b H2O=c [N2=d] T1 [T2 ...] [--si] [--sat]
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace cfhx::calc {

// `args` are the words after "props". Returns 0, 1 when the evaluation
// stopped (its message on `err`), 2 for a usage error.
int runPropsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace cfhx::calc
