// What is wrong with a number outside its field's range, after the field's
// name: "管外直径" + "が負の値です".
#pragma once

#include <string_view>

namespace cfhx::field_range_texts {

using std::string_view;

inline constexpr string_view kTooLarge = "の数値が大きすぎます";
inline constexpr string_view kNegative = "が負の値です";
inline constexpr string_view kBelowAbsoluteZero = "が絶対零度以下です";

}  // namespace cfhx::field_range_texts
