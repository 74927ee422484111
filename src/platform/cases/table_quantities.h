// The quantities of a result table by the names the table prints before
// their fields ("Q=", "Tto=", "KI=", "Pt=" ...): the English table in the
// old units, with the rows that table would show for the record.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace cfhx::calc {
struct Record;
}

namespace cfhx {

struct TableQuantity {
    std::string name;
    std::string unit;  // as the table's unit column gives it ("kcal/h", "℃")
    double value = 0.0;
    std::string text;  // rounded to the field's decimals, as printed
};

// Every named field of the rows the record's table shows, in table order.
// A name printed on two rows keeps its first.
std::vector<TableQuantity> tableQuantities(const calc::Record& r);

// The quantities of `names`, each where the record's table shows it (the
// first row that prints the name), none where it does not.
std::vector<std::optional<TableQuantity>> tableQuantities(const calc::Record& r, std::span<const std::string> names);

// Every name the table can print (whatever the case), in table order.
std::vector<std::string> tableQuantityNames();

// A pane text without the ASCII and ideographic blanks at either end.
std::string_view trimBlanks(std::string_view s);

}  // namespace cfhx
