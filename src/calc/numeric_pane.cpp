#include "calc/numeric_pane.h"

#include <string>

#include "app/mask.h"
#include "app/pane.h"
#include "calc/humid_gas.h"
#include "calc/units.h"

namespace cfhx::calc {
namespace {

void printEnthalpyPass(Pane& pane, const EnthalpyPass& p, bool kelvin) {
    const float shift = kelvin ? kKelvin : 0.0f;
    pane.printAt(6, 10, "[ determination of inlet temp.]");
    pane.printAt(7, 10, "LOOP=" + std::to_string(p.pass) + "/" + std::to_string(kEnthalpyPassLimit));
    pane.printAt(8, 10, formatMasked("Tsi     =###.## ℃", {p.T + shift}));
    pane.printAt(9, 10, formatMasked("Tsx     =###.## ℃", {p.Tx + shift}));
    pane.printAt(10, 10, formatMasked("Tsi/Tsx =#.####", {p.Tx != 0.0f ? p.T / p.Tx : 0.0}));
    pane.printAt(11, 10, formatMasked("PX    =#.#### kg/cm2", {p.X}));
    pane.printAt(12, 10, formatMasked("PG    =#.#### kg/cm2", {p.p}));
}

}  // namespace

void printNotes(Pane& pane, Notes& notes) {
    for (const std::string& line : notes.lines) pane.print(line);
    notes.lines.clear();
}

float saturationTemperatureTraced(Pane& pane, float H2, bool kelvin) {
    const float T =
        saturationTemperatureFromEnthalpy(H2, [&](const EnthalpyPass& p) { printEnthalpyPass(pane, p, kelvin); });
    pane.clear();
    return T;
}

}  // namespace cfhx::calc
