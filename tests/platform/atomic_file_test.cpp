#include "platform/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "support/files.h"

namespace cfhx {
namespace {

namespace fs = std::filesystem;

// Each case in a folder of its own: what is there before, what is written,
// and what the folder must hold after.
TEST(AtomicFile, ReplacesOnlyAWholeFile) {
    struct Case {
        const char* name;
        const char* before;   // the target's bytes before; nullptr: no file
        mode_t mode;          // of the file before
        const char* target;   // relative to the case's folder
        bool commit;          // false: given up before the rename
        bool written;
        const char* error;    // part of the reason when not written
    };
    const Case kCases[] = {
        {"a new file", nullptr, 0, "out.csv", true, true, ""},
        {"a file replaced keeps its mode", "old", 0640, "out.csv", true, true, ""},
        {"given up: the old file stays", "old", 0644, "out.csv", false, false, ""},
        {"a missing folder", nullptr, 0, "no/out.csv", true, false, "No such file or directory"},
        {"a folder as the target", nullptr, 0, ".", true, false, "it is a folder"},
    };
    const fs::path top = fs::temp_directory_path() / ("cfhx-atomic-" + std::to_string(::getpid()));
    const mode_t mask = ::umask(022);
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        const fs::path dir = top / c.name;
        fs::create_directories(dir);
        const fs::path target = dir / c.target;
        if (c.before) {
            std::ofstream(target) << c.before;
            fs::permissions(target, fs::perms(c.mode));
        }
        {
            AtomicFile f(target.string());
            const bool done = f.write("new bytes\n") && (c.commit ? f.commit() : false);
            EXPECT_EQ(done, c.written) << f.error();
            if (!c.written && *c.error) {
                EXPECT_NE(f.error().find(c.error), std::string::npos) << f.error();
            }
        }
        if (c.written) {
            EXPECT_EQ(testing::readFile(target), "new bytes\n");
            struct stat st{};
            ASSERT_EQ(::stat(target.c_str(), &st), 0);
            EXPECT_EQ(st.st_mode & 0777, c.before ? c.mode : 0644u);
        } else if (c.before) {
            EXPECT_EQ(testing::readFile(target), c.before);
        }
        // Nothing else is left in the folder: no temporary beside the target.
        size_t entries = 0;
        for (const auto& e : fs::directory_iterator(dir)) entries += e.path() != target;
        EXPECT_EQ(entries, 0u);
    }
    ::umask(mask);
    fs::remove_all(top);
}

}  // namespace
}  // namespace cfhx
