#include "calc/rating.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/codes.h"
#include "app/control_flow.h"
#include "app/mask.h"
#include "app/screen_fields.h"
#include "app/text_width.h"
#include "calc/condensing.h"
#include "calc/heat_transfer.h"
#include "calc/humid_gas.h"
#include "calc/mean_temperature.h"
#include "calc/loss_report.h"
#include "calc/notes.h"
#include "calc/numeric_guard.h"
#include "calc/numeric_pane.h"
#include "calc/pressure_loss.h"
#include "calc/properties.h"
#include "calc/rating_texts.h"
#include "calc/stage.h"
#include "calc/units.h"

namespace cfhx::calc {
namespace {

namespace tx = rating_texts;

// Rows of the traces. The loops overwrite their rows in place, so a run of
// thousands of passes keeps one page: nested loops sit one under the other.
enum Row {
    kMeanRow = 5,          // #2, #3: header and two lines
    kPhaseRow = 9,         // phase marker
    kShellVelocityRow = 10,  // #5 (sizing), #8 and #9 (rating)
    kTubeVelocityRow = 15,   // #4
    kRowsLengthRow = 20,     // #6
    kCorrectionRow = 26,     // #10
    kAimRow = 31,            // No. 7: T4, T44X, NH
    kLossRow = 33,           // pressure-loss lines
    // A humid rating shares its page with the condensing side's progress
    // screen (rows 4-20): its own lines go below it.
    kHumidPhaseRow = 21,
};

// A loop's header with its pass count: "header n" or "header n/limit".
constexpr std::string_view kCountPlace = " {}";
struct Counted {
    TraceText text;
    int n;
};
Counted counted(std::string_view header, int n, std::string_view limit = {}) {
    return {.text = TraceText::free(header, kCountPlace, limit), .n = n};
}
float ratio(float a, float b) { return b != 0.0f ? a / b : 0.0f; }

// Counts a pass; past the limit the run stops with `message`, or as a loop
// that does not converge (the calculate button shows it on a cleared page
// and pauses).
void passLimit(int& counter, int limit, std::string_view message) {
    if (++counter > limit) stopCalculation(message);
}
void passLimit(int& counter, int limit) {
    if (++counter > limit) stopCalculation(StopCause::NoConvergence);
}

struct Run {
    App& app;
    Record& r;
    RatingEntry entry;
    const PassLimits& limits;
    TubeKind kind = TubeKind::Bare;
    bool si = false;
    bool water = false;       // water in the tubes
    bool manual = false;      // typed-in properties
    bool humidShell = false;  // condensing humid gas outside the tubes
    bool humidTube = false;   // condensing humid gas in the tubes
    TubeRegime regime = TubeRegime::Sensible;
    Notes notes = {};
    int cnt4 = 0, cnt5 = 0, cnt6 = 0, cnt8 = 0, cnt9 = 0, cnt10 = 0, lim6 = 0;
    CorrectionSearch correction = {};

