// A whole calculation per fluid pair in the English windows: at the result
// no window shows a kana or kanji, nor does the pane.
#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QTranslator>
#include <gtest/gtest.h>

#include <string>

#include "platform/qt/language.h"
#include "support/files.h"
#include "support/fluid_pair_cases.h"
#include "support/gui_support.h"
#include "support/japanese_text.h"

namespace cfhx::qt {
namespace {

// Every text a shown window puts before the user: titles, captions,
// fields, menus.
std::string japaneseOnScreen() {
    std::string found;
    auto check = [&found](const QString& where, const QString& text) {
        const std::string utf8 = text.toStdString();
        if (cfhx::testing::containsJapaneseLetters(utf8)) found += where.toStdString() + ": " + utf8 + "\n";
    };
    for (QWidget* w : QApplication::allWidgets()) {
        if (!w->isVisible()) continue;
        const QString where = w->window()->objectName() + "/" + w->metaObject()->className();
        if (w->isWindow()) check(where, w->windowTitle());
        if (auto* label = qobject_cast<QLabel*>(w)) check(where, label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(w)) check(where, button->text());
        if (auto* group = qobject_cast<QGroupBox*>(w)) check(where, group->title());
        if (auto* line = qobject_cast<QLineEdit*>(w)) check(where, line->text());
        if (auto* bar = qobject_cast<QMenuBar*>(w)) {
            for (QAction* a : bar->actions()) {
                check(where, a->text());
                if (QMenu* menu = a->menu())
                    for (QAction* item : menu->actions()) check(where, item->text());
            }
        }
    }
    return found;
}

TEST(EnglishWindows, NoJapaneseLetterInAWholeCalculation) {
    QTranslator english;
    ASSERT_TRUE(installEnglish(english));
    for (const cfhx::testing::FluidPairCase& c : cfhx::testing::fluidPairCases()) {
        SCOPED_TRACE(c.pair);
        testing::TestSession session(Language::English);
        session->start();
        bool reached = false;
        std::string onScreen, pane;
        // At the result: look at the windows and the pane.
        session->app().onResult = [&](App& app) {
            reached = true;
            QCoreApplication::processEvents();
            onScreen = japaneseOnScreen();
            pane = app.pane.pageText();
        };
        // A case that ends at the result's menu: go back to the screens.
        QTimer look;
        QObject::connect(&look, &QTimer::timeout, [&] {
            if (!reached || !session->platform().waitingForLine()) return;
            session->windows().panePanel()->answerLine()->setText(QStringLiteral("4"));
            testing::pressEnter(session->windows().panePanel()->answerLine());
        });
        look.start(50);
        testing::Watchdog watchdog(*session, 60000);
        ASSERT_TRUE(session->openCase(cfhx::testing::readFile(c.path)));
        EXPECT_FALSE(watchdog.fired);
        ASSERT_TRUE(reached) << "the case did not reach its result";
        EXPECT_NE(pane.find("CROSFLOW HEAT EXCHANGER"), std::string::npos) << pane;
        EXPECT_FALSE(cfhx::testing::containsJapaneseLetters(pane)) << pane;
        EXPECT_TRUE(onScreen.empty()) << onScreen;
    }
    QCoreApplication::removeTranslator(&english);
}

}  // namespace
}  // namespace cfhx::qt
