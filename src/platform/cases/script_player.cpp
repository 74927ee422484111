#include "platform/cases/script_player.h"

#include <algorithm>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <istream>
#include <memory>
#include <sstream>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "app/app.h"
#include "app/control_flow.h"
#include "platform/atomic_file.h"
#include "platform/program.h"
#include "platform/cases/script_line.h"
#include "platform/cases/sheet_files.h"

namespace cfhx {
namespace {

enum class Wait { None, Read, Pause, YesNo };

std::string_view waitName(Wait w) {
    switch (w) {
    case Wait::Read: return "a typed line";
    case Wait::Pause: return "the user to continue";
    case Wait::YesNo: return "a Yes/No answer";
    case Wait::None: break;
    }
    return "nothing";
}

constexpr uint64_t kNothingTouched = UINT64_MAX;

// The first word of a script line.
std::string_view verbOf(std::string_view raw) {
    const std::string_view line = trimLeft(trimRight(raw));
    return line.substr(0, line.find_first_of(" \t"));
}

// Answers nothing: a program state held only to be copied.
struct HeldPlatform final : Platform {
    std::string readLine() override { throw EndProgram{}; }
    void pause() override { throw EndProgram{}; }
    bool askYesNo(std::string_view, std::string_view) override { throw EndProgram{}; }
    std::string today() override { return systemDate(); }
    void printSheet(const SheetPages&, PrintRoute) override {}
    void hardCopy(HardCopy) override {}
};

// Where a run is in its script and what of the pane it has shown.
struct DriverState {
    size_t nextIndex = 0;  // of the held lines, when the script is held
    int lineNo = 0;
    int status = kScriptDone;
    int prints = 0;
    int hardCopies = 0;
    bool paneDirty = false;
    bool pageShown = false;                  // some of the current page is in the transcript
    uint64_t shownTop = 0;                   // pane line of shown[0]
    std::deque<std::string> shown;           // the page as last printed
    uint64_t firstTouched = kNothingTouched;  // first pane line written since
};

}  // namespace

struct ScriptCheckpoint::Held {
    std::vector<std::string> lines;  // the script
    DriverState state;               // before the line
    std::string transcript;          // written before the line
    HeldPlatform platform;
    App app{platform};
    bool found = false;              // a calculation starts in the line
    int heldLine = 0;                // the line `state` and `app` are held before
};

class ScriptDriver final : public Platform, public PaneObserver {
public:
    explicit ScriptDriver(const ScriptOptions& options) : options_(options), app_(*this) {
        if (options_.transcript) app_.pane.setObserver(this);
        app_.language = options_.language;
        registerProcedures(app_);
        if (options_.install) options_.install(app_);
        if (options_.renderer && !options_.outDir.empty()) options_.renderer->attach(app_);
    }

    // The whole script from `in`.
    int run(std::istream& in, std::ostream& out, std::ostream& err) {
        in_ = &in;
        out_ = &out;
        err_ = &err;
        startUp(app_);
        return playOn();
    }

    // The held script up to the top-level line in which the first
    // calculation starts, the state before that line kept in `held`.
    void prepare(ScriptCheckpoint::Held& held, std::ostringstream& out, std::ostream& err) {
        lines_ = &held.lines;
        out_ = &out;
        preparedOut_ = &out;
        err_ = &err;
        preparing_ = &held;
        app_.beforeCalculation = [this](App&) {
            preparing_->found = preparing_->heldLine == topLine_;
            throw EndProgram{};
        };
        startUp(app_);
        playOn();
    }

