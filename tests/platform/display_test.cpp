#include "platform/display.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace cfhx {
namespace {

TEST(Display, FoundFromTheEnvironment) {
    struct Case {
        const char* name;
        std::map<std::string, std::string> variables;
        std::set<std::string> sockets;
        bool found;
    };
    const Case kCases[] = {
        {.name = "nothing set", .variables = {}, .sockets = {}, .found = false},
        {.name = "empty DISPLAY", .variables = {{"DISPLAY", ""}}, .sockets = {"/tmp/.X11-unix/X0"}, .found = false},
        {.name = "local server up", .variables = {{"DISPLAY", ":0"}}, .sockets = {"/tmp/.X11-unix/X0"}, .found = true},
        {.name = "local server gone", .variables = {{"DISPLAY", ":0"}}, .sockets = {}, .found = false},
        {.name = "other number", .variables = {{"DISPLAY", ":99"}}, .sockets = {"/tmp/.X11-unix/X0"}, .found = false},
        {.name = "screen suffix", .variables = {{"DISPLAY", ":12.1"}}, .sockets = {"/tmp/.X11-unix/X12"}, .found = true},
        {.name = "unix host", .variables = {{"DISPLAY", "unix:3"}}, .sockets = {"/tmp/.X11-unix/X3"}, .found = true},
        {.name = "remote host", .variables = {{"DISPLAY", "workstation:10.0"}}, .sockets = {}, .found = true},
        {.name = "localhost over TCP", .variables = {{"DISPLAY", "localhost:10"}}, .sockets = {}, .found = true},
        {.name = "no number", .variables = {{"DISPLAY", ":"}}, .sockets = {"/tmp/.X11-unix/X"}, .found = false},
        {.name = "garbage", .variables = {{"DISPLAY", "0"}}, .sockets = {}, .found = false},
        {.name = "Wayland", .variables = {{"WAYLAND_DISPLAY", "wayland-0"}}, .sockets = {}, .found = true},
        {.name = "Qt platform chosen", .variables = {{"QT_QPA_PLATFORM", "offscreen"}}, .sockets = {}, .found = true},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        const DisplayEnvironment env{
            .variable = [&](const char* name) -> const char* {
                auto it = c.variables.find(name);
                return it == c.variables.end() ? nullptr : it->second.c_str();
            },
            .pathExists = [&](const std::string& path) { return c.sockets.count(path) > 0; },
        };
        EXPECT_EQ(displayFound(env), c.found);
    }
}

TEST(Display, OnlyTheWindowsNeedOne) {
    struct Case {
        std::vector<std::string_view> args;
        bool windows;
    };
    const Case kCases[] = {
        {.args = {}, .windows = true},
        {.args = {"case.cfhx"}, .windows = true},
        {.args = {"--script", "s.cfhx"}, .windows = false},
        {.args = {"--script", "s.cfhx", "--out", "d"}, .windows = false},
        {.args = {"run", "c.cfhx"}, .windows = false},
        {.args = {"sweep", "c.cfhx", "--plot", "p.png"}, .windows = false},
        {.args = {"props", "water", "20"}, .windows = false},
        {.args = {"--version"}, .windows = false},
        {.args = {"--help"}, .windows = false},
        {.args = {"--lang", "en"}, .windows = true},
        {.args = {"--lang=ja"}, .windows = true},
        {.args = {"-platform", "offscreen"}, .windows = true},
        {.args = {"--frob"}, .windows = false},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.args.empty() ? "no arguments" : std::string(c.args[0]));
        EXPECT_EQ(opensWindows(c.args), c.windows);
    }
}

}  // namespace
}  // namespace cfhx
