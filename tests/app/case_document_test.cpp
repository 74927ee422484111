// The windows' case bookkeeping: unsaved work, the title, what leaving
// asks, fresh names for the files of a session.
#include "app/case_document.h"

#include <gtest/gtest.h>

#include <set>

#include "app/recorder.h"

namespace cfhx {
namespace {

TEST(CaseDocument, TitleNamesTheCaseAndMarksUnsavedWork) {
    struct Case {
        const char* name;
        const char* opened;  // nullptr: a fresh session
        const char* saved;   // nullptr: not saved since
        std::uint64_t at;    // changes when opened or saved
        std::uint64_t now;
        const char* title;
    };
    const Case kCases[] = {
        {.name = "fresh, nothing done", .opened = nullptr, .saved = nullptr, .at = 0, .now = 0, .title = "cfhx — 無題"},
        {.name = "fresh, one click", .opened = nullptr, .saved = nullptr, .at = 0, .now = 1, .title = "cfhx — 無題 *"},
        {.name = "opened as it was", .opened = "/home/u/cases/rig.cfhx", .saved = nullptr, .at = 42, .now = 42,
         .title = "cfhx — rig.cfhx"},
        {.name = "opened, then typed", .opened = "/home/u/cases/rig.cfhx", .saved = nullptr, .at = 42, .now = 43,
         .title = "cfhx — rig.cfhx *"},
        {.name = "saved under a new name", .opened = "/a/old.cfhx", .saved = "/b/new.cfhx", .at = 7, .now = 7,
         .title = "cfhx — new.cfhx"},
        {.name = "a bare name", .opened = "plain.cfhx", .saved = nullptr, .at = 3, .now = 4, .title = "cfhx — plain.cfhx *"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        CaseDocument doc;
        doc.started(0);
        if (c.opened) doc.opened(c.opened, c.saved ? 0 : c.at);
        if (c.saved) doc.saved(c.saved, c.at);
        EXPECT_EQ(doc.title(Language::Japanese, c.now), c.title);
        EXPECT_EQ(doc.unsaved(c.now), c.at != c.now);
    }
}

TEST(CaseDocument, LeavingAsksWhatCouldBeLost) {
    struct Case {
        const char* name;
        Leaving why;
        bool waiting;
        bool unsaved;
        bool asks;
        bool offersSave;
        const char* mentions;
    };
    const Case kCases[] = {
        {.name = "open at the menu", .why = Leaving::Open, .waiting = true, .unsaved = false, .asks = true,
         .offersSave = false, .mentions = "計算を中止して rig.cfhx を開きますか？"},
        {.name = "open at the menu, unsaved", .why = Leaving::Open, .waiting = true, .unsaved = true, .asks = true,
         .offersSave = true, .mentions = "開く前に保存しますか？"},
        {.name = "open between calculations", .why = Leaving::Open, .waiting = false, .unsaved = false,
         .asks = false, .offersSave = false, .mentions = ""},
        {.name = "open with unsaved actions", .why = Leaving::Open, .waiting = false, .unsaved = true, .asks = true,
         .offersSave = true, .mentions = "保存していない操作があります。"},
        {.name = "finish with unsaved actions", .why = Leaving::Finish, .waiting = true, .unsaved = true,
         .asks = true, .offersSave = true, .mentions = "終了する前に保存しますか？"},
        {.name = "finish, all saved", .why = Leaving::Finish, .waiting = true, .unsaved = false, .asks = false,
         .offersSave = false, .mentions = ""},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        const auto q = leaveQuestion(Language::Japanese, c.why, c.waiting, c.unsaved, "rig.cfhx");
        ASSERT_EQ(q.has_value(), c.asks);
        if (!q) continue;
        EXPECT_EQ(q->offersSave, c.offersSave);
        EXPECT_NE(q->text.find(c.mentions), std::string::npos) << q->text;
        EXPECT_NE(q->text.back(), '\n');
    }
}

TEST(CaseDocument, FreshNamesSkipEveryTakenOne) {
    struct Case {
        const char* name;
        std::set<std::string> taken;
        const char* fresh;
    };
    const Case kCases[] = {
        {.name = "nothing there", .taken = {}, .fresh = "cfhx-sheet-070305"},
        {.name = "an earlier session", .taken = {"cfhx-sheet-070305"}, .fresh = "cfhx-sheet-070305-2"},
        {.name = "two earlier sessions", .taken = {"cfhx-sheet-070305", "cfhx-sheet-070305-2"},
         .fresh = "cfhx-sheet-070305-3"},
        {.name = "a gap is not the stem", .taken = {"cfhx-sheet-070305-2"}, .fresh = "cfhx-sheet-070305"},
        {.name = "other days do not count", .taken = {"cfhx-sheet-070304"}, .fresh = "cfhx-sheet-070305"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(freshName("cfhx-sheet-070305", [&](const std::string& n) { return c.taken.contains(n); }), c.fresh);
    }
}

TEST(CaseDocument, EveryRecordedActionCountsAsAChange) {
    Recorder r;
    int told = 0;
    r.onChange = [&] { ++told; };
    r.click("MAINFORM", "BUTTON9");
    r.typedInto("FORM5", "EDIT157", "2000");
    r.typedInto("FORM5", "EDIT157", "2500");  // the same pending field again
    r.typed("1");
    r.continued();
    r.answered(true);
    r.clear();
    EXPECT_EQ(r.changes(), 7u);
    EXPECT_EQ(told, 7);
}

}  // namespace
}  // namespace cfhx