    // The held script on from the checkpoint, the program as it was there.
    int resume(const ScriptCheckpoint::Held& held, std::ostream& out, std::ostream& err) {
        lines_ = &held.lines;
        out_ = &out;
        err_ = &err;
        depth_ = 0;
        app_.copyStateFrom(held.app);
        app_.pane.setObserver(options_.transcript ? this : nullptr);
        s_ = held.state;
        if (options_.transcript) *out_ << held.transcript;
        return playOn();
    }

private:
    int playOn() {
        while (!app_.ended) {
            std::string line;
            if (!nextLine(line)) break;
            topLine_ = s_.lineNo;
            if (preparing_ && verbOf(line) == "click") hold(*preparing_);
            try {
                if (execute(line, Wait::None)) {
                    throw BadLine{"the program is not waiting for an answer"};
                }
            } catch (const BadLine& bad) {
                fail(kScriptBadLine, "line " + std::to_string(s_.lineNo) + ": " + bad.message);
            } catch (const EndProgram&) {
                app_.ended = true;
            }
        }
        showPane();
        *out_ << (s_.status == kScriptDone ? "=== end of script ===\n" : "=== script stopped ===\n");
        return s_.status;
    }

    // The state before the line just read.
    void hold(ScriptCheckpoint::Held& held) {
        held.state = s_;
        --held.state.lineNo;
        if (held.state.nextIndex > 0) --held.state.nextIndex;
        held.heldLine = s_.lineNo;
        held.app.copyStateFrom(app_);
        if (options_.transcript) held.transcript = preparedOut_->str();
    }

public:

    // Platform
    std::string readLine() override {
        wait(Wait::Read, "=== read ===");
        return answer_;
    }
    void pause() override {
        if (options_.onPause) options_.onPause(app_);
        wait(Wait::Pause, "=== pause ===");
    }
    bool askYesNo(std::string_view caption, std::string_view text) override {
        std::string marker = "=== Yes/No [";
        marker += caption;
        marker += "] ";
        marker += text;
        marker += " ===";
        wait(Wait::YesNo, marker);
        return answer_ == "yes";
    }
    std::string today() override { return options_.date.empty() ? systemDate() : options_.date; }

    void printSheet(const SheetPages& pages, PrintRoute route) override {
        const int n = ++s_.prints;
        showPane();
        *out_ << "=== print " << n << ": calculation sheet, " << pages.size() << " pages, "
             << (route == PrintRoute::Driver ? "print driver" : "raw printer stream") << " ===\n";
        if (options_.outDir.empty()) return;
        const SheetFiles files =
            writeSheetFiles(pages, route, options_.outDir, "sheet-" + std::to_string(n), options_.renderer);
        if (files.noRenderer) *out_ << "=== no PDF: this program was built without the windows ===\n";
        if (!files.failedFile.empty()) cannotWrite(files.failedFile, files.error);
        std::string written;
        for (const std::string& name : files.written) written += " " + name;
        if (!written.empty()) *out_ << "=== wrote" << written << " ===\n";
    }

    void hardCopy(HardCopy window) override {
        const int n = ++s_.hardCopies;
        showPane();
        *out_ << "=== hard copy " << n << ": "
             << (window == HardCopy::PaneWindow ? "result table window" : "result summary screen") << " ===\n";
        if (options_.outDir.empty()) return;
        const std::string name = "hardcopy-" + std::to_string(n) + ".png";
        std::string error;
        if (!options_.renderer) {
            *out_ << "=== no image: this program was built without the windows ===\n";
        } else {
            AtomicFile file(outPath(name));
            if (file.ok() && options_.renderer->writeHardCopy(window, file.temporaryPath(), error) && file.commit()) {
                *out_ << "=== wrote " << name << " ===\n";
            } else {
                cannotWrite(name, error.empty() ? file.error() : error);
            }
        }
    }

    // PaneObserver
    void paneClearing(const Pane&) override {
        showPane();
        s_.pageShown = false;  // the next page is shown whole
        s_.shown.clear();
    }
    void paneChanged(const Pane& pane) override {
        s_.paneDirty = true;
        // Every write leaves the cursor below the row it wrote.
        if (pane.cursorLine() > 0) s_.firstTouched = std::min(s_.firstTouched, pane.cursorLine() - 1);
    }

private:
    static constexpr int kMaxNestedWaits = 64;

    std::string outPath(const std::string& name) const {
        return (std::filesystem::path(options_.outDir) / name).string();
    }

