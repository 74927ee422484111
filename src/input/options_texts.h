// Texts of the options screen FORM7 and the processing-No. screen FORM6.
#pragma once

#include <string_view>

#include "app/codes.h"

namespace cfhx::options_texts {

using std::string_view;

// FORM7: the mark of a coefficient field not given.
inline constexpr string_view kCoefficientNone = "    －";

// FORM6's confirmation caption, FORM7's phase-change label of the result
// screen and the messages of its option checks, in one language.
struct OptionsTexts {
    string_view confirmMainData;  // FORM6 "O K": the main window's confirmation button
    string_view condensed;
    string_view evaporated;
    string_view heatClassUnset;
    string_view phaseChangeUnset;
    string_view htcModeUnset;
    string_view tubeCoefficientUnset;
    string_view shellCoefficientUnset;
    string_view bothCoefficientsUnset;
    string_view htcModeInvalid;
    string_view pressureUnset;
    string_view surfaceTensionUnset;
    string_view outOfRangeClose;  // after a given value outside its range
    string_view wideLead;  // before the coefficient messages and a refused entry
};

inline constexpr OptionsTexts kOptionsJapanese{
    .confirmMainData = "主要データ設定及び確認",
    .condensed = "凝縮量",
    .evaporated = "蒸発量",
    .heatClassUnset = "管内流体の顕熱/潜熱の選択が未設定。",
    .phaseChangeUnset = "<蒸発>又は<凝縮>の選択が未設定。",
    .htcModeUnset = "熱伝達率の選択が未設定。",
    .tubeCoefficientUnset = "管内側熱伝達率値が未設定。",
    .shellCoefficientUnset = "管外側熱伝達率値が未設定。",
    .bothCoefficientsUnset = "管内／管外の熱伝達率値が未設定。",
    .htcModeInvalid = "熱伝達率の選択が行われていません。",
    .pressureUnset = "管内冷媒飽和圧力が未設定。",
    .surfaceTensionUnset = "管内冷媒の表面張力が未設定。",
    .outOfRangeClose = "。",
    .wideLead = "　",
};
extern const OptionsTexts kOptionsEnglish;  // english_texts.cpp of this layer
inline const OptionsTexts& optionsTexts(Language language) {
    return language == Language::English ? kOptionsEnglish : kOptionsJapanese;
}

}  // namespace cfhx::options_texts
