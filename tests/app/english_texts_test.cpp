#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "app/case_document.h"
#include "app/field_entries.h"
#include "app/field_entry_texts.h"
#include "app/field_names.h"
#include "app/field_ranges.h"
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
        testing::pairOf("case", case_texts::kCaseJapanese, case_texts::kCaseEnglish),
    };
    for (const testing::TablePair& t : kTables) testing::expectEnglishTable(t);
}

TEST(EnglishTexts, EveryCheckedFieldHasAnEnglishName) {
    std::vector<std::string_view> names;
    for (const EntryFields* list : {&kColumnEntries, &kForm5Entries, &kOptionEntries}) {
        for (const EntryField& f : list->fields) names.push_back(f.label);
    }
    for (const RangedFields* list : {&kColumnRanges, &kForm5Ranges, &kOptionRanges}) {
        for (const RangedField& f : list->fields) names.push_back(f.caption);
    }
    for (std::string_view name : names) {
        SCOPED_TRACE(name);
        const std::string_view english = fieldName(Language::English, name);
        EXPECT_FALSE(english.empty());
        EXPECT_FALSE(containsJapanese(english)) << english;
        EXPECT_EQ(fieldName(Language::Japanese, name), name);
    }
}

TEST(EnglishTexts, EntryAndRangeMessagesNameTheFieldInTheirLanguage) {
    const struct {
        const char* name;
        Language language;
        BadEntry why;
        const char* message;
    } kEntries[] = {
        {"English, missing", Language::English, BadEntry::Missing, "* Tube rows is not entered!"},
        {"English, not a number", Language::English, BadEntry::NotNumber, "* Tube rows is not a number!"},
        {"Japanese, missing", Language::Japanese, BadEntry::Missing, "★ 伝熱管段数 が入力されていません。！"},
    };
    for (const auto& c : kEntries) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(entryMessage(c.language, "伝熱管段数", c.why), c.message);
    }
    const struct {
        const char* name;
        Language language;
        OutOfRange why;
        const char* phrase;
    } kRanges[] = {
        {"English, negative", Language::English, OutOfRange::Negative, "Tube outer diameter is negative"},
        {"English, too large", Language::English, OutOfRange::TooLarge, "Tube outer diameter is too large"},
        {"Japanese, below absolute zero", Language::Japanese, OutOfRange::BelowAbsoluteZero, "管外直径が絶対零度以下です"},
    };
    for (const auto& c : kRanges) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(rangePhrase(c.language, RangeRefusal{.caption = "管外直径", .why = c.why}), c.phrase);
    }
}

}  // namespace
}  // namespace cfhx
