// Result summary screen: four stream boxes and three dimensions around the
// schematic drawing (drawn at the origin), then the table of main results.
// Captions and units are edit fields or labels so that the SI and English
// fills can rewrite them; these are the Japanese old-unit texts.
//
// Names given here to frames and labels the procedures do not address:
//   GROUP13 "【シェル入り側】"  GROUP14 "【管内入り側】"
//   GROUP15 "【管内出側】"      GROUP16 "【シェル出側】"
//   GROUP17 "[ 主要計算結果 ]" (frame of the result table)
//   TEXT76 " mm" after EDIT43 (height), TEXT77 " mm" after EDIT60 (width),
//   TEXT78 " mm" after EDIT55 (tube length)
// Unit labels of the stream boxes: TEXT66/TEXT67 shell inlet, TEXT68/TEXT69
// tube inlet, TEXT70/TEXT71 tube outlet, TEXT72/TEXT73 shell outlet
// (temperature/flow), TEXT74 tube condensate flow, TEXT75 shell condensate flow.
#include "app/screens.h"

#include <string>
#include <utility>
#include <vector>

#include "app/catalogue_controls.h"

namespace cfhx {

using namespace catalogue;

namespace {

struct Stream {
    const char* group;
    const char* caption;
    int x, y;
    const char* temperature;
    const char* temperatureUnit;
    const char* flow;
    const char* flowUnit;
    // Condensate row of the outlet boxes (null on the inlet boxes).
    const char* condensateCaption;
    const char* condensate;
    const char* condensateUnit;
};

// Box layout: value column at +86, unit column at +154; the condensate row
// has its caption field in front of the value.
void addStream(std::vector<ControlDef>& c, const Stream& s) {
    const int valueX = s.x + 86, unitX = s.x + 154;
    std::vector<ControlDef> m = {
        edit(s.temperature, "", valueX, s.y + 20, 64),
        label(s.temperatureUnit, " ℃", unitX, s.y + 21, 40),
        edit(s.flow, "", valueX, s.y + 42, 64),
        label(s.flowUnit, " kg/h", unitX, s.y + 43, 40),
    };
    int h = 70;
    if (s.condensate != nullptr) {
        m.push_back(edit(s.condensateCaption, "【凝縮量】", s.x + 10, s.y + 64, 72));
        m.push_back(edit(s.condensate, "", valueX, s.y + 64, 64));
        m.push_back(label(s.condensateUnit, " kg/h", unitX, s.y + 65, 40));
        h = 92;
    }
    ControlDef frame = make(ControlKind::Group, s.group, s.caption, s.x, s.y, 204, h);
    addFramed(c, std::move(frame), std::move(m));
}

}  // namespace

ScreenDef form2Screen() {
    ScreenDef s;
    s.name = "FORM2";
    s.title = "[ 主要計算結果 ]";
    s.width = 720;
    s.height = 486;
    std::vector<ControlDef>& c = s.controls;

    // Stream boxes: inlets on the left, outlets on the right of the drawing.
    addStream(c, {"GROUP14", "【管内入り側】", 8, 8, "EDIT47", "TEXT68", "EDIT61", "TEXT69", nullptr, nullptr, nullptr});
    addStream(c, {"GROUP13", "【シェル入り側】", 8, 96, "EDIT49", "TEXT66", "EDIT59", "TEXT67", nullptr, nullptr,
                  nullptr});
    addStream(c, {"GROUP15", "【管内出側】", 508, 8, "EDIT52", "TEXT70", "EDIT58", "TEXT71", "EDIT95", "EDIT62",
                  "TEXT74"});
    addStream(c, {"GROUP16", "【シェル出側】", 508, 108, "EDIT53", "TEXT72", "EDIT54", "TEXT73", "EDIT94", "EDIT51",
                  "TEXT75"});

    // Dimensions on the drawing: height, tube length, width.
    c.push_back(edit("EDIT43", "", 232, 96, 56));
    c.push_back(label("TEXT76", " mm", 290, 97, 28));
    c.push_back(edit("EDIT55", "", 410, 40, 56));
    c.push_back(label("TEXT78", " mm", 468, 41, 28));
    c.push_back(edit("EDIT60", "", 330, 196, 56));
    c.push_back(label("TEXT77", " mm", 388, 197, 28));

    // Table of main results: caption, tube, shell, unit columns; a row with
    // one value spans the tube and shell columns.
    {
        const int top = 226;
        const int titleX = 18, tubeX = 222, shellX = 376, unitX = 530;
        std::vector<ControlDef> m = {
            edit("EDIT65", "項　　目", titleX, top + 20, 200),
            edit("EDIT66", "管内側", tubeX, top + 20, 150),
            edit("EDIT67", "ｼｪﾙ側", shellX, top + 20, 150),
            edit("EDIT68", "単　位", unitX, top + 20, 172),
        };
        struct Row {
            const char* title;
            const char* titleText;
            const char* tube;
            const char* shell;  // null: the tube field spans both columns
            const char* unit;
            const char* unitText;
        };
        const Row rows[] = {
            {"EDIT69", "圧力損失", "EDIT34", "EDIT35", "EDIT78", "mmH2O"},
            {"EDIT70", "温度効率", "EDIT36", "EDIT37", "EDIT79", "％"},
            {"EDIT71", "交換熱量", "EDIT38", nullptr, "EDIT80", "kcal/h"},
            {"EDIT72", "熱通過率", "EDIT39", "EDIT40", "EDIT81", "kcal/m2h℃"},
            {"EDIT73", "補正LMTD", "EDIT41", nullptr, "EDIT82", "℃"},
            {"EDIT74", "伝熱面積", "EDIT42", "EDIT50", "EDIT83", "m2"},
            {"EDIT75", "熱伝達率", "EDIT44", "EDIT45", "EDIT84", "kcal/m2h℃"},
            {"EDIT76", "管本数", "EDIT46", nullptr, "EDIT85", "－"},
            {"EDIT77", "流体ﾊﾟｽ数", "EDIT63", "EDIT64", "EDIT86", "－"},
        };
        int k = 0;
        for (const Row& r : rows) {
            const int y = top + 42 + 22 * k++;
            m.push_back(edit(r.title, r.titleText, titleX, y, 200));
            if (r.shell != nullptr) {
                m.push_back(edit(r.tube, "", tubeX, y, 150));
                m.push_back(edit(r.shell, "", shellX, y, 150));
            } else {
                m.push_back(edit(r.tube, "", tubeX, y, shellX + 150 - tubeX));
            }
            m.push_back(edit(r.unit, r.unitText, unitX, y, 172));
        }
        addFramed(c, make(ControlKind::Group, "GROUP17", "[ 主要計算結果 ]", 8, top, 704, 250), std::move(m));
    }

    return s;
}

}  // namespace cfhx
