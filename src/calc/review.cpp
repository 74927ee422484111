#include "calc/review.h"

#include <string>
#include <string_view>

#include "app/app.h"
#include "app/control_flow.h"
#include "app/mask.h"
#include "calc/numeric_guard.h"
#include "calc/review_texts.h"
#include "calc/start.h"
#include "calc/units.h"

namespace cfhx::calc {
namespace {

namespace T = review_texts;

// Molecular-weight ratio water/gas assumed for typed-in fluids.
constexpr float kWaterGasRatio = 0.622f;

bool si(const Record& r) { return r.flags.LangUnitMode == "JSI"; }

void printValue(App& app, std::string_view label, float value) {
    app.pane.print(std::string(label) + freeNumber(value));
}

// Reads a field, prints its line with the value as entered and returns it.
float echo(App& app, std::string_view label, std::string_view screen, std::string_view control) {
    const float v = readField(app, screen, control);
    printValue(app, label, v);
    return v;
}

[[noreturn]] void refuseCode(App& app) {
    app.pane.print(T::kOneOrTwo);
    app.pause();
    throw LeaveCalculation{};
}

// Specific heat, conductivity and kinematic viscosity typed in SI, to
// kcal/kg℃, kcal/mh℃ and m2/h.
void toInternalUnits(float& c, float& k, float& vi) {
    c /= kKjPerKcal;
    k /= kWmkPerKcalMhC;
    vi *= kSecondsPerHour;
}

void takeTubeLiquid(App& app, Record& r) {
    const auto& L = si(r) ? T::kLiquidSi : T::kLiquid;
    app.pane.print(T::kLiquidHeading);
    r.Dt = echo(app, L[0], "FORM5", "EDIT141");
    r.Ct = echo(app, L[1], "FORM5", "EDIT142");
    r.Kt = echo(app, L[2], "FORM5", "EDIT143");
    r.VIt = echo(app, L[3], "FORM5", "EDIT144");
    if (si(r)) toInternalUnits(r.Ct, r.Kt, r.VIt);
}

void takeTubeGas(App& app, Record& r) {
    const float form = readField(app, "FORM7", "EDIT179");
    app.pane.print(T::kFormHeading);
    app.pane.print(T::kFormVapour);
    printValue(app, T::kFormGas, form);
    app.pane.print();
    if (form == 1.0f) {
        r.flags.sVAP = "y";
        r.flags.sTAPE = "n";
        r.Fthe = r.FF = 1.0f;
    } else if (form == 2.0f) {
        r.flags.sVAP = "n";
    } else {
        app.pane.print();
        refuseCode(app);
    }

    if (form == 1.0f) {
        const auto& V = si(r) ? T::kVapourSi : T::kVapour;
        r.hfg = echo(app, V[0], "FORM5", "EDIT140");
        r.Dt = echo(app, V[1], "FORM5", "EDIT141");
        r.Ct = echo(app, V[2], "FORM5", "EDIT142");
        r.Kt = echo(app, V[3], "FORM5", "EDIT143");
        r.VIt = echo(app, V[4], "FORM5", "EDIT144");
        app.pane.print();
        r.Dsl = echo(app, V[5], "FORM5", "EDIT145");
        r.Ctl = echo(app, V[6], "FORM5", "EDIT146");
        r.Ktl = echo(app, V[7], "FORM5", "EDIT147");
        r.VItl = echo(app, V[8], "FORM5", "EDIT164");
        if (si(r)) {
            r.hfg /= kKjPerKcal;
            toInternalUnits(r.Ctl, r.Ktl, r.VItl);
        }
    } else {
        const auto& G = si(r) ? T::kGasSi : T::kGas;
        r.Dt = echo(app, G[0], "FORM5", "EDIT141");
        r.Ct = echo(app, G[1], "FORM5", "EDIT142");
        r.Kt = echo(app, G[2], "FORM5", "EDIT143");
        r.VIt = echo(app, G[3], "FORM5", "EDIT144");
    }
    if (si(r)) toInternalUnits(r.Ct, r.Kt, r.VIt);
}

// HtcMode and the given coefficients; 2 and 4 give the tube's, 3 and 4 the
// shell's.
void takeGivenCoefficients(App& app, Record& r) {
    app.pane.print();
    r.HtcMode = readField(app, "FORM7", "EDIT180");
    app.pane.print(T::kHtcMode[0]);
    app.pane.print(T::kHtcMode[1]);
    app.pane.print(T::kHtcMode[2]);
    printValue(app, T::kHtcMode[3], r.HtcMode);
    app.pane.print();
    const float mode = r.HtcMode;
    if (mode != 1.0f && mode != 2.0f && mode != 3.0f && mode != 4.0f) throw LeaveCalculation{};
    if (mode == 2.0f || mode == 4.0f) {
        r.HtUser = echo(app, si(r) ? T::kHtUserSi : T::kHtUser, "FORM7", "EDIT181");
        if (si(r)) r.HtUser /= kWattPerKcalH;
        app.pane.print();
    }
    if (mode == 3.0f || mode == 4.0f) {
        r.HsUser = echo(app, si(r) ? T::kHsUserSi : T::kHsUser, "FORM7", "EDIT182");
        if (si(r)) r.HsUser /= kWattPerKcalH;
    }
}

void takeShellFluid(App& app, Record& r) {
    const auto& S = si(r) ? T::kShellSi : T::kShell;
    app.pane.print();
    app.pane.print(T::kShellHeading);
    r.Ds = echo(app, S[0], "FORM5", "EDIT149");
    r.Cs = echo(app, S[1], "FORM5", "EDIT150");
    r.Ks = echo(app, S[2], "FORM5", "EDIT151");
    r.VIs = echo(app, S[3], "FORM5", "EDIT152");
    if (si(r)) toInternalUnits(r.Cs, r.Ks, r.VIs);
    // The bare-bank Prandtl number Cs·Ds·VIs/Ks (density included, as the
    // correlations form it), the same at the wall; the diffusivity.
    r.Pb = r.Pbw = checkedDiv(app, r.Cs * r.Ds * r.VIs, r.Ks, "Ks");
    r.As = checkedDiv(app, r.Ks, r.Cs * r.Ds, "Cs*Ds");
    r.MS = kWaterGasRatio;
}

}  // namespace

void reviewSettings(App& app, Record& r) {
    Pane& p = app.pane;
    auto main = [&](std::string_view control) { return static_cast<double>(readField(app, "MAINFORM", control)); };

    printEmptyLines(p, 4);
    p.print(T::kTitle);
    p.print(T::kRuleTop);
    p.print();
    p.printMasked(T::kDo, {main("EDIT10")});
    p.printMasked(T::kDi, {main("EDIT11")});
    p.printMasked(T::kPvDo, {main("EDIT12")});
    p.printMasked(T::kPhDo, {main("EDIT13")});
    // Conductivities and fouling as typed, whatever the engine holds.
    if (si(r)) {
        p.printMasked(T::kKfSi, {main("EDIT20")});
        p.printMasked(T::kKmSi, {main("EDIT19")});
        p.printMasked(T::kRtSi, {main("EDIT21")});
        p.printMasked(T::kRsSi, {main("EDIT22")});
    } else {
        p.print(std::string(T::kKf) + freeNumber(main("EDIT20")));
        p.print(std::string(T::kKm) + freeNumber(main("EDIT19")));
        p.print(std::string(T::kRt) + freeNumber(main("EDIT21")));
        p.print(std::string(T::kRs) + freeNumber(main("EDIT22")));
    }
    p.print(std::string(T::kFp) + freeNumber(main("EDIT15")));
    if (tubeKind(r) != TubeKind::PlateFin) p.printMasked(T::kFh, {main("EDIT16")});
    p.printMasked(T::kFt, {main("EDIT17")});
    p.print(T::kRuleBottom);
    p.print();

    const float target = r.ProcessingNo;
    const bool rowsGiven = target == 1.0f || target == 2.0f || target == 5.0f || target == 6.0f;
    const bool rowsComputed = target == 3.0f || target == 4.0f;
    if (target >= 1.0f && target <= 4.0f) r.ChoiceA = 1.0f;
    if (target == 5.0f || target == 6.0f) r.ChoiceA = 2.0f;
    if (rowsGiven && r.Nv == 0.0f) {
        p.print(T::kSetRows);
        app.pause();
        throw LeaveCalculation{};
    }
    if (rowsComputed && r.Nv != 0.0f) p.print(T::kRowsReleased);
}

void takeManualProperties(App& app, Record& r) {
    printEmptyLines(app.pane, 3);
    r.TubeHeatClass = readField(app, "FORM7", "EDIT178");
    printValue(app, T::kMediumCode, r.TubeHeatClass);
    if (r.TubeHeatClass == 1.0f) {
        takeTubeLiquid(app, r);
    } else if (r.TubeHeatClass == 2.0f) {
        takeTubeGas(app, r);
    } else {
        refuseCode(app);
    }

    // Sensible on both sides.
    r.flags.sHUM = "3";
    r.flags.sCOND = "n";
    takeGivenCoefficients(app, r);

    r.MT = kWaterGasRatio;
    r.Pvis = r.VIt;
    takeShellFluid(app, r);
}

void takeManualInletSettings(App& app, Record& r) {
    Pane& p = app.pane;
    const bool s = si(r);
    r.Tti = readField(app, "FORM5", "EDIT130");
    r.Tsi = readField(app, "FORM5", "EDIT133");
    printEmptyLines(p, 3);

    printValue(app, s ? T::kTsiSi : T::kTsi, r.Tsi);
    if (s) r.Tsi -= kKelvin;
    r.T3 = r.Tsi;

    if (!s) p.print();
    r.Ws = echo(app, s ? T::kWsSi : T::kWs, "FORM5", "EDIT170");
    if (s) r.Ws *= kSecondsPerHour;
    if (r.Ws == 0.0f) throw LeaveCalculation{};
    r.Vsa = checkedDiv(app, r.Ws, r.Ds, "Ds");
    r.WsCs = checkedFinite(app, r.Ws * r.Cs, "Ws*Cs");

    p.print();
    printValue(app, s ? T::kTtiSi : T::kTti, r.Tti);
    if (s) r.Tti -= kKelvin;

    if (r.TubeHeatClass == 1.0f) {
        r.Wt = echo(app, s ? T::kWtLiquidSi : T::kWtLiquid, "FORM5", "EDIT169");
        if (s) r.Wt *= kSecondsPerHour;
        if (r.Wt == 0.0f) throw LeaveCalculation{};
        r.Wtt = r.Wt / 1000.0f;
    } else {
        r.Wt = echo(app, s ? T::kWtGasSi : T::kWtGas, "FORM5", "EDIT169");
        if (s) r.Wt *= kSecondsPerHour;
        if (r.Wt == 0.0f) throw LeaveCalculation{};
        r.Vta = checkedDiv(app, r.Wt, r.Dt, "Dt");
    }
    r.WtCt = checkedFinite(app, r.Wt * r.Ct, "Wt*Ct");
    printEmptyLines(p, 2);
}

}  // namespace cfhx::calc
