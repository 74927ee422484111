// Texts of the wet-condensation property tables: heading by side, box
// lines, column heading by language and the rows of each display mode.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace cfhx::report::wet_gas_texts {

using std::string_view;

// What a row shows for the condensing side (shell, or tube).
enum class Wet : uint8_t {
    None,
    FlowIn, FlowOut,      // normal flow in, and out after condensation
    MassIn, MassOut,      // mixed gas: normal flow × normal density, less the condensate
    PvsIn, PvsOut,        // saturation pressure of water
    HsatIn, HsatOut,      // saturated enthalpy
    Xin, Xout,            // absolute humidity
    WeightRatio,          // molecular-weight ratio water/mixed gas (MS, MT)
    Wc, Wm,               // condensate, water carried in
};

enum class WetWhen : uint8_t { Always, ShellSide, TubeSide };

struct WetRow {
    string_view format;
    WetWhen when = WetWhen::Always;
    std::array<Wet, 2> values{};
};

inline constexpr string_view kShellHeading = "   Shell side wet condensation thermal properties ";
inline constexpr string_view kTubeHeading = "   Tube side wet condensation thermal properties ";
inline constexpr string_view kBoxTop = " ┏━┯━━━━━━━━━━┳━━━━━━┯━━━━━━┳━━━━┓";
inline constexpr string_view kColumnsE = " ┃No│        Items       ┃ Inlet side │Outlet side ┃　Unit  ┃";
inline constexpr string_view kColumnsJ = " ┃No│      項　目        ┃ 　入　側 　│　出　側　　┃  単位  ┃";
inline constexpr string_view kBoxRule = " ┣━┿━━━━━━━━━━╋━━━━━━┿━━━━━━╋━━━━┫";
// The last rows span the inlet and outlet columns.
inline constexpr string_view kBoxBottom = " ┗━┷━━━━━━━━━━┻━━━━━━━━━━━━━┻━━━━┛";

// Mode "J".
inline constexpr WetRow kRowsJ[] = {
    {.format = " ┃1 │ｶﾞｽ流量(ﾉﾙﾏﾙ)　　　 ┃ VNi=###### │ VNo=###### ┃ Nm3/h  ┃", .values = {Wet::FlowIn, Wet::FlowOut}},
    {.format = " ┃2 │混合ｶﾞｽ重量流量　　 ┃ Wgi=###### │ Wgo=###### ┃ kg/h   ┃", .values = {Wet::MassIn, Wet::MassOut}},
    {.format = " ┃3 │飽和水蒸気圧　　　　┃ Pvi=#.#####│ Pvo=#.#####┃ kg/cm2 ┃", .values = {Wet::PvsIn, Wet::PvsOut}},
    {.format = " ┃4 │飽和ｴﾝﾀﾙﾋﾟｰ　　　　 ┃ Hi =####.##│ Ho =####.##┃ kcal/kg┃", .values = {Wet::HsatIn, Wet::HsatOut}},
    {.format = " ┃5 │絶対湿度　　　　　　┃ Xi =#.#####│ Xo =#.#####┃kg/kgda ┃", .values = {Wet::Xin, Wet::Xout}},
    {.format = " ┃6 │分子量比(水/混合ｶﾞｽ)┃      < MS =#.####  >     ┃   －　 ┃",
     .when = WetWhen::ShellSide, .values = {Wet::WeightRatio}},
    {.format = " ┃6 │分子量比(水/混合ｶﾞｽ)┃      < WT =#.####  >     ┃   －　 ┃",
     .when = WetWhen::TubeSide, .values = {Wet::WeightRatio}},
    {.format = " ┃7 │凝縮水量　　　　　　┃      < Wc =###### >      ┃ kg/h   ┃", .values = {Wet::Wc}},
    {.format = " ┃8 │入側混合ｶﾞｽのH2O総量┃      < Wm =###### >      ┃ kg/h   ┃", .values = {Wet::Wm}},
};

