// Texts of the options screen FORM7 and the processing-No. screen FORM6.
#pragma once

#include <string_view>

namespace cfhx::options_texts {

using std::string_view;

// FORM6 "O K": the main window's confirmation button.
inline constexpr string_view kConfirmMainData = "主要データ設定及び確認";

// FORM7: result-screen label of the phase change, coefficient fields.
inline constexpr string_view kCondensed = "凝縮量";
inline constexpr string_view kEvaporated = "蒸発量";
inline constexpr string_view kCoefficientNone = "    －";

// FORM7 option checks; the coefficient messages follow a full-width blank.
inline constexpr string_view kHeatClassUnset = "管内流体の顕熱/潜熱の選択が未設定。";
inline constexpr string_view kPhaseChangeUnset = "<蒸発>又は<凝縮>の選択が未設定。";
inline constexpr string_view kHtcModeUnset = "熱伝達率の選択が未設定。";
inline constexpr string_view kTubeCoefficientUnset = "管内側熱伝達率値が未設定。";
inline constexpr string_view kShellCoefficientUnset = "管外側熱伝達率値が未設定。";
inline constexpr string_view kBothCoefficientsUnset = "管内／管外の熱伝達率値が未設定。";
inline constexpr string_view kHtcModeInvalid = "熱伝達率の選択が行われていません。";
inline constexpr string_view kPressureUnset = "管内冷媒飽和圧力が未設定。";
inline constexpr string_view kSurfaceTensionUnset = "管内冷媒の表面張力が未設定。";
// A given value outside its range: a full-width blank, the field and what
// is wrong, then this.
inline constexpr string_view kOutOfRangeClose = "。";

}  // namespace cfhx::options_texts
