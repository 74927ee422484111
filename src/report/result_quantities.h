// The result as data: every quantity a pair of result tables prints (old
// units and SI of one language), as the tables round it, and the ratios of
// the heat-balance check.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/record.h"
#include "report/result_rows.h"

namespace cfhx::report {

// A value as one table prints it: rounded to its mask, with its column's unit.
struct ShownValue {
    double value = 0.0;
    std::string unit;
};

// A quantity under the record's name for it ("Q", "Tti", "KI", "Pt"): the
// duty is Q whether the table shows Q, Q2 or Qk, the mass flows Wt and Ws
// whichever product gives them. A row one table prints and the other does
// not leaves that side empty.
struct ResultQuantity {
    std::string name;
    std::optional<ShownValue> old, si;
};

// The quantities of the tables "J" and "JSI", or with `english` of "E" and
// "ESI", in the order the old-unit table prints them (SI-only ones last).
// `r` is the finished record in the old units.
std::vector<ResultQuantity> resultQuantities(const calc::Record& r, bool english);

// The quantity's name for a table value.
std::string_view quantityName(Value v);

// Ratios of the heat-balance check, rounded as the check prints them.
struct BalanceRatios {
    double shellOverall = 0.0;  // Qs/Qk
    double tubeOverall = 0.0;   // Qt/Qk
    double shellTube = 0.0;     // Qs/Qt
};
BalanceRatios balanceRatios(const calc::Record& r);

}  // namespace cfhx::report
