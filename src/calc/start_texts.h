// Texts of the start of a calculation: the construction refusals, the
// condensate-film notice and question, the confirmation box and the
// flow-arrangement headings.
#pragma once

#include <string_view>

namespace cfhx::start_texts {

using std::string_view;

// Construction refusals, in the order they are tested.
inline constexpr string_view kPassesBothSides = "管側１パス以上の場合、シェル側は１パス指定です。";
inline constexpr string_view kNoFluidName = "物性名称未登録";
inline constexpr string_view kNoOuterDiameter = "管外直径が未登録";
inline constexpr string_view kNoInnerDiameter = "管内直径が未登録";
inline constexpr string_view kNoRowPitch = "管縦方向ﾋﾟｯﾁの数値が未登録";
inline constexpr string_view kNoColumnPitch = "管水平方向ﾋﾟｯﾁの数値が未登録";
inline constexpr string_view kNoFinsPerInch = "ﾌｨﾝ山数/吋　が未登録";
inline constexpr string_view kNoFinHeight = "ﾌｨﾝ高さが未登録";
inline constexpr string_view kNoFinThickness = "ﾌｨﾝ肉厚が未登録";
inline constexpr string_view kNoArrangement = "管配列（三角 or 四角）の数値が未登録";
inline constexpr string_view kNoTubeConductivity = "管の熱伝導率が未登録";
inline constexpr string_view kNoFinConductivity = "ﾌｨﾝの熱伝導率が未登録";
inline constexpr string_view kNoTubeFouling = "管内側汚れ係数が未登録";
inline constexpr string_view kNoShellFouling = "ｼｪﾙ側汚れ係数が未登録";
inline constexpr string_view kNoFlowPattern = "直交流での流路ﾊﾟｽ形態（向流ﾊﾟｽ、並流ﾊﾟｽ）が未登録";
inline constexpr string_view kNoTubePasses = "管内側流路ﾊﾟｽ数が未登録";
inline constexpr string_view kNoShellPasses = "ｼｪﾙ側流路ﾊﾟｽ数が未登録";
inline constexpr string_view kNoTubeRows = "★ 管段数を右欄『 伝熱管段数 』カラムに数値を入力してください。";
inline constexpr string_view kNoTubeColumns = "★ 管列数を右のカラムに入力して下さい。";
inline constexpr string_view kNoTapeThickness = "ﾂｲｽﾄﾃｰﾌﾟの肉厚が未登録";
inline constexpr string_view kNoTapePitch = "ﾂｲｽﾄﾃｰﾌﾟのﾋﾟｯﾁ(節間長さ)が未登録";

// Blanks before a refusal; the starred ones stand further left.
inline constexpr int kIndent = 5;
inline constexpr int kStarredIndent = 2;

// Condensate film thickness.
inline constexpr string_view kFilmSetToZero = "凝縮液膜厚さはゼロに設定されます。";
inline constexpr string_view kFilmGoOn = "このまま進める  y/n";

// The preliminary-data box: its text ends in two line breaks and two
// full-width blanks.
inline constexpr string_view kConfirmCaption = "　予備データーの登録確認";
inline constexpr string_view kConfirmText = "予備ﾃﾞｰﾀｰ登録は　ＯＫ ？\n\n　　";

// Tube-rows field while the rows are computed (processing No. 3 and 4).
inline constexpr string_view kComputedRows = "   －";

// Flow-arrangement headings for sFLOW "1", "2", "3".
inline constexpr string_view kHeadingCross = "＜ 直交流型又は直交流型向流ﾊﾟｽ熱交換器の計算条件です＞";
inline constexpr string_view kHeadingParallel = "＜ ２ﾊﾟｽ以上の直交型並流ﾊﾟｽ熱交換器の計算条件です＞";
inline constexpr string_view kHeadingCounter = "＜ LMTD(向流) の計算条件です。LMTD 補正値を入力して下さい。＞";

}  // namespace cfhx::start_texts
