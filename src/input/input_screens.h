// What the input screens share among themselves: the preparations one
// screen runs for another and the selection codes of FORM7.
#pragma once

#include <string>
#include <string_view>

#include "app/codes.h"

namespace cfhx {
struct App;

// Who asks for the preparation of FORM5.
enum class Form5Opening {
    Reset,      // "閉じる" and the shell-kind buttons of the main window
    Confirmed,  // "開く" and the OK buttons of FORM6 and FORM7
};

// Prepares FORM5 for the current pair of fluid kinds and shows it.
void prepareForm5(App& app, Form5Opening opening);

// Outlet temperatures and flows of FORM5 for a processing No.
void applyProcessingNo(App& app, ProcessingNo no);

// The construction sample written by the phase-change options of FORM7.
void writePhaseChangeSample(App& app, bool phaseChangeChosen);

// Selection codes of FORM7.
int tubeHeatClass(App& app);
int phaseChangeKind(App& app);
bool phaseChangeChosen(App& app);
int htcMode(App& app);

// The first problem the option checks of FORM7 find, as written into its
// message field; empty when the options are complete.
std::string form7OptionProblem(App& app);

}  // namespace cfhx
