#include "platform/qt/gui_session.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <cstdio>
#include <exception>

#include "platform/qt/pane_panel.h"
#include "platform/qt/pane_view.h"
#include "app/case_header.h"
#include "app/screen_fields.h"
#include "calc/calculation.h"
#include "platform/atomic_file.h"
#include "platform/program.h"
#include "platform/cases/replay.h"

namespace cfhx::qt {

GuiSession::GuiSession(Language language) : app_(platform_) {
    app_.language = language;
    registerProcedures(app_);
    windows_ = std::make_unique<ScreenWindows>(app_.forms, app_.pane,
                                               [this](int screen, int control) { clicked(screen, control); });
    app_.forms.setObserver(windows_.get());
    windows_->setEditHandler([this](int screen, int control) {
        const Control& c = app_.forms.at(screen, control);
        app_.recorder.typedInto(app_.forms.at(screen).def->name, c.def->name, c.text);
    });
    app_.pane.setObserver(windows_->panePanel()->view());
    platform_.attach(windows_->panePanel(), windows_->mainWindow());
    platform_.attachWindows(windows_.get(), app_.forms.screenId(kSummary.screen));
    platform_.setLanguage(language);
    platform_.setStatusSink([this](std::string text) { app_.setStatus(std::move(text)); });
    app_.recorder.onChange = [this] { showTitle(); };
    platform_.setHandOver([this] {
        handedOver_ = true;
        if (replayPath_) document_.upToDate(app_.recorder.changes());
        showTitle();
    });
    windows_->mainWindow()->canClose = [this] { return quitting_ || requestEnd(); };
    windows_->mainWindow()->onClose = [this] { endProgram(); };
    const ScreenWindows::FileActions& file = windows_->fileActions();
    QObject::connect(file.open, &QAction::triggered, windows_->mainWindow(), [this] { openFromFile(); });
    QObject::connect(file.save, &QAction::triggered, windows_->mainWindow(), [this] { save(false); });
    QObject::connect(file.saveAs, &QAction::triggered, windows_->mainWindow(), [this] { save(true); });
    QObject::connect(file.quit, &QAction::triggered, windows_->mainWindow(), [this] {
        if (requestEnd()) endProgram();
    });
    app_.onStatus = [this](App& app) { windows_->panePanel()->setStatus(QString::fromStdString(app.status())); };
    // The summary of the last result, once there is one.
    QAction* summary = windows_->summaryAction();
    QObject::connect(qobject_cast<QMenu*>(summary->parent()), &QMenu::aboutToShow, summary,
                     [this, summary] { summary->setEnabled(app_.lastResult.has_value()); });
    QObject::connect(summary, &QAction::triggered, windows_->mainWindow(), [this] {
        if (!app_.lastResult.has_value()) return;
        app_[kSummary.screen].show();
        QWidget* window = windows_->window(app_.forms.screenId(kSummary.screen));
        window->raise();
        window->activateWindow();
    });
    quit_ = [] { QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection); };
    document_.started(app_.recorder.changes());
    showTitle();
}

GuiSession::~GuiSession() {
    app_.recorder.onChange = nullptr;
    app_.forms.setObserver(nullptr);
    app_.pane.setObserver(nullptr);
}

void GuiSession::start() {
    startUp(app_);
    windows_->keepMainShown();
    windows_->screenShownChanged(0);
    windows_->panePanel()->view()->sync();
}

void GuiSession::showTitle() {
    if (platform_.replaying()) return;  // what is played in is the file
    windows_->mainWindow()->setWindowTitle(QString::fromStdString(document_.title(app_.language, app_.recorder.changes())));
}

void GuiSession::clicked(int screen, int control) {
    const Screen& s = app_.forms.at(screen);
    try {
        click(app_, s.def->name, s.controls.at(control).def->name);
    } catch (const std::exception& e) {
        // Nothing may unwind through the event loop.
        std::fprintf(stderr, "cfhx: %s.%s: %s\n", s.def->name.c_str(), s.controls[control].def->name.c_str(), e.what());
    } catch (...) {
        std::fprintf(stderr, "cfhx: %s.%s: unexpected exit\n", s.def->name.c_str(), s.controls[control].def->name.c_str());
    }
    if (app_.ended) programFinished();
    openPending();
}

