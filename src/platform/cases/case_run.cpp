#include "platform/cases/case_run.h"

#include <exception>
#include <optional>
#include <sstream>
#include <string_view>

#include "app/app.h"
#include "app/control_flow.h"
#include "platform/cases/script_player.h"
#include "report/display_mode.h"
#include "report/results.h"

namespace cfhx {
namespace {

// The screens a case fills in; the summary screen and the unit choice hold no entries.
constexpr std::string_view kInputScreens[] = {"MAINFORM", "FORM5", "FORM6", "FORM7"};
// A pause before the result on an empty page.
constexpr std::string_view kPausedBlank = "the calculation paused before its result on an empty page";

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

// What the program tells a case run, into the run's result: the overrides
// typed in as the calculation starts, the end at its result or stop.
struct CaseRunner::Hooks {
    CaseDetail detail = CaseDetail::Full;
    std::optional<std::string> tableMode;  // a table to draw at the result
    Language language = Language::Japanese;
    const std::vector<FieldValue>* overrides = nullptr;
    CaseResult* result = nullptr;
    bool stopped = false;
    // The streams of the runs, kept from run to run: a stream built costs
    // locale reference counts that every worker shares.
    std::ostringstream transcript, err;
    std::ostream unread{nullptr};  // what nobody reads is not kept

    void start(const std::vector<FieldValue>& o, CaseResult& r) {
        overrides = &o;
        result = &r;
        stopped = false;
    }

    void beforeCalculation(App& a) {
        for (const FieldValue& f : *overrides) a[f.screen][f.control].setText(f.text);
        if (detail == CaseDetail::Results) return;
        result->inputs = filledFields(a);
        result->settings = CaseSettings{.si = siUnits(a),
                                        .tube = tubeFluidKind(a),
                                        .shell = shellFluidKind(a),
                                        .processingNo = codeIn(a, kProcessing.screen, kProcessing.processingNo)};
    }
    void onResult(App& a) {
        result->record = *std::any_cast<calc::Record>(&a.lastResult);
        if (detail == CaseDetail::Full) result->resultPage = a.pane.pageText();
        if (tableMode) {
            // Drawn from a copy of the finished record, as from the saved result.
            calc::Record r = *result->record;
            const std::string_view mode =
                tableMode->empty() ? report::displayMode(r.flags.LangUnitMode.view()).name : *tableMode;
            report::showTable(a, r, mode);
            result->tablePage = a.pane.pageText();
        }
        throw EndProgram{};
    }
    void onStop(std::string_view message) {
        stopped = true;
        result->message = std::string(message);
        throw EndProgram{};
    }
    // A pause before the result is a refusal or a stop: its message is the
    // page's last line.
    void onPause(App& app) {
        if (!app.calculating) return;
        stopped = true;
        result->message = app.pane.lastPageText();
        if (result->message.find_first_not_of(' ') == std::string::npos) result->message = std::string(kPausedBlank);
        throw EndProgram{};
    }

    ScriptOptions options(const std::string& date) {
        ScriptOptions o;
        o.date = date;
        o.language = language;
        o.transcript = detail == CaseDetail::Full;
        o.install = [this](App& app) {
            app.paneUnread = detail == CaseDetail::Results;
            app.beforeCalculation = [this](App& a) { beforeCalculation(a); };
            app.onResult = [this](App& a) { onResult(a); };
            app.onStop = [this](App&, std::string_view message) { onStop(message); };
        };
        o.onPause = [this](App& app) { onPause(app); };
        return o;
    }

    void finish(int status, std::string transcript, std::string errors) {
        CaseResult& r = *result;
        r.transcript = std::move(transcript);
        r.errors = std::move(errors);
        if (r.record) {
            r.status = kCaseResult;
        } else if (stopped) {
            r.status = kCaseStopped;
        } else {
            r.status = status == kScriptDone ? kScriptUnansweredWait : status;
        }
    }
};

namespace {

// The whole script from fresh screens.
CaseResult playWhole(const std::string& script, const std::vector<FieldValue>& overrides, const std::string& date,
                     CaseRunner::Hooks&& hooks) {
    CaseResult result;
    hooks.start(overrides, result);
    std::istringstream in(script);
    std::ostringstream out, err;
    const int status = runScript(in, out, err, hooks.options(date));
    hooks.finish(status, out.str(), err.str());
    return result;
}

}  // namespace

CaseResult runCase(const std::string& script, const std::vector<FieldValue>& overrides, const std::string& date) {
    return playWhole(script, overrides, date, CaseRunner::Hooks{});
}

CaseResult runCase(const std::string& script, const std::vector<FieldValue>& overrides, const std::string& date,
                   const std::string& tableMode, Language language) {
    return playWhole(script, overrides, date, CaseRunner::Hooks{.tableMode = tableMode, .language = language});
}

PreparedCase::PreparedCase(std::string script, std::string date, CaseDetail detail)
    : script_(std::move(script)), date_(std::move(date)), detail_(detail) {
    // Nothing the hooks do happens before the calculation starts.
    const std::vector<FieldValue> none;
    CaseResult unused;
    CaseRunner::Hooks hooks{.detail = detail_};
    hooks.start(none, unused);
    try {
        checkpoint_ = prepareScript(script_, hooks.options(date_));
    } catch (const std::exception&) {
        checkpoint_.reset();  // each run is played whole, and fails as it would
    }
}

PreparedCase::~PreparedCase() = default;

bool PreparedCase::usesField(const std::string& screen, const std::string& control) const {
    if (!checkpoint_) return false;
    const Forms& forms = checkpoint_->app().forms;
    const int s = forms.screenId(screen);
    const int c = s < 0 ? -1 : forms.controlId(s, control);
    if (c < 0) return false;
    const Control& field = forms.at(s, c);
    return field.visible && field.enabled;
}

CaseRunner::CaseRunner(const PreparedCase& prepared)
    : case_(prepared), hooks_(std::make_unique<Hooks>()) {
    hooks_->detail = prepared.detail_;
    if (case_.checkpoint_) resumer_ = std::make_unique<ScriptResumer>(*case_.checkpoint_, hooks_->options(case_.date_));
}

CaseRunner::~CaseRunner() = default;

CaseResult CaseRunner::run(const std::vector<FieldValue>& overrides) {
    CaseResult result;
    Hooks& h = *hooks_;
    h.start(overrides, result);
    const bool full = case_.detail_ == CaseDetail::Full;
    h.transcript.str(std::string());
    h.err.str(std::string());
    std::ostream& out = full ? static_cast<std::ostream&>(h.transcript) : h.unread;
    int status;
    if (resumer_) {
        status = resumer_->run(out, h.err);
    } else {
        std::istringstream in(case_.script_);
        status = runScript(in, out, h.err, h.options(case_.date_));
    }
    h.finish(status, full ? h.transcript.str() : std::string(), h.err.str());
    return result;
}

}  // namespace cfhx
