// Whether a text holds a character only Japanese writing uses: kana (also
// half-width), kanji, CJK punctuation, circled numbers, full-width forms.
#pragma once

#include <string_view>

#include "app/text_width.h"

namespace cfhx::testing {

inline bool isJapanese(char32_t c) {
    struct Range {
        char32_t first, last;
    };
    static constexpr Range kRanges[] = {
        {0x2460, 0x24FF},  // circled and parenthesised numbers
        {0x3000, 0x303F},  // CJK symbols and punctuation
        {0x3040, 0x309F},  // hiragana
        {0x30A0, 0x30FF},  // katakana
        {0x31F0, 0x31FF},  // katakana extensions
        {0x3400, 0x4DBF},  // CJK ideographs, extension A
        {0x4E00, 0x9FFF},  // CJK ideographs
        {0xF900, 0xFAFF},  // CJK compatibility ideographs
        {0xFF01, 0xFF5E},  // full-width forms
        {0xFF61, 0xFF9F},  // half-width katakana and punctuation
    };
    for (const Range& r : kRanges)
        if (c >= r.first && c <= r.last) return true;
    return false;
}

inline bool containsJapanese(std::string_view utf8) {
    for (size_t i = 0; i < utf8.size();)
        if (isJapanese(decodeUtf8(utf8, i))) return true;
    return false;
}

// Kana and kanji: the letters of Japanese writing. The program's English
// display modes keep some full-width punctuation (【】、：－, the blank) and
// the half-width sound mark as a degree sign: not letters.
inline bool isJapaneseLetter(char32_t c) {
    return (c >= 0x3040 && c <= 0x30FF) || (c >= 0x31F0 && c <= 0x31FF) || (c >= 0x3400 && c <= 0x4DBF) ||
           (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFF66 && c <= 0xFF9D);
}

inline bool containsJapaneseLetters(std::string_view utf8) {
    for (size_t i = 0; i < utf8.size();)
        if (isJapaneseLetter(decodeUtf8(utf8, i))) return true;
    return false;
}

}  // namespace cfhx::testing
