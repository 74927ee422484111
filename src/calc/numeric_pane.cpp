#include "calc/numeric_pane.h"

#include <string>

#include "app/mask.h"
#include "app/pane.h"
#include "calc/engine_texts.h"
#include "calc/humid_gas.h"
#include "calc/units.h"

namespace cfhx::calc {
namespace {

void printEnthalpyPass(Pane& pane, const EnthalpyPass& p, bool kelvin, const engine_texts::EngineTexts& T) {
    const float shift = kelvin ? kKelvin : 0.0f;
    pane.printAt(6, 10, "[ determination of inlet temp.]");
    pane.printAt(7, 10, "LOOP=" + std::to_string(p.pass) + "/" + std::to_string(kEnthalpyPassLimit));
    pane.printAt(8, 10, formatMasked(T.passTsi, {p.T + shift}));
    pane.printAt(9, 10, formatMasked(T.passTsx, {p.Tx + shift}));
    pane.printAt(10, 10, formatMasked("Tsi/Tsx =#.####", {p.Tx != 0.0f ? p.T / p.Tx : 0.0}));
    pane.printAt(11, 10, formatMasked("PX    =#.#### kg/cm2", {p.X}));
    pane.printAt(12, 10, formatMasked("PG    =#.#### kg/cm2", {p.p}));
}

}  // namespace

std::string_view noteText(Note note, Language language) {
    const engine_texts::EngineTexts& T = engine_texts::engineTexts(language);
    switch (note) {
        case Note::PropertyAboveRange: return T.propertyAboveRange;
        case Note::PropertyBelowRange: return T.propertyBelowRange;
        case Note::SquarePitch: return T.squarePitch;
    }
    return {};
}

void printNotes(Pane& pane, Notes& notes, Language language) {
    for (Note note : notes.added) pane.print(noteText(note, language));
    notes.added.clear();
}

float saturationTemperatureTraced(Pane& pane, float H2, bool kelvin, Language language) {
    const engine_texts::EngineTexts& texts = engine_texts::engineTexts(language);
    const float T =
        saturationTemperatureFromEnthalpy(H2, [&](const EnthalpyPass& p) { printEnthalpyPass(pane, p, kelvin, texts); });
    pane.clear();
    return T;
}

}  // namespace cfhx::calc
