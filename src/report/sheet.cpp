// The printed calculation sheet: header and premise block, the input
// tables, the page break, the result tables, the humid-gas table of a
// latent side and the heat-balance check. Rows are data (sheet_texts.h);
// one evaluator fills every table of every mode.
#include "report/sheet.h"

#include <cmath>
#include <initializer_list>
#include <span>

#include "app/codes.h"
#include "app/mask.h"
#include "calc/units.h"
#include "report/display_mode.h"
#include "report/heat_balance_texts.h"
#include "report/result_rows.h"
#include "report/result_table_texts.h"
#include "report/results.h"
#include "report/sheet_texts.h"

namespace cfhx::report {

using calc::Record;
namespace T = sheet_texts;

namespace {

// Blank lines that move the result tables to the next page: after one empty
// line, 17, 4 more for a typed-in tube side, then 3.
constexpr int kBreakLead = 1, kBreakRun = 17, kBreakTypedIn = 4, kBreakTail = 3;
constexpr int kClosingLines = 4;

// What the sheet's row conditions read, settled once from the old record.
struct SheetCase {
    Case c;
    bool waterTube = false;       // water or a typed-in liquid, not the typed-in gas
    bool gasTube = false;         // neither water nor typed in
    bool rowsAndLength = false;   // (A): tube rows and length were given
    bool shellFlowGiven = false;  // (C): the shell flow was given
    bool shellComputed = false;   // processing No. 2, 4, 6 compute the shell flow
    bool rowsComputed = false;    // processing No. 3, 4
    bool lengthComputed = false;  // processing No. 1, 2
    bool tubeMass = false;        // the tube gas was given as a mass flow
    bool shellMass = false;       // the shell flow was given as a mass flow
    bool tape = false;
    bool plateFin = false;
    bool counterLatent = false;   // the latent counter-flow arrangement (sFLOW 3)
    HtcMode htc = HtcMode::BothComputed;
};

SheetCase sheetCaseOf(const Record& r) {
    SheetCase s;
    s.c = caseOf(r);
    s.waterTube = s.c.water && !s.c.tubeTypedIn;
    s.gasTube = !s.c.water && !s.c.tubeTypedIn;
    s.rowsAndLength = choiceA(r.ChoiceA) == ChoiceA::RowsAndLengthGiven;
    s.shellFlowGiven = r.ChoiceC == 1.0f;
    const std::string_view proc = r.flags.sPROC.view();
    s.shellComputed = proc == Proc::LengthAndShellFlow || proc == Proc::RowsAndShellFlow || proc == Proc::OutletAndShellFlow;
    s.rowsComputed = proc == Proc::Rows || proc == Proc::RowsAndShellFlow;
    s.lengthComputed = proc == Proc::Length || proc == Proc::LengthAndShellFlow;
    s.tubeMass = flowKind(r.TubeFlowKind) == FlowKind::Mass;
    s.shellMass = flowKind(r.ShellFlowKind) == FlowKind::Mass;
    s.tape = calc::tapeFitted(r);
    s.plateFin = calc::tubeKind(r) == calc::TubeKind::PlateFin;
    s.counterLatent = r.flags.sFLOW == Flow::CounterLmtd;
    s.htc = htcMode(r.HtcMode);
    return s;
}

bool holds(SheetWhen when, const SheetCase& s) {
    using W = SheetWhen;
    using Latent = Case::LatentSide;
    const Case& c = s.c;
    const bool latent = c.latent != Latent::None;
    const bool sensible = !latent;
    const bool evaporation = phaseChange(c.phaseChange) == PhaseChange::Evaporation;
    const bool condensation = phaseChange(c.phaseChange) == PhaseChange::Condensation || c.vapour;
    const bool gasNormal = s.gasTube && !s.tubeMass;
    switch (when) {
        case W::Always: return true;
        case W::Finned: return c.finned;
        case W::PlateFin: return s.plateFin;
        case W::NotPlateFin: return !s.plateFin;
        case W::GasTubes: return !c.water;
        case W::WaterTubes: return c.water;
        case W::TubeSaturation: return s.htc == HtcMode::BothComputed || s.htc == HtcMode::ShellGiven;
        case W::TubeSaturationBoth: return s.htc == HtcMode::BothComputed;
        case W::TubeSaturationShellGiven: return s.htc == HtcMode::ShellGiven;
        case W::FlowTypedIn: return c.tubeTypedIn;
        case W::FlowNormalShellMass: return gasNormal && s.shellMass;
        case W::FlowNormalShellMassGiven: return gasNormal && s.shellMass && !s.shellComputed;
        case W::FlowNormalShellMassComputed: return gasNormal && s.shellMass && s.shellComputed;
        case W::FlowNormalShellNormal: return gasNormal && !s.shellMass;
        case W::FlowNormalShellNormalGiven: return gasNormal && !s.shellMass && !s.shellComputed;
        case W::FlowNormalShellNormalComputed: return gasNormal && !s.shellMass && s.shellComputed;
        case W::FlowTubeMass: return s.gasTube && s.tubeMass;
        case W::FlowWater: return s.waterTube;
        case W::FlowWaterGiven: return s.waterTube && !s.shellComputed;
        case W::FlowWaterComputed: return s.waterTube && s.shellComputed;
        case W::FlowWaterLatent: return s.waterTube && latent;
        case W::FlowWaterSensible: return s.waterTube && sensible;
        case W::TempLatentShell: return c.latent == Latent::Shell;
        case W::TempInletOnly:
            return c.latent == Latent::Tube || (sensible && s.rowsAndLength && s.shellFlowGiven);
        case W::TempTubeOutlet: return sensible && s.rowsAndLength && !s.shellFlowGiven;
        case W::TempBothOutlets: return sensible && !s.rowsAndLength && !s.shellFlowGiven;
        case W::TempShellOutlet: return sensible && !s.rowsAndLength && s.shellFlowGiven;
        case W::TempOneOutlet: return sensible && s.rowsAndLength != s.shellFlowGiven;
        case W::RowsAndLength: return s.rowsAndLength;
        case W::FrontRows: return !s.rowsAndLength && !s.rowsComputed;
        case W::RowsEntered: return !s.rowsComputed;
        case W::RowsComputed: return s.rowsComputed;
        case W::LengthEntered: return !s.lengthComputed;
        case W::LengthComputed: return s.lengthComputed;
        case W::Tape: return s.tape;
        case W::NoTape: return !s.tape;
        case W::Evaporation: return evaporation;
        case W::ArrangementCross: return !s.counterLatent;
        case W::ArrangementLatent: return s.counterLatent;
        case W::MassTypedIn: return c.tubeTypedIn;
        case W::MassGasLatent: return s.gasTube && latent;
        case W::MassGasShellMass: return s.gasTube && sensible && c.shellMassKnown;
        case W::MassGasShellOpen: return s.gasTube && sensible && !c.shellMassKnown;
        case W::MassWaterShellMass: return s.waterTube && (latent || c.shellMassKnown);
        case W::MassWaterShellOpen: return s.waterTube && sensible && !c.shellMassKnown;
        case W::Water: return c.water;
        case W::NotWater: return !c.water;
        case W::LatentTube: return c.latent == Latent::Tube;
        case W::LatentShell: return c.latent == Latent::Shell;
        case W::CounterLatent: return s.counterLatent;
        case W::NotCounterLatent: return !s.counterLatent;
        case W::Vapour: return c.vapour;
        case W::NotVapour: return !c.vapour;
        case W::PhaseEvaporation: return evaporation;
        case W::PhaseCondensation: return !evaporation && condensation;
        case W::PhaseLatent: return !evaporation && !condensation && latent;
    }
    return false;
}

// Quantities taken from the old record whatever the sheet's units.
struct OldFigures {
    double Prt = 0.0, Prs = 0.0;  // Prandtl numbers, dimensionless
    HeatBalance balance;           // kcal/h
};

constexpr double kKgPerTonne = 1000.0;
constexpr double kMmPerM = 1000.0;
constexpr double kGramsPerKg = 1000.0;

double sheetValue(SheetValue v, const Record& r, const OldFigures& old, const SheetCase& s, bool si) {
    using V = SheetValue;
    using D = double;
    const Case& c = s.c;
    switch (v) {
        case V::None: return 0.0;
        case V::Dt: return r.Dt;
        case V::Ds: return r.Ds;
        case V::Ct: return r.Ct;
        case V::Cs: return r.Cs;
        case V::Rt: return r.Rt;
        case V::Rs: return r.Rs;
        case V::Kt: return r.Kt;
        case V::Ks: return r.Ks;
        case V::Kf: return r.Kf;
        case V::Km: return r.Km;
        case V::VIt: return r.VIt;
        case V::VIs: return r.VIs;
        case V::Xt: return r.XG;
        case V::Xs: return r.XA;
        case V::Prt: return old.Prt;
        case V::Prs: return old.Prs;
        case V::Psat: return r.Psat;
        case V::SIGt: return r.SIGt;
        case V::DI: return r.DI;
        case V::DO: return r.DO;
        case V::FPI: return r.FPI;
        case V::Fh: return r.Fh;
        case V::FT: return r.FT;
        case V::Pv: return r.Pv;
        case V::Ph: return r.Ph;
        case V::PNt: return r.PNt;
        case V::PNs: return r.PNs;
        case V::Wt: return r.Wt;
        case V::Ws: return r.Ws;
        case V::Vt: return r.Vt;
        case V::Vs: return r.Vs;
        case V::VtDtN: return D(r.Vt) * r.DtN;
        case V::Wsx: return valueOf(Value::Wsx, r, c, si);
        case V::Wtt: return r.Wtt;
        case V::WttKg: return D(r.Wtt) * kKgPerTonne;
        case V::VsWaterShell:
            return c.latent != Case::LatentSide::None ? D(r.Vs) : valueOf(Value::VsNormal, r, c, si);
        case V::WsWaterShell:
            return c.latent != Case::LatentSide::None || c.shellMassKnown ? D(r.Vs) * r.DsN
                                                                          : valueOf(Value::Wsx, r, c, si);
        case V::Tti: return r.Tti;
        case V::Tsi: return r.Tsi;
        case V::Tto: return r.Tto;
        case V::Tso: return r.Tso;
        case V::TdewS: return r.TdewS;
        case V::T2X: return r.T2X;
        case V::TY2: return r.TY2;
        case V::H: return r.H;
        case V::Nv: return r.Nv;
        case V::TL: return r.TL;
        case V::Nh: return r.Nh;
        case V::TapePitch: return D(r.TTP2) / 2.0 * (si ? 1.0 : kMmPerM);  // TTP2 is in mm in SI
        case V::Q: return r.Q;
        case V::Q2: return r.Q2;
        case V::VsDsN: return D(r.Vs) * r.DsN;
        case V::VsaDs: return D(r.Vsa) * r.Ds;
        case V::DtN: return r.DtN;
        case V::DsN: return r.DsN;
        case V::VW: return r.VW;
        case V::UM: return r.UM;
        case V::Ht: return valueOf(Value::Ht, r, c, si);
        case V::Hs: return valueOf(Value::Hs, r, c, si);
        case V::RetT: return r.RetT;
        case V::Ret: return r.Ret;
        case V::Res: return r.Res;
        case V::Kc: return r.Kc;
        case V::KI: return r.KI;
        case V::KOsheet: return ratioOrZero(ratioOrZero(r.KI, r.AR), r.Ao) * r.Aeff;
        case V::Fe: return r.Fe;
        case V::LMTD: return r.LMTD;
        case V::Fthe: return r.Fthe;
        case V::FF: return r.FF;
        case V::Et: return r.Et;
        case V::Es: return r.Es;
        case V::Wc: return r.Wc;
        case V::WcGrams: return si ? D(r.Wc) * kGramsPerKg : D(r.Wc);
        case V::WcPerS: return si ? D(r.Wc) : D(r.Wc) / calc::kSecondsPerHour;
        case V::WtcPerS: return si ? D(r.Wtc) : D(r.Wtc) / calc::kSecondsPerHour;
        case V::WoPerS: return si ? D(r.Wo) : D(r.Wo) / calc::kSecondsPerHour;
        case V::Wtc: return r.Wtc;
        case V::Wo: return r.Wo;
        case V::Twav: return r.Twav;
        case V::PtLiquid: return valueOf(Value::PtLiquid, r, c, si);
        case V::PtGas: return valueOf(Value::PtGas, r, c, si);
        case V::PsGas: return valueOf(Value::PsGas, r, c, si);
        case V::Ai: return r.Ai;
        case V::Ao: return r.Ao;
        case V::Aoe: return r.Aoe;
        case V::Tubes: return D(r.Nv) * r.Nh;
        case V::Df: return r.Df;
        case V::W: return r.W;
        case V::Length: return D(r.Nt) * r.TL;
        case V::BodyH: return D(r.Pv) * r.NV + D(r.Pv) / 2.0;
        case V::BodyW: return D(r.Ph) * r.Nh;
        case V::VNo: return r.VNo;
        case V::ShellMassIn: return D(r.Vs) * r.DsN;
        case V::ShellMassOut: return D(r.Vs) * r.DsN - r.Wc;
        case V::TubeMassIn: return D(r.Vt) * r.DtN;
        case V::TubeMassOut: return D(r.Vt) * r.DtN - r.Wc;
        case V::PvsIn: return r.PvsIn;
        case V::PvsOut: return r.PvsOut;
        case V::HsatIn: return r.HsatIn;
        case V::HsatOut: return r.HsatOut;
        case V::Xin: return r.Xin;
        case V::Xout: return r.Xout;
        case V::MS: return r.MS;
        case V::MT: return r.MT;
        case V::Wm: return r.Wm;
    }
    return 0.0;
}

const T::SheetMode& sheetMode(const DisplayMode& m) {
    if (m.name == Lang::JSI) return T::kSheetJsi;
    if (m.name == Lang::E) return T::kSheetE;
    if (m.name == Lang::ESI) return T::kSheetEsi;
    return T::kSheetJ;
}

const Premise& premiseOf(const DisplayMode& m) {
    if (m.name == Lang::JSI) return kPremiseJsi;
    if (m.name == Lang::E) return kPremiseE;
    if (m.name == Lang::ESI) return kPremiseEsi;
    return kPremiseJ;
}

// Builds the lines of one sheet.
class SheetWriter {
public:
    SheetWriter(const Record& shown, const OldFigures& old, const SheetCase& s, bool si)
        : r_(shown), old_(old), s_(s), si_(si) {}

