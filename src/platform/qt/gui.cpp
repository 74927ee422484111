#include "platform/qt/gui.h"

#include <QApplication>
#include <QFileInfo>
#include <QScreen>
#include <QSettings>
#include <QTimer>
#include <cstdio>

#include "platform/qt/gui_session.h"
#include "platform/qt/look.h"
#include "platform/qt/pane_panel.h"
#include "platform/qt/pane_view.h"

namespace cfhx {

int runGui(int argc, char** argv) {
    QApplication application(argc, argv);
    application.setQuitOnLastWindowClosed(false);
    application.setFont(qt::controlFont());
    // What is left once Qt has taken its own options: a case to open.
    const QStringList args = application.arguments().mid(1);
    if (args.size() > 1 || (args.size() == 1 && args.front().startsWith('-'))) {
        std::fprintf(stderr, "cfhx: unknown arguments: %s (cfhx --help lists the commands)\n",
                     args.join(' ').toLocal8Bit().constData());
        return kGuiUsage;
    }
    const QString casePath = args.isEmpty() ? QString() : args.front();
    if (!casePath.isEmpty() && !(QFileInfo(casePath).isFile() && QFileInfo(casePath).isReadable())) {
        std::fprintf(stderr, "cfhx: cannot open case %s\n", casePath.toLocal8Bit().constData());
        return kGuiCannotOpenCase;
    }
    qt::GuiSession session;
    // The main window's size, place and pane type size from the last run;
    // the first run starts at the screen's top left, leaving room beside it.
    QSettings settings(QStringLiteral("cfhx"), QStringLiteral("cfhx"));
    QWidget* main = session.windows().mainWindow();
    qt::PanePanel* panel = session.windows().panePanel();
    if (!main->restoreGeometry(settings.value(QStringLiteral("main/geometry")).toByteArray())) {
        if (QScreen* screen = QGuiApplication::primaryScreen()) main->move(screen->availableGeometry().topLeft());
    }
    const int zoom = settings.value(QStringLiteral("pane/fontPixels"), 0).toInt();
    if (zoom > 0) panel->zoom((zoom - panel->defaultFontPixels()) / 2);
    // The secondary screens the user has put somewhere open there again.
    settings.beginGroup(QStringLiteral("places"));
    for (const QString& screen : settings.childKeys())
        session.windows().restoreUserPlace(screen.toStdString(), settings.value(screen).toPoint());
    settings.endGroup();
    QObject::connect(&application, &QCoreApplication::aboutToQuit, [&] {
        settings.setValue(QStringLiteral("main/geometry"), main->saveGeometry());
        settings.setValue(QStringLiteral("pane/fontPixels"), panel->view()->fontPixels());
        settings.remove(QStringLiteral("places"));
        for (const auto& [screen, at] : session.windows().userPlaces())
            settings.setValue(QStringLiteral("places/") + QString::fromStdString(screen), at);
    });
    session.start();
    if (session.app().ended) return 0;
    // Opened from the event loop, as ファイル→開く would: the replay's waits
    // run inside it and the end of the program can stop it.
    if (!casePath.isEmpty()) QTimer::singleShot(0, &application, [&] { session.openFile(casePath); });
    return application.exec();
}

}  // namespace cfhx
