// English texts of the input screens' messages, guidance and questions.
#include "input/construction_texts.h"
#include "input/fluid_kind_texts.h"
#include "input/form5_texts.h"
#include "input/options_texts.h"

namespace cfhx {

const form5_texts::Form5Texts form5_texts::kForm5English{
    .tubeDryAir = " Tube side gas: standard dry air chosen, the calculation is sensible heat only.",
    .shellDryAir = " Shell side gas: standard dry air chosen, the calculation is sensible heat only.",
    .tubeHumidMixed = " Mixed with the components of standard air.",
    .shellMixed = " The shell side moisture is mixed evenly with the components of standard air.",
    .tubeGasMixed = " The tube side moisture is mixed evenly with the components of standard air.",
    .tubeFullComposition = "  Enter the tube side O2 and CO2. N2 is taken as the remainder of H2O, O2 and CO2.",
    .shellFullComposition = "  Enter the shell side O2 and CO2. N2 is taken as the remainder of H2O, O2 and CO2.",
    .tubeMoisture = {
        " Enter the tube inlet moisture as volume % (V/V).",
        " Enter the tube inlet moisture as absolute humidity (kg/kgda).",
        " The tube inlet moisture follows from the saturation temperature. Enter the saturation temperature.",
        " The tube inlet moisture follows from the enthalpy of the saturated humid gas. Enter the enthalpy.",
    },
    .shellMoisture = {
        " Enter the shell inlet moisture as volume % (V/V).",
        " Enter the shell inlet moisture as absolute humidity (kg/kgda).",
        " The shell inlet moisture follows from the saturation temperature. Enter the saturation temperature.",
        " The shell inlet moisture follows from the enthalpy of the saturated humid gas. Enter the enthalpy.",
    },
    .tubeVolumeFlow = " Enter the tube side volume flow (Nm3/h). When the shell side is done, enter the tube length.",
    .tubeMassFlow = " Enter the tube side mass flow (kg/h). When the shell side is done, enter the tube length.",
    .shellVolumeFlow = " Enter the shell side volume flow (Nm3/h). When the tube side is done, enter the tube length.",
    .shellMassFlow = " Enter the shell side mass flow (kg/h). When the tube side is done, enter the tube length.",
    .waterTubes = "* Water in the tubes.",
    .waterTubesSensible = " Water in the tubes chosen, the calculation is sensible heat only.",
    .dryBothSides = "* Dry air on both the shell and the tube side",
    .tubeHumidUnset = "*  The tube side saturated moisture combination is not set!",
    .tubeVolumeUnset = "*  The tube side saturated moisture % (V/V) is not set!",
    .tubeHumidNoMoisture = "*  Choose the tube side saturated moisture, or the saturation temperature or enthalpy to compute it from!",
    .tubeGasUnset = "* The tube side moisture combination is not chosen yet! Put a check mark on one.",
    .tubeGasNoMoisture = "*  Choose the tube side saturated moisture!",
    .shellUnset = "* The shell side moisture combination is not chosen yet! Put a check mark on one.",
    .shellVolumeUnset = "*  The shell side saturated moisture % (V/V) is not set!",
    .shellNoMoisture = "*  Choose the shell side moisture kind!",
    .shellMoistureUnset = "* Set the shell side moisture!",
    .shellCompositionUnset = "* The shell side composition combination is not set!",
    .tubeCompositionUnset = "* The tube side composition combination is not set!",
    .tubeFlowKindUnset = "* The tube side flow kind (volume or mass) is not set!",
    .tubeMassFlowUnset = "* The tube side mass flow is not set!",
    .lengthUnset = "* The tube length is not set!",
    .shellFlowKindUnset = "* The shell side flow kind (volume or mass) is not set!",
    .shellFlowUnset = "* The shell side flow is not set!",
    .shellMassFlowUnset = "* The shell side mass flow is not set!",
    .shellOutletWrong = "* The shell outlet temperature is not valid!",
    .tubeOutletWrong = "* The tube outlet temperature is not valid!",
    .tubeFlowChoiceUnset = "* The tube side flow is not chosen!",
    .shellFlowChoiceUnset = "* The shell side flow is not chosen!",
    .tubeFlowUnset = "* The tube side flow is not set!",
    .shellVolumeFlowUnset = "* The shell side flow (volume) is not set!",
    .tubePropertyUnset = {
        "* The tube side density is not set!",
        "* The tube side specific heat is not set!",
        "* The tube side thermal conductivity is not set!",
        "* The tube side kinematic viscosity is not set!",
    },
    .shellPropertyUnset = {
        "* The shell side density is not set!",
        "* The shell side specific heat is not set!",
        "* The shell side thermal conductivity is not set!",
        "* The shell side kinematic viscosity is not set!",
    },
    .evaporationTooHot = "* The shell or tube temperature is not valid: the evaporation temperature in the tubes is above the shell side temperature!",
    .condensationTooCold = "* The shell or tube temperature is not valid: the condensation temperature in the tubes is below the shell side temperature!",
    .pairUnset = "* The combination of tube side and shell side properties is not set!",
    .outOfRangeOpen = "* ",
    .outOfRangeClose = "!",
    .latentUnset = {
        "* The tube side latent heat is not set!",
        "* The tube side liquid density is not set!",
        "* The tube side liquid specific heat is not set!",
        "* The tube side liquid thermal conductivity is not set!",
        "* The tube side liquid kinematic viscosity is not set!",
    },
};

const construction_texts::ConstructionTexts construction_texts::kConstructionEnglish{
    .enterValues = "        * Enter the values in the right-hand column => ",
    .restoreQuestion = "Restore the sample values?",
    .radialRestoreCaption = " Radial fin sample dimensions",
    .registerRadial = "     Enter the radial fin dimensions of the tubes.",
    .setRadial = "     Set the radial fin dimensions.",
    .quoteQuestion = "Use the sample values?",
    .plateSetCaption = " Plate fin sample dimensions",
    .registerPlate = "     Enter the plate fin count and thickness of the tubes.",
    .plateCallCaption = " Plate fin sample dimensions",
    .setTape = "    Set the twisted tape thickness and twist pitch.",
};

const fluid_kind_texts::FluidKindTexts fluid_kind_texts::kFluidKindEnglish{
    .continueRightColumn = "                                     Now fill in the right-hand column  =>",
    .heading1 = {"- Tube side: saturated humid gas mixture <with latent heat transfer>",
                 "- Shell side: dry gas"},
    .heading2 = "Tube side: gas <sensible heat>",
    .heading3 = "Tube side: water <sensible heat>",
    .heading5 = "Shell side: saturated humid gas mixture <with latent heat transfer>",
    .labelHumid = "  Sat. humid gas",
    .labelGas = "  Gas",
    .labelWater = "  Water",
    .labelManualTube = " Liquid or gas input",
    .labelManualShell = " Gas input",
};

const options_texts::OptionsTexts options_texts::kOptionsEnglish{
    .confirmMainData = "Set and check main data",
    .condensed = "Condensed",
    .evaporated = "Evaporated",
    .heatClassUnset = "Sensible or latent heat of the tube fluid not chosen.",
    .phaseChangeUnset = "<Evaporation> or <condensation> not chosen.",
    .htcModeUnset = "Heat transfer coefficient choice not set.",
    .tubeCoefficientUnset = "Tube side heat transfer coefficient not set.",
    .shellCoefficientUnset = "Shell side heat transfer coefficient not set.",
    .bothCoefficientsUnset = "Tube / shell side heat transfer coefficients not set.",
    .htcModeInvalid = "No heat transfer coefficient choice made.",
    .pressureUnset = "Refrigerant saturation pressure in the tubes not set.",
    .surfaceTensionUnset = "Refrigerant surface tension in the tubes not set.",
    .outOfRangeClose = ".",
    .wideLead = " ",
};

}  // namespace cfhx
