// The program's version, written into saved cases and result records.
#pragma once

#include <string_view>

namespace cfhx {

inline constexpr std::string_view kProgramVersion = "0.9.0";

}  // namespace cfhx
