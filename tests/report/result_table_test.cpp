// Result tables: which rows each display mode prints for each kind of run,
// the SI presentation against the old one, the round trip of the record
// through SI, the pattern labels of the premise block.
#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <cstring>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "support/output_fixture.h"
#include "calc/units.h"
#include "report/results.h"
#include "support/result_records.h"

namespace cfhx {
namespace {

using testing::finishedGasRun;

class ResultTableTest : public testing::OutputTest {
protected:
    std::string table(calc::Record& rec, const char* mode) {
        report::showTable(app, rec, mode);
        return app.pane.pageText();
    }
};

// Without leading and trailing blanks, half- or full-width.
std::string trimmed(std::string s) {
    for (bool cut = true; cut;) {
        cut = false;
        for (std::string_view blank : {" ", "　"}) {
            if (s.starts_with(blank)) s.erase(0, blank.size()), cut = true;
            if (s.ends_with(blank)) s.erase(s.size() - blank.size()), cut = true;
        }
    }
    return s;
}

// Row numbers of the table in printing order; an unnumbered row by its label.
std::vector<std::string> rowKeys(const std::string& page) {
    const std::string bar = "│";
    std::vector<std::string> keys;
    std::istringstream in(page);
    for (std::string line; std::getline(in, line);) {
        if (!line.starts_with("  " + bar)) continue;
        const size_t a = 2 + bar.size();
        const size_t b = line.find(bar, a);
        const size_t c = line.find(bar, b + bar.size());
        std::string key = trimmed(line.substr(a, b - a));
        if (key.empty()) key = trimmed(line.substr(b + bar.size(), c - b - bar.size()));
        if (key != "No") keys.push_back(key);
    }
    return keys;
}

std::vector<std::string> numbers(std::initializer_list<int> ns) {
    std::vector<std::string> out;
    for (int n : ns) out.push_back(std::to_string(n));
    return out;
}

std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST_F(ResultTableTest, RowsByModeAndRun) {
    using R = calc::Record;
    struct Case {
        const char* name;
        const char* mode;
        std::function<void(R&)> run;
        std::vector<std::string> rows;
        std::vector<std::string> shows{};  // fragments that must appear
    };
    const std::vector<Case> kCases = {
        {.name = "gas/gas finned JSI", .mode = "JSI", .run = [](R&) {},
         .rows = numbers({1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13}) + std::vector<std::string>{"凝縮量"} +
                 numbers({14, 15, 16, 17, 19, 20, 21, 22, 23}),
         .shows = {"│   Nm3/s  │", "│    Pa    │PDt= 196.0│PDs= 294.0│"}},
        {.name = "gas/gas bare JSI: no fin row", .mode = "JSI", .run = testing::makeBare,
         .rows = numbers({1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12}) + std::vector<std::string>{"凝縮量"} +
                 numbers({14, 15, 16, 17, 19, 20, 21, 22, 23})},
        {.name = "gas/gas bare J: fin row kept", .mode = "J", .run = testing::makeBare,
         .rows = numbers({1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 19, 20, 21, 22, 23, 24}),
         .shows = {"│   mmAq   │PDt=  20.0│PDs=  30.0│"}},
        {.name = "gas/gas E", .mode = "E", .run = [](R&) {},
         .rows = numbers({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 22}),
         .shows = {"│Wt= 10400 │Ws= 12930 │"}},
        {.name = "gas/gas ESI", .mode = "ESI", .run = [](R&) {},
         .rows = numbers({1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12}) + std::vector<std::string>{"Condansate"} +
                 numbers({13, 14, 15, 16, 17, 19, 20, 21, 22, 23})},
        {.name = "water tubes, shell latent JSI", .mode = "JSI",
         .run = [](R& r) { testing::makeWaterTubes(r); testing::makeLatentShell(r); },
         .rows = numbers({1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13}) + std::vector<std::string>{"凝縮量"} +
                 numbers({14, 15, 16, 17, 19, 20, 21, 22, 23}),
         .shows = {"│m3/s,Nm3/s│", "│Ht=   46.5│", "│    Pa    │",
                   "Q= 325640.0"}},
        {.name = "water tubes sensible J", .mode = "J", .run = testing::makeWaterTubes,
         .rows = numbers({1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 19, 20, 21, 22, 23, 24}),
         .shows = {"│m3/h,Nm3/h│", "│Wt= 10000 │", "│kg/cm2,mmAq│"}},
        {.name = "tube latent E", .mode = "E", .run = [](R& r) { testing::makeLatentTube(r); r.Wtc = r.Wc; },
         .rows = numbers({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}) + std::vector<std::string>{"Mater.trans.flowrate"} +
                 numbers({12, 13, 14, 15, 16, 17, 18, 19, 20, 22}),
         .shows = {"Q= 280000.0", "│Wt= 150.00│Ws=   0.00│"}},
        {.name = "typed-in gas, evaporation JSI", .mode = "JSI",
         .run = [](R& r) { testing::makeTypedIn(r, 2); r.PhaseChangeKind = 1; r.Wtc = 180; },
         .rows = numbers({1, 2, 3, 5, 8, 9, 10, 12, 13}) + std::vector<std::string>{"蒸発量"} +
                 numbers({15, 16, 17, 19, 20, 21, 22, 23}),
         .shows = {"│Wti= 2.889│", "│Wt=   0.05│    －    │"}},
        {.name = "typed-in liquid J", .mode = "J", .run = [](R& r) { testing::makeTypedIn(r, 1); },
         .rows = numbers({1, 2, 3, 5, 8, 9, 10, 11, 12, 13, 15, 16, 17, 19, 20, 21, 22, 23, 24}),
         .shows = {"│m3/h,Nm3/h│", "│kg/cm2,mmAq│"}},
        {.name = "typed-in vapour condensing ESI", .mode = "ESI",
         .run = [](R& r) { testing::makeTypedIn(r, 2); r.flags.sVAP = "y"; r.PhaseChangeKind = 3; r.Wtc = 180; },
         .rows = numbers({1, 2, 3, 5, 6, 8, 9, 10, 12}) + std::vector<std::string>{"Condensate"} +
                 numbers({13, 15, 16, 17, 19, 20, 21, 22, 23}),
         .shows = {"│Wt=   0.05│          │"}},
        {.name = "effectiveness branch JSI: Q2 and its outlets", .mode = "JSI",
         .run = [](R& r) { r.ChoiceA = 2; r.ChoiceC = 1; r.Q2 = 200000; r.T2X = 190; r.TY2 = 110; },
         .rows = numbers({1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13}) + std::vector<std::string>{"凝縮量"} +
                 numbers({14, 15, 16, 17, 19, 20, 21, 22, 23}),
         .shows = {"Q= 232600.0", "│Tto=463.0 │Tso=383.0 │"}},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        calc::Record rec = finishedGasRun();
        c.run(rec);
        const std::string page = table(rec, c.mode);
        EXPECT_EQ(rowKeys(page), c.rows);
        for (const std::string& s : c.shows) EXPECT_NE(page.find(s), std::string::npos) << s << "\n" << page;
    }
}

// The same result in the old units and in SI: temperatures 273 apart, heat
// flows and coefficients by 1.163, lengths in mm, losses in Pa; the LMTD, a
// difference, stays.
TEST_F(ResultTableTest, OldUnitsAgainstSi) {
    struct Case {
        const char* name;
        const char* mode;
        const char* shows;
        bool water = false;
    };
    constexpr Case kCases[] = {
        {.name = "tube inlet ℃", .mode = "J", .shows = "Tti=300.0"},
        {.name = "tube inlet K", .mode = "JSI", .shows = "Tti=573.0"},
        {.name = "shell outlet ℃", .mode = "J", .shows = "Tso=120.0"},
        {.name = "shell outlet K", .mode = "JSI", .shows = "Tso=393.0"},
        {.name = "wall ℃", .mode = "J", .shows = "Twav=110.0"},
        {.name = "wall K", .mode = "JSI", .shows = "Twav=383.0"},
        {.name = "duty kcal/h", .mode = "J", .shows = "Q= 300000.0"},
        {.name = "duty W", .mode = "JSI", .shows = "Q= 348900.0"},
        {.name = "KI kcal/m2h℃", .mode = "J", .shows = "KI=  32.50"},
        {.name = "KI W/m2K", .mode = "JSI", .shows = "KI=  37.80"},
        {.name = "LMTD ℃", .mode = "J", .shows = "LMTD=160.0(rev 152.0)"},
        {.name = "LMTD K", .mode = "JSI", .shows = "LMTD=160.0(rev 152.0)"},
        {.name = "shell flow Nm3/s", .mode = "JSI", .shows = "Vs= 2.778"},
        {.name = "length m", .mode = "J", .shows = "TL=3.00"},
        {.name = "length mm", .mode = "JSI", .shows = "TL= 3000"},
        {.name = "efficiencies", .mode = "JSI", .shows = "Et =0.429 │Es =0.357"},
        {.name = "finned outer area", .mode = "J", .shows = "Ao=  600.0"},
        // Beside water: 13000 m3/h at 95 ℃ is 9644 Nm3/h, in SI per second.
        {.name = "normal shell flow Nm3/h", .mode = "J", .shows = "Vs=  9644", .water = true},
        {.name = "normal shell flow Nm3/s", .mode = "JSI", .shows = "Vs= 2.679", .water = true},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        calc::Record rec = finishedGasRun();
        if (c.water) testing::makeWaterTubes(rec);
        const std::string page = table(rec, c.mode);
        EXPECT_NE(page.find(c.shows), std::string::npos) << page;
    }
}

std::vector<float> floatsOf(const calc::Record& r) {
    const size_t first = offsetof(calc::Record, UnitCode);
    std::vector<float> out((sizeof(calc::Record) - first) / sizeof(float));
    std::memcpy(out.data(), reinterpret_cast<const char*>(&r) + first, out.size() * sizeof(float));
    return out;
}

void expectSameRecord(const calc::Record& a, const calc::Record& b) {
    const std::vector<float> x = floatsOf(a), y = floatsOf(b);
    for (size_t k = 0; k < x.size(); ++k) EXPECT_NEAR(y[k], x[k], 1e-5 * std::fabs(x[k])) << "float #" << k;
}

// Old → SI → old leaves every quantity as it was, directly and around an
// SI table; the SI record itself holds the SI values.
TEST_F(ResultTableTest, SiRoundTrip) {
    struct Case {
        const char* name;
        std::function<void(calc::Record&)> run;
    };
    const Case kCases[] = {
        {.name = "gas/gas", .run = [](calc::Record&) {}},
        {.name = "water tubes, shell latent",
         .run = [](calc::Record& r) { testing::makeWaterTubes(r); testing::makeLatentShell(r); }},
        {.name = "tube latent, bare", .run = [](calc::Record& r) { testing::makeLatentTube(r); testing::makeBare(r); }},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        calc::Record old = finishedGasRun();
        c.run(old);
        calc::Record r = old;
        calc::resultToSi(r);
        EXPECT_FLOAT_EQ(r.Tti, 573.0f);
        EXPECT_FLOAT_EQ(r.Ws, 12930.0f / 3600.0f);
        EXPECT_FLOAT_EQ(r.TL, 3000.0f);
        calc::resultToOld(r);
        expectSameRecord(old, r);

        // J then JSI: the SI table converts and converts back.
        table(old, "J");
        calc::Record afterJ = old;
        table(old, "JSI");
        expectSameRecord(afterJ, old);
    }
}

TEST_F(ResultTableTest, PatternLabels) {
    struct Case {
        const char* name;
        float PNt, PNs, pattern;
        const char* english;
        const char* japanese;
    };
    constexpr Case kCases[] = {
        {.name = "one pass each", .PNt = 1, .PNs = 1, .pattern = 1, .english = "both 1 pass cross flow",
         .japanese = "両流体 1 ﾊﾟｽ直交流"},
        {.name = "two tube passes", .PNt = 2, .PNs = 1, .pattern = 1, .english = "n pass cross counter flow",
         .japanese = "複数ﾊﾟｽ直交型向流"},
        {.name = "three shell passes", .PNt = 1, .PNs = 3, .pattern = 1, .english = "n pass cross counter flow",
         .japanese = "複数ﾊﾟｽ直交型向流"},
        {.name = "parallel", .PNt = 2, .PNs = 2, .pattern = 2, .english = "cross and parallel flow",
         .japanese = "直交型並流"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        calc::Record rec = finishedGasRun();
        rec.PNt = c.PNt;
        rec.PNs = c.PNs;
        rec.FlowPattern = c.pattern;
        EXPECT_NE(table(rec, "E").find(std::string("pattern") + c.english), std::string::npos);
        EXPECT_NE(table(rec, "J").find(std::string("フローパターン：") + c.japanese), std::string::npos);
    }
}

}  // namespace
}  // namespace cfhx
