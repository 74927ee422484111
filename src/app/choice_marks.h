// Buttons that choose a code, with the hidden field that holds the code:
// the windows mark the button whose code is in force, so a choice leaves a
// trace and a preparation that drops a code also clears its mark.
#pragma once

#include <array>

#include "app/codes.h"
#include "app/form5_fields.h"
#include "app/screen_fields.h"

namespace cfhx {

struct ChoiceOption {
    const char* button = nullptr;
    int code = 0;
};

struct ChoiceSet {
    const char* screen;      // where the buttons are
    const char* codeScreen;  // where the code is held
    const char* codeField;
    // The unused ones have no button; a button may write one code per language.
    std::array<ChoiceOption, 7> options;
};

template <class Code>
constexpr int code(Code c) {
    return static_cast<int>(c);
}

// Twisted tape of the main window: 1 none, 2 fitted.
inline constexpr int kNoTape = 1, kTapeFitted = 2;

inline constexpr ChoiceSet kChoiceSets[] = {
    {.screen = "FORM4", .codeScreen = kMain.screen, .codeField = kMain.unitCode,
     .options = {{{"BUTTON25", code(UnitCode::J)}, {"BUTTON26", code(UnitCode::JSI)},
                  {"BUTTON25", code(UnitCode::E)}, {"BUTTON26", code(UnitCode::ESI)}}}},
    {.screen = kMain.screen, .codeScreen = kMain.screen, .codeField = kMain.tubeFluidKind,
     .options = {{{"BUTTON1", code(FluidKind::HumidGas)}, {"BUTTON2", code(FluidKind::Gas)},
                  {"BUTTON3", code(FluidKind::Water)}, {"BUTTON4", code(FluidKind::Manual)}}}},
    {.screen = kMain.screen, .codeScreen = kMain.screen, .codeField = kMain.shellFluidKind,
     .options = {{{"BUTTON5", code(FluidKind::HumidGas)}, {"BUTTON6", code(FluidKind::Gas)}}}},
    {.screen = kMain.screen, .codeScreen = kMain.screen, .codeField = kMain.tubeType,
     .options = {{{"BUTTON10", code(TubeType::Bare)}, {"BUTTON11", code(TubeType::RadialFin)},
                  {"BUTTON12", code(TubeType::PlateFin)}}}},
    {.screen = kMain.screen, .codeScreen = kMain.screen, .codeField = kMain.tapeCode,
     .options = {{{"BUTTON13", kNoTape}, {"BUTTON14", kTapeFitted}}}},
    {.screen = kProcessing.screen, .codeScreen = kProcessing.screen, .codeField = kProcessing.processingNo,
     .options = {{{"BUTTON31", code(ProcessingNo::Length)}, {"BUTTON32", code(ProcessingNo::LengthAndShellFlow)},
                  {"BUTTON34", code(ProcessingNo::Rows)}, {"BUTTON35", code(ProcessingNo::RowsAndShellFlow)},
                  {"BUTTON36", code(ProcessingNo::Outlets)}, {"BUTTON37", code(ProcessingNo::OutletAndShellFlow)},
                  {"BUTTON38", code(ProcessingNo::Columns)}}}},
    {.screen = kForm5.screen, .codeScreen = kForm5.screen, .codeField = kTubeSide.compositionCode,
     .options = {{{kTubeSide.options[0], code(Composition::DryAir)}, {kTubeSide.options[1], code(Composition::AirWithMoisture)},
                  {kTubeSide.options[2], code(Composition::Full)}}}},
    {.screen = kForm5.screen, .codeScreen = kForm5.screen, .codeField = kShellSide.compositionCode,
     .options = {{{kShellSide.options[0], code(Composition::DryAir)}, {kShellSide.options[1], code(Composition::AirWithMoisture)},
                  {kShellSide.options[2], code(Composition::Full)}}}},
    {.screen = kForm5.screen, .codeScreen = kForm5.screen, .codeField = kTubeSide.moistureCode,
     .options = {{{kTubeSide.moistureButtons[0], code(MoistureMode::VolumePercent)},
                  {kTubeSide.moistureButtons[1], code(MoistureMode::AbsoluteHumidity)},
                  {kTubeSide.moistureButtons[2], code(MoistureMode::SaturationTemperature)},
                  {kTubeSide.moistureButtons[3], code(MoistureMode::Enthalpy)}}}},
    {.screen = kForm5.screen, .codeScreen = kForm5.screen, .codeField = kShellSide.moistureCode,
     .options = {{{kShellSide.moistureButtons[0], code(MoistureMode::VolumePercent)},
                  {kShellSide.moistureButtons[1], code(MoistureMode::AbsoluteHumidity)},
                  {kShellSide.moistureButtons[2], code(MoistureMode::SaturationTemperature)},
                  {kShellSide.moistureButtons[3], code(MoistureMode::Enthalpy)}}}},
    {.screen = kForm5.screen, .codeScreen = kForm5.screen, .codeField = kTubeSide.flowKind,
     .options = {{{kTubeSide.volumeButton, code(FlowKind::Volume)}, {kTubeSide.massButton, code(FlowKind::Mass)}}}},
    {.screen = kForm5.screen, .codeScreen = kForm5.screen, .codeField = kShellSide.flowKind,
     .options = {{{kShellSide.volumeButton, code(FlowKind::Volume)}, {kShellSide.massButton, code(FlowKind::Mass)}}}},
    // FORM7, typed-in properties: the tube fluid's heat class, its phase
    // change and which film coefficients are given.
    {.screen = "FORM7", .codeScreen = "FORM7", .codeField = "EDIT178",
     .options = {{{"RADIO7", code(HeatClass::Sensible)}, {"RADIO8", code(HeatClass::Latent)}}}},
    {.screen = "FORM7", .codeScreen = "FORM7", .codeField = "EDIT183",
     .options = {{{"RADIO10", code(PhaseChange::Evaporation)}, {"RADIO9", code(PhaseChange::Condensation)}}}},
    {.screen = "FORM7", .codeScreen = "FORM7", .codeField = "EDIT180",
     .options = {{{"RADIO11", code(HtcMode::BothComputed)}, {"RADIO12", code(HtcMode::TubeGiven)},
                  {"RADIO13", code(HtcMode::ShellGiven)}, {"RADIO14", code(HtcMode::BothGiven)}}}},
};

}  // namespace cfhx
