#include <string>

#include "app/app.h"
#include "app/control_flow.h"

namespace cfhx {

void App::copyStateFrom(const App& other) {
    forms.copyStateFrom(other.forms);
    pane = other.pane;
    std::function<void()> keep = std::move(recorder.onChange);
    recorder = other.recorder;
    recorder.onChange = std::move(keep);
    UnitFlag = other.UnitFlag;
    language = other.language;
    ended = other.ended;
    calculating = other.calculating;
    lastResult = other.lastResult;
    status_ = other.status_;
}

void registerProcedure(App& app, std::string_view screen, std::string_view control, Procedure proc) {
    std::string key(screen);
    key += '.';
    key += control;
    app.procedures[key] = proc;
}

bool click(App& app, std::string_view screen, std::string_view control) {
    if (app.ended) return false;
    int s = app.forms.screenId(screen);
    if (s < 0) return false;
    int c = app.forms.controlId(s, control);
    if (c < 0) return false;
    const Control& ctl = app.forms.at(s, c);
    if (!app.forms.at(s).shown || !ctl.enabled || !ctl.visible) return false;
    std::string key(screen);
    key += '.';
    key += control;
    auto it = app.procedures.find(key);
    if (it == app.procedures.end()) return false;
    app.recorder.click(screen, control);
    try {
        it->second(app);
    } catch (const EndProgram&) {
        app.ended = true;
    }
    return true;
}

}  // namespace cfhx
