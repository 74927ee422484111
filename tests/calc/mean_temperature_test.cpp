#include "calc/mean_temperature.h"

#include "engine_fixture.h"

namespace cfhx::calc {
namespace {

using MeanTemperature = cfhx::testing::EngineTest;

TEST_F(MeanTemperature, CounterFlowLmtd) {
    // Hot tube 100 → 60 against shell 40 → 80: ends 20 and 20.
    EXPECT_FLOAT_EQ(lmtd(100.0f, 60.0f, 40.0f, 80.0f, false), 20.0f);
    // Ends 60 and 20: 40/ln 3.
    EXPECT_NEAR(lmtd(100.0f, 40.0f, 20.0f, 40.0f, false), 36.4096f, 0.001f);
    // A hot shell side gives the same mean for the mirrored case.
    EXPECT_NEAR(lmtd(20.0f, 40.0f, 100.0f, 40.0f, false), 36.4096f, 0.001f);
}

TEST_F(MeanTemperature, LmtdIsSymmetricInItsEndDifferences) {
    for (float a : {1.0f, 5.0f, 30.0f, 120.0f})
        for (float b : {0.5f, 7.0f, 30.0f, 90.0f}) {
            // Ends a (Tti − Tso) and b (Tto − Tsi), then swapped.
            float ab = lmtd(200.0f, 10.0f + b, 10.0f, 200.0f - a, false);
            float ba = lmtd(200.0f, 10.0f + a, 10.0f, 200.0f - b, false);
            EXPECT_NEAR(ab, ba, 1e-3f * ab) << a << " " << b;
            // Between the geometric and the arithmetic mean.
            EXPECT_LE(ab, (a + b) / 2.0f + 1e-3f);
            EXPECT_GE(ab, std::sqrt(a * b) - 1e-3f);
        }
}

TEST_F(MeanTemperature, ParallelLmtd) {
    // Tube 100 → 70, shell 20 → 50 in parallel: ends 80 and 20.
    EXPECT_NEAR(lmtd(100.0f, 70.0f, 20.0f, 50.0f, true), 60.0f / std::log(4.0f), 0.001f);
    // Nearly equal ends: the limit, not a logarithm of 1.
    EXPECT_NEAR(lmtd(100.0f, 70.0f, 70.0f, std::nextafter(40.0f, 50.0f), true), 30.0f, 1e-4f);
    EXPECT_NEAR(lmtd(100.0f, 70.0f, 70.0f, 40.0f, true), 30.0f, 1e-6f);
}

TEST_F(MeanTemperature, ZeroEndDifferenceStops) {
    // The tube outlet reaches the shell inlet: no logarithmic mean exists.
    std::string message = stopped([&] { lmtd(100.0f, 20.0f, 20.0f, 60.0f, false); });
    EXPECT_NE(message.find("   @@@  計算不能のため終了します。[ LMTD end difference = 0 (除数) ]@@"), std::string::npos)
        << message;
}

TEST_F(MeanTemperature, PassFormSelectionOrder) {
    EXPECT_EQ(passForm(2, 2.0f, 2.0f), PassForm::Parallel);
    EXPECT_EQ(passForm(3, 1.0f, 1.0f), PassForm::ThreeShellPasses);
    EXPECT_EQ(passForm(1, 2.0f, 3.0f), PassForm::TwoShellPasses);
    EXPECT_EQ(passForm(1, 3.0f, 2.0f), PassForm::TwoTubePasses);
    EXPECT_EQ(passForm(1, 4.0f, 1.0f), PassForm::ThreeShellPasses);
    EXPECT_EQ(passForm(1, 1.0f, 4.0f), PassForm::ThreeTubePasses);
    EXPECT_EQ(passForm(1, 1.0f, 1.0f), PassForm::OnePass);
    // Shell passes are looked at first at each count.
    EXPECT_EQ(passForm(1, 2.0f, 2.0f), PassForm::TwoShellPasses);
    EXPECT_EQ(passForm(1, 3.0f, 4.0f), PassForm::ThreeShellPasses);
    EXPECT_EQ(passForm(4, 1.0f, 3.0f), PassForm::ThreeTubePasses);
}

constexpr PassForm kAllForms[] = {PassForm::Parallel,       PassForm::OnePass,         PassForm::TwoTubePasses,
                                  PassForm::TwoShellPasses, PassForm::ThreeTubePasses, PassForm::ThreeShellPasses};

TEST_F(MeanTemperature, EffectivenessLimits) {
    for (PassForm form : kAllForms) {
        // No surface, no heat.
        EXPECT_NEAR(effectiveness(form, 0.5f, 1e-6f), 0.0f, 1e-5f);
        // One fluid of infinite capacity: every arrangement is 1 − e^−NTU.
        for (float N : {0.1f, 1.0f, 3.0f, 10.0f})
            EXPECT_NEAR(effectiveness(form, 1e-6f, N), 1.0f - std::exp(-N), 1e-4f) << int(form) << " " << N;
        // Never above 1, never a non-number, even for huge NTU and tiny R.
        for (float R : {1e-6f, 0.01f, 0.5f, 1.0f})
            for (float N : {0.01f, 1.0f, 50.0f, 500.0f}) {
                float e = effectiveness(form, R, N);
                EXPECT_TRUE(std::isfinite(e));
                EXPECT_GE(e, 0.0f);
                EXPECT_LE(e, 1.0f);
            }
    }
    // Balanced parallel flow tends to 1/2.
    EXPECT_NEAR(effectiveness(PassForm::Parallel, 1.0f, 50.0f), 0.5f, 1e-5f);
}

TEST_F(MeanTemperature, MorePassesApproachCounterFlow) {
    for (float R : {0.05f, 0.2f, 0.5f, 0.75f, 1.0f})
        for (float N : {0.1f, 0.5f, 1.0f, 2.0f, 4.0f, 8.0f}) {
            const float one = effectiveness(PassForm::OnePass, R, N);
            const float counter = counterFlowEffectiveness(R, N);
            const float twoShell = effectiveness(PassForm::TwoShellPasses, R, N);
            const float threeShell = effectiveness(PassForm::ThreeShellPasses, R, N);
            const float twoTube = effectiveness(PassForm::TwoTubePasses, R, N);
            const float threeTube = effectiveness(PassForm::ThreeTubePasses, R, N);
            const float slack = 1e-5f;
            EXPECT_LE(one, twoShell + slack) << R << " " << N;
            EXPECT_LE(twoShell, threeShell + slack) << R << " " << N;
            EXPECT_LE(threeShell, counter + slack) << R << " " << N;
            EXPECT_LE(one, twoTube + slack) << R << " " << N;
            EXPECT_LE(twoTube, threeTube + slack) << R << " " << N;
            EXPECT_LE(threeTube, counter + slack) << R << " " << N;
        }
    // R = 0.5, NTU = 0.5: the counter-flow bound is 0.362.
    EXPECT_LE(effectiveness(PassForm::ThreeShellPasses, 0.5f, 0.5f), 0.3623f);
}

TEST_F(MeanTemperature, ShellPassFormsMatchARowByRowModel) {
    // Expected values from a separate numerical model: one tube row per
    // pass, the tube fluid (Cmin) serpentining against the air, the air
    // unmixed, each row integrated along the tube in 400 steps.
    const struct {
        float R, NTUS;
        double two, three;
    } cases[] = {{0.5f, 0.5f, 0.36093, 0.36167},
                 {0.5f, 2.0f, 0.75447, 0.76507},
                 {1.0f, 1.0f, 0.49012, 0.49553},
                 {0.2f, 3.0f, 0.91492, 0.92063},
                 {1.0f, 3.0f, 0.69518, 0.72248}};
    for (const auto& c : cases) {
        EXPECT_NEAR(effectiveness(PassForm::TwoShellPasses, c.R, c.NTUS), c.two, 2e-5) << c.R << " " << c.NTUS;
        EXPECT_NEAR(effectiveness(PassForm::ThreeShellPasses, c.R, c.NTUS), c.three, 2e-5) << c.R << " " << c.NTUS;
    }
}

TEST_F(MeanTemperature, TubePassFormsAreOnePassesInCounterCurrentSeries) {
    // n equal passes of effectiveness e in overall counter flow:
    // ((q^n − 1)/(q^n − R)) with q = (1 − eR)/(1 − e); n·e/(1 + (n − 1)e) at R = 1.
    auto series = [](double e, double R, int n) {
        if (R == 1.0) return n * e / (1.0 + (n - 1) * e);
        const double q = std::pow((1.0 - e * R) / (1.0 - e), n);
        return (q - 1.0) / (q - R);
    };
    for (float R : {0.2f, 0.5f, 0.8f, 1.0f})
        for (float N : {0.3f, 1.0f, 3.0f}) {
            const double e2 = onePassEffectiveness(R, N / 2.0f);
            const double e3 = onePassEffectiveness(R, N / 3.0f);
            EXPECT_NEAR(effectiveness(PassForm::TwoTubePasses, R, N), series(e2, R, 2), 2e-6) << R << " " << N;
            EXPECT_NEAR(effectiveness(PassForm::ThreeTubePasses, R, N), series(e3, R, 3), 2e-6) << R << " " << N;
        }
}

TEST_F(MeanTemperature, OnePassMatchesTheCrossFlowTextbookValue) {
    // Cross flow with the larger-capacity stream mixed: NTU 1, R 1 gives 0.4685.
    EXPECT_NEAR(onePassEffectiveness(1.0f, 1.0f), 0.4685f, 0.0005f);
    std::string message = stopped([&] { effectiveness(PassForm::OnePass, 0.0f, 1.0f); });
    EXPECT_NE(message.find("R=Cmin/Cmax <= 0"), std::string::npos) << message;
    // A negative NTUS (a negative KI) that overflows stops rather than
    // returning an infinite effectiveness.
    message = stopped([&] { onePassEffectiveness(0.5f, -1e30f); });
    EXPECT_NE(message.find("FEEX (桁あふれ)"), std::string::npos) << message;
    message = stopped([&] { counterFlowEffectiveness(0.5f, -1e30f); });
    EXPECT_NE(message.find("(桁あふれ)"), std::string::npos) << message;
}

TEST_F(MeanTemperature, CorrectionFactor) {
    // Fthe from the effectiveness, capped at 1.
    EXPECT_FLOAT_EQ(theoreticalCorrection(0.5f, 1000.0f, 80.0f, 40.0f, 10.0f, 100.0f), 1.0f);
    EXPECT_FLOAT_EQ(theoreticalCorrection(0.4f, 1000.0f, 80.0f, 40.0f, 10.0f, 100.0f), 0.8f);
    float FF = 0.99995f;
    EXPECT_TRUE(settleCorrectionFactor(FF, 1.0f));
    EXPECT_EQ(FF, 1.0f);
    FF = 0.95f;
    EXPECT_TRUE(settleCorrectionFactor(FF, 0.9515f));
    EXPECT_EQ(FF, 0.95f);
    FF = 1.0f;
    EXPECT_FALSE(settleCorrectionFactor(FF, 0.9f));
    EXPECT_EQ(FF, 0.9f);
    std::string message = stopped([&] { theoreticalCorrection(0.5f, 1.0f, 1.0f, 0.0f, 1.0f, 1.0f); });
    EXPECT_NE(message.find("LMTD*KI*Ai = 0"), std::string::npos);
}

}  // namespace
}  // namespace cfhx::calc