    Pane& pane() { return app.pane; }
    bool humid() const { return humidShell || humidTube; }
    bool finned() const { return kind != TubeKind::Bare; }
    // The shell gas is the hot stream.
    bool hotShell() const { return r.Tsi > r.Tti; }
    // Trace rows, rewritten on every pass; the texts are the static tables.
    void at(int row, std::string_view format, std::initializer_list<double> values) {
        pane().traceAt(row, 1, TraceText::mask(format), values);
    }
    void text(int row, std::string_view line) { pane().traceAt(row, 1, TraceText::text(line)); }
    void free(int row, std::string_view text, std::initializer_list<double> values) {
        pane().traceAt(row, 1, TraceText::free(text), values);
    }
    // The loss lines start at a fixed row so that repeats overwrite them.
    void lossRows() { pane().printAt(kLossRow - 1, 1, ""); }
};

// One block of a loop's trace: the header with its pass count on `row`,
// then each masked line under it.
struct TraceLine {
    std::string_view format;
    std::initializer_list<double> values;
};
void trace(Run& s, int row, const Counted& header, std::initializer_list<TraceLine> lines) {
    s.pane().traceAt(row, 1, header.text, {static_cast<double>(header.n)});
    for (const TraceLine& l : lines) s.at(++row, l.format, l.values);
}

// A velocity loop's step: settled when the assumed and resulting velocities
// agree within 0.002 m/s; otherwise the next assumption is their mean, and
// the loop gives up past `ceiling`.
bool velocitySettled(float& assumed, float resulting, float ceiling) {
    if (std::fabs(resulting - assumed) < 0.002f) return true;
    assumed = std::fabs(assumed + resulting) / 2.0f + 0.0001f;
    return assumed > ceiling;
}

// Tube mass flow, kg/h (water is held in t/h).
float tubeMassFlow(const Record& r) {
    return r.flags.sTF == TubeMethod::Water && r.flags.sPROP != Prop::TypedIn ? r.Wt * 1000.0f : r.Wt;
}

// Actual tube volume flow at the property temperature, m3/h.
void tubeActualFlow(Run& s) {
    Record& r = s.r;
    if (s.manual) {
        r.Vta = checkedDiv(r.Wt, r.Dt, "Dt");
    } else if (s.water) {
        r.Vt = checkedDiv(r.Wt * 1000.0f, r.Dt, "Dt");
        r.Vta = r.Vt;
    } else {
        r.Vta = r.Vt * (kKelvin + r.TGMAV) / kKelvin;
    }
}

// Actual volume flows of both streams at the property temperatures, m3/h.
void actualFlows(Run& s) {
    Record& r = s.r;
    tubeActualFlow(s);
    r.Vsa = s.manual ? checkedDiv(r.Ws, r.Ds, "Ds") : r.Vs * (kKelvin + r.TAMAV) / kKelvin;
}

// LMTD of the current ends and the flow arrangement.
float currentLmtd(Run& s) {
    Record& r = s.r;
    return lmtd(r.Tti, r.Tto, r.Tsi, r.Tso, r.flags.sFLOW == Flow::Parallel);
}

// --- Sizing -------------------------------------------------------------

// #2: both outlets given; the mean temperatures, properties and duty.
void meanTemperatureGiven(Run& s) {
    const tx::RatingTexts& T = tx::ratingTexts(s.app.language);
    Record& r = s.r;
    r.TAM = (r.Tsi + r.Tso) / 2.0f;
    r.TGM = (r.Tti + r.Tto) / 2.0f;
    int cnt = static_cast<int>(r.CNT3);
    passLimit(cnt, s.limits.meanTemperature);
    ++r.passes.meanTemperature;
    r.CNT3 = static_cast<float>(cnt);
    trace(s, kMeanRow, counted(T.meanGivenHeader, cnt), {{tx::kMeanGivenTAM, {r.TAM, r.TAMAV}}, {tx::kMeanGivenTGM, {r.TGM, r.TGMAV}}});
    evaluateProperties(s.app, r);
    r.TAM = (r.Tsi + r.Tso) / 2.0f;
    r.TGM = (r.Tti + r.Tto) / 2.0f;
    const float dT = std::fabs(r.Tti - r.Tto);
    // The tube-velocity loop runs on the actual flow of this pass (the
    // shell flow is still to be found).
    tubeActualFlow(s);
    if (s.water) {
        r.Q = checkedFinite(r.Dt * r.Ct * r.Vt * dT, "Q");
    } else {
        r.Q = checkedFinite(r.Ct * r.Wt * dT, "Q");
    }
}

// How far past the other inlet a tube outlet worked out from the shell's
// duty may land and still be held at the pinch, and how far inside it is
// held, as fractions of the inlet difference.
constexpr float kPinchTolerance = 0.005f;
constexpr float kPinchMargin = 0.001f;

// #3: shell flow given; the tube outlet follows from the shell's duty.
void meanTemperatureComputed(Run& s) {
    const tx::RatingTexts& T = tx::ratingTexts(s.app.language);
    Record& r = s.r;
    r.TGM = r.Tti - 1.0f;
    for (;;) {
        const float remembered = r.TGM;
        r.TAM = (r.Tsi + r.Tso) / 2.0f;
        evaluateProperties(s.app, r);
        actualFlows(s);
        r.Q = checkedFinite(r.Cs * r.Ds * r.Vsa * std::fabs(r.Tso - r.Tsi), "Q");
        const float rise = checkedDiv(r.Q, r.Ct * r.Dt * r.Vta, "Ct*Dt*Vta");
        r.Tto = r.Tsi > r.Tti ? r.Tti + rise : r.Tti - rise;
        r.TGM = (r.Tto + r.Tti) / 2.0f;
        int cnt = static_cast<int>(r.CNT3);
        passLimit(cnt, s.limits.meanTemperature);
        ++r.passes.meanTemperature;
        r.CNT3 = static_cast<float>(cnt);
        trace(s, kMeanRow, counted(T.meanComputedHeader, cnt), {{tx::kMeanComputedTAM, {r.TAM, r.TAMAV}}, {tx::kMeanComputedTGM, {r.TGM, r.TGMAV}}});
        if (std::fabs(r.TGM - remembered) < 0.1f) {
            r.CNT3 = 0.0f;
            // No bundle, however large, takes the tube stream to or past the
            // other inlet. An aim at the pinch may land a hair past it, the
            // properties here being those of the mean temperatures: held
            // just inside, as the rating holds it. Further past, the duty
            // the given shell outlet asks is more than the tube can give.
            const float span = std::fabs(r.Tti - r.Tsi);
            const float past = s.hotShell() ? r.Tto - r.Tsi : r.Tsi - r.Tto;
            if (past > kPinchTolerance * span) {
                stopCalculation(s.hotShell() ? T.tubeOutletPastShellInletHot : T.tubeOutletPastShellInletCold);
            }
            if (past > -kPinchMargin * span) {
                r.Tto = s.hotShell() ? r.Tsi - kPinchMargin * span : r.Tsi + kPinchMargin * span;
                r.TGM = (r.Tto + r.Tti) / 2.0f;
            }
            return;
        }
        r.TGM += 0.01f;
    }
}

// Flow area of the tube side per tube, m2, less a tape.
float tubeFlowArea(const Record& r) {
    float area = kPi * r.DI * r.DI / 4.0f;
    if (tapeFitted(r)) area -= r.DI * r.TTh;
    return area;
}

// #4: the tube velocity that the tube count of the required area gives.
void tubeVelocityLoop(Run& s) {
    Record& r = s.r;
    r.VW = 2.0f;
    s.cnt4 = 0;
    const float tubeFlow = s.water ? r.Vt : r.Vta;
    for (;;) {
        r.Ret = checkedDiv(r.VW * r.DI * kSecondsPerHour, r.VIt, "VIt");
        if (tapeFitted(r)) r.RetT = checkedDiv(r.VW * r.Dh * kSecondsPerHour, r.VIt, "VIt");
        tubeCoefficient(r, Phase::Sizing, TubeRegime::Sensible);
        overallCoefficient(r);
        r.Ai = checkedDiv(r.Q, r.KI * r.LMTD * r.FF, "KI*LMTD*FF");
        r.Nt = checkedDiv(r.Ai, kPi * r.DI * r.TL, "DI*TL");
        areas(r, s.kind);
        r.U = checkedDiv(tubeFlow, r.Nt * tubeFlowArea(r), "tube flow area") / kSecondsPerHour * r.PNt;
        passLimit(s.cnt4, s.limits.tubeVelocity);
        ++r.passes.tubeVelocity;
        trace(s, kTubeVelocityRow, counted(tx::kTubeVelocityHeader, s.cnt4),
              {{tx::kTraceVW, {r.VW}}, {tx::kTraceU, {r.U}}, {tx::kTraceUVW, {ratio(r.U, r.VW)}}});
        if (velocitySettled(r.VW, r.U, 5000.0f)) return;
    }
}

// Width and height of the bundle from NV and Nh.
void bundleSize(Run& s) {
    Record& r = s.r;
    const float edge = s.finned() ? r.Df : r.DO;
    r.W = r.Ph * (r.Nh - 1.0f) + edge;
    r.H = r.Pv * (r.NV - 1.0f) + edge;
}

// #5 around #4: the shell velocity that the bundle's flow area gives.
void shellVelocityLoop(Run& s) {
    Record& r = s.r;
    r.UM = 5.0f;
    s.cnt5 = 0;
    for (;;) {
        r.Res = checkedDiv(r.DO * r.UM * kSecondsPerHour, r.VIs, "VIs");
        shellCoefficient(r, s.kind, Phase::Sizing, s.notes);
        printNotes(s.pane(), s.notes, s.app.language);
        if (s.finned()) finEfficiency(r);
        s.text(kPhaseRow, tx::kPhase1);
        areas(r, s.kind);
        tubeVelocityLoop(s);
        r.NV = checkedDiv(r.Nt, r.Nh, "Nh");
        bundleSize(s);
        r.Vsa = checkedDiv(r.Q, r.Cs * r.Ds * std::fabs(r.Tso - r.Tsi), "Cs*Ds*(Tso-Tsi)");
        const float assumed = r.UM;
        shellVelocity(r, s.kind);  // UM and Res of the bundle's flow area
        r.UH = r.UM;
        r.UM = assumed;
        r.Res = checkedDiv(r.DO * r.UM * kSecondsPerHour, r.VIs, "VIs");
        passLimit(s.cnt5, s.limits.shellVelocity);
        ++r.passes.shellVelocity;
        trace(s, kShellVelocityRow, counted(tx::kShellVelocityHeader, s.cnt5),
              {{tx::kTraceUH, {r.UH}}, {tx::kTraceUM, {r.UM}}, {tx::kTraceUMUH, {ratio(r.UM, r.UH)}}});
        if (velocitySettled(r.UM, r.UH, 50.0f)) return;
    }
}

// Capacity rates, NTU and effectiveness of the flow arrangement, and the
// outlets the effectiveness gives.
struct Effectiveness {
    float Ctube, Cshell, tubeOut, shellOut;
};

Effectiveness effectivenessOutlets(Run& s, float Ctube, float Cshell) {
    Record& r = s.r;
    r.Cmin = std::min(Ctube, Cshell);
    r.Cmax = std::max(Ctube, Cshell);
    const float R = checkedDiv(r.Cmin, r.Cmax, "Cmax");
    r.NTUS = checkedDiv(r.KI * r.Ai, r.Cmin, "Cmin");
    const PassForm form = passForm(wholeNumber(r.FlowPattern), r.PNs, r.PNt);
    r.FEEX = effectiveness(form, R, r.NTUS);
    const float exchanged = r.FEEX * r.Cmin * (r.Tti - r.Tsi);  // signed: a hot shell gives a negative
    return {Ctube, Cshell, r.Tti - checkedDiv(exchanged, Ctube, "Ctube"),
            r.Tsi + checkedDiv(exchanged, Cshell, "Cshell")};
}

// #10: true when the correction factor has settled.
bool correctionFactor(Run& s) {
    const tx::RatingTexts& T = tx::ratingTexts(s.app.language);
    Record& r = s.r;
    const Effectiveness e = effectivenessOutlets(s, r.Ct * tubeMassFlow(r), r.Cs * r.Ws);
    r.T2X = e.tubeOut;
    r.TY2 = e.shellOut;
    const bool counter = r.flags.sFLOW != Flow::Parallel;
    const bool crossed = s.hotShell() ? e.tubeOut > r.Tsi : e.shellOut > r.Tti;
    if (counter && crossed) stopCalculation(T.flowBalance);
    r.Fthe = theoreticalCorrection(r.FEEX, r.Cmin, std::fabs(r.Tti - r.Tsi), r.LMTD, r.KI, r.Ai);
    passLimit(s.cnt10, s.limits.correction);
    ++r.passes.correction;
    trace(s, kCorrectionRow, counted(tx::kCorrectionHeader, s.cnt10),
          {{tx::kTraceNTUS, {r.NTUS, r.T2X, r.FEEX}},
           {tx::kTraceFF, {r.FF}},
           {tx::kTraceFthe, {r.Fthe}},
           {tx::kTraceFRatio, {ratio(r.FF, r.Fthe)}}});
    return s.correction.next(r.FF, r.Fthe);
}

// The LMTD correction follows the effectiveness of the pass arrangement;
// not with latent heat, nor for the arrangement rated by its LMTD alone.
bool correctionApplies(const Record& r) {
    return r.flags.sCOND != YesNo::Yes && r.flags.sFLOW != Flow::CounterLmtd;
}

// #6's next tube length for the entered rows. The rows a length gives fall
// steeply as it grows (fewer tubes, and faster flows on both sides), so the
// mean of the old length and the one in proportion to the rows can
// overshoot and swing between two lengths, or close on the aim only slowly.
// While the miss at least halves from pass to pass the mean is taken as it
// is. After that the length moves by a power of the rows' ratio to their
// aim: the power halves whenever the rows pass their aim and grows while
// they keep to one side of it without closing in.
class LengthSearch {
public:
    explicit LengthSearch(float aim) : aim_(aim) {}