    std::vector<std::string> lines;

    void line(std::string_view text) { lines.emplace_back(text); }
    void empty(int count) { lines.insert(lines.end(), static_cast<size_t>(count), std::string()); }
    void masked(std::string_view format, std::initializer_list<double> values) { lines.push_back(formatMasked(format, values)); }

    void rows(std::span<const SheetRow> table) {
        std::vector<double> values;
        for (const SheetRow& row : table) {
            if (!holds(row.when, s_)) continue;
            values.clear();
            for (SheetValue v : row.values) {
                if (v == SheetValue::None) break;
                values.push_back(sheetValue(v, r_, old_, s_, si_));
            }
            lines.push_back(fillRow(row.format, values));
        }
    }

    // A boxed table: top, column heading, separator, the rows, bottom.
    void table(std::string_view heading, std::span<const SheetRow> body) {
        line(T::kBoxTop);
        line(heading);
        line(T::kBoxMid);
        rows(body);
        line(T::kBoxBottom);
    }

    // A humid-gas table; its first row is the column heading.
    void wetTable(std::span<const SheetRow> body) {
        line(T::kWetBoxTop);
        rows(body.first(1));
        line(T::kWetBoxMid);
        rows(body.subspan(1));
        line(T::kWetBoxBottom);
    }

private:
    const Record& r_;
    const OldFigures& old_;
    const SheetCase& s_;
    bool si_;
};

std::string compositionLine(std::string_view format, const float (&wet)[calc::kComponents]) {
    return formatMasked(format, {100.0 * wet[calc::kCO2], 100.0 * wet[calc::kN2], 100.0 * wet[calc::kO2],
                                 100.0 * wet[calc::kH2O]});
}

void writePremise(SheetWriter& w, Record& r, const SheetCase& s, const DisplayMode& m, const T::SheetMode& t,
                  std::string_view date) {
    const Premise& p = premiseOf(m);
    const Labels& l = *p.labels;
    const Case& c = s.c;
    w.line(T::kPrinterReset);
    w.line(T::kPageBox);
    w.empty(1);
    w.line(std::string(t.title) + std::string(date) + std::string(T::kTitleEnd));
    w.line(t.premise);
    w.line(std::string(t.styleLead) + std::string(styleLabel(p, c)));
    if (!c.typedIn) {
        latentMeans(r, c);
        w.masked(t.propertyMeans, {r.TAMAV, r.TGMAV});
    }
    w.masked(t.fluidMeans, {r.TAM, r.TGM});
    if (c.typedIn) {
        w.line(std::string(T::kFluidsShell) + std::string(l.typedIn));
        w.line(std::string(T::kFluidsTube) + std::string(s.waterTube ? T::kTubeLiquid : l.typedIn));
    } else {
        w.line(compositionLine(T::kShellComposition, r.shellWet));
        w.line(c.water ? std::string(T::kTubeWater) : compositionLine(T::kTubeComposition, r.tubeWet));
    }
    w.line(std::string(T::kSurfaceLead) + std::string(surfaceLabel(l, r)) + std::string(T::kPatternLead) +
           std::string(T::kPatternColon) + std::string(patternLabel(l, r)) + std::string(T::kPatternEnd));
}

}  // namespace

int sheetBreakLines(const Record& r) {
    const bool typedInTube = fluidKind(r.TubeFluidKind) == FluidKind::Manual;
    return kBreakLead + kBreakRun + (typedInTube ? kBreakTypedIn : 0) + kBreakTail;
}

std::vector<std::vector<std::string>> sheetPages(const Record& original, std::string_view mode, std::string_view date) {
    const DisplayMode& m = displayMode(mode);
    const T::SheetMode& t = sheetMode(m);

    Record r = original;
    outerArea(r);
    const SheetCase s = sheetCaseOf(r);
    settleTableValues(r, s.c);
    OldFigures old;
    old.Prt = ratioOrZero(double(r.Ct) * r.Dt * r.VIt, r.Kt);
    old.Prs = ratioOrZero(double(r.Cs) * r.Ds * r.VIs, r.Ks);
    // The check of the screen: a sensible run carries its LMTD correction
    // in Fthe (FF stays 1 outside the latent case).
    old.balance = heatBalance(r);
    if (m.si) calc::resultToSi(r);

    SheetWriter w(r, old, s, m.si);
    writePremise(w, r, s, m, t, date);
    w.empty(1);
    w.line(t.input);
    const std::span<const SheetRow> inputTables[] = {t.properties, t.dimensions, t.settings};
    const std::string_view inputHeadings[] = {t.propertiesHeading, t.heading, t.heading};
    for (size_t i = 0; i < 3; ++i) {
        w.line(t.inputSections[i]);
        w.table(inputHeadings[i], inputTables[i]);
    }
    w.empty(sheetBreakLines(original));
    std::vector<std::vector<std::string>> pages;
    pages.push_back(std::move(w.lines));

    w.lines.clear();
    w.line(t.output);
    w.line(t.outputSections[0]);
    w.table(t.heading, t.thermal);
    w.line(t.outputSections[1]);
    w.table(t.heading, t.body);
    if (s.c.latent != Case::LatentSide::None) {
        const bool shell = s.c.latent == Case::LatentSide::Shell;
        w.line(shell ? t.wetShell : t.wetTube);
        w.wetTable(shell ? t.wetShellRows : t.wetTubeRows);
        w.line(T::kEnd);
    }
    const HeatBalance& b = old.balance;
    w.line(heat_balance_texts::kCheck);
    w.line(T::kLegend);
    w.masked(heat_balance_texts::kShellOverall, {ratioOrZero(b.Qs, b.Qk)});
    w.masked(heat_balance_texts::kTubeOverall, {ratioOrZero(b.Qt, b.Qk)});
    w.masked(heat_balance_texts::kShellTube, {ratioOrZero(b.Qs, b.Qt)});
    w.empty(kClosingLines);
    pages.push_back(std::move(w.lines));
    return pages;
}

std::vector<std::string> sheetLines(const Record& r, std::string_view mode, std::string_view date) {
    std::vector<std::string> lines;
    for (auto& page : sheetPages(r, mode, date)) {
        for (auto& l : page) lines.push_back(std::move(l));
    }
    return lines;
}

}  // namespace cfhx::report
