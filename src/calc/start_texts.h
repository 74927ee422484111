// Texts of the start of a calculation: the construction refusals, the
// condensate-film notice and question, the confirmation box and the
// flow-arrangement headings.
#pragma once

#include <string_view>

#include "app/codes.h"

namespace cfhx::start_texts {

using std::string_view;

// The same in either language: echo tags, the replies compared with, masks
// and lines written in English from the start.

// Blanks before a refusal; the starred ones stand further left.
inline constexpr int kIndent = 5;
inline constexpr int kStarredIndent = 2;

// Tube-rows field while the rows are computed (processing No. 3 and 4): the
// mark the entry checks take for a value not given, in either language.
inline constexpr string_view kComputedRows = "   －";

struct StartTexts {
    // Construction refusals, in the order they are tested.
    string_view passesBothSides;
    string_view noFluidName;
    string_view noOuterDiameter;
    string_view noInnerDiameter;
    string_view noRowPitch;
    string_view noColumnPitch;
    string_view noFinsPerInch;
    string_view noFinHeight;
    string_view noFinThickness;
    string_view noArrangement;
    string_view noTubeConductivity;
    string_view noFinConductivity;
    string_view noTubeFouling;
    string_view noShellFouling;
    string_view noFlowPattern;
    string_view noTubePasses;
    string_view noShellPasses;
    string_view noTubeRows;
    string_view noTubeColumns;
    string_view noTapeThickness;
    string_view noTapePitch;

    // Condensate film thickness.
    string_view filmSetToZero;
    string_view filmGoOn;

    // The preliminary-data box: its text ends in two line breaks and two
    // full-width blanks.
    string_view confirmCaption;
    string_view confirmText;

    // Flow-arrangement headings for sFLOW "1", "2", "3".
    string_view headingCross;
    string_view headingParallel;
    string_view headingCounter;
};

inline constexpr StartTexts kStartJapanese{
    .passesBothSides = "管側１パス以上の場合、シェル側は１パス指定です。",
    .noFluidName = "物性名称未登録",
    .noOuterDiameter = "管外直径が未登録",
    .noInnerDiameter = "管内直径が未登録",
    .noRowPitch = "管縦方向ﾋﾟｯﾁの数値が未登録",
    .noColumnPitch = "管水平方向ﾋﾟｯﾁの数値が未登録",
    .noFinsPerInch = "ﾌｨﾝ山数/吋　が未登録",
    .noFinHeight = "ﾌｨﾝ高さが未登録",
    .noFinThickness = "ﾌｨﾝ肉厚が未登録",
    .noArrangement = "管配列（三角 or 四角）の数値が未登録",
    .noTubeConductivity = "管の熱伝導率が未登録",
    .noFinConductivity = "ﾌｨﾝの熱伝導率が未登録",
    .noTubeFouling = "管内側汚れ係数が未登録",
    .noShellFouling = "ｼｪﾙ側汚れ係数が未登録",
    .noFlowPattern = "直交流での流路ﾊﾟｽ形態（向流ﾊﾟｽ、並流ﾊﾟｽ）が未登録",
    .noTubePasses = "管内側流路ﾊﾟｽ数が未登録",
    .noShellPasses = "ｼｪﾙ側流路ﾊﾟｽ数が未登録",
    .noTubeRows = "★ 管段数を右欄『 伝熱管段数 』カラムに数値を入力してください。",
    .noTubeColumns = "★ 管列数を右のカラムに入力して下さい。",
    .noTapeThickness = "ﾂｲｽﾄﾃｰﾌﾟの肉厚が未登録",
    .noTapePitch = "ﾂｲｽﾄﾃｰﾌﾟのﾋﾟｯﾁ(節間長さ)が未登録",
    .filmSetToZero = "凝縮液膜厚さはゼロに設定されます。",
    .filmGoOn = "このまま進める  y/n",
    .confirmCaption = "　予備データーの登録確認",
    .confirmText = "予備ﾃﾞｰﾀｰ登録は　ＯＫ ？\n\n　　",
    .headingCross = "＜ 直交流型又は直交流型向流ﾊﾟｽ熱交換器の計算条件です＞",
    .headingParallel = "＜ ２ﾊﾟｽ以上の直交型並流ﾊﾟｽ熱交換器の計算条件です＞",
    .headingCounter = "＜ LMTD(向流) の計算条件です。LMTD 補正値を入力して下さい。＞",
};
extern const StartTexts kStartEnglish;  // calc/english_texts.cpp

inline const StartTexts& startTexts(Language language) {
    return language == Language::English ? kStartEnglish : kStartJapanese;
}

// Calls f(name, text) for every text of the table.
template <class F>
void forEachText(const StartTexts& t, F&& f) {
    f("passesBothSides", t.passesBothSides);
    f("noFluidName", t.noFluidName);
    f("noOuterDiameter", t.noOuterDiameter);
    f("noInnerDiameter", t.noInnerDiameter);
    f("noRowPitch", t.noRowPitch);
    f("noColumnPitch", t.noColumnPitch);
    f("noFinsPerInch", t.noFinsPerInch);
    f("noFinHeight", t.noFinHeight);
    f("noFinThickness", t.noFinThickness);
    f("noArrangement", t.noArrangement);
    f("noTubeConductivity", t.noTubeConductivity);
    f("noFinConductivity", t.noFinConductivity);
    f("noTubeFouling", t.noTubeFouling);
    f("noShellFouling", t.noShellFouling);
    f("noFlowPattern", t.noFlowPattern);
    f("noTubePasses", t.noTubePasses);
    f("noShellPasses", t.noShellPasses);
    f("noTubeRows", t.noTubeRows);
    f("noTubeColumns", t.noTubeColumns);
    f("noTapeThickness", t.noTapeThickness);
    f("noTapePitch", t.noTapePitch);
    f("filmSetToZero", t.filmSetToZero);
    f("filmGoOn", t.filmGoOn);
    f("confirmCaption", t.confirmCaption);
    f("confirmText", t.confirmText);
    f("headingCross", t.headingCross);
    f("headingParallel", t.headingParallel);
    f("headingCounter", t.headingCounter);
}

}  // namespace cfhx::start_texts
