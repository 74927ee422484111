// Main-items screen: step 1 (moisture and gas composition of each side) on
// the left, step 2 (temperatures, flows, length, typed-in properties) on the
// right, message line and buttons at the bottom.
//
// Names given here to frames and labels the procedures do not address by
// number (unit labels marked * are rewritten for SI):
//   GROUP2  frame "【 管内側水分量の選択  】"      GROUP3  frame "【 シェル側水分量の選択 】"
//   GROUP4  frame "【 管内側ｶﾞｽ組成 】"            GROUP8  frame "【 シェル側ｶﾞｽ組成 】"
//   GROUP11 frame "【　主要項目入力　】"           GROUP12 frame "【 物性値入力】"
//   TEXT126 "Step 1"   TEXT129 "【　相関式物性値組成入力 】"   TEXT130 "Step 2"
//   Tube moisture rows:  TEXT131–TEXT134 row labels (volume %, absolute humidity,
//     saturation temperature, saturated enthalpy); TEXT135 "（％）", TEXT136
//     "（kg./kg）", TEXT137* "(℃)", TEXT138* "(kcal/kg)"
//   Shell moisture rows: TEXT139–TEXT142 row labels; TEXT143 "（％）", TEXT144
//     "（kg./kg）", TEXT145* "(℃)", TEXT146* "(kcal/kg)"
//   Tube composition:  TEXT147 "CO2", TEXT148 "O2", TEXT149 "N2"; TEXT150–TEXT152 "（％）"
//   Shell composition: TEXT153 "CO2", TEXT154 "O2", TEXT155 "N2"; TEXT160–TEXT162 "（％）"
//   Main items: TEXT163/TEXT164 column heads (tube, shell); TEXT165–TEXT169 row
//     labels (inlet temperature, outlet temperature, volume flow, mass flow,
//     tube length); TEXT170* inlet temperature, TEXT171* outlet temperature,
//     TEXT172* volume flow, TEXT173* mass flow, TEXT174 length units
//   Properties: TEXT175/TEXT176 column heads; TEXT177–TEXT186 row labels;
//     TEXT187 density, TEXT188* specific heat, TEXT189* conductivity,
//     TEXT190* kinematic viscosity, TEXT191 pressure, TEXT192* latent heat,
//     TEXT193 liquid density, TEXT194* liquid specific heat, TEXT195* liquid
//     conductivity, TEXT196* liquid kinematic viscosity (units)
#include "app/screens.h"

#include <string>
#include <utility>
#include <vector>

#include "app/catalogue_controls.h"
#include "app/form5_fields.h"

