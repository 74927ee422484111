// Numeric masks: in a format text every run of "#" with at most one "."
// (leading, inside or trailing) is a field; the value is rounded half away
// from zero to the field's decimals and right-aligned in its width. A value
// that does not fit prints as "%" followed by the rounded value, so nothing
// is silently cut.
#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace cfhx {

struct MaskField {
    int intDigits = 0;   // "#" before the point
    int decimals = 0;    // "#" after the point
    bool point = false;  // the field prints a decimal point
    int width() const { return intDigits + (point ? 1 : 0) + decimals; }
};

// The value rounded to `decimals` places, half away from zero, as decimal
// text without padding ("-0" never appears). The rounding works on the
// shortest decimal form of the value, so 2.675 rounds to 2.68.
std::string roundedText(double value, int decimals);

std::string formatField(double value, const MaskField& field);

// A number printed without a mask: a blank before a non-negative value and
// "-" before a negative one, at most 7 significant digits, no trailing
// zeros; exponent form ("1.5E+07", "2.5E-06") below 1e-4 and from 1e7 in
// magnitude. A non-finite value prints as " ***".
std::string freeNumber(double value);

// Fills the fields of `format` with `values` in order; fields without a
// value keep their mask text.
std::string formatMasked(std::string_view format, std::span<const double> values);
inline std::string formatMasked(std::string_view format, std::initializer_list<double> values) {
    return formatMasked(format, std::span<const double>(values.begin(), values.size()));
}

}  // namespace cfhx
