#include "platform/script/sweep_command.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string_view>

#include "app/mask.h"
#include "app/screens.h"
#include "platform/atomic_file.h"
#include "platform/cases/case_file.h"
#include "platform/cases/case_run.h"
#include "platform/cases/front_end.h"
#include "platform/cases/script_line.h"
#include "platform/cases/script_player.h"
#include "platform/cases/table_quantities.h"
#include "platform/script/command_line.h"

namespace cfhx {
namespace {

// The quantities a sweep collects unless --y names others.
constexpr std::string_view kDefaultQuantities[] = {"Q", "Tto", "Tso", "KI", "Ai", "Pt", "Ps"};
// Progress updates of a long sweep on the terminal.
constexpr size_t kProgressSteps = 200;
// The quantity plotted when --plot comes without --y.
constexpr std::string_view kDefaultPlotted = "Q";

struct Arguments {
    std::string caseFile;
    std::vector<SweepInput> inputs;
    std::string csv;
    std::string plot;
    std::vector<std::string> quantities;  // --y, or the defaults
    std::vector<std::string> plotted;     // --y, or Q
    bool quantitiesGiven = false;
};

// A number of a range and the decimals it was typed with (-1 for an
// exponent form).
struct Typed {
    double value = 0.0;
    int decimals = 0;
};

std::optional<Typed> parseNumber(std::string_view s) {
    Typed t;
    const char* end = s.data() + s.size();
    const auto [ptr, ec] = std::from_chars(s.data(), end, t.value);
    if (s.empty() || ec != std::errc{} || ptr != end || !std::isfinite(t.value)) return std::nullopt;
    if (s.find_first_of("eE") != std::string_view::npos) t.decimals = -1;
    else if (const size_t point = s.find('.'); point != std::string_view::npos) t.decimals = static_cast<int>(s.size() - point - 1);
    return t;
}

// The grid of FROM:TO:STEP: FROM, FROM+STEP, ... up to the last value less
// than half a step beyond TO. Texts keep the decimals the range was typed with.
bool parseRange(std::string_view arg, SweepInput& in, std::string& why) {
    std::vector<std::string_view> parts;
    for (size_t at = 0;;) {
        const size_t colon = arg.find(':', at);
        parts.push_back(arg.substr(at, colon == std::string_view::npos ? std::string_view::npos : colon - at));
        if (colon == std::string_view::npos) break;
        at = colon + 1;
    }
    if (parts.size() != 3) {
        why = "the range must be FROM:TO:STEP";
        return false;
    }
    for (std::string_view part : parts) {
        if (part.size() <= kSweepMaxNumberBytes) continue;
        why = "FROM, TO and STEP have at most " + std::to_string(kSweepMaxNumberBytes) + " characters";
        return false;
    }
    std::optional<Typed> from = parseNumber(parts[0]), to = parseNumber(parts[1]), step = parseNumber(parts[2]);
    if (!from || !to || !step) {
        why = "FROM, TO and STEP must be numbers";
        return false;
    }
    if (std::max({from->decimals, to->decimals, step->decimals}) > kSweepMaxDecimals) {
        why = "at most " + std::to_string(kSweepMaxDecimals) + " decimals";
        return false;
    }
    if (step->value == 0.0) {
        why = "STEP must not be 0";
        return false;
    }
    const double steps = (to->value - from->value) / step->value;
    if (steps < 0.0) {
        why = "STEP goes away from TO (wrong sign)";
        return false;
    }
    if (steps >= static_cast<double>(kSweepMaxRuns)) {
        why = "more than " + std::to_string(kSweepMaxRuns) + " values";
        return false;
    }
    const size_t count = 1 + static_cast<size_t>(std::max(0.0, std::ceil(steps - 0.5)));
    const bool exponent = from->decimals < 0 || to->decimals < 0 || step->decimals < 0;
    const int decimals = std::max({from->decimals, to->decimals, step->decimals});
    for (size_t i = 0; i < count; ++i) {
        const double v = from->value + static_cast<double>(i) * step->value;
        if (exponent) {
            char buf[32];
            std::snprintf(buf, sizeof buf, "%.10g", v);
            in.values.push_back(buf);
        } else {
            in.values.push_back(roundedText(v, decimals));
        }
    }
    return true;
}

// FORM.CONTROL=FROM:TO:STEP, the control an edit field of the program.
bool parseVary(std::string_view arg, const Forms& forms, SweepInput& in, std::string& why) {
    const size_t eq = arg.find('=');
    const size_t dot = arg.substr(0, eq).find('.');
    if (eq == std::string_view::npos || dot == std::string_view::npos) {
        why = "expected FORM.CONTROL=FROM:TO:STEP";
        return false;
    }
    in.screen = std::string(arg.substr(0, dot));
    in.control = std::string(arg.substr(dot + 1, eq - dot - 1));
    const int screen = forms.screenId(in.screen);
    const int control = screen < 0 ? -1 : forms.controlId(screen, in.control);
    if (control < 0) {
        why = "no control " + in.name();
        return false;
    }
    if (forms.at(screen, control).def->kind != ControlKind::Edit) {
        why = in.name() + " is not an entry field";
        return false;
    }
    return parseRange(arg.substr(eq + 1), in, why);
}

std::vector<std::string> splitNames(std::string_view list) {
    std::vector<std::string> names;
    for (size_t at = 0;;) {
        const size_t comma = list.find(',', at);
        names.emplace_back(trimBlanks(list.substr(at, comma == std::string_view::npos ? std::string_view::npos : comma - at)));
        if (comma == std::string_view::npos) return names;
        at = comma + 1;
    }
}

// The options as typed, before their values are checked.
struct Given {
    std::string caseFile;
    std::vector<std::string> vary;
    std::string csv;
    std::string plot;
    std::string y;
};

void defineOptions(CLI::App& app, Given& t) {
    describeCommand(app, "Reruns a saved case over a grid of field values and collects the result quantities.");
    app.add_option("CASE", t.caseFile, "the saved case (.cfhx)")->required()->type_name("FILE");
    app.add_option("--vary", t.vary, "a field and its values, e.g. FORM5.EDIT157=1000:3000:500 (once or twice)")
        ->required()
        ->allow_extra_args(false)
        ->type_name("FORM.CONTROL=FROM:TO:STEP");
    app.add_option("--csv", t.csv, "write one row per run to this file")->required()->type_name("FILE");
    app.add_option("--plot", t.plot, "draw the quantities against the first field into this PNG (windows build)")
        ->type_name("FILE");
    app.add_option("--y", t.y, "the quantities collected, e.g. Q,Tto (default: Q,Tto,Tso,KI,Ai,Pt,Ps)")
        ->type_name("NAME[,NAME...]");
    app.footer("Exit status: 0 the CSV was written (some runs may have stopped), 1 a file cannot be read or "
               "written, 2 a bad argument or a bad line in the case, 3 the case ends before its calculation "
               "reaches a result.");
}

// The arguments, or the reason they are refused.
std::optional<Arguments> checkArguments(const Given& t, bool canPlot, std::string& why) {
    Arguments a;
    a.caseFile = t.caseFile;
    a.csv = t.csv;
    a.plot = t.plot;
    const Forms forms;
    for (const std::string& value : t.vary) {
        SweepInput in;
        if (!parseVary(value, forms, in, why)) {
            why = "--vary " + value + ": " + why;
            return std::nullopt;
        }
        a.inputs.push_back(std::move(in));
    }
    if (!t.y.empty()) {
        a.quantities = splitNames(t.y);
        a.quantitiesGiven = true;
    }
    if (a.inputs.empty() || a.inputs.size() > 2) {
        why = a.inputs.empty() ? "give one or two --vary" : "at most two --vary";
        return std::nullopt;
    }
    if (a.inputs.size() == 2 && a.inputs[0].name() == a.inputs[1].name()) {
        why = a.inputs[0].name() + " is varied twice";
        return std::nullopt;
    }
    size_t runs = 1;
    for (const SweepInput& in : a.inputs) runs *= in.values.size();
    if (runs > kSweepMaxRuns) {
        why = std::to_string(runs) + " runs: at most " + std::to_string(kSweepMaxRuns);
        return std::nullopt;
    }
    if (a.csv.empty()) {
        why = "--csv: give a file name";
        return std::nullopt;
    }
    if (!a.plot.empty() && !canPlot) {
        why = "--plot needs the windows build (this cfhx was built without Qt)";
        return std::nullopt;
    }
    if (!a.quantitiesGiven) a.quantities.assign(std::begin(kDefaultQuantities), std::end(kDefaultQuantities));
    a.plotted = a.quantitiesGiven ? a.quantities : std::vector<std::string>{std::string(kDefaultPlotted)};
    const std::vector<std::string> known = tableQuantityNames();
    for (auto q = a.quantities.begin(); q != a.quantities.end(); ++q) {
        if (std::find(a.quantities.begin(), q, *q) == q) continue;
        why = "--y: " + *q + " is named twice";  // its second column would stay empty
        return std::nullopt;
    }
    for (const std::string& q : a.quantities) {
        if (std::find(known.begin(), known.end(), q) != known.end()) continue;
        why = "--y: no quantity " + quote(q) + " in the result table; the names are";
        for (const std::string& k : known) why += " " + k;
        return std::nullopt;
    }
    return a;
}

bool readCase(const std::string& file, std::string& text, std::ostream& err) {
    std::string reason;
    switch (readCaseFile(file, text, reason)) {
        case CaseFile::Read: return true;
        case CaseFile::CannotOpen: err << "cfhx sweep: cannot open the case " << file << ": " << reason << "\n"; break;
        case CaseFile::CannotRead: err << "cfhx sweep: cannot read the case " << file << ": " << reason << "\n"; break;
    }
    return false;
}

// The case run once as saved, before the grid: a case that cannot reach a
// calculation fails as `cfhx run` fails on it (its status, its reason), and
// a varied field must be one the case uses. 0 when the grid may run.
int checkCase(const PreparedCase& prepared, const Arguments& a, std::ostream& err) {
    CaseRunner runner(prepared);
    const CaseResult r = runner.run({});
    if (r.status == kScriptBadLine || r.status == kScriptUnansweredWait || r.status == kScriptCannotRead) {
        constexpr std::string_view kDriverPrefix = "cfhx: ";
        std::string why = r.errors;
        if (why.starts_with(kDriverPrefix)) why.erase(0, kDriverPrefix.size());
        while (why.ends_with('\n')) why.pop_back();
        if (why.empty()) why = "the case ends before its calculation reaches a result";
        err << "cfhx sweep: " << a.caseFile << ": " << why << "\n";
        if (r.status == kScriptBadLine) return kSweepBadArguments;
        return r.status == kScriptUnansweredWait ? kSweepNoCalculation : kSweepCannotRead;
    }
    for (const SweepInput& in : a.inputs) {
        if (prepared.usesField(in.screen, in.control)) continue;
        err << "cfhx sweep: --vary " << in.name() << ": the case does not use this field (hidden or disabled as its calculation starts)\n";
        return kSweepBadArguments;
    }
    return kSweepWritten;
}

void writeCsv(std::ostream& csv, const Arguments& a, const std::vector<SweepRun>& runs) {
    for (const SweepInput& in : a.inputs) csv << csvField(in.name()) << ',';
    csv << "status";
    for (const std::string& q : a.quantities) csv << ',' << csvField(q);
    csv << '\n';
    for (const SweepRun& run : runs) {
        for (const std::string& v : run.inputs) csv << csvField(v) << ',';
        csv << csvField(run.status);
        for (const std::string& cell : run.cells) csv << ',' << csvField(cell);
        csv << '\n';
    }
}

}  // namespace

int sweepCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                 SweepPlotter* plotter) {
    Given typed;
    CLI::App app{"", "cfhx sweep"};
    defineOptions(app, typed);
    if (const std::optional<int> done = parseCommandLine(app, args, out, err)) return *done;
    std::string why;
    const std::optional<Arguments> parsed = checkArguments(typed, plotter != nullptr, why);
    if (!parsed) {
        err << "cfhx sweep: " << why << " (cfhx sweep --help lists the options)\n";
        return kSweepBadArguments;
    }
    const Arguments& a = *parsed;
    std::string caseText;
    if (!readCase(a.caseFile, caseText, err)) return kSweepCannotRead;
    const PreparedCase prepared(std::move(caseText), "", CaseDetail::Results);
    if (const int status = checkCase(prepared, a, err); status != kSweepWritten) return status;
    // Made before the runs, so an unwritable folder costs no calculation;
    // the old CSV stays until the new one is complete.
    AtomicFile csv(a.csv);
    if (!csv.ok()) {
        err << "cfhx sweep: cannot write " << a.csv << ": " << csv.error() << "\n";
        return kSweepCannotRead;
    }

    // At most kProgressSteps updates (each a write the workers wait on),
    // the last run's always.
    const std::vector<SweepRun> runs = runSweep(prepared, a.inputs, a.quantities, 0, [&err](size_t done, size_t total) {
        const size_t step = std::max<size_t>(1, total / kProgressSteps);
        if (done % step == 0 || done == total) err << "\rsweep: " << done << "/" << total << std::flush;
    });
    err << "\n";

    std::ostringstream table;
    writeCsv(table, a, runs);
    if (!csv.write(table.str()) || !csv.commit()) {
        err << "cfhx sweep: cannot write " << a.csv << ": " << csv.error() << "\n";
        return kSweepCannotRead;
    }
    const size_t results = static_cast<size_t>(std::count_if(runs.begin(), runs.end(), [](const SweepRun& r) { return r.ok; }));
    out << "sweep: " << results << " of " << runs.size() << " runs reached a result; " << a.csv << " written\n";

    if (!a.plot.empty()) {
        std::string error;
        AtomicFile png(a.plot);
        if (!png.ok() || !plotter->writePng(sweepChart(a.inputs, a.quantities, a.plotted, runs), png.temporaryPath(), error) ||
            !png.commit()) {
            err << "cfhx sweep: cannot write the plot " << a.plot << ": " << (error.empty() ? png.error() : error) << "\n";
            return kSweepCannotRead;
        }
        out << "sweep: " << a.plot << " written\n";
    }
    return kSweepWritten;
}

}  // namespace cfhx
