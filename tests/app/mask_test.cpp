#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "app/mask.h"

namespace cfhx {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(Mask, FillsEachFieldWithItsValue) {
    struct Case {
        const char* mask;
        std::vector<double> values;
        const char* want;
    };
    const Case cases[] = {
        // Right-aligned with fixed decimals.
        {"Tti=###.#", {20.0}, "Tti= 20.0"},
        {"######", {0.0}, "     0"},
        {"##.####", {3.14159265}, " 3.1416"},
        {"A=##.# B=###", {1.25, 7.0}, "A= 1.3 B=  7"},
        // Rounded half away from zero on the decimal value.
        {"#.##", {0.125}, "0.13"},
        {"#.##", {2.675}, "2.68"},  // 2.67499999... in binary
        {"##", {0.5}, " 1"},
        {"##", {2.5}, " 3"},
        {"###", {-2.5}, " -3"},
        {"#.###", {0.0005}, "0.001"},
        {"#.###", {0.00049}, "0.000"},
        {"##.#", {9.96}, "10.0"},  // carry into a new digit
        // Single-precision values print as their shortest form: 0.1f is
        // 0.100000001490116... as a double and prints as 0.1.
        {"#.##########", {static_cast<double>(0.1f)}, "0.1000000000"},
        {"##.####", {static_cast<double>(1.23455f)}, " 1.2346"},
        // A negative value takes a position for its sign; no negative zero.
        {"###.#", {-5.0}, " -5.0"},
        {"###", {-12.0}, "-12"},
        {"#.##", {-0.001}, "0.00"},
        {"##.##", {-0.004}, " 0.00"},
        // A value that does not fit is marked, not cut.
        {"###.#", {12345.0}, "%12345.0"},
        {"###", {-123.0}, "%-123"},
        {"##", {99.5}, "%100"},
        {"x=###y", {1e20}, "x=%100000000000000000000y"},
        // The point at either end of the field.
        {"Et=.###", {0.5}, "Et=.500"},
        {"Rt=.#####", {0.0005}, "Rt=.00050"},
        {".###", {1.25}, "%1.250"},
        {".###", {-0.5}, "%-.500"},
        {"TL=#####. >", {123.4}, "TL=  123. >"},
        // Text outside the fields is kept; a field without a value keeps
        // its mask; a second point starts a new field.
        {"No. ### ｼｪﾙ側 ℃", {4.0}, "No.   4 ｼｪﾙ側 ℃"},
        {"1.5 ###.", {}, "1.5 ###."},
        {"a=## b=##", {1.0}, "a= 1 b=##"},
        {"#.#.#", {1.0, 2.0}, "1.0%2.0"},
        // Non-numbers never print as numbers.
        {"###.#", {kNaN}, "%*****"},
        {"###", {-kInf}, "%***"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mask);
        EXPECT_EQ(formatMasked(c.mask, c.values), c.want);
    }
}

TEST(FreeNumber, SevenSignificantDigitsWithoutTrailingZeros) {
    struct Case {
        double value;
        const char* want;
    };
    const Case cases[] = {
        // A position for the sign, no trailing zeros.
        {395.0, " 395"}, {0.0005, " 0.0005"}, {-12.5, "-12.5"}, {6.0, " 6"}, {0.0, " 0"}, {-0.0, " 0"},
        // Seven significant digits, rounded.
        {3.14159265, " 3.141593"}, {1234567.4, " 1234567"}, {0.123456789, " 0.1234568"}, {9.9999999, " 10"},
        // Single-precision values print as typed.
        {static_cast<double>(0.0005f), " 0.0005"},
        {static_cast<double>(1.163f), " 1.163"},
        {static_cast<double>(6.11e-6f), " 6.11E-06"},
        // The exponent form at the extremes; non-numbers as stars.
        {12345678.0, " 1.234568E+07"}, {1e-6, " 1E-06"}, {-2.5e-5, "-2.5E-05"}, {0.0001, " 0.0001"},
        {kInf, " ***"}, {kNaN, " ***"},
    };
    for (const Case& c : cases) EXPECT_EQ(freeNumber(c.value), c.want) << c.value;
}

}  // namespace
}  // namespace cfhx
