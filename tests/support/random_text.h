// Random texts for the robustness tests: what a user hammering the
// keyboard might type into a field.
#pragma once

#include <random>
#include <span>
#include <string>

namespace cfhx::testing {

// From `fewest` to `most` pieces drawn from `pieces`, joined.
inline std::string randomText(std::mt19937& rng, std::span<const char* const> pieces, int fewest, int most) {
    std::string s;
    const int n = fewest + static_cast<int>(rng() % static_cast<unsigned>(most - fewest + 1));
    for (int i = 0; i < n; ++i) s += pieces[rng() % pieces.size()];
    return s;
}

}  // namespace cfhx::testing