namespace cfhx {

using namespace catalogue;

namespace {

constexpr int kButtonHeight = 24;

// The small caption-less mode buttons ("■" written at run time).
ControlDef markButton(std::string name, int x, int y) { return button(std::move(name), "", x, y, 16, 16); }

struct MoistureFrame {
    const char* group;
    const char* caption;
    int labelBase;  // four row labels, then four unit labels
};

void addMoisture(std::vector<ControlDef>& c, const MoistureFrame& frameOf, const Form5Side& side, int top) {
    static const char* const rowLabels[] = {"水分容積率", "絶対湿度", "湿り 飽和温度", "湿りｴﾝﾀﾙﾋﾟｰ"};
    static const char* const units[] = {"（％）", "（kg./kg）", "(℃)", "(kcal/kg)"};
    static const char* const choices[] = {"標準空気（ドライ）", "標準空気と水分混合", "全成分登録"};
    std::vector<ControlDef> m;
    for (int k = 0; k < 3; ++k) m.push_back(option(side.options[k], choices[k], 34, top + 20 + 22 * k, 128));
    m.push_back(hidden(edit(side.compositionCode, "", 34, top + 90, 28)));
    m.push_back(hidden(edit(side.moistureCode, "", 66, top + 90, 28)));
    for (int k = 0; k < 4; ++k) {
        const int y = top + 20 + 22 * k;
        m.push_back(markButton(side.moistureButtons[k], 172, y + 1));
        m.push_back(label("TEXT" + std::to_string(frameOf.labelBase + k), rowLabels[k], 192, y + 1, 84));
        m.push_back(edit(side.moistureFields[k], "", 280, y, 70));
        m.push_back(label("TEXT" + std::to_string(frameOf.labelBase + 4 + k), units[k], 354, y + 1, 72));
    }
    addFramed(c, frame(frameOf.group, frameOf.caption, 24, top, 410, 118), std::move(m));
}

struct CompositionFrame {
    const char* group;
    const char* caption;
    int labels[3];
    int units[3];
    int left;
};

void addComposition(std::vector<ControlDef>& c, const CompositionFrame& frameOf, const Form5Side& side) {
    static const char* const gases[] = {"CO2", "O2", "N2"};
    const char* const fields[] = {side.co2, side.o2, side.n2};
    const int top = 276;
    std::vector<ControlDef> m;
    for (int k = 0; k < 3; ++k) {
        const int y = top + 20 + 22 * k;
        m.push_back(label("TEXT" + std::to_string(frameOf.labels[k]), gases[k], frameOf.left + 10, y + 1, 36));
        m.push_back(edit(fields[k], "", frameOf.left + 50, y, 76));
        m.push_back(label("TEXT" + std::to_string(frameOf.units[k]), "（％）", frameOf.left + 130, y + 1, 40));
    }
    addFramed(c, frame(frameOf.group, frameOf.caption, frameOf.left, top, 200, 88), std::move(m));
}

// Step-2 columns.
constexpr int kLabelX = 458;
constexpr int kTubeButtonX = 592;
constexpr int kTubeX = 612;
constexpr int kShellButtonX = 696;
constexpr int kShellX = 716;
constexpr int kUnitX = 800;
constexpr int kFieldW = 80;
constexpr int kUnitW = 84;

}  // namespace

ScreenDef form5Screen() {
    ScreenDef s;
    s.name = kForm5.screen;
    s.title = "【　主要項目入力　】";
    s.width = 900;
    s.height = 550;
    std::vector<ControlDef>& c = s.controls;

    // ---- Step 1 -----------------------------------------------------------
    c.push_back(label("TEXT126", "Step 1", 24, 6, 44));
    c.push_back(label("TEXT129", "【　相関式物性値組成入力 】", 72, 6, 170));

    addMoisture(c, {.group = "GROUP2", .caption = "【 管内側水分量の選択  】", .labelBase = 131}, kTubeSide, 26);
    addMoisture(c, {.group = "GROUP3", .caption = "【 シェル側水分量の選択 】", .labelBase = 139}, kShellSide, 150);
    // Step-1 confirmation buttons at the left edge, beside their frames.
    c.push_back(markButton("BUTTON50", 4, 78));
    c.push_back(markButton("BUTTON51", 4, 202));

    addComposition(c,
                   {.group = "GROUP4", .caption = "【 管内側ｶﾞｽ組成 】", .labels = {147, 148, 149},
                    .units = {150, 151, 152}, .left = 24},
                   kTubeSide);
    addComposition(c,
                   {.group = "GROUP8", .caption = "【 シェル側ｶﾞｽ組成 】", .labels = {153, 154, 155},
                    .units = {160, 161, 162}, .left = 234},
                   kShellSide);

    // ---- Step 2: temperatures, flows, length -----------------------------
    c.push_back(label("TEXT130", "Step 2", 448, 6, 44));
    {
        const int top = 26;
        auto row = [&](int k) { return top + 38 + 22 * k; };
        std::vector<ControlDef> m = {
            label("TEXT163", "　 管内側", kTubeX, top + 18, kFieldW),
            label("TEXT164", "　シェル側", kShellX, top + 18, kFieldW),

            label("TEXT165", "入側流体温度", kLabelX, row(0) + 1, 120),
            edit(kTubeSide.inlet, "", kTubeX, row(0), kFieldW),
            edit(kShellSide.inlet, "", kShellX, row(0), kFieldW),
            label("TEXT170", "（℃）", kUnitX, row(0) + 1, kUnitW),

            label("TEXT166", "出側流体温度", kLabelX, row(1) + 1, 120),
            edit(kTubeSide.outlet, "", kTubeX, row(1), kFieldW),
            edit(kShellSide.outlet, "", kShellX, row(1), kFieldW),
            label("TEXT171", "（℃）", kUnitX, row(1) + 1, kUnitW),

            label("TEXT167", "体積流量", kLabelX, row(2) + 1, 120),
            markButton(kTubeSide.volumeButton, kTubeButtonX, row(2) + 1),
            edit(kTubeSide.volumeField, "", kTubeX, row(2), kFieldW),
            markButton(kShellSide.volumeButton, kShellButtonX, row(2) + 1),
            edit(kShellSide.volumeField, "", kShellX, row(2), kFieldW),
            label("TEXT172", "(Nm3/h)", kUnitX, row(2) + 1, kUnitW),

            label("TEXT168", "重量流量", kLabelX, row(3) + 1, 120),
            markButton(kTubeSide.massButton, kTubeButtonX, row(3) + 1),
            edit(kTubeSide.massField, "", kTubeX, row(3), kFieldW),
            markButton(kShellSide.massButton, kShellButtonX, row(3) + 1),
            edit(kShellSide.massField, "", kShellX, row(3), kFieldW),
            label("TEXT173", "（kg/h）", kUnitX, row(3) + 1, kUnitW),

            label("TEXT169", "伝熱管長さ", kLabelX, row(4) + 1, 120),
            edit(kForm5.tubeLength, "", kTubeX, row(4), kFieldW),
            label("TEXT174", "（ｍｍ）", kUnitX, row(4) + 1, kUnitW),
            // Flow-kind codes.
            hidden(edit(kTubeSide.flowKind, "", kShellX, row(4), 36)),
            hidden(edit(kShellSide.flowKind, "", kShellX + 40, row(4), 36)),
        };
        addFramed(c, frame("GROUP11", "【　主要項目入力　】", 448, top, 444, 158), std::move(m));
    }

    // ---- Step 2: typed-in properties -------------------------------------
    {
        const int top = 190;
        struct Row {
            const char* text;
            const char* tube;
            const char* shell;
            const char* unit;
        };
        const PropertyFields& tp = kTubeSide.properties;
        const PropertyFields& sp = kShellSide.properties;
        const LatentFields& tl = kTubeSide.latent;
        const LatentFields& sl = kShellSide.latent;
        const Row rows[] = {
            {"密度 ・・・・・・", tp.density, sp.density, "（ｋｇ/m3）"},
            {"比熱 ・・・・・・・", tp.specificHeat, sp.specificHeat, "（kcal/kg℃）"},
            {"熱伝導率・・・", tp.conductivity, sp.conductivity, "（kcal/mh℃）"},
            {"動粘性係数", tp.viscosity, sp.viscosity, "（m2/h）"},
            {"圧力 ・・・・・・", kTubeSide.pressure, kShellSide.pressure, "（ｋｇ/Cm3）"},
            {"凝縮or蒸発潜熱 ・・・・・", tl.latentHeat, sl.latentHeat, "（kcal/kg）"},
            {"液相部密度 ・・・・・", tl.liquidDensity, sl.liquidDensity, "（ｋｇ/ｍ3）"},
            {"液相部比熱 ・・・・・", tl.liquidSpecificHeat, sl.liquidSpecificHeat, "（kcal/kg℃）"},
            {"液相部熱伝導率・・", tl.liquidConductivity, sl.liquidConductivity, "（kcal/mh℃）"},
            {"液相部動粘性係数", tl.liquidViscosity, sl.liquidViscosity, "（m2/h）"},
        };
        std::vector<ControlDef> m = {
            label("TEXT175", "　 管内側", kTubeX, top + 18, kFieldW),
            label("TEXT176", "  シェル側", kShellX, top + 18, kFieldW),
        };
        int k = 0;
        for (const Row& r : rows) {
            const int y = top + 36 + 22 * k;
            m.push_back(label("TEXT" + std::to_string(177 + k), r.text, kLabelX, y + 1, 150));
            m.push_back(edit(r.tube, "", kTubeX, y, kFieldW));
            m.push_back(edit(r.shell, "", kShellX, y, kFieldW));
            m.push_back(label("TEXT" + std::to_string(187 + k), r.unit, kUnitX, y + 1, kUnitW));
            ++k;
        }
        addFramed(c, frame("GROUP12", "【 物性値入力】", 448, top, 444, 262), std::move(m));
    }

    // ---- Bottom: message line, sample values, close, OK ------------------
    c.push_back(label("TEXT125", "メッセージ", 24, 462, 66));
    c.push_back(label(kForm5.message, "", 94, 460, 798, 20));
    addFramed(c, frame("GROUP7", "サンプル値", 24, 488, 150, 52),
              {button("BUTTON53", "開く", 34, 508, 60, kButtonHeight),
               button("BUTTON54", "閉じる", 102, 508, 62, kButtonHeight)});
    c.push_back(button("BUTTON55", "ウィンドウを閉じる", 624, 510, 140, 26));
    c.push_back(button("BUTTON30", "O K", 776, 510, 116, 26));

    return s;
}

}  // namespace cfhx
