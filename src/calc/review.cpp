#include "calc/review.h"

#include <string>
#include <string_view>

#include "app/app.h"
#include "app/codes.h"
#include "app/control_flow.h"
#include "app/form5_fields.h"
#include "app/screen_fields.h"
#include "calc/numeric_guard.h"
#include "calc/review_texts.h"
#include "calc/stage.h"
#include "calc/start.h"
#include "calc/units.h"

namespace cfhx::calc {
namespace {

namespace tx = review_texts;

// Molecular-weight ratio water/gas assumed for typed-in fluids.
constexpr float kWaterGasRatio = 0.622f;

// An option of FORM7 as a number.
float option(App& app, const char* control) { return readField(app, kOptions.screen, control); }

[[noreturn]] void refuseCode(App& app) {
    const tx::ReviewTexts& T = tx::reviewTexts(app.language);
    app.pane.print(T.oneOrTwo);
    app.pause();
    leave(T.oneOrTwo);
}

// Specific heat, conductivity and kinematic viscosity typed in SI, to
// kcal/kg℃, kcal/mh℃ and m2/h.
void toInternalUnits(float& c, float& k, float& vi) {
    c /= kKjPerKcal;
    k /= kWmkPerKcalMhC;
    vi *= kSecondsPerHour;
}

void takeTubeLiquid(App& app, Record& r) {
    const tx::ReviewTexts& T = tx::reviewTexts(app.language);
    const auto& L = si(r) ? T.liquidSi : T.liquid;
    app.pane.print(T.liquidHeading);
    const PropertyFields& P = kTubeSide.properties;
    r.Dt = echo(app, L[0], field(app, P.density));
    r.Ct = echo(app, L[1], field(app, P.specificHeat));
    r.Kt = echo(app, L[2], field(app, P.conductivity));
    r.VIt = echo(app, L[3], field(app, P.viscosity));
    if (si(r)) toInternalUnits(r.Ct, r.Kt, r.VIt);
}

void takeTubeGas(App& app, Record& r) {
    const tx::ReviewTexts& T = tx::reviewTexts(app.language);
    app.pane.print(T.formHeading);
    app.pane.print(T.formVapour);
    const TubeGasForm form = tubeGasForm(echo(app, T.formGas, option(app, kOptions.phaseChangeChosen)));
    app.pane.print();
    if (form == TubeGasForm::CondensingVapour) {
        r.flags.sVAP = YesNo::Yes;
        r.flags.sTAPE = YesNo::No;
        r.Fthe = r.FF = 1.0f;
    } else if (form == TubeGasForm::DryGas) {
        r.flags.sVAP = YesNo::No;
    } else {
        app.pane.print();
        refuseCode(app);
    }

    const PropertyFields& P = kTubeSide.properties;
    if (form == TubeGasForm::CondensingVapour) {
        const auto& V = si(r) ? T.vapourSi : T.vapour;
        const LatentFields& L = kTubeSide.latent;
        r.hfg = echo(app, V[0], field(app, L.latentHeat));
        r.Dt = echo(app, V[1], field(app, P.density));
        r.Ct = echo(app, V[2], field(app, P.specificHeat));
        r.Kt = echo(app, V[3], field(app, P.conductivity));
        r.VIt = echo(app, V[4], field(app, P.viscosity));
        app.pane.print();
        r.Dsl = echo(app, V[5], field(app, L.liquidDensity));
        r.Ctl = echo(app, V[6], field(app, L.liquidSpecificHeat));
        r.Ktl = echo(app, V[7], field(app, L.liquidConductivity));
        r.VItl = echo(app, V[8], field(app, L.liquidViscosity));
        if (si(r)) {
            r.hfg /= kKjPerKcal;
            toInternalUnits(r.Ctl, r.Ktl, r.VItl);
        }
    } else {
        const auto& G = si(r) ? T.gasSi : T.gas;
        r.Dt = echo(app, G[0], field(app, P.density));
        r.Ct = echo(app, G[1], field(app, P.specificHeat));
        r.Kt = echo(app, G[2], field(app, P.conductivity));
        r.VIt = echo(app, G[3], field(app, P.viscosity));
    }
    if (si(r)) toInternalUnits(r.Ct, r.Kt, r.VIt);
}

// HtcMode and the given coefficients; 2 and 4 give the tube's, 3 and 4 the
// shell's.
void takeGivenCoefficients(App& app, Record& r) {
    const tx::ReviewTexts& T = tx::reviewTexts(app.language);
    app.pane.print();
    r.HtcMode = option(app, kOptions.htcMode);
    app.pane.print(T.htcMode[0]);
    app.pane.print(T.htcMode[1]);
    app.pane.print(T.htcMode[2]);
    echo(app, T.htcMode[3], r.HtcMode);
    app.pane.print();
    const HtcMode mode = htcMode(r.HtcMode);
    using enum HtcMode;
    if (mode != BothComputed && mode != TubeGiven && mode != ShellGiven && mode != BothGiven) {
        leave("no heat-transfer coefficient mode " + std::to_string(r.HtcMode));
    }
    if (mode == TubeGiven || mode == BothGiven) {
        r.HtUser = echo(app, si(r) ? T.htUserSi : T.htUser, option(app, kOptions.tubeCoefficient));
        if (si(r)) r.HtUser /= kWattPerKcalH;
        app.pane.print();
    }
    if (mode == ShellGiven || mode == BothGiven) {
        r.HsUser = echo(app, si(r) ? T.hsUserSi : T.hsUser, option(app, kOptions.shellCoefficient));
        if (si(r)) r.HsUser /= kWattPerKcalH;
    }
}

void takeShellFluid(App& app, Record& r) {
    const tx::ReviewTexts& T = tx::reviewTexts(app.language);
    const auto& S = si(r) ? T.shellSi : T.shell;
    app.pane.print();
    app.pane.print(T.shellHeading);
    const PropertyFields& P = kShellSide.properties;
    r.Ds = echo(app, S[0], field(app, P.density));
    r.Cs = echo(app, S[1], field(app, P.specificHeat));
    r.Ks = echo(app, S[2], field(app, P.conductivity));
    r.VIs = echo(app, S[3], field(app, P.viscosity));
    if (si(r)) toInternalUnits(r.Cs, r.Ks, r.VIs);
    // The bare-bank Prandtl number Cs·Ds·VIs/Ks (density included, as the
    // correlations form it), the same at the wall; the diffusivity.
    r.Pb = r.Pbw = checkedDiv(r.Cs * r.Ds * r.VIs, r.Ks, "Ks");
    r.As = checkedDiv(r.Ks, r.Cs * r.Ds, "Cs*Ds");
    r.MS = kWaterGasRatio;
}

}  // namespace

void reviewSettings(App& app, Record& r) {
    const tx::ReviewTexts& T = tx::reviewTexts(app.language);
    Pane& p = app.pane;
    const MainFields& M = kMain;
    auto main = [&](const char* control) { return static_cast<double>(readField(app, M.screen, control)); };

    printEmptyLines(p, 4);
    p.print(T.title);
    p.print(T.ruleTop);
    p.print();
    p.printMasked(T.tubeDo, {main(M.outerDiameter)});
    p.printMasked(T.tubeDi, {main(M.innerDiameter)});
    p.printMasked(T.pvDo, {main(M.rowPitchRatio)});
    p.printMasked(T.phDo, {main(M.columnPitchRatio)});
    // Conductivities and fouling as typed, whatever the engine holds.
    if (si(r)) {
        p.printMasked(T.kfSi, {main(M.finConductivity)});
        p.printMasked(T.kmSi, {main(M.tubeConductivity)});
        p.printMasked(T.rtSi, {main(M.tubeFouling)});
        p.printMasked(T.rsSi, {main(M.shellFouling)});
    } else {
        p.print(line(T.kf, main(M.finConductivity)));
        p.print(line(T.km, main(M.tubeConductivity)));
        p.print(line(T.rt, main(M.tubeFouling)));
        p.print(line(T.rs, main(M.shellFouling)));
    }
    p.print(line(T.fp, main(M.finsPerInch)));
    if (tubeKind(r) != TubeKind::PlateFin) p.printMasked(T.fh, {main(M.finHeight)});
    p.printMasked(T.ft, {main(M.finThickness)});
    p.print(T.ruleBottom);
    p.print();

    const float target = r.ProcessingNo;
    using enum ProcessingNo;
    const ProcessingNo no = processingNo(target);
    const bool rowsGiven = no == Length || no == LengthAndShellFlow || no == Outlets || no == OutletAndShellFlow;
    const bool rowsComputed = no == Rows || no == RowsAndShellFlow;
    // Nos. 1-4 are set up from a given shell outlet, 5 and 6 from given rows and length.
    if (target >= codeOf(Length) && target <= codeOf(RowsAndShellFlow)) {
        r.ChoiceA = codeOf(ChoiceA::ShellOutletGiven);
    }
    if (no == Outlets || no == OutletAndShellFlow) r.ChoiceA = codeOf(ChoiceA::RowsAndLengthGiven);
    if (rowsGiven && r.Nv == 0.0f) {
        p.print(T.setRows);
        app.pause();
        leave(T.setRows);
    }
    if (rowsComputed && r.Nv != 0.0f) p.print(T.rowsReleased);
}

void takeManualProperties(App& app, Record& r) {
    printEmptyLines(app.pane, 3);
    r.TubeHeatClass = echo(app, tx::kMediumCode, option(app, kOptions.heatClass));
    if (heatClass(r.TubeHeatClass) == HeatClass::Sensible) {
        takeTubeLiquid(app, r);
    } else if (heatClass(r.TubeHeatClass) == HeatClass::Latent) {
        takeTubeGas(app, r);
    } else {
        refuseCode(app);
    }

    // Sensible on both sides.
    r.flags.sHUM = Hum::None;
    r.flags.sCOND = YesNo::No;
    takeGivenCoefficients(app, r);

    r.MT = kWaterGasRatio;
    r.Pvis = r.VIt;
    takeShellFluid(app, r);
}

void takeManualInletSettings(App& app, Record& r) {
    const tx::ReviewTexts& T = tx::reviewTexts(app.language);
    Pane& p = app.pane;
    const bool s = si(r);
    r.Tti = field(app, kTubeSide.inlet);
    r.Tsi = field(app, kShellSide.inlet);
    printEmptyLines(p, 3);

    echo(app, s ? T.tsiSi : T.tsi, r.Tsi);
    if (s) r.Tsi -= kKelvin;
    r.T3 = r.Tsi;

    if (!s) p.print();
    r.Ws = echo(app, s ? T.wsSi : T.ws, field(app, kShellSide.massField));
    if (s) r.Ws *= kSecondsPerHour;
    if (r.Ws == 0.0f) leave("the shell flow is 0");
    r.Vsa = checkedDiv(r.Ws, r.Ds, "Ds");
    r.WsCs = checkedFinite(r.Ws * r.Cs, "Ws*Cs");

    p.print();
    echo(app, s ? T.ttiSi : T.tti, r.Tti);
    if (s) r.Tti -= kKelvin;

    if (heatClass(r.TubeHeatClass) == HeatClass::Sensible) {
        r.Wt = echo(app, s ? T.wtLiquidSi : T.wtLiquid, field(app, kTubeSide.massField));
        if (s) r.Wt *= kSecondsPerHour;
        if (r.Wt == 0.0f) leave("the tube flow is 0");
        r.Wtt = r.Wt / 1000.0f;
    } else {
        r.Wt = echo(app, s ? T.wtGasSi : T.wtGas, field(app, kTubeSide.massField));
        if (s) r.Wt *= kSecondsPerHour;
        if (r.Wt == 0.0f) leave("the tube flow is 0");
        r.Vta = checkedDiv(r.Wt, r.Dt, "Dt");
    }
    r.WtCt = checkedFinite(r.Wt * r.Ct, "Wt*Ct");
    printEmptyLines(p, 2);
}

}  // namespace cfhx::calc
