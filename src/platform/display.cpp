#include "platform/display.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace cfhx {

namespace {

// The commands that run without the windows.
constexpr std::string_view kHeadlessCommands[] = {"--script", "run", "sweep", "props", "--help", "-h", "--version"};

bool isSet(const char* value) { return value != nullptr && *value != '\0'; }

// ":0", ":1.0", "unix:0": a server on this machine, reached through
// /tmp/.X11-unix/X<number>; "host:0": another machine, taken on trust.
bool xServerReachable(std::string_view display, const DisplayEnvironment& env) {
    const size_t colon = display.rfind(':');
    if (colon == std::string_view::npos) return false;
    const std::string_view host = display.substr(0, colon);
    if (!host.empty() && host != "unix" && host != "localhost") return true;
    std::string_view number = display.substr(colon + 1);
    number = number.substr(0, number.find('.'));
    if (number.empty() || number.find_first_not_of("0123456789") != std::string_view::npos) return false;
    if (host == "localhost") return true;  // over TCP
    return env.pathExists("/tmp/.X11-unix/X" + std::string(number));
}

}  // namespace

bool opensWindows(const std::vector<std::string_view>& args) {
    if (args.empty()) return true;
    for (std::string_view c : kHeadlessCommands) {
        if (args[0] == c) return false;
    }
    // An option the windows do not take is refused without them.
    return !args[0].starts_with("--") || args[0] == "--lang" || args[0].starts_with("--lang=");
}

DisplayEnvironment systemEnvironment() {
    return {
        .variable = [](const char* name) -> const char* { return std::getenv(name); },
        .pathExists = [](const std::string& path) {
            std::error_code ec;
            return std::filesystem::exists(path, ec);
        },
    };
}

bool displayFound(const DisplayEnvironment& env) {
    if (isSet(env.variable("QT_QPA_PLATFORM"))) return true;
    if (isSet(env.variable("WAYLAND_DISPLAY"))) return true;
    const char* display = env.variable("DISPLAY");
    return isSet(display) && xServerReachable(display, env);
}

std::string noDisplayMessage() {
    return "cfhx: no display found (DISPLAY and WAYLAND_DISPLAY name none that runs), so the windows cannot open.\n"
           "The headless commands run without one:\n"
           "  cfhx --script FILE     a script of user actions, the pane's transcript on standard output\n"
           "  cfhx run CASE          a saved case to its result table (--json, --out)\n"
           "  cfhx sweep CASE ...    a case over a grid of field values, to CSV\n"
           "  cfhx props water|gas   the property values the calculation uses\n"
           "(cfhx --help for their options)\n";
}

}  // namespace cfhx
