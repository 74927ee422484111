#include "app/mask.h"

#include <charconv>
#include <cmath>
#include <string>

namespace cfhx {
namespace {

// Shortest decimal digits and exponent of |value| (value = d.ddd × 10^exp).
// A value that is exactly a float is taken at float precision, so the
// single-precision results print as their shortest float form.
void shortestDigits(double value, std::string& digits, int& exp) {
    char buf[64];
    double a = std::fabs(value);
    std::to_chars_result r;
    float f = static_cast<float>(a);
    if (static_cast<double>(f) == a) {
        r = std::to_chars(buf, buf + sizeof buf, f, std::chars_format::scientific);
    } else {
        r = std::to_chars(buf, buf + sizeof buf, a, std::chars_format::scientific);
    }
    std::string_view s(buf, static_cast<size_t>(r.ptr - buf));
    size_t e = s.find('e');
    digits.clear();
    for (char c : s.substr(0, e)) {
        if (c != '.') digits.push_back(c);
    }
    exp = 0;
    std::string_view es = s.substr(e + 1);
    if (!es.empty() && es[0] == '+') es.remove_prefix(1);
    std::from_chars(es.data(), es.data() + es.size(), exp);
}

}  // namespace

std::string roundedText(double value, int decimals) {
    if (!std::isfinite(value)) return "***";
    if (decimals < 0) decimals = 0;
    std::string digits;
    int exp = 0;
    shortestDigits(value, digits, exp);
    // Scaled integer value×10^decimals: digits whose weight is at least 10^-decimals.
    long keep = static_cast<long>(exp) + decimals + 1;
    std::string n;
    bool roundUp = false;
    if (keep > 0) {
        for (long k = 0; k < keep; ++k) n.push_back(k < static_cast<long>(digits.size()) ? digits[k] : '0');
        if (keep < static_cast<long>(digits.size())) roundUp = digits[keep] >= '5';
    } else if (keep == 0) {
        roundUp = digits[0] >= '5';
    }
    if (n.empty()) n = "0";
    if (roundUp) {
        int k = static_cast<int>(n.size()) - 1;
        while (k >= 0 && n[k] == '9') n[k--] = '0';
        if (k < 0) n.insert(n.begin(), '1');
        else ++n[k];
    }
    size_t firstNonZero = n.find_first_not_of('0');
    bool zero = firstNonZero == std::string::npos;
    if (static_cast<int>(n.size()) <= decimals) n.insert(0, decimals + 1 - n.size(), '0');
    std::string intPart = n.substr(0, n.size() - decimals);
    size_t nz = intPart.find_first_not_of('0');
    intPart = nz == std::string::npos ? "0" : intPart.substr(nz);
    std::string out = (value < 0 && !zero) ? "-" : "";
    out += intPart;
    if (decimals > 0) {
        out += '.';
        out += n.substr(n.size() - decimals);
    }
    return out;
}

std::string formatField(double value, const MaskField& field) {
    const int width = field.width();
    if (!std::isfinite(value)) return "%" + std::string(static_cast<size_t>(width), '*');
    std::string t = roundedText(value, field.decimals);
    // A field without integer positions drops the leading zero (".500").
    if (field.intDigits == 0) {
        size_t z = t[0] == '-' ? 1 : 0;
        if (t.compare(z, 2, "0.") == 0) t.erase(z, 1);
    }
    if (field.point && field.decimals == 0) t += '.';
    if (static_cast<int>(t.size()) > width) return "%" + t;
    return std::string(static_cast<size_t>(width) - t.size(), ' ') + t;
}

namespace {

constexpr std::string_view kNonFiniteFree = " ***";
constexpr std::string_view kZeroFree = " 0";  // -0 as well
constexpr std::string_view kFreePlace = "{}";

// The digits of a finite, non-zero free number: at most 7 significant.
size_t freeDigits(double value, char (&buf)[64]) {
    auto r = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::general, 7);
    return static_cast<size_t>(r.ptr - buf);
}

// A whole number below 10^7 prints all its digits.
constexpr double kWholeDigitsBelow = 1e7;

int decimalDigits(double whole) {
    int n = 1;
    for (double p = 10.0; p <= whole; p *= 10.0) ++n;
    return n;
}

}  // namespace

std::string freeNumber(double value) {
    if (!std::isfinite(value)) return std::string(kNonFiniteFree);
    if (value == 0.0) return std::string(kZeroFree);
    char buf[64];
    std::string digits(buf, freeDigits(value, buf));
    for (char& c : digits) {
        if (c == 'e') c = 'E';
    }
    return (value < 0.0 ? "-" : " ") + digits;
}

