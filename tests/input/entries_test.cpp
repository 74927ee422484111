// Fields the route reads: refused at FORM5's OK, FORM7's OK and the
// calculate button when required and empty or when not a number, the
// field named and marked until its text changes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/calc_run.h"
#include "support/input_paths.h"
#include "support/pages.h"

namespace cfhx {
namespace {

using testing::Pair;
using testing::Session;

enum class Check { Form5Ok, Form7Ok, Calculate };

struct Case {
    const char* name;
    Check check;
    Pair pair;
    int no;
    std::string field;  // "SCREEN.CONTROL" typed into
    std::string text;
    // The refusal as the screen's message field or the pane's last line
    // shows it; nullptr: the check passes.
    const char* refused;
    const char* marked = nullptr;  // the field marked, "SCREEN.CONTROL"
};

void open(Session& s, Pair pair, int no) {
    switch (pair) {
        case Pair::GasGas: testing::openGasShell(s, false, 2, no); break;
        case Pair::WaterGas: testing::openGasShell(s, false, 3, no); break;
        case Pair::HumidTubes: testing::openHumidTubesGasShell(s, false); break;
        default: break;
        case Pair::Manual: testing::openManual(s, false, "RADIO7", ""); break;
    }
}

// Every marked field of the screens the checks look at.
std::vector<std::string> marks(Session& s) {
    std::vector<std::string> found;
    for (const char* screen : {"MAINFORM", "FORM5", "FORM7"}) {
        for (const Control& c : s.app.forms.at(s.app.forms.screenId(screen)).controls) {
            if (c.flagged) found.push_back(std::string(screen) + "." + c.def->name);
        }
    }
    return found;
}

void pressForm5Ok(Session& s, const Case& c) {
    open(s, c.pair, c.no);
    s.click("FORM5.BUTTON53");
    s(c.field).setText(c.text);
    s.platform.pausesAllowed = c.refused ? 1 : 0;
    ASSERT_TRUE(s.click("FORM5.BUTTON30"));
    if (c.refused) {
        EXPECT_EQ(s.text("FORM5.TEXT127"), c.refused);
    }
    EXPECT_EQ(s.platform.waits.empty(), c.refused == nullptr) << s.text("FORM5.TEXT127");
    EXPECT_EQ(s.enabled("MAINFORM.BUTTON9"), c.refused == nullptr);
}

// Typed-in properties, the tube coefficient given (FORM7's own fields).
void pressForm7Ok(Session& s, const Case& c) {
    s.openInput(false);
    for (const char* b : {"MAINFORM.BUTTON4", "FORM7.RADIO7", "FORM7.RADIO12"}) s.click(b);
    s(c.field).setText(c.text);
    s.platform.pausesAllowed = 1;
    ASSERT_TRUE(s.click("FORM7.BUTTON52"));
    EXPECT_EQ(s.text("FORM7.TEXT232"), c.refused);
}

// The samples confirmed, then the text typed: a refusal ends the page and
// pauses; a pass reaches the confirmation box (answered No).
void pressCalculate(Session& s, const Case& c) {
    testing::ready(s, c.pair, false, c.no);
    testing::PageLog log;
    s.app.pane.setObserver(&log);
    s(c.field).setText(c.text);
    s.platform.pausesAllowed = c.refused ? 1 : 0;
    if (!c.refused) s.platform.yesNo.push_back(false);
    ASSERT_TRUE(s.click("MAINFORM.BUTTON9"));
    s.app.pane.setObserver(nullptr);
    ASSERT_FALSE(s.platform.waits.empty());
    if (c.refused) {
        EXPECT_EQ(s.platform.waits.back(), "pause");
        ASSERT_FALSE(log.pages.empty());
        EXPECT_TRUE(log.pages.back().ends_with("\n" + std::string(c.refused))) << log.pages.back();
    } else {
        EXPECT_EQ(s.platform.waits.back(), testing::kConfirmBox);
    }
}

TEST(EntryChecks, RequiredEmptyOrNotANumberRefusedNamedAndMarked) {
    const Case cases[] = {
        // FORM5's OK, water in the tubes, No. 5, the samples.
        {"empty water inlet", Check::Form5Ok, Pair::WaterGas, 5, "FORM5.EDIT130", "",
         " ★ 管内側入側流体温度 が入力されていません。！", "FORM5.EDIT130"},
        {"a decimal comma", Check::Form5Ok, Pair::WaterGas, 5, "FORM5.EDIT130", "1,5",
         " ★ 管内側入側流体温度 が数値ではありません。！", "FORM5.EDIT130"},
        {"empty flow of the kind chosen", Check::Form5Ok, Pair::WaterGas, 5, "FORM5.EDIT169", "",
         " ★ 管内側重量流量 が入力されていません。！", "FORM5.EDIT169"},
        {"a zero flow keeps the screen's message", Check::Form5Ok, Pair::WaterGas, 5, "FORM5.EDIT169", "0",
         " ★ 管内側流量の選択が未定です。！", "FORM5.EDIT169"},
        {"text for the shell flow", Check::Form5Ok, Pair::WaterGas, 5, "FORM5.EDIT170", "abc",
         " ★ シェル側重量流量 が数値ではありません。！", "FORM5.EDIT170"},
        {"a unit after the length", Check::Form5Ok, Pair::WaterGas, 5, "FORM5.EDIT157", "1500mm",
         " ★ 伝熱管長さ が数値ではありません。！", "FORM5.EDIT157"},
        {"no length keeps the screen's message", Check::Form5Ok, Pair::WaterGas, 5, "FORM5.EDIT157", "",
         " ★ 管長さが未定です。！", "FORM5.EDIT157"},
        {"a range refusal marks its field too", Check::Form5Ok, Pair::WaterGas, 5, "FORM5.EDIT157", "-1500",
         " ★ 管長さが負の値です。！", "FORM5.EDIT157"},
        {"a disabled outlet is not read", Check::Form5Ok, Pair::WaterGas, 5, "FORM5.EDIT131", "abc", nullptr},
        {"No. 2 takes no length", Check::Form5Ok, Pair::GasGas, 2, "FORM5.EDIT157", "", nullptr},
        {"a moisture entry with its unit", Check::Form5Ok, Pair::HumidTubes, 5, "FORM5.EDIT138", "20%",
         " ★ 管内側水分容積率 が数値ではありません。！", "FORM5.EDIT138"},
        {"the shell inlet of humid tubes waits for the start", Check::Form5Ok, Pair::HumidTubes, 5,
         "FORM5.EDIT133", "", nullptr},
        {"a typed-in density", Check::Form5Ok, Pair::Manual, 5, "FORM5.EDIT141", "1.0.0",
         " ★ 管内側密度 が数値ではありません。！", "FORM5.EDIT141"},
        // FORM7's OK.
        {"a given coefficient without exponent digits", Check::Form7Ok, Pair::Manual, 5, "FORM7.EDIT181", "1e",
         "　★ 管内側熱伝達率 が数値ではありません。！", "FORM7.EDIT181"},
        {"no given coefficient keeps the screen's message", Check::Form7Ok, Pair::Manual, 5, "FORM7.EDIT181", "",
         "　管内側熱伝達率値が未設定。", "FORM7.EDIT181"},
        // The calculate button, before its confirmation.
        {"text for the tube rows", Check::Calculate, Pair::GasGas, 5, "MAINFORM.EDIT26", "abc",
         "  ★ 伝熱管段数 が数値ではありません。！", "MAINFORM.EDIT26"},
        {"no rows are left to the review", Check::Calculate, Pair::GasGas, 5, "MAINFORM.EDIT26", "", nullptr},
        {"rows computed are not read", Check::Calculate, Pair::GasGas, 3, "MAINFORM.EDIT26", "abc", nullptr},
        {"a decimal comma in the diameter", Check::Calculate, Pair::GasGas, 5, "MAINFORM.EDIT10", "16,5",
         "  ★ 伝熱管外径 が数値ではありません。！", "MAINFORM.EDIT10"},
        {"no diameter keeps its own message", Check::Calculate, Pair::GasGas, 5, "MAINFORM.EDIT10", "",
         "     管外直径が未登録", "MAINFORM.EDIT10"},
        {"so does one at the start", Check::Calculate, Pair::GasGas, 5, "MAINFORM.EDIT10", "-16",
         "     管外直径が負の値です", "MAINFORM.EDIT10"},
        {"fins of a bare tube are not read", Check::Calculate, Pair::GasGas, 5, "MAINFORM.EDIT15", "abc", nullptr},
        {"no correction factor", Check::Calculate, Pair::GasGas, 5, "MAINFORM.EDIT186", "",
         "  ★ 管内熱伝達率補正係数 が入力されていません。！", "MAINFORM.EDIT186"},
        {"no film is a zero film", Check::Calculate, Pair::HumidTubes, 5, "MAINFORM.EDIT34", "", nullptr},
        {"text is no film", Check::Calculate, Pair::HumidTubes, 5, "MAINFORM.EDIT34", "thin",
         "  ★ 凝縮液膜厚さ が数値ではありません。！", "MAINFORM.EDIT34"},
        {"humid tubes need the shell inlet", Check::Calculate, Pair::HumidTubes, 5, "FORM5.EDIT133", "",
         "  ★ シェル側入側流体温度 が入力されていません。！", "FORM5.EDIT133"},
        {"an inlet typed over after the OK", Check::Calculate, Pair::GasGas, 5, "FORM5.EDIT130", "x20",
         "  ★ 管内側入側流体温度 が数値ではありません。！", "FORM5.EDIT130"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Session s;
        switch (c.check) {
            case Check::Form5Ok: pressForm5Ok(s, c); break;
            case Check::Form7Ok: pressForm7Ok(s, c); break;
            case Check::Calculate: pressCalculate(s, c); break;
        }
        EXPECT_EQ(marks(s), c.marked ? std::vector<std::string>{c.marked} : std::vector<std::string>{});
        if (!c.marked) continue;
        // Typing into the field takes the mark off.
        s(c.marked).setText("20");
        EXPECT_TRUE(marks(s).empty());
    }
}

}  // namespace
}  // namespace cfhx
