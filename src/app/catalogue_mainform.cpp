// Main window: kind selection rows, text pane on the left, construction
// column, correction factors and the composition/property box on the right.
//
// No invented names on this screen: every control here is one the
// procedures address.
//
// Composition/property box EDIT97–EDIT127 (3 columns: row title, tube side,
// shell side; all start empty, the calculation writes them):
//   row 0   EDIT97  panel heading      EDIT98  tube caption  EDIT99  shell caption
//   row 1   EDIT100 N2 caption         EDIT101 tube N2       EDIT102 shell N2
//   row 2   EDIT103 O2                 EDIT104               EDIT105
//   row 3   EDIT106 CO2                EDIT107               EDIT108
//   row 4   EDIT109 H2O                EDIT110               EDIT111
//   row 5   EDIT112 other              EDIT113               EDIT114
//   row 6   EDIT115 property heading (title column only)
//   row 7   EDIT116 specific heat      EDIT117               EDIT118
//   row 8   EDIT119 conductivity       EDIT120               EDIT121
//   row 9   EDIT122 kinematic visc.    EDIT123               EDIT124
//   row 10  EDIT125 density            EDIT126               EDIT127
#include "app/screens.h"

#include <string>
#include <utility>
#include <vector>

#include "app/catalogue_controls.h"

