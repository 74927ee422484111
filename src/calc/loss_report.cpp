#include "calc/loss_report.h"

#include "app/app.h"
#include "calc/engine_texts.h"
#include "calc/mean_temperature.h"
#include "calc/pressure_loss.h"

namespace cfhx::calc {

void reportSizingLosses(App& app, const Record& r, bool waterInTubes) {
    Pane& pane = app.pane;
    const engine_texts::EngineTexts& T = engine_texts::engineTexts(app.language);
    if (waterInTubes) {
        pane.printMasked(T.lossInside, {r.DPt});
    } else if (r.DPt > kSizingLossLimit) {
        pane.printMasked(T.lossInsideOver, {r.DPt});
    }
    if (r.DPs > kSizingLossLimit) {
        pane.printMasked(T.lossOutsideOver, {r.DPs});
    } else {
        pane.printMasked(T.lossOutside, {r.DPs});
    }
}

void reportRatingLosses(App& app, const Record& r) {
    Pane& pane = app.pane;
    const float limit = kRatingLossLimit;
    if (r.DPt > limit) pane.printMasked("   [ WARNING  inside   Pressure drop is over 50 mmAq (###.#) ]", {r.DPt});
    if (r.DPs > limit) pane.printMasked("   [ WARNING  outside  Pressure drop is over 50 mmAq (###.#) ]", {r.DPs});
    if (r.DPt <= limit) pane.printMasked("              inside   Pressure drop is ###.# mmAq ", {r.DPt});
    if (r.DPs <= limit) pane.printMasked("              outside  Pressure drop is ###.# mmAq ", {r.DPs});
}

void reportShellLossStepA(App& app, const Record& r) {
    if (r.DPs > kRatingLossLimit) {
        app.pane.printMasked("   [ WARNING  outside  Pressure drop is over 50 mmAq (####) ]", {r.DPs});
    } else {
        app.pane.printMasked("             outside  Pressure drop is ###.# mmAq ", {r.DPs});
    }
}

void sizingLosses(App& app, Record& r, TubeKind kind, bool waterInTubes) {
    if (kind == TubeKind::PlateFin) {
        // Step A keeps the friction factor last formed (0.04 at the start).
        lossStepA(app, r, kind, Phase::Sizing);
    } else {
        shellLoss(r, kind);
        tubeLoss(r, Phase::Sizing);
    }
    reportSizingLosses(app, r, waterInTubes);
}

void lossStepA(App& app, Record& r, TubeKind kind, Phase phase) {
    shellLoss(r, kind);
    reportShellLossStepA(app, r);
    if (tapeFitted(r)) {
        tubeLossTape(r, phase);
        temperatureEfficiencies(r);
    } else {
        tubeLossPlain(r);
    }
}

void lossStepB(App& app, Record& r, TubeKind kind) {
    if (kind == TubeKind::PlateFin) {
        lossStepA(app, r, kind, Phase::Rating);
    } else {
        shellLoss(r, kind);
    }
    tubeLoss(r, Phase::Rating);
    temperatureEfficiencies(r);
    reportRatingLosses(app, r);
}

}  // namespace cfhx::calc
