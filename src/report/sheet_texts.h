// Texts of the printed calculation sheet: the header, the section headings
// and the rows of every table of each display mode as data (format, the
// condition it is printed under, the quantities that fill it).
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace cfhx::report {

// When a sheet row is printed. "Water" is water or a typed-in liquid in the
// tubes; "gas" is neither. (A) and (C) are the rating set-up choices.
enum class SheetWhen : uint8_t {
    Always,
    Finned, PlateFin, NotPlateFin,
    GasTubes, WaterTubes,               // property rows: gas or liquid magnitudes
    TubeSaturation,                     // HtcMode 1 or 3: tube saturation pressure, surface tension
    TubeSaturationBoth, TubeSaturationShellGiven,  // HtcMode 1; HtcMode 3
    // Set flows.
    FlowTypedIn,                        // typed-in tube side
    FlowNormalShellMass, FlowNormalShellMassGiven, FlowNormalShellMassComputed,
    FlowNormalShellNormal, FlowNormalShellNormalGiven, FlowNormalShellNormalComputed,
    FlowTubeMass,                       // tube gas given as mass
    FlowWater, FlowWaterGiven, FlowWaterComputed, FlowWaterLatent, FlowWaterSensible,
    // Set temperatures: the inlets and the outlets that were given.
    TempLatentShell,                    // tube inlet, shell inlet saturation temperature
    TempInletOnly,                      // latent tube side; sensible, (A) rows and length, (C) shell flow
    TempTubeOutlet,                     // sensible, (A) rows and length, (C) tube outlet
    TempBothOutlets,                    // sensible, (A) shell outlet, (C) tube outlet
    TempShellOutlet,                    // sensible, (A) shell outlet, (C) shell flow
    TempOneOutlet,                      // the two cases before this one
    RowsAndLength,                      // (A) rows and length given
    FrontRows,                          // rows given otherwise
    RowsEntered, RowsComputed,          // processing No. 3 and 4 compute the rows
    LengthEntered, LengthComputed,      // processing No. 1 and 2 compute the length
    Tape, NoTape,
    Evaporation,                        // PhaseChangeKind 1
    // Results.
    ArrangementCross, ArrangementLatent,  // flow arrangement 1-2 or the latent counter one
    MassTypedIn, MassGasLatent, MassGasShellMass, MassGasShellOpen, MassWaterShellMass, MassWaterShellOpen,
    Water, NotWater,
    LatentTube, LatentShell,
    CounterLatent, NotCounterLatent,
    Vapour, NotVapour,                  // typed-in vapour condensing in the tubes
    PhaseEvaporation, PhaseCondensation, PhaseLatent,
};

// The quantities the sheet shows, by the name the masks print.
enum class SheetValue : uint8_t {
    None,
    Dt, Ds, Ct, Cs, Rt, Rs, Kt, Ks, Kf, Km, VIt, VIs, Xt, Xs, Prt, Prs, Psat, SIGt,
    DI, DO, FPI, Fh, FT, Pv, Ph,
    PNt, PNs, Wt, Ws, Vt, Vs, VtDtN, Wsx, Wtt, WttKg,
    VsWaterShell,                 // Vs, or the normal flow of Vsa when sensible
    WsWaterShell,                 // the shell mass flow the result rows show beside water
    Tti, Tsi, Tto, Tso, TdewS, T2X, TY2,
    H, Nv, TL, Nh, TapePitch,     // half the tape pitch, mm
    Q, Q2, VsDsN, VsaDs, DtN, DsN, VW, UM, Ht, Hs, RetT, Ret, Res, Kc,
    KI, KOsheet,                  // KI/AR/Ao·Aeff
    Fe, LMTD, Fthe, FF, Et, Es, Wc, Wtc, Wo, Twav,
    WcGrams,                      // Wc, g/s in SI
    WcPerS, WtcPerS, WoPerS,      // Wc, Wtc, Wo in kg/s whatever the units
    PtLiquid, PtGas, PsGas,
    Ai, Ao, Aoe, Tubes, Df, W, Length, BodyH, BodyW,  // Nv·Nh, Nt·TL, Pv·NV + Pv/2, Ph·Nh
    VNo, ShellMassIn, ShellMassOut, TubeMassIn, TubeMassOut,
    PvsIn, PvsOut, HsatIn, HsatOut, Xin, Xout, MS, MT, Wm,
};

struct SheetRow {
    std::string_view format;
    SheetWhen when = SheetWhen::Always;
    std::array<SheetValue, 3> values{};
};

namespace sheet_texts {

using std::string_view;
using W = SheetWhen;
using V = SheetValue;


// Texts of one display mode around the tables.
struct SheetMode {
    string_view title;  // the date and ")" follow
    string_view premise;
    string_view styleLead;  // the style label follows
    string_view propertyMeans, fluidMeans;  // shell, tube
    string_view input;
    std::array<string_view, 3> inputSections;
    string_view output;
    std::array<string_view, 2> outputSections;
    string_view wetShell, wetTube;
    string_view heading;            // column heading of the tables
    string_view propertiesHeading;  // that of the physical properties
    std::span<const SheetRow> properties, dimensions, settings, thermal, body, wetShellRows, wetTubeRows;
};

// The printer reset opening every sheet: escape, "E".
inline constexpr string_view kPrinterReset = "\x1b" "E";
// A page-number box filled in by hand.
inline constexpr string_view kPageBox = "                                                                     (   /   )";
inline constexpr string_view kTitleEnd = ")";

inline constexpr string_view kBoxTop = "      ┏━┯━━━━━━━━━━━━┳━━━━━━┯━━━━━━┳━━━━━┓";
inline constexpr string_view kBoxMid = "      ┣━┿━━━━━━━━━━━━╋━━━━━━┿━━━━━━╋━━━━━┫";
inline constexpr string_view kBoxBottom = "      ┗━┷━━━━━━━━━━━━┻━━━━━━┷━━━━━━┻━━━━━┛";
// The humid-gas tables have a wider item column and a narrower unit column.
inline constexpr string_view kWetBoxTop = "      ┏━┯━━━━━━━━━━━━━┳━━━━━━┯━━━━━━┳━━━━┓";
inline constexpr string_view kWetBoxMid = "      ┣━┿━━━━━━━━━━━━━╋━━━━━━┿━━━━━━╋━━━━┫";
inline constexpr string_view kWetBoxBottom = "      ┗━┷━━━━━━━━━━━━━┻━━━━━━┷━━━━━━┻━━━━┛";
inline constexpr string_view kEnd = "                                                                － END －";

inline constexpr string_view kFluidsShell = "      * Fluid components ------- Shell :";
inline constexpr string_view kFluidsTube = "                                 Tube  :";
inline constexpr string_view kTubeLiquid = "Water";  // a typed-in liquid in the tubes
inline constexpr string_view kShellComposition = "      * Shell side fluid components:(CO2=##.## N2=##.## O2=##.## H2O=##.## [%])";
inline constexpr string_view kTubeComposition = "      * Tube side fluid components :(CO2=##.## N2=##.## O2=##.## H2O=##.## [%])";
inline constexpr string_view kTubeWater = "      * Tube side fluid material :WATER";
inline constexpr string_view kSurfaceLead = "      * Outside surface ･･";
inline constexpr string_view kPatternLead = "< flow pattern";
inline constexpr string_view kPatternColon = ":";
inline constexpr string_view kPatternEnd = ">";

inline constexpr string_view kLegend = "        exchanged as heat ( Qs:Shell side,  Qt:Tube side,  Qk:Over all )";

// Mode "J": physical properties.
inline constexpr SheetRow kPropertiesJ[] = {
    {.format = "      ┃1 │流体密度　　            ┃ Dt=####.###│ Ds=####.###┃  kg/m3   ┃", .when = W::GasTubes, .values = {V::Dt, V::Ds}},
    {.format = "      ┃1 │流体密度　　　　        ┃ Dt=####.#  │ Ds=#.####  ┃  kg/m3   ┃", .when = W::WaterTubes, .values = {V::Dt, V::Ds}},
    {.format = "      ┃2 │比熱　　　　　　　　　  ┃ Ct=##.###  │ Cs=##.###  ┃kcal/kgﾟc ┃", .when = W::GasTubes, .values = {V::Ct, V::Cs}},
    {.format = "      ┃2 │比熱　　　　　　　　　　┃ Ct=##.###  │ Cs=##.###  ┃kcal/kgﾟc ┃", .when = W::WaterTubes, .values = {V::Ct, V::Cs}},
    {.format = "      ┃3 │汚れ係数　　　　        ┃ Rt=#.####  │ Rs=#.####  ┃m2hﾟc/kcal┃", .when = W::Always, .values = {V::Rt, V::Rs}},
    {.format = "      ┃4 │流体熱伝導率　　　　　　┃ Kt=#.####  │ Ks=#.####  ┃kcal/mhﾟc ┃", .when = W::Always, .values = {V::Kt, V::Ks}},
    {.format = "      ┃5 │ﾌｨﾝの熱伝導率　　　　 　┃  　   < Kf=###.## >      ┃kcal/mhﾟc ┃", .when = W::Finned, .values = {V::Kf}},
    {.format = "      ┃6 │伝熱管の熱伝導率　　　　┃       < Km=###.## >      ┃kcal/mhﾟc ┃", .when = W::Always, .values = {V::Km}},
    {.format = "      ┃7 │動粘性係数              ┃ Vt=#.####  │ Vs=#.####  ┃  m2/h    ┃", .when = W::Always, .values = {V::VIt, V::VIs}},
    {.format = "      ┃8 │絶対湿度　              ┃ Xt=##.#### │ Xs=##.#### ┃  kg/kg   ┃", .when = W::Always, .values = {V::Xt, V::Xs}},
    {.format = "      ┃9 │ﾌﾟﾗﾝﾄﾙ数　　　          ┃ PRt=##.### │PRs=##.###　┃    －    ┃", .when = W::Always, .values = {V::Prt, V::Prs}},
    {.format = "      ┃10│飽和圧力　              ┃ Pt=##.#### │     －     ┃  kgf/Cm2 ┃", .when = W::TubeSaturation, .values = {V::Psat}},
    {.format = "      ┃11│表面張力　              ┃ Xt=#.####　│     －     ┃  kgf/m　 ┃", .when = W::TubeSaturation, .values = {V::SIGt}},
};

// Mode "J": dimensions; a plate fin shows its equivalent height.
inline constexpr SheetRow kDimensionsJ[] = {
    {.format = "      ┃1 │伝熱管直径　　          ┃ DI=#.####  │ DO=#.####  ┃    m     ┃", .when = W::Always, .values = {V::DI, V::DO}},
    {.format = "      ┃2 │ﾌｨﾝ山数/吋　　　        ┃      < I =##.### >       ┃    －    ┃", .when = W::Always, .values = {V::FPI}},
    {.format = "      ┃3 │ﾌｨﾝ高さ　　             ┃      < Fh=#.#### >       ┃    m     ┃", .when = W::NotPlateFin, .values = {V::Fh}},
    {.format = "      ┃3 │ﾌｨﾝ高さ(相当換算高さ)   ┃      < Fh=#.#### >       ┃    m     ┃", .when = W::PlateFin, .values = {V::Fh}},
    {.format = "      ┃4 │ﾌｨﾝ肉厚　　　           ┃      < Ft=#.#####>       ┃    m     ┃", .when = W::Always, .values = {V::FT}},
    {.format = "      ┃5 │垂直方向管ﾋﾟｯﾁ　　　    ┃      < Pv=#.#####>       ┃    m     ┃", .when = W::Always, .values = {V::Pv}},
    {.format = "      ┃6 │水平方向管ﾋﾟｯﾁ　　　　  ┃      < Ph=#.#####>       ┃    m     ┃", .when = W::Always, .values = {V::Ph}},
};

// Mode "J": set conditions. The inlet temperatures with the outlets that were given; rows and length dashed where the run computed them.
inline constexpr SheetRow kSettingsJ[] = {
    {.format = "      ┃1 │ﾊﾟｽ数　　　             ┃ PNt=##     │ PNs=##     ┃   －　　 ┃", .when = W::Always, .values = {V::PNt, V::PNs}},
    {.format = "      ┃2 │流体流量　　　          ┃ Vt=######.#│ Vs=######.#┃   kg/h   ┃", .when = W::FlowTypedIn, .values = {V::Wt, V::Ws}},
    {.format = "      ┃2 │流体流量　　　          ┃ Vt=######.#│ Vs=######.#┃kg/h,Nm3/h┃", .when = W::FlowNormalShellMassGiven, .values = {V::VtDtN, V::Vs}},
    {.format = "      ┃2 │流体流量　　　          ┃ Vt=######.#│ Vs=   －　 ┃kg/h,Nm3/h┃", .when = W::FlowNormalShellMassComputed, .values = {V::VtDtN}},
    {.format = "      ┃2 │流体流量　　　        　┃ Vt=######.#│ Vs=######.#┃   Nm3/h  ┃", .when = W::FlowNormalShellNormalGiven, .values = {V::Vt, V::Vs}},
    {.format = "      ┃2 │流体流量　　　        　┃ Vt=######.#│ Vs=   －　 ┃   Nm3/h  ┃", .when = W::FlowNormalShellNormalComputed, .values = {V::Vt}},
    {.format = "      ┃2 │流体流量　　　        　┃ Wt=######.#│ Ws=######.#┃   kg/h   ┃", .when = W::FlowTubeMass, .values = {V::VtDtN, V::Wsx}},
    {.format = "      ┃2 │流体流量　　　      　　┃ Wt=######.#│ Ws=######.#┃   kg/h   ┃", .when = W::FlowWaterGiven, .values = {V::WttKg, V::WsWaterShell}},
    {.format = "      ┃2 │流体流量　　　      　　┃ Wt=######.#│ Vs=   －　 ┃   kg/h   ┃", .when = W::FlowWaterComputed, .values = {V::WttKg}},
    {.format = "      ┃3 │入側温度  　　　　　    ┃ Tti=####.# │ Tsi=####.# ┃   ﾟc     ┃", .when = W::TempTubeOutlet, .values = {V::Tti, V::Tsi}},
    {.format = "      ┃3 │入側温度  　　　　　　　┃ Tti=####.# │ Tsi=####.# ┃ 　ﾟc     ┃", .when = W::TempBothOutlets, .values = {V::Tti, V::Tsi}},
    {.format = "      ┃4 │出側温度　　　　　   　 ┃ Tto=####.# │ Tso=####.# ┃   ﾟc     ┃", .when = W::TempBothOutlets, .values = {V::Tto, V::Tso}},
    {.format = "      ┃3 │入側温度  　　　　　 　 ┃ Tti=####.# │ Tsi=####.# ┃   ﾟc     ┃", .when = W::TempShellOutlet, .values = {V::Tti, V::Tsi}},
    {.format = "      ┃4 │出側温度　　　　　   　 ┃ Tto=  －   │ Tso=####.# ┃   ﾟc     ┃", .when = W::TempOneOutlet, .values = {V::Tso}},
    {.format = "      ┃3 │入側温度  　　　　　  　┃ Tti=####.# │ Tsi=####.# ┃   ﾟc     ┃", .when = W::TempLatentShell, .values = {V::Tti, V::TdewS}},
    {.format = "      ┃3 │入側温度  　　　　　　  ┃ Tti=####.# │ Tsi=####.# ┃   ﾟc     ┃", .when = W::TempInletOnly, .values = {V::Tti, V::Tsi}},
    {.format = "      ┃6 │垂直方向管列数　　　　  ┃      < Nv=###.#  >       ┃    －    ┃", .when = W::RowsEntered, .values = {V::Nv}},
    {.format = "      ┃6 │垂直方向管列数　　　　  ┃      < Nv=  －   >       ┃    －    ┃", .when = W::RowsComputed},
    {.format = "      ┃7 │伝熱管長さ　            ┃      < TL=##.### >       ┃    m     ┃", .when = W::LengthEntered, .values = {V::TL}},
    {.format = "      ┃7 │伝熱管長さ　            ┃      < TL=  －　 >       ┃    m     ┃", .when = W::LengthComputed},
    {.format = "      ┃8 │水平方向管列数　　　　  ┃      < Nh=###.#  >       ┃    －    ┃", .when = W::Always, .values = {V::Nh}},
    {.format = "      ┃9 │捻りﾃｰﾌﾟﾋﾟｯﾁ(谷間)      ┃      < Pich=###.#>       ┃   mm     ┃", .when = W::Tape, .values = {V::TapePitch}},
    {.format = "      ┃  │冷媒飽和圧力　　　　    ┃      < Psat=##.####>     ┃ kgf/Cm2  ┃", .when = W::Evaporation, .values = {V::Psat}},
    {.format = "      ┃  │冷媒圧力損失　　        ┃      < SRFT=###.###>     ┃  kgf/m   ┃", .when = W::Evaporation, .values = {V::SIGt}},
};

// Mode "J": thermal results; the phase-change flows in kg/s as the rows are labelled.
inline constexpr SheetRow kThermalJ[] = {
    {.format = "      ┃1 │交換熱量　　　          ┃      < Q=#######.# >     ┃  kcal/h  ┃", .when = W::ArrangementLatent, .values = {V::Q}},
    {.format = "      ┃1 │交換熱量　　　          ┃      < Q=#######.# >     ┃  kcal/h  ┃", .when = W::ArrangementCross, .values = {V::Q2}},
    {.format = "      ┃2 │入側温度　　　　　　    ┃ Tti=###.#  │ Tsi=###.#  ┃    ﾟC    ┃", .when = W::ArrangementCross, .values = {V::Tti, V::Tsi}},
    {.format = "      ┃3 │出側温度  　　　　　　　┃ Tto=###.#  │ Tso=###.#  ┃    ﾟC    ┃", .when = W::ArrangementCross, .values = {V::T2X, V::TY2}},
    {.format = "      ┃2 │入側温度　　　　　　　  ┃ Tti=###.#  │ Tsi=###.#  ┃    ﾟC    ┃", .when = W::ArrangementLatent, .values = {V::Tti, V::Tsi}},
    {.format = "      ┃3 │出側温度　　　　　　　  ┃ Tto=###.#  │ Tso=###.#  ┃    ﾟC    ┃", .when = W::ArrangementLatent, .values = {V::Tto, V::Tso}},
    {.format = "      ┃4 │流体重量流量　          ┃ Wt=######.#│ Ws=######.#┃    kg/h  ┃", .when = W::MassTypedIn, .values = {V::Wt, V::Ws}},
    {.format = "      ┃4 │流体重量流量　　　   　 ┃ Wt=######.#│ Ws=######.#┃   kg/h   ┃", .when = W::MassGasLatent, .values = {V::VtDtN, V::VsDsN}},
    {.format = "      ┃4 │流体重量流量　　　　　  ┃ Wt=######.#│ Ws=######.#┃   kg/h   ┃", .when = W::MassGasShellMass, .values = {V::VtDtN, V::Wsx}},
    {.format = "      ┃4 │流体重量流量　　　　　  ┃ Wt=######.#│ Ws=######.#┃   kg/h   ┃", .when = W::MassGasShellOpen, .values = {V::VtDtN, V::VsaDs}},
    {.format = "      ┃4 │流体重量流量　          ┃ Wt=######.#│ Ws=######.#┃    kg/h  ┃", .when = W::MassWaterShellMass, .values = {V::WttKg, V::VsDsN}},
    {.format = "      ┃4 │流体重量流量　          ┃ Wt=######.#│ Ws=######.#┃    kg/h  ┃", .when = W::MassWaterShellOpen, .values = {V::WttKg, V::Wsx}},
    {.format = "      ┃  │  ◇ 密度(ﾉﾙﾏﾙ)　　     ┃ Dnt=#.###  │ Dns=#.###  ┃  kgN/m3  ┃", .when = W::NotWater, .values = {V::DtN, V::DsN}},
    {.format = "      ┃  │  ◇ 密度(ﾉﾙﾏﾙ)　　　   ┃     －     │ Dns=#.###  ┃  kgN/m3  ┃", .when = W::Water, .values = {V::DsN}},
    {.format = "      ┃5 │最大流体流速M　　　     ┃ Ut=##.##   │ Us=##.##   ┃    m/s   ┃", .when = W::Always, .values = {V::VW, V::UM}},
    {.format = "      ┃6 │熱伝達率　　　　        ┃ Ht=#####.# │ Hs=#####.# ┃kcal/m2hﾟc┃", .when = W::Tape, .values = {V::Ht, V::Hs}},
    {.format = "      ┃7 │ﾚｲﾉﾙｽﾞ数　　            ┃ Ret=#####.#│ Res=#####.#┃    －    ┃", .when = W::Tape, .values = {V::RetT, V::Res}},
    {.format = "      ┃6 │熱伝達率　　　　        ┃ Ht=#####.# │ Hs=#####.# ┃kcal/m2hﾟc┃", .when = W::NoTape, .values = {V::Ht, V::Hs}},
    {.format = "      ┃7 │ﾚｲﾉﾙｽﾞ数　　            ┃ Ret=#######│ Res=#######┃    －    ┃", .when = W::NoTape, .values = {V::Ret, V::Res}},
    {.format = "      ┃8 │湿り凝縮熱伝達率　　　  ┃ Kc=##.###  │     －     ┃    －    ┃", .when = W::LatentTube, .values = {V::Kc}},
    {.format = "      ┃8 │湿り凝縮伝熱換算率　　  ┃     －     │ Kc=##.###  ┃    －    ┃", .when = W::LatentShell, .values = {V::Kc}},
    {.format = "      ┃9 │熱通過率　　　　　　　  ┃ KI=####.#  │ KO=####.#  ┃kcal/m2hﾟc┃", .when = W::Always, .values = {V::KI, V::KOsheet}},
    {.format = "      ┃10│ﾌｨﾝ効率　　　　         ┃     －     │ Es=#.####  ┃    －    ┃", .when = W::Finned, .values = {V::Fe}},
    {.format = "      ┃11│対数平均温度差　　　    ┃      < LMTD=###.#  >     ┃    ℃    ┃", .when = W::NotCounterLatent, .values = {V::LMTD}},
    {.format = "      ┃  │                        ┃  < corrrect.fact.=#.### >┃    －    ┃", .when = W::NotCounterLatent, .values = {V::Fthe}},
    {.format = "      ┃11│対数平均温度差　　　    ┃      < LMTD=###.# >      ┃    ℃    ┃", .when = W::CounterLatent, .values = {V::LMTD}},
    {.format = "      ┃                            ┃  < correct.fact.=#.### > ┃    －    ┃", .when = W::CounterLatent, .values = {V::FF}},
    {.format = "      ┃12│温度効率　　　　　　    ┃ Et=.###    │ Es=.###    ┃    －    ┃", .when = W::NotVapour, .values = {V::Et, V::Es}},
    {.format = "      ┃12│温度効率　　　　　　    ┃     －     │ Es=.###    ┃    －    ┃", .when = W::Vapour, .values = {V::Es}},
    {.format = "      ┃13│平均管壁温度　　　      ┃      < Twav=###.# >      ┃    ℃    ┃", .when = W::Always, .values = {V::Twav}},
    {.format = "      ┃  │蒸発量　　　　　　  　　┃ Wtc=##.### │     －　   ┃　 kg/s 　┃", .when = W::PhaseEvaporation, .values = {V::WcPerS}},
    {.format = "      ┃  │凝縮量　　　　　　　　  ┃ Wtc=#.#### │     －　   ┃   kg/s   ┃", .when = W::PhaseCondensation, .values = {V::WcPerS}},
    {.format = "      ┃  │凝縮量　　　　　　　　  ┃ Wtc=#.#### │Wo=####.#   ┃   kg/s   ┃", .when = W::PhaseLatent, .values = {V::WtcPerS, V::WoPerS}},
    {.format = "      ┃14│圧力損失　　            ┃ DPt=###.###│ DPs=###.###┃   mmAq   ┃", .when = W::NotWater, .values = {V::PtGas, V::PsGas}},
    {.format = "      ┃14│圧力損失　　   　       ┃ DPt=##.####│DPs=####.##┃kg/cm2,mmAq┃", .when = W::Water, .values = {V::PtLiquid, V::PsGas}},
};

// Mode "J": body size.
inline constexpr SheetRow kBodyJ[] = {
    {.format = "      ┃2 │実体伝熱面積            ┃Ai=#####.#  │Ao=#####.#  ┃    m2    ┃", .when = W::Always, .values = {V::Ai, V::Ao}},
    {.format = "      ┃2 │有効伝熱面積            ┃Ai=#####.#  │Ao=#####.#  ┃    m2    ┃", .when = W::Finned, .values = {V::Ai, V::Aoe}},
    {.format = "      ┃3 │伝熱管総本数            ┃       < N=#####.#   >    ┃    －    ┃", .when = W::Always, .values = {V::Tubes}},
    {.format = "      ┃5 │ﾌｨﾝ外径                 ┃       < Df=#.#####  >    ┃    m     ┃", .when = W::Finned, .values = {V::Df}},
    {.format = "      ┃6 │水平方向管列数          ┃       < W =#.###    >    ┃    m     ┃", .when = W::Always, .values = {V::W}},
    {.format = "      ┃7 │垂直方向管束高さ        ┃       < H =##.###   >    ┃    m     ┃", .when = W::Always, .values = {V::H}},
    {.format = "      ┃8 │垂直方向管列数          ┃       < Nv=#####.#  >    ┃    －    ┃", .when = W::Always, .values = {V::Nv}},
    {.format = "      ┃9 │総伝熱管延べ長さ        ┃       < L =#####.## >    ┃    m     ┃", .when = W::Always, .values = {V::Length}},
    {.format = "      ┃10│概略熱交換器寸法 　　　 ┃tl=#.###×h=##.##×w=#.###┃    m     ┃", .when = W::Always, .values = {V::TL, V::BodyH, V::BodyW}},
};

// Mode "J": saturated humid gas on the shell side (heading row first).
inline constexpr SheetRow kWetShellJ[] = {
    {.format = "      ┃No│     項　　　目 　        ┃   ｼｪﾙ入側  │ 　ｼｪﾙ出側  ┃  単位  ┃", .when = W::Always},
    {.format = "      ┃1 │ｶﾞｽ流量(ﾉﾙﾏﾙ)         　　┃ VNi=###### │ VNo=###### ┃ Nm3/h  ┃", .when = W::Always, .values = {V::Vs, V::VNo}},
    {.format = "      ┃2 │重量流量            　　　┃ Wsi=###### │ Wso=###### ┃ kg/h   ┃", .when = W::Always, .values = {V::ShellMassIn, V::ShellMassOut}},
    {.format = "      ┃3 │飽和湿り蒸気圧力    　　　┃ Psi=#.###  │ Pso=#.###  ┃ kg/cm2 ┃", .when = W::Always, .values = {V::PvsIn, V::PvsOut}},
    {.format = "      ┃4 │飽和水蒸気ｴﾝﾀﾙﾋﾟｰ    　　 ┃ Hsi=####.##│ Hso=####.##┃ kcal/kg┃", .when = W::Always, .values = {V::HsatIn, V::HsatOut}},
    {.format = "      ┃5 │絶対湿度                  ┃ Xsi=##.####│ Xso=##.####┃ kg/kg  ┃", .when = W::Always, .values = {V::Xin, V::Xout}},
    {.format = "      ┃6 │分子量比(水/混合ｶﾞｽ)      ┃      < MS =#.#### >      ┃   －　 ┃", .when = W::Always, .values = {V::MS}},
    {.format = "      ┃6 │凝縮水量             　　 ┃      < Wc =###### >      ┃ kg/h   ┃", .when = W::Always, .values = {V::Wc}},
    {.format = "      ┃7 │総水分量　　　　　　　　　┃      < Wm =###### >      ┃ kg/h   ┃", .when = W::Always, .values = {V::Wm}},
};

// Mode "J": saturated humid gas in the tubes (heading row first).
inline constexpr SheetRow kWetTubeJ[] = {
    {.format = "      ┃No│     項　　　目 　        ┃ 　 管入側  │ 　管出側   ┃  単位  ┃", .when = W::Always},
    {.format = "      ┃1 │流量(ﾉﾙﾏﾙ)                ┃ VNi=###### │ VNo=###### ┃ Nm3/h  ┃", .when = W::Always, .values = {V::Vt, V::VNo}},
    {.format = "      ┃2 │重量流量                  ┃ Wti=###### │ Wto=###### ┃ kg/h   ┃", .when = W::Always, .values = {V::TubeMassIn, V::TubeMassOut}},
    {.format = "      ┃3 │飽和湿り蒸気圧力          ┃ Pti=#.###  │ Pto=#.###  ┃ kg/cm2 ┃", .when = W::Always, .values = {V::PvsIn, V::PvsOut}},
    {.format = "      ┃4 │飽和水蒸気ｴﾝﾀﾙﾋﾟｰ         ┃ Hti=####.##│ Hto=####.##┃ kcal/kg┃", .when = W::Always, .values = {V::HsatIn, V::HsatOut}},
    {.format = "      ┃5 │絶対湿度                  ┃ Xti=##.####│ Xto=##.####┃ kg/kg  ┃", .when = W::Always, .values = {V::Xin, V::Xout}},
    {.format = "      ┃6 │分子量比(水/混合ｶﾞｽ)      ┃      < WT =#.#### >      ┃   －　 ┃", .when = W::Always, .values = {V::MT}},
    {.format = "      ┃6 │凝縮水量                  ┃      < Wc =###### >      ┃ kg/h   ┃", .when = W::Always, .values = {V::Wc}},
    {.format = "      ┃7 │総水分量　　　　　　　　  ┃      < Wm =###### >      ┃ kg/h   ┃", .when = W::Always, .values = {V::Wm}},
};

// Mode "JSI": physical properties.
inline constexpr SheetRow kPropertiesJsi[] = {
    {.format = "      ┃1 │流体密度　　            ┃ Dt=#.####  │ Ds=####.###┃  kg/m3   ┃", .when = W::GasTubes, .values = {V::Dt, V::Ds}},
    {.format = "      ┃1 │流体密度　　　　        ┃ Dt=####.#  │ Ds=####.###┃  kg/m3   ┃", .when = W::WaterTubes, .values = {V::Dt, V::Ds}},
    {.format = "      ┃2 │比熱　　　　　　　　　  ┃ Ct=####.#  │ Cs=####.#  ┃  kJ/kgK  ┃", .when = W::GasTubes, .values = {V::Ct, V::Cs}},
    {.format = "      ┃2 │比熱　　　　　　　　　　┃ Ct=####.#  │ Cs=####.#  ┃  kJ/kgK  ┃", .when = W::WaterTubes, .values = {V::Ct, V::Cs}},
    {.format = "      ┃3 │汚れ係数　　　　        ┃ Rt=#.####  │ Rs=#.####  ┃  m2K/W   ┃", .when = W::Always, .values = {V::Rt, V::Rs}},
    {.format = "      ┃4 │流体熱伝導率　　　　　　┃ Kt=#.####  │ Ks=#.####  ┃  W/mK    ┃", .when = W::Always, .values = {V::Kt, V::Ks}},
    {.format = "      ┃5 │ﾌｨﾝの熱伝導率　　　　 　┃  　   < KF=###.## >      ┃  W/mK    ┃", .when = W::Finned, .values = {V::Kf}},
    {.format = "      ┃6 │伝熱管の熱伝導率　　　　┃       < KM=###.## >      ┃  W/mK    ┃", .when = W::Always, .values = {V::Km}},
    {.format = "      ┃7 │動粘性係数              ┃ Vt=#.##### │ Vs=#.##### ┃  m2/s    ┃", .when = W::Always, .values = {V::VIt, V::VIs}},
    {.format = "      ┃8 │絶対湿度　              ┃ Xt=##.#### │ Xs=##.#### ┃  kg/kg   ┃", .when = W::Always, .values = {V::Xt, V::Xs}},
    {.format = "      ┃9 │ﾌﾟﾗﾝﾄﾙ数　　　          ┃ PRt=##.### │ PRs=##.### ┃    －    ┃", .when = W::Always, .values = {V::Prt, V::Prs}},
    {.format = "      ┃10│飽和圧力　              ┃ Pt=##.#### │     －     ┃   MPa    ┃", .when = W::TubeSaturation, .values = {V::Psat}},
    {.format = "      ┃11│表面張力　              ┃ Xt=#.####　│     －     ┃   N/m　  ┃", .when = W::TubeSaturation, .values = {V::SIGt}},
};

// Mode "JSI": dimensions.
inline constexpr SheetRow kDimensionsJsi[] = {
    {.format = "      ┃1 │伝熱管直径　　          ┃ DI=###.##  │ DO=###.##  ┃    mm    ┃", .when = W::Always, .values = {V::DI, V::DO}},
    {.format = "      ┃2 │ﾌｨﾝ山数/吋　　　        ┃      < I =##.### >       ┃    －    ┃", .when = W::Always, .values = {V::FPI}},
    {.format = "      ┃3 │ﾌｨﾝ高さ　　             ┃      < Fh=##.##  >       ┃    mm    ┃", .when = W::Always, .values = {V::Fh}},
    {.format = "      ┃4 │ﾌｨﾝ肉厚　　　           ┃      < Ft=#.###  >       ┃    mm    ┃", .when = W::Always, .values = {V::FT}},
    {.format = "      ┃5 │垂直方向管ﾋﾟｯﾁ　　　    ┃      < Pv=###.## >       ┃    mm    ┃", .when = W::Always, .values = {V::Pv}},
    {.format = "      ┃6 │水平方向管ﾋﾟｯﾁ　　　　  ┃      < Ph=###.## >       ┃    mm    ┃", .when = W::Always, .values = {V::Ph}},
};

// Mode "JSI": set conditions.
inline constexpr SheetRow kSettingsJsi[] = {
    {.format = "      ┃1 │ﾊﾟｽ数　　　             ┃ PNt=##     │ PNs=##     ┃   －　　 ┃", .when = W::Always, .values = {V::PNt, V::PNs}},
    {.format = "      ┃2 │流体流量　　　          ┃ Vt=###.####│ Vs=###.####┃   kg/s   ┃", .when = W::FlowTypedIn, .values = {V::Wt, V::Ws}},
    {.format = "      ┃2 │流体流量　　　          ┃ Vt=###.####│ Vs=###.####┃kg/s,Nm3/s┃", .when = W::FlowNormalShellMassGiven, .values = {V::VtDtN, V::Vs}},
    {.format = "      ┃2 │流体流量　　　          ┃ Vt=###.####│ Vs=   －　 ┃kg/s,Nm3/s┃", .when = W::FlowNormalShellMassComputed, .values = {V::VtDtN}},
    {.format = "      ┃2 │流体流量　　　        　┃ Vt=###.####│ Vs=###.####┃   Nm3/s  ┃", .when = W::FlowNormalShellNormalGiven, .values = {V::Vt, V::Vs}},
    {.format = "      ┃2 │流体流量　　　        　┃ Vt=###.####│ Vs=   －　 ┃   Nm3/s  ┃", .when = W::FlowNormalShellNormalComputed, .values = {V::Vt}},
    {.format = "      ┃2 │流体流量　　　        　┃ Wt=###.####│ Ws=###.####┃   kg/s   ┃", .when = W::FlowTubeMass, .values = {V::VtDtN, V::Wsx}},
    {.format = "      ┃2 │流体流量　　　      　　┃ Wt=#.######│ Ws=###.####┃t/s , kg/s┃", .when = W::FlowWaterGiven, .values = {V::Wtt, V::WsWaterShell}},
    {.format = "      ┃2 │流体流量　　　      　　┃ Wt=#.######│ Ws=   －　 ┃t/s , kg/s┃", .when = W::FlowWaterComputed, .values = {V::Wtt}},
    {.format = "      ┃3 │入側温度  　　　　　    ┃ Tti=####.# │ Tsi=####.# ┃    K     ┃", .when = W::TempTubeOutlet, .values = {V::Tti, V::Tsi}},
    {.format = "      ┃3 │入側温度  　　　　　　　┃ Tti=####.# │ Tsi=####.# ┃ 　 K     ┃", .when = W::TempBothOutlets, .values = {V::Tti, V::Tsi}},
    {.format = "      ┃4 │出側温度　　　　　   　 ┃ Tto=####.# │ Tso=####.# ┃    K     ┃", .when = W::TempBothOutlets, .values = {V::Tto, V::Tso}},
    {.format = "      ┃4 │入側温度  　　　　　 　 ┃ Tti=####.# │ Tsi=####.# ┃    K     ┃", .when = W::TempShellOutlet, .values = {V::Tti, V::Tsi}},
    {.format = "      ┃3 │出側温度　　　　　   　 ┃     －     │ Tso=####.# ┃    K     ┃", .when = W::TempOneOutlet, .values = {V::Tso}},
    {.format = "      ┃4 │入側温度  　　　　　  　┃ Tti=####.# │ Tsi=####.# ┃    K     ┃", .when = W::TempLatentShell, .values = {V::Tti, V::TdewS}},
    {.format = "      ┃4 │入側温度  　　　　　　  ┃ Tti=####.# │ Tsi=####.# ┃    K     ┃", .when = W::TempInletOnly, .values = {V::Tti, V::Tsi}},
    {.format = "      ┃6 │垂直方向管列数　　　　  ┃      < NV=###.#  >       ┃    －    ┃", .when = W::RowsEntered, .values = {V::Nv}},
    {.format = "      ┃6 │垂直方向管列数　　　　  ┃      < NV=  －   >       ┃    －    ┃", .when = W::RowsComputed},
    {.format = "      ┃7 │伝熱管長さ　            ┃      < TL=#####. >       ┃    mm    ┃", .when = W::LengthEntered, .values = {V::TL}},
    {.format = "      ┃7 │伝熱管長さ　            ┃      < TL=  －　 >       ┃    mm    ┃", .when = W::LengthComputed},
    {.format = "      ┃8 │水平方向管列数　　　　  ┃      < NH=###.#  >       ┃    －    ┃", .when = W::Always, .values = {V::Nh}},
    {.format = "      ┃9 │捻りﾃｰﾌﾟﾋﾟｯﾁ(谷間)      ┃      < Pich=###.#>       ┃   mm     ┃", .when = W::Tape, .values = {V::TapePitch}},
    {.format = "      ┃  │冷媒飽和圧力　　　　    ┃      < Psat=##.####>     ┃   Mpa    ┃", .when = W::Evaporation, .values = {V::Psat}},
    {.format = "      ┃  │冷媒圧力損失　　        ┃      < SRFT=###.###>     ┃   N/m    ┃", .when = W::Evaporation, .values = {V::SIGt}},
};

// Mode "JSI": thermal results.
inline constexpr SheetRow kThermalJsi[] = {
    {.format = "      ┃1 │交換熱量　　　          ┃      < Q=#######.# >     ┃    W     ┃", .when = W::ArrangementLatent, .values = {V::Q}},
    {.format = "      ┃1 │交換熱量　　　          ┃      < Q=#######.# >     ┃    W     ┃", .when = W::ArrangementCross, .values = {V::Q2}},
    {.format = "      ┃2 │入側温度　　　　　　　  ┃ Tti=###.#  │ Tsi=###.#  ┃    K     ┃", .when = W::ArrangementCross, .values = {V::Tti, V::Tsi}},
    {.format = "      ┃3 │出側温度  　　　　　　　┃ Tto=###.#  │ Tso=###.#  ┃    K     ┃", .when = W::ArrangementCross, .values = {V::T2X, V::TY2}},
    {.format = "      ┃2 │入側温度　　　　　　    ┃ Tti=###.#  │ Tsi=###.#  ┃    K     ┃", .when = W::ArrangementLatent, .values = {V::Tti, V::Tsi}},
    {.format = "      ┃3 │出側温度　　　　　　　  ┃ Tto=###.#  │ Tso=###.#  ┃    K     ┃", .when = W::ArrangementLatent, .values = {V::Tto, V::Tso}},
    {.format = "      ┃4 │流体重量流量　          ┃ Wt=###.####│ Ws=###.####┃    kg/s  ┃", .when = W::MassTypedIn, .values = {V::Wt, V::Ws}},
    {.format = "      ┃4 │流体重量流量　　　   　 ┃ Wt=####.###│ Ws=####.###┃   kg/s   ┃", .when = W::MassGasLatent, .values = {V::VtDtN, V::VsDsN}},
    {.format = "      ┃4 │流体重量流量　　　　　  ┃ Wt=###.####│ Ws=###.####┃   kg/s   ┃", .when = W::MassGasShellMass, .values = {V::VtDtN, V::Wsx}},
    {.format = "      ┃4 │流体重量流量　　　　　  ┃ Wt=###.####│ Ws=###.####┃   kg/s   ┃", .when = W::MassGasShellOpen, .values = {V::VtDtN, V::VsaDs}},
    {.format = "      ┃4 │流体重量流量　          ┃ Wt=###.####│ Ws=###.####┃    kg/s  ┃", .when = W::MassWaterShellMass, .values = {V::WttKg, V::VsDsN}},
    {.format = "      ┃4 │流体重量流量　          ┃ Wt=###.####│ Ws=###.####┃    kg/s  ┃", .when = W::MassWaterShellOpen, .values = {V::WttKg, V::Wsx}},
    {.format = "      ┃  │  ◇ 密度(ﾉﾙﾏﾙ)　　　   ┃ Dnt=#.###  │ Dns=#.###  ┃  kg/Nm3  ┃", .when = W::NotWater, .values = {V::DtN, V::DsN}},
    {.format = "      ┃  │  ◇ 密度(ﾉﾙﾏﾙ)　　　   ┃ 　　－ 　  │ Dns=#.###  ┃  kg/Nm3  ┃", .when = W::Water, .values = {V::DsN}},
    {.format = "      ┃5 │最大流体流速M　　　     ┃ Ut=##.##   │ Us=##.##   ┃    m/s   ┃", .when = W::Always, .values = {V::VW, V::UM}},
    {.format = "      ┃6 │熱伝達率　　　　        ┃ Ht=#####.# │ Hs=#####.# ┃  W/m2K   ┃", .when = W::Tape, .values = {V::Ht, V::Hs}},
    {.format = "      ┃7 │ﾚｲﾉﾙｽﾞ数　　            ┃ Ret=#####.#│ Res=#####.#┃    －    ┃", .when = W::Tape, .values = {V::RetT, V::Res}},
    {.format = "      ┃6 │熱伝達率　　　　        ┃ Ht=#####.# │ Hs=#####.# ┃  W/m2K   ┃", .when = W::NoTape, .values = {V::Ht, V::Hs}},
    {.format = "      ┃7 │ﾚｲﾉﾙｽﾞ数　　            ┃ Ret=#######│ Res=#######┃    －    ┃", .when = W::NoTape, .values = {V::Ret, V::Res}},
    {.format = "      ┃8 │湿り凝縮熱伝達増加率　　┃ Kc=##.###  │     －     ┃    －    ┃", .when = W::LatentTube, .values = {V::Kc}},
    {.format = "      ┃8 │湿り凝縮伝熱増加率　　  ┃     －     │ Kc=##.###  ┃    －    ┃", .when = W::LatentShell, .values = {V::Kc}},
    {.format = "      ┃9 │熱通過率　　　　　　　  ┃ KI=####.#  │ KO=####.#  ┃  W/m2K   ┃", .when = W::Always, .values = {V::KI, V::KOsheet}},
    {.format = "      ┃10│ﾌｨﾝ効率　　　　         ┃     －     │ EA=#.####  ┃    －    ┃", .when = W::Finned, .values = {V::Fe}},
    {.format = "      ┃11│対数平均温度差　　　    ┃      < LMTD=###.#  >     ┃    K     ┃", .when = W::NotCounterLatent, .values = {V::LMTD}},
    {.format = "      ┃  │                        ┃  < corrrect.fact.=#.### >┃    －    ┃", .when = W::NotCounterLatent, .values = {V::Fthe}},
    {.format = "      ┃11│対数平均温度差　　　    ┃      < LMTD=###.# >      ┃    K     ┃", .when = W::CounterLatent, .values = {V::LMTD}},
    {.format = "      ┃                            ┃  < correct.fact.=#.### > ┃    －    ┃", .when = W::CounterLatent, .values = {V::FF}},
    {.format = "      ┃12│温度効率　　　　　　    ┃ Et=.###    │ Es=.###    ┃    －    ┃", .when = W::NotVapour, .values = {V::Et, V::Es}},
    {.format = "      ┃12│温度効率　　　　　　    ┃     －     │ Es=.###    ┃    －    ┃", .when = W::Vapour, .values = {V::Es}},
    {.format = "      ┃  │蒸発量　　　　　　  　　┃ Wtc=##.### │     －　   ┃　 kg/s 　┃", .when = W::PhaseEvaporation, .values = {V::Wc}},
    {.format = "      ┃  │凝縮量　　　　　　　　  ┃ Wtc=#.#### │     －　   ┃   kg/s   ┃", .when = W::PhaseCondensation, .values = {V::Wc}},
    {.format = "      ┃  │凝縮量　　　　　　　　  ┃ Wtc=#.#### │Wo=##.###   ┃   kg/s   ┃", .when = W::PhaseLatent, .values = {V::Wtc, V::Wo}},
    {.format = "      ┃13│平均管壁温度　　　      ┃      < Twav=####.# >     ┃    K     ┃", .when = W::Always, .values = {V::Twav}},
    {.format = "      ┃14│圧力損失　　            ┃ DPt=###.###│ DPs=###.###┃    Pa    ┃", .when = W::NotWater, .values = {V::PtGas, V::PsGas}},
    {.format = "      ┃14│圧力損失　　   　       ┃ DPt=##.####│DPs=####.###┃ MPa / Pa ┃", .when = W::Water, .values = {V::PtLiquid, V::PsGas}},
};

// Mode "JSI": body size.
inline constexpr SheetRow kBodyJsi[] = {
    {.format = "      ┃2 │実体伝熱面積            ┃At=#####.#  │As=#####.#  ┃    m2    ┃", .when = W::Always, .values = {V::Ai, V::Ao}},
    {.format = "      ┃2 │有効伝熱面積            ┃At=#####.#  │As=#####.#  ┃    m2    ┃", .when = W::Finned, .values = {V::Ai, V::Aoe}},
    {.format = "      ┃3 │伝熱管総本数            ┃       < N=#####.##   >   ┃    －    ┃", .when = W::Always, .values = {V::Tubes}},
    {.format = "      ┃5 │ﾌｨﾝ外径                 ┃       < Df=###.###  >    ┃    mm    ┃", .when = W::Finned, .values = {V::Df}},
    {.format = "      ┃6 │水平方向管列数          ┃       < W =####.#   >    ┃    mm    ┃", .when = W::Always, .values = {V::W}},
    {.format = "      ┃7 │垂直方向管束高さ        ┃       < H =#####    >    ┃    mm    ┃", .when = W::Always, .values = {V::H}},
    {.format = "      ┃8 │垂直方向管列数          ┃       < Nv=####.#   >    ┃    －    ┃", .when = W::Always, .values = {V::Nv}},
    {.format = "      ┃9 │総伝熱管延べ長さ        ┃       < L =#######  >    ┃    mm    ┃", .when = W::Always, .values = {V::Length}},
    {.format = "      ┃10│概略熱交換器寸法 　　　 ┃tl=#####×h=#####×w=#### ┃    mm    ┃", .when = W::Always, .values = {V::TL, V::BodyH, V::BodyW}},
};

// Mode "JSI": saturated humid gas on the shell side (heading row first).
inline constexpr SheetRow kWetShellJsi[] = {
    {.format = "      ┃No│     項　　　目 　        ┃   ｼｪﾙ入側  │ 　ｼｪﾙ出側  ┃  単位  ┃", .when = W::Always},
    {.format = "      ┃1 │ｶﾞｽ流量(ﾉﾙﾏﾙ)          　 ┃ VNi=###.###│ VNo=###.###┃ Nm3/s  ┃", .when = W::Always, .values = {V::Vs, V::VNo}},
    {.format = "      ┃2 │重量流量            　　　┃ Wsi=###.###│ Wso=###.###┃ kg/s   ┃", .when = W::Always, .values = {V::ShellMassIn, V::ShellMassOut}},
    {.format = "      ┃3 │飽和湿り蒸気圧力    　　　┃ Psi=#.###  │ Pso=#.###  ┃ MPa    ┃", .when = W::Always, .values = {V::PvsIn, V::PvsOut}},
    {.format = "      ┃4 │飽和水蒸気ｴﾝﾀﾙﾋﾟｰ    　　 ┃ Hsi=####.##│ Hso=####.##┃ kJ/kg  ┃", .when = W::Always, .values = {V::HsatIn, V::HsatOut}},
    {.format = "      ┃5 │絶対湿度                  ┃ Xsi=##.####│ Xso=##.####┃ kg/kg  ┃", .when = W::Always, .values = {V::Xin, V::Xout}},
    {.format = "      ┃6 │分子量比(水/混合ｶﾞｽ)      ┃      < WS =#.####  >     ┃   －　 ┃", .when = W::Always, .values = {V::MS}},
    {.format = "      ┃7 │凝縮水量             　　 ┃      < Wc =#.##### >     ┃ kg/s   ┃", .when = W::Always, .values = {V::Wc}},
    {.format = "      ┃8 │総水分量　　　　　　　　　┃      < Wm =##.#### >     ┃ kg/s   ┃", .when = W::Always, .values = {V::Wm}},
};

// Mode "JSI": saturated humid gas in the tubes (heading row first; this sheet has no ratio row here).
inline constexpr SheetRow kWetTubeJsi[] = {
    {.format = "      ┃No│     項　　　目 　        ┃   管入側　 │ 　管出側   ┃  単位  ┃", .when = W::Always},
    {.format = "      ┃1 │ｶﾞｽ流量(ﾉﾙﾏﾙ)             ┃ VNi=###.###│ VNo=###.###┃ Nm3/s  ┃", .when = W::Always, .values = {V::Vt, V::VNo}},
    {.format = "      ┃2 │重量流量                  ┃ Wti=###.###│ Wto=###.###┃ kg/s   ┃", .when = W::Always, .values = {V::TubeMassIn, V::TubeMassOut}},
    {.format = "      ┃3 │飽和湿り蒸気圧力          ┃ Pti=#.###  │ Pto=#.###  ┃ MPa    ┃", .when = W::Always, .values = {V::PvsIn, V::PvsOut}},
    {.format = "      ┃4 │飽和水蒸気ｴﾝﾀﾙﾋﾟｰ         ┃ Hti=####.##│ Hto=####.##┃ kJ/kg  ┃", .when = W::Always, .values = {V::HsatIn, V::HsatOut}},
    {.format = "      ┃5 │絶対湿度                  ┃ Xti=##.####│ Xto=##.####┃ kg/kg  ┃", .when = W::Always, .values = {V::Xin, V::Xout}},
    {.format = "      ┃7 │凝縮水量                  ┃      < Wc =#.##### >     ┃ kg/s   ┃", .when = W::Always, .values = {V::Wc}},
    {.format = "      ┃8 │総水分量　　　　　　　　  ┃      < Wm =##.#### >     ┃ kg/s   ┃", .when = W::Always, .values = {V::Wm}},
};


inline constexpr SheetMode kSheetJ{
    .title = "                      << 直交流型熱交換器計算シート>>     日付(",
    .premise = "       [前　提]",
    .styleLead = "      * 熱交換スタイル :",
    .propertyMeans = "      * 物性代表温度 (Shell:###.#ﾟC  Tube:###.#ﾟC) ",
    .fluidMeans = "      * 流体平均温度 (Shell:###.#ﾟC  Tube:###.#ﾟC)",
    .input = "       ■ 入力条件 ■ ",
    .inputSections = {"       Ⅰ. 物性値", "       Ⅱ. 寸法", "       Ⅲ. 設定条件"},
    .output = "   　  ■ 計算結果 ■",
    .outputSections = {"       Ⅰ. 伝熱流体特性", "       Ⅱ. 寸法"},
    .wetShell = "       Ⅲ. ｼｪﾙ側湿り伝熱緒特性　",
    .wetTube = "       Ⅲ. 管内側湿り伝熱緒特性 ",
    .heading = "      ┃No│     項　　　目 　      ┃   管内側　 │ 　ｼｪﾙ側 　 ┃   単位   ┃",
    .propertiesHeading = "      ┃No│     項　　　目 　      ┃   管内側　 │ 　ｼｪﾙ側 　 ┃   単位   ┃",
    .properties = kPropertiesJ,
    .dimensions = kDimensionsJ,
    .settings = kSettingsJ,
    .thermal = kThermalJ,
    .body = kBodyJ,
    .wetShellRows = kWetShellJ,
    .wetTubeRows = kWetTubeJ,
};

inline constexpr SheetMode kSheetJsi{
    .title = "                          << 直交流型熱交換器計算シート >>   日付(",
    .premise = "       [前　提]",
    .styleLead = "      * 熱交換スタイル :",
    .propertyMeans = "      * 物性代表温度 (Shell:###.#K  Tube:###.#K)",
    .fluidMeans = "      * 流体平均温度 (Shell:###.#K  Tube:###.#K)",
    .input = "       ■ 入力条件 ■ ",
    .inputSections = {"       Ⅰ. 物性値", "       Ⅱ. 寸法", "       Ⅲ. 設定条件"},
    .output = "       ■ 計算結果 ■",
    .outputSections = {"       Ⅰ. 伝熱流体特性", "       Ⅱ. 寸法"},
    .wetShell = "       Ⅲ. ｼｪﾙ側湿り伝熱緒特性　",
    .wetTube = "       Ⅲ. 管内側湿り伝熱緒特性 ",
    .heading = "      ┃No│     項　　　目 　      ┃   管内側　 │ 　ｼｪﾙ側 　 ┃   単位   ┃",
    .propertiesHeading = "      ┃No│     項　　　目 　      ┃   管内側　 │ 　ｼｪﾙ側 　 ┃   単位   ┃",
    .properties = kPropertiesJsi,
    .dimensions = kDimensionsJsi,
    .settings = kSettingsJsi,
    .thermal = kThermalJsi,
    .body = kBodyJsi,
    .wetShellRows = kWetShellJsi,
    .wetTubeRows = kWetTubeJsi,
};

// Mode "E": physical properties; HtcMode 3 ends the surface-tension row with plain blanks.
inline constexpr SheetRow kPropertiesE[] = {
    {.format = "      ┃1 │FLUI.DENSITY            ┃ Dt=####.###│ Ds=####.###┃  kg/m3   ┃", .when = W::Always, .values = {V::Dt, V::Ds}},
    {.format = "      ┃2 │SPECIFIC HEAT           ┃ Ct=##.###  │ Cs=##.###  ┃kcal/kgﾟc ┃", .when = W::Always, .values = {V::Ct, V::Cs}},
    {.format = "      ┃3 │SCALE FACTOR            ┃ Rt=#.####  │ Rs=#.####  ┃m2hﾟc/kcal┃", .when = W::Always, .values = {V::Rt, V::Rs}},
    {.format = "      ┃4 │FLUI.THERMAL CONDUCTI.  ┃ Kt=#.####  │ Ks=#.####  ┃kcal/mhﾟc ┃", .when = W::Always, .values = {V::Kt, V::Ks}},
    {.format = "      ┃5 │THERMAL CONDUCTI.OF FIN ┃       < Kf=###.## >      ┃kcal/mhﾟc ┃", .when = W::Finned, .values = {V::Kf}},
    {.format = "      ┃6 │THERMAL CONDUCTI.OF TUBE┃       < Km=###.## >      ┃kcal/mhﾟc ┃", .when = W::Always, .values = {V::Km}},
    {.format = "      ┃7 │VISCOSITY               ┃ Vt=#.####  │ Vs=#.####  ┃  m2/h    ┃", .when = W::Always, .values = {V::VIt, V::VIs}},
    {.format = "      ┃8 │HUMIDITY                ┃ Xt=##.#### │ Xs=##.#### ┃  kg/kg   ┃", .when = W::Always, .values = {V::Xt, V::Xs}},
    {.format = "      ┃9 │PRANDTL NUMBER          ┃ Prt=##.### │ Prs=##.### ┃    －    ┃", .when = W::Always, .values = {V::Prt, V::Prs}},
    {.format = "      ┃10│SAT.PRESSURE            ┃ Pt=##.#### │     －     ┃  kgf/cm2 ┃", .when = W::TubeSaturation, .values = {V::Psat}},
    {.format = "      ┃11│SRFACETENTION           ┃ Xt=#.####　│     －     ┃  kgf/m　 ┃", .when = W::TubeSaturationBoth, .values = {V::SIGt}},
    {.format = "      ┃11│SRFACETENTION           ┃ Xt=#.####　│     －     ┃  kgf/m   ┃", .when = W::TubeSaturationShellGiven, .values = {V::SIGt}},
};

// Mode "E": dimensions.
inline constexpr SheetRow kDimensionsE[] = {
    {.format = "      ┃1 │TUBE DIAMETER           ┃ DI=#.####  │ DO=#.####  ┃    m     ┃", .when = W::Always, .values = {V::DI, V::DO}},
    {.format = "      ┃2 │FIN NUMBER/INCH         ┃      < I =##.### >       ┃    －    ┃", .when = W::Always, .values = {V::FPI}},
    {.format = "      ┃3 │FIN HIGHT               ┃      < Fh=#.#### >       ┃    m     ┃", .when = W::Always, .values = {V::Fh}},
    {.format = "      ┃4 │FIN THICKNESS           ┃      < FT=#.#### >       ┃    m     ┃", .when = W::Always, .values = {V::FT}},
    {.format = "      ┃5 │VERTICAL TUBE PITCH     ┃      < Pv=#.#### >       ┃    m     ┃", .when = W::Always, .values = {V::Pv}},
    {.format = "      ┃6 │HORIZONTAL TUBE PITCH   ┃      < Ph=#.#### >       ┃    m     ┃", .when = W::Always, .values = {V::Ph}},
};

// Mode "E": set conditions. The inlets; the outlet row of the one-outlet cases shows Tso.
inline constexpr SheetRow kSettingsE[] = {
    {.format = "      ┃1 │PASS NUMBER             ┃ PNt=##     │ PNs=##     ┃   －　　 ┃", .when = W::Always, .values = {V::PNt, V::PNs}},
    {.format = "      ┃2 │FLUID FLOWRATE          ┃ Wt=######.#│ Ws=######.#┃   kg/h   ┃", .when = W::FlowTypedIn, .values = {V::Wt, V::Ws}},
    {.format = "      ┃2 │FLUID FLOWRATE          ┃ Vt=######.#│ Vs=######.#┃kg/h,Nm3/h┃", .when = W::FlowNormalShellMass, .values = {V::VtDtN, V::Vs}},
    {.format = "      ┃2 │FLUID FLOWRATE          ┃ Vt=######.#│ Vs=######.#┃   Nm3/h  ┃", .when = W::FlowNormalShellNormal, .values = {V::Vt, V::Vs}},
    {.format = "      ┃2 │FLUID FLOWRATE          ┃ Wt=######.#│ Ws=######.#┃   kg/h   ┃", .when = W::FlowTubeMass, .values = {V::VtDtN, V::Wsx}},
    {.format = "      ┃2 │FLUID FLOWRATE          ┃ Wt=###.#   │ Vs=######.#┃t/h, Nm3/h┃", .when = W::FlowWaterLatent, .values = {V::Wtt, V::Vs}},
    {.format = "      ┃2 │FLUID FLOWRATE          ┃ Wt=###.#   │ Vs=######.#┃t/h, Nm3/h┃", .when = W::FlowWaterSensible, .values = {V::Wtt, V::VsWaterShell}},
    {.format = "      ┃4 │INLET TEMPERATURE       ┃ Tti=####.# │ Tsi=####.# ┃   ﾟc     ┃", .when = W::TempLatentShell, .values = {V::Tti, V::TdewS}},
    {.format = "      ┃4 │INLET TEMPERATURE       ┃ Tti=####.# │ Tsi=####.# ┃   ﾟc     ┃", .when = W::TempInletOnly, .values = {V::Tti, V::Tsi}},
    {.format = "      ┃4 │INLET TEMPERATURE       ┃ Tti=####.# │ Tsi=####.# ┃   ﾟc     ┃", .when = W::TempOneOutlet, .values = {V::Tti, V::Tsi}},
    {.format = "      ┃3 │OUTLET TEMPERATURE      ┃     －     │ Tso=####.# ┃   ﾟc     ┃", .when = W::TempOneOutlet, .values = {V::Tso}},
    {.format = "      ┃3 │INLET TEMPERATURE       ┃ Tti=####.# │ TSi=####.# ┃ 　ﾟc     ┃", .when = W::TempBothOutlets, .values = {V::Tti, V::Tsi}},
    {.format = "      ┃4 │OUTLET TEMPERATURE      ┃ Tto=####.# │ TSo=####.# ┃   ﾟc     ┃", .when = W::TempBothOutlets, .values = {V::Tto, V::Tso}},
    {.format = "      ┃5 │WIDTH OF TUBE BUNDLE    ┃      < H =##.### >       ┃    m     ┃", .when = W::RowsAndLength, .values = {V::H}},
    {.format = "      ┃6 │VERTICAL TUBE NUMBER    ┃      < Nv=###.#  >       ┃    －    ┃", .when = W::RowsAndLength, .values = {V::Nv}},
    {.format = "      ┃7 │TUBE LENGTH             ┃      < TL=##.### >       ┃    m     ┃", .when = W::Always, .values = {V::TL}},
    {.format = "      ┃8 │HORIZONTAL TUBE NUMBER  ┃      < Nh=###.#  >       ┃    －    ┃", .when = W::Always, .values = {V::Nh}},
    {.format = "      ┃6 │VERTICAL TUBE NUMBER    ┃      < Nv=###.#  >       ┃   －     ┃", .when = W::FrontRows, .values = {V::Nv}},
    {.format = "      ┃9 │TWISTED TAPE PITCH      ┃      < Pich=###.#>       ┃   mm     ┃", .when = W::Tape, .values = {V::TapePitch}},
};

// Mode "E": thermal results.
inline constexpr SheetRow kThermalE[] = {
    {.format = "      ┃1 │EXCH.AS HEAT            ┃      < Q=#######.# >     ┃  kcal/h  ┃", .when = W::ArrangementLatent, .values = {V::Q}},
    {.format = "      ┃1 │EXCH.AS HEAT            ┃      < Q=#######.# >     ┃  kcal/h  ┃", .when = W::ArrangementCross, .values = {V::Q2}},
    {.format = "      ┃2 │INLET GAS TEMPERETURE   ┃ Tti=###.#  │ Tsi=###.#  ┃    ﾟC    ┃", .when = W::ArrangementCross, .values = {V::Tti, V::Tsi}},
    {.format = "      ┃3 │OUTLET GAS TEMPERETURE  ┃ Tto=###.#  │ Tso=###.#  ┃    ﾟC    ┃", .when = W::ArrangementCross, .values = {V::T2X, V::TY2}},
    {.format = "      ┃2 │INLET GAS TEMPERETURE   ┃ Tti=###.#  │ Tsi=###.#  ┃    ﾟC    ┃", .when = W::ArrangementLatent, .values = {V::Tti, V::Tsi}},
    {.format = "      ┃3 │OUTLET GAS TEMPERETURE  ┃ Tto=###.#  │ Tso=###.#  ┃    ﾟC    ┃", .when = W::ArrangementLatent, .values = {V::Tto, V::Tso}},
    {.format = "      ┃4 │FLUID WEIGHT.FLOWRATE   ┃ Wt=######.#│ Ws=######.#┃    kg/h  ┃", .when = W::MassTypedIn, .values = {V::Wt, V::Ws}},
    {.format = "      ┃4 │FLUID WEIGHT FLOWRATE   ┃ Wt=######.#│ Ws=######.#┃   kg/h   ┃", .when = W::MassGasLatent, .values = {V::VtDtN, V::VsDsN}},
    {.format = "      ┃4 │FLUID WEIGHT FLOWRATE   ┃ Wt=######.#│ Ws=######.#┃   kg/h   ┃", .when = W::MassGasShellMass, .values = {V::VtDtN, V::Wsx}},
    {.format = "      ┃4 │FLUID WEIGHT FLOWRATE   ┃ Wt=######.#│ Ws=######.#┃   kg/h   ┃", .when = W::MassGasShellOpen, .values = {V::VtDtN, V::VsaDs}},
    {.format = "      ┃4 │FLUID WEIGHT.FLOWRATE   ┃ Wt=######.#│ Ws=######.#┃    kg/h  ┃", .when = W::MassWaterShellMass, .values = {V::WttKg, V::VsDsN}},
    {.format = "      ┃4 │FLUID WEIGHT.FLOWRATE   ┃ Wt=######.#│ Ws=######.#┃    kg/h  ┃", .when = W::MassWaterShellOpen, .values = {V::WttKg, V::Wsx}},
    {.format = "      ┃  │  ◇ Normal density     ┃ Dni=#.###  │ Dno=#.###  ┃  kgN/m3  ┃", .when = W::NotWater, .values = {V::DtN, V::DsN}},
    {.format = "      ┃  │  ◇ Normal density     ┃     －     │ Dno=#.###  ┃  kgN/m3  ┃", .when = W::Water, .values = {V::DsN}},
    {.format = "      ┃5 │MAX.FLUID VELOCITY      ┃ Ut=##.##   │ Us=##.##   ┃    m/s   ┃", .when = W::Always, .values = {V::VW, V::UM}},
    {.format = "      ┃6 │HEAT TR.COEFFI.         ┃ Ht=#####.# │ Hs=#####.# ┃kcal/m2hﾟc┃", .when = W::Tape, .values = {V::Ht, V::Hs}},
    {.format = "      ┃7 │REYNOLDS NO.            ┃ Ret=#####.#│ Res=#####.#┃    －    ┃", .when = W::Tape, .values = {V::RetT, V::Res}},
    {.format = "      ┃6 │HEAT TR.COEFFI.         ┃ Ht=#####.# │ Hs=#####.# ┃kcal/m2hﾟc┃", .when = W::NoTape, .values = {V::Ht, V::Hs}},
    {.format = "      ┃7 │REYNOLDS NO.            ┃ Ret=#######│ Res=#######┃    －    ┃", .when = W::NoTape, .values = {V::Ret, V::Res}},
    {.format = "      ┃8 │ENHANCEMENT RATE OF WET ┃ Kc=##.###  │     －     ┃    －    ┃", .when = W::LatentTube, .values = {V::Kc}},
    {.format = "      ┃  │GAS HEAT TRANSFER       ┃            │            ┃          ┃", .when = W::LatentTube},
    {.format = "      ┃8 │ENHANCEMENT RATE OF WET ┃     －     │ Kc=##.###  ┃    －    ┃", .when = W::LatentShell, .values = {V::Kc}},
    {.format = "      ┃  │GAS HEAT TRANSFER       ┃            │            ┃          ┃", .when = W::LatentShell},
    {.format = "      ┃9 │OVERALL HEAT TR.COEFF.  ┃ Kt=####.#  │ Ks=####.#  ┃kcal/m2hﾟc┃", .when = W::Always, .values = {V::KI, V::KOsheet}},
    {.format = "      ┃10│FIN EFFICIENCY          ┃     －     │ Es=#.####  ┃    －    ┃", .when = W::Finned, .values = {V::Fe}},
    {.format = "      ┃11│LOG.MEAM TEMP.DEF.      ┃      < LMTD=###.#  >     ┃    ℃    ┃", .when = W::NotCounterLatent, .values = {V::LMTD}},
    {.format = "      ┃  │                        ┃  < corrrect.fact.=#.### >┃    －    ┃", .when = W::NotCounterLatent, .values = {V::Fthe}},
    {.format = "      ┃11│LOG.MEAM TEMP.DEF.      ┃      < LMTD=###.# >      ┃    ℃    ┃", .when = W::CounterLatent, .values = {V::LMTD}},
    {.format = "      ┃                            ┃  < correct.fact.=#.### > ┃    －    ┃", .when = W::CounterLatent, .values = {V::FF}},
    {.format = "      ┃12│THERMAL COEFFICIENT     ┃ Et=.###    │ Es=.###    ┃    －    ┃", .when = W::NotVapour, .values = {V::Et, V::Es}},
    {.format = "      ┃12│THERMAL COEFFICIENT     ┃     －     │ Es=.###    ┃    －    ┃", .when = W::Vapour, .values = {V::Es}},
    {.format = "      ┃  │MATERIAL TRANS. FLOWRATE┃ Wtc=####.# │     －     ┃   kg/h   ┃", .when = W::Vapour, .values = {V::Wc}},
    {.format = "      ┃13│AV.TUBE WALL TEMP.      ┃      < Twav=###.# >      ┃    ℃    ┃", .when = W::Always, .values = {V::Twav}},
    {.format = "      ┃14│PRESS.LOSS              ┃ DPt=###.###│ DPs=###.###┃   mmAq   ┃", .when = W::NotWater, .values = {V::PtGas, V::PsGas}},
    {.format = "      ┃14│PRESS.LOSS              ┃ DPt=##.####│DPs=####.##┃kg/cm2,mmAq┃", .when = W::Water, .values = {V::PtLiquid, V::PsGas}},
};

// Mode "E": body size.
inline constexpr SheetRow kBodyE[] = {
    {.format = "      ┃2 │ACTUAL TUBES AREA       ┃Ai=#####.#  │Ao=#####.#  ┃    m2    ┃", .when = W::Always, .values = {V::Ai, V::Ao}},
    {.format = "      ┃2 │EFFECTIV TUBES AREA     ┃      -     │Ao=#####.#  ┃    m2    ┃", .when = W::Finned, .values = {V::Aoe}},
    {.format = "      ┃3 │WHOLE NUMBER OF TUBES   ┃       < N=#####.##   >   ┃    －    ┃", .when = W::Always, .values = {V::Tubes}},
    {.format = "      ┃5 │DIAMATER OF FIN TUBE    ┃       < Df=#.#####  >    ┃    m     ┃", .when = W::Finned, .values = {V::Df}},
    {.format = "      ┃6 │HORIZONTAL TUBE BUNDLE  ┃       < W =#.###    >    ┃    m     ┃", .when = W::Always, .values = {V::W}},
    {.format = "      ┃7 │VERTICAL TUBE BUNDLE    ┃       < H =##.###   >    ┃    m     ┃", .when = W::Always, .values = {V::H}},
    {.format = "      ┃8 │VERTICAL TUBE NUMBER    ┃       < Nv=#####.#  >    ┃    －    ┃", .when = W::Always, .values = {V::Nv}},
    {.format = "      ┃9 │WHOLE TUBE LENGTH       ┃       < L =#####.## >    ┃    m     ┃", .when = W::Always, .values = {V::Length}},
    {.format = "      ┃10│ ESTIMATE OF BODY SIZE  ┃tl=#.###×h=##.##×w=#.###┃    m     ┃", .when = W::Always, .values = {V::TL, V::BodyH, V::BodyW}},
};

// Mode "E": saturated humid gas on the shell side (heading row first).
inline constexpr SheetRow kWetShellE[] = {
    {.format = "      ┃No│        Items      　　   ┃ Inlet side │Outlet side ┃　Unit  ┃", .when = W::Always},
    {.format = "      ┃1 │NORMAL GAS FLOWRATE   　　┃ VNi=###### │ VNo=###### ┃ Nm3/h  ┃", .when = W::Always, .values = {V::Vs, V::VNo}},
    {.format = "      ┃2 │WEIGHT FLOWRATE     　　　┃ Wsi=###### │ Wso=###### ┃ kg/h   ┃", .when = W::Always, .values = {V::ShellMassIn, V::ShellMassOut}},
    {.format = "      ┃3 │SAT.HUMIDITY PRESS. 　　　┃ Psi=#.###  │ Pso=#.###  ┃ kg/cm2 ┃", .when = W::Always, .values = {V::PvsIn, V::PvsOut}},
    {.format = "      ┃4 │SAT.ENTHALPY         　　 ┃ Hsi=####.##│ Hso=####.##┃ kcal/kg┃", .when = W::Always, .values = {V::HsatIn, V::HsatOut}},
    {.format = "      ┃5 │SAT.ABS.HUMID.            ┃ Xsi=##.####│ Xso=##.####┃ kg/kg  ┃", .when = W::Always, .values = {V::Xin, V::Xout}},
    {.format = "      ┃6 │CONDENSATE RECOVERY  　　 ┃      < Wc =###### >      ┃ kg/h   ┃", .when = W::Always, .values = {V::Wc}},
    {.format = "      ┃7 │Max. H2O WEIGHT FLOW RATE ┃      < Wm =###### >      ┃ kg/h   ┃", .when = W::Always, .values = {V::Wm}},
};

// Mode "E": saturated humid gas in the tubes: the shell rows with tube values, enthalpy in kcal/kg.
inline constexpr SheetRow kWetTubeE[] = {
    {.format = "      ┃No│        Items             ┃ Inlet side │Outlet side ┃  Unit  ┃", .when = W::Always},
    {.format = "      ┃1 │NORMAL GAS FLOWRATE   　　┃ VNi=###### │ VNo=###### ┃ Nm3/h  ┃", .when = W::Always, .values = {V::Vt, V::VNo}},
    {.format = "      ┃2 │WEIGHT FLOWRATE     　　　┃ Wsi=###### │ Wso=###### ┃ kg/h   ┃", .when = W::Always, .values = {V::TubeMassIn, V::TubeMassOut}},
    {.format = "      ┃3 │SAT.HUMIDITY PRESS. 　　　┃ Psi=#.###  │ Pso=#.###  ┃ kg/cm2 ┃", .when = W::Always, .values = {V::PvsIn, V::PvsOut}},
    {.format = "      ┃4 │SAT.ENTHALPY         　　 ┃ Hsi=####.##│ Hso=####.##┃ kcal/kg┃", .when = W::Always, .values = {V::HsatIn, V::HsatOut}},
    {.format = "      ┃5 │SAT.ABS.HUMID.            ┃ Xsi=##.####│ Xso=##.####┃ kg/kg  ┃", .when = W::Always, .values = {V::Xin, V::Xout}},
    {.format = "      ┃6 │CONDENSATE RECOVERY  　　 ┃      < Wc =###### >      ┃ kg/h   ┃", .when = W::Always, .values = {V::Wc}},
    {.format = "      ┃7 │Max. H2O WEIGHT FLOW RATE ┃      < Wm =###### >      ┃ kg/h   ┃", .when = W::Always, .values = {V::Wm}},
};

// Mode "ESI": physical properties.
inline constexpr SheetRow kPropertiesEsi[] = {
    {.format = "      ┃1 │FLUI.DENSITY            ┃ Dt=####.###│ Ds=####.###┃  kg/m3   ┃", .when = W::Always, .values = {V::Dt, V::Ds}},
    {.format = "      ┃2 │SPECIFIC HEAT           ┃ Ct=####.#  │ Cs=####.#  ┃  kJ/kgK  ┃", .when = W::Always, .values = {V::Ct, V::Cs}},
    {.format = "      ┃3 │SCALE FACTOR            ┃ Rt=#.####  │ Rs=#.####  ┃  m2k/W   ┃", .when = W::Always, .values = {V::Rt, V::Rs}},
    {.format = "      ┃4 │FLUI.THERMAL CONDUCTI.  ┃ Kt=#.####  │ Ks=#.####  ┃  W/mK    ┃", .when = W::Always, .values = {V::Kt, V::Ks}},
    {.format = "      ┃5 │THERMAL CONDUCTI.OF FIN ┃       < KF=###.## >      ┃  W/mK    ┃", .when = W::Finned, .values = {V::Kf}},
    {.format = "      ┃6 │THERMAL CONDUCTI.OF TUBE┃       < KM=###.## >      ┃  W/mK    ┃", .when = W::Always, .values = {V::Km}},
    {.format = "      ┃7 │VISCOSITY               ┃ Vt=#.##### │ Vs=#.##### ┃  m2/s    ┃", .when = W::Always, .values = {V::VIt, V::VIs}},
    {.format = "      ┃8 │HUMIDITY                ┃ Xt=##.#### │ Xs=##.#### ┃  kg/kg   ┃", .when = W::Always, .values = {V::Xt, V::Xs}},
    {.format = "      ┃9 │PRANDTL NUMBER          ┃ PRt=##.### │ PRs=##.### ┃    －    ┃", .when = W::Always, .values = {V::Prt, V::Prs}},
    {.format = "      ┃10│SAT.PRESSURE            ┃ Pt=##.#### │     －     ┃   MPa    ┃", .when = W::TubeSaturation, .values = {V::Psat}},
    {.format = "      ┃11│SRFACETENTION           ┃ Xt=#.####　│     －     ┃   N/m　  ┃", .when = W::TubeSaturation, .values = {V::SIGt}},
};

// Mode "ESI": dimensions.
inline constexpr SheetRow kDimensionsEsi[] = {
    {.format = "      ┃1 │TUBE DIAMETER           ┃ DI=###.##  │ DO=###.##  ┃    mm    ┃", .when = W::Always, .values = {V::DI, V::DO}},
    {.format = "      ┃2 │FIN NUMBER/INCH         ┃      < I =##.### >       ┃    －    ┃", .when = W::Always, .values = {V::FPI}},
    {.format = "      ┃3 │FIN HIGHT               ┃      < Fh=##.##  >       ┃    mm    ┃", .when = W::Always, .values = {V::Fh}},
    {.format = "      ┃4 │FIN THICKNESS           ┃      < Ft=#.###  >       ┃    mm    ┃", .when = W::Always, .values = {V::FT}},
    {.format = "      ┃5 │VERTICAL TUBE PITCH     ┃      < Pv=###.## >       ┃    mm    ┃", .when = W::Always, .values = {V::Pv}},
    {.format = "      ┃6 │HORIZONTAL TUBE PITCH   ┃      < Ph=###.## >       ┃    mm    ┃", .when = W::Always, .values = {V::Ph}},
};

// Mode "ESI": set conditions in the order of mode "E"; the bundle width in mm.
inline constexpr SheetRow kSettingsEsi[] = {
    {.format = "      ┃1 │PASS NUMBER             ┃ PNt=##     │ PNs=##     ┃    －　　┃", .when = W::Always, .values = {V::PNt, V::PNs}},
    {.format = "      ┃2 │FLUID FLOWRATE          ┃ Wt=##.#####│ Ws=##.#####┃   kg/s   ┃", .when = W::FlowTypedIn, .values = {V::Wt, V::Ws}},
    {.format = "      ┃2 │FLUID FLOWRATE          ┃ Vt=##.#####│ Vs=###.####┃kg/s,Nm3/s┃", .when = W::FlowNormalShellMass, .values = {V::VtDtN, V::Vs}},
    {.format = "      ┃2 │FLUID FLOWRATE          ┃ Vt=##.#####│ Vs=###.####┃   Nm3/s  ┃", .when = W::FlowNormalShellNormal, .values = {V::Vt, V::Vs}},
    {.format = "      ┃2 │FLUID FLOWRATE          ┃ Wt=##.#####│ Ws=###.####┃   kg/s   ┃", .when = W::FlowTubeMass, .values = {V::VtDtN, V::Wsx}},
    {.format = "      ┃2 │FLUID FLOWRATE          ┃ Wt=#.######│ Ws=###.####┃   kg/s   ┃", .when = W::FlowWater, .values = {V::WttKg, V::WsWaterShell}},
    {.format = "      ┃4 │INLET TEMPERATURE       ┃ Tti=####.# │ Tsi=####.# ┃    K     ┃", .when = W::TempLatentShell, .values = {V::Tti, V::TdewS}},
    {.format = "      ┃4 │INLET TEMPERATURE       ┃ Tti=####.# │ Tsi=####.# ┃    K     ┃", .when = W::TempInletOnly, .values = {V::Tti, V::Tsi}},
    {.format = "      ┃4 │INLET TEMPERATURE       ┃ Tti=####.# │ Tsi=####.# ┃    K     ┃", .when = W::TempOneOutlet, .values = {V::Tti, V::Tsi}},
    {.format = "      ┃3 │OUTLET TEMPERATURE      ┃     －     │ Tso=####.# ┃    K     ┃", .when = W::TempOneOutlet, .values = {V::Tso}},
    {.format = "      ┃3 │INLET TEMPERATURE       ┃ Tti=####.# │ Tsi=####.# ┃  　K     ┃", .when = W::TempBothOutlets, .values = {V::Tti, V::Tsi}},
    {.format = "      ┃4 │OUTLET TEMPERATURE      ┃ Tto=####.# │ Tso=####.# ┃    K     ┃", .when = W::TempBothOutlets, .values = {V::Tto, V::Tso}},
    {.format = "      ┃5 │WIDTH OF TUBE BUNDLE    ┃      < H =#####.# >      ┃    mm    ┃", .when = W::RowsAndLength, .values = {V::H}},
    {.format = "      ┃6 │VERTICAL TUBE NUMBER    ┃      < Nv=###.#   >      ┃    －    ┃", .when = W::RowsAndLength, .values = {V::Nv}},
    {.format = "      ┃7 │TUBE LENGTH             ┃      < TL=#####.# >      ┃    mm    ┃", .when = W::Always, .values = {V::TL}},
    {.format = "      ┃8 │HORIZONTAL TUBE NUMBER  ┃      < Nh=###.#   >      ┃    －    ┃", .when = W::Always, .values = {V::Nh}},
    {.format = "      ┃6 │VERTICAL TUBE NUMBER    ┃      < Nv=###.#   >      ┃    －    ┃", .when = W::FrontRows, .values = {V::Nv}},
    {.format = "      ┃9 │TWISTED TAPE PITCH      ┃      < Pich=###.#>       ┃    mm    ┃", .when = W::Tape, .values = {V::TapePitch}},
    {.format = "      ┃  │SAT.PRESS. OF REFRIGRANT┃      < Psat=##.####>     ┃   Mpa    ┃", .when = W::Evaporation, .values = {V::Psat}},
    {.format = "      ┃  │SURFACETENTION OF REFIG.┃      < SRFT=###.###>     ┃   N/m    ┃", .when = W::Evaporation, .values = {V::SIGt}},
};

// Mode "ESI": thermal results; the condensing vapour's flow in g/s.
inline constexpr SheetRow kThermalEsi[] = {
    {.format = "      ┃1 │EXCH.AS HEAT            ┃      < Q=#######.# >     ┃    W     ┃", .when = W::ArrangementLatent, .values = {V::Q}},
    {.format = "      ┃1 │EXCH.AS HEAT            ┃      < Q=#######.# >     ┃    W     ┃", .when = W::ArrangementCross, .values = {V::Q2}},
    {.format = "      ┃2 │INLET GAS TEMPERETURE   ┃ Tti=###.#  │ Tsi=###.#  ┃    K     ┃", .when = W::ArrangementCross, .values = {V::Tti, V::Tsi}},
    {.format = "      ┃3 │OUTLET GAS TEMPERETURE  ┃ Tto=###.#  │ Tso=###.#  ┃    K     ┃", .when = W::ArrangementCross, .values = {V::T2X, V::TY2}},
    {.format = "      ┃2 │INLET GAS TEMPERETURE   ┃ Tti=###.#  │ Tsi=###.#  ┃    K     ┃", .when = W::ArrangementLatent, .values = {V::Tti, V::Tsi}},
    {.format = "      ┃3 │OUTLET GAS TEMPERETURE  ┃ Tto=###.#  │ Tso=###.#  ┃    K     ┃", .when = W::ArrangementLatent, .values = {V::Tto, V::Tso}},
    {.format = "      ┃4 │FLUID WEIGHT.FLOWRATE   ┃ Wt=###.####│ Ws=###.####┃   kg/s   ┃", .when = W::MassTypedIn, .values = {V::Wt, V::Ws}},
    {.format = "      ┃4 │FLUID WEIGHT FLOWRATE   ┃ Wt=###.####│ Ws=###.####┃   kg/s   ┃", .when = W::MassGasLatent, .values = {V::VtDtN, V::VsDsN}},
    {.format = "      ┃4 │FLUID WEIGHT FLOWRATE   ┃ Wt=###.####│ Ws=###.####┃   kg/s   ┃", .when = W::MassGasShellMass, .values = {V::VtDtN, V::Wsx}},
    {.format = "      ┃4 │FLUID WEIGHT FLOWRATE   ┃ Wt=###.####│ Ws=###.####┃   kg/s   ┃", .when = W::MassGasShellOpen, .values = {V::VtDtN, V::VsaDs}},
    {.format = "      ┃4 │FLUID WEIGHT.FLOWRATE   ┃ Wt=###.####│ Ws=###.####┃   kg/s   ┃", .when = W::MassWaterShellMass, .values = {V::WttKg, V::VsDsN}},
    {.format = "      ┃4 │FLUID WEIGHT.FLOWRATE   ┃ Wt=###.####│ Ws=###.####┃   kg/s   ┃", .when = W::MassWaterShellOpen, .values = {V::WttKg, V::Wsx}},
    {.format = "      ┃  │  ◇ Nomial density     ┃ Dnt=#.###  │ Dns=#.###  ┃  kg/Nm3  ┃", .when = W::NotWater, .values = {V::DtN, V::DsN}},
    {.format = "      ┃  │  ◇ Nomial density     ┃ 　　－     │ Dns=#.###  ┃  kg/Nm3  ┃", .when = W::Water, .values = {V::DsN}},
    {.format = "      ┃5 │MAX.FLUID VELOCITY      ┃ Ut=##.##   │ Us=##.##   ┃    m/s   ┃", .when = W::Always, .values = {V::VW, V::UM}},
    {.format = "      ┃6 │HEAT TR.COEFFI.         ┃ Ht=#####.# │ Hs=#####.# ┃  W/m2K   ┃", .when = W::Tape, .values = {V::Ht, V::Hs}},
    {.format = "      ┃7 │REYNOLDS NO.            ┃ Ret=#####.#│ Res=#####.#┃    －    ┃", .when = W::Tape, .values = {V::RetT, V::Res}},
    {.format = "      ┃6 │HEAT TR.COEFFI.         ┃ Ht=#####.# │ Hs=#####.# ┃  W/m2K   ┃", .when = W::NoTape, .values = {V::Ht, V::Hs}},
    {.format = "      ┃7 │REYNOLDS NO.            ┃ Ret=#######│ Res=#######┃    －    ┃", .when = W::NoTape, .values = {V::Ret, V::Res}},
    {.format = "      ┃8 │ENHANCEMENT RATE OF WET ┃ Kc=##.###  │     －     ┃    －    ┃", .when = W::LatentTube, .values = {V::Kc}},
    {.format = "      ┃  │GAS HEAT TRANSFER       ┃            │            ┃          ┃", .when = W::LatentTube},
    {.format = "      ┃8 │ENHANCEMENT RATE OF WET ┃     －     │ Kc=##.###  ┃    －    ┃", .when = W::LatentShell, .values = {V::Kc}},
    {.format = "      ┃  │GAS HEAT TRANSFER       ┃            │            ┃          ┃", .when = W::LatentShell},
    {.format = "      ┃9 │OVERALL HEAT TR.COEFF.  ┃ KI=####.#  │ KO=####.#  ┃  W/m2K   ┃", .when = W::Always, .values = {V::KI, V::KOsheet}},
    {.format = "      ┃10│FIN EFFICIENCY          ┃     －     │ Fe=#.####  ┃    －    ┃", .when = W::Finned, .values = {V::Fe}},
    {.format = "      ┃11│LOG.MEAM TEMP.DEF.      ┃      < LMTD=###.#  >     ┃    K     ┃", .when = W::NotCounterLatent, .values = {V::LMTD}},
    {.format = "      ┃  │                        ┃  < corrrect.fact.=#.### >┃    －    ┃", .when = W::NotCounterLatent, .values = {V::Fthe}},
    {.format = "      ┃11│LOG.MEAM TEMP.DEF.      ┃      < LMTD=###.# >      ┃    K     ┃", .when = W::CounterLatent, .values = {V::LMTD}},
    {.format = "      ┃                            ┃  < correct.fact.=#.### > ┃    －    ┃", .when = W::CounterLatent, .values = {V::FF}},
    {.format = "      ┃12│THERMAL COEFFICIENT     ┃ Et=.###    │ Es=.###    ┃    －    ┃", .when = W::NotVapour, .values = {V::Et, V::Es}},
    {.format = "      ┃12│THERMAL COEFFICIENT     ┃     －     │ Es=.###    ┃    －    ┃", .when = W::Vapour, .values = {V::Es}},
    {.format = "      ┃8 │MATERIAL TRANS. VOLUME  ┃ Wfc=##.### │     －     ┃   g/s    ┃", .when = W::Vapour, .values = {V::WcGrams}},
    {.format = "      ┃13│AV.TUBE WALL TEMP.      ┃      < Tw=####.# >       ┃    K     ┃", .when = W::Always, .values = {V::Twav}},
    {.format = "      ┃14│PRESS.LOSS              ┃ DPt=###.###│ DPs=###.###┃    Pa    ┃", .when = W::NotWater, .values = {V::PtGas, V::PsGas}},
    {.format = "      ┃14│PRESS.LOSS              ┃ DPtv=##.####│ DPs=####.##┃ MPa / Pa ┃", .when = W::Water, .values = {V::PtLiquid, V::PsGas}},
};

// Mode "ESI": body size.
inline constexpr SheetRow kBodyEsi[] = {
    {.format = "      ┃2 │ACTUAL TUBES AREA       ┃Ai=#####.#  │Ao=#####.#  ┃    m2    ┃", .when = W::Always, .values = {V::Ai, V::Ao}},
    {.format = "      ┃2 │EFFECTIV TUBES AREA     ┃Ai=#####.#  │Ao=#####.#  ┃    m2    ┃", .when = W::Finned, .values = {V::Ai, V::Aoe}},
    {.format = "      ┃3 │WHOLE NUMBER OF TUBES   ┃       < N=#####.##   >   ┃    －    ┃", .when = W::Always, .values = {V::Tubes}},
    {.format = "      ┃5 │DIAMATER OF FIN TUBE    ┃       < Df=###.###  >    ┃    mm    ┃", .when = W::Finned, .values = {V::Df}},
    {.format = "      ┃6 │HORIZONTAL TUBE BUNDLE  ┃       < W =####.#   >    ┃    mm    ┃", .when = W::Always, .values = {V::W}},
    {.format = "      ┃7 │VERTICAL TUBE BUNDLE    ┃       < H =#####    >    ┃    mm    ┃", .when = W::Always, .values = {V::H}},
    {.format = "      ┃8 │VERTICAL TUBE NUMBER    ┃       < Nv=#####.#  >    ┃    －    ┃", .when = W::Always, .values = {V::Nv}},
    {.format = "      ┃9 │WHOLE TUBE LENGTH       ┃       < L =######### >   ┃    mm    ┃", .when = W::Always, .values = {V::Length}},
    {.format = "      ┃10│ ESTIMATE OF BODY SIZE  ┃tl=#####×h=#####×w=#### ┃    mm    ┃", .when = W::Always, .values = {V::TL, V::BodyH, V::BodyW}},
};

// Mode "ESI": saturated humid gas on the shell side (heading row first).
inline constexpr SheetRow kWetShellEsi[] = {
    {.format = "      ┃No│        Items      　　   ┃ Inlet side │Outlet side ┃　Unit  ┃", .when = W::Always},
    {.format = "      ┃1 │NOMINAL GAS FLOWRATE  　　┃ VNi=##.####│ VNo=##.####┃ Nm3/s  ┃", .when = W::Always, .values = {V::Vs, V::VNo}},
    {.format = "      ┃2 │WEIGHT FLOWRATE     　　　┃ Wsi=##.####│ Wso=##.####┃ kg/s   ┃", .when = W::Always, .values = {V::ShellMassIn, V::ShellMassOut}},
    {.format = "      ┃3 │SAT.HUMIDITY PRESS. 　　　┃ Psi=#.###  │ Pso=#.###  ┃ MPa    ┃", .when = W::Always, .values = {V::PvsIn, V::PvsOut}},
    {.format = "      ┃4 │SAT.ENTHALPY         　　 ┃ Hsi=####.##│ Hso=####.##┃ kJ/kg  ┃", .when = W::Always, .values = {V::HsatIn, V::HsatOut}},
    {.format = "      ┃5 │SAT.ABS.HUMID.            ┃ Xsi=##.####│ Xso=##.####┃ kg/kg  ┃", .when = W::Always, .values = {V::Xin, V::Xout}},
    {.format = "      ┃6 │CONDENSATE RECOVERY  　　 ┃      < Wc =#.##### >     ┃ kg/s   ┃", .when = W::Always, .values = {V::Wc}},
    {.format = "      ┃7 │Max. H2O WEIGHT FLOW RATE ┃      < Wm =#.##### >     ┃ kg/s   ┃", .when = W::Always, .values = {V::Wm}},
};

// Mode "ESI": saturated humid gas in the tubes; total water as on the shell side.
inline constexpr SheetRow kWetTubeEsi[] = {
    {.format = "      ┃No│        Items             ┃ Inlet side │Outlet side ┃  Unit  ┃", .when = W::Always},
    {.format = "      ┃1 │NOMINAL GAS FLOWRATE      ┃ VNi=##.####│ VNo=##.####┃ Nm3/s  ┃", .when = W::Always, .values = {V::Vt, V::VNo}},
    {.format = "      ┃2 │WEIGHT FLOWRATE           ┃ Wti=##.####│ Wto=##.####┃ kg/s   ┃", .when = W::Always, .values = {V::TubeMassIn, V::TubeMassOut}},
    {.format = "      ┃3 │SAT.HUMIDITY PRESS.       ┃ Pti=#.###  │ Pto=#.###  ┃ MPa    ┃", .when = W::Always, .values = {V::PvsIn, V::PvsOut}},
    {.format = "      ┃4 │SAT.ENTHALPY              ┃ Hti=####.##│ Hto=####.##┃ kJ/kg  ┃", .when = W::Always, .values = {V::HsatIn, V::HsatOut}},
    {.format = "      ┃5 │SAT.ABS.HUMID.            ┃ Xti=##.####│ Xto=##.####┃ kg/kg  ┃", .when = W::Always, .values = {V::Xin, V::Xout}},
    {.format = "      ┃6 │CONDENSATE RECOVERY       ┃      < Wc =#.##### >     ┃ kg/s   ┃", .when = W::Always, .values = {V::Wc}},
    {.format = "      ┃7 │Max. H2O WEIGHT FLOW RATE ┃      < Wm =#.##### >     ┃ kg/s   ┃", .when = W::Always, .values = {V::Wm}},
};

inline constexpr SheetMode kSheetE{
    .title = "                           << CROSFLOW HEAT EXCHANGER >>       DATE(",
    .premise = "       [premise]",
    .styleLead = "      * Style of heat exchange ",
    .propertyMeans = "      * Mean temperature of physical propertys (Shell:###.#ﾟC  Tube:###.#ﾟC) ",
    .fluidMeans = "      * Mean temperature of Fluid av.temp.(Shell:###.#ﾟC  Tube:###.#ﾟC)",
    .input = "       ■ INPUT ■ ",
    .inputSections = {"       Ⅰ. Physical Propertys", "       Ⅱ. Dimensions", "       Ⅲ. Setting Conditions"},
    .output = "     ■ OUT PUT ■",
    .outputSections = {"       Ⅰ. Thermal properties", "       Ⅱ. Body size estimation"},
    .wetShell = "       Ⅲ. Shell side wet condensation thermal properties ",
    .wetTube = "       Ⅲ. Tube side wet condensation thermal properties ",
    .heading = "      ┃No│        Items           ┃ Tube side  │ Shell side ┃   Unit   ┃",
    .propertiesHeading = "      ┃No│        Iems            ┃  Tube side │ Shell side ┃   Unit   ┃",
    .properties = kPropertiesE,
    .dimensions = kDimensionsE,
    .settings = kSettingsE,
    .thermal = kThermalE,
    .body = kBodyE,
    .wetShellRows = kWetShellE,
    .wetTubeRows = kWetTubeE,
};

inline constexpr SheetMode kSheetEsi{
    .title = "                          << CROSFLOW HEAT EXCHANGER >>        DATE(",
    .premise = "       [premise]",
    .styleLead = "      * Style of heat exchange" ":",
    .propertyMeans = "      * Mean temperature of physical propertys (Shell:###.#K  Tube:###.#K) ",
    .fluidMeans = "      * Mean temperature of Fluid av.temp.(Shell:###.#K  Tube:###.#K)",
    .input = "       ■ INPUT ■ ",
    .inputSections = {"       Ⅰ. Physical Propertys", "       Ⅱ. Dimensions", "       Ⅲ. Setting Conditions"},
    .output = "     ■ OUT PUT ■",
    .outputSections = {"       Ⅰ. Thermal properties", "       Ⅱ. Body size estimation"},
    .wetShell = "       Ⅲ. Shell side wet condensation thermal properties ",
    .wetTube = "       Ⅲ. Tube side wet condensation thermal properties ",
    .heading = "      ┃No│        Items           ┃ Tube side  │ Shell side ┃   Unit   ┃",
    .propertiesHeading = "      ┃No│        Iems            ┃  Tube side │ Shell side ┃   Unit   ┃",
    .properties = kPropertiesEsi,
    .dimensions = kDimensionsEsi,
    .settings = kSettingsEsi,
    .thermal = kThermalEsi,
    .body = kBodyEsi,
    .wetShellRows = kWetShellEsi,
    .wetTubeRows = kWetTubeEsi,
};

}  // namespace sheet_texts
}  // namespace cfhx::report
