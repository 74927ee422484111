// The controls of FORM5 by meaning: the fields of each side and those the
// two sides share. The catalogue, the input procedures and the calculation
// name FORM5 controls through this map only.
#pragma once

#include <array>

namespace cfhx {

// The four moisture rows of a side, in the order of the moisture-mode
// codes 1-4.
struct MoistureRows {
    const char* volumePercent;          // water vol.%; also the H2O of a full composition
    const char* absoluteHumidity;       // kg/kg dry gas
    const char* saturationTemperature;  // °C (K in SI)
    const char* saturatedEnthalpy;      // kcal/kg (kJ/kg in SI)

    constexpr std::array<const char*, 4> all() const {
        return {volumePercent, absoluteHumidity, saturationTemperature, saturatedEnthalpy};
    }
    constexpr const char* operator[](int row) const { return all()[row]; }
};

// Typed-in mean properties of a side's fluid.
struct PropertyFields {
    const char* density;       // kg/m3
    const char* specificHeat;  // kcal/kg°C (kJ/kgK in SI)
    const char* conductivity;  // kcal/mh°C (W/mK in SI)
    const char* viscosity;     // kinematic, m2/h (m2/s in SI)

    constexpr std::array<const char*, 4> all() const { return {density, specificHeat, conductivity, viscosity}; }
    constexpr const char* operator[](int k) const { return all()[k]; }
};

// Latent heat and the liquid phase of a fluid that condenses or evaporates.
struct LatentFields {
    const char* latentHeat;          // kcal/kg (kJ/kg in SI)
    const char* liquidDensity;       // kg/m3
    const char* liquidSpecificHeat;  // kcal/kg°C (kJ/kgK in SI)
    const char* liquidConductivity;  // kcal/mh°C (W/mK in SI)
    const char* liquidViscosity;     // kinematic, m2/h (m2/s in SI)

    constexpr std::array<const char*, 5> all() const {
        return {latentHeat, liquidDensity, liquidSpecificHeat, liquidConductivity, liquidViscosity};
    }
    constexpr const char* operator[](int k) const { return all()[k]; }
};

// The controls of one side of FORM5.
struct Form5Side {
    // Hidden selection codes.
    const char* compositionCode;  // 1 dry air, 2 air with moisture, 3 full composition
    const char* moistureCode;     // moisture row 1-4
    const char* flowKind;         // 1 volume, 2 mass

    // Step 1: how the gas is described and its water content.
    const char* options[3];  // standard dry air, air with moisture, full composition
    const char* moistureButtons[4];
    MoistureRows moistureFields;
    const char* co2;  // vol.%
    const char* o2;   // vol.%
    const char* n2;   // the remainder

    // Step 2: temperatures (°C, K in SI) and flows.
    const char* inlet;
    const char* outlet;
    const char* volumeButton;
    const char* volumeField;  // Nm3/h (Nm3/s in SI)
    const char* massButton;
    const char* massField;  // kg/h (kg/s in SI)

    // Typed-in properties.
    PropertyFields properties;
    const char* pressure;  // kg/cm2, shown only
    LatentFields latent;
};

inline constexpr Form5Side kTubeSide{
    .compositionCode = "EDIT158",
    .moistureCode = "EDIT166",
    .flowKind = "EDIT168",
    .options = {"RADIO1", "RADIO2", "RADIO3"},
    .moistureButtons = {"BUTTON28", "BUTTON29", "BUTTON46", "BUTTON47"},
    .moistureFields = {.volumePercent = "EDIT138",
                       .absoluteHumidity = "EDIT139",
                       .saturationTemperature = "EDIT177",
                       .saturatedEnthalpy = "EDIT174"},
    .co2 = "EDIT136",
    .o2 = "EDIT137",
    .n2 = "EDIT156",
    .inlet = "EDIT130",
    .outlet = "EDIT131",
    .volumeButton = "BUTTON40",
    .volumeField = "EDIT132",
    .massButton = "BUTTON41",
    .massField = "EDIT169",
    .properties = {.density = "EDIT141", .specificHeat = "EDIT142", .conductivity = "EDIT143", .viscosity = "EDIT144"},
    .pressure = "EDIT190",
    .latent = {.latentHeat = "EDIT140",
               .liquidDensity = "EDIT145",
               .liquidSpecificHeat = "EDIT146",
               .liquidConductivity = "EDIT147",
               .liquidViscosity = "EDIT164"},
};

inline constexpr Form5Side kShellSide{
    .compositionCode = "EDIT173",
    .moistureCode = "EDIT171",
    .flowKind = "EDIT172",
    .options = {"RADIO4", "RADIO5", "RADIO6"},
    .moistureButtons = {"BUTTON44", "BUTTON45", "BUTTON48", "BUTTON49"},
    .moistureFields = {.volumePercent = "EDIT161",
                       .absoluteHumidity = "EDIT162",
                       .saturationTemperature = "EDIT175",
                       .saturatedEnthalpy = "EDIT176"},
    .co2 = "EDIT159",
    .o2 = "EDIT160",
    .n2 = "EDIT163",
    .inlet = "EDIT133",
    .outlet = "EDIT134",
    .volumeButton = "BUTTON42",
    .volumeField = "EDIT135",
    .massButton = "BUTTON43",
    .massField = "EDIT170",
    .properties = {.density = "EDIT149", .specificHeat = "EDIT150", .conductivity = "EDIT151", .viscosity = "EDIT152"},
    .pressure = "EDIT191",
    .latent = {.latentHeat = "EDIT148",
               .liquidDensity = "EDIT153",
               .liquidSpecificHeat = "EDIT154",
               .liquidConductivity = "EDIT155",
               .liquidViscosity = "EDIT165"},
};

// The controls of FORM5 that belong to neither side.
struct Form5Fields {
    const char* screen;
    const char* tubeLength;  // mm
    const char* message;     // the message line
};

inline constexpr Form5Fields kForm5{.screen = "FORM5", .tubeLength = "EDIT157", .message = "TEXT127"};

}  // namespace cfhx
