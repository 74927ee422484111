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

// Composition choice.
inline constexpr string_view kTubeDryAir = "　管内側ガスに標準空気（ドライ）を選択しましたので、顕熱計算となります。";
inline constexpr string_view kShellDryAir = "　シェル側ガスに標準空気（ドライ）を選択しましたので、顕熱計算となります。";
inline constexpr string_view kTubeHumidMixed = "　標準空気の成分と混合されます。";
inline constexpr string_view kShellMixed = "　シェル側水分量は標準空気の成分と均一に混合されます。";
inline constexpr string_view kTubeGasMixed = "　管内側水分量は標準空気の成分と均一に混合されます。";
inline constexpr string_view kTubeFullComposition = "　 管内側 O2、CO2を登録して下さい。N2はH2O、O2、CO2の残分として登録されます。";
inline constexpr string_view kShellFullComposition = "　 シェル側 O2、CO2を登録して下さい。N2はH2O、O2、CO2の残分として登録されます。";

// Moisture entry modes 1-4.
inline constexpr string_view kTubeMoisture[] = {
    "　管内の入側水分量を容積％(V/V)として入力して下さい。",
    "　管内の入側水分量を絶対湿度(kg/kgda)として入力して下さい。",
    "　管内の入側水分量を湿り飽和温度から算出します。飽和温度を入力して下さい。",
    "　管内の入側水分量を飽和湿り気体のｴﾝﾀﾙﾋﾟｰから算出します。ｴﾝﾀﾙﾋﾟｰを入力して下さい。",
};
inline constexpr string_view kShellMoisture[] = {
    "　シェル入側の水分量を容積％(V/V)として入力して下さい。",
    "　シェル入側の水分量を絶対湿度(kg/kgda)として入力して下さい。",
    "　シェル入側の水分量を湿り飽和温度から算出します。飽和温度を入力して下さい。",
    "　シェル入側の水分量を飽和湿り気体のｴﾝﾀﾙﾋﾟｰから算出します。ｴﾝﾀﾙﾋﾟｰを入力して下さい。",
};

// Flow kinds.
inline constexpr string_view kTubeVolumeFlow = "　管内側流体の体積流量（Nm3/h）を入力して下さい。シェル側の入力が終了したら管長さを入力して下さい。";
inline constexpr string_view kTubeMassFlow = "　管内側流体の重量流量（kg/h）を入力して下さい。シェル側の入力が終了したら管長さを入力して下さい。";
inline constexpr string_view kShellVolumeFlow = "　シェル側流体の体積流量（Nm3/h）を入力して下さい。管内側の入力が終了した管長さを入力して下さい。";
inline constexpr string_view kShellMassFlow = "　シェル側流体の重量流量（kg/h）を入力して下さい。管内側の入力が終了したら管長さを入力して下さい。";

// Sample values.
inline constexpr string_view kWaterTubes = "★ 管内側水です。";
inline constexpr string_view kWaterTubesSensible = "　管内側水を選択しましたので、顕熱計算となります。";
inline constexpr string_view kDryBothSides = "★ シェル側/管内側共に乾き空気です";

// Step-1 confirmation.
inline constexpr string_view kTubeHumidUnset = "★  管内側飽和水分量の組合せが未設定です！。";
inline constexpr string_view kTubeVolumeUnset = "★  管内側飽和水分量％(V/V)が未設定です！。";
inline constexpr string_view kTubeHumidNoMoisture = "★  管内側飽和水分量又は飽和水分量を計算するための飽和温度又はｴﾝﾀﾙﾋﾟｰのいずれかを選択してください！。";
inline constexpr string_view kTubeGasUnset = "★ 管内側水分量の組合せの選択がまだです！。　　　　　　チェックマークを入れてください";
inline constexpr string_view kTubeGasNoMoisture = "★  管内側飽和水分量を選択してください！。";
inline constexpr string_view kShellUnset = "★ シェル側水分量の組合せの選択がまだです！。　　　　　　チェックマークを入れてください";
inline constexpr string_view kShellVolumeUnset = "★  シェル側飽和水分量％(V/V)が未設定です！。";
inline constexpr string_view kShellNoMoisture = "★  シェル側水分種を選択してください！。";

// Unit labels in SI.
inline constexpr string_view kTemperatureSI = " (K)";
inline constexpr string_view kVolumeFlowSI = " (Nm3/s)";
inline constexpr string_view kMassFlowSI = " (kg/s)";
inline constexpr string_view kEnthalpySI = " (kJ/kg)";
inline constexpr string_view kSpecificHeatSI = " (kJ/kgK)";
inline constexpr string_view kConductivitySI = " (W/mK)";
inline constexpr string_view kViscositySI = " (m2/s)";
inline constexpr string_view kLatentHeatSI = "(kJ/kg)";

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
    string_view message = {};
};