    void cannotWrite(const std::string& name, const std::string& why) {
        fail(kScriptCannotWrite, "--out: " + outPath(name) + ": " + why);
    }

    // False at the end of the script, or when it cannot be read further
    // (that ends the run with kScriptCannotRead).
    bool nextLine(std::string& line) {
        if (lines_) {
            if (s_.nextIndex >= lines_->size()) return false;
            line = (*lines_)[s_.nextIndex++];
        } else if (!std::getline(*in_, line)) {
            if (in_->bad() || !in_->eof()) {
                fail(kScriptCannotRead, "cannot read the script after line " + std::to_string(s_.lineNo));
            }
            return false;
        }
        ++s_.lineNo;
        // An editor's UTF-8 byte-order mark before the first action.
        constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
        if (s_.lineNo == 1 && line.starts_with(kByteOrderMark)) line.erase(0, kByteOrderMark.size());
        return true;
    }

    void fail(int status, const std::string& message) {
        if (s_.status == kScriptDone) {
            s_.status = status;
            *err_ << "cfhx: " << message << "\n";
        }
        app_.ended = true;
    }

    // Prints what changed on the page since it was last shown: a page not
    // shown yet whole, otherwise the rows from the first one that differs to
    // the bottom ("=== pane, rows A-B ===", page rows counted from 1). Each
    // wait then costs the rows it added, not the whole page again.
    void showPane() {
        if (!s_.paneDirty || !options_.transcript) return;
        s_.paneDirty = false;
        const Pane& pane = app_.pane;
        if (pane.pageRows() == 0) return;
        if (!s_.pageShown) {
            showWholePage();
            return;
        }
        // Rows trimmed from the scrollback are no longer held: not compared.
        while (!s_.shown.empty() && s_.shownTop < pane.firstLine()) {
            s_.shown.pop_front();
            ++s_.shownTop;
        }
        // Rows above the first one written since are as shown: not compared
        // either, so a wait costs the rows it touched, not the whole page.
        const uint64_t top = pane.pageTop();
        const uint64_t end = pane.endLine();
        const uint64_t shownEnd = s_.shownTop + s_.shown.size();
        uint64_t from = std::max({top, s_.shownTop, std::min(s_.firstTouched, shownEnd)});
        s_.firstTouched = kNothingTouched;
        while (from < shownEnd && from < end && pane.line(from) == s_.shown[from - s_.shownTop]) ++from;
        if (from >= end) return;  // nothing new on the page
        *out_ << "=== pane, " << rowRange(from - top + 1, end - top) << " ===\n";
        s_.shown.resize(from - s_.shownTop);
        for (uint64_t l = from; l < end; ++l) {
            *out_ << pane.line(l) << "\n";
            s_.shown.push_back(pane.line(l));
        }
    }

    static std::string rowRange(uint64_t first, uint64_t last) {
        if (first == last) return "row " + std::to_string(first);
        return "rows " + std::to_string(first) + "-" + std::to_string(last);
    }

    // Prints the page whole and keeps it, to compare the next showing with.
    void showWholePage() {
        if (!options_.transcript) return;
        const Pane& pane = app_.pane;
        *out_ << "=== pane ===\n" << pane.pageText() << "\n";
        s_.paneDirty = false;
        s_.pageShown = true;
        s_.firstTouched = kNothingTouched;
        s_.shownTop = pane.pageTop();
        s_.shown.clear();
        for (uint64_t l = s_.shownTop; l < pane.endLine(); ++l) s_.shown.push_back(pane.line(l));
    }

    // Goes on reading actions until one answers the wait.
    void wait(Wait kind, const std::string& marker) {
        if (app_.ended) throw EndProgram{};
        if (depth_ >= kMaxNestedWaits) {
            fail(kScriptBadLine, "line " + std::to_string(s_.lineNo) + ": too many waits inside one another");
            throw EndProgram{};
        }
        showPane();
        *out_ << marker << "\n";
        ++depth_;
        struct Depth {
            int& d;
            ~Depth() { --d; }
        } guard{depth_};
        std::string line;
        while (!app_.ended) {
            if (!nextLine(line)) {
                fail(kScriptUnansweredWait,
                     "the program waits for " + std::string(waitName(kind)) + " but the script has ended");
                break;
            }
            try {
                if (execute(line, kind)) return;
            } catch (const BadLine& bad) {
                fail(kScriptBadLine, "line " + std::to_string(s_.lineNo) + ": " + bad.message);
            }
        }
        throw EndProgram{};
    }

