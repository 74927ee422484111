#include "platform/qt/offscreen_renderer.h"

#include <QApplication>

#include "app/app.h"
#include "app/screen_fields.h"
#include "platform/qt/look.h"
#include "platform/qt/pane_panel.h"
#include "platform/qt/pane_view.h"
#include "platform/qt/printing.h"
#include "platform/qt/screen_windows.h"

namespace cfhx::qt {
namespace {

class OffscreenRenderer final : public PrintRenderer {
public:
    OffscreenRenderer(int& argc, char** argv) {
        if (!qApp) {
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
            application_ = std::make_unique<QApplication>(argc, argv);
            application_->setFont(controlFont());
        }
    }
    ~OffscreenRenderer() override {
        if (app_) app_->forms.setObserver(nullptr);
    }

    void attach(App& app) override {
        app_ = &app;
        // The screens follow the model; clicks cannot happen off screen.
        windows_ = std::make_unique<ScreenWindows>(app.forms, app.pane, [](int, int) {});
        app.forms.setObserver(windows_.get());
        windows_->keepMainShown();
    }

    bool writeSheetPdf(const SheetPages& pages, const std::string& path, std::string& error) override {
        QString why;
        if (writePdf(QString::fromStdString(path), {{.sheet = pages, .image = {}}}, &why)) return true;
        error = why.toStdString();
        return false;
    }

    bool writeHardCopy(HardCopy window, const std::string& path, std::string& error) override {
        if (!windows_) {
            error = "no windows";
            return false;
        }
        QWidget* w = windows_->mainWindow();
        if (window == HardCopy::PaneWindow) {
            windows_->screenShownChanged(0);
            windows_->panePanel()->view()->sync();
        } else {
            w = windows_->window(app_->forms.screenId(kSummary.screen));
        }
        QCoreApplication::processEvents();
        if (w->grab().toImage().save(QString::fromStdString(path), "PNG")) return true;
        error = "cannot write the image";
        return false;
    }

private:
    std::unique_ptr<QApplication> application_;
    std::unique_ptr<ScreenWindows> windows_;
    App* app_ = nullptr;
};

}  // namespace

std::unique_ptr<PrintRenderer> offscreenRenderer(int& argc, char** argv) {
    return std::make_unique<OffscreenRenderer>(argc, argv);
}

}  // namespace cfhx::qt
