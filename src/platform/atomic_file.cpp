#include "platform/atomic_file.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <mutex>

namespace cfhx {
namespace {

// Temporaries open right now, for the signal handler: fixed storage, no
// allocation, read with atomics only.
constexpr size_t kSlots = 16;
constexpr size_t kPathBytes = 4096;
enum SlotState : int { kFree, kFilling, kHeld };
struct Slot {
    std::atomic<int> state{kFree};
    char path[kPathBytes];
};
std::array<Slot, kSlots> slots;

constexpr int kEndingSignals[] = {SIGINT, SIGTERM, SIGHUP};

extern "C" void removeTemporariesAndEnd(int sig) {
    for (Slot& s : slots) {
        if (s.state.load() == kHeld) ::unlink(s.path);
    }
    ::signal(sig, SIG_DFL);
    ::raise(sig);
}

int claimSlot(const std::string& path) {
    if (path.size() >= kPathBytes) return -1;
    for (size_t i = 0; i < kSlots; ++i) {
        Slot& s = slots[i];
        int expected = kFree;
        if (!s.state.compare_exchange_strong(expected, kFilling)) continue;
        std::memcpy(s.path, path.c_str(), path.size() + 1);
        s.state.store(kHeld);
        return static_cast<int>(i);
    }
    return -1;
}

void releaseSlot(int slot) {
    if (slot >= 0) slots[static_cast<size_t>(slot)].state.store(kFree);
}

std::string reason(int err) { return std::strerror(err); }

// The mode a new file gets: what umask leaves of rw for everyone.
mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

void guardOutputSignals() {
    static std::once_flag once;
    std::call_once(once, [] {
        for (int sig : kEndingSignals) {
            struct sigaction old{};
            ::sigaction(sig, nullptr, &old);
            if (old.sa_handler == SIG_IGN) continue;  // left ignored, as the caller asked (nohup)
            struct sigaction act{};
            act.sa_handler = removeTemporariesAndEnd;
            sigemptyset(&act.sa_mask);
            ::sigaction(sig, &act, nullptr);
        }
        ::signal(SIGXFSZ, SIG_IGN);
    });
}

AtomicFile::AtomicFile(std::string target) : target_(std::move(target)) {
    guardOutputSignals();
    namespace fs = std::filesystem;
    const fs::path path(target_);
    std::error_code ec;
    if (fs::is_directory(path, ec)) {
        error_ = "it is a folder";
        return;
    }
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    std::string name = (folder / ("." + path.filename().string() + ".XXXXXX")).string();
    fd_ = ::mkstemp(name.data());
    if (fd_ < 0) {
        error_ = reason(errno);
        return;
    }
    temporary_ = name;
    slot_ = claimSlot(temporary_);
}

AtomicFile::~AtomicFile() { discard(); }

void AtomicFile::discard() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!committed_ && !temporary_.empty()) ::unlink(temporary_.c_str());
    releaseSlot(slot_);
    slot_ = -1;
}

bool AtomicFile::write(std::string_view bytes) {
    if (!ok()) return false;
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            error_ = reason(n < 0 ? errno : EIO);
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

bool AtomicFile::commit() {
    if (!ok()) return false;
    // What a writer by path wrote is in the file; its size is checked by
    // the flush below like the rest.
    struct stat existing{};
    const mode_t mode = ::stat(target_.c_str(), &existing) == 0 ? (existing.st_mode & 07777) : newFileMode();
    if (::fchmod(fd_, mode) != 0 || ::fsync(fd_) != 0) {
        error_ = reason(errno);
        discard();
        return false;
    }
    const int closed = ::close(fd_);
    fd_ = -1;
    if (closed != 0) {
        error_ = reason(errno);
        discard();
        return false;
    }
    if (::rename(temporary_.c_str(), target_.c_str()) != 0) {
        error_ = reason(errno);
        discard();
        return false;
    }
    committed_ = true;
    releaseSlot(slot_);
    slot_ = -1;
    // The rename itself reaches the disk with the folder's entry.
    const std::filesystem::path folder = std::filesystem::path(target_).parent_path();
    const int dir = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

bool writeFileAtomically(const std::string& path, std::string_view bytes, std::string& error) {
    AtomicFile file(path);
    if (file.write(bytes) && file.commit()) return true;
    error = path + ": " + file.error();
    return false;
}

}  // namespace cfhx