// The menu's finish (or a wait left by the end of the program). A finish the
// user takes back leaves the calculation as a recalculation would.
void GuiSession::programFinished() {
    if (platform_.ending() || platform_.waitDepth() > 0 || quitting_) {
        endProgram();
        return;
    }
    if (requestEnd()) {
        endProgram();
        return;
    }
    app_.ended = false;
    commonReturnPath(app_);
    app_.setStatus(finishCancelledStatus(app_.language));
}

bool GuiSession::openCase(const std::string& script) {
    if (platform_.waitDepth() > 0) return false;
    replayCase(script);
    openPending();
    return true;
}

void GuiSession::replayCase(const std::string& script) {
    app_.forms.reset();
    app_.pane.clear();
    app_.lastResult.reset();
    app_.recorder.clear();
    app_.UnitFlag.clear();
    app_.setStatus({});
    startUp(app_);
    windows_->panePanel()->view()->sync();
    Replay replay(app_, script);
    platform_.setReplay(&replay);
    try {
        replay.run();
    } catch (const std::exception& e) {
        // Nothing may unwind through the event loop.
        std::fprintf(stderr, "cfhx: opening a case: %s\n", e.what());
    } catch (...) {
        std::fprintf(stderr, "cfhx: opening a case: unexpected exit\n");
    }
    platform_.setReplay(nullptr);
    if (!app_.ended || platform_.ending() || pending_) {
        if (app_.ended) endProgram();
        return;
    }
    if (replay.stopped()) {
        programFinished();  // the user's own finish, after the file
        return;
    }
    // The recording itself ends with the finish: the case stays open.
    app_.ended = false;
    commonReturnPath(app_);
    app_.setStatus(finishNotReplayedStatus(app_.language));
}

bool GuiSession::saveCase(const QString& path) {
    // A failed save leaves the case saved before as it was.
    const std::string text = caseHeader(app_, platform_.today()) + app_.recorder.script();
    std::string error;
    return writeFileAtomically(path.toStdString(), text, error);
}

CaseAnswer GuiSession::ask(const CaseQuestion& question) {
    if (asker_) return asker_(question);
    QMessageBox box(QMessageBox::Question, QString::fromStdString(question.caption),
                    QString::fromStdString(question.text), QMessageBox::NoButton, windows_->mainWindow());
    box.setTextFormat(Qt::PlainText);
    QPushButton* save = question.offersSave ? box.addButton(QCoreApplication::translate("cfhx", "保存"), QMessageBox::AcceptRole) : nullptr;
    QPushButton* go = box.addButton(question.offersSave ? QCoreApplication::translate("cfhx", "保存しない") : QCoreApplication::translate("cfhx", "はい"),
                                    question.offersSave ? QMessageBox::DestructiveRole : QMessageBox::AcceptRole);
    QPushButton* cancel = box.addButton(QCoreApplication::translate("cfhx", "キャンセル"), QMessageBox::RejectRole);
    box.setDefaultButton(save ? save : cancel);
    box.setEscapeButton(cancel);
    box.exec();
    if (save && box.clickedButton() == save) return CaseAnswer::Save;
    return box.clickedButton() == go ? CaseAnswer::Go : CaseAnswer::Cancel;
}

void GuiSession::openFromFile() {
    const QString path = QFileDialog::getOpenFileName(windows_->mainWindow(), QCoreApplication::translate("cfhx", "開く"), QDir::currentPath(),
                                                      QStringLiteral("cfhx (*.cfhx);;*"));
    if (!path.isEmpty()) openFile(path);
}

