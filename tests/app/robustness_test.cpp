// Random users: any text in any field and any click sequence, on every
// screen, must leave the program running with a consistent model.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/control_flow.h"
#include "platform/program.h"
#include "support/random_text.h"

namespace cfhx {
namespace {

// Answers every wait at random, like a user hammering the keyboard.
struct RandomPlatform : Platform {
    explicit RandomPlatform(std::mt19937& r) : rng(r) {}
    std::mt19937& rng;
    int waits = 0;
    std::string readLine() override {
        ++waits;
        static const char* answers[] = {"1", "2", "y", "n", "00", "", "abc", "１", "-1", "1e99"};
        return answers[rng() % std::size(answers)];
    }
    void pause() override { ++waits; }
    bool askYesNo(std::string_view, std::string_view) override {
        ++waits;
        return rng() % 2 == 0;
    }
    std::string today() override { return "26/12/08"; }
    void printSheet(const SheetPages& pages, PrintRoute) override { waits += pages.empty() ? 0 : 1; }
    void hardCopy(HardCopy) override { ++waits; }
};

std::string randomText(std::mt19937& rng) {
    static const char* const pieces[] = {"",  " ",    "0",     "1",   "2",     "3",  "4",   "5",     "7",
                                         "-", "1.5",  "1e-6",  "１６", "－",    "■",  "Rem.", "sat.", "9e9",
                                         ".", "\xff", "\xe3\x81", "　", "abc", "1,5", "+3", "1e999", "\""};
    std::string s = testing::randomText(rng, pieces, 0, 3);
    if (rng() % 50 == 0) s.assign(10000, '9');
    return s;
}

TEST(Robustness, RandomClicksAndTextsNeverBreakTheProgram) {
    for (unsigned seed : {1u, 2u, 3u, 4u, 5u}) {
        std::mt19937 rng(seed);
        RandomPlatform platform(rng);
        App app(platform);
        registerProcedures(app);
        startUp(app);

        // Every clickable control and every edit field of every screen.
        struct Target {
            int screen;
            int control;
        };
        std::vector<Target> buttons, edits;
        for (int s = 0; s < static_cast<int>(app.forms.screens().size()); ++s) {
            const Screen& screen = app.forms.at(s);
            for (int c = 0; c < static_cast<int>(screen.controls.size()); ++c) {
                ControlKind k = screen.controls[c].def->kind;
                if (k == ControlKind::Button || k == ControlKind::Option) buttons.push_back({s, c});
                if (k == ControlKind::Edit) edits.push_back({s, c});
            }
        }
        ASSERT_FALSE(buttons.empty());

        int dispatched = 0;
        for (int step = 0; step < 4000 && !app.ended; ++step) {
            if (rng() % 3 == 0) {
                const Target& t = edits[rng() % edits.size()];
                const Control& c = app.forms.at(t.screen, t.control);
                // A user can only type into a field that is there and enabled.
                if (app.forms.at(t.screen).shown && c.visible && c.enabled) {
                    app.forms.setText(t.screen, t.control, randomText(rng));
                }
            } else {
                const Target& t = buttons[rng() % buttons.size()];
                const Screen& s = app.forms.at(t.screen);
                bool ran = false;
                ASSERT_NO_THROW(ran = click(app, s.def->name, s.controls[t.control].def->name))
                    << "seed " << seed << " step " << step << " " << s.def->name << "."
                    << s.controls[t.control].def->name;
                dispatched += ran;
            }
            ASSERT_TRUE(app.forms.at(app.forms.screenId("MAINFORM")).shown);
            ASSERT_LE(app.pane.endLine() - app.pane.firstLine(), app.pane.capacity());
        }
        // The walk must reach the procedures, not only bounce off disabled controls.
        EXPECT_GT(dispatched, 100) << "seed " << seed;
    }
}

}  // namespace
}  // namespace cfhx
