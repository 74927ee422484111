// The OK button of FORM5: completeness checks for the pair of fluid kinds.
// The first missing item is reported in the message line; after the pause
// the screen stays open with every entry kept.
#include <optional>
#include <string>

#include "app/app.h"
#include "app/field_entries.h"
#include "app/field_ranges.h"
#include "app/frame_texts.h"
#include "app/status_line.h"
#include "input/form5_side.h"
#include "input/form5_texts.h"
#include "input/procedures.h"

namespace cfhx {
namespace {

namespace T = form5_texts;

// A check that failed: its message, then the pause.
struct Refused {};

[[noreturn]] void refuseAsWritten(App& app, const std::string& message, const char* field = nullptr) {
    if (field) markField(app, kForm5.screen, field);
    form5Message(app, message);
    app.pause();
    throw Refused{};
}

[[noreturn]] void refuse(App& app, std::string_view message, const char* field = nullptr) {
    refuseAsWritten(app, " " + std::string(message), field);
}

void require(App& app, bool ok, std::string_view message, const char* field = nullptr) {
    if (!ok) refuse(app, message, field);
}

double value(App& app, const char* field) { return form5(app)[field].number(); }

[[noreturn]] void refuseEntry(App& app, const char* field, BadEntry why) {
    refuse(app, entryMessage(app.language, entryLabel(kForm5Entries, field), why), field);
}

// A value that must not read 0 (empty, a mark or text read so too).
void requireValue(App& app, const char* field, std::string_view message) {
    require(app, value(app, field) != 0, message, field);
}

// The field of a side's flow in the kind chosen (volume for 1, mass otherwise).
const char* flowField(App& app, const Form5Side& side) {
    return flowKind(app, side) == 1 ? side.volumeField : side.massField;
}

// The flow of a side whose kind is chosen: an empty or non-numeric field is
// named, a zero flow gets the screen's message.
void requireFlow(App& app, const Form5Side& side, std::string_view zeroMessage) {
    const char* field = flowField(app, side);
    const ControlRef f = form5(app)[field];
    if (f.number() != 0) return;
    if (const std::optional<BadEntry> why = badEntry(f.text(), Need::Required)) refuseEntry(app, field, *why);
    refuse(app, zeroMessage, field);
}

void requireShellMoisture(App& app) {
    const int comp = composition(app, kShellSide);
    require(app, !((comp == 2 || comp == 3) && moistureMode(app, kShellSide) == 0), T::form5Texts(app.language).shellMoistureUnset);
}

// Saturated humid gas in the tubes, gas outside.
void checkHumidTubeGasShell(App& app) {
    const T::Form5Texts& form5Text = T::form5Texts(app.language);
    requireShellMoisture(app);
    require(app, composition(app, kShellSide) != 0, form5Text.shellCompositionUnset);
    require(app, composition(app, kTubeSide) != 0, form5Text.tubeCompositionUnset);
    if (flowKind(app, kTubeSide) == 0) {
        form5Message(app, " " + std::string(form5Text.tubeFlowKindUnset));  // no pause here
        throw Refused{};
    }
    if (flowKind(app, kTubeSide) == 2) requireValue(app, kTubeSide.massField, form5Text.tubeMassFlowUnset);
    requireValue(app, kForm5.tubeLength, form5Text.lengthUnset);
    const int shellKind = flowKind(app, kShellSide);
    require(app, shellKind != 0, form5Text.shellFlowKindUnset);
    if (shellKind == 1) requireValue(app, kShellSide.volumeField, form5Text.shellFlowUnset);
    if (shellKind == 2) requireValue(app, kShellSide.massField, form5Text.shellMassFlowUnset);
    bool moisture = false;
    for (const char* f : kTubeSide.moistureFields.all()) moisture = moisture || value(app, f) != 0;
    require(app, moisture, form5Text.tubeCompositionUnset);
}

// Outlet temperatures must lie between the inlets; Tsi = Tti counts as a
// hotter shell side. The tube outlet is not checked where it is solved for.
void checkTemperatures(App& app, ProcessingNo no) {
    const T::Form5Texts& form5Text = T::form5Texts(app.language);
    const double tti = value(app, kTubeSide.inlet), tto = value(app, kTubeSide.outlet);
    const double tsi = value(app, kShellSide.inlet), tso = value(app, kShellSide.outlet);
    using enum ProcessingNo;
    const bool tubeOutletGiven = !(no == Length || no == Rows || no == OutletAndShellFlow || no == Columns);
    const double hot = tsi >= tti ? tsi : tti;
    const double cold = tsi >= tti ? tti : tsi;
    require(app, !(tso > hot || tso < cold), form5Text.shellOutletWrong, kShellSide.outlet);
    if (tubeOutletGiven) require(app, !(tto > hot || tto < cold), form5Text.tubeOutletWrong, kTubeSide.outlet);
}

// Gas or water in the tubes, gas outside.
void checkGasShell(App& app) {
    const T::Form5Texts& form5Text = T::form5Texts(app.language);
    requireShellMoisture(app);
    const ProcessingNo no = processingNo(app);
    if (no != ProcessingNo::Outlets) checkTemperatures(app, no);
    app["MAINFORM"]["BUTTON27"].enable();
    app["FORM6"].hide();
    require(app, composition(app, kShellSide) != 0, form5Text.shellCompositionUnset);
    if (tubeFluidKind(app) == FluidKind::Gas) require(app, composition(app, kTubeSide) != 0, form5Text.tubeCompositionUnset);

    const bool tubeKind = flowKind(app, kTubeSide) != 0;
    const bool shellKind = flowKind(app, kShellSide) != 0;
    auto tubeChosen = [&] { require(app, tubeKind, form5Text.tubeFlowChoiceUnset); };
    auto shellChosen = [&] { require(app, shellKind, form5Text.shellFlowChoiceUnset); };
    auto lengthGiven = [&] { requireValue(app, kForm5.tubeLength, form5Text.lengthUnset); };
    auto tubeFlow = [&] { requireFlow(app, kTubeSide, form5Text.tubeFlowChoiceUnset); };
    auto shellFlow = [&] { requireFlow(app, kShellSide, form5Text.shellFlowChoiceUnset); };
    switch (no) {
        case ProcessingNo::Length:
            tubeChosen(), shellChosen(), tubeFlow(), shellFlow();
            break;
        case ProcessingNo::LengthAndShellFlow:
            tubeChosen(), tubeFlow();
            break;
        case ProcessingNo::RowsAndShellFlow:
        case ProcessingNo::OutletAndShellFlow:
            tubeChosen(), shellChosen(), lengthGiven(), tubeFlow();
            break;
        default:  // rows, outlets, columns
            tubeChosen(), shellChosen(), lengthGiven(), tubeFlow(), shellFlow();
            break;
    }
}

// Water in the tubes, saturated humid gas outside.
void checkWaterTubeHumidShell(App& app) {
    const T::Form5Texts& form5Text = T::form5Texts(app.language);
    require(app, composition(app, kShellSide) != 0, form5Text.shellCompositionUnset);
    if (flowKind(app, kTubeSide) != 1) {
        require(app, flowKind(app, kTubeSide) != 0, form5Text.tubeFlowUnset);
        requireValue(app, kTubeSide.massField, form5Text.tubeMassFlowUnset);
    }
    requireValue(app, kForm5.tubeLength, form5Text.lengthUnset);
    if (flowKind(app, kShellSide) == 1) {
        requireValue(app, kShellSide.volumeField, form5Text.shellVolumeFlowUnset);
    } else {
        require(app, flowKind(app, kShellSide) != 0, form5Text.shellFlowUnset);
        requireValue(app, kShellSide.massField, form5Text.shellMassFlowUnset);
    }
}

// Typed-in properties on both sides.
void checkManual(App& app) {
    const T::Form5Texts& form5Text = T::form5Texts(app.language);
    app["FORM7"].hide();
    // The options may have changed on FORM7 since its OK (the confirmation
    // button reopens this screen directly); the calculation needs them whole.
    const std::string options = form7OptionProblem(app);
    if (!options.empty()) refuseAsWritten(app, options);
    const int tubeKind = flowKind(app, kTubeSide);
    if (tubeKind != 1) {
        require(app, tubeKind != 0, form5Text.tubeFlowUnset);
        requireValue(app, kTubeSide.massField, form5Text.tubeMassFlowUnset);
    }
    requireValue(app, kForm5.tubeLength, form5Text.lengthUnset);
    const int shellKind = flowKind(app, kShellSide);
    if (shellKind != 1) {
        require(app, shellKind != 0, form5Text.shellFlowUnset);
        requireValue(app, kShellSide.massField, form5Text.shellMassFlowUnset);
    }
    // The tube mass flow is needed whatever the flow kind.
    require(app, tubeKind != 0, form5Text.tubeMassFlowUnset);
    requireValue(app, kTubeSide.massField, form5Text.tubeMassFlowUnset);
    for (int k = 0; k < 4; ++k) requireValue(app, kTubeSide.properties[k], form5Text.tubePropertyUnset[k]);
    for (int k = 0; k < 4; ++k) requireValue(app, kShellSide.properties[k], form5Text.shellPropertyUnset[k]);
    if (tubeHeatClass(app) == 1) return;

    const double tti = value(app, kTubeSide.inlet), tsi = value(app, kShellSide.inlet);
    const int kind = phaseChangeKind(app);
    if (kind == 1) {
        require(app, tti < tsi, form5Text.evaporationTooHot);
    } else if (kind == 3) {
        require(app, tti > tsi, form5Text.condensationTooCold);
    } else {
        return;
    }
    for (int k = 0; k < 5; ++k) requireValue(app, kTubeSide.latent[k], form5Text.latentUnset[k]);
}

// What the route reads must be entered, and as a number.
void checkEntries(App& app) {
    if (const std::optional<EntryRefusal> refusal = firstBadEntry(app, kForm5Entries, false)) {
        refuse(app, entryMessage(app.language, *refusal), refusal->field);
    }
}

// A complete entry may still hold a number outside its field's range.
void checkRanges(App& app) {
    const T::Form5Texts& form5Text = T::form5Texts(app.language);
    if (const std::optional<RangeRefusal> refusal = firstOutOfRange(app, kForm5Ranges)) {
        refuse(app, std::string(form5Text.outOfRangeOpen) + rangePhrase(app.language, *refusal) + std::string(form5Text.outOfRangeClose),
               refusal->field);
    }
}

void BUTTON30_ON(App& app) {
    using enum FluidKind;
    const FluidKind tube = tubeFluidKind(app);
    const FluidKind shell = shellFluidKind(app);
    app.forms.clearFlags(form5(app).id());
    try {
        if (tube == HumidGas && shell == Gas) {
            checkHumidTubeGasShell(app);
        } else if ((tube == Gas || tube == Water) && shell == Gas) {
            checkGasShell(app);
        } else if (tube == Water && shell == HumidGas) {
            checkWaterTubeHumidShell(app);
        } else if (tube == Manual && shell == Manual) {
            checkManual(app);
        } else {
            // A pair the kind buttons are not meant to leave: never accepted.
            refuse(app, T::form5Texts(app.language).pairUnset);
        }
        checkEntries(app);
        checkRanges(app);
    } catch (const Refused&) {
        return;
    }
    ScreenRef main = app["MAINFORM"];
    main["BUTTON9"].enable();
    main["BUTTON9"].setText(frame_texts::frameTexts(app.language).calculate);
    main["BUTTON27"].enable();
    main["BUTTON27"].setText(frame_texts::frameTexts(app.language).confirmAfterCheck);
    form5(app)["BUTTON30"].disable();
    form5(app).hide();
    app.setStatus(std::string(status_line::statusLineTexts(app.language).calculate));
}

}  // namespace

void registerForm5CheckProcedures(App& app) { registerProcedure(app, "FORM5", "BUTTON30", BUTTON30_ON); }

}  // namespace cfhx
