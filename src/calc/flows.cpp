#include "calc/flows.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "app/app.h"
#include "app/control_flow.h"
#include "app/mask.h"
#include "calc/flows_texts.h"
#include "calc/heat_transfer.h"
#include "calc/numeric_guard.h"
#include "calc/review.h"
#include "calc/start.h"
#include "calc/units.h"

namespace cfhx::calc {
namespace {

namespace T = flows_texts;

// Water inlet limits, °C and K.
constexpr float kWaterLow = 0.0f, kWaterHigh = 160.0f;
constexpr float kWaterLowK = 273.0f, kWaterHighK = 440.0f;
// The rating starts this far above the colder inlet, °C.
constexpr float kStartAboveColder = 0.1f;

bool si(const Record& r) { return r.flags.LangUnitMode == "JSI"; }

float field(App& app, std::string_view control) { return readField(app, "FORM5", control); }

[[noreturn]] void leave() { throw LeaveCalculation{}; }

void printValue(App& app, std::string_view label, float v) { app.pane.print(std::string(label) + freeNumber(v)); }

// A field echoed under its label, as entered.
float echo(App& app, std::string_view label, std::string_view control) {
    const float v = field(app, control);
    printValue(app, label, v);
    return v;
}

bool oneOf(const Flag& f, std::string_view a, std::string_view b) { return f == a || f == b; }

// The tube length from its field in mm; zero leaves.
void takeTubeLength(App& app, Record& r) {
    const float mm = echo(app, T::kTLEcho, "EDIT157");
    if (mm == 0.0f) leave();
    r.TL = mm * 0.001f;
}

void takeShellOutlet(App& app, Record& r) {
    const float v = echo(app, si(r) ? T::kTsoEchoSi : T::kTsoEcho, "EDIT134");
    r.Tso = si(r) ? v - kKelvin : v;
}

void takeTubeOutlet(App& app, Record& r) {
    const float v = echo(app, si(r) ? T::kTtoEchoSi : T::kTtoEcho, "EDIT131");
    r.Tto = si(r) ? v - kKelvin : v;
    app.pane.clear();
}

// Choice (A): 1 shell outlet given, 2 rows and length given; "00" leaves.
int askChoiceA(App& app, Record& r) {
    Pane& p = app.pane;
    for (;;) {
        p.print(T::kPush1or2);
        p.print(T::kChoiceA);
        p.print(si(r) ? T::kChoiceA1Si : T::kChoiceA1);
        p.print(T::kChoiceA2);
        const std::string answer = app.readLine();
        if (answer == "1") return 1;
        if (answer == "2") return 2;
        if (answer == "00") leave();
    }
}

// Steps after a given shell outlet temperature: No. 1 and 3 take the shell
// flow, No. 2 and 4 the tube outlet temperature.
RatingEntry afterShellOutlet(App& app, Record& r) {
    if (oneOf(r.flags.sPROC, "1", "3")) {
        takeShellFlow(app, r);
        return RatingEntry::GivenShellFlow;
    }
    takeTubeOutlet(app, r);
    return RatingEntry::GivenTubeOutlet;
}

}  // namespace

void readProcessingNo(App& app, Record& r) {
    float no = readField(app, "FORM6", "EDIT167");
    while (!(no >= 1.0f && no <= 7.0f && no == static_cast<float>(static_cast<int>(no)))) {
        app.pane.clear();
        app.pause();
        const float again = readField(app, "FORM6", "EDIT167");
        if (again == no) leave();
        no = again;
    }
    r.ProcessingNo = no;
    if (no == 7.0f) {
        r.flags.sPROC = "5";
        r.flags.sCOLS = "y";
        app.pane.print(T::kColumnsCleared);
        app["MAINFORM"]["EDIT27"].setText(T::kColumnsDash);
    } else {
        r.flags.sPROC = std::to_string(static_cast<int>(no));
    }
}

void takeTubeGasFlow(App& app, Record& r) {
    Pane& p = app.pane;
    const bool s = si(r);
    p.print(s ? T::kTubeFlowKindSi : T::kTubeFlowKind);
    p.print(s ? T::kTubeFlowMassSi : T::kTubeFlowMass);
    r.TubeFlowKind = field(app, "EDIT168");
    printValue(app, T::kTubeFlowKindEcho, r.TubeFlowKind);
    if (r.TubeFlowKind == 1.0f) {
        r.Vt = field(app, "EDIT132");
        printValue(app, s ? T::kVtEchoSi : T::kVtEcho, r.Vt);
        if (s) r.Vt *= kSecondsPerHour;
        if (r.Vt == 0.0f) leave();
        r.Wt = checkedFinite(app, r.Vt * r.Dn, "Vt*Dn");
    } else if (r.TubeFlowKind == 2.0f) {
        r.Wt = echo(app, s ? T::kWtEchoSi : T::kWtEcho, "EDIT169");
        if (s) r.Wt *= kSecondsPerHour;
        if (r.Wt == 0.0f) leave();
        r.Vt = checkedDiv(app, r.Wt, r.Dn, "Dn");
    } else {
        p.print(T::kTubeFlowRefused);
        app.pause();
        leave();
    }
}

void takeWaterInlet(App& app, Record& r) {
    Pane& p = app.pane;
    const bool s = si(r);
    float entered = field(app, "EDIT130");
    for (;;) {
        if (s) printValue(app, T::kWaterTtiSi, entered);
        r.flags.sTF = "2";
        p.clear();
        const bool inRange = s ? (entered > kWaterLowK && entered < kWaterHighK)
                               : (entered > kWaterLow && entered < kWaterHigh);
        if (inRange || r.TubeFluidKind != 3.0f) break;
        p.print(s ? T::kWaterRangeSi : T::kWaterRange);
        // The pause lets the user correct the field; unchanged, the run leaves.
        app.pause();
        const float again = field(app, "EDIT130");
        if (again == entered) leave();
        entered = again;
    }
    r.Tti = s ? entered - kKelvin : entered;
    const float flow = echo(app, s ? T::kWaterFlowSi : T::kWaterFlow, "EDIT169");
    r.Wt = (s ? flow * kSecondsPerHour : flow) * 0.001f;
    if (r.Wt == 0.0f) leave();
}

void takeShellFlow(App& app, Record& r) {
    Pane& p = app.pane;
    const bool s = si(r);
    r.ShellFlowKind = field(app, "EDIT172");
    p.print(s ? T::kShellFlowKindSi : T::kShellFlowKind);
    printValue(app, s ? T::kShellFlowMassSi : T::kShellFlowMass, r.ShellFlowKind);
    if (r.ShellFlowKind == 1.0f) {
        r.Vs = echo(app, s ? T::kVsEchoSi : T::kVsEcho, "EDIT135");
        if (s) r.Vs *= kSecondsPerHour;
        if (r.Vs == 0.0f) leave();
        r.Ws = checkedFinite(app, r.Vs * r.Dns, "Vs*Dns");
    } else if (r.ShellFlowKind == 2.0f) {
        r.Ws = echo(app, s ? T::kWsEchoSi : T::kWsEcho, "EDIT170");
        if (r.Ws == 0.0f) leave();
        if (s) r.Ws *= kSecondsPerHour;
        r.Vs = checkedDiv(app, r.Ws, r.Dns, "Dns");
    } else {
        p.print(T::kShellFlowRefused);
        app.pause();
        leave();
    }
    p.clear();
}

RatingEntry takeFlows(App& app, Record& r) {
    ModeFlags& f = r.flags;
    if (f.sPROP == "2") {
        settleTubePitches(app, r);
        takeManualInletSettings(app, r);
    } else if (r.TubeFluidKind == 3.0f) {
        takeWaterInlet(app, r);
    } else {
        takeTubeGasFlow(app, r);
    }

    if (!(f.sTUBE == "2")) r.Cz = rowFactor(r.Nh, f.arrangement == "1");
    if (f.sFLOW == "2" && r.PNt == 1.0f) app.pane.print(T::kParallelNotice);
    if (f.sTF == "2") {
        f.sTAPE = "n";
        r.Vt = checkedDiv(app, r.Wt * 1000.0f, r.Dt, "Dt");
    }
    r.TStart = std::min(r.Tti, r.Tsi) + kStartAboveColder;
    if (f.sTAPE == "y") r.Dh = tapedHydraulicDiameter(app, r.DI, r.TTh);

    if (r.TubeFluidKind == 1.0f || r.ShellFluidKind == 1.0f) {
        f.sCOND = "y";
        if (f.sPROP == "2") f.sPROC = "5";
        takeTubeLength(app, r);
        return RatingEntry::GivenLength;
    }

    if (oneOf(f.sPROC, "1", "2")) {
        r.ChoiceA = static_cast<float>(askChoiceA(app, r));
        if (r.ChoiceA == 2.0f) {
            takeTubeLength(app, r);
            return RatingEntry::GivenLength;
        }
        takeShellOutlet(app, r);
        r.TL = kDefaultTubeLength;
        r.NV = r.Nv;
        return afterShellOutlet(app, r);
    }
    if (oneOf(f.sPROC, "3", "4")) {
        takeShellOutlet(app, r);
        takeTubeLength(app, r);
        return afterShellOutlet(app, r);
    }
    // No. 5 and 6, and a run whose number was not read (humid or
    // condensing sides): length, rows and columns are given.
    takeTubeLength(app, r);
    return RatingEntry::GivenLength;
}

}  // namespace cfhx::calc
