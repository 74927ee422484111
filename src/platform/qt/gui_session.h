// The running Qt program: the platform, the program state, its windows and
// the way it ends. runGui() makes one; the tests make their own.
#pragma once

#include <QString>
#include <functional>
#include <string>
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

    // A saved case: fresh screens, then its actions played in; where the
    // file has no answer for a wait the user carries on. Refused (false)
    // while the program waits.
    bool openCase(const std::string& script);
    // The recording since start-up (or since the case was opened) with its
    // header; false when the file cannot be written.
    bool saveCase(const QString& path);

    App& app() { return app_; }
    QtPlatform& platform() { return platform_; }
    ScreenWindows& windows() { return *windows_; }
    int screenId(std::string_view name) const { return app_.forms.screenId(name); }

private:
    void clicked(int screen, int control);
    void openFromFile();
    void save(bool askName);

    QtPlatform platform_;
    App app_;
    std::unique_ptr<ScreenWindows> windows_;
    std::function<void()> quit_;
    bool quitting_ = false;
    QString casePath_;  // where 保存 writes
};

}  // namespace cfhx::qt
