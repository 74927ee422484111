// English screens write the English unit codes, and a case computes the
// same numbers in either language.
#include <gtest/gtest.h>

#include <any>
#include <cstddef>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/app.h"
#include "calc/record.h"
#include "platform/cases/script_player.h"
#include "support/session.h"

namespace cfhx {
namespace {

TEST(EnglishUnits, UnitButtonsWriteTheCodeOfTheLanguage) {
    struct Case {
        const char* name;
        Language language;
        const char* button;
        int code;  // UnitCode: 1 ESI, 2 E, 3 JSI, 4 J
        const char* flag;
    };
    const Case kCases[] = {
        {"Japanese, old units", Language::Japanese, "FORM4.BUTTON25", 4, "2"},
        {"Japanese, SI", Language::Japanese, "FORM4.BUTTON26", 3, "1"},
        {"English, old units", Language::English, "FORM4.BUTTON25", 2, "2"},
        {"English, SI", Language::English, "FORM4.BUTTON26", 1, "1"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        testing::Session s(c.language);
        s.click(c.button);
        EXPECT_EQ(s.text("MAINFORM.EDIT128"), std::to_string(c.code));
        EXPECT_EQ(s.app.UnitFlag, c.flag);
    }
}

// Every record a script reaches, in order.
std::vector<calc::Record> recordsOf(const std::string& path, Language language) {
    std::ifstream in(path);
    EXPECT_TRUE(in) << path;
    std::vector<calc::Record> records;
    ScriptOptions options{.date = "26/12/10", .language = language};
    options.transcript = false;
    options.install = [&records](App& app) {
        app.onResult = [&records](App& a) { records.push_back(std::any_cast<calc::Record>(a.lastResult)); };
    };
    std::ostringstream out, err;
    runScript(in, out, err, options);
    return records;
}

// The numbers of two records from the first code after UnitCode to the end.
bool sameNumbers(const calc::Record& a, const calc::Record& b) {
    constexpr size_t from = offsetof(calc::Record, TubeFluidKind);
    return std::memcmp(reinterpret_cast<const char*>(&a) + from, reinterpret_cast<const char*>(&b) + from,
                       sizeof(calc::Record) - from) == 0;
}

TEST(EnglishUnits, CaseComputesTheSameInBothLanguages) {
    struct Case {
        const char* path;
        size_t results;       // results the case reaches
        float englishCode;    // UnitCode of the English run
        const char* englishMode;
    };
    const std::string samples = CFHX_SAMPLES_DIR, scripts = CFHX_SCRIPTS_DIR;
    const Case kCases[] = {
        {"/gas-gas-no5.cfhx", 1, 2, "E"},
        {"/humid-gas-tubes.cfhx", 1, 2, "E"},
        {"/typed-in-condensation.cfhx", 1, 2, "E"},
        {"/water-gas-no5.cfhx", 1, 1, "ESI"},
        {"/calc_humid_shell_si.cfhx", 2, 1, "ESI"},
        {"/calc_review_manual_si.cfhx", 1, 1, "ESI"},
        {"/result_sizing_si.cfhx", 1, 1, "ESI"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.path);
        const std::string dir = std::ifstream(samples + c.path) ? samples : scripts;
        const auto japanese = recordsOf(dir + c.path, Language::Japanese);
        const auto english = recordsOf(dir + c.path, Language::English);
        ASSERT_EQ(japanese.size(), c.results);
        ASSERT_EQ(english.size(), c.results);
        for (size_t i = 0; i < c.results; ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(english[i].UnitCode, c.englishCode);
            EXPECT_EQ(english[i].flags.LangUnitMode.view(), c.englishMode);
            EXPECT_EQ(english[i].flags.sHUM.view(), japanese[i].flags.sHUM.view());
            EXPECT_TRUE(sameNumbers(japanese[i], english[i]));
        }
    }
}

}  // namespace
}  // namespace cfhx
