#include "platform/qt/qt_platform.h"

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "app/case_document.h"
#include "app/control_flow.h"
#include "platform/qt/pane_panel.h"
#include "platform/qt/pane_view.h"
#include "platform/qt/printing.h"
#include "platform/qt/screen_windows.h"
#include "platform/cases/replay.h"

namespace cfhx::qt {

// Keeps a wait on the stack for its lifetime and the pane area in step.
class QtPlatform::WaitScope {
public:
    WaitScope(QtPlatform& platform, Wait& wait) : platform_(platform) {
        if (platform_.ending_) throw EndProgram{};
        platform_.waits_.push_back(&wait);
        platform_.refresh();
    }
    ~WaitScope() {
        platform_.waits_.pop_back();
        platform_.refresh();
    }
    WaitScope(const WaitScope&) = delete;
    WaitScope& operator=(const WaitScope&) = delete;

private:
    QtPlatform& platform_;
};

QtPlatform::QtPlatform() = default;

void QtPlatform::attachWindows(ScreenWindows* windows, int summaryScreen) {
    windows_ = windows;
    summaryScreen_ = summaryScreen;
}

SessionPrinter& QtPlatform::printer() {
    if (!printer_) printer_ = std::make_unique<SessionPrinter>(boxParent_, QString::fromStdString(today()));
    return *printer_;
}

bool QtPlatform::replaying() const { return replay_ && !replay_->stopped(); }

void QtPlatform::report(std::string text) {
    if (status_) status_(std::move(text));
}

void QtPlatform::userAnswers() {
    if (!replay_ || handedOver_) return;
    handedOver_ = true;
    if (handOver_) handOver_();
}

bool QtPlatform::skipPrint(PrintKind kind) {
    if (!replaying()) return false;
    report(skippedPrintStatus(language_, kind, ++skipped_));
    return true;
}

void QtPlatform::printSheet(const SheetPages& pages, PrintRoute route) {
    const PrintKind kind = route == PrintRoute::RawStream ? PrintKind::LinePrinter : PrintKind::Sheet;
    if (skipPrint(kind)) return;
    const std::optional<QString> where =
        route == PrintRoute::RawStream ? printer().printRaw(pages) : printer().print({.sheet = pages, .image = {}});
    report(where ? printedStatus(language_, kind, where->toStdString()) : printCancelledStatus(language_));
}

void QtPlatform::hardCopy(HardCopy window) {
    const PrintKind kind = window == HardCopy::PaneWindow ? PrintKind::PaneCopy : PrintKind::SummaryCopy;
    if (!windows_ || skipPrint(kind)) return;
    QWidget* w = window == HardCopy::PaneWindow ? static_cast<QWidget*>(windows_->mainWindow())
                                                : windows_->window(summaryScreen_);
    if (window == HardCopy::PaneWindow) windows_->panePanel()->view()->sync();
    const std::optional<QString> where = printer().print({.sheet = {}, .image = w->grab().toImage()});
    report(where ? printedStatus(language_, kind, where->toStdString()) : printCancelledStatus(language_));
}

QtPlatform::~QtPlatform() {
    if (qApp) qApp->removeEventFilter(this);
}

void QtPlatform::attach(PanePanel* panel, QWidget* boxParent) {
    panel_ = panel;
    boxParent_ = boxParent;
    connect(panel->answerLine(), &QLineEdit::returnPressed, this, [this] { finishInnermost(WaitKind::Line); });
    connect(panel->continueButton(), &QPushButton::clicked, this, [this] { finishInnermost(WaitKind::Pause); });
    qApp->installEventFilter(this);
    refresh();
}

bool QtPlatform::waitingForLine() const { return !waits_.empty() && waits_.back()->kind == WaitKind::Line; }
bool QtPlatform::paused() const { return !waits_.empty() && waits_.back()->kind == WaitKind::Pause; }

void QtPlatform::refresh() {
    if (!panel_) return;
    panel_->setAnswering(waitingForLine());
    panel_->setPaused(paused());
    // A pause also shows on the window the user is working in, when that is
    // not the main window (a failed check's message sits there).
    QWidget* active = QApplication::activeWindow();
    const bool elsewhere = paused() && active && active != panel_->window() && !qobject_cast<QMessageBox*>(active);
    if (!elsewhere) {
        delete otherBanner_;
        return;
    }
    if (otherBanner_ && otherBanner_->parentWidget() == active) return;
    delete otherBanner_;
    otherBanner_ = makePauseBanner(active);
    otherBanner_->setGeometry(0, active->height() - 30, active->width(), 30);
    connect(otherBanner_->findChild<QPushButton*>(), &QPushButton::clicked, this,
            [this] { finishInnermost(WaitKind::Pause); });
    otherBanner_->show();
    otherBanner_->raise();
}

// Only the innermost wait takes an answer; an outer one resumes when the
// waits nested inside it have returned.
void QtPlatform::finishInnermost(WaitKind kind) {
    if (waits_.empty() || waits_.back()->kind != kind) return;
    Wait& wait = *waits_.back();
    if (kind == WaitKind::Line && panel_) {
        wait.text = panel_->answerLine()->text();
        panel_->answerLine()->clear();
    }
    wait.loop->quit();
}

std::string QtPlatform::readLine() {
    if (replay_) {
        if (auto answer = replay_->answer(ReplayWait::Line)) return *answer;
    }
    if (abandoning_ && !ending_) throw LeaveCalculation{};
    userAnswers();
    QEventLoop loop;
    Wait wait{WaitKind::Line, &loop, nullptr, {}};
    {
        WaitScope scope(*this, wait);
        if (panel_) panel_->answerLine()->clear();
        loop.exec();
    }
    if (ending_) throw EndProgram{};
    if (abandoning_) throw LeaveCalculation{};
    return wait.text.toStdString();
}

void QtPlatform::pause() {
    if (replay_ && replay_->answer(ReplayWait::Pause)) return;
    if (abandoning_ && !ending_) return;
    userAnswers();
    QEventLoop loop;
    Wait wait{WaitKind::Pause, &loop, nullptr, {}};
    {
        WaitScope scope(*this, wait);
        loop.exec();
    }
    if (ending_) throw EndProgram{};
}

bool QtPlatform::askYesNo(std::string_view caption, std::string_view text) {
    if (replay_) {
        if (auto answer = replay_->answer(ReplayWait::YesNo)) return *answer == "yes";
    }
    if (abandoning_ && !ending_) return false;
    userAnswers();
    QMessageBox box(QMessageBox::Question, QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())),
                    QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                    QMessageBox::Yes | QMessageBox::No, boxParent_);
    box.setTextFormat(Qt::PlainText);
    Wait wait{WaitKind::Question, nullptr, &box, {}};
    int answer = QMessageBox::No;
    {
        WaitScope scope(*this, wait);
        answer = box.exec();
    }
    if (ending_) throw EndProgram{};
    return !abandoning_ && answer == QMessageBox::Yes;
}

std::string QtPlatform::today() { return today_.empty() ? systemDate() : today_; }

void QtPlatform::endWaits() {
    ending_ = true;
    for (Wait* wait : waits_) {
        if (wait->loop) wait->loop->quit();
        if (wait->box) wait->box->done(QMessageBox::No);
    }
}

void QtPlatform::abandonWaits() {
    abandoning_ = true;
    for (Wait* wait : waits_) {
        if (wait->loop) wait->loop->quit();
        if (wait->box) wait->box->done(QMessageBox::No);
    }
}

// Enter anywhere in the program continues a pause.
bool QtPlatform::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && paused()) {
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && !key->isAutoRepeat()) {
            finishInnermost(WaitKind::Pause);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace cfhx::qt
