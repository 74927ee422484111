#include "calc/humid_gas.h"

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "engine_fixture.h"

namespace cfhx::calc {
namespace {

using HumidGas = cfhx::testing::EngineTest;

const float kAirDry[kComponents] = {kAirCO2, kAirN2, kAirO2, 0.0f};

TEST_F(HumidGas, SaturationAt20DegreesMatchesTheQuotedFigures) {
    EXPECT_NEAR(saturationPressure(20.0f), 0.02387f, 0.00002f);
    EXPECT_NEAR(saturatedHumidity(20.0f, kAirRatio), 0.01471f, 0.00002f);
    // Steam tables: 2.339 kPa at 20 °C, 101.3 kPa at 100 °C (1 kgf/cm2 = 98.0665 kPa).
    EXPECT_NEAR(saturationPressure(20.0f) * 98.0665f, 2.339f, 0.02f);
    EXPECT_NEAR(saturationPressure(100.0f), 1.033f, 0.005f);
}

TEST_F(HumidGas, StandardAirMolecularWeightAndRatio) {
    EXPECT_NEAR(dryMolecularWeight(kAirDry), 28.8428f, 0.0005f);
    EXPECT_NEAR(waterWeightRatio(kAirDry), 0.6241f, 0.0001f);
    EXPECT_NEAR(waterWeightRatio(kAirDry, 18.0153f), 18.0153f / 28.8428f, 1e-5f);
    // Dry air: about 0.24 kcal/kgK, 1.293 kg/Nm3.
    EXPECT_NEAR(dryGasSpecificHeat(kAirDry), 0.24f, 0.003f);
    EXPECT_NEAR(normalDensity(kAirDry), 1.29f, 0.005f);
}

TEST_F(HumidGas, HumidityAndMoleFractionAreInverse) {
    for (float X : {0.003772f, 0.05f, 1.0f, 17.06f}) {
        float V = moleFraction(X, kAirRatio);
        EXPECT_NEAR(humidityFromMoleFraction(V, kAirRatio), X, X * 1e-4f);
        // Partial pressure is the mole fraction of the total pressure.
        EXPECT_NEAR(waterPartialPressure(X, kAirRatio), 1.033f * V, 1e-5f);
    }
}

TEST_F(HumidGas, DewPointOfSaturatedGasIsItsTemperature) {
    // The dew-point fit is not the exact inverse of the pressure fit: a few tenths.
    for (float T : {5.0f, 20.0f, 50.0f, 80.0f}) EXPECT_NEAR(dewPoint(saturationPressure(T)), T, 0.5f) << T;
}

TEST_F(HumidGas, WetAndDryCompositions) {
    float wet[kComponents];
    wetFromDry(kAirDry, 10.0f, wet);
    EXPECT_NEAR(wet[kN2], 0.7902f * 0.9f, 1e-6f);
    EXPECT_FLOAT_EQ(wet[kH2O], 10.0f);
    const float wetFractions[kComponents] = {kAirCO2 * 0.9f, kAirN2 * 0.9f, kAirO2 * 0.9f, 0.1f};
    float dry[kComponents];
    dryFromWet(wetFractions, dry);
    EXPECT_NEAR(dry[kN2], kAirN2, 1e-5f);
    EXPECT_NEAR(dry[kO2], kAirO2, 1e-5f);
    // A dry gas: the water term is left out.
    const float dryGas[kComponents] = {0.1f, 0.9f, 0.0f, 0.0f};
    EXPECT_NEAR(normalDensity(dryGas), 0.1f * 1.9643f + 0.9f * 1.25f, 1e-5f);
}

TEST_F(HumidGas, EnthalpyLowerLimit) {
    EXPECT_FLOAT_EQ(enthalpyLowerLimit(-5.0f), 2.253f);
    // At 30 °C the saturated enthalpy is about 23.8 kcal/kg.
    EXPECT_NEAR(enthalpyLowerLimit(30.0f), 23.8f, 0.2f);
    EXPECT_GE(enthalpyLowerLimit(0.0f), 2.253f);
}

// The saturated enthalpy at the temperature found is the one asked for (the
// iteration stops within 0.1 °C of its own implied temperature).
void expectSaturatedAt(float H2, float T) {
    float X = saturatedHumidity(T, kAirRatio);
    EXPECT_NEAR(saturatedEnthalpy(T, X, 0.24f), H2, 0.03f * H2 + 0.1f) << "H2=" << H2 << " T=" << T;
}

TEST_F(HumidGas, EnthalpyIterationConvergesAcrossTheRange) {
    for (float H2 : {23.0f, 30.0f, 100.0f, 300.0f, 500.0f}) {
        float T = saturationTemperatureFromEnthalpy(H2);
        expectSaturatedAt(H2, T);
    }
    // Below the value at 30 °C the temperature falls from 30.
    EXPECT_LT(saturationTemperatureFromEnthalpy(20.0f), 30.0f);
}

TEST_F(HumidGas, EnthalpyIterationStepsTowardsANegativeImpliedTemperature) {
    // Below about 16.3 kcal/kg the implied temperature starts negative; a
    // step away from it would never converge.
    for (float H2 : {2.26f, 5.0f, 10.0f, 16.0f}) {
        float T = saturationTemperatureFromEnthalpy(H2);
        expectSaturatedAt(H2, T);
        EXPECT_LT(T, 23.0f);
    }
}

TEST_F(HumidGas, EnthalpyIterationShowsEachPassToItsTrace) {
    for (float H2 : {23.0f, 2.26f, 300.0f}) {
        SCOPED_TRACE(H2);
        std::vector<EnthalpyPass> passes;
        const float T = saturationTemperatureFromEnthalpy(H2, [&](const EnthalpyPass& p) { passes.push_back(p); });
        ASSERT_FALSE(passes.empty());
        for (size_t i = 0; i < passes.size(); ++i) {
            const EnthalpyPass& p = passes[i];
            EXPECT_EQ(p.pass, int(i) + 1);
            // Standard air saturated at T: Pvs from the Antoine fit, X = 0.622·Pvs/(1.033 − Pvs).
            const double pvs = std::exp(18.5815 - 3987.1 / (p.T + 233.7)) * 1.033 / 760.0;
            EXPECT_NEAR(p.p, pvs, 1e-5 * pvs);
            EXPECT_NEAR(p.X, 0.622 * pvs / (1.033 - pvs), 1e-5 * p.X);
            EXPECT_NEAR(p.Tx, (H2 - 597.5 * p.X) / (0.24 + 0.441 * p.X), 1e-3 * std::fabs(p.Tx) + 1e-3);
        }
        // The first pass tries 30 °C, the last is the one within 0.1 °C.
        EXPECT_EQ(passes.front().T, 30.0f);
        EXPECT_EQ(passes.back().T, T);
        EXPECT_LE(std::fabs(passes.back().Tx - T), 0.1f);
        for (size_t i = 0; i + 1 < passes.size(); ++i) EXPECT_GT(std::fabs(passes[i].Tx - passes[i].T), 0.1f);
    }
}

TEST_F(HumidGas, EnthalpyIterationLeavesWithTheLoopMessageAtItsLimit) {
    // Large enthalpies make the fixed steps oscillate: the pass limit ends it
    // with the message, not silently.
    for (float H2 : {1000.0f, 2000.0f}) {
        SCOPED_TRACE(H2);
        int passes = 0;
        std::string message =
            stopped([&] { saturationTemperatureFromEnthalpy(H2, [&](const EnthalpyPass&) { ++passes; }); });
        EXPECT_EQ(message, "   @@@  収束不可のため終了します。@@");
        EXPECT_EQ(passes, 5000);
    }
}

TEST_F(HumidGas, NonNumbersStopTheCalculation) {
    static const float kNone[kComponents] = {};
    const struct {
        const char* name;
        std::function<void()> run;
        const char* message;
    } cases[] = {
        {"dew point of no vapour", [] { dewPoint(0.0f); }, "   @@@  計算不能のため終了します。[ Pw <= 0 (対数) ]@@"},
        {"pressure at the pole of the fit", [] { saturationPressure(-233.7f); },
         "   @@@  計算不能のため終了します。[ T+233.7 = 0 (除数) ]@@"},
        {"pure vapour", [] { humidityFromMoleFraction(1.0f, kAirRatio); },
         "   @@@  計算不能のため終了します。[ 1-V = 0 (除数) ]@@"},
        {"no dry gas", [] { dryMolecularWeight(kNone); },
         "   @@@  計算不能のため終了します。[ CO2+O2+N2 = 0 (除数) ]@@"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(stopped(c.run), c.message);
    }
}

}  // namespace
}  // namespace cfhx::calc
