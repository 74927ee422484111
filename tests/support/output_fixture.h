// An App for the result output: pauses are counted, and leaving the
// calculation can be caught with the page it left.
#pragma once

#include <gtest/gtest.h>

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
    void printSheet(const SheetPages&, PrintRoute) override { throw std::runtime_error("unexpected print"); }
    void hardCopy(HardCopy) override { throw std::runtime_error("unexpected hard copy"); }
};

class OutputTest : public ::testing::Test {
protected:
    OutputTest() : app(platform) {}

    // Runs `body`, which must leave the calculation after one pause;
    // returns the pane's page.
    template <typename F>
    std::string stopped(F body) {
        const int before = platform.pauses;
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
};

}  // namespace cfhx::testing