int freeNumberLength(double value) {
    if (!std::isfinite(value)) return static_cast<int>(kNonFiniteFree.size());
    if (value == 0.0) return static_cast<int>(kZeroFree.size());
    const double a = std::fabs(value);
    if (a < kWholeDigitsBelow && a == std::floor(a)) return 1 + decimalDigits(a);
    char buf[64];
    return 1 + static_cast<int>(freeDigits(value, buf));
}

std::string formatFree(std::string_view text, std::span<const double> values) {
    std::string out;
    out.reserve(text.size() + 8 * values.size());
    auto next = values.begin();
    size_t from = 0;
    for (size_t at = text.find(kFreePlace); at != std::string_view::npos && next != values.end();
         at = text.find(kFreePlace, from)) {
        out += text.substr(from, at - from);
        out += freeNumber(*next++);
        from = at + kFreePlace.size();
    }
    out += text.substr(from);
    for (; next != values.end(); ++next) out += freeNumber(*next);
    return out;
}

double surelyFitsBelow(const MaskField& field, bool negative) {
    // Integer positions left for the digits: a minus sign takes one.
    const int room = field.intDigits - (negative ? 1 : 0);
    // Below the bound the value rounded to the field's decimals has at most
    // `room` integer digits (none without room, where the field drops the
    // leading zero); the factor keeps a margin for the rounding of its
    // shortest decimal form.
    constexpr double kMargin = 0.9999;
    const double step = std::pow(10.0, -field.decimals);
    if (room > 0) return (std::pow(10.0, room) - step) * kMargin;
    if (room == 0 && field.intDigits == 0) return (1.0 - step) * kMargin;
    return 0.0;
}

int fieldLength(double value, const MaskField& field, double belowPositive, double belowNegative) {
    if (!std::isfinite(value)) return static_cast<int>(formatField(value, field).size());
    const double a = std::fabs(value);
    if (a < (value < 0.0 ? belowNegative : belowPositive)) return field.width();
    // An overflowing field prints "%" and the rounded value: its length
    // follows from the integer digits, where rounding to the field's
    // decimals cannot carry them past a power of ten.
    constexpr double kLargest = 1e15;  // beyond, the digits are counted by formatting
    constexpr double kMargin = 1e-9;   // for the rounding of the shortest decimal form
    if (a >= 1.0 && a < kLargest && field.decimals < 10) {
        int digits = 1;
        double next = 10.0;
        while (next <= a) {
            next *= 10.0;
            ++digits;
        }
        const double half = 0.5 * std::pow(10.0, -field.decimals);
        if ((a + half) * (1.0 + kMargin) < next) {
            const int length = (value < 0.0 ? 1 : 0) + digits + (field.point ? 1 : 0) + field.decimals;
            return length > field.width() ? 1 + length : field.width();
        }
    }
    return static_cast<int>(formatField(value, field).size());
}

namespace {

// A field starts at "#", or at "." directly followed by "#"; returns its
// end and fills `f`.
bool fieldStarts(std::string_view format, size_t i) {
    return format[i] == '#' || (format[i] == '.' && i + 1 < format.size() && format[i + 1] == '#');
}
size_t readField(std::string_view format, size_t i, MaskField& f) {
    size_t j = i;
    while (j < format.size()) {
        if (format[j] == '#') {
            (f.point ? f.decimals : f.intDigits)++;
        } else if (format[j] == '.' && !f.point) {
            f.point = true;
        } else {
            break;
        }
        ++j;
    }
    return j;
}

}  // namespace

size_t maskFields(std::string_view format, std::span<MaskField> out) {
    size_t n = 0;
    for (size_t i = 0; i < format.size() && n < out.size();) {
        if (!fieldStarts(format, i)) {
            ++i;
            continue;
        }
        MaskField f;
        i = readField(format, i, f);
        out[n++] = f;
    }
    return n;
}

std::string formatMasked(std::string_view format, std::span<const double> values) {
    std::string out;
    out.reserve(format.size() + 8);
    size_t next = 0;
    size_t i = 0;
    while (i < format.size()) {
        if (!fieldStarts(format, i)) {
            out.push_back(format[i++]);
            continue;
        }
        MaskField f;
        const size_t j = readField(format, i, f);
        if (next < values.size()) {
            out += formatField(values[next++], f);
        } else {
            out.append(format, i, j - i);
        }
        i = j;
    }
    return out;
}

}  // namespace cfhx
