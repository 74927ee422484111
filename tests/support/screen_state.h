// What the screens show after a way in and a few user actions: texts,
// enabled and disabled controls, shown and hidden screens. A table of these
// states is the shape of most screen tests.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "support/input_paths.h"

namespace cfhx::testing {

// Controls and actions without "SCREEN." are on the screen the test names.
// An action "CONTROL" clicks it (the click must be taken), "CONTROL=TEXT"
// types TEXT into it.
struct ScreenState {
    const char* name;
    Path path;
    std::vector<std::string> actions = {};
    Entries texts = {};
    std::vector<std::string> on = {}, off = {};        // controls enabled / disabled
    std::vector<std::string> shown = {}, hidden = {};  // screens
};

inline void expectState(const ScreenState& c, std::string_view screen) {
    SCOPED_TRACE(c.name);
    Session s;
    c.path(s);
    for (const std::string& action : c.actions) EXPECT_TRUE(s.act(screen, action)) << action;
    for (const auto& [control, text] : c.texts) {
        EXPECT_EQ(s.text(Session::qualified(screen, control)), text) << control;
    }
    for (const std::string& control : c.on) EXPECT_TRUE(s.enabled(Session::qualified(screen, control))) << control;
    for (const std::string& control : c.off) EXPECT_FALSE(s.enabled(Session::qualified(screen, control))) << control;
    for (const std::string& name : c.shown) EXPECT_TRUE(s.shown(name)) << name;
    for (const std::string& name : c.hidden) EXPECT_FALSE(s.shown(name)) << name;
}

}  // namespace cfhx::testing
