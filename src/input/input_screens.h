// What the input screens share among themselves: the controls of each side
// of FORM5 and the preparations one screen runs for another.
#pragma once

#include <string>
#include <string_view>

namespace cfhx {
struct App;

// The controls of one side of FORM5.
struct Form5Side {
    const char* compositionCode;
    const char* moistureCode;
    const char* options[3];   // standard dry air, air with moisture, full composition
    const char* moistureButtons[4];
    const char* moistureFields[4];  // volume %, absolute humidity, saturation temperature, enthalpy
    const char* co2;
    const char* o2;
    const char* n2;
    const char* inlet;
    const char* outlet;
    const char* volumeButton;
    const char* volumeField;
    const char* massButton;
    const char* massField;
    const char* flowKind;
    const char* properties[4];  // density, specific heat, conductivity, kinematic viscosity
    const char* latent[5];      // latent heat, liquid density, specific heat, conductivity, viscosity
};

extern const Form5Side kTubeSide;
extern const Form5Side kShellSide;

// Who asks for the preparation of FORM5.
enum class Form5Opening {
    Reset,      // "閉じる" and the shell-kind buttons of the main window
    Confirmed,  // "開く" and the OK buttons of FORM6 and FORM7
};

// Prepares FORM5 for the current pair of fluid kinds and shows it.
void prepareForm5(App& app, Form5Opening opening);

// Outlet temperatures and flows of FORM5 for a processing No.
void applyProcessingNo(App& app, int no);

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
