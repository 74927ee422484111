// Texts of the settings review and of the typed-in property path: the
// framed construction list, the row-count notes, the numbered echo lines of
// the properties, the given coefficients and the inlet settings.
#pragma once

#include <array>
#include <string_view>

#include "app/codes.h"

namespace cfhx::review_texts {

using std::string_view;

// The same in either language: echo tags, the replies compared with, masks
// and lines written in English from the start.

// Tube medium code (1 liquid, 2 gas or vapour).
inline constexpr string_view kMediumCode = "     29)MANU1=";

struct ReviewTexts {
    // The framed construction list; items 1-4, 10 and 11 carry their masks.
    string_view title;
    string_view ruleTop;
    string_view tubeDo;
    string_view tubeDi;
    string_view pvDo;
    string_view phDo;
    // Items 5-8 in SI: the values as entered under masks.
    string_view kfSi;
    string_view kmSi;
    string_view rtSi;
    string_view rsSi;
    // Items 5-8 in the other modes, followed by the value unmasked.
    string_view kf;
    string_view km;
    string_view rt;
    string_view rs;
    string_view fp;
    string_view fh;
    string_view ft;
    string_view ruleBottom;

    // Row count by calculation target: missing, or released for targets 3 and 4.
    string_view setRows;
    string_view rowsReleased;
    string_view oneOrTwo;

    // Tube liquid: density, specific heat, conductivity, kinematic viscosity.
    string_view liquidHeading;
    // old units
    std::array<string_view, 4> liquid;
    // SI
    std::array<string_view, 4> liquidSi;

    // Heat-transfer form of a gas or vapour in the tubes.
    string_view formHeading;
    string_view formVapour;
    string_view formGas;

    // Condensing vapour: hfg, Dt, Ct, Kt, VIt, then the condensate Dsl, Ctl, Ktl, VItl.
    std::array<string_view, 9> vapour;
    // SI
    std::array<string_view, 9> vapourSi;
    // Dry gas: Dt, Ct, Kt, VIt.
    std::array<string_view, 4> gas;
    // SI
    std::array<string_view, 4> gasSi;

    // Given heat-transfer coefficients: the mode, then each given value.
    std::array<string_view, 4> htcMode;
    string_view htUser;
    string_view htUserSi;
    string_view hsUser;
    string_view hsUserSi;

    // Shell fluid: Ds, Cs, Ks, VIs.
    string_view shellHeading;
    // old units
    std::array<string_view, 4> shell;
    // SI
    std::array<string_view, 4> shellSi;

