// The selection codes of the hidden fields and the mode flags of a run, by
// name. The fields and the record keep their own representation (numbers
// for the codes, short texts for the flags); code compares through these.
#pragma once

#include <string_view>

namespace cfhx {

// A code field names one of its values only when it holds that whole
// number; anything else (a fraction, an unknown number, infinity) names
// none of them, as a plain comparison with each value would.
template <class Code>
constexpr Code decode(float code, int first, int last) {
    for (int v = first; v <= last; ++v) {
        if (code == static_cast<float>(v)) return static_cast<Code>(v);
    }
    return static_cast<Code>(-1);
}

// The number a record holds for a named value.
template <class Code>
constexpr float codeOf(Code value) {
    return static_cast<float>(static_cast<int>(value));
}

// TubeFluidKind (1-4) and ShellFluidKind (1, 2, 4); 0 before a choice.
enum class FluidKind { None = 0, HumidGas = 1, Gas = 2, Water = 3, Manual = 4 };
inline constexpr FluidKind fluidKind(float code) { return decode<FluidKind>(code, 0, 4); }

// The language of the screens, the calculation dialogue and the messages:
// the program's own Japanese, or English.
enum class Language { Japanese, English };
// The code a language goes by on the command line and in the settings.
inline constexpr std::string_view languageCode(Language language) { return language == Language::English ? "en" : "ja"; }
inline constexpr bool languageFromCode(std::string_view code, Language& language) {
    if (code != "en" && code != "ja") return false;
    language = code == "en" ? Language::English : Language::Japanese;
    return true;
}

// UnitCode of FORM4: the language and unit mode of the run.
enum class UnitCode { ESI = 1, E = 2, JSI = 3, J = 4 };
inline constexpr UnitCode unitCode(float code) { return decode<UnitCode>(code, 1, 4); }
// SI in either language.
inline constexpr bool siUnits(UnitCode code) { return code == UnitCode::JSI || code == UnitCode::ESI; }
// What the unit-system screen's two buttons write in each language.
inline constexpr UnitCode oldUnitsCode(Language language) {
    return language == Language::English ? UnitCode::E : UnitCode::J;
}
inline constexpr UnitCode siUnitsCode(Language language) {
    return language == Language::English ? UnitCode::ESI : UnitCode::JSI;
}

// Processing No. of FORM6: what the rating solves for. No. 7 runs as No. 5
// with the tube columns computed.
enum class ProcessingNo {
    Length = 1,              // tube outlet temperature and tube length
    LengthAndShellFlow = 2,  // shell flow and tube length
    Rows = 3,                // tube outlet temperature and tube rows
    RowsAndShellFlow = 4,    // shell flow and tube rows
    Outlets = 5,             // both outlet temperatures
    OutletAndShellFlow = 6,  // tube outlet temperature and shell flow
    Columns = 7,             // tube columns
};
inline constexpr ProcessingNo processingNo(float code) { return decode<ProcessingNo>(code, 1, 7); }

// TubeGasComposition and ShellGasComposition: how a gas side is described.
enum class Composition { None = 0, DryAir = 1, AirWithMoisture = 2, Full = 3 };
inline constexpr Composition composition(float code) { return decode<Composition>(code, 0, 3); }

// TubeMoistureMode and ShellMoistureMode: the moisture row a side is given
// by, in the order of the rows.
enum class MoistureMode { None = 0, VolumePercent = 1, AbsoluteHumidity = 2, SaturationTemperature = 3, Enthalpy = 4 };
inline constexpr MoistureMode moistureMode(float code) { return decode<MoistureMode>(code, 0, 4); }

// TubeFlowKind and ShellFlowKind.
enum class FlowKind { None = 0, Volume = 1, Mass = 2 };
inline constexpr FlowKind flowKind(float code) { return decode<FlowKind>(code, 0, 2); }

// HtcMode: which film coefficients are computed and which given.
enum class HtcMode { BothComputed = 1, TubeGiven = 2, ShellGiven = 3, BothGiven = 4 };
inline constexpr HtcMode htcMode(float code) { return decode<HtcMode>(code, 1, 4); }
inline constexpr float codeOf(HtcMode m) { return static_cast<float>(static_cast<int>(m)); }

// PhaseChangeKind of a typed-in tube fluid.
enum class PhaseChange { None = 0, Evaporation = 1, Condensation = 3 };
inline constexpr PhaseChange phaseChange(float code) { return decode<PhaseChange>(code, 0, 3); }

// TubeHeatClass of a typed-in tube fluid.
enum class HeatClass { None = 0, Sensible = 1, Latent = 2 };
inline constexpr HeatClass heatClass(float code) { return decode<HeatClass>(code, 0, 2); }

// PhaseChangeChosen, read as the heat-transfer form of a typed-in gas or
// vapour in the tubes.
enum class TubeGasForm { CondensingVapour = 1, DryGas = 2 };
inline constexpr TubeGasForm tubeGasForm(float code) { return decode<TubeGasForm>(code, 1, 2); }

// ChoiceA: how a rating of processing No. 1-4 is set up.
enum class ChoiceA { ShellOutletGiven = 1, RowsAndLengthGiven = 2 };
inline constexpr ChoiceA choiceA(float code) { return decode<ChoiceA>(code, 1, 2); }

// Tube type of the construction column.
enum class TubeType { Bare = 1, RadialFin = 2, PlateFin = 3 };
inline constexpr TubeType tubeType(float code) { return decode<TubeType>(code, 1, 3); }

// Mode flag values. A flag compares with these as text: `f.sHUM != Hum::None`.
struct Lang {  // LangUnitMode
    static constexpr std::string_view J = "J", JSI = "JSI", E = "E", ESI = "ESI";
    // Entries and displays in SI (K, flows per second), in either language.
    static constexpr bool si(std::string_view mode) { return mode == JSI || mode == ESI; }
};
struct Flow {  // sFLOW
    static constexpr std::string_view Cross = "1", Parallel = "2", CounterLmtd = "3";
};
struct Hum {  // sHUM: the side that carries the saturated humid gas
    static constexpr std::string_view Shell = "1", Tube = "2", None = "3";
};
struct YesNo {  // sCOND, finned, sTAPE, sCOLS, sVAP, and typed y/n answers
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
struct Proc {  // sPROC: the processing No. the run goes by (1-6)
    static constexpr std::string_view Length = "1", LengthAndShellFlow = "2", Rows = "3", RowsAndShellFlow = "4",
                                      Outlets = "5", OutletAndShellFlow = "6";
};
struct UnitFlag {  // UnitFlag of the frame
    static constexpr std::string_view Si = "1", Old = "2";
};

}  // namespace cfhx
