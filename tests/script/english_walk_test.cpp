// A whole calculation per fluid pair in English, from the unit choice to
// the result table and its menu: no kana or kanji reaches the pane, the
// messages or the run's end, and the output is in an English display mode.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "platform/cases/script_player.h"
#include "support/files.h"
#include "support/fluid_pair_cases.h"
#include "support/japanese_text.h"

namespace cfhx {
namespace {

// A line of `dump`: the model's own catalogue text, which the windows
// translate as they show it.
bool dumpLine(const std::string& line) {
    std::istringstream words(line);
    std::string name, kind;
    words >> name >> kind;
    return kind == "label" || kind == "button" || kind == "edit" || kind == "option" || kind == "group" ||
           kind == "frame";
}

TEST(EnglishWalk, NoJapaneseLetterInAWholeCalculation) {
    for (const testing::FluidPairCase& c : testing::fluidPairCases()) {
        SCOPED_TRACE(c.pair);
        std::istringstream in(testing::readFile(c.path));
        std::ostringstream out, err;
        const int status = runScript(in, out, err, ScriptOptions{.date = "07/03/05", .language = Language::English});
        // A sample ends at the result's menu, waiting for its choice.
        EXPECT_TRUE(status == kScriptDone || status == kScriptUnansweredWait) << err.str();
        EXPECT_FALSE(testing::containsJapaneseLetters(err.str())) << err.str();
        const std::string transcript = out.str();
        // The table of an English mode, not of a Japanese one.
        EXPECT_NE(transcript.find("CROSFLOW HEAT EXCHANGER"), std::string::npos);
        std::istringstream lines(transcript);
        std::string japanese;
        for (std::string line; std::getline(lines, line);) {
            if (!dumpLine(line) && testing::containsJapaneseLetters(line)) japanese += line + "\n";
        }
        EXPECT_TRUE(japanese.empty()) << japanese;
    }
}

}  // namespace
}  // namespace cfhx
