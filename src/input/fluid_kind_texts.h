// Texts the fluid-kind buttons of the main window write.
#pragma once

#include <string_view>

#include "app/codes.h"

namespace cfhx::fluid_kind_texts {

inline constexpr int kHeadingIndent = 3;

inline constexpr std::string_view kFilmZero = " 0";
inline constexpr std::string_view kNotApplicable = "   －";
inline constexpr std::string_view kSIPresetInlet = "293";
inline constexpr std::string_view kFlowMark = "■";
inline constexpr std::string_view kHtcUnitSI = " (W/m2K)";

// The pane guidance of a fluid-kind button (its framed heading: one or
// two lines) and the kind labels it writes, in one language.
struct FluidKindTexts {
    std::string_view continueRightColumn;
    std::string_view heading1[2];
    std::string_view heading2;
    std::string_view heading3;
    std::string_view heading5;
    std::string_view labelHumid;
    std::string_view labelGas;
    std::string_view labelWater;
    std::string_view labelManualTube;
    std::string_view labelManualShell;
};

inline constexpr FluidKindTexts kFluidKindJapanese{
    .continueRightColumn = "   　　　　　　　　　　　　　　　　引き続き右カラムを設定してくだっさい　⇒",
    .heading1 = {"・管内側物性：水分湿り飽和混合気体＜潜熱移動を伴う計算＞", "・ｼｪﾙ側物性 ：乾き気体"},
    .heading2 = "管内物性：気体＜顕熱移動＞",
    .heading3 = "管内物性：水＜顕熱移動＞",
    .heading5 = "シェル側物性：水分湿り飽和混合気体＜潜熱移動を伴う計算＞",
    .labelHumid = "　飽和湿り気体の物性",
    .labelGas = "　気体の物性",
    .labelWater = "　水の物性",
    .labelManualTube = " 液or気体物性入力",
    .labelManualShell = " 気体の物性入力",
};
extern const FluidKindTexts kFluidKindEnglish;  // english_texts.cpp of this layer
inline const FluidKindTexts& fluidKindTexts(Language language) {
    return language == Language::English ? kFluidKindEnglish : kFluidKindJapanese;
}

}  // namespace cfhx::fluid_kind_texts
