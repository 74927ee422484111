// Whole calculations run headless in English: no line of the pane carries a
// Japanese text of the calculation dialogue. A Japanese run of the same
// script shows that the texts are found where they are printed.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "platform/cases/script_player.h"
#include "support/calc_text_tables.h"
#include "support/files.h"
#include "support/japanese_text.h"

namespace cfhx {
namespace {

namespace fs = std::filesystem;

using testing::containsJapanese;

// Japanese characters of a piece other than blanks and dashes, which the
// screens' own texts share.
int wordCharacters(std::string_view piece) {
    int n = 0;
    for (size_t i = 0; i < piece.size();) {
        const char32_t c = decodeUtf8(piece, i);
        if (testing::isJapanese(c) && c != U'\u3000' && c != U'\uFF0D') ++n;
    }
    return n;
}

// The Japanese pieces of every text of the tables: a text cut where a value
// or a mask goes, each piece trimmed and kept when it holds three Japanese
// word characters or more.
std::vector<std::string> japanesePieces() {
    std::vector<std::string> pieces;
    auto keep = [&](std::string piece) {
        const size_t first = piece.find_first_not_of(' ');
        if (first == std::string::npos) return;
        piece = piece.substr(first, piece.find_last_not_of(' ') - first + 1);
        if (wordCharacters(piece) >= 3) pieces.push_back(piece);
    };
    for (const testing::TextTable& t : testing::calcTextTables()) {
        for (const testing::TextPair& p : t.texts) {
            std::string piece;
            for (size_t i = 0; i < p.japanese.size(); ++i) {
                const char c = p.japanese[i];
                const bool cut = c == '#' || c == '\n' || p.japanese.substr(i, 2) == "{}";
                if (!cut) {
                    piece += c;
                    continue;
                }
                keep(piece);
                piece.clear();
            }
            keep(piece);
        }
    }
    return pieces;
}

// The pane lines of the run's transcript holding a piece.
std::vector<std::string> linesWithPieces(const std::string& script, Language language,
                                         const std::vector<std::string>& pieces) {
    std::istringstream in(testing::readFile(fs::path(CFHX_SCRIPTS_DIR) / (script + ".cfhx")));
    std::ostringstream out, err;
    ScriptOptions options;
    options.date = "07/03/05";
    options.language = language;
    const int status = runScript(in, out, err, options);
    EXPECT_EQ(status, kScriptDone) << err.str();
    std::vector<std::string> found;
    std::istringstream lines(out.str());
    bool pane = false;
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with("===")) {
            pane = line == "=== pane ===";
            continue;
        }
        if (!pane || !containsJapanese(line)) continue;
        for (const std::string& piece : pieces) {
            if (line.find(piece) != std::string::npos) {
                found.push_back(line + "   <- " + piece);
                break;
            }
        }
    }
    return found;
}

TEST(EnglishPane, TheCalculationDialogueSpeaksEnglishThroughWholeRuns) {
    const std::vector<std::string> pieces = japanesePieces();
    const char* const kScripts[] = {
        "calc_start_refusals",      "calc_start_film",           "calc_flows_choice_a",
        "calc_flows_si",            "calc_review_manual_liquid", "calc_review_manual_si",
        "calc_review_rows",         "calc_humid_shell_again",    "calc_humid_shell_si",
        "calc_humid_tube_gas",      "result_gas_radial_no5",     "result_sizing_si",
        "result_typed_in_vapour",   "result_water_humid_shell",  "sample_session",
    };
    for (const char* script : kScripts) {
        SCOPED_TRACE(script);
        EXPECT_FALSE(linesWithPieces(script, Language::Japanese, pieces).empty())
            << "the Japanese run prints none of the dialogue's texts";
        const std::vector<std::string> left = linesWithPieces(script, Language::English, pieces);
        std::string shown;
        for (const std::string& line : left) shown += line + "\n";
        EXPECT_TRUE(left.empty()) << shown;
    }
}

}  // namespace
}  // namespace cfhx