bool GuiSession::openFile(const QString& path) {
    QFile file(path);
    if (pending_ || !file.open(QIODevice::ReadOnly)) {
        if (!pending_) QMessageBox::warning(windows_->mainWindow(), QCoreApplication::translate("cfhx", "開く"), QCoreApplication::translate("cfhx", "読めません: ") + path);
        return false;
    }
    const std::string script = file.readAll().toStdString();
    const bool waiting = platform_.waitDepth() > 0;
    const std::string name(fileName(QFileInfo(path).absoluteFilePath().toStdString()));
    if (auto question = leaveQuestion(app_.language, Leaving::Open, waiting, document_.unsaved(app_.recorder.changes()), name)) {
        const CaseAnswer answer = ask(*question);
        if (answer == CaseAnswer::Cancel) return false;
        if (answer == CaseAnswer::Save && !save(false)) return false;
    }
    pending_ = PendingOpen{.path = QFileInfo(path).absoluteFilePath(), .script = script};
    // The calculation unwinds to its return path first; the case is played
    // in from the outermost click, never inside a wait's loop.
    if (waiting) platform_.abandonWaits();
    openPending();
    return true;
}

// A case opened while one is being played in is taken by this loop once
// that replay has unwound.
void GuiSession::openPending() {
    if (openingPending_) return;
    openingPending_ = true;
    while (pending_ && platform_.waitDepth() == 0 && !quitting_) {
        const PendingOpen open = std::move(*pending_);
        pending_.reset();
        platform_.abandoned();
        app_.ended = false;
        document_.opened(open.path.toStdString(), app_.recorder.changes());
        showTitle();
        replayPath_ = true;
        handedOver_ = false;
        replayCase(open.script);
        replayPath_ = false;
        // A file played to its end is the file; after a hand-over what the
        // user did is new.
        if (!handedOver_ && !pending_) document_.upToDate(app_.recorder.changes());
        showTitle();
    }
    openingPending_ = false;
}

bool GuiSession::writeTo(const QString& path) {
    if (!saveCase(path)) {
        QMessageBox::warning(windows_->mainWindow(), QCoreApplication::translate("cfhx", "保存"), QCoreApplication::translate("cfhx", "保存できません: ") + path);
        return false;
    }
    document_.saved(path.toStdString(), app_.recorder.changes());
    showTitle();
    return true;
}

bool GuiSession::save(bool askName) {
    QString path = QString::fromStdString(document_.path());
    if (askName || path.isEmpty()) {
        QString date = QString::fromStdString(platform_.today()).remove('/');
        const QString suggested = path.isEmpty() ? QDir::current().filePath("case-" + date + ".cfhx") : path;
        path = QFileDialog::getSaveFileName(windows_->mainWindow(), QCoreApplication::translate("cfhx", "名前を付けて保存"), suggested,
                                            QStringLiteral("cfhx (*.cfhx)"));
        if (path.isEmpty()) return false;
        // The dialog has asked before an existing file is chosen.
        document_.overwriteAllowed(path.toStdString());
    }
    if (document_.asksBeforeSaving(path.toStdString(), QFileInfo::exists(path))) {
        if (ask(overwriteQuestion(app_.language, fileName(path.toStdString()))) == CaseAnswer::Cancel) return false;
        document_.overwriteAllowed(path.toStdString());
    }
    return writeTo(path);
}

bool GuiSession::requestEnd() {
    const auto question = leaveQuestion(app_.language, Leaving::Finish, platform_.waitDepth() > 0,
                                        document_.unsaved(app_.recorder.changes()), document_.path());
    if (!question) return true;
    const CaseAnswer answer = ask(*question);
    if (answer == CaseAnswer::Save) return save(false);
    return answer == CaseAnswer::Go;
}

void GuiSession::endProgram() {
    app_.ended = true;
    platform_.endWaits();
    if (quitting_) return;
    quitting_ = true;
    for (int s = static_cast<int>(app_.forms.screens().size()) - 1; s >= 0; --s) windows_->window(s)->hide();
    if (quit_) quit_();
}

}  // namespace cfhx::qt
