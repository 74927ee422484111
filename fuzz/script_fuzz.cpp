// libFuzzer target: each input is played as a script by the headless
// driver and run as a saved case to its first result, the two ways a text
// file reaches the program without the windows. A crash, a hang, a leak or
// a sanitizer report is a finding; every other outcome (a bad line, a wait
// the text does not answer, a stop) is a normal end.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "platform/cases/case_file.h"
#include "platform/cases/case_run.h"
#include "platform/cases/script_player.h"

namespace {

// A fixed date, so that a run depends on its input only.
constexpr const char* kDate = "07/03/05";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > cfhx::kCaseMaxBytes) return -1;  // refused before any run
    const std::string text(reinterpret_cast<const char*>(data), size);

    cfhx::ScriptOptions options;
    options.date = kDate;
    std::istringstream in(text);
    std::ostringstream out, err;
    cfhx::runScript(in, out, err, options);

    // As `cfhx run` takes it (the table of the case's own mode drawn at the
    // result), then as a sweep does: prepared once, one run on from there.
    cfhx::runCase(text, {}, kDate, "");
    const cfhx::PreparedCase prepared(text, kDate, cfhx::CaseDetail::Results);
    cfhx::CaseRunner runner(prepared);
    runner.run({{.screen = "FORM5", .control = "EDIT157", .text = "1500"}});
    return 0;
}
