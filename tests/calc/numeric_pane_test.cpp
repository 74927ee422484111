// The pane side of the numeric routines: their notes in order, and the trace
// of the saturation-temperature iteration in rows 6 to 12.
#include "calc/numeric_pane.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/pane.h"
#include "calc/humid_gas.h"

namespace cfhx::calc {
namespace {

TEST(NumericPane, NotesArePrintedInOrderAndTheSinkEmptied) {
    const struct {
        const char* name;
        std::vector<Note> added;
        Language language;
        const char* page;
    } cases[] = {
        {"none", {}, Language::Japanese, ""},
        {"one", {Note::PropertyAboveRange}, Language::Japanese, "     物性規定範囲外です"},
        {"several", {Note::SquarePitch, Note::PropertyBelowRange}, Language::Japanese,
         "     PVY/PHX>0.7 以上に設定して下さい\n     物性規定範囲外です！"},
        {"in English", {Note::PropertyBelowRange}, Language::English, "     Outside the range of the property fits!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Pane pane;
        Notes notes{.added = c.added};
        printNotes(pane, notes, c.language);
        EXPECT_EQ(pane.pageText(), c.page);
        EXPECT_TRUE(notes.added.empty());
    }
}

TEST(NumericPane, EnthalpyTraceIsOverwrittenInPlaceAndClearedAtTheEnd) {
    const struct {
        const char* name;
        float H2;
        bool kelvin;
    } cases[] = {
        {"°C", 23.0f, false},
        {"K", 23.0f, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Pane pane;
        const uint64_t before = pane.endLine();
        const float T = saturationTemperatureTraced(pane, c.H2, c.kelvin, Language::Japanese);
        EXPECT_EQ(T, saturationTemperatureFromEnthalpy(c.H2));
        EXPECT_EQ(pane.pageRows(), 0u) << "the converged result clears the page";
        // The traced page, kept in the scrollback: rows 6 to 12 from column 10.
        ASSERT_EQ(pane.pageTop() - before, 12u);
        std::vector<std::string> rows;
        for (uint64_t i = before; i < pane.pageTop(); ++i) rows.push_back(pane.line(i));
        for (int i = 0; i < 5; ++i) EXPECT_EQ(rows[i], "") << i;
        EXPECT_EQ(rows[5], "         [ determination of inlet temp.]");
        EXPECT_EQ(rows[6].rfind("         LOOP=", 0), 0u) << rows[6];
        EXPECT_NE(rows[6].find("/5000"), std::string::npos) << rows[6];
        ASSERT_EQ(rows[7].rfind("         Tsi     =", 0), 0u) << rows[7];
        const double shown = std::stod(rows[7].substr(18));
        // The last pass shows the temperature returned, in K when asked.
        EXPECT_NEAR(shown, T + (c.kelvin ? 273.0 : 0.0), 0.006) << rows[7];
        EXPECT_EQ(rows[8].rfind("         Tsx     =", 0), 0u) << rows[8];
        EXPECT_EQ(rows[9].rfind("         Tsi/Tsx =", 0), 0u) << rows[9];
        EXPECT_EQ(rows[10].rfind("         PX    =", 0), 0u) << rows[10];
        EXPECT_EQ(rows[11].rfind("         PG    =", 0), 0u) << rows[11];
    }
}

}  // namespace
}  // namespace cfhx::calc
