// Reading a field's text as a number, in the manner of the old Val():
// the longest numeric prefix after leading blanks, 0 when there is none.
#include "app/screens.h"
#include "app/text_width.h"

#include <charconv>
#include <cmath>
#include <string>

namespace cfhx {
namespace {

// Full-width forms an IME may produce map to their ASCII twins; everything
// else that is not ASCII ends the number.
char asciiTwin(char32_t cp) {
    if (cp < 0x80) return static_cast<char>(cp);
    if (cp >= 0xFF10 && cp <= 0xFF19) return static_cast<char>('0' + (cp - 0xFF10));
    switch (cp) {
    case 0xFF0B: return '+';
    case 0xFF0D: return '-';
    case 0x2212: return '-';
    case 0xFF0E: return '.';
    case 0xFF25: case 0xFF45: return 'e';
    default: return '\0';
    }
}

}  // namespace

double readNumber(std::string_view text) {
    std::string s;
    s.reserve(text.size());
    size_t i = 0;
    bool leading = true;
    while (i < text.size()) {
        char32_t cp = decodeUtf8(text, i);
        if (leading && (cp == ' ' || cp == '\t' || cp == 0x3000)) continue;
        leading = false;
        char c = asciiTwin(cp);
        if (c == '\0') break;
        s.push_back(c);
    }

    size_t p = 0;
    bool negative = false;
    if (p < s.size() && (s[p] == '+' || s[p] == '-')) negative = s[p++] == '-';
    size_t start = p;
    size_t digits = 0;
    while (p < s.size() && s[p] >= '0' && s[p] <= '9') ++p, ++digits;
    if (p < s.size() && s[p] == '.') {
        ++p;
        while (p < s.size() && s[p] >= '0' && s[p] <= '9') ++p, ++digits;
    }
    if (digits == 0) return 0.0;
    size_t end = p;
    if (p < s.size() && (s[p] == 'e' || s[p] == 'E' || s[p] == 'd' || s[p] == 'D')) {
        size_t q = p + 1;
        if (q < s.size() && (s[q] == '+' || s[q] == '-')) ++q;
        size_t expDigits = q;
        while (q < s.size() && s[q] >= '0' && s[q] <= '9') ++q;
        if (q > expDigits) {
            s[p] = 'e';
            end = q;
        }
    }
    double value = 0.0;
    auto [ptr, ec] = std::from_chars(s.data() + start, s.data() + end, value);
    // A text beyond the range of numbers reads 0 like any other unusable text.
    if (ec != std::errc() || !std::isfinite(value)) return 0.0;
    return negative ? -value : value;
}

}  // namespace cfhx
