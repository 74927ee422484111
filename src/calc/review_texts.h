// Texts of the settings review and of the typed-in property path: the
// framed construction list, the row-count notes, the numbered echo lines of
// the properties, the given coefficients and the inlet settings.
#pragma once

#include <string_view>

namespace cfhx::review_texts {

using std::string_view;

// The framed construction list; items 1-4, 10 and 11 carry their masks.
inline constexpr string_view kTitle = "                      ＜  基本設定値　＞";
inline constexpr string_view kRuleTop = "    ≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡";
inline constexpr string_view kDo = "     [1]  管外径-------------------------- Do(mm) =##.##";
inline constexpr string_view kDi = "     [2]  管内径-------------------------- Di(mm) =##.##";
inline constexpr string_view kPvDo = "     [3]  管段ﾋﾟｯﾁ最外径比(前面)---------- Pv/Do(-)=##.##";
inline constexpr string_view kPhDo = "     [4]  管列ﾋﾟｯﾁ最外径比(奥行)---------- Ph/Do(-)=##.##";
// Items 5-8 in SI: the values as entered under masks.
inline constexpr string_view kKfSi = "     [5]  ﾌｨﾝ材熱伝導率------------------ Kf(W/mk)=###.#";
inline constexpr string_view kKmSi = "     [6]  管材熱伝導率------------------- Km(W/mk)=###.#";
inline constexpr string_view kRtSi = "     [7]  管内汚れ係数------------------ Rt(m2k/W)=.#####";
inline constexpr string_view kRsSi = "     [8]  管外汚れ係数------------------ Rs(m2k/W)=.#####";
// Items 5-8 in the other modes, followed by the value unmasked.
inline constexpr string_view kKf = "     [5]  ﾌｨﾝ材熱伝導率-------------- Kf(kcal/mhc)=";
inline constexpr string_view kKm = "     [6]  管材熱伝導率--------------- Km(kcal/mhc)=";
inline constexpr string_view kRt = "     [7]  管内汚れ係数-------------- Rt(m2hc/kcal)=";
inline constexpr string_view kRs = "     [8]  管外汚れ係数-------------- Rs(m2hc/kcal)=";
inline constexpr string_view kFp = " 　　[9] 　ﾌｨﾝﾋﾟｯﾁ(山数/ｲﾝﾁ)---------------- Fp(-)=";
inline constexpr string_view kFh = "     [10]  ﾌｨﾝ高さ------------------------- Fh(mm)=##.##";
inline constexpr string_view kFt = "     [11]  ﾌｨﾝ肉厚------------------------- Ft(mm)=##.##";
inline constexpr string_view kRuleBottom = "    ≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡";

// Row count by calculation target: missing, or released for targets 3 and 4.
inline constexpr string_view kSetRows = "    ★ 管段数を設定してください 。";
inline constexpr string_view kRowsReleased = "   注)  ★★　既設定管段数は解除されます。★★";

// Tube medium code (1 liquid, 2 gas or vapour) and its refusal.
inline constexpr string_view kMediumCode = "     29)MANU1=";
inline constexpr string_view kOneOrTwo = "     1 or 2を入力して下さい";

// Tube liquid: density, specific heat, conductivity, kinematic viscosity.
inline constexpr string_view kLiquidHeading = "     1． 管内側液体の平均物性値入力。";
// old units
inline constexpr string_view kLiquid[] = {
    "      45) <1> 液比重 .......... Dtl(kg/m3)=",
    "      46) <2> 液比熱 .......... Ctl(kcal/kg℃)=",
    "      47) <3> 液熱伝導率....... Ktl(kcal/mh℃)=",
    "      48) <4> 液動粘性係数..... VItl(m2/h)=",
};
// SI
inline constexpr string_view kLiquidSi[] = {
    "      62) <1> 液比重 .......... Dtl(kg/m3)=",
    "      63）<2> 液比熱 .......... Ctl(kJ/kgK)=",
    "      64) <3> 液熱伝導率....... Ktl(W/mK)=",
    "      65) <4> 液動粘性係数..... VIt(m2/s)=",
};

// Heat-transfer form of a gas or vapour in the tubes.
inline constexpr string_view kFormHeading = "     31) 管内側伝熱形態の選定。";
inline constexpr string_view kFormVapour = "                   <1> 単一成分系飽和蒸気凝縮";
inline constexpr string_view kFormGas = "                   <2> 乾きガス              ";

// Condensing vapour: hfg, Dt, Ct, Kt, VIt, then the condensate Dsl, Ctl, Ktl, VItl.
inline constexpr string_view kVapour[] = {
    "      32) <1> 凝縮潜熱　........... hfg(kcal/kg)=",
    "      33) <2> 飽和蒸気比重 ........ Dt(kg/m3)=",
    "      34) <3> 飽和蒸気比熱  ....... Ct(kcal/kg℃)=",
    "      35) <4> 飽和蒸気熱伝導率..... Kt(kcal/mh℃)=",
    "      36) <5> 飽和蒸気動粘性係数... VIt(m2/h)=",
    "      37) <6> 凝縮液比重 .......... Dsl(kg/m3)=",
    "      38) <7> 凝縮液比熱 .......... Ctl(kcal/kg℃)=",
    "      39) <8> 凝縮液熱伝導率 ...... Ktl(kcal/mh℃)=",
    "      40) <9> 凝縮液動粘性係数 .... VItl(m2/h)=",
};
// SI
inline constexpr string_view kVapourSi[] = {
    "      49) <1> 凝縮潜熱　........... hfg(kJ/kg)=",
    "      50) <2> 飽和蒸気比重 ........ Dt(kg/m3)=",
    "      51) <3> 飽和蒸気比熱  ....... Ct(kJ/kgK)=",
    "      52) <4> 飽和蒸気熱伝導率..... Kt(W/mK)=",
    "      53) <5> 飽和蒸気動粘性係数... VIt(m2/s)=",
    "      54) <6> 凝縮液比重 .......... Dsl(kg/m3)=",
    "      55) <7> 凝縮液比熱 .......... Ctl(kJ/kgK)=",
    "      56) <8> 凝縮液熱伝導率 ...... Ktl(W/mK)=",
    "      57) <9> 凝縮液動粘性係数 .... VItl(m2/s)=",
};
// Dry gas: Dt, Ct, Kt, VIt.
inline constexpr string_view kGas[] = {
    "      41) <1> ガス比重 .......... Dt(kg/m3)=",
    "      42) <2> ガス比熱 .......... Ct(kcal/kg℃)=",
    "      43) <3> ガス熱伝導率....... Kt(kcal/mh℃)=",
    "      44) <4> ガス動粘性係数..... VIt(m2/h)=",
};
// SI
inline constexpr string_view kGasSi[] = {
    "      58) <1> ガス比重 .......... Dt(kg/m3)=",
    "      59) <2> ガス比熱 .......... Ct(kJ/kgK)=",
    "      60) <3> ガス熱伝導率....... Kt(W/mK)=",
    "      61) <4> ガス動粘性係数..... VIt(m2/s)=",
};

// Given heat-transfer coefficients: the mode, then each given value.
inline constexpr string_view kHtcMode[] = {
    "       66) ○ 熱伝達率の強制指定 --- 1) 指定しない(計算から求める)。",
    "                                  2) 管内側指定",
    "                                  3) ｼｪﾙ側指定",
    "                                  4) 管内側/ｼｪﾙ側 指定",
};
inline constexpr string_view kHtUser = "  　　67)　○ 管内側熱伝達率 ----- ht(kcalm2hc)=";
inline constexpr string_view kHtUserSi = "   　 68)　○ 管内側熱伝達率 ----- ht(W/m2K)=";
inline constexpr string_view kHsUser = "  　　69)　○ ｼｪﾙ側熱伝達率 ----- ht(kcalm2hc)=";
inline constexpr string_view kHsUserSi = "  　　70)　○ ｼｪﾙ側熱伝達率 ----- ht(W/m2K)=";

// Shell fluid: Ds, Cs, Ks, VIs.
inline constexpr string_view kShellHeading = "     30) ｼｪﾙ側流体平均物性値を入力して下さい。";
// old units
inline constexpr string_view kShell[] = {
    "       <1> 比重..........Ds(kg/m3)=",
    "       <2> 比熱..........Cs(kcal/kg℃)=",
    "       <3> 熱伝導率......Ks(kcal/mh℃)=",
    "       <4> 動粘性係数....VIs(m2/h)=",
};
// SI
inline constexpr string_view kShellSi[] = {
    "       <1> 比重..........Ds(kg/m3)=",
    "       <2> 比熱..........Cs(kJ/kgK)=",
    "       <3> 熱伝導率......Ks(W/mK)=",
    "       <4> 動粘性係数....VIs(m2/s)=",
};

// Inlet settings of the typed-in property path.
inline constexpr string_view kTsi = "   71)  ○ ｼｪﾙ入側温度 ------------ Tsi(ﾟc)=";
inline constexpr string_view kTsiSi = "   72)　○ ｼｪﾙ入側温度 ------------ Tsi(K)=";
inline constexpr string_view kWs = "    73) ○ ｼｪﾙ入側流量 ------------ Ws(kg/h)=";
inline constexpr string_view kWsSi = "    74) ○ ｼｪﾙ入側流量 ------------ Ws(kg/s)=";
inline constexpr string_view kTti = "   75)　○ 管内側流体入り側温度 ---------- Tti(ﾟc)=";
inline constexpr string_view kTtiSi = "   76)　○ 管内側流体入り側温度 ---------- Tti(K)=";
inline constexpr string_view kWtLiquid = "   79)　○ 管内側流体流量 ---------------- Wt(kg/h)=";
inline constexpr string_view kWtLiquidSi = "   80)　○ 管内側流体流量 ---------------- Wt(kg/s)=";
inline constexpr string_view kWtGas = "   77）　○ 管内側ガス流量 ---------------- Wt(kg/h)=";
inline constexpr string_view kWtGasSi = "   78)　○ 管内側ガス流量 ---------------- Wt(kg/s)=";

}  // namespace cfhx::review_texts
