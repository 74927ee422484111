#include "platform/script/table_quantities.h"

#include <algorithm>
#include <string_view>

#include "app/mask.h"
#include "calc/record.h"
#include "report/result_rows.h"
#include "report/result_table_texts.h"

namespace cfhx {
namespace {

using report::Row;
using report::Value;

// The table the names come from: English captions, old units.
constexpr std::span<const Row> kTable = report::kTableE;

// Cell separators of the box-drawn table and the column of the units.
constexpr std::string_view kSeparator = "│";
constexpr size_t kUnitCell = 3;

struct Field {
    std::string name;  // empty when no "NAME=" stands before the field
    std::string unit;
    int decimals = 0;
};

bool nameChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

std::string_view trimmed(std::string_view s) {
    const size_t first = s.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

std::vector<std::string_view> cellsOf(std::string_view format) {
    std::vector<std::string_view> cells;
    size_t at = 0;
    for (size_t sep; (sep = format.find(kSeparator, at)) != std::string_view::npos; at = sep + kSeparator.size()) {
        cells.push_back(format.substr(at, sep - at));
    }
    cells.push_back(format.substr(at));
    return cells;
}

// "NAME =" just before position `at`, or empty.
std::string nameBefore(std::string_view text, size_t at) {
    size_t j = at;
    while (j > 0 && text[j - 1] == ' ') --j;
    if (j == 0 || text[j - 1] != '=') return {};
    --j;
    while (j > 0 && text[j - 1] == ' ') --j;
    const size_t end = j;
    while (j > 0 && nameChar(text[j - 1])) --j;
    return std::string(text.substr(j, end - j));
}

// The fields of a row format in order (a run of "#" with at most one ".",
// as the masks read them), each with its name and its unit. A unit cell
// with a comma ("kg/cm2,mmAq") gives one unit per field.
std::vector<Field> fieldsOf(std::string_view format) {
    std::vector<Field> fields;
    const std::vector<std::string_view> cells = cellsOf(format);
    for (std::string_view cell : cells) {
        size_t i = 0;
        while (i < cell.size()) {
            const bool starts = cell[i] == '#' || (cell[i] == '.' && i + 1 < cell.size() && cell[i + 1] == '#');
            if (!starts) {
                ++i;
                continue;
            }
            Field f;
            f.name = nameBefore(cell, i);
            bool point = false;
            while (i < cell.size() && (cell[i] == '#' || (cell[i] == '.' && !point))) {
                if (cell[i] == '.') point = true;
                else if (point) ++f.decimals;
                ++i;
            }
            fields.push_back(std::move(f));
        }
    }
    const std::string_view unit = cells.size() > kUnitCell ? trimmed(cells[kUnitCell]) : std::string_view{};
    const size_t comma = unit.find(',');
    for (size_t k = 0; k < fields.size(); ++k) {
        if (comma == std::string_view::npos) fields[k].unit = unit;
        else fields[k].unit = k == 0 ? unit.substr(0, comma) : unit.substr(comma + 1);
    }
    return fields;
}

bool seen(const std::vector<TableQuantity>& list, const std::string& name) {
    return std::any_of(list.begin(), list.end(), [&](const TableQuantity& q) { return q.name == name; });
}

}  // namespace

std::vector<TableQuantity> tableQuantities(const calc::Record& r) {
    std::vector<TableQuantity> out;
    const report::Case c = report::caseOf(r);
    for (const Row& row : kTable) {
        if (!report::holds(row.when, c)) continue;
        const std::vector<Field> fields = fieldsOf(row.format);
        for (size_t k = 0; k < fields.size() && k < row.values.size(); ++k) {
            const Value v = row.values[k];
            if (v == Value::None || fields[k].name.empty() || seen(out, fields[k].name)) continue;
            const double value = report::valueOf(v, r, c, /*si=*/false);
            out.push_back({.name = fields[k].name,
                           .unit = fields[k].unit,
                           .value = value,
                           .text = roundedText(value, fields[k].decimals)});
        }
    }
    return out;
}

std::vector<std::string> tableQuantityNames() {
    std::vector<std::string> names;
    for (const Row& row : kTable) {
        const std::vector<Field> fields = fieldsOf(row.format);
        for (size_t k = 0; k < fields.size() && k < row.values.size(); ++k) {
            if (row.values[k] == Value::None || fields[k].name.empty()) continue;
            if (std::find(names.begin(), names.end(), fields[k].name) == names.end()) names.push_back(fields[k].name);
        }
    }
    return names;
}

}  // namespace cfhx
