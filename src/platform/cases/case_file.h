// Reading a saved case for the commands that run one: the whole file, at
// most kCaseMaxBytes (a case is a few kilobytes of script lines; a large
// file is not a case, and a sweep would hold it for every run).
#pragma once

#include <cstddef>
#include <string>

namespace cfhx {

inline constexpr size_t kCaseMaxBytes = size_t{1} << 20;

enum class CaseFile { Read, CannotOpen, CannotRead };

// The file's bytes into `text`; otherwise why in `reason` ("it is a folder",
// the system's reason, or the size refused).
CaseFile readCaseFile(const std::string& path, std::string& text, std::string& reason);

}  // namespace cfhx
