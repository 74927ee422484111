// Whether a UTF-8 text holds a character of written Japanese: kana (also
// half-width), CJK ideographs and symbols, circled numbers, full-width forms.
#pragma once

#include <string_view>

namespace cfhx::testing {

inline bool isJapaneseCharacter(char32_t c) {
    return (c >= 0x3000 && c <= 0x303F)      // CJK symbols and punctuation
           || (c >= 0x3040 && c <= 0x30FF)   // hiragana, katakana
           || (c >= 0x31F0 && c <= 0x31FF)   // katakana extensions
           || (c >= 0x3400 && c <= 0x4DBF)   // CJK extension A
           || (c >= 0x4E00 && c <= 0x9FFF)   // CJK ideographs
           || (c >= 0xF900 && c <= 0xFAFF)   // CJK compatibility ideographs
           || (c >= 0x2460 && c <= 0x24FF)   // circled numbers
           || (c >= 0xFF01 && c <= 0xFF5E)   // full-width forms
           || (c >= 0xFF61 && c <= 0xFF9F);  // half-width katakana
}

inline bool containsJapanese(std::string_view utf8) {
    for (size_t i = 0; i < utf8.size();) {
        const unsigned char b = static_cast<unsigned char>(utf8[i]);
        char32_t c = b;
        size_t n = 1;
        if (b >= 0xF0) c = b & 0x07, n = 4;
        else if (b >= 0xE0) c = b & 0x0F, n = 3;
        else if (b >= 0xC0) c = b & 0x1F, n = 2;
        for (size_t k = 1; k < n && i + k < utf8.size(); ++k)
            c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        if (isJapaneseCharacter(c)) return true;
        i += n;
    }
    return false;
}

}  // namespace cfhx::testing
