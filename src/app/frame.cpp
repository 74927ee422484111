// The application frame: start-up, NEXT, the close buttons and the
// confirmation button.
#include <string>

#include "app/app.h"
#include "app/frame_texts.h"
#include "app/status_line.h"
#include "app/text_width.h"
#include "app/construction_labels.h"

namespace cfhx {
namespace {

namespace T = frame_texts;

std::string editName(int n) { return "EDIT" + std::to_string(n); }

void printWelcome(App& app) {
    Pane& pane = app.pane;
    const T::FrameTexts& text = T::frameTexts(app.language);
    for (size_t i = 0; i < std::size(T::kWelcomeHeadIndent); ++i)
        printIndented(pane, T::kWelcomeHeadIndent[i], text.welcomeHead[i]);
    if (app.UnitFlag == UnitFlag::Si) printIndented(pane, T::kWelcomeUnitsSIIndent, text.welcomeUnitsSI);
    else printIndented(pane, T::kWelcomeUnitsOldIndent, text.welcomeUnitsOld);
    printIndented(pane, T::kWelcomeSpacerIndent, "");
    for (std::string_view l : text.welcomeBox) printIndented(pane, T::kBoxIndent, l);
}

// B. NEXT: the main window is opened for input.
void BUTTON18_ON(App& app) {
    ScreenRef main = app["MAINFORM"];
    if (main["EDIT24"].number() > 1) main["EDIT25"].setText(" 1");
    if (main["EDIT25"].number() > 1) main["EDIT24"].setText(" 1");

    app.UnitFlag = siUnits(app) ? UnitFlag::Si : UnitFlag::Old;

    main["BUTTON22"].enable();
    main["BUTTON23"].enable();
    enableRange(main, "BUTTON", 1, 4, true);
    enableRange(main, "BUTTON", 10, 14, true);
    enableRange(main, "EDIT", 1, 8, true);
    enableRange(main, "EDIT", 10, 27, true);
    enableRange(main, "EDIT", 29, 34, true);
    main["EDIT9"].enable();
    enableRange(main, "BUTTON", 5, 9, false);
    main["BUTTON18"].disable();

    app["FORM4"].hide();
    app["FORM5"].hide();

    const T::FrameTexts& text = T::frameTexts(app.language);
    main["BUTTON22"].setText(text.sampleOpen);
    main["BUTTON23"].setText(text.sampleClose);
    main["TEXT63"].setText(text.sampleHeading);
    main["BUTTON9"].setText(text.registerConditions);
    main["TEXT3"].setText(text.correlationHeading);
    main["TEXT4"].setText(text.manualHeading);
    main["TEXT24"].setText(text.propertyHeading);
    main["TEXT1"].setText(text.tubeRow);
    main["TEXT2"].setText(text.shellRow);

    using enum FluidKind;
    const FluidKind tube = tubeFluidKind(app);
    const FluidKind shell = shellFluidKind(app);
    // The tube kind labels are EDIT1-EDIT4 in the order of the kinds.
    const int tubeLabel = static_cast<int>(tube);
    if (tubeLabel >= 1 && tubeLabel <= 4) main[editName(tubeLabel)].setText(text.nextTubeLabels[tubeLabel - 1]);
    if (shell == HumidGas) main["EDIT5"].setText(text.nextShellHumid);
    if (shell == Gas) main["EDIT6"].setText(text.nextShellGas);
    if (shell == Manual) main["EDIT8"].setText(text.nextShellGas);
    if (tube == None) {
        for (int k = 1; k <= 4; ++k) main[editName(k)].setText(text.nextTubeLabels[k - 1]);
    }
    if (shell == None) {
        main["EDIT5"].setText(text.nextShellHumid);
        main["EDIT6"].setText(text.nextShellGasUnset);
        main["EDIT8"].setText(tube == Gas || tube == Water ? "" : text.nextShellGasUnset);
    }

    writeConstructionLabels(app);

    app.pane.clear();
    printWelcome(app);
}

// Close buttons of the secondary screens.
void closeScreen(App& app, const char* screen) {
    app[screen].hide();
    enableRange(app["MAINFORM"], "BUTTON", 1, 4, true);
}
void BUTTON55_ON(App& app) { closeScreen(app, "FORM5"); }
void BUTTON56_ON(App& app) { closeScreen(app, "FORM6"); }
void BUTTON57_ON(App& app) { closeScreen(app, "FORM7"); }

// Back to FORM5 to check and correct the data; the check must pass again.
void BUTTON27_ON(App& app) {
    app.pane.clear();
    ScreenRef form5 = app["FORM5"];
    form5.show();
    form5["BUTTON30"].enable();
    ScreenRef main = app["MAINFORM"];
    main["BUTTON27"].disable();
    main["BUTTON9"].disable();
    app.setStatus(status_line::withoutHints(app.language, app.status()));
}

}  // namespace

void startUp(App& app) {
    ScreenRef main = app["MAINFORM"];
    main["EDIT9"].setText(" " + app.platform.today());

    main["BUTTON18"].disable();
    main["BUTTON27"].disable();
    ScreenRef form7 = app["FORM7"];
    form7["RADIO9"].hide();
    form7["RADIO10"].hide();

    enableRange(main, "BUTTON", 1, 14, false);
    main["BUTTON22"].disable();
    main["BUTTON23"].disable();
    enableRange(main, "EDIT", 1, 8, false);
    enableRange(main, "EDIT", 10, 22, false);
    enableRange(main, "EDIT", 29, 34, false);
    main["EDIT9"].disable();
    enableRange(main, "EDIT", 23, 27, true);

    form7["EDIT184"].setText("     －");
    form7["EDIT184"].disable();
    for (const char* c : {"EDIT184", "TEXT247", "TEXT248"}) form7[c].hide();

    ScreenRef form5 = app["FORM5"];
    for (const char* c : {"EDIT169", "EDIT170"}) {
        form5[c].setText("－");
        form5[c].disable();
    }

    app.setStatus({});
    app.pane.clear();
    printEmptyLines(app.pane, 5);
    printIndented(app.pane, 4, T::kProgramTitleEnglish);

    main.show();
    app["FORM4"].show();
}

void registerFrameProcedures(App& app) {
    struct Entry {
        const char* screen;
        const char* control;
        Procedure proc;
    };
    static constexpr Entry kFrame[] = {
        {"MAINFORM", "BUTTON18", BUTTON18_ON}, {"MAINFORM", "BUTTON27", BUTTON27_ON},
        {"FORM5", "BUTTON55", BUTTON55_ON},    {"FORM6", "BUTTON56", BUTTON56_ON},
        {"FORM7", "BUTTON57", BUTTON57_ON},
    };
    for (const Entry& e : kFrame) registerProcedure(app, e.screen, e.control, e.proc);
}

}  // namespace cfhx
