// Texts the application frame writes: pane guidance, the welcome text,
// kind headings and labels, captions.
#pragma once

#include <iterator>
#include <string_view>

#include "app/codes.h"

namespace cfhx::frame_texts {

inline constexpr std::string_view kProgramTitleEnglish = "【 CROSS FLOW TYPE MULTI TUBE HEAT EXCHANGER CALC. PROGRAM 】";
inline constexpr std::string_view kProgramTitle = "【クロスフロー型多管式熱交換器計算プログラム】";

// Welcome text: the indent of each line in half-width blanks.
inline constexpr int kWelcomeHeadIndent[] = {0, 0, 0, 0, 8, 0, 0, 17, 23, 17, 0, 0, 0, 10, 10, 0, 0, 0, 10};
inline constexpr int kWelcomeUnitsSIIndent = 26;
inline constexpr int kWelcomeUnitsOldIndent = 0;
inline constexpr int kWelcomeSpacerIndent = 1;
inline constexpr int kBoxIndent = 4;

// The texts of the frame in one language: the captions and kind labels
// written by NEXT, the welcome text, the main-window buttons after a check
// or a calculation.
struct FrameTexts {
    std::string_view sampleOpen;
    std::string_view sampleClose;
    std::string_view sampleHeading;
    std::string_view registerConditions;
    std::string_view correlationHeading;
    std::string_view manualHeading;
    std::string_view propertyHeading;
    std::string_view tubeRow;
    std::string_view shellRow;
    std::string_view nextTubeLabels[4];
    std::string_view nextShellHumid;
    std::string_view nextShellGas;
    std::string_view nextShellGasUnset;
    std::string_view welcomeHead[std::size(kWelcomeHeadIndent)];
    std::string_view welcomeUnitsSI;
    std::string_view welcomeUnitsOld;
    std::string_view welcomeBox[13];  // a box: every line the same width
    std::string_view calculate;
    std::string_view confirmAfterCheck;
    std::string_view confirmAfterRun;
};

inline constexpr FrameTexts kFrameJapanese{
    .sampleOpen = "開く",
    .sampleClose = "閉る",
    .sampleHeading = " ↓ ｻﾝﾌﾟﾙ値",
    .registerConditions = "主要条件登録",
    .correlationHeading = "  物性値相関式自動読み込み",
    .manualHeading = "物性値ﾏﾆｭｱﾙ入力",
    .propertyHeading = "物性値構成",
    .tubeRow = " 管内側物性",
    .shellRow = " ｼｪﾙ側物性",
    .nextTubeLabels = {" 飽和水分湿り気体", " 　気体の物性　", " 　水の物性", "  液体 or 気体"},
    .nextShellHumid = " 飽和水分湿り気体",
    .nextShellGas = "　 気体の物性",
    .nextShellGasUnset = " 　気体の物性　",
    .welcomeHead = {"", "", "", "", "", "", "", "─────────────", "W E L C O M E  ！", "─────────────", "", "",
                    "", "上カラムから管内側物性とシェル側物性を", "各１種類選択して下さい。", "", "", "",
                    "【クロスフロー型多管式熱交換器計算プログラム】   "},
    .welcomeUnitsSI = "SI 単位系",
    .welcomeUnitsOld = "　　　　　　　　　　　　　旧工学単位系",
    .welcomeBox = {
        "┌────────────────────────────┐",
        "│ ⅰ. デ－タ－の入力が終了したら、[NEXT]ボタンを         │",
        "│　　 クリックして下さい。　　　　　　　　　　　　　　 　│",
        "│　　　　　　　　　　　　　　　　　　　　　　　　　　　　│",
        "│ ⅱ. 再計算や結果の印刷はﾌﾟﾛﾝﾌﾟﾄに従い入力して下さい。　│",
        "│　　　　　　　　　　　　　　　　　　　　　　　　　　　　│",
        "│ ⅲ. 相関式組込物性利用範囲(1気圧)                      │",
        "│　　  <管内側>：水、ガス(CO2,O2,H2O,N2)、飽和湿りガス 　│",
        "│　　　<管外側>：ガス(CO2,O2,H2O,N2)、飽和湿りガス       │",
        "│　　　　　　　　　　　　　　　　　　　　　　　　　　　　│",
        "│ ⅳ. マニュアル物性入力条件　　　　　　　　　　　　　　 │",
        "│　　飽和湿り気体以外の任意物性値手入力(ｼｪﾙ側は気体のみ) │",
        "└────────────────────────────┘",
    },
    .calculate = "計算開始/再設定",
    .confirmAfterCheck = "入力データ設定及び確認",
    .confirmAfterRun = " 設定確認",
};
extern const FrameTexts kFrameEnglish;  // app/english_texts.cpp
inline const FrameTexts& frameTexts(Language language) {
    return language == Language::English ? kFrameEnglish : kFrameJapanese;
}

}  // namespace cfhx::frame_texts
