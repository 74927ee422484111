#include "report/result_rows.h"

#include <cmath>
#include <utility>
#include <vector>

#include "app/codes.h"
#include "app/mask.h"
#include "app/pane.h"
#include "app/screens.h"
#include "app/text_width.h"
#include "calc/record.h"
#include "calc/units.h"

namespace cfhx::report {

using calc::Record;

Case caseOf(const Record& r) {
    Case c;
    const FluidKind tube = fluidKind(r.TubeFluidKind), shell = fluidKind(r.ShellFluidKind);
    if (shell == FluidKind::HumidGas) c.latent = Case::LatentSide::Shell;
    else if (tube == FluidKind::HumidGas) c.latent = Case::LatentSide::Tube;
    c.tubeTypedIn = tube == FluidKind::Manual;
    c.typedIn = c.tubeTypedIn || shell == FluidKind::Manual;
    // A typed-in liquid (medium code 1) is shown as water.
    c.water = tube == FluidKind::Water || (c.tubeTypedIn && heatClass(r.TubeHeatClass) == HeatClass::Sensible);
    c.finned = calc::tubeKind(r) != calc::TubeKind::Bare;
    c.vapour = r.flags.sVAP == YesNo::Yes;
    c.branch = r.ChoiceA == 2.0f && r.ChoiceC == 1.0f && r.flags.sFLOW != Flow::CounterLmtd;
    c.shellMassKnown = r.Ws != 0.0f;
    c.phaseChange = wholeNumber(r.PhaseChangeKind);
    return c;
}

bool holds(When when, const Case& c) {
    const bool latent = c.latent != Case::LatentSide::None;
    const bool gasTubes = !c.water && !c.tubeTypedIn;
    const bool evaporation = c.phaseChange == static_cast<int>(PhaseChange::Evaporation);
    const bool condensation = c.phaseChange == static_cast<int>(PhaseChange::Condensation);
    const bool notLatent = c.vapour || !latent;
    switch (when) {
        case When::Always: return true;
        case When::Latent: return latent;
        case When::Sensible: return !latent;
        case When::SensibleBranch: return !latent && c.branch;
        case When::SensibleRating: return !latent && !c.branch;
        case When::PropertiesComputed: return !c.typedIn;
        case When::TubeWallKnown: return !c.tubeTypedIn || c.vapour;
        case When::HtcLiquidOrTypedIn: return c.typedIn || c.water;
        case When::HtcLatentGas: return latent && !(c.typedIn || c.water);
        case When::HtcSensibleGas: return !latent && !(c.typedIn || c.water);
        case When::TubeTypedInGas: return !c.water && c.tubeTypedIn;
        case When::TubeGas: return gasTubes;
        case When::TubeGasShellMassKnown: return gasTubes && c.shellMassKnown;
        case When::TubeGasShellMassOpen: return gasTubes && !c.shellMassKnown;
        case When::Water: return c.water;
        case When::WaterLatent: return c.water && latent;
        case When::WaterSensible: return c.water && !latent;
        case When::NotWater: return !c.water;
        case When::Finned: return c.finned;
        case When::TubeNotTypedIn: return !c.tubeTypedIn;
        case When::Evaporation: return evaporation;
        case When::Condensation: return condensation;
        case When::OtherPhase: return !evaporation && !condensation;
        case When::EvaporationNotLatent: return evaporation && notLatent;
        case When::CondensationNotLatent: return condensation && notLatent;
        case When::OtherPhaseOrLatent: return !((evaporation || condensation) && notLatent);
        case When::LatentOrVapour: return latent || c.vapour;
    }
    return false;
}

double ratioOrZero(double a, double b) {
    if (b == 0.0) return 0.0;
    const double q = a / b;
    return std::isfinite(q) ? q : 0.0;
}

namespace {

// Actual volume flow at a property temperature to normal flow; the
// temperature is taken in ℃ in every unit system.
double normalFlow(double actual, double propertyTemperature, bool si) {
    const double celsius = si ? propertyTemperature - calc::kKelvin : propertyTemperature;
    return ratioOrZero(actual * calc::kKelvin, calc::kKelvin + celsius);
}

// A gas-side loss cell: mmAq from kgf/cm2, or Pa from MPa.
constexpr double kMmAqPerKgfCm2 = 10000.0;
constexpr double kPaPerMpa = 1.0e6;
double gasLoss(double loss, bool si) { return loss * (si ? kPaPerMpa : kMmAqPerKgfCm2); }

// Water flow in t/h (t/s) to kg/h (kg/s).
constexpr double kKgPerTonne = 1000.0;

}  // namespace

double valueOf(Value v, const Record& r, const Case& c, bool si) {
    using D = double;
    switch (v) {
        case Value::None: return 0.0;
        case Value::Q: return r.Q;
        case Value::Q2: return r.Q2;
        case Value::Qk: return r.Qk;
        case Value::Tti: return r.Tti;
        case Value::Tsi: return r.Tsi;
        case Value::Tto: return r.Tto;
        case Value::Tso: return r.Tso;
        case Value::TtoShown: return c.branch ? r.T2X : r.Tto;
        case Value::TsoShown: return c.branch ? r.TY2 : r.Tso;
        case Value::TGMAV: return r.TGMAV;
        case Value::TAMAV: return r.TAMAV;
        case Value::TGM: return r.TGM;
        case Value::TAM: return r.TAM;
        case Value::Twav: return r.Twav;
        case Value::LMTD: return r.LMTD;
        case Value::LMTDrev: return D(r.LMTD) * r.Fthe;
        case Value::Et: return r.Et;
        case Value::Es: return r.Es;
        case Value::Ht: return D(r.Ht0) * r.CFt;
        case Value::Hs: return D(r.Hs0) * r.CFs;
        case Value::Wt: return r.Wt;
        case Value::Ws: return r.Ws;
        case Value::Vt: return r.Vt;
        case Value::Vs: return r.Vs;
        // Wsx is held per hour in either unit system.
        case Value::Wsx: return si ? D(r.Wsx) / calc::kSecondsPerHour : D(r.Wsx);
        case Value::VtaDt: return D(r.Vta) * r.Dt;
        case Value::VsaDs: return D(r.Vsa) * r.Ds;
        case Value::VtDt: return D(r.Vt) * r.Dt;
        case Value::VtDtN: return D(r.Vt) * r.DtN;
        case Value::VsDsN: return D(r.Vs) * r.DsN;
        case Value::WttKg: return D(r.Wtt) * kKgPerTonne;
        case Value::VtNormal: return normalFlow(r.Vta, r.TGMAV, si);
        case Value::VsNormal: return normalFlow(r.Vsa, r.TAMAV, si);
        case Value::Fe: return r.Fe;
        case Value::Wtc: return r.Wtc;
        case Value::Wo: return r.Wo;
        case Value::DtN: return r.DtN;
        case Value::DsN: return r.DsN;
        case Value::KI: return r.KI;
        case Value::KO: return r.KO;
        case Value::VW: return r.VW;
        case Value::UM: return r.UM;
        case Value::Ai: return r.Ai;
        case Value::Ao: return r.Ao;
        case Value::Nt: return r.Nt;
        case Value::NV: return r.NV;
        case Value::Nh: return r.Nh;
        case Value::H: return r.H;
        case Value::W: return r.W;
        case Value::TL: return r.TL;
        case Value::PtLiquid: return r.Pt;
        case Value::PtGas: return gasLoss(r.Pt, si);
        case Value::PsGas: return gasLoss(r.Ps, si);
    }
    return 0.0;
}

namespace {

// Fields of a format piece: runs of "#" with at most one "." (a field may
// start with the point).
int fieldCount(std::string_view text) {
    int n = 0;
    size_t i = 0;
    while (i < text.size()) {
        const bool starts = text[i] == '#' || (text[i] == '.' && i + 1 < text.size() && text[i + 1] == '#');
        if (!starts) {
            ++i;
            continue;
        }
        ++n;
        bool point = false;
        while (i < text.size() && (text[i] == '#' || (text[i] == '.' && !point))) {
            if (text[i] == '.') point = true;
            ++i;
        }
    }
    return n;
}

// The cell separators of the box-drawn tables.
constexpr std::string_view kSeparators[] = {"│", "┃"};

// Position and length of the next separator at or after `from`.
std::pair<size_t, size_t> nextSeparator(std::string_view text, size_t from) {
    size_t best = std::string_view::npos, length = 0;
    for (std::string_view s : kSeparators) {
        const size_t at = text.find(s, from);
        if (at < best) {
            best = at;
            length = s.size();
        }
    }
    return {best, length};
}

}  // namespace

std::string fillRow(std::string_view format, std::span<const double> values) {
    std::string out;
    size_t next = 0;  // next value
    size_t at = 0;
    while (at <= format.size()) {
        const auto [sep, sepLength] = nextSeparator(format, at);
        const std::string_view cell = format.substr(at, sep == std::string_view::npos ? std::string_view::npos : sep - at);
        const size_t fields = static_cast<size_t>(fieldCount(cell));
        if (fields == 0) {
            out += cell;
        } else if (values.size() - next < fields) {
            out.append(static_cast<size_t>(textColumns(cell)), ' ');
            next = values.size();
        } else {
            out += formatMasked(cell, values.subspan(next, fields));
            next += fields;
        }
        if (sep == std::string_view::npos) break;
        out += format.substr(sep, sepLength);
        at = sep + sepLength;
    }
    return out;
}

void printRows(Pane& pane, std::span<const Row> rows, const Record& r, const Case& c, bool si) {
    std::vector<double> values;
    for (const Row& row : rows) {
        if (!holds(row.when, c)) continue;
        values.clear();
        for (Value v : row.values) {
            if (v == Value::None) break;
            values.push_back(valueOf(v, r, c, si));
        }
        pane.print(fillRow(row.format, values));
    }
}

}  // namespace cfhx::report

