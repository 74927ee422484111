// The plot of a parameter study: a PNG of the fixed size with the lines
// drawn, for one and for two varied fields.
#include <QColor>
#include <QImage>
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "platform/qt/sweep_plot.h"
#include "platform/script/sweep_command.h"
#include "support/sweep_files.h"

namespace cfhx {
namespace {

using testing::SweepFiles;

TEST(SweepPlot, WritesAPngOfTheFixedSize) {
    struct Case {
        const char* name;
        std::vector<std::string> vary;  // each after a --vary
        const char* y;                  // --y, or empty for none
        size_t rows;                    // CSV lines with the header
        const char* columns;            // the CSV header
        int colouredAtLeast;            // pixels of the lines
    };
    const Case kCases[] = {
        {"five tube lengths, Q and Tto", {"FORM5.EDIT157=1000:3000:500"}, "Q,Tto", 6, "FORM5.EDIT157,status,Q,Tto", 2000},
        {"Q by default", {"FORM5.EDIT157=1000:3000:1000"}, "", 4,
         "FORM5.EDIT157,status,Q,Tto,Tso,KI,Ai,Pt,Ps", 1000},
        {"a line per tube inlet, one of them stopped", {"FORM5.EDIT157=1000:3000:1000", "FORM5.EDIT130=200:300:50"},
         "Q", 10, "FORM5.EDIT157,FORM5.EDIT130,status,Q", 2000},
    };
    SweepFiles files;
    int argc = 1;
    char name[] = "cfhx";
    char* argv[] = {name, nullptr};
    const auto plotter = qt::sweepPlotter(argc, argv);
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        const std::string csv = files.path("out.csv"), png = files.path("out.png");
        std::filesystem::remove(png);
        std::vector<std::string> args = {files.gasCase(), "--csv", csv, "--plot", png};
        for (const std::string& v : c.vary) args.insert(args.end(), {"--vary", v});
        if (*c.y) args.insert(args.end(), {"--y", c.y});
        std::ostringstream out, err;
        ASSERT_EQ(sweepCommand(args, out, err, plotter.get()), kSweepWritten) << err.str();
        const auto rows = SweepFiles::readCsv(csv);
        ASSERT_EQ(rows.size(), c.rows);
        std::string header;
        for (const std::string& f : rows[0]) header += (header.empty() ? "" : ",") + f;
        EXPECT_EQ(header, c.columns);

        QImage image(QString::fromStdString(png));
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.width(), 1200);
        EXPECT_EQ(image.height(), 800);
        // Axes and titles are grey; the lines are in colour, and run across
        // the plot (a legend marker alone is a small square).
        int coloured = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) coloured += QColor(image.pixel(x, y)).hsvSaturation() > 100;
        }
        EXPECT_GT(coloured, c.colouredAtLeast);
    }
}

TEST(SweepPlot, ReportsAnUnwritableFile) {
    SweepFiles files;
    int argc = 1;
    char name[] = "cfhx";
    char* argv[] = {name, nullptr};
    const auto plotter = qt::sweepPlotter(argc, argv);
    std::ostringstream out, err;
    const int status = sweepCommand({files.gasCase(), "--vary", "FORM5.EDIT157=1000:2000:1000", "--csv",
                                     files.path("out.csv"), "--plot", files.path("none/out.png")},
                                    out, err, plotter.get());
    EXPECT_EQ(status, kSweepCannotRead);
    EXPECT_NE(err.str().find("cannot write the plot"), std::string::npos) << err.str();
    EXPECT_TRUE(std::filesystem::exists(files.path("out.csv"))) << "the CSV is written before the plot";
}

}  // namespace
}  // namespace cfhx
