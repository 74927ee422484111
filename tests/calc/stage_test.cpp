// The pane line of the dialogue stages: texts with the places of their
// values, and labels that take their value at the end.
#include "calc/stage.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace cfhx::calc {
namespace {

TEST(StageLine, ValuesGoToTheirPlacesOrAfterTheText) {
    struct Case {
        const char* name;
        std::string line;
        const char* expected;
    };
    const Case kCases[] = {
        {.name = "label then value", .line = line("XA(kg/kg)=", 0.0125f), .expected = "XA(kg/kg)= 0.0125"},
        {.name = "negative value takes the sign place", .line = line("Tdew=", -5.5f), .expected = "Tdew=-5.5"},
        {.name = "value inside the text", .line = line("( 水分モル分率(%)= {})", 2.5f),
         .expected = "( 水分モル分率(%)=  2.5)"},
        {.name = "values in the order of their places", .line = line("【{}< Tti <{}℃】の範囲。", 10.0f, 40.25f),
         .expected = "【 10< Tti < 40.25℃】の範囲。"},
        {.name = "five places",
         .line = line("<< Tti={} Ttix={} XG={} PG1={} H2={} >>", 60.0f, 59.5f, 0.15f, 0.2f, 120.0f),
         .expected = "<< Tti= 60 Ttix= 59.5 XG= 0.15 PG1= 0.2 H2= 120 >>"},
        {.name = "small value in exponent form", .line = line("VIt(m2/s)=", 6.11e-6f),
         .expected = "VIt(m2/s)= 6.11E-06"},
        {.name = "single precision at its shortest", .line = line("Ct(kcal/kg℃)=", 0.24f),
         .expected = "Ct(kcal/kg℃)= 0.24"},
        {.name = "values beyond the places follow the text", .line = line("a={} b=", 1.0f, 2.0f),
         .expected = "a= 1 b= 2"},
        {.name = "a place without a value stays", .line = line("a={} b={}", 1.0f), .expected = "a= 1 b={}"},
        {.name = "text alone", .line = line("<< 要ﾁｪｯｸ >>"), .expected = "<< 要ﾁｪｯｸ >>"},
        {.name = "a blank label", .line = line("             ", 3.0f), .expected = "              3"},
        {.name = "not a number", .line = line("Tsi=", NAN), .expected = "Tsi= ***"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.line, c.expected);
    }
}

}  // namespace
}  // namespace cfhx::calc
