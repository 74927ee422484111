// The English tables of the calculation dialogue's texts. Lines that line up
// in a block keep their columns: the English is padded to the width of the
// Japanese it stands for (full-width characters count 2, half-width kana 1).
#include "calc/flows_texts.h"
#include "calc/humid_dialogue_texts.h"
#include "calc/rating_texts.h"
#include "calc/review_texts.h"
#include "calc/start_texts.h"

namespace cfhx {

const start_texts::StartTexts start_texts::kStartEnglish{
    // 管側１パス以上の場合、シェル側は１パス指定です。
    .passesBothSides = "",
    // 物性名称未登録
    .noFluidName = "",
    // 管外直径が未登録
    .noOuterDiameter = "",
    // 管内直径が未登録
    .noInnerDiameter = "",
    // 管縦方向ﾋﾟｯﾁの数値が未登録
    .noRowPitch = "",
    // 管水平方向ﾋﾟｯﾁの数値が未登録
    .noColumnPitch = "",
    // ﾌｨﾝ山数/吋　が未登録
    .noFinsPerInch = "",
    // ﾌｨﾝ高さが未登録
    .noFinHeight = "",
    // ﾌｨﾝ肉厚が未登録
    .noFinThickness = "",
    // 管配列（三角 or 四角）の数値が未登録
    .noArrangement = "",
    // 管の熱伝導率が未登録
    .noTubeConductivity = "",
    // ﾌｨﾝの熱伝導率が未登録
    .noFinConductivity = "",
    // 管内側汚れ係数が未登録
    .noTubeFouling = "",
    // ｼｪﾙ側汚れ係数が未登録
    .noShellFouling = "",
    // 直交流での流路ﾊﾟｽ形態（向流ﾊﾟｽ、並流ﾊﾟｽ）が未登録
    .noFlowPattern = "",
    // 管内側流路ﾊﾟｽ数が未登録
    .noTubePasses = "",
    // ｼｪﾙ側流路ﾊﾟｽ数が未登録
    .noShellPasses = "",
    // ★ 管段数を右欄『 伝熱管段数 』カラムに数値を入力してください。
    .noTubeRows = "",
    // ★ 管列数を右のカラムに入力して下さい。
    .noTubeColumns = "",
    // ﾂｲｽﾄﾃｰﾌﾟの肉厚が未登録
    .noTapeThickness = "",
    // ﾂｲｽﾄﾃｰﾌﾟのﾋﾟｯﾁ(節間長さ)が未登録
    .noTapePitch = "",
    // 凝縮液膜厚さはゼロに設定されます。
    .filmSetToZero = "",
    // このまま進める  y/n
    .filmGoOn = "",
    // 　予備データーの登録確認
    .confirmCaption = "",
    // 予備ﾃﾞｰﾀｰ登録は　ＯＫ ？\n\n　　
    .confirmText = "",
    //    －
    .computedRows = "",
    // ＜ 直交流型又は直交流型向流ﾊﾟｽ熱交換器の計算条件です＞
    .headingCross = "",
    // ＜ ２ﾊﾟｽ以上の直交型並流ﾊﾟｽ熱交換器の計算条件です＞
    .headingParallel = "",
    // ＜ LMTD(向流) の計算条件です。LMTD 補正値を入力して下さい。＞
    .headingCounter = "",
};

const flows_texts::FlowsTexts flows_texts::kFlowsEnglish{
    // ★ 既設定管段数を削除します  。
    .columnsCleared = "",
    //    －
    .columnsDash = "",
    // 129) 管内側ガス流量 --- 1) ノルマル流量 Vt(Nm3/h)
    .tubeFlowKind = "",
    // 　2）重量流量 Wt(kg/h)
    .tubeFlowMass = "",
    // 130) 管内側ガス流量 --- 1) ノルマル流量 Vt(Nm3/s)
    .tubeFlowKindSi = "",
    // 　2）重量流量 Wt(kg/s)
    .tubeFlowMassSi = "",
    // //// 1 or 2 を押して下さい ////
    .tubeFlowRefused = "",
    // 131)   → ノルマル流量 Vt(Nm3/h)=
    .vtEcho = "",
    // 132)   → ノルマル流量 Vt(Nm3/s)=
    .vtEchoSi = "",
    // 134)  → 重量流量 Wt(kg/h)=
    .wtEcho = "",
    // 135)  → 重量流量 Wt(kg/s)=
    .wtEchoSi = "",
    // 140) 管内入側温度 Tti(K)=
    .waterTtiSi = "",
    // set the temperature(℃) 0<Tti<160
    .waterRange = "",
    // 139) 管内側水流量 -------- Wt(kg/h)=
    .waterFlow = "",
    // 141) 管内側水流量 -------- Wt(kg/s)=
    .waterFlowSi = "",
    // ⇒ 並流設定のためｼｪﾙ側ﾊﾟｽ数を２以上をｾｯﾄして下さい。
    .parallelNotice = "",
    // 1 or 2 ｦ ﾌﾟｯｼｭ ｼﾃ ｸﾀﾞｻｲ
    .push1or2 = "",
    // ② (A) 次の何れかを指定して下さい
    .choiceA = "",
    // <1> シェル出側温度  Tso(ﾟC )
    .choiceA1 = "",
    // <1> シェル出側温度  Tso(K)
    .choiceA1Si = "",
    // <2> 管段数 及び 管長さ指定 Nv(-),TL(mm)
    .choiceA2 = "",
    // ③ ◇ シェル側出側温度 --------Tso(ﾟc)=
    .tsoEcho = "",
    // ④ ◇ シェル側出側温度 --------Tso(K)=
    .tsoEchoSi = "",
    // ⑧ ◇ 管内側出側温度-------------- Tto(ﾟC)=
    .ttoEcho = "",
    // ⑨ ◇ 管内側出側温度-------------- Tto(K)=
    .ttoEchoSi = "",
    // ⑩ ◇ シェル側ガス流量 -- 1) ノルマル流量 Vs(Nm3/h)
    .shellFlowKind = "",
    // 2）重量流量 Ws(kg/h)         VANS=
    .shellFlowMass = "",
    // ⑪  ◇ シェル側ガス流量 -- 1) ノルマル流量 Vs(Nm3/s)
    .shellFlowKindSi = "",
    // 2）重量流量 Ws(kg/s)
    .shellFlowMassSi = "",
    // **** 1 or 2 を押して下さい
    .shellFlowRefused = "",
    // ⑫ → ノルマル流量 Vs(Nm3/h)=
    .vsEcho = "",
    // ⑬  → ノルマル流量 Vs(Nm3/s)=
    .vsEchoSi = "",
    // ⑭  → 重量流量 Ws(kg/h)=
    .wsEcho = "",
    // ⑮  → 重量流量 Ws(kg/s)=
    .wsEchoSi = "",
};

const review_texts::ReviewTexts review_texts::kReviewEnglish{
    //                       ＜  基本設定値　＞
    .title = "",
    //     ≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡
    .ruleTop = "",
    //      [1]  管外径-------------------------- Do(mm) =##.##
    .tubeDo = "",
    //      [2]  管内径-------------------------- Di(mm) =##.##
    .tubeDi = "",
    //      [3]  管段ﾋﾟｯﾁ最外径比(前面)---------- Pv/Do(-)=##.##
    .pvDo = "",
    //      [4]  管列ﾋﾟｯﾁ最外径比(奥行)---------- Ph/Do(-)=##.##
    .phDo = "",
    //      [5]  ﾌｨﾝ材熱伝導率------------------ Kf(W/mk)=###.#
    .kfSi = "",
    //      [6]  管材熱伝導率------------------- Km(W/mk)=###.#
    .kmSi = "",
    //      [7]  管内汚れ係数------------------ Rt(m2k/W)=.#####
    .rtSi = "",
    //      [8]  管外汚れ係数------------------ Rs(m2k/W)=.#####
    .rsSi = "",
    //      [5]  ﾌｨﾝ材熱伝導率-------------- Kf(kcal/mhc)=
    .kf = "",
    //      [6]  管材熱伝導率--------------- Km(kcal/mhc)=
    .km = "",
    //      [7]  管内汚れ係数-------------- Rt(m2hc/kcal)=
    .rt = "",
    //      [8]  管外汚れ係数-------------- Rs(m2hc/kcal)=
    .rs = "",
    //  　　[9] 　ﾌｨﾝﾋﾟｯﾁ(山数/ｲﾝﾁ)---------------- Fp(-)=
    .fp = "",
    //      [10]  ﾌｨﾝ高さ------------------------- Fh(mm)=##.##
    .fh = "",
    //      [11]  ﾌｨﾝ肉厚------------------------- Ft(mm)=##.##
    .ft = "",
    //     ≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡≡
    .ruleBottom = "",
    //     ★ 管段数を設定してください 。
    .setRows = "",
    //    注)  ★★　既設定管段数は解除されます。★★
    .rowsReleased = "",
    //      1 or 2を入力して下さい
    .oneOrTwo = "",
    //      1． 管内側液体の平均物性値入力。
    .liquidHeading = "",
    .liquid = {
        //       45) <1> 液比重 .......... Dtl(kg/m3)=
        "",
        //       46) <2> 液比熱 .......... Ctl(kcal/kg℃)=
        "",
        //       47) <3> 液熱伝導率....... Ktl(kcal/mh℃)=
        "",
        //       48) <4> 液動粘性係数..... VItl(m2/h)=
        "",
    },
    .liquidSi = {
        //       62) <1> 液比重 .......... Dtl(kg/m3)=
        "",
        //       63）<2> 液比熱 .......... Ctl(kJ/kgK)=
        "",
        //       64) <3> 液熱伝導率....... Ktl(W/mK)=
        "",
        //       65) <4> 液動粘性係数..... VIt(m2/s)=
        "",
    },
    //      31) 管内側伝熱形態の選定。
    .formHeading = "",
    //                    <1> 単一成分系飽和蒸気凝縮
    .formVapour = "",
    //                    <2> 乾きガス              
    .formGas = "",
    .vapour = {
        //       32) <1> 凝縮潜熱　........... hfg(kcal/kg)=
        "",
        //       33) <2> 飽和蒸気比重 ........ Dt(kg/m3)=
        "",
        //       34) <3> 飽和蒸気比熱  ....... Ct(kcal/kg℃)=
        "",
        //       35) <4> 飽和蒸気熱伝導率..... Kt(kcal/mh℃)=
        "",
        //       36) <5> 飽和蒸気動粘性係数... VIt(m2/h)=
        "",
        //       37) <6> 凝縮液比重 .......... Dsl(kg/m3)=
        "",
        //       38) <7> 凝縮液比熱 .......... Ctl(kcal/kg℃)=
        "",
        //       39) <8> 凝縮液熱伝導率 ...... Ktl(kcal/mh℃)=
        "",
        //       40) <9> 凝縮液動粘性係数 .... VItl(m2/h)=
        "",
    },
    .vapourSi = {
        //       49) <1> 凝縮潜熱　........... hfg(kJ/kg)=
        "",
        //       50) <2> 飽和蒸気比重 ........ Dt(kg/m3)=
        "",
        //       51) <3> 飽和蒸気比熱  ....... Ct(kJ/kgK)=
        "",
        //       52) <4> 飽和蒸気熱伝導率..... Kt(W/mK)=
        "",
        //       53) <5> 飽和蒸気動粘性係数... VIt(m2/s)=
        "",
        //       54) <6> 凝縮液比重 .......... Dsl(kg/m3)=
        "",
        //       55) <7> 凝縮液比熱 .......... Ctl(kJ/kgK)=
        "",
        //       56) <8> 凝縮液熱伝導率 ...... Ktl(W/mK)=
        "",
        //       57) <9> 凝縮液動粘性係数 .... VItl(m2/s)=
        "",
    },
    .gas = {
        //       41) <1> ガス比重 .......... Dt(kg/m3)=
        "",
        //       42) <2> ガス比熱 .......... Ct(kcal/kg℃)=
        "",
        //       43) <3> ガス熱伝導率....... Kt(kcal/mh℃)=
        "",
        //       44) <4> ガス動粘性係数..... VIt(m2/h)=
        "",
    },
    .gasSi = {
        //       58) <1> ガス比重 .......... Dt(kg/m3)=
        "",
        //       59) <2> ガス比熱 .......... Ct(kJ/kgK)=
        "",
        //       60) <3> ガス熱伝導率....... Kt(W/mK)=
        "",
        //       61) <4> ガス動粘性係数..... VIt(m2/s)=
        "",
    },
    .htcMode = {
        //        66) ○ 熱伝達率の強制指定 --- 1) 指定しない(計算から求める)。
        "",
        //                                   2) 管内側指定
        "",
        //                                   3) ｼｪﾙ側指定
        "",
        //                                   4) 管内側/ｼｪﾙ側 指定
        "",
    },
    //   　　67)　○ 管内側熱伝達率 ----- ht(kcalm2hc)=
    .htUser = "",
    //    　 68)　○ 管内側熱伝達率 ----- ht(W/m2K)=
    .htUserSi = "",
    //   　　69)　○ ｼｪﾙ側熱伝達率 ----- ht(kcalm2hc)=
    .hsUser = "",
    //   　　70)　○ ｼｪﾙ側熱伝達率 ----- ht(W/m2K)=
    .hsUserSi = "",
    //      30) ｼｪﾙ側流体平均物性値を入力して下さい。
    .shellHeading = "",
    .shell = {
        //        <1> 比重..........Ds(kg/m3)=
        "",
        //        <2> 比熱..........Cs(kcal/kg℃)=
        "",
        //        <3> 熱伝導率......Ks(kcal/mh℃)=
        "",
        //        <4> 動粘性係数....VIs(m2/h)=
        "",
    },
    .shellSi = {
        //        <1> 比重..........Ds(kg/m3)=
        "",
        //        <2> 比熱..........Cs(kJ/kgK)=
        "",
        //        <3> 熱伝導率......Ks(W/mK)=
        "",
        //        <4> 動粘性係数....VIs(m2/s)=
        "",
    },
    //    71)  ○ ｼｪﾙ入側温度 ------------ Tsi(ﾟc)=
    .tsi = "",
    //    72)　○ ｼｪﾙ入側温度 ------------ Tsi(K)=
    .tsiSi = "",
    //     73) ○ ｼｪﾙ入側流量 ------------ Ws(kg/h)=
    .ws = "",
    //     74) ○ ｼｪﾙ入側流量 ------------ Ws(kg/s)=
    .wsSi = "",
    //    75)　○ 管内側流体入り側温度 ---------- Tti(ﾟc)=
    .tti = "",
    //    76)　○ 管内側流体入り側温度 ---------- Tti(K)=
    .ttiSi = "",
    //    79)　○ 管内側流体流量 ---------------- Wt(kg/h)=
    .wtLiquid = "",
    //    80)　○ 管内側流体流量 ---------------- Wt(kg/s)=
    .wtLiquidSi = "",
    //    77）　○ 管内側ガス流量 ---------------- Wt(kg/h)=
    .wtGas = "",
    //    78)　○ 管内側ガス流量 ---------------- Wt(kg/s)=
    .wtGasSi = "",
};

const humid_texts::HumidTexts humid_texts::kHumidEnglish{
    // 91)【 シェル側(低温側) 】ｶﾞｽ物性値入力方式選択
    .shellLowHeading = "",
    // 92)【 シェル側(高温側) 】ｶﾞｽ物性値入力方式選択
    .shellHighHeading = "",
    // <1> ｶﾞｽ 組成入力(CO2,O2,H2O,N2)
    .shellOpt1 = "",
    // <2> 準標準空気呼出(別途水分量追加)
    .shellOpt2 = "",
    // <3> 準標準空気呼出
    .shellOpt3 = "",
    // ////  指定外です。再セット ////
    .notOffered = "",
    // << 管内凝縮計算のため、シェル側が低温側になります。>>
    .shellLowSide = "",
    // 93)シェル入側ガス温度 T3(℃)=
    .t3 = "",
    // 94)シェル入側ガス温度 T3(K)=
    .t3Si = "",
    // 95) ⇒ ｼｪﾙ側水分条件の選択...<1> 絶対湿度(kg/kga)
    .shellMoistureChoice = "",
    // ⇒  XA(kg/kg)=
    .xa = "",
    // 101) シェル側水分モル分率Vxaを【.6028% < Vxa <{}%】の
    .vxaRange = "",
    // 範囲で入力して下さい。  ⇒Vxa(％)=
    .vxaEntry = "",
    // //// シェル側が過飽和のため規定範囲内で再設定して下さい。////
    .shellOversaturated = "",
    // ( 水分モル分率(%)= {})
    .moleFraction = "",
    // //// 数値が大きすぎます。////
    .shellTooLarge = "",
    // //// 絶対湿度を見直して下さい。////
    .shellReviewHumidity = "",
    // → シェル側露点温度は{}℃
    .shellDew = "",
    // → シェル側露点温度は ###.##(K)
    .shellDewSi = "",
    // <<< シェル側ガス物性 >>
    .shellTableFoot = "",
    // 96) ■ シェル側凝縮計算のためシェル側が高温側となるよう設定してください。
    .shellCondensing = "",
    // 97) ｼｪﾙ入側ｶﾞｽ温度の決定法選択
    .shellInletChoice = "",
    // <1> 絶対湿度Xa(kg/kga)
    .shellInletOpt1 = "",
    // <2> 水分モル分率Vxa(%)
    .shellInletOpt2 = "",
    // <3> 入側飽和ガス温度(℃)
    .shellInletOpt3 = "",
    // <3> 入側飽和ガス温度(K)
    .shellInletOpt3Si = "",
    // //// 　飽和温度以外の水分条件を再設定して下さい。 ////
    .shellNoMoisture = "",
    // //// シェル入側設定温度異常 ?? Tsi(℃)={}////
    .shellSatNotice = "",
    // //// シェル入側設定温度異常 ?? Tsi(K)={}////
    .shellSatNoticeSi = "",
    // ??  絶対湿度をミニマムにセットします( XA=.003774 kg/kg )。
    .shellMinimum = "",
    // //// 数値が大き過ぎます。////
    .shellTooLargeSat = "",
    // over range【100<CO2】
    .shellCO2Over = "",
    // over range【100<CO2+O2】
    .shellCO2O2Over = "",
    // over range【100<H2O】
    .shellH2OOver = "",
    // ? 管外側水分湿り飽和気体を選択のため100％は設定出来ません。
    .shellNoWater = "",
    // 再設定して下さい !
    .shellNoWater2 = "",
    // 107)【 低温側 】シェル入側ガス温度 Tsi(℃)=
    .shellLowTsi = "",
    // 108)シェル入側ガス温度 Tsi(℃)=
    .shellTsi = "",
    // 109)【 低温側 】シェル入側ガス温度 Tsi(K)=
    .shellLowTsiSi = "",
    // ??? ｼｪﾙ側飽和水分濃度に対し入力温度が露点以下のため、ｼｪﾙ入側温
    .shellDewFrame1 = "",
    // 度を飽和温度以上または水分量を飽和以下に再設定して下さい。
    .shellDewFrame2 = "",
    // → 【{}< Tsi < 管入側飽和温度 】の範囲。
    .shellDewRange = "",
    // ＜ 再＞
    .again = "",
    // <1> シェル側水分条件の変更(ﾀﾞｳﾝ)
    .againOpt1 = "",
    // <2> シェル入側温度の変更(ｱｯﾌﾟ)
    .againOpt2 = "",
    // //// 湿りｶﾞｽ計算条件のため水分量を入力して下さい。////
    .shellNeedWater = "",
    // 《 {}＜ Tsi  》の範囲で設定して下さい。
    .shellTsiRange = "",
    // 111)　シェル入側ガス温度 Tsi(℃)=
    .shellTsi111 = "",
    // 112)　シェル入側ガス温度 Tsi(K)=
    .shellTsi112 = "",
    // //////////// 過飽和の露点条件温度です。//////////////
    .shellSupersaturated = "",
    // =================　ｼｪﾙ側　=====================
    .shellBlockTop = "",
    // ｼｪﾙ側飽和温度      Tsi={}(℃)
    .shellBlockTs = "",
    // ｼｪﾙ側飽和温度      Tsi= ###.### (K)
    .shellBlockTsSi = "",
    // 絶対湿度 　        XA ={}(kg/kgda)
    .shellBlockXA = "",
    // ﾉﾙﾏﾙｶﾞｽ比重        Dns={}(kg/Nm3)
    .shellBlockDns = "",
    // 分子量比(水分/ｶﾞｽ) MS ={}(標準空気0.622)
    .shellBlockMS = "",
    // 115)【 高温側 】管内側ガスの組成入力形態を選択して下さい。
    .tubeHighHeading = "",
    // <1> ガス組成キー入力(CO2,O2,H2O,N2)
    .tubeOpt1 = "",
    // <2> 準標準空気呼込み(別途水分追加)
    .tubeOpt2 = "",
    // 113)  管内側流体物性値を選択して下さい
    .tubeHeading = "",
    // 114) 【 低温側 】管内側流体物性値を選択して下さい
    .tubeLowHeading = "",
    // <1> ガス組成キー入力(CO2,O2,H2O,N2)
    .tubeOpt1b = "",
    // <2> 準標準空気呼込み(別途水分追加)
    .tubeOpt2b = "",
    // <3> 準標準空気呼込み
    .tubeOpt3 = "",
    // 1～３を選んで下さい
    .tubeChoose13 = "",
    // 116) ⇒ 管内ｶﾞｽ水分量の入力形態を選択して下さい
    .tube116 = "",
    // <1> 絶対湿度(kg/kgda)
    .tube116Opt1 = "",
    // <2> 水分モル分率(%)   　TWET=
    .tube116Opt2 = "",
    // 1  or  2  をプッシュして下さい。
    .tube116Wrong = "",
    // 117) ⇒ 管内ｶﾞｽ水分量の入力形態を選択して下さい
    .tube117 = "",
    // <1> 絶対湿度(kg/kg)、 <2> 水分モル分率(%)
    .tube117Opt12 = "",
    // <3> 入側飽和温度(℃)、<4> 入側ｴﾝﾀﾙﾋﾟｰ(kcal/kg)
    .tube117Opt34 = "",
    // <3> 入側飽和温度(K)、<4> 入側ｴﾝﾀﾙﾋﾟｰ(kcal/kg)
    .tube117Opt34Si = "",
    // 118) ● 水分モル分率の範囲(0.6028% < VH <{}%)
    .vhRange = "",
    // 119)  ⇒ Vn(%)=
    .vn = "",
    // 120)　● 絶対湿度の範囲( {}kg/kg ＞ XG )
    .xgRange = "",
    // 範囲外のため再設定    121) ⇒ XG(kg/kg)=
    .xgEntry = "",
    // ?? 絶対湿度の値を0℃の値にセットします( XG=.003774 kg/kg )。
    .xgMinimum = "",
    // ?? 絶対湿度の値を273Kの値にセットします( XG=.003774 kg/kg )。
    .xgMinimumSi = "",
    // 85) ● 管内飽和温度 Tti(℃)=
    .tubeSatTemp = "",
    // 86) ● 管内飽和温度 Tti(K)=
    .tubeSatTempSi = "",
    // ！設定温度が許容値を下回っています。
    .tubeSatBelow = "",
    // ！設定温度が許容値を超えています。
    .tubeSatAbove = "",
    // 87)● 管内入側飽和ｶﾞｽｴﾝﾀﾙﾋﾟｰ範囲({}kcal/kg＜H2＜2000 kcal/kg)
    .tubeEnthalpyRange = "",
    // 87A)● SHELL入側飽和ｶﾞｽｴﾝﾀﾙﾋﾟｰ範囲({}kcal/kg＜H2＜2000 kcal/kg)
    .shellEnthalpyRange = "",
    // ⇒ H2(kcal/kg)=
    .h2Entry = "",
    // 88)● 管内入側飽和ｶﾞｽｴﾝﾀﾙﾋﾟｰ範囲({}kJ/kg＜H2＜8400 kJ/kg)
    .tubeEnthalpyRangeSi = "",
    // 88B)● SHELL入側飽和ｶﾞｽｴﾝﾀﾙﾋﾟｰ範囲({}kJ/kg＜H2＜8400 kJ/kg)
    .shellEnthalpyRangeSi = "",
    // ⇒ H2(kJ/kg)=
    .h2EntrySi = "",
    // ////  入力値が規程範囲を外れています。////
    .enthalpyOutOfRange = "",
    // ?? ｼｪﾙ側飽和水分濃度を管内側飽和水分濃度より高くｾｯﾄして下さい！。
    .shellMustBeWetter = "",
    // ?? 管内側飽和水分濃度をｼｪﾙ側飽和水分濃度より高くｾｯﾄして下さい！。
    .tubeMustBeWetter = "",
    // //// over range　////　
    .tubeOverRange = "",
    // → 管内側露点温度{}(℃)
    .tubeDew = "",
    // → 管内側露点温度 ###.##(K)
    .tubeDewSi = "",
    // <<< 管内側物性値モル分率(%) >>
    .tubeTableFoot = "",
    // //// 1 ~ 3  ｦ ｴﾗﾝﾃﾞ ｸﾀﾞｻｲ ////
    .tubeBadMethod = "",
    // 管内飽和温度       Tti={}(℃)
    .tubeBlockTs = "",
    // 管内飽和温度       Tti= ###.### (K)
    .tubeBlockTsSi = "",
    // 絶対湿度 　        XG ={}(kg/kgda)
    .tubeBlockXG = "",
    // ﾉﾙﾏﾙｶﾞｽ比重        Dn ={}(kg/Nm3)
    .tubeBlockDn = "",
    // 分子量比(水分/ｶﾞｽ) MT ={}(標準空気0.622)
    .tubeBlockMT = "",
    // ■ 管内入り側温度は【 Tti <{}℃】の範囲。
    .ttiBelow = "",
    // ■ 管内入り側温度は【 Tti <{}K】の範囲。
    .ttiBelowSi = "",
    // ■ 管内入り側温度は【 {}< Tti <{}℃】の範囲。
    .ttiRange = "",
    // 18. 管内(tube)側流体入り側温度 ---- Tti(ﾟc)=
    .tti18 = "",
    // 18. 管内(tube)側流体入り側温度 ---- Tti(K)=
    .tti18Si = "",
    // ???　 範囲を超えています。再設定して下さい。
    .ttiOutOfRange = "",
    // ■ 管内入り側温度は【{}< Tti <{}℃】の範囲。
    .ttiRangeTight = "",
    // ■ 管内入り側温度は【{}< Tti <{}K】の範囲。
    .ttiRangeTightSi = "",
    // 両流体の飽和温度が接近しており、ｴﾗｰ発生の可能性有り。
    .saturationClose = "",
    // 123) 管内(tube)側流体入り側温度 ---- Tti(ﾟc)=
    .tti123 = "",
    // 124) 管内(tube)側流体入り側温度 ---- Tti(ﾟc)=
    .tti124 = "",
    // << ﾁｪｯｸ >>
    .check = "",
    // ?? 設定水分濃度に対し入側温度が低い!【範囲 Tti<{}】。
    .ttiTooLow = "",
    // 126) 管内側流体入り側温度 ----- Tti(ﾟc)=
    .tti126 = "",
    // 127) 管内側流体入り側温度 ----- Tti(K)=
    .tti127 = "",
    // ?? 管入側水分量と設定温度の不整合！【設定範囲 Tti>{}】
    .ttiMismatch = "",
    // ?? 管入水分量と設定温度の不整合！【設定範囲 Tti>{}】
    .ttiMismatchSi = "",
    // ------------------<< 要ﾁｪｯｸ >>------------------
    .latentRuleTube = "",
    // 管内潜熱条件を外れます。!!
    .latentOff = "",
    // 継続の場合、水分濃度及び温度の見直しが必要です。
    .latentReview = "",
    // -------------------<< 要ﾁｪｯｸ >>-----------------
    .latentRuleShell = "",
};

const calc::rating_texts::RatingTexts calc::rating_texts::kRatingEnglish{
    //  ［ #2. mean temp.ﾟc ］
    .meanGivenHeader = "",
    //    @@@  収束不可のため終了します。@@
    .noConvergence = "",
    //  ［ #3. mean temp.ﾟc ］
    .meanComputedHeader = "",
    //    @@@  計算不能のため終了します。[ Tto >= Tsi (温度交差) ]@@
    .tubeOutletPastShellInletHot = "",
    //    @@@  計算不能のため終了します。[ Tto <= Tsi (温度交差) ]@@
    .tubeOutletPastShellInletCold = "",
    //    @@@  収束条件外のため終了します。仕様見直し要!@@
    .outletLimit = "",
    //    @@@  収束条件外のため終了します。仕様見直し要! @@
    .humidLimit = "",
    //   !! 流量ﾊﾞﾗﾝｽまたは伝熱面積の見直しが必要です
    .flowBalance = "",
    // 　⑯ . シェル側ガス流量 Vs(Nm3/h) SET ?      y/n  
    .shellFlowSetQuestion = "",
    // 　⑰. シェル側ガス流量 Vs(Nm3/s) SET ?      y/n  
    .shellFlowSetQuestionSi = "",
    //  y or n ｦ ｼﾃｲ ｼﾃ ｸﾀﾞｻｲ
    .yesOrNo = "",
    //    ⑱ シェル側ガス流量 ---- 1) ノルマル流量 Vs(Nm3/h)
    .shellFlowKind = "",
    //                       　    2) 重量流量 Ws(kg/h)      
    .shellFlowMass = "",
    //    ⑲ シェル側ガス流量 ---- 1) ノルマル流量 Vs(Nm3/s)
    .shellFlowKindSi = "",
    //                       　     2) 重量流量 Ws(kg/s)      
    .shellFlowMassSi = "",
    //      **** 1 or 2 を押して下さい
    .shellFlowRefused = "",
    //        21) → ノルマル流量 Vs(Nm3/s)=
    .vsEchoSi = "",
    //        23) → 重量流量 Ws(kg/s)=
    .wsEchoSi = "",
    //        22) → 重量流量 Ws(kg/h)=
    .wsEcho = "",
    //     !! この条件設定での解は不適切な値になると判断しますので計算を停止します。　　   再設定して下さい。
    .humidTubeImpossible = "",
    //   Av.wall temperature(℃)=
    .wallTemperature = "",
    //          温度効率が異常です。伝熱面積過大、またはシェル側流量が低すぎます。
    .temperatureCross = "",
    //        25) → シェル出側温度 Tso(℃)=
    .aimEcho = "",
    //         26)→ シェル出側温度 Tso(K)=
    .aimEchoSi = "",
    //      ★ 伝熱面積が過剰の可能性あり。！！
    .excessArea = "",
    //      <<  管列数を指定して下さい ! >>
    .columnsMissing = "",
};

const calc::condensing_texts::CondensingTexts calc::condensing_texts::kCondensingEnglish{
    // ┌────────────┐
    .boxTop = "",
    // │ calc. of condensation  │
    .boxTitle = "",
    // └────────────┘
    .boxBottom = "",
    // ───────────────
    .rule = "",
    // TZ3 (ﾟC)=
    .tz3 = "",
    // TZ3X(ﾟC)=
    .tz3x = "",
};
}  // namespace cfhx
