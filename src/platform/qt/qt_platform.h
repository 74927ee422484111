// The waits of the program on Qt: each runs a nested event loop, so every
// screen stays usable while the program waits for a typed line, for the
// user to continue, or for a Yes/No answer.
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/case_document.h"
#include "app/platform.h"

class QEventLoop;
class QMessageBox;
class QWidget;

namespace cfhx::qt {

class PanePanel;
class ScreenWindows;
}  // namespace cfhx::qt
namespace cfhx {
class Replay;
}
namespace cfhx::qt {
class SessionPrinter;

class QtPlatform : public QObject, public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;

    // The pane area that holds the answer line and the pause banner, and
    // the window the question boxes belong to.
    void attach(PanePanel* panel, QWidget* boxParent);
    // The windows hard copies are taken of: the main window (the pane) and
    // the result summary screen.
    void attachWindows(ScreenWindows* windows, int summaryScreen);

    std::string readLine() override;
    void pause() override;
    bool askYesNo(std::string_view caption, std::string_view text) override;
    std::string today() override;
    void printSheet(const SheetPages& pages, PrintRoute route) override;
    void hardCopy(HardCopy window) override;

    // A saved session being played in: its answers come before the user's,
    // and the prints and hard copies it makes are left out (the status line
    // says so) until the user answers for it.
    void setReplay(Replay* replay) {
        replay_ = replay;
        skipped_ = 0;
        handedOver_ = false;
    }
    bool replaying() const;
    // Told at the first wait the replay leaves to the user.
    void setHandOver(std::function<void()> handOver) { handOver_ = std::move(handOver); }

    // Where the status line texts of prints go (the program's status).
    void setStatusSink(std::function<void(std::string)> sink) { status_ = std::move(sink); }
    // The language of the status texts of prints.
    void setLanguage(Language language) { language_ = language; }

    // The session's prints (made on the first use).
    SessionPrinter& printer();

    // A fixed date instead of the system clock; empty restores the clock.
    void setToday(std::string date) { today_ = std::move(date); }

    // The program ends: every wait in progress returns and throws
    // EndProgram, and so does every later wait.
    void endWaits();
    bool ending() const { return ending_; }

    // The user leaves the work in progress (to open a case): every wait in
    // progress returns, and so does every later one until abandoned() is
    // called: a typed line throws LeaveCalculation (only the calculation
    // reads lines, and it unwinds to its one return path), a pause
    // continues, a question is answered No. Nothing is asked meanwhile.
    void abandonWaits();
    bool abandoning() const { return abandoning_; }
    // The work is left (no wait is in progress): the waits wait again.
    void abandoned() { abandoning_ = false; }

    // Nesting depth of the waits in progress.
    int waitDepth() const { return static_cast<int>(waits_.size()); }
    bool waitingForLine() const;
    bool paused() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class WaitKind { Line, Pause, Question };
    struct Wait {
        WaitKind kind;
        QEventLoop* loop = nullptr;
        QMessageBox* box = nullptr;
        QString text;
    };
    class WaitScope;

    void finishInnermost(WaitKind kind);
    void refresh();
    void report(std::string text);
    void userAnswers();
    bool skipPrint(PrintKind kind);

    QPointer<PanePanel> panel_;
    QPointer<QWidget> boxParent_;
    QPointer<QWidget> otherBanner_;  // the pause banner on another window
    ScreenWindows* windows_ = nullptr;
    Replay* replay_ = nullptr;
    int summaryScreen_ = -1;
    std::unique_ptr<SessionPrinter> printer_;
    std::vector<Wait*> waits_;
    std::string today_;
    std::function<void(std::string)> status_;
    Language language_ = Language::Japanese;
    int skipped_ = 0;  // prints of the replay left out
    std::function<void()> handOver_;
    bool handedOver_ = false;
    bool ending_ = false;
    bool abandoning_ = false;
};

}  // namespace cfhx::qt
