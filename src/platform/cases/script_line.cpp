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
