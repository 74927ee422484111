// Units of the calculation. The record holds old engineering units (m, h,
// kg, kcal, °C, kgf/cm2); SI entries are converted once when they are read,
// SI results only while they are shown. Every factor and offset lives here.
#pragma once

namespace cfhx::calc {

// °C → K. The program uses 273, not 273.15, on entry and on display alike.
inline constexpr float kKelvin = 273.0f;

// Time and length.
inline constexpr float kSecondsPerHour = 3600.0f;  // per hour → per second; m2/h → m2/s; m/s → m/h
inline constexpr float kMmPerM = 1000.0f;          // m → mm
inline constexpr float kMmPerInch = 25.4f;         // inch → mm (fins per inch)
inline constexpr float kMPerMm = 0.001f;           // mm → m
inline constexpr float kInchesPerM = kMmPerM / kMmPerInch;  // fins per inch → fins per m

// Mass.
inline constexpr float kKgPerTonne = 1000.0f;  // t/h → kg/h

// Heat. Old → SI by multiplication.
inline constexpr float kKjPerKcal = 4.1868f;         // kcal/kg℃ → kJ/kgK; kcal/kg → kJ/kg
inline constexpr float kWattPerKcalH = 1.163f;       // kcal/h → W; kcal/m2h℃ → W/m2K
inline constexpr float kWmkPerKcalMhC = 1.163f;      // kcal/mh℃ → W/mK
inline constexpr float kFoulingSiPerOld = 0.8598f;   // m2h℃/kcal → m2K/W

// Pressure and surface tension. Old → SI by multiplication; the entry
// factors are the rounded inverses the program reads SI entries with.
inline constexpr float kMpaPerKgfCm2 = 0.098f;         // kgf/cm2 → MPa (results, pressure losses)
inline constexpr float kMpaPerKgfCm2Exact = 0.09806f;  // kgf/cm2 → MPa (tube saturation pressure)
inline constexpr float kKgfCm2PerMpa = 10.2f;          // MPa → kgf/cm2 (entered saturation pressure)
inline constexpr float kNewtonPerKgf = 9.806f;         // kgf/m → N/m (surface tension)
inline constexpr float kKgfPerNewton = 0.102f;         // N/m → kgf/m (entered surface tension)
inline constexpr float kM2PerCm2 = 0.0001f;            // cm2 → m2; kgf/m2 → kgf/cm2
inline constexpr float kCm2PerM2 = 10000.0f;           // m2 → cm2; kgf/cm2 → kgf/m2
inline constexpr float kMmAqPerKgfCm2 = 10000.0f;      // kgf/cm2 → mmAq (pressure losses shown)

// The heat and pressure factors in double precision, for the property
// table of `cfhx props`, which multiplies in double.
inline constexpr double kKjPerKcalDouble = 4.1868;
inline constexpr double kWmkPerKcalMhCDouble = 1.163;
inline constexpr double kMpaPerKgfCm2Double = 0.098;

// One conversion of a result quantity to SI: × factor then + offset, or
// ÷ factor for the per-hour quantities; back to old units by the inverse
// operations, so a round trip leaves the value as it was up to rounding.
struct Conversion {
    float factor = 1.0f;
    float offset = 0.0f;
    bool divide = false;
    float toSi(float old) const { return divide ? old / factor : old * factor + offset; }
    float toOld(float si) const { return divide ? si * factor : (si - offset) / factor; }
};

inline constexpr Conversion kCelsiusToKelvin{.offset = kKelvin};
inline constexpr Conversion kPerHourToPerSecond{.factor = kSecondsPerHour, .divide = true};

}  // namespace cfhx::calc
