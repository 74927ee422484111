// The program's own line under the pane: what waits for the user next and
// the stop the return path has just cleared from the pane.
#pragma once

#include <string>
#include <string_view>

namespace cfhx::status_line {

// The calculate button is open (the fluid window's check passed).
inline constexpr std::string_view kCalculate = "計算開始/再設定 で計算します";
// Back at the input screens after a run.
inline constexpr std::string_view kConfirm = "設定確認 で入力を変更できます";
// Between a stop's message and what follows it.
inline constexpr std::string_view kJoin = " ／ ";

// After the return path: the message of the stop that sent the run there
// (as the pane printed it; empty when none did), then the way back.
inline std::string afterReturn(std::string_view stop) {
    std::string text;
    if (!stop.empty()) {
        text = stop;
        text += kJoin;
    }
    text += kConfirm;
    return text;
}

// The line once the buttons its hints name are closed again: a stop's
// message stays, the hints go.
inline std::string withoutHints(std::string_view status) {
    if (status == kCalculate || status == kConfirm) return {};
    const std::string tail = std::string(kJoin) + std::string(kConfirm);
    if (status.size() > tail.size() && status.ends_with(tail)) return std::string(status.substr(0, status.size() - tail.size()));
    return std::string(status);
}

}  // namespace cfhx::status_line
