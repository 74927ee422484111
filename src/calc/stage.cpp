#include "calc/stage.h"

namespace cfhx::calc {

std::string lineOf(std::string_view text, std::initializer_list<double> values) {
    static constexpr std::string_view kPlace = "{}";
    std::string out;
    const double* next = values.begin();
    size_t from = 0;
    for (size_t at = text.find(kPlace); at != std::string_view::npos && next != values.end();
         at = text.find(kPlace, from)) {
        out += text.substr(from, at - from);
        out += freeNumber(*next++);
        from = at + kPlace.size();
    }
    out += text.substr(from);
    for (; next != values.end(); ++next) out += freeNumber(*next);
    return out;
}

}  // namespace cfhx::calc
