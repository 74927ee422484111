// English texts of the frame: captions, kind labels, the welcome text, the
// status line and the messages about a field's entry and range.
#include "app/field_entry_texts.h"
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

}  // namespace cfhx
