// Log-mean temperature difference and the effectiveness of the pass forms.
#pragma once

namespace cfhx::calc {

struct Record;

// LMTD of the end temperatures; `parallel` for flow arrangement codes 2 and 4
// (inlet against inlet). Counter-type ends are |Tti − Tso| and |Tto − Tsi|,
// signed when the shell side is the hot one. End differences of equal size
// give the arithmetic mean difference; otherwise a zero end difference stops.
float lmtd(float Tti, float Tto, float Tsi, float Tso, bool parallel);

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
float effectiveness(PassForm form, float R, float NTUS);
// ε1(N) = (1/R)·(1 − e^(−R·(1 − e^(−N)))): one cross-flow pass with the
// larger capacity rate (Cmax) mixed and the smaller (Cmin) unmixed.
float onePassEffectiveness(float R, float N);
// Counter-flow effectiveness, the upper bound of every form.
float counterFlowEffectiveness(float R, float NTUS);

// Fthe = FEEX·Cmin·|Tti − Tsi|/(LMTD·KI·Ai), capped at 1.
float theoreticalCorrection(float FEEX, float Cmin, float inletDifference, float LMTD, float KI, float Ai);
// True when |FF − Fthe| < 0.002 (FF above 0.9999 then becomes 1);
// otherwise FF takes Fthe.
bool settleCorrectionFactor(float& FF, float Fthe);

// Temperature efficiencies Es = |Tso − Tsi|/|Tti − Tsi| and
// Et = |Tti − Tto|/|Tti − Tsi|; left alone when latent heat is exchanged.
void temperatureEfficiencies(Record& r);

}  // namespace cfhx::calc
