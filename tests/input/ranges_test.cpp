// Numbers outside their field's range: refused at FORM5's OK, FORM7's OK and
// the calculate button, each in its own manner; a field with no number is
// still the missing-item checks' business.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/calc_run.h"
#include "support/input_paths.h"
#include "support/pages.h"
#include "support/sample_runs.h"

namespace cfhx {
namespace {

using testing::Session;

enum class Check { Form5Ok, Form7Ok, Calculate };

struct Case {
    const char* name;
    Check check;
    std::string field;  // "SCREEN.CONTROL"
    std::string text;
    const char* refused;  // the message, or nullptr: the check passes
    bool si = false;
    std::vector<std::string> before = {};  // FORM5 actions before the text is typed
    bool typedIn = false;  // Calculate: typed-in properties with the tube coefficient given
};

// FORM5 of gas on both sides, No. 5, with its sample values.
void toForm5(Session& s, bool si) {
    testing::openGasShell(s, si, 2, 5);
    s.click("FORM5.BUTTON53");
}

void pressForm5Ok(Session& s, const Case& c) {
    toForm5(s, c.si);
    for (const std::string& a : c.before) ASSERT_TRUE(s.act("FORM5", a)) << a;
    s(c.field).setText(c.text);
    s.platform.pausesAllowed = c.refused ? 1 : 0;
    ASSERT_TRUE(s.click("FORM5.BUTTON30"));
    if (c.refused) {
        EXPECT_EQ(s.text("FORM5.TEXT127"), std::string(" ") + c.refused);
        EXPECT_EQ(s.platform.waits, std::vector<std::string>{"pause"});
        EXPECT_FALSE(s.enabled("MAINFORM.BUTTON9"));
    } else {
        EXPECT_TRUE(s.platform.waits.empty()) << s.text("FORM5.TEXT127");
        EXPECT_TRUE(s.enabled("MAINFORM.BUTTON9"));
    }
}

// Typed-in properties, the tube coefficient given.
void pressForm7Ok(Session& s, const Case& c) {
    s.openInput(c.si);
    s.click("MAINFORM.BUTTON4");
    for (const char* option : {"FORM7.RADIO7", "FORM7.RADIO12"}) s.click(option);
    s(c.field).setText(c.text);
    s.platform.pausesAllowed = c.refused ? 1 : 0;
    ASSERT_TRUE(s.click("FORM7.BUTTON52"));
    EXPECT_EQ(s.text("FORM7.TEXT232"), c.refused ? c.refused : "");
    EXPECT_EQ(s.shown("FORM5"), c.refused == nullptr);
}

// The sample entries confirmed, then the text typed over them: a refusal
// prints its page and leaves; a pass reaches the box and the result.
void pressCalculate(Session& s, const Case& c) {
    if (c.typedIn) {
        testing::readyManual(s, c.si, "RADIO7", "", "RADIO12");
    } else {
        testing::ready(s, testing::Pair::GasGas, c.si);
    }
    testing::PageLog log;
    s.app.pane.setObserver(&log);
    s(c.field).setText(c.text);
    s.platform.pausesAllowed = c.refused ? 1 : 0;
    if (!c.refused) {
        s.platform.yesNo.push_back(true);
        s.platform.lines.push_back(testing::kRecalculate);
    }
    ASSERT_TRUE(s.click("MAINFORM.BUTTON9"));
    s.app.pane.setObserver(nullptr);
    if (c.refused) {
        EXPECT_EQ(s.platform.waits, std::vector<std::string>{"pause"});
        ASSERT_FALSE(log.pages.empty());
        EXPECT_EQ(log.pages.back(), std::string("\n\n\n\n\n     ") + c.refused);
    } else {
        ASSERT_FALSE(s.platform.waits.empty());
        EXPECT_EQ(s.platform.waits.front(), testing::kConfirmBox);
        EXPECT_TRUE(testing::lastResult(s) != nullptr);
    }
    EXPECT_EQ(s.text(c.field), c.text);  // nothing entered is changed
}

TEST(RangeChecks, OutOfRangeRefusedNamingTheFieldMissingStaysMissing) {
    const Case cases[] = {
        // FORM5's OK.
        {"negative tube length", Check::Form5Ok, "FORM5.EDIT157", "-1500", "★ 管長さが負の値です。！"},
        {"tube length beyond a float", Check::Form5Ok, "FORM5.EDIT157", "1e39", "★ 管長さの数値が大きすぎます。！"},
        {"tube length beyond a double", Check::Form5Ok, "FORM5.EDIT157", "1e309", "★ 管長さの数値が大きすぎます。！"},
        {"text is no length", Check::Form5Ok, "FORM5.EDIT157", "abc", "★ 管長さが未定です。！"},
        {"zero is no length", Check::Form5Ok, "FORM5.EDIT157", "0", "★ 管長さが未定です。！"},
        {"negative tube mass flow", Check::Form5Ok, "FORM5.EDIT169", "-2000", "★ 管内側重量流量が負の値です。！"},
        {"negative shell humidity", Check::Form5Ok, "FORM5.EDIT162", "-1", "★ シェル側絶対湿度が負の値です。！",
         false, {"RADIO5", "BUTTON45"}},
        {"no shell humidity is allowed", Check::Form5Ok, "FORM5.EDIT162", "0", nullptr, false, {"RADIO5", "BUTTON45"}},
        {"negative shell water %", Check::Form5Ok, "FORM5.EDIT161", "-0.1", "★ シェル側水分容積率が負の値です。！",
         false, {"RADIO5", "BUTTON44"}},
        {"shell inlet at -273 °C", Check::Form5Ok, "FORM5.EDIT133", "-273", "★ シェル側入側流体温度が絶対零度以下です。！"},
        {"shell inlet at -40 °C", Check::Form5Ok, "FORM5.EDIT133", "-40", nullptr},
        {"shell inlet at 0 K", Check::Form5Ok, "FORM5.EDIT133", "0", "★ シェル側入側流体温度が絶対零度以下です。！", true},
        {"shell inlet at 1 K", Check::Form5Ok, "FORM5.EDIT133", "1", nullptr, true},
        {"a disabled field is passed over", Check::Form5Ok, "FORM5.EDIT131", "-5000", nullptr},
        // FORM7's OK.
        {"negative tube coefficient", Check::Form7Ok, "FORM7.EDIT181", "-100", "　管内側熱伝達率値が負の値です。"},
        {"a given tube coefficient", Check::Form7Ok, "FORM7.EDIT181", "100", nullptr},
        // The calculate button.
        {"negative outer diameter", Check::Calculate, "MAINFORM.EDIT10", "-16", "管外直径が負の値です"},
        {"outer diameter beyond a float", Check::Calculate, "MAINFORM.EDIT10", "1e39", "管外直径の数値が大きすぎます"},
        {"outer diameter beyond a double", Check::Calculate, "MAINFORM.EDIT10", "1e309", "管外直径の数値が大きすぎます"},
        {"negative beyond a double", Check::Calculate, "MAINFORM.EDIT10", "-1e309", "管外直径の数値が大きすぎます"},
        {"text is no diameter", Check::Calculate, "MAINFORM.EDIT10", "abc", "管外直径が未登録"},
        {"zero is no diameter", Check::Calculate, "MAINFORM.EDIT10", "0", "管外直径が未登録"},
        {"negative tube rows", Check::Calculate, "MAINFORM.EDIT26", "-40", "伝熱管段数が負の値です"},
        {"negative fouling", Check::Calculate, "MAINFORM.EDIT22", "-0.0005", "ｼｪﾙ側汚れ係数が負の値です"},
        {"a negative film keeps its own rule", Check::Calculate, "MAINFORM.EDIT34", "-0.1", nullptr},
        {"a film beyond a float", Check::Calculate, "MAINFORM.EDIT34", "1e39", "凝縮液膜厚さの数値が大きすぎます"},
        {"negative tube length typed after the OK", Check::Calculate, "FORM5.EDIT157", "-1500", "管長さが負の値です"},
        {"shell inlet at -300 °C after the OK", Check::Calculate, "FORM5.EDIT133", "-300", "シェル側入側流体温度が絶対零度以下です"},
        {"negative given tube coefficient", Check::Calculate, "FORM7.EDIT181", "-100", "管内側熱伝達率値が負の値です",
         false, {}, true},
        {"FORM7 is not read for gas", Check::Calculate, "FORM7.EDIT181", "-100", nullptr},
        {"a whole sample run passes", Check::Calculate, "MAINFORM.EDIT10", " 16", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Session s;
        switch (c.check) {
            case Check::Form5Ok: pressForm5Ok(s, c); break;
            case Check::Form7Ok: pressForm7Ok(s, c); break;
            case Check::Calculate: pressCalculate(s, c); break;
        }
    }
}

}  // namespace
}  // namespace cfhx
