// The pieces of a script line shared by the driver and the replay of a
// saved session: blanks trimmed, the argument of set and type.
#pragma once

#include <string>
#include <string_view>

namespace cfhx {

std::string_view trimRight(std::string_view s);
std::string_view trimLeft(std::string_view s);

// A line that is not a valid action; the message says why.
struct BadLine {
    std::string message;
};

// `text` in double quotes for a message: control bytes and bytes that are
// not UTF-8 shown as \xNN, a quote as \", at most `maxChars` characters
// (then "..."), so that a line of a binary file cannot garble a terminal.
std::string quote(std::string_view text, size_t maxChars = 60);

// The argument text of set and type: the rest of the line, or a
// double-quoted text that keeps its blanks ("" inside for a quote).
std::string argumentText(std::string_view rest);

}  // namespace cfhx
