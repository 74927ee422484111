// Texts of the rating iteration: trace headers and lines, phase markers,
// questions, limits and notices.
#pragma once

#include <string_view>

#include "app/codes.h"

namespace cfhx::calc::rating_texts {

using std::string_view;

// The same in either language: echo tags, the replies compared with, masks
// and lines written in English from the start.
inline constexpr string_view kPer100 = "/100";
inline constexpr string_view kTubeVelocityHeader = "  [#4. tube velocity m/s]";
inline constexpr string_view kShellVelocityHeader = "  [#5. shell velocity m/s ]";
inline constexpr string_view kRowsLengthHeader = "  [#6.vertical tube:NV,length:TL]";
inline constexpr string_view kOutletHeader = "  [#8. tube side outlet temp.]";
inline constexpr string_view kPer5000 = "/5000";
inline constexpr string_view kHumidRatio = "    TX/TY=##.#####  ";
inline constexpr string_view kHumidCounter = "    (LIM6=####/5000)";
inline constexpr string_view kPhase3Header = "   [#9. tube outlet temp. ]";
inline constexpr string_view kCorrectionHeader = "  [#10.correction factor of LMTD]";
inline constexpr string_view kMeanGivenTAM = "   TAM=###.##  TAMAV=###.##";
inline constexpr string_view kMeanGivenTGM = "   TGM=###.##  TGMAV=###.##";
inline constexpr string_view kMeanComputedTAM = "   TAM=###.##   TAMAV=###.##";
inline constexpr string_view kMeanComputedTGM = "   TGM=###.##   TGMAV=###.##";
inline constexpr string_view kTraceVW = "    VW  =##.####";
inline constexpr string_view kTraceU = "    U   =##.####";
inline constexpr string_view kTraceUVW = "    U/VW=##.####";
inline constexpr string_view kTraceUH = "    UH   =##.###";
inline constexpr string_view kTraceUM = "    UM   =##.###";
inline constexpr string_view kTraceUMUH = "    UM/UH=##.####";
inline constexpr string_view kTraceNVX = "    NVX    =####.###";
inline constexpr string_view kTraceNV = "    NV     =####.###";
inline constexpr string_view kTraceNVRatio = "    NV/NVX =##.#####";
inline constexpr string_view kTraceTL = "    TL     =###.####";
inline constexpr string_view kTraceTX = "    TX   =####.###";
inline constexpr string_view kTraceTY = "    TY   =####.###";
inline constexpr string_view kTraceTXTY = "    TX/TY=##.#####";
inline constexpr string_view kTraceTY2 = "    TY2  =###.##  T2X=###.##";
inline constexpr string_view kPhase3TX = "    TX   =###.###  T2X=###.###  TGMAV=###.##";
inline constexpr string_view kPhase3TY = "    TY   =###.###               TAMAV=###.##";
inline constexpr string_view kPhase3Ratio = "    TX/TY=###.###";
inline constexpr string_view kTraceNTUS = "   NTUS=###.###  T2X=###.###  FEEX=##.###";
inline constexpr string_view kTraceFF = "   FF  =#.###";
inline constexpr string_view kTraceFthe = "   Fthe=#.###";
inline constexpr string_view kTraceFRatio = "   F/Ftheo=##.####";
inline constexpr string_view kPhase1 = "   < phase 1 >";
inline constexpr string_view kPhase2 = "  < phase 2 > ";
inline constexpr string_view kPhase3 = "   < phase 3 >";
inline constexpr string_view kLeaveAnswer = "00";
inline constexpr string_view kShellFlowKindEcho = "VANS=";
inline constexpr string_view kCrossRule = "+";
// The column search's line: shell outlet, its aim, the columns.
inline constexpr string_view kAimTrace = " T4={}T44X={}NH={}";
// The condensing vapour's line: balance outlet, outlet, wall, tube coefficient.
inline constexpr string_view kVapourTrace = "   TB={}  T4={} TWRE={} HS={}";
inline constexpr string_view kBalanceQsQk = "        1. Qs/Qk=#.####";
inline constexpr string_view kBalanceQtQk = "        2. Qt/Qk=#.####";
inline constexpr string_view kBalanceQsQt = "        3. Qs/Qt=#.####";

struct RatingTexts {
    string_view meanGivenHeader;
    string_view meanComputedHeader;
    // The given shell outlet asks more duty than the tube stream can give
    // before it reaches the shell inlet.
    string_view tubeOutletPastShellInletHot;
    string_view tubeOutletPastShellInletCold;
    string_view outletLimit;
    string_view humidLimit;
    string_view flowBalance;
    string_view shellFlowSetQuestion;
    string_view shellFlowSetQuestionSi;
    string_view yesOrNo;
    string_view shellFlowKind;
    string_view shellFlowMass;
    string_view shellFlowKindSi;
    string_view shellFlowMassSi;
    string_view shellFlowRefused;
    string_view vsEchoSi;
    string_view wsEchoSi;
    string_view wsEcho;
    string_view humidTubeImpossible;
    string_view wallTemperature;
    string_view temperatureCross;
    string_view aimEcho;
    string_view aimEchoSi;
    string_view excessArea;
    string_view columnsMissing;
};

inline constexpr RatingTexts kRatingJapanese{
    .meanGivenHeader = " ［ #2. mean temp.ﾟc ］",
    .meanComputedHeader = " ［ #3. mean temp.ﾟc ］",
    .tubeOutletPastShellInletHot = "   @@@  計算不能のため終了します。[ Tto >= Tsi (温度交差) ]@@",
    .tubeOutletPastShellInletCold = "   @@@  計算不能のため終了します。[ Tto <= Tsi (温度交差) ]@@",
    .outletLimit = "   @@@  収束条件外のため終了します。仕様見直し要!@@",
    .humidLimit = "   @@@  収束条件外のため終了します。仕様見直し要! @@",
    .flowBalance = "  !! 流量ﾊﾞﾗﾝｽまたは伝熱面積の見直しが必要です",
    .shellFlowSetQuestion = "　⑯ . シェル側ガス流量 Vs(Nm3/h) SET ?      y/n  ",
    .shellFlowSetQuestionSi = "　⑰. シェル側ガス流量 Vs(Nm3/s) SET ?      y/n  ",
    .yesOrNo = " y or n ｦ ｼﾃｲ ｼﾃ ｸﾀﾞｻｲ",
    .shellFlowKind = "   ⑱ シェル側ガス流量 ---- 1) ノルマル流量 Vs(Nm3/h)",
    .shellFlowMass = "                      　    2) 重量流量 Ws(kg/h)      ",
    .shellFlowKindSi = "   ⑲ シェル側ガス流量 ---- 1) ノルマル流量 Vs(Nm3/s)",
    .shellFlowMassSi = "                      　     2) 重量流量 Ws(kg/s)      ",
    .shellFlowRefused = "     **** 1 or 2 を押して下さい",
    .vsEchoSi = "       21) → ノルマル流量 Vs(Nm3/s)=",
    .wsEchoSi = "       23) → 重量流量 Ws(kg/s)=",
    .wsEcho = "       22) → 重量流量 Ws(kg/h)=",
    .humidTubeImpossible = "    !! この条件設定での解は不適切な値になると判断しますので計算を停止します。　　   再設定して下さい。",
    .wallTemperature = "  Av.wall temperature(℃)=",
    .temperatureCross = "         温度効率が異常です。伝熱面積過大、またはシェル側流量が低すぎます。",
    .aimEcho = "       25) → シェル出側温度 Tso(℃)=",
    .aimEchoSi = "        26)→ シェル出側温度 Tso(K)=",
    .excessArea = "     ★ 伝熱面積が過剰の可能性あり。！！",
    .columnsMissing = "     <<  管列数を指定して下さい ! >>",
};
extern const RatingTexts kRatingEnglish;  // calc/english_texts.cpp

inline const RatingTexts& ratingTexts(Language language) {
    return language == Language::English ? kRatingEnglish : kRatingJapanese;
}

// Calls f(name, text) for every text of the table.
template <class F>
void forEachText(const RatingTexts& t, F&& f) {
    f("meanGivenHeader", t.meanGivenHeader);
    f("meanComputedHeader", t.meanComputedHeader);
    f("tubeOutletPastShellInletHot", t.tubeOutletPastShellInletHot);
    f("tubeOutletPastShellInletCold", t.tubeOutletPastShellInletCold);
    f("outletLimit", t.outletLimit);
    f("humidLimit", t.humidLimit);
    f("flowBalance", t.flowBalance);
    f("shellFlowSetQuestion", t.shellFlowSetQuestion);
    f("shellFlowSetQuestionSi", t.shellFlowSetQuestionSi);
    f("yesOrNo", t.yesOrNo);
    f("shellFlowKind", t.shellFlowKind);
    f("shellFlowMass", t.shellFlowMass);
    f("shellFlowKindSi", t.shellFlowKindSi);
    f("shellFlowMassSi", t.shellFlowMassSi);
    f("shellFlowRefused", t.shellFlowRefused);
    f("vsEchoSi", t.vsEchoSi);
    f("wsEchoSi", t.wsEchoSi);
    f("wsEcho", t.wsEcho);
    f("humidTubeImpossible", t.humidTubeImpossible);
    f("wallTemperature", t.wallTemperature);
    f("temperatureCross", t.temperatureCross);
    f("aimEcho", t.aimEcho);
    f("aimEchoSi", t.aimEchoSi);
    f("excessArea", t.excessArea);
    f("columnsMissing", t.columnsMissing);
}

}  // namespace cfhx::calc::rating_texts

