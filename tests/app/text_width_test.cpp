#include <gtest/gtest.h>

#include <string>

#include "app/frame_texts.h"
#include "app/text_width.h"

namespace cfhx {
namespace {

TEST(TextWidth, CountsCodePage932Columns) {
    EXPECT_EQ(textColumns(""), 0);
    EXPECT_EQ(textColumns("NEXT"), 4);
    EXPECT_EQ(textColumns("ｻﾝﾌﾟﾙ"), 5);          // half-width katakana
    EXPECT_EQ(textColumns("物性値構成"), 10);
    EXPECT_EQ(textColumns("－"), 2);
    EXPECT_EQ(textColumns("ⅰ①≡～"), 8);          // NEC specials are double width
    EXPECT_EQ(textColumns("　"), 2);              // full-width blank
    EXPECT_EQ(textColumns(" ↓ ｻﾝﾌﾟﾙ値"), 11);
}

TEST(TextWidth, WelcomeBoxLinesAreSixtyFourColumns) {
    for (std::string_view line : frame_texts::kWelcomeBox) {
        std::string printed(static_cast<size_t>(frame_texts::kBoxIndent), ' ');
        printed += line;
        EXPECT_EQ(textColumns(printed), 64) << line;
    }
}

TEST(TextWidth, StrayBytesCountAsOneColumnEach) {
    EXPECT_EQ(textColumns("\xff\xfe"), 2);
    EXPECT_EQ(textColumns("\xe3\x81"), 2);  // cut-off sequence
}

TEST(TextWidth, OverwriteReplacesColumns) {
    std::string line = "abcdef";
    overwriteColumns(line, 2, "XY");
    EXPECT_EQ(line, "abXYef");

    line = "ab";
    overwriteColumns(line, 5, "Z");
    EXPECT_EQ(line, "ab   Z");

    line = "abc";
    overwriteColumns(line, 1, "");
    EXPECT_EQ(line, "abc");
}

TEST(TextWidth, OverwriteSplittingAWideCharacterLeavesBlanks) {
    std::string line = "あいう";
    overwriteColumns(line, 1, "x");  // over the right half of あ
    EXPECT_EQ(line, " xいう");

    line = "あいう";
    overwriteColumns(line, 0, "x");  // over the left half of あ
    EXPECT_EQ(line, "x いう");

    line = "あいう";
    overwriteColumns(line, 1, "xy");  // the right half of い sticks out
    EXPECT_EQ(line, " xy う");
    EXPECT_EQ(textColumns(line), 6);

    line = "あいう";
    overwriteColumns(line, 1, "xyz");  // い wholly covered, う untouched
    EXPECT_EQ(line, " xyzう");

    line = "あいう";
    overwriteColumns(line, 2, "か");
    EXPECT_EQ(line, "あかう");
}

}  // namespace
}  // namespace cfhx
