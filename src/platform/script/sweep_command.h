// `cfhx sweep`: the parameter study's command line, its CSV file and, with
// the windows build, its line plot.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "platform/cases/sweep.h"

namespace cfhx {

struct SweepPlotter;

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
