// Texts of the flows stage: the processing No. of the run, the flow
// prompts and echo lines of both sides, the water inlet range, the set-up
// choice (A), the given outlet temperatures and tube length.
#pragma once

#include <string_view>

namespace cfhx::flows_texts {

using std::string_view;

inline constexpr string_view kColumnsCleared = "★ 既設定管段数を削除します  。";
inline constexpr string_view kColumnsDash = "   －";
inline constexpr string_view kTubeFlowKind = "129) 管内側ガス流量 --- 1) ノルマル流量 Vt(Nm3/h)";
inline constexpr string_view kTubeFlowMass = "　2）重量流量 Wt(kg/h)";
inline constexpr string_view kTubeFlowKindEcho = "VSNX12=";
inline constexpr string_view kTubeFlowKindSi = "130) 管内側ガス流量 --- 1) ノルマル流量 Vt(Nm3/s)";
inline constexpr string_view kTubeFlowMassSi = "　2）重量流量 Wt(kg/s)";
inline constexpr string_view kTubeFlowRefused = "//// 1 or 2 を押して下さい ////";
inline constexpr string_view kVtEcho = "131)   → ノルマル流量 Vt(Nm3/h)=";
inline constexpr string_view kVtEchoSi = "132)   → ノルマル流量 Vt(Nm3/s)=";
inline constexpr string_view kWtEcho = "134)  → 重量流量 Wt(kg/h)=";
inline constexpr string_view kWtEchoSi = "135)  → 重量流量 Wt(kg/s)=";
inline constexpr string_view kWaterTtiSi = "140) 管内入側温度 Tti(K)=";
inline constexpr string_view kWaterRange = "set the temperature(℃) 0<Tti<160";
inline constexpr string_view kWaterRangeSi = "set the temperature(K) 273<Tti<440";
inline constexpr string_view kWaterFlow = "139) 管内側水流量 -------- Wt(kg/h)=";
inline constexpr string_view kWaterFlowSi = "141) 管内側水流量 -------- Wt(kg/s)=";
inline constexpr string_view kParallelNotice = "⇒ 並流設定のためｼｪﾙ側ﾊﾟｽ数を２以上をｾｯﾄして下さい。";
inline constexpr string_view kPush1or2 = "1 or 2 ｦ ﾌﾟｯｼｭ ｼﾃ ｸﾀﾞｻｲ";
inline constexpr string_view kChoiceA = "② (A) 次の何れかを指定して下さい";
inline constexpr string_view kChoiceA1 = "<1> シェル出側温度  Tso(ﾟC )";
inline constexpr string_view kChoiceA1Si = "<1> シェル出側温度  Tso(K)";
inline constexpr string_view kChoiceA2 = "<2> 管段数 及び 管長さ指定 Nv(-),TL(mm)";
// Replies to choice (A): <1>, <2>, or "00" to leave the run.
inline constexpr string_view kChoiceA1Reply = "1";
inline constexpr string_view kChoiceA2Reply = "2";
inline constexpr string_view kChoiceALeave = "00";
inline constexpr string_view kTsoEcho = "③ ◇ シェル側出側温度 --------Tso(ﾟc)=";
inline constexpr string_view kTsoEchoSi = "④ ◇ シェル側出側温度 --------Tso(K)=";
inline constexpr string_view kTLEcho = "TUBE LENGTH ----------------- TL(mm)=";
inline constexpr string_view kTtoEcho = "⑧ ◇ 管内側出側温度-------------- Tto(ﾟC)=";
inline constexpr string_view kTtoEchoSi = "⑨ ◇ 管内側出側温度-------------- Tto(K)=";
inline constexpr string_view kShellFlowKind = "⑩ ◇ シェル側ガス流量 -- 1) ノルマル流量 Vs(Nm3/h)";
inline constexpr string_view kShellFlowMass = "2）重量流量 Ws(kg/h)         VANS=";
inline constexpr string_view kShellFlowKindSi = "⑪  ◇ シェル側ガス流量 -- 1) ノルマル流量 Vs(Nm3/s)";
inline constexpr string_view kShellFlowMassSi = "2）重量流量 Ws(kg/s)";
inline constexpr string_view kShellFlowRefused = "**** 1 or 2 を押して下さい";
inline constexpr string_view kVsEcho = "⑫ → ノルマル流量 Vs(Nm3/h)=";
inline constexpr string_view kVsEchoSi = "⑬  → ノルマル流量 Vs(Nm3/s)=";
inline constexpr string_view kWsEcho = "⑭  → 重量流量 Ws(kg/h)=";
inline constexpr string_view kWsEchoSi = "⑮  → 重量流量 Ws(kg/s)=";

}  // namespace cfhx::flows_texts
