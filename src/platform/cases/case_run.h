// A saved case replayed without the windows up to its first result: the
// record, the page that shows it, or the message it stopped with.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/codes.h"
#include "calc/record.h"

namespace cfhx {

// A field typed in as the calculate button starts the calculation.
struct FieldValue {
    std::string screen;
    std::string control;
    std::string text;
};

// What the case chose, as its calculation started.
struct CaseSettings {
    bool si = false;  // SI units, else the old engineering units
    FluidKind tube = FluidKind::None;
    FluidKind shell = FluidKind::None;
    int processingNo = 0;  // 0 where the case chose none
};

struct CaseResult {
    // 0 a result, 4 the calculation stopped with a message; otherwise the
    // script driver's status (2 a bad line, 3 a wait the case does not
    // answer before any result).
    int status = 0;
    std::optional<calc::Record> record;
    std::string message;     // why the calculation stopped
    std::string resultPage;  // the pane's page with the result table
    std::string tablePage;   // the page with the table of the mode asked for
    std::string transcript;  // what the driver wrote
    std::string errors;      // what it wrote to standard error
    // The filled-in edit fields of the input screens as the calculation
    // started (overrides typed in), in screen and catalogue order.
    std::vector<FieldValue> inputs;
    std::optional<CaseSettings> settings;  // none when no calculation started
};

inline constexpr int kCaseResult = 0;
inline constexpr int kCaseStopped = 4;

// Replays `script` (the script driver's format) from fresh screens; the
// run ends at the first result, or at the first stop or pause of a
// calculation before its result (a refusal, a limit, a question the case
// would need answered by hand). `overrides` are typed into their fields each
// time a calculation starts.
CaseResult runCase(const std::string& script, const std::vector<FieldValue>& overrides = {},
                   const std::string& date = "");
// The same, with the result's table of `tableMode` (a display mode; empty:
// the record's own) drawn on the run's screens at the result, as a fresh
// program would draw it for the record: `tablePage`. `language` is the
// program's (the screens' messages, the dialogue, the unit codes).
CaseResult runCase(const std::string& script, const std::vector<FieldValue>& overrides, const std::string& date,
                   const std::string& tableMode, Language language = Language::Japanese);

// How much of a run its caller reads.
enum class CaseDetail {
    Full,     // everything runCase gives
    Results,  // status, record, message and errors; the pane is not kept
              // nor the result table printed, no transcript, no inputs
};

class ScriptCheckpoint;
class ScriptResumer;

// A case prepared once for runs that differ only in the fields typed in as
// the calculation starts (a parameter study): its screens are filled in up
// to the line that starts the calculation, and each run plays on from
// there. A case whose calculation never starts is played whole each run.
class PreparedCase {
public:
    explicit PreparedCase(std::string script, std::string date = "", CaseDetail detail = CaseDetail::Full);
    ~PreparedCase();
    PreparedCase(const PreparedCase&) = delete;
    PreparedCase& operator=(const PreparedCase&) = delete;

    // True when the runs play on from the calculation's line.
    bool prepared() const { return checkpoint_ != nullptr; }
    // The edit field is one the case uses: shown and enabled as its
    // calculation starts. False for a case that never starts one.
    bool usesField(const std::string& screen, const std::string& control) const;

private:
    friend class CaseRunner;
    std::string script_;
    std::string date_;
    CaseDetail detail_;
    std::unique_ptr<const ScriptCheckpoint> checkpoint_;
};

// Runs a prepared case, one run after another, on one program state kept
// between the runs (one per thread; the case outlives it).
class CaseRunner {
public:
    explicit CaseRunner(const PreparedCase& prepared);
    ~CaseRunner();
    CaseRunner(const CaseRunner&) = delete;
    CaseRunner& operator=(const CaseRunner&) = delete;

    // runCase(script, overrides, date) of the prepared case, as much of it
    // as its detail asks for.
    CaseResult run(const std::vector<FieldValue>& overrides);

    struct Hooks;

private:
    const PreparedCase& case_;
    std::unique_ptr<Hooks> hooks_;
    std::unique_ptr<ScriptResumer> resumer_;
};

}  // namespace cfhx
