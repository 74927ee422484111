#include <gtest/gtest.h>

#include <string>

#include "app/frame_texts.h"
#include "app/text_width.h"

namespace cfhx {
namespace {

TEST(TextWidth, CountsCodePage932Columns) {
    struct Case {
        const char* text;
        int columns;
    };
    const Case cases[] = {
        {"", 0},
        {"NEXT", 4},
        {"ｻﾝﾌﾟﾙ", 5},  // half-width katakana
        {"物性値構成", 10},
        {"－", 2},
        {"ⅰ①≡～", 8},  // NEC specials are double width
        {"　", 2},      // full-width blank
        {" ↓ ｻﾝﾌﾟﾙ値", 11},
        {" xy う", 6},
        // Stray bytes count as one column each.
        {"\xff\xfe", 2},
        {"\xe3\x81", 2},  // cut-off sequence
    };
    for (const Case& c : cases) EXPECT_EQ(textColumns(c.text), c.columns) << c.text;
}

TEST(TextWidth, WelcomeBoxLinesAreSixtyFourColumns) {
    for (std::string_view line : frame_texts::kFrameJapanese.welcomeBox) {
        std::string printed(static_cast<size_t>(frame_texts::kBoxIndent), ' ');
        printed += line;
        EXPECT_EQ(textColumns(printed), 64) << line;
    }
}

TEST(TextWidth, OverwriteReplacesColumns) {
    struct Case {
        const char* line;
        int column;
        const char* text;
        const char* want;
    };
    const Case cases[] = {
        {"abcdef", 2, "XY", "abXYef"},
        {"ab", 5, "Z", "ab   Z"},
        {"abc", 1, "", "abc"},
        // Splitting a wide character leaves blanks.
        {"あいう", 1, "x", " xいう"},    // over the right half of あ
        {"あいう", 0, "x", "x いう"},    // over the left half of あ
        {"あいう", 1, "xy", " xy う"},   // the right half of い sticks out
        {"あいう", 1, "xyz", " xyzう"},  // い wholly covered, う untouched
        {"あいう", 2, "か", "あかう"},
    };
    for (const Case& c : cases) {
        std::string line = c.line;
        overwriteColumns(line, c.column, c.text);
        EXPECT_EQ(line, c.want) << c.line << " at " << c.column << ": " << c.text;
    }
}

}  // namespace
}  // namespace cfhx
