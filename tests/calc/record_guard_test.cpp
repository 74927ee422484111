#include <functional>
#include <limits>

#include "calc/numeric_guard.h"
#include "calc/record.h"
#include "engine_fixture.h"

namespace cfhx::calc {
namespace {

TEST(Record, AFreshRecordIsZeroExceptItsStartValues) {
    Record r = freshRecord();
    EXPECT_EQ(r.Tti, 0.0f);
    EXPECT_EQ(r.KI, 0.0f);
    EXPECT_EQ(r.shellMemory.cp[kH2O], 0.0f);
    EXPECT_TRUE(r.flags.sHUM.empty());
    // Standard air as the dry base: fractions of 1.
    EXPECT_FLOAT_EQ(r.shellDry[kCO2] + r.shellDry[kN2] + r.shellDry[kO2], 1.0f);
    // First-pass values that keep the first wall temperature finite.
    EXPECT_GT(r.Ht * r.Hs * r.Aeff, 0.0f);
    EXPECT_EQ(r.TwK, 373.0f);
}

TEST(Guards, EachNonNumberStopsWithTheQuantityNamed) {
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const struct {
        const char* name;
        std::function<void()> run;
        const char* condition;  // between "[ " and " ]"
    } cases[] = {
        {"zero divisor", [] { checkedDiv(1.0f, 0.0f, "Nt"); }, "Nt = 0 (除数)"},
        {"overflowing quotient", [] { checkedDiv(1e30f, 1e-30f, "Q/A"); }, "Q/A (桁あふれ)"},
        {"infinite numerator", [&] { checkedDiv(inf, 2.0f, "Vsa"); }, "Vsa (桁あふれ)"},
        {"logarithm of zero", [] { checkedLog(0.0f, "DO/DI"); }, "DO/DI <= 0 (対数)"},
        {"logarithm of a negative", [] { checkedLog(-1.0f, "Pw"); }, "Pw <= 0 (対数)"},
        {"logarithm of a non-number", [&] { checkedLog(nan, "Pw"); }, "Pw <= 0 (対数)"},
        {"power of a negative", [] { checkedPow(-0.1f, 0.25f, "N/M"); }, "N/M < 0 (べき乗)"},
        {"negative power of zero", [] { checkedPow(0.0f, -0.2f, "RetT"); }, "RetT = 0 (負のべき乗)"},
        {"power of infinity", [&] { checkedPow(inf, 1.0f, "Res"); }, "Res < 0 (べき乗)"},
        {"overflowing power", [] { checkedPow(1e20f, 3.0f, "Rel"); }, "Rel (桁あふれ)"},
        {"root of a negative", [] { checkedSqrt(-1.0f, "Hs/(Kf*FT)"); }, "Hs/(Kf*FT) < 0 (平方根)"},
        {"overflowing exponential", [] { checkedExp(200.0f, "Pvs"); }, "Pvs (桁あふれ)"},
        {"zero where positive", [] { checkedPositive(0.0f, "R"); }, "R <= 0"},
        {"non-number where positive", [&] { checkedPositive(nan, "R"); }, "R <= 0"},
        {"infinite result", [&] { checkedFinite(-inf, "LMTD"); }, "LMTD (桁あふれ)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(testing::stopMessage(c.run),
                  std::string("   @@@  計算不能のため終了します。[ ") + c.condition + " ]@@");
    }
}

TEST(Guards, InRangeValuesPassThrough) {
    const struct {
        const char* name;
        float value;
        float expected;
    } cases[] = {
        {"quotient", checkedDiv(1.0f, 4.0f, "a"), 0.25f},
        {"negative divisor", checkedDiv(3.0f, -2.0f, "a"), -1.5f},
        {"logarithm of 1", checkedLog(1.0f, "a"), 0.0f},
        {"power", checkedPow(4.0f, 0.5f, "a"), 2.0f},
        {"zero to a positive power", checkedPow(0.0f, 0.8f, "a"), 0.0f},
        {"root", checkedSqrt(9.0f, "a"), 3.0f},
        {"root of zero", checkedSqrt(0.0f, "a"), 0.0f},
        {"exponential of 0", checkedExp(0.0f, "a"), 1.0f},
        {"positive", checkedPositive(1e-30f, "a"), 1e-30f},
        {"finite", checkedFinite(-3e38f, "a"), -3e38f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.value, c.expected);
    }
}

TEST(Guards, AStopCarriesItsMessageAsGiven) {
    EXPECT_EQ(testing::stopMessage([] { stopCalculation("   @@@  収束不可のため終了します。@@"); }),
              "   @@@  収束不可のため終了します。@@");
}

// The routines know no language: the stop is worded for the run that shows it.
TEST(Guards, AStopIsWordedInTheRunsLanguage) {
    const struct {
        const char* name;
        std::function<void()> run;
        Language language;
        const char* message;
    } cases[] = {
        {"zero divisor", [] { checkedDiv(1.0f, 0.0f, "Nt"); }, Language::English,
         "   @@@  Cannot be calculated: ended. [ Nt = 0 (divisor) ]@@"},
        {"overflow", [] { checkedExp(200.0f, "Pvs"); }, Language::English,
         "   @@@  Cannot be calculated: ended. [ Pvs (overflow) ]@@"},
        {"negative power of zero", [] { checkedPow(0.0f, -0.2f, "RetT"); }, Language::English,
         "   @@@  Cannot be calculated: ended. [ RetT = 0 (negative power) ]@@"},
        {"zero where positive", [] { checkedPositive(0.0f, "R"); }, Language::English,
         "   @@@  Cannot be calculated: ended. [ R <= 0 ]@@"},
        {"no convergence", [] { stopCalculation(StopCause::NoConvergence); }, Language::Japanese,
         "   @@@  収束不可のため終了します。@@"},
        {"no convergence in English", [] { stopCalculation(StopCause::NoConvergence); }, Language::English,
         "   @@@  No convergence: calculation ended.@@"},
        {"a dialogue's own message", [] { stopCalculation("   @@@  given"); }, Language::English, "   @@@  given"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string message;
        try {
            c.run();
            ADD_FAILURE() << "the calculation went on";
        } catch (const CalculationStop& stop) {
            message = stopMessage(stop, c.language);
        }
        EXPECT_EQ(message, c.message);
    }
}

}  // namespace
}  // namespace cfhx::calc
