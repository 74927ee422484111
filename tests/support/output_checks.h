// Every output of one result shows the same quantities: the four result
// tables, the four calculation sheets, the summary screen beside each
// table, the JSON quantities and the heat-balance check. JSI is J converted
// (+273 K, ×1.163 W, /3600 per second, ×1000 mm, loss in Pa), E is J and
// ESI is JSI, each within the rounding it is printed to.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iostream>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "app/app.h"
#include "calc/record.h"
#include "report/result_quantities.h"
#include "report/results.h"
#include "report/sheet.h"
#include "support/output_fixture.h"
#include "support/printed_figures.h"

namespace cfhx::testing {

using calc::Record;

// What the checks need to know of a case.
struct OutputCase {
    std::string name;
    bool liquidTubes = false;  // water or a typed-in liquid
    bool latentTube = false, latentShell = false;
    // Quantities whose outputs cannot agree until the rating forms them,
    // each named in the test's output.
    std::vector<std::string> unformed = {};
};

inline bool unformed(const OutputCase& s, std::string_view symbol) {
    for (const std::string& u : s.unformed) {
        if (u != symbol) continue;
        static std::set<std::string> told;
        const std::string note = s.name + " " + u;
        if (told.insert(note).second) std::cout << "  [not compared until the rating forms it] " << note << "\n";
        return true;
    }
    return false;
}

inline const char* const kModes[] = {"J", "JSI", "E", "ESI"};
inline bool si(const std::string& mode) { return mode.ends_with("SI"); }

// Everything one result prints.
struct Outputs {
    std::map<std::string, std::string> table, sheetIn, sheetOut;
    std::map<std::string, std::map<std::string, std::string>> summary;
    std::string check;
    std::vector<report::ResultQuantity> json, jsonEnglish;
};

// The summary boxes the tests read, with the table symbol they repeat.
struct SummaryBox {
    const char* control;
    const char* symbol;
};
inline constexpr SummaryBox kSummaryBoxes[] = {
    {"EDIT38", "Q"},  {"EDIT47", "Tti"}, {"EDIT49", "Tsi"}, {"EDIT52", "Tto"}, {"EDIT53", "Tso"},
    {"EDIT61", "Wt"}, {"EDIT59", "Ws"},  {"EDIT39", "KI"},
};

inline std::string joined(const std::vector<std::string>& lines) {
    std::string s;
    for (const std::string& l : lines) s += l + "\n";
    return s;
}

inline Outputs outputsOf(const Record& r) {
    CountingPlatform platform;
    App app(platform);
    Outputs o;
    for (const std::string mode : kModes) {
        Record shown = r;
        report::showTable(app, shown, mode);
        o.table[mode] = app.pane.pageText();
        report::fillSummaryScreen(app, shown, mode, true);
        for (const SummaryBox& b : kSummaryBoxes) o.summary[mode][b.control] = app["FORM2"][b.control].text();
        const auto pages = report::sheetPages(r, mode, "07/03/05");
        o.sheetIn[mode] = joined(pages.at(0));
        o.sheetOut[mode] = joined(pages.at(1));
    }
    Record checked = r;
    report::showHeatBalanceCheck(app, checked);
    o.check = app.pane.pageText();
    o.json = report::resultQuantities(r, false);
    o.jsonEnglish = report::resultQuantities(r, true);
    return o;
}

// How a quantity goes from the old units to SI.
enum class Kind { Same, Temperature, Heat, PerHour, Length, TubeLoss, ShellLoss };

struct Conversion {
    double factor = 1.0, offset = 0.0;
};

// Losses: kgf/cm2 → MPa is ×0.098; a gas side's old cell is in mmAq
// (kgf/cm2 × 10000), a liquid's in kgf/cm2; SI cells are Pa.
inline Conversion conversion(Kind k, bool liquidTubes) {
    switch (k) {
        case Kind::Same: return {};
        case Kind::Temperature: return {.offset = 273.0};
        case Kind::Heat: return {.factor = 1.163};
        case Kind::PerHour: return {.factor = 1.0 / 3600.0};
        case Kind::Length: return {.factor = 1000.0};
        case Kind::TubeLoss: return {.factor = liquidTubes ? 0.098e6 : 0.098e6 / 1.0e4};
        case Kind::ShellLoss: return {.factor = 0.098e6 / 1.0e4};
    }
    return {};
}

// `si` agrees with `old` converted, within both printed roundings.
inline void expectConverted(const Figure& old, const Figure& si, const Conversion& c, const std::string& what) {
    const double expected = old.value * c.factor + c.offset;
    const double slack = std::fabs(c.factor) * old.rounding() + si.rounding() + 1e-5 * std::fabs(expected);
    EXPECT_NEAR(si.value, expected, slack) << what;
}

// Quantities of the result tables; E writes the losses "Pt", "Ps".
struct TableQuantity {
    const char* symbol;
    Kind kind;
    const char* english = nullptr;
};
inline constexpr TableQuantity kTableQuantities[] = {
    {"Q", Kind::Heat},        {"Tti", Kind::Temperature}, {"Tsi", Kind::Temperature}, {"Tto", Kind::Temperature},
    {"Tso", Kind::Temperature}, {"Ttm", Kind::Temperature}, {"Tsm", Kind::Temperature}, {"Twav", Kind::Temperature},
    {"LMTD", Kind::Same},     {"Et", Kind::Same},         {"Es", Kind::Same},
    {"Ht", Kind::Heat},       {"Hs", Kind::Heat},         {"Wt", Kind::PerHour},      {"Ws", Kind::PerHour},
    {"Vt", Kind::PerHour},    {"Vs", Kind::PerHour},      {"KI", Kind::Heat},         {"KO", Kind::Heat},
    {"Ut", Kind::Same},       {"Us", Kind::Same},         {"Ai", Kind::Same},         {"Ao", Kind::Same},
    {"Nt", Kind::Same},       {"Nh", Kind::Same},         {"TL", Kind::Length},
    {"PDt", Kind::TubeLoss, "Pt"}, {"PDs", Kind::ShellLoss, "Ps"},
};

// A table's figure by symbol, whatever its case ("ES =", "NT="); the JSI
// table writes a typed-in tube's mass flow "Wti".
inline std::optional<Figure> tableFigure(const std::string& table, std::string_view symbol) {
    if (symbol == "Wt") {
        if (auto f = figure(table, "Wti")) return f;
    }
    return figure(table, symbol, 0, true);
}

inline std::optional<Figure> tableFigure(const Outputs& o, const std::string& mode, const TableQuantity& q) {
    return tableFigure(o.table.at(mode), mode.starts_with("E") && q.english ? q.english : q.symbol);
}

inline void expectModesAgree(const Outputs& o, const OutputCase& s) {
    struct Pair {
        const char *from, *to;
        bool converts;
    };
    constexpr Pair kPairs[] = {{"J", "JSI", true}, {"J", "E", false}, {"JSI", "ESI", false}, {"E", "ESI", true}};
    for (const Pair& p : kPairs) {
        for (const TableQuantity& q : kTableQuantities) {
            const auto a = tableFigure(o, p.from, q), b = tableFigure(o, p.to, q);
            if (!a || !b) continue;  // a row one table prints and the other does not
            if (unformed(s, q.symbol)) continue;
            const Conversion c = p.converts ? conversion(q.kind, s.liquidTubes) : Conversion{};
            expectConverted(*a, *b, c, std::string("table ") + p.from + " → " + p.to + " " + q.symbol);
        }
    }
}

// The table's figure of `symbol` in `mode` (it must be there).
inline Figure tableValue(const Outputs& o, const std::string& mode, const char* symbol) {
    const auto f = tableFigure(o.table.at(mode), symbol);
    EXPECT_TRUE(f.has_value()) << mode << " table has no " << symbol;
    return f.value_or(Figure{});
}

inline void expectSame(const Figure& a, const Figure& b, const std::string& what) {
    expectConverted(a, b, Conversion{}, what);
}

// The sheet's results and the set flows in kg repeat the table.
inline void expectSheetAgrees(const Outputs& o, const OutputCase& s, const std::string& mode) {
    for (const char* symbol : {"Q", "Tti", "Tsi", "Tto", "Tso", "Wt", "Ws", "Ut", "Us", "LMTD"}) {
        const auto sheet = figure(o.sheetOut.at(mode), symbol);
        if (!sheet || unformed(s, symbol)) continue;
        expectSame(tableValue(o, mode, symbol), *sheet, mode + " sheet result " + symbol);
    }
    // The set-conditions flow row: each cell's value as its label says.
    const std::string_view row = lineOf(o.sheetIn.at(mode), "Ws");
    if (row.empty()) return;
    const std::string units = unitCell(row);
    const size_t comma = units.find(',');
    const std::string tubeUnit = units.substr(0, comma), shellUnit = comma == std::string::npos ? units : units.substr(comma + 1);
    const std::string perMass = si(mode) ? "kg/s" : "kg/h";
    EXPECT_NE(shellUnit.find(perMass), std::string::npos) << mode << " set flow Ws labelled " << units;
    if (const auto ws = figure(row, "Ws"); ws && !unformed(s, "Ws")) expectSame(tableValue(o, mode, "Ws"), *ws, mode + " set flow Ws");
    if (const auto wt = figure(row, "Wt"); wt && !unformed(s, "Wt")) {
        // Water may be set in t/h (t/s): its label says so.
        const bool tonnes = tubeUnit.find("t/") != std::string::npos && tubeUnit.find("kg") == std::string::npos;
        Figure kg = *wt;
        if (tonnes) kg.value *= 1000.0, kg.decimals = std::max(0, kg.decimals - 3);
        expectSame(tableValue(o, mode, "Wt"), kg, mode + " set flow Wt");
    }
}

// The outlets and inlets set in the dialogue are the same in every mode.
inline void expectSetTemperaturesAgree(const Outputs& o) {
    for (const char* symbol : {"Tti", "Tsi", "Tto", "Tso"}) {
        const auto j = figure(o.sheetIn.at("J"), symbol, 0, true);
        for (const std::string mode : {"JSI", "E", "ESI"}) {
            const auto m = figure(o.sheetIn.at(mode), symbol, 0, true);
            EXPECT_EQ(j.has_value(), m.has_value()) << "set " << symbol << " shown in J but not " << mode << " or so";
            if (j && m) expectConverted(*j, *m, si(mode) ? conversion(Kind::Temperature, false) : Conversion{},
                                        mode + " set " + symbol);
        }
    }
}

// Summary boxes: full figures; SI flows in g/s.
inline void expectSummaryAgrees(const Outputs& o, const OutputCase& s, const std::string& mode) {
    for (const SummaryBox& b : kSummaryBoxes) {
        const std::string sym = b.symbol;
        if ((s.latentTube && (sym == "Tti" || sym == "Tto")) || (s.latentShell && (sym == "Tsi" || sym == "Tso")))
            continue;  // a condensing side shows its saturation temperatures there
        const auto shown = figure(sym + "=" + o.summary.at(mode).at(b.control), b.symbol);
        ASSERT_TRUE(shown.has_value()) << mode << " " << b.control << " '" << o.summary.at(mode).at(b.control) << "'";
        Figure f = *shown;
        if (si(mode) && (sym == "Wt" || sym == "Ws")) f.value /= 1000.0;
        f.decimals = 9;  // written in full
        const auto t = tableFigure(o.table.at(mode), b.symbol);
        if (t && !unformed(s, sym)) expectSame(*t, f, mode + " summary " + b.control + " " + sym);
    }
}

inline void expectJsonAgrees(const Outputs& o, const OutputCase& s) {
    for (const bool english : {false, true}) {
        const auto& list = english ? o.jsonEnglish : o.json;
        for (const char* name : {"Q", "Tti", "Tsi", "Tto", "Tso", "Wt", "Ws", "Vt", "KI"}) {
            for (const auto& q : list) {
                if (q.name != name || unformed(s, name)) continue;
                const std::string old = english ? "E" : "J", si = english ? "ESI" : "JSI";
                for (const auto& [side, mode] : {std::pair{q.old, old}, std::pair{q.si, si}}) {
                    if (!side) continue;
                    EXPECT_NEAR(side->value, tableValue(o, mode, name).value, 1e-6 * std::fabs(side->value) + 1e-9)
                        << "JSON " << mode << " " << name;
                }
            }
        }
    }
}

// The screen's check prints the sheet's ratios.
inline void expectBalanceAgrees(const Outputs& o) {
    for (const char* ratio : {"Qs/Qk", "Qt/Qk", "Qs/Qt"}) {
        const auto screen = figure(o.check, ratio);
        ASSERT_TRUE(screen.has_value()) << ratio;
        for (const std::string mode : kModes) {
            const auto sheet = figure(o.sheetOut.at(mode), ratio);
            ASSERT_TRUE(sheet.has_value()) << mode << " " << ratio;
            EXPECT_NEAR(sheet->value, screen->value, 1e-9) << mode << " sheet vs screen " << ratio;
        }
    }
}

// A liquid's volume flow carries its mass flow: Vt·Dt = Wt (JSI, m3/s and kg/s).
inline void expectLiquidFlowAgrees(const Outputs& o) {
    const Figure vt = tableValue(o, "JSI", "Vt"), wt = tableValue(o, "JSI", "Wt");
    const auto dt = figure(o.sheetIn.at("JSI"), "Dt");
    ASSERT_TRUE(dt.has_value());
    const double slack = dt->value * vt.rounding() + vt.value * dt->rounding() + wt.rounding() + 1e-4 * wt.value;
    EXPECT_NEAR(vt.value * dt->value, wt.value, slack) << "Vt·Dt against Wt";
}

// The humid-gas rows of the sheet are labelled in the units of the mode.
inline void expectWetUnits(const Outputs& o) {
    struct Unit {
        const char* symbol;
        const char *old, *si;
    };
    constexpr Unit kUnits[] = {
        {"VNi", "Nm3/h", "Nm3/s"}, {"Wsi", "kg/h", "kg/s"}, {"Wti", "kg/h", "kg/s"}, {"Psi", "kg/cm2", "MPa"},
        {"Pti", "kg/cm2", "MPa"},  {"Hsi", "kcal/kg", "kJ/kg"}, {"Hti", "kcal/kg", "kJ/kg"},
    };
    for (const std::string mode : kModes) {
        for (const Unit& u : kUnits) {
            const std::string_view row = lineOf(o.sheetOut.at(mode), u.symbol);
            if (row.empty()) continue;
            EXPECT_EQ(unitCell(row), si(mode) ? u.si : u.old) << mode << " sheet " << u.symbol;
        }
    }
}

// Every check above on one finished record.
inline void expectOutputsAgree(const Record& r, const OutputCase& s) {
    const Outputs o = outputsOf(r);
    expectModesAgree(o, s);
    for (const std::string mode : kModes) {
        expectSheetAgrees(o, s, mode);
        expectSummaryAgrees(o, s, mode);
    }
    expectSetTemperaturesAgree(o);
    expectJsonAgrees(o, s);
    expectBalanceAgrees(o);
    if (s.liquidTubes) expectLiquidFlowAgrees(o);
    expectWetUnits(o);
}

}  // namespace cfhx::testing
