// The running program: the screens, the text pane, the platform and the
// few shared values that are not held in a field.
#pragma once

#include <any>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>

#include "app/codes.h"
#include "app/pane.h"
#include "app/recorder.h"
#include "app/platform.h"
#include "app/screen_fields.h"
#include "app/screens.h"

namespace cfhx {

struct App;
using Procedure = void (*)(App&);

struct App {
    explicit App(Platform& p) : platform(p) {}

    // Takes over where `other` (a program with the same screens and
    // procedures) has got to: the screens, the pane, the recording (its
    // change hook stays) and the
    // shared values below. The platform, the procedures, the hooks,
    // paneUnread and the screens' observer stay; the pane comes with the observer of `other`'s,
    // so whoever mirrors it sets it again.
    void copyStateFrom(const App& other);

    Forms forms;
    Pane pane;
    Platform& platform;
    Recorder recorder;  // the user's actions since start-up

    std::string UnitFlag;  // UnitFlag::Si or UnitFlag::Old
    Language language = Language::Japanese;  // chosen before start-up
    bool ended = false;    // the program has been asked to end
    bool calculating = false;  // inside the calculate button, up to its result
    // Nobody reads the pane (a run of a parameter study): a result settles
    // the record's table values but its table is not printed.
    bool paneUnread = false;
    // The record of the last calculation that reached its result (a
    // calc::Record), kept for the result output and the menu.
    std::any lastResult;

    // Told when a calculation reaches its result (lastResult holds it, the
    // table is shown, the menu is next) or stops with a message; the headless
    // commands end the run there. Empty in the windows.
    std::function<void(App&)> onResult;
    std::function<void(App&, std::string_view message)> onStop;
    // Runs as the calculate button starts a calculation (a parameter study
    // types its values in here).
    std::function<void(App&)> beforeCalculation;

    // The program's own line under the pane (not a screen's text): what
    // waits for the user, a stop just cleared, where a print went. The
    // windows show it; the headless driver ignores it.
    const std::string& status() const { return status_; }
    void setStatus(std::string text) {
        if (text == status_) return;
        status_ = std::move(text);
        if (onStatus) onStatus(*this);
    }
    std::function<void(App&)> onStatus;

    // Procedures by "SCREEN.CONTROL".
    std::map<std::string, Procedure, std::less<>> procedures;

    ScreenRef operator[](std::string_view screen) { return forms[screen]; }

    // The waits of the platform, for the procedures; each answer is recorded.
    std::string readLine() {
        std::string line = platform.readLine();
        recorder.typed(line);
        return line;
    }
    void pause() {
        platform.pause();
        ++pausesTaken;
        recorder.continued();
    }
    // Pauses the user has continued from since start-up.
    unsigned long pausesTaken = 0;
    bool askYesNo(std::string_view caption, std::string_view text) {
        const bool yes = platform.askYesNo(caption, text);
        recorder.answered(yes);
        return yes;
    }

private:
    std::string status_;
};

void registerProcedure(App& app, std::string_view screen, std::string_view control, Procedure proc);

// Selection codes, read from their hidden fields each time; the whole part
// of the number is the code.
inline int codeIn(App& app, std::string_view screen, std::string_view field) {
    return wholeNumber(app[screen][field].number());
}
// A code written into its hidden field as its whole number.
template <class Code>
void writeCode(ControlRef field, Code value) {
    field.setText(std::to_string(static_cast<int>(value)));
}
inline FluidKind tubeFluidKind(App& app) { return FluidKind{codeIn(app, kMain.screen, kMain.tubeFluidKind)}; }
inline FluidKind shellFluidKind(App& app) { return FluidKind{codeIn(app, kMain.screen, kMain.shellFluidKind)}; }
inline UnitCode unitCode(App& app) { return UnitCode{codeIn(app, kMain.screen, kMain.unitCode)}; }
inline bool siUnits(App& app) { return siUnits(unitCode(app)); }
inline ProcessingNo processingNo(App& app) {
    return ProcessingNo{codeIn(app, kProcessing.screen, kProcessing.processingNo)};
}

// The frame's own procedures: NEXT, the fluid-kind buttons, the close
// buttons and the confirmation button.
void registerFrameProcedures(App& app);

// Runs the start-up sequence (screens prepared, title printed, FORM4 shown).
void startUp(App& app);

// A click on a control: runs its procedure when the control is enabled and
// visible on a shown screen; anything else does nothing. Returns false when
// the click was ignored. An EndProgram thrown by a wait sets `ended`.
bool click(App& app, std::string_view screen, std::string_view control);

}  // namespace cfhx
