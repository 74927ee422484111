// The printed calculation sheet of a finished calculation: every line the
// printer receives, in the language and units of a display mode.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calc/record.h"

namespace cfhx::report {

// The sheet as pages. Page 1 runs from the printer reset through the
// premise block and the input tables and ends with the blank-line run that
// pushes the results onto the next sheet of paper (one empty line, 17, 4
// more for a typed-in tube side, then 3). Page 2 holds the result tables,
// the humid-gas table of a latent side with its end mark, the heat-balance
// check and four closing empty lines.
//
// `mode` is "J", "JSI", "E" or "ESI" (anything else reads as "J"); the
// English sheets keep the rows and order of their own form. `date` is the
// date text of the title. The record is in the old units as the
// calculation leaves it; an SI sheet converts a copy, the caller's record is
// never touched. The heat-balance ratios are taken in the old units.
std::vector<std::vector<std::string>> sheetPages(const calc::Record& r, std::string_view mode, std::string_view date);

// The pages one after the other: the lines as sent to the printer.
std::vector<std::string> sheetLines(const calc::Record& r, std::string_view mode, std::string_view date);

// Empty lines between the input tables and the result page.
int sheetBreakLines(const calc::Record& r);

}  // namespace cfhx::report
