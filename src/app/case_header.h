// The comment block at the top of a saved case: program, date and what the
// case is (unit system, fluid pair, processing No.).
#pragma once

#include <string>
#include <string_view>

namespace cfhx {

struct App;

std::string caseHeader(App& app, std::string_view date);

}  // namespace cfhx