    // Runs one script line; true when it answered the current wait.
    bool execute(const std::string& raw, Wait waiting) {
        std::string_view line = trimLeft(trimRight(raw));
        if (line.empty() || line.front() == '#') return false;
        size_t sp = line.find_first_of(" \t");
        std::string_view verb = line.substr(0, sp);
        std::string_view rest = sp == std::string_view::npos ? std::string_view{} : line.substr(sp + 1);

        if (verb == "click") return clickAction(trimLeft(rest));
        if (verb == "set") return setAction(trimLeft(rest));
        if (verb == "dump") return dumpAction(trimLeft(rest));
        if (verb == "show") return showAction(trimLeft(rest));
        if (verb == "pane") {
            if (!trimLeft(rest).empty()) throw BadLine{"pane takes no argument"};
            showWholePage();
            return false;
        }
        if (verb == "close") {
            *out_ << "=== main window closed ===\n";
            app_.ended = true;
            throw EndProgram{};
        }
        Wait answers = Wait::None;
        if (verb == "type") answers = Wait::Read;
        else if (verb == "continue") answers = Wait::Pause;
        else if (verb == "yes" || verb == "no") answers = Wait::YesNo;
        else throw BadLine{"unknown action " + quote(verb)};

        if (answers != Wait::Read && !trimLeft(rest).empty()) {
            throw BadLine{std::string(verb) + " takes no argument"};
        }
        if (waiting != answers) {
            throw BadLine{std::string(verb) + " answers " + std::string(waitName(answers)) +
                          ", but the program waits for " + std::string(waitName(waiting))};
        }
        answer_ = answers == Wait::Read ? argumentText(rest) : std::string(verb);
        *out_ << "> " << answer_ << "\n";
        return true;
    }

    struct Target {
        int screen;
        int control;
    };

    Target target(std::string_view name) {
        size_t dot = name.find('.');
        if (dot == std::string_view::npos) throw BadLine{"expected SCREEN.CONTROL, got " + quote(name)};
        int s = app_.forms.screenId(name.substr(0, dot));
        if (s < 0) throw BadLine{"unknown screen " + quote(name.substr(0, dot))};
        int c = app_.forms.controlId(s, name.substr(dot + 1));
        if (c < 0) throw BadLine{"unknown control " + quote(name)};
        return {s, c};
    }

    // Why a user could not reach a control, or empty when it can be used.
    std::string unreachable(Target t) {
        const Control& c = app_.forms.at(t.screen, t.control);
        if (!app_.forms.at(t.screen).shown) return "screen not shown";
        if (!c.visible) return "hidden";
        if (!c.enabled) return "disabled";
        return "";
    }

    bool clickAction(std::string_view rest) {
        std::string_view name = trimRight(rest);
        Target t = target(name);
        ControlKind kind = app_.forms.at(t.screen, t.control).def->kind;
        if (kind != ControlKind::Button && kind != ControlKind::Option) {
            throw BadLine{quote(name) + " is not a button"};
        }
        std::string why = unreachable(t);
        if (!why.empty()) {
            *out_ << "=== click " << name << " ignored (" << why << ") ===\n";
            return false;
        }
        size_t dot = name.find('.');
        click(app_, name.substr(0, dot), name.substr(dot + 1));
        if (app_.ended) {
            // Ended by the program itself: its finish was confirmed.
            if (s_.status == kScriptDone) {
                showPane();
                *out_ << "=== the program has finished ===\n";
            }
            // Inside a wait the procedures that wait are unwound; a line of
            // the script's own ends its loop by `ended` alone.
            if (depth_ > 0) throw EndProgram{};
        }
        return false;
    }

