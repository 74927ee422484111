// Helpers for the GUI tests: a session with a fixed date and no real quit,
// a watchdog so that no test can hang, and event-loop helpers.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QCoreApplication>
#include <QImage>
#include <QKeyEvent>
#include <QRect>
#include <QString>
#include <QElapsedTimer>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "platform/qt/gui_session.h"
#include "platform/qt/pane_panel.h"

namespace cfhx::qt::testing {

struct TestSession {
    explicit TestSession(Language language = Language::Japanese) {
        session = std::make_unique<GuiSession>(language);
        session->platform().setToday("07/03/05");
        session->setQuitHandler([this] { ++quits; });
        // The session's own questions (abandon, save, write over) are
        // answered here; `answer` goes on without saving by default.
        session->setAsker([this](const CaseQuestion& q) {
            asked.push_back(q);
            return answer;
        });
    }
    ~TestSession() {
        // Windows go before the next test builds its own.
        session.reset();
        QCoreApplication::processEvents();
    }
    GuiSession& operator*() { return *session; }
    GuiSession* operator->() { return session.get(); }

    std::unique_ptr<GuiSession> session;
    int quits = 0;
    std::vector<CaseQuestion> asked;
    CaseAnswer answer = CaseAnswer::Go;
};

// Ends every wait (and so the test's nested loops) after `ms`.
class Watchdog {
public:
    Watchdog(GuiSession& session, int ms) {
        timer_.setSingleShot(true);
        QObject::connect(&timer_, &QTimer::timeout, [&session, this] {
            fired = true;
            session.platform().endWaits();
        });
        timer_.start(ms);
    }
    bool fired = false;

private:
    QTimer timer_;
};

// Types the given answers, one each time the answer line waits; `other`
// sees every modal window on the way (a print dialog, a box).
class LineAnswers {
public:
    LineAnswers(GuiSession& session, std::vector<QString> answers, std::function<void(QWidget*)> other = {})
        : answers_(std::move(answers)) {
        QObject::connect(&timer_, &QTimer::timeout, [this, &session, other] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                if (other) other(modal);
                return;
            }
            if (!session.platform().waitingForLine() || next_ >= answers_.size()) return;
            QLineEdit* line = session.windows().panePanel()->answerLine();
            line->setText(answers_[next_++]);
            QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
            QCoreApplication::sendEvent(line, &press);
        });
        timer_.start(30);
    }
    size_t typed() const { return next_; }

private:
    std::vector<QString> answers_;
    size_t next_ = 0;
    QTimer timer_;
};

// Runs `step` from the event loop after `ms`.
inline void later(int ms, std::function<void()> step) { QTimer::singleShot(ms, step); }

// Processes events until `done` holds or `ms` passes.
inline bool spinUntil(const std::function<bool()>& done, int ms = 2000) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

// Types `text` into `widget` key by key, as a user would.
inline void typeText(QWidget* widget, const QString& text) {
    for (QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
        QCoreApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(ch));
        QCoreApplication::sendEvent(widget, &release);
    }
}

inline void pressEnter(QWidget* widget) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QCoreApplication::sendEvent(widget, &press);
}

// The x of the rightmost dark pixel inside `band`, -1 when there is none.
inline int rightmostDark(const QImage& image, const QRect& band) {
    const QRect r = band.intersected(image.rect());
    for (int x = r.right(); x >= r.left(); --x) {
        for (int y = r.top(); y <= r.bottom(); ++y) {
            if (qGray(image.pixel(x, y)) < 128) return x;
        }
    }
    return -1;
}

}  // namespace cfhx::qt::testing
