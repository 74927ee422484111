// `cfhx props water|gas ...`: the property values the calculation uses.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace cfhx {

// `args` follow "props". 0 done, 1 the evaluation stopped, 2 a bad argument
// or a temperature outside the correlations' range.
int propsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace cfhx
