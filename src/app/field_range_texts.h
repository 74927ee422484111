// What is wrong with a number outside its field's range, after the field's
// name: "管外直径" + "が負の値です".
#pragma once

#include <string_view>

#include "app/codes.h"

namespace cfhx::field_range_texts {

using std::string_view;

struct FieldRangeTexts {
    string_view tooLarge;
    string_view negative;
    string_view belowAbsoluteZero;
};

inline constexpr FieldRangeTexts kFieldRangeJapanese{
    .tooLarge = "の数値が大きすぎます",
    .negative = "が負の値です",
    .belowAbsoluteZero = "が絶対零度以下です",
};
extern const FieldRangeTexts kFieldRangeEnglish;  // app/english_texts.cpp
inline const FieldRangeTexts& fieldRangeTexts(Language language) {
    return language == Language::English ? kFieldRangeEnglish : kFieldRangeJapanese;
}

}  // namespace cfhx::field_range_texts
