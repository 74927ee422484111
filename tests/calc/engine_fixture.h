// A bare App for the engine's numeric routines: pauses are counted, and a
// stop of the calculation can be caught with its message.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>

#include "app/app.h"
#include "app/control_flow.h"
#include "calc/record.h"

namespace cfhx::testing {

struct CountingPlatform : Platform {
    int pauses = 0;
    std::string readLine() override { throw std::runtime_error("unexpected read"); }
    void pause() override { ++pauses; }
    bool askYesNo(std::string_view, std::string_view) override { throw std::runtime_error("unexpected Yes/No"); }
    std::string today() override { return "07/03/05"; }
};

class EngineTest : public ::testing::Test {
protected:
    EngineTest() : app(platform) {}

    // Runs `body`, which must stop the calculation; returns the pane's page.
    template <typename F>
    std::string stopped(F body) {
        int before = platform.pauses;
        bool left = false;
        try {
            body();
        } catch (const LeaveCalculation&) {
            left = true;
        }
        EXPECT_TRUE(left) << "the calculation went on";
        EXPECT_EQ(platform.pauses, before + 1) << "a stop pauses once";
        return app.pane.pageText();
    }

    CountingPlatform platform;
    App app;
    calc::Record r = calc::freshRecord();
};

}  // namespace cfhx::testing
