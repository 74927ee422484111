// A program session for tests: the real procedures on the form model, with
// a platform whose answers are queued in advance and whose waits are logged.
#pragma once

#include <deque>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/app.h"
#include "app/control_flow.h"
#include "platform/program.h"

namespace cfhx::testing {

// Texts typed into the fields of one screen: {control, text}.
using Entries = std::vector<std::pair<std::string, std::string>>;

// `first`, then `then` typed over it.
inline Entries join(Entries first, const Entries& then) {
    first.insert(first.end(), then.begin(), then.end());
    return first;
}

struct QueuedPlatform : Platform {
    std::deque<std::string> lines;     // answers to readLine
    std::deque<bool> yesNo;            // answers to askYesNo
    int pausesAllowed = 0;             // pauses that may happen
    std::vector<std::string> waits;    // "read", "pause", "yesno:<caption>|<text>"
    // Runs before each typed answer is given: what the user does meanwhile.
    std::function<void(const std::string& answer)> whileReading;
    // Runs at each pause: what the user corrects before continuing.
    std::function<void()> whilePaused;

    std::string readLine() override {
        waits.push_back("read");
        if (lines.empty()) throw std::runtime_error("unexpected read");
        std::string s = lines.front();
        lines.pop_front();
        if (whileReading) whileReading(s);
        return s;
    }
    void pause() override {
        waits.push_back("pause");
        if (pausesAllowed-- <= 0) throw std::runtime_error("unexpected pause");
        if (whilePaused) whilePaused();
    }
    bool askYesNo(std::string_view caption, std::string_view text) override {
        waits.push_back("yesno:" + std::string(caption) + "|" + std::string(text));
        if (yesNo.empty()) throw std::runtime_error("unexpected Yes/No box");
        bool b = yesNo.front();
        yesNo.pop_front();
        return b;
    }
    std::string today() override { return "07/03/05"; }
    void printSheet(const SheetPages& pages, PrintRoute route) override {
        sheets.push_back({pages, route});
    }
    void hardCopy(HardCopy window) override { hardCopies.push_back(window); }

    struct PrintedSheet {
        SheetPages pages;
        PrintRoute route;
    };
    std::vector<PrintedSheet> sheets;     // every sheet printed, in order
    std::vector<HardCopy> hardCopies;     // every hard copy taken, in order
};

class Session {
public:
    explicit Session(Language language = Language::Japanese) : app(platform) {
        app.language = language;
        registerProcedures(app);
        startUp(app);
    }

    // "SCREEN.CONTROL"
    ControlRef operator()(std::string_view name) {
        size_t dot = name.find('.');
        return app[name.substr(0, dot)][name.substr(dot + 1)];
    }
    bool click(std::string_view name) {
        size_t dot = name.find('.');
        return cfhx::click(app, name.substr(0, dot), name.substr(dot + 1));
    }
    // Types each text into its field of `screen`, or, without a screen,
    // into the field named "SCREEN.CONTROL".
    void enter(std::string_view screen, const Entries& entries) {
        for (const auto& [control, text] : entries) app[screen][control].setText(text);
    }
    void enter(const Entries& entries) {
        for (const auto& [name, text] : entries) (*this)(name).setText(text);
    }
    // One user action on `screen`: "CONTROL" clicks it, "CONTROL=TEXT" types
    // TEXT into it; "SCREEN.CONTROL" names a control of another screen.
    bool act(std::string_view screen, std::string_view action) {
        const size_t eq = action.find('=');
        const std::string name = qualified(screen, action.substr(0, eq));
        if (eq == std::string_view::npos) return click(name);
        (*this)(name).setText(action.substr(eq + 1));
        return true;
    }
    static std::string qualified(std::string_view screen, std::string_view control) {
        if (control.find('.') != std::string_view::npos) return std::string(control);
        return std::string(screen) + "." + std::string(control);
    }
    std::string text(std::string_view name) { return (*this)(name).text(); }
    bool enabled(std::string_view name) { return (*this)(name).enabled(); }
    bool shown(std::string_view screen) { return app[screen].shown(); }

    // Unit choice and NEXT.
    void openInput(bool si) {
        click(si ? "FORM4.BUTTON26" : "FORM4.BUTTON25");
        click("MAINFORM.BUTTON18");
    }

    QueuedPlatform platform;
    App app;
};

}  // namespace cfhx::testing
