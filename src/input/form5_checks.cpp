// The OK button of FORM5: completeness checks for the pair of fluid kinds.
// The first missing item is reported in the message line; after the pause
// the screen stays open with every entry kept.
#include <optional>
#include <string>

#include "app/app.h"
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

void refuseAsWritten(App& app, const std::string& message) {
    form5Message(app, message);
    app.pause();
    throw Refused{};
}

void refuse(App& app, std::string_view message) { refuseAsWritten(app, " " + std::string(message)); }

void require(App& app, bool ok, std::string_view message) {
    if (!ok) refuse(app, message);
}

double value(App& app, const char* field) { return form5(app)[field].number(); }
double length(App& app) { return value(app, kForm5.tubeLength); }

// The flow of a side in the kind chosen (volume for 1, mass otherwise).
double flowValue(App& app, const Form5Side& side) {
    return value(app, flowKind(app, side) == 1 ? side.volumeField : side.massField);
}

void requireShellMoisture(App& app) {
    const int comp = composition(app, kShellSide);
    require(app, !((comp == 2 || comp == 3) && moistureMode(app, kShellSide) == 0), T::kShellMoistureUnset);
}

// Saturated humid gas in the tubes, gas outside.
void checkHumidTubeGasShell(App& app) {
    requireShellMoisture(app);
    require(app, composition(app, kShellSide) != 0, T::kShellCompositionUnset);
    require(app, composition(app, kTubeSide) != 0, T::kTubeCompositionUnset);
    if (flowKind(app, kTubeSide) == 0) {
        form5Message(app, " " + std::string(T::kTubeFlowKindUnset));  // no pause here
        throw Refused{};
    }
    require(app, !(flowKind(app, kTubeSide) == 2 && value(app, kTubeSide.massField) == 0), T::kTubeMassFlowUnset);
    require(app, length(app) != 0, T::kLengthUnset);
    const int shellKind = flowKind(app, kShellSide);
    require(app, shellKind != 0, T::kShellFlowKindUnset);
    require(app, !(shellKind == 1 && value(app, kShellSide.volumeField) == 0), T::kShellFlowUnset);
    require(app, !(shellKind == 2 && value(app, kShellSide.massField) == 0), T::kShellMassFlowUnset);
    bool moisture = false;
    for (const char* f : kTubeSide.moistureFields.all()) moisture = moisture || value(app, f) != 0;
    require(app, moisture, T::kTubeCompositionUnset);
}

// Outlet temperatures must lie between the inlets; Tsi = Tti counts as a
// hotter shell side. The tube outlet is not checked where it is solved for.
void checkTemperatures(App& app, ProcessingNo no) {
    const double tti = value(app, kTubeSide.inlet), tto = value(app, kTubeSide.outlet);
    const double tsi = value(app, kShellSide.inlet), tso = value(app, kShellSide.outlet);
    using enum ProcessingNo;
    const bool tubeOutletGiven = !(no == Length || no == Rows || no == OutletAndShellFlow || no == Columns);
    const double hot = tsi >= tti ? tsi : tti;
    const double cold = tsi >= tti ? tti : tsi;
    require(app, !(tso > hot || tso < cold), T::kShellOutletWrong);
    if (tubeOutletGiven) require(app, !(tto > hot || tto < cold), T::kTubeOutletWrong);
}

