// The running Qt program: the platform, the program state, its windows and
// the way it ends. runGui() makes one; the tests make their own.
#pragma once

#include <QString>
#include <functional>
#include <string>
#include <memory>
#include <optional>
#include <string_view>

#include "app/app.h"
#include "app/case_document.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/screen_windows.h"

namespace cfhx::qt {

class GuiSession {
public:
    // Needs a QApplication. Registers the procedures and builds the windows.
    explicit GuiSession(Language language = Language::Japanese);
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
    // file has no answer for a wait the user carries on. Its prints are
    // left out and its finish is not made. Refused (false) while the
    // program waits.
    bool openCase(const std::string& script);
    // The recording since start-up (or since the case was opened) with its
    // header; false when the file cannot be written.
    bool saveCase(const QString& path);

    // ファイル→開く with the file chosen: read, then (asking first when a
    // calculation waits or actions are unsaved) opened. While the program
    // waits the waits are left first and the case opens once they have
    // all returned. False when the file cannot be read or the user cancels.
    bool openFile(const QString& path);
    // ファイル→保存 (a name asked only when there is none yet), or 名前を付けて保存.
    bool save(bool askName);
    // The 終了 of the menu, the ファイル→終了 action, the main window's ×:
    // unsaved actions are offered a save. False when the user cancels.
    bool requestEnd();

    // How the questions above are answered; by default a message box.
    using Asker = std::function<CaseAnswer(const CaseQuestion&)>;
    void setAsker(Asker asker) { asker_ = std::move(asker); }
    const CaseDocument& document() const { return document_; }

    App& app() { return app_; }
    QtPlatform& platform() { return platform_; }
    ScreenWindows& windows() { return *windows_; }
    int screenId(std::string_view name) const { return app_.forms.screenId(name); }

private:
    void clicked(int screen, int control);
    void openFromFile();
    bool writeTo(const QString& path);
    CaseAnswer ask(const CaseQuestion& question);
    void openPending();
    void replayCase(const std::string& script);
    void programFinished();
    void showTitle();

    QtPlatform platform_;
    App app_;
    std::unique_ptr<ScreenWindows> windows_;
    std::function<void()> quit_;
    bool quitting_ = false;
    CaseDocument document_;
    Asker asker_;
    struct PendingOpen {
        QString path;
        std::string script;
    };
    std::optional<PendingOpen> pending_;  // opened once the waits have returned
    bool openingPending_ = false;
    bool replayPath_ = false;  // a case of a file is being played in
    bool handedOver_ = false;  // ... and the user has taken over
};

}  // namespace cfhx::qt