    float next(float TL, float NV) {
        const float ratio = checkedDiv(NV, aim_, "NVX");
        const float miss = std::fabs(NV - aim_);
        const bool above = NV > aim_;
        if (stepping_) {
            if (above != above_) {
                power_ *= 0.5f;
            } else if (miss > 0.5f * lastMiss_) {
                power_ = std::min(1.0f, power_ * 1.5f);
            }
        } else if (miss > 0.5f * lastMiss_) {
            stepping_ = true;
        }
        above_ = above;
        lastMiss_ = miss;
        if (!stepping_) return (TL + TL * ratio) / 2.0f;
        return TL * checkedPow(ratio, power_, "NV/NVX");
    }

private:
    float aim_;
    float power_ = 0.5f;  // the mean's own power near the aim
    float lastMiss_ = INFINITY;
    bool above_ = false;
    bool stepping_ = false;
};

// Steps 2-9: the tube length (rows given) or the rows (length given).
void sizing(Run& s) {
    Record& r = s.r;
    const bool rowsGiven = r.flags.sPROC == Proc::Length || r.flags.sPROC == Proc::LengthAndShellFlow;
    const float NVX = r.Nv;
    // Areas of the first pass before a tube count exists: the entered rows
    // (one row when the rows are solved for).
    r.Nt = r.Nh * std::max(r.Nv, 1.0f);
    float previousNt = -1.0f, previousNV = 0.0f;
    LengthSearch length(NVX);
    for (;;) {
        if (s.entry == RatingEntry::GivenTubeOutlet) {
            meanTemperatureGiven(s);
        } else {
            meanTemperatureComputed(s);
        }
        r.LMTD = currentLmtd(s);
        shellVelocityLoop(s);
        if (s.entry == RatingEntry::GivenTubeOutlet) {  // the shell flow is solved for
            r.Ws = r.Vsa * r.Ds;
            r.Vs = checkedDiv(r.Ws, r.DsN, "DsN");
        }
        s.lossRows();
        sizingLosses(s.app, r, s.kind, s.water);
        if (r.flags.sCOND != YesNo::Yes) temperatureEfficiencies(r);

        // #6: the length that gives the entered rows, or rows for the length.
        passLimit(s.cnt6, s.limits.rowsLength);
        ++r.passes.rowsLength;
        const float aim = rowsGiven ? NVX : previousNV;
        trace(s, kRowsLengthRow, counted(tx::kRowsLengthHeader, s.cnt6),
              {{tx::kTraceNVX, {aim}}, {tx::kTraceNV, {r.NV}}, {tx::kTraceNVRatio, {ratio(r.NV, aim)}}, {tx::kTraceTL, {r.TL}}});
        bool settled;
        if (rowsGiven) {
            settled = std::fabs(r.NV - NVX) < 0.01f;
            if (!settled) r.TL = length.next(r.TL, r.NV);
        } else {
            settled = std::fabs(r.Nt - previousNt) < 0.1f;
            previousNt = r.Nt;
            previousNV = r.NV;
        }
        if (!settled) continue;
        s.cnt6 = 0;
        r.CNT3 = 0.0f;

        if (!correctionApplies(r)) {
            r.Fthe = r.FF;  // the result's corrected LMTD is the one sized with
            return;
        }
        if (correctionFactor(s)) return;
        s.cnt6 = 0;
        length = LengthSearch(NVX);  // a new correction factor, a new length
    }
}

// --- Rating ---------------------------------------------------------------

// Step 10's shell-flow question and dialogue; false when the shell flow is
// to be solved for (phase 3).
bool takeRatingShellFlow(Run& s) {
    const tx::RatingTexts& T = tx::ratingTexts(s.app.language);
    Record& r = s.r;
    Pane& p = s.pane();
    bool given;
    if (r.flags.sCOND == YesNo::Yes || r.flags.sPROC == Proc::Outlets) {
        given = true;
    } else if (r.flags.sPROC == Proc::OutletAndShellFlow) {
        given = false;
    } else {
        for (;;) {
            p.print(s.si ? T.shellFlowSetQuestionSi : T.shellFlowSetQuestion);
            const std::string answer = s.app.readLine();
            if (answer == tx::kLeaveAnswer) throw LeaveCalculation{"answered " + std::string(tx::kLeaveAnswer)};
            if (answer == YesNo::Yes || answer == YesNo::No) {
                given = answer == YesNo::Yes;
                break;
            }
            p.print(T.yesOrNo);
        }
    }
    r.ChoiceC = given ? 1.0f : 0.0f;
    if (!given || s.manual) return given;

    p.print(s.si ? T.shellFlowKindSi : T.shellFlowKind);
    p.print(s.si ? T.shellFlowMassSi : T.shellFlowMass);
    const std::string kindText = s.app[kForm5.screen][kShellSide.flowKind].text();
    r.ShellFlowKind = field(s.app, kShellSide.flowKind);
    p.print(line(tx::kShellFlowKindEcho, r.ShellFlowKind));
    if (kindText == tx::kLeaveAnswer) throw LeaveCalculation{"the shell flow kind is " + kindText};
    if (r.ShellFlowKind == 1.0f) {
        r.Vs = field(s.app, kShellSide.volumeField);
        if (s.si) {
            p.print(line(T.vsEchoSi, r.Vs));
            r.Vs *= kSecondsPerHour;
        }
        r.Ws = checkedFinite(r.Vs * r.DsN, "Vs*DsN");
    } else if (r.ShellFlowKind == 2.0f) {
        r.Ws = field(s.app, kShellSide.massField);
        p.print(line(s.si ? T.wsEchoSi : T.wsEcho, r.Ws));
        if (s.si) r.Ws *= kSecondsPerHour;
        r.Vs = checkedDiv(r.Ws, r.DsN, "DsN");
    } else {
        // A wrong kind keeps every entry: message, pause, back to the screens.
        p.print(T.shellFlowRefused);
        s.app.pause();
        throw LeaveCalculation{std::string(T.shellFlowRefused)};
    }
    if (r.Vs == 0.0f || r.Ws == 0.0f) {
        p.clear();
        throw LeaveCalculation{"the shell flow is 0"};
    }
    return true;
}

// Step 13: the wall under the condensate film from the previous pass's
// coefficients, then the wet-surface enhancement of the humid side.
void wetWall(Run& s) {
    const tx::RatingTexts& T = tx::ratingTexts(s.app.language);
    Record& r = s.r;
    const bool shell = s.humidShell;
    const float Hgas = shell ? r.HsWet : r.HtWet;
    const float Hother = shell ? r.HtWet : r.HsWet;
    const float film = checkedDiv(1.0f, 1.0f / Hgas + r.Dcf / r.KL, "film");
    const float Tg = shell ? (r.Tsi + r.Tso) / 2.0f : (r.Tti + r.Tto) / 2.0f;
    const float Tother = shell ? r.TGM : r.TAM;
    const float Agas = shell ? r.Aeff : r.Ai;
    const float Aother = shell ? r.Ai : r.Aeff;
    const float Tint = checkedDiv(Tg * film * Agas + Tother * Hother * Aother, film * Agas + Hother * Aother,
                                  "wall weights");
    const float Awet = s.finned() ? r.Aeff : r.Ai;
    r.Tw = Tint + checkedDiv(r.Qk * r.Dcf, Awet * r.KL, "wet area");
    s.free(kHumidPhaseRow + 1, T.wallTemperature, {r.Tw});
    wetEnhancement(r, shell ? HumidSide::Shell : HumidSide::Tube, Tg, r.Tw, shell ? r.MS : r.MT);
}

// The coefficients of one rating pass at the current temperatures.
void ratingCoefficients(Run& s) {
    Record& r = s.r;
    const float edge = s.finned() ? r.Df : r.DO;
    r.W = (r.Nh - 1.0f) * r.Ph + edge;
    r.Nt = r.Nh * r.NV;
    r.Ai = checkedFinite(kPi * r.DI * r.TL * r.Nt, "Ai");
    shellVelocity(r, s.kind);
    shellCoefficient(r, s.kind, Phase::Rating, s.notes);
    printNotes(s.pane(), s.notes, s.app.language);
    s.text(s.humid() ? kHumidPhaseRow : kPhaseRow, tx::kPhase2);
    // A condensing side's coefficient takes the wet-surface enhancement.
    if (s.humidShell) wetWall(s);
    if (s.finned()) finEfficiency(r);
    areas(r, s.kind);
    tubeVelocity(r);
    tubeCoefficient(r, Phase::Rating, s.regime);
    if (s.humidTube) wetWall(s);
    overallCoefficient(r);
}

// Sensible rating with the effectiveness (#8): outlets from EFF until the
// effectiveness gives the same tube outlet.
void sensibleRating(Run& s) {
    const tx::RatingTexts& T = tx::ratingTexts(s.app.language);
    Record& r = s.r;
    r.EFF = 0.0f;
    r.TGM = (3.1f * r.Tti + r.Tsi) / 4.0f;
    r.TAM = (3.1f * r.Tsi + r.Tti) / 4.0f;
    const bool anyHumidity = r.flags.sHUM == Hum::Shell || r.flags.sHUM == Hum::Tube || r.flags.sHUM == Hum::None;
    const int limit = anyHumidity ? s.limits.outlet : 100;
    s.cnt8 = 0;
    for (;;) {
        actualFlows(s);
        const float Ctube = tubeCapacityRate(r), Cshell = shellCapacityRate(r);
        r.Cmin = std::min(Ctube, Cshell);
        const float span = (r.Tti - r.Tsi) * r.Cmin;
        r.T2X = r.Tti - r.EFF * checkedDiv(span, Ctube, "Ctube");
        r.TY2 = r.Tsi + r.EFF * checkedDiv(span, Cshell, "Cshell");
        r.TGM = (r.T2X + r.Tti) / 2.0f;
        r.TAM = (r.TY2 + r.Tsi) / 2.0f;
        evaluateProperties(s.app, r);
        r.Tto = r.T2X;
        r.Tso = r.TY2;
        actualFlows(s);
        ratingCoefficients(s);

        const Effectiveness e = effectivenessOutlets(s, Ctube, Cshell);
        passLimit(s.cnt8, limit, T.outletLimit);
        ++r.passes.outlet;
        trace(s, kShellVelocityRow, counted(tx::kOutletHeader, s.cnt8, anyHumidity ? tx::kPer5000 : tx::kPer100),
              {{tx::kTraceTX, {r.T2X}},
               {tx::kTraceTY, {r.TY}},
               {tx::kTraceTXTY, {ratio(r.T2X, r.TY)}},
               {tx::kTraceTY2, {r.TY2, e.shellOut}}});
        r.TGM = (r.Tti + e.tubeOut) / 2.0f;
        r.TAM = (r.Tsi + e.shellOut) / 2.0f;
        // Accepted when both streams' outlets agree within 0.1 K: a stream
        // that warms by a few kelvin against a gas that cools by a hundred
        // would otherwise leave the gas outlet kelvins from its balance.
        // The capacity rates must have settled too: a pass that jumps to the
        // outlets at once still holds the properties of the pass before.
        auto settled = [](float now, float before) { return std::fabs(now - before) <= 0.002f * std::fabs(before); };
        const bool ratesSettled = settled(tubeCapacityRate(r), Ctube) && settled(shellCapacityRate(r), Cshell);
        if (std::fabs(e.tubeOut - r.T2X) < 0.1f && std::fabs(e.shellOut - r.TY2) < 0.1f && ratesSettled) break;
        r.Tto = e.tubeOut;
        r.Tso = e.shellOut;
        r.TY = e.tubeOut;
        r.EFF = r.FEEX;
    }
    s.cnt8 = 0;
    r.Tto = r.T2X;
    r.Tso = r.TY2;
    s.lossRows();
    lossStepB(s.app, r, s.kind);
    r.Qt = r.Ct * tubeMassFlow(r) * std::fabs(r.Tti - r.Tto);
    r.Qs = r.Cs * r.Vsa * r.Ds * std::fabs(r.Tsi - r.Tso);
    r.LMTD = currentLmtd(s);
    // The duty both streams carry between the accepted outlets (the
    // effectiveness of the last pass differs from theirs by the tolerance,
    // which on a stream warmed by a few kelvin is a few per cent of it).
    r.Q = r.Q2 = r.EFF * r.Cmin * std::fabs(r.Tti - r.Tsi);
    r.Fthe = theoreticalCorrection(r.EFF, r.Cmin, std::fabs(r.Tti - r.Tsi), r.LMTD, r.KI, r.Ai);
    r.FF = 1.0f;
    r.Qk = r.Q;
}

// #9's next tube outlet. The outlet K·A·ΔT gives (TY) falls as the assumed
// outlet (TX) rises: a warmer tube outlet leaves a larger mean difference,
// which takes more from the tube stream. So the answer lies between an
// outlet whose TY lies above it and one whose TY lies below, and the two
// inlets bound it from the start. Near a pinch TY falls steeply and the
// mean of TX and TY swings from side to side without closing; where TY is
// nearly flat in TX the mean only crawls. The mean is taken as it is until
// the miss has twice failed to shrink by a quarter; after that TX halves
// the bracket of the outlets tried. A pass carries the coefficients and
// property temperatures of the one before it, so after a jump the same
// outlet is tried once more and only that second pass places it in the
// bracket (or settles the loop).
class OutletSearch {
public:
    OutletSearch(float inletA, float inletB) : low_(std::min(inletA, inletB)), high_(std::max(inletA, inletB)) {}

