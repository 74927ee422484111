#include <gtest/gtest.h>

#include <string>

#include "app/pane.h"

namespace cfhx {
namespace {

TEST(Pane, LinesGoToThePageInOrder) {
    Pane pane;
    pane.print("one");
    pane.print();
    pane.printMasked("Tti=###.#", {20.0});
    EXPECT_EQ(pane.pageText(), "one\n\nTti= 20.0");
    EXPECT_EQ(pane.pageRows(), 3u);
}

TEST(Pane, ClearStartsAnEmptyPageAndKeepsTheScrollback) {
    Pane pane;
    pane.print("old");
    pane.clear();
    EXPECT_EQ(pane.pageRows(), 0u);
    EXPECT_EQ(pane.pageText(), "");
    pane.print("new");
    EXPECT_EQ(pane.pageText(), "new");
    EXPECT_EQ(pane.line(pane.firstLine()), "old");
}

TEST(Pane, PrintAtCountsRowsFromThePageTop) {
    Pane pane;
    pane.print("history");
    pane.clear();
    pane.printAt(3, 5, "abc");
    EXPECT_EQ(pane.pageText(), "\n\n    abc");
    pane.print("next");  // the cursor moved below the written row
    EXPECT_EQ(pane.pageText(), "\n\n    abc\nnext");
}

TEST(Pane, PrintAtOverwritesInPlace) {
    Pane pane;
    pane.print("LOOP=   1/5000");
    pane.print("tail");
    pane.printAt(1, 6, "  17");
    EXPECT_EQ(pane.pageText(), "LOOP=  17/5000\ntail");
    pane.printAt(1, 1, "ｼｪﾙ");
    EXPECT_EQ(pane.pageText(), "ｼｪﾙP=  17/5000\ntail");
}

TEST(Pane, ScrollbackDropsTheOldestLinesBeyondItsCapacity) {
    Pane pane(1000);
    for (int i = 0; i < 5000; ++i) pane.print(std::to_string(i));
    EXPECT_EQ(pane.endLine() - pane.firstLine(), 1000u);
    EXPECT_EQ(pane.line(pane.firstLine()), "4000");
    EXPECT_EQ(pane.line(pane.endLine() - 1), "4999");
    EXPECT_EQ(pane.line(0), "");  // dropped
    // The page top moved with the dropped lines, so the page is what is held.
    EXPECT_EQ(pane.pageRows(), 1000u);
}

TEST(Pane, DefaultScrollbackHoldsAHundredThousandLines) {
    Pane pane;
    for (int i = 0; i < 150000; ++i) pane.print(std::to_string(i));
    ASSERT_GE(pane.endLine() - pane.firstLine(), 100000u);
    EXPECT_EQ(pane.line(pane.endLine() - 100000), "50000");
}

struct Recorder : PaneObserver {
    std::string cleared;
    int changes = 0;
    void paneClearing(const Pane& p) override { cleared += "[" + p.pageText() + "]"; }
    void paneChanged(const Pane&) override { ++changes; }
};

TEST(Pane, ObserverSeesThePageBeforeItIsCleared) {
    Pane pane;
    Recorder r;
    pane.setObserver(&r);
    pane.print("a");
    pane.printAt(2, 1, "b");
    pane.clear();
    pane.clear();
    EXPECT_EQ(r.cleared, "[a\nb][]");
    EXPECT_EQ(r.changes, 4);
}


// The message a stop reports is the row just written, though a trace row of
// an earlier pass stays further down the page; with nothing written since
// the clear it is the last row that is not blank.
TEST(Pane, LastPageTextIsTheRowJustWritten) {
    struct Case {
        const char* name;
        void (*write)(Pane&);
        const char* expected;
    } const kCases[] = {
        {"message over a trace row", [](Pane& p) {
             p.printAt(22, 1, "  Av.wall");
             p.printAt(23, 1, "    TX/TY= 1.00295");
             p.printAt(24, 1, "    (LIM6=   9/5000)");
             p.printAt(22, 1, "  Av.wall");
             p.print("    !! no sound solution for these conditions");
         }, "    !! no sound solution for these conditions"},
        {"message under the traces", [](Pane& p) {
             p.printAt(5, 1, "trace");
             p.print("stop");
             p.print();
         }, "stop"},
        {"trace last", [](Pane& p) {
             p.print("echo");
             p.printAt(9, 1, "   < phase 2 >");
         }, "   < phase 2 >"},
        {"nothing since the clear", [](Pane& p) {
             p.print("old");
             p.clear();
             p.print();
         }, ""},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        Pane pane;
        c.write(pane);
        EXPECT_EQ(pane.lastPageText(), c.expected);
    }
}

}  // namespace
}  // namespace cfhx
