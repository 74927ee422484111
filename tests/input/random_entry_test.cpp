// Random texts in every field of the input screens, then every OK button:
// nothing breaks, and a refused check leaves every entry as it was typed.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <vector>

#include "support/input_paths.h"
#include "support/random_text.h"

namespace cfhx {
namespace {

using testing::Session;

std::string randomText(std::mt19937& rng) {
    static const char* const pieces[] = {"",   " ",  "0",   "1",    "2",   "-5",   "20",   "1500", "1e-6", "１６",
                                         "－", "■",  "Rem.", "sat.", "9e9", ".",    "\xff", "　",   "abc",  "1,5",
                                         "+3", "1e999", "-0", "nan", "inf", "0x10", "\"",   "Ｓａｔ．"};
    return testing::randomText(rng, pieces, 1, 3);
}

// Texts of every edit field of a screen, hidden ones included.
std::map<std::string, std::string> editTexts(Session& s, const char* screen) {
    std::map<std::string, std::string> out;
    const Screen& sc = s.app.forms.at(s.app.forms.screenId(screen));
    for (const Control& c : sc.controls) {
        if (c.def->kind == ControlKind::Edit) out[c.def->name] = c.text;
    }
    return out;
}

// Types a random text into every field a user can reach on the screen.
void fillScreen(Session& s, const char* screen, std::mt19937& rng) {
    const int id = s.app.forms.screenId(screen);
    const Screen& sc = s.app.forms.at(id);
    if (!sc.shown) return;
    for (int c = 0; c < static_cast<int>(sc.controls.size()); ++c) {
        const Control& ctl = sc.controls[c];
        if (ctl.def->kind == ControlKind::Edit && ctl.visible && ctl.enabled) {
            s.app.forms.setText(id, c, randomText(rng));
        }
    }
}

// The ways to FORM5 in one unit system.
std::vector<testing::Path> paths(bool si) {
    return {testing::toHumidTubes(si), testing::toGasShell(2, 2, si), testing::toGasShell(3, 7, si),
            testing::toHumidShell(si), testing::toManual(si, "RADIO8", "RADIO10", "RADIO13")};
}

TEST(RandomEntry, RefusedChecksKeepEveryEntry) {
    std::mt19937 rng(20261208);
    int refused = 0, accepted = 0;
    for (size_t path = 0; path < paths(false).size(); ++path) {
        for (bool si : {false, true}) {
            Session s;
            s.platform.pausesAllowed = 1 << 20;
            paths(si)[path](s);
            for (int round = 0; round < 40; ++round) {
                if (!s.shown("FORM5")) s.click("MAINFORM.BUTTON27");
                ASSERT_TRUE(s.shown("FORM5"));
                fillScreen(s, "MAINFORM", rng);
                fillScreen(s, "FORM5", rng);
                if (rng() % 4 == 0) {
                    ASSERT_NO_THROW(s.click("FORM5.BUTTON53"));
                }
                auto before = editTexts(s, "FORM5");
                ASSERT_NO_THROW(s.click("FORM5.BUTTON30"));
                if (s.shown("FORM5")) {
                    ++refused;
                    EXPECT_EQ(editTexts(s, "FORM5"), before) << "round " << round;
                    EXPECT_FALSE(s.enabled("MAINFORM.BUTTON9"));
                } else {
                    ++accepted;
                    EXPECT_TRUE(s.enabled("MAINFORM.BUTTON9"));
                }
            }
        }
    }
    // Random data must exercise both outcomes.
    EXPECT_GT(refused, 50);
    EXPECT_GT(accepted, 5);
}

TEST(RandomEntry, EveryOkOfEveryScreenSurvivesRandomTexts) {
    std::mt19937 rng(7);
    const char* oks[] = {"FORM7.BUTTON52", "FORM6.BUTTON39", "FORM5.BUTTON50", "FORM5.BUTTON51",
                         "FORM5.BUTTON30", "FORM5.BUTTON53", "FORM5.BUTTON54"};
    for (int run = 0; run < 30; ++run) {
        Session s;
        s.platform.pausesAllowed = 1 << 20;
        for (int k = 0; k < 40; ++k) s.platform.yesNo.push_back(rng() % 2 == 0);
        s.openInput(run % 2 == 0);
        const char* kinds[] = {"MAINFORM.BUTTON1", "MAINFORM.BUTTON2", "MAINFORM.BUTTON3", "MAINFORM.BUTTON4"};
        s.click(kinds[rng() % 4]);
        s.click(rng() % 2 ? "MAINFORM.BUTTON5" : "MAINFORM.BUTTON6");
        for (int step = 0; step < 30; ++step) {
            for (const char* screen : {"MAINFORM", "FORM5", "FORM6", "FORM7"}) fillScreen(s, screen, rng);
            for (const char* radio : {"FORM7.RADIO7", "FORM7.RADIO8", "FORM7.RADIO10", "FORM7.RADIO11",
                                      "FORM7.RADIO14", "MAINFORM.BUTTON11", "MAINFORM.BUTTON12"}) {
                if (rng() % 3 == 0) {
                    ASSERT_NO_THROW(s.click(radio));
                }
            }
            for (const char* ok : oks) ASSERT_NO_THROW(s.click(ok)) << ok;
            ASSERT_TRUE(s.shown("MAINFORM"));
        }
    }
}

}  // namespace
}  // namespace cfhx
