// What the user did, as the script driver reads it: clicks, fields typed
// into, answers to the program's questions. A recording replays the session.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace cfhx {

class Recorder {
public:
    // A click that reached its procedure.
    void click(std::string_view screen, std::string_view control);
    // A field the user typed into; written as one `set` before the next
    // action, with the text the field holds then.
    void typedInto(std::string_view screen, std::string_view control, std::string_view text);
    // Answers to the waits: a typed line, the end of a pause, a Yes/No box.
    void typed(std::string_view line);
    void continued();
    void answered(bool yes);

    // The actions so far, one per line.
    std::string script() const;
    bool empty() const { return lines_.empty() && pending_.empty(); }
    void clear();

    // Counts every action recorded and every clear; a saved or opened case
    // is up to date while the count is the one it had then.
    std::uint64_t changes() const { return changes_; }
    // Told after each change (the windows mark unsaved work with it).
    std::function<void()> onChange;

    // A text as the driver's argument: quoted when blanks at its ends or a
    // leading quote would otherwise be lost.
    static std::string argument(std::string_view text);

private:
    void flush();
    void changed();

    std::vector<std::string> lines_;
    std::vector<std::pair<std::string, std::string>> pending_;  // "SCREEN.CONTROL", text
    std::uint64_t changes_ = 0;
};

}  // namespace cfhx
