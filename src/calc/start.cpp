#include "calc/start.h"

#include <cfloat>
#include <cmath>
#include <string_view>

#include "app/app.h"
#include "app/control_flow.h"
#include "calc/heat_transfer.h"
#include "calc/numeric_guard.h"
#include "calc/start_texts.h"
#include "calc/units.h"

namespace cfhx::calc {
namespace {

namespace T = start_texts;

// Film thickness below which a humid side needs the user's word (mm).
constexpr float kThinnestFilm = 1e-10f;

[[noreturn]] void refuse(App& app, int indent, std::string_view message) {
    printIndented(app.pane, indent, message);
    app.pause();
    throw LeaveCalculation{};
}

bool humidSide(const Record& r) { return r.TubeFluidKind == 1.0f || r.ShellFluidKind == 1.0f; }
bool manualSide(const Record& r) { return r.TubeFluidKind == 4.0f || r.ShellFluidKind == 4.0f; }

// A zero film on a humid side becomes a tiny one; one not above that
// needs an explicit "y".
void checkFilmThickness(App& app, Record& r) {
    if (r.Dcf == 0.0f) {
        r.Dcf = kThinnestFilm;
        printIndented(app.pane, T::kIndent, T::kFilmSetToZero);
        return;
    }
    if (r.Dcf > kThinnestFilm) return;
    for (;;) {
        printIndented(app.pane, T::kIndent, T::kFilmGoOn);
        const std::string answer = app.readLine();
        if (answer == "y") return;
        if (answer == "n") {
            app.pause();
            throw LeaveCalculation{};
        }
    }
}

}  // namespace

float readField(App& app, std::string_view screen, std::string_view control) {
    const double v = app[screen][control].number();
    if (std::isnan(v)) return 0.0f;
    if (v > FLT_MAX) return INFINITY;
    if (v < -FLT_MAX) return -INFINITY;
    return static_cast<float>(v);
}

void readInputFields(App& app, Record& r) {
    r.UnitCode = readField(app, "MAINFORM", "EDIT128");
    r.TubeFluidKind = readField(app, "MAINFORM", "EDIT30");
    r.ShellFluidKind = readField(app, "MAINFORM", "EDIT29");

    // Construction column, mm and codes as entered.
    r.DO = readField(app, "MAINFORM", "EDIT10");
    r.DI = readField(app, "MAINFORM", "EDIT11");
    r.PVY = readField(app, "MAINFORM", "EDIT12");
    r.PHX = readField(app, "MAINFORM", "EDIT13");
    r.TubeType = readField(app, "MAINFORM", "EDIT14");
    r.FPI = readField(app, "MAINFORM", "EDIT15");
    r.Fh = readField(app, "MAINFORM", "EDIT16");
    r.FT = readField(app, "MAINFORM", "EDIT17");
    r.ArrangementCode = readField(app, "MAINFORM", "EDIT18");
    r.Km = readField(app, "MAINFORM", "EDIT19");
    r.Kf = readField(app, "MAINFORM", "EDIT20");
    r.Rt = readField(app, "MAINFORM", "EDIT21");
    r.Rs = readField(app, "MAINFORM", "EDIT22");
    r.FlowPattern = readField(app, "MAINFORM", "EDIT23");
    r.PNt = readField(app, "MAINFORM", "EDIT24");
    r.PNs = readField(app, "MAINFORM", "EDIT25");
    r.Nv = readField(app, "MAINFORM", "EDIT26");
    r.Nh = readField(app, "MAINFORM", "EDIT27");
    r.TapeCode = readField(app, "MAINFORM", "EDIT31");
    r.TTh = readField(app, "MAINFORM", "EDIT32");
    r.TTP2 = readField(app, "MAINFORM", "EDIT33");  // pitch between nodes until converted
    r.Dcf = readField(app, "MAINFORM", "EDIT34");
    r.CFt = readField(app, "MAINFORM", "EDIT186");
    r.CFs = readField(app, "MAINFORM", "EDIT187");

    r.SummaryTti = readField(app, "FORM2", "EDIT47");
    r.SummaryTsi = readField(app, "FORM2", "EDIT49");

    // FORM5: codes, temperatures, flows, length, moisture.
    r.TubeFlowKind = readField(app, "FORM5", "EDIT168");
    r.ShellFlowKind = readField(app, "FORM5", "EDIT172");
    r.TubeGasComposition = readField(app, "FORM5", "EDIT158");
    r.ShellGasComposition = readField(app, "FORM5", "EDIT173");
    r.TubeMoistureMode = readField(app, "FORM5", "EDIT166");
    r.ShellMoistureMode = readField(app, "FORM5", "EDIT171");
    r.Tti = readField(app, "FORM5", "EDIT130");
    r.Tsi = readField(app, "FORM5", "EDIT133");
    r.Tto = readField(app, "FORM5", "EDIT131");
    r.Tso = readField(app, "FORM5", "EDIT134");
    r.TsatS = readField(app, "FORM5", "EDIT175");
    r.Wt = readField(app, "FORM5", "EDIT169");
    r.Ws = readField(app, "FORM5", "EDIT170");
    r.Vt = readField(app, "FORM5", "EDIT132");
    r.Vs = readField(app, "FORM5", "EDIT135");
    r.TL = readField(app, "FORM5", "EDIT157");
    r.Vxa = readField(app, "FORM5", "EDIT161");
    r.XG = readField(app, "FORM5", "EDIT139");
    r.VH = readField(app, "FORM5", "EDIT138");

    r.ProcessingNo = readField(app, "FORM6", "EDIT167");

    // FORM7 options; the refrigerant pressure and surface tension go into
    // kgf/cm2 and kgf/m at once.
    r.TubeHeatClass = readField(app, "FORM7", "EDIT178");
    r.PhaseChangeChosen = readField(app, "FORM7", "EDIT179");
    r.HtcMode = readField(app, "FORM7", "EDIT180");
    r.PhaseChangeKind = readField(app, "FORM7", "EDIT183");
    takeEvaporationInputs(r, readField(app, "FORM7", "EDIT184"), readField(app, "FORM7", "EDIT185"), r.UnitCode == 3.0f);
}

void checkConstruction(App& app, Record& r) {
    app.pane.clear();
    printEmptyLines(app.pane, 5);
    const int in = T::kIndent;
    const bool finned = r.TubeType != 1.0f;

    if (r.PNt > 1.0f && r.PNs > 1.0f) refuse(app, in, T::kPassesBothSides);
    if (r.TubeFluidKind == 0.0f) refuse(app, in, T::kNoFluidName);
    if (r.ShellFluidKind == 0.0f) refuse(app, in, T::kNoFluidName);
    if (r.DO == 0.0f) refuse(app, in, T::kNoOuterDiameter);
    if (r.DI == 0.0f) refuse(app, in, T::kNoInnerDiameter);
    if (r.PVY == 0.0f) refuse(app, in, T::kNoRowPitch);
    if (r.PHX == 0.0f) refuse(app, in, T::kNoColumnPitch);
    if (finned && r.FPI == 0.0f) refuse(app, in, T::kNoFinsPerInch);
    if (finned && r.TubeType != 3.0f && r.Fh == 0.0f) refuse(app, in, T::kNoFinHeight);
    if (finned && r.FT == 0.0f) refuse(app, in, T::kNoFinThickness);
    // A code that names no arrangement is as unregistered as none.
    if (r.ArrangementCode != 1.0f && r.ArrangementCode != 2.0f) refuse(app, in, T::kNoArrangement);
    if (r.Km == 0.0f) refuse(app, in, T::kNoTubeConductivity);
    if (finned && r.Kf == 0.0f) refuse(app, in, T::kNoFinConductivity);
    if (r.Rt == 0.0f) refuse(app, in, T::kNoTubeFouling);
    if (r.Rs == 0.0f) refuse(app, in, T::kNoShellFouling);
    // Likewise a flow-pattern code other than 1, 2 or 3.
    if (r.FlowPattern != 1.0f && r.FlowPattern != 2.0f && r.FlowPattern != 3.0f) refuse(app, in, T::kNoFlowPattern);
    if (r.PNt == 0.0f) refuse(app, in, T::kNoTubePasses);
    if (r.PNs == 0.0f) refuse(app, in, T::kNoShellPasses);
    if (manualSide(r) && r.Nv == 0.0f) refuse(app, T::kStarredIndent, T::kNoTubeRows);
    if (r.Nh == 0.0f) {
        app.pane.print();
        refuse(app, T::kStarredIndent, T::kNoTubeColumns);
    }
    if (humidSide(r)) checkFilmThickness(app, r);
    if (r.TapeCode == 2.0f && r.TTh == 0.0f) refuse(app, in, T::kNoTapeThickness);
    if (r.TapeCode == 2.0f && r.TTP2 == 0.0f) refuse(app, in, T::kNoTapePitch);
}

void confirmPreliminaryData(App& app) {
    if (app.askYesNo(T::kConfirmCaption, T::kConfirmText)) {
        app.pane.clear();
        return;
    }
    enableRange(app["MAINFORM"], "BUTTON", 1, 8, false);
    throw LeaveCalculation{};
}

void deriveModeFlags(Record& r) {
    ModeFlags& f = r.flags;
    if (r.UnitCode == 1.0f) f.LangUnitMode = "ESI";
    if (r.UnitCode == 2.0f) f.LangUnitMode = "E";
    if (r.UnitCode == 3.0f) f.LangUnitMode = "JSI";
    if (r.UnitCode == 4.0f) f.LangUnitMode = "J";

    if (r.FlowPattern == 1.0f) f.sFLOW = "1";
    if (r.FlowPattern == 2.0f) f.sFLOW = "2";
    if (r.FlowPattern == 3.0f) f.sFLOW = "3";
    // A humid side is rated on the counter-flow LMTD.
    if (humidSide(r)) f.sFLOW = "3";
    if (f.sFLOW == "3") {
        f.sCOND = "y";
        f.sHUM = "1";
    }

    const float tube = r.TubeFluidKind, shell = r.ShellFluidKind;
    if (tube == 1.0f && shell == 2.0f) {
        f.sHUM = "2";
        f.sCOND = "y";
    } else if (tube == 2.0f && shell == 1.0f) {
        f.sHUM = "1";
        f.sCOND = "y";
    } else if (tube == 2.0f && shell == 2.0f) {
        f.sHUM = "3";
        f.sCOND = "n";
    } else if (tube == 3.0f && shell == 1.0f) {
        f.sHUM = "1";
        f.sCOND = "y";
        f.sTGAS = "1";
    } else if (tube == 3.0f && shell == 2.0f) {
        f.sHUM = "3";
        f.sCOND = "n";
        f.sTGAS = "1";
    } else if (tube == 4.0f && shell == 4.0f) {
        f.sHUM = "3";
        f.sCOND = "n";
    }

    if (r.ArrangementCode == 1.0f) f.arrangement = "1";
    if (r.ArrangementCode == 2.0f) f.arrangement = "2";

    if (r.TubeType == 1.0f) {
        f.finned = "n";
        f.sTUBE = "1";
    } else if (r.TubeType == 2.0f) {
        f.finned = "y";
        f.sTUBE = "2";
        f.sFIN = "1";
    } else if (r.TubeType == 3.0f) {
        f.finned = "y";
        f.sFIN = "2";
    }

    if (r.TapeCode == 1.0f) f.sTAPE = "n";
    if (r.TapeCode == 2.0f) f.sTAPE = "y";

    f.sPROP = manualSide(r) ? "2" : "1";
}

void convertConstruction(App& app, Record& r) {
    r.NV = r.Nv;
    r.TTP2 = 2.0f * r.TTP2 * 0.001f;
    r.TTh = r.TTh * 0.001f;
    r.DO /= 1000.0f;
    r.DI /= 1000.0f;
    r.Fh /= 1000.0f;
    r.FT /= 1000.0f;
    r.Pv = checkedFinite(app, r.PVY * r.DO, "Pv");
    r.Ph = checkedFinite(app, r.PHX * r.DO, "Ph");
    if (r.flags.sFIN == "1") {
        const float tip = checkedFinite(app, r.DO + 2.0f * r.Fh, "Df");
        r.PvFin = checkedFinite(app, r.PVY * tip, "Pv");
        r.PhFin = checkedFinite(app, r.PHX * tip, "Ph");
    }
    if (r.flags.sFIN == "2") r.Fh = plateFinEquivalentHeight(app, r.Pv, r.Ph, r.DO);

    // SI entries of the column in the engine's units.
    if (r.flags.LangUnitMode == "JSI") {
        r.Km /= kWmkPerKcalMhC;
        r.Kf /= kWmkPerKcalMhC;
        r.Rt /= kFoulingSiPerOld;
        r.Rs /= kFoulingSiPerOld;
    }
}

void startCalculation(App& app, Record& r) {
    readInputFields(app, r);
    checkConstruction(app, r);
    confirmPreliminaryData(app);
    deriveModeFlags(r);
    convertConstruction(app, r);
}

void settleTubePitches(App& app, Record& r) {
    if (!(r.flags.finned == "y")) r.flags.sTUBE = "1";
    if (r.flags.sTUBE == "2" && r.flags.sFIN == "1") {
        r.Pv = r.PvFin;
        r.Ph = r.PhFin;
    }
    if (r.flags.sTUBE == "2" && r.flags.sFIN == "2") r.Fh = plateFinEquivalentHeight(app, r.Pv, r.Ph, r.DO);
}

void markComputedRows(App& app) {
    const int no = processingNo(app);
    if (no == 3 || no == 4) app["MAINFORM"]["EDIT26"].setText(T::kComputedRows);
}

void printArrangementHeading(App& app, const Record& r) {
    const Flag& flow = r.flags.sFLOW;
    printEmptyLines(app.pane, flow == "3" ? 2 : 1);
    if (flow == "1") app.pane.print(T::kHeadingCross);
    if (flow == "2") app.pane.print(T::kHeadingParallel);
    if (flow == "3") app.pane.print(T::kHeadingCounter);
    printEmptyLines(app.pane, 3);
}

}  // namespace cfhx::calc
