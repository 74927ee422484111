// Whether the windows can open: checked before Qt is started, since Qt
// aborts (status 134, a message about its xcb plug-in) when it finds no
// display. Decided from the environment only; no toolkit is loaded.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace cfhx {

// Exit status when the windows were asked for but there is no display.
inline constexpr int kNoDisplay = 2;

// Whether the command line `args` (argv[1..]) opens the windows: no
// arguments, a case file, or anything that is not a headless command.
bool opensWindows(const std::vector<std::string_view>& args);

struct DisplayEnvironment {
    std::function<const char*(const char*)> variable;    // getenv
    std::function<bool(const std::string&)> pathExists;  // a local X server's socket
};
DisplayEnvironment systemEnvironment();

// A display Qt can use: a chosen Qt platform (QT_QPA_PLATFORM, offscreen
// say), a Wayland display, or an X display that is remote or whose local
// server socket is there.
bool displayFound(const DisplayEnvironment& env);

// What cfhx says instead of opening the windows.
std::string noDisplayMessage();

}  // namespace cfhx
