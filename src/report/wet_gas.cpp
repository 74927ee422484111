// The wet-condensation property table of the condensing side, in the run's
// display mode; an SI table reads a converted copy of the record.
#include <span>

#include "app/app.h"
#include "calc/units.h"
#include "report/display_mode.h"
#include "report/result_rows.h"
#include "report/results.h"
#include "report/wet_gas_texts.h"

namespace cfhx::report {

using calc::Record;
namespace T = wet_gas_texts;

namespace {

// Blank lines before the table.
constexpr int kLeadingLines = 9;

std::span<const T::WetRow> rowsOf(const DisplayMode& m) {
    if (m.name == Lang::JSI) return T::kRowsJsi;
    if (m.name == Lang::E) return T::kRowsE;
    if (m.name == Lang::ESI) return T::kRowsEsi;
    return T::kRowsJ;
}

// The condensing stream of one side.
struct Stream {
    double flowIn, normalDensity, weightRatio;
};

double wetValue(T::Wet v, const Record& r, const Stream& s) {
    const double massIn = s.flowIn * s.normalDensity;
    switch (v) {
        case T::Wet::None: return 0.0;
        case T::Wet::FlowIn: return s.flowIn;
        case T::Wet::FlowOut: return r.VNo;
        case T::Wet::MassIn: return massIn;
        case T::Wet::MassOut: return massIn - r.Wc;
        case T::Wet::PvsIn: return r.PvsIn;
        case T::Wet::PvsOut: return r.PvsOut;
        case T::Wet::HsatIn: return r.HsatIn;
        case T::Wet::HsatOut: return r.HsatOut;
        case T::Wet::Xin: return r.Xin;
        case T::Wet::Xout: return r.Xout;
        case T::Wet::WeightRatio: return s.weightRatio;
        case T::Wet::Wc: return r.Wc;
        case T::Wet::Wm: return r.Wm;
    }
    return 0.0;
}

}  // namespace

void showWetGasTable(App& app, const Record& record, std::string_view mode) {
    const DisplayMode& m = displayMode(mode);
    const Record r = calc::resultIn(record, m.si);
    const bool tube = caseOf(r).latent == Case::LatentSide::Tube;
    const Stream s = tube ? Stream{r.Vt, r.DtN, r.MT} : Stream{r.Vs, r.DsN, r.MS};
    const T::WetWhen side = tube ? T::WetWhen::TubeSide : T::WetWhen::ShellSide;

    Pane& p = app.pane;
    p.clear();
    printEmptyLines(p, kLeadingLines);
    p.print(tube ? T::kTubeHeading : T::kShellHeading);
    p.print(T::kBoxTop);
    p.print(m.english ? T::kColumnsE : T::kColumnsJ);
    p.print(T::kBoxRule);
    for (const T::WetRow& row : rowsOf(m)) {
        if (row.when != T::WetWhen::Always && row.when != side) continue;
        double values[2];
        size_t n = 0;
        for (T::Wet v : row.values) {
            if (v != T::Wet::None) values[n++] = wetValue(v, r, s);
        }
        p.print(fillRow(row.format, std::span<const double>(values, n)));
    }
    p.print(T::kBoxBottom);
    p.print();
}

}  // namespace cfhx::report
