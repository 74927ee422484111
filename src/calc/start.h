// The start of a calculation: the fields read into a fresh record, the
// construction refused item by item, the preliminary-data confirmation, the
// mode flags of the run and the construction in metres.
#pragma once

#include <string_view>

#include "calc/record.h"

namespace cfhx {
struct App;
}

namespace cfhx::calc {

// The whole stage, in order. A refusal prints its message, pauses and
// throws LeaveCalculation; No to the confirmation throws it at once.
void startCalculation(App& app, Record& r);

// A field as a float (0 when empty); a number beyond the float range
// becomes infinite (singleOf), which the checks refuse.
float readField(App& app, std::string_view screen, std::string_view control);

// The steps of startCalculation.
// Codes, construction column (mm, as entered), FORM5 and FORM7 values.
void readInputFields(App& app, Record& r);
// Clears the pane, then refuses the first missing item; sets a zero film
// thickness of a humid side to 1e-10 and asks before going on with a
// negative one; then refuses the first entry outside its range (column,
// FORM5, FORM7).
void checkConstruction(App& app, Record& r);
// Yes clears the pane; No disables buttons 1-8 and leaves.
void confirmPreliminaryData(App& app);
void deriveModeFlags(Record& r);
// Diameters, fin and tape sizes to m, pitches from their ratios, the
// plate-fin equivalent height; SI wall and fin conductivities and fouling
// factors into kcal/mh°C and m2h°C/kcal.
void convertConstruction(App& app, Record& r);

// After the gas dialogue: the pitches and fin height the rating uses.
void settleTubePitches(App& app, Record& r);

// Hand-over pieces: the rows field marked while the rows are computed
// (processing No. 3 and 4), and the heading of the flow arrangement.
void markComputedRows(App& app);
void printArrangementHeading(App& app, const Record& r);

}  // namespace cfhx::calc
