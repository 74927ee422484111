// The headless driver: runs the program's event procedures from a script of
// user actions and writes what the user would have seen.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>

namespace cfhx {

struct App;

struct ScriptOptions {
    std::string date;  // "YY/MM/DD"; empty for today's date
    // Runs after the program's procedures are registered, before start-up
    // (tests use it to add procedures of their own).
    std::function<void(App&)> install;
};

// Exit statuses of a script run.
enum ScriptStatus : int {
    kScriptDone = 0,
    kScriptCannotOpen = 1,
    kScriptBadLine = 2,
    kScriptUnansweredWait = 3,
};

int runScript(std::istream& script, std::ostream& out, std::ostream& err, const ScriptOptions& options);

}  // namespace cfhx
