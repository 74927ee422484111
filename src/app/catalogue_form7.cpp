// Options screen for typed-in properties: tube fluid class with
// condensation/evaporation, heat-transfer-coefficient mode, given
// coefficients and refrigerant data, message line, close and OK.
//
// No invented names on this screen. GROUP10 (no caption) sits inside GROUP5.
#include "app/screens.h"

#include <string>
#include <utility>
#include <vector>

#include "app/catalogue_controls.h"

namespace cfhx {

using namespace catalogue;

ScreenDef form7Screen() {
    ScreenDef s;
    s.name = "FORM7";
    s.title = "熱伝達率の選択";
    s.width = 520;
    s.height = 330;

    ControlDef evaporationPressure = edit("EDIT184", "     －", 160, 178, 90);
    evaporationPressure.enabled = false;

    s.controls = {
        // Tube fluid class; condensation/evaporation in the inner frame.
        make(ControlKind::Group, "GROUP5", "管内側流体選択", 12, 8, 240, 110),
        option("RADIO7", " 顕熱流体", 24, 32, 100, "GROUP5"),
        option("RADIO8", " 潜熱流体", 24, 58, 100, "GROUP5"),
        make(ControlKind::Group, "GROUP10", "", 130, 24, 112, 84, "GROUP5"),
        option("RADIO10", "管内蒸発 ", 140, 44, 92, "GROUP10"),
        option("RADIO9", "管内凝縮", 140, 72, 92, "GROUP10"),

        // Heat-transfer-coefficient mode.
        make(ControlKind::Group, "GROUP6", "熱伝達率の選択", 264, 8, 244, 110),
        option("RADIO11", "管内/管外 計算で求める", 276, 28, 222, "GROUP6"),
        option("RADIO12", "管内側 数値指定(管外は計算式)", 276, 50, 222, "GROUP6"),
        option("RADIO13", "管外側 数値指定（管内は計算式）", 276, 72, 222, "GROUP6"),
        option("RADIO14", "管内/管外 数値指定", 276, 94, 222, "GROUP6"),

        // Given coefficients and refrigerant data, old-unit labels.
        label("TEXT234", "管内側熱伝達率", 24, 132, 130),
        edit("EDIT181", "", 160, 130, 90),
        label("TEXT236", "（kcal/m2hC）", 256, 132, 96),
        label("TEXT235", "管外側熱伝達率", 24, 156, 130),
        edit("EDIT182", "", 160, 154, 90),
        label("TEXT237", "（kcal/m2hC）", 256, 156, 96),
        label("TEXT247", "管内側冷媒蒸発圧力", 24, 180, 130),
        evaporationPressure,
        label("TEXT248", "( kgf/Cm2 )", 256, 180, 96),
        label("TEXT249", "管内側冷媒表面張力", 24, 204, 130),
        edit("EDIT185", "", 160, 202, 90),
        label("TEXT250", "( kgf/m )", 256, 204, 96),

        // Option codes at the right edge.
        hidden(edit("EDIT178", "", 470, 130, 36)),
        hidden(edit("EDIT179", "", 470, 154, 36)),
        hidden(edit("EDIT180", "", 470, 178, 36)),
        hidden(edit("EDIT183", "", 470, 202, 36)),

        label("TEXT233", "メッセージ", 24, 236, 70),
        label("TEXT232", "", 24, 254, 484, 20),

        make(ControlKind::Button, "BUTTON57", "ウィンドウを閉じる", 240, 290, 140, 26),
        make(ControlKind::Button, "BUTTON52", "O K", 392, 290, 116, 26),
    };
    return s;
}

}  // namespace cfhx
