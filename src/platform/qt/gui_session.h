// The running Qt program: the platform, the program state, its windows and
// the way it ends. runGui() makes one; the tests make their own.
#pragma once

#include <functional>
#include <memory>
#include <string_view>

#include "app/app.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/screen_windows.h"

namespace cfhx::qt {

class GuiSession {
public:
    // Needs a QApplication. Registers the procedures and builds the windows.
    GuiSession();
    ~GuiSession();
    GuiSession(const GuiSession&) = delete;
    GuiSession& operator=(const GuiSession&) = delete;

    // Shows the main window and runs the start-up sequence.
    void start();

    // Ends the program: every wait in progress returns, the windows close and
    // the quit handler runs (once).
    void endProgram();

    // What ending does to the application; by default a queued
    // QCoreApplication::quit.
    void setQuitHandler(std::function<void()> handler) { quit_ = std::move(handler); }

    App& app() { return app_; }
    QtPlatform& platform() { return platform_; }
    ScreenWindows& windows() { return *windows_; }
    int screenId(std::string_view name) const { return app_.forms.screenId(name); }

private:
    void clicked(int screen, int control);

    QtPlatform platform_;
    App app_;
    std::unique_ptr<ScreenWindows> windows_;
    std::function<void()> quit_;
    bool quitting_ = false;
};

}  // namespace cfhx::qt
