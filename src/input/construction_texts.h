// Texts of the construction column of the main window: sample values, fin
// and twisted-tape marks, guidance lines and the sample-value questions.
#pragma once

#include <string_view>

#include "app/codes.h"

namespace cfhx::construction_texts {

using std::string_view;

// Sample bundle, EDIT10-EDIT23 in column order.
inline constexpr string_view kSampleColumn[] = {
    " 16",
    " 14",
    " 1.3",
    " 1.3",
    " 1",
    "   －",
    "   －",
    "   －",
    " 1",
    " 395",
    "   －",
    " 0.0005",
    " 0.0005",
    " 1"};

// Pass, row and column counts: bare sample, phase-change sample.
inline constexpr string_view kOne = " 1";
inline constexpr string_view kThree = " 3";
inline constexpr string_view kTen = " 10";
inline constexpr string_view kForty = " 40";
inline constexpr string_view kSix = " 6";
inline constexpr string_view kNotApplicable = "   －";
inline constexpr string_view kBlank = " ";

// Fin type.
inline constexpr string_view kFinNone = " 1";
inline constexpr string_view kFinFieldNone = "    －";
inline constexpr string_view kFinConductivityNone = "  　－";
inline constexpr string_view kFinRadial = " 2";
inline constexpr string_view kFinPlate = " 3";
// fins/inch, height, thickness, fin conductivity
inline constexpr string_view kRadialSample[] = {" 6", " 14", " 0.3", " 189"};
inline constexpr string_view kPlateSample[] = {" 9", "   －", " 0.3", " 189"};
inline constexpr string_view kPlateHeightNone = "   －";

// Twisted tape.
inline constexpr string_view kTapeNone = " 1";
inline constexpr string_view kTapePresent = " 2";

// The construction column's pane guidance and sample-value questions
// (message-box captions and questions), in one language.
struct ConstructionTexts {
    string_view enterValues;
    string_view restoreQuestion;
    string_view radialRestoreCaption;
    string_view registerRadial;
    string_view setRadial;
    string_view quoteQuestion;
    string_view plateSetCaption;
    string_view registerPlate;
    string_view plateCallCaption;
    string_view setTape;
};

inline constexpr ConstructionTexts kConstructionJapanese{
    .enterValues = "       　★ 右のカラムに数値を入力してください ⇒ ",
    .restoreQuestion = "サンプル値を復活しますか？",
    .radialRestoreCaption = " ラジアルフィン寸法サンプル値の復活",
    .registerRadial = "     伝熱管のラジアルフィン寸法を登録して下さい。",
    .setRadial = "     set the radial fin dimentions。",
    .quoteQuestion = "サンプル値を引用しますか？",
    .plateSetCaption = " プレートフィン寸法サンプル値の設定",
    .registerPlate = "     伝熱管のプレートフィン数、肉厚を登録して下さい。",
    .plateCallCaption = " プレートフィン寸法サンプル値の呼び出し",
    .setTape = "    ツイストテープの肉厚及び捻りピッチをセットして下さい。",
};
extern const ConstructionTexts kConstructionEnglish;  // english_texts.cpp of this layer
inline const ConstructionTexts& constructionTexts(Language language) {
    return language == Language::English ? kConstructionEnglish : kConstructionJapanese;
}

}  // namespace cfhx::construction_texts
