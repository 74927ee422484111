// Each script under tests/scripts (and the bundled sample session) run
// headless; the transcript must match the reviewed one beside it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/script/driver.h"

namespace cfhx {
namespace {

namespace fs = std::filesystem;

std::string readFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<fs::path> scripts() {
    std::vector<fs::path> out;
    for (const auto& e : fs::directory_iterator(CFHX_SCRIPTS_DIR)) {
        if (e.path().extension() == ".cfhx") out.push_back(e.path());
    }
    std::sort(out.begin(), out.end());
    return out;
}

int expectedStatus(const std::string& script) {
    const std::string tag = "# exit: ";
    if (script.rfind(tag, 0) == 0) return std::atoi(script.c_str() + tag.size());
    return kScriptDone;
}

TEST(Transcripts, EveryScriptMatchesItsReviewedTranscript) {
    auto all = scripts();
    ASSERT_FALSE(all.empty());
    const bool update = std::getenv("CFHX_UPDATE_TRANSCRIPTS") != nullptr;
    for (const fs::path& script : all) {
        std::string text = readFile(script);
        std::istringstream in(text);
        std::ostringstream out, err;
        ScriptOptions options;
        options.date = "07/03/05";
        int status = runScript(in, out, err, options);
        EXPECT_EQ(status, expectedStatus(text)) << script << "\n" << err.str();
        std::string transcript = out.str();
        if (status != kScriptDone) transcript += "--- stderr ---\n" + err.str();
        fs::path golden = script;
        golden.replace_extension(".out");
        if (update) {
            std::ofstream(golden, std::ios::binary) << transcript;
            continue;
        }
        ASSERT_TRUE(fs::exists(golden)) << golden;
        std::istringstream got(transcript), want(readFile(golden));
        std::string g, w;
        for (int line = 1;; ++line) {
            bool moreGot = static_cast<bool>(std::getline(got, g));
            bool moreWant = static_cast<bool>(std::getline(want, w));
            if (!moreGot && !moreWant) break;
            if (moreGot != moreWant || g != w) {
                ADD_FAILURE() << golden.filename() << " line " << line << "\n  expected: " << (moreWant ? w : "(end)")
                              << "\n  actual:   " << (moreGot ? g : "(end)");
                break;
            }
        }
    }
}

}  // namespace
}  // namespace cfhx
