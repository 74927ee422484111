// The windows' language: how it is chosen, the English translation's
// coverage of the catalogue, and English captions fitting their controls.
#include <QAbstractButton>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <QTranslator>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "app/construction_labels.h"
#include "app/frame_texts.h"
#include "app/screens.h"
#include "platform/qt/language.h"
#include "support/gui_support.h"
#include "support/japanese_text.h"

namespace cfhx::qt {
namespace {

constexpr auto kJa = Language::Japanese;
constexpr auto kEn = Language::English;

TEST(Language, CommandLineSettingAndSystem) {
    struct Case {
        const char* name;
        std::vector<std::string> args;
        std::string stored;
        bool systemJapanese;
        std::optional<Language> expected;  // none: refused
    } const kCases[] = {
        {.name = "option wins over setting", .args = {"--lang", "en"}, .stored = "ja", .systemJapanese = true, .expected = kEn},
        {.name = "option with equals", .args = {"--lang=ja"}, .stored = "en", .systemJapanese = false, .expected = kJa},
        {.name = "setting kept", .args = {}, .stored = "en", .systemJapanese = true, .expected = kEn},
        {.name = "setting ja on C locale", .args = {}, .stored = "ja", .systemJapanese = false, .expected = kJa},
        {.name = "japanese system", .args = {}, .stored = "", .systemJapanese = true, .expected = kJa},
        {.name = "other system", .args = {}, .stored = "", .systemJapanese = false, .expected = kEn},
        {.name = "garbled setting ignored", .args = {}, .stored = "fr", .systemJapanese = true, .expected = kJa},
        {.name = "other options pass", .args = {"--sample", "x", "--lang", "ja"}, .stored = "", .systemJapanese = false, .expected = kJa},
        {.name = "unknown language", .args = {"--lang", "de"}, .stored = "", .systemJapanese = true, .expected = std::nullopt},
        {.name = "missing value", .args = {"--lang"}, .stored = "", .systemJapanese = true, .expected = std::nullopt},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        const LanguageRequest request = requestedLanguage(c.args);
        if (!c.expected) {
            EXPECT_FALSE(request.error.empty());
            EXPECT_EQ(request.error.find('\n'), std::string::npos);
            continue;
        }
        ASSERT_TRUE(request.error.empty()) << request.error;
        EXPECT_EQ(chooseLanguage(request.language, c.stored, c.systemJapanese), *c.expected);
    }
}

// Every fixed text of every screen, and the labels the unit system rewrites.
TEST(Language, EveryScreenTextHasEnglish) {
    QTranslator english;
    ASSERT_TRUE(english.load(QStringLiteral(":/i18n/cfhx_en.qm")));
    auto expectEnglish = [&](const std::string& screen, const std::string& text) {
        if (text.empty()) return;
        EXPECT_FALSE(english.translate(screen.c_str(), text.c_str()).isEmpty()) << screen << ": " << text;
    };
    for (const ScreenDef& s : screenCatalogue()) {
        expectEnglish(s.name, s.title);
        for (const ControlDef& c : s.controls) {
            if (c.kind != ControlKind::Edit) expectEnglish(s.name, c.text);
        }
    }
    for (const std::string& text : constructionLabelTexts()) expectEnglish("MAINFORM", text);
    for (std::string_view text : {frame_texts::kFrameJapanese.correlationHeading, frame_texts::kFrameJapanese.calculate,
                                  frame_texts::kFrameJapanese.confirmAfterCheck, frame_texts::kFrameJapanese.confirmAfterRun})
        expectEnglish("MAINFORM", std::string(text));
    // A Japanese text has English, not itself.
    EXPECT_NE(english.translate("FORM4", "旧工学単位系"), QStringLiteral("旧工学単位系"));
}

// The windows' own Japanese texts (message boxes, file dialogs, menus, print
// reports) have English under the windows' context.
TEST(Language, WindowMessagesHaveEnglish) {
    QTranslator english;
    ASSERT_TRUE(english.load(QStringLiteral(":/i18n/cfhx_en.qm")));
    const std::filesystem::path sources = std::filesystem::path(CFHX_SCRIPTS_DIR) / ".." / ".." / "src/platform/qt";
    const std::regex literal(R"re("([^"\\]*)")re");
    int found = 0;
    for (const auto& entry : std::filesystem::directory_iterator(sources)) {
        std::ifstream in(entry.path());
        std::string line;
        for (int n = 1; std::getline(in, line); ++n) {
            const size_t code = line.find_first_not_of(' ');
            if (code == std::string::npos || line.compare(code, 2, "//") == 0) continue;
            for (std::sregex_iterator m(line.begin(), line.end(), literal), end; m != end; ++m) {
                const std::string text = (*m)[1];
                if (!cfhx::testing::containsJapanese(text)) continue;
                SCOPED_TRACE(entry.path().filename().string() + ":" + std::to_string(n) + " " + text);
                ++found;
                const QString translated = english.translate("cfhx", text.c_str());
                EXPECT_FALSE(translated.isEmpty());
                EXPECT_FALSE(cfhx::testing::containsJapanese(translated.toStdString()));
            }
        }
    }
    EXPECT_GT(found, 0);  // the sources were read
}

// The room a caption has: a label draws within its own box; an option
// button less its indicator, a frame less its inner margins.
int room(QWidget* widget) {
    const int width = widget->width();
    if (qobject_cast<QRadioButton*>(widget))
        return width - widget->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) -
               widget->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
    if (qobject_cast<QGroupBox*>(widget)) return width - 16;
    if (qobject_cast<QLabel*>(widget)) return width;
    return width - 4;
}

QString caption(QWidget* widget) {
    if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text().replace("&&", "&");
    if (auto* group = qobject_cast<QGroupBox*>(widget)) return group->title().replace("&&", "&");
    return {};
}

TEST(Language, EnglishCaptionsFit) {
    QTranslator english;
    ASSERT_TRUE(installEnglish(english));
    {
        testing::TestSession session;
        const Forms& forms = session->app().forms;
        for (size_t s = 0; s < forms.screens().size(); ++s) {
            const Screen& screen = forms.screens()[s];
            std::vector<QWidget*> widgets;
            for (size_t c = 0; c < screen.controls.size(); ++c)
                widgets.push_back(session->windows().widget(static_cast<int>(s), static_cast<int>(c)));
            for (size_t c = 0; c < widgets.size(); ++c) {
                const ControlKind kind = screen.controls[c].def->kind;
                if (kind == ControlKind::Edit || !widgets[c]) continue;
                SCOPED_TRACE(screen.def->name + "." + screen.controls[c].def->name);
                const QString text = caption(widgets[c]);
                const int width = QFontMetrics(widgets[c]->font()).horizontalAdvance(text);
                EXPECT_LE(width, room(widgets[c])) << text.toStdString();
            }
        }
        // Captions the main window takes later, in the controls they go to.
        const struct {
            const char* control;
            std::string_view text;
        } kLater[] = {
            {.control = "TEXT3", .text = frame_texts::kFrameJapanese.correlationHeading},
            {.control = "BUTTON9", .text = frame_texts::kFrameJapanese.calculate},
            {.control = "BUTTON27", .text = frame_texts::kFrameJapanese.confirmAfterCheck},
            {.control = "BUTTON27", .text = frame_texts::kFrameJapanese.confirmAfterRun},
        };
        for (const auto& c : kLater) {
            SCOPED_TRACE(c.control);
            QWidget* widget = session->windows().widget("MAINFORM", c.control);
            ASSERT_NE(widget, nullptr);
            const QString text = QCoreApplication::translate("MAINFORM", std::string(c.text).c_str());
            EXPECT_LE(QFontMetrics(widget->font()).horizontalAdvance(text), room(widget)) << text.toStdString();
        }
    }
    QCoreApplication::removeTranslator(&english);
}

}  // namespace
}  // namespace cfhx::qt
