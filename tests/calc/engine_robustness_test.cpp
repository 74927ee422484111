// Random records through every routine of the engine: each call either
// returns with every quantity finite or stops the calculation with its
// message; nothing prints a non-number.
#include <cstddef>
#include <cstring>
#include <functional>
#include <random>

#include "calc/heat_transfer.h"
#include "calc/humid_gas.h"
#include "calc/mean_temperature.h"
#include "calc/pressure_loss.h"
#include "calc/properties.h"
#include "engine_fixture.h"

namespace cfhx::calc {
namespace {

constexpr size_t kFirstNumber = offsetof(Record, UnitCode);
constexpr size_t kNumbers = (sizeof(Record) - kFirstNumber) / sizeof(float);

float* numbers(Record& r) { return reinterpret_cast<float*>(reinterpret_cast<char*>(&r) + kFirstNumber); }

class EngineRobustness : public cfhx::testing::EngineTest {
protected:
    std::mt19937 rng{20261208};

    float pick() {
        static const float kValues[] = {0.0f, -1.0f, 1e-6f, 0.0004f, 0.02f, 0.0254f, 0.5f, 1.0f, 2.0f, 3.0f, 4.0f,
                                        20.0f, 100.0f, 373.0f, 2000.0f, 1e5f, -50.0f, 1e-10f, 0.7902f, 0.2095f,
                                        1e30f, -1e30f, 1e-30f, 3e38f};
        std::uniform_int_distribution<int> choice(0, 2 * int(std::size(kValues)) - 1);
        int i = choice(rng);
        if (i < int(std::size(kValues))) return kValues[i];
        return std::uniform_real_distribution<float>(-10.0f, 500.0f)(rng);
    }

    void randomRecord() {
        r = freshRecord();
        float* v = numbers(r);
        std::bernoulli_distribution change(0.5);
        for (size_t i = 0; i < kNumbers; ++i)
            if (change(rng)) v[i] = pick();
        const char* yn[] = {"y", "n", ""};
        const char* digits[] = {"1", "2", "3", ""};
        r.flags.finned = yn[rng() % 3];
        r.flags.sTAPE = yn[rng() % 3];
        r.flags.sCOND = yn[rng() % 3];
        r.flags.sFIN = digits[rng() % 4];
        r.flags.arrangement = digits[rng() % 4];
        r.flags.sPROP = digits[rng() % 2];
    }

    // Runs `step`; a stop is fine, a non-number is not.
    void check(const char* name, const std::function<void()>& step) {
        app.pane.clear();
        bool stoppedHere = false;
        try {
            step();
        } catch (const LeaveCalculation&) {
            stoppedHere = true;
        }
        if (!stoppedHere) {
            const float* v = numbers(r);
            for (size_t i = 0; i < kNumbers; ++i)
                ASSERT_TRUE(std::isfinite(v[i])) << name << " left quantity #" << i << " = " << v[i];
        }
        const std::string page = app.pane.pageText();
        ASSERT_EQ(page.find("nan"), std::string::npos) << name << "\n" << page;
        ASSERT_EQ(page.find("inf"), std::string::npos) << name << "\n" << page;
    }
};

TEST_F(EngineRobustness, RandomRecordsNeverYieldNonNumbers) {
    const TubeKind kinds[] = {TubeKind::Bare, TubeKind::RadialFin, TubeKind::PlateFin};
    const Phase phases[] = {Phase::Sizing, Phase::Rating};
    for (int round = 0; round < 3000; ++round) {
        randomRecord();
        const TubeKind kind = kinds[round % 3];
        const Phase phase = phases[(round / 3) % 2];
        // Each step on its own random record, so every routine sees odd inputs.
        const std::pair<const char*, std::function<void()>> steps[] = {
            {"shell gas", [&] { shellGasProperties(app, r); }},
            {"tube gas", [&] { tubeGasProperties(app, r); }},
            {"water", [&] { waterProperties(app, r); }},
            {"fin geometry", [&] { finGeometry(app, r); }},
            {"shell velocity", [&] { shellVelocity(app, r, kind); }},
            {"shell coefficient", [&] { shellCoefficient(app, r, kind, phase); }},
            {"fin efficiency", [&] { finEfficiency(app, r); }},
            {"areas", [&] { areas(app, r, kind); }},
            {"tube velocity", [&] { tubeVelocity(app, r); }},
            {"tube sensible", [&] { tubeCoefficient(app, r, phase, TubeRegime::Sensible); }},
            {"tube condensation", [&] { tubeCoefficient(app, r, phase, TubeRegime::Condensation); }},
            {"tube evaporation", [&] { tubeCoefficient(app, r, phase, TubeRegime::Evaporation); }},
            {"wet shell", [&] { wetEnhancement(app, r, HumidSide::Shell, r.TAM, r.Twav, r.MS); }},
            {"overall", [&] { overallCoefficient(app, r); }},
            {"sizing losses", [&] { sizingLosses(app, r, kind, round % 2 == 0); }},
            {"loss step B", [&] { lossStepB(app, r, kind); }},
            {"lmtd", [&] { r.LMTD = lmtd(app, r.Tti, r.Tto, r.Tsi, r.Tso, round % 2 == 0); }},
            {"effectiveness",
             [&] { r.FEEX = effectiveness(app, passForm(round % 4, r.PNs, r.PNt), r.Cmin, r.NTUS); }},
            {"humid", [&] { r.Hsat = saturatedEnthalpy(app, r.Tsi, saturatedHumidity(app, r.Tsi, r.MS), r.Cpg); }},
            {"dew point", [&] { r.TdewS = dewPoint(app, waterPartialPressure(app, r.XA, r.MS)); }},
        };
        for (const auto& [name, step] : steps) {
            randomRecord();
            check(name, step);
            if (HasFatalFailure()) return;
        }
    }
}

}  // namespace
}  // namespace cfhx::calc
