#include "report/calculate_button.h"

#include "app/app.h"
#include "app/control_flow.h"
#include "app/status_line.h"
#include "calc/calculation.h"
#include "calc/numeric_guard.h"
#include "report/menu.h"
#include "report/results.h"

namespace cfhx {
namespace {

void BUTTON9_ON(App& app) { calculate(app, calc::PassLimits{}); }

constexpr std::string_view kBackToTheScreens = "the calculation went back to the input screens";

std::string stopReason(const App& app, const LeaveCalculation& leave) {
    if (leave.reason.find_first_not_of(" \u3000") != std::string::npos) return leave.reason;
    std::string last = app.pane.lastPageText();
    if (last.find_first_not_of(" ") != std::string::npos) return last;
    return std::string(kBackToTheScreens);
}

}  // namespace

void calculate(App& app, const calc::PassLimits& limits) {
    struct Calculating {
        App& app;
        explicit Calculating(App& a) : app(a) { app.calculating = true; }
        ~Calculating() { app.calculating = false; }
    } calculating(app);
    if (app.beforeCalculation) app.beforeCalculation(app);
    handOver(app);
    app.setStatus({});
    for (;;) {
        const unsigned long pausesBefore = app.pausesTaken;
        try {
            app.lastResult.reset();
            calc::Record r = runCalculation(app, limits);
            report::presentResult(app, r);
            app.lastResult = r;  // a result the summary screen refused is not kept
            app.calculating = false;
            if (app.onResult) app.onResult(app);
            report::resultMenu(app, r);
        } catch (const RestartCalculation&) {
            continue;
        } catch (const calc::CalculationStop& stop) {
            const std::string message = calc::stopMessage(stop, app.language);
            app.pane.clear();
            printEmptyLines(app.pane, 3);
            app.pane.print(message);
            if (app.onStop) app.onStop(app, message);
            app.pause();
            commonReturnPath(app);
            app.setStatus(status_line::afterReturn(app.language, message));
            return;
        } catch (const LeaveCalculation& leave) {
            // Refused before a result: the reason goes with the stop, the
            // page's last line where the refusal gave none.
            const bool refused = !app.lastResult.has_value();
            if (app.onStop && refused) app.onStop(app, stopReason(app, leave));
            // A refusal the user continued from is kept below the pane.
            const std::string stop = refused && app.pausesTaken != pausesBefore ? app.pane.lastPageText() : std::string();
            commonReturnPath(app);
            app.setStatus(status_line::afterReturn(app.language, stop));
            return;
        }
    }
}

void registerCalculationProcedures(App& app) { registerProcedure(app, "MAINFORM", "BUTTON9", BUTTON9_ON); }

}  // namespace cfhx
