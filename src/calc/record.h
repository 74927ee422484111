// The calculation record: every working quantity of one calculation under
// the name the output prints, single precision, in the old engineering
// units (m, h, kg, kcal, °C, kgf/cm2), plus the text mode flags of the run.
// A fresh record is zero-filled; setStartValues gives the working values
// their starting values.
#pragma once

#include <cstring>
#include <string_view>

namespace cfhx::calc {

// A mode flag: a short text ("J", "JSI", "y", "3") held inline.
struct Flag {
    char text[4] = {};

    Flag& operator=(std::string_view s) {
        size_t n = s.size() < 3 ? s.size() : 3;
        std::memset(text, 0, sizeof text);
        std::memcpy(text, s.data(), n);
        return *this;
    }
    std::string_view view() const { return std::string_view(text); }
    bool operator==(std::string_view s) const { return view() == s; }
    bool empty() const { return text[0] == '\0'; }
};

struct ModeFlags {
    Flag LangUnitMode;  // "J", "JSI", "E", "ESI"
    Flag sFLOW;         // "1" cross/counter passes, "2" parallel passes, "3" counter LMTD
    Flag sHUM;          // "1" shell humid, "2" tube humid, "3" none
    Flag sCOND;         // "y" latent heat exchanged
    Flag sTUBE;         // "1" bare, "2" finned
    Flag sFIN;          // "1" radial fin, "2" plate fin
    Flag finned;        // "y" for tube types 2 and 3
    Flag arrangement;   // "1" triangular, "2" square
    Flag sTAPE;         // "y" twisted tape fitted
    Flag sPROP;         // "1" correlations, "2" typed-in properties
    Flag sSF;           // shell gas description
    Flag sTGAS;         // tube gas description
    Flag sTF;           // tube property method ("2" water, "4", "5" gas)
    Flag sPROC;         // processing No. "1"–"6"
    Flag sCOLS;         // "y" tube columns computed (processing No. 7, run as No. 5)
    Flag sVAP;          // "y" typed-in single-component vapour condensing in the tubes
};

// Components of a gas mixture, in this order everywhere.
enum Component { kCO2 = 0, kN2 = 1, kO2 = 2, kH2O = 3, kComponents = 4 };

// Last value of each component polynomial on one side; a temperature below
// a component's lowest range keeps it.
struct ComponentMemory {
    float cp[kComponents];
    float mu[kComponents];
    float lambda[kComponents];
};

// Passes each loop of the rating ran, named as their limits (PassLimits);
// the condensing side counts whole passes.
struct PassCounts {
    int meanTemperature = 0;
    int tubeVelocity = 0;
    int shellVelocity = 0;
    int rowsLength = 0;
    int outlet = 0;
    int humidRelaxation = 0;
    int phase3 = 0;
    int correction = 0;
    int vapour = 0;
    int condensing = 0;
    int columnSearch = 0;
    int humidOuter = 0;
};

struct Record {
    ModeFlags flags;
    PassCounts passes;  // kept before the numbers: those run from UnitCode to the end

    // Selection codes as read from their fields.
    float UnitCode, TubeFluidKind, ShellFluidKind, HtcMode, PhaseChangeKind, PhaseChangeChosen, ProcessingNo;
    float TubeFlowKind, ShellFlowKind, TubeMoistureMode, ShellMoistureMode, TubeHeatClass;
    float TubeType;     // 1 bare, 2 radial fin, 3 plate fin
    float FlowPattern;  // flow arrangement code
    float ArrangementCode;  // 1 triangular, 2 square
    float TapeCode;         // 1 no twisted tape, 2 fitted
    float TubeGasComposition, ShellGasComposition;  // 1 dry air, 2 air with moisture, 3 full

    // Temperatures, °C. Those read at the start of a run, like the flows,
    // stay as entered (K and per second in SI) until the gas dialogue and
    // the flows take them; TL and Dcf likewise stay in mm until then.
    float Tti, Tto, Tsi, Tso, T3;
    float TGM, TGMAV, TAM, TAMAV, Twav;
    float TwK, TgK;      // 273 + Twav and 273 + TGM for the tape correlations
    float Tw;            // wall temperature of a wetted surface
    float TdewS, TdewT;  // dew points of the shell and tube gas
    float TZ3, TZ3X;     // condensing-side outlet and its reference
    float TX, TY, T2X, TY2;
    float T44X;  // shell outlet aimed at when the columns are computed
    float TB;    // shell outlet from the balance, single-component condensation
    float TsatS;  // shell saturation temperature as entered
    float SummaryTti, SummaryTsi;  // inlet temperatures left on the summary screen

