// Each script under tests/scripts run headless, one test per script: the
// transcript must match the reviewed one beside it byte for byte.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/cases/script_player.h"
#include "support/files.h"

namespace cfhx {
namespace {

namespace fs = std::filesystem;

using testing::readFile;

// The scripts' names without ".cfhx", sorted.
std::vector<std::string> scriptNames() {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(CFHX_SCRIPTS_DIR)) {
        if (e.path().extension() == ".cfhx") names.push_back(e.path().stem().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// A script that must end with status N starts with "# exit: N".
int expectedStatus(const std::string& script) {
    const std::string tag = "# exit: ";
    if (script.rfind(tag, 0) == 0) return std::atoi(script.c_str() + tag.size());
    return kScriptDone;
}

// The first line where `got` and `want` differ, both shown; empty when equal.
std::string firstDifference(const std::string& got, const std::string& want) {
    std::istringstream g(got), w(want);
    std::string gl, wl;
    for (int line = 1;; ++line) {
        const bool moreGot = static_cast<bool>(std::getline(g, gl));
        const bool moreWant = static_cast<bool>(std::getline(w, wl));
        if (!moreGot && !moreWant) break;
        if (moreGot != moreWant || gl != wl) {
            return "line " + std::to_string(line) + "\n  expected: " + (moreWant ? wl : "(end)") +
                   "\n  actual:   " + (moreGot ? gl : "(end)");
        }
    }
    return got == want ? "" : "the same lines, but the line ends differ";
}

class Transcript : public ::testing::TestWithParam<std::string> {};

TEST_P(Transcript, MatchesTheReviewedOne) {
    const fs::path script = fs::path(CFHX_SCRIPTS_DIR) / (GetParam() + ".cfhx");
    const fs::path golden = fs::path(CFHX_SCRIPTS_DIR) / (GetParam() + ".out");
    const std::string text = readFile(script);
    std::istringstream in(text);
    std::ostringstream out, err;
    ScriptOptions options;
    options.date = "07/03/05";
    const int status = runScript(in, out, err, options);
    EXPECT_EQ(status, expectedStatus(text)) << err.str();
    std::string transcript = out.str();
    if (status != kScriptDone) transcript += "--- stderr ---\n" + err.str();
    // CFHX_UPDATE_TRANSCRIPTS=1 rewrites the reviewed transcripts instead.
    if (std::getenv("CFHX_UPDATE_TRANSCRIPTS") != nullptr) {
        std::ofstream(golden, std::ios::binary) << transcript;
        return;
    }
    ASSERT_TRUE(fs::exists(golden)) << golden;
    const std::string difference = firstDifference(transcript, readFile(golden));
    EXPECT_TRUE(difference.empty()) << golden.filename().string() << " " << difference;
}

INSTANTIATE_TEST_SUITE_P(Scripts, Transcript, ::testing::ValuesIn(scriptNames()),
                         [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });

}  // namespace
}  // namespace cfhx
