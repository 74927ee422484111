// Each correlation at one set of inputs against the formula evaluated
// independently in double precision: a wrong coefficient, exponent or
// operand shows here even where the plausibility checks would pass.
#include <cmath>

#include "calc/heat_transfer.h"
#include "calc/pressure_loss.h"
#include "engine_fixture.h"

namespace cfhx::calc {
namespace {

class CorrelationValues : public cfhx::testing::EngineTest {
protected:
    // 1" tubes, 1/2" fins 0.4 mm thick, 8 per inch; air-like shell fluid.
    CorrelationValues() {
        r.DO = 0.0254f;
        r.DI = 0.0214f;
        r.Fh = 0.0127f;
        r.FT = 0.0004f;
        r.FPI = 8.0f;
        finGeometry(r);
        r.Pv = 0.06f;
        r.Ph = 0.05f;
        r.Ks = 0.027f;
        r.VIs = 0.08f;
        r.As = 0.11f;
        r.Res = 6000.0f;
        r.UM = 4.0f;
        r.Ds = 1.0f;
        r.Nh = 4.0f;
        r.PNs = r.PNt = 1.0f;
    }
    static void near(float actual, double expected) { EXPECT_NEAR(actual, expected, 2e-5 * std::fabs(expected)); }
};

TEST_F(CorrelationValues, FinGeometry) {
    near(r.FS, 0.002775);
    near(r.Df, 0.0508);
}

TEST_F(CorrelationValues, RadialFinShell) {
    radialFinShell(r);
    near(r.Hs, 43.786491);
    radialFinShellLoss(r);
    near(r.fs, 0.29990368);
    near(r.Ps, 9.7927734e-05);
    near(r.DPs, 0.97927734);
}

TEST_F(CorrelationValues, PlateFinShell) {
    plateFinShell(r);
    near(r.Gf, 0.002775);
    near(r.De, 0.05372734);
    near(r.Hs, 37.813761);
    plateFinShellLoss(r);
    near(r.fs, 1.4168855);
    near(r.Ps, 4.6265651e-04);
}

TEST_F(CorrelationValues, BareBankForms) {
    r.Frow = 0.89f;
    r.Pb = 0.7f;
    r.Pbw = 0.72f;
    r.flags.arrangement = "1";
    r.PVY = 2.5f;
    r.PHX = 1.2f;
    bareBankShell(r, Phase::Sizing, notes);
    near(r.Hs, 61.100882);
    r.PVY = 1.8f;
    bareBankShell(r, Phase::Sizing, notes);
    near(r.Hs, 57.979409);
    r.flags.arrangement = "2";
    bareBankShell(r, Phase::Sizing, notes);
    near(r.Hs, 53.542148);
    r.TubeFluidKind = 4.0f;
    bareBankShell(r, Phase::Rating, notes);
    near(r.Hs, 38.420299);
}

TEST_F(CorrelationValues, SensibleTube) {
    // Prt = 1·1·1.5/0.5 = 3.
    r.Kt = 0.5f;
    r.Ct = r.Dt = 1.0f;
    r.VIt = 1.5f;
    r.Ret = 20000.0f;
    tubeSensible(r, Phase::Rating);
    near(r.Ht, 2137.9101);
}

TEST_F(CorrelationValues, TwistedTape) {
    r.TubeFluidKind = 2.0f;
    r.flags.sTAPE = "y";
    r.TTP2 = 0.2f;
    r.TTh = 0.001f;
    r.Dh = tapedHydraulicDiameter(r.DI, r.TTh);
    near(r.Dh, 0.012525448);
    near(transitionReynolds(r.DI, r.TTP2), 3175.0869);
    // Prt = 1·1·0.021/0.03 = 0.7.
    r.Kt = 0.03f;
    r.Ct = r.Dt = 1.0f;
    r.VIt = 0.021f;
    // Wall at (50·10·20 + 50·1·200)/(50·10 + 50·1) = 36.36 °C.
    r.Hs = 50.0f;
    r.Aeff = 10.0f;
    r.TAM = 20.0f;
    r.Ai = 1.0f;
    r.TGM = 200.0f;
    const struct {
        float RetT;
        double Ht, f;
    } cases[] = {{20000.0f, 195.10149, 0.009075940}, {1000.0f, 33.507891, 0.034890267}};
    for (const auto& c : cases) {
        r.Ht = 50.0f;
        r.RetT = c.RetT;
        tubeTwistedTape(r, Phase::Rating);
        near(r.Twav, 36.363636);
        near(r.Ht, c.Ht);
        tubeLossTape(r, Phase::Rating);
        near(r.f, c.f);
    }
    // Sizing: the turbulent forms at every RetT.
    r.Ht = 50.0f;
    tubeTwistedTape(r, Phase::Sizing);
    near(r.Ht, 28.392673);
    tubeLossTape(r, Phase::Sizing);
    near(r.f, 0.016523332);
}

// Ten bare tubes 2 m long; water-like condensate and vapour at 100 °C
// against gas 20 → 60 °C.
class PhaseChangeValues : public CorrelationValues {
protected:
    PhaseChangeValues() {
        r.TL = 2.0f;
        r.Nt = 10.0f;
        r.Hs = 50.0f;
        r.Tti = 100.0f;
        r.Tsi = 20.0f;
        r.Tso = 60.0f;
        r.Ktl = 0.58f;
        r.Dsl = 958.0f;
        r.Dt = 0.6f;
        r.hfg = 539.0f;
        r.VItl = 0.00106f;
    }
};

TEST_F(PhaseChangeValues, Condensation) {
    r.Ht = 5000.0f;
    tubeCondensation(r, TubeKind::Bare);
    near(r.Ai, 1.34392);  // 3.14 here
    near(r.Ao, 1.5959328);
    near(r.TAM, 40.0);
    near(r.Twav, 99.29585);
    near(r.Ht, 8324.8156);
}

TEST_F(PhaseChangeValues, Evaporation) {
    r.PNt = 1.0f;
    r.Wt = 20.0f;
    r.Ctl = 1.0f;
    r.Psat = 1.033f;
    r.SIGt = 0.006f;
    r.Ai = 3.1416f * r.DI * r.TL * r.Nt;
    r.Twav = 150.0f;  // the wall of the previous pass sets ΔT = 50
    tubeEvaporation(r, TubeKind::Bare);
    // 0.5·Hnb (20.93) + Hcv (1012.65)
    near(r.Ht, 1023.1100);
    near(r.Twav, 96.710492);
}

TEST_F(CorrelationValues, WetSurfaceEnhancement) {
    // Gas at 60 °C over a wall at 40 °C, standard-air ratio.
    r.Hs = 40.0f;
    r.Dcf = 1e-10f;
    wetEnhancement(r, HumidSide::Shell, 60.0f, 40.0f, 0.622f);
    near(r.Kc, 14.150445);
}

}  // namespace
}  // namespace cfhx::calc
