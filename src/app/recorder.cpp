#include "app/recorder.h"

namespace cfhx {

std::string Recorder::argument(std::string_view text) {
    const bool plain = text.empty() || (text.front() != ' ' && text.front() != '\t' && text.front() != '"' &&
                                        text.back() != ' ' && text.back() != '\t' && text.back() != '\r');
    if (plain) return std::string(text);
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

void Recorder::flush() {
    for (const auto& [field, text] : pending_) {
        std::string line = "set " + field;
        if (!text.empty()) line += " " + argument(text);
        lines_.push_back(std::move(line));
    }
    pending_.clear();
}

void Recorder::changed() {
    ++changes_;
    if (onChange) onChange();
}

void Recorder::click(std::string_view screen, std::string_view control) {
    flush();
    lines_.push_back("click " + std::string(screen) + "." + std::string(control));
    changed();
}

void Recorder::typedInto(std::string_view screen, std::string_view control, std::string_view text) {
    const std::string field = std::string(screen) + "." + std::string(control);
    for (auto& [f, t] : pending_) {
        if (f == field) {
            t = std::string(text);
            changed();
            return;
        }
    }
    pending_.emplace_back(field, std::string(text));
    changed();
}

void Recorder::typed(std::string_view line) {
    flush();
    // A typed line keeps its blanks; "type" with nothing after it is an empty answer.
    lines_.push_back(line.empty() ? std::string("type") : "type " + argument(line));
    changed();
}

void Recorder::continued() {
    flush();
    lines_.push_back("continue");
    changed();
}

void Recorder::answered(bool yes) {
    flush();
    lines_.push_back(yes ? "yes" : "no");
    changed();
}

std::string Recorder::script() const {
    std::string out;
    for (const std::string& l : lines_) out += l + "\n";
    for (const auto& [field, text] : pending_) {
        out += "set " + field;
        if (!text.empty()) out += " " + argument(text);
        out += "\n";
    }
    return out;
}

void Recorder::clear() {
    lines_.clear();
    pending_.clear();
    changed();
}

}  // namespace cfhx
