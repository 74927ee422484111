// What is wrong with a field the route needs, around the field's label:
// "★ " + "伝熱管段数" + " が数値ではありません" + "。！".
#pragma once

#include <string_view>

#include "app/codes.h"

namespace cfhx::field_entry_texts {

using std::string_view;

struct FieldEntryTexts {
    string_view open;
    string_view missing;
    string_view notNumber;
    string_view close;
};

inline constexpr FieldEntryTexts kFieldEntryJapanese{
    .open = "★ ",
    .missing = " が入力されていません",
    .notNumber = " が数値ではありません",
    .close = "。！",
};
extern const FieldEntryTexts kFieldEntryEnglish;  // app/english_texts.cpp
inline const FieldEntryTexts& fieldEntryTexts(Language language) {
    return language == Language::English ? kFieldEntryEnglish : kFieldEntryJapanese;
}

}  // namespace cfhx::field_entry_texts
