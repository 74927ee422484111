// Random records through every routine of the engine: each call either
// returns with every quantity finite or stops the calculation with its
// message; no note and no message carries a non-number.
#include <functional>
#include <string>

#include "calc/heat_transfer.h"
#include "calc/humid_gas.h"
#include "calc/mean_temperature.h"
#include "calc/pressure_loss.h"
#include "calc/properties.h"
#include "engine_fixture.h"
#include "support/random_record.h"

namespace cfhx::calc {
namespace {

using cfhx::testing::kNumbers;
using cfhx::testing::numbers;

class EngineRobustness : public cfhx::testing::EngineTest {
protected:
    cfhx::testing::RandomRecords random;

    // Runs `step`; a stop is fine, a non-number is not.
    void check(const char* name, const std::function<void()>& step) {
        notes.added.clear();
        std::string message;
        bool stoppedHere = false;
        try {
            step();
        } catch (const CalculationStop& stop) {
            stoppedHere = true;
            message = stopMessage(stop, Language::Japanese);
        }
        if (!stoppedHere) {
            const float* v = numbers(r);
            for (size_t i = 0; i < kNumbers; ++i)
                ASSERT_TRUE(std::isfinite(v[i])) << name << " left quantity #" << i << " = " << v[i];
        }
        ASSERT_EQ(message.find("nan"), std::string::npos) << name << "\n" << message;
        ASSERT_EQ(message.find("inf"), std::string::npos) << name << "\n" << message;
    }
};

TEST_F(EngineRobustness, RandomRecordsNeverYieldNonNumbers) {
    const TubeKind kinds[] = {TubeKind::Bare, TubeKind::RadialFin, TubeKind::PlateFin};
    const Phase phases[] = {Phase::Sizing, Phase::Rating};
    for (int round = 0; round < 3000; ++round) {
        r = random.next();
        const TubeKind kind = kinds[round % 3];
        const Phase phase = phases[(round / 3) % 2];
        // Each step on its own random record, so every routine sees odd inputs.
        const std::pair<const char*, std::function<void()>> steps[] = {
            {"shell gas", [&] { shellGasProperties(r); }},
            {"tube gas", [&] { tubeGasProperties(r); }},
            {"water", [&] { waterProperties(r, notes); }},
            {"fin geometry", [&] { finGeometry(r); }},
            {"shell velocity", [&] { shellVelocity(r, kind); }},
            {"shell coefficient", [&] { shellCoefficient(r, kind, phase, notes); }},
            {"fin efficiency", [&] { finEfficiency(r); }},
            {"areas", [&] { areas(r, kind); }},
            {"tube velocity", [&] { tubeVelocity(r); }},
            {"tube sensible", [&] { tubeCoefficient(r, phase, TubeRegime::Sensible); }},
            {"tube condensation", [&] { tubeCoefficient(r, phase, TubeRegime::Condensation); }},
            {"tube evaporation", [&] { tubeCoefficient(r, phase, TubeRegime::Evaporation); }},
            {"wet shell", [&] { wetEnhancement(r, HumidSide::Shell, r.TAM, r.Twav, r.MS); }},
            {"overall", [&] { overallCoefficient(r); }},
            // The numeric parts of the sizing losses and of loss step B.
            {"sizing losses",
             [&] {
                 shellLoss(r, kind);
                 tubeLoss(r, Phase::Sizing);
             }},
            {"loss step B",
             [&] {
                 shellLoss(r, kind);
                 tubeLoss(r, Phase::Rating);
                 temperatureEfficiencies(r);
             }},
            {"lmtd", [&] { r.LMTD = lmtd(r.Tti, r.Tto, r.Tsi, r.Tso, round % 2 == 0); }},
            {"effectiveness", [&] { r.FEEX = effectiveness(passForm(round % 4, r.PNs, r.PNt), r.Cmin, r.NTUS); }},
            {"humid", [&] { r.Hsat = saturatedEnthalpy(r.Tsi, saturatedHumidity(r.Tsi, r.MS), r.Cpg); }},
            {"dew point", [&] { r.TdewS = dewPoint(waterPartialPressure(r.XA, r.MS)); }},
        };
        for (const auto& [name, step] : steps) {
            r = random.next();
            check(name, step);
            if (HasFatalFailure()) return;
        }
    }
}

}  // namespace
}  // namespace cfhx::calc