    // Inlet settings of the typed-in property path.
    string_view tsi;
    string_view tsiSi;
    string_view ws;
    string_view wsSi;
    string_view tti;
    string_view ttiSi;
    string_view wtLiquid;
    string_view wtLiquidSi;
    string_view wtGas;
    string_view wtGasSi;
};

inline constexpr ReviewTexts kReviewJapanese{
    .title = "                      ＜  基本設定値　＞",
    .ruleTop = "    ≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡",
    .tubeDo = "     [1]  管外径-------------------------- Do(mm) =##.##",
    .tubeDi = "     [2]  管内径-------------------------- Di(mm) =##.##",
    .pvDo = "     [3]  管段ﾋﾟｯﾁ最外径比(前面)---------- Pv/Do(-)=##.##",
    .phDo = "     [4]  管列ﾋﾟｯﾁ最外径比(奥行)---------- Ph/Do(-)=##.##",
    .kfSi = "     [5]  ﾌｨﾝ材熱伝導率------------------ Kf(W/mk)=###.#",
    .kmSi = "     [6]  管材熱伝導率------------------- Km(W/mk)=###.#",
    .rtSi = "     [7]  管内汚れ係数------------------ Rt(m2k/W)=.#####",
    .rsSi = "     [8]  管外汚れ係数------------------ Rs(m2k/W)=.#####",
    .kf = "     [5]  ﾌｨﾝ材熱伝導率-------------- Kf(kcal/mhc)=",
    .km = "     [6]  管材熱伝導率--------------- Km(kcal/mhc)=",
    .rt = "     [7]  管内汚れ係数-------------- Rt(m2hc/kcal)=",
    .rs = "     [8]  管外汚れ係数-------------- Rs(m2hc/kcal)=",
    .fp = " 　　[9] 　ﾌｨﾝﾋﾟｯﾁ(山数/ｲﾝﾁ)---------------- Fp(-)=",
    .fh = "     [10]  ﾌｨﾝ高さ------------------------- Fh(mm)=##.##",
    .ft = "     [11]  ﾌｨﾝ肉厚------------------------- Ft(mm)=##.##",
    .ruleBottom = "    ≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡",
    .setRows = "    ★ 管段数を設定してください 。",
    .rowsReleased = "   注)  ★★　既設定管段数は解除されます。★★",
    .oneOrTwo = "     1 or 2を入力して下さい",
    .liquidHeading = "     1． 管内側液体の平均物性値入力。",
    .liquid = {
        "      45) <1> 液比重 .......... Dtl(kg/m3)=",
        "      46) <2> 液比熱 .......... Ctl(kcal/kg℃)=",
        "      47) <3> 液熱伝導率....... Ktl(kcal/mh℃)=",
        "      48) <4> 液動粘性係数..... VItl(m2/h)=",
    },
    .liquidSi = {
        "      62) <1> 液比重 .......... Dtl(kg/m3)=",
        "      63）<2> 液比熱 .......... Ctl(kJ/kgK)=",
        "      64) <3> 液熱伝導率....... Ktl(W/mK)=",
        "      65) <4> 液動粘性係数..... VIt(m2/s)=",
    },
    .formHeading = "     31) 管内側伝熱形態の選定。",
    .formVapour = "                   <1> 単一成分系飽和蒸気凝縮",
    .formGas = "                   <2> 乾きガス              ",
    .vapour = {
        "      32) <1> 凝縮潜熱　........... hfg(kcal/kg)=",
        "      33) <2> 飽和蒸気比重 ........ Dt(kg/m3)=",
        "      34) <3> 飽和蒸気比熱  ....... Ct(kcal/kg℃)=",
        "      35) <4> 飽和蒸気熱伝導率..... Kt(kcal/mh℃)=",
        "      36) <5> 飽和蒸気動粘性係数... VIt(m2/h)=",
        "      37) <6> 凝縮液比重 .......... Dsl(kg/m3)=",
        "      38) <7> 凝縮液比熱 .......... Ctl(kcal/kg℃)=",
        "      39) <8> 凝縮液熱伝導率 ...... Ktl(kcal/mh℃)=",
        "      40) <9> 凝縮液動粘性係数 .... VItl(m2/h)=",
    },
    .vapourSi = {
        "      49) <1> 凝縮潜熱　........... hfg(kJ/kg)=",
        "      50) <2> 飽和蒸気比重 ........ Dt(kg/m3)=",
        "      51) <3> 飽和蒸気比熱  ....... Ct(kJ/kgK)=",
        "      52) <4> 飽和蒸気熱伝導率..... Kt(W/mK)=",
        "      53) <5> 飽和蒸気動粘性係数... VIt(m2/s)=",
        "      54) <6> 凝縮液比重 .......... Dsl(kg/m3)=",
        "      55) <7> 凝縮液比熱 .......... Ctl(kJ/kgK)=",
        "      56) <8> 凝縮液熱伝導率 ...... Ktl(W/mK)=",
        "      57) <9> 凝縮液動粘性係数 .... VItl(m2/s)=",
    },
    .gas = {
        "      41) <1> ガス比重 .......... Dt(kg/m3)=",
        "      42) <2> ガス比熱 .......... Ct(kcal/kg℃)=",
        "      43) <3> ガス熱伝導率....... Kt(kcal/mh℃)=",
        "      44) <4> ガス動粘性係数..... VIt(m2/h)=",
    },
    .gasSi = {
        "      58) <1> ガス比重 .......... Dt(kg/m3)=",
        "      59) <2> ガス比熱 .......... Ct(kJ/kgK)=",
        "      60) <3> ガス熱伝導率....... Kt(W/mK)=",
        "      61) <4> ガス動粘性係数..... VIt(m2/s)=",
    },
    .htcMode = {
        "       66) ○ 熱伝達率の強制指定 --- 1) 指定しない(計算から求める)。",
        "                                  2) 管内側指定",
        "                                  3) ｼｪﾙ側指定",
        "                                  4) 管内側/ｼｪﾙ側 指定",
    },
    .htUser = "  　　67)　○ 管内側熱伝達率 ----- ht(kcalm2hc)=",
    .htUserSi = "   　 68)　○ 管内側熱伝達率 ----- ht(W/m2K)=",
    .hsUser = "  　　69)　○ ｼｪﾙ側熱伝達率 ----- ht(kcalm2hc)=",
    .hsUserSi = "  　　70)　○ ｼｪﾙ側熱伝達率 ----- ht(W/m2K)=",
    .shellHeading = "     30) ｼｪﾙ側流体平均物性値を入力して下さい。",
    .shell = {
        "       <1> 比重..........Ds(kg/m3)=",
        "       <2> 比熱..........Cs(kcal/kg℃)=",
        "       <3> 熱伝導率......Ks(kcal/mh℃)=",
        "       <4> 動粘性係数....VIs(m2/h)=",
    },
    .shellSi = {
        "       <1> 比重..........Ds(kg/m3)=",
        "       <2> 比熱..........Cs(kJ/kgK)=",
        "       <3> 熱伝導率......Ks(W/mK)=",
        "       <4> 動粘性係数....VIs(m2/s)=",
    },
    .tsi = "   71)  ○ ｼｪﾙ入側温度 ------------ Tsi(ﾟc)=",
    .tsiSi = "   72)　○ ｼｪﾙ入側温度 ------------ Tsi(K)=",
    .ws = "    73) ○ ｼｪﾙ入側流量 ------------ Ws(kg/h)=",
    .wsSi = "    74) ○ ｼｪﾙ入側流量 ------------ Ws(kg/s)=",
    .tti = "   75)　○ 管内側流体入り側温度 ---------- Tti(ﾟc)=",
    .ttiSi = "   76)　○ 管内側流体入り側温度 ---------- Tti(K)=",
    .wtLiquid = "   79)　○ 管内側流体流量 ---------------- Wt(kg/h)=",
    .wtLiquidSi = "   80)　○ 管内側流体流量 ---------------- Wt(kg/s)=",
    .wtGas = "   77）　○ 管内側ガス流量 ---------------- Wt(kg/h)=",
    .wtGasSi = "   78)　○ 管内側ガス流量 ---------------- Wt(kg/s)=",
};
extern const ReviewTexts kReviewEnglish;  // calc/english_texts.cpp

inline const ReviewTexts& reviewTexts(Language language) {
    return language == Language::English ? kReviewEnglish : kReviewJapanese;
}

// Calls f(name, text) for every text of the table.
template <class F>
void forEachText(const ReviewTexts& t, F&& f) {
    f("title", t.title);
    f("ruleTop", t.ruleTop);
    f("tubeDo", t.tubeDo);
    f("tubeDi", t.tubeDi);
    f("pvDo", t.pvDo);
    f("phDo", t.phDo);
    f("kfSi", t.kfSi);
    f("kmSi", t.kmSi);
    f("rtSi", t.rtSi);
    f("rsSi", t.rsSi);
    f("kf", t.kf);
    f("km", t.km);
    f("rt", t.rt);
    f("rs", t.rs);
    f("fp", t.fp);
    f("fh", t.fh);
    f("ft", t.ft);
    f("ruleBottom", t.ruleBottom);
    f("setRows", t.setRows);
    f("rowsReleased", t.rowsReleased);
    f("oneOrTwo", t.oneOrTwo);
    f("liquidHeading", t.liquidHeading);
    f("liquid[0]", t.liquid[0]);
    f("liquid[1]", t.liquid[1]);
    f("liquid[2]", t.liquid[2]);
    f("liquid[3]", t.liquid[3]);
    f("liquidSi[0]", t.liquidSi[0]);
    f("liquidSi[1]", t.liquidSi[1]);
    f("liquidSi[2]", t.liquidSi[2]);
    f("liquidSi[3]", t.liquidSi[3]);
    f("formHeading", t.formHeading);
    f("formVapour", t.formVapour);
    f("formGas", t.formGas);
    f("vapour[0]", t.vapour[0]);
    f("vapour[1]", t.vapour[1]);
    f("vapour[2]", t.vapour[2]);
    f("vapour[3]", t.vapour[3]);
    f("vapour[4]", t.vapour[4]);
    f("vapour[5]", t.vapour[5]);
    f("vapour[6]", t.vapour[6]);
    f("vapour[7]", t.vapour[7]);
    f("vapour[8]", t.vapour[8]);
    f("vapourSi[0]", t.vapourSi[0]);
    f("vapourSi[1]", t.vapourSi[1]);
    f("vapourSi[2]", t.vapourSi[2]);
    f("vapourSi[3]", t.vapourSi[3]);
    f("vapourSi[4]", t.vapourSi[4]);
    f("vapourSi[5]", t.vapourSi[5]);
    f("vapourSi[6]", t.vapourSi[6]);
    f("vapourSi[7]", t.vapourSi[7]);
    f("vapourSi[8]", t.vapourSi[8]);
    f("gas[0]", t.gas[0]);
    f("gas[1]", t.gas[1]);
    f("gas[2]", t.gas[2]);
    f("gas[3]", t.gas[3]);
    f("gasSi[0]", t.gasSi[0]);
    f("gasSi[1]", t.gasSi[1]);
    f("gasSi[2]", t.gasSi[2]);
    f("gasSi[3]", t.gasSi[3]);
    f("htcMode[0]", t.htcMode[0]);
    f("htcMode[1]", t.htcMode[1]);
    f("htcMode[2]", t.htcMode[2]);
    f("htcMode[3]", t.htcMode[3]);
    f("htUser", t.htUser);
    f("htUserSi", t.htUserSi);
    f("hsUser", t.hsUser);
    f("hsUserSi", t.hsUserSi);
    f("shellHeading", t.shellHeading);
    f("shell[0]", t.shell[0]);
    f("shell[1]", t.shell[1]);
    f("shell[2]", t.shell[2]);
    f("shell[3]", t.shell[3]);
    f("shellSi[0]", t.shellSi[0]);
    f("shellSi[1]", t.shellSi[1]);
    f("shellSi[2]", t.shellSi[2]);
    f("shellSi[3]", t.shellSi[3]);
    f("tsi", t.tsi);
    f("tsiSi", t.tsiSi);
    f("ws", t.ws);
    f("wsSi", t.wsSi);
    f("tti", t.tti);
    f("ttiSi", t.ttiSi);
    f("wtLiquid", t.wtLiquid);
    f("wtLiquidSi", t.wtLiquidSi);
    f("wtGas", t.wtGas);
    f("wtGasSi", t.wtGasSi);
}

}  // namespace cfhx::review_texts
