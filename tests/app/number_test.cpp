#include <gtest/gtest.h>

#include "app/screens.h"

namespace cfhx {
namespace {

TEST(ReadNumber, PlainAndBlankPrefixedNumbers) {
    EXPECT_DOUBLE_EQ(readNumber(" 16"), 16.0);
    EXPECT_DOUBLE_EQ(readNumber(" 0.0005"), 0.0005);
    EXPECT_DOUBLE_EQ(readNumber("-2.5"), -2.5);
    EXPECT_DOUBLE_EQ(readNumber("+3"), 3.0);
    EXPECT_DOUBLE_EQ(readNumber(" 1E-6"), 1e-6);
    EXPECT_DOUBLE_EQ(readNumber("6.11E-6"), 6.11e-6);
    EXPECT_DOUBLE_EQ(readNumber(".025"), 0.025);
    EXPECT_DOUBLE_EQ(readNumber("5."), 5.0);
    EXPECT_DOUBLE_EQ(readNumber("\t 7"), 7.0);
}

TEST(ReadNumber, LongestNumericPrefixIsTaken) {
    EXPECT_DOUBLE_EQ(readNumber("1.5abc"), 1.5);
    EXPECT_DOUBLE_EQ(readNumber("1,000"), 1.0);
    EXPECT_DOUBLE_EQ(readNumber("1e"), 1.0);
    EXPECT_DOUBLE_EQ(readNumber("2e+"), 2.0);
    EXPECT_DOUBLE_EQ(readNumber("3 4"), 3.0);
    EXPECT_DOUBLE_EQ(readNumber("1.2.3"), 1.2);
}

TEST(ReadNumber, FullWidthFormsReadAsTheirAsciiTwins) {
    EXPECT_DOUBLE_EQ(readNumber("１６"), 16.0);
    EXPECT_DOUBLE_EQ(readNumber("　１２．５"), 12.5);
    EXPECT_DOUBLE_EQ(readNumber("＋３"), 3.0);
    EXPECT_DOUBLE_EQ(readNumber("1Ｅ3"), 1000.0);
}

TEST(ReadNumber, MarksAndEmptyTextsReadZero) {
    for (const char* text : {"", "   ", "   －", "    －", "－", "  Rem.", "   Rem.", "    Sat.", "   sat.", "■",
                             "abc", "-", "+", ".", "e5", "　"}) {
        EXPECT_EQ(readNumber(text), 0.0) << '"' << text << '"';
    }
}

TEST(ReadNumber, TextsBeyondTheRangeOfNumbersReadZero) {
    EXPECT_EQ(readNumber("1e999"), 0.0);
    EXPECT_EQ(readNumber("-1e999"), 0.0);
    EXPECT_DOUBLE_EQ(readNumber("1e300"), 1e300);
}

}  // namespace
}  // namespace cfhx
