// Texts of the rating iteration: trace headers and lines, phase markers,
// questions, limits and notices.
#pragma once

#include <string_view>

namespace cfhx::calc::rating_texts {

using std::string_view;

inline constexpr string_view kPer100 = "/100";
inline constexpr string_view kMeanGivenHeader = " ［ #2. mean temp.ﾟc ］";
inline constexpr string_view kNoConvergence = "   @@@  収束不可のため終了します。@@";
inline constexpr string_view kMeanComputedHeader = " ［ #3. mean temp.ﾟc ］";
// The given shell outlet asks more duty than the tube stream can give
// before it reaches the shell inlet.
inline constexpr string_view kTubeOutletPastShellInletHot = "   @@@  計算不能のため終了します。[ Tto >= Tsi (温度交差) ]@@";
inline constexpr string_view kTubeOutletPastShellInletCold = "   @@@  計算不能のため終了します。[ Tto <= Tsi (温度交差) ]@@";
inline constexpr string_view kTubeVelocityHeader = "  [#4. tube velocity m/s]";
inline constexpr string_view kShellVelocityHeader = "  [#5. shell velocity m/s ]";
inline constexpr string_view kRowsLengthHeader = "  [#6.vertical tube:NV,length:TL]";
inline constexpr string_view kOutletHeader = "  [#8. tube side outlet temp.]";
inline constexpr string_view kPer5000 = "/5000";
inline constexpr string_view kOutletLimit = "   @@@  収束条件外のため終了します。仕様見直し要!@@";
inline constexpr string_view kHumidRatio = "    TX/TY=##.#####  ";
inline constexpr string_view kHumidCounter = "    (LIM6=####/5000)";
inline constexpr string_view kHumidLimit = "   @@@  収束条件外のため終了します。仕様見直し要! @@";
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
inline constexpr string_view kFlowBalance = "  !! 流量ﾊﾞﾗﾝｽまたは伝熱面積の見直しが必要です";
inline constexpr string_view kShellFlowSetQuestion = "　⑯ . シェル側ガス流量 Vs(Nm3/h) SET ?      y/n  ";
inline constexpr string_view kShellFlowSetQuestionSi = "　⑰. シェル側ガス流量 Vs(Nm3/s) SET ?      y/n  ";
inline constexpr string_view kLeaveAnswer = "00";
inline constexpr string_view kYesOrNo = " y or n ｦ ｼﾃｲ ｼﾃ ｸﾀﾞｻｲ";
inline constexpr string_view kShellFlowKind = "   ⑱ シェル側ガス流量 ---- 1) ノルマル流量 Vs(Nm3/h)";
inline constexpr string_view kShellFlowMass = "                      　    2) 重量流量 Ws(kg/h)      ";
inline constexpr string_view kShellFlowKindSi = "   ⑲ シェル側ガス流量 ---- 1) ノルマル流量 Vs(Nm3/s)";
inline constexpr string_view kShellFlowMassSi = "                      　     2) 重量流量 Ws(kg/s)      ";
inline constexpr string_view kShellFlowKindEcho = "VANS=";
inline constexpr string_view kShellFlowRefused = "     **** 1 or 2 を押して下さい";
inline constexpr string_view kVsEchoSi = "       21) → ノルマル流量 Vs(Nm3/s)=";
inline constexpr string_view kWsEchoSi = "       23) → 重量流量 Ws(kg/s)=";
inline constexpr string_view kWsEcho = "       22) → 重量流量 Ws(kg/h)=";
inline constexpr string_view kHumidTubeImpossible = "    !! この条件設定での解は不適切な値になると判断しますので計算を停止します。　　   再設定して下さい。";
inline constexpr string_view kWallTemperature = "  Av.wall temperature(℃)=";
inline constexpr string_view kTemperatureCross = "         温度効率が異常です。伝熱面積過大、またはシェル側流量が低すぎます。";
inline constexpr string_view kCrossRule = "+";
inline constexpr string_view kAimEcho = "       25) → シェル出側温度 Tso(℃)=";
inline constexpr string_view kAimEchoSi = "        26)→ シェル出側温度 Tso(K)=";
// The column search's line: shell outlet, its aim, the columns.
inline constexpr string_view kAimTrace = " T4={}T44X={}NH={}";
// The condensing vapour's line: balance outlet, outlet, wall, tube coefficient.
inline constexpr string_view kVapourTrace = "   TB={}  T4={} TWRE={} HS={}";
inline constexpr string_view kExcessArea = "     ★ 伝熱面積が過剰の可能性あり。！！";
inline constexpr string_view kBalanceQsQk = "        1. Qs/Qk=#.####";
inline constexpr string_view kBalanceQtQk = "        2. Qt/Qk=#.####";
inline constexpr string_view kBalanceQsQt = "        3. Qs/Qt=#.####";
inline constexpr string_view kColumnsMissing = "     <<  管列数を指定して下さい ! >>";

}  // namespace cfhx::calc::rating_texts

// Texts of the condensing-side outlet iteration and its progress screen.
namespace cfhx::calc::condensing_texts {

using std::string_view;

inline constexpr string_view kLimitWarning = "WARNING";
inline constexpr string_view kLimitClosing = "CLOSING";
inline constexpr string_view kImplausible1 = "//// WARNIG !! ////";
inline constexpr string_view kImplausible2 = "//// MUST BE CHECK INPUT CONDITIONS ////";
// The LIMIT counter in half passes, shown against 1500 as it always was.
inline constexpr string_view kLimitCounter = "[LIMIT####.#/1500 ]";
inline constexpr string_view kRatioHeader = "[#1. heat trans.incr.ratio ]";
inline constexpr string_view kKc = "Kc   =";
inline constexpr string_view kKx = "Kx   =";
inline constexpr string_view kKcKx = "Kc/Kx=#.#####";
inline constexpr string_view kBoxTop = "┌────────────┐";
inline constexpr string_view kBoxTitle = "│ calc. of condensation  │";
inline constexpr string_view kBoxBottom = "└────────────┘";
inline constexpr string_view kExchanged = "[Exchanged as heat]";
inline constexpr string_view kQG = "QG   =";
inline constexpr string_view kQK = "QK   =";
inline constexpr string_view kQGQK = "QG/QK=##.###";
inline constexpr string_view kRule = "───────────────";
inline constexpr string_view kOutletTitle = "[ Condensation side outlet temp.]";
inline constexpr string_view kTZ3 = "TZ3 (ﾟC)=";
inline constexpr string_view kTZ3X = "TZ3X(ﾟC)=";
inline constexpr string_view kTZ3Ratio = "TZ3/TZ3X=#.####";
inline constexpr string_view kDensityTitle = "[ Normal density D(kg/m3) ]";
inline constexpr string_view kShellDensity = "Shell side Dt=";
inline constexpr string_view kTubeDensity = "Tube side  Ds=";

}  // namespace cfhx::calc::condensing_texts
