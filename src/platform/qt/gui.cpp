#include "platform/qt/gui.h"

#include <QApplication>
#include <QFileInfo>
#include <QLocale>
#include <QScreen>
#include <QTimer>
#include <QTranslator>

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "platform/qt/gui_session.h"
#include "platform/qt/language.h"
#include "platform/qt/look.h"
#include "platform/qt/pane_panel.h"
#include "platform/qt/pane_view.h"
#include "platform/qt/settings.h"

namespace cfhx {
namespace {

// Writes the settings, saying so when the earlier ones had to stay.
void keepSettings(const qt::KeptSettings& settings) {
    QString why;
    if (!settings.save(why))
        std::fprintf(stderr, "cfhx: the settings were not kept in %s (%s); the earlier ones stay\n",
                     settings.fileName().toLocal8Bit().constData(), why.toLocal8Bit().constData());
}

}  // namespace

int runGui(int argc, char** argv) {
    const qt::LanguageRequest request = qt::requestedLanguage(std::vector<std::string>(argv + 1, argv + argc));
    if (!request.error.empty()) {
        std::cerr << request.error << '\n';
        return 2;
    }
    QApplication application(argc, argv);
    application.setQuitOnLastWindowClosed(false);
    application.setFont(qt::controlFont());
    // What is left once Qt has taken its own options: a case to open.
    QStringList args = application.arguments().mid(1);
    for (int i = 0; i < args.size();) {  // the language, read above
        if (args[i] == QLatin1String("--lang")) args.remove(i, std::min<qsizetype>(2, args.size() - i));
        else if (args[i].startsWith(QLatin1String("--lang="))) args.remove(i);
        else ++i;
    }
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
    // The language: asked for on the command line (and kept), else the
    // last run's, else the system's.
    qt::KeptSettings settings;
    const QString languageKey = QStringLiteral("ui/language");
    if (request.language) {
        settings.setValue(languageKey, QString::fromLatin1(qt::languageCode(*request.language).data()));
        keepSettings(settings);
    }
    const qt::Language language =
        qt::chooseLanguage(request.language, settings.value(languageKey).toString().toStdString(),
                           QLocale::system().language() == QLocale::Japanese);
    QTranslator english;
    qt::Language spoken = language;
    if (language == qt::Language::English && !qt::installEnglish(english)) {
        std::cerr << "cfhx: the English translation is missing; the windows stay in Japanese\n";
        spoken = qt::Language::Japanese;
    }
    qt::GuiSession session(spoken);
    // The main window's size, place and pane type size from the last run;
    // the first run starts at the screen's top left, leaving room beside it.
    QWidget* main = session.windows().mainWindow();
    qt::PanePanel* panel = session.windows().panePanel();
    if (!main->restoreGeometry(settings.value(QStringLiteral("main/geometry")).toByteArray())) {
        if (QScreen* screen = QGuiApplication::primaryScreen()) main->move(screen->availableGeometry().topLeft());
    }
    const int zoom = settings.value(QStringLiteral("pane/fontPixels"), 0).toInt();
    if (zoom > 0) panel->zoom((zoom - panel->defaultFontPixels()) / 2);
    // The secondary screens the user has put somewhere open there again.
    const QString places = QStringLiteral("places");
    for (const QString& screen : settings.childKeys(places))
        session.windows().restoreUserPlace(screen.toStdString(),
                                           settings.value(places + QLatin1Char('/') + screen).toPoint());
    QObject::connect(&application, &QCoreApplication::aboutToQuit, [&] {
        settings.setValue(QStringLiteral("main/geometry"), main->saveGeometry());
        settings.setValue(QStringLiteral("pane/fontPixels"), panel->view()->fontPixels());
        settings.removeGroup(places);
        for (const auto& [screen, at] : session.windows().userPlaces())
            settings.setValue(places + QLatin1Char('/') + QString::fromStdString(screen), at);
        keepSettings(settings);
    });
    session.start();
    if (session.app().ended) return 0;
    // Opened from the event loop, as ファイル→開く would: the replay's waits
    // run inside it and the end of the program can stop it.
    if (!casePath.isEmpty()) QTimer::singleShot(0, &application, [&] { session.openFile(casePath); });
    return application.exec();
}

}  // namespace cfhx
