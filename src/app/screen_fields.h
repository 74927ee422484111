// The fields of the main window, FORM2, FORM6 and FORM7 that hold what a
// calculation reads, by meaning. FORM5 has its own map (form5_fields.h).
#pragma once

namespace cfhx {

// The main window: selection codes and the construction column, as entered
// (mm and codes; conductivities and fouling in the units of the run).
struct MainFields {
    const char* screen;

    // Hidden selection codes.
    const char* unitCode;
    const char* tubeFluidKind;
    const char* shellFluidKind;

    // Construction column.
    const char* outerDiameter;     // Do, mm
    const char* innerDiameter;     // Di, mm
    const char* rowPitchRatio;     // Pv/Do
    const char* columnPitchRatio;  // Ph/Do
    const char* tubeType;          // 1 bare, 2 radial fin, 3 plate fin
    const char* finsPerInch;
    const char* finHeight;         // mm
    const char* finThickness;      // mm
    const char* arrangement;       // 1 triangular, 2 square
    const char* tubeConductivity;  // Km, kcal/mh°C (W/mK in SI)
    const char* finConductivity;   // Kf, kcal/mh°C (W/mK in SI)
    const char* tubeFouling;       // Rt, m2h°C/kcal (m2K/W in SI)
    const char* shellFouling;      // Rs, m2h°C/kcal (m2K/W in SI)
    const char* flowPattern;       // 1 cross or counter passes, 2 parallel passes, 3 counter LMTD
    const char* tubePasses;
    const char* shellPasses;
    const char* tubeRows;
    const char* tubeColumns;
    const char* tapeCode;         // 1 no twisted tape, 2 fitted
    const char* tapeThickness;    // mm
    const char* tapePitch;        // mm between nodes
    const char* filmThickness;    // condensate film, mm
    const char* tubeCorrection;   // factor on the tube-side coefficient
    const char* shellCorrection;  // factor on the shell-side coefficient
};

inline constexpr MainFields kMain{
    .screen = "MAINFORM",
    .unitCode = "EDIT128",
    .tubeFluidKind = "EDIT30",
    .shellFluidKind = "EDIT29",
    .outerDiameter = "EDIT10",
    .innerDiameter = "EDIT11",
    .rowPitchRatio = "EDIT12",
    .columnPitchRatio = "EDIT13",
    .tubeType = "EDIT14",
    .finsPerInch = "EDIT15",
    .finHeight = "EDIT16",
    .finThickness = "EDIT17",
    .arrangement = "EDIT18",
    .tubeConductivity = "EDIT19",
    .finConductivity = "EDIT20",
    .tubeFouling = "EDIT21",
    .shellFouling = "EDIT22",
    .flowPattern = "EDIT23",
    .tubePasses = "EDIT24",
    .shellPasses = "EDIT25",
    .tubeRows = "EDIT26",
    .tubeColumns = "EDIT27",
    .tapeCode = "EDIT31",
    .tapeThickness = "EDIT32",
    .tapePitch = "EDIT33",
    .filmThickness = "EDIT34",
    .tubeCorrection = "EDIT186",
    .shellCorrection = "EDIT187",
};

// FORM2, the summary: the inlet temperatures it keeps.
struct SummaryFields {
    const char* screen;
    const char* tubeInlet;   // °C
    const char* shellInlet;  // °C
};

inline constexpr SummaryFields kSummary{.screen = "FORM2", .tubeInlet = "EDIT47", .shellInlet = "EDIT49"};

// FORM6: the processing No.
struct ProcessingNoFields {
    const char* screen;
    const char* processingNo;
};

inline constexpr ProcessingNoFields kProcessing{.screen = "FORM6", .processingNo = "EDIT167"};

// FORM7: the options of typed-in properties.
struct OptionFields {
    const char* screen;
    const char* heatClass;            // 1 sensible, 2 latent
    const char* phaseChangeChosen;    // 1 when condensation or evaporation is chosen
    const char* htcMode;              // 1-4
    const char* tubeCoefficient;      // given, kcal/m2h°C (W/m2K in SI)
    const char* shellCoefficient;     // given, kcal/m2h°C (W/m2K in SI)
    const char* phaseChangeKind;      // 1 evaporation, 3 condensation
    const char* evaporationPressure;  // kgf/cm2 (MPa in SI)
    const char* surfaceTension;       // kgf/m (N/m in SI)
};

inline constexpr OptionFields kOptions{
    .screen = "FORM7",
    .heatClass = "EDIT178",
    .phaseChangeChosen = "EDIT179",
    .htcMode = "EDIT180",
    .tubeCoefficient = "EDIT181",
    .shellCoefficient = "EDIT182",
    .phaseChangeKind = "EDIT183",
    .evaporationPressure = "EDIT184",
    .surfaceTension = "EDIT185",
};

}  // namespace cfhx
