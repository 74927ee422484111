// Texts the fluid-kind buttons of the main window write.
#pragma once

#include <string_view>

namespace cfhx::fluid_kind_texts {

inline constexpr std::string_view kContinueRightColumn = "   　　　　　　　　　　　　　　　　引き続き右カラムを設定してくだっさい　⇒";
inline constexpr int kHeadingIndent = 3;
inline constexpr std::string_view kHeading1[] = {"・管内側物性：水分湿り飽和混合気体＜潜熱移動を伴う計算＞",
                                                 "・ｼｪﾙ側物性 ：乾き気体"};
inline constexpr std::string_view kHeading2 = "管内物性：気体＜顕熱移動＞";
inline constexpr std::string_view kHeading3 = "管内物性：水＜顕熱移動＞";
inline constexpr std::string_view kHeading5 = "シェル側物性：水分湿り飽和混合気体＜潜熱移動を伴う計算＞";

inline constexpr std::string_view kLabelHumid = "　飽和湿り気体の物性";
inline constexpr std::string_view kLabelGas = "　気体の物性";
inline constexpr std::string_view kLabelWater = "　水の物性";
inline constexpr std::string_view kLabelManualTube = " 液or気体物性入力";
inline constexpr std::string_view kLabelManualShell = " 気体の物性入力";

inline constexpr std::string_view kFilmZero = " 0";
inline constexpr std::string_view kNotApplicable = "   －";
inline constexpr std::string_view kSIPresetInlet = "293";
inline constexpr std::string_view kFlowMark = "■";
inline constexpr std::string_view kHtcUnitSI = " (W/m2K)";

}  // namespace cfhx::fluid_kind_texts
