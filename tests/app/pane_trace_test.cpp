// A held trace write must leave the pane exactly as writing its formatted
// text at once would: drawn sequences of trace writes, direct writes and
// reads, with double-width characters, overflowing and non-finite values,
// checked against a pane that formats every write as it comes.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "app/mask.h"
#include "app/pane.h"
#include "support/random_text.h"

namespace cfhx {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// Texts of static storage, as the text tables hold them.
constexpr std::string_view kHeader = " [#8. tube side outlet temp.]";
constexpr std::string_view kWideHeader = "［ 平均温度 ］回数";
constexpr std::string_view kPlace = " {}";
constexpr std::string_view kLimit = "/5000";
constexpr std::string_view kMaskA = "TX=####.##  TY=####.##";
constexpr std::string_view kMaskB = "ratio=.####";
constexpr std::string_view kMaskC = "[LIMIT####.#/1500 ]";
constexpr std::string_view kMaskWide = "Ｑ比=##.###℃";
constexpr std::string_view kFreeA = "Kc=";
constexpr std::string_view kFreeB = "TB={} Tso={}(℃)";
constexpr std::string_view kBox = "┌──────┐";
constexpr std::string_view kKana = "ｼﾊﾞﾗｸ ｵﾏﾁｸﾀﾞｻｲ";

const TraceText kTexts[] = {
    TraceText::free(kHeader, kPlace, kLimit), TraceText::free(kWideHeader, kPlace),
    TraceText::mask(kMaskA),  TraceText::mask(kMaskB), TraceText::mask(kMaskC), TraceText::mask(kMaskWide),
    TraceText::free(kFreeA),  TraceText::free(kFreeB), TraceText::text(kBox),   TraceText::text(kKana),
};

// Direct writes: pieces of what the dialogue prints.
constexpr const char* kPieces[] = {"Q", "=", " ", "12.5", "℃", "管", "ｶﾅ", "──", "", "#"};

double drawValue(std::mt19937& rng) {
    switch (rng() % 10) {
        case 0: return kNaN;
        case 1: return -kInf;
        case 2: return 0.0;
        case 3: return -0.0;
        case 4: return static_cast<double>(static_cast<int>(rng() % 20000));  // pass counters
        case 5: return std::ldexp(static_cast<double>(rng() % 1000000), -static_cast<int>(rng() % 40));
        case 6: return -std::pow(10.0, static_cast<double>(rng() % 14) - 4.0) * 1.2345678;
        default: return static_cast<double>(static_cast<float>((static_cast<double>(rng() % 2000001) - 1000000.0) / 997.0));
    }
}

TEST(PaneTrace, HeldWritesShowWhatFormattingAtOnceShows) {
    std::mt19937 rng(20261210);
    for (int sequence = 0; sequence < 300; ++sequence) {
        SCOPED_TRACE(sequence);
        Pane held, eager;
        const int rows = 1 + static_cast<int>(rng() % 4);
        for (int step = 0; step < 200; ++step) {
            const int row = 1 + static_cast<int>(rng() % rows);
            const int col = 1 + static_cast<int>(rng() % (rng() % 4 == 0 ? 40 : 6));
            const unsigned what = rng() % 20;
            if (what < 15) {
                const TraceText& t = kTexts[rng() % std::size(kTexts)];
                std::vector<double> values(rng() % 4);
                for (double& v : values) v = drawValue(rng);
                held.traceAt(row, col, t, values);
                eager.printAt(row, col, t.render(values));
            } else if (what < 18) {
                const std::string text = testing::randomText(rng, kPieces, 0, 6);
                held.printAt(row, col, text);
                eager.printAt(row, col, text);
            } else if (what < 19) {
                held.print("next");
                eager.print("next");
            } else {
                ASSERT_EQ(held.pageText(), eager.pageText()) << "step " << step;
            }
            ASSERT_EQ(held.cursorLine(), eager.cursorLine());
        }
        EXPECT_EQ(held.lastPageText(), eager.lastPageText());
        ASSERT_EQ(held.pageText(), eager.pageText());
    }
}

// A read before a clear or a scrollback trim sees the held rows; rows
// trimmed away take their held writes with them.
TEST(PaneTrace, ClearAndTrimKeepTheHeldRowsOfThePageBefore) {
    Pane held(3), eager(3);
    for (Pane* p : {&held, &eager}) {
        p->print("a");
        p->print("b");
    }
    held.traceAt(2, 1, TraceText::mask(kMaskA), {1.5, -2.25});
    eager.printAt(2, 1, formatMasked(kMaskA, {1.5, -2.25}));
    for (Pane* p : {&held, &eager}) p->clear();
    EXPECT_EQ(held.line(held.pageTop() - 1), "TX=   1.50  TY=  -2.25");
    held.traceAt(1, 4, TraceText::free(kFreeA), {3.0});
    eager.printAt(1, 4, formatFree(kFreeA, std::vector<double>{3.0}));
    for (Pane* p : {&held, &eager}) {
        for (int i = 0; i < 4; ++i) p->print("more");
    }
    for (uint64_t l = eager.firstLine(); l < eager.endLine(); ++l) EXPECT_EQ(held.line(l), eager.line(l));
    EXPECT_EQ(held.firstLine(), eager.firstLine());
}

struct LengthCase {
    const char* mask;
    MaskField field;
};
constexpr LengthCase kFields[] = {
    {"###.#", {.intDigits = 3, .decimals = 1, .point = true}},
    {".####", {.intDigits = 0, .decimals = 4, .point = true}},
    {"#", {.intDigits = 1, .decimals = 0, .point = false}},
    {"##.", {.intDigits = 2, .decimals = 0, .point = true}},
    {"######.###", {.intDigits = 6, .decimals = 3, .point = true}},
};

// The widths the pane reckons with before formatting are the widths formatted.
TEST(PaneTrace, LengthsWithoutFormattingAreTheFormattedLengths) {
    std::mt19937 rng(7);
    for (const LengthCase& c : kFields) {
        SCOPED_TRACE(c.mask);
        const double pos = surelyFitsBelow(c.field, false), neg = surelyFitsBelow(c.field, true);
        for (int i = 0; i < 20000; ++i) {
            double v = drawValue(rng);
            if (i % 2) v = std::nextafter(std::round(v * 100.0) / 100.0 + (i % 4 ? 0.005 : -0.05), 0.0);
            // Just below and above where rounding carries into another digit.
            if (i % 3 == 0) {
                const double carry = std::pow(10.0, i % 9) - 0.5 * std::pow(10.0, -c.field.decimals);
                v = std::nextafter(carry, i % 2 ? kInf : 0.0) * (i % 5 ? 1.0 : -1.0);
                if (i % 7 == 0) v = static_cast<double>(static_cast<float>(v));
            }
            ASSERT_EQ(fieldLength(v, c.field, pos, neg), static_cast<int>(formatField(v, c.field).size())) << v;
            ASSERT_EQ(freeNumberLength(v), static_cast<int>(freeNumber(v).size())) << v;
        }
    }
}

}  // namespace
}  // namespace cfhx
