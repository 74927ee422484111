// A record for the engine's numeric routines, a notes sink, and the stop
// they throw caught with its message.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "calc/notes.h"
#include "calc/numeric_guard.h"
#include "calc/record.h"

namespace cfhx::testing {

// Runs `body`, which must stop the calculation; returns the stop's message
// (empty when it went on).
template <typename F>
std::string stopMessage(F body) {
    try {
        body();
    } catch (const calc::CalculationStop& stop) {
        return calc::stopMessage(stop, Language::Japanese);
    }
    ADD_FAILURE() << "the calculation went on";
    return {};
}

class EngineTest : public ::testing::Test {
protected:
    template <typename F>
    std::string stopped(F body) {
        return stopMessage(body);
    }

    calc::Record r = calc::freshRecord();
    calc::Notes notes;
};

}  // namespace cfhx::testing
