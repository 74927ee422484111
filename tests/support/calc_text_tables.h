// The calculation dialogue's text tables, each text paired with its English
// form, for tests that walk them all.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calc/engine_texts.h"
#include "calc/flows_texts.h"
#include "calc/humid_dialogue_texts.h"
#include "calc/rating_texts.h"
#include "calc/review_texts.h"
#include "calc/start_texts.h"

namespace cfhx::testing {

struct TextPair {
    std::string name;  // "table.field"
    std::string_view japanese, english;
};

struct TextTable {
    const char* name;
    std::vector<TextPair> texts;
    size_t fields;  // string_views the table's struct holds
};

template <class T>
TextTable textTable(const char* name, const T& japanese, const T& english) {
    TextTable t{.name = name, .texts = {}, .fields = sizeof(T) / sizeof(std::string_view)};
    forEachText(japanese, [&](const char* field, std::string_view text) {
        t.texts.push_back({.name = std::string(name) + "." + field, .japanese = text, .english = {}});
    });
    size_t i = 0;
    forEachText(english, [&](const char*, std::string_view text) {
        if (i < t.texts.size()) t.texts[i].english = text;
        ++i;
    });
    return t;
}

inline const std::vector<TextTable>& calcTextTables() {
    static const std::vector<TextTable> kTables = {
        textTable("start", start_texts::kStartJapanese, start_texts::kStartEnglish),
        textTable("flows", flows_texts::kFlowsJapanese, flows_texts::kFlowsEnglish),
        textTable("review", review_texts::kReviewJapanese, review_texts::kReviewEnglish),
        textTable("humid", humid_texts::kHumidJapanese, humid_texts::kHumidEnglish),
        textTable("rating", calc::rating_texts::kRatingJapanese, calc::rating_texts::kRatingEnglish),
        textTable("condensing", calc::condensing_texts::kCondensingJapanese, calc::condensing_texts::kCondensingEnglish),
        textTable("engine", calc::engine_texts::kEngineJapanese, calc::engine_texts::kEngineEnglish),
    };
    return kTables;
}

}  // namespace cfhx::testing
