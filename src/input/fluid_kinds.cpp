// The fluid-kind buttons of the main window: buttons 1-4 choose the tube-side
// fluid, 5 and 6 the shell side; each writes its guidance and opens the next
// screen.
#include <string>

#include "app/app.h"
#include "app/status_line.h"
#include "input/fluid_kind_texts.h"
#include "input/input_screens.h"
#include "input/procedures.h"

namespace cfhx {
namespace {

namespace K = fluid_kind_texts;

std::string buttonName(int n) { return "BUTTON" + std::to_string(n); }
std::string editName(int n) { return "EDIT" + std::to_string(n); }

// C. Fluid-kind buttons: the common opening of the pane.
void openKindGuidance(App& app, std::initializer_list<std::string_view> heading) {
    Pane& pane = app.pane;
    pane.clear();
    printEmptyLines(pane, 6);
    if (heading.size() > 0) printFramedHeading(pane, K::kHeadingIndent, heading);
    printEmptyLines(pane, 3);
    pane.print(K::fluidKindTexts(app.language).continueRightColumn);
}

// Writes the kind labels, an empty pane line before each one written; the
// fields not listed are blanked.
void writeKindLabels(App& app, std::initializer_list<std::pair<int, std::string_view>> labels, bool blankOthers) {
    ScreenRef main = app["MAINFORM"];
    if (blankOthers) {
        for (int k : {1, 2, 3, 4, 5, 6, 8}) main[editName(k)].setText("");
    }
    for (const auto& [field, text] : labels) {
        app.pane.print();
        main[editName(field)].setText(text);
    }
}

// Shell-kind buttons ask for the data to be confirmed again.
void requireConfirmation(App& app) {
    ScreenRef main = app["MAINFORM"];
    main["BUTTON9"].disable();
    main["BUTTON27"].disable();
    main["BUTTON27"].setText("");
    app.setStatus(status_line::withoutHints(app.language, app.status()));
}

void BUTTON1_ON(App& app) {
    const K::FluidKindTexts& kindText = K::fluidKindTexts(app.language);
    openKindGuidance(app, {kindText.heading1[0], kindText.heading1[1]});
    writeKindLabels(app, {{1, kindText.labelHumid}, {6, kindText.labelGas}}, true);
    ScreenRef main = app["MAINFORM"];
    writeCode(main[kMain.tubeFluidKind], FluidKind::HumidGas);
    writeCode(main[kMain.shellFluidKind], FluidKind::Gas);
    main["EDIT34"].setText(K::kFilmZero);
    main["BUTTON6"].enable();
    main["BUTTON5"].disable();
    ScreenRef form5 = app["FORM5"];
    form5["EDIT133"].enable();
    form5["EDIT130"].disable();
    if (siUnits(app)) form5["EDIT133"].setText(K::kSIPresetInlet);
}

void BUTTON2_ON(App& app) {
    const K::FluidKindTexts& kindText = K::fluidKindTexts(app.language);
    openKindGuidance(app, {kindText.heading2});
    writeKindLabels(app, {{2, kindText.labelGas}, {6, kindText.labelGas}}, true);
    ScreenRef main = app["MAINFORM"];
    bool shellWasGas = shellFluidKind(app) == FluidKind::Gas;
    writeCode(main[kMain.tubeFluidKind], FluidKind::Gas);
    main[kMain.shellFluidKind].setText("");
    main["BUTTON5"].disable();
    main["BUTTON6"].enable();
    main["EDIT5"].enable();
    if (shellWasGas) main["EDIT34"].setText(K::kNotApplicable);
}

void BUTTON3_ON(App& app) {
    const K::FluidKindTexts& kindText = K::fluidKindTexts(app.language);
    openKindGuidance(app, {kindText.heading3});
    writeKindLabels(app, {{3, kindText.labelWater}, {5, kindText.labelHumid}, {6, kindText.labelGas}}, true);
    ScreenRef main = app["MAINFORM"];
    writeCode(main[kMain.tubeFluidKind], FluidKind::Water);
    main[kMain.shellFluidKind].setText("");
    main["BUTTON5"].enable();
    main["BUTTON6"].enable();
    main["EDIT5"].enable();
    ScreenRef form5 = app["FORM5"];
    form5["EDIT132"].setText("");
    form5["EDIT132"].enable();
    form5["BUTTON40"].setText(K::kFlowMark);
    form5["BUTTON40"].enable();
}

// Manual properties: the pane ends empty and FORM7 opens.
void BUTTON4_ON(App& app) {
    const K::FluidKindTexts& kindText = K::fluidKindTexts(app.language);
    openKindGuidance(app, {});
    writeKindLabels(app, {{4, kindText.labelManualTube}, {8, kindText.labelManualShell}}, true);
    app.pane.clear();
    ScreenRef main = app["MAINFORM"];
    writeCode(main[kMain.tubeFluidKind], FluidKind::Manual);
    writeCode(main[kMain.shellFluidKind], FluidKind::Manual);
    main["EDIT34"].setText(K::kNotApplicable);
    main["BUTTON9"].disable();
    app.setStatus(status_line::withoutHints(app.language, app.status()));
    ScreenRef form5 = app["FORM5"];
    form5["BUTTON53"].disable();
    form5["BUTTON54"].disable();
    form5.hide();
    app["FORM6"].hide();
    ScreenRef form7 = app["FORM7"];
    form7.show();
    if (siUnits(app)) {
        form7["TEXT236"].setText(K::kHtcUnitSI);
        form7["TEXT237"].setText(K::kHtcUnitSI);
    }
}

void BUTTON5_ON(App& app) {
    const K::FluidKindTexts& kindText = K::fluidKindTexts(app.language);
    openKindGuidance(app, {kindText.heading5});
    writeKindLabels(app, {{5, kindText.labelHumid}}, false);
    ScreenRef main = app["MAINFORM"];
    const FluidKind tube = tubeFluidKind(app);
    writeCode(main[kMain.shellFluidKind], FluidKind::HumidGas);
    main["EDIT34"].setText(K::kFilmZero);
    if (tube == FluidKind::Gas || tube == FluidKind::Water) {
        for (int k : {1, 2, 3, 5, 6}) main[buttonName(k)].disable();
    }
    // Prepared first: the new kind leaves the confirmation button off.
    prepareForm5(app, Form5Opening::Reset);
    requireConfirmation(app);
    ScreenRef form5 = app["FORM5"];
    form5["EDIT130"].enable();
    if (siUnits(app)) form5["EDIT130"].setText(K::kSIPresetInlet);
    for (const char* f : {"EDIT131", "EDIT134", "EDIT132", "EDIT135", "EDIT169", "EDIT170"}) form5[f].disable();
    form5.show();
    app["FORM6"].hide();
    app["FORM7"].hide();
}

void BUTTON6_ON(App& app) {
    openKindGuidance(app, {});
    writeKindLabels(app, {{6, K::fluidKindTexts(app.language).labelGas}}, false);
    ScreenRef main = app["MAINFORM"];
    const FluidKind tube = tubeFluidKind(app);
    writeCode(main[kMain.shellFluidKind], FluidKind::Gas);
    main["EDIT34"].setText(K::kNotApplicable);
    if (tube == FluidKind::HumidGas) {
        // Prepared first: the new kind leaves the confirmation button off.
        prepareForm5(app, Form5Opening::Reset);
        // The SI inlet preset of button 1 outlives the preparation.
        if (siUnits(app)) app["FORM5"]["EDIT133"].setText(K::kSIPresetInlet);
    }
    requireConfirmation(app);
    if (tube == FluidKind::Gas || tube == FluidKind::Water) {
        app["FORM6"].show();
        app["FORM5"].hide();
    } else if (tube == FluidKind::HumidGas) {
        for (int k : {1, 2, 3, 5, 6}) main[buttonName(k)].disable();
    }
}

}  // namespace

void registerFluidKindProcedures(App& app) {
    static constexpr Procedure kButtons[] = {BUTTON1_ON, BUTTON2_ON, BUTTON3_ON, BUTTON4_ON, BUTTON5_ON, BUTTON6_ON};
    for (int k = 0; k < 6; ++k) registerProcedure(app, "MAINFORM", buttonName(k + 1), kButtons[k]);
}

}  // namespace cfhx
