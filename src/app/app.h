// The running program: the screens, the text pane, the platform and the
// few shared values that are not held in a field.
#pragma once

#include <any>
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "app/pane.h"
#include "app/platform.h"
#include "app/screens.h"

namespace cfhx {

struct App;
using Procedure = void (*)(App&);

struct App {
    explicit App(Platform& p) : platform(p) {}

    Forms forms;
    Pane pane;
    Platform& platform;

    std::string UnitFlag;  // "1" SI, "2" old engineering units
    bool ended = false;    // the program has been asked to end
    // The record of the last calculation that reached its result (a
    // calc::Record), kept for the result output and the menu.
    std::any lastResult;

    // Procedures by "SCREEN.CONTROL".
    std::map<std::string, Procedure, std::less<>> procedures;

    ScreenRef operator[](std::string_view screen) { return forms[screen]; }

    // The waits of the platform, for the procedures.
    std::string readLine() { return platform.readLine(); }
    void pause() { platform.pause(); }
    bool askYesNo(std::string_view caption, std::string_view text) { return platform.askYesNo(caption, text); }
};

void registerProcedure(App& app, std::string_view screen, std::string_view control, Procedure proc);

// Selection codes, read from their hidden fields each time.
inline int tubeFluidKind(App& app) { return static_cast<int>(app["MAINFORM"]["EDIT30"].number()); }
inline int shellFluidKind(App& app) { return static_cast<int>(app["MAINFORM"]["EDIT29"].number()); }
inline int unitCode(App& app) { return static_cast<int>(app["MAINFORM"]["EDIT128"].number()); }
inline bool siUnits(App& app) { return unitCode(app) == 3; }
inline int processingNo(App& app) { return static_cast<int>(app["FORM6"]["EDIT167"].number()); }

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
