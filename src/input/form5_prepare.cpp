// FORM5 prepared for the current pair of fluid kinds ("閉じる" and every
// opening of the screen), the outlet and flow fields of a processing No.,
// the SI unit labels and the sample values ("開く").
#include <string>

#include "app/app.h"
#include "app/frame_texts.h"
#include "input/form5_side.h"
#include "input/form5_texts.h"
#include "input/procedures.h"

namespace cfhx {
namespace {

namespace T = form5_texts;

std::string_view pick(App& app, const T::Sample& s) { return siUnits(app) && !s.si.empty() ? s.si : s.old; }

// ---- One side ------------------------------------------------------------

void enableOptions(App& app, const Form5Side& side, bool dry, bool mixed, bool full) {
    ScreenRef f = form5(app);
    f[side.options[0]].enable(dry);
    f[side.options[1]].enable(mixed);
    f[side.options[2]].enable(full);
}

// Moisture rows and composition of a gas side for its kept composition:
// volume and absolute humidity for air with moisture, the volume row only
// for a full composition, none for dry air.
void prepareGasSide(App& app, const Form5Side& side, bool fullKeepsStandardAir) {
    enableOptions(app, side, true, true, true);
    const int comp = composition(app, side);
    for (int k = 0; k < 4; ++k) {
        const bool offered = (comp == 2 && k <= 1) || (comp == 3 && k == 0);
        if (offered) {
            offerRow(app, side, k, false);
        } else {
            withdrawRow(app, side, k);
        }
    }
    writeStandardAir(app, side);
    if (comp == 3 && !fullKeepsStandardAir) openFullComposition(app, side);
}

// A saturated humid side: no dry air; all four moisture rows, or only the
// volume row for a full composition.
void prepareHumidSide(App& app, const Form5Side& side) {
    enableOptions(app, side, false, true, true);
    // Dry air cannot be chosen here, and the calculation has no dry-air way
    // for a saturated humid gas: a code left by another pair is dropped, so
    // that the checks ask for a composition.
    if (composition(app, side) == 1) form5(app)[side.compositionCode].setText("");
    if (composition(app, side) == 3) {
        offerRow(app, side, 0, true);
        for (int k = 1; k < 4; ++k) withdrawRow(app, side, k);
        openFullComposition(app, side);
    } else {
        for (int k = 0; k < 4; ++k) offerRow(app, side, k, k == 0);
        writeStandardAir(app, side);
    }
}

// Water in the tubes: standard air code, nothing of step 1 applies.
void prepareWaterTube(App& app) {
    const Form5Side& side = kTubeSide;
    form5(app)[side.compositionCode].setText("1");
    enableOptions(app, side, false, false, false);
    for (int k = 0; k < 4; ++k) withdrawRow(app, side, k);
    for (const char* c : {side.co2, side.o2, side.n2}) setField(app, c, T::kWaterNone, false);
}

// Typed-in properties: step 1 does not apply.
void prepareManualSide(App& app, const Form5Side& side) {
    enableOptions(app, side, false, false, false);
    for (int k = 0; k < 4; ++k) withdrawRow(app, side, k);
    for (const char* c : {side.co2, side.o2, side.n2}) setField(app, c, T::kNone, false);
}

void enablePropertyLabels(App& app, bool on) {
    ScreenRef f = form5(app);
    for (int n = 175; n <= 196; ++n) f["TEXT" + std::to_string(n)].enable(on);
}

void closePropertyFields(App& app) {
    for (const Form5Side* side : {&kTubeSide, &kShellSide}) {
        for (const char* c : side->properties.all()) setField(app, c, T::kPropertyNone, false);
        for (const char* c : side->latent.all()) setField(app, c, T::kPropertyNone, false);
    }
    enablePropertyLabels(app, false);
}

bool latentFluidWithPhaseChange(App& app) { return tubeHeatClass(app) == 2 && phaseChangeChosen(app); }

void openPropertyFields(App& app) {
    enablePropertyLabels(app, true);
    for (const Form5Side* side : {&kTubeSide, &kShellSide}) {
        for (const char* c : side->properties.all()) setField(app, c, "", true);
    }
    const bool latent = latentFluidWithPhaseChange(app);
    for (const char* c : kTubeSide.latent.all()) setField(app, c, latent ? "" : T::kPropertyNone, latent);
    for (const char* c : kShellSide.latent.all()) setField(app, c, T::kShellLatentNone, false);
}

// ---- Flows -----------------------------------------------------------------

void setFlowButton(App& app, const char* button, bool offered) {
    ControlRef b = form5(app)[button];
    b.setText(offered ? T::kMark : "");
    b.enable(offered);
}

// Mass flows in use on both sides, every flow-kind button offered.
void massFlowsOnBothSides(App& app) {
    for (const Form5Side* side : {&kTubeSide, &kShellSide}) {
        selectFlowKind(app, *side, 2);
        setFlowButton(app, side->volumeButton, true);
        setFlowButton(app, side->massButton, true);
    }
}

// Water is given as a mass flow only.
void noWaterVolumeFlow(App& app) {
    if (tubeFluidKind(app) == FluidKind::Water) setFlowButton(app, kTubeSide.volumeButton, false);
}

// ---- Processing No. -------------------------------------------------------

enum class ShellFlow { Offered, Solved, OfferedEmptied };

// Per No. 1-7: which outlet temperatures are given, and the shell flow.
struct ProcessingFields {
    bool tubeOutletGiven;
    bool shellOutletGiven;
    ShellFlow shellFlow;
};

constexpr ProcessingFields kProcessingFields[7] = {
    {false, true, ShellFlow::Offered},          {true, true, ShellFlow::Solved},
    {false, true, ShellFlow::Offered},          {true, true, ShellFlow::Solved},
    {false, false, ShellFlow::OfferedEmptied},  {false, true, ShellFlow::Solved},
    {false, true, ShellFlow::OfferedEmptied},
};

// ---- SI labels ---------------------------------------------------------------

void writeSILabels(App& app) {
    if (!siUnits(app)) return;
    ScreenRef f = form5(app);
    f["TEXT170"].setText(T::kTemperatureSI);
    f["TEXT171"].setText(T::kTemperatureSI);
    f["TEXT172"].setText(T::kVolumeFlowSI);
    f["TEXT173"].setText(T::kMassFlowSI);
    f["TEXT137"].setText(T::kTemperatureSI);
    f["TEXT145"].setText(T::kTemperatureSI);
    f["TEXT138"].setText(T::kEnthalpySI);
    f["TEXT146"].setText(T::kEnthalpySI);
    if (tubeFluidKind(app) != FluidKind::Manual) return;
    f["TEXT188"].setText(T::kSpecificHeatSI);
    f["TEXT189"].setText(T::kConductivitySI);
    f["TEXT190"].setText(T::kViscositySI);
    f["TEXT192"].setText(T::kLatentHeatSI);
    f["TEXT194"].setText(T::kSpecificHeatSI);
    f["TEXT195"].setText(T::kConductivitySI);
    f["TEXT196"].setText(T::kViscositySI);
}

// ---- Pairs -------------------------------------------------------------------

void prepareHumidTubeGasShell(App& app) {
    prepareHumidSide(app, kTubeSide);
    setField(app, kTubeSide.inlet, T::kSatTubeInlet, false);
    setField(app, kTubeSide.outlet, T::kNone, false);
    // Beside condensing tubes the shell gas shows standard air whatever its
    // composition; the user overwrites it for a full composition.
    prepareGasSide(app, kShellSide, true);
    setField(app, kShellSide.inlet, "", true);
    setField(app, kShellSide.outlet, T::kNone, false);
    setField(app, kForm5.tubeLength, "", true);
    massFlowsOnBothSides(app);
}

// Gas or water in the tubes, gas outside: the processing No. decides the
// outlets and the shell flow.
void prepareGasShell(App& app) {
    if (tubeFluidKind(app) == FluidKind::Water) {
        prepareWaterTube(app);
    } else {
        prepareGasSide(app, kTubeSide, false);
    }
    prepareGasSide(app, kShellSide, tubeFluidKind(app) == FluidKind::Water);
    for (const Form5Side* side : {&kTubeSide, &kShellSide}) {
        setField(app, side->inlet, "", true);
        setField(app, side->outlet, "", true);
        form5(app)[side->volumeField].setText("");
        form5(app)[side->massField].setText("");
        form5(app)[side->flowKind].setText("2");
    }
    setField(app, kForm5.tubeLength, "", true);
    applyProcessingNo(app, processingNo(app));
}

void prepareWaterTubeHumidShell(App& app) {
    prepareWaterTube(app);
    setField(app, kTubeSide.inlet, "", true);
    setField(app, kTubeSide.outlet, T::kNone, false);
    prepareHumidSide(app, kShellSide);
    setField(app, kShellSide.inlet, "", false);
    setField(app, kShellSide.outlet, T::kNone, false);
    setField(app, kForm5.tubeLength, "", true);
    massFlowsOnBothSides(app);
    noWaterVolumeFlow(app);
}

void prepareManual(App& app) {
    prepareManualSide(app, kTubeSide);
    prepareManualSide(app, kShellSide);
    openPropertyFields(app);
    setField(app, kTubeSide.inlet, "", true);
    setField(app, kShellSide.inlet, "", true);
    setField(app, kForm5.tubeLength, "", true);
    for (const Form5Side* side : {&kTubeSide, &kShellSide}) {
        form5(app)[side->flowKind].setText("");
        setFlowButton(app, side->volumeButton, false);
        setFlowButton(app, side->massButton, true);
        setField(app, side->volumeField, T::kNone, false);
        setField(app, side->massField, "", false);
    }
}

// The step-1 confirmation buttons where a side has a gas description.
void offerStepOneConfirmation(App& app) {
    using enum FluidKind;
    const FluidKind tube = tubeFluidKind(app);
    const FluidKind shell = shellFluidKind(app);
    ScreenRef f = form5(app);
    f["BUTTON50"].enable(tube == HumidGas || tube == Gas);
    f["BUTTON51"].enable((shell == HumidGas || shell == Gas) && !(tube == HumidGas || tube == Gas));
}

// ---- Sample values -----------------------------------------------------------

const T::PairSample* pairSample(FluidKind tube, FluidKind shell) {
    for (const T::PairSample& s : T::kPairSamples) {
        if (s.tube == tube && s.shell == shell) return &s;
    }
    return nullptr;
}

// A side's composition for the sample, with moisture mode 1 and its H2O %.
void sampleComposition(App& app, const Form5Side& side, int comp, std::string_view h2o) {
    form5(app)[side.compositionCode].setText(std::to_string(comp));
    if (comp == 1) {
        for (int k = 0; k < 4; ++k) withdrawRow(app, side, k);
        writeStandardAir(app, side);
        return;
    }
    if (comp == 2) {
        if (sideKind(app, side) == FluidKind::HumidGas) {
            for (int k = 0; k < 4; ++k) offerRow(app, side, k, k == 0);
        }
        writeStandardAir(app, side);
    }
    selectMoistureRow(app, side, 1);
    ScreenRef f = form5(app);
    f[side.moistureFields.volumePercent].setText(h2o);
    // Rows that are not offered keep their mark.
    for (int k = 1; k < 4; ++k) {
        if (!f[side.moistureButtons[k]].enabled()) f[side.moistureFields[k]].setText(T::kNone);
    }
}

void writeFlow(App& app, const Form5Side& side, std::string_view value) {
    selectFlowKind(app, side, 2);
    form5(app)[side.massField].setText(value);
}

void sampleCorrelationPair(App& app, const T::PairSample& s) {
    ScreenRef f = form5(app);
    using enum ProcessingNo;
    const ProcessingNo no = processingNo(app);
    const bool gasShell = s.shell == FluidKind::Gas && s.tube != FluidKind::HumidGas;

    if (!s.tubeMoisture.empty()) {
        int comp = composition(app, kTubeSide);
        if (s.tube == FluidKind::HumidGas) comp = comp == 3 ? 3 : 2;
        if (comp == 0) comp = 1;
        sampleComposition(app, kTubeSide, comp, s.tubeMoisture);
    }
    int shellComp = composition(app, kShellSide);
    if (s.shell == FluidKind::HumidGas) shellComp = 2;
    if (shellComp == 0) shellComp = 1;
    sampleComposition(app, kShellSide, shellComp, s.shellMoisture);

    f[kTubeSide.inlet].setText(pick(app, s.tubeInlet));
    f[kShellSide.inlet].setText(pick(app, s.shellInlet));
    f[kForm5.tubeLength].setText(T::kSampleLength);
    const bool no5Flows = gasShell && no == Outlets;
    writeFlow(app, kTubeSide, pick(app, no5Flows ? T::kSampleFlowNo5 : s.tubeFlow));
    writeFlow(app, kShellSide, pick(app, no5Flows ? T::kSampleFlowNo5 : s.shellFlow));
    if (s.tube == FluidKind::Water) noWaterVolumeFlow(app);
    if (s.message) form5Message(app, T::form5Texts(app.language).*s.message);
    if (!gasShell) return;

    // What the processing No. solves for is not sampled.
    if (no != Outlets) f[kShellSide.outlet].setText(pick(app, T::kSampleOutlet));
    if (no == LengthAndShellFlow || no == RowsAndShellFlow) {
        f[kTubeSide.outlet].setText(pick(app, T::kSampleOutlet));
    } else if (no == Rows && s.tube == FluidKind::Gas) {
        f[kTubeSide.outlet].setText("");
    } else {
        setField(app, kTubeSide.outlet, T::kNone, false);
    }
    if (no == Length || no == LengthAndShellFlow) setField(app, kForm5.tubeLength, T::kSolved, false);
    if (no == LengthAndShellFlow || no == RowsAndShellFlow || no == OutletAndShellFlow) {
        for (const char* c : {kShellSide.volumeField, kShellSide.massField}) setField(app, c, T::kSolved, false);
        setFlowButton(app, kShellSide.volumeButton, false);
        setFlowButton(app, kShellSide.massButton, false);
    }
    if (no == Outlets) {
        setField(app, kTubeSide.outlet, T::kSolved, false);
        setField(app, kShellSide.outlet, T::kSolved, false);
    }
}

void sampleManual(App& app) {
    ScreenRef f = form5(app);
    const bool phaseChange = latentFluidWithPhaseChange(app);
    const T::PropertySample& s =
        phaseChange ? T::kPhaseChangeSample : (tubeHeatClass(app) == 2 ? T::kGasSample : T::kLiquidSample);
    for (int k = 0; k < 4; ++k) {
        f[kTubeSide.properties[k]].setText(pick(app, s.tube[k]));
        f[kShellSide.properties[k]].setText(pick(app, s.shell[k]));
    }
    if (phaseChange) {
        for (int k = 0; k < 5; ++k) f[kTubeSide.latent[k]].setText(pick(app, s.latent[k]));
    }
    f[kForm5.tubeLength].setText(T::kSampleLength);
    f[kTubeSide.inlet].setText(pick(app, s.tubeInlet));
    const bool evaporation = phaseChange && phaseChangeKind(app) != 3;
    f[kShellSide.inlet].setText(pick(app, evaporation ? T::kEvaporationShellInlet : s.shellInlet));
    writeFlow(app, kTubeSide, pick(app, s.tubeFlow));
    writeFlow(app, kShellSide, pick(app, s.shellFlow));
    setFlowButton(app, kTubeSide.volumeButton, false);
    setFlowButton(app, kShellSide.volumeButton, false);
}

// "開く"
void BUTTON53_ON(App& app) {
    prepareForm5(app, Form5Opening::Confirmed);
    const FluidKind tube = tubeFluidKind(app);
    const FluidKind shell = shellFluidKind(app);
    if (tube == FluidKind::Manual && shell == FluidKind::Manual) {
        sampleManual(app);
    } else if (const T::PairSample* s = pairSample(tube, shell)) {
        sampleCorrelationPair(app, *s);
    }
}

// "閉じる"
void BUTTON54_ON(App& app) { prepareForm5(app, Form5Opening::Reset); }

}  // namespace

void applyProcessingNo(App& app, ProcessingNo no) {
    // No. 5 stands for any code outside 1-7.
    const int n = static_cast<int>(no);
    const ProcessingFields& row = kProcessingFields[n >= 1 && n <= 7 ? n - 1 : 4];
    ScreenRef f = form5(app);
    for (const Form5Side* side : {&kTubeSide, &kShellSide}) {
        f[side->volumeField].disable();
        f[side->massField].disable();
    }
    setFlowButton(app, kTubeSide.volumeButton, true);
    setFlowButton(app, kTubeSide.massButton, true);
    noWaterVolumeFlow(app);

    setField(app, kTubeSide.outlet, row.tubeOutletGiven ? "" : T::kOutletNone, row.tubeOutletGiven);
    setField(app, kShellSide.outlet, row.shellOutletGiven ? "" : T::kOutletNone, row.shellOutletGiven);

    const bool solved = row.shellFlow == ShellFlow::Solved;
    setFlowButton(app, kShellSide.volumeButton, !solved);
    setFlowButton(app, kShellSide.massButton, !solved);
    if (solved) {
        f[kShellSide.volumeField].setText(T::kOutletNone);
        f[kShellSide.massField].setText(T::kOutletNone);
    } else if (row.shellFlow == ShellFlow::OfferedEmptied) {
        f[kShellSide.volumeField].setText("");
        f[kShellSide.massField].setText("");
    }
}

void prepareForm5(App& app, Form5Opening opening) {
    ScreenRef main = app["MAINFORM"];
    main["BUTTON27"].enable();
    main["BUTTON27"].setText(frame_texts::frameTexts(app.language).confirmAfterCheck);
    using enum FluidKind;
    const FluidKind tube = tubeFluidKind(app);
    const FluidKind shell = shellFluidKind(app);
    if ((tube == Gas || tube == Water) && shell == Gas) {
        ScreenRef form6 = app[kProcessing.screen];
        for (const char* b : {"BUTTON31", "BUTTON32", "BUTTON34", "BUTTON35", "BUTTON36", "BUTTON37", "BUTTON38"}) {
            form6[b].enable();
        }
    }
    ScreenRef f = form5(app);
    if (opening == Form5Opening::Confirmed) {
        form5Message(app, "");
        enableRange(main, "BUTTON", 1, 8, false);
    }

    if (tube == Manual || shell == Manual) {
        if (tube == Manual && shell == Manual) prepareManual(app);
    } else {
        closePropertyFields(app);
        if (tube == HumidGas && shell == Gas) prepareHumidTubeGasShell(app);
        if ((tube == Gas || tube == Water) && shell == Gas) prepareGasShell(app);
        if (tube == Water && shell == HumidGas) prepareWaterTubeHumidShell(app);
    }
    offerStepOneConfirmation(app);
    f["BUTTON53"].enable();
    f["BUTTON54"].enable();

    writeSILabels(app);
    f.show();
    f["BUTTON30"].enable();
}

void registerForm5PrepareProcedures(App& app) {
    registerProcedure(app, "FORM5", "BUTTON53", BUTTON53_ON);
    registerProcedure(app, "FORM5", "BUTTON54", BUTTON54_ON);
}

}  // namespace cfhx
