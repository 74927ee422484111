// A parameter study: a saved case rerun for every combination of one or two
// varied fields, the result quantities collected into a CSV file and, with
// the windows build, drawn as a line plot.
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

// Draws a chart to a PNG file (the windows build has one).
struct SweepPlotter {
    virtual ~SweepPlotter() = default;
    // False, with the reason in `error`, when the file cannot be written.
    virtual bool writePng(const SweepChart& chart, const std::string& path, std::string& error) = 0;
};

// A field of an RFC 4180 record: quoted when it holds a comma, a quote or a
// line break, its quotes doubled.
std::string csvField(std::string_view s);

// Exit statuses of `cfhx sweep`.
inline constexpr int kSweepWritten = 0;      // the CSV was written (some runs may have stopped)
inline constexpr int kSweepCannotRead = 1;   // the case or an output file cannot be read or written
inline constexpr int kSweepBadArguments = 2;  // also a case with a bad line, as `cfhx run` says
inline constexpr int kSweepNoCalculation = 3;  // the case ends or waits before its calculation reaches a result

// Largest grid a sweep runs.
inline constexpr size_t kSweepMaxRuns = 10000;
// Longest FROM, TO or STEP, and the most decimals a value is typed with.
inline constexpr size_t kSweepMaxNumberBytes = 32;
inline constexpr int kSweepMaxDecimals = 6;

// `cfhx sweep CASE --vary FORM.CONTROL=FROM:TO:STEP [--vary ...] --csv FILE
// [--plot FILE.png] [--y NAME[,NAME]]`; `args` start at CASE. The summary
// goes to `out`, progress and errors to `err`; `plotter` null refuses
// --plot.
int sweepCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                 SweepPlotter* plotter);

}  // namespace cfhx
