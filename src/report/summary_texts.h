// Texts of the result summary screen FORM2: the SI unit captions, the
// English row captions and the messages that refuse a result.
#pragma once

#include <string_view>

#include "app/codes.h"

namespace cfhx::report::summary_texts {

using std::string_view;

// A text for one control of FORM2.
struct Caption {
    string_view control;
    string_view text;
};

// SI: the unit column, then the temperature and flow units of the stream boxes.
inline constexpr Caption kSiUnits[] = {
    {.control = "EDIT78", .text = "      Pa"},
    {.control = "EDIT79", .text = "      %"},
    {.control = "EDIT80", .text = "      W"},
    {.control = "EDIT81", .text = "    W/m2K"},
    {.control = "EDIT82", .text = "      K"},
    {.control = "EDIT83", .text = "      m2 "},
    {.control = "EDIT84", .text = "    W/m2K "},
    {.control = "EDIT85", .text = "     (-) "},
    {.control = "EDIT86", .text = "     (-)"},
    {.control = "TEXT66", .text = " K"},
    {.control = "TEXT68", .text = " K"},
    {.control = "TEXT70", .text = " K"},
    {.control = "TEXT72", .text = " K"},
    {.control = "TEXT67", .text = " g/s"},
    {.control = "TEXT69", .text = " g/s"},
    {.control = "TEXT71", .text = " g/s"},
    {.control = "TEXT73", .text = " g/s"},
    {.control = "TEXT74", .text = " g/s"},
    {.control = "TEXT75", .text = " g/s"},
};

// English row and column captions (modes "E" and "ESI").
inline constexpr Caption kEnglishCaptions[] = {
    {.control = "EDIT69", .text = " Pressure drop"},
    {.control = "EDIT70", .text = " Thermal efficiency"},
    {.control = "EDIT71", .text = " Exchanged as heat"},
    {.control = "EDIT72", .text = " Over-all heat trans. coeffi."},
    {.control = "EDIT73", .text = " Log mean temp. diff.(LMTD)"},
    {.control = "EDIT74", .text = " Saface area of the tubes "},
    {.control = "EDIT75", .text = " Heat transfer coefficient"},
    {.control = "EDIT76", .text = " Whole tubes number "},
    {.control = "EDIT77", .text = " Fluid pass number"},
    {.control = "EDIT95", .text = " Condensate "},
    {.control = "EDIT94", .text = " Condensate"},
    {.control = "EDIT65", .text = "              Items"},
    {.control = "EDIT66", .text = " Tube side"},
    {.control = "EDIT67", .text = " Shell side"},
    {.control = "EDIT68", .text = "         Unit"},
};

// Condensate larger than the tube inflow; a negative outlet flow. SI fill,
// then old-unit fill.
struct SummaryTexts {
    string_view tooLargeSi;
    string_view tooLarge;
    string_view inletShortSi;
    string_view inletShort;
};

inline constexpr SummaryTexts kSummaryJapanese{
    .tooLargeSi = "     ★ 伝熱面積が過剰です。！！",
    .tooLarge = "     ★ 管内流量不足又は伝熱面積が過剰です。！！",
    .inletShortSi = "     ★ 入側蒸気量が不足してます。！！",
    .inletShort = "     ★ 入側蒸気量が不足です。！！",
};
extern const SummaryTexts kSummaryEnglish;  // report/english_texts.cpp
inline const SummaryTexts& summaryTexts(Language language) {
    return language == Language::English ? kSummaryEnglish : kSummaryJapanese;
}

}  // namespace cfhx::report::summary_texts
