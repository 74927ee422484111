#include "calc/flows.h"

#include <string>
#include <string_view>

#include "app/app.h"
#include "app/codes.h"
#include "app/control_flow.h"
#include "app/form5_fields.h"
#include "app/screen_fields.h"
#include "calc/flows_texts.h"
#include "calc/heat_transfer.h"
#include "calc/numeric_guard.h"
#include "calc/review.h"
#include "calc/stage.h"
#include "calc/start.h"
#include "calc/units.h"

namespace cfhx::calc {
namespace {

namespace tx = flows_texts;

// Water inlet limits, °C and K.
constexpr float kWaterLow = 0.0f, kWaterHigh = 160.0f;
constexpr float kWaterLowK = 273.0f, kWaterHighK = 440.0f;

bool oneOf(const Flag& f, std::string_view a, std::string_view b) { return f == a || f == b; }

// The tube length from its field in mm; zero leaves.
void takeTubeLength(App& app, Record& r) {
    const float mm = echo(app, tx::kTLEcho, field(app, kForm5.tubeLength));
    if (mm == 0.0f) leave("the tube length is 0");
    r.TL = mm * 0.001f;
}

void takeShellOutlet(App& app, Record& r) {
    const tx::FlowsTexts& T = tx::flowsTexts(app.language);
    const float v = echo(app, si(r) ? T.tsoEchoSi : T.tsoEcho, field(app, kShellSide.outlet));
    r.Tso = si(r) ? v - kKelvin : v;
}

void takeTubeOutlet(App& app, Record& r) {
    const tx::FlowsTexts& T = tx::flowsTexts(app.language);
    const float v = echo(app, si(r) ? T.ttoEchoSi : T.ttoEcho, field(app, kTubeSide.outlet));
    r.Tto = si(r) ? v - kKelvin : v;
    app.pane.clear();
}

// Choice (A): the shell outlet given, or the rows and length; "00" leaves.
ChoiceA askChoiceA(App& app, Record& r) {
    const tx::FlowsTexts& T = tx::flowsTexts(app.language);
    Pane& p = app.pane;
    for (;;) {
        p.print(T.push1or2);
        p.print(T.choiceA);
        p.print(si(r) ? T.choiceA1Si : T.choiceA1);
        p.print(T.choiceA2);
        const std::string answer = app.readLine();
        if (answer == tx::kChoiceA1Reply) return ChoiceA::ShellOutletGiven;
        if (answer == tx::kChoiceA2Reply) return ChoiceA::RowsAndLengthGiven;
        if (answer == tx::kChoiceALeave) leave("answered " + std::string(tx::kChoiceALeave));
    }
}

// Steps after a given shell outlet temperature: No. 1 and 3 take the shell
// flow, No. 2 and 4 the tube outlet temperature.
RatingEntry afterShellOutlet(App& app, Record& r) {
    if (oneOf(r.flags.sPROC, Proc::Length, Proc::Rows)) {
        takeShellFlow(app, r);
        return RatingEntry::GivenShellFlow;
    }
    takeTubeOutlet(app, r);
    return RatingEntry::GivenTubeOutlet;
}

}  // namespace

void readProcessingNo(App& app, Record& r) {
    const tx::FlowsTexts& T = tx::flowsTexts(app.language);
    float no = readField(app, kProcessing.screen, kProcessing.processingNo);
    while (!(no >= 1.0f && no <= 7.0f && no == static_cast<float>(static_cast<int>(no)))) {
        app.pane.clear();
        app.pause();
        const float again = readField(app, kProcessing.screen, kProcessing.processingNo);
        if (again == no) leave("no processing No. " + std::to_string(no));
        no = again;
    }
    r.ProcessingNo = no;
    if (processingNo(no) == ProcessingNo::Columns) {
        r.flags.sPROC = Proc::Outlets;
        r.flags.sCOLS = YesNo::Yes;
        app.pane.print(T.columnsCleared);
        app[kMain.screen][kMain.tubeColumns].setText(tx::kColumnsDash);
    } else {
        r.flags.sPROC = std::to_string(static_cast<int>(no));
    }
}

void takeTubeGasFlow(App& app, Record& r) {
    const tx::FlowsTexts& T = tx::flowsTexts(app.language);
    Pane& p = app.pane;
    const bool s = si(r);
    p.print(s ? T.tubeFlowKindSi : T.tubeFlowKind);
    p.print(s ? T.tubeFlowMassSi : T.tubeFlowMass);
    r.TubeFlowKind = echo(app, tx::kTubeFlowKindEcho, field(app, kTubeSide.flowKind));
    if (flowKind(r.TubeFlowKind) == FlowKind::Volume) {
        r.Vt = echo(app, s ? T.vtEchoSi : T.vtEcho, field(app, kTubeSide.volumeField));
        if (s) r.Vt *= kSecondsPerHour;
        if (r.Vt == 0.0f) leave("the tube volume flow is 0");
        r.Wt = checkedFinite(r.Vt * r.Dn, "Vt*Dn");
    } else if (flowKind(r.TubeFlowKind) == FlowKind::Mass) {
        r.Wt = echo(app, s ? T.wtEchoSi : T.wtEcho, field(app, kTubeSide.massField));
        if (s) r.Wt *= kSecondsPerHour;
        if (r.Wt == 0.0f) leave("the tube flow is 0");
        r.Vt = checkedDiv(r.Wt, r.Dn, "Dn");
    } else {
        p.print(T.tubeFlowRefused);
        app.pause();
        leave(T.tubeFlowRefused);
    }
}

void takeWaterInlet(App& app, Record& r) {
    const tx::FlowsTexts& T = tx::flowsTexts(app.language);
    Pane& p = app.pane;
    const bool s = si(r);
    float entered = field(app, kTubeSide.inlet);
    for (;;) {
        if (s) echo(app, T.waterTtiSi, entered);
        r.flags.sTF = TubeMethod::Water;
        p.clear();
        const bool inRange = s ? (entered > kWaterLowK && entered < kWaterHighK)
                               : (entered > kWaterLow && entered < kWaterHigh);
        if (inRange || tubeFluid(r) != FluidKind::Water) break;
        p.print(s ? tx::kWaterRangeSi : T.waterRange);
        // The pause lets the user correct the field; unchanged, the run leaves.
        app.pause();
        const float again = field(app, kTubeSide.inlet);
        if (again == entered) leave("the tube inlet temperature was not changed");
        entered = again;
    }
    r.Tti = s ? entered - kKelvin : entered;
    const float flow = echo(app, s ? T.waterFlowSi : T.waterFlow, field(app, kTubeSide.massField));
    r.Wt = (s ? flow * kSecondsPerHour : flow) * 0.001f;
    if (r.Wt == 0.0f) leave("the water flow is 0");
}

void takeShellFlow(App& app, Record& r) {
    const tx::FlowsTexts& T = tx::flowsTexts(app.language);
    Pane& p = app.pane;
    const bool s = si(r);
    r.ShellFlowKind = field(app, kShellSide.flowKind);
    p.print(s ? T.shellFlowKindSi : T.shellFlowKind);
    echo(app, s ? T.shellFlowMassSi : T.shellFlowMass, r.ShellFlowKind);
    if (flowKind(r.ShellFlowKind) == FlowKind::Volume) {
        r.Vs = echo(app, s ? T.vsEchoSi : T.vsEcho, field(app, kShellSide.volumeField));
        if (s) r.Vs *= kSecondsPerHour;
        if (r.Vs == 0.0f) leave("the shell volume flow is 0");
        r.Ws = checkedFinite(r.Vs * r.Dns, "Vs*Dns");
    } else if (flowKind(r.ShellFlowKind) == FlowKind::Mass) {
        r.Ws = echo(app, s ? T.wsEchoSi : T.wsEcho, field(app, kShellSide.massField));
        if (r.Ws == 0.0f) leave("the shell flow is 0");
        if (s) r.Ws *= kSecondsPerHour;
        r.Vs = checkedDiv(r.Ws, r.Dns, "Dns");
    } else {
        p.print(T.shellFlowRefused);
        app.pause();
        leave(T.shellFlowRefused);
    }
    p.clear();
}

void settleRowFactor(Record& r) {
    if (r.flags.sTUBE != Tube::Finned) r.Cz = rowFactor(r.Nh, r.flags.arrangement == Arrangement::Triangular);
}

RatingEntry takeFlows(App& app, Record& r) {
    const tx::FlowsTexts& T = tx::flowsTexts(app.language);
    ModeFlags& f = r.flags;
    if (f.sPROP == Prop::TypedIn) {
        settleTubePitches(app, r);
        takeManualInletSettings(app, r);
    } else if (tubeFluid(r) == FluidKind::Water) {
        takeWaterInlet(app, r);
    } else {
        takeTubeGasFlow(app, r);
    }

    settleRowFactor(r);
    if (f.sFLOW == Flow::Parallel && r.PNt == 1.0f) app.pane.print(T.parallelNotice);
    if (f.sTF == TubeMethod::Water) {
        f.sTAPE = YesNo::No;
        r.Vt = checkedDiv(r.Wt * 1000.0f, r.Dt, "Dt");
    }
    if (f.sTAPE == YesNo::Yes) r.Dh = tapedHydraulicDiameter(r.DI, r.TTh);

    if (humidSide(r)) {
        f.sCOND = YesNo::Yes;
        takeTubeLength(app, r);
        return RatingEntry::GivenLength;
    }
    // Typed-in properties are rated as No. 5.
    if (f.sPROP == Prop::TypedIn) f.sPROC = Proc::Outlets;

    if (oneOf(f.sPROC, Proc::Length, Proc::LengthAndShellFlow)) {
        r.ChoiceA = codeOf(askChoiceA(app, r));
        if (choiceA(r.ChoiceA) == ChoiceA::RowsAndLengthGiven) {
            takeTubeLength(app, r);
            return RatingEntry::GivenLength;
        }
        takeShellOutlet(app, r);
        r.TL = kDefaultTubeLength;
        r.NV = r.Nv;
        return afterShellOutlet(app, r);
    }
    if (oneOf(f.sPROC, Proc::Rows, Proc::RowsAndShellFlow)) {
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
