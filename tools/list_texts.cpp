// Prints every fixed text the windows show from the screen catalogue as
// QT_TRANSLATE_NOOP lines, so lupdate can bring the translations up to date.
#include <iostream>
#include <set>
#include <string>
#include <utility>

#include "app/construction_labels.h"
#include "app/frame_texts.h"
#include "app/screens.h"

int main() {
    std::set<std::pair<std::string, std::string>> seen;
    auto print = [&](const std::string& screen, const std::string& text) {
        if (text.empty() || !seen.insert({screen, text}).second) return;
        std::string quoted;
        for (char ch : text) {
            if (ch == '"' || ch == '\\') quoted += '\\';
            quoted += ch;
        }
        std::cout << "QT_TRANSLATE_NOOP(\"" << screen << "\", \"" << quoted << "\")\n";
    };
    for (const cfhx::ScreenDef& s : cfhx::screenCatalogue()) {
        print(s.name, s.title);
        for (const cfhx::ControlDef& c : s.controls) {
            if (c.kind != cfhx::ControlKind::Edit) print(s.name, c.text);
        }
    }
    // The labels the program rewrites when the unit system changes.
    for (const std::string& text : cfhx::constructionLabelTexts()) print("MAINFORM", text);
    // Captions the main window's frames and buttons take as the work goes on.
    for (std::string_view text : {cfhx::frame_texts::kFrameJapanese.correlationHeading, cfhx::frame_texts::kFrameJapanese.calculate,
                                  cfhx::frame_texts::kFrameJapanese.confirmAfterCheck, cfhx::frame_texts::kFrameJapanese.confirmAfterRun})
        print("MAINFORM", std::string(text));
}
