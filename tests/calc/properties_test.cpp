#include "calc/properties.h"

#include <string>
#include <vector>

#include "calc/humid_gas.h"
#include "engine_fixture.h"

namespace cfhx::calc {
namespace {

class Properties : public cfhx::testing::EngineTest {
protected:
    // Mean, wall and film temperatures all at T.
    void at(float T) {
        r.TGM = r.TAM = r.Twav = T;
        r.Ai = r.Aeff = 1.0f;
    }
    void air(float water = 0.0f) {
        const float keep = 1.0f - water;
        const float wet[kComponents] = {kAirCO2 * keep, kAirN2 * keep, kAirO2 * keep, water};
        for (int c = 0; c < kComponents; ++c) r.shellWet[c] = r.tubeWet[c] = wet[c];
    }
};

TEST_F(Properties, AirAt20Degrees) {
    air();
    at(20.0f);
    shellGasProperties(r);
    EXPECT_NEAR(r.DsN, 1.29f, 0.005f);
    EXPECT_NEAR(r.Ds, 1.29f * 273.0f / 293.0f, 0.005f);
    EXPECT_NEAR(r.Cs, 0.24f, 0.003f);
    EXPECT_NEAR(r.Pb, 0.71f, 0.02f);
    // 0.0257 W/mK and 15.1e-6 m2/s from air tables.
    EXPECT_NEAR(r.Ks * 1.163f, 0.0257f, 0.0008f);
    EXPECT_NEAR(r.VIs / 3600.0f, 15.1e-6f, 0.4e-6f);
    // Wall and bulk at the same temperature.
    EXPECT_NEAR(r.Pbw, r.Pb, 1e-5f);
}

TEST_F(Properties, TubeGasMatchesShellGasForTheSameMixture) {
    air(0.05f);
    at(150.0f);
    shellGasProperties(r);
    tubeGasProperties(r);
    EXPECT_FLOAT_EQ(r.Dt, r.Ds);
    EXPECT_FLOAT_EQ(r.Ct, r.Cs);
    EXPECT_FLOAT_EQ(r.Kt, r.Ks);
    EXPECT_FLOAT_EQ(r.VIt, r.VIs);
    EXPECT_FLOAT_EQ(r.Pvis, r.VIt);
    EXPECT_NEAR(r.DtN, normalDensity(r.tubeWet), 1e-5f);
}

TEST_F(Properties, FilmTemperatureIsBetweenWallAndMean) {
    air();
    r.TAM = 200.0f;
    r.TGM = 20.0f;
    r.Hs = 50.0f;
    r.Ht = 50.0f;
    r.Aeff = r.Ai = 1.0f;
    shellGasProperties(r);
    EXPECT_FLOAT_EQ(r.Twav, 110.0f);
    EXPECT_FLOAT_EQ(r.TAMAV, 155.0f);
    EXPECT_FLOAT_EQ(r.TGMAV, 65.0f);
    EXPECT_FLOAT_EQ(r.TwK, 383.0f);
    EXPECT_FLOAT_EQ(r.TgK, 293.0f);
}

TEST_F(Properties, DryGasLeavesTheWaterTermsOut) {
    air();
    at(50.0f);
    shellGasProperties(r);
    const float dryCp = r.Cs;
    EXPECT_EQ(r.shellMemory.cp[kH2O], 0.0f);
    air(0.1f);
    shellGasProperties(r);
    EXPECT_GT(r.shellMemory.cp[kH2O], 0.4f);  // steam: about 0.45 kcal/kgK
    EXPECT_GT(r.Cs, dryCp);
}

TEST_F(Properties, SteamConductivityIsContinuousAt207) {
    float above = 0, below = 0;
    ASSERT_TRUE(componentProperty(GasProperty::Conductivity, kH2O, 207.0f, above));
    ASSERT_TRUE(componentProperty(GasProperty::Conductivity, kH2O, 206.999f, below));
    EXPECT_NEAR(above, 0.0293f, 0.0001f);
    EXPECT_NEAR(below, 0.0293f, 0.0001f);
}

TEST_F(Properties, RangeEdgesOfTheComponentPolynomials) {
    float v = -1.0f;
    // Water vapour exists above 0 °C only; N2 cp down to above −173.
    EXPECT_FALSE(componentProperty(GasProperty::Cp, kH2O, 0.0f, v));
    EXPECT_EQ(v, -1.0f);
    EXPECT_TRUE(componentProperty(GasProperty::Cp, kH2O, 0.01f, v));
    EXPECT_FALSE(componentProperty(GasProperty::Cp, kN2, -173.0f, v));
    EXPECT_TRUE(componentProperty(GasProperty::Cp, kO2, -173.0f, v));
    EXPECT_TRUE(componentProperty(GasProperty::Conductivity, kCO2, -73.0f, v));
    EXPECT_FALSE(componentProperty(GasProperty::Conductivity, kCO2, -73.01f, v));
    // N2 cp changes band at −73 (the lower band includes it) and at 127.
    float low = 0, high = 0;
    componentProperty(GasProperty::Cp, kN2, -73.0f, low);
    componentProperty(GasProperty::Cp, kN2, -72.99f, high);
    EXPECT_NEAR(low, high, 0.002f);
    EXPECT_NEAR(high, 0.249f, 0.003f);  // N2 near 200 K: 1.04 kJ/kgK
}

TEST_F(Properties, EachBandEdgeBelongsToTheBandItIsWrittenIn) {
    // The polynomial of the band holding the edge, evaluated by hand at
    // θ = (273 + T)/100; the neighbouring band differs by 0.04 % or more.
    const struct {
        GasProperty p;
        Component c;
        float T;
        double value;
    } gas[] = {
        {GasProperty::Cp, kN2, 527.0f, 0.268024},          {GasProperty::Cp, kN2, 127.0f, 0.24952},
        {GasProperty::Cp, kN2, -73.0f, 0.2491},            {GasProperty::Cp, kO2, 127.0f, 0.2247764},
        {GasProperty::Cp, kH2O, 207.0f, 0.5289997},        {GasProperty::Cp, kH2O, 100.0f, 0.4840386},
        {GasProperty::Viscosity, kH2O, 227.0f, 0.0621943}, {GasProperty::Conductivity, kCO2, 227.0f, 0.0291},
        {GasProperty::Conductivity, kN2, 527.0f, 0.0471818}, {GasProperty::Conductivity, kH2O, 207.0f, 0.02925285},
    };
    for (const auto& g : gas) {
        float v = 0.0f;
        ASSERT_TRUE(componentProperty(g.p, g.c, g.T, v)) << g.T;
        EXPECT_NEAR(v, g.value, 2e-5 * g.value) << int(g.p) << " " << int(g.c) << " at " << g.T;
    }
    float v = 0.0f;
    EXPECT_TRUE(componentProperty(GasProperty::Conductivity, kN2, -173.0f, v));
    EXPECT_FALSE(componentProperty(GasProperty::Conductivity, kH2O, 0.0f, v));
    EXPECT_FALSE(componentProperty(GasProperty::Viscosity, kH2O, 0.0f, v));

    // Water: 167 and 27 °C for cp, 97 and 37 °C for the viscosity (kg/mh).
    EXPECT_NEAR(waterSpecificHeat(167.0f), 1.047372, 2e-5);
    EXPECT_NEAR(waterSpecificHeat(27.0f), 1.0, 2e-5);
    EXPECT_NEAR(waterViscosity(97.0f), 1.041555, 2e-5);
    EXPECT_NEAR(waterViscosity(37.0f), 2.414344, 5e-5);
}

TEST_F(Properties, BelowItsRangeAComponentKeepsThePreviousValue) {
    air(0.05f);
    at(20.0f);
    GasEvaluation first = shellGasProperties(r);
    EXPECT_EQ(first.bulk, 0u);
    const float steamCp = r.shellMemory.cp[kH2O];
    at(-10.0f);
    GasEvaluation cold = shellGasProperties(r);
    EXPECT_TRUE(kept(cold.bulk, GasProperty::Cp, kH2O));
    EXPECT_TRUE(kept(cold.bulk, GasProperty::Viscosity, kH2O));
    EXPECT_TRUE(kept(cold.bulk, GasProperty::Conductivity, kH2O));
    EXPECT_FALSE(kept(cold.bulk, GasProperty::Cp, kN2));
    EXPECT_FLOAT_EQ(r.shellMemory.cp[kH2O], steamCp);
    EXPECT_TRUE(std::isfinite(r.Cs));
}

TEST_F(Properties, TypedInPropertiesAreLeftAlone) {
    air();
    at(20.0f);
    r.flags.sPROP = "2";
    r.Ds = 7.0f;
    r.Dt = 8.0f;
    shellGasProperties(r);
    tubeGasProperties(r);
    waterProperties(r, notes);
    EXPECT_EQ(r.Ds, 7.0f);
    EXPECT_EQ(r.Dt, 8.0f);
}

TEST_F(Properties, WaterAt20Degrees) {
    at(20.0f);
    r.Wt = 3.6f;  // t/h
    waterProperties(r, notes);
    EXPECT_NEAR(r.Dt, 998.2f, 3.0f);
    EXPECT_NEAR(r.Ct, 1.0f, 0.005f);
    EXPECT_NEAR(r.VIt, 0.0036f, 0.0001f);
    EXPECT_NEAR(r.Kt, 0.516f, 0.003f);
    EXPECT_NEAR(r.Prt, 7.0f, 0.2f);
    EXPECT_NEAR(r.Vt, 3600.0f / r.Dt, 0.001f);
    EXPECT_TRUE(notes.added.empty());
}

TEST_F(Properties, WaterFollowsTheSteamTables) {
    // ρ, cp (kcal/kgK), ν (m2/h) at 80 and 150 °C.
    struct Point {
        float T, rho, cp, nu;
    } points[] = {{80.0f, 971.8f, 1.002f, 0.365e-6f * 3600}, {150.0f, 917.0f, 1.031f, 0.197e-6f * 3600}};
    for (const Point& p : points) {
        at(p.T);
        waterProperties(r, notes);
        EXPECT_NEAR(r.Dt, p.rho, 4.0f) << p.T;
        EXPECT_NEAR(r.Ct, p.cp, 0.01f) << p.T;
        EXPECT_NEAR(r.VIt, p.nu, 0.1f * p.nu) << p.T;
    }
}

TEST_F(Properties, WaterRangeNotes) {
    const Note above = Note::PropertyAboveRange;
    const Note below = Note::PropertyBelowRange;
    const struct {
        const char* name;
        float T;
        std::vector<Note> notes;
        bool keepsCpAndViscosity;
    } cases[] = {
        {"0 °C is in range", 0.0f, {}, false},
        // Density, specific heat, viscosity, and the wall viscosity.
        {"just below 0 °C", -0.1f, {below, below, below, below}, true},
        {"300 °C is in range", 300.0f, {}, false},
        {"above 300 °C", 301.0f, {above}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        at(20.0f);
        waterProperties(r, notes);
        const float ct = r.Ct, vit = r.VIt;
        notes.added.clear();
        at(c.T);
        waterProperties(r, notes);
        EXPECT_EQ(notes.added, c.notes);
        EXPECT_EQ(r.Ct == ct && r.VIt == vit, c.keepsCpAndViscosity) << "the previous Ct and VIt stand below 0 °C";
        notes.added.clear();
    }
}

TEST_F(Properties, WaterBelowZeroAtTheWallOnlyKeepsTheWallViscosity) {
    at(20.0f);
    waterProperties(r, notes);
    const float pvis = r.Pvis;
    // Mean 10 °C, wall −2 °C: the film at 4 °C is in range.
    r.TGM = 10.0f;
    r.TAM = -14.0f;
    waterProperties(r, notes);
    EXPECT_FLOAT_EQ(r.Twav, -2.0f);
    EXPECT_EQ(notes.added, std::vector<Note>{Note::PropertyBelowRange});
    EXPECT_EQ(r.Pvis, pvis);
}

TEST_F(Properties, EmptyGasStopsWithAMessage) {
    at(20.0f);
    std::string page = stopped([&] { shellGasProperties(r); });
    EXPECT_NE(page.find("DN = 0"), std::string::npos) << page;
}

}  // namespace
}  // namespace cfhx::calc
