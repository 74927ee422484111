// Walks the texts of a language table (a struct of string_view fields and
// arrays of them) field by field, the Japanese table beside the English.
#pragma once

#include <gtest/gtest.h>

#include <span>
#include <string_view>

#include "app/text_width.h"
#include "support/japanese_text.h"

namespace cfhx::testing {

template <class Table>
std::span<const std::string_view> textsOf(const Table& table) {
    static_assert(sizeof(Table) % sizeof(std::string_view) == 0, "a table holds texts only");
    return {reinterpret_cast<const std::string_view*>(&table), sizeof(Table) / sizeof(std::string_view)};
}

struct TablePair {
    const char* name;
    std::span<const std::string_view> japanese;
    std::span<const std::string_view> english;
    bool sameWidth = false;  // the lines keep the Japanese columns (a box, a table)
};

template <class Table>
TablePair pairOf(const char* name, const Table& japanese, const Table& english) {
    return {.name = name, .japanese = textsOf(japanese), .english = textsOf(english)};
}

// English has no Japanese character, a text wherever the Japanese has one,
// and the Japanese width where the lines align.
inline void expectEnglishTable(const TablePair& t) {
    SCOPED_TRACE(t.name);
    ASSERT_EQ(t.japanese.size(), t.english.size());
    for (size_t i = 0; i < t.english.size(); ++i) {
        SCOPED_TRACE(i);
        const std::string_view english = t.english[i];
        EXPECT_FALSE(containsJapanese(english)) << english;
        if (!t.japanese[i].empty()) EXPECT_FALSE(english.empty()) << t.japanese[i];
        if (t.sameWidth) EXPECT_EQ(textColumns(english), textColumns(t.japanese[i])) << english;
    }
}

}  // namespace cfhx::testing
