// Texts of the gas dialogue: the shell-side and tube-side descriptions,
// water-content forms, range lines, framed results and their refusals. A
// "{}" marks where a value goes; a label without one takes it at the end.
#pragma once

#include <string_view>

#include "app/codes.h"

namespace cfhx::humid_texts {

using std::string_view;

// The same in either language: echo tags, the replies compared with, masks
// and lines written in English from the start.
inline constexpr string_view kDryBase = "< dry base >";
inline constexpr string_view kDryAir = "CO2(%)={}   N2(%)={}   O2(%)={}";
inline constexpr string_view kAddWater = "add H2O(%) after";
inline constexpr string_view kRSWET = "RSWET=";
inline constexpr string_view kShellMoistureOpt2 = "<2> %";
inline constexpr string_view kAbsHumidity = "(Absolute humidity(kg/kg)={})";
inline constexpr string_view kShellTableTop = "=========================<Vol.%>===========================";
inline constexpr string_view kShellTableLine = "CO2(%)=###.###, N2(%)=###.###, O2(%)=###.##, H2O(%)=###.##";
inline constexpr string_view kShellCO2 = "104)    CO2(vol.%)=";
inline constexpr string_view kShellO2 = "105)    O2(vol.%) =";
inline constexpr string_view kShellH2O = "106)    H2O(vol.%)=";
inline constexpr string_view kShellBoxTop = "------------------";
inline constexpr string_view kBoxCO2 = "CO2      = ";
inline constexpr string_view kBoxO2 = "O2       = ";
inline constexpr string_view kBoxH2O = "H2O      = ";
inline constexpr string_view kBoxN2 = "N2(vol.%)= ";
inline constexpr string_view kShellBoxFoot = "-----------------";
inline constexpr string_view kT3Echo = "T3=";
// Replies to the choice of what to set again: <1> or <2>.
inline constexpr string_view kAgainMoistureReply = "1";
inline constexpr string_view kAgainInletReply = "2";
inline constexpr string_view kTubeChoice12 = "//// choice  1 or 2  ////";
inline constexpr string_view kTWET = "TWET=";
inline constexpr string_view kTube117Wrong = "choice  1  or  2";
inline constexpr string_view kOverRange = "//// over range ////";
inline constexpr string_view kSaturationLine = "<< Tti={} Ttix={} XG={} PG1={} H2={} >>";
inline constexpr string_view kTubeCO2 = "CO2(vol.%)=";
inline constexpr string_view kTubeO2 = "O2(vol.%) =";
inline constexpr string_view kTubeH2O = "H2O(vol.%)=";
inline constexpr string_view kTubeCO2Over = "over range ! 100%<CO2 ";
inline constexpr string_view kTubeCO2O2Over = "over range ! 100%<CO+O2";
inline constexpr string_view kTubeH2OOver = "over range ";
inline constexpr string_view kTubeSumOver = "over range 100% ";
inline constexpr string_view kTubeBoxRule = "-------------------";
inline constexpr string_view kTubeTableTop = "==========================< Vol.% >=========================";
inline constexpr string_view kTubeTableLine = "CO2(%)=###.###, N2(%)=###.###, O2(%)=###.###, H2O(%)=###.###";
inline constexpr string_view kShellSatT3 = "(Shell side inlet sat.temp.T3={})";

struct HumidTexts {
    string_view shellLowHeading;
    string_view shellHighHeading;
    string_view shellOpt1;
    string_view shellOpt2;
    string_view shellOpt3;
    string_view notOffered;
    string_view shellLowSide;
    string_view t3;
    string_view t3Si;
    string_view shellMoistureChoice;
    string_view xa;
    string_view vxaRange;
    string_view vxaEntry;
    string_view shellOversaturated;
    string_view moleFraction;
    string_view shellTooLarge;
    string_view shellReviewHumidity;
    string_view shellDew;
    string_view shellDewSi;
    string_view shellTableFoot;
    string_view shellCondensing;
    string_view shellInletChoice;
    string_view shellInletOpt1;
    string_view shellInletOpt2;
    string_view shellInletOpt3;
    string_view shellInletOpt3Si;
    string_view shellNoMoisture;
    string_view shellSatNotice;
    string_view shellSatNoticeSi;
    string_view shellMinimum;
    string_view shellTooLargeSat;
    string_view shellCO2Over;
    string_view shellCO2O2Over;
    string_view shellH2OOver;
    string_view shellNoWater;
    string_view shellNoWater2;
    string_view shellLowTsi;
    string_view shellTsi;
    string_view shellLowTsiSi;
    string_view shellDewFrame1;
    string_view shellDewFrame2;
    string_view shellDewRange;
    string_view again;
    string_view againOpt1;
    string_view againOpt2;
    string_view shellNeedWater;
    string_view shellTsiRange;
    string_view shellTsi111;
    string_view shellTsi112;
    string_view shellSupersaturated;
    string_view shellBlockTop;
    string_view shellBlockTs;
    string_view shellBlockTsSi;
    string_view shellBlockXA;
    string_view shellBlockDns;
    string_view shellBlockMS;
    string_view tubeHighHeading;
    string_view tubeOpt1;
    string_view tubeOpt2;
    string_view tubeHeading;
    string_view tubeLowHeading;
    string_view tubeOpt1b;
    string_view tubeOpt2b;
    string_view tubeOpt3;
    string_view tubeChoose13;
    string_view tube116;
    string_view tube116Opt1;
    string_view tube116Opt2;
    string_view tube116Wrong;
    string_view tube117;
    string_view tube117Opt12;
    string_view tube117Opt34;
    string_view tube117Opt34Si;
    string_view vhRange;
    string_view vn;
    string_view xgRange;
    string_view xgEntry;
    string_view xgMinimum;
    string_view xgMinimumSi;
    string_view tubeSatTemp;
    string_view tubeSatTempSi;
    string_view tubeSatBelow;
    string_view tubeSatAbove;
    string_view tubeEnthalpyRange;
    string_view shellEnthalpyRange;
    string_view h2Entry;
    string_view tubeEnthalpyRangeSi;
    string_view shellEnthalpyRangeSi;
    string_view h2EntrySi;
    string_view enthalpyOutOfRange;
    string_view shellMustBeWetter;
    string_view tubeMustBeWetter;
    string_view tubeOverRange;
    string_view tubeDew;
    string_view tubeDewSi;
    string_view tubeTableFoot;
    string_view tubeBadMethod;
    string_view tubeBlockTs;
    string_view tubeBlockTsSi;
    string_view tubeBlockXG;
    string_view tubeBlockDn;
    string_view tubeBlockMT;
    string_view ttiBelow;
    string_view ttiBelowSi;
    string_view ttiRange;
    string_view tti18;
    string_view tti18Si;
    string_view ttiOutOfRange;
    string_view ttiRangeTight;
    string_view ttiRangeTightSi;
    string_view saturationClose;
    string_view tti123;
    string_view tti124;
    string_view check;
    string_view ttiTooLow;
    string_view tti126;
    string_view tti127;
    string_view ttiMismatch;
    string_view ttiMismatchSi;
    string_view latentRuleTube;
    string_view latentOff;
    string_view latentReview;
    string_view latentRuleShell;
};

inline constexpr HumidTexts kHumidJapanese{
    .shellLowHeading = "91)【 シェル側(低温側) 】ｶﾞｽ物性値入力方式選択",
    .shellHighHeading = "92)【 シェル側(高温側) 】ｶﾞｽ物性値入力方式選択",
    .shellOpt1 = "<1> ｶﾞｽ 組成入力(CO2,O2,H2O,N2)",
    .shellOpt2 = "<2> 準標準空気呼出(別途水分量追加)",
    .shellOpt3 = "<3> 準標準空気呼出",
    .notOffered = "////  指定外です。再セット ////",
    .shellLowSide = "<< 管内凝縮計算のため、シェル側が低温側になります。>>",
    .t3 = "93)シェル入側ガス温度 T3(℃)=",
    .t3Si = "94)シェル入側ガス温度 T3(K)=",
    .shellMoistureChoice = "95) ⇒ ｼｪﾙ側水分条件の選択...<1> 絶対湿度(kg/kga)",
    .xa = "⇒  XA(kg/kg)=",
    .vxaRange = "101) シェル側水分モル分率Vxaを【.6028% < Vxa <{}%】の",
    .vxaEntry = "範囲で入力して下さい。  ⇒Vxa(％)=",
    .shellOversaturated = "//// シェル側が過飽和のため規定範囲内で再設定して下さい。////",
    .moleFraction = "( 水分モル分率(%)= {})",
    .shellTooLarge = "//// 数値が大きすぎます。////",
    .shellReviewHumidity = "//// 絶対湿度を見直して下さい。////",
    .shellDew = "→ シェル側露点温度は{}℃",
    .shellDewSi = "→ シェル側露点温度は ###.##(K)",
    .shellTableFoot = "<<< シェル側ガス物性 >>",
    .shellCondensing = "96) ■ シェル側凝縮計算のためシェル側が高温側となるよう設定してください。",
    .shellInletChoice = "97) ｼｪﾙ入側ｶﾞｽ温度の決定法選択",
    .shellInletOpt1 = "<1> 絶対湿度Xa(kg/kga)",
    .shellInletOpt2 = "<2> 水分モル分率Vxa(%)",
    .shellInletOpt3 = "<3> 入側飽和ガス温度(℃)",
    .shellInletOpt3Si = "<3> 入側飽和ガス温度(K)",
    .shellNoMoisture = "//// 　飽和温度以外の水分条件を再設定して下さい。 ////",
    .shellSatNotice = "//// シェル入側設定温度異常 ?? Tsi(℃)={}////",
    .shellSatNoticeSi = "//// シェル入側設定温度異常 ?? Tsi(K)={}////",
    .shellMinimum = "??  絶対湿度をミニマムにセットします( XA=.003774 kg/kg )。",
    .shellTooLargeSat = "//// 数値が大き過ぎます。////",
    .shellCO2Over = "over range【100<CO2】",
    .shellCO2O2Over = "over range【100<CO2+O2】",
    .shellH2OOver = "over range【100<H2O】",
    .shellNoWater = "? 管外側水分湿り飽和気体を選択のため100％は設定出来ません。",
    .shellNoWater2 = "再設定して下さい !",
    .shellLowTsi = "107)【 低温側 】シェル入側ガス温度 Tsi(℃)=",
    .shellTsi = "108)シェル入側ガス温度 Tsi(℃)=",
    .shellLowTsiSi = "109)【 低温側 】シェル入側ガス温度 Tsi(K)=",
    .shellDewFrame1 = "??? ｼｪﾙ側飽和水分濃度に対し入力温度が露点以下のため、ｼｪﾙ入側温",
    .shellDewFrame2 = "度を飽和温度以上または水分量を飽和以下に再設定して下さい。",
    .shellDewRange = "→ 【{}< Tsi < 管入側飽和温度 】の範囲。",
    .again = "＜ 再＞",
    .againOpt1 = "<1> シェル側水分条件の変更(ﾀﾞｳﾝ)",
    .againOpt2 = "<2> シェル入側温度の変更(ｱｯﾌﾟ)",
    .shellNeedWater = "//// 湿りｶﾞｽ計算条件のため水分量を入力して下さい。////",
    .shellTsiRange = "《 {}＜ Tsi  》の範囲で設定して下さい。",
    .shellTsi111 = "111)　シェル入側ガス温度 Tsi(℃)=",
    .shellTsi112 = "112)　シェル入側ガス温度 Tsi(K)=",
    .shellSupersaturated = "//////////// 過飽和の露点条件温度です。//////////////",
    .shellBlockTop = "=================　ｼｪﾙ側　=====================",
    .shellBlockTs = "ｼｪﾙ側飽和温度      Tsi={}(℃)",
    .shellBlockTsSi = "ｼｪﾙ側飽和温度      Tsi= ###.### (K)",
    .shellBlockXA = "絶対湿度 　        XA ={}(kg/kgda)",
    .shellBlockDns = "ﾉﾙﾏﾙｶﾞｽ比重        Dns={}(kg/Nm3)",
    .shellBlockMS = "分子量比(水分/ｶﾞｽ) MS ={}(標準空気0.622)",
    .tubeHighHeading = "115)【 高温側 】管内側ガスの組成入力形態を選択して下さい。",
    .tubeOpt1 = "<1> ガス組成キー入力(CO2,O2,H2O,N2)",
    .tubeOpt2 = "<2> 準標準空気呼込み(別途水分追加)",
    .tubeHeading = "113)  管内側流体物性値を選択して下さい",
    .tubeLowHeading = "114) 【 低温側 】管内側流体物性値を選択して下さい",
    .tubeOpt1b = "<1> ガス組成キー入力(CO2,O2,H2O,N2)",
    .tubeOpt2b = "<2> 準標準空気呼込み(別途水分追加)",
    .tubeOpt3 = "<3> 準標準空気呼込み",
    .tubeChoose13 = "1～３を選んで下さい",
    .tube116 = "116) ⇒ 管内ｶﾞｽ水分量の入力形態を選択して下さい",
    .tube116Opt1 = "<1> 絶対湿度(kg/kgda)",
    .tube116Opt2 = "<2> 水分モル分率(%)   　TWET=",
    .tube116Wrong = "1  or  2  をプッシュして下さい。",
    .tube117 = "117) ⇒ 管内ｶﾞｽ水分量の入力形態を選択して下さい",
    .tube117Opt12 = "<1> 絶対湿度(kg/kg)、 <2> 水分モル分率(%)",
    .tube117Opt34 = "<3> 入側飽和温度(℃)、<4> 入側ｴﾝﾀﾙﾋﾟｰ(kcal/kg)",
    .tube117Opt34Si = "<3> 入側飽和温度(K)、<4> 入側ｴﾝﾀﾙﾋﾟｰ(kcal/kg)",
    .vhRange = "118) ● 水分モル分率の範囲(0.6028% < VH <{}%)",
    .vn = "119)  ⇒ Vn(%)=",
    .xgRange = "120)　● 絶対湿度の範囲( {}kg/kg ＞ XG )",
    .xgEntry = "範囲外のため再設定    121) ⇒ XG(kg/kg)=",
    .xgMinimum = "?? 絶対湿度の値を0℃の値にセットします( XG=.003774 kg/kg )。",
    .xgMinimumSi = "?? 絶対湿度の値を273Kの値にセットします( XG=.003774 kg/kg )。",
    .tubeSatTemp = "85) ● 管内飽和温度 Tti(℃)=",
    .tubeSatTempSi = "86) ● 管内飽和温度 Tti(K)=",
    .tubeSatBelow = "！設定温度が許容値を下回っています。",
    .tubeSatAbove = "！設定温度が許容値を超えています。",
    .tubeEnthalpyRange = "87)● 管内入側飽和ｶﾞｽｴﾝﾀﾙﾋﾟｰ範囲({}kcal/kg＜H2＜2000 kcal/kg)",
    .shellEnthalpyRange = "87A)● SHELL入側飽和ｶﾞｽｴﾝﾀﾙﾋﾟｰ範囲({}kcal/kg＜H2＜2000 kcal/kg)",
    .h2Entry = "⇒ H2(kcal/kg)=",
    .tubeEnthalpyRangeSi = "88)● 管内入側飽和ｶﾞｽｴﾝﾀﾙﾋﾟｰ範囲({}kJ/kg＜H2＜8400 kJ/kg)",
    .shellEnthalpyRangeSi = "88B)● SHELL入側飽和ｶﾞｽｴﾝﾀﾙﾋﾟｰ範囲({}kJ/kg＜H2＜8400 kJ/kg)",
    .h2EntrySi = "⇒ H2(kJ/kg)=",
    .enthalpyOutOfRange = "////  入力値が規程範囲を外れています。////",
    .shellMustBeWetter = "?? ｼｪﾙ側飽和水分濃度を管内側飽和水分濃度より高くｾｯﾄして下さい！。",
    .tubeMustBeWetter = "?? 管内側飽和水分濃度をｼｪﾙ側飽和水分濃度より高くｾｯﾄして下さい！。",
    .tubeOverRange = "//// over range　////　",
    .tubeDew = "→ 管内側露点温度{}(℃)",
    .tubeDewSi = "→ 管内側露点温度 ###.##(K)",
    .tubeTableFoot = "<<< 管内側物性値モル分率(%) >>",
    .tubeBadMethod = "//// 1 ~ 3  ｦ ｴﾗﾝﾃﾞ ｸﾀﾞｻｲ ////",
    .tubeBlockTs = "管内飽和温度       Tti={}(℃)",
    .tubeBlockTsSi = "管内飽和温度       Tti= ###.### (K)",
    .tubeBlockXG = "絶対湿度 　        XG ={}(kg/kgda)",
    .tubeBlockDn = "ﾉﾙﾏﾙｶﾞｽ比重        Dn ={}(kg/Nm3)",
    .tubeBlockMT = "分子量比(水分/ｶﾞｽ) MT ={}(標準空気0.622)",
    .ttiBelow = "■ 管内入り側温度は【 Tti <{}℃】の範囲。",
    .ttiBelowSi = "■ 管内入り側温度は【 Tti <{}K】の範囲。",
    .ttiRange = "■ 管内入り側温度は【 {}< Tti <{}℃】の範囲。",
    .tti18 = "18. 管内(tube)側流体入り側温度 ---- Tti(ﾟc)=",
    .tti18Si = "18. 管内(tube)側流体入り側温度 ---- Tti(K)=",
    .ttiOutOfRange = "???　 範囲を超えています。再設定して下さい。",
    .ttiRangeTight = "■ 管内入り側温度は【{}< Tti <{}℃】の範囲。",
    .ttiRangeTightSi = "■ 管内入り側温度は【{}< Tti <{}K】の範囲。",
    .saturationClose = "両流体の飽和温度が接近しており、ｴﾗｰ発生の可能性有り。",
    .tti123 = "123) 管内(tube)側流体入り側温度 ---- Tti(ﾟc)=",
    .tti124 = "124) 管内(tube)側流体入り側温度 ---- Tti(ﾟc)=",
    .check = "<< ﾁｪｯｸ >>",
    .ttiTooLow = "?? 設定水分濃度に対し入側温度が低い!【範囲 Tti<{}】。",
    .tti126 = "126) 管内側流体入り側温度 ----- Tti(ﾟc)=",
    .tti127 = "127) 管内側流体入り側温度 ----- Tti(K)=",
    .ttiMismatch = "?? 管入側水分量と設定温度の不整合！【設定範囲 Tti>{}】",
    .ttiMismatchSi = "?? 管入水分量と設定温度の不整合！【設定範囲 Tti>{}】",
    .latentRuleTube = "------------------<< 要ﾁｪｯｸ >>------------------",
    .latentOff = "管内潜熱条件を外れます。!!",
    .latentReview = "継続の場合、水分濃度及び温度の見直しが必要です。",
    .latentRuleShell = "-------------------<< 要ﾁｪｯｸ >>-----------------",
};
extern const HumidTexts kHumidEnglish;  // calc/english_texts.cpp

inline const HumidTexts& humidTexts(Language language) {
    return language == Language::English ? kHumidEnglish : kHumidJapanese;
}

// Calls f(name, text) for every text of the table.
template <class F>
void forEachText(const HumidTexts& t, F&& f) {
    f("shellLowHeading", t.shellLowHeading);
    f("shellHighHeading", t.shellHighHeading);
    f("shellOpt1", t.shellOpt1);
    f("shellOpt2", t.shellOpt2);
    f("shellOpt3", t.shellOpt3);
    f("notOffered", t.notOffered);
    f("shellLowSide", t.shellLowSide);
    f("t3", t.t3);
    f("t3Si", t.t3Si);
    f("shellMoistureChoice", t.shellMoistureChoice);
    f("xa", t.xa);
    f("vxaRange", t.vxaRange);
    f("vxaEntry", t.vxaEntry);
    f("shellOversaturated", t.shellOversaturated);
    f("moleFraction", t.moleFraction);
    f("shellTooLarge", t.shellTooLarge);
    f("shellReviewHumidity", t.shellReviewHumidity);
    f("shellDew", t.shellDew);
    f("shellDewSi", t.shellDewSi);
    f("shellTableFoot", t.shellTableFoot);
    f("shellCondensing", t.shellCondensing);
    f("shellInletChoice", t.shellInletChoice);
    f("shellInletOpt1", t.shellInletOpt1);
    f("shellInletOpt2", t.shellInletOpt2);
    f("shellInletOpt3", t.shellInletOpt3);
    f("shellInletOpt3Si", t.shellInletOpt3Si);
    f("shellNoMoisture", t.shellNoMoisture);
    f("shellSatNotice", t.shellSatNotice);
    f("shellSatNoticeSi", t.shellSatNoticeSi);
    f("shellMinimum", t.shellMinimum);
    f("shellTooLargeSat", t.shellTooLargeSat);
    f("shellCO2Over", t.shellCO2Over);
    f("shellCO2O2Over", t.shellCO2O2Over);
    f("shellH2OOver", t.shellH2OOver);
    f("shellNoWater", t.shellNoWater);
    f("shellNoWater2", t.shellNoWater2);
    f("shellLowTsi", t.shellLowTsi);
    f("shellTsi", t.shellTsi);
    f("shellLowTsiSi", t.shellLowTsiSi);
    f("shellDewFrame1", t.shellDewFrame1);
    f("shellDewFrame2", t.shellDewFrame2);
    f("shellDewRange", t.shellDewRange);
    f("again", t.again);
    f("againOpt1", t.againOpt1);
    f("againOpt2", t.againOpt2);
    f("shellNeedWater", t.shellNeedWater);
    f("shellTsiRange", t.shellTsiRange);
    f("shellTsi111", t.shellTsi111);
    f("shellTsi112", t.shellTsi112);
    f("shellSupersaturated", t.shellSupersaturated);
    f("shellBlockTop", t.shellBlockTop);
    f("shellBlockTs", t.shellBlockTs);
    f("shellBlockTsSi", t.shellBlockTsSi);
    f("shellBlockXA", t.shellBlockXA);
    f("shellBlockDns", t.shellBlockDns);
    f("shellBlockMS", t.shellBlockMS);
    f("tubeHighHeading", t.tubeHighHeading);
    f("tubeOpt1", t.tubeOpt1);
    f("tubeOpt2", t.tubeOpt2);
    f("tubeHeading", t.tubeHeading);
    f("tubeLowHeading", t.tubeLowHeading);
    f("tubeOpt1b", t.tubeOpt1b);
    f("tubeOpt2b", t.tubeOpt2b);
    f("tubeOpt3", t.tubeOpt3);
    f("tubeChoose13", t.tubeChoose13);
    f("tube116", t.tube116);
    f("tube116Opt1", t.tube116Opt1);
    f("tube116Opt2", t.tube116Opt2);
    f("tube116Wrong", t.tube116Wrong);
    f("tube117", t.tube117);
    f("tube117Opt12", t.tube117Opt12);
    f("tube117Opt34", t.tube117Opt34);
    f("tube117Opt34Si", t.tube117Opt34Si);
    f("vhRange", t.vhRange);
    f("vn", t.vn);
    f("xgRange", t.xgRange);
    f("xgEntry", t.xgEntry);
    f("xgMinimum", t.xgMinimum);
    f("xgMinimumSi", t.xgMinimumSi);
    f("tubeSatTemp", t.tubeSatTemp);
    f("tubeSatTempSi", t.tubeSatTempSi);
    f("tubeSatBelow", t.tubeSatBelow);
    f("tubeSatAbove", t.tubeSatAbove);
    f("tubeEnthalpyRange", t.tubeEnthalpyRange);
    f("shellEnthalpyRange", t.shellEnthalpyRange);
    f("h2Entry", t.h2Entry);
    f("tubeEnthalpyRangeSi", t.tubeEnthalpyRangeSi);
    f("shellEnthalpyRangeSi", t.shellEnthalpyRangeSi);
    f("h2EntrySi", t.h2EntrySi);
    f("enthalpyOutOfRange", t.enthalpyOutOfRange);
    f("shellMustBeWetter", t.shellMustBeWetter);
    f("tubeMustBeWetter", t.tubeMustBeWetter);
    f("tubeOverRange", t.tubeOverRange);
    f("tubeDew", t.tubeDew);
    f("tubeDewSi", t.tubeDewSi);
    f("tubeTableFoot", t.tubeTableFoot);
    f("tubeBadMethod", t.tubeBadMethod);
    f("tubeBlockTs", t.tubeBlockTs);
    f("tubeBlockTsSi", t.tubeBlockTsSi);
    f("tubeBlockXG", t.tubeBlockXG);
    f("tubeBlockDn", t.tubeBlockDn);
    f("tubeBlockMT", t.tubeBlockMT);
    f("ttiBelow", t.ttiBelow);
    f("ttiBelowSi", t.ttiBelowSi);
    f("ttiRange", t.ttiRange);
    f("tti18", t.tti18);
    f("tti18Si", t.tti18Si);
    f("ttiOutOfRange", t.ttiOutOfRange);
    f("ttiRangeTight", t.ttiRangeTight);
    f("ttiRangeTightSi", t.ttiRangeTightSi);
    f("saturationClose", t.saturationClose);
    f("tti123", t.tti123);
    f("tti124", t.tti124);
    f("check", t.check);
    f("ttiTooLow", t.ttiTooLow);
    f("tti126", t.tti126);
    f("tti127", t.tti127);
    f("ttiMismatch", t.ttiMismatch);
    f("ttiMismatchSi", t.ttiMismatchSi);
    f("latentRuleTube", t.latentRuleTube);
    f("latentOff", t.latentOff);
    f("latentReview", t.latentReview);
    f("latentRuleShell", t.latentRuleShell);
}

}  // namespace cfhx::humid_texts