    bool setAction(std::string_view rest) {
        size_t sp = rest.find_first_of(" \t");
        std::string_view name = rest.substr(0, sp);
        std::string text = sp == std::string_view::npos ? std::string() : argumentText(rest.substr(sp + 1));
        Target t = target(name);
        if (app_.forms.at(t.screen, t.control).def->kind != ControlKind::Edit) {
            throw BadLine{quote(name) + " is not an edit field"};
        }
        std::string why = unreachable(t);
        if (!why.empty()) {
            *out_ << "=== set " << name << " ignored (" << why << ") ===\n";
            return false;
        }
        app_.forms.setText(t.screen, t.control, text);
        app_.recorder.typedInto(app_.forms.at(t.screen).def->name, name.substr(name.find('.') + 1), text);
        return false;
    }

    bool showAction(std::string_view rest) {
        std::string_view name = trimRight(rest);
        Target t = target(name);
        *out_ << name << " \"" << app_.forms.at(t.screen, t.control).text << "\"\n";
        return false;
    }

    bool dumpAction(std::string_view rest) {
        std::string_view name = trimRight(rest);
        int s = app_.forms.screenId(name);
        if (s < 0) throw BadLine{"unknown screen " + quote(name)};
        const Screen& screen = app_.forms.at(s);
        *out_ << "=== dump " << name << (screen.shown ? " (shown)" : " (not shown)") << " ===\n";
        for (const Control& c : screen.controls) {
            std::string n = c.def->name;
            n.resize(std::max<size_t>(n.size(), 10), ' ');
            std::string k(kindName(c.def->kind));
            k.resize(7, ' ');
            *out_ << n << ' ' << k << ' ' << (c.enabled ? "enabled " : "disabled") << ' '
                 << (c.visible ? "visible" : "hidden ") << " \"" << c.text << "\"\n";
        }
        return false;
    }

    std::istream* in_ = nullptr;
    const std::vector<std::string>* lines_ = nullptr;  // the script held, instead of in_
    std::ostream* out_ = nullptr;
    std::ostream* err_ = nullptr;
    ScriptOptions options_;
    App app_;
    DriverState s_;
    int depth_ = 0;
    int topLine_ = 0;  // the top-level line being played
    std::string answer_;
    ScriptCheckpoint::Held* preparing_ = nullptr;
    std::ostringstream* preparedOut_ = nullptr;
};

int runScript(std::istream& script, std::ostream& out, std::ostream& err, const ScriptOptions& options) {
    ScriptDriver driver(options);
    return driver.run(script, out, err);
}

ScriptCheckpoint::ScriptCheckpoint(std::unique_ptr<Held> held) : held_(std::move(held)) {}
ScriptCheckpoint::~ScriptCheckpoint() = default;
int ScriptCheckpoint::line() const { return held_->heldLine; }
const App& ScriptCheckpoint::app() const { return held_->app; }

std::unique_ptr<const ScriptCheckpoint> prepareScript(std::string_view script, const ScriptOptions& options) {
    auto held = std::make_unique<ScriptCheckpoint::Held>();
    // The lines as runScript reads them from a stream.
    std::istringstream in{std::string(script)};
    for (std::string line; std::getline(in, line);) held->lines.push_back(std::move(line));
    std::ostringstream out, err;
    ScriptDriver(options).prepare(*held, out, err);
    if (!held->found) return nullptr;
    return std::make_unique<const ScriptCheckpoint>(std::move(held));
}

ScriptResumer::ScriptResumer(const ScriptCheckpoint& checkpoint, const ScriptOptions& options)
    : checkpoint_(checkpoint), driver_(std::make_unique<ScriptDriver>(options)) {}
ScriptResumer::~ScriptResumer() = default;

int ScriptResumer::run(std::ostream& out, std::ostream& err) { return driver_->resume(checkpoint_.held(), out, err); }

}  // namespace cfhx
