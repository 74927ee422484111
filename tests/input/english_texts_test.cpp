#include <gtest/gtest.h>

#include "input/construction_texts.h"
#include "input/fluid_kind_texts.h"
#include "input/form5_texts.h"
#include "input/options_texts.h"
#include "support/english_tables.h"

namespace cfhx {
namespace {

TEST(EnglishTexts, InputTablesAreEnglish) {
    const testing::TablePair kTables[] = {
        testing::pairOf("FORM5", form5_texts::kForm5Japanese, form5_texts::kForm5English),
        testing::pairOf("construction", construction_texts::kConstructionJapanese,
                        construction_texts::kConstructionEnglish),
        testing::pairOf("fluid kinds", fluid_kind_texts::kFluidKindJapanese, fluid_kind_texts::kFluidKindEnglish),
        testing::pairOf("options", options_texts::kOptionsJapanese, options_texts::kOptionsEnglish),
    };
    for (const testing::TablePair& t : kTables) testing::expectEnglishTable(t);
}

}  // namespace
}  // namespace cfhx
