// What the dialogue stages of a calculation share: the unit mode and fluid
// kinds of the run, the FORM5 fields they read, the echo of a value, the
// way out of the run, and the pane line built from texts and values.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "app/app.h"
#include "app/codes.h"
#include "app/control_flow.h"
#include "app/form5_fields.h"
#include "app/mask.h"
#include "calc/record.h"
#include "calc/start.h"

namespace cfhx::calc {

// Entries and displays in SI (unit mode JSI or ESI).
inline bool si(const Record& r) { return Lang::si(r.flags.LangUnitMode.view()); }

inline FluidKind tubeFluid(const Record& r) { return fluidKind(r.TubeFluidKind); }
inline FluidKind shellFluid(const Record& r) { return fluidKind(r.ShellFluidKind); }
// A saturated humid gas on either side.
inline bool humidSide(const Record& r) {
    return tubeFluid(r) == FluidKind::HumidGas || shellFluid(r) == FluidKind::HumidGas;
}

// A FORM5 field as a number, as readField takes it.
inline float field(App& app, std::string_view control) { return readField(app, kForm5.screen, control); }

// The run leaves for the input screens, saying why.
[[noreturn]] inline void leave(std::string_view reason) { throw LeaveCalculation{.reason = std::string(reason)}; }

// A pane line from a text and values in the free number format: each "{}"
// of the text takes the next value, and values left over follow the text,
// so a label alone takes its value at the end:
//   line("XA(kg/kg)=", 0.0125f)    → "XA(kg/kg)= 0.0125"
//   line("Tdew={}(℃)", -5.5f)      → "Tdew=-5.5(℃)"
std::string lineOf(std::string_view text, std::initializer_list<double> values);
template <class... Values>
std::string line(std::string_view text, Values... values) {
    return lineOf(text, {static_cast<double>(values)...});
}

// A value printed after its label, as entered; returns the value.
inline float echo(App& app, std::string_view label, float value) {
    app.pane.print(line(label, value));
    return value;
}

}  // namespace cfhx::calc
