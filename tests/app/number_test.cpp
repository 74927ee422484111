#include <gtest/gtest.h>

#include <cmath>

#include "app/screens.h"

namespace cfhx {
namespace {

TEST(ReadNumber, TheLongestNumericPrefixOrZero) {
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {
        // Plain and blank-prefixed numbers.
        {" 16", 16.0}, {" 0.0005", 0.0005}, {"-2.5", -2.5}, {"+3", 3.0}, {" 1E-6", 1e-6}, {"6.11E-6", 6.11e-6},
        {".025", 0.025}, {"5.", 5.0}, {"\t 7", 7.0},
        // The longest numeric prefix is taken.
        {"1.5abc", 1.5}, {"1,000", 1.0}, {"1e", 1.0}, {"2e+", 2.0}, {"3 4", 3.0}, {"1.2.3", 1.2},
        // Full-width forms read as their ASCII twins.
        {"１６", 16.0}, {"　１２．５", 12.5}, {"＋３", 3.0}, {"1Ｅ3", 1000.0},
        // Marks and empty texts read zero.
        {"", 0.0}, {"   ", 0.0}, {"   －", 0.0}, {"    －", 0.0}, {"－", 0.0}, {"  Rem.", 0.0}, {"   Rem.", 0.0},
        {"    Sat.", 0.0}, {"   sat.", 0.0}, {"■", 0.0}, {"abc", 0.0}, {"-", 0.0}, {"+", 0.0}, {".", 0.0},
        {"e5", 0.0}, {"　", 0.0},
        // Beyond the range of a double: infinite when too large, zero when
        // too small.
        {"1e999", INFINITY}, {"-1e999", -INFINITY}, {"1e309", INFINITY}, {"0.01e310", 1e308}, {"1000e306", INFINITY},
        {"1e300", 1e300}, {"1e-999", 0.0}, {"-1e-999", -0.0}, {"123e-400", 0.0}, {"0e999", 0.0},
    };
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(readNumber(c.text), c.value) << '"' << c.text << '"';
}

TEST(WholeNumber, TowardZeroAndClampedToTheIntRange) {
    struct Case {
        const char* name;
        double value;
        int whole;
    };
    const Case cases[] = {
        {"NaN", std::nan(""), 0},
        {"+inf", INFINITY, 2147483647},
        {"-inf", -INFINITY, -2147483647 - 1},
        {"1e10", 1e10, 2147483647},
        {"-1e10", -1e10, -2147483647 - 1},
        {"2.9", 2.9, 2},
        {"-2.9", -2.9, -2},
        {"just below the top", 2147483646.5, 2147483646},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(wholeNumber(c.value), c.whole);
    }
}

// A number with nothing but blanks around it is an entry; the program's
// marks are none; anything else is text that is not a number.
TEST(EntryIn, WholeNumbersMarksAndText) {
    struct Case {
        const char* text;
        Entry entry;
    };
    const Case cases[] = {
        {"", Entry::Blank}, {"   ", Entry::Blank}, {"　 \t", Entry::Blank},
        {"   －", Entry::Mark}, {"  　－", Entry::Mark}, {"  Rem.", Entry::Mark}, {"   sat.", Entry::Mark},
        {"    Sat.", Entry::Mark}, {"－ ", Entry::Mark},
        {"12", Entry::Number}, {" 12 ", Entry::Number}, {"　1.5E-3　", Entry::Number}, {"１２", Entry::Number},
        {"-5", Entry::Number}, {".5", Entry::Number}, {"5.", Entry::Number}, {"1d3", Entry::Number},
        {"1e400", Entry::Number}, {"－5", Entry::Number},
        {"abc", Entry::NotNumber}, {"1,5", Entry::NotNumber}, {"1e", Entry::NotNumber}, {"12 m", Entry::NotNumber},
        {"1 2", Entry::NotNumber}, {"1.2.3", Entry::NotNumber}, {".", Entry::NotNumber}, {"--1", Entry::NotNumber},
        {"Rem", Entry::NotNumber}, {"－－", Entry::NotNumber}, {"12％", Entry::NotNumber}, {"0x10", Entry::NotNumber},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(entryIn(c.text), c.entry);
    }
}

}  // namespace
}  // namespace cfhx
