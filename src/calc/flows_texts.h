// Texts of the flows stage: the processing No. of the run, the flow
// prompts and echo lines of both sides, the water inlet range, the set-up
// choice (A), the given outlet temperatures and tube length.
#pragma once

#include <string_view>

#include "app/codes.h"

namespace cfhx::flows_texts {

using std::string_view;

// The same in either language: echo tags, the replies compared with, masks
// and lines written in English from the start.

// The tube-columns field cleared: the mark the entry checks take for a value
// not given, in either language.
inline constexpr string_view kColumnsDash = "   －";
inline constexpr string_view kTubeFlowKindEcho = "VSNX12=";
inline constexpr string_view kWaterRangeSi = "set the temperature(K) 273<Tti<440";
// Replies to choice (A): <1>, <2>, or "00" to leave the run.
inline constexpr string_view kChoiceA1Reply = "1";
inline constexpr string_view kChoiceA2Reply = "2";
inline constexpr string_view kChoiceALeave = "00";
inline constexpr string_view kTLEcho = "TUBE LENGTH ----------------- TL(mm)=";

struct FlowsTexts {
    string_view columnsCleared;
    string_view tubeFlowKind;
    string_view tubeFlowMass;
    string_view tubeFlowKindSi;
    string_view tubeFlowMassSi;
    string_view tubeFlowRefused;
    string_view vtEcho;
    string_view vtEchoSi;
    string_view wtEcho;
    string_view wtEchoSi;
    string_view waterTtiSi;
    string_view waterRange;
    string_view waterFlow;
    string_view waterFlowSi;
    string_view parallelNotice;
    string_view push1or2;
    string_view choiceA;
    string_view choiceA1;
    string_view choiceA1Si;
    string_view choiceA2;
    string_view tsoEcho;
    string_view tsoEchoSi;
    string_view ttoEcho;
    string_view ttoEchoSi;
    string_view shellFlowKind;
    string_view shellFlowMass;
    string_view shellFlowKindSi;
    string_view shellFlowMassSi;
    string_view shellFlowRefused;
    string_view vsEcho;
    string_view vsEchoSi;
    string_view wsEcho;
    string_view wsEchoSi;
};

inline constexpr FlowsTexts kFlowsJapanese{
    .columnsCleared = "★ 既設定管段数を削除します  。",
    .tubeFlowKind = "129) 管内側ガス流量 --- 1) ノルマル流量 Vt(Nm3/h)",
    .tubeFlowMass = "　2）重量流量 Wt(kg/h)",
    .tubeFlowKindSi = "130) 管内側ガス流量 --- 1) ノルマル流量 Vt(Nm3/s)",
    .tubeFlowMassSi = "　2）重量流量 Wt(kg/s)",
    .tubeFlowRefused = "//// 1 or 2 を押して下さい ////",
    .vtEcho = "131)   → ノルマル流量 Vt(Nm3/h)=",
    .vtEchoSi = "132)   → ノルマル流量 Vt(Nm3/s)=",
    .wtEcho = "134)  → 重量流量 Wt(kg/h)=",
    .wtEchoSi = "135)  → 重量流量 Wt(kg/s)=",
    .waterTtiSi = "140) 管内入側温度 Tti(K)=",
    .waterRange = "set the temperature(℃) 0<Tti<160",
    .waterFlow = "139) 管内側水流量 -------- Wt(kg/h)=",
    .waterFlowSi = "141) 管内側水流量 -------- Wt(kg/s)=",
    .parallelNotice = "⇒ 並流設定のためｼｪﾙ側ﾊﾟｽ数を２以上をｾｯﾄして下さい。",
    .push1or2 = "1 or 2 ｦ ﾌﾟｯｼｭ ｼﾃ ｸﾀﾞｻｲ",
    .choiceA = "② (A) 次の何れかを指定して下さい",
    .choiceA1 = "<1> シェル出側温度  Tso(ﾟC )",
    .choiceA1Si = "<1> シェル出側温度  Tso(K)",
    .choiceA2 = "<2> 管段数 及び 管長さ指定 Nv(-),TL(mm)",
    .tsoEcho = "③ ◇ シェル側出側温度 --------Tso(ﾟc)=",
    .tsoEchoSi = "④ ◇ シェル側出側温度 --------Tso(K)=",
    .ttoEcho = "⑧ ◇ 管内側出側温度-------------- Tto(ﾟC)=",
    .ttoEchoSi = "⑨ ◇ 管内側出側温度-------------- Tto(K)=",
    .shellFlowKind = "⑩ ◇ シェル側ガス流量 -- 1) ノルマル流量 Vs(Nm3/h)",
    .shellFlowMass = "2）重量流量 Ws(kg/h)         VANS=",
    .shellFlowKindSi = "⑪  ◇ シェル側ガス流量 -- 1) ノルマル流量 Vs(Nm3/s)",
    .shellFlowMassSi = "2）重量流量 Ws(kg/s)",
    .shellFlowRefused = "**** 1 or 2 を押して下さい",
    .vsEcho = "⑫ → ノルマル流量 Vs(Nm3/h)=",
    .vsEchoSi = "⑬  → ノルマル流量 Vs(Nm3/s)=",
    .wsEcho = "⑭  → 重量流量 Ws(kg/h)=",
    .wsEchoSi = "⑮  → 重量流量 Ws(kg/s)=",
};
extern const FlowsTexts kFlowsEnglish;  // calc/english_texts.cpp

inline const FlowsTexts& flowsTexts(Language language) {
    return language == Language::English ? kFlowsEnglish : kFlowsJapanese;
}

// Calls f(name, text) for every text of the table.
template <class F>
void forEachText(const FlowsTexts& t, F&& f) {
    f("columnsCleared", t.columnsCleared);
    f("tubeFlowKind", t.tubeFlowKind);
    f("tubeFlowMass", t.tubeFlowMass);
    f("tubeFlowKindSi", t.tubeFlowKindSi);
    f("tubeFlowMassSi", t.tubeFlowMassSi);
    f("tubeFlowRefused", t.tubeFlowRefused);
    f("vtEcho", t.vtEcho);
    f("vtEchoSi", t.vtEchoSi);
    f("wtEcho", t.wtEcho);
    f("wtEchoSi", t.wtEchoSi);
    f("waterTtiSi", t.waterTtiSi);
    f("waterRange", t.waterRange);
    f("waterFlow", t.waterFlow);
    f("waterFlowSi", t.waterFlowSi);
    f("parallelNotice", t.parallelNotice);
    f("push1or2", t.push1or2);
    f("choiceA", t.choiceA);
    f("choiceA1", t.choiceA1);
    f("choiceA1Si", t.choiceA1Si);
    f("choiceA2", t.choiceA2);
    f("tsoEcho", t.tsoEcho);
    f("tsoEchoSi", t.tsoEchoSi);
    f("ttoEcho", t.ttoEcho);
    f("ttoEchoSi", t.ttoEchoSi);
    f("shellFlowKind", t.shellFlowKind);
    f("shellFlowMass", t.shellFlowMass);
    f("shellFlowKindSi", t.shellFlowKindSi);
    f("shellFlowMassSi", t.shellFlowMassSi);
    f("shellFlowRefused", t.shellFlowRefused);
    f("vsEcho", t.vsEcho);
    f("vsEchoSi", t.vsEchoSi);
    f("wsEcho", t.wsEcho);
    f("wsEchoSi", t.wsEchoSi);
}

}  // namespace cfhx::flows_texts
