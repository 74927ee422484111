#include <gtest/gtest.h>

#include "report/menu_texts.h"
#include "report/summary_texts.h"
#include "support/english_tables.h"

namespace cfhx {
namespace {

TEST(EnglishTexts, ReportTablesAreEnglish) {
    namespace M = report::menu_texts;
    namespace S = report::summary_texts;
    const testing::TablePair kTables[] = {
        testing::pairOf("summary refusals", S::kSummaryJapanese, S::kSummaryEnglish),
        testing::pairOf("print note", M::kPdfNoteJapanese, M::kPdfNoteEnglish),
    };
    for (const testing::TablePair& t : kTables) testing::expectEnglishTable(t);
}

}  // namespace
}  // namespace cfhx
