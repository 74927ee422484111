#include "app/field_ranges.h"

#include <cmath>

#include "app/app.h"
#include "app/field_names.h"
#include "app/field_range_texts.h"
#include "app/form5_fields.h"
#include "app/screen_fields.h"

namespace cfhx {
namespace {

namespace T = field_range_texts;

constexpr double kAbsoluteZeroC = -273.0;  // °C, as the K conversion of the entries has it
constexpr double kAbsoluteZeroK = 0.0;

constexpr const MainFields& M = kMain;
constexpr const Form5Side& Tube = kTubeSide;
constexpr const Form5Side& Shell = kShellSide;

// The column in its order; codes are left to their own checks, and the
// film thickness keeps its own question for a negative value.
constexpr RangedField kColumnFields[] = {
    {.field = M.outerDiameter, .caption = "管外直径", .range = Range::NotNegative},
    {.field = M.innerDiameter, .caption = "管内直径", .range = Range::NotNegative},
    {.field = M.rowPitchRatio, .caption = "管縦方向ﾋﾟｯﾁ", .range = Range::NotNegative},
    {.field = M.columnPitchRatio, .caption = "管水平方向ﾋﾟｯﾁ", .range = Range::NotNegative},
    {.field = M.finsPerInch, .caption = "ﾌｨﾝ山数/吋", .range = Range::NotNegative},
    {.field = M.finHeight, .caption = "ﾌｨﾝ高さ", .range = Range::NotNegative},
    {.field = M.finThickness, .caption = "ﾌｨﾝ肉厚", .range = Range::NotNegative},
    {.field = M.tubeConductivity, .caption = "管の熱伝導率", .range = Range::NotNegative},
    {.field = M.finConductivity, .caption = "ﾌｨﾝの熱伝導率", .range = Range::NotNegative},
    {.field = M.tubeFouling, .caption = "管内側汚れ係数", .range = Range::NotNegative},
    {.field = M.shellFouling, .caption = "ｼｪﾙ側汚れ係数", .range = Range::NotNegative},
    {.field = M.tubePasses, .caption = "管内側流路ﾊﾟｽ数", .range = Range::NotNegative},
    {.field = M.shellPasses, .caption = "ｼｪﾙ側流路ﾊﾟｽ数", .range = Range::NotNegative},
    {.field = M.tubeRows, .caption = "伝熱管段数", .range = Range::NotNegative},
    {.field = M.tubeColumns, .caption = "伝熱管列数", .range = Range::NotNegative},
    {.field = M.tapeThickness, .caption = "ﾂｲｽﾄﾃｰﾌﾟの肉厚", .range = Range::NotNegative},
    {.field = M.tapePitch, .caption = "ﾂｲｽﾄﾃｰﾌﾟのﾋﾟｯﾁ", .range = Range::NotNegative},
    {.field = M.filmThickness, .caption = "凝縮液膜厚さ", .range = Range::Finite},
    {.field = M.tubeCorrection, .caption = "管内熱伝達率補正係数", .range = Range::NotNegative},
    {.field = M.shellCorrection, .caption = "管外熱伝達率補正係数", .range = Range::NotNegative},
};

// FORM5 side by side: the moisture rows before the inlet temperatures they
// may be copied into. A composition above 100 % is left to the gas
// dialogue, which reads it again.
constexpr RangedField kForm5Fields[] = {
    {.field = Tube.moistureFields.volumePercent, .caption = "管内側水分容積率", .range = Range::NotNegative},
    {.field = Tube.moistureFields.absoluteHumidity, .caption = "管内側絶対湿度", .range = Range::NotNegative},
    {.field = Tube.moistureFields.saturationTemperature, .caption = "管内側湿り飽和温度", .range = Range::Temperature},
    {.field = Tube.moistureFields.saturatedEnthalpy, .caption = "管内側湿りｴﾝﾀﾙﾋﾟｰ", .range = Range::Finite},
    {.field = Tube.co2, .caption = "管内側CO2", .range = Range::NotNegative},
    {.field = Tube.o2, .caption = "管内側O2", .range = Range::NotNegative},
    {.field = Shell.moistureFields.volumePercent, .caption = "シェル側水分容積率", .range = Range::NotNegative},
    {.field = Shell.moistureFields.absoluteHumidity, .caption = "シェル側絶対湿度", .range = Range::NotNegative},
    {.field = Shell.moistureFields.saturationTemperature, .caption = "シェル側湿り飽和温度", .range = Range::Temperature},
    {.field = Shell.moistureFields.saturatedEnthalpy, .caption = "シェル側湿りｴﾝﾀﾙﾋﾟｰ", .range = Range::Finite},
    {.field = Shell.co2, .caption = "シェル側CO2", .range = Range::NotNegative},
    {.field = Shell.o2, .caption = "シェル側O2", .range = Range::NotNegative},
    {.field = Tube.inlet, .caption = "管内側入側流体温度", .range = Range::Temperature},
    {.field = Tube.outlet, .caption = "管内側出側流体温度", .range = Range::Temperature},
    {.field = Shell.inlet, .caption = "シェル側入側流体温度", .range = Range::Temperature},
    {.field = Shell.outlet, .caption = "シェル側出側流体温度", .range = Range::Temperature},
    {.field = Tube.volumeField, .caption = "管内側体積流量", .range = Range::NotNegative},
    {.field = Tube.massField, .caption = "管内側重量流量", .range = Range::NotNegative},
    {.field = Shell.volumeField, .caption = "シェル側体積流量", .range = Range::NotNegative},
    {.field = Shell.massField, .caption = "シェル側重量流量", .range = Range::NotNegative},
    {.field = kForm5.tubeLength, .caption = "管長さ", .range = Range::NotNegative},
    {.field = Tube.properties.density, .caption = "管内側密度", .range = Range::NotNegative},
    {.field = Tube.properties.specificHeat, .caption = "管内側比熱", .range = Range::NotNegative},
    {.field = Tube.properties.conductivity, .caption = "管内側熱伝導率", .range = Range::NotNegative},
    {.field = Tube.properties.viscosity, .caption = "管内側動粘性係数", .range = Range::NotNegative},
    {.field = Shell.properties.density, .caption = "シェル側密度", .range = Range::NotNegative},
    {.field = Shell.properties.specificHeat, .caption = "シェル側比熱", .range = Range::NotNegative},
    {.field = Shell.properties.conductivity, .caption = "シェル側熱伝導率", .range = Range::NotNegative},
    {.field = Shell.properties.viscosity, .caption = "シェル側動粘性係数", .range = Range::NotNegative},
    {.field = Tube.latent.latentHeat, .caption = "管内側潜熱", .range = Range::NotNegative},
    {.field = Tube.latent.liquidDensity, .caption = "管内側液相液密度", .range = Range::NotNegative},
    {.field = Tube.latent.liquidSpecificHeat, .caption = "管内側液相比熱", .range = Range::NotNegative},
    {.field = Tube.latent.liquidConductivity, .caption = "管内側液相熱伝導率", .range = Range::NotNegative},
    {.field = Tube.latent.liquidViscosity, .caption = "管内側液相動粘性係数", .range = Range::NotNegative},
};

constexpr RangedField kOptionFields[] = {
    {.field = kOptions.tubeCoefficient, .caption = "管内側熱伝達率値", .range = Range::NotNegative},
    {.field = kOptions.shellCoefficient, .caption = "管外側熱伝達率値", .range = Range::NotNegative},
    {.field = kOptions.evaporationPressure, .caption = "管内冷媒飽和圧力", .range = Range::NotNegative},
    {.field = kOptions.surfaceTension, .caption = "管内冷媒の表面張力", .range = Range::NotNegative},
};

}  // namespace

// The column is read whole by the calculation, enabled or not (the
// calculate button disables most of it while a run is on).
const RangedFields kColumnRanges{.screen = kMain.screen, .fields = kColumnFields, .editableOnly = false};
const RangedFields kForm5Ranges{.screen = kForm5.screen, .fields = kForm5Fields, .editableOnly = true};
const RangedFields kOptionRanges{.screen = kOptions.screen, .fields = kOptionFields, .editableOnly = true};

std::optional<OutOfRange> outOfRange(double value, Range range, bool si) {
    if (std::isinf(singleOf(value))) return OutOfRange::TooLarge;
    switch (range) {
        case Range::Finite: break;
        case Range::NotNegative:
            if (value < 0.0) return OutOfRange::Negative;
            break;
        case Range::Temperature:
            if (value <= (si ? kAbsoluteZeroK : kAbsoluteZeroC)) return OutOfRange::BelowAbsoluteZero;
            break;
    }
    return std::nullopt;
}

std::optional<RangeRefusal> firstOutOfRange(App& app, const RangedFields& list) {
    const bool si = siUnits(app);
    ScreenRef screen = app[list.screen];
    for (const RangedField& f : list.fields) {
        const ControlRef field = screen[f.field];
        if (list.editableOnly && !(field.enabled() && field.visible())) continue;
        const std::optional<double> value = numberIn(field.text());
        if (!value) continue;
        if (const std::optional<OutOfRange> why = outOfRange(*value, f.range, si)) {
            return RangeRefusal{.caption = f.caption, .why = *why, .screen = list.screen, .field = f.field};
        }
    }
    return std::nullopt;
}

std::string rangePhrase(Language language, const RangeRefusal& refusal) {
    const T::FieldRangeTexts& text = T::fieldRangeTexts(language);
    std::string_view what;
    switch (refusal.why) {
        case OutOfRange::TooLarge: what = text.tooLarge; break;
        case OutOfRange::Negative: what = text.negative; break;
        case OutOfRange::BelowAbsoluteZero: what = text.belowAbsoluteZero; break;
    }
    return std::string(fieldName(language, refusal.caption)) + std::string(what);
}

}  // namespace cfhx
