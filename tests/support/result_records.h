// Finished calculation records for the result tests, filled by hand with
// plausible values in the old units, and the variants of a run the result
// tables tell apart.
#pragma once

#include <string>

#include "calc/record.h"

namespace cfhx::testing {

// Hot flue gas in radial-fin tubes heating air across the bundle, one pass
// on each side, processing No. 5, display mode "J".
inline calc::Record finishedGasRun() {
    calc::Record r = calc::freshRecord();
    calc::ModeFlags& f = r.flags;
    f.LangUnitMode = "J";
    f.sFLOW = "1";
    f.sHUM = "3";
    f.sCOND = "n";
    f.sTUBE = "2";
    f.sFIN = "1";
    f.finned = "y";
    f.sPROP = "1";
    f.sVAP = "n";
    f.sTAPE = "n";
    f.sPROC = "5";

    r.UnitCode = 4;
    r.TubeFluidKind = 2;
    r.ShellFluidKind = 2;
    r.TubeType = 2;
    r.FlowPattern = 1;
    r.PNt = r.PNs = 1;
    r.ProcessingNo = 5;
    r.PhaseChangeKind = 0;
    r.TubeMoistureMode = r.ShellMoistureMode = 1;

    // Temperatures, ℃.
    r.Tti = 300;
    r.Tto = 180;
    r.Tsi = 20;
    r.Tso = 120;
    r.T2X = 180;
    r.TY2 = 120;
    r.TGM = 240;
    r.TAM = 70;
    r.TGMAV = 160;
    r.TAMAV = 95;
    r.Twav = 110;

    // Duty, kcal/h; LMTD, ℃.
    r.Q = 300000;
    r.LMTD = 160;
    r.Fthe = 0.95f;
    r.FF = 1;

    // Coefficients, kcal/m2h℃.
    r.Ht0 = 40;
    r.Hs0 = 50;
    r.CFt = 1;
    r.CFs = 1.2f;
    r.KI = 32.5f;
    r.KO = 3.9f;
    r.Fe = 0.85f;

    // Flows (Nm3/h, m3/h, kg/h) and densities (kg/m3, kg/Nm3).
    r.Vt = 8000;
    r.Vs = 10000;
    r.Vta = 12000;
    r.Vsa = 13000;
    r.Dt = 0.8f;
    r.Ds = 1.0f;
    r.DtN = 1.3f;
    r.DsN = 1.293f;
    r.Wt = 10400;
    r.Ws = 12930;

    // Bundle, m and m2; fins per inch 2.54 make 100 fins per metre.
    r.DO = 0.0318f;
    r.DI = 0.0278f;
    r.FPI = 2.54f;
    r.Afin = 0.01f;
    r.AfinE = 0.008f;
    r.TL = 3;
    r.Nt = 200;
    r.NV = r.Nv = 20;
    r.Nh = 10;
    r.H = 1.5f;
    r.W = 0.9f;
    r.Ai = 60;
    r.Aeff = 500;

    // Velocities, m/s; losses, kgf/cm2.
    r.VW = 15;
    r.UM = 8;
    r.Pt = 0.002f;
    r.Ps = 0.003f;

    // Properties at the property temperatures.
    r.Ct = 0.26f;
    r.Cs = 0.24f;
    r.Kt = 0.03f;
    r.Ks = 0.025f;
    r.VIt = 0.1f;
    r.VIs = 0.06f;

    // Wet compositions, fractions of 1: flue gas in the tubes, air outside.
    const float tube[] = {0.10f, 0.72f, 0.05f, 0.13f};
    const float shell[] = {0.0003f, 0.7902f, 0.2095f, 0.0f};
    for (int k = 0; k < calc::kComponents; ++k) {
        r.tubeWet[k] = tube[k];
        r.shellWet[k] = shell[k];
    }
    return r;
}

inline void makeBare(calc::Record& r) {
    r.flags.sTUBE = "1";
    r.flags.finned = "n";
    r.TubeType = 1;
}

// Water in the tubes (flow in t/h as Wtt).
inline void makeWaterTubes(calc::Record& r) {
    r.TubeFluidKind = 3;
    r.flags.sTF = "2";
    r.Wtt = 10;
    r.Dt = 990;
    r.Ct = 1.0f;
}

// Saturated humid gas condensing outside: dew point in, TZ3 out.
inline void makeLatentShell(calc::Record& r) {
    r.ShellFluidKind = 1;
    r.flags.sHUM = "1";
    r.flags.sCOND = "y";
    r.flags.sFLOW = "3";
    r.TdewS = 60;
    r.TZ3 = 40;
    r.Wc = 120;
    r.Qk = 280000;
}

// Saturated humid gas condensing in the tubes.
inline void makeLatentTube(calc::Record& r) {
    r.TubeFluidKind = 1;
    r.flags.sHUM = "2";
    r.flags.sCOND = "y";
    r.flags.sFLOW = "3";
    r.TdewT = 70;
    r.TZ3 = 45;
    r.Wc = 150;
    r.Qk = 280000;
}

// Typed-in properties on both sides; `medium` 1 liquid, 2 gas or vapour.
inline void makeTypedIn(calc::Record& r, int medium) {
    r.TubeFluidKind = r.ShellFluidKind = 4;
    r.flags.sPROP = "2";
    r.TubeHeatClass = static_cast<float>(medium);
}

// The gas/gas run as the printed sheet needs it: set up with the tube rows
// and length and the shell flow given (processing No. 5), the effectiveness
// outlets and duty, and the property, fin and bundle figures the input
// tables show.
inline calc::Record finishedGasSheetRun() {
    calc::Record r = finishedGasRun();
    r.ChoiceA = 2;
    r.ChoiceC = 1;
    r.HtcMode = 2;  // tube coefficient given: no saturation rows
    r.Q2 = 300000;
    r.Rt = 0.0002f;
    r.Rs = 0.0004f;
    r.Kf = 40;
    r.Km = 45;
    r.XG = 0.08f;
    r.XA = 0.01f;
    r.Fh = 0.015f;
    r.FT = 0.0008f;
    r.Pv = 0.075f;
    r.Ph = 0.065f;
    r.Df = 0.0618f;
    r.Ret = 21000;
    r.Res = 9000;
    r.AR = 8.0f;
    return r;
}

// A twisted tape in gas tubes, pitch TTP2 in m.
inline void makeTape(calc::Record& r) {
    r.flags.sTAPE = "y";
    r.TapeCode = 2;
    r.TTP2 = 0.1f;
    r.RetT = 1234.5f;
}

}  // namespace cfhx::testing
