// Which command lines cfhx hands to cfhx-qt, and how cfhx-qt is found.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/qt_program.h"

namespace cfhx {
namespace {

namespace fs = std::filesystem;

TEST(QtProgram, TakesTheWindowsAndWhatDrawsWithQt) {
    struct Case {
        const char* name;
        std::vector<std::string_view> args;
        bool qt;
    };
    const Case kCases[] = {
        {.name = "no arguments: the windows", .args = {}, .qt = true},
        {.name = "Qt's own options", .args = {"-platform", "offscreen"}, .qt = true},
        {.name = "an unknown word", .args = {"case.cfhx"}, .qt = true},
        {.name = "a script", .args = {"--script", "s.cfhx", "--date", "07/03/05"}, .qt = false},
        {.name = "a script from stdin", .args = {"--script", "-"}, .qt = false},
        {.name = "a script with prints", .args = {"--script", "s.cfhx", "--out", "d"}, .qt = true},
        {.name = "a run", .args = {"run", "c.cfhx", "--json", "r.json", "--mode", "E"}, .qt = false},
        {.name = "a run with its sheet", .args = {"run", "c.cfhx", "--out", "d"}, .qt = true},
        {.name = "a sweep", .args = {"sweep", "c.cfhx", "--vary", "F.E=1:2:1", "--csv", "a.csv"}, .qt = false},
        {.name = "a sweep with --out is no plot", .args = {"sweep", "c.cfhx", "--out", "d"}, .qt = false},
        {.name = "a plotted sweep", .args = {"sweep", "c.cfhx", "--csv", "a.csv", "--plot", "p.png"}, .qt = true},
        {.name = "props", .args = {"props", "water", "20", "--out"}, .qt = false},
        {.name = "help", .args = {"--help"}, .qt = false},
        {.name = "short help", .args = {"-h"}, .qt = false},
        {.name = "a sheet folder after an equals sign", .args = {"run", "c.cfhx", "--out=d"}, .qt = true},
        {.name = "a plot after an equals sign", .args = {"sweep", "c.cfhx", "--plot=p.png"}, .qt = true},
        {.name = "an option that only starts like --out", .args = {"run", "c.cfhx", "--outdir"}, .qt = false},
        {.name = "the windows' language", .args = {"--lang", "en"}, .qt = true},
        {.name = "the language after an equals sign", .args = {"--lang=en", "c.cfhx"}, .qt = true},
        {.name = "an unknown option is refused without Qt", .args = {"--frob"}, .qt = false},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(needsQt(c.args), c.qt);
    }
}

TEST(QtProgram, IsTheFirstCandidateThatRuns) {
    const fs::path dir = fs::temp_directory_path() / ("cfhx-qt-program-" + std::to_string(::getpid()));
    fs::create_directories(dir / "folder");
    auto file = [&](const char* name, fs::perms perms) {
        const fs::path p = dir / name;
        std::ofstream(p) << "#!/bin/sh\n";
        fs::permissions(p, perms);
        return p.string();
    };
    const std::string plain = file("plain", fs::perms::owner_read | fs::perms::owner_write);
    const std::string runs = file("runs", fs::perms::owner_all);
    const std::string alsoRuns = file("also-runs", fs::perms::owner_all);
    const std::string missing = (dir / "missing").string();
    const std::string folder = (dir / "folder").string();
    EXPECT_EQ(findQtProgram({missing, folder, plain, runs, alsoRuns}), runs);
    EXPECT_EQ(findQtProgram({alsoRuns, runs}), alsoRuns);
    EXPECT_EQ(findQtProgram({missing, folder, plain}), std::nullopt);
    fs::remove_all(dir);
}

}  // namespace
}  // namespace cfhx