inline constexpr PairSample kPairSamples[] = {
    {.tube = FluidKind::HumidGas, .shell = FluidKind::Gas, .tubeMoisture = "20", .shellMoisture = "0.1",
     .tubeInlet = {kSatTubeInlet}, .shellInlet = {"20", "293"},
     .tubeFlow = {"1000", "0.25"}, .shellFlow = {"2000", "0.55"}},
    {.tube = FluidKind::Gas, .shell = FluidKind::Gas, .tubeMoisture = "0.1", .shellMoisture = "0.1",
     .tubeInlet = {"20", "293"}, .shellInlet = {"200", "473"},
     .tubeFlow = {"2000", "0.4"}, .shellFlow = {"2000", "0.4"}, .message = kDryBothSides},
    {.tube = FluidKind::Water, .shell = FluidKind::HumidGas, .shellMoisture = "20",
     .tubeInlet = {"20", "293"}, .shellInlet = {kSatShellInlet},
     .tubeFlow = {"2000", "0.55"}, .shellFlow = {"1000", "0.25"}, .message = kWaterTubes},
    {.tube = FluidKind::Water, .shell = FluidKind::Gas, .shellMoisture = "0.1",
     .tubeInlet = {"20", "293"}, .shellInlet = {"200", "473"},
     .tubeFlow = {"2000", "0.55"}, .shellFlow = {"2000", "0.55"}, .message = kWaterTubesSensible},
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

// Checks of the OK button (each written after one blank).
inline constexpr string_view kShellMoistureUnset = "★ シェル側水分量を設定してください。！";
inline constexpr string_view kShellCompositionUnset = "★ シェル側組成組み合わせが未設定です。！";
inline constexpr string_view kTubeCompositionUnset = "★ 管内側組成の組み合わせが未定です。！";
inline constexpr string_view kTubeFlowKindUnset = "★ 管内側流量（容積or重量）が未定です。！";
inline constexpr string_view kTubeMassFlowUnset = "★ 管内側重量流量が未定です。！";
inline constexpr string_view kLengthUnset = "★ 管長さが未定です。！";
inline constexpr string_view kShellFlowKindUnset = "★ シェル側流量（容積or重量）が未定です。！";
inline constexpr string_view kShellFlowUnset = "★ シェル側流量が未定です。！";
inline constexpr string_view kShellMassFlowUnset = "★ シェル側重量流量が未定です。！";
inline constexpr string_view kShellOutletWrong = "★ シェル出側温度設定が不正です。！";
inline constexpr string_view kTubeOutletWrong = "★ 管出側温度設定が不正です。！";
inline constexpr string_view kTubeFlowChoiceUnset = "★ 管内側流量の選択が未定です。！";
inline constexpr string_view kShellFlowChoiceUnset = "★ シェル側流量の選択が未定です。！";
inline constexpr string_view kTubeFlowUnset = "★ 管内側流量が未定です。！";
inline constexpr string_view kShellVolumeFlowUnset = "★ シェル側流量（容積）が未定です。！";
inline constexpr string_view kTubePropertyUnset[] = {
    "★ 管内側密度が未定です。！",
    "★ 管内側比熱が未定です。！",
    "★ 管内側熱伝導率が未定です。！",
    "★ 管内側動粘性係数が未定です。！",
};
inline constexpr string_view kShellPropertyUnset[] = {
    "★ シェル側密度が未定です。！",
    "★ シェル側比熱が未定です。！",
    "★ シェル側熱伝導率が未定です。！",
    "★ シェル側動粘性係数が未定です。！",
};
inline constexpr string_view kEvaporationTooHot = "★ 管外又は管内側温度設定が不正です。管内蒸発温度が管外側温度より高く設定されています。！";
inline constexpr string_view kCondensationTooCold = "★ 管外又は管内側温度設定が不正です。管内凝縮温度が管外側温度より低く設定されています。！";
// A pair of fluid kinds that no kind button leaves.
inline constexpr string_view kPairUnset = "★ 管内側とシェル側の物性の組合せが未設定です。！";
// A number outside its field's range: "★ " + the field and what is wrong + "。！".
inline constexpr string_view kOutOfRangeOpen = "★ ";
inline constexpr string_view kOutOfRangeClose = "。！";
// Latent heat, then the liquid density, specific heat, conductivity, viscosity.
inline constexpr string_view kLatentUnset[] = {
    "★ 管内側潜熱が未定です。！",
    "★ 管内側液相液密度が未定です。！",
    "★ 管内側液相比熱が未定です。！",
    "★ 管内側液相熱伝導率が未定です。！",
    "★ 管内側液相動粘性係数が未定です。！",
};

}  // namespace cfhx::form5_texts
