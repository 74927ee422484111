// Parameter studies: the grid, the CSV rows, stopped runs, the workers and
// the arguments refused.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "platform/cases/case_run.h"
#include "platform/script/sweep_command.h"
#include "platform/cases/table_quantities.h"
#include "support/case_scripts.h"
#include "support/sweep_files.h"

namespace cfhx {
namespace {

using testing::SweepFiles;

// The number printed after "NAME=" on a result page.
std::string printedAfter(const std::string& page, const std::string& name) {
    size_t at = page.find(name + "=");
    if (at == std::string::npos) return "";
    at = page.find_first_not_of(' ', at + name.size() + 1);
    const size_t end = page.find_first_of(" \xe2", at);  // a blank or a box rule
    return page.substr(at, end - at);
}

TEST(Sweep, WritesOneRowPerRunInGridOrder) {
    struct Case {
        const char* name;
        const char* vary;
        std::vector<const char*> inputs;  // the first column
        const char* results;  // per row: "+" a result, "-" stopped with `stop`, "x" with another message
        const char* stop;
        int trend;  // Q over the rows with a result: +1 rising, -1 falling, 0 not checked
    };
    const Case kCases[] = {
        {"five tube lengths", "FORM5.EDIT157=1000:3000:500", {"1000", "1500", "2000", "2500", "3000"}, "+++++", "", +1},
        {"the middle tube inlet equals the shell inlet: it stops, the sweep goes on", "FORM5.EDIT130=150:250:50",
         {"150", "200", "250"}, "+-+", "計算不能", 0},
        {"negative lengths stop", "FORM5.EDIT157=-500:500:250", {"-500", "-250", "0", "250", "500"}, "--x++",
         "負の値", +1},
        {"a descending range", "FORM5.EDIT157=3000:1000:-1000", {"3000", "2000", "1000"}, "+++", "", -1},
        {"TO less than half a step past the last value", "FORM5.EDIT157=1000:1240:100", {"1000", "1100", "1200"},
         "+++", "", +1},
        {"TO within half a step before the next value", "FORM5.EDIT157=1000:1260:100",
         {"1000", "1100", "1200", "1300"}, "++++", "", +1},
        {"decimals kept as typed", "FORM5.EDIT157=1000.0:1001:0.5", {"1000.0", "1000.5", "1001.0"}, "+++", "", +1},
    };
    SweepFiles files;
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        std::ostringstream out, err;
        const std::string csv = files.path("out.csv");
        const int status = sweepCommand({files.gasCase(), "--vary", c.vary, "--csv", csv}, out, err, nullptr);
        ASSERT_EQ(status, kSweepWritten) << err.str();
        const std::string runs = std::to_string(c.inputs.size());
        EXPECT_NE(err.str().find("\rsweep: " + runs + "/" + runs + "\n"), std::string::npos) << err.str();
        const auto rows = SweepFiles::readCsv(csv);
        ASSERT_EQ(rows.size(), c.inputs.size() + 1);
        const std::string column(c.vary, std::string_view(c.vary).find('='));
        EXPECT_EQ(rows[0], (std::vector<std::string>{column, "status", "Q", "Tto", "Tso", "KI", "Ai", "Pt", "Ps"}));
        double lastQ = NAN;
        for (size_t i = 0; i < c.inputs.size(); ++i) {
            SCOPED_TRACE(c.inputs[i]);
            const auto& row = rows[i + 1];
            ASSERT_EQ(row.size(), 9u);
            EXPECT_EQ(row[0], c.inputs[i]);
            const bool result = c.results[i] == '+';
            if (!result) {
                if (c.results[i] == '-') {
                    EXPECT_NE(row[1].find(c.stop), std::string::npos) << row[1];
                }
                EXPECT_NE(row[1], "ok");
                EXPECT_NE(row[1], "");
                for (size_t k = 2; k < row.size(); ++k) EXPECT_EQ(row[k], "");
                continue;
            }
            EXPECT_EQ(row[1], "ok");
            for (size_t k = 2; k < row.size(); ++k) EXPECT_NE(row[k], "");
            const double q = std::stod(row[2]);
            if (c.trend != 0 && !std::isnan(lastQ)) {
                EXPECT_GT(c.trend * (q - lastQ), 0.0) << lastQ << " then " << q;
            }
            lastQ = q;
        }
    }
}

TEST(Sweep, CollectsWhatTheResultTablePrints) {
    struct Case {
        const char* name;
        const char* script;
        const char* length;  // typed into FORM5.EDIT157; empty: as the case has it
    };
    const Case kCases[] = {
        {"gas/gas", testing::kGasCase, ""},
        {"gas/gas, a longer tube", testing::kGasCase, "2700"},
        {"water/condensing humid gas", testing::kLatentCase, ""},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        std::vector<FieldValue> overrides;
        if (*c.length) overrides.push_back({.screen = "FORM5", .control = "EDIT157", .text = c.length});
        const CaseResult r = runCase(c.script, overrides, "07/03/05");
        ASSERT_EQ(r.status, kCaseResult) << r.transcript;
        const std::vector<TableQuantity> quantities = tableQuantities(*r.record);
        for (const char* name : {"Q", "Tto", "Tso", "KI", "Ai"}) {
            SCOPED_TRACE(name);
            auto q = std::find_if(quantities.begin(), quantities.end(), [&](const TableQuantity& t) { return t.name == name; });
            ASSERT_NE(q, quantities.end());
            EXPECT_EQ(q->text, printedAfter(r.resultPage, name));
        }
    }
}

TEST(Sweep, AnyNumberOfWorkersGivesTheSameRows) {
    const std::vector<SweepInput> inputs = {
        {.screen = "FORM5", .control = "EDIT157", .values = {"-800", "1200", "2400"}},
        {.screen = "FORM5", .control = "EDIT158", .values = {"1", "2"}},
    };
    const std::vector<std::string> quantities = {"Q", "KI", "Pt"};
    std::vector<size_t> counts;
    const std::vector<SweepRun> one = runSweep(testing::kGasCase, inputs, quantities, 1,
                                               [&](size_t done, size_t total) { counts.push_back(done * 100 + total); });
    EXPECT_EQ(counts, (std::vector<size_t>{106, 206, 306, 406, 506, 606}));
    for (unsigned workers : {2u, 4u, 0u}) {
        SCOPED_TRACE(workers);
        const std::vector<SweepRun> many = runSweep(testing::kGasCase, inputs, quantities, workers);
        ASSERT_EQ(many.size(), 6u);
        for (size_t i = 0; i < many.size(); ++i) {
            EXPECT_EQ(many[i].inputs, one[i].inputs);
            EXPECT_EQ(many[i].status, one[i].status);
            EXPECT_EQ(many[i].cells, one[i].cells);
        }
    }
    EXPECT_EQ(one[2].inputs, (std::vector<std::string>{"1200", "1"}));
    EXPECT_FALSE(one[0].ok);
}

TEST(Sweep, ChartHasALinePerSecondValueAndQuantity) {
    auto run = [](std::vector<std::string> in, bool ok, double q, double tto) {
        return SweepRun{.inputs = std::move(in), .ok = ok, .status = ok ? "ok" : "stopped",
                        .cells = {}, .values = {q, tto}, .units = {"kcal/h", "℃"}};
    };
    struct Case {
        const char* name;
        std::vector<SweepInput> inputs;
        std::vector<SweepRun> runs;
        std::vector<std::string> plotted;
        std::vector<std::string> axes;
        std::vector<std::string> labels;
        std::vector<size_t> points;  // per line
    };
    const Case kCases[] = {
        {"one input, a stopped run left out",
         {{.screen = "FORM5", .control = "EDIT157", .values = {"1", "2", "3"}}},
         {run({"1"}, true, 10, 50), run({"2"}, false, NAN, NAN), run({"3"}, true, 30, 70)},
         {"Tto", "Q"}, {"Tto (℃)", "Q (kcal/h)"}, {"Tto", "Q"}, {2, 2}},
        {"two inputs",
         {{.screen = "FORM5", .control = "EDIT157", .values = {"1", "2"}},
          {.screen = "FORM5", .control = "EDIT158", .values = {"7", "8"}}},
         {run({"1", "7"}, true, 1, 2), run({"1", "8"}, true, 3, 4), run({"2", "7"}, true, 5, 6),
          run({"2", "8"}, true, 7, 8)},
         {"Q"}, {"Q (kcal/h)"}, {"Q, FORM5.EDIT158=7", "Q, FORM5.EDIT158=8"}, {2, 2}},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        const SweepChart chart = sweepChart(c.inputs, {"Q", "Tto"}, c.plotted, c.runs);
        EXPECT_EQ(chart.xTitle, "FORM5.EDIT157");
        EXPECT_EQ(chart.quantities, c.axes);
        ASSERT_EQ(chart.lines.size(), c.labels.size());
        for (size_t i = 0; i < chart.lines.size(); ++i) {
            EXPECT_EQ(chart.lines[i].label, c.labels[i]);
            EXPECT_EQ(chart.lines[i].x.size(), c.points[i]);
        }
    }
    // The second value's line holds the runs of that value: Q 3 and 7.
    const SweepChart two = sweepChart(kCases[1].inputs, {"Q", "Tto"}, {"Q"}, kCases[1].runs);
    EXPECT_EQ(two.lines[1].y, (std::vector<double>{3, 7}));
    EXPECT_EQ(two.lines[1].x, (std::vector<double>{1, 2}));
}

TEST(Sweep, RefusesBadArguments) {
    SweepFiles files;
    const std::string gas = files.gasCase(), csv = files.path("out.csv");
    const std::string len = "FORM5.EDIT157=1000:2000:500";
    struct Case {
        const char* name;
        std::vector<std::string> args;
        int status;
        const char* says;
    };
    const Case kCases[] = {
        {"zero step", {gas, "--vary", "FORM5.EDIT157=500:1000:0", "--csv", csv}, 2, "STEP must not be 0"},
        {"step of the wrong sign", {gas, "--vary", "FORM5.EDIT157=1000:500:100", "--csv", csv}, 2, "wrong sign"},
        {"three --vary",
         {gas, "--vary", len, "--vary", "FORM5.EDIT158=1:2:1", "--vary", "FORM5.EDIT159=1:2:1", "--csv", csv}, 2,
         "at most two --vary"},
        {"no --vary", {gas, "--csv", csv}, 2, "--vary is required"},
        {"too many values", {gas, "--vary", "FORM5.EDIT157=0:20000:1", "--csv", csv}, 2, "more than 10000"},
        {"too many runs", {gas, "--vary", "FORM5.EDIT157=0:200:1", "--vary", "FORM5.EDIT158=0:200:1", "--csv", csv}, 2,
         "40401 runs"},
        {"not a range", {gas, "--vary", "FORM5.EDIT157=1000:2000", "--csv", csv}, 2, "FROM:TO:STEP"},
        {"not a number", {gas, "--vary", "FORM5.EDIT157=1000:2k:5", "--csv", csv}, 2, "must be numbers"},
        {"no such control", {gas, "--vary", "FORM5.EDIT999=1:2:1", "--csv", csv}, 2, "no control FORM5.EDIT999"},
        {"a button", {gas, "--vary", "FORM5.BUTTON53=1:2:1", "--csv", csv}, 2, "not an entry field"},
        {"the same field twice", {gas, "--vary", len, "--vary", len, "--csv", csv}, 2, "varied twice"},
        {"no --csv", {gas, "--vary", len}, 2, "--csv is required"},
        {"--plot without the windows", {gas, "--vary", len, "--csv", csv, "--plot", files.path("p.png")}, 2,
         "windows build"},
        {"an unknown quantity", {gas, "--vary", len, "--csv", csv, "--y", "Q,Qx"}, 2, "no quantity \"Qx\""},
        {"an unknown option", {gas, "--vary", len, "--csv", csv, "--jobs", "2"}, 2, "unexpected arguments: \"--jobs\" \"2\""},
        {"an option without its value", {gas, "--vary", len, "--csv"}, 2, "--csv: 1 required FILE missing"},
        {"no case", {"--vary", len, "--csv", csv}, 2, "CASE is required"},
        {"a missing case", {files.path("none.cfhx"), "--vary", len, "--csv", csv}, 1, "cannot open the case"},
        {"a folder as the case", {files.path(""), "--vary", len, "--csv", csv}, 1, "it is a folder"},
        {"a CSV in a missing folder", {gas, "--vary", len, "--csv", files.path("no/out.csv")}, 1, "cannot write"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(csv);
        std::ostringstream out, err;
        EXPECT_EQ(sweepCommand(c.args, out, err, nullptr), c.status);
        EXPECT_NE(err.str().find(c.says), std::string::npos) << err.str();
        EXPECT_FALSE(std::filesystem::exists(csv)) << "nothing runs before the arguments are good";
    }
}

TEST(Sweep, QuotesCsvFieldsThatNeedIt) {
    struct Case {
        const char* text;
        const char* field;
    };
    const Case kCases[] = {
        {"ok", "ok"},
        {"管長さが負の値です", "管長さが負の値です"},
        {"a, b", "\"a, b\""},
        {"TL=\"0\"", "\"TL=\"\"0\"\"\""},
        {"two\nlines", "\"two\nlines\""},
        {"", ""},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(csvField(c.text), c.field);
    }
}

}  // namespace
}  // namespace cfhx
