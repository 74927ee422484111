// One result, every output: for each sample case the four result tables,
// the four calculation sheets, the summary screen beside each table, the
// JSON quantities and the heat-balance check show the same quantities.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/output_checks.h"
#include "support/sample_runs.h"

namespace cfhx {
namespace {

using testing::OutputCase;
using testing::SampleRun;
using testing::processingButton;

constexpr const char* kWaterTubes = "MAINFORM.BUTTON3";
constexpr const char* kHumidTubes = "MAINFORM.BUTTON1";
constexpr const char* kHumidShell = "MAINFORM.BUTTON5";
constexpr const char* kTypedIn = "MAINFORM.BUTTON4";

struct Sample {
    SampleRun run;
    OutputCase outputs;
};

std::string nameOf(const SampleRun& run) {
    return std::string(run.name) + (run.number ? std::string(" ") + run.number : "") + (run.si ? " SI" : "");
}

std::vector<Sample> samples() {
    std::vector<Sample> list;
    auto add = [&](const SampleRun& run, OutputCase outputs) {
        outputs.name = nameOf(run);
        list.push_back({.run = run, .outputs = outputs});
    };
    for (const char* tube : {"MAINFORM.BUTTON2", kWaterTubes}) {
        const bool water = tube == kWaterTubes;
        for (int no = 1; no <= 7; ++no) {
            SampleRun run{.name = water ? "water/gas" : "gas/gas", .si = no % 2 == 0, .tube = tube,
                          .number = processingButton(no)};
            if (no <= 2) run.typed = {"1"};  // (A): the shell outlet given
            add(run, {.liquidTubes = water});
        }
    }
    // Gas in the tubes given by its mass, kg/h.
    add({.name = "gas/gas, tube mass", .number = processingButton(5), .fluid = {"BUTTON41", "EDIT169=1553"}}, {});
    add({.name = "water/humid", .tube = kWaterTubes, .shell = kHumidShell}, {.liquidTubes = true, .latentShell = true});
    add({.name = "humid/gas", .si = true, .tube = kHumidTubes}, {.latentTube = true});
    add({.name = "typed-in liquid", .tube = kTypedIn, .options = {"FORM7.RADIO7", "FORM7.RADIO11", "FORM7.BUTTON52"}},
        {.liquidTubes = true});
    add(testing::kTypedInCondensingSample, {});
    return list;
}

TEST(OutputConsistency, EveryOutputShowsTheSameResult) {
    for (const Sample& s : samples()) {
        SCOPED_TRACE(s.outputs.name);
        testing::expectOutputsAgree(testing::finishedSample(s.run), s.outputs);
    }
}

}  // namespace
}  // namespace cfhx
