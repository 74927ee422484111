#include "platform/qt/gui_session.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <cstdio>
#include <exception>

#include "platform/qt/pane_panel.h"
#include "platform/qt/pane_view.h"
#include "app/case_header.h"
#include "app/screen_fields.h"
#include "platform/atomic_file.h"
#include "platform/program.h"
#include "platform/script/replay.h"

namespace cfhx::qt {

GuiSession::GuiSession() : app_(platform_) {
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
    windows_->mainWindow()->onClose = [this] { endProgram(); };
    const ScreenWindows::FileActions& file = windows_->fileActions();
    QObject::connect(file.open, &QAction::triggered, windows_->mainWindow(), [this] { openFromFile(); });
    QObject::connect(file.save, &QAction::triggered, windows_->mainWindow(), [this] { save(false); });
    QObject::connect(file.saveAs, &QAction::triggered, windows_->mainWindow(), [this] { save(true); });
    QObject::connect(file.quit, &QAction::triggered, windows_->mainWindow(), [this] { endProgram(); });
    quit_ = [] { QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection); };
}

GuiSession::~GuiSession() {
    app_.forms.setObserver(nullptr);
    app_.pane.setObserver(nullptr);
}

void GuiSession::start() {
    startUp(app_);
    windows_->keepMainShown();
    windows_->screenShownChanged(0);
    windows_->panePanel()->view()->sync();
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
    if (app_.ended) endProgram();
}

bool GuiSession::openCase(const std::string& script) {
    if (platform_.waitDepth() > 0) return false;
    app_.forms.reset();
    app_.pane.clear();
    app_.lastResult.reset();
    app_.recorder.clear();
    app_.UnitFlag.clear();
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
    if (app_.ended) endProgram();
    return true;
}

bool GuiSession::saveCase(const QString& path) {
    // A failed save leaves the case saved before as it was.
    const std::string text = caseHeader(app_, platform_.today()) + app_.recorder.script();
    std::string error;
    return writeFileAtomically(path.toStdString(), text, error);
}

void GuiSession::openFromFile() {
    QWidget* main = windows_->mainWindow();
    if (platform_.waitDepth() > 0) {
        QMessageBox::information(main, QStringLiteral("開く"), QStringLiteral("質問に答えてから開いてください。"));
        return;
    }
    const QString path = QFileDialog::getOpenFileName(main, QStringLiteral("開く"), QDir::currentPath(),
                                                      QStringLiteral("cfhx (*.cfhx);;*"));
    if (path.isEmpty()) return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        QMessageBox::warning(main, QStringLiteral("開く"), QStringLiteral("読めません: ") + path);
        return;
    }
    casePath_ = path;
    const QByteArray text = file.readAll();
    openCase(text.toStdString());
}

void GuiSession::save(bool askName) {
    QWidget* main = windows_->mainWindow();
    QString path = casePath_;
    if (askName || path.isEmpty()) {
        QString date = QString::fromStdString(platform_.today()).remove('/');
        const QString suggested = path.isEmpty() ? QDir::current().filePath("case-" + date + ".cfhx") : path;
        path = QFileDialog::getSaveFileName(main, QStringLiteral("名前を付けて保存"), suggested,
                                            QStringLiteral("cfhx (*.cfhx)"));
        if (path.isEmpty()) return;
    }
    if (!saveCase(path)) {
        QMessageBox::warning(main, QStringLiteral("保存"), QStringLiteral("保存できません: ") + path);
        return;
    }
    casePath_ = path;
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
