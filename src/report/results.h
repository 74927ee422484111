// The result of a finished calculation: the result table of a display mode
// in the text pane, the summary screen FORM2, the wet-gas property tables
// and the heat-balance check. The record is held in the old units; an SI
// presentation shows a converted copy.
#pragma once

#include <string_view>

#include "calc/record.h"

namespace cfhx {
struct App;
}

namespace cfhx::report {

// A fresh result: the phase-change flows of the latent side (Wtc, Wo), the
// table of the run's display mode, then the summary screen. The capacity
// rates and effectiveness of a latent case are the engine's, before this.
void presentResult(App& app, calc::Record& r);

// The table of `mode` ("J", "JSI", "E", "ESI"): the outer area, the premise
// block (with the main screen's composition/property panel in the Japanese
// modes), then every row whose condition holds. Also stores the
// temperature efficiencies, the bare-tube KO and, for a latent side, the
// mean temperatures the premise block shows. With App::paneUnread it
// stores those and clears the page, and prints nothing.
void showTable(App& app, calc::Record& r, std::string_view mode);

// Fills and shows FORM2 beside the table of `mode` ("J", "JSI", "E",
// "ESI"): SI or old units and the captions' language follow that table;
// English captions in mode "E", and in mode "ESI" on a fresh result only. A
// condensate larger than the tube inflow or a negative outlet flow hides
// FORM2, prints its message, pauses and leaves the calculation
// (LeaveCalculation).
void fillSummaryScreen(App& app, calc::Record& r, std::string_view mode, bool freshResult);

// The wet-condensation property table of the latent side (the shell side
// when no side is latent) in the language and units of `mode`.
void showWetGasTable(App& app, const calc::Record& r, std::string_view mode);

// The heat-balance ratios in the old units; Qk takes the overall duty of the check.
void showHeatBalanceCheck(App& app, calc::Record& r);

// Duties of the heat-balance check, kcal/h.
struct HeatBalance {
    double Qk = 0.0;  // overall, K·A·ΔT
    double Qs = 0.0;  // shell side
    double Qt = 0.0;  // tube side
};
HeatBalance heatBalance(const calc::Record& r);

// Pieces of the premise block and the table preamble the printed sheet
// shares with the tables (old units unless the record is in SI).
struct Case;
struct Premise;
struct Labels;
// Ao and, for finned tubes, Aoe from the fin areas, m2 (old units).
void outerArea(calc::Record& r);
// Temperature efficiencies Et, Es (0 for equal inlets), KO of bare tubes,
// and the quantities of routeGaps.
void settleTableValues(calc::Record& r, const Case& c);
// Quantities the outputs read that not every route forms, from those it
// did (old units): the shell mass flow Wsx = Vsa·Ds, kg/h; where the
// effectiveness branch did not run, its duty and outlets Q2, T2X, TY2 are
// the route's Q, Tto, Tso; a typed-in liquid's volume flow Vt = Wt/Dt, m3/h.
void routeGaps(calc::Record& r, const Case& c);
// TAM/TGM of a latent side: the mean of its saturation temperatures in and out.
void latentMeans(calc::Record& r, const Case& c);
std::string_view styleLabel(const Premise& p, const Case& c);
std::string_view patternLabel(const Labels& l, const calc::Record& r);
std::string_view surfaceLabel(const Labels& l, const calc::Record& r);

}  // namespace cfhx::report
