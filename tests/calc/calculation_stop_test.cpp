// A stop of a numeric routine during a run: the calculate button shows its
// message on a cleared page after three empty lines, pauses once and takes
// the common return path.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "app/frame_texts.h"
#include "support/input_paths.h"
#include "support/pages.h"

namespace cfhx {
namespace {

using testing::PageLog;
using testing::Session;

TEST(CalculationStop, TheCalculateButtonShowsTheMessageAndReturns) {
    // A saturated tube gas of these enthalpies (kcal/kg) sends the
    // saturation-temperature iteration to its pass limit.
    const struct {
        const char* name;
        const char* H2;
        Language language;
        const char* page;
    } cases[] = {
        {"1000 kcal/kg", "1000", Language::Japanese, "\n\n\n   @@@  収束不可のため終了します。@@"},
        {"2000 kcal/kg", "2000", Language::Japanese, "\n\n\n   @@@  収束不可のため終了します。@@"},
        {"in English", "1000", Language::English, "\n\n\n   @@@  No convergence: calculation ended.@@"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Session s;
        s.app.language = c.language;
        testing::openHumidTubesGasShell(s, false);
        s.click("MAINFORM.BUTTON22");
        s.click("FORM5.BUTTON53");
        s.click("FORM5.BUTTON30");
        ASSERT_TRUE(s.enabled("MAINFORM.BUTTON9")) << s.text("FORM5.TEXT127");
        s("FORM5.EDIT173").setText("1");
        s("FORM5.EDIT158").setText("2");
        s("FORM5.EDIT166").setText("4");
        s("FORM5.EDIT174").setText(c.H2);
        PageLog log;
        s.app.pane.setObserver(&log);
        s.platform.yesNo.push_back(true);
        s.platform.pausesAllowed = 1;
        // The page in view at the pause.
        std::string atPause;
        s.platform.whilePaused = [&] { atPause = s.app.pane.pageText(); };
        s.click("MAINFORM.BUTTON9");
        s.app.pane.setObserver(nullptr);

        EXPECT_EQ(std::count(s.platform.waits.begin(), s.platform.waits.end(), "pause"), 1);
        EXPECT_EQ(s.platform.waits.back(), "pause");
        EXPECT_EQ(atPause, c.page);
        // The trace stood until the stop cleared it.
        ASSERT_GE(log.pages.size(), 2u);
        EXPECT_NE(log.pages[log.pages.size() - 2].find("LOOP=5000/5000"), std::string::npos);
        // The common return path: input open again, the confirmation button shown.
        EXPECT_EQ(s.app.pane.pageRows(), 0u);
        EXPECT_FALSE(s.shown("FORM5"));
        EXPECT_TRUE(s.enabled("MAINFORM.BUTTON9"));
        EXPECT_TRUE(s.enabled("MAINFORM.BUTTON27"));
        EXPECT_EQ(s.text("MAINFORM.BUTTON27"), frame_texts::frameTexts(c.language).confirmAfterRun);
        EXPECT_TRUE(s.enabled("MAINFORM.EDIT10"));
    }
}

}  // namespace
}  // namespace cfhx
