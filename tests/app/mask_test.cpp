#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "app/mask.h"

namespace cfhx {
namespace {

TEST(Mask, FieldIsRightAlignedWithFixedDecimals) {
    EXPECT_EQ(formatMasked("Tti=###.#", {20.0}), "Tti= 20.0");
    EXPECT_EQ(formatMasked("######", {0.0}), "     0");
    EXPECT_EQ(formatMasked("##.####", {3.14159265}), " 3.1416");
    EXPECT_EQ(formatMasked("A=##.# B=###", {1.25, 7.0}), "A= 1.3 B=  7");
}

TEST(Mask, RoundsHalfAwayFromZeroOnTheDecimalValue) {
    EXPECT_EQ(formatMasked("#.##", {0.125}), "0.13");
    EXPECT_EQ(formatMasked("#.##", {2.675}), "2.68");  // 2.67499999... in binary
    EXPECT_EQ(formatMasked("##", {0.5}), " 1");
    EXPECT_EQ(formatMasked("##", {2.5}), " 3");
    EXPECT_EQ(formatMasked("###", {-2.5}), " -3");
    EXPECT_EQ(formatMasked("#.###", {0.0005}), "0.001");
    EXPECT_EQ(formatMasked("#.###", {0.00049}), "0.000");
    EXPECT_EQ(formatMasked("##.#", {9.96}), "10.0");  // carry into a new digit
}

TEST(Mask, SinglePrecisionValuesPrintAsTheirShortestForm) {
    // 0.1f is 0.100000001490116... as a double; it prints as 0.1.
    EXPECT_EQ(formatMasked("#.##########", {static_cast<double>(0.1f)}), "0.1000000000");
    EXPECT_EQ(formatMasked("##.####", {static_cast<double>(1.23455f)}), " 1.2346");
}

TEST(Mask, NegativeValuesTakeAPositionForTheSign) {
    EXPECT_EQ(formatMasked("###.#", {-5.0}), " -5.0");
    EXPECT_EQ(formatMasked("###", {-12.0}), "-12");
    EXPECT_EQ(formatMasked("#.##", {-0.001}), "0.00");  // no negative zero
    EXPECT_EQ(formatMasked("##.##", {-0.004}), " 0.00");
}

TEST(Mask, ValueThatDoesNotFitIsMarkedNotCut) {
    EXPECT_EQ(formatMasked("###.#", {12345.0}), "%12345.0");
    EXPECT_EQ(formatMasked("###", {-123.0}), "%-123");
    EXPECT_EQ(formatMasked("##", {99.5}), "%100");
    EXPECT_EQ(formatMasked("x=###y", {1e20}), "x=%100000000000000000000y");
}

TEST(Mask, PointAtEitherEndOfTheField) {
    EXPECT_EQ(formatMasked("Et=.###", {0.5}), "Et=.500");
    EXPECT_EQ(formatMasked("Rt=.#####", {0.0005}), "Rt=.00050");
    EXPECT_EQ(formatMasked(".###", {1.25}), "%1.250");
    EXPECT_EQ(formatMasked(".###", {-0.5}), "%-.500");
    EXPECT_EQ(formatMasked("TL=#####. >", {123.4}), "TL=  123. >");
}

TEST(Mask, TextOutsideFieldsIsKept) {
    EXPECT_EQ(formatMasked("No. ### ｼｪﾙ側 ℃", {4.0}), "No.   4 ｼｪﾙ側 ℃");
    EXPECT_EQ(formatMasked("1.5 ###.", {}), "1.5 ###.");  // no value: the mask stays
    EXPECT_EQ(formatMasked("a=## b=##", {1.0}), "a= 1 b=##");
    EXPECT_EQ(formatMasked("#.#.#", {1.0, 2.0}), "1.0%2.0");  // a second point starts a new field
}

TEST(Mask, NonNumbersNeverPrintAsNumbers) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(formatMasked("###.#", {nan}), "%*****");
    EXPECT_EQ(formatMasked("###", {-inf}), "%***");
}

TEST(FreeNumber, SignPositionAndNoTrailingZeros) {
    EXPECT_EQ(freeNumber(395.0), " 395");
    EXPECT_EQ(freeNumber(0.0005), " 0.0005");
    EXPECT_EQ(freeNumber(-12.5), "-12.5");
    EXPECT_EQ(freeNumber(6.0), " 6");
    EXPECT_EQ(freeNumber(0.0), " 0");
    EXPECT_EQ(freeNumber(-0.0), " 0");
}

TEST(FreeNumber, SevenSignificantDigitsRounded) {
    EXPECT_EQ(freeNumber(3.14159265), " 3.141593");
    EXPECT_EQ(freeNumber(1234567.4), " 1234567");
    EXPECT_EQ(freeNumber(0.123456789), " 0.1234568");
    EXPECT_EQ(freeNumber(9.9999999), " 10");
}

TEST(FreeNumber, SinglePrecisionValuesPrintAsTyped) {
    EXPECT_EQ(freeNumber(static_cast<double>(0.0005f)), " 0.0005");
    EXPECT_EQ(freeNumber(static_cast<double>(1.163f)), " 1.163");
    EXPECT_EQ(freeNumber(static_cast<double>(6.11e-6f)), " 6.11E-06");
}

TEST(FreeNumber, ExponentFormAtTheExtremes) {
    EXPECT_EQ(freeNumber(12345678.0), " 1.234568E+07");
    EXPECT_EQ(freeNumber(1e-6), " 1E-06");
    EXPECT_EQ(freeNumber(-2.5e-5), "-2.5E-05");
    EXPECT_EQ(freeNumber(0.0001), " 0.0001");
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(freeNumber(inf), " ***");
    EXPECT_EQ(freeNumber(std::numeric_limits<double>::quiet_NaN()), " ***");
}

}  // namespace
}  // namespace cfhx
