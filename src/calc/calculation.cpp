#include "calc/calculation.h"

#include "app/app.h"
#include "app/control_flow.h"
#include "app/frame_texts.h"
#include "calc/flows.h"
#include "calc/rating.h"
#include "calc/humid_dialogue.h"
#include "calc/numeric_guard.h"
#include "calc/review.h"
#include "calc/start.h"

namespace cfhx {

// The hand-over: only the flow arrangement, passes, rows and columns stay
// editable while the calculation runs.
void handOver(App& app) {
    app.pane.clear();
    ScreenRef main = app["MAINFORM"];
    main["BUTTON22"].enable();
    main["BUTTON23"].enable();
    enableRange(main, "BUTTON", 1, 14, false);
    main["BUTTON18"].disable();
    enableRange(main, "EDIT", 1, 8, false);
    enableRange(main, "EDIT", 10, 22, false);
    enableRange(main, "EDIT", 29, 34, false);
    enableRange(main, "EDIT", 23, 27, true);
}

calc::Record runCalculation(App& app, const calc::PassLimits& limits) {
    calc::Record r = calc::freshRecord();
    calc::startCalculation(app, r);
    if (!(r.flags.sHUM == "1" || r.flags.sHUM == "2") && r.ShellFluidKind != 4.0f) calc::readProcessingNo(app, r);
    app.pane.clear();
    calc::reviewSettings(app, r);
    calc::markComputedRows(app);
    calc::printArrangementHeading(app, r);
    if (r.flags.sPROP == "2") {
        r.flags.sCOND = "n";
        calc::takeManualProperties(app, r);
        app.pane.clear();
    } else {
        calc::ModeFlags& f = r.flags;
        if (f.sFLOW == "1" || f.sFLOW == "2") {
            f.sHUM = "3";
        } else {
            app.pane.clear();
            printEmptyLines(app.pane, 2);
        }
        if (f.sHUM == "3") f.sCOND = "n";
        if (f.sHUM == "1" || f.sHUM == "2") {
            f.sCOND = "y";
            f.sFLOW = "3";
        }
        calc::shellGasDialogue(app, r);
    }
    calc::tubeGasDialogue(app, r);
    const calc::RatingEntry entry = calc::takeFlows(app, r);
    calc::runRating(app, r, entry, limits);
    if (r.flags.sCOND == "y") calc::latentCaseEffectiveness(app, r);
    return r;
}

void commonReturnPath(App& app) {
    app.pane.clear();
    app["FORM5"].hide();
    ScreenRef main = app["MAINFORM"];
    main["BUTTON27"].enable();
    main["BUTTON27"].setText(frame_texts::kConfirmAfterRun);
    const int no = processingNo(app);
    if (no == 3 || no == 4) main["EDIT26"].setText("");
    if (no == 7) main["EDIT27"].setText("");
    for (int n = 97; n <= 127; ++n) main["EDIT" + std::to_string(n)].setText("");
    // Input is open again for a new entry and a recalculation.
    enableRange(main, "BUTTON", 1, 4, true);
    enableRange(main, "BUTTON", 10, 14, true);
    enableRange(main, "EDIT", 1, 8, true);
    enableRange(main, "EDIT", 10, 27, true);
    enableRange(main, "EDIT", 29, 34, true);
    main["BUTTON9"].enable();
}


}  // namespace cfhx
