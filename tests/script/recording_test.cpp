// The session as recorded: the script driver's own format, which replays
// to the same result table.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "app/app.h"
#include "app/control_flow.h"
#include "app/recorder.h"
#include "platform/cases/script_player.h"
#include "support/files.h"

namespace cfhx {
namespace {

TEST(Recorder, WritesActionsAsTheDriverReadsThem) {
    struct Case {
        const char* name;
        void (*act)(Recorder&);
        const char* script;
    };
    const Case kCases[] = {
        {"a click", [](Recorder& r) { r.click("FORM4", "BUTTON25"); }, "click FORM4.BUTTON25\n"},
        {"typing is one set, with the last text, before the next action",
         [](Recorder& r) {
             r.typedInto("FORM5", "EDIT157", "1");
             r.typedInto("FORM5", "EDIT157", "15");
             r.typedInto("FORM5", "EDIT130", "20");
             r.typedInto("FORM5", "EDIT157", "1500");
             r.click("FORM5", "BUTTON30");
         },
         "set FORM5.EDIT157 1500\nset FORM5.EDIT130 20\nclick FORM5.BUTTON30\n"},
        {"blanks at the ends and quotes are kept", [](Recorder& r) { r.typedInto("MAINFORM", "EDIT26", " 40 "); },
         "set MAINFORM.EDIT26 \" 40 \"\n"},
        {"a leading quote is doubled", [](Recorder& r) { r.typed("\"a\" b"); }, "type \"\"\"a\"\" b\"\n"},
        {"an emptied field and an empty answer", [](Recorder& r) { r.typedInto("FORM5", "EDIT157", ""); r.typed(""); },
         "set FORM5.EDIT157\ntype\n"},
        {"answers to the waits", [](Recorder& r) { r.typed("1"); r.continued(); r.answered(true); r.answered(false); },
         "type 1\ncontinue\nyes\nno\n"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        Recorder r;
        c.act(r);
        EXPECT_EQ(r.script(), c.script);
    }
}

using testing::readFile;

struct Recorded {
    std::string recording;  // what was recorded up to the result
    std::string table;      // the result page
};

Recorded runRecording(const std::string& script) {
    Recorded run;
    ScriptOptions options;
    options.date = "07/03/05";
    options.install = [&run](App& app) {
        app.onResult = [&run](App& a) {
            run.recording = a.recorder.script();
            run.table = a.pane.pageText();
            throw EndProgram{};
        };
    };
    std::istringstream in(script);
    std::ostringstream out, err;
    runScript(in, out, err, options);
    return run;
}

// A session recorded up to its result, replayed from fresh screens, shows
// the same table byte for byte, and records itself again unchanged.
TEST(Recorder, ARecordedSessionReplaysToTheSameTable) {
    for (const char* name : {"result_gas_radial_no5", "result_water_humid_shell", "result_typed_in_vapour",
                             "checks_range_refusals", "calc_humid_shell_si"}) {
        SCOPED_TRACE(name);
        const Recorded original = runRecording(readFile(std::filesystem::path(CFHX_SCRIPTS_DIR) / (std::string(name) + ".cfhx")));
        ASSERT_FALSE(original.table.empty()) << "no result";
        const Recorded replayed = runRecording(original.recording);
        EXPECT_EQ(replayed.table, original.table);
        EXPECT_EQ(replayed.recording, original.recording);
    }
}

}  // namespace
}  // namespace cfhx
