#include "platform/qt/settings.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QPoint>
#include <csignal>
#include <filesystem>
#include <fstream>

#include "support/files.h"

namespace cfhx::qt {
namespace {

namespace fs = std::filesystem;

// The settings saved over a kept file: in full when it fits, not at all
// when the write fails part way (a file-size limit), the old bytes kept and
// no temporary left beside them; what is saved reads back as it was set.
TEST(Settings, ReplacedWholeOrNotAtAll) {
    struct Case {
        const char* name;
        qsizetype valueBytes;  // of the new value
        rlim_t limitBytes;     // file-size limit during the save
        bool saved;
    };
    const Case kCases[] = {
        {"a save that fits", 100, RLIM_INFINITY, true},
        {"a save cut short by the file-size limit", 64 * 1024, 4096, false},
    };
    const std::string kOld = "[pane]\nfontPixels=14\n";
    const fs::path top = fs::temp_directory_path() / ("cfhx-settings-" + std::to_string(::getpid()));
    const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        const fs::path dir = top / c.name;
        fs::create_directories(dir);
        const fs::path file = dir / "cfhx.conf";
        std::ofstream(file) << kOld;
        KeptSettings settings(QString::fromStdString(file.string()));
        EXPECT_EQ(settings.value(QStringLiteral("pane/fontPixels")).toInt(), 14);
        const QByteArray geometry(c.valueBytes, '\x01');
        settings.setValue(QStringLiteral("main/geometry"), geometry);
        settings.setValue(QStringLiteral("places/FORM5"), QPoint(40, -12));
        rlimit before{};
        ::getrlimit(RLIMIT_FSIZE, &before);
        rlimit limited = before;
        limited.rlim_cur = c.limitBytes;
        ::setrlimit(RLIMIT_FSIZE, &limited);
        QString why;
        const bool saved = settings.save(why);
        ::setrlimit(RLIMIT_FSIZE, &before);
        EXPECT_EQ(saved, c.saved) << why.toStdString();
        if (c.saved) {
            const KeptSettings back(QString::fromStdString(file.string()));
            EXPECT_EQ(back.value(QStringLiteral("pane/fontPixels")).toInt(), 14);
            EXPECT_EQ(back.value(QStringLiteral("main/geometry")).toByteArray(), geometry);
            EXPECT_EQ(back.value(QStringLiteral("places/FORM5")).toPoint(), QPoint(40, -12));
            EXPECT_EQ(back.childKeys(QStringLiteral("places")), QStringList{QStringLiteral("FORM5")});
        } else {
            EXPECT_EQ(testing::readFile(file), kOld);
            EXPECT_FALSE(why.isEmpty());
        }
        size_t files = 0;
        for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir)) ++files;
        EXPECT_EQ(files, 1u) << "a temporary or lock file was left";
    }
    std::signal(SIGXFSZ, oldSignal);
    fs::remove_all(top);
}

}  // namespace
}  // namespace cfhx::qt