    // Geometry, m.
    float DO, DI, Fh, FT, FPI, FS, Df, Pv, Ph, PVY, PHX, TL;
    float Nt, Nh, NV, Nv, NVX, PNt, PNs;
    float H, W;
    float TTP2, TTh, Dh;
    float De, Gf;  // plate fin: equivalent diameter and fin gap
    float Frow, Cz;
    float PvFin, PhFin;  // pitches on the fin tip of a radial-fin tube

    // Properties at the property temperatures.
    float Dt, Ds, Ct, Cs, Kt, Ks, VIt, VIs;
    float As, Prt, Pb, Pbw, Pvis;
    float DtN, DsN, Dn, Dns;
    float Kf, Km, Rt, Rs, CFt, CFs;
    float hfg, Dsl, Ctl, Ktl, VItl, Psat, SIGt, Dcf;
    ComponentMemory shellMemory, tubeMemory;

    // Gas compositions: wet and dry fractions of 1, by Component.
    float shellWet[kComponents], shellDry[kComponents];
    float tubeWet[kComponents], tubeDry[kComponents];
    float XA, XG, Vxa, VH, MS, MT, Cpg, Hsat;

    // Coefficients, kcal/m2h°C.
    float Ht, Hs, Ht0, Hs0, HtUser, HsUser, Hti, Hso, Hto, Hsi, Htx;
    float KI, KO, Fe, mL, Kc, Kx;
    float HsWet, HtWet;  // coefficients of the previous wet pass
    float FeExp, KL;     // fin-efficiency exponent, condensate film conductivity

    // Areas, m2 (per fin pitch for Afin, AfinE).
    float Ai, Ao, Aeff, Aoe, Afin, AfinE, AR, AreaFactor;

    // Flows and velocities.
    float Wt, Ws, Vt, Vs, Vta, Vsa, Wtt, Wc, Wm, Wtc, Wo, Wsx;
    float VW, UM, U, UH, Ret, Res, RetT, ReStar;

    // Heat and mean temperature difference.
    float Q, Q2, Qk, Qt, Qs, QG, QK;
    float LMTD, FF, Fthe, EFF, FEEX, NTUS, Es, Et, Cmin, Cmax;

    // Pressure losses.
    float Pt, Ps, DPt, DPs, f, fs, Cbank, LossFactorT, LossFactorS;

    // Heat-capacity rates of the shell and tube flows, kcal/h°C.
    float WsCs, WtCt;
    // Rating set-up choice (A): 1 shell outlet given, 2 rows and length given.
    float ChoiceA;
    // Set-up (C): 1 the shell flow was given rather than the tube outlet.
    float ChoiceC;

    // The condensing (humid) side in and out.
    float Xin, Xout;        // absolute humidity, kg/kg dry gas
    float HsatIn, HsatOut;  // saturated enthalpy, kcal/kg dry gas
    float PvsIn, PvsOut;    // saturation pressure of water, kgf/cm2
    float VNo, VAo;         // outlet normal flow, Nm3/h, and its actual volume, m3/h
    float DHin, DHout;      // humid densities, kg dry gas/m3

    // Pass counters.
    float CNT3, LIM6, LIMIT;
};

// π of the area and velocity terms.
inline constexpr float kPi = 3.1416f;
// Total pressure, kgf/cm2.
inline constexpr float kPressure = 1.033f;
// Tube length assumed when the tube rows are given, m.
inline constexpr float kDefaultTubeLength = 2.0f;

// Standard air, dry base, fractions of 1.
inline constexpr float kAirCO2 = 0.0003f, kAirN2 = 0.7902f, kAirO2 = 0.2095f;

// The working values every calculation starts from.
void setStartValues(Record& r);

// A zero-filled record with its start values.
inline Record freshRecord() {
    Record r{};
    setStartValues(r);
    return r;
}

enum class TubeKind { Bare, RadialFin, PlateFin };
TubeKind tubeKind(const Record& r);
// A twisted tape counts unless water flows in the tubes.
bool tapeFitted(const Record& r);

// Sizing (phase 1) or rating (phases 2 and 3).
enum class Phase { Sizing, Rating };

}  // namespace cfhx::calc
