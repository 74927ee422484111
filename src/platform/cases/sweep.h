// A parameter study: a saved case rerun for every combination of one or two
// varied fields, each run's result quantities collected, and the chart of
// them a front end draws.
#pragma once

#include <cstddef>
#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace cfhx {

class PreparedCase;

// One varied field and the texts typed into it, in order.
struct SweepInput {
    std::string screen;
    std::string control;
    std::vector<std::string> values;
    std::string name() const { return screen + "." + control; }
};

// One run of the grid.
struct SweepRun {
    std::vector<std::string> inputs;  // the text of each varied field
    bool ok = false;                  // the run reached its result
    std::string status;               // "ok", or why there is no result
    std::vector<std::string> cells;   // per quantity, as the table prints it; empty without
    std::vector<double> values;       // per quantity; NaN without
    std::vector<std::string> units;   // per quantity, the table's unit; empty without
};

// Every combination of the inputs' values, the first input outermost, each
// run on the case as from fresh screens with its values typed in as the
// calculation starts (the screens are filled in once, each run plays on
// from the line that starts the calculation). `workers` threads (0: one per core); `progress`
// (done, total) is called after each run, one call at a time.
std::vector<SweepRun> runSweep(const std::string& caseText, const std::vector<SweepInput>& inputs,
                               const std::vector<std::string>& quantities, unsigned workers = 0,
                               const std::function<void(size_t, size_t)>& progress = {});
// The same on a case prepared once (CaseDetail::Results) by the caller.
std::vector<SweepRun> runSweep(const PreparedCase& prepared, const std::vector<SweepInput>& inputs,
                               const std::vector<std::string>& quantities, unsigned workers = 0,
                               const std::function<void(size_t, size_t)>& progress = {});

// A line plot of quantities against the first varied input.
struct SweepLine {
    std::string label;     // "Q", or "Q, FORM5.EDIT158=3" with a second input
    size_t quantity = 0;   // index into SweepChart::quantities (its y axis)
    std::vector<double> x, y;
};
struct SweepChart {
    std::string xTitle;
    std::vector<std::string> quantities;  // y axis titles: "Q (kcal/h)"
    std::vector<SweepLine> lines;
};
// Lines of the `plotted` quantities (names among the collected
// `quantities`) over the runs that have a result: per value of the second
// input (when there is one), per quantity.
SweepChart sweepChart(const std::vector<SweepInput>& inputs, const std::vector<std::string>& quantities,
                      const std::vector<std::string>& plotted, const std::vector<SweepRun>& runs);

// A field of an RFC 4180 record: quoted when it holds a comma, a quote or a
// line break, its quotes doubled.
std::string csvField(std::string_view s);

}  // namespace cfhx
