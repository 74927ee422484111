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
// Characters of freeNumber(value), without building it.
int freeNumberLength(double value);

// A text whose "{}" places take free numbers in order; values left over
// follow the text: formatFree("Tdew={}(C)", {-5.5}) is "Tdew=-5.5(C)".
std::string formatFree(std::string_view text, std::span<const double> values);

// The fields of a mask format in order, at most out.size() of them; returns
// how many it holds.
size_t maskFields(std::string_view format, std::span<MaskField> out);
// Magnitudes below this surely fit the field (it prints in its own width),
// for a value of the given sign; 0 where none is sure.
double surelyFitsBelow(const MaskField& field, bool negative);
// Characters of formatField(value, field) (ASCII, so its columns too):
// the field's width where |value| < below, else as formatted.
int fieldLength(double value, const MaskField& field, double belowPositive, double belowNegative);

// Fills the fields of `format` with `values` in order; fields without a
// value keep their mask text.
std::string formatMasked(std::string_view format, std::span<const double> values);
inline std::string formatMasked(std::string_view format, std::initializer_list<double> values) {
    return formatMasked(format, std::span<const double>(values.begin(), values.size()));
}

}  // namespace cfhx
