// The construction column of the main window: sample bundle, clear, fin
// type and twisted tape.
#include <string>

#include "app/app.h"
#include "input/construction_texts.h"
#include "input/input_screens.h"
#include "input/procedures.h"

namespace cfhx {
namespace {

namespace T = construction_texts;

std::string editName(int n) { return "EDIT" + std::to_string(n); }

// Fin fields: fins per inch, height, thickness, fin conductivity.
constexpr const char* kFinFields[] = {"EDIT15", "EDIT16", "EDIT17", "EDIT20"};

void writeFinFields(App& app, const std::string_view (&values)[4]) {
    ScreenRef main = app["MAINFORM"];
    for (int k = 0; k < 4; ++k) main[kFinFields[k]].setText(values[k]);
}

void blankFinFields(App& app) {
    ScreenRef main = app["MAINFORM"];
    for (const char* f : kFinFields) main[f].setText(T::kBlank);
}

// EDIT10-EDIT23, shell passes and the tape rows of the sample bundle.
void writeSampleColumn(App& app) {
    ScreenRef main = app["MAINFORM"];
    for (int k = 0; k < 14; ++k) main[editName(10 + k)].setText(T::kSampleColumn[k]);
}

void writeSampleTail(App& app) {
    ScreenRef main = app["MAINFORM"];
    main["EDIT25"].setText(T::kOne);
    main["EDIT31"].setText(T::kOne);
    main["EDIT32"].setText(T::kNotApplicable);
    main["EDIT33"].setText(T::kNotApplicable);
}

// Passes, rows, columns.
void writeCounts(App& app, std::string_view passes, std::string_view rows, std::string_view columns) {
    ScreenRef main = app["MAINFORM"];
    main["EDIT24"].setText(passes);
    main["EDIT26"].setText(rows);
    main["EDIT27"].setText(columns);
}



// "開く"
void BUTTON22_ON(App& app) {
    const bool phaseChange = phaseChangeChosen(app);
    writeSampleColumn(app);
    if (phaseChange) {
        writeCounts(app, T::kOne, T::kTen, T::kThree);
    } else {
        writeCounts(app, T::kThree, T::kForty, T::kSix);
    }
    writeSampleTail(app);
    app.pane.clear();
}

// "閉る"
void BUTTON23_ON(App& app) {
    ScreenRef main = app["MAINFORM"];
    for (int n : {10, 11, 12, 13, 14, 15, 18, 21, 22, 23, 25}) main[editName(n)].setText("");
    for (int n : {16, 17, 19, 20, 24, 26, 27, 31, 32, 33, 34}) main[editName(n)].setText(T::kBlank);
    app.pane.clear();
    printEmptyLines(app.pane, 8);
    app.pane.print(T::constructionTexts(app.language).enterValues);
}

// "1：無し"
void BUTTON10_ON(App& app) {
    app.pane.clear();
    ScreenRef main = app["MAINFORM"];
    main["EDIT14"].setText(T::kFinNone);
    for (const char* f : {"EDIT15", "EDIT16", "EDIT17"}) main[f].setText(T::kFinFieldNone);
    main["EDIT20"].setText(T::kFinConductivityNone);
}

int previousFinType(App& app) { return wholeNumber(app["MAINFORM"]["EDIT14"].number()); }

// "2：ﾗｼﾞｱﾙ": the sample dimensions are offered again when the type was
// radial already or bare before.
void BUTTON11_ON(App& app) {
    const T::ConstructionTexts& constructionText = T::constructionTexts(app.language);
    app.pane.clear();
    const int previous = previousFinType(app);
    app["MAINFORM"]["EDIT14"].setText(T::kFinRadial);
    if (previous == 2) {
        if (app.askYesNo(constructionText.radialRestoreCaption, constructionText.restoreQuestion)) {
            app.pane.clear();
            writeFinFields(app, T::kRadialSample);
        } else {
            app.pane.print(constructionText.registerRadial);
            blankFinFields(app);
        }
        return;
    }
    blankFinFields(app);
    printEmptyLines(app.pane, 6);
    app.pane.print(T::kBlank);
    if (previous == 1 && app.askYesNo(constructionText.radialRestoreCaption, constructionText.restoreQuestion)) {
        app.pane.clear();
        writeFinFields(app, T::kRadialSample);
        return;
    }
    app.pane.print(constructionText.setRadial);
}

// Plate fins have no height of their own.
void blankPlateFields(App& app) {
    ScreenRef main = app["MAINFORM"];
    for (const char* f : {"EDIT17", "EDIT15", "EDIT20"}) main[f].setText(T::kBlank);
    main["EDIT16"].setText(T::kPlateHeightNone);
}

// "3：ﾌﾟﾚｰﾄ"
void BUTTON12_ON(App& app) {
    const T::ConstructionTexts& constructionText = T::constructionTexts(app.language);
    app.pane.clear();
    const int previous = previousFinType(app);
    app["MAINFORM"]["EDIT14"].setText(T::kFinPlate);
    if (previous == 3) {
        if (app.askYesNo(constructionText.plateSetCaption, constructionText.quoteQuestion)) {
            app.pane.clear();
            writeFinFields(app, T::kPlateSample);
        } else {
            blankPlateFields(app);
        }
        return;
    }
    blankFinFields(app);
    printEmptyLines(app.pane, 6);
    app.pane.print(T::kBlank);
    app.pane.print(constructionText.registerPlate);
    if ((previous == 1 || previous == 2) && app.askYesNo(constructionText.plateCallCaption, constructionText.quoteQuestion)) {
        app.pane.clear();
        writeFinFields(app, T::kPlateSample);
        return;
    }
    blankPlateFields(app);
}

// " 1:無し"
void BUTTON13_ON(App& app) {
    app.pane.clear();
    ScreenRef main = app["MAINFORM"];
    main["EDIT31"].setText(T::kTapeNone);
    main["EDIT32"].setText(T::kNotApplicable);
    main["EDIT33"].setText(T::kNotApplicable);
}

// " 2:有り"
void BUTTON14_ON(App& app) {
    app.pane.clear();
    ScreenRef main = app["MAINFORM"];
    main["EDIT31"].setText(T::kTapePresent);
    main["EDIT32"].setText(T::kBlank);
    main["EDIT33"].setText(T::kBlank);
    printEmptyLines(app.pane, 5);
    app.pane.print(T::constructionTexts(app.language).setTape);
    app.pane.print("  ");
}

}  // namespace

void writePhaseChangeSample(App& app, bool phaseChangeChosen) {
    writeSampleColumn(app);
    writeSampleTail(app);
    if (phaseChangeChosen) {
        writeCounts(app, T::kOne, T::kTen, T::kThree);
    } else {
        writeCounts(app, T::kThree, T::kTen, T::kThree);
    }
    ScreenRef main = app["MAINFORM"];
    main["BUTTON22"].disable();
    main["BUTTON23"].disable();
    enableRange(main, "BUTTON", 10, 12, true);
}

void registerConstructionProcedures(App& app) {
    struct Entry {
        const char* control;
        Procedure proc;
    };
    static constexpr Entry kButtons[] = {
        {"BUTTON22", BUTTON22_ON}, {"BUTTON23", BUTTON23_ON}, {"BUTTON10", BUTTON10_ON}, {"BUTTON11", BUTTON11_ON},
        {"BUTTON12", BUTTON12_ON}, {"BUTTON13", BUTTON13_ON}, {"BUTTON14", BUTTON14_ON},
    };
    for (const Entry& e : kButtons) registerProcedure(app, "MAINFORM", e.control, e.proc);
}

}  // namespace cfhx
