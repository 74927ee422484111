// The English tables of the calculation dialogue against their Japanese
// originals: written without Japanese characters, never blank where the
// Japanese says something, and lined up where the Japanese lines up.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "app/text_width.h"
#include "support/calc_text_tables.h"
#include "support/japanese_text.h"

namespace cfhx {
namespace {

using testing::containsJapanese;
using testing::calcTextTables;
using testing::TextPair;
using testing::TextTable;

// The texts named: "table.field", or "table.field[" for every element of a list.
std::vector<const TextPair*> named(std::string_view name) {
    std::vector<const TextPair*> found;
    const bool list = name.ends_with('[');
    for (const TextTable& t : calcTextTables())
        for (const TextPair& p : t.texts)
            if (list ? p.name.starts_with(name) : p.name == name) found.push_back(&p);
    return found;
}

TEST(EnglishTexts, JapaneseCharactersAreToldFromOtherWriting) {
    const struct {
        const char* name;
        const char* text;
        bool japanese;
        bool letters;  // kana or kanji
    } kCases[] = {
        {"ASCII", "Tso(degC)=##.#", false, false},
        {"hiragana", "ok \u3066", true, true},
        {"katakana", "\u30B7\u30A7\u30EB", true, true},
        {"the half-width sound mark as a degree sign", "Tso(\uFF9FC)", true, false},
        {"a half-width katakana letter", "\uFF7C\uFF6A\uFF99", true, true},
        {"kanji", "\u7BA1", true, true},
        {"ideographic space", "a\u3000b", true, false},
        {"lenticular brackets and the ideographic comma", "\u3010Print\u3011\u3001", true, false},
        {"circled number", "\u2460 (A)", true, false},
        {"full-width letter", "\uFF2F\uFF2B", true, false},
        {"degree sign", "\u00B0C", false, false},
        {"box drawing", "\u250C\u2500\u2510", false, false},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(containsJapanese(c.text), c.japanese);
        EXPECT_EQ(testing::containsJapaneseLetters(c.text), c.letters);
    }
}

// A walker that missed a field would leave it unchecked below.
TEST(EnglishTexts, TheWalkVisitsEveryFieldOfEveryTable) {
    for (const TextTable& t : calcTextTables()) {
        SCOPED_TRACE(t.name);
        EXPECT_EQ(t.texts.size(), t.fields);
    }
}

TEST(EnglishTexts, NoJapaneseCharacterAndNoBlankWhereTheJapaneseSaysSomething) {
    for (const TextTable& t : calcTextTables()) {
        for (const TextPair& p : t.texts) {
            SCOPED_TRACE(p.name);
            EXPECT_FALSE(containsJapanese(p.english)) << p.english;
            if (!p.japanese.empty()) {
                EXPECT_FALSE(p.english.empty());
            }
        }
    }
}

// Columns a line keeps from its Japanese original.
enum class Keep {
    Width,   // the whole line: rules, boxes, lines that are overwritten in place
    Equals,  // where the value follows its '='
    Leader,  // where the symbol stands after a run of dots or dashes
};

int columnOf(std::string_view text, Keep keep) {
    if (keep == Keep::Width) return textColumns(text);
    const size_t eq = text.find('=');
    if (keep == Keep::Equals) return eq == std::string_view::npos ? -1 : textColumns(text.substr(0, eq));
    // The last run of three or more '.' or '-' before the '=', and the blanks after it.
    size_t end = std::string_view::npos;
    for (size_t i = 0; i < std::min(eq, text.size());) {
        if (text[i] != '.' && text[i] != '-') {
            ++i;
            continue;
        }
        size_t j = i;
        while (j < text.size() && (text[j] == '.' || text[j] == '-')) ++j;
        if (j - i >= 3) {
            while (j < text.size() && text[j] == ' ') ++j;
            end = j;
        }
        i = j;
    }
    return end == std::string_view::npos ? -1 : textColumns(text.substr(0, end));
}

TEST(EnglishTexts, AlignedBlocksKeepTheirColumns) {
    const struct {
        const char* block;
        Keep keep;
        std::vector<const char*> texts;
    } kBlocks[] = {
        {"construction list rules", Keep::Width, {"review.ruleTop", "review.ruleBottom"}},
        {"construction list", Keep::Leader,
         {"review.tubeDo", "review.tubeDi", "review.pvDo", "review.phDo", "review.kfSi", "review.kmSi", "review.rtSi",
          "review.rsSi", "review.kf", "review.km", "review.rt", "review.rs", "review.fp", "review.fh", "review.ft"}},
        {"tube liquid", Keep::Leader, {"review.liquid[", "review.liquidSi["}},
        {"condensing vapour", Keep::Leader, {"review.vapour[", "review.vapourSi["}},
        {"tube gas", Keep::Leader, {"review.gas[", "review.gasSi["}},
        {"shell fluid", Keep::Leader, {"review.shell[", "review.shellSi["}},
        {"given coefficients", Keep::Leader,
         {"review.htUser", "review.htUserSi", "review.hsUser", "review.hsUserSi"}},
        {"inlet settings", Keep::Leader,
         {"review.tsi", "review.tsiSi", "review.ws", "review.wsSi", "review.tti", "review.ttiSi", "review.wtLiquid",
          "review.wtLiquidSi", "review.wtGas", "review.wtGasSi"}},
        {"shell results block", Keep::Equals,
         {"humid.shellBlockTs", "humid.shellBlockTsSi", "humid.shellBlockXA", "humid.shellBlockDns",
          "humid.shellBlockMS"}},
        {"tube results block", Keep::Equals,
         {"humid.tubeBlockTs", "humid.tubeBlockTsSi", "humid.tubeBlockXG", "humid.tubeBlockDn", "humid.tubeBlockMT"}},
        {"framing lines", Keep::Width,
         {"humid.shellBlockTop", "humid.latentRuleTube", "humid.latentRuleShell"}},
        {"condensing progress box", Keep::Width,
         {"condensing.boxTop", "condensing.boxTitle", "condensing.boxBottom", "condensing.rule"}},
        {"condensing outlet", Keep::Equals, {"condensing.tz3", "condensing.tz3x"}},
        {"saturation trace", Keep::Equals, {"engine.passTsi", "engine.passTsx"}},
        {"sizing losses", Keep::Width,
         {"engine.lossInside", "engine.lossInsideOver", "engine.lossOutsideOver", "engine.lossOutside"}},
    };
    for (const auto& b : kBlocks) {
        for (const char* name : b.texts) {
            const std::vector<const TextPair*> found = named(name);
            EXPECT_FALSE(found.empty()) << b.block << ": no text " << name;
            for (const TextPair* p : found) {
                SCOPED_TRACE(std::string(b.block) + ": " + p->name);
                const int japanese = columnOf(p->japanese, b.keep);
                ASSERT_GE(japanese, 0) << p->japanese;
                EXPECT_EQ(columnOf(p->english, b.keep), japanese) << p->english;
            }
        }
    }
}

}  // namespace
}  // namespace cfhx
