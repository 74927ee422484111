#include "platform/qt/gui_session.h"

#include <QCoreApplication>
#include <cstdio>
#include <exception>

#include "platform/qt/pane_panel.h"
#include "platform/qt/pane_view.h"
#include "app/screen_fields.h"
#include "platform/program.h"

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

void GuiSession::endProgram() {
    app_.ended = true;
    platform_.endWaits();
    if (quitting_) return;
    quitting_ = true;
    for (int s = static_cast<int>(app_.forms.screens().size()) - 1; s >= 0; --s) windows_->window(s)->hide();
    if (quit_) quit_();
}

}  // namespace cfhx::qt
