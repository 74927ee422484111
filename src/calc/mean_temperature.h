// Log-mean temperature difference and the effectiveness of the pass forms.
#pragma once

namespace cfhx {
struct App;
}

namespace cfhx::calc {

struct Record;

// LMTD of the end temperatures; `parallel` for flow arrangement codes 2 and 4.
// Equal end differences give the arithmetic mean difference.
float lmtd(App& app, float Tti, float Tto, float Tsi, float Tso, bool parallel);

enum class PassForm {
    Parallel,          // flow arrangement code 2
    OnePass,           // ε1
    TwoTubePasses,
    TwoShellPasses,
    ThreeTubePasses,   // three or more
    ThreeShellPasses,  // three or more; also flow arrangement code 3
};

// The form for a flow arrangement code and the pass numbers: code 2
// parallel, code 3 three shell passes, otherwise the first of PNs = 2,
// PNt = 2, PNs > 2, PNt > 2, one pass.
PassForm passForm(int arrangementCode, float PNs, float PNt);

// Effectiveness FEEX for capacity ratio R = Cmin/Cmax (0 < R ≤ 1) and NTUS.
float effectiveness(App& app, PassForm form, float R, float NTUS);
// ε1(N): one pass, both fluids unmixed across the pass.
float onePassEffectiveness(App& app, float R, float N);
// Counter-flow effectiveness, the upper bound of every form.
float counterFlowEffectiveness(App& app, float R, float NTUS);

// Fthe = FEEX·Cmin·|Tti − Tsi|/(LMTD·KI·Ai), capped at 1.
float theoreticalCorrection(App& app, float FEEX, float Cmin, float inletDifference, float LMTD, float KI, float Ai);
// True when |FF − Fthe| < 0.002 (FF above 0.9999 then becomes 1);
// otherwise FF takes Fthe.
bool settleCorrectionFactor(float& FF, float Fthe);

// Temperature efficiencies Es = |Tso − Tsi|/|Tti − Tsi| and
// Et = |Tti − Tto|/|Tti − Tsi|; left alone when latent heat is exchanged.
void temperatureEfficiencies(App& app, Record& r);

}  // namespace cfhx::calc
