#include <functional>
#include <limits>

#include "calc/numeric_guard.h"
#include "calc/record.h"
#include "engine_fixture.h"

namespace cfhx::calc {
namespace {

TEST(Record, StartsZeroFilledWithTheStartValues) {
    Record r = freshRecord();
    EXPECT_EQ(r.Tti, 0.0f);
    EXPECT_EQ(r.KI, 0.0f);
    EXPECT_EQ(r.shellMemory.cp[kH2O], 0.0f);
    EXPECT_TRUE(r.flags.sHUM.empty());
    EXPECT_EQ(r.Ds, 1.293f);
    EXPECT_EQ(r.Ct, 0.24f);
    EXPECT_EQ(r.Ht, 50.0f);
    EXPECT_EQ(r.Hs, 50.0f);
    EXPECT_EQ(r.TwK, 373.0f);
    EXPECT_EQ(r.TAMAV, 100.0f);
    EXPECT_EQ(r.FF, 1.0f);
    EXPECT_EQ(r.EFF, 0.8f);
    EXPECT_EQ(r.f, 0.04f);
    EXPECT_EQ(r.Cbank, 1.56f);
    EXPECT_EQ(r.KL, 0.55f);
    EXPECT_FLOAT_EQ(r.shellDry[kCO2] + r.shellDry[kN2] + r.shellDry[kO2], 1.0f);
    EXPECT_EQ(r.tubeDry[kN2], 0.7902f);
}

TEST(Record, FlagsHoldShortTexts) {
    Flag f;
    f = "JSI";
    EXPECT_TRUE(f == "JSI");
    EXPECT_FALSE(f == "J");
    f = "y";
    EXPECT_TRUE(f == "y");
    EXPECT_EQ(f.view().size(), 1u);
}

TEST(Record, TubeKindFollowsTheFlags) {
    Record r = freshRecord();
    r.flags.finned = "n";
    r.flags.sFIN = "2";
    EXPECT_EQ(tubeKind(r), TubeKind::Bare);
    r.flags.finned = "y";
    EXPECT_EQ(tubeKind(r), TubeKind::PlateFin);
    r.flags.sFIN = "1";
    EXPECT_EQ(tubeKind(r), TubeKind::RadialFin);
}

using Guards = cfhx::testing::EngineTest;

TEST_F(Guards, NumbersPassThrough) {
    EXPECT_FLOAT_EQ(checkedDiv(app, 1.0f, 4.0f, "x"), 0.25f);
    EXPECT_FLOAT_EQ(checkedLog(app, 1.0f, "x"), 0.0f);
    EXPECT_FLOAT_EQ(checkedPow(app, 0.0f, 0.5f, "x"), 0.0f);
    EXPECT_FLOAT_EQ(checkedPow(app, 4.0f, -0.5f, "x"), 0.5f);
    EXPECT_FLOAT_EQ(checkedSqrt(app, 0.0f, "x"), 0.0f);
    EXPECT_EQ(platform.pauses, 0);
}

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
