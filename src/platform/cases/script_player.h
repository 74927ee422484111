// The script player: runs the program's event procedures from a script of
// user actions, without windows, and writes what the user would have seen.
#pragma once

#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>

#include "app/codes.h"
#include "app/platform.h"
#include "platform/cases/front_end.h"

namespace cfhx {

struct App;

struct ScriptOptions {
    std::string date;  // "YY/MM/DD"; empty for today's date
    Language language = Language::Japanese;
    // Runs after the program's procedures are registered, before start-up
    // (tests use it to add procedures of their own).
    std::function<void(App&)> install;
    // Runs as the program pauses, before the script is asked to continue.
    std::function<void(App&)> onPause;
    // Where prints and hard copies are written (sheet-N.pdf, sheet-N.prn,
    // hardcopy-N.png); empty: the transcript only names them.
    std::string outDir;
    PrintRenderer* renderer = nullptr;
    // False: the pane is not written into the transcript (a run whose
    // transcript nobody reads costs no page comparisons).
    bool transcript = true;
};

// Exit statuses of a script run.
enum ScriptStatus : int {
    kScriptDone = 0,
    kScriptCannotOpen = 1,
    kScriptBadLine = 2,
    kScriptUnansweredWait = 3,
};
// A script that fails part way (a read error, a folder given as the script)
// and a file of --out that could not be written end the run like a script
// that cannot be opened.
inline constexpr int kScriptCannotRead = kScriptCannotOpen;
inline constexpr int kScriptCannotWrite = kScriptCannotOpen;

int runScript(std::istream& script, std::ostream& out, std::ostream& err, const ScriptOptions& options);

class ScriptDriver;

// A script played up to the top-level line in which its first calculation
// starts. Nothing before that line reads what a calculation is given as it
// starts (App::beforeCalculation), so playing on from here is playing the
// whole script: a parameter study fills in the screens once.
class ScriptCheckpoint {
public:
    struct Held;
    explicit ScriptCheckpoint(std::unique_ptr<Held> held);
    ~ScriptCheckpoint();
    ScriptCheckpoint(const ScriptCheckpoint&) = delete;
    ScriptCheckpoint& operator=(const ScriptCheckpoint&) = delete;

    int line() const;  // 1-based number of that line
    const App& app() const;  // the program as it was before that line
    const Held& held() const { return *held_; }

private:
    std::unique_ptr<Held> held_;
};

// Plays `script` with `options` up to there; null when no calculation
// starts before the script ends or stops.
std::unique_ptr<const ScriptCheckpoint> prepareScript(std::string_view script, const ScriptOptions& options);

// Plays a script on from its checkpoint, run after run: each run takes the
// program's state over from the checkpoint instead of building the screens
// again. One per thread; the checkpoint outlives it.
class ScriptResumer {
public:
    // `options` as the checkpoint was prepared with; installed once.
    ScriptResumer(const ScriptCheckpoint& checkpoint, const ScriptOptions& options);
    ~ScriptResumer();
    ScriptResumer(const ScriptResumer&) = delete;
    ScriptResumer& operator=(const ScriptResumer&) = delete;

    // What runScript writes and returns for the whole script.
    int run(std::ostream& out, std::ostream& err);

private:
    const ScriptCheckpoint& checkpoint_;
    std::unique_ptr<ScriptDriver> driver_;
};

}  // namespace cfhx
