// What is wrong with a field the route needs, around the field's label:
// "★ " + "伝熱管段数" + " が数値ではありません" + "。！".
#pragma once

#include <string_view>

namespace cfhx::field_entry_texts {

using std::string_view;

inline constexpr string_view kOpen = "★ ";
inline constexpr string_view kMissing = " が入力されていません";
inline constexpr string_view kNotNumber = " が数値ではありません";
inline constexpr string_view kClose = "。！";

}  // namespace cfhx::field_entry_texts
