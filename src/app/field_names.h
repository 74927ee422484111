// The fields' names in the entry and range messages, in the language of
// the messages: the lists name a field in Japanese, as its screen does.
#pragma once

#include <span>
#include <string_view>

#include "app/codes.h"

namespace cfhx {

struct FieldName {
    std::string_view japanese;
    std::string_view english;
};

extern const std::span<const FieldName> kFieldNamesEnglish;  // app/english_texts.cpp

// A name the table lacks stays as the list has it.
inline std::string_view fieldName(Language language, std::string_view japanese) {
    if (language != Language::English) return japanese;
    for (const FieldName& n : kFieldNamesEnglish) {
        if (n.japanese == japanese) return n.english;
    }
    return japanese;
}

}  // namespace cfhx
