// Output files that are never half-written: the bytes go to a temporary
// file in the target's folder, are flushed to the disk and renamed over the
// target only when complete. On any failure the old file stays as it was
// and the temporary is removed.
#pragma once

#include <string>
#include <string_view>

namespace cfhx {

// A temporary file beside `target`, made when constructed. Write into it by
// path (a PDF or image writer that wants a file name) or with write(); then
// commit(). Destroyed without a commit, the temporary is removed.
class AtomicFile {
public:
    explicit AtomicFile(std::string target);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // False, with the reason in error(), when the temporary cannot be made.
    bool ok() const { return error_.empty(); }
    const std::string& error() const { return error_; }
    const std::string& target() const { return target_; }
    const std::string& temporaryPath() const { return temporary_; }

    // Appends to the temporary; false with the reason in error().
    bool write(std::string_view bytes);
    // Flushes the temporary to the disk and renames it over the target,
    // keeping the mode of a target that exists; false with the reason.
    bool commit();

private:
    void discard();

    std::string target_;
    std::string temporary_;
    std::string error_;
    int fd_ = -1;
    int slot_ = -1;  // in the list removed when a signal ends the program
    bool committed_ = false;
};

// The whole of `bytes` as `path`; false with "PATH: reason" in `error`.
bool writeFileAtomically(const std::string& path, std::string_view bytes, std::string& error);

// Installs the handlers that remove the temporaries still open when
// SIGINT, SIGTERM or SIGHUP ends the program (then ending it as the signal
// would), and ignores SIGXFSZ so that a write past the file-size limit
// fails instead of killing the program. Called by the first AtomicFile.
void guardOutputSignals();

}  // namespace cfhx
