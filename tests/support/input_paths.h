// Ways from start-up to FORM5 for each pair of fluid kinds, and on to an
// enabled calculate button.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "support/session.h"

namespace cfhx::testing {

// FORM6 buttons of processing No. 1-7.
inline const char* processingNoButton(int no) {
    static const char* const buttons[] = {"FORM6.BUTTON31", "FORM6.BUTTON32", "FORM6.BUTTON34", "FORM6.BUTTON35",
                                          "FORM6.BUTTON36", "FORM6.BUTTON37", "FORM6.BUTTON38"};
    return buttons[no - 1];
}

// Saturated humid gas in the tubes, gas outside.
inline void openHumidTubesGasShell(Session& s, bool si) {
    s.openInput(si);
    s.click("MAINFORM.BUTTON1");
    s.click("MAINFORM.BUTTON6");
}

// Gas (tube kind 2) or water (3) in the tubes, gas outside, through FORM6.
inline void openGasShell(Session& s, bool si, int tubeKind, int no) {
    s.openInput(si);
    s.click(tubeKind == 2 ? "MAINFORM.BUTTON2" : "MAINFORM.BUTTON3");
    s.click("MAINFORM.BUTTON6");
    s.click(processingNoButton(no));
    s.click("FORM6.BUTTON39");
}

// Water in the tubes, saturated humid gas outside.
inline void openWaterTubesHumidShell(Session& s, bool si) {
    s.openInput(si);
    s.click("MAINFORM.BUTTON3");
    s.click("MAINFORM.BUTTON5");
}

// Typed-in properties: FORM7 with the given options, then its OK.
// heatClass: "RADIO7" or "RADIO8"; phase: "" or "RADIO9"/"RADIO10".
inline void openManual(Session& s, bool si, const char* heatClass, const char* phase, const char* htc = "RADIO11") {
    s.openInput(si);
    s.click("MAINFORM.BUTTON4");
    s.click(std::string("FORM7.") + heatClass);
    if (*phase) s.click(std::string("FORM7.") + phase);
    s.click(std::string("FORM7.") + htc);
    for (const char* given : {"FORM7.EDIT181", "FORM7.EDIT182"}) {
        if (s.enabled(given)) s(given).setText("100");
    }
    s("FORM7.EDIT184").setText("0.5");
    s("FORM7.EDIT185").setText("0.01");
    s.click("FORM7.BUTTON52");
}

// A way in as a value, for tables of cases: to the main window's input,
// or on to FORM5.
using Path = std::function<void(Session&)>;
inline Path toInput(bool si = false) {
    return [=](Session& s) { s.openInput(si); };
}
inline Path toHumidTubes(bool si = false) {
    return [=](Session& s) { openHumidTubesGasShell(s, si); };
}
inline Path toGasShell(int tubeKind, int no, bool si = false) {
    return [=](Session& s) { openGasShell(s, si, tubeKind, no); };
}
inline Path toHumidShell(bool si = false) {
    return [=](Session& s) { openWaterTubesHumidShell(s, si); };
}
inline Path toManual(bool si, const char* heatClass, const char* phase, const char* htc = "RADIO11") {
    return [=](Session& s) { openManual(s, si, heatClass, phase, htc); };
}

// The fluid pairs the kind buttons offer (tubes / shell).
enum class Pair { GasGas, WaterGas, HumidTubes, WaterHumidShell, Manual };

// FORM5's sample values confirmed by its OK: the calculate button is on.
inline void confirmSamples(Session& s) {
    s.click("FORM5.BUTTON53");
    s.click("FORM5.BUTTON30");
    ASSERT_TRUE(s.enabled("MAINFORM.BUTTON9")) << s.text("FORM5.TEXT127");
    s.platform.waits.clear();
}

// From start-up to an enabled calculate button: the pair (processing No.
// `no` where FORM6 asks; sensible typed-in properties), the sample bundle
// and FORM5's sample values.
inline void ready(Session& s, Pair pair, bool si = false, int no = 5) {
    switch (pair) {
        case Pair::GasGas: openGasShell(s, si, 2, no); break;
        case Pair::WaterGas: openGasShell(s, si, 3, no); break;
        case Pair::HumidTubes: openHumidTubesGasShell(s, si); break;
        case Pair::WaterHumidShell: openWaterTubesHumidShell(s, si); break;
        case Pair::Manual: openManual(s, si, "RADIO7", ""); break;
    }
    s.click("MAINFORM.BUTTON22");
    confirmSamples(s);
}

// Typed-in properties with FORM7's options and FORM5's sample values; a
// phase change writes its own sample bundle.
inline void readyManual(Session& s, bool si, const char* heatClass, const char* phase = "",
                        const char* htc = "RADIO11") {
    openManual(s, si, heatClass, phase, htc);
    if (!*phase) s.click("MAINFORM.BUTTON22");
    confirmSamples(s);
}

// The radial-fin tube on MAINFORM: 6 fins per inch, 14 mm high, 0.3 mm
// thick, fin conductivity 189 (kcal/mh°C in old units).
inline const Entries kRadialFinTube = {
    {"EDIT14", " 2"}, {"EDIT15", " 6"}, {"EDIT16", " 14"}, {"EDIT17", " 0.3"}, {"EDIT20", " 189"}};

}  // namespace cfhx::testing
