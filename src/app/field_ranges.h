// The physical range of each entered quantity, as data, and the one check
// that finds the first field outside its range. The OK buttons and the
// calculate button word the refusal in their own manner; a field holding no
// number (empty, a mark, text) is left to the checks for missing items.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "app/codes.h"

namespace cfhx {

struct App;

// What a field may hold. Every range refuses a number beyond the float
// range the calculation keeps.
enum class Range {
    Finite,       // any sign (a saturated enthalpy, the film thickness)
    NotNegative,  // lengths, counts, conductivities, flows, properties, vol.%, humidity;
                  // 0 is left to the missing-item checks
    Temperature,  // above absolute zero: -273 °C, 0 K in SI
};

// One checked field: its control, the name the user knows it by (from its
// caption) and its range.
struct RangedField {
    const char* field;
    const char* caption;
    Range range;
};

// The checked fields of one screen, in the order they are checked. Where
// `editableOnly`, a disabled or hidden field is passed over: it holds what
// the program wrote or a value no longer used, and the user could not
// correct it there.
struct RangedFields {
    const char* screen;
    std::span<const RangedField> fields;
    bool editableOnly;
};

// Why a number is refused.
enum class OutOfRange { TooLarge, Negative, BelowAbsoluteZero };

struct RangeRefusal {
    std::string_view caption;
    OutOfRange why;
    const char* screen = nullptr;
    const char* field = nullptr;
};

// The checked fields: the construction column of MAINFORM, FORM5 and the
// given coefficients and refrigerant data of FORM7.
extern const RangedFields kColumnRanges;
extern const RangedFields kForm5Ranges;
extern const RangedFields kOptionRanges;

// Whether `value` (a number read from a field) lies in `range`; `si` says
// temperatures are in K.
std::optional<OutOfRange> outOfRange(double value, Range range, bool si);

// The first field of `list` that holds a number outside its range.
std::optional<RangeRefusal> firstOutOfRange(App& app, const RangedFields& list);

// The refusal as a phrase: the caption and what is wrong with it
// ("管外直径が負の値です").
std::string rangePhrase(Language language, const RangeRefusal& refusal);

}  // namespace cfhx