// Mode "JSI".
inline constexpr WetRow kRowsJsi[] = {
    {.format = " ┃1 │ｶﾞｽ流量(ﾉﾙﾏﾙ)　　　 ┃ VNi=##.####│ VNo=##.####┃ Nm3/s  ┃", .values = {Wet::FlowIn, Wet::FlowOut}},
    {.format = " ┃2 │混合ｶﾞｽ重量流量　　 ┃ Wgi=##.####│ Wgo=##.####┃ kg/s   ┃", .values = {Wet::MassIn, Wet::MassOut}},
    {.format = " ┃3 │飽和水蒸気圧　　　　┃ Pvi=#.#####│ Pvo=#.#####┃ MPa    ┃", .values = {Wet::PvsIn, Wet::PvsOut}},
    {.format = " ┃4 │飽和ｴﾝﾀﾙﾋﾟｰ　　　　 ┃ Hi =####.##│ Ho =####.##┃ kJ/kg  ┃", .values = {Wet::HsatIn, Wet::HsatOut}},
    {.format = " ┃5 │絶対湿度　　　　　　┃ Xi =#.#####│ Xo =#.#####┃kg/kgda ┃", .values = {Wet::Xin, Wet::Xout}},
    {.format = " ┃6 │分子量比(水/混合ｶﾞｽ)┃      < MS =#.####  >     ┃   －　 ┃",
     .when = WetWhen::ShellSide, .values = {Wet::WeightRatio}},
    {.format = " ┃6 │分子量比(水/混合ｶﾞｽ)┃      < WT =#.####  >     ┃   －　 ┃",
     .when = WetWhen::TubeSide, .values = {Wet::WeightRatio}},
    {.format = " ┃7 │凝縮水量　　　　　　┃      < Wc =##.#### >     ┃ kg/s   ┃", .values = {Wet::Wc}},
    {.format = " ┃8 │入側混合ｶﾞｽのH2O総量┃      < Wm =##.#### >     ┃ kg/s   ┃", .values = {Wet::Wm}},
};

// Mode "E".
inline constexpr WetRow kRowsE[] = {
    {.format = " ┃1 │NORMAL GAS FLOWRATE ┃ VNi=###### │ VNo=###### ┃ Nm3/h  ┃", .values = {Wet::FlowIn, Wet::FlowOut}},
    {.format = " ┃2 │MIXED GAS FLOWRATE  ┃ Wgi=###### │ Wgo=###### ┃ kg/h   ┃", .values = {Wet::MassIn, Wet::MassOut}},
    {.format = " ┃3 │SAT. VAPOUR PRESSURE┃ Pvi=#.#####│ Pvo=#.#####┃ kg/cm2 ┃", .values = {Wet::PvsIn, Wet::PvsOut}},
    {.format = " ┃4 │SATURATED ENTHALPY  ┃ Hi =####.##│ Ho =####.##┃ kcal/kg┃", .values = {Wet::HsatIn, Wet::HsatOut}},
    {.format = " ┃5 │ABSOLUTE HUMIDITY   ┃ Xi =#.#####│ Xo =#.#####┃kg/kgda ┃", .values = {Wet::Xin, Wet::Xout}},
    {.format = " ┃6 │CONDENSATE RECOVERY ┃      < Wc =###### >      ┃ kg/h   ┃", .values = {Wet::Wc}},
    {.format = " ┃7 │TOTAL AMOUNT OF H2O ┃      < Wm =###### >      ┃ kg/h   ┃", .values = {Wet::Wm}},
};

// Mode "ESI".
inline constexpr WetRow kRowsEsi[] = {
    {.format = " ┃1 │NORMAL GAS FLOWRATE ┃ VNi=##.####│ VNo=##.####┃ Nm3/s  ┃", .values = {Wet::FlowIn, Wet::FlowOut}},
    {.format = " ┃2 │MIXED GAS FLOWRATE  ┃ Wgi=##.####│ Wgo=##.####┃ kg/s   ┃", .values = {Wet::MassIn, Wet::MassOut}},
    {.format = " ┃3 │SAT. VAPOUR PRESSURE┃ Pvi=#.#####│ Pvo=#.#####┃ MPa    ┃", .values = {Wet::PvsIn, Wet::PvsOut}},
    {.format = " ┃4 │SATURATED ENTHALPY  ┃ Hi =####.##│ Ho =####.##┃ kJ/kg  ┃", .values = {Wet::HsatIn, Wet::HsatOut}},
    {.format = " ┃5 │ABSOLUTE HUMIDITY   ┃ Xi =#.#####│ Xo =#.#####┃kg/kgda ┃", .values = {Wet::Xin, Wet::Xout}},
    {.format = " ┃6 │CONDENSATE RECOVERY ┃      < Wc =##.#### >     ┃ kg/s   ┃", .values = {Wet::Wc}},
    {.format = " ┃7 │TOTAL AMOUNT OF H2O ┃      < Wm =##.#### >     ┃ kg/s   ┃", .values = {Wet::Wm}},
};

}  // namespace cfhx::report::wet_gas_texts
