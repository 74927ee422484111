// The selection codes of the hidden fields and the mode flags of a run, by
// name. The fields and the record keep their own representation (numbers
// for the codes, short texts for the flags); code compares through these.
#pragma once

#include <string_view>

namespace cfhx {

// TubeFluidKind (1-4) and ShellFluidKind (1, 2, 4); 0 before a choice.
enum class FluidKind { None = 0, HumidGas = 1, Gas = 2, Water = 3, Manual = 4 };
inline constexpr FluidKind fluidKind(float code) { return static_cast<FluidKind>(static_cast<int>(code)); }
inline constexpr float codeOf(FluidKind k) { return static_cast<float>(static_cast<int>(k)); }

// HtcMode: which film coefficients are computed and which given.
enum class HtcMode { BothComputed = 1, TubeGiven = 2, ShellGiven = 3, BothGiven = 4 };
inline constexpr HtcMode htcMode(float code) { return static_cast<HtcMode>(static_cast<int>(code)); }
inline constexpr float codeOf(HtcMode m) { return static_cast<float>(static_cast<int>(m)); }

// PhaseChangeKind of a typed-in tube fluid.
enum class PhaseChange { None = 0, Evaporation = 1, Condensation = 3 };
inline constexpr PhaseChange phaseChange(float code) { return static_cast<PhaseChange>(static_cast<int>(code)); }

// TubeHeatClass of a typed-in tube fluid.
enum class HeatClass { None = 0, Sensible = 1, Latent = 2 };
inline constexpr HeatClass heatClass(float code) { return static_cast<HeatClass>(static_cast<int>(code)); }

// Tube type of the construction column.
enum class TubeType { Bare = 1, RadialFin = 2, PlateFin = 3 };
inline constexpr TubeType tubeType(float code) { return static_cast<TubeType>(static_cast<int>(code)); }

// Mode flag values. A flag compares with these as text: `f.sHUM != Hum::None`.
struct Lang {  // LangUnitMode
    static constexpr std::string_view J = "J", JSI = "JSI", E = "E", ESI = "ESI";
};
struct Flow {  // sFLOW
    static constexpr std::string_view Cross = "1", Parallel = "2", CounterLmtd = "3";
};
struct Hum {  // sHUM: the side that carries the saturated humid gas
    static constexpr std::string_view Shell = "1", Tube = "2", None = "3";
};
struct YesNo {  // sCOND, finned, sTAPE, sCOLS, sVAP
    static constexpr std::string_view Yes = "y", No = "n";
};
struct Tube {  // sTUBE
    static constexpr std::string_view Bare = "1", Finned = "2";
};
struct Fin {  // sFIN
    static constexpr std::string_view Radial = "1", Plate = "2";
};
struct Arrangement {  // arrangement
    static constexpr std::string_view Triangular = "1", Square = "2";
};
struct Prop {  // sPROP
    static constexpr std::string_view Correlations = "1", TypedIn = "2";
};
// sSF (shell) and sTGAS (tube): how the gas is described.
struct GasForm {
    static constexpr std::string_view Composition = "1", AirWithMoisture = "2", DryAir = "3";
};
struct TubeMethod {  // sTF: the tube property routine
    static constexpr std::string_view Water = "2", AirWithMoisture = "4", Composition = "5";
};

}  // namespace cfhx
