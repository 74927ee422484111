// Texts the application frame writes: pane guidance, the welcome text,
// kind headings and labels, captions.
#pragma once

#include <string_view>

namespace cfhx::frame_texts {

inline constexpr std::string_view kProgramTitleEnglish = "【 CROSS FLOW TYPE MULTI TUBE HEAT EXCHANGER CALC. PROGRAM 】";
inline constexpr std::string_view kProgramTitle = "【クロスフロー型多管式熱交換器計算プログラム】";

// Captions written by NEXT.
inline constexpr std::string_view kSampleOpen = "開く";
inline constexpr std::string_view kSampleClose = "閉る";
inline constexpr std::string_view kSampleHeading = " ↓ ｻﾝﾌﾟﾙ値";
inline constexpr std::string_view kRegister = "主要条件登録";
inline constexpr std::string_view kCorrelationHeading = "  物性値相関式自動読み込み";
inline constexpr std::string_view kManualHeading = "物性値ﾏﾆｭｱﾙ入力";
inline constexpr std::string_view kPropertyHeading = "物性値構成";
inline constexpr std::string_view kTubeRow = " 管内側物性";
inline constexpr std::string_view kShellRow = " ｼｪﾙ側物性";

// Kind labels written by NEXT.
inline constexpr std::string_view kNextTubeLabels[4] = {
    " 飽和水分湿り気体", " 　気体の物性　", " 　水の物性", "  液体 or 気体"};
inline constexpr std::string_view kNextShellHumid = " 飽和水分湿り気体";
inline constexpr std::string_view kNextShellGas = "　 気体の物性";
inline constexpr std::string_view kNextShellGasUnset = " 　気体の物性　";

// Welcome text: indent in half-width blanks, then the text.
struct IndentedLine {
    int indent;
    std::string_view text;
};

inline constexpr IndentedLine kWelcomeHead[] = {
    {0, ""}, {0, ""}, {0, ""}, {0, ""},
    {8, ""},
    {0, ""}, {0, ""},
    {17, "─────────────"},
    {23, "W E L C O M E  ！"},
    {17, "─────────────"},
    {0, ""}, {0, ""}, {0, ""},
    {10, "上カラムから管内側物性とシェル側物性を"},
    {10, "各１種類選択して下さい。"},
    {0, ""}, {0, ""}, {0, ""},
    {10, "【クロスフロー型多管式熱交換器計算プログラム】   "},
};
inline constexpr IndentedLine kWelcomeUnitsSI = {26, "SI 単位系"};
inline constexpr IndentedLine kWelcomeUnitsOld = {0, "　　　　　　　　　　　　　旧工学単位系"};
inline constexpr IndentedLine kWelcomeSpacer = {1, ""};

inline constexpr int kBoxIndent = 4;
inline constexpr std::string_view kWelcomeBox[] = {
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
};

// Main-window buttons after a check or a calculation.
inline constexpr std::string_view kCalculate = "計算開始/再設定";
inline constexpr std::string_view kConfirmAfterCheck = "入力データ設定及び確認";
inline constexpr std::string_view kConfirmAfterRun = " 設定確認";

}  // namespace cfhx::frame_texts