namespace cfhx::report {

namespace {

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

bool symbolChar(char ch) {
    return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9');
}

// The name written before a field at `at`: "Ttm =" and "rev " name Ttm and rev.
std::string_view symbolBefore(std::string_view cell, size_t at) {
    size_t end = at;
    while (end > 0 && (cell[end - 1] == '=' || cell[end - 1] == ' ')) --end;
    size_t begin = end;
    while (begin > 0 && symbolChar(cell[begin - 1])) --begin;
    return cell.substr(begin, end - begin);
}

// The cells of a row: leading blanks, No., item, unit, then the tube and
// shell columns (one cell when a quantity spans both).
constexpr size_t kUnitCell = 3;
constexpr size_t kTubeCell = 4;

}  // namespace

std::vector<TableField> tableFields(std::span<const Row> rows, const Case& c) {
    std::vector<TableField> fields;
    for (const Row& row : rows) {
        if (!holds(row.when, c)) continue;
        size_t valuesLeft = 0;
        while (valuesLeft < row.values.size() && row.values[valuesLeft] != Value::None) ++valuesLeft;
        size_t nextValue = 0;
        std::vector<std::string_view> units;
        size_t at = 0;
        for (size_t cellNo = 0; at <= row.format.size() && nextValue < valuesLeft; ++cellNo) {
            const auto [sep, sepLength] = nextSeparator(row.format, at);
            const std::string_view cell =
                row.format.substr(at, sep == std::string_view::npos ? std::string_view::npos : sep - at);
            if (cellNo == kUnitCell) {
                const std::string_view unit = trimBlanks(cell);
                const size_t comma = unit.find(',');
                if (comma == std::string_view::npos) units = {unit};
                else units = {unit.substr(0, comma), unit.substr(comma + 1)};
            }
            const size_t count = static_cast<size_t>(fieldCount(cell));
            if (count > 0 && valuesLeft - nextValue >= count) {
                std::string_view unit;
                if (!units.empty()) unit = units.size() == 2 && cellNo > kTubeCell ? units[1] : units[0];
                for (size_t i = 0; i < cell.size();) {
                    const bool starts = cell[i] == '#' || (cell[i] == '.' && i + 1 < cell.size() && cell[i + 1] == '#');
                    if (!starts) {
                        ++i;
                        continue;
                    }
                    TableField f{.symbol = symbolBefore(cell, i), .unit = unit, .mask = {}, .value = row.values[nextValue++]};
                    for (; i < cell.size(); ++i) {
                        if (cell[i] == '#') (f.mask.point ? f.mask.decimals : f.mask.intDigits)++;
                        else if (cell[i] == '.' && !f.mask.point) f.mask.point = true;
                        else break;
                    }
                    fields.push_back(f);
                }
            } else if (count > 0) {
                nextValue = valuesLeft;  // blanked, as fillRow leaves it
            }
            if (sep == std::string_view::npos) break;
            at = sep + sepLength;
        }
    }
    return fields;
}

}  // namespace cfhx::report
