// Texts of the menu that follows a result table, of its print menu and of
// the prompts after the wet-gas table and the heat-balance check, for each
// display mode.
#pragma once

#include <string_view>

#include "app/codes.h"

namespace cfhx::report::menu_texts {

using std::string_view;

struct MenuTexts {
    string_view oneLine;           // the sensible case's menu, one line
    string_view latentLine;        // the latent case's first line (choice 0 offered)
    string_view latentPrompt;      // ... and its prompt line
    string_view printLine;         // the print menu: first line
    string_view printPrompt;       // ... and its prompt line
    string_view wetPrompt;         // after the wet-gas table: return or end
    string_view wetEnd;            // ... and the end question
    string_view checkPrompt;       // after the heat-balance check: return or end
    string_view checkEnd;          // ... and the end question
};

inline constexpr MenuTexts kJ{
    .oneLine = "  1.印刷, 2.(旧→SI), 3.(和→英), 4.再計算, 5.終了/ﾁｪｯｸ  ",
    .latentLine = "  【0】飽和湿り特性,【1】印  刷, 【2】旧単位→SI",
    .latentPrompt = "  【3】(和→英),    【4】再計算, 【5】終了/ﾁｪｯｸ ",
    .printLine = "  {1｝詳細ﾃﾞｰﾀﾌﾟﾘﾝﾄｱｳﾄ, {2｝計算表ﾊｰﾄﾞｺﾋﾟｰ",
    .printPrompt = " ｛3｝模式図ﾊｰﾄﾞｺﾋﾟｰ,   {4} 戻る          ",
    .wetPrompt = "  【1】戻る、【2】終わる ",
    .wetEnd = "  終了します　OK ?  y/n ",
    .checkPrompt = "  【1】戻る、【2】終わる  ",
    .checkEnd = "  終了します　OK ? y/n ",
};

inline constexpr MenuTexts kJsi{
    .oneLine = "  1.印刷, 2.(SI→旧), 3.(和→英), 4.再計算, 5.終了/ﾁｪｯｸ  ",
    .latentLine = " 【0】飽和湿り特性,【1】印刷,  【2】(SI→旧単位)",
    .latentPrompt = " 【3】(和文→英文),【4】再計算,【5】終了/ﾁｪｯｸ  ",
    .printLine = " ｛1｝詳細ﾃﾞｰﾀﾌﾟﾘﾝﾄｱｳﾄ, {2｝画面一覧表ﾊｰﾄﾞｺﾋﾟｰ",
    .printPrompt = " ｛3｝模式図ﾊｰﾄﾞｺﾋﾟｰ,   {4} 戻る             ",
    .wetPrompt = "  【1】戻る、【2】終わる ",
    .wetEnd = "  終了します　OK ?  y/n ",
    .checkPrompt = "  【1】戻る、【2】終わる ",
    .checkEnd = " 終了します OK ? y/n ",
};

inline constexpr MenuTexts kE{
    .oneLine = " 1.Print, 2.(Orig.→SI), 3.(ENG→JA), 4.Re-calc、5.Fin./check ",
    .latentLine = " 【0】Wet properties、【1】Print、   【2】(Orig.→SI)",
    .latentPrompt = " 【3】(ENG→JA)、     【4】RE-calc.、【5】FIN./check ",
    .printLine = "  {1} detals print out,  {2]Table hard copyinp",
    .printPrompt = "  {3｝drawing hard copy, {4} return          ",
    .wetPrompt = "  【1】return、【2】End",
    .wetEnd = "  End of the work　OK?  y/n",
    .checkPrompt = "  【1】return、【2】End ",
    .checkEnd = "  End of the work OK?  y/n ",
};

inline constexpr MenuTexts kEsi{
    .oneLine = "  1.Print, 2.(SI→Orig.), 3.(ENG→JA), 4.Re-calc, 5.Fin./check ",
    .latentLine = " 【0】Wet properties、【1】Print、   【2】(SI→Orig.)",
    .latentPrompt = " 【3】(ENG→JA)、     【4】RE-calc.、【5】FIN./check  ",
    .printLine = " ｛1｝detals print out,  {2｝Table hard copy",
    .printPrompt = " ｛3｝drawing hard copy, {4} return        ",
    .wetPrompt = "  【1】return、【2】End",
    .wetEnd = "  End of the work　OK?  y/n",
    .checkPrompt = "  【1】return、【2】End ",
    .checkEnd = " End of the work OK ? y/n ",
};

// Print choice {1}: the print confirmation of the Japanese modes (make sure
// the PC prints to PDF; several prints of one session go after the first
// file name), of mode "E" and of mode "ESI".
struct PdfNoteTexts {
    string_view note1;
    string_view note2;
    string_view question;
};
inline constexpr PdfNoteTexts kPdfNoteJapanese{
    .note1 = " 　注）PCがpdfへの印刷になっていることを確認下さい｡ ",
    .note2 = "  　   本ｿﾌﾄを立ち上げた状態での複数印刷は",
    .question = "       最初のファイル名に続けて格納されます。y/n ",
};
extern const PdfNoteTexts kPdfNoteEnglish;  // report/english_texts.cpp
inline const PdfNoteTexts& pdfNoteTexts(Language language) {
    return language == Language::English ? kPdfNoteEnglish : kPdfNoteJapanese;
}
inline constexpr string_view kPrinterQuestionE = "   ★　is using printer Windows   y/n";
inline constexpr string_view kPrinterQuestionEsi = "   ★　This program must be shut down if dose not start printer y/n";

// Answers acted on; anything else asks again (compared as text).
inline constexpr string_view kWetGas = "0", kPrint = "1", kSwitchUnits = "2", kSwitchLanguage = "3",
                             kRecalculate = "4", kFinish = "5";
inline constexpr string_view kSheet = "1", kTableCopy = "2", kDrawingCopy = "3", kBack = "4";
inline constexpr string_view kReturn = "1", kEnd = "2";
inline constexpr string_view kYes = "y", kNo = "n";

}  // namespace cfhx::report::menu_texts
