// A fresh result: the phase-change flows, the table, the summary screen.
#include "report/results.h"

#include "report/display_mode.h"
#include "report/result_rows.h"

namespace cfhx::report {

void presentResult(App& app, calc::Record& r) {
    const Case c = caseOf(r);
    if (c.vapour || c.latent == Case::LatentSide::Tube) r.Wtc = r.Wc;
    if (c.latent == Case::LatentSide::Shell) r.Wo = r.Wc;
    const DisplayMode& mode = displayMode(r.flags.LangUnitMode.view());
    showTable(app, r, mode.name);
    fillSummaryScreen(app, r, mode.name, true);
}

}  // namespace cfhx::report
