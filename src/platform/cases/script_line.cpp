#include "platform/cases/script_line.h"

namespace cfhx {

std::string_view trimRight(std::string_view s) {
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

std::string_view trimLeft(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    return s;
}

namespace {

// Length of the UTF-8 sequence at the start of `s`, 0 when it is not one
// (a stray continuation byte, an overlong or cut sequence, a surrogate).
size_t utf8Length(std::string_view s) {
    const auto b = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = b(0);
    size_t n = 0;
    unsigned min = 0;
    if (lead >= 0xC2 && lead <= 0xDF) n = 2, min = 0x80;
    else if (lead >= 0xE0 && lead <= 0xEF) n = 3, min = 0x800;
    else if (lead >= 0xF0 && lead <= 0xF4) n = 4, min = 0x10000;
    else return 0;
    if (s.size() < n) return 0;
    unsigned code = lead & (0x7F >> n);
    for (size_t i = 1; i < n; ++i) {
        if ((b(i) & 0xC0) != 0x80) return 0;
        code = (code << 6) | (b(i) & 0x3F);
    }
    if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
    return n;
}

}  // namespace

std::string quote(std::string_view text, size_t maxChars) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out = "\"";
    size_t chars = 0;
    while (!text.empty()) {
        if (chars == maxChars) {
            out += "...";
            break;
        }
        const unsigned char c = static_cast<unsigned char>(text.front());
        size_t n = 1;
        if (c >= 0x80) n = utf8Length(text);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
        } else if (n > 1) {
            out.append(text.substr(0, n));
        } else {
            out += "\\x";
            out += kHex[c >> 4];
            out += kHex[c & 0xF];
            n = 1;
        }
        text.remove_prefix(n);
        ++chars;
    }
    out += '"';
    return out;
}

std::string argumentText(std::string_view rest) {
    rest = trimRight(rest);
    if (rest.size() >= 2 && rest.front() == '"' && rest.back() == '"') {
        std::string out;
        std::string_view inner = rest.substr(1, rest.size() - 2);
        for (size_t i = 0; i < inner.size(); ++i) {
            if (inner[i] == '"') {
                if (i + 1 < inner.size() && inner[i + 1] == '"') {
                    out.push_back('"');
                    ++i;
                    continue;
                }
                throw BadLine{"a quote inside a quoted text must be doubled"};
            }
            out.push_back(inner[i]);
        }
        return out;
    }
    return std::string(rest);
}

}  // namespace cfhx