// Gas or water in the tubes, gas outside.
void checkGasShell(App& app) {
    requireShellMoisture(app);
    const ProcessingNo no = processingNo(app);
    if (no != ProcessingNo::Outlets) checkTemperatures(app, no);
    app["MAINFORM"]["BUTTON27"].enable();
    app["FORM6"].hide();
    require(app, composition(app, kShellSide) != 0, T::kShellCompositionUnset);
    if (tubeFluidKind(app) == FluidKind::Gas) require(app, composition(app, kTubeSide) != 0, T::kTubeCompositionUnset);

    const bool tubeKind = flowKind(app, kTubeSide) != 0;
    const bool shellKind = flowKind(app, kShellSide) != 0;
    auto tubeChosen = [&] { require(app, tubeKind, T::kTubeFlowChoiceUnset); };
    auto shellChosen = [&] { require(app, shellKind, T::kShellFlowChoiceUnset); };
    auto lengthGiven = [&] { require(app, length(app) != 0, T::kLengthUnset); };
    auto tubeFlow = [&] { require(app, flowValue(app, kTubeSide) != 0, T::kTubeFlowChoiceUnset); };
    auto shellFlow = [&] { require(app, flowValue(app, kShellSide) != 0, T::kShellFlowChoiceUnset); };
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
    require(app, composition(app, kShellSide) != 0, T::kShellCompositionUnset);
    if (flowKind(app, kTubeSide) != 1) {
        require(app, flowKind(app, kTubeSide) != 0, T::kTubeFlowUnset);
        require(app, value(app, kTubeSide.massField) != 0, T::kTubeMassFlowUnset);
    }
    require(app, length(app) != 0, T::kLengthUnset);
    if (flowKind(app, kShellSide) == 1) {
        require(app, value(app, kShellSide.volumeField) != 0, T::kShellVolumeFlowUnset);
    } else {
        require(app, flowKind(app, kShellSide) != 0, T::kShellFlowUnset);
        require(app, value(app, kShellSide.massField) != 0, T::kShellMassFlowUnset);
    }
}

// Typed-in properties on both sides.
void checkManual(App& app) {
    app["FORM7"].hide();
    // The options may have changed on FORM7 since its OK (the confirmation
    // button reopens this screen directly); the calculation needs them whole.
    const std::string options = form7OptionProblem(app);
    if (!options.empty()) refuseAsWritten(app, options);
    const int tubeKind = flowKind(app, kTubeSide);
    if (tubeKind != 1) {
        require(app, tubeKind != 0, T::kTubeFlowUnset);
        require(app, value(app, kTubeSide.massField) != 0, T::kTubeMassFlowUnset);
    }
    require(app, length(app) != 0, T::kLengthUnset);
    const int shellKind = flowKind(app, kShellSide);
    if (shellKind != 1) {
        require(app, shellKind != 0, T::kShellFlowUnset);
        require(app, value(app, kShellSide.massField) != 0, T::kShellMassFlowUnset);
    }
    // The tube mass flow is needed whatever the flow kind.
    require(app, tubeKind != 0 && value(app, kTubeSide.massField) != 0, T::kTubeMassFlowUnset);
    for (int k = 0; k < 4; ++k) require(app, value(app, kTubeSide.properties[k]) != 0, T::kTubePropertyUnset[k]);
    for (int k = 0; k < 4; ++k) require(app, value(app, kShellSide.properties[k]) != 0, T::kShellPropertyUnset[k]);
    if (tubeHeatClass(app) == 1) return;

    const double tti = value(app, kTubeSide.inlet), tsi = value(app, kShellSide.inlet);
    const int kind = phaseChangeKind(app);
    if (kind == 1) {
        require(app, tti < tsi, T::kEvaporationTooHot);
    } else if (kind == 3) {
        require(app, tti > tsi, T::kCondensationTooCold);
    } else {
        return;
    }
    for (int k = 0; k < 5; ++k) require(app, value(app, kTubeSide.latent[k]) != 0, T::kLatentUnset[k]);
}

// A complete entry may still hold a number outside its field's range.
void checkRanges(App& app) {
    if (const std::optional<RangeRefusal> refusal = firstOutOfRange(app, kForm5Ranges)) {
        refuse(app, std::string(T::kOutOfRangeOpen) + rangePhrase(*refusal) + std::string(T::kOutOfRangeClose));
    }
}

void BUTTON30_ON(App& app) {
    using enum FluidKind;
    const FluidKind tube = tubeFluidKind(app);
    const FluidKind shell = shellFluidKind(app);
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
            refuse(app, T::kPairUnset);
        }
        checkRanges(app);
    } catch (const Refused&) {
        return;
    }
    ScreenRef main = app["MAINFORM"];
    main["BUTTON9"].enable();
    main["BUTTON9"].setText(frame_texts::kCalculate);
    main["BUTTON27"].enable();
    main["BUTTON27"].setText(frame_texts::kConfirmAfterCheck);
    form5(app)["BUTTON30"].disable();
    form5(app).hide();
    app.setStatus(std::string(status_line::kCalculate));
}

}  // namespace

void registerForm5CheckProcedures(App& app) { registerProcedure(app, "FORM5", "BUTTON30", BUTTON30_ON); }

}  // namespace cfhx
