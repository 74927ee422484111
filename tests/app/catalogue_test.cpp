// The screen catalogue: names, kinds, the controls the procedures address,
// hidden code fields and the geometry of every screen.
#include "app/screens.h"
#include "app/text_width.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace cfhx {
namespace {

struct ScreenCase {
    const char* name;
    ScreenDef (*make)();
};

const ScreenCase kScreens[] = {
    {"MAINFORM", mainformScreen}, {"FORM4", form4Screen}, {"FORM5", form5Screen},
    {"FORM6", form6Screen},       {"FORM7", form7Screen}, {"FORM2", form2Screen},
};

const std::vector<ScreenDef>& screens() {
    static const std::vector<ScreenDef> all = [] {
        std::vector<ScreenDef> v;
        for (const ScreenCase& s : kScreens) v.push_back(s.make());
        return v;
    }();
    return all;
}

const ScreenDef& screen(const std::string& name) {
    for (const ScreenDef& s : screens()) {
        if (s.name == name) return s;
    }
    throw std::runtime_error("no screen " + name);
}

const ControlDef* find(const ScreenDef& s, const std::string& name) {
    for (const ControlDef& c : s.controls) {
        if (c.name == name) return &c;
    }
    return nullptr;
}

struct Names {
    std::vector<std::string> list;
    Names& add(const char* prefix, int from, int to) {
        for (int n = from; n <= to; ++n) list.push_back(prefix + std::to_string(n));
        return *this;
    }
    Names& add(const char* prefix, std::initializer_list<int> numbers) {
        for (int n : numbers) list.push_back(prefix + std::to_string(n));
        return *this;
    }
};

// Controls that the frame, input and output procedures address by name.
std::map<std::string, std::vector<std::string>> addressedControls() {
    std::map<std::string, std::vector<std::string>> m;
    m["MAINFORM"] = Names{}
                        .add("TEXT", 1, 8)
                        .add("TEXT", 10, 25)
                        .add("TEXT", 31, 34)
                        .add("TEXT", {36, 41, 63, 64, 251})
                        .add("EDIT", 1, 27)
                        .add("EDIT", 29, 34)
                        .add("EDIT", 97, 128)
                        .add("EDIT", {186, 187})
                        .add("BUTTON", 1, 14)
                        .add("BUTTON", {18, 22, 23, 27})
                        .list;
    m["FORM4"] = Names{}.add("GROUP", {9}).add("BUTTON", {25, 26}).list;
    m["FORM5"] = Names{}
                     .add("RADIO", 1, 6)
                     .add("EDIT", 130, 166)
                     .add("EDIT", 168, 177)
                     .add("EDIT", {190, 191})
                     .add("BUTTON", 28, 30)
                     .add("BUTTON", 40, 51)
                     .add("BUTTON", 53, 55)
                     .add("TEXT", {125, 127})
                     .add("GROUP", {7})
                     .list;
    m["FORM6"] = Names{}
                     .add("TEXT", {128, 156, 159, 216})
                     .add("BUTTON", {31, 32})
                     .add("BUTTON", 34, 39)
                     .add("BUTTON", {56})
                     .add("EDIT", {167})
                     .list;
    m["FORM7"] = Names{}
                     .add("GROUP", {5, 6, 10})
                     .add("RADIO", 7, 14)
                     .add("TEXT", 232, 237)
                     .add("TEXT", 247, 250)
                     .add("EDIT", 178, 185)
                     .add("BUTTON", {52, 57})
                     .list;
    m["FORM2"] = Names{}
                     .add("EDIT", 34, 47)
                     .add("EDIT", 49, 55)
                     .add("EDIT", 58, 86)
                     .add("EDIT", {94, 95})
                     .add("TEXT", 66, 75)
                     .list;
    return m;
}

// Hidden fields that hold the selection codes, with their initial texts.
const std::map<std::string, std::map<std::string, std::string>> kCodeFields = {
    {"MAINFORM", {{"EDIT128", "3"}, {"EDIT29", ""}, {"EDIT30", ""}}},
    {"FORM5",
     {{"EDIT158", ""}, {"EDIT173", ""}, {"EDIT166", ""}, {"EDIT171", ""}, {"EDIT168", ""}, {"EDIT172", ""}}},
    {"FORM6", {{"EDIT167", "5"}}},
    {"FORM7", {{"EDIT178", ""}, {"EDIT179", ""}, {"EDIT180", ""}, {"EDIT183", ""}}},
};

Rect rectOf(const ControlDef& c) { return Rect{c.x, c.y, c.w, c.h}; }

bool inside(const Rect& in, const Rect& out) {
    return in.x >= out.x && in.y >= out.y && in.x + in.w <= out.x + out.w && in.y + in.h <= out.y + out.h;
}

bool overlap(const Rect& a, const Rect& b) {
    return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

std::string describe(const ControlDef& c) {
    return c.name + " {" + std::to_string(c.x) + "," + std::to_string(c.y) + "," + std::to_string(c.w) + "," +
           std::to_string(c.h) + "}";
}

// True when `group` is the frame of `c` or a frame around that frame.
bool framedBy(const ScreenDef& s, const ControlDef& c, const std::string& group) {
    const ControlDef* cur = &c;
    for (int depth = 0; depth < 16 && !cur->group.empty(); ++depth) {
        if (cur->group == group) return true;
        cur = find(s, cur->group);
        if (cur == nullptr) return false;
    }
    return false;
}

// ---- Names and kinds -------------------------------------------------------

TEST(Catalogue, ScreensCarryTheirNameTitleAndSize) {
    for (const ScreenCase& sc : kScreens) {
        ScreenDef s = sc.make();
        EXPECT_EQ(s.name, sc.name);
        EXPECT_FALSE(s.title.empty()) << s.name;
        EXPECT_GT(s.width, 0) << s.name;
        EXPECT_GT(s.height, 0) << s.name;
        EXPECT_FALSE(s.controls.empty()) << s.name;
    }
}

TEST(Catalogue, ControlNamesAreUniqueWithinAScreen) {
    for (const ScreenDef& s : screens()) {
        std::set<std::string> seen;
        for (const ControlDef& c : s.controls) {
            EXPECT_TRUE(seen.insert(c.name).second) << s.name << " " << c.name;
        }
    }
}

TEST(Catalogue, NamePrefixMatchesKind) {
    const std::regex pattern("(TEXT|EDIT|BUTTON|RADIO|GROUP)[1-9][0-9]*");
    const std::map<std::string, ControlKind> kinds = {
        {"TEXT", ControlKind::Label},   {"EDIT", ControlKind::Edit},   {"BUTTON", ControlKind::Button},
        {"RADIO", ControlKind::Option}, {"GROUP", ControlKind::Group},
    };
    for (const ScreenDef& s : screens()) {
        for (const ControlDef& c : s.controls) {
            std::smatch m;
            ASSERT_TRUE(std::regex_match(c.name, m, pattern)) << s.name << " " << c.name;
            EXPECT_EQ(kinds.at(m[1].str()), c.kind) << s.name << " " << c.name << " is a " << kindName(c.kind);
        }
    }
}

TEST(Catalogue, EveryAddressedControlExists) {
    for (const auto& [name, controls] : addressedControls()) {
        const ScreenDef& s = screen(name);
        for (const std::string& c : controls) {
            EXPECT_NE(find(s, c), nullptr) << name << " lacks " << c;
        }
    }
}

TEST(Catalogue, GroupReferencesNameAFrameDefinedBeforeItsMembers) {
    for (const ScreenDef& s : screens()) {
        std::set<std::string> framesSoFar;
        for (const ControlDef& c : s.controls) {
            if (!c.group.empty()) {
                const ControlDef* g = find(s, c.group);
                ASSERT_NE(g, nullptr) << s.name << " " << c.name << " names missing " << c.group;
                EXPECT_EQ(g->kind, ControlKind::Group) << s.name << " " << c.name << " in " << c.group;
                EXPECT_TRUE(framesSoFar.count(c.group)) << s.name << " " << c.group << " comes after " << c.name;
                EXPECT_NE(c.group, c.name) << s.name;
            }
            if (c.kind == ControlKind::Group) framesSoFar.insert(c.name);
        }
    }
}

// ---- Hidden code fields and initial texts ---------------------------------

TEST(Catalogue, OnlyTheCodeFieldsAndTheUnitCodeLabelStartHidden) {
    for (const ScreenDef& s : screens()) {
        std::set<std::string> expected;
        if (auto it = kCodeFields.find(s.name); it != kCodeFields.end()) {
            for (const auto& [field, text] : it->second) expected.insert(field);
        }
        if (s.name == "MAINFORM") expected.insert("TEXT64");
        std::set<std::string> hidden;
        for (const ControlDef& c : s.controls) {
            if (!c.visible) hidden.insert(c.name);
        }
        EXPECT_EQ(hidden, expected) << s.name;
    }
}

TEST(Catalogue, CodeFieldsStartWithNothingChosenExceptUnitAndProcessingNo) {
    for (const auto& [screenName, fields] : kCodeFields) {
        const ScreenDef& s = screen(screenName);
        for (const auto& [field, text] : fields) {
            const ControlDef* c = find(s, field);
            ASSERT_NE(c, nullptr) << screenName << " " << field;
            EXPECT_EQ(c->kind, ControlKind::Edit) << field;
            EXPECT_EQ(c->text, text) << screenName << " " << field;
        }
    }
}

TEST(Catalogue, FieldsWithAFormText) {
    struct Given {
        const char* screen;
        const char* control;
        const char* text;
        bool enabled;
    };
    const Given given[] = {
        {"MAINFORM", "EDIT7", "　　　－", true},
        {"MAINFORM", "EDIT186", " 1.0", true},
        {"MAINFORM", "EDIT187", " 1.0", true},
        {"MAINFORM", "TEXT64", "３ ：Ｓ Ｉ単位　 ４： 工学単位", true},
        {"FORM7", "EDIT184", "     －", false},
    };
    for (const Given& g : given) {
        const ControlDef* c = find(screen(g.screen), g.control);
        ASSERT_NE(c, nullptr) << g.screen << " " << g.control;
        EXPECT_EQ(c->text, g.text) << g.screen << " " << g.control;
        EXPECT_EQ(c->enabled, g.enabled) << g.screen << " " << g.control;
    }
}

// ---- Geometry -------------------------------------------------------------

TEST(CatalogueLayout, ControlsHaveASize) {
    for (const ScreenDef& s : screens()) {
        for (const ControlDef& c : s.controls) {
            EXPECT_GT(c.w, 0) << s.name << " " << c.name;
            EXPECT_GT(c.h, 0) << s.name << " " << c.name;
        }
    }
}

TEST(CatalogueLayout, VisibleControlsLieInsideTheirScreen) {
    for (const ScreenDef& s : screens()) {
        const Rect area{0, 0, s.width, s.height};
        for (const ControlDef& c : s.controls) {
            if (c.visible) {
                EXPECT_TRUE(inside(rectOf(c), area)) << s.name << " " << describe(c);
            }
        }
    }
}

TEST(CatalogueLayout, ProcessingNoCodeLiesOutsideTheVisibleArea) {
    const ScreenDef& s = screen("FORM6");
    const ControlDef* c = find(s, "EDIT167");
    ASSERT_NE(c, nullptr);
    EXPECT_FALSE(overlap(rectOf(*c), Rect{0, 0, s.width, s.height})) << describe(*c);
}

TEST(CatalogueLayout, MembersLieInsideTheirFrame) {
    for (const ScreenDef& s : screens()) {
        for (const ControlDef& c : s.controls) {
            if (c.group.empty() || !c.visible) continue;
            const ControlDef* g = find(s, c.group);
            ASSERT_NE(g, nullptr) << s.name << " " << c.group;
            EXPECT_TRUE(inside(rectOf(c), rectOf(*g))) << s.name << " " << describe(c) << " outside " << describe(*g);
        }
    }
}

TEST(CatalogueLayout, VisibleControlsDoNotOverlapExceptWithinTheirFrames) {
    for (const ScreenDef& s : screens()) {
        for (size_t i = 0; i < s.controls.size(); ++i) {
            const ControlDef& a = s.controls[i];
            if (!a.visible) continue;
            for (size_t j = i + 1; j < s.controls.size(); ++j) {
                const ControlDef& b = s.controls[j];
                if (!b.visible || !overlap(rectOf(a), rectOf(b))) continue;
                const bool nested = (a.kind == ControlKind::Group && framedBy(s, b, a.name)) ||
                                    (b.kind == ControlKind::Group && framedBy(s, a, b.name));
                EXPECT_TRUE(nested) << s.name << " " << describe(a) << " overlaps " << describe(b);
            }
        }
    }
}

TEST(CatalogueLayout, MainWindowPaneIsInsideTheWindowAndClearOfControls) {
    const ScreenDef& s = screen("MAINFORM");
    EXPECT_GT(s.pane.w, 0);
    EXPECT_GT(s.pane.h, 0);
    EXPECT_TRUE(inside(s.pane, Rect{0, 0, s.width, s.height}));
    for (const ControlDef& c : s.controls) {
        if (c.visible) {
            EXPECT_FALSE(overlap(rectOf(c), s.pane)) << describe(c);
        }
    }
    for (const ScreenDef& other : screens()) {
        if (other.name != "MAINFORM") {
            EXPECT_EQ(other.pane.w * other.pane.h, 0) << other.name;
        }
    }
}

TEST(CatalogueLayout, ConstructionColumnFieldsAndLabelsShareTheirRows) {
    struct Row {
        const char* field;
        const char* label;
        int y;
    };
    const Row rows[] = {
        {"EDIT10", "TEXT5", 80},   {"EDIT11", "TEXT6", 96},   {"EDIT12", "TEXT7", 112},  {"EDIT13", "TEXT8", 128},
        {"EDIT14", "TEXT36", 144}, {"EDIT15", "TEXT10", 160}, {"EDIT16", "TEXT11", 176}, {"EDIT17", "TEXT12", 192},
        {"EDIT18", "TEXT14", 208}, {"EDIT19", "TEXT13", 224}, {"EDIT20", "TEXT15", 240}, {"EDIT21", "TEXT16", 256},
        {"EDIT22", "TEXT17", 272}, {"EDIT23", "TEXT18", 288}, {"EDIT24", "TEXT19", 320}, {"EDIT25", "TEXT20", 336},
        {"EDIT26", "TEXT21", 352}, {"EDIT27", "TEXT22", 368}, {"EDIT31", "TEXT31", 384}, {"EDIT32", "TEXT32", 400},
        {"EDIT33", "TEXT33", 416}, {"EDIT34", "TEXT34", 432},
    };
    const ScreenDef& s = screen("MAINFORM");
    for (const Row& r : rows) {
        const ControlDef* field = find(s, r.field);
        const ControlDef* label = find(s, r.label);
        ASSERT_NE(field, nullptr) << r.field;
        ASSERT_NE(label, nullptr) << r.label;
        EXPECT_EQ(field->x, 536) << r.field;
        EXPECT_EQ(field->y, r.y) << r.field;
        EXPECT_EQ(label->y, r.y) << r.label;
        EXPECT_GE(label->x, field->x + field->w) << r.label << " not right of " << r.field;
    }
    const ControlDef* second = find(s, "TEXT23");
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->y, 304);
    // Fin buttons on the fin row after its label, tape buttons on the tape row.
    for (const char* b : {"BUTTON10", "BUTTON11", "BUTTON12"}) {
        const ControlDef* c = find(s, b);
        ASSERT_NE(c, nullptr) << b;
        EXPECT_EQ(c->y, 144) << b;
        EXPECT_GE(c->x, find(s, "TEXT36")->x + find(s, "TEXT36")->w) << b;
    }
    for (const char* b : {"BUTTON13", "BUTTON14"}) {
        const ControlDef* c = find(s, b);
        ASSERT_NE(c, nullptr) << b;
        EXPECT_EQ(c->y, 384) << b;
        EXPECT_GE(c->x, find(s, "TEXT31")->x + find(s, "TEXT31")->w) << b;
    }
}

// About 6 layout units per code-page-932 column; an option button needs
// room for its indicator as well.
int captionWidth(const ControlDef& c, const std::string& text) {
    return 6 * textColumns(text) + (c.kind == ControlKind::Option ? 16 : 0);
}

TEST(CatalogueLayout, FormCaptionsFitTheirControls) {
    for (const ScreenDef& s : screens()) {
        for (const ControlDef& c : s.controls) {
            EXPECT_LE(captionWidth(c, c.text), c.w) << s.name << " " << c.name << " \"" << c.text << "\"";
        }
    }
}

TEST(CatalogueLayout, CaptionsWrittenAtRunTimeFit) {
    struct Written {
        const char* screen;
        const char* control;
        const char* text;
    };
    const Written written[] = {
        {"MAINFORM", "BUTTON9", "計算開始/再設定"},
        {"MAINFORM", "BUTTON27", "主要データ設定及び確認"},
        {"MAINFORM", "BUTTON27", "入力データ設定及び確認"},
        {"MAINFORM", "TEXT13", " 伝熱管の熱伝導率(kcal/mhc)"},
        {"FORM5", "TEXT127", " ★  管内側飽和水分量又は飽和水分量を計算するための飽和温度又はｴﾝﾀﾙﾋﾟｰのいずれかを選択してください！。"},
        {"FORM7", "TEXT232", " 管内流体の顕熱/潜熱の選択が未設定。"},
        {"FORM7", "TEXT236", " (W/m2K)"},
        {"FORM2", "EDIT72", " Over-all heat trans. coeffi."},
        {"FORM2", "EDIT65", "              Items"},
    };
    for (const Written& w : written) {
        const ControlDef* c = find(screen(w.screen), w.control);
        ASSERT_NE(c, nullptr) << w.screen << " " << w.control;
        EXPECT_LE(captionWidth(*c, w.text), c->w) << w.screen << " " << w.control << " \"" << w.text << "\"";
    }
}

}  // namespace
}  // namespace cfhx
