// Texts of the main-items screen FORM5: marks, guidance messages, unit
// labels, sample values and the messages of its checks.
#pragma once

#include <string_view>

#include "app/codes.h"

namespace cfhx::form5_texts {

using std::string_view;

// Marks written into fields and buttons.
inline constexpr string_view kMark = "■";
inline constexpr string_view kNone = "    －";
inline constexpr string_view kWaterNone = "     －";
inline constexpr string_view kPropertyNone = "      －";
inline constexpr string_view kShellLatentNone = "－";
inline constexpr string_view kRemainder = "  Rem.";
inline constexpr string_view kRemainderFull = "   Rem.";
inline constexpr string_view kSatEntered = "    Sat.";
inline constexpr string_view kSatComputed = "   Sat.";
inline constexpr string_view kSatTubeInlet = "   sat.";
inline constexpr string_view kSatShellInlet = "    sat.";
inline constexpr string_view kTubeFlowNone = "   　－";
inline constexpr string_view kShellMassNone = " 　  －";
inline constexpr string_view kShellVolumeNone = "  　 －";
inline constexpr string_view kHumidShellRowNone = "  　 －";
inline constexpr string_view kOutletNone = "   　－";
// A quantity the processing No. solves for, in the sample values.
inline constexpr string_view kSolved = "－";
inline constexpr string_view kStandardCO2 = "0.03";
inline constexpr string_view kStandardO2 = "20.95";

// Unit labels in SI.
inline constexpr string_view kTemperatureSI = " (K)";
inline constexpr string_view kVolumeFlowSI = " (Nm3/s)";
inline constexpr string_view kMassFlowSI = " (kg/s)";
inline constexpr string_view kEnthalpySI = " (kJ/kg)";
inline constexpr string_view kSpecificHeatSI = " (kJ/kgK)";
inline constexpr string_view kConductivitySI = " (W/mK)";
inline constexpr string_view kViscositySI = " (m2/s)";
inline constexpr string_view kLatentHeatSI = "(kJ/kg)";

// The messages of FORM5's message line, in one language.
struct Form5Texts {
    // Composition choice.
    string_view tubeDryAir;
    string_view shellDryAir;
    string_view tubeHumidMixed;
    string_view shellMixed;
    string_view tubeGasMixed;
    string_view tubeFullComposition;
    string_view shellFullComposition;
    // Moisture entry modes 1-4.
    string_view tubeMoisture[4];
    string_view shellMoisture[4];
    // Flow kinds.
    string_view tubeVolumeFlow;
    string_view tubeMassFlow;
    string_view shellVolumeFlow;
    string_view shellMassFlow;
    // Sample values.
    string_view waterTubes;
    string_view waterTubesSensible;
    string_view dryBothSides;
    // Step-1 confirmation.
    string_view tubeHumidUnset;
    string_view tubeVolumeUnset;
    string_view tubeHumidNoMoisture;
    string_view tubeGasUnset;
    string_view tubeGasNoMoisture;
    string_view shellUnset;
    string_view shellVolumeUnset;
    string_view shellNoMoisture;
    // Checks of the OK button (each written after one blank).
    string_view shellMoistureUnset;
    string_view shellCompositionUnset;
    string_view tubeCompositionUnset;
    string_view tubeFlowKindUnset;
    string_view tubeMassFlowUnset;
    string_view lengthUnset;
    string_view shellFlowKindUnset;
    string_view shellFlowUnset;
    string_view shellMassFlowUnset;
    string_view shellOutletWrong;
    string_view tubeOutletWrong;
    string_view tubeFlowChoiceUnset;
    string_view shellFlowChoiceUnset;
    string_view tubeFlowUnset;
    string_view shellVolumeFlowUnset;
    string_view tubePropertyUnset[4];
    string_view shellPropertyUnset[4];
    string_view evaporationTooHot;
    string_view condensationTooCold;
    string_view pairUnset;  // a pair of fluid kinds that no kind button leaves
    // A number outside its field's range: open + the field and what is wrong + close.
    string_view outOfRangeOpen;
    string_view outOfRangeClose;
    // Latent heat, then the liquid density, specific heat, conductivity, viscosity.
    string_view latentUnset[5];
};

inline constexpr Form5Texts kForm5Japanese{
    .tubeDryAir = "　管内側ガスに標準空気（ドライ）を選択しましたので、顕熱計算となります。",
    .shellDryAir = "　シェル側ガスに標準空気（ドライ）を選択しましたので、顕熱計算となります。",
    .tubeHumidMixed = "　標準空気の成分と混合されます。",
    .shellMixed = "　シェル側水分量は標準空気の成分と均一に混合されます。",
    .tubeGasMixed = "　管内側水分量は標準空気の成分と均一に混合されます。",
    .tubeFullComposition = "　 管内側 O2、CO2を登録して下さい。N2はH2O、O2、CO2の残分として登録されます。",
    .shellFullComposition = "　 シェル側 O2、CO2を登録して下さい。N2はH2O、O2、CO2の残分として登録されます。",
    .tubeMoisture = {
    "　管内の入側水分量を容積％(V/V)として入力して下さい。",
    "　管内の入側水分量を絶対湿度(kg/kgda)として入力して下さい。",
    "　管内の入側水分量を湿り飽和温度から算出します。飽和温度を入力して下さい。",
    "　管内の入側水分量を飽和湿り気体のｴﾝﾀﾙﾋﾟｰから算出します。ｴﾝﾀﾙﾋﾟｰを入力して下さい。",
},
    .shellMoisture = {
    "　シェル入側の水分量を容積％(V/V)として入力して下さい。",
    "　シェル入側の水分量を絶対湿度(kg/kgda)として入力して下さい。",
    "　シェル入側の水分量を湿り飽和温度から算出します。飽和温度を入力して下さい。",
    "　シェル入側の水分量を飽和湿り気体のｴﾝﾀﾙﾋﾟｰから算出します。ｴﾝﾀﾙﾋﾟｰを入力して下さい。",
},
    .tubeVolumeFlow = "　管内側流体の体積流量（Nm3/h）を入力して下さい。シェル側の入力が終了したら管長さを入力して下さい。",
    .tubeMassFlow = "　管内側流体の重量流量（kg/h）を入力して下さい。シェル側の入力が終了したら管長さを入力して下さい。",
    .shellVolumeFlow = "　シェル側流体の体積流量（Nm3/h）を入力して下さい。管内側の入力が終了した管長さを入力して下さい。",
    .shellMassFlow = "　シェル側流体の重量流量（kg/h）を入力して下さい。管内側の入力が終了したら管長さを入力して下さい。",
    .waterTubes = "★ 管内側水です。",
    .waterTubesSensible = "　管内側水を選択しましたので、顕熱計算となります。",
    .dryBothSides = "★ シェル側/管内側共に乾き空気です",
    .tubeHumidUnset = "★  管内側飽和水分量の組合せが未設定です！。",
    .tubeVolumeUnset = "★  管内側飽和水分量％(V/V)が未設定です！。",
    .tubeHumidNoMoisture = "★  管内側飽和水分量又は飽和水分量を計算するための飽和温度又はｴﾝﾀﾙﾋﾟｰのいずれかを選択してください！。",
    .tubeGasUnset = "★ 管内側水分量の組合せの選択がまだです！。　　　　　　チェックマークを入れてください",
    .tubeGasNoMoisture = "★  管内側飽和水分量を選択してください！。",
    .shellUnset = "★ シェル側水分量の組合せの選択がまだです！。　　　　　　チェックマークを入れてください",
    .shellVolumeUnset = "★  シェル側飽和水分量％(V/V)が未設定です！。",
    .shellNoMoisture = "★  シェル側水分種を選択してください！。",
    .shellMoistureUnset = "★ シェル側水分量を設定してください。！",
    .shellCompositionUnset = "★ シェル側組成組み合わせが未設定です。！",
    .tubeCompositionUnset = "★ 管内側組成の組み合わせが未定です。！",
    .tubeFlowKindUnset = "★ 管内側流量（容積or重量）が未定です。！",
    .tubeMassFlowUnset = "★ 管内側重量流量が未定です。！",
    .lengthUnset = "★ 管長さが未定です。！",
    .shellFlowKindUnset = "★ シェル側流量（容積or重量）が未定です。！",
    .shellFlowUnset = "★ シェル側流量が未定です。！",
    .shellMassFlowUnset = "★ シェル側重量流量が未定です。！",
    .shellOutletWrong = "★ シェル出側温度設定が不正です。！",
    .tubeOutletWrong = "★ 管出側温度設定が不正です。！",
    .tubeFlowChoiceUnset = "★ 管内側流量の選択が未定です。！",
    .shellFlowChoiceUnset = "★ シェル側流量の選択が未定です。！",
    .tubeFlowUnset = "★ 管内側流量が未定です。！",
    .shellVolumeFlowUnset = "★ シェル側流量（容積）が未定です。！",
    .tubePropertyUnset = {
    "★ 管内側密度が未定です。！",
    "★ 管内側比熱が未定です。！",
    "★ 管内側熱伝導率が未定です。！",
    "★ 管内側動粘性係数が未定です。！",
},
    .shellPropertyUnset = {
    "★ シェル側密度が未定です。！",
    "★ シェル側比熱が未定です。！",
    "★ シェル側熱伝導率が未定です。！",
    "★ シェル側動粘性係数が未定です。！",
},
    .evaporationTooHot = "★ 管外又は管内側温度設定が不正です。管内蒸発温度が管外側温度より高く設定されています。！",
    .condensationTooCold = "★ 管外又は管内側温度設定が不正です。管内凝縮温度が管外側温度より低く設定されています。！",
    .pairUnset = "★ 管内側とシェル側の物性の組合せが未設定です。！",
    .outOfRangeOpen = "★ ",
    .outOfRangeClose = "。！",
    .latentUnset = {
    "★ 管内側潜熱が未定です。！",
    "★ 管内側液相液密度が未定です。！",
    "★ 管内側液相比熱が未定です。！",
    "★ 管内側液相熱伝導率が未定です。！",
    "★ 管内側液相動粘性係数が未定です。！",
},
};
extern const Form5Texts kForm5English;  // english_texts.cpp of this layer
inline const Form5Texts& form5Texts(Language language) {
    return language == Language::English ? kForm5English : kForm5Japanese;
}

// ---- Sample values ("開く") ---------------------------------------------

// A sample in old units and, where it differs, in SI.
struct Sample {
    string_view old;
    string_view si = {};
};

// Correlation pairs: H2O % for moisture mode 1 (empty: no moisture row),
// inlets, mass flows and the message.
struct PairSample {
    FluidKind tube;
    FluidKind shell;
    string_view tubeMoisture = {};
    string_view shellMoisture = {};
    Sample tubeInlet;
    Sample shellInlet;
    Sample tubeFlow;
    Sample shellFlow;
    string_view Form5Texts::*message = nullptr;  // a message of the table, or none
};

inline constexpr PairSample kPairSamples[] = {
    {.tube = FluidKind::HumidGas, .shell = FluidKind::Gas, .tubeMoisture = "20", .shellMoisture = "0.1",
     .tubeInlet = {kSatTubeInlet}, .shellInlet = {"20", "293"},
     .tubeFlow = {"1000", "0.25"}, .shellFlow = {"2000", "0.55"}},
    {.tube = FluidKind::Gas, .shell = FluidKind::Gas, .tubeMoisture = "0.1", .shellMoisture = "0.1",
     .tubeInlet = {"20", "293"}, .shellInlet = {"200", "473"},
     .tubeFlow = {"2000", "0.4"}, .shellFlow = {"2000", "0.4"}, .message = &Form5Texts::dryBothSides},
    {.tube = FluidKind::Water, .shell = FluidKind::HumidGas, .shellMoisture = "20",
     .tubeInlet = {"20", "293"}, .shellInlet = {kSatShellInlet},
     .tubeFlow = {"2000", "0.55"}, .shellFlow = {"1000", "0.25"}, .message = &Form5Texts::waterTubes},
    {.tube = FluidKind::Water, .shell = FluidKind::Gas, .shellMoisture = "0.1",
     .tubeInlet = {"20", "293"}, .shellInlet = {"200", "473"},
     .tubeFlow = {"2000", "0.55"}, .shellFlow = {"2000", "0.55"}, .message = &Form5Texts::waterTubesSensible},
};

inline constexpr string_view kSampleLength = "1500";
// Gas or water in the tubes, gas outside: what the processing No. adds.
inline constexpr Sample kSampleOutlet = {"100", "373"};
inline constexpr Sample kSampleFlowNo5 = {"2000", "0.55"};

// Typed-in properties: density, specific heat, conductivity, kinematic
// viscosity of each side; latent heat and the liquid's four properties.
struct PropertySample {
    Sample tube[4];
    Sample shell[4];
    Sample latent[5];
    Sample tubeInlet;
    Sample shellInlet;
    Sample tubeFlow;
    Sample shellFlow;
};

inline constexpr Sample kAirProperties[] = {{"1.17"}, {"0.24", "1"}, {"0.056", "0.048"}, {"0.022", "6.11E-6"}};

inline constexpr PropertySample kLiquidSample = {
    {{"998"}, {"1", "4"}, {"0.51", "0.44"}, {"0.0036", "1E-6"}},
    {kAirProperties[0], kAirProperties[1], kAirProperties[2], kAirProperties[3]},
    {},
    {"20", "293"}, {"200", "473"}, {"2000", "0.55"}, {"2000", "0.55"},
};
inline constexpr PropertySample kGasSample = {
    {kAirProperties[0], kAirProperties[1], kAirProperties[2], kAirProperties[3]},
    {{"1.17"}, {"0.24", "1"}, {"0.056", "0.048"}, {"0.02", "6.11E-6"}},
    {},
    {"20", "293"}, {"200", "473"}, {"2000", "0.55"}, {"2000", "0.55"},
};
// The shell inlet is for condensation; evaporation takes kEvaporationShellInlet.
inline constexpr PropertySample kPhaseChangeSample = {
    {{"0.598"}, {"0.501", "2"}, {"0.02", "0.023"}, {"0.075", "2.08E-5"}},
    {kAirProperties[0], kAirProperties[1], kAirProperties[2], kAirProperties[3]},
    {{"450", "2260"}, {"958.4"}, {"1.007", "4"}, {"0.586", "0.68"}, {"0.0011", "3.05E-7"}},
    {"100", "373"}, {"20", "293"}, {"200", ".025"}, {"4000", "1"},
};
inline constexpr Sample kEvaporationShellInlet = {"200", "473"};

}  // namespace cfhx::form5_texts
