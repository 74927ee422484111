#include <gtest/gtest.h>

#include "app/field_entry_texts.h"
#include "app/field_range_texts.h"
#include "app/frame_texts.h"
#include "app/status_line.h"
#include "support/english_tables.h"

namespace cfhx {
namespace {

using testing::containsJapanese;

TEST(EnglishTexts, JapaneseCharactersAreFound) {
    const struct {
        const char* text;
        bool japanese;
    } kCases[] = {
        {"Rem. (Nm3/h) -> ", false},
        {"┌──┐ ↓ ⅰ", false},  // box drawing, arrows, roman numerals
        {"か", true},  {"カ", true},  {"ｶ", true},  {"熱", true},
        {"　", true},  {"、", true},  {"【", true},  {"①", true},
        {"－", true},  {"Ａ", true},  {"air ｼｪﾙ", true},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(containsJapanese(c.text), c.japanese);
    }
}

TEST(EnglishTexts, FrameTablesAreEnglish) {
    const testing::TablePair kTables[] = {
        testing::pairOf("frame", frame_texts::kFrameJapanese, frame_texts::kFrameEnglish),
        {.name = "welcome box", .japanese = frame_texts::kFrameJapanese.welcomeBox,
         .english = frame_texts::kFrameEnglish.welcomeBox, .sameWidth = true},
        testing::pairOf("status line", status_line::kStatusLineJapanese, status_line::kStatusLineEnglish),
        testing::pairOf("field entry", field_entry_texts::kFieldEntryJapanese, field_entry_texts::kFieldEntryEnglish),
        testing::pairOf("field range", field_range_texts::kFieldRangeJapanese, field_range_texts::kFieldRangeEnglish),
    };
    for (const testing::TablePair& t : kTables) testing::expectEnglishTable(t);
}

}  // namespace
}  // namespace cfhx
