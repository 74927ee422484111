#include "calc/props_command.h"

#include <gtest/gtest.h>

#include <sstream>

namespace cfhx::calc {
namespace {

struct PropsRun {
    int status;
    std::vector<std::string> notes;                // lines starting with "#"
    std::vector<std::string> header;               // column names
    std::vector<std::vector<double>> rows;         // numeric rows
    std::vector<std::vector<std::string>> words;   // raw rows
    std::string err;
};

std::vector<std::string> split(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> w;
    for (std::string s; in >> s;) w.push_back(s);
    return w;
}

PropsRun props(std::vector<std::string> args) {
    std::ostringstream out, err;
    PropsRun run;
    run.status = runPropsCommand(args, out, err);
    run.err = err.str();
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("#", 0) == 0) {
            run.notes.push_back(line);
        } else if (run.header.empty()) {
            run.header = split(line);
        } else {
            run.words.push_back(split(line));
            std::vector<double> values;
            for (const std::string& w : run.words.back()) values.push_back(w == "-" ? -1e300 : std::stod(w));
            run.rows.push_back(values);
        }
    }
    return run;
}

bool hasNote(const PropsRun& run, const std::string& text) {
    for (const std::string& n : run.notes)
        if (n.find(text) != std::string::npos) return true;
    return false;
}

