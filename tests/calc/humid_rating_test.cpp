// Condensing humid gas on either side, off the sample values too: every
// case reaches a result whose outlets lie between the inlets, whose duty
// the sensible side carries, and whose flows are those entered.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include "calc/record.h"
#include "platform/cases/case_run.h"
#include "support/drawn_cases.h"
#include "support/sample_runs.h"

namespace cfhx::testing {
namespace {

const char* const kWaterTubes = "MAINFORM.BUTTON3";
const char* const kHumidTubes = "MAINFORM.BUTTON1";
const char* const kHumidShell = "MAINFORM.BUTTON5";

struct HumidCase {
    SampleRun run;
    float tubeFlow, shellFlow;  // kg/h as entered
};

SampleRun waterHumid(const char* name, Entries fields = {}, bool si = false) {
    return {.name = name, .si = si, .tube = kWaterTubes, .shell = kHumidShell, .fields = std::move(fields)};
}
SampleRun humidTubes(const char* name, Entries fields = {}, bool si = false) {
    return {.name = name, .si = si, .tube = kHumidTubes, .fields = std::move(fields)};
}

const HumidCase kCases[] = {
    {waterHumid("water, humid shell: sample"), 2000, 1000},
    {waterHumid("water, humid shell: sample, SI", {}, true), 1980, 900},  // 0.55, 0.25 kg/s
    // The gas offers far more than the water can take: the water ends
    // below the gas inlet, not at 292 °C.
    {waterHumid("800 kg/h water, 4000 kg/h gas, 10 columns",
                {{"MAINFORM.EDIT27", "10"}, {"FORM5.EDIT169", "800"}, {"FORM5.EDIT170", "4000"}}),
     800, 4000},
    {waterHumid("1200 kg/h water, 4000 kg/h gas, 2.5 m",
                {{"FORM5.EDIT169", "1200"}, {"FORM5.EDIT170", "4000"}, {"FORM5.EDIT157", "2500"}}),
     1200, 4000},
    {waterHumid("humid shell, 3000 kg/h water, 0.5 mm film", {{"FORM5.EDIT169", "3000"}, {"MAINFORM.EDIT34", "0.5"}}),
     3000, 1000},
    {humidTubes("humid tubes: sample"), 1000, 2000},
    {humidTubes("humid tubes: sample, SI", {}, true), 900, 1980},
    {humidTubes("humid tubes, 3000 kg/h shell gas", {{"FORM5.EDIT170", "3000"}}), 1000, 3000},
    {humidTubes("humid tubes, 600 kg/h", {{"FORM5.EDIT169", "600"}}), 600, 2000},
    {humidTubes("humid tubes, 800 kg/h", {{"FORM5.EDIT169", "800"}}), 800, 2000},
    {humidTubes("humid tubes, 1200 kg/h", {{"FORM5.EDIT169", "1200"}}), 1200, 2000},
    {humidTubes("humid tubes, 1300 kg/h", {{"FORM5.EDIT169", "1300"}}), 1300, 2000},
    {humidTubes("humid tubes, 1400 kg/h", {{"FORM5.EDIT169", "1400"}}), 1400, 2000},
    {humidTubes("humid tubes, 9 % vapour (saturated at 44 °C)", {{"FORM5.EDIT138", "9"}}), 1000, 2000},
};

calc::Record resultOf(const SampleRun& c) {
    Session s;
    s.platform.pausesAllowed = 2;
    // A pause before the result is a refusal (the run would start again).
    std::string refusal;
    s.platform.whilePaused = [&] {
        if (lastResult(s) == nullptr && refusal.empty()) refusal = s.app.pane.lastPageText();
    };
    try {
        runSample(s, c);
    } catch (const std::exception& e) {  // the restart's box nobody answers
        ADD_FAILURE() << e.what();
    }
    const calc::Record* r = lastResult(s);
    if (r == nullptr || !refusal.empty()) {
        ADD_FAILURE() << "no result: " << refusal << "\n" << s.app.pane.pageText();
        return {};
    }
    return *r;
}

TEST(HumidRating, EveryCaseEndsInASoundBalancedResult) {
    for (const HumidCase& c : kCases) {
        SCOPED_TRACE(c.run.name);
        const calc::Record r = resultOf(c.run);
        if (r.Q == 0.0f) continue;  // reported above
        const bool shell = c.run.shell == kHumidShell;
        EXPECT_GT(r.Q, 0.0f);
        const float lo = std::min(r.Tti, r.Tsi), hi = std::max(r.Tti, r.Tsi);
        EXPECT_TRUE(r.Tto > lo && r.Tto < hi) << "Tto " << r.Tto;
        EXPECT_TRUE(r.Tso > lo && r.Tso < hi) << "Tso " << r.Tso;
        EXPECT_TRUE(r.Et >= 0.0f && r.Et <= 1.0f) << "Et " << r.Et;
        EXPECT_TRUE(r.Es >= 0.0f && r.Es <= 1.0f) << "Es " << r.Es;
        // The gas's heat, the bundle's K·A·ΔT and the duty agree.
        EXPECT_NEAR(r.QG / r.QK, 1.0, 0.01);
        EXPECT_NEAR(r.Q / r.QK, 1.0, 0.01);
        // The sensible side carries the duty: C·W·ΔT with the entered flow.
        const double sensible = shell ? double(r.Ct) * c.tubeFlow * (r.Tto - r.Tti)
                                      : double(r.Cs) * c.shellFlow * (r.Tso - r.Tsi);
        EXPECT_NEAR(sensible / r.Q, 1.0, 0.01) << "C·W·ΔT " << sensible << " Q " << r.Q;
        // The flows the table shows (actual volume × density) are those entered.
        EXPECT_NEAR(double(r.Vsa) * r.Ds, c.shellFlow, 0.001 * c.shellFlow);
        const double tube = shell ? double(r.Vt) * r.Dt : double(r.Vta) * r.Dt;
        EXPECT_NEAR(tube, c.tubeFlow, 0.001 * c.tubeFlow);
    }
}

// Drawn humid-tube bundles of the net that stopped: the sensible outlet
// relaxed past the humid inlet and ran away (110867), swung round its
// balance for ever (23758), or the condensing outlet's last step vanished
// (63353), met a shell outlet pinched at the gas inlet (158381) or crawled
// to its limit against a large shell flow (47515). Each reaches a result
// between the inlets whose duty the shell gas carries.
TEST(HumidRating, DrawnHumidTubeBundlesReachTheirBalance) {
    const std::uint32_t kSeeds[] = {110867, 23758, 63353, 158381, 47515};
    for (std::uint32_t seed : kSeeds) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        const DrawnCase c = drawCase(Pair::HumidTubesGas, seed);
        const CaseResult run = runCase(c.script({.number = 5}));
        if (run.status != kCaseResult || !run.record) {
            ADD_FAILURE() << "stopped: " << run.message;
            continue;
        }
        const calc::Record& r = *run.record;
        EXPECT_TRUE(r.Tso > r.Tsi && r.Tso < r.Tti) << "Tso " << r.Tso;
        EXPECT_TRUE(r.Tto > r.Tsi && r.Tto < r.Tti) << "Tto " << r.Tto;
        EXPECT_NEAR(r.QG / r.QK, 1.0, 0.01);
        const double shell = double(r.Cs) * r.Ws * (r.Tso - r.Tsi);
        EXPECT_NEAR(shell / r.Q, 1.0, 0.01) << "Cs·Ws·ΔTs " << shell << " Q " << r.Q;
    }
}

// Water in the tubes, the sample's humid shell: the repeats of the rating
// take their properties at the stream means (not back at the inlets);
// worked out in the issue as about 48,940 kcal/h, Tto 44.5, Tso 46.6.
TEST(HumidRating, RepeatsKeepTheMeanTemperatures) {
    const calc::Record r = resultOf(waterHumid("water, humid shell: sample"));
    EXPECT_NEAR(r.Q, 48940.0f, 0.005f * 48940.0f);
    EXPECT_NEAR(r.Tto, 44.5f, 0.1f);
    EXPECT_NEAR(r.Tso, 46.6f, 0.1f);
}

// The wall under the condensate film: the interface temperature from the
// saved wet coefficients, plus the pass duty through the film,
// Q·Dcf/(Awet·0.55) (bare tubes: Awet = Ai).
TEST(HumidRating, TheWallCarriesThePassDutyThroughTheFilm) {
    const SampleRun kRuns[] = {
        waterHumid("humid shell, 0.5 mm film", {{"MAINFORM.EDIT34", "0.5"}}),
        humidTubes("humid tubes, 0.5 mm film", {{"MAINFORM.EDIT34", "0.5"}}),
    };
    for (const SampleRun& c : kRuns) {
        SCOPED_TRACE(c.name);
        const calc::Record r = resultOf(c);
        const bool shell = c.shell == kHumidShell;
        ASSERT_NEAR(r.Dcf, 0.0005f, 1e-7f);
        const double Hgas = shell ? r.HsWet : r.HtWet, Hother = shell ? r.HtWet : r.HsWet;
        const double film = 1.0 / (1.0 / Hgas + r.Dcf / 0.55);
        const double Tg = shell ? (r.Tsi + r.Tso) / 2.0 : (r.Tti + r.Tto) / 2.0;
        const double Tother = shell ? r.TGM : r.TAM;
        const double Agas = shell ? r.Aeff : r.Ai, Aother = shell ? r.Ai : r.Aeff;
        const double interface = (Tg * film * Agas + Tother * Hother * Aother) / (film * Agas + Hother * Aother);
        const double drop = r.Q * r.Dcf / (r.Ai * 0.55);
        EXPECT_GT(drop, 0.5);  // the film term is worth checking
        EXPECT_NEAR(r.Tw, interface + drop, 0.1 * drop) << "interface " << interface;
    }
}

}  // namespace
}  // namespace cfhx::testing
