// The processing-No. screen FORM6: seven No. buttons and OK.
#include <string>

#include "app/app.h"
#include "input/form5_side.h"
#include "input/form5_texts.h"
#include "input/input_screens.h"
#include "input/options_texts.h"
#include "input/procedures.h"

namespace cfhx {
namespace {

template <ProcessingNo No>
void chooseProcessingNo(App& app) {
    writeCode(app[kProcessing.screen][kProcessing.processingNo], No);
    applyProcessingNo(app, No);
}

struct NoButton {
    const char* button;
    Procedure proc;
};

constexpr NoButton kNoButtons[] = {
    {.button = "BUTTON31", .proc = chooseProcessingNo<ProcessingNo::Length>},
    {.button = "BUTTON32", .proc = chooseProcessingNo<ProcessingNo::LengthAndShellFlow>},
    {.button = "BUTTON34", .proc = chooseProcessingNo<ProcessingNo::Rows>},
    {.button = "BUTTON35", .proc = chooseProcessingNo<ProcessingNo::RowsAndShellFlow>},
    {.button = "BUTTON36", .proc = chooseProcessingNo<ProcessingNo::Outlets>},
    {.button = "BUTTON37", .proc = chooseProcessingNo<ProcessingNo::OutletAndShellFlow>},
    {.button = "BUTTON38", .proc = chooseProcessingNo<ProcessingNo::Columns>},
};

// "O K": FORM5 opens for the flows of the chosen No.; a flow kind must be
// chosen again.
void BUTTON39_ON(App& app) {
    namespace T = form5_texts;
    const bool outlets = processingNo(app) == ProcessingNo::Outlets;
    if (outlets) {
        setField(app, kTubeSide.outlet, T::kOutletNone, false);
        setField(app, kShellSide.outlet, T::kOutletNone, false);
    }
    ScreenRef main = app["MAINFORM"];
    main["BUTTON27"].enable();
    main["BUTTON27"].setText(options_texts::optionsTexts(app.language).confirmMainData);
    app[kProcessing.screen].hide();
    prepareForm5(app, Form5Opening::Confirmed);
    ScreenRef f = form5(app);
    f["BUTTON30"].enable();
    f[kTubeSide.flowKind].setText("");
    f[kShellSide.flowKind].setText("");
    if (outlets) {
        for (const Form5Side* side : {&kTubeSide, &kShellSide}) {
            // Water has no volume flow to offer.
            const bool waterTubes = side == &kTubeSide && tubeFluidKind(app) == FluidKind::Water;
            if (!waterTubes) f[side->volumeButton].setText(T::kMark);
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
