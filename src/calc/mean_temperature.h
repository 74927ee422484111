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

// The largest effectiveness a bundle is given.
inline constexpr double kPinchedEffectiveness = 0.9999;

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

// The correction factor's search over the passes of one loop. FF takes the
// factor the effectiveness gives while the miss at least halves from pass
// to pass. Where a coefficient steps (a correlation's band, a row factor)
// no factor may give itself back and the plain update cycles; after that
// FF halves the bracket between the last factors that asked for more and
// for less, and a bracket narrower than the tolerance settles with Fthe
// taken as the factor the last pass was made with.
//
// With `Crawl::Secant`, a miss that keeps its side and shrinks only slowly
// (the factor the effectiveness gives moves almost with FF, as where the
// shell flow is solved for) is followed by the secant through the last two
// passes: the plain update would stop where its step fell below the
// tolerance, far from the factor that gives itself back.
class CorrectionSearch {
public:
    enum class Crawl { Plain, Secant };
    CorrectionSearch() = default;
    explicit CorrectionSearch(Crawl crawl) : crawl_(crawl) {}

    // True when settled; otherwise FF holds the factor of the next pass.
    bool next(float& FF, float& Fthe);

private:
    float low_ = 0.0f, high_ = 0.0f;  // factors that gave a larger and a smaller Fthe
    Crawl crawl_ = Crawl::Plain;
    float lastMiss_ = 0.0f;
    float lastSigned_ = 0.0f, lastFF_ = 0.0f;  // the last pass's miss and factor
    bool bracketing_ = false;
};

// Temperature efficiencies Es = |Tso − Tsi|/|Tti − Tsi| and
// Et = |Tti − Tto|/|Tti − Tsi|; left alone when latent heat is exchanged.
void temperatureEfficiencies(Record& r);

}  // namespace cfhx::calc
