#include "report/result_quantities.h"

#include <cmath>
#include <cstdlib>

#include "app/mask.h"
#include "calc/units.h"
#include "report/display_mode.h"
#include "report/heat_balance_texts.h"
#include "report/results.h"

namespace cfhx::report {

namespace {

struct Named {
    Value value;
    std::string_view name;
};

// Table values under the record's names; the variants of one quantity
// (the duty of each route, the flows by their products) share a name.
constexpr Named kNames[] = {
    {.value = Value::Q, .name = "Q"},          {.value = Value::Q2, .name = "Q"},
    {.value = Value::Qk, .name = "Q"},         {.value = Value::Tti, .name = "Tti"},
    {.value = Value::Tsi, .name = "Tsi"},      {.value = Value::Tto, .name = "Tto"},
    {.value = Value::Tso, .name = "Tso"},      {.value = Value::TtoShown, .name = "Tto"},
    {.value = Value::TsoShown, .name = "Tso"}, {.value = Value::TGMAV, .name = "Ttav"},
    {.value = Value::TAMAV, .name = "Tsav"},   {.value = Value::TGM, .name = "Ttm"},
    {.value = Value::TAM, .name = "Tsm"},      {.value = Value::Twav, .name = "Twav"},
    {.value = Value::LMTD, .name = "LMTD"},    {.value = Value::LMTDrev, .name = "LMTDrev"},
    {.value = Value::Et, .name = "Et"},        {.value = Value::Es, .name = "Es"},
    {.value = Value::Ht, .name = "Ht"},        {.value = Value::Hs, .name = "Hs"},
    {.value = Value::Wt, .name = "Wt"},        {.value = Value::VtaDt, .name = "Wt"},
    {.value = Value::VtDt, .name = "Wt"},      {.value = Value::VtDtN, .name = "Wt"},
    {.value = Value::WttKg, .name = "Wt"},     {.value = Value::Ws, .name = "Ws"},
    {.value = Value::VsaDs, .name = "Ws"},     {.value = Value::VsDsN, .name = "Ws"},
    {.value = Value::Wsx, .name = "Ws"},       {.value = Value::Vt, .name = "Vt"},
    {.value = Value::VtNormal, .name = "Vt"},  {.value = Value::Vs, .name = "Vs"},
    {.value = Value::VsNormal, .name = "Vs"},  {.value = Value::Fe, .name = "Fe"},
    {.value = Value::Wtc, .name = "Wtc"},      {.value = Value::Wo, .name = "Wo"},
    {.value = Value::DtN, .name = "DtN"},      {.value = Value::DsN, .name = "DsN"},
    {.value = Value::KI, .name = "KI"},        {.value = Value::KO, .name = "KO"},
    {.value = Value::VW, .name = "Ut"},        {.value = Value::UM, .name = "Us"},
    {.value = Value::Ai, .name = "Ai"},        {.value = Value::Ao, .name = "Ao"},
    {.value = Value::Nt, .name = "Nt"},        {.value = Value::NV, .name = "Nv"},
    {.value = Value::Nh, .name = "Nh"},        {.value = Value::H, .name = "H"},
    {.value = Value::W, .name = "W"},          {.value = Value::TL, .name = "TL"},
    {.value = Value::PtLiquid, .name = "Pt"},  {.value = Value::PtGas, .name = "Pt"},
    {.value = Value::PsGas, .name = "Ps"},
};

// A table's "－" unit column: the quantity has no unit.
constexpr std::string_view kNoUnitMark = "－";
constexpr std::string_view kNoUnit = "-";

// The gas-side losses print in mmAq or Pa, whatever the unit cell of a
// liquid's loss row says for the row.
bool gasLoss(Value v) { return v == Value::PtGas || v == Value::PsGas; }
constexpr std::string_view kGasLossOld = "mmAq";
constexpr std::string_view kGasLossSi = "Pa";

std::string unitOf(const TableField& f, bool si) {
    if (gasLoss(f.value)) return std::string(si ? kGasLossSi : kGasLossOld);
    return std::string(f.unit == kNoUnitMark ? kNoUnit : f.unit);
}

// The number a printed field shows: the value rounded to its mask (a value
// too wide for the mask prints the same number after "%").
double printedValue(double value, const MaskField& mask) {
    if (!std::isfinite(value)) return value;
    return std::strtod(roundedText(value, mask.decimals).c_str(), nullptr);
}

// The record as the tables leave it: outer area, latent means, temperature
// efficiencies settled.
calc::Record settled(const calc::Record& r, const Case& c) {
    calc::Record s = r;
    outerArea(s);
    if (!c.typedIn) latentMeans(s, c);
    settleTableValues(s, c);
    return s;
}

ResultQuantity& entry(std::vector<ResultQuantity>& list, std::string_view name) {
    for (ResultQuantity& q : list) {
        if (q.name == name) return q;
    }
    list.push_back({.name = std::string(name), .old = std::nullopt, .si = std::nullopt});
    return list.back();
}

// The number after the last "=" of a printed line.
double numberAfterEquals(const std::string& line) {
    const size_t eq = line.rfind('=');
    size_t at = eq == std::string::npos ? 0 : eq + 1;
    while (at < line.size() && (line[at] == ' ' || line[at] == '%')) ++at;
    return std::strtod(line.c_str() + at, nullptr);
}

}  // namespace

std::string_view quantityName(Value v) {
    for (const Named& n : kNames) {
        if (n.value == v) return n.name;
    }
    return {};
}

std::vector<ResultQuantity> resultQuantities(const calc::Record& r, bool english) {
    const Case c = caseOf(r);
    const calc::Record held = settled(r, c);
    std::vector<ResultQuantity> list;
    for (const DisplayMode& m : kDisplayModes) {
        if (m.english != english) continue;
        const calc::Record shown = calc::resultIn(held, m.si);
        for (const TableField& f : tableFields(tableRows(m.name), c)) {
            ResultQuantity& q = entry(list, quantityName(f.value));
            std::optional<ShownValue>& side = m.si ? q.si : q.old;
            if (side) continue;  // a quantity printed twice keeps its first showing
            side = ShownValue{.value = printedValue(valueOf(f.value, shown, c, m.si), f.mask),
                              .unit = unitOf(f, m.si)};
        }
    }
    return list;
}

BalanceRatios balanceRatios(const calc::Record& r) {
    namespace T = heat_balance_texts;
    const HeatBalance b = heatBalance(settled(r, caseOf(r)));
    auto shown = [](std::string_view line, double ratio) {
        return numberAfterEquals(formatMasked(line, {ratio}));
    };
    return {.shellOverall = shown(T::kShellOverall, ratioOrZero(b.Qs, b.Qk)),
            .tubeOverall = shown(T::kTubeOverall, ratioOrZero(b.Qt, b.Qk)),
            .shellTube = shown(T::kShellTube, ratioOrZero(b.Qs, b.Qt))};
}

}  // namespace cfhx::report
