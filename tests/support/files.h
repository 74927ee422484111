// A file's bytes, for tests that compare with reviewed files.
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace cfhx::testing {

inline std::string readFile(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace cfhx::testing
