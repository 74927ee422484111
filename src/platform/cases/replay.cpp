#include "platform/cases/replay.h"

#include <sstream>

#include "app/app.h"
#include "platform/cases/script_line.h"

namespace cfhx {

Replay::Replay(App& app, std::string_view script) : app_(app) {
    std::istringstream in{std::string(script)};
    for (std::string line; std::getline(in, line);) lines_.push_back(line);
    // A byte-order mark is not part of the first line.
    if (!lines_.empty() && lines_.front().rfind("\xEF\xBB\xBF", 0) == 0) lines_.front().erase(0, 3);
}

void Replay::run() { runUntil(std::nullopt); }

std::optional<std::string> Replay::answer(ReplayWait wait) {
    if (stopped_) return std::nullopt;
    return runUntil(wait);
}

void Replay::stop(size_t line) {
    stopped_ = true;
    stopLine_ = static_cast<int>(line) + 1;
}

std::optional<std::string> Replay::runUntil(std::optional<ReplayWait> wait) {
    while (!stopped_ && next_ < lines_.size()) {
        const size_t at = next_;
        const std::string_view line = trimLeft(trimRight(lines_[at]));
        const size_t sp = line.find_first_of(" \t");
        const std::string_view verb = line.substr(0, sp);
        const std::string_view rest = sp == std::string_view::npos ? std::string_view{} : trimLeft(line.substr(sp + 1));
        std::optional<ReplayWait> answers;
        if (verb == "type") answers = ReplayWait::Line;
        if (verb == "continue") answers = ReplayWait::Pause;
        if (verb == "yes" || verb == "no") answers = ReplayWait::YesNo;
        if (answers) {
            if (answers != wait) {
                stop(at);  // an answer to another wait, or none waiting
                return std::nullopt;
            }
            ++next_;
            try {
                if (verb == "type") return argumentText(rest);
            } catch (const BadLine&) {
                stop(at);
                return std::nullopt;
            }
            return std::string(verb == "continue" ? "" : verb);
        }
        ++next_;
        if (line.empty() || line.front() == '#' || verb == "dump" || verb == "show" || verb == "pane") continue;
        const std::string_view target = verb == "set" ? rest.substr(0, rest.find_first_of(" \t")) : trimRight(rest);
        const size_t dot = target.find('.');
        const int s = dot == std::string_view::npos ? -1 : app_.forms.screenId(target.substr(0, dot));
        const int c = s < 0 ? -1 : app_.forms.controlId(s, target.substr(dot + 1));
        if ((verb != "click" && verb != "set") || c < 0) {
            stop(at);  // not an action a user makes here
            return std::nullopt;
        }
        const Control& control = app_.forms.at(s, c);
        if (!app_.forms.at(s).shown || !control.enabled || !control.visible) continue;  // as a user could not
        if (verb == "click") {
            click(app_, target.substr(0, dot), target.substr(dot + 1));
            if (app_.ended) return std::nullopt;
            continue;
        }
        const size_t textAt = rest.find_first_of(" \t");
        std::string text;
        try {
            text = textAt == std::string_view::npos ? std::string() : argumentText(trimLeft(rest.substr(textAt)));
        } catch (const BadLine&) {
            stop(at);
            return std::nullopt;
        }
        app_.forms.setText(s, c, text);
        app_.recorder.typedInto(target.substr(0, dot), target.substr(dot + 1), text);
    }
    if (!stopped_ && wait) stop(lines_.size());  // the file ends at a wait: the user answers
    if (!wait && !stopped_) stopLine_ = 0;
    return std::nullopt;
}

}  // namespace cfhx
