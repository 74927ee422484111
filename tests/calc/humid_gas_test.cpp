#include "calc/humid_gas.h"

#include "engine_fixture.h"

namespace cfhx::calc {
namespace {

using HumidGas = cfhx::testing::EngineTest;

const float kAirDry[kComponents] = {kAirCO2, kAirN2, kAirO2, 0.0f};

TEST_F(HumidGas, SaturationAt20DegreesMatchesTheQuotedFigures) {
    EXPECT_NEAR(saturationPressure(app, 20.0f), 0.02387f, 0.00002f);
    EXPECT_NEAR(saturatedHumidity(app, 20.0f, kAirRatio), 0.01471f, 0.00002f);
    // Steam tables: 2.339 kPa at 20 °C, 101.3 kPa at 100 °C (1 kgf/cm2 = 98.0665 kPa).
    EXPECT_NEAR(saturationPressure(app, 20.0f) * 98.0665f, 2.339f, 0.02f);
    EXPECT_NEAR(saturationPressure(app, 100.0f), 1.033f, 0.005f);
}

TEST_F(HumidGas, StandardAirMolecularWeightAndRatio) {
    EXPECT_NEAR(dryMolecularWeight(app, kAirDry), 28.8428f, 0.0005f);
    EXPECT_NEAR(waterWeightRatio(app, kAirDry), 0.6241f, 0.0001f);
    EXPECT_NEAR(waterWeightRatio(app, kAirDry, 18.0153f), 18.0153f / 28.8428f, 1e-5f);
    // Dry air: about 0.24 kcal/kgK, 1.293 kg/Nm3.
    EXPECT_NEAR(dryGasSpecificHeat(app, kAirDry), 0.24f, 0.003f);
    EXPECT_NEAR(normalDensity(app, kAirDry), 1.29f, 0.005f);
}

TEST_F(HumidGas, HumidityAndMoleFractionAreInverse) {
    for (float X : {0.003772f, 0.05f, 1.0f, 17.06f}) {
        float V = moleFraction(app, X, kAirRatio);
        EXPECT_NEAR(humidityFromMoleFraction(app, V, kAirRatio), X, X * 1e-4f);
        // Partial pressure is the mole fraction of the total pressure.
        EXPECT_NEAR(waterPartialPressure(app, X, kAirRatio), 1.033f * V, 1e-5f);
    }
}

TEST_F(HumidGas, DewPointOfSaturatedGasIsItsTemperature) {
    // The dew-point fit is not the exact inverse of the pressure fit: a few tenths.
    for (float T : {5.0f, 20.0f, 50.0f, 80.0f}) EXPECT_NEAR(dewPoint(app, saturationPressure(app, T)), T, 0.5f) << T;
}

TEST_F(HumidGas, WetAndDryCompositions) {
    float wet[kComponents];
    wetFromDry(app, kAirDry, 10.0f, wet);
    EXPECT_NEAR(wet[kN2], 0.7902f * 0.9f, 1e-6f);
    EXPECT_FLOAT_EQ(wet[kH2O], 10.0f);
    const float wetFractions[kComponents] = {kAirCO2 * 0.9f, kAirN2 * 0.9f, kAirO2 * 0.9f, 0.1f};
    float dry[kComponents];
    dryFromWet(app, wetFractions, dry);
    EXPECT_NEAR(dry[kN2], kAirN2, 1e-5f);
    EXPECT_NEAR(dry[kO2], kAirO2, 1e-5f);
    // A dry gas: the water term is left out.
    const float dryGas[kComponents] = {0.1f, 0.9f, 0.0f, 0.0f};
    EXPECT_NEAR(normalDensity(app, dryGas), 0.1f * 1.9643f + 0.9f * 1.25f, 1e-5f);
}

TEST_F(HumidGas, EnthalpyLowerLimit) {
    EXPECT_FLOAT_EQ(enthalpyLowerLimit(app, -5.0f), 2.253f);
    // At 30 °C the saturated enthalpy is about 23.8 kcal/kg.
    EXPECT_NEAR(enthalpyLowerLimit(app, 30.0f), 23.8f, 0.2f);
    EXPECT_GE(enthalpyLowerLimit(app, 0.0f), 2.253f);
}

// The saturated enthalpy at the temperature found is the one asked for (the
// iteration stops within 0.1 °C of its own implied temperature).
void expectSaturatedAt(App& app, float H2, float T) {
    float X = saturatedHumidity(app, T, kAirRatio);
    EXPECT_NEAR(saturatedEnthalpy(app, T, X, 0.24f), H2, 0.03f * H2 + 0.1f) << "H2=" << H2 << " T=" << T;
}

TEST_F(HumidGas, EnthalpyIterationConvergesAcrossTheRange) {
    for (float H2 : {23.0f, 30.0f, 100.0f, 300.0f, 500.0f}) {
        float T = saturationTemperatureFromEnthalpy(app, H2, false);
        expectSaturatedAt(app, H2, T);
    }
    // Below the value at 30 °C the temperature falls from 30.
    EXPECT_LT(saturationTemperatureFromEnthalpy(app, 20.0f, false), 30.0f);
    EXPECT_EQ(platform.pauses, 0);
}

TEST_F(HumidGas, EnthalpyIterationStepsTowardsANegativeImpliedTemperature) {
    // Below about 16.3 kcal/kg the implied temperature starts negative; a
    // step away from it would never converge.
    for (float H2 : {2.26f, 5.0f, 10.0f, 16.0f}) {
        float T = saturationTemperatureFromEnthalpy(app, H2, false);
        expectSaturatedAt(app, H2, T);
        EXPECT_LT(T, 23.0f);
    }
}

TEST_F(HumidGas, EnthalpyIterationTracesEachPass) {
    // The trace is overwritten in place; the converged result clears the page.
    Pane& pane = app.pane;
    uint64_t before = pane.endLine();
    saturationTemperatureFromEnthalpy(app, 23.0f, true);
    bool sawHeader = false, sawKelvin = false;
    for (uint64_t i = before; i < pane.endLine(); ++i) {
        const std::string& line = pane.line(i);
        if (line.find("[ determination of inlet temp.]") == 9) sawHeader = true;
        size_t at = line.find("Tsi     =");
        if (at != std::string::npos) sawKelvin = std::stof(line.substr(at + 9)) > 273.0f;
        if (line.find("LOOP=") == 9) {
            EXPECT_NE(line.find("/5000"), std::string::npos);
        }
    }
    EXPECT_TRUE(sawHeader);
    EXPECT_TRUE(sawKelvin);
    EXPECT_EQ(pane.pageRows(), 0u);
}

TEST_F(HumidGas, EnthalpyIterationLeavesWithTheLoopMessageAtItsLimit) {
    // Large enthalpies make the fixed steps oscillate: the pass limit ends it
    // with the message and a pause, not silently.
    for (float H2 : {1000.0f, 2000.0f}) {
        std::string page = stopped([&] { saturationTemperatureFromEnthalpy(app, H2, false); });
        EXPECT_NE(page.find("   @@@  収束不可のため終了します。@@"), std::string::npos);
        EXPECT_EQ(page.find("nan"), std::string::npos);
    }
}

TEST_F(HumidGas, NonNumbersStopTheCalculation) {
    std::string page = stopped([&] { dewPoint(app, 0.0f); });
    EXPECT_NE(page.find("   @@@  計算不能のため終了します。[ Pw <= 0 (対数) ]@@"), std::string::npos) << page;
    page = stopped([&] { saturationPressure(app, -233.7f); });
    EXPECT_NE(page.find("T+233.7 = 0"), std::string::npos);
    page = stopped([&] { humidityFromMoleFraction(app, 1.0f, kAirRatio); });
    EXPECT_NE(page.find("1-V = 0"), std::string::npos);
    const float none[kComponents] = {};
    page = stopped([&] { dryMolecularWeight(app, none); });
    EXPECT_NE(page.find("CO2+O2+N2 = 0"), std::string::npos);
}

}  // namespace
}  // namespace cfhx::calc