namespace cfhx {

using namespace catalogue;

namespace {
constexpr int kButtonHeight = 22;
}  // namespace

ScreenDef mainformScreen() {
    ScreenDef s;
    s.name = "MAINFORM";
    s.title = "【クロスフロー型多管式熱交換器計算プログラム】";
    s.width = 830;
    s.height = 700;
    s.pane = Rect{8, 76, 520, 616};

    std::vector<ControlDef>& c = s.controls;

    // Heading row.
    c.push_back(label("TEXT24", "物性値構成", 8, 4, 66));
    c.push_back(label("TEXT3", "物性値相関式自動読み込み", 74, 4, 280));
    c.push_back(label("TEXT25", " Select ", 360, 4, 60));
    c.push_back(label("TEXT4", "物性値ﾏﾆｭｱﾙ入力", 494, 4, 110));

    // Kind rows: a small square button per kind, its kind field after it,
    // wide enough for the longest kind label (20 columns).
    constexpr int kKindX = 74, kKindPitch = 140, kKindField = 118;
    c.push_back(label("TEXT1", " 管内側物性", 8, 25, 66));
    const char* tubeCaptions[] = {"1", "2", "3", "4"};
    for (int k = 0; k < 4; ++k) {
        const int x = kKindX + kKindPitch * k;
        c.push_back(button("BUTTON" + std::to_string(k + 1), tubeCaptions[k], x, 24, 18, 18));
        c.push_back(edit("EDIT" + std::to_string(k + 1), "", x + 20, 24, kKindField));
    }
    c.push_back(label("TEXT2", " ｼｪﾙ側物性", 8, 49, 66));
    const char* shellCaptions[] = {"5", "6", "７", "8"};
    for (int k = 0; k < 4; ++k) {
        const int x = kKindX + kKindPitch * k;
        c.push_back(button("BUTTON" + std::to_string(k + 5), shellCaptions[k], x, 48, 18, 18));
        c.push_back(edit("EDIT" + std::to_string(k + 5), k == 2 ? "　　　－" : "", x + 20, 48, kKindField));
    }

    // Top right: NEXT, calculation button, date, code fields.
    c.push_back(button("BUTTON18", " NEXT ", 640, 4, 56, kButtonHeight));
    c.push_back(button("BUTTON9", "主要条件登録", 700, 4, 126, kButtonHeight));
    c.push_back(edit("EDIT9", "", 740, 30, 86));
    c.push_back(hidden(label("TEXT64", "３ ：Ｓ Ｉ単位　 ４： 工学単位", 536, 30, 184)));
    c.push_back(hidden(edit("EDIT128", "3", 640, 30, 30)));
    c.push_back(hidden(edit("EDIT30", "", 672, 30, 30)));
    c.push_back(hidden(edit("EDIT29", "", 704, 30, 30)));

    // Sample values for the construction column.
    c.push_back(label("TEXT63", " ↓ ｻﾝﾌﾟﾙ値", 640, 58, 70));
    c.push_back(button("BUTTON22", "開く", 712, 54, 54, kButtonHeight));
    c.push_back(button("BUTTON23", "閉る", 770, 54, 54, kButtonHeight));

    // Construction column: field at x 536, its label to the right. The
    // labels are rewritten for the chosen unit system; these are the
    // old-unit texts.
    struct Row {
        const char* field;
        const char* label;
        int y;
        const char* text;
        int labelWidth;
    };
    const Row rows[] = {
        {"EDIT10", "TEXT5", 80, " 伝熱管外径 Do(mm)", 234},
        {"EDIT11", "TEXT6", 96, " 伝熱管内径 Di(mm)", 234},
        {"EDIT12", "TEXT7", 112, " 縦方向管ﾋﾟｯﾁ Pv/(Do,Df)", 234},
        {"EDIT13", "TEXT8", 128, " 水平方向管ﾋﾟｯﾁ Ph/(Do,Df)", 234},
        {"EDIT14", "TEXT36", 144, " 管外ﾌｨﾝ", 60},
        {"EDIT15", "TEXT10", 160, " ﾌｨﾝ山数/吋(-)", 234},
        {"EDIT16", "TEXT11", 176, " ﾌｨﾝ高さ(mm)", 234},
        {"EDIT17", "TEXT12", 192, " ﾌｨﾝ肉厚(mm)", 234},
        {"EDIT18", "TEXT14", 208, " 伝熱管配列 1:△、2：□", 234},
        {"EDIT19", "TEXT13", 224, " 伝熱管の熱伝導率(kcal/mhc)", 234},
        {"EDIT20", "TEXT15", 240, " ﾌｨﾝ材の熱伝導率(kcal/mhc)", 234},
        {"EDIT21", "TEXT16", 256, " 管内汚れ係数(m2hc/kcal)", 234},
        {"EDIT22", "TEXT17", 272, " ｼｪﾙ側汚れ係数(m2hc/kcal)", 234},
        {"EDIT23", "TEXT18", 288, " 1:直交流または直交型向流", 234},
        {"EDIT24", "TEXT19", 320, " 管内側流体ﾊﾟｽ数(-)", 234},
        {"EDIT25", "TEXT20", 336, " ｼｪﾙ側流体ﾊﾟｽ数(-)", 234},
        {"EDIT26", "TEXT21", 352, " 伝熱管段数(-)", 234},
        {"EDIT27", "TEXT22", 368, " 伝熱管列数(-)", 234},
        {"EDIT31", "TEXT31", 384, " 管内捻りﾃｰﾌﾟ", 84},
        {"EDIT32", "TEXT32", 400, " 捻りﾃｰﾌﾟ肉厚(mm)", 234},
        {"EDIT33", "TEXT33", 416, " 捻りﾋﾟｯﾁ(peak to peak)(mm) ", 234},
        {"EDIT34", "TEXT34", 432, " 凝縮液膜厚さ(mm)", 234},
    };
    for (const Row& r : rows) {
        c.push_back(edit(r.field, "", 536, r.y, 52, 16));
        c.push_back(label(r.label, r.text, 592, r.y, r.labelWidth));
    }
    // Second line of the flow-arrangement label.
    c.push_back(label("TEXT23", " 2:直交型並流", 592, 304, 234));
    // Fin type buttons on the fin row, tape buttons on the tape row.
    c.push_back(button("BUTTON10", "1：無し", 656, 144, 54, 16));
    c.push_back(button("BUTTON11", "2：ﾗｼﾞｱﾙ", 712, 144, 54, 16));
    c.push_back(button("BUTTON12", "3：ﾌﾟﾚｰﾄ", 768, 144, 56, 16));
    c.push_back(button("BUTTON13", " 1:無し", 680, 384, 62, 16));
    c.push_back(button("BUTTON14", " 2:有り", 746, 384, 62, 16));

    // Data check button (caption written at run time) and correction factors.
    c.push_back(button("BUTTON27", "", 536, 452, 200, kButtonHeight));
    c.push_back(label("TEXT41", "管内熱伝達率補正係数", 536, 480, 124));
    c.push_back(edit("EDIT186", " 1.0", 664, 480, 52, 16));
    c.push_back(label("TEXT251", "管外熱伝達率補正係数", 536, 498, 124));
    c.push_back(edit("EDIT187", " 1.0", 664, 498, 52, 16));

    // Composition/property box (layout in the header comment).
    const int boxTop = 518;
    const int titleX = 536, tubeX = 660, shellX = 744;
    int n = 97;
    for (int row = 0; row <= 10; ++row) {
        const int y = boxTop + 16 * row;
        c.push_back(edit("EDIT" + std::to_string(n++), "", titleX, y, 122, 16));
        if (row == 6) continue;  // property heading has the title cell only
        c.push_back(edit("EDIT" + std::to_string(n++), "", tubeX, y, 82, 16));
        c.push_back(edit("EDIT" + std::to_string(n++), "", shellX, y, 82, 16));
    }

    return s;
}

}  // namespace cfhx
