// Notices a numeric routine leaves for the dialogue that called it: a
// property outside its fitted range, a pitch ratio to correct. The caller
// prints them, in order, right after the call.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace cfhx::calc {

struct Notes {
    std::vector<std::string> lines;
    void add(std::string_view line) { lines.emplace_back(line); }
};

}  // namespace cfhx::calc
