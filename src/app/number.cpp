// Reading a field's text as a number, in the manner of the old Val():
// the longest numeric prefix after leading blanks, 0 when there is none.
#include "app/screens.h"
#include "app/text_width.h"

#include <cfloat>
#include <charconv>
#include <climits>
#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
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

// Decimal exponent of the leading digit of the mantissa s[start, end)
// ("123.4" → 2, "0.05" → -2); none when every digit is 0.
std::optional<long> leadingExponent(const std::string& s, size_t start, size_t end) {
    size_t point = s.find('.', start);
    if (point == std::string::npos || point > end) point = end;
    for (size_t k = start; k < end; ++k) {
        if (s[k] == '.' || s[k] == '0') continue;
        return k < point ? static_cast<long>(point - k) - 1 : -static_cast<long>(k - point);
    }
    return std::nullopt;
}

// The exponent written after the mantissa, saturated far beyond any double.
long writtenExponent(const std::string& s, size_t from, size_t to) {
    size_t q = from;
    bool negative = false;
    if (q < to && (s[q] == '+' || s[q] == '-')) negative = s[q++] == '-';
    long e = 0;
    for (; q < to; ++q) e = std::min(e * 10 + (s[q] - '0'), 100000L);
    return negative ? -e : e;
}

bool isBlank(char32_t cp) { return cp == ' ' || cp == '\t' || cp == 0x3000; }

// The reading of numberIn; `used`, when given, receives how many code
// points after the leading blanks the number took.
std::optional<double> scanNumber(std::string_view text, size_t* used) {
    std::string s;
    s.reserve(text.size());
    size_t i = 0;
    bool leading = true;
    while (i < text.size()) {
        char32_t cp = decodeUtf8(text, i);
        if (leading && isBlank(cp)) continue;
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
    if (digits == 0) return std::nullopt;
    const size_t mantissaEnd = p;
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
    if (ec == std::errc::result_out_of_range) {
        // Too small for a double reads 0; too large is infinite, as it is
        // for a float beyond FLT_MAX, and the checks refuse it.
        const std::optional<long> lead = leadingExponent(s, start, mantissaEnd);
        const long exponent = end > mantissaEnd ? writtenExponent(s, mantissaEnd + 1, end) : 0;
        value = lead && *lead + exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (ec != std::errc()) {
        return std::nullopt;
    }
    if (used) *used = end;
    return negative ? -value : value;
}

// The program's marks for a value not given, blanks around them aside.
constexpr std::string_view kMarks[] = {"－", "Rem.", "sat.", "Sat."};

std::string_view trimmedBlanks(std::string_view text) {
    size_t from = 0;
    while (from < text.size()) {
        size_t next = from;
        if (!isBlank(decodeUtf8(text, next))) break;
        from = next;
    }
    size_t to = from;
    for (size_t i = from; i < text.size();) {
        if (!isBlank(decodeUtf8(text, i))) to = i;
    }
    return text.substr(from, to - from);
}

}  // namespace

std::optional<double> numberIn(std::string_view text) { return scanNumber(text, nullptr); }

Entry entryIn(std::string_view text) {
    const std::string_view entry = trimmedBlanks(text);
    if (entry.empty()) return Entry::Blank;
    for (std::string_view mark : kMarks) {
        if (entry == mark) return Entry::Mark;
    }
    size_t used = 0;
    if (!scanNumber(entry, &used)) return Entry::NotNumber;
    size_t points = 0;
    for (size_t i = 0; i < entry.size(); ++points) decodeUtf8(entry, i);
    return used == points ? Entry::Number : Entry::NotNumber;
}

double readNumber(std::string_view text) { return numberIn(text).value_or(0.0); }

float singleOf(double v) {
    if (std::isnan(v)) return 0.0f;
    if (v > FLT_MAX) return std::numeric_limits<float>::infinity();
    if (v < -FLT_MAX) return -std::numeric_limits<float>::infinity();
    return static_cast<float>(v);
}

int wholeNumber(double v) {
    if (std::isnan(v)) return 0;
    if (v >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (v <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(v);
}

}  // namespace cfhx
