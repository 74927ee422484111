#include "platform/script/case_run.h"

#include <sstream>
#include <string_view>

#include "app/app.h"
#include "app/control_flow.h"
#include "platform/script/driver.h"

namespace cfhx {
namespace {

// The screens a case fills in; the summary screen and the unit choice hold no entries.
constexpr std::string_view kInputScreens[] = {"MAINFORM", "FORM5", "FORM6", "FORM7"};

std::vector<FieldValue> filledFields(const App& app) {
    std::vector<FieldValue> fields;
    for (std::string_view name : kInputScreens) {
        const int id = app.forms.screenId(name);
        if (id < 0) continue;
        for (const Control& c : app.forms.at(id).controls) {
            if (c.def->kind != ControlKind::Edit || !c.visible) continue;
            if (c.text.find_first_not_of(' ') == std::string::npos) continue;
            fields.push_back({.screen = std::string(name), .control = c.def->name, .text = c.text});
        }
    }
    return fields;
}

}  // namespace

CaseResult runCase(const std::string& script, const std::vector<FieldValue>& overrides, const std::string& date) {
    CaseResult result;
    bool stopped = false;
    ScriptOptions options;
    options.date = date;
    options.install = [&](App& app) {
        app.beforeCalculation = [&overrides, &result](App& a) {
            for (const FieldValue& f : overrides) a[f.screen][f.control].setText(f.text);
            result.inputs = filledFields(a);
            result.settings = CaseSettings{.si = siUnits(a),
                                           .tube = tubeFluidKind(a),
                                           .shell = shellFluidKind(a),
                                           .processingNo = codeIn(a, kProcessing.screen, kProcessing.processingNo)};
        };
        app.onResult = [&result](App& a) {
            result.record = *std::any_cast<calc::Record>(&a.lastResult);
            result.resultPage = a.pane.pageText();
            throw EndProgram{};
        };
        app.onStop = [&result, &stopped](App&, std::string_view message) {
            stopped = true;
            result.message = std::string(message);
            throw EndProgram{};
        };
    };
    // A pause before the result is a refusal or a stop: its message is the
    // page's last line.
    options.onPause = [&result, &stopped](App& app) {
        if (!app.calculating) return;
        stopped = true;
        result.message = app.pane.lastPageText();
        throw EndProgram{};
    };
    std::istringstream in(script);
    std::ostringstream out, err;
    const int status = runScript(in, out, err, options);
    result.transcript = out.str();
    result.errors = err.str();
    if (result.record) {
        result.status = kCaseResult;
    } else if (stopped) {
        result.status = kCaseStopped;
    } else {
        result.status = status == kScriptDone ? kScriptUnansweredWait : status;
    }
    return result;
}

}  // namespace cfhx
