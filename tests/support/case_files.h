// Saved cases for the windows' tests: the reviewed scripts, cut at the
// result's menu so that a test answers it, and written where a test opens
// them.
#pragma once

#include <QString>
#include <filesystem>
#include <fstream>
#include <string>

#include "support/files.h"

namespace cfhx::testing {

inline std::string reviewedCase(const std::string& name) {
    return readFile(std::filesystem::path(CFHX_SCRIPTS_DIR) / (name + ".cfhx"));
}

// The case up to the menu after its result (its closing "type 4" left off).
inline std::string untilMenu(const std::string& script) {
    const size_t at = script.rfind("type 4");
    return at == std::string::npos ? script : script.substr(0, at);
}

inline void writeFile(const QString& path, const std::string& text) {
    std::ofstream(path.toStdString(), std::ios::binary) << text;
}

}  // namespace cfhx::testing
