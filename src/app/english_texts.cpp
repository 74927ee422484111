// English texts of the frame: captions, kind labels, the welcome text, the
// status line, the messages about a field's entry and range and the fields'
// names in them.
#include "app/case_document.h"
#include "app/field_entry_texts.h"
#include "app/field_names.h"
#include "app/field_range_texts.h"
#include "app/frame_texts.h"
#include "app/status_line.h"

namespace cfhx {

// The captions follow the windows' own English for the same controls.
const frame_texts::FrameTexts frame_texts::kFrameEnglish{
    .sampleOpen = "Open",
    .sampleClose = "Close",
    .sampleHeading = " ↓ Sample",
    .registerConditions = "Main conditions",
    .correlationHeading = "  Properties from correlations",
    .manualHeading = "Manual properties",
    .propertyHeading = "Properties",
    .tubeRow = " Tube side",
    .shellRow = " Shell side",
    .nextTubeLabels = {" Sat. humid gas", "  Gas", "  Water", "  Liquid or gas"},
    .nextShellHumid = " Sat. humid gas",
    .nextShellGas = "   Gas",
    .nextShellGasUnset = "  Gas",
    .welcomeHead = {"", "", "", "", "", "", "", "--------------------------", "W E L C O M E  !",
                    "--------------------------", "", "", "", "Choose one tube side and one shell side",
                    "fluid from the column above.", "", "", "",
                    "[ CROSS FLOW MULTI TUBE HEAT EXCHANGER CALCULATION ]"},
    .welcomeUnitsSI = "SI units",
    .welcomeUnitsOld = "                          Old engineering units",
    .welcomeBox = {
        "┌────────────────────────────┐",
        "│ i.   When the data are entered, click the [NEXT]       │",
        "│      button.                                           │",
        "│                                                        │",
        "│ ii.  To recalculate or print, follow the prompts.      │",
        "│                                                        │",
        "│ iii. Properties from correlations (1 atm):             │",
        "│      <tube side>: water, gas (CO2,O2,H2O,N2),          │",
        "│                   saturated humid gas                  │",
        "│      <shell side>: gas (CO2,O2,H2O,N2), sat. humid gas │",
        "│ iv.  Manual properties: any typed-in values except for │",
        "│      a saturated humid gas (shell side: gas only)      │",
        "└────────────────────────────┘",
    },
    .calculate = "Calculate / Reset",
    .confirmAfterCheck = "Set and check inputs",
    .confirmAfterRun = " Check settings",
};

const status_line::StatusLineTexts status_line::kStatusLineEnglish{
    .calculate = "Calculate / Reset starts the calculation",
    .confirm = "Check settings lets you change the inputs",
    .join = " / ",
};

const case_texts::CaseTexts case_texts::kCaseEnglish{
    .untitled = "untitled",
    .openCaption = "Open",
    .finishCaption = "Quit",
    .saveCaption = "Save",
    .abandonOpen = {"Stop the calculation and open ", "?"},
    .unsavedOpen = "There are unsaved actions. Save them before opening?",
    .unsavedFinish = "There are unsaved actions. Save them before quitting?",
    .exists = " already exists. Replace it?",
    .skippedPrint = {"The opened case's print was not made: ", " (print ", " of the case). Choice 1 of the menu prints"},
    .printedTo = " -> ",
    .printCancelled = "Print cancelled",
    .finishNotReplayed = "The opened case's finish was not carried out. Calculate / Reset starts the calculation",
    .finishCancelled = "Quit cancelled. Calculate / Reset starts the calculation",
    .printNames = {"Calculation sheet", "Calculation sheet (printer output)", "Table hard copy", "Drawing hard copy"},
};

const field_entry_texts::FieldEntryTexts field_entry_texts::kFieldEntryEnglish{
    .open = "* ",
    .missing = " is not entered",
    .notNumber = " is not a number",
    .close = "!",
};

const field_range_texts::FieldRangeTexts field_range_texts::kFieldRangeEnglish{
    .tooLarge = " is too large",
    .negative = " is negative",
    .belowAbsoluteZero = " is below absolute zero",
};

namespace {

// The names of the entry and range lists: the entry lists name a field as
// its label does, the range lists as the refusal has always named it.
constexpr FieldName kFieldNames[] = {
    {.japanese = "伝熱管外径", .english = "Tube outer diameter"},
    {.japanese = "伝熱管内径", .english = "Tube inner diameter"},
    {.japanese = "縦方向管ﾋﾟｯﾁ", .english = "Vertical tube pitch"},
    {.japanese = "水平方向管ﾋﾟｯﾁ", .english = "Horizontal tube pitch"},
    {.japanese = "管外ﾌｨﾝ", .english = "Outer fins"},
    {.japanese = "ﾌｨﾝ山数/吋", .english = "Fins per inch"},
    {.japanese = "ﾌｨﾝ高さ", .english = "Fin height"},
    {.japanese = "ﾌｨﾝ肉厚", .english = "Fin thickness"},
    {.japanese = "伝熱管配列", .english = "Tube layout"},
    {.japanese = "伝熱管の熱伝導率", .english = "Tube thermal conductivity"},
    {.japanese = "ﾌｨﾝ材の熱伝導率", .english = "Fin material thermal conductivity"},
    {.japanese = "管内汚れ係数", .english = "Tube side fouling factor"},
    {.japanese = "ｼｪﾙ側汚れ係数", .english = "Shell side fouling factor"},
    {.japanese = "直交流/直交型並流", .english = "Cross flow / cross-parallel flow"},
    {.japanese = "管内側流体ﾊﾟｽ数", .english = "Tube side passes"},
    {.japanese = "ｼｪﾙ側流体ﾊﾟｽ数", .english = "Shell side passes"},
    {.japanese = "伝熱管段数", .english = "Tube rows"},
    {.japanese = "伝熱管列数", .english = "Tube columns"},
    {.japanese = "管内捻りﾃｰﾌﾟ", .english = "Twisted tape"},
    {.japanese = "捻りﾃｰﾌﾟ肉厚", .english = "Twisted tape thickness"},
    {.japanese = "捻りﾋﾟｯﾁ", .english = "Twist pitch"},
    {.japanese = "凝縮液膜厚さ", .english = "Condensate film thickness"},
    {.japanese = "管内熱伝達率補正係数", .english = "Tube side heat transfer correction factor"},
    {.japanese = "管外熱伝達率補正係数", .english = "Shell side heat transfer correction factor"},
    {.japanese = "管内側水分容積率", .english = "Tube side moisture volume %"},
    {.japanese = "管内側絶対湿度", .english = "Tube side absolute humidity"},
    {.japanese = "管内側湿り飽和温度", .english = "Tube side saturation temperature"},
    {.japanese = "管内側湿りｴﾝﾀﾙﾋﾟｰ", .english = "Tube side humid enthalpy"},
    {.japanese = "管内側CO2", .english = "Tube side CO2"},
    {.japanese = "管内側O2", .english = "Tube side O2"},
    {.japanese = "シェル側水分容積率", .english = "Shell side moisture volume %"},
    {.japanese = "シェル側絶対湿度", .english = "Shell side absolute humidity"},
    {.japanese = "シェル側湿り飽和温度", .english = "Shell side saturation temperature"},
    {.japanese = "シェル側湿りｴﾝﾀﾙﾋﾟｰ", .english = "Shell side humid enthalpy"},
    {.japanese = "シェル側CO2", .english = "Shell side CO2"},
    {.japanese = "シェル側O2", .english = "Shell side O2"},
    {.japanese = "管内側入側流体温度", .english = "Tube side inlet temperature"},
    {.japanese = "管内側出側流体温度", .english = "Tube side outlet temperature"},
    {.japanese = "シェル側入側流体温度", .english = "Shell side inlet temperature"},
    {.japanese = "シェル側出側流体温度", .english = "Shell side outlet temperature"},
    {.japanese = "管内側体積流量", .english = "Tube side volume flow"},
    {.japanese = "管内側重量流量", .english = "Tube side mass flow"},
    {.japanese = "シェル側体積流量", .english = "Shell side volume flow"},
    {.japanese = "シェル側重量流量", .english = "Shell side mass flow"},
    {.japanese = "伝熱管長さ", .english = "Tube length"},
    {.japanese = "管内側密度", .english = "Tube side density"},
    {.japanese = "管内側比熱", .english = "Tube side specific heat"},
    {.japanese = "管内側熱伝導率", .english = "Tube side thermal conductivity"},
    {.japanese = "管内側動粘性係数", .english = "Tube side kinematic viscosity"},
    {.japanese = "シェル側密度", .english = "Shell side density"},
    {.japanese = "シェル側比熱", .english = "Shell side specific heat"},
    {.japanese = "シェル側熱伝導率", .english = "Shell side thermal conductivity"},
    {.japanese = "シェル側動粘性係数", .english = "Shell side kinematic viscosity"},
    {.japanese = "管内側凝縮or蒸発潜熱", .english = "Tube side latent heat of condensation or evaporation"},
    {.japanese = "管内側液相部密度", .english = "Tube side liquid density"},
    {.japanese = "管内側液相部比熱", .english = "Tube side liquid specific heat"},
    {.japanese = "管内側液相部熱伝導率", .english = "Tube side liquid thermal conductivity"},
    {.japanese = "管内側液相部動粘性係数", .english = "Tube side liquid kinematic viscosity"},
    {.japanese = "管内側熱伝達率", .english = "Tube side heat transfer coefficient"},
    {.japanese = "管外側熱伝達率", .english = "Shell side heat transfer coefficient"},
    {.japanese = "管内側冷媒蒸発圧力", .english = "Refrigerant evaporation pressure in the tubes"},
    {.japanese = "管内側冷媒表面張力", .english = "Refrigerant surface tension in the tubes"},
    {.japanese = "管外直径", .english = "Tube outer diameter"},
    {.japanese = "管内直径", .english = "Tube inner diameter"},
    {.japanese = "管縦方向ﾋﾟｯﾁ", .english = "Vertical tube pitch"},
    {.japanese = "管水平方向ﾋﾟｯﾁ", .english = "Horizontal tube pitch"},
    {.japanese = "管の熱伝導率", .english = "Tube thermal conductivity"},
    {.japanese = "ﾌｨﾝの熱伝導率", .english = "Fin thermal conductivity"},
    {.japanese = "管内側汚れ係数", .english = "Tube side fouling factor"},
    {.japanese = "管内側流路ﾊﾟｽ数", .english = "Tube side passes"},
    {.japanese = "ｼｪﾙ側流路ﾊﾟｽ数", .english = "Shell side passes"},
    {.japanese = "ﾂｲｽﾄﾃｰﾌﾟの肉厚", .english = "Twisted tape thickness"},
    {.japanese = "ﾂｲｽﾄﾃｰﾌﾟのﾋﾟｯﾁ", .english = "Twisted tape pitch"},
    {.japanese = "管長さ", .english = "Tube length"},
    {.japanese = "管内側潜熱", .english = "Tube side latent heat"},
    {.japanese = "管内側液相液密度", .english = "Tube side liquid density"},
    {.japanese = "管内側液相比熱", .english = "Tube side liquid specific heat"},
    {.japanese = "管内側液相熱伝導率", .english = "Tube side liquid thermal conductivity"},
    {.japanese = "管内側液相動粘性係数", .english = "Tube side liquid kinematic viscosity"},
    {.japanese = "管内側熱伝達率値", .english = "Tube side heat transfer coefficient value"},
    {.japanese = "管外側熱伝達率値", .english = "Shell side heat transfer coefficient value"},
    {.japanese = "管内冷媒飽和圧力", .english = "Refrigerant saturation pressure in the tubes"},
    {.japanese = "管内冷媒の表面張力", .english = "Refrigerant surface tension in the tubes"},
};

}  // namespace

const std::span<const FieldName> kFieldNamesEnglish = kFieldNames;

}  // namespace cfhx
