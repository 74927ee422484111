// The options screen FORM7 for typed-in properties: sensible or latent tube
// fluid, condensation or evaporation, heat-transfer-coefficient mode with the
// given coefficients and the refrigerant data; OK checks the choice.
#include <optional>
#include <string>

#include "app/app.h"
#include "app/field_entries.h"
#include "app/field_ranges.h"
#include "app/status_line.h"
#include "input/form5_side.h"
#include "input/form5_texts.h"
#include "input/input_screens.h"
#include "input/options_texts.h"
#include "input/procedures.h"

namespace cfhx {

namespace {
int form7Code(App& app, const char* field) { return codeIn(app, kOptions.screen, field); }
}  // namespace

int tubeHeatClass(App& app) { return form7Code(app, kOptions.heatClass); }
int phaseChangeKind(App& app) { return form7Code(app, kOptions.phaseChangeKind); }
bool phaseChangeChosen(App& app) { return form7Code(app, kOptions.phaseChangeChosen) == 1; }
int htcMode(App& app) { return form7Code(app, kOptions.htcMode); }

namespace {

namespace T = options_texts;

ScreenRef form7(App& app) { return app["FORM7"]; }

// Evaporation pressure and surface tension with their labels.
void showRefrigerant(App& app, bool on) {
    for (const char* c : {"EDIT184", "TEXT247", "TEXT248", "EDIT185", "TEXT249", "TEXT250"}) form7(app)[c].show(on);
}

bool evaporatingLatentFluid(App& app) { return phaseChangeKind(app) == 1 && tubeHeatClass(app) != 1; }

void setCoefficient(App& app, const char* field, bool given) {
    ControlRef c = form7(app)[field];
    c.setText(given ? "" : T::kCoefficientNone);
    c.enable(given);
}

// "顕熱流体"
void RADIO7_ON(App& app) {
    showRefrigerant(app, false);
    form7(app)["EDIT178"].setText("1");
    form7(app)["RADIO9"].hide();
    form7(app)["RADIO10"].hide();
}

// "潜熱流体"
void RADIO8_ON(App& app) {
    app["FORM5"].hide();
    showRefrigerant(app, false);
    form7(app)["EDIT178"].setText("2");
    form7(app)["RADIO9"].show();
    form7(app)["RADIO10"].show();
    const int kind = phaseChangeKind(app);
    const int mode = htcMode(app);
    if (kind != 0 && (kind == 1 || mode == 3)) showRefrigerant(app, true);
    if (mode == 2 || mode == 4) showRefrigerant(app, false);
}

// "管内凝縮"
void RADIO9_ON(App& app) {
    app["FORM5"].hide();
    app["FORM2"]["EDIT95"].setText(T::optionsTexts(app.language).condensed);
    form7(app)["EDIT183"].setText("3");
    showRefrigerant(app, false);
    form7(app)["EDIT179"].setText("1");
    writePhaseChangeSample(app, true);
}

// "管内蒸発": the construction sample depends on whether a phase change had
// been chosen before this one.
void RADIO10_ON(App& app) {
    app["FORM5"].hide();
    const bool chosenBefore = phaseChangeChosen(app);
    app["FORM2"]["EDIT95"].setText(T::optionsTexts(app.language).evaporated);
    ScreenRef f = form7(app);
    f["EDIT183"].setText("1");
    f["EDIT179"].setText("1");
    f["EDIT184"].setText("");
    for (const char* c : {"RADIO11", "RADIO12", "RADIO10"}) f[c].show();
    writePhaseChangeSample(app, chosenBefore);
    showRefrigerant(app, true);
    f["EDIT184"].enable();
    f["EDIT185"].enable();
}

void chooseHtcMode(App& app, int mode, bool tubeGiven, bool shellGiven) {
    app["FORM5"].hide();
    form7(app)["EDIT180"].setText(std::to_string(mode));
    setCoefficient(app, "EDIT181", tubeGiven);
    setCoefficient(app, "EDIT182", shellGiven);
    form7(app)["TEXT232"].setText("");
}

// "管内/管外 計算で求める"
void RADIO11_ON(App& app) {
    if (evaporatingLatentFluid(app)) showRefrigerant(app, true);
    chooseHtcMode(app, 1, false, false);
}

// "管内側 数値指定(管外は計算式)"
void RADIO12_ON(App& app) {
    showRefrigerant(app, false);
    chooseHtcMode(app, 2, true, false);
}

// "管外側 数値指定（管内は計算式）"
void RADIO13_ON(App& app) {
    showRefrigerant(app, false);
    if (evaporatingLatentFluid(app)) showRefrigerant(app, true);
    chooseHtcMode(app, 3, false, true);
}

// "管内/管外 数値指定"
void RADIO14_ON(App& app) {
    showRefrigerant(app, false);
    chooseHtcMode(app, 4, true, true);
}

// The first failing option check: message, pause, not accepted.
// `field` receives the field the problem is in, when it is one.
std::string_view optionProblem(App& app, std::string& prefix, const char*& field) {
    const T::OptionsTexts& optionText = T::optionsTexts(app.language);
    ScreenRef f = form7(app);
    const int heatClass = tubeHeatClass(app);
    prefix = " ";
    if (heatClass != 1 && heatClass != 2) return optionText.heatClassUnset;
    if (heatClass == 2 && !phaseChangeChosen(app)) return optionText.phaseChangeUnset;
    f["TEXT232"].setText("");

    prefix = optionText.wideLead;
    const int mode = htcMode(app);
    const double tube = f["EDIT181"].number();
    const double shell = f["EDIT182"].number();
    if (mode == 0) return optionText.htcModeUnset;
    field = kOptions.tubeCoefficient;
    if (mode == 2 && tube == 0) return optionText.tubeCoefficientUnset;
    field = kOptions.shellCoefficient;
    if (mode == 3 && shell == 0) return optionText.shellCoefficientUnset;
    // Both coefficients are given in mode 4: neither may be missing.
    field = tube == 0 ? kOptions.tubeCoefficient : kOptions.shellCoefficient;
    if (mode == 4 && (tube == 0 || shell == 0)) return optionText.bothCoefficientsUnset;
    field = nullptr;
    if (mode < 1 || mode > 4) return optionText.htcModeInvalid;

    prefix = "";
    // The refrigerant data feed the evaporation correlation of the tube side.
    if (evaporatingLatentFluid(app) && (mode == 1 || mode == 3)) {
        field = kOptions.evaporationPressure;
        if (f[field].number() == 0) return optionText.pressureUnset;
        field = kOptions.surfaceTension;
        if (f[field].number() == 0) return optionText.surfaceTensionUnset;
    }
    field = nullptr;
    return {};
}

// "O K"
void BUTTON52_ON(App& app) {
    app.forms.clearFlags(form7(app).id());
    const std::string problem = form7OptionProblem(app);
    if (!problem.empty()) {
        form7(app)["TEXT232"].setText(problem);
        app.pause();
        return;
    }
    namespace F = form5_texts;
    setField(app, kTubeSide.outlet, F::kNone, false);
    setField(app, kShellSide.outlet, "", true);
    setField(app, kTubeSide.volumeField, "", true);
    form5(app)[kTubeSide.volumeButton].setText(F::kMark);
    form5(app)[kTubeSide.volumeButton].enable();
    setField(app, kShellSide.volumeField, F::kNone, false);
    form5(app)[kShellSide.volumeButton].disable();

    form7(app).hide();
    form7(app)["TEXT232"].setText("");
    ScreenRef main = app["MAINFORM"];
    main["BUTTON27"].disable();
    main["BUTTON9"].disable();
    app.setStatus(status_line::withoutHints(app.language, app.status()));
    enableRange(main, "BUTTON", 1, 4, false);
    form5(app)["BUTTON30"].enable();
    prepareForm5(app, Form5Opening::Confirmed);
}

}  // namespace

std::string form7OptionProblem(App& app) {
    const T::OptionsTexts& optionText = T::optionsTexts(app.language);
    std::string prefix;
    const char* field = nullptr;
    std::string_view problem = optionProblem(app, prefix, field);
    if (!problem.empty()) {
        if (field) markField(app, kOptions.screen, field);
        return prefix + std::string(problem);
    }
    if (const std::optional<EntryRefusal> refusal = firstBadEntry(app, kOptionEntries, false)) {
        markField(app, kOptions.screen, refusal->field);
        return std::string(optionText.wideLead) + entryMessage(app.language, *refusal);
    }
    if (const std::optional<RangeRefusal> refusal = firstOutOfRange(app, kOptionRanges)) {
        markField(app, refusal->screen, refusal->field);
        return std::string(optionText.wideLead) + rangePhrase(app.language, *refusal) + std::string(optionText.outOfRangeClose);
    }
    return {};
}

void registerOptionProcedures(App& app) {
    struct Entry {
        const char* control;
        Procedure proc;
    };
    static constexpr Entry kControls[] = {
        {"RADIO7", RADIO7_ON},   {"RADIO8", RADIO8_ON},   {"RADIO9", RADIO9_ON},   {"RADIO10", RADIO10_ON},
        {"RADIO11", RADIO11_ON}, {"RADIO12", RADIO12_ON}, {"RADIO13", RADIO13_ON}, {"RADIO14", RADIO14_ON},
        {"BUTTON52", BUTTON52_ON},
    };
    for (const Entry& e : kControls) registerProcedure(app, "FORM7", e.control, e.proc);
}

}  // namespace cfhx
