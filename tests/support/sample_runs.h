// Whole calculations from the sample values of the input screens: the
// screens filled through their buttons, the calculate button pressed, the
// typed answers given in order.
#pragma once

#include <any>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <vector>

#include "calc/record.h"
#include "support/session.h"

namespace cfhx::testing {

struct SampleRun {
    const char* name;
    bool si = false;
    const char* tube = "MAINFORM.BUTTON2";   // tube kind button
    const char* shell = "MAINFORM.BUTTON6";  // shell kind button (typed-in: unused)
    const char* number = nullptr;            // FORM6 button of the processing No.
    std::vector<std::string> typed = {};     // answers to the typed questions
    std::vector<std::string> options = {};   // FORM7 buttons (typed-in properties)
    const char* fins = nullptr;              // fin button, its sample dimensions taken
    std::vector<std::string> fluid = {};     // FORM5 actions after its samples ("BUTTON41", "EDIT169=1553")
    Entries construction = {};               // "MAINFORM.EDITn" over the sample bundle
    Entries fields = {};                     // "SCREEN.CONTROL" texts typed over the sample conditions
};

// Kind buttons of the main window: tube fluids, shell fluid, fins.
inline constexpr const char* kHumidTubes = "MAINFORM.BUTTON1";
inline constexpr const char* kWaterTubes = "MAINFORM.BUTTON3";
inline constexpr const char* kTypedIn = "MAINFORM.BUTTON4";
inline constexpr const char* kHumidShell = "MAINFORM.BUTTON5";
inline constexpr const char* kRadialFins = "MAINFORM.BUTTON11";
inline constexpr const char* kPlateFins = "MAINFORM.BUTTON12";

// The result menu's answer that goes back to the screens.
inline constexpr const char* kRecalculate = "4";

// FORM6 buttons of the processing numbers 1-7.
inline const char* processingButton(int no) {
    static const char* const kButtons[] = {"FORM6.BUTTON31", "FORM6.BUTTON32", "FORM6.BUTTON34", "FORM6.BUTTON35",
                                           "FORM6.BUTTON36", "FORM6.BUTTON37", "FORM6.BUTTON38"};
    return kButtons[no - 1];
}

// Fills the screens with the samples and presses the calculate button; a
// result's menu is answered with a recalculation.
inline void runSample(Session& s, const SampleRun& c) {
    s.openInput(c.si);
    if (c.options.empty()) {
        s.click("MAINFORM.BUTTON22");  // the sample bundle
        if (c.fins) {
            s.platform.yesNo.push_back(true);
            s.click(c.fins);
        }
        s.enter(c.construction);
        s.click(c.tube);
        s.click(c.shell);
    } else {  // typed-in properties: FORM7 first
        s.click(c.tube);
        for (const std::string& o : c.options) s.click(o);
        s.click("MAINFORM.BUTTON22");
    }
    if (c.number) {
        s.click(c.number);
        s.click("FORM6.BUTTON39");
    }
    s.click("FORM5.BUTTON53");
    for (const std::string& a : c.fluid) s.act("FORM5", a);
    s.enter(c.fields);
    s.click("FORM5.BUTTON30");
    s.platform.yesNo.push_back(true);
    for (const std::string& t : c.typed) s.platform.lines.push_back(t);
    s.platform.lines.push_back(kRecalculate);
    s.click("MAINFORM.BUTTON9");
}

// The record of the last result, or nullptr when the run stopped.
inline const calc::Record* lastResult(Session& s) { return std::any_cast<calc::Record>(&s.app.lastResult); }

// Water in the tubes, saturated humid gas condensing outside them.
inline const SampleRun kWaterHumidSample{.name = "water tubes, humid shell", .tube = "MAINFORM.BUTTON3",
                                         .shell = "MAINFORM.BUTTON5"};
// Typed-in properties: a single-component vapour condensing in the tubes.
inline const SampleRun kTypedInCondensingSample{
    .name = "typed-in condensing vapour",
    .tube = "MAINFORM.BUTTON4",
    .options = {"FORM7.RADIO8", "FORM7.RADIO9", "FORM7.RADIO11", "FORM7.BUTTON52"}};

// The record of a sample run carried to its result in a session of its own.
inline calc::Record finishedSample(const SampleRun& c) {
    Session s;
    runSample(s, c);
    const calc::Record* r = lastResult(s);
    if (r == nullptr) throw std::runtime_error(std::string(c.name) + " stopped: " + s.app.pane.pageText());
    return *r;
}

}  // namespace cfhx::testing
