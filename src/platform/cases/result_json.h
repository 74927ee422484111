// The result record of a case run as JSON text.
#pragma once

#include <string>

#include "platform/cases/case_run.h"

namespace cfhx {

struct RunInfo {
    std::string file;  // the case as named on the command line
    std::string date;  // "YY/MM/DD" of the run
    std::string mode;  // the display mode of the printed table
    int status = 0;    // the run's exit status
    std::string message;  // why there is no result; empty with one
};

// program, case, status, message (without a result), inputs (field name →
// text), results (each quantity in the old units and in SI, as the tables
// of the mode's language print it), heatBalance and passes. Indented by two.
std::string resultJson(const CaseResult& result, const RunInfo& info);

}  // namespace cfhx
