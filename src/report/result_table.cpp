// The result table of one display mode: outer area and the settled
// values in the old units, then premise block, the main screen's panel and
// the rows from a copy in the table's units.
#include <cmath>
#include <initializer_list>
#include <string>

#include "app/app.h"
#include "app/mask.h"
#include "calc/units.h"
#include "report/display_mode.h"
#include "report/result_table_texts.h"
#include "report/results.h"

namespace cfhx::report {

using calc::Record;

namespace {

using Latent = Case::LatentSide;

struct Presentation {
    const Premise& premise;
    std::span<const Row> rows;
};

Presentation presentationOf(const DisplayMode& m) {
    if (m.name == Lang::JSI) return {kPremiseJsi, kTableJsi};
    if (m.name == Lang::E) return {kPremiseE, kTableE};
    if (m.name == Lang::ESI) return {kPremiseEsi, kTableEsi};
    return {kPremiseJ, kTableJ};
}

}  // namespace

std::span<const Row> tableRows(std::string_view mode) { return presentationOf(displayMode(mode)).rows; }

// Fin areas are per fin; fins per inch → fins per metre.
constexpr float kInchInM = calc::kMmPerInch / calc::kMmPerM;

// Outer area of the bundle, m2 (old units): the tube surface of bare tubes,
// the fin surfaces (total and effective) of finned ones.
void outerArea(Record& r) {
    if (calc::tubeKind(r) == calc::TubeKind::Bare) {
        r.Ao = r.TL * r.Nt * calc::kPi * r.DO;
        return;
    }
    const float finsPerM = r.FPI / kInchInM;
    r.Ao = r.Afin * r.TL * r.Nt * finsPerM;
    r.Aoe = r.AfinE * r.TL * r.Nt * finsPerM;
}

void routeGaps(Record& r, const Case& c) {
    r.Wsx = r.Vsa * r.Ds;
    // The effectiveness branch runs for a sensible rating with the shell
    // flow given (the typed-in vapour's route sets the same three itself).
    if (c.latent == Latent::None && !c.branch) {
        r.Q2 = r.Q;
        r.T2X = r.Tto;
        r.TY2 = r.Tso;
    }
    if (c.tubeTypedIn && c.water) r.Vt = static_cast<float>(ratioOrZero(r.Wt, r.Dt));
}

// Quantities the rows read that are settled here: the temperature
// efficiencies (0 when the inlets are equal), KO of bare tubes and the
// quantities some routes leave unset.
void settleTableValues(Record& r, const Case& c) {
    routeGaps(r, c);
    const double span = r.Tti - r.Tsi;  // negative for a hot shell side
    r.Es = static_cast<float>(ratioOrZero(double(r.Tso) - r.Tsi, span));
    r.Et = static_cast<float>(ratioOrZero(double(r.Tti) - r.Tto, span));
    if (!c.finned) r.KO = static_cast<float>(ratioOrZero(double(r.KI) * r.Ai, r.Aeff));
}

std::string_view styleLabel(const Premise& p, const Case& c) {
    if (c.latent == Latent::Shell) return p.styleShellLatent;
    if (c.latent == Latent::Tube) return p.styleTubeLatent;
    if (c.vapour) return p.styleVapour;
    return p.styleSensible;
}

// FlowPattern of the construction column: 2 parallel passes (sensible or
// latent), otherwise counter passes.
constexpr float kParallelPasses = 2.0f;

std::string_view patternLabel(const Labels& l, const Record& r) {
    if (r.FlowPattern == kParallelPasses) return l.patternParallel;
    return r.PNt < 2.0f && r.PNs < 2.0f ? l.patternOnePass : l.patternCounter;
}

std::string_view surfaceLabel(const Labels& l, const Record& r) {
    switch (calc::tubeKind(r)) {
        case calc::TubeKind::Bare: return l.surfaceBare;
        case calc::TubeKind::RadialFin: return l.surfaceRadial;
        case calc::TubeKind::PlateFin: return l.surfacePlate;
    }
    return l.surfaceBare;
}

namespace {

// Volume per cent in the order CO2, N2, O2, H2O.
std::string compositionLine(std::string_view format, const float (&wet)[calc::kComponents]) {
    return formatMasked(format, {100.0 * wet[calc::kCO2], 100.0 * wet[calc::kN2], 100.0 * wet[calc::kO2],
                                 100.0 * wet[calc::kH2O]});
}

}  // namespace

// The latent side's mean temperature is that of its saturation
// temperatures in (the dew point) and out (TZ3); the other side keeps the
// mean of its inlet and outlet.
void latentMeans(Record& r, const Case& c) {
    if (c.latent == Latent::Shell) {
        r.TAM = (r.TdewS + r.TZ3) / 2.0f;
        r.TGM = (r.Tti + r.Tto) / 2.0f;
    } else if (c.latent == Latent::Tube) {
        r.TGM = (r.TdewT + r.TZ3) / 2.0f;
        r.TAM = (r.Tsi + r.Tso) / 2.0f;
    }
}

namespace {

std::string percentText(float fraction) { return formatMasked("###.##", {100.0 * fraction}); }

// The composition/property panel EDIT97–EDIT127 of the main screen.
void fillPanel(App& app, const Record& r, const Case& c, bool si) {
    ScreenRef main = app["MAINFORM"];
    auto set = [&](int n, std::string_view text) { main["EDIT" + std::to_string(n)].setText(text); };
    set(97, panel::kHeading);
    set(98, panel::kTube);
    set(99, panel::kShell);
    struct Component {
        int caption;  // tube and shell cells follow it
        std::string_view text;
        calc::Component k;
    };
    constexpr Component kRows[] = {
        {.caption = 100, .text = panel::kN2, .k = calc::kN2},
        {.caption = 103, .text = panel::kO2, .k = calc::kO2},
        {.caption = 106, .text = panel::kCO2, .k = calc::kCO2},
        {.caption = 109, .text = panel::kH2O, .k = calc::kH2O},
    };
    const bool tubeDash = c.water || c.tubeTypedIn;
    const bool shellDash = fluidKind(r.ShellFluidKind) == FluidKind::Manual;
    for (const Component& row : kRows) {
        set(row.caption, row.text);
        set(row.caption + 1, tubeDash ? std::string(panel::kDash) : percentText(r.tubeWet[row.k]));
        set(row.caption + 2, shellDash ? std::string(panel::kDash) : percentText(r.shellWet[row.k]));
    }
    set(112, c.tubeTypedIn ? panel::kOtherTypedIn : panel::kOther);
    set(113, c.tubeTypedIn ? panel::kTypedIn : c.water ? panel::kWater : std::string_view());
    set(114, shellDash ? panel::kDash : std::string_view());

    set(115, panel::kProperties);
    struct Property {
        int caption;
        std::string_view si, old;
        float tube, shell;
    };
    const Property kProperties[] = {
        {.caption = 116, .si = panel::kSpecificHeatSi, .old = panel::kSpecificHeat, .tube = r.Ct, .shell = r.Cs},
        {.caption = 119, .si = panel::kConductivitySi, .old = panel::kConductivity, .tube = r.Kt, .shell = r.Ks},
        {.caption = 122, .si = panel::kViscositySi, .old = panel::kViscosity, .tube = r.VIt, .shell = r.VIs},
        {.caption = 125, .si = panel::kDensity, .old = panel::kDensity, .tube = r.Dt, .shell = r.Ds},
    };
    for (const Property& p : kProperties) {
        set(p.caption, si ? p.si : p.old);
        set(p.caption + 1, freeNumber(p.tube));
        set(p.caption + 2, freeNumber(p.shell));
    }
}

void printPremise(App& app, const Record& r, const Case& c, const Premise& p, bool si) {
    Pane& pane = app.pane;
    const Labels& l = *p.labels;
    printEmptyLines(pane, p.titleBlankLines);
    pane.print(std::string(p.title) + app.platform.today() + std::string(kTitleEnd));
    if (!p.heading.empty()) pane.print(p.heading);
    pane.print(std::string(p.styleLead) + std::string(styleLabel(p, c)));
    if (!c.typedIn) pane.printMasked(p.propertyMeans, {r.TAMAV, r.TGMAV});
    pane.printMasked(p.fluidMeans, {r.TAM, r.TGM});
    if (c.typedIn) {
        pane.print(std::string(p.typedInShell) + std::string(l.typedIn));
        pane.print(std::string(p.typedInTube) + std::string(l.typedIn));
    } else {
        pane.print(compositionLine(p.shellComposition, r.shellWet));
        pane.print(c.water ? std::string(p.tubeWater) : compositionLine(p.tubeComposition, r.tubeWet));
    }
    const std::string surface = std::string(p.surfaceLead) + std::string(surfaceLabel(l, r));
    const std::string pattern = std::string(p.patternLead) + std::string(patternLabel(l, r)) + std::string(p.patternEnd);
    if (p.patternOwnLine) {
        pane.print(surface);
        pane.print(pattern);
    } else {
        pane.print(surface + pattern);
    }
    if (p.panel) fillPanel(app, r, c, si);
}

}  // namespace

void showTable(App& app, Record& r, std::string_view mode) {
    const DisplayMode& m = displayMode(mode);
    const Presentation show = presentationOf(m);
    outerArea(r);
    const Case c = caseOf(r);
    if (!c.typedIn) latentMeans(r, c);
    settleTableValues(r, c);
    app.pane.clear();
    if (app.paneUnread) return;  // the record is settled; the page would go unread
    const Record shown = calc::resultIn(r, m.si);
    printEmptyLines(app.pane, show.premise.blankLines);
    printPremise(app, shown, c, show.premise, m.si);
    printRows(app.pane, show.rows, shown, c, m.si);
}

}  // namespace cfhx::report
