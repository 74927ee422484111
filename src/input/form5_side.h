// Small operations on the fields of one side of FORM5, shared by its
// procedures and its preparation.
#pragma once

#include <string_view>

#include "app/app.h"
#include "app/codes.h"
#include "app/form5_fields.h"
#include "input/input_screens.h"

namespace cfhx {

inline ScreenRef form5(App& app) { return app[kForm5.screen]; }

// The kind of fluid on a side: any kind in the tubes; humid gas, gas or
// typed-in properties outside.
inline FluidKind sideKind(App& app, const Form5Side& side) {
    return &side == &kTubeSide ? tubeFluidKind(app) : shellFluidKind(app);
}
inline int code(App& app, const char* field) { return wholeNumber(form5(app)[field].number()); }
inline int composition(App& app, const Form5Side& side) { return code(app, side.compositionCode); }
inline int moistureMode(App& app, const Form5Side& side) { return code(app, side.moistureCode); }
inline int flowKind(App& app, const Form5Side& side) { return code(app, side.flowKind); }

// A field set to a text and enabled or disabled.
void setField(App& app, const char* field, std::string_view text, bool enabled);

// Moisture row k (0-3) offered: "■" on an enabled button, the field emptied.
void offerRow(App& app, const Form5Side& side, int k, bool fieldEnabled);
// Moisture row k not available: captionless disabled button, "－" field.
void withdrawRow(App& app, const Form5Side& side, int k);

// CO2 and O2 of standard air, N2 the remainder.
void writeStandardAir(App& app, const Form5Side& side);
// CO2 and O2 emptied for the user, N2 the remainder.
void openFullComposition(App& app, const Form5Side& side);

// Moisture mode m (1-4) chosen: code, captions and fields of the four rows.
void selectMoistureRow(App& app, const Form5Side& side, int m);
// Flow kind 1 (volume) or 2 (mass) chosen: code, captions and fields.
void selectFlowKind(App& app, const Form5Side& side, int kind);

// The message line of FORM5.
void form5Message(App& app, std::string_view text);

}  // namespace cfhx
