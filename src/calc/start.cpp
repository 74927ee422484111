#include "calc/start.h"

#include <cmath>
#include <optional>
#include <string_view>

#include "app/app.h"
#include "app/codes.h"
#include "app/control_flow.h"
#include "app/field_entries.h"
#include "app/field_ranges.h"
#include "app/form5_fields.h"
#include "app/screen_fields.h"
#include "calc/heat_transfer.h"
#include "calc/numeric_guard.h"
#include "calc/stage.h"
#include "calc/start_texts.h"
#include "calc/units.h"

namespace cfhx::calc {
namespace {

namespace tx = start_texts;

// Film thickness below which a humid side needs the user's word (mm).
constexpr float kThinnestFilm = 1e-10f;

[[noreturn]] void refuse(App& app, int indent, std::string_view message, const char* field = nullptr) {
    if (field) markField(app, kMain.screen, field);
    printIndented(app.pane, indent, message);
    app.pause();
    leave(message);
}

bool manualSide(const Record& r) { return tubeFluid(r) == FluidKind::Manual || shellFluid(r) == FluidKind::Manual; }

// A zero film on a humid side becomes a tiny one; one not above that
// needs an explicit "y".
void checkFilmThickness(App& app, Record& r) {
    const tx::StartTexts& T = tx::startTexts(app.language);
    if (r.Dcf == 0.0f) {
        r.Dcf = kThinnestFilm;
        printIndented(app.pane, tx::kIndent, T.filmSetToZero);
        return;
    }
    if (r.Dcf > kThinnestFilm) return;
    for (;;) {
        printIndented(app.pane, tx::kIndent, T.filmGoOn);
        const std::string answer = app.readLine();
        if (answer == YesNo::Yes) return;
        if (answer == YesNo::No) {
            app.pause();
            leave("the settings were not confirmed");
        }
    }
}

}  // namespace

float readField(App& app, std::string_view screen, std::string_view control) {
    return singleOf(app[screen][control].number());
}

void readInputFields(App& app, Record& r) {
    const MainFields& M = kMain;
    r.UnitCode = readField(app, M.screen, M.unitCode);
    r.TubeFluidKind = readField(app, M.screen, M.tubeFluidKind);
    r.ShellFluidKind = readField(app, M.screen, M.shellFluidKind);

    // Construction column, mm and codes as entered.
    r.DO = readField(app, M.screen, M.outerDiameter);
    r.DI = readField(app, M.screen, M.innerDiameter);
    r.PVY = readField(app, M.screen, M.rowPitchRatio);
    r.PHX = readField(app, M.screen, M.columnPitchRatio);
    r.TubeType = readField(app, M.screen, M.tubeType);
    r.FPI = readField(app, M.screen, M.finsPerInch);
    r.Fh = readField(app, M.screen, M.finHeight);
    r.FT = readField(app, M.screen, M.finThickness);
    r.ArrangementCode = readField(app, M.screen, M.arrangement);
    r.Km = readField(app, M.screen, M.tubeConductivity);
    r.Kf = readField(app, M.screen, M.finConductivity);
    r.Rt = readField(app, M.screen, M.tubeFouling);
    r.Rs = readField(app, M.screen, M.shellFouling);
    r.FlowPattern = readField(app, M.screen, M.flowPattern);
    r.PNt = readField(app, M.screen, M.tubePasses);
    r.PNs = readField(app, M.screen, M.shellPasses);
    r.Nv = readField(app, M.screen, M.tubeRows);
    r.Nh = readField(app, M.screen, M.tubeColumns);
    r.TapeCode = readField(app, M.screen, M.tapeCode);
    r.TTh = readField(app, M.screen, M.tapeThickness);
    r.TTP2 = readField(app, M.screen, M.tapePitch);  // pitch between nodes until converted
    r.Dcf = readField(app, M.screen, M.filmThickness);
    r.CFt = readField(app, M.screen, M.tubeCorrection);
    r.CFs = readField(app, M.screen, M.shellCorrection);

    r.SummaryTti = readField(app, kSummary.screen, kSummary.tubeInlet);
    r.SummaryTsi = readField(app, kSummary.screen, kSummary.shellInlet);

    // FORM5: codes, temperatures, flows, length, moisture.
    r.TubeFlowKind = field(app, kTubeSide.flowKind);
    r.ShellFlowKind = field(app, kShellSide.flowKind);
    r.TubeGasComposition = field(app, kTubeSide.compositionCode);
    r.ShellGasComposition = field(app, kShellSide.compositionCode);
    r.TubeMoistureMode = field(app, kTubeSide.moistureCode);
    r.ShellMoistureMode = field(app, kShellSide.moistureCode);
    r.Tti = field(app, kTubeSide.inlet);
    r.Tsi = field(app, kShellSide.inlet);
    r.Tto = field(app, kTubeSide.outlet);
    r.Tso = field(app, kShellSide.outlet);
    r.TsatS = field(app, kShellSide.moistureFields.saturationTemperature);
    r.Wt = field(app, kTubeSide.massField);
    r.Ws = field(app, kShellSide.massField);
    r.Vt = field(app, kTubeSide.volumeField);
    r.Vs = field(app, kShellSide.volumeField);
    r.TL = field(app, kForm5.tubeLength);
    r.Vxa = field(app, kShellSide.moistureFields.volumePercent);
    r.XG = field(app, kTubeSide.moistureFields.absoluteHumidity);
    r.VH = field(app, kTubeSide.moistureFields.volumePercent);

    r.ProcessingNo = readField(app, kProcessing.screen, kProcessing.processingNo);

    // FORM7 options; the refrigerant pressure and surface tension go into
    // kgf/cm2 and kgf/m at once.
    const OptionFields& O = kOptions;
    r.TubeHeatClass = readField(app, O.screen, O.heatClass);
    r.PhaseChangeChosen = readField(app, O.screen, O.phaseChangeChosen);
    r.HtcMode = readField(app, O.screen, O.htcMode);
    r.PhaseChangeKind = readField(app, O.screen, O.phaseChangeKind);
    const float pressure = readField(app, O.screen, O.evaporationPressure);
    const float tension = readField(app, O.screen, O.surfaceTension);
    takeEvaporationInputs(r, pressure, tension, siUnits(unitCode(r.UnitCode)));
}

void checkConstruction(App& app, Record& r) {
    const tx::StartTexts& T = tx::startTexts(app.language);
    const MainFields& M = kMain;
    for (const char* screen : {kMain.screen, kForm5.screen, kOptions.screen}) app.forms.clearFlags(app[screen].id());
    app.pane.clear();
    printEmptyLines(app.pane, 5);
    const int in = tx::kIndent;
    const bool finned = tubeType(r.TubeType) != TubeType::Bare;

    if (r.PNt > 1.0f && r.PNs > 1.0f) refuse(app, in, T.passesBothSides);
    if (tubeFluid(r) == FluidKind::None) refuse(app, in, T.noFluidName);
    if (shellFluid(r) == FluidKind::None) refuse(app, in, T.noFluidName);
    if (r.DO == 0.0f) refuse(app, in, T.noOuterDiameter, M.outerDiameter);
    if (r.DI == 0.0f) refuse(app, in, T.noInnerDiameter, M.innerDiameter);
    if (r.PVY == 0.0f) refuse(app, in, T.noRowPitch, M.rowPitchRatio);
    if (r.PHX == 0.0f) refuse(app, in, T.noColumnPitch, M.columnPitchRatio);
    if (finned && r.FPI == 0.0f) refuse(app, in, T.noFinsPerInch, M.finsPerInch);
    if (finned && tubeType(r.TubeType) != TubeType::PlateFin && r.Fh == 0.0f) refuse(app, in, T.noFinHeight, M.finHeight);
    if (finned && r.FT == 0.0f) refuse(app, in, T.noFinThickness, M.finThickness);
    // A code that names no arrangement is as unregistered as none.
    if (r.ArrangementCode != 1.0f && r.ArrangementCode != 2.0f) refuse(app, in, T.noArrangement, M.arrangement);
    if (r.Km == 0.0f) refuse(app, in, T.noTubeConductivity, M.tubeConductivity);
    if (finned && r.Kf == 0.0f) refuse(app, in, T.noFinConductivity, M.finConductivity);
    if (r.Rt == 0.0f) refuse(app, in, T.noTubeFouling, M.tubeFouling);
    if (r.Rs == 0.0f) refuse(app, in, T.noShellFouling, M.shellFouling);
    // Likewise a flow-pattern code other than 1, 2 or 3.
    if (r.FlowPattern != 1.0f && r.FlowPattern != 2.0f && r.FlowPattern != 3.0f) refuse(app, in, T.noFlowPattern, M.flowPattern);
    if (r.PNt == 0.0f) refuse(app, in, T.noTubePasses, M.tubePasses);
    if (r.PNs == 0.0f) refuse(app, in, T.noShellPasses, M.shellPasses);
    if (manualSide(r) && r.Nv == 0.0f) refuse(app, tx::kStarredIndent, T.noTubeRows, M.tubeRows);
    if (r.Nh == 0.0f) {
        app.pane.print();
        refuse(app, tx::kStarredIndent, T.noTubeColumns, M.tubeColumns);
    }
    if (humidSide(r)) checkFilmThickness(app, r);
    if (r.TapeCode == 2.0f && r.TTh == 0.0f) refuse(app, in, T.noTapeThickness, M.tapeThickness);
    if (r.TapeCode == 2.0f && r.TTP2 == 0.0f) refuse(app, in, T.noTapePitch, M.tapePitch);
    // Then every field the run reads must hold a number, and where the
    // route needs it, one must be entered; FORM7 is read only for typed-in
    // properties.
    for (const EntryFields* list : {&kColumnEntries, &kForm5Entries, &kOptionEntries}) {
        if (list == &kOptionEntries && !manualSide(r)) continue;
        if (const std::optional<EntryRefusal> refusal = firstBadEntry(app, *list, true)) {
            markField(app, refusal->screen, refusal->field);
            refuse(app, tx::kStarredIndent, entryMessage(app.language, *refusal));
        }
    }
    // And lie in its range.
    for (const RangedFields* list : {&kColumnRanges, &kForm5Ranges, &kOptionRanges}) {
        if (list == &kOptionRanges && !manualSide(r)) continue;
        if (const std::optional<RangeRefusal> refusal = firstOutOfRange(app, *list)) {
            markField(app, refusal->screen, refusal->field);
            refuse(app, in, rangePhrase(app.language, *refusal));
        }
    }
}

void confirmPreliminaryData(App& app) {
    const tx::StartTexts& T = tx::startTexts(app.language);
    if (app.askYesNo(T.confirmCaption, T.confirmText)) {
        app.pane.clear();
        return;
    }
    enableRange(app[kMain.screen], "BUTTON", 1, 8, false);
    leave("the construction was not confirmed");
}

void deriveModeFlags(Record& r) {
    ModeFlags& f = r.flags;
    const UnitCode units = unitCode(r.UnitCode);
    if (units == UnitCode::ESI) f.LangUnitMode = Lang::ESI;
    if (units == UnitCode::E) f.LangUnitMode = Lang::E;
    if (units == UnitCode::JSI) f.LangUnitMode = Lang::JSI;
    if (units == UnitCode::J) f.LangUnitMode = Lang::J;

    if (r.FlowPattern == 1.0f) f.sFLOW = Flow::Cross;
    if (r.FlowPattern == 2.0f) f.sFLOW = Flow::Parallel;
    if (r.FlowPattern == 3.0f) f.sFLOW = Flow::CounterLmtd;
    // A humid side is rated on the counter-flow LMTD.
    if (humidSide(r)) f.sFLOW = Flow::CounterLmtd;
    if (f.sFLOW == Flow::CounterLmtd) {
        f.sCOND = YesNo::Yes;
        f.sHUM = Hum::Shell;
    }

    const FluidKind tube = tubeFluid(r), shell = shellFluid(r);
    using enum FluidKind;
    if (tube == HumidGas && shell == Gas) {
        f.sHUM = Hum::Tube;
        f.sCOND = YesNo::Yes;
    } else if (tube == Gas && shell == HumidGas) {
        f.sHUM = Hum::Shell;
        f.sCOND = YesNo::Yes;
    } else if (tube == Gas && shell == Gas) {
        f.sHUM = Hum::None;
        f.sCOND = YesNo::No;
    } else if (tube == Water && shell == HumidGas) {
        f.sHUM = Hum::Shell;
        f.sCOND = YesNo::Yes;
        f.sTGAS = GasForm::Composition;
    } else if (tube == Water && shell == Gas) {
        f.sHUM = Hum::None;
        f.sCOND = YesNo::No;
        f.sTGAS = GasForm::Composition;
    } else if (tube == Manual && shell == Manual) {
        f.sHUM = Hum::None;
        f.sCOND = YesNo::No;
    }

    if (r.ArrangementCode == 1.0f) f.arrangement = Arrangement::Triangular;
    if (r.ArrangementCode == 2.0f) f.arrangement = Arrangement::Square;

    const TubeType type = tubeType(r.TubeType);
    if (type == TubeType::Bare) {
        f.finned = YesNo::No;
        f.sTUBE = Tube::Bare;
    } else if (type == TubeType::RadialFin) {
        f.finned = YesNo::Yes;
        f.sTUBE = Tube::Finned;
        f.sFIN = Fin::Radial;
    } else if (type == TubeType::PlateFin) {
        f.finned = YesNo::Yes;
        f.sFIN = Fin::Plate;
    }

    if (r.TapeCode == 1.0f) f.sTAPE = YesNo::No;
    if (r.TapeCode == 2.0f) f.sTAPE = YesNo::Yes;

    f.sPROP = manualSide(r) ? Prop::TypedIn : Prop::Correlations;
}

void convertConstruction(App& app, Record& r) {
    r.NV = r.Nv;
    r.TTP2 = 2.0f * r.TTP2 * 0.001f;
    r.TTh = r.TTh * 0.001f;
    r.DO /= 1000.0f;
    r.DI /= 1000.0f;
    r.Fh /= 1000.0f;
    r.FT /= 1000.0f;
    r.Pv = checkedFinite(r.PVY * r.DO, "Pv");
    r.Ph = checkedFinite(r.PHX * r.DO, "Ph");
    if (r.flags.sFIN == Fin::Radial) {
        const float tip = checkedFinite(r.DO + 2.0f * r.Fh, "Df");
        r.PvFin = checkedFinite(r.PVY * tip, "Pv");
        r.PhFin = checkedFinite(r.PHX * tip, "Ph");
    }
    if (r.flags.sFIN == Fin::Plate) r.Fh = plateFinEquivalentHeight(r.Pv, r.Ph, r.DO);

    // SI entries of the column in the engine's units.
    if (si(r)) {
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
    if (r.flags.finned != YesNo::Yes) r.flags.sTUBE = Tube::Bare;
    if (r.flags.sTUBE == Tube::Finned && r.flags.sFIN == Fin::Radial) {
        r.Pv = r.PvFin;
        r.Ph = r.PhFin;
    }
    if (r.flags.sTUBE == Tube::Finned && r.flags.sFIN == Fin::Plate) {
        r.Fh = plateFinEquivalentHeight(r.Pv, r.Ph, r.DO);
    }
}

void markComputedRows(App& app) {
    const ProcessingNo no = processingNo(app);
    if (no == ProcessingNo::Rows || no == ProcessingNo::RowsAndShellFlow) {
        app[kMain.screen][kMain.tubeRows].setText(tx::kComputedRows);
    }
}

void printArrangementHeading(App& app, const Record& r) {
    const tx::StartTexts& T = tx::startTexts(app.language);
    const Flag& flow = r.flags.sFLOW;
    printEmptyLines(app.pane, flow == Flow::CounterLmtd ? 2 : 1);
    if (flow == Flow::Cross) app.pane.print(T.headingCross);
    if (flow == Flow::Parallel) app.pane.print(T.headingParallel);
    if (flow == Flow::CounterLmtd) app.pane.print(T.headingCounter);
    printEmptyLines(app.pane, 3);
}

}  // namespace cfhx::calc
