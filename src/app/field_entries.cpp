#include "app/field_entries.h"

#include "app/app.h"
#include "app/field_entry_texts.h"
#include "app/field_names.h"
#include "app/form5_fields.h"
#include "app/screen_fields.h"

namespace cfhx {
namespace {

namespace T = field_entry_texts;

constexpr const MainFields& M = kMain;
constexpr const Form5Side& TS = kTubeSide;
constexpr const Form5Side& SS = kShellSide;

// When a route reads a field.
bool always(const Route&) { return true; }

bool gasShell(const Route& r) {
    return (r.tube == FluidKind::Gas || r.tube == FluidKind::Water) && r.shell == FluidKind::Gas;
}
bool manual(const Route& r) { return r.tube == FluidKind::Manual || r.shell == FluidKind::Manual; }
bool humid(const Route& r) { return r.tube == FluidKind::HumidGas || r.shell == FluidKind::HumidGas; }
bool gasProcessing(const Route& r, std::initializer_list<ProcessingNo> nos) {
    if (!gasShell(r)) return false;
    for (ProcessingNo no : nos) {
        if (r.no == no) return true;
    }
    return false;
}

// Construction: fins, tape, and what the processing No. leaves given.
bool finned(const Route& r) { return r.tubeType == 2 || r.tubeType == 3; }
bool radialFin(const Route& r) { return r.tubeType == 2; }
bool taped(const Route& r) { return r.tapeCode == 2; }
bool rowsGiven(const Route& r) {
    return !gasProcessing(r, {ProcessingNo::Rows, ProcessingNo::RowsAndShellFlow});
}
bool columnsGiven(const Route& r) { return !gasProcessing(r, {ProcessingNo::Columns}); }

// Temperatures: a saturated humid side takes its inlet from the moisture
// entry; outlets only where they are given.
bool tubeInlet(const Route& r) { return r.tube != FluidKind::HumidGas; }
// With humid gas in the tubes FORM5's OK has always let the shell inlet go
// unchecked; the start of the calculation needs it.
bool shellInlet(const Route& r) {
    return r.shell != FluidKind::HumidGas && (r.tube != FluidKind::HumidGas || r.starting);
}
bool tubeOutlet(const Route& r) { return gasProcessing(r, {ProcessingNo::LengthAndShellFlow, ProcessingNo::RowsAndShellFlow}); }
bool shellOutlet(const Route& r) { return gasShell(r) && r.no != ProcessingNo::Outlets; }

// Flows in the kind chosen; typed-in properties take the tube mass flow
// whatever the kind. The shell flow is computed by No. 2, 4 and 6.
bool tubeVolume(const Route& r) { return !manual(r) && r.tubeFlowKind == 1; }
bool tubeMass(const Route& r) { return manual(r) || r.tubeFlowKind == 2; }
bool shellFlowGiven(const Route& r) {
    return !gasProcessing(r, {ProcessingNo::LengthAndShellFlow, ProcessingNo::RowsAndShellFlow,
                              ProcessingNo::OutletAndShellFlow});
}
bool shellVolume(const Route& r) { return shellFlowGiven(r) && r.shellFlowKind == 1; }
bool shellMass(const Route& r) { return shellFlowGiven(r) && r.shellFlowKind == 2; }
bool tubeLength(const Route& r) { return !gasProcessing(r, {ProcessingNo::Length, ProcessingNo::LengthAndShellFlow}); }

// Gas description: the moisture row of the mode chosen with moisture, and
// CO2 and O2 of a full composition.
bool tubeGas(const Route& r) { return r.tube == FluidKind::Gas || r.tube == FluidKind::HumidGas; }
bool shellGas(const Route& r) { return r.shell == FluidKind::Gas || r.shell == FluidKind::HumidGas; }
bool moist(int composition) { return composition == 2 || composition == 3; }
template <int Mode>
bool tubeMoistureRow(const Route& r) { return tubeGas(r) && moist(r.tubeComposition) && r.tubeMoisture == Mode; }
template <int Mode>
bool shellMoistureRow(const Route& r) { return shellGas(r) && moist(r.shellComposition) && r.shellMoisture == Mode; }
bool tubeFull(const Route& r) { return tubeGas(r) && r.tubeComposition == 3; }
bool shellFull(const Route& r) { return shellGas(r) && r.shellComposition == 3; }

// Typed-in properties; the latent data for condensation or evaporation.
bool latent(const Route& r) { return manual(r) && r.heatClass == 2 && (r.phaseChange == 1 || r.phaseChange == 3); }

// FORM7: given coefficients by mode; the refrigerant data where the tube
// side of an evaporating fluid is computed.
bool tubeCoefficient(const Route& r) { return r.htcMode == 2 || r.htcMode == 4; }
bool shellCoefficient(const Route& r) { return r.htcMode == 3 || r.htcMode == 4; }
bool refrigerant(const Route& r) { return r.heatClass == 2 && r.phaseChange == 1 && (r.htcMode == 1 || r.htcMode == 3); }

constexpr EntryField kColumnFields[] = {
    {.field = M.outerDiameter, .label = "伝熱管外径", .when = always},
    {.field = M.innerDiameter, .label = "伝熱管内径", .when = always},
    {.field = M.rowPitchRatio, .label = "縦方向管ﾋﾟｯﾁ", .when = always},
    {.field = M.columnPitchRatio, .label = "水平方向管ﾋﾟｯﾁ", .when = always},
    {.field = M.tubeType, .label = "管外ﾌｨﾝ", .when = always},
    {.field = M.finsPerInch, .label = "ﾌｨﾝ山数/吋", .when = finned},
    {.field = M.finHeight, .label = "ﾌｨﾝ高さ", .when = radialFin},
    {.field = M.finThickness, .label = "ﾌｨﾝ肉厚", .when = finned},
    {.field = M.arrangement, .label = "伝熱管配列", .when = always},
    {.field = M.tubeConductivity, .label = "伝熱管の熱伝導率", .when = always},
    {.field = M.finConductivity, .label = "ﾌｨﾝ材の熱伝導率", .when = finned},
    {.field = M.tubeFouling, .label = "管内汚れ係数", .when = always},
    {.field = M.shellFouling, .label = "ｼｪﾙ側汚れ係数", .when = always},
    {.field = M.flowPattern, .label = "直交流/直交型並流", .when = always},
    {.field = M.tubePasses, .label = "管内側流体ﾊﾟｽ数", .when = always},
    {.field = M.shellPasses, .label = "ｼｪﾙ側流体ﾊﾟｽ数", .when = always},
    {.field = M.tubeRows, .label = "伝熱管段数", .when = rowsGiven, .need = Need::Read},
    {.field = M.tubeColumns, .label = "伝熱管列数", .when = columnsGiven},
    {.field = M.tapeCode, .label = "管内捻りﾃｰﾌﾟ", .when = always},
    {.field = M.tapeThickness, .label = "捻りﾃｰﾌﾟ肉厚", .when = taped},
    {.field = M.tapePitch, .label = "捻りﾋﾟｯﾁ", .when = taped},
    {.field = M.filmThickness, .label = "凝縮液膜厚さ", .when = humid, .need = Need::Read},
    {.field = M.tubeCorrection, .label = "管内熱伝達率補正係数", .when = always},
    {.field = M.shellCorrection, .label = "管外熱伝達率補正係数", .when = always},
};

// FORM5 side by side, in the order of the screen's rows.
constexpr EntryField kForm5Fields[] = {
    {.field = TS.moistureFields.volumePercent, .label = "管内側水分容積率", .when = tubeMoistureRow<1>},
    {.field = TS.moistureFields.absoluteHumidity, .label = "管内側絶対湿度", .when = tubeMoistureRow<2>},
    {.field = TS.moistureFields.saturationTemperature, .label = "管内側湿り飽和温度", .when = tubeMoistureRow<3>},
    {.field = TS.moistureFields.saturatedEnthalpy, .label = "管内側湿りｴﾝﾀﾙﾋﾟｰ", .when = tubeMoistureRow<4>},
    {.field = TS.co2, .label = "管内側CO2", .when = tubeFull},
    {.field = TS.o2, .label = "管内側O2", .when = tubeFull},
    {.field = SS.moistureFields.volumePercent, .label = "シェル側水分容積率", .when = shellMoistureRow<1>},
    {.field = SS.moistureFields.absoluteHumidity, .label = "シェル側絶対湿度", .when = shellMoistureRow<2>},
    {.field = SS.moistureFields.saturationTemperature, .label = "シェル側湿り飽和温度", .when = shellMoistureRow<3>},
    {.field = SS.moistureFields.saturatedEnthalpy, .label = "シェル側湿りｴﾝﾀﾙﾋﾟｰ", .when = shellMoistureRow<4>},
    {.field = SS.co2, .label = "シェル側CO2", .when = shellFull},
    {.field = SS.o2, .label = "シェル側O2", .when = shellFull},
    {.field = TS.inlet, .label = "管内側入側流体温度", .when = tubeInlet},
    {.field = TS.outlet, .label = "管内側出側流体温度", .when = tubeOutlet},
    {.field = SS.inlet, .label = "シェル側入側流体温度", .when = shellInlet},
    {.field = SS.outlet, .label = "シェル側出側流体温度", .when = shellOutlet},
    {.field = TS.volumeField, .label = "管内側体積流量", .when = tubeVolume},
    {.field = TS.massField, .label = "管内側重量流量", .when = tubeMass},
    {.field = SS.volumeField, .label = "シェル側体積流量", .when = shellVolume},
    {.field = SS.massField, .label = "シェル側重量流量", .when = shellMass},
    {.field = kForm5.tubeLength, .label = "伝熱管長さ", .when = tubeLength},
    {.field = TS.properties.density, .label = "管内側密度", .when = manual},
    {.field = TS.properties.specificHeat, .label = "管内側比熱", .when = manual},
    {.field = TS.properties.conductivity, .label = "管内側熱伝導率", .when = manual},
    {.field = TS.properties.viscosity, .label = "管内側動粘性係数", .when = manual},
    {.field = SS.properties.density, .label = "シェル側密度", .when = manual},
    {.field = SS.properties.specificHeat, .label = "シェル側比熱", .when = manual},
    {.field = SS.properties.conductivity, .label = "シェル側熱伝導率", .when = manual},
    {.field = SS.properties.viscosity, .label = "シェル側動粘性係数", .when = manual},
    {.field = TS.latent.latentHeat, .label = "管内側凝縮or蒸発潜熱", .when = latent},
    {.field = TS.latent.liquidDensity, .label = "管内側液相部密度", .when = latent},
    {.field = TS.latent.liquidSpecificHeat, .label = "管内側液相部比熱", .when = latent},
    {.field = TS.latent.liquidConductivity, .label = "管内側液相部熱伝導率", .when = latent},
    {.field = TS.latent.liquidViscosity, .label = "管内側液相部動粘性係数", .when = latent},
};

constexpr EntryField kOptionFields[] = {
    {.field = kOptions.tubeCoefficient, .label = "管内側熱伝達率", .when = tubeCoefficient},
    {.field = kOptions.shellCoefficient, .label = "管外側熱伝達率", .when = shellCoefficient},
    {.field = kOptions.evaporationPressure, .label = "管内側冷媒蒸発圧力", .when = refrigerant},
    {.field = kOptions.surfaceTension, .label = "管内側冷媒表面張力", .when = refrigerant},
};

int code(App& app, const char* screen, const char* field) { return codeIn(app, screen, field); }

}  // namespace

// The column is read whole by the calculation, enabled or not (the
// calculate button disables most of it while a run is on).
const EntryFields kColumnEntries{.screen = kMain.screen, .fields = kColumnFields, .editableOnly = false};
const EntryFields kForm5Entries{.screen = kForm5.screen, .fields = kForm5Fields, .editableOnly = true};
const EntryFields kOptionEntries{.screen = kOptions.screen, .fields = kOptionFields, .editableOnly = true};

Route routeOf(App& app, bool starting) {
    const char* f5 = kForm5.screen;
    const char* f7 = kOptions.screen;
    return Route{
        .tube = tubeFluidKind(app),
        .shell = shellFluidKind(app),
        .no = processingNo(app),
        .tubeType = code(app, M.screen, M.tubeType),
        .tapeCode = code(app, M.screen, M.tapeCode),
        .tubeFlowKind = code(app, f5, TS.flowKind),
        .shellFlowKind = code(app, f5, SS.flowKind),
        .tubeComposition = code(app, f5, TS.compositionCode),
        .shellComposition = code(app, f5, SS.compositionCode),
        .tubeMoisture = code(app, f5, TS.moistureCode),
        .shellMoisture = code(app, f5, SS.moistureCode),
        .heatClass = code(app, f7, kOptions.heatClass),
        .phaseChange = code(app, f7, kOptions.phaseChangeKind),
        .htcMode = code(app, f7, kOptions.htcMode),
        .starting = starting,
    };
}

std::optional<BadEntry> badEntry(std::string_view text, Need need) {
    switch (entryIn(text)) {
        case Entry::Number: return std::nullopt;
        case Entry::NotNumber: return BadEntry::NotNumber;
        case Entry::Blank:
        case Entry::Mark: break;
    }
    if (need == Need::Read) return std::nullopt;
    return BadEntry::Missing;
}

std::optional<EntryRefusal> firstBadEntry(App& app, const EntryFields& list, bool starting) {
    const Route route = routeOf(app, starting);
    ScreenRef screen = app[list.screen];
    for (const EntryField& f : list.fields) {
        if (!f.when(route)) continue;
        const ControlRef field = screen[f.field];
        if (list.editableOnly && !(field.enabled() && field.visible())) continue;
        if (const std::optional<BadEntry> why = badEntry(field.text(), f.need)) {
            return EntryRefusal{.screen = list.screen, .field = f.field, .label = f.label, .why = *why};
        }
    }
    return std::nullopt;
}

std::string entryMessage(Language language, std::string_view label, BadEntry why) {
    const T::FieldEntryTexts& text = T::fieldEntryTexts(language);
    const std::string_view what = why == BadEntry::Missing ? text.missing : text.notNumber;
    std::string message(text.open);
    message.append(fieldName(language, label)).append(what).append(text.close);
    return message;
}

std::string entryMessage(Language language, const EntryRefusal& refusal) {
    return entryMessage(language, refusal.label, refusal.why);
}

std::string_view entryLabel(const EntryFields& list, std::string_view field) {
    for (const EntryField& f : list.fields) {
        if (field == f.field) return f.label;
    }
    return {};
}

void markField(App& app, const char* screen, const char* field) { app[screen][field].flag(); }

}  // namespace cfhx
