// A result table as data: each row a format text with "#" fields, the
// condition under which it is printed and the quantities that fill it. One
// evaluator prints every table of every display mode.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/mask.h"

namespace cfhx {
class Pane;
}

namespace cfhx::calc {
struct Record;
}

namespace cfhx::report {

// When a row is printed. "Water in the tubes" counts a typed-in liquid too;
// "gas in the tubes" is neither water nor typed in.
enum class When : uint8_t {
    Always,
    Latent,                 // one side carries saturated humid gas
    Sensible,
    SensibleBranch,         // sensible, rows and length given, shell flow given, not counter LMTD
    SensibleRating,         // the other sensible cases
    PropertiesComputed,     // neither side typed in
    TubeWallKnown,          // tube side not typed in, or the typed-in condensing vapour
    HtcLiquidOrTypedIn,     // typed-in properties, or water in the tubes
    HtcLatentGas,           // latent, gas in the tubes
    HtcSensibleGas,         // sensible, gas in the tubes
    TubeTypedInGas,         // typed-in gas in the tubes: mass flows instead of volume rows
    TubeGas,                // gas in the tubes
    TubeGasShellMassKnown,  // as TubeGas, with a shell mass flow
    TubeGasShellMassOpen,   // as TubeGas, shell mass flow 0
    Water,
    WaterLatent,
    WaterSensible,
    NotWater,
    Finned,
    TubeNotTypedIn,
    Evaporation,             // PhaseChangeKind 1
    Condensation,            // PhaseChangeKind 3
    OtherPhase,              // neither
    EvaporationNotLatent,    // evaporation, with the typed-in vapour or a sensible case
    CondensationNotLatent,   // condensation, likewise
    OtherPhaseOrLatent,      // neither of the two before
    LatentOrVapour,          // latent, or the typed-in condensing vapour
};

// The quantities a row shows, by the name the masks print.
enum class Value : uint8_t {
    None,
    Q, Q2, Qk,
    Tti, Tsi, Tto, Tso,
    TtoShown, TsoShown,  // the effectiveness outlets T2X, TY2 when Q2 is shown
    TGMAV, TAMAV, TGM, TAM, Twav,
    LMTD, LMTDrev,       // LMTD·Fthe
    Et, Es,
    Ht, Hs,              // Ht0·CFt, Hs0·CFs
    Wt, Ws, Vt, Vs, Wsx,
    VtaDt, VsaDs, VtDt, VtDtN, VsDsN,
    WttKg,               // Wtt·1000
    VtNormal, VsNormal,  // actual flow to normal by the property temperature in ℃
    Fe, Wtc, Wo, DtN, DsN,
    KI, KO, VW, UM, Ai, Ao,
    Nt, NV, Nh, H, W, TL,
    PtLiquid,            // kgf/cm2 or MPa
    PtGas, PsGas,        // mmAq or Pa
};

struct Row {
    std::string_view format;
    When when = When::Always;
    std::array<Value, 3> values{};
};

// What the row conditions read, settled once per presentation.
struct Case {
    enum class LatentSide { None, Shell, Tube };
    LatentSide latent = LatentSide::None;
    bool typedIn = false;      // typed-in properties (either side)
    bool tubeTypedIn = false;
    bool water = false;        // water or a typed-in liquid in the tubes
    bool finned = false;
    bool vapour = false;       // typed-in single-component vapour condensing in the tubes
    bool branch = false;       // the effectiveness branch's Q2 is the duty
    bool shellMassKnown = false;
    int phaseChange = 0;       // PhaseChangeKind
};

Case caseOf(const calc::Record& r);
bool holds(When when, const Case& c);
// `si`: the record is in SI (normal flows and loss cells depend on it).
double valueOf(Value v, const calc::Record& r, const Case& c, bool si);

// a / b, or 0 when b is 0 or the quotient is not finite: no ratio of a
// table prints NaN or inf.
double ratioOrZero(double a, double b);

// One row's text: the fields filled in order; a cell whose fields have no
// value left is blanked to its width.
std::string fillRow(std::string_view format, std::span<const double> values);

// Prints the rows whose condition holds.
void printRows(Pane& pane, std::span<const Row> rows, const calc::Record& r, const Case& c, bool si);

// The rows of the table of `mode` ("J", "JSI", "E", "ESI"; anything else reads as "J").
std::span<const Row> tableRows(std::string_view mode);

// One field of a printed row: the symbol written before it ("Q", "Tti",
// "PDt"), the unit of its column ("kcal/h"; a unit cell "m3/h,Nm3/h" gives
// the tube column the first, the shell column the second; "－" when the
// quantity has none), its mask and its quantity.
struct TableField {
    std::string_view symbol;
    std::string_view unit;
    MaskField mask;
    Value value = Value::None;
};

// The fields of the rows whose condition holds, in printing order.
std::vector<TableField> tableFields(std::span<const Row> rows, const Case& c);

}  // namespace cfhx::report
