#include "platform/cases/result_json.h"

#include <nlohmann/json.hpp>

#include "report/display_mode.h"
#include "report/result_quantities.h"
#include "version.h"

namespace cfhx {
namespace {

using nlohmann::ordered_json;

std::string_view fluidName(FluidKind kind) {
    switch (kind) {
        case FluidKind::HumidGas: return "humid gas";
        case FluidKind::Gas: return "gas";
        case FluidKind::Water: return "water";
        case FluidKind::Manual: return "typed-in properties";
        case FluidKind::None: break;
    }
    return "none";
}

ordered_json caseJson(const CaseResult& result, const RunInfo& info) {
    ordered_json c = {{"file", info.file}, {"date", info.date}, {"mode", info.mode}};
    if (!result.settings) return c;
    const CaseSettings& s = *result.settings;
    c["units"] = s.si ? "SI" : "old";
    c["tubeFluid"] = fluidName(s.tube);
    c["shellFluid"] = fluidName(s.shell);
    c["processingNo"] = s.processingNo > 0 ? ordered_json(s.processingNo) : ordered_json();
    return c;
}

ordered_json shownJson(const std::optional<report::ShownValue>& v) {
    if (!v) return nullptr;
    return {{"value", v->value}, {"unit", v->unit}};
}

ordered_json passesJson(const calc::PassCounts& p) {
    return {{"meanTemperature", p.meanTemperature}, {"tubeVelocity", p.tubeVelocity},
            {"shellVelocity", p.shellVelocity},     {"rowsLength", p.rowsLength},
            {"outlet", p.outlet},                   {"humidRelaxation", p.humidRelaxation},
            {"phase3", p.phase3},                   {"correction", p.correction},
            {"vapour", p.vapour},                   {"condensing", p.condensing},
            {"columnSearch", p.columnSearch},       {"humidOuter", p.humidOuter}};
}

}  // namespace

std::string resultJson(const CaseResult& result, const RunInfo& info) {
    ordered_json j;
    j["program"] = {{"name", kProgramName}, {"version", kProgramVersion}};
    j["case"] = caseJson(result, info);
    j["status"] = info.status;
    if (!info.message.empty()) j["message"] = info.message;

    ordered_json inputs = ordered_json::object();
    for (const FieldValue& f : result.inputs) inputs[f.screen + "." + f.control] = f.text;
    j["inputs"] = std::move(inputs);

    if (result.record) {
        const calc::Record& r = *result.record;
        ordered_json results = ordered_json::array();
        for (const report::ResultQuantity& q : report::resultQuantities(r, report::displayMode(info.mode).english)) {
            results.push_back({{"name", q.name}, {"old", shownJson(q.old)}, {"si", shownJson(q.si)}});
        }
        j["results"] = std::move(results);
        const report::BalanceRatios b = report::balanceRatios(r);
        j["heatBalance"] = {{"Qs/Qk", b.shellOverall}, {"Qt/Qk", b.tubeOverall}, {"Qs/Qt", b.shellTube}};
        j["passes"] = passesJson(r.passes);
    }
    return j.dump(2, ' ', false, ordered_json::error_handler_t::replace) + "\n";
}

}  // namespace cfhx
