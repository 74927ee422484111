// Processing-No. screen: heading, column heads, one row per No. with its
// button, what it solves for, the given inlet data with their marks and the
// fixed tube settings; close and OK at the bottom.
//
// Names given here to labels the procedures do not address by number:
//   TEXT224 "管内側", TEXT225 "管外側", TEXT226 "管設定"  (heads under "入力設定項目")
//   TEXT217 rule under the heads; TEXT218–TEXT223 rules between the rows
//   Row of No. n (n = 1..7), base b = 300 + 20·(n − 1):
//     TEXT(b+0)…(b+2)   solved-for items ("・管内出側温度" …), as many as the No. has
//     TEXT(b+3)…(b+5)   "入側温度", "出側温度", "流　量"
//     TEXT(b+6)…(b+8)   tube-side marks "○"/"－" for the three items
//     TEXT(b+9)…(b+11)  shell-side marks
//     TEXT(b+12)…(b+14) fixed tube settings ("・管長さ" …), as many as the No. has
//   e.g. No. 1 uses TEXT300, 301, 303–314; No. 7 uses TEXT420, 421, 423–433.
#include "app/screens.h"

#include <string>
#include <utility>
#include <vector>

#include "app/catalogue_controls.h"

namespace cfhx {

using namespace catalogue;

namespace {

std::string textName(int n) { return "TEXT" + std::to_string(n); }

// Columns.
constexpr int kNoX = 12;
constexpr int kTargetX = 56;
constexpr int kGivenX = 176;
constexpr int kTubeMarkX = 254;
constexpr int kShellMarkX = 302;
constexpr int kSettingX = 348;
constexpr int kRight = 460;

constexpr int kFirstRowY = 76;
constexpr int kRowPitch = 56;
constexpr int kLine = 16;

}  // namespace

ScreenDef form6Screen() {
    ScreenDef s;
    s.name = "FORM6";
    s.title = "処理No.を選択してください(既存設定はNo.5です)。";
    s.width = 470;
    s.height = 514;
    std::vector<ControlDef>& c = s.controls;

    c.push_back(label("TEXT216", "処理No.を選択してください(既存設定はNo.5です)。", 12, 8, 300));

    // Column heads.
    c.push_back(label("TEXT156", " No.", kNoX, 32, 36));
    c.push_back(label("TEXT128", "主な算出対象", kTargetX, 32, 110));
    c.push_back(label("TEXT159", "入力設定項目", kGivenX, 32, kRight - kGivenX));
    c.push_back(label("TEXT224", "管内側", kTubeMarkX - 10, 50, 44));
    c.push_back(label("TEXT225", "管外側", kShellMarkX - 10, 50, 44));
    c.push_back(label("TEXT226", "管設定", kSettingX, 50, kRight - kSettingX));
    c.push_back(label("TEXT217", "", 8, 70, kRight - 8, 2));

    const std::string o = "○";
    const std::string x = "－";
    struct Row {
        const char* button;
        const char* caption;
        std::vector<std::string> targets;
        std::string tube[3];   // inlet temperature, outlet temperature, flow
        std::string shell[3];
        std::vector<std::string> settings;
    };
    const Row rows[] = {
        {"BUTTON31", "1", {"・管内出側温度", "・管長さ"}, {o, x, o}, {o, o, o}, {"・管段数", "・管列数"}},
        {"BUTTON32", "2", {"・管外側流量", "・管長さ"}, {o, o, o}, {o, o, x}, {"・管段数", "・管列数"}},
        {"BUTTON34", "3", {"・管内出側温度", "・管外流量", "・管段数"}, {o, x, o}, {o, o, o}, {"・管長さ", "・管列数"}},
        {"BUTTON35", "4", {"・管外側流量", "・管段数"}, {o, o, o}, {o, o, x}, {"・管長さ", "・管列数"}},
        {"BUTTON36", "5", {"・管内出側温度", "・管外出側温度"}, {o, x, o}, {o, x, o},
         {"・管長さ", "・管段数", "・管列数"}},
        {"BUTTON37", "6", {"・管内出側温度", "・管外側流量"}, {o, x, o}, {o, o, x},
         {"・管長さ", "・管段数", "・管列数"}},
        {"BUTTON38", "7", {"・管内出側流量", "・管列数"}, {o, x, o}, {o, o, o}, {"・管長さ", "・管段数"}},
    };
    const char* const given[] = {"入側温度", "出側温度", "流　量"};

    for (int r = 0; r < 7; ++r) {
        const Row& row = rows[r];
        const int top = kFirstRowY + kRowPitch * r;
        const int base = 300 + 20 * r;
        c.push_back(button(row.button, row.caption, kNoX, top + 12, 32, 24));
        for (size_t k = 0; k < row.targets.size(); ++k) {
            c.push_back(label(textName(base + static_cast<int>(k)), row.targets[k], kTargetX,
                              top + kLine * static_cast<int>(k), 110));
        }
        for (int k = 0; k < 3; ++k) {
            const int y = top + kLine * k;
            c.push_back(label(textName(base + 3 + k), given[k], kGivenX, y, 60));
            c.push_back(label(textName(base + 6 + k), row.tube[k], kTubeMarkX, y, 24));
            c.push_back(label(textName(base + 9 + k), row.shell[k], kShellMarkX, y, 24));
        }
        for (size_t k = 0; k < row.settings.size(); ++k) {
            c.push_back(label(textName(base + 12 + static_cast<int>(k)), row.settings[k], kSettingX,
                              top + kLine * static_cast<int>(k), kRight - kSettingX));
        }
        if (r < 6) c.push_back(label(textName(218 + r), "", 8, top + 51, kRight - 8, 2));
    }

    c.push_back(button("BUTTON56", "ウィンドウを閉じる", 200, 476, 140, 26));
    c.push_back(button("BUTTON39", "O K", 352, 476, 108, 26));

    // Processing-No. code, kept off screen.
    ControlDef code = make(ControlKind::Edit, "EDIT167", "5", 500, 8, 30, 18);
    code.visible = false;
    c.push_back(code);

    return s;
}

}  // namespace cfhx
