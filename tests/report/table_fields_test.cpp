// The printed fields of result rows as data: symbol, unit and mask of each.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report/result_rows.h"

namespace cfhx::report {
namespace {

TEST(TableFields, SymbolUnitAndMaskOfEachField) {
    struct Expected {
        std::string symbol, unit;
        int intDigits, decimals;
        Value value;
    };
    using Latent = Case::LatentSide;
    struct Example {
        const char* name;
        Row row;
        Latent latent;
        std::vector<Expected> fields;
    };
    const Example kCases[] = {
        {"one field across both columns",
         {.format = "  │1 │duty│ kcal/h   │     Q=#######.#      │", .values = {Value::Q}},
         Latent::None,
         {{"Q", "kcal/h", 7, 1, Value::Q}}},
        {"a unit per column",
         {.format = "  │11│flow│m3/h,Nm3/h│Vt=###### │Vs=###### │", .values = {Value::Vt, Value::VsNormal}},
         Latent::None,
         {{"Vt", "m3/h", 6, 0, Value::Vt}, {"Vs", "Nm3/h", 6, 0, Value::VsNormal}}},
        {"two fields in one cell, a blank before the sign",
         {.format = "  │8 │lmtd│    ℃    │LMTD=###.#(rev ###.#) │", .values = {Value::LMTD, Value::LMTDrev}},
         Latent::None,
         {{"LMTD", "℃", 3, 1, Value::LMTD}, {"rev", "℃", 3, 1, Value::LMTDrev}}},
        {"blank before the equals sign, a field starting with its point",
         {.format = "  │5 │mean│    ℃    │Ttm =###.#│E=.### │", .values = {Value::TGM, Value::Et}},
         Latent::None,
         {{"Ttm", "℃", 3, 1, Value::TGM}, {"E", "℃", 0, 3, Value::Et}}},
        {"a cell without its value is left out",
         {.format = "  │  │cond│   kg/s   │Wt=####.##│Wo=####.##│", .values = {Value::Wtc}},
         Latent::None,
         {{"Wt", "kg/s", 4, 2, Value::Wtc}}},
        {"a row whose condition fails",
         {.format = "  │1 │duty│ kcal/h   │       Q=#######.#    │", .when = When::Latent, .values = {Value::Qk}},
         Latent::None,
         {}},
        {"the same row in a latent case",
         {.format = "  │1 │duty│ kcal/h   │       Q=#######.#    │", .when = When::Latent, .values = {Value::Qk}},
         Latent::Shell,
         {{"Q", "kcal/h", 7, 1, Value::Qk}}},
    };
    for (const Example& c : kCases) {
        SCOPED_TRACE(c.name);
        Case shown;
        shown.latent = c.latent;
        const std::vector<TableField> got = tableFields(std::span<const Row>(&c.row, 1), shown);
        ASSERT_EQ(got.size(), c.fields.size());
        for (size_t i = 0; i < got.size(); ++i) {
            EXPECT_EQ(got[i].symbol, c.fields[i].symbol);
            EXPECT_EQ(got[i].unit, c.fields[i].unit);
            EXPECT_EQ(got[i].mask.intDigits, c.fields[i].intDigits);
            EXPECT_EQ(got[i].mask.decimals, c.fields[i].decimals);
            EXPECT_EQ(got[i].value, c.fields[i].value);
        }
    }
}

}  // namespace
}  // namespace cfhx::report