    // True when the pass just made may settle the loop.
    bool counts() const { return !halving_ || repeated_; }
    bool halving() const { return halving_; }
    // No outlet apart from the bracket's ends is left to try.
    bool closed() const { return std::nextafter(std::nextafter(low_, high_), high_) >= high_; }

    // The outlet of the next pass after one at TX whose heat balance gave
    // `balance`, held inside the inlets as `held`.
    float next(float TX, float balance, float held) {
        if (!halving_) {
            const float miss = std::fabs(balance - TX);
            if (miss > 0.75f * lastMiss_) ++failures_;
            lastMiss_ = miss;
            if (failures_ < 2) return (TX + held) / 2.0f;
            halving_ = true;
        }
        if (!repeated_) {
            repeated_ = true;
            return TX;
        }
        if (TX > low_ && TX < high_) (balance > TX ? low_ : high_) = TX;
        repeated_ = false;
        return (low_ + high_) / 2.0f;
    }

private:
    float low_, high_;  // tried outlets whose TY lay above and below them
    float lastMiss_ = INFINITY;
    int failures_ = 0;
    bool halving_ = false;
    bool repeated_ = false;  // the pass just made repeated its outlet
};

// Phase 3 (#9), one pass of the phase: the shell flow that carries the
// tube's duty to the shell outlet given, at the correction factor FF.
void shellFlowPhase(Run& s) {
    Record& r = s.r;
    s.text(kPhaseRow, tx::kPhase3);
    r.EFF = 0.0f;
    r.TX = 11.11f;
    r.TGM = (3.0f * r.Tti + r.Tsi) / 4.0f;
    r.TAM = (r.Tso + r.Tsi) / 2.0f;
    s.cnt9 = 0;
    OutletSearch search(r.Tti, r.Tsi);
    for (;;) {
        actualFlows(s);
        const float tubeRate = r.Ct * r.Dt * r.Vta;
        r.Q = checkedFinite(tubeRate * std::fabs(r.Tti - r.TX), "Q");
        r.Vsa = checkedDiv(r.Q, r.Ds * r.Cs * std::fabs(r.Tso - r.Tsi), "Ds*Cs*(Tso-Tsi)");
        const float Cshell = r.Ds * r.Cs * r.Vsa;
        r.Cmin = std::min(tubeRate, Cshell);
        const float span = (r.Tti - r.Tsi) * r.Cmin;
        r.T2X = r.Tti - r.EFF * checkedDiv(span, tubeRate, "Ctube");
        r.TY2 = r.Tsi + r.EFF * checkedDiv(span, Cshell, "Cshell");
        r.TGM = (r.TX + r.Tti) / 2.0f;
        evaluateProperties(s.app, r);
        tubeActualFlow(s);  // at the new property temperatures, so that Dt·Vta stays the mass flow
        r.LMTD = lmtd(r.Tti, r.TX, r.Tsi, r.Tso, r.flags.sFLOW == Flow::Parallel);
        ratingCoefficients(s);
        r.Q = checkedFinite(r.Ai * r.KI * r.LMTD * r.FF, "Q");
        const float change = checkedDiv(r.Q, r.Ct * r.Dt * r.Vta, "Ct*Dt*Vta");
        const float balance = s.hotShell() ? r.Tti + change : r.Tti - change;
        // The tube outlet cannot pass the shell inlet: a pass whose K·A·ΔT
        // would put it there (the first guess lies outside the inlets when
        // the colder one is above 11.11 °C) holds it just inside.
        const float margin = 0.001f * std::fabs(r.Tti - r.Tsi);
        r.TY = s.hotShell() ? std::min(balance, r.Tsi - margin) : std::max(balance, r.Tsi + margin);
        passLimit(s.cnt9, s.limits.phase3);
        ++r.passes.phase3;
        trace(s, kShellVelocityRow, counted(tx::kPhase3Header, s.cnt9),
              {{tx::kPhase3TX, {r.TX, r.T2X, r.TGMAV}}, {tx::kPhase3TY, {r.TY, r.TAMAV}}, {tx::kPhase3Ratio, {ratio(r.TX, r.TY)}}});
        r.Ws = r.Vsa * r.Ds;
        r.Vs = checkedDiv(r.Ws, r.DsN, "DsN");
        // Settled within 0.1 K, and within 0.2 % of the tube's own change:
        // water that warms by a few kelvin would otherwise carry a duty some
        // per cent from K·A·ΔT. The shell flow follows from that duty, so
        // the miss may not move the shell outlet it carries by 0.1 K either
        // (a gas that cools by hundreds of kelvin against water that warms
        // by tens). The balance itself must close: an outlet held at the
        // inlet is not one K·A·ΔT gives.
        const float tubeChange = std::fabs(r.Tti - r.TX);
        const float shellChange = std::fabs(r.Tso - r.Tsi);
        const float settle = std::min({0.1f, 0.002f * tubeChange, 0.1f * tubeChange / std::max(shellChange, 0.1f)});
        if (search.counts() && std::fabs(r.TX - balance) < settle) break;
        r.TX = search.next(r.TX, balance, r.TY);
        if (search.closed()) stopCalculation(StopCause::NoConvergence);
        r.Tto = r.TX;
        r.TGM = (r.Tti + r.TX) / 2.0f;
        r.TAM = (r.Tsi + r.Tso) / 2.0f;
        s.lossRows();
        lossStepA(s.app, r, s.kind, Phase::Rating);
        if (!search.halving()) r.TX += 1e-05f;
        if (r.TX > 5000.0f) break;
    }
    s.cnt9 = 0;
    r.Tto = r.TX;
    r.Fthe = r.FF;
    s.lossRows();
    lossStepB(s.app, r, s.kind);
}

// Phase 3 with its correction factor: the phase repeats at the factor the
// effectiveness of the converged pass gives until the two agree.
void shellFlowRating(Run& s) {
    const tx::RatingTexts& T = tx::ratingTexts(s.app.language);
    Record& r = s.r;
    Pane& p = s.pane();
    const bool crossed = s.hotShell() ? r.Tso <= r.Tti : r.Tso >= r.Tti;
    if (crossed) {
        // The shell outlet lies beyond the tube inlet: shown once, the run goes on.
        const std::string rule(static_cast<size_t>(textColumns(T.temperatureCross)), tx::kCrossRule[0]);
        p.print(rule);
        p.print(T.temperatureCross);
        p.print(rule);
        s.app.pause();
    }
    s.cnt10 = 0;
    s.correction = CorrectionSearch(CorrectionSearch::Crawl::Secant);
    for (;;) {
        shellFlowPhase(s);
        if (!correctionApplies(r) || correctionFactor(s)) break;
    }
    s.cnt10 = 0;
}

// The outlets of the sensible side seen so far, and where it can lie at
// all: strictly between its own inlet and the humid gas's end it faces
// (the humid inlet in counter flow, the humid outlet in parallel flow).
// Below the balance outlet TX rises, above it TX falls.
struct OutletBracket {
    float lo = -std::numeric_limits<float>::infinity();
    float hi = std::numeric_limits<float>::infinity();
    bool bounded = false;  // false: the humid gas is no warmer, no bound known
};

OutletBracket sensibleOutletBounds(Run& s) {
    const Record& r = s.r;
    const float inlet = s.humidShell ? r.Tti : r.Tsi;
    const float humidIn = s.humidShell ? r.Tsi : r.Tti;
    const float face = r.flags.sFLOW == Flow::Parallel ? r.TZ3 : humidIn;
    if (!(face > inlet)) return {};
    return {.lo = inlet, .hi = face, .bounded = true};
}

// Step 12: the assumed outlet of the sensible side moves towards the
// balance outlet; true when they agree within 0.3 %. A step that would
// leave the bracket goes halfway to its end instead, and one the float
// cannot hold halves the bracket: the outlet cannot run past the humid
// inlet, where the absolute end differences grow again, nor swing round
// the balance for ever.
bool relaxOutlet(Run& s, OutletBracket& b) {
    Record& r = s.r;
    const float q = ratio(r.TX, r.TY);
    struct Band {
        float limit, factor;
    };
    constexpr Band kLow[] = {{0.8f, 1.0f}, {0.9f, 0.5f}, {0.99f, 0.2f}, {0.997f, 0.1f}};
    constexpr Band kHigh[] = {{1.3f, 1.0f}, {1.1f, 0.5f}, {1.01f, 0.2f}, {1.003f, 0.1f}};
    const float TX = r.TX;
    float next = TX;
    for (const Band& band : kLow) {
        if (q < band.limit) {
            const float lnTY = checkedLog(r.TY * r.TY * r.TY * r.TY, "TY^4");
            next = TX + band.factor * checkedDiv(std::fabs(r.TY - TX), r.TY, "TY") * std::fabs(lnTY);
            break;
        }
    }
    if (next == TX) {
        for (const Band& band : kHigh) {
            if (q > band.limit) {
                const float lnTX = checkedLog(TX * TX * TX * TX, "TX^4");
                next = TX - band.factor * checkedDiv(std::fabs(TX - r.TY), TX, "TX") * std::fabs(lnTX);
                break;
            }
        }
    }
    if (q >= 0.997f && q <= 1.003f) return true;
    if (!b.bounded) {
        r.TX = next;
        return false;
    }
    const bool rise = r.TY > TX;
    if (TX > b.lo && TX < b.hi) (rise ? b.lo : b.hi) = TX;
    float half = (TX + (rise ? b.hi : b.lo)) / 2.0f;
    if (half == TX) {
        // Closed to the float on a balance the coefficients moved: only the
        // physical bounds remain.
        b = sensibleOutletBounds(s);
        half = (TX + (rise ? b.hi : b.lo)) / 2.0f;
    }
    if (!(next > b.lo && next < b.hi) || next == TX) next = half;
    r.TX = next;
    return false;
}

// Step 11 with one side humid: coefficients, the enhancement of the humid
// side, the duty at the assumed outlet TX and the balance outlet TY.
// `condensed`: TZ3 is the condensing side's own outlet, not the start value.
void humidPass(Run& s, bool condensed) {
    const tx::RatingTexts& T = tx::ratingTexts(s.app.language);
    Record& r = s.r;
    actualFlows(s);
    if (s.humidShell) {
        r.Tto = r.TX;
    } else {
        r.Tso = r.TX;
    }
    r.LMTD = currentLmtd(s);
    ratingCoefficients(s);
    r.Q = checkedFinite(r.Ai * r.KI * r.LMTD * r.FF, "Q");
    const float sign = s.hotShell() ? 1.0f : -1.0f;
    if (s.humidShell) {
        r.TY = r.Tti + checkedDiv(r.Q, r.Ct * r.Dt * r.Vta, "Ct*Dt*Vta");
        return;
    }
    r.TY = r.Tsi - sign * checkedDiv(r.Q, r.Cs * r.Ws, "Cs*Ws");
    // The humid tube's own outlet, that of the condensing side (most of its
    // heat is latent): a rise or a temperature below 0 °C has no sound
    // solution.
    if (condensed && (r.Tti - r.TZ3 < 0.0f || r.TZ3 < 0.0f)) {
        s.pane().print(T.humidTubeImpossible);
        s.app.pause();
        throw RestartCalculation{};
    }
}

// Humid rating: relaxation of the sensible outlet (step 12), losses, the
// condensing-side outlet, repeated until that outlet settles (step 13).
void humidRating(Run& s) {
    const tx::RatingTexts& T = tx::ratingTexts(s.app.language);
    Record& r = s.r;
    // The first pass takes its properties at the inlets; a repeat keeps the
    // means the condensing side and the reset below left.
    r.TGM = r.Tti;
    r.TAM = r.Tsi;
    int outer = 0;
    // The condensing outlet of the last repeat.
    float previous = std::numeric_limits<float>::quiet_NaN();
    for (;;) {
        passLimit(outer, s.limits.humidOuter);
        ++r.passes.humidOuter;
        evaluateProperties(s.app, r);
        actualFlows(s);
        r.TX = (r.TZ3 + r.Tti) / 2.0f;
        if (s.humidShell) {
            r.Tso = r.TZ3;
        } else {
            r.Tto = r.TZ3;
        }
        s.lim6 = 0;
        OutletBracket bracket = sensibleOutletBounds(s);
        for (;;) {
            humidPass(s, outer > 1);
            r.Qk = r.Q;  // the film term of the next pass's wall
            passLimit(s.lim6, s.limits.humidRelaxation, T.humidLimit);
            ++r.passes.humidRelaxation;
            s.at(kHumidPhaseRow + 2, tx::kHumidRatio, {ratio(r.TX, r.TY)});
            s.at(kHumidPhaseRow + 3, tx::kHumidCounter, {static_cast<double>(s.lim6)});
            if (relaxOutlet(s, bracket)) break;
        }
        s.lim6 = 0;
        s.lossRows();
        lossStepB(s.app, r, s.kind);
        const float estimate = r.TZ3;
        r.TZ3X = estimate;
        condensingOutlet(s.app, r, s.limits);
        // The condensing side evaluated the properties again: the actual
        // flows follow them.
        actualFlows(s);
        // Settled within 0.01 K of the estimate. In the tubes the estimate
        // is the last outlet raised by 0.01 K: an outlet that the repeat
        // gives back to its last digit sits exactly that tolerance off it,
        // where the float decides, and every further repeat would give it
        // back again; it is settled too.
        const bool standing = s.humidTube && r.TZ3 == previous;
        if (std::fabs(r.TZ3 - estimate) < 0.01f || standing) break;
        previous = r.TZ3;
        r.HsWet = r.Hs;
        r.HtWet = r.Ht;
        if (s.humidShell) {
            r.TGM = (r.Tti + r.Tto) / 2.0f;
            r.TZ3 = (estimate + r.TZ3) / 2.0f;
        } else {
            r.TAM = (r.Tsi + r.Tso) / 2.0f;
            r.TZ3 += 0.01f;
        }
    }
    // The duty: the bundle's K·A·ΔT at the condensing side's balance.
    r.Q = r.QK;
}

// Step 16: a single-component vapour condensing in the tubes at Tti.
void vapourRating(Run& s) {
    const tx::RatingTexts& T = tx::ratingTexts(s.app.language);
    Record& r = s.r;
    r.Tto = r.Tti;
    r.Tso = r.Tti - 1.0f;
    int cnt = 0;
    for (;;) {
        ++r.passes.vapour;
        actualFlows(s);
        ratingCoefficients(s);
        r.LMTD = currentLmtd(s);
        r.Q = checkedFinite(r.Ai * r.KI * r.LMTD, "Q");
        const float rise = checkedDiv(r.Q, r.Ws * r.Cs, "Ws*Cs");
        r.TB = s.hotShell() ? r.Tsi - rise : r.Tsi + rise;
        s.free(kShellVelocityRow, tx::kVapourTrace, {r.TB, r.Tso, r.Twav, r.Ht});
        if (std::fabs(r.TB - r.Tso) < 0.01f) break;
        r.Tso = (r.TB + r.Tso) / 2.0f;
        passLimit(cnt, s.limits.vapour, T.excessArea);
    }
    r.Wc = checkedDiv(r.Q, r.hfg, "hfg");
    r.Q2 = r.Q;  // the rating's duty and outlets, as the results show them
    r.T2X = r.Tto;
    r.TY2 = r.Tso;
    tubeCoefficient(r, Phase::Rating, s.regime);
    s.lossRows();
    lossStepB(s.app, r, s.kind);
    r.Qk = r.Q;
}

// One converged rating from step 10 at the current geometry.
void ratePass(Run& s) {
    if (s.humid()) {
        humidRating(s);
    } else if (s.manual && s.r.flags.sVAP == YesNo::Yes) {
        vapourRating(s);
    } else {
        sensibleRating(s);
    }
}

// The finest step of the column search.
constexpr float kFineColumnStep = 0.0001f;

// Step 15: the tube columns that bring the shell outlet to its aim.
void columnSearch(Run& s) {
    const tx::RatingTexts& T = tx::ratingTexts(s.app.language);
    Record& r = s.r;
    Pane& p = s.pane();
    const float entered = field(s.app, kShellSide.outlet);
    p.print(line(s.si ? T.aimEchoSi : T.aimEcho, entered));
    r.T44X = s.si ? entered - kKelvin : entered;
    s.app[kMain.screen][kMain.tubeColumns].setText("");
    if (entered == 0.0f) stopCalculation(T.columnsMissing);
    r.Nh = 0.1f;
    // The columns tried so far nearest the aim from either side: too few
    // leave the shell outlet short of it, too many carry it past. No
    // columns at all are too few.
    float fewNh = 0.0f, manyNh = std::numeric_limits<float>::infinity();
    float fewMiss = std::numeric_limits<float>::infinity(), manyMiss = fewMiss;
    auto rate = [&](float Nh) {
        ++r.passes.columnSearch;
        r.Nh = Nh;
        // The bank's row factor belongs to the columns tried.
        settleRowFactor(r);
        r.Frow = r.Cz;
        ratePass(s);
    };
    int passes = 0;
    float lastNh = NAN, lastMiss = NAN;
    for (;;) {
        rate(r.Nh);
        const float miss = r.Tso - r.T44X;
        if (std::fabs(miss) < 0.01f) return;
        // More columns bring the shell outlet nearer the tube inlet: a cold
        // shell leaves warmer, a hot one cooler.
        const bool coldShell = r.Tti >= r.Tso;
        const bool tooMany = coldShell ? miss > 0.0f : miss < 0.0f;
        if (tooMany && r.Nh < manyNh) {
            manyNh = r.Nh;
            manyMiss = std::fabs(miss);
        } else if (!tooMany && r.Nh > fewNh) {
            fewNh = r.Nh;
            fewMiss = std::fabs(miss);
        }
        // Neighbours one fine step apart on either side of the aim (the row
        // factor steps at whole columns, so the aim may lie between): the
        // nearer of the two is the answer.
        if (manyNh - fewNh <= kFineColumnStep * 1.5f) {
            const float nearer = manyMiss <= fewMiss ? manyNh : fewNh;
            if (nearer != r.Nh) rate(nearer);
            return;
        }
        float next = r.Nh;
        if (std::fabs(miss) <= 0.05f) {
            // Towards the aim by the fine step, or by as much as the last two
            // ratings' slope asks (at most 0.05 columns) where the outlet
            // moves little with the columns and the fine step would crawl.
            float step = kFineColumnStep;
            const float slope = (miss - lastMiss) / (r.Nh - lastNh);
            if (std::isfinite(slope) && slope != 0.0f) step = std::clamp(std::fabs(miss / slope), kFineColumnStep, 0.05f);
            next += tooMany ? -step : step;
        } else if (coldShell) {
            next += miss > 0.001f ? -0.001f : 0.01f;
        } else {
            next += miss < -0.001f ? -0.001f : 0.1f;
        }
        // Once the aim is bracketed a step never leaves the bracket.
        if (next <= fewNh || next >= manyNh) next = (fewNh + manyNh) / 2.0f;
        lastNh = r.Nh;
        lastMiss = miss;
        r.Nh = next;
        s.free(kAimRow, tx::kAimTrace, {r.Tso, r.T44X, r.Nh});
        passLimit(passes, s.limits.columnSearch);
    }
}

// Steps 10-15 for a given tube length.
void rating(Run& s) {
    Record& r = s.r;
    r.DsN = normalDensity(r.shellWet);
    if (s.manual) r.DsN = r.Ds;
    r.NV = r.Nv;
    r.H = (r.NV - 1.0f) * r.Pv + r.DO + (s.finned() ? 2.0f * r.Fh : 0.0f);
    if (!takeRatingShellFlow(s)) {
        if (s.si) r.Tso -= kKelvin;
        shellFlowRating(s);
        return;
    }
    if (r.flags.sCOLS == YesNo::Yes) {
        columnSearch(s);
        return;
    }
    ratePass(s);
}

// Step 17: the duty of each stream beside K·A·ΔT. A sensible run's ΔT
// carries the correction the result shows (Fthe: the effectiveness rating
// keeps FF at 1), as in the balance check of the results.
void heatBalance(Run& s) {
    Record& r = s.r;
    r.Qk = r.KI * r.Ai * r.LMTD * (r.flags.sCOND == YesNo::Yes ? r.FF : r.Fthe);
    r.Qs = r.Ws * r.Cs * std::fabs(r.Tso - r.Tsi);
    if (s.manual && r.flags.sVAP == YesNo::Yes) {
        r.Qt = r.Wc * r.hfg;
    } else if (s.humid()) {
        r.Qt = s.humidTube ? r.QG : tubeMassFlow(r) * r.Ct * std::fabs(r.Tti - r.Tto);
        if (s.humidShell) r.Qs = r.QG;
    } else {
        r.Qt = tubeMassFlow(r) * r.Ct * std::fabs(r.Tti - r.Tto);
    }
}

// The computed rows (No. 3, 4) or columns (No. 7) back into their fields.
void writeBack(Run& s) {
    Record& r = s.r;
    ScreenRef main = s.app[kMain.screen];
    if (r.flags.sPROC == Proc::Rows || r.flags.sPROC == Proc::RowsAndShellFlow) main[kMain.tubeRows].setText(freeNumber(r.NV));
    if (r.flags.sCOLS == YesNo::Yes) main[kMain.tubeColumns].setText(freeNumber(r.Nh));
}

Run runFor(App& app, Record& r, RatingEntry entry, const PassLimits& limits) {
    Run s{.app = app, .r = r, .entry = entry, .limits = limits};
    s.kind = tubeKind(r);
    s.si = Lang::si(r.flags.LangUnitMode.view());
    s.water = r.flags.sTF == TubeMethod::Water;
    s.manual = r.flags.sPROP == Prop::TypedIn;
    const bool condensing = r.flags.sCOND == YesNo::Yes && !s.manual;
    s.humidShell = condensing && r.flags.sHUM == Hum::Shell;
    s.humidTube = condensing && r.flags.sHUM == Hum::Tube;
    if (s.manual && heatClass(r.TubeHeatClass) == HeatClass::Latent) {
        const PhaseChange change = phaseChange(r.PhaseChangeKind);
        if (change == PhaseChange::Condensation) s.regime = TubeRegime::Condensation;
        if (change == PhaseChange::Evaporation) s.regime = TubeRegime::Evaporation;
    }
    return s;
}

}  // namespace

void latentCaseEffectiveness(App& app, Record& r) {
    const PassLimits limits;
    Run s = runFor(app, r, RatingEntry::GivenLength, limits);
    const float Ctube = s.humidTube ? checkedDiv(r.Q, std::fabs(r.Tti - r.Tto), "Tti-Tto")
                                    : r.Ct * tubeMassFlow(r);
    const float Cshell = s.humidShell ? checkedDiv(r.Q, std::fabs(r.Tso - r.Tsi), "Tso-Tsi") : r.Cs * r.Ws;
    const Effectiveness e = effectivenessOutlets(s, Ctube, Cshell);
    r.T2X = e.tubeOut;
    r.TY2 = e.shellOut;
    r.Fthe = theoreticalCorrection(r.FEEX, r.Cmin, std::fabs(r.Tti - r.Tsi), r.LMTD, r.KI, r.Ai);
}

void evaluateProperties(App& app, Record& r) {
    const ModeFlags& f = r.flags;
    if (f.sPROP == Prop::TypedIn) return;
    shellGasProperties(r);
    if (f.sTF == TubeMethod::AirWithMoisture || f.sTF == TubeMethod::Composition) {
        tubeGasProperties(r);
    } else if (f.sTF == TubeMethod::Water) {
        Notes notes;
        waterProperties(r, notes);
        printNotes(app.pane, notes, app.language);
    }
}

float tubeCapacityRate(const Record& r) {
    if (r.flags.sPROP == Prop::TypedIn) return r.Ct * r.Wt;
    return r.Dt * r.Ct * r.Vta;
}

float shellCapacityRate(const Record& r) {
    if (r.flags.sPROP == Prop::TypedIn) return r.Cs * r.Ws;
    return r.Ds * r.Cs * r.Vsa;
}

void runRating(App& app, Record& r, RatingEntry entry, const PassLimits& limits) {
    Run s = runFor(app, r, entry, limits);
    r.Frow = r.Cz;  // the bank's row factor, chosen with the flows
    if (s.water) r.Wtt = r.Wt;  // the water flow, t/h, as the results show it
    // Set-up (A) of the results: 2 when rows and length are given.
    if (r.ChoiceA == 0.0f) r.ChoiceA = entry == RatingEntry::GivenLength ? 2.0f : 1.0f;
    if (entry == RatingEntry::GivenShellFlow) r.ChoiceC = 1.0f;
    if (s.finned()) finGeometry(r);  // fin gap FS and fin diameter Df
    app.pane.clear();
    if (entry == RatingEntry::GivenLength) {
        rating(s);
    } else {
        sizing(s);
    }
    // The actual flows at the final property temperatures, from which the
    // tables give the normal and mass flows back.
    actualFlows(s);
    heatBalance(s);
    // The film coefficients of the result, before correction factors.
    r.Ht0 = r.Ht;
    r.Hs0 = r.Hs;
    writeBack(s);
}

}  // namespace cfhx::calc
