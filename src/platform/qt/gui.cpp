#include "platform/qt/gui.h"

#include <QApplication>

#include "platform/qt/gui_session.h"
#include "platform/qt/look.h"

namespace cfhx {

int runGui(int argc, char** argv) {
    QApplication application(argc, argv);
    application.setQuitOnLastWindowClosed(false);
    application.setFont(qt::controlFont());
    qt::GuiSession session;
    session.start();
    if (session.app().ended) return 0;
    return application.exec();
}

}  // namespace cfhx
