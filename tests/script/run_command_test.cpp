// `cfhx run`: the samples to their tables, the JSON record against the
// printed tables of both unit systems, the exit statuses.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "platform/cases/case_run.h"
#include "platform/cases/script_player.h"
#include "platform/script/run_command.h"

namespace cfhx {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

std::string samplePath(const char* name) { return std::string(CFHX_SAMPLES_DIR) + "/" + name; }

std::string readText(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

struct Outcome {
    int status = -1;
    std::string out, err;
};

Outcome run(std::vector<std::string> args) {
    Outcome r;
    std::ostringstream out, err;
    r.status = runCommand(args, out, err);
    r.out = out.str();
    r.err = err.str();
    return r;
}

class RunCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("cfhx-run-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string path(const char* name) const { return (dir / name).string(); }
    fs::path dir;
};

// The number printed after `symbol` ("Q=", "PDt=") in a table page.
double printedAfter(const std::string& page, const std::string& symbol) {
    const size_t at = page.find(symbol);
    if (at == std::string::npos) {
        ADD_FAILURE() << symbol << " not in the table:\n" << page;
        return NAN;
    }
    size_t from = at + symbol.size();
    while (from < page.size() && (page[from] == ' ' || page[from] == '%')) ++from;
    return std::strtod(page.c_str() + from, nullptr);
}

const json* quantity(const json& record, const std::string& name) {
    for (const json& q : record.at("results")) {
        if (q.at("name") == name) return &q;
    }
    ADD_FAILURE() << name << " missing from the results";
    return nullptr;
}

TEST_F(RunCommandTest, EverySampleReachesItsTableAndRecord) {
    struct Check {
        const char* name;     // in the JSON
        const char* printed;  // before the number in the J and JSI tables
        const char* oldUnit;
        const char* siUnit;
    };
    struct Case {
        const char* sample;
        const char* tubeFluid;
        const char* shellFluid;
        std::vector<const char*> loopsRan;
        const char* idleLoop;
        const char* pressureOld;  // unit of Pt
        const char* pressureSi;
    };
    const Case kCases[] = {
        {"gas-gas-no5.cfhx", "gas", "gas", {"outlet"}, "condensing", "mmAq", "Pa"},
        {"water-gas-no5.cfhx", "water", "gas", {"outlet"}, "humidOuter", "kg/cm2", "Pa"},
        {"water-humid-shell.cfhx", "water", "humid gas", {"humidOuter", "humidRelaxation", "condensing"}, "outlet",
         "kg/cm2", "Pa"},
        {"humid-gas-tubes.cfhx", "humid gas", "gas", {"humidOuter", "humidRelaxation", "condensing"}, "vapour", "mmAq",
         "Pa"},
        {"typed-in-condensation.cfhx", "typed-in properties", "typed-in properties", {"vapour"}, "humidOuter", "mmAq",
         "Pa"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.sample);
        const std::string jsonFile = path("record.json");
        const Outcome old = run({samplePath(c.sample), "--mode", "J", "--date", "07/03/05", "--json", jsonFile});
        ASSERT_EQ(old.status, 0) << old.err;
        EXPECT_NE(old.out.find("交換熱量"), std::string::npos) << old.out;
        EXPECT_NE(old.out.find("日付(07/03/05)"), std::string::npos) << old.out;
        const Outcome si = run({samplePath(c.sample), "--mode", "JSI", "--date", "07/03/05"});
        ASSERT_EQ(si.status, 0) << si.err;

        const json record = json::parse(readText(jsonFile));
        EXPECT_EQ(record.at("status"), 0);
        EXPECT_FALSE(record.at("program").at("version").get<std::string>().empty());
        EXPECT_EQ(record.at("case").at("tubeFluid"), c.tubeFluid);
        EXPECT_EQ(record.at("case").at("shellFluid"), c.shellFluid);
        EXPECT_FALSE(record.at("inputs").empty());

        const Check kChecks[] = {
            {"Q", "Q=", "kcal/h", "W"},          {"Tti", "Tti=", "℃", "K"},
            {"Tto", "Tto=", "℃", "K"},          {"KI", "KI=", "kcal/m2hﾟc", "W/m2K"},
            {"Ai", "Ai=", "m2", "m2"},           {"Pt", "PDt=", c.pressureOld, c.pressureSi},
        };
        for (const Check& k : kChecks) {
            SCOPED_TRACE(k.name);
            const json* q = quantity(record, k.name);
            if (!q) continue;
            EXPECT_EQ(q->at("old").at("value").get<double>(), printedAfter(old.out, k.printed));
            EXPECT_EQ(q->at("si").at("value").get<double>(), printedAfter(si.out, k.printed));
            EXPECT_EQ(q->at("old").at("unit"), k.oldUnit);
            EXPECT_EQ(q->at("si").at("unit"), k.siUnit);
        }
        // The two unit systems hold the same result: K = ℃ + 273, W = 1.163 kcal/h.
        const json* Tti = quantity(record, "Tti");
        const json* Q = quantity(record, "Q");
        ASSERT_TRUE(Tti && Q);
        EXPECT_NEAR(Tti->at("si").at("value").get<double>(), Tti->at("old").at("value").get<double>() + 273.0, 0.11);
        EXPECT_NEAR(Q->at("si").at("value").get<double>(), Q->at("old").at("value").get<double>() * 1.163,
                    1e-4 * Q->at("si").at("value").get<double>() + 0.1);

        const json& passes = record.at("passes");
        for (const char* loop : c.loopsRan) EXPECT_GT(passes.at(loop).get<int>(), 0) << loop;
        EXPECT_EQ(passes.at(c.idleLoop).get<int>(), 0) << c.idleLoop;
        EXPECT_NEAR(record.at("heatBalance").at("Qt/Qk").get<double>(), 1.0, 0.01);
    }
}

// The table of another mode is the page the menu switches to in the windows.
TEST_F(RunCommandTest, TableOfAModeIsThePageTheMenuShows) {
    struct Case {
        const char* sample;
        const char* mode;
        const char* answers;  // menu answers after the result that show that table
    };
    const Case kCases[] = {
        {"gas-gas-no5.cfhx", "J", ""},
        {"gas-gas-no5.cfhx", "JSI", "type 2\n"},
        {"gas-gas-no5.cfhx", "E", "type 3\n"},
        {"water-gas-no5.cfhx", "JSI", ""},
        {"water-gas-no5.cfhx", "ESI", "type 3\n"},
        {"water-humid-shell.cfhx", "JSI", "type 2\n"},
        {"typed-in-condensation.cfhx", "E", "type 3\n"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(std::string(c.sample) + " " + c.mode);
        const Outcome r = run({samplePath(c.sample), "--mode", c.mode, "--date", "07/03/05"});
        ASSERT_EQ(r.status, 0) << r.err;
        std::istringstream script(readText(samplePath(c.sample)) + c.answers);
        std::ostringstream transcript, err;
        runScript(script, transcript, err, ScriptOptions{.date = "07/03/05"});
        EXPECT_NE(transcript.str().find("=== pane ===\n" + r.out), std::string::npos) << r.out;
    }
}

TEST_F(RunCommandTest, StatusesWithoutAResult) {
    struct Case {
        const char* name;
        std::string caseText;  // written to the case file; empty: no file
        std::vector<std::string> extra;
        int status;
        const char* err;       // on standard error
        const char* message;   // in the JSON; nullptr: no JSON expected
    };
    const std::string gasToCalculate = readText(samplePath("gas-gas-no5.cfhx"));
    const std::string beforeCalculate = gasToCalculate.substr(0, gasToCalculate.find("click MAINFORM.BUTTON9"));
    const Case kCases[] = {
        {"a negative outer diameter stops the calculation",
         beforeCalculate + "set MAINFORM.EDIT10 \"-16\"\nclick MAINFORM.BUTTON9\n", {}, 4, "stopped", "負"},
        {"a case without a calculation", "click FORM4.BUTTON25\n", {}, 3, "before its calculation",
         "before its calculation"},
        {"a bad line", "frob\n", {}, 2, "line 1", "line 1"},
        {"no such file", "", {}, 1, "cannot open case", nullptr},
        {"an unknown mode", gasToCalculate, {"--mode", "X"}, 2, "--mode: \"X\" is not a display mode", nullptr},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        const std::string caseFile = path("case.cfhx");
        fs::remove(caseFile);
        if (!c.caseText.empty()) std::ofstream(caseFile) << c.caseText;
        const std::string jsonFile = path("record.json");
        fs::remove(jsonFile);
        std::vector<std::string> args = {caseFile, "--json", jsonFile};
        args.insert(args.end(), c.extra.begin(), c.extra.end());
        const Outcome r = run(args);
        EXPECT_EQ(r.status, c.status) << r.err;
        EXPECT_TRUE(r.out.empty()) << r.out;
        EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
        ASSERT_EQ(fs::exists(jsonFile), c.message != nullptr);
        if (!c.message) continue;
        const json record = json::parse(readText(jsonFile));
        EXPECT_EQ(record.at("status"), c.status);
        const std::string message = record.at("message");
        EXPECT_NE(message.find(c.message), std::string::npos) << message;
        EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
        EXPECT_FALSE(record.contains("results"));
    }
}

// --out writes the sheet of the mode the table was printed in; the core
// build draws no PDF and says so.
TEST_F(RunCommandTest, OutWritesTheSheetOfTheMode) {
    const Outcome r = run({samplePath("gas-gas-no5.cfhx"), "--mode", "E", "--date", "07/03/05", "--out", path("sheets")});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string prn = readText(dir / "sheets" / "sheet.prn");
    EXPECT_EQ(prn.rfind("\x1b" "E", 0), 0u);
    EXPECT_NE(prn.find("CROSFLOW HEAT EXCHANGER"), std::string::npos);
    EXPECT_NE(prn.find("07/03/05"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir / "sheets" / "sheet.pdf"));
    EXPECT_NE(r.err.find("no sheet.pdf"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace cfhx
