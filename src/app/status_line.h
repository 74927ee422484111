// The program's own line under the pane: what waits for the user next and
// the stop the return path has just cleared from the pane.
#pragma once

#include <string>
#include <string_view>

#include "app/codes.h"

namespace cfhx::status_line {

struct StatusLineTexts {
    std::string_view calculate;  // the calculate button is open (the fluid window's check passed)
    std::string_view confirm;    // back at the input screens after a run
    std::string_view join;       // between a stop's message and what follows it
};

inline constexpr StatusLineTexts kStatusLineJapanese{
    .calculate = "計算開始/再設定 で計算します",
    .confirm = "設定確認 で入力を変更できます",
    .join = " ／ ",
};
extern const StatusLineTexts kStatusLineEnglish;  // app/english_texts.cpp
inline const StatusLineTexts& statusLineTexts(Language language) {
    return language == Language::English ? kStatusLineEnglish : kStatusLineJapanese;
}

// After the return path: the message of the stop that sent the run there
// (as the pane printed it; empty when none did), then the way back.
inline std::string afterReturn(Language language, std::string_view stop) {
    const StatusLineTexts& t = statusLineTexts(language);
    std::string text;
    if (!stop.empty()) {
        text = stop;
        text += t.join;
    }
    text += t.confirm;
    return text;
}

// The line once the buttons its hints name are closed again: a stop's
// message stays, the hints go.
inline std::string withoutHints(Language language, std::string_view status) {
    const StatusLineTexts& t = statusLineTexts(language);
    if (status == t.calculate || status == t.confirm) return {};
    const std::string tail = std::string(t.join) + std::string(t.confirm);
    if (status.size() > tail.size() && status.ends_with(tail)) return std::string(status.substr(0, status.size() - tail.size()));
    return std::string(status);
}

}  // namespace cfhx::status_line
