// The processing-No. screen FORM6: seven No. buttons and OK.
#include <string>

#include "app/app.h"
#include "input/form5_fields.h"
#include "input/form5_texts.h"
#include "input/input_screens.h"
#include "input/options_texts.h"
#include "input/procedures.h"

namespace cfhx {
namespace {

template <int No>
void chooseProcessingNo(App& app) {
    app["FORM6"]["EDIT167"].setText(std::to_string(No));
    applyProcessingNo(app, No);
}

struct NoButton {
    const char* button;
    Procedure proc;
};

constexpr NoButton kNoButtons[] = {
    {"BUTTON31", chooseProcessingNo<1>}, {"BUTTON32", chooseProcessingNo<2>}, {"BUTTON34", chooseProcessingNo<3>},
    {"BUTTON35", chooseProcessingNo<4>}, {"BUTTON36", chooseProcessingNo<5>}, {"BUTTON37", chooseProcessingNo<6>},
    {"BUTTON38", chooseProcessingNo<7>},
};

// "O K": FORM5 opens for the flows of the chosen No.; a flow kind must be
// chosen again.
void BUTTON39_ON(App& app) {
    namespace T = form5_texts;
    const int no = processingNo(app);
    if (no == 5) {
        setField(app, kTubeSide.outlet, T::kOutletNone, false);
        setField(app, kShellSide.outlet, T::kOutletNone, false);
    }
    ScreenRef main = app["MAINFORM"];
    main["BUTTON27"].enable();
    main["BUTTON27"].setText(options_texts::kConfirmMainData);
    app["FORM6"].hide();
    prepareForm5(app, Form5Opening::Confirmed);
    ScreenRef f = form5(app);
    f["BUTTON30"].enable();
    f[kTubeSide.flowKind].setText("");
    f[kShellSide.flowKind].setText("");
    if (no == 5) {
        for (const Form5Side* side : {&kTubeSide, &kShellSide}) {
            // Water has no volume flow to offer.
            if (!(side == &kTubeSide && tubeFluidKind(app) == 3)) f[side->volumeButton].setText(T::kMark);
            f[side->massButton].setText(T::kMark);
        }
    }
    setField(app, kTubeSide.massField, " ", false);
    setField(app, kShellSide.massField, " ", false);
    f[kTubeSide.volumeField].disable();
}

}  // namespace

void registerProcessingNoProcedures(App& app) {
    for (const NoButton& b : kNoButtons) registerProcedure(app, "FORM6", b.button, b.proc);
    registerProcedure(app, "FORM6", "BUTTON39", BUTTON39_ON);
}

}  // namespace cfhx
