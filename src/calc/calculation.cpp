#include "calc/calculation.h"

#include "app/app.h"
#include "app/codes.h"
#include "app/control_flow.h"
#include "app/form5_fields.h"
#include "app/frame_texts.h"
#include "app/screen_fields.h"
#include "calc/flows.h"
#include "calc/rating.h"
#include "calc/humid_dialogue.h"
#include "calc/numeric_guard.h"
#include "calc/review.h"
#include "calc/stage.h"
#include "calc/start.h"

namespace cfhx {

// The hand-over: only the flow arrangement, passes, rows and columns stay
// editable while the calculation runs.
void handOver(App& app) {
    app.pane.clear();
    ScreenRef main = app[kMain.screen];
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
    const bool humid = r.flags.sHUM == Hum::Shell || r.flags.sHUM == Hum::Tube;
    if (!humid && calc::shellFluid(r) != FluidKind::Manual) calc::readProcessingNo(app, r);
    app.pane.clear();
    calc::reviewSettings(app, r);
    calc::markComputedRows(app);
    calc::printArrangementHeading(app, r);
    if (r.flags.sPROP == Prop::TypedIn) {
        r.flags.sCOND = YesNo::No;
        calc::takeManualProperties(app, r);
        app.pane.clear();
    } else {
        calc::ModeFlags& f = r.flags;
        if (f.sFLOW == Flow::Cross || f.sFLOW == Flow::Parallel) {
            f.sHUM = Hum::None;
        } else {
            app.pane.clear();
            printEmptyLines(app.pane, 2);
        }
        if (f.sHUM == Hum::None) f.sCOND = YesNo::No;
        if (f.sHUM == Hum::Shell || f.sHUM == Hum::Tube) {
            f.sCOND = YesNo::Yes;
            f.sFLOW = Flow::CounterLmtd;
        }
        calc::shellGasDialogue(app, r);
    }
    calc::tubeGasDialogue(app, r);
    const calc::RatingEntry entry = calc::takeFlows(app, r);
    calc::runRating(app, r, entry, limits);
    if (r.flags.sCOND == YesNo::Yes) calc::latentCaseEffectiveness(app, r);
    return r;
}

void commonReturnPath(App& app) {
    app.pane.clear();
    app[kForm5.screen].hide();
    ScreenRef main = app[kMain.screen];
    main["BUTTON27"].enable();
    main["BUTTON27"].setText(frame_texts::frameTexts(app.language).confirmAfterRun);
    const ProcessingNo no = processingNo(app);
    if (no == ProcessingNo::Rows || no == ProcessingNo::RowsAndShellFlow) main[kMain.tubeRows].setText("");
    if (no == ProcessingNo::Columns) main[kMain.tubeColumns].setText("");
    for (int n = 97; n <= 127; ++n) main["EDIT" + std::to_string(n)].setText("");
    openMainInput(app);
    main["BUTTON9"].enable();
}

// The construction, fluid, option and flow buttons and fields.
void openMainInput(App& app) {
    ScreenRef main = app[kMain.screen];
    enableRange(main, "BUTTON", 1, 4, true);
    enableRange(main, "BUTTON", 10, 14, true);
    enableRange(main, "EDIT", 1, 8, true);
    enableRange(main, "EDIT", 10, 27, true);
    enableRange(main, "EDIT", 29, 34, true);
}


}  // namespace cfhx
