#include "input/form5_side.h"

#include <string>

#include "input/form5_texts.h"

namespace cfhx {

namespace T = form5_texts;

void setField(App& app, const char* field, std::string_view text, bool enabled) {
    ControlRef c = form5(app)[field];
    c.setText(text);
    c.enable(enabled);
}

void offerRow(App& app, const Form5Side& side, int k, bool fieldEnabled) {
    ControlRef button = form5(app)[side.moistureButtons[k]];
    button.setText(T::kMark);
    button.enable();
    setField(app, side.moistureFields[k], "", fieldEnabled);
}

void withdrawRow(App& app, const Form5Side& side, int k) {
    ControlRef button = form5(app)[side.moistureButtons[k]];
    button.setText("");
    button.disable();
    setField(app, side.moistureFields[k], T::kNone, false);
}

void writeStandardAir(App& app, const Form5Side& side) {
    setField(app, side.co2, T::kStandardCO2, true);
    setField(app, side.o2, T::kStandardO2, true);
    setField(app, side.n2, T::kRemainder, true);
}

void openFullComposition(App& app, const Form5Side& side) {
    setField(app, side.co2, "", true);
    setField(app, side.o2, "", true);
    form5(app)[side.n2].setText(T::kRemainderFull);
}

void selectMoistureRow(App& app, const Form5Side& side, int m) {
    ScreenRef f = form5(app);
    f[side.moistureCode].setText(std::to_string(m));
    // Modes 1 and 2 of the tube side keep what the saturation rows show.
    const bool keepSaturationRows = &side == &kTubeSide && m <= 2;
    for (int k = 0; k < 4; ++k) {
        f[side.moistureButtons[k]].setText(k == m - 1 ? T::kMark : "");
        ControlRef field = f[side.moistureFields[k]];
        if (k == m - 1) {
            field.setText("");
            field.enable();
            continue;
        }
        field.disable();
        if (!(keepSaturationRows && k >= 2)) field.setText("");
    }
}

void selectFlowKind(App& app, const Form5Side& side, int kind) {
    ScreenRef f = form5(app);
    const bool tube = &side == &kTubeSide;
    f[side.flowKind].setText(kind == 1 ? "1" : "2");
    f[side.volumeButton].setText(kind == 1 ? T::kMark : "");
    f[side.massButton].setText(kind == 2 ? T::kMark : "");
    if (kind == 1) {
        setField(app, side.volumeField, "", true);
        setField(app, side.massField, tube ? T::kTubeFlowNone : T::kShellMassNone, false);
    } else {
        setField(app, side.volumeField, tube ? T::kTubeFlowNone : T::kShellVolumeNone, false);
        setField(app, side.massField, "", true);
    }
}

void form5Message(App& app, std::string_view text) { form5(app)[kForm5.message].setText(text); }

}  // namespace cfhx
