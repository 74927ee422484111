#include "app/construction_labels.h"

#include "app/app.h"

namespace cfhx {
namespace {

struct LabelRow {
    const char* label;
    const char* si;   // the text in SI and for rows without units
    const char* old;  // the old-engineering-unit text, where it differs
};

constexpr LabelRow kConstructionLabels[] = {
    {"TEXT5", " 伝熱管外径 Do(mm)", nullptr},
    {"TEXT6", " 伝熱管内径 Di(mm)", nullptr},
    {"TEXT7", " 縦方向管ﾋﾟｯﾁ Pv/(Do,Df)", nullptr},
    {"TEXT8", " 水平方向管ﾋﾟｯﾁ Ph/(Do,Df)", nullptr},
    {"TEXT36", " 管外ﾌｨﾝ", nullptr},
    {"TEXT10", " ﾌｨﾝ山数/吋(-)", nullptr},
    {"TEXT11", " ﾌｨﾝ高さ(mm)", nullptr},
    {"TEXT12", " ﾌｨﾝ肉厚(mm)", nullptr},
    {"TEXT14", " 伝熱管配列 1:△、2：□", nullptr},
    {"TEXT13", " 伝熱管の熱伝導率(W/mK)", " 伝熱管の熱伝導率(kcal/mhc)"},
    {"TEXT15", " ﾌｨﾝ材の熱伝導率(W/mK)", " ﾌｨﾝ材の熱伝導率(kcal/mhc)"},
    {"TEXT16", " 管内汚れ係数(m2K/W)", " 管内汚れ係数(m2hc/kcal)"},
    {"TEXT17", " ｼｪﾙ側汚れ係数(m2K/W)", " ｼｪﾙ側汚れ係数(m2hc/kcal)"},
    {"TEXT18", " 1:直交流または直交型向流", nullptr},
    {"TEXT23", " 2:直交型並流", nullptr},
    {"TEXT19", " 管内側流体ﾊﾟｽ数(-)", nullptr},
    {"TEXT20", " ｼｪﾙ側流体ﾊﾟｽ数(-)", nullptr},
    {"TEXT21", " 伝熱管段数(-)", nullptr},
    {"TEXT22", " 伝熱管列数(-)", nullptr},
    {"TEXT31", " 管内捻りﾃｰﾌﾟ", nullptr},
    {"TEXT32", " 捻りﾃｰﾌﾟ肉厚(mm)", nullptr},
    {"TEXT33", " 捻りﾋﾟｯﾁ(peak to peak)(mm) ", nullptr},
    {"TEXT34", " 凝縮液膜厚さ(mm)", nullptr},
};

}  // namespace

void writeConstructionLabels(App& app) {
    const bool oldUnits = app.UnitFlag == UnitFlag::Old;
    ScreenRef main = app["MAINFORM"];
    for (const LabelRow& row : kConstructionLabels) {
        main[row.label].setText(oldUnits && row.old ? row.old : row.si);
    }
}

std::vector<std::string> constructionLabelTexts() {
    std::vector<std::string> texts;
    for (const LabelRow& row : kConstructionLabels) {
        texts.emplace_back(row.si);
        if (row.old) texts.emplace_back(row.old);
    }
    return texts;
}

}  // namespace cfhx
