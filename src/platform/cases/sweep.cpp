#include "platform/cases/sweep.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <exception>
#include <latch>
#include <limits>
#include <mutex>
#include <optional>
#include <string_view>
#include <thread>

#include "platform/cases/case_run.h"
#include "platform/cases/script_player.h"
#include "platform/cases/table_quantities.h"

namespace cfhx {
namespace {

std::string firstLine(const std::string& text) { return text.substr(0, text.find('\n')); }

// Why a run has no result, for its status cell.
std::string statusOf(const CaseResult& r) {
    switch (r.status) {
        case kCaseResult: return "ok";
        case kCaseStopped: {
            const std::string_view message = trimBlanks(r.message);
            return message.empty() ? "stopped" : std::string(message);
        }
        case kScriptBadLine: return "the case has a bad line: " + firstLine(r.errors);
        case kScriptUnansweredWait: return "no result: the case waits for an answer it does not give";
        default: return "no result: " + firstLine(r.errors);
    }
}

// The grid index of each input for run `run`, the first input outermost.
std::vector<size_t> gridIndices(const std::vector<SweepInput>& inputs, size_t run) {
    std::vector<size_t> at(inputs.size());
    for (size_t k = inputs.size(); k-- > 0;) {
        at[k] = run % inputs[k].values.size();
        run /= inputs[k].values.size();
    }
    return at;
}

SweepRun runOne(CaseRunner& runner, const std::vector<SweepInput>& inputs,
                const std::vector<std::string>& quantities, size_t index) {
    SweepRun run;
    std::vector<FieldValue> overrides;
    const std::vector<size_t> at = gridIndices(inputs, index);
    for (size_t k = 0; k < inputs.size(); ++k) {
        const std::string& text = inputs[k].values[at[k]];
        run.inputs.push_back(text);
        overrides.push_back({.screen = inputs[k].screen, .control = inputs[k].control, .text = text});
    }
    run.cells.assign(quantities.size(), "");
    run.values.assign(quantities.size(), std::numeric_limits<double>::quiet_NaN());
    run.units.assign(quantities.size(), "");
    try {
        const CaseResult r = runner.run(overrides);
        run.status = statusOf(r);
        run.ok = r.status == kCaseResult && r.record.has_value();
        if (!run.ok) return run;
        std::vector<std::optional<TableQuantity>> found = tableQuantities(*r.record, quantities);
        for (size_t k = 0; k < found.size(); ++k) {
            if (!found[k]) continue;
            run.cells[k] = std::move(found[k]->text);
            run.values[k] = found[k]->value;
            run.units[k] = std::move(found[k]->unit);
        }
    } catch (const std::exception& e) {
        run.ok = false;
        run.status = std::string("no result: ") + e.what();
    }
    return run;
}

}  // namespace

std::string csvField(std::string_view s) {
    if (s.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(s);
    std::string out = "\"";
    for (char c : s) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

namespace {

// The grid on `given`, or on the case of `caseText` prepared while the
// workers start.
std::vector<SweepRun> sweepRuns(const std::string* caseText, const PreparedCase* given,
                                const std::vector<SweepInput>& inputs, const std::vector<std::string>& quantities,
                                unsigned workers, const std::function<void(size_t, size_t)>& progress) {
    size_t total = inputs.empty() ? 0 : 1;
    for (const SweepInput& in : inputs) total *= in.values.size();
    std::vector<SweepRun> runs(total);
    if (workers == 0) workers = std::max(1u, std::thread::hardware_concurrency());
    workers = static_cast<unsigned>(std::min<size_t>(workers, std::max<size_t>(total, 1)));
    if (total == 0) return runs;

    // The screens are filled in once, up to the calculate button; each
    // worker plays the runs on from there on a program state of its own.
    // The workers share the prepared case (read only), the next index and
    // the progress count. They are started while the case is prepared.
    std::optional<PreparedCase> own;
    const PreparedCase* prepared = given;
    std::latch ready(1);
    std::atomic<size_t> next{0};
    std::mutex progressMutex;
    size_t done = 0;
    auto work = [&] {
        ready.wait();
        if (!prepared) return;
        CaseRunner runner(*prepared);
        for (size_t i; (i = next.fetch_add(1)) < total;) {
            runs[i] = runOne(runner, inputs, quantities, i);
            std::lock_guard lock(progressMutex);
            ++done;
            if (progress) progress(done, total);
        }
    };
    std::vector<std::thread> pool;
    for (unsigned w = 1; w < workers; ++w) pool.emplace_back(work);
    try {
        if (!prepared) prepared = &own.emplace(*caseText, "", CaseDetail::Results);
    } catch (...) {
        ready.count_down();
        for (std::thread& t : pool) t.join();
        throw;
    }
    ready.count_down();
    work();
    for (std::thread& t : pool) t.join();
    return runs;
}

}  // namespace

std::vector<SweepRun> runSweep(const std::string& caseText, const std::vector<SweepInput>& inputs,
                               const std::vector<std::string>& quantities, unsigned workers,
                               const std::function<void(size_t, size_t)>& progress) {
    return sweepRuns(&caseText, nullptr, inputs, quantities, workers, progress);
}

std::vector<SweepRun> runSweep(const PreparedCase& prepared, const std::vector<SweepInput>& inputs,
                               const std::vector<std::string>& quantities, unsigned workers,
                               const std::function<void(size_t, size_t)>& progress) {
    return sweepRuns(nullptr, &prepared, inputs, quantities, workers, progress);
}

SweepChart sweepChart(const std::vector<SweepInput>& inputs, const std::vector<std::string>& quantities,
                      const std::vector<std::string>& plotted, const std::vector<SweepRun>& runs) {
    SweepChart chart;
    if (inputs.empty()) return chart;
    chart.xTitle = inputs[0].name();
    // Column of each plotted quantity among the collected ones.
    std::vector<size_t> columns;
    for (const std::string& name : plotted) {
        const auto found = std::find(quantities.begin(), quantities.end(), name);
        if (found == quantities.end()) continue;
        const size_t q = static_cast<size_t>(found - quantities.begin());
        std::string unit;
        for (const SweepRun& run : runs) {
            if (q < run.units.size() && !run.units[q].empty()) {
                unit = run.units[q];
                break;
            }
        }
        columns.push_back(q);
        chart.quantities.push_back(unit.empty() ? name : name + " (" + unit + ")");
    }
    const size_t inner = inputs.size() > 1 ? inputs[1].values.size() : 1;
    for (size_t b = 0; b < inner; ++b) {
        for (size_t p = 0; p < columns.size(); ++p) {
            const size_t q = columns[p];
            SweepLine line;
            line.label = quantities[q];
            line.quantity = p;
            if (inputs.size() > 1) line.label += ", " + inputs[1].name() + "=" + inputs[1].values[b];
            for (size_t a = 0; a < inputs[0].values.size(); ++a) {
                const size_t i = a * inner + b;
                if (i >= runs.size() || q >= runs[i].values.size() || !std::isfinite(runs[i].values[q])) continue;
                line.x.push_back(std::strtod(inputs[0].values[a].c_str(), nullptr));
                line.y.push_back(runs[i].values[q]);
            }
            chart.lines.push_back(std::move(line));
        }
    }
    return chart;
}

}  // namespace cfhx
