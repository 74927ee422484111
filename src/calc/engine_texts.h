// Texts of the numeric routines, printed by the dialogue that called them:
// the guards' stops, the notes they leave, the trace of the saturation
// iteration and the pressure-loss lines.
#pragma once

#include <string_view>

#include "app/codes.h"

namespace cfhx::calc::engine_texts {

using std::string_view;

struct EngineTexts {
    // A guard's stop: prefix, the quantity, its condition, " ]@@".
    string_view guardPrefix;
    string_view zeroDivisor;
    string_view overflow;
    string_view logarithm;
    string_view power;
    string_view negativePower;
    string_view squareRoot;
    // A loop that does not converge.
    string_view noConvergence;

    // Notes.
    string_view propertyAboveRange;
    string_view propertyBelowRange;
    string_view squarePitch;

    // The saturation iteration's temperatures (masks).
    string_view passTsi;
    string_view passTsx;

    // Pressure losses of the sizing passes (masks).
    string_view lossInside;
    string_view lossInsideOver;
    string_view lossOutsideOver;
    string_view lossOutside;
};

inline constexpr EngineTexts kEngineJapanese{
    .guardPrefix = "   @@@  計算不能のため終了します。[ ",
    .zeroDivisor = " = 0 (除数)",
    .overflow = " (桁あふれ)",
    .logarithm = " <= 0 (対数)",
    .power = " < 0 (べき乗)",
    .negativePower = " = 0 (負のべき乗)",
    .squareRoot = " < 0 (平方根)",
    .noConvergence = "   @@@  収束不可のため終了します。@@",
    .propertyAboveRange = "     物性規定範囲外です",
    .propertyBelowRange = "     物性規定範囲外です！",
    .squarePitch = "     PVY/PHX>0.7 以上に設定して下さい",
    .passTsi = "Tsi     =###.## ℃",
    .passTsx = "Tsx     =###.## ℃",
    .lossInside = "                  　       inside   Pressure drop is ###.# mmAq            ",
    .lossInsideOver = "               ◆ WARNING  inside   Pressure drop is over 20 mmAq (###.#) ",
    .lossOutsideOver = "               ◆ WARNING  outside  Pressure drop is over 20 mmAq (###.#) ",
    .lossOutside = "                        　 outside  Pressure drop is ###.# mmAq            ",
};
extern const EngineTexts kEngineEnglish;  // calc/english_texts.cpp

inline const EngineTexts& engineTexts(Language language) {
    return language == Language::English ? kEngineEnglish : kEngineJapanese;
}

// Calls f(name, text) for every text of the table.
template <class F>
void forEachText(const EngineTexts& t, F&& f) {
    f("guardPrefix", t.guardPrefix);
    f("zeroDivisor", t.zeroDivisor);
    f("overflow", t.overflow);
    f("logarithm", t.logarithm);
    f("power", t.power);
    f("negativePower", t.negativePower);
    f("squareRoot", t.squareRoot);
    f("noConvergence", t.noConvergence);
    f("propertyAboveRange", t.propertyAboveRange);
    f("propertyBelowRange", t.propertyBelowRange);
    f("squarePitch", t.squarePitch);
    f("passTsi", t.passTsi);
    f("passTsx", t.passTsx);
    f("lossInside", t.lossInside);
    f("lossInsideOver", t.lossInsideOver);
    f("lossOutsideOver", t.lossOutsideOver);
    f("lossOutside", t.lossOutside);
}

}  // namespace cfhx::calc::engine_texts