// Texts of the condensing-side outlet iteration and its progress screen.
namespace cfhx::calc::condensing_texts {

using std::string_view;

// The same in either language: echo tags, the replies compared with, masks
// and lines written in English from the start.
inline constexpr string_view kLimitWarning = "WARNING";
inline constexpr string_view kLimitClosing = "CLOSING";
// The LIMIT counter in half passes, shown against 1500 as it always was.
inline constexpr string_view kLimitCounter = "[LIMIT####.#/1500 ]";
inline constexpr string_view kRatioHeader = "[#1. heat trans.incr.ratio ]";
inline constexpr string_view kKc = "Kc   =";
inline constexpr string_view kKx = "Kx   =";
inline constexpr string_view kKcKx = "Kc/Kx=#.#####";
inline constexpr string_view kExchanged = "[Exchanged as heat]";
inline constexpr string_view kQG = "QG   =";
inline constexpr string_view kQK = "QK   =";
inline constexpr string_view kQGQK = "QG/QK=##.###";
inline constexpr string_view kOutletTitle = "[ Condensation side outlet temp.]";
inline constexpr string_view kTZ3Ratio = "TZ3/TZ3X=#.####";
inline constexpr string_view kDensityTitle = "[ Normal density D(kg/m3) ]";
inline constexpr string_view kShellDensity = "Shell side Dt=";
inline constexpr string_view kTubeDensity = "Tube side  Ds=";

struct CondensingTexts {
    // An outlet that cannot be right: check the input.
    string_view implausible1;
    string_view implausible2;
    string_view boxTop;
    string_view boxTitle;
    string_view boxBottom;
    string_view rule;
    string_view tz3;
    string_view tz3x;
};

inline constexpr CondensingTexts kCondensingJapanese{
    .implausible1 = "//// WARNIG !! ////",
    .implausible2 = "//// MUST BE CHECK INPUT CONDITIONS ////",
    .boxTop = "┌────────────┐",
    .boxTitle = "│ calc. of condensation  │",
    .boxBottom = "└────────────┘",
    .rule = "───────────────",
    .tz3 = "TZ3 (ﾟC)=",
    .tz3x = "TZ3X(ﾟC)=",
};
extern const CondensingTexts kCondensingEnglish;  // calc/english_texts.cpp

inline const CondensingTexts& condensingTexts(Language language) {
    return language == Language::English ? kCondensingEnglish : kCondensingJapanese;
}

// Calls f(name, text) for every text of the table.
template <class F>
void forEachText(const CondensingTexts& t, F&& f) {
    f("implausible1", t.implausible1);
    f("implausible2", t.implausible2);
    f("boxTop", t.boxTop);
    f("boxTitle", t.boxTitle);
    f("boxBottom", t.boxBottom);
    f("rule", t.rule);
    f("tz3", t.tz3);
    f("tz3x", t.tz3x);
}

}  // namespace cfhx::calc::condensing_texts
