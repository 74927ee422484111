// FORM5 step 1 and the flow kinds: composition choice, moisture entry mode,
// volume or mass flow, and the two step-1 confirmation buttons.
#include <optional>
#include <string_view>

#include "app/app.h"
#include "input/form5_side.h"
#include "input/form5_texts.h"
#include "input/procedures.h"

namespace cfhx {
namespace {

namespace T = form5_texts;

bool isTube(const Form5Side& side) { return &side == &kTubeSide; }

// ---- Composition choice ------------------------------------------------

// "標準空気（ドライ）"
void chooseDryAir(App& app, const Form5Side& side) {
    const T::Form5Texts& form5Text = T::form5Texts(app.language);
    ScreenRef f = form5(app);
    f[side.compositionCode].setText("1");
    for (const char* b : side.moistureButtons) f[b].disable();
    if (sideKind(app, side) != FluidKind::Gas) return;
    if (isTube(side)) {
        form5Message(app, form5Text.tubeDryAir);
    } else if (tubeFluidKind(app) != FluidKind::Water) {
        form5Message(app, form5Text.shellDryAir);
    }
    for (int k = 0; k < 4; ++k) withdrawRow(app, side, k);
    writeStandardAir(app, side);
}

// "標準空気と水分混合"
void chooseAirWithMoisture(App& app, const Form5Side& side) {
    const T::Form5Texts& form5Text = T::form5Texts(app.language);
    const FluidKind kind = sideKind(app, side);
    // Water and typed-in properties have no gas description.
    if (kind != FluidKind::HumidGas && kind != FluidKind::Gas) return;
    ScreenRef f = form5(app);
    f[side.compositionCode].setText("2");

    // An inlet taken from an entered saturation temperature.
    const bool humid = kind == FluidKind::HumidGas;
    if (isTube(side) && humid && moistureMode(app, kTubeSide) == 3) {
        f[kTubeSide.inlet].setText(f[kTubeSide.moistureFields.saturationTemperature].text());
    }
    if ((!isTube(side) || humid) && moistureMode(app, kShellSide) == 3) {
        f[kShellSide.inlet].setText(f[kShellSide.moistureFields.saturationTemperature].text());
    }

    if (humid) {
        for (int k = 0; k < 4; ++k) {
            ControlRef field = f[side.moistureFields[k]];
            const bool enabled = isTube(side) ? (k == 0 ? field.enabled() : true) : false;
            offerRow(app, side, k, enabled);
        }
        form5Message(app, isTube(side) ? form5Text.tubeHumidMixed : form5Text.shellMixed);
    } else {
        offerRow(app, side, 0, false);
        offerRow(app, side, 1, false);
        withdrawRow(app, side, 2);
        withdrawRow(app, side, 3);
        if (isTube(side)) {
            form5Message(app, form5Text.tubeGasMixed);
        } else if (tubeFluidKind(app) != FluidKind::Water) {
            form5Message(app, form5Text.shellMixed);
        }
    }
    writeStandardAir(app, side);

    if (!isTube(side)) {
        if (humid) f[kShellSide.options[0]].disable();
        if (kind == FluidKind::Gas && tubeFluidKind(app) == FluidKind::Gas) f[kShellSide.options[0]].enable();
    }
}

// "全成分登録"
void chooseFullComposition(App& app, const Form5Side& side) {
    const T::Form5Texts& form5Text = T::form5Texts(app.language);
    const FluidKind kind = sideKind(app, side);
    if (kind != FluidKind::HumidGas && kind != FluidKind::Gas) return;
    ScreenRef f = form5(app);
    f[side.compositionCode].setText("3");
    if (isTube(side) && moistureMode(app, side) == 3) {
        f[side.inlet].setText(f[side.moistureFields.saturationTemperature].text());
    }
    offerRow(app, side, 0, false);
    for (int k = 1; k < 4; ++k) withdrawRow(app, side, k);
    setField(app, side.co2, "", true);
    setField(app, side.o2, "", true);
    if (isTube(side)) f[side.n2].setText(T::kRemainderFull);
    form5Message(app, isTube(side) ? form5Text.tubeFullComposition : form5Text.shellFullComposition);
}

void RADIO1_ON(App& app) { chooseDryAir(app, kTubeSide); }
void RADIO2_ON(App& app) { chooseAirWithMoisture(app, kTubeSide); }
void RADIO3_ON(App& app) { chooseFullComposition(app, kTubeSide); }
void RADIO4_ON(App& app) { chooseDryAir(app, kShellSide); }
void RADIO5_ON(App& app) { chooseAirWithMoisture(app, kShellSide); }
void RADIO6_ON(App& app) { chooseFullComposition(app, kShellSide); }

// ---- Moisture entry mode -----------------------------------------------

// The inlet temperature after a moisture mode (1-4): its mark on a saturated
// humid side, its text beside a saturated humid side (none: unchanged),
// whether it is disabled, and whether the mark is written for any fluid.
struct InletMark {
    std::string_view humid;
    std::optional<std::string_view> besideHumid;
    bool disable;
    bool anyFluid;
};

constexpr InletMark kTubeInletMarks[4] = {
    {T::kSatEntered, "", false, false},
    {T::kSatEntered, "", false, false},
    {T::kSatComputed, std::nullopt, true, false},
    {T::kSatComputed, std::nullopt, false, true},
};
constexpr InletMark kShellInletMarks[4] = {
    {T::kSatComputed, " ", false, false},
    {T::kSatEntered, "", false, false},
    {T::kSatComputed, std::nullopt, true, false},
    {T::kSatComputed, std::nullopt, false, true},
};

void chooseMoistureMode(App& app, const Form5Side& side, int m) {
    const T::Form5Texts& form5Text = T::form5Texts(app.language);
    selectMoistureRow(app, side, m);
    form5Message(app, (isTube(side) ? form5Text.tubeMoisture : form5Text.shellMoisture)[m - 1]);

    ScreenRef f = form5(app);
    const bool humidHere = sideKind(app, side) == FluidKind::HumidGas;
    const bool gasHere = sideKind(app, side) == FluidKind::Gas;
    const bool humidOpposite = (isTube(side) ? shellFluidKind(app) : tubeFluidKind(app)) == FluidKind::HumidGas;
    const InletMark& mark = (isTube(side) ? kTubeInletMarks : kShellInletMarks)[m - 1];
    ControlRef inlet = f[side.inlet];
    if (humidHere || mark.anyFluid) {
        inlet.setText(mark.humid);
        if (mark.disable) inlet.disable();
    } else if (humidOpposite && mark.besideHumid) {
        inlet.setText(*mark.besideHumid);
    }

    // Rows that do not apply to the mode chosen.
    auto markNone = [&](int from) {
        for (int k = from; k < 4; ++k) f[side.moistureFields[k]].setText(T::kNone);
    };
    if (m > 2) return;
    if (isTube(side)) {
        if (gasHere && m == 1) markNone(1);
    } else {
        if (m == 1 && composition(app, side) == 3) markNone(1);
        if (gasHere) markNone(2);
    }
}

void BUTTON28_ON(App& app) { chooseMoistureMode(app, kTubeSide, 1); }
void BUTTON29_ON(App& app) { chooseMoistureMode(app, kTubeSide, 2); }
void BUTTON46_ON(App& app) { chooseMoistureMode(app, kTubeSide, 3); }
void BUTTON47_ON(App& app) { chooseMoistureMode(app, kTubeSide, 4); }
void BUTTON44_ON(App& app) { chooseMoistureMode(app, kShellSide, 1); }
void BUTTON45_ON(App& app) { chooseMoistureMode(app, kShellSide, 2); }
void BUTTON48_ON(App& app) { chooseMoistureMode(app, kShellSide, 3); }
void BUTTON49_ON(App& app) { chooseMoistureMode(app, kShellSide, 4); }

// ---- Flow kinds ----------------------------------------------------------

void BUTTON40_ON(App& app) {
    selectFlowKind(app, kTubeSide, 1);
    form5Message(app, T::form5Texts(app.language).tubeVolumeFlow);
}
void BUTTON41_ON(App& app) {
    selectFlowKind(app, kTubeSide, 2);
    form5Message(app, T::form5Texts(app.language).tubeMassFlow);
}
void BUTTON42_ON(App& app) {
    selectFlowKind(app, kShellSide, 1);
    form5Message(app, T::form5Texts(app.language).shellVolumeFlow);
}
void BUTTON43_ON(App& app) {
    selectFlowKind(app, kShellSide, 2);
    form5Message(app, T::form5Texts(app.language).shellMassFlow);
}

// ---- Step-1 confirmation -------------------------------------------------

bool allMoistureEmpty(App& app, const Form5Side& side) {
    ScreenRef f = form5(app);
    for (const char* field : side.moistureFields.all()) {
        if (f[field].number() != 0) return false;
    }
    return true;
}

double moistureValue(App& app, const Form5Side& side, int k) { return form5(app)[side.moistureFields[k]].number(); }

// A step-1 message stops the confirmation after the pause.
bool refuse(App& app, std::string_view message) {
    form5Message(app, message);
    app.pause();
    return false;
}

// An inlet of a saturated humid side follows its moisture choice.
void markHumidInlet(App& app, const Form5Side& side, int comp) {
    ScreenRef f = form5(app);
    ControlRef inlet = f[side.inlet];
    if (comp == 1) inlet.setText("");
    if (comp == 2 || (isTube(side) && comp == 3)) inlet.setText(T::kSatEntered);
    if (moistureMode(app, side) == 3) inlet.setText(f[side.moistureFields.saturationTemperature].text());
}

bool confirmTubeSide(App& app) {
    const T::Form5Texts& form5Text = T::form5Texts(app.language);
    const int comp = composition(app, kTubeSide);
    switch (tubeFluidKind(app)) {
        case FluidKind::HumidGas:
            markHumidInlet(app, kTubeSide, comp);
            if (comp == 0) return refuse(app, form5Text.tubeHumidUnset);
            if (comp == 3 && moistureValue(app, kTubeSide, 0) == 0) return refuse(app, form5Text.tubeVolumeUnset);
            if (allMoistureEmpty(app, kTubeSide)) return refuse(app, form5Text.tubeHumidNoMoisture);
            if (shellFluidKind(app) == FluidKind::HumidGas) {
                for (int k : {2, 3}) setField(app, kShellSide.moistureFields[k], T::kHumidShellRowNone, false);
            }
            return true;
        case FluidKind::Gas:
            if (comp == 0) return refuse(app, form5Text.tubeGasUnset);
            if (comp == 1) return true;
            if (comp == 3 && moistureValue(app, kTubeSide, 0) == 0) return refuse(app, form5Text.tubeVolumeUnset);
            if (moistureValue(app, kTubeSide, 0) == 0 && moistureValue(app, kTubeSide, 1) == 0) {
                return refuse(app, form5Text.tubeGasNoMoisture);
            }
            return true;
        default:  // water and typed-in properties: nothing to confirm
            return true;
    }
}

bool confirmShellSide(App& app) {
    const T::Form5Texts& form5Text = T::form5Texts(app.language);
    const FluidKind kind = shellFluidKind(app);
    if (kind != FluidKind::HumidGas && kind != FluidKind::Gas) return true;
    const int comp = composition(app, kShellSide);
    if (comp == 0) return refuse(app, form5Text.shellUnset);
    if (kind == FluidKind::HumidGas) {
        markHumidInlet(app, kShellSide, comp);
        form5(app)[kShellSide.options[0]].disable();
    }
    if (comp == 1) return true;
    if (comp == 3 && moistureValue(app, kShellSide, 0) == 0) return refuse(app, form5Text.shellVolumeUnset);
    if (allMoistureEmpty(app, kShellSide)) return refuse(app, form5Text.shellNoMoisture);
    return true;
}

void BUTTON50_ON(App& app) {
    if (!confirmTubeSide(app)) return;
    form5Message(app, "");
    form5(app)["BUTTON51"].enable();
}

void BUTTON51_ON(App& app) {
    if (!confirmShellSide(app)) return;
    form5Message(app, "");
    form5(app)["BUTTON30"].enable();
}

}  // namespace

void registerForm5StepProcedures(App& app) {
    struct Entry {
        const char* control;
        Procedure proc;
    };
    static constexpr Entry kControls[] = {
        {"RADIO1", RADIO1_ON},     {"RADIO2", RADIO2_ON},     {"RADIO3", RADIO3_ON},     {"RADIO4", RADIO4_ON},
        {"RADIO5", RADIO5_ON},     {"RADIO6", RADIO6_ON},     {"BUTTON28", BUTTON28_ON}, {"BUTTON29", BUTTON29_ON},
        {"BUTTON46", BUTTON46_ON}, {"BUTTON47", BUTTON47_ON}, {"BUTTON44", BUTTON44_ON}, {"BUTTON45", BUTTON45_ON},
        {"BUTTON48", BUTTON48_ON}, {"BUTTON49", BUTTON49_ON}, {"BUTTON40", BUTTON40_ON}, {"BUTTON41", BUTTON41_ON},
        {"BUTTON42", BUTTON42_ON}, {"BUTTON43", BUTTON43_ON}, {"BUTTON50", BUTTON50_ON}, {"BUTTON51", BUTTON51_ON},
    };
    for (const Entry& e : kControls) registerProcedure(app, "FORM5", e.control, e.proc);
}

}  // namespace cfhx
