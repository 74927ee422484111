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

using Guards = cfhx::testing::EngineTest;

TEST_F(Guards, EachNonNumberStopsWithTheQuantityNamed) {
    const float inf = std::numeric_limits<float>::infinity();
    struct Case {
        std::function<void()> run;
        const char* message;
    } cases[] = {
        {[&] { checkedDiv(app, 1.0f, 0.0f, "Nt"); }, "[ Nt = 0 (除数) ]"},
        {[&] { checkedDiv(app, 1e30f, 1e-30f, "Q/A"); }, "[ Q/A (桁あふれ) ]"},
        {[&] { checkedLog(app, 0.0f, "DO/DI"); }, "[ DO/DI <= 0 (対数) ]"},
        {[&] { checkedLog(app, -1.0f, "Pw"); }, "[ Pw <= 0 (対数) ]"},
        {[&] { checkedPow(app, -0.1f, 0.25f, "N/M"); }, "[ N/M < 0 (べき乗) ]"},
        {[&] { checkedPow(app, 0.0f, -0.2f, "RetT"); }, "[ RetT = 0 (負のべき乗) ]"},
        {[&] { checkedPow(app, inf, 1.0f, "Res"); }, "[ Res < 0 (べき乗) ]"},
        {[&] { checkedSqrt(app, -1.0f, "Hs/(Kf*FT)"); }, "[ Hs/(Kf*FT) < 0 (平方根) ]"},
        {[&] { checkedExp(app, 200.0f, "Pvs"); }, "[ Pvs (桁あふれ) ]"},
        {[&] { checkedPositive(app, 0.0f, "R"); }, "[ R <= 0 ]"},
    };
    for (const Case& c : cases) {
        app.pane.clear();
        std::string page = stopped(c.run);
        // Three empty lines, then the message.
        EXPECT_EQ(page, std::string("\n\n\n") + "   @@@  計算不能のため終了します。" + c.message + "@@");
    }
}

}  // namespace
}  // namespace cfhx::calc
