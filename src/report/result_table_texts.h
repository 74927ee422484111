// Texts of the result presentation in the text pane: the premise block of
// each display mode, the main screen's composition/property panel of the
// Japanese modes, and the four result tables as data (rows in printing
// order, each with its condition and quantities).
#pragma once

#include <string_view>

#include "report/result_rows.h"

namespace cfhx::report {

using std::string_view;

// ---- Premise block -----------------------------------------------------------

// Labels of one language.
struct Labels {
    string_view patternOnePass, patternCounter, patternParallel;
    string_view surfaceRadial, surfacePlate, surfaceBare;
    string_view typedIn;  // the fluid of a typed-in side
};

inline constexpr Labels kEnglishLabels{
    .patternOnePass = "both 1 pass cross flow",
    .patternCounter = "n pass cross counter flow",
    .patternParallel = "cross and parallel flow",
    .surfaceRadial = "Radial Fin",
    .surfacePlate = "Plate Fin",
    .surfaceBare = "bare tube",
    .typedIn = "user's option",
};
inline constexpr Labels kJapaneseLabels{
    .patternOnePass = "両流体 1 ﾊﾟｽ直交流",
    .patternCounter = "複数ﾊﾟｽ直交型向流",
    .patternParallel = "直交型並流",
    .surfaceRadial = "ラジアルフィン",
    .surfacePlate = "プレートフィン",
    .surfaceBare = "平滑管",
    .typedIn = "任意選択",
};

// The premise block of one display mode.
struct Premise {
    const Labels* labels = nullptr;
    int blankLines = 0;       // after the clear
    int titleBlankLines = 0;  // before the title line
    string_view title{};  // the date and ")" follow
    string_view heading{};  // English only
    string_view styleLead{};
    string_view styleShellLatent{}, styleTubeLatent{}, styleVapour{}, styleSensible{};
    string_view propertyMeans{};  // shell, tube property temperatures
    string_view fluidMeans{};     // shell, tube mean temperatures
    string_view typedInShell{}, typedInTube{};
    string_view shellComposition{}, tubeComposition{};  // CO2, N2, O2, H2O in %
    string_view tubeWater{};
    // Surface and pattern: lead + surface + patternLead + pattern + patternEnd,
    // the pattern on a line of its own when patternOwnLine.
    string_view surfaceLead{}, patternLead{}, patternEnd{};
    bool patternOwnLine = false;
    bool panel = false;  // fills the main screen's composition/property panel
};

inline constexpr string_view kTitleEnd = ")";

inline constexpr Premise kPremiseJ{
    .labels = &kJapaneseLabels,
    .blankLines = 4,
    .titleBlankLines = 0,
    .title = "          << 直交流型熱交換器計算シート>>     日付(",
    .styleLead = " * 熱交換スタイル :",
    .styleShellLatent = " シェル側潜熱計算、チューブ側顕熱計算 ",
    .styleTubeLatent = " チューブ側潜熱計算､シェル側顕熱計算",
    .styleVapour = " チューブ側潜熱計算､シェル側顕熱計算",
    .styleSensible = " 両流体共顕熱計算 ",
    .propertyMeans = " * 物性代表温度 (Shell:###.#ﾟC  Tube:###.#ﾟC)",
    .fluidMeans = " * 流体平均温度 (Shell:###.#ﾟC  Tube:###.#ﾟC)",
    .typedInShell = " * 流体成分 ------- ｼｪﾙ側  :",
    .typedInTube = "             　     管内側 :",
    .shellComposition = " * シェル側流体成分 :(CO2=##.## N2=##.## O2=##.## H2O=##.## [%]) ",
    .tubeComposition = " * 管内側流体成分 :(CO2=##.## N2=##.## O2=##.## H2O=##.## [%]) ",
    .tubeWater = " * 管内側流体 :WATER",
    .surfaceLead = " * 管外面形状 :",
    .patternLead = "、    * フローパターン：",
    .panel = true,
};

inline constexpr Premise kPremiseJsi{
    .labels = &kJapaneseLabels,
    .blankLines = 2,
    .titleBlankLines = 2,
    .title = "          << 直交流型熱交換器計算シート >>   日付(",
    .styleLead = " * 熱交換スタイル :",
    .styleShellLatent = " シェル側潜熱計算、チューブ側顕熱計算 ",
    .styleTubeLatent = " チューブ側潜熱計算､シェル側顕熱計算",
    .styleVapour = " チューブ側潜熱計算､シェル側顕熱計算",
    .styleSensible = " 両流体共顕熱計算 ",
    .propertyMeans = " * 物性代表温度 (Shell:###.#K  Tube:###.#K)",
    .fluidMeans = " * 流体平均温度 (Shell:###.#K  Tube:###.#K)",
    .typedInShell = " * 流体成分 ------- ｼｪﾙ側  :",
    .typedInTube = "             　     管内側 :",
    .shellComposition = " * シェル側流体成分 :(CO2=##.## N2=##.## O2=##.## H2O=##.## [%]) ",
    .tubeComposition = " * 管内側流体成分 :(CO2=##.## N2=##.## O2=##.## H2O=##.## [%]) ",
    .tubeWater = " * 管内側流体 :WATER",
    .surfaceLead = " * 管外面形状 ･･",
    .patternLead = "  * < フローパターン..",
    .patternEnd = ">",
    .panel = true,
};

inline constexpr Premise kPremiseE{
    .labels = &kEnglishLabels,
    .blankLines = 2,
    .titleBlankLines = 0,
    .title = "           << CROSFLOW HEAT EXCHANGER >>       DATE(",
    .heading = "  [premise]",
    .styleLead = " * Style:",
    .styleShellLatent = " Shell side sat.humidity, tube side sensible",
    .styleTubeLatent = " Tube side sat.humidity, shell side sensible",
    .styleVapour = " Tube side Latent heat, shell side sensible heat",
    .styleSensible = " Sensible heat exchange for each materials ",
    .propertyMeans = " * Mean temp. of physi. properties (Shell:###.#ﾟC  Tube:###.#ﾟC) ",
    .fluidMeans = " * Mean temp. of fluid av.temp.(Shell:###.#ﾟC  Tube:###.#ﾟC)",
    .typedInShell = " * Fluid components ------- Shell :",
    .typedInTube = "                             Tube  :",
    .shellComposition = " * Shell:Gas comp. :(CO2=##.## N2=##.## O2=##.## H2O=##.## [%])",
    .tubeComposition = " * Tube:fluid comp. :(CO2=##.## N2=##.## O2=##.## H2O=##.## [%])",
    .tubeWater = " * Tube side fluid material :WATER",
    .surfaceLead = " * Outside surface --",
    .patternLead = " * Flow pattern",
    .patternOwnLine = true,
};

inline constexpr Premise kPremiseEsi{
    .labels = &kEnglishLabels,
    .blankLines = 3,
    .titleBlankLines = 0,
    .title = "           << CROSFLOW HEAT EXCHANGER >>        DATE(",
    .heading = "  [premise]",
    .styleLead = " * Style：",
    .styleShellLatent = " Shell side condensation, tube side sensible",
    .styleTubeLatent = " Tube side condensation, shell side sensible",
    .styleVapour = " Tube side condensation, shell side sensible",
    .styleSensible = " Sensible heat exchange for each materials ",
    .propertyMeans = " * Mean temp. of physi. properties (Shell:###.#K  Tube:###.#K) ",
    .fluidMeans = " * Mean temp. of fluid av.temp.(Shell:###.#K  Tube:###.#K)",
    .typedInShell = " * Fluid components ------- Shell :",
    .typedInTube = "                             Tube  :",
    .shellComposition = " * Shell:Gas comp. :(CO2=##.## N2=##.## O2=##.## H2O=##.## [%])",
    .tubeComposition = " * Tube:fluid comp. :(CO2=##.## N2=##.## O2=##.## H2O=##.## [%])",
    .tubeWater = " * Tube side fluid material :WATER",
    .surfaceLead = " * Outside surface：",
    .patternLead = "、   * flow pattern：",
};

// ---- Composition/property panel of the main screen (Japanese modes) ----------

namespace panel {
inline constexpr string_view kHeading = " 　流体成分[％(V/V)]";
inline constexpr string_view kN2 = "        N2ガス";
inline constexpr string_view kO2 = "  　　　O2ガス";
inline constexpr string_view kCO2 = " 　　　 CO2ガス";
inline constexpr string_view kH2O = "  　　　HO2ガス";
inline constexpr string_view kTube = "  　 管内側";
inline constexpr string_view kShell = "  　シェル側";
inline constexpr string_view kDash = "―";  // a water or typed-in side's cells
inline constexpr string_view kWater = "      水(100％)";
inline constexpr string_view kTypedIn = "  　　任意流体 ";
inline constexpr string_view kOther = "  　　　その他";
inline constexpr string_view kOtherTypedIn = "   　ﾏﾆｭｱﾙ入力値";
inline constexpr string_view kProperties = "  物性値";
// SI, then old units (mode "J"); the density caption is the same in both.
inline constexpr string_view kSpecificHeatSi = " 比熱(kJ/kgK)";
inline constexpr string_view kConductivitySi = " 熱伝導率(W/mK)";
inline constexpr string_view kViscositySi = " 動粘性係数(m2/s)";
inline constexpr string_view kDensity = " 密度(kg/m3)";
inline constexpr string_view kSpecificHeat = " 比熱(kcal/kg℃)";
inline constexpr string_view kConductivity = " 熱伝導率(kcal/mh℃)";
inline constexpr string_view kViscosity = " 動粘性係数(m2/h)";
}  // namespace panel

// ---- Result tables ----------------------------------------------------------

// Mode "J".
inline constexpr Row kTableJ[] = {
    {.format = "  ┌─┬──────────┬─────┬─────┬─────┐"},
    {.format = "  │No│     項    目       │  単 位   │  管内側  │ シェル側 │"},
    {.format = "  ├─┼──────────┼─────┼─────┼─────┤ "},
    {.format = "  │1 │交換熱量　　　　　  │ kcal/h   │       Q=#######.#    │",
     .when = When::Latent, .values = {Value::Qk}},
    {.format = "  │2 │流体入側温度　　    │    ℃    │Tti=###.# │Tsi=###.# │",
     .when = When::Latent, .values = {Value::Tti, Value::Tsi}},
    {.format = "  │3 │流体出側温度　　　  │    ℃    │Tto=###.# │Tso=###.# │",
     .when = When::Latent, .values = {Value::Tto, Value::Tso}},
    {.format = "  │1 │交換熱量　　　　    │ kcal/h   │     Q=#######.#      │",
     .when = When::SensibleBranch, .values = {Value::Q2}},
    {.format = "  │1 │交換熱量　　　　    │ kcal/h   │     Q=#######.#      │",
     .when = When::SensibleRating, .values = {Value::Q}},
    {.format = "  │2 │流体入側温度　　    │    ℃    │Tti=###.# │Tsi=###.# │",
     .when = When::Sensible, .values = {Value::Tti, Value::Tsi}},
    {.format = "  │3 │流体出側温度　 　   │    ℃    │Tto=###.# │Tso=###.# │",
     .when = When::Sensible, .values = {Value::TtoShown, Value::TsoShown}},
    {.format = "  │4 │流体物性平均温度　  │    ℃    │Tiav=###.#│Tsav=###.#│",
     .when = When::PropertiesComputed, .values = {Value::TGMAV, Value::TAMAV}},
    {.format = "  │5 │出入り側流体平均温度│    ℃    │Ttm =###.#│Tsm =###.#│",
     .values = {Value::TGM, Value::TAM}},
    {.format = "  │6 │伝熱管 管壁温度　　 │    ℃    │     Twav=###.#       │",
     .when = When::TubeWallKnown, .values = {Value::Twav}},
    {.format = "  │8 │対数平均温度差　　　│    ℃    │LMTD=###.#(rev ###.#) │",
     .values = {Value::LMTD, Value::LMTDrev}},
    {.format = "  │9 │温度効率　　　　　  │    －    │Et =#.### │ES =#.### │",
     .values = {Value::Et, Value::Es}},
    {.format = "  │10│熱伝達率　　　　　　│kcal/m2hﾟc│Ht=#####.#│Hs=####.# │",
     .values = {Value::Ht, Value::Hs}},
    {.format = "  │12│流体重量流量　　　　│   kg/h   │Wt=###### │Ws=###### │",
     .when = When::TubeTypedInGas, .values = {Value::Wt, Value::Ws}},
    {.format = "  │11│流体ﾉﾙﾏﾙ流量　      │   Nm3/h  │Vt=###### │Vs=###### │",
     .when = When::TubeGas, .values = {Value::VtNormal, Value::VsNormal}},
    {.format = "  │12│流体重量流量　　　　│   kg/h   │Wt=###### │Ws=###### │",
     .when = When::TubeGas, .values = {Value::VtDtN, Value::VsaDs}},
    {.format = "  │11│流体流量　　        │m3/h,Nm3/h│Vt=###### │Vs=###### │",
     .when = When::WaterLatent, .values = {Value::Vt, Value::VsNormal}},
    {.format = "  │12│流体重量流量　　　　│   kg/h   │Wt=###### │Ws=###### │",
     .when = When::WaterLatent, .values = {Value::VtDt, Value::VsaDs}},
    {.format = "  │11│流体流量　　        │m3/h,Nm3/h│Vt=###### │Vs=###### │",
     .when = When::WaterSensible, .values = {Value::Vt, Value::VsNormal}},
    {.format = "  │12│流体重量流量　　　　│   kg/h   │Wt=###### │Ws=###### │",
     .when = When::WaterSensible, .values = {Value::WttKg, Value::VsaDs}},
    {.format = "  │13│ﾌｨﾝ効率　　　       │    －    │          │FE=#.###  │",
     .values = {Value::Fe}},
    {.format = "  │14│ﾉﾙﾏﾙ流体密度　      │  kg/Nm3  │DtN=#.### │DaN=#.### │",
     .when = When::TubeNotTypedIn, .values = {Value::DtN, Value::DsN}},
    {.format = "  │15│熱通過率　　　　　　│kcal/m2hﾟc│KI=####.##│KO=####.##│",
     .values = {Value::KI, Value::KO}},
    {.format = "  │16│流体通過最大速度　　│   m/s    │Ut=###.###│Us=###.## │",
     .values = {Value::VW, Value::UM}},
    {.format = "  │17│実体伝熱面積　　　　│   m2     │Ai=####.# │Ao=#####.#│",
     .values = {Value::Ai, Value::Ao}},
    {.format = "  │19│伝熱管本数　　　　  │    －    │      NT=#####.#      │",
     .values = {Value::Nt}},
    {.format = "  │20│垂直方向伝熱管段数　│    －    │      Nv=###.#        │",
     .values = {Value::NV}},
    {.format = "  │21│水平方向伝熱管列数　│    －    │      Nh=###.#        │",
     .values = {Value::Nh}},
    {.format = "  │22│蒸発量　　　　  　　│   kg/h   │Wt=####.##│    －    │",
     .when = When::Evaporation, .values = {Value::Wtc}},
    {.format = "  │22│凝縮量　　　　　　　│   kg/h   │Wt=####.##│    －    │",
     .when = When::Condensation, .values = {Value::Wtc}},
    {.format = "  │22│凝縮量　　　　　　　│   kg/h   │Wt=####.##│Ws=####.##│",
     .when = When::OtherPhase, .values = {Value::Wtc, Value::Wo}},
    {.format = "  │23│熱交換器概略寸法　　│    m     │H=#.## W=#.##  TL=#.##│",
     .values = {Value::H, Value::W, Value::TL}},
    {.format = "  │24│圧力損失　　　     │kg/cm2,mmAq│PDt=##.###│PDs=####.#│",
     .when = When::Water, .values = {Value::PtLiquid, Value::PsGas}},
    {.format = "  │24│圧力損失　　　      │   mmAq   │PDt=####.#│PDs=####.#│",
     .when = When::NotWater, .values = {Value::PtGas, Value::PsGas}},
    {.format = "  └─┴──────────┴─────┴─────┴─────┘"},
};

// Mode "JSI".
inline constexpr Row kTableJsi[] = {
    {.format = "  ┌─┬──────────┬─────┬─────┬─────┐"},
    {.format = "  │No│  　　項　目        │  単位    │　管内側  │　ｼｪﾙ側　 │"},
    {.format = "  ├─┼──────────┼─────┼─────┼─────┤ "},
    {.format = "  │1 │交換熱量　　　　    │    W     │       Q=#######.#    │",
     .when = When::Latent, .values = {Value::Qk}},
    {.format = "  │2 │入側流体温度  　    │    K     │Tti=###.# │Tsi=###.# │",
     .when = When::Latent, .values = {Value::Tti, Value::Tsi}},
    {.format = "  │3 │出側流体温度        │    K     │Tto=###.# │Tso=###.# │",
     .when = When::Latent, .values = {Value::Tto, Value::Tso}},
    {.format = "  │1 │交換熱量            │    W     │     Q=#######.#      │",
     .when = When::SensibleBranch, .values = {Value::Q2}},
    {.format = "  │1 │交換熱量            │    W     │     Q=#######.#      │",
     .when = When::SensibleRating, .values = {Value::Q}},
    {.format = "  │2 │入側流体温度        │    K     │Tti=###.# │Tsi=###.# │",
     .when = When::Sensible, .values = {Value::Tti, Value::Tsi}},
    {.format = "  │3 │出側流体温度        │    K     │Tto=###.# │Tso=###.# │",
     .when = When::Sensible, .values = {Value::TtoShown, Value::TsoShown}},
    {.format = "  │4 │物性代表温度　　    │    K     │Ttav=###.#│Tsav=###.#│",
     .when = When::PropertiesComputed, .values = {Value::TGMAV, Value::TAMAV}},
    {.format = "  │5 │流体出入平均温度    │    K     │Ttm =###.#│Tsm =###.#│",
     .values = {Value::TGM, Value::TAM}},
    {.format = "  │6 │伝熱管 管壁平均温度 │    K     │     Twav=###.#       │",
     .when = When::TubeWallKnown, .values = {Value::Twav}},
    {.format = "  │8 │対数平均温度差　　　│    K     │LMTD=###.#(rev ###.#) │",
     .values = {Value::LMTD, Value::LMTDrev}},
    {.format = "  │9 │温度効率　　　　　　│    －    │Et =#.### │Es =#.### │",
     .values = {Value::Et, Value::Es}},
    {.format = "  │10│熱伝達率            │   W/m2K  │Ht=#####.#│Hs=####.# │",
     .when = When::HtcLiquidOrTypedIn, .values = {Value::Ht, Value::Hs}},
    {.format = "  │10│熱伝達率            │   W/m2K  │Ht=###.#  │Hs=###.#  │",
     .when = When::HtcLatentGas, .values = {Value::Ht, Value::Hs}},
    {.format = "  │10│熱伝達率　　　　　　│   W/m2K  │Ht=###.#  │Hs=###.#  │",
     .when = When::HtcSensibleGas, .values = {Value::Ht, Value::Hs}},
    {.format = "  │12│流体重量流量　　　　│   kg/s   │Wti=##.###│Ws=##.### │",
     .when = When::TubeTypedInGas, .values = {Value::Wt, Value::Ws}},
    {.format = "  │11│流体ﾉﾙﾏﾙ流量        │   Nm3/s  │Vt=##.### │Vs=##.### │",
     .when = When::TubeGas, .values = {Value::Vt, Value::Vs}},
    {.format = "  │12│流体重量流量　　　　│   kg/s   │Wt=##.### │Ws=##.### │",
     .when = When::TubeGas, .values = {Value::VtaDt, Value::VsaDs}},
    {.format = "  │11│流体流量　　　      │m3/s,Nm3/s│Vt=##.####│Vs=##.### │",
     .when = When::WaterLatent, .values = {Value::Vt, Value::Vs}},
    {.format = "  │12│流体重量流量　　　　│   kg/s   │Wt=##.####│Ws=##.### │",
     .when = When::WaterLatent, .values = {Value::VtDt, Value::VsaDs}},
    {.format = "  │11│流体流量　　　      │m3/s,Nm3/s│Vt=##.####│Vs=##.### │",
     .when = When::WaterSensible, .values = {Value::Vt, Value::VsNormal}},
    {.format = "  │12│流体重量流量　　　　│   kg/s   │Wt=##.####│Ws=##.### │",
     .when = When::WaterSensible, .values = {Value::WttKg, Value::VsaDs}},
    {.format = "  │13│ﾌｨﾝ効率　　　　     │    －    │          │Fe=#.###  │",
     .when = When::Finned, .values = {Value::Fe}},
    {.format = "  │  │蒸発量　　　　　　　│   kg/s   │Wt=####.##│    －    │",
     .when = When::Evaporation, .values = {Value::Wtc}},
    {.format = "  │  │凝縮量　　　　　　　│   kg/s   │Wt=####.##│    －    │",
     .when = When::Condensation, .values = {Value::Wtc}},
    {.format = "  │  │凝縮量　　　　　　　│   kg/s   │Wt=####.##│Ws=####.##│",
     .when = When::OtherPhase, .values = {Value::Wtc, Value::Wo}},
    {.format = "  │14│流体ﾉﾙﾏﾙ密度　　　　│  kg/Nm3  │DtN=#.### │DaN=#.### │",
     .when = When::TubeNotTypedIn, .values = {Value::DtN, Value::DsN}},
    {.format = "  │15│熱通過率　　　　　　│  W/m2K   │KI=####.##│KO=####.##│",
     .values = {Value::KI, Value::KO}},
    {.format = "  │16│最大流体通過速度　  │   m/s    │Ut=###.## │Us=###.## │",
     .values = {Value::VW, Value::UM}},
    {.format = "  │17│伝熱面積　　　　　　│   m2     │Ai=####.# │Ao=#####.#│",
     .values = {Value::Ai, Value::Ao}},
    {.format = "  │19│伝熱管本数　　　　　│    －    │      NT=#####.#      │",
     .values = {Value::Nt}},
    {.format = "  │20│垂直方向管段数　　　│    －    │      NV=###.#        │",
     .values = {Value::NV}},
    {.format = "  │21│水平方向管列数　　　│    －    │      NH=###.#        │",
     .values = {Value::Nh}},
    {.format = "  │22│熱交概略寸法　　　　│    mm    │H=#### W=#### TL=#####│",
     .values = {Value::H, Value::W, Value::TL}},
    // Both losses in Pa: a liquid's loss in MPa is below the mask's one decimal.
    {.format = "  │23│流体圧力損失　      │    Pa    │PDt=####.#│PDs=####.#│",
     .values = {Value::PtGas, Value::PsGas}},
    {.format = "  └─┴──────────┴─────┴─────┴─────┘"},
};

// Mode "E".
inline constexpr Row kTableE[] = {
    {.format = "  ┌─┬──────────┬─────┬─────┬─────┐"},
    {.format = "  │No│  　Items           │  Unit    │Tube side │Shell side│"},
    {.format = "  ├─┼──────────┼─────┼─────┼─────┤ "},
    {.format = "  │1 │Exchanged as heat   │ kcal/h   │       Q=#######.#    │",
     .when = When::Latent, .values = {Value::Qk}},
    {.format = "  │2 │Inlet Temperature   │    ℃    │Tti=###.# │Tsi=###.# │",
     .when = When::Latent, .values = {Value::Tti, Value::Tsi}},
    {.format = "  │3 │Outlet Temperature  │    ℃    │Tto=###.# │Tso=###.# │",
     .when = When::Latent, .values = {Value::Tto, Value::Tso}},
    {.format = "  │1 │Exchanged as heat   │ kcal/h   │     Q=#######.#      │",
     .when = When::SensibleBranch, .values = {Value::Q2}},
    {.format = "  │1 │Exchanged as heat   │ kcal/h   │     Q=#######.#      │",
     .when = When::SensibleRating, .values = {Value::Q}},
    {.format = "  │2 │Inlet Temperature   │    ℃    │Tti=###.# │Tsi=###.# │",
     .when = When::Sensible, .values = {Value::Tti, Value::Tsi}},
    {.format = "  │3 │Outlet Temperature  │    ℃    │Tto=###.# │Tso=###.# │",
     .when = When::Sensible, .values = {Value::TtoShown, Value::TsoShown}},
    {.format = "  │4 │Physical av.temp.   │    ℃    │Ttav=###.#│Tsav=###.#│",
     .when = When::PropertiesComputed, .values = {Value::TGMAV, Value::TAMAV}},
    {.format = "  │5 │Fluid av. temp.     │    ℃    │Ttm =###.#│Tsm =###.#│",
     .values = {Value::TGM, Value::TAM}},
    {.format = "  │6 │Tube wall av.temp.  │    ℃    │     Twav=###.#       │",
     .values = {Value::Twav}},
    {.format = "  │7 │Log.mean temp.diffe.│    ℃    │LMTD=###.#(rev ###.#) │",
     .values = {Value::LMTD, Value::LMTDrev}},
    {.format = "  │8 │Thermal efficiency  │    －    │Et=#.###  │Es=#.###  │",
     .values = {Value::Et, Value::Es}},
    {.format = "  │9 │Heat tr.coefficient │kcal/m2hﾟc│Ht=#####.#│Hs=####.# │",
     .values = {Value::Ht, Value::Hs}},
    {.format = "  │11│Fluid Weight lowrate│   kg/h   │Wt=###### │Ws=###### │",
     .when = When::TubeTypedInGas, .values = {Value::Wt, Value::Ws}},
    {.format = "  │10│Fluid flowrate      │   Nm3/h  │Vt=###### │Vs=###### │",
     .when = When::TubeGas, .values = {Value::VtNormal, Value::VsNormal}},
    {.format = "  │11│Fluid Weight Volume │   kg/h   │Wt=###### │Ws=###### │",
     .when = When::TubeGasShellMassKnown, .values = {Value::VtDtN, Value::VsDsN}},
    {.format = "  │11│Fluid Weight Volume │   kg/h   │Wt=###### │Ws=###### │",
     .when = When::TubeGasShellMassOpen, .values = {Value::VtDtN, Value::VsaDs}},
    {.format = "  │10│Fluid lowrate       │m3/h,Nm3/h│Vt=###### │Vs=###### │",
     .when = When::Water, .values = {Value::Vt, Value::VsNormal}},
    {.format = "  │11│Fluid Weight Volume │   kg/h   │Wt=###### │Ws=###### │",
     .when = When::Water, .values = {Value::VtDt, Value::Wsx}},
    {.format = "  │  │Mater.trans.flowrate│   kg/h   │Wt=####.##│Ws=####.##│",
     .when = When::LatentOrVapour, .values = {Value::Wtc, Value::Wo}},
    {.format = "  │12│Fin efficiency      │    －    │          │Fe=#.###  │",
     .values = {Value::Fe}},
    {.format = "  │13│Normal density      │  kg/Nm3  │DtN=#.### │DsN=#.### │",
     .when = When::TubeNotTypedIn, .values = {Value::DtN, Value::DsN}},
    {.format = "  │14│Overall heat tr.coef│kcal/m2hﾟc│KI=####.##│KO=####.##│",
     .values = {Value::KI, Value::KO}},
    {.format = "  │15│Max.fluid velocity  │   m/s    │Ut=###.## │Us=###.## │",
     .values = {Value::VW, Value::UM}},
    {.format = "  │16│Tube actual area    │   m2     │Ai=####.# │Ao=#####.#│",
     .values = {Value::Ai, Value::Ao}},
    {.format = "  │17│Tube total number   │    －    │      Nt=#####.#      │",
     .values = {Value::Nt}},
    {.format = "  │18│Vertical tube number│    －    │      Nv=###.#        │",
     .values = {Value::NV}},
    {.format = "  │19│Horizon. tube number│    －    │      Nh=###.#        │",
     .values = {Value::Nh}},
    {.format = "  │20│Estemated body size │    m     │H=#.## W=#.##  TL=#.##│",
     .values = {Value::H, Value::W, Value::TL}},
    {.format = "  │21│Pressure loss      │kg/cm2,mmAq│Pt=####.# │Ps=####.# │",
     .when = When::Water, .values = {Value::PtLiquid, Value::PsGas}},
    {.format = "  │22│Pressure loss       │   mmAq   │Pt=####.# │Ps=####.# │",
     .when = When::NotWater, .values = {Value::PtGas, Value::PsGas}},
    {.format = "  └─┴──────────┴─────┴─────┴─────┘"},
};

// Mode "ESI".
inline constexpr Row kTableEsi[] = {
    {.format = "  ┌─┬──────────┬─────┬─────┬─────┐"},
    {.format = "  │No│  　Items           │  Unit    │Tube side │Shell side│"},
    {.format = "  ├─┼──────────┼─────┼─────┼─────┤ "},
    {.format = "  │1 │Exchanged as heat   │    W     │       Q=#######.#    │",
     .when = When::Latent, .values = {Value::Qk}},
    {.format = "  │2 │Inlet Temperature   │    K     │Tti=###.# │Tsi=###.# │",
     .when = When::Latent, .values = {Value::Tti, Value::Tsi}},
    {.format = "  │3 │Outlet Temperature  │    K     │Tto=###.# │Tso=###.# │",
     .when = When::Latent, .values = {Value::Tto, Value::Tso}},
    {.format = "  │1 │Exchanged as heat   │    W     │     Q=#######.#      │",
     .when = When::SensibleBranch, .values = {Value::Q2}},
    {.format = "  │1 │Exchanged as heat   │    W     │     Q=#######.#      │",
     .when = When::SensibleRating, .values = {Value::Q}},
    {.format = "  │2 │Inlet Temperature   │    K     │Tti=###.# │Tsi=###.# │",
     .when = When::Sensible, .values = {Value::Tti, Value::Tsi}},
    {.format = "  │3 │Outlet Temperature  │    K     │Tto=###.# │Tso=###.# │",
     .when = When::Sensible, .values = {Value::TtoShown, Value::TsoShown}},
    {.format = "  │4 │Physical av.temp.   │    K     │Ttav=###.#│Tsav=###.#│",
     .when = When::PropertiesComputed, .values = {Value::TGMAV, Value::TAMAV}},
    {.format = "  │5 │Fluid av. temp.     │    K     │Ttm =###.#│Tsm =###.#│",
     .values = {Value::TGM, Value::TAM}},
    {.format = "  │6 │Tube wall av.temp.  │    K     │     Twav=###.#       │",
     .values = {Value::Twav}},
    {.format = "  │8 │Log.mean temp.diffe.│    K     │LMTD=###.#(rev ###.#) │",
     .values = {Value::LMTD, Value::LMTDrev}},
    {.format = "  │9 │Thermal efficiency  │    －    │Et =#.### │Es =#.### │",
     .values = {Value::Et, Value::Es}},
    {.format = "  │10│Heat tr.coefficient │   W/m2K  │Ht=#####.#│Hs=#####.#│",
     .values = {Value::Ht, Value::Hs}},
    {.format = "  │12│Fluid Weight lowrate│   kg/s   │Wt=##.### │Ws=##.### │",
     .when = When::TubeTypedInGas, .values = {Value::VtaDt, Value::VsaDs}},
    {.format = "  │11│Fluid lowrate       │   Nm3/s  │Vt=##.### │Vs=##.### │",
     .when = When::TubeGas, .values = {Value::Vt, Value::Vs}},
    {.format = "  │12│Fluid Weight lowrate│   kg/s   │Wt=##.### │Ws=##.### │",
     .when = When::TubeGas, .values = {Value::VtaDt, Value::VsaDs}},
    {.format = "  │11│Fluid lowrate       │m3/s,Nm3/s│Vt=##.####│Vs=##.### │",
     .when = When::WaterLatent, .values = {Value::Vt, Value::Vs}},
    {.format = "  │12│Fluid Weight lowrate│   kg/s   │Wt=##.####│Ws=##.### │",
     .when = When::WaterLatent, .values = {Value::VtDt, Value::VsaDs}},
    {.format = "  │11│Fluid lowrate       │m3/s,Nm3/s│Vt=##.####│Vs=##.### │",
     .when = When::WaterSensible, .values = {Value::Vt, Value::VsNormal}},
    {.format = "  │12│Fluid Weight lowrate│   kg/s   │Wt=##.####│Ws=##.### │",
     .when = When::WaterSensible, .values = {Value::WttKg, Value::VsaDs}},
    {.format = "  │  │Evaporate　　　 　　│   kg/s   │Wt=####.##│Wo=####.##│",
     .when = When::EvaporationNotLatent, .values = {Value::Wtc}},
    {.format = "  │  │Condensate 　　 　　│   kg/s   │Wt=####.##│Wo=####.##│",
     .when = When::CondensationNotLatent, .values = {Value::Wtc}},
    {.format = "  │  │Condansate　　　 　 │   kg/s   │Wt=####.##│Wo=####.##│",
     .when = When::OtherPhaseOrLatent, .values = {Value::Wtc, Value::Wo}},
    {.format = "  │13│Fin efficiency      │    －    │          │Fe=#.###  │",
     .values = {Value::Fe}},
    {.format = "  │14│Normal density      │  kg/Nm3  │DtN=#.### │DaN=#.### │",
     .when = When::TubeNotTypedIn, .values = {Value::DtN, Value::DsN}},
    {.format = "  │15│Overall heat tr.coef│  W/m2K   │KI=####.##│KO=####.##│",
     .values = {Value::KI, Value::KO}},
    {.format = "  │16│Max.fluid velocity  │   m/s    │Ut=###.## │Us=###.## │",
     .values = {Value::VW, Value::UM}},
    {.format = "  │17│Tube actual area    │   m2     │Ai=####.# │Ao=#####.#│",
     .values = {Value::Ai, Value::Ao}},
    {.format = "  │19│Tube total number   │    －    │      NT=#####.#      │",
     .values = {Value::Nt}},
    {.format = "  │20│Vertical tube number│    －    │      Nv=###.#        │",
     .values = {Value::NV}},
    {.format = "  │21│Horizon. tube number│    －    │      Nh=###.#        │",
     .values = {Value::Nh}},
    {.format = "  │22│Estemated body size │    mm    │H=#### W=#### TL=#####│",
     .values = {Value::H, Value::W, Value::TL}},
    // Both losses in Pa: a liquid's loss in MPa is below the mask's one decimal.
    {.format = "  │23│Pressure loss       │    Pa    │PDt=####.#│PDs=####.#│",
     .values = {Value::PtGas, Value::PsGas}},
    {.format = "  └─┴──────────┴─────┴─────┴─────┘"},
};

}  // namespace cfhx::report
