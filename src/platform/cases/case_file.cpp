#include "platform/cases/case_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace cfhx {

CaseFile readCaseFile(const std::string& path, std::string& text, std::string& reason) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (fs::is_directory(fs::path(path), ec)) {
        reason = "it is a folder";
        return CaseFile::CannotRead;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        reason = std::strerror(errno);
        return CaseFile::CannotOpen;
    }
    // One byte past the bound tells a file that is too large, whatever its
    // size claims (a pipe or a device says none).
    std::string bytes(kCaseMaxBytes + 1, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad()) {
        reason = "a read error";
        return CaseFile::CannotRead;
    }
    bytes.resize(static_cast<size_t>(in.gcount()));
    if (bytes.size() > kCaseMaxBytes) {
        reason = "larger than " + std::to_string(kCaseMaxBytes / (1024 * 1024)) + " MB: not a saved case";
        return CaseFile::CannotRead;
    }
    text = std::move(bytes);
    return CaseFile::Read;
}

}  // namespace cfhx
