#include "platform/cases/table_quantities.h"

#include <algorithm>
#include <string_view>

#include "app/mask.h"
#include "calc/record.h"
#include "report/result_rows.h"
#include "report/result_table_texts.h"

namespace cfhx {

std::string_view trimBlanks(std::string_view s) {
    constexpr std::string_view kIdeographicSpace = "\u3000";
    for (;;) {
        if (!s.empty() && s.front() == ' ') s.remove_prefix(1);
        else if (s.starts_with(kIdeographicSpace)) s.remove_prefix(kIdeographicSpace.size());
        else if (!s.empty() && s.back() == ' ') s.remove_suffix(1);
        else if (s.ends_with(kIdeographicSpace)) s.remove_suffix(kIdeographicSpace.size());
        else return s;
    }
}

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

// A named field of the table with the row that prints it.
struct NamedField {
    report::When when;
    Value value;
    Field field;
};

// Every named field with a quantity, in table order, read from the row
// formats once.
const std::vector<NamedField>& namedFields() {
    static const std::vector<NamedField> all = [] {
        std::vector<NamedField> named;
        for (const Row& row : kTable) {
            std::vector<Field> fields = fieldsOf(row.format);
            for (size_t k = 0; k < fields.size() && k < row.values.size(); ++k) {
                if (row.values[k] == Value::None || fields[k].name.empty()) continue;
                named.push_back({.when = row.when, .value = row.values[k], .field = std::move(fields[k])});
            }
        }
        return named;
    }();
    return all;
}

TableQuantity quantityOf(const NamedField& f, const calc::Record& r, const report::Case& c) {
    const double value = report::valueOf(f.value, r, c, /*si=*/false);
    return {.name = f.field.name, .unit = f.field.unit, .value = value, .text = roundedText(value, f.field.decimals)};
}

}  // namespace

std::vector<TableQuantity> tableQuantities(const calc::Record& r) {
    std::vector<TableQuantity> out;
    const report::Case c = report::caseOf(r);
    for (const NamedField& f : namedFields()) {
        if (!report::holds(f.when, c)) continue;
        const bool seen = std::any_of(out.begin(), out.end(), [&](const TableQuantity& q) { return q.name == f.field.name; });
        if (!seen) out.push_back(quantityOf(f, r, c));
    }
    return out;
}

std::vector<std::optional<TableQuantity>> tableQuantities(const calc::Record& r, std::span<const std::string> names) {
    std::vector<std::optional<TableQuantity>> out(names.size());
    const report::Case c = report::caseOf(r);
    for (const NamedField& f : namedFields()) {
        const auto name = std::find(names.begin(), names.end(), f.field.name);
        if (name == names.end()) continue;
        std::optional<TableQuantity>& q = out[static_cast<size_t>(name - names.begin())];
        if (!q && report::holds(f.when, c)) q = quantityOf(f, r, c);
    }
    return out;
}

std::vector<std::string> tableQuantityNames() {
    std::vector<std::string> names;
    for (const NamedField& f : namedFields()) {
        if (std::find(names.begin(), names.end(), f.field.name) == names.end()) names.push_back(f.field.name);
    }
    return names;
}

}  // namespace cfhx