TEST(PropsCommand, WaterInInternalUnits) {
    PropsRun run = props({"water", "20", "80"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.header,
              (std::vector<std::string>{"T[°C]", "rho[kg/m3]", "cp[kcal/kgK]", "k[kcal/mhK]", "nu[m2/h]", "Pr[-]"}));
    ASSERT_EQ(run.rows.size(), 2u);
    const std::vector<double>& w = run.rows[0];
    ASSERT_EQ(w.size(), 6u);
    EXPECT_EQ(w[0], 20.0);
    EXPECT_NEAR(w[1], 998.2, 3.0);
    EXPECT_NEAR(w[2], 1.0, 0.005);
    EXPECT_NEAR(w[3], 0.516, 0.003);
    EXPECT_NEAR(w[4], 0.0036, 0.0001);
    EXPECT_NEAR(w[5], 7.0, 0.2);
    EXPECT_TRUE(run.notes.empty());
}

TEST(PropsCommand, WaterInSI) {
    PropsRun run = props({"water", "--si", "20"});
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(run.header[2], "cp[kJ/kgK]");
    EXPECT_EQ(run.header[4], "nu[m2/s]");
    const std::vector<double>& w = run.rows[0];
    EXPECT_NEAR(w[2], 4.18, 0.02);
    EXPECT_NEAR(w[3], 0.599, 0.005);
    EXPECT_NEAR(w[4], 1.0e-6, 0.03e-6);
    EXPECT_NEAR(w[5], 7.0, 0.2);
}

// Temperatures outside the correlations' ranges (water 0–300 °C, gas from
// −173 °C, the lowest band of any component) are refused and the range named;
// the ends themselves are taken.
TEST(PropsCommand, RefusesTemperaturesOutsideTheCorrelations) {
    struct Case {
        std::vector<std::string> args;
        int status;
        const char* says;  // on standard error; empty: nothing
    };
    const std::vector<std::string> air = {"gas", "CO2=0.03", "O2=20.95", "H2O=0"};
    auto gas = [&air](std::string T) {
        std::vector<std::string> a = air;
        a.push_back(std::move(T));
        return a;
    };
    const Case kCases[] = {
        {{"water", "-0.1"}, 2, "-0.1 °C is outside the range of the water correlations, 0 to 300 °C"},
        {{"water", "400"}, 2, "0 to 300 °C"},
        {{"water", "20", "300.5"}, 2, "300.5 °C"},
        {{"water", "1e39"}, 2, "1e+39 °C is outside"},
        {{"water", "0", "300"}, 0, ""},
        {gas("-300"), 2, "-300 °C is outside the range of the gas correlations, -173 to 1800 °C"},
        {gas("1e39"), 2, "outside the range of the gas"},
        {gas("-173"), 0, ""},
        {{"gas", "CO2=1e39", "O2=21", "H2O=0", "20"}, 2, "bad component"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.args.back());
        const PropsRun run = props(c.args);
        EXPECT_EQ(run.status, c.status) << run.err;
        if (*c.says) EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
        else EXPECT_EQ(run.err, "");
        if (c.status == 0) EXPECT_EQ(run.rows.size(), c.args.size() - (c.args[0] == "gas" ? 4 : 1));
        else EXPECT_TRUE(run.rows.empty());
    }
}

TEST(PropsCommand, StandardAir) {
    PropsRun run = props({"gas", "CO2=0.03", "O2=20.95", "H2O=0", "20"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(hasNote(run, "N2=79.02 vol.%"));
    EXPECT_TRUE(hasNote(run, "# normal density 1.28"));
    EXPECT_TRUE(hasNote(run, "dry gas: no dew point"));
    ASSERT_EQ(run.header.size(), 7u);
    EXPECT_EQ(run.header[6], "Pvs[kgf/cm2]");
    const std::vector<double>& a = run.rows[0];
    ASSERT_EQ(a.size(), 7u);
    EXPECT_NEAR(a[1], 1.205, 0.01);
    EXPECT_NEAR(a[2], 0.24, 0.003);
    EXPECT_NEAR(a[5], 0.71, 0.02);
    EXPECT_NEAR(a[6], 0.02387, 0.00002);
}

TEST(PropsCommand, HumidGasDewPointAndSaturation) {
    // 2 % water: 2.07 kPa of vapour, which saturates at about 18 °C.
    PropsRun run = props({"gas", "CO2=0.03", "O2=20.95", "H2O=2", "--sat", "20", "100", "--si"});
    ASSERT_EQ(run.status, 0) << run.err;
    bool found = false;
    for (const std::string& n : run.notes) {
        size_t at = n.find("dew point ");
        if (at == std::string::npos) continue;
        found = true;
        EXPECT_NEAR(std::stod(n.substr(at + 10)), 18.0, 0.7) << n;
    }
    EXPECT_TRUE(found);
    ASSERT_EQ(run.header.size(), 9u);
    EXPECT_EQ(run.header[8], "Hsat[kJ/kg]");
    // Saturated air at 20 °C: 0.0147 kg/kg and about 57 kJ/kg.
    EXPECT_NEAR(run.rows[0][7], 0.0147, 0.0002);
    EXPECT_NEAR(run.rows[0][8], 57.5, 1.5);
    // At the boiling point there is no saturated humidity to print.
    EXPECT_EQ(run.words[1][7], "-");
    EXPECT_TRUE(hasNote(run, "# T=100: no saturated humidity"));
}

TEST(PropsCommand, GasBelowItsRangesNamesTheKeptValues) {
    PropsRun run = props({"gas", "CO2=0", "O2=21", "H2O=1", "N2=78", "50", "-5"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(hasNote(run, "# T=-5: H2O cp below its range, value kept from the previous evaluation"));
    EXPECT_TRUE(hasNote(run, "# T=-5: H2O conductivity below its range"));
    EXPECT_FALSE(hasNote(run, "N2 cp below"));
    EXPECT_FALSE(hasNote(run, "CO2 cp below"));
    // First evaluation below the range: nothing to keep, and it says so.
    run = props({"gas", "CO2=0", "O2=21", "H2O=1", "-5"});
    EXPECT_TRUE(hasNote(run, "none before"));
}

TEST(PropsCommand, RefusesWhatItCannotRead) {
    EXPECT_EQ(props({}).status, 2);
    EXPECT_EQ(props({"steam", "20"}).status, 2);
    EXPECT_EQ(props({"water"}).status, 2);
    EXPECT_EQ(props({"water", "warm"}).status, 2);
    EXPECT_EQ(props({"water", "--sat", "20"}).status, 2);
    EXPECT_EQ(props({"gas", "20"}).status, 2);
    EXPECT_EQ(props({"gas", "CO2=1", "O2=21", "20"}).status, 2);
    EXPECT_EQ(props({"gas", "CO2=50", "O2=40", "H2O=20", "20"}).status, 2);
    EXPECT_EQ(props({"gas", "CO2=1", "O2=21", "H2O=1", "N2=70", "20"}).status, 2);
    EXPECT_EQ(props({"gas", "CO2=1", "O2=21", "H2O=1", "Ar=1", "20"}).status, 2);
    PropsRun run = props({"gas", "CO2=x", "O2=21", "H2O=1", "20"});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("usage: cfhx props"), std::string::npos);
}

TEST(PropsCommand, ANonNumberStopsWithTheMessage) {
    // Pure water vapour: no dry gas, the mixture still has properties.
    PropsRun run = props({"gas", "CO2=0", "O2=0", "H2O=100", "150"});
    EXPECT_EQ(run.status, 0) << run.err;
    // At −273 °C the density would divide by zero: refused before the
    // routines see it.
    run = props({"gas", "CO2=0", "O2=21", "H2O=0", "-273"});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("-173 to 1800 °C"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace cfhx::calc
