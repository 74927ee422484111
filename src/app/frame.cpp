// The application frame: start-up, NEXT, the fluid-kind buttons, the close
// buttons, the confirmation button and the hand-over to the calculation.
#include <string>

#include "app/app.h"
#include "app/frame_texts.h"
#include "app/text_width.h"
#include "app/construction_labels.h"

namespace cfhx {
namespace {

namespace T = frame_texts;

std::string buttonName(int n) { return "BUTTON" + std::to_string(n); }
std::string editName(int n) { return "EDIT" + std::to_string(n); }

void printIndented(Pane& pane, int indent, std::string_view text) {
    std::string line(static_cast<size_t>(indent), ' ');
    line += text;
    pane.print(line);
}

void printEmptyLines(Pane& pane, int n) {
    for (int i = 0; i < n; ++i) pane.print();
}

// A heading framed above and below by "=" of its width.
void printHeading(Pane& pane, std::initializer_list<std::string_view> lines) {
    int width = 0;
    for (std::string_view l : lines) width = std::max(width, textColumns(l));
    std::string rule(static_cast<size_t>(width), '=');
    printIndented(pane, T::kHeadingIndent, rule);
    for (std::string_view l : lines) printIndented(pane, T::kHeadingIndent, l);
    printIndented(pane, T::kHeadingIndent, rule);
}

void printWelcome(App& app) {
    Pane& pane = app.pane;
    for (const auto& l : T::kWelcomeHead) printIndented(pane, l.indent, l.text);
    const auto& units = app.UnitFlag == "1" ? T::kWelcomeUnitsSI : T::kWelcomeUnitsOld;
    printIndented(pane, units.indent, units.text);
    printIndented(pane, T::kWelcomeSpacer.indent, T::kWelcomeSpacer.text);
    for (std::string_view l : T::kWelcomeBox) printIndented(pane, T::kBoxIndent, l);
}

int tubeKind(App& app) { return static_cast<int>(app["MAINFORM"]["EDIT30"].number()); }
int shellKind(App& app) { return static_cast<int>(app["MAINFORM"]["EDIT29"].number()); }
bool si(App& app) { return app["MAINFORM"]["EDIT128"].number() == 3; }

// B. NEXT: the main window is opened for input.
void BUTTON18_ON(App& app) {
    ScreenRef main = app["MAINFORM"];
    if (main["EDIT24"].number() > 1) main["EDIT25"].setText(" 1");
    if (main["EDIT25"].number() > 1) main["EDIT24"].setText(" 1");

    app.UnitFlag = main["EDIT128"].number() == 3 ? "1" : "2";

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

    main["BUTTON22"].setText(T::kSampleOpen);
    main["BUTTON23"].setText(T::kSampleClose);
    main["TEXT63"].setText(T::kSampleHeading);
    main["BUTTON9"].setText(T::kRegister);
    main["TEXT3"].setText(T::kCorrelationHeading);
    main["TEXT4"].setText(T::kManualHeading);
    main["TEXT24"].setText(T::kPropertyHeading);
    main["TEXT1"].setText(T::kTubeRow);
    main["TEXT2"].setText(T::kShellRow);

    int tube = tubeKind(app);
    int shell = shellKind(app);
    if (tube >= 1 && tube <= 4) main[editName(tube)].setText(T::kNextTubeLabels[tube - 1]);
    if (shell == 1) main["EDIT5"].setText(T::kNextShellHumid);
    if (shell == 2) main["EDIT6"].setText(T::kNextShellGas);
    if (shell == 4) main["EDIT8"].setText(T::kNextShellGas);
    if (tube == 0) {
        for (int k = 1; k <= 4; ++k) main[editName(k)].setText(T::kNextTubeLabels[k - 1]);
    }
    if (shell == 0) {
        main["EDIT5"].setText(T::kNextShellHumid);
        main["EDIT6"].setText(T::kNextShellGasUnset);
        main["EDIT8"].setText(tube == 2 || tube == 3 ? "" : T::kNextShellGasUnset);
    }

    writeConstructionLabels(app);

    app.pane.clear();
    printWelcome(app);
}

// C. Fluid-kind buttons: the common opening of the pane.
void openKindGuidance(App& app, std::initializer_list<std::string_view> heading) {
    Pane& pane = app.pane;
    pane.clear();
    printEmptyLines(pane, 6);
    if (heading.size() > 0) printHeading(pane, heading);
    printEmptyLines(pane, 3);
    pane.print(T::kContinueRightColumn);
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
}

void BUTTON1_ON(App& app) {
    openKindGuidance(app, {T::kHeading1[0], T::kHeading1[1]});
    writeKindLabels(app, {{1, T::kLabelHumid}, {6, T::kLabelGas}}, true);
    ScreenRef main = app["MAINFORM"];
    main["EDIT30"].setText("1");
    main["EDIT29"].setText("2");
    main["EDIT34"].setText(T::kFilmZero);
    main["BUTTON6"].enable();
    main["BUTTON5"].disable();
    ScreenRef form5 = app["FORM5"];
    form5["EDIT133"].enable();
    form5["EDIT130"].disable();
    if (si(app)) form5["EDIT133"].setText(T::kSIPresetInlet);
}

void BUTTON2_ON(App& app) {
    openKindGuidance(app, {T::kHeading2});
    writeKindLabels(app, {{2, T::kLabelGas}, {6, T::kLabelGas}}, true);
    ScreenRef main = app["MAINFORM"];
    bool shellWasGas = shellKind(app) == 2;
    main["EDIT30"].setText("2");
    main["EDIT29"].setText("");
    main["BUTTON5"].disable();
    main["BUTTON6"].enable();
    main["EDIT5"].enable();
    if (shellWasGas) main["EDIT34"].setText(T::kNotApplicable);
}

void BUTTON3_ON(App& app) {
    openKindGuidance(app, {T::kHeading3});
    writeKindLabels(app, {{3, T::kLabelWater}, {5, T::kLabelHumid}, {6, T::kLabelGas}}, true);
    ScreenRef main = app["MAINFORM"];
    main["EDIT30"].setText("3");
    main["EDIT29"].setText("");
    main["BUTTON5"].enable();
    main["BUTTON6"].enable();
    main["EDIT5"].enable();
    ScreenRef form5 = app["FORM5"];
    form5["EDIT132"].setText("");
    form5["EDIT132"].enable();
    form5["BUTTON40"].setText(T::kFlowMark);
    form5["BUTTON40"].enable();
}

// Manual properties: the pane ends empty and FORM7 opens.
void BUTTON4_ON(App& app) {
    openKindGuidance(app, {});
    writeKindLabels(app, {{4, T::kLabelManualTube}, {8, T::kLabelManualShell}}, true);
    app.pane.clear();
    ScreenRef main = app["MAINFORM"];
    main["EDIT30"].setText("4");
    main["EDIT29"].setText("4");
    main["EDIT34"].setText(T::kNotApplicable);
    main["BUTTON9"].disable();
    ScreenRef form5 = app["FORM5"];
    form5["BUTTON53"].disable();
    form5["BUTTON54"].disable();
    form5.hide();
    app["FORM6"].hide();
    ScreenRef form7 = app["FORM7"];
    form7.show();
    if (si(app)) {
        form7["TEXT236"].setText(T::kHtcUnitSI);
        form7["TEXT237"].setText(T::kHtcUnitSI);
    }
}

void BUTTON5_ON(App& app) {
    openKindGuidance(app, {T::kHeading5});
    writeKindLabels(app, {{5, T::kLabelHumid}}, false);
    ScreenRef main = app["MAINFORM"];
    int tube = tubeKind(app);
    main["EDIT29"].setText("1");
    main["EDIT34"].setText(T::kFilmZero);
    if (tube == 2 || tube == 3) {
        for (int k : {1, 2, 3, 5, 6}) main[buttonName(k)].disable();
    }
    requireConfirmation(app);
    ScreenRef form5 = app["FORM5"];
    form5["EDIT130"].enable();
    if (si(app)) form5["EDIT130"].setText(T::kSIPresetInlet);
    for (const char* f : {"EDIT131", "EDIT134", "EDIT132", "EDIT135", "EDIT169", "EDIT170"}) form5[f].disable();
    form5.show();
    app["FORM6"].hide();
    app["FORM7"].hide();
}

void BUTTON6_ON(App& app) {
    openKindGuidance(app, {});
    writeKindLabels(app, {{6, T::kLabelGas}}, false);
    ScreenRef main = app["MAINFORM"];
    int tube = tubeKind(app);
    main["EDIT29"].setText("2");
    main["EDIT34"].setText(T::kNotApplicable);
    requireConfirmation(app);
    if (tube == 2 || tube == 3) {
        app["FORM6"].show();
        app["FORM5"].hide();
    } else if (tube == 1) {
        for (int k : {1, 2, 3, 5, 6}) main[buttonName(k)].disable();
        app["FORM5"].show();
    }
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
        {"MAINFORM", "BUTTON1", BUTTON1_ON},   {"MAINFORM", "BUTTON2", BUTTON2_ON},
        {"MAINFORM", "BUTTON3", BUTTON3_ON},   {"MAINFORM", "BUTTON4", BUTTON4_ON},
        {"MAINFORM", "BUTTON5", BUTTON5_ON},   {"MAINFORM", "BUTTON6", BUTTON6_ON},
        {"MAINFORM", "BUTTON18", BUTTON18_ON}, {"MAINFORM", "BUTTON27", BUTTON27_ON},
        {"FORM5", "BUTTON55", BUTTON55_ON},    {"FORM6", "BUTTON56", BUTTON56_ON},
        {"FORM7", "BUTTON57", BUTTON57_ON},
    };
    for (const Entry& e : kFrame) registerProcedure(app, e.screen, e.control, e.proc);
}

}  // namespace cfhx
