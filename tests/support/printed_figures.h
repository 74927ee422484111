// Figures read back from printed output: the number a field shows after
// its symbol ("Q=  56736.2", "Tti= 293.0", "Qs/Qt  =0.9939"), with the
// decimals it was printed to, and the unit cell of a box-drawn row.
#pragma once

#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace cfhx::testing {

struct Figure {
    double value = 0.0;
    int decimals = 0;  // digits printed after the point

    // Half a unit of the last printed digit.
    double rounding() const {
        double step = 1.0;
        for (int i = 0; i < decimals; ++i) step /= 10.0;
        return step / 2.0;
    }
};

namespace detail {

inline bool wordChar(char ch) {
    const unsigned char u = static_cast<unsigned char>(ch);
    return (u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z');
}

inline char lower(char ch) { return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch; }

inline bool sameSymbol(std::string_view text, size_t at, std::string_view symbol, bool anyCase) {
    if (at + symbol.size() > text.size()) return false;
    for (size_t i = 0; i < symbol.size(); ++i) {
        const char a = text[at + i], b = symbol[i];
        if (anyCase ? lower(a) != lower(b) : a != b) return false;
    }
    return true;
}

}  // namespace detail

// Where the field of the `nth` "symbol=" of `text` starts (blanks may stand
// before the "="; the symbol starts and ends a word), or npos.
inline size_t fieldAt(std::string_view text, std::string_view symbol, int nth = 0, bool anyCase = false) {
    for (size_t at = 0; at + symbol.size() <= text.size(); ++at) {
        if (!detail::sameSymbol(text, at, symbol, anyCase)) continue;
        if (at > 0 && detail::wordChar(text[at - 1])) continue;
        size_t i = at + symbol.size();
        while (i < text.size() && text[i] == ' ') ++i;
        if (i >= text.size() || text[i] != '=') continue;
        if (nth-- > 0) continue;
        return i + 1;
    }
    return std::string_view::npos;
}

// The number printed after the `nth` "symbol=" of `text`; empty when there
// is no such field or it shows no number ("Vs=   －").
inline std::optional<Figure> figure(std::string_view text, std::string_view symbol, int nth = 0,
                                    bool anyCase = false) {
    size_t i = fieldAt(text, symbol, nth, anyCase);
    if (i == std::string_view::npos) return std::nullopt;
    while (i < text.size() && (text[i] == ' ' || text[i] == '%')) ++i;
    const std::string rest(text.substr(i, 40));
    char* end = nullptr;
    const double v = std::strtod(rest.c_str(), &end);
    if (end == rest.c_str()) return std::nullopt;
    Figure f{.value = v, .decimals = 0};
    const std::string_view digits(rest.c_str(), static_cast<size_t>(end - rest.c_str()));
    const size_t point = digits.find('.');
    if (point != std::string_view::npos) f.decimals = static_cast<int>(digits.size() - point - 1);
    return f;
}

// The line of `text` that holds the field of the first "symbol=".
inline std::string_view lineOf(std::string_view text, std::string_view symbol) {
    const size_t at = fieldAt(text, symbol);
    if (at == std::string_view::npos) return {};
    const size_t begin = text.rfind('\n', at);
    const size_t from = begin == std::string_view::npos ? 0 : begin + 1;
    const size_t end = text.find('\n', at);
    return text.substr(from, end == std::string_view::npos ? std::string_view::npos : end - from);
}

// The unit cell of a box-drawn row (between its last two "┃"), trimmed.
inline std::string unitCell(std::string_view line) {
    constexpr std::string_view kBar = "┃";
    const size_t last = line.rfind(kBar);
    if (last == std::string_view::npos || last == 0) return {};
    const size_t before = line.rfind(kBar, last - 1);
    if (before == std::string_view::npos) return {};
    std::string_view cell = line.substr(before + kBar.size(), last - before - kBar.size());
    while (!cell.empty() && cell.front() == ' ') cell.remove_prefix(1);
    while (!cell.empty() && cell.back() == ' ') cell.remove_suffix(1);
    return std::string(cell);
}

}  // namespace cfhx::testing
