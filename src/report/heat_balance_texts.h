// Texts of the heat-balance check.
#pragma once

#include <string_view>

namespace cfhx::report::heat_balance_texts {

using std::string_view;

inline constexpr string_view kCheck = "      Check !";
inline constexpr string_view kLegend = "  exchanged as heat ( Qs:Shell side,  Qt:Tube side,  Qk:Over all )";
inline constexpr string_view kShellOverall = "        1. Qs/Qk=#.####";
inline constexpr string_view kTubeOverall = "        2. Qt/Qk=#.####";
inline constexpr string_view kShellTube = "        3. Qs/Qt=#.####";
// Shell side latent with gas in the tubes.
inline constexpr string_view kShellTubeLatentGas = "        3. Qs/Qt  =#.####";

}  // namespace cfhx::report::heat_balance_texts
