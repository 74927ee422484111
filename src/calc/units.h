// Units of the calculation. The record holds old engineering units (m, h,
// kg, kcal, °C, kgf/cm2); SI entries are converted once when they are read,
// SI results only while they are shown. Every factor and offset lives here.
#pragma once

#include "calc/record.h"

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

// The result record in SI for a table: one conversion per quantity. Old →
// SI in the preamble of an SI table, back after it; the back-conversion
// inverts each step, so the record returns to its old units up to rounding.
inline constexpr Conversion kKcalToKj{.factor = kKjPerKcal};              // kcal/kg℃ → kJ/kgK, kcal/kg → kJ/kg
inline constexpr Conversion kFoulingToSi{.factor = kFoulingSiPerOld};     // m2h℃/kcal → m2K/W
inline constexpr Conversion kConductivityToSi{.factor = kWmkPerKcalMhC};  // kcal/mh℃ → W/mK
inline constexpr Conversion kMetreToMm{.factor = kMmPerM};                // m → mm
inline constexpr Conversion kKgfCm2ToMpa{.factor = kMpaPerKgfCm2};        // kgf/cm2 → MPa
inline constexpr Conversion kKcalHToWatt{.factor = kWattPerKcalH};        // kcal/h → W, kcal/m2h℃ → W/m2K
inline constexpr Conversion kSatPressureToMpa{.factor = kMpaPerKgfCm2Exact};
inline constexpr Conversion kSurfaceTensionToSi{.factor = kNewtonPerKgf};  // kgf/m → N/m

struct ResultConversion {
    float Record::*field;
    Conversion conversion;
};

inline constexpr ResultConversion kResultConversions[] = {
    // Specific heats and the condensing side's saturated enthalpies.
    {.field = &Record::Ct, .conversion = kKcalToKj},
    {.field = &Record::Cs, .conversion = kKcalToKj},
    {.field = &Record::HsatIn, .conversion = kKcalToKj},
    {.field = &Record::HsatOut, .conversion = kKcalToKj},
    // Fouling factors and conductivities.
    {.field = &Record::Rt, .conversion = kFoulingToSi},
    {.field = &Record::Rs, .conversion = kFoulingToSi},
    {.field = &Record::Kt, .conversion = kConductivityToSi},
    {.field = &Record::Ks, .conversion = kConductivityToSi},
    {.field = &Record::Kf, .conversion = kConductivityToSi},
    {.field = &Record::Km, .conversion = kConductivityToSi},
    // Kinematic viscosities, m2/h → m2/s.
    {.field = &Record::VIt, .conversion = kPerHourToPerSecond},
    {.field = &Record::VIs, .conversion = kPerHourToPerSecond},
    // Lengths, m → mm.
    {.field = &Record::DI, .conversion = kMetreToMm},
    {.field = &Record::DO, .conversion = kMetreToMm},
    {.field = &Record::Fh, .conversion = kMetreToMm},
    {.field = &Record::FT, .conversion = kMetreToMm},
    {.field = &Record::Pv, .conversion = kMetreToMm},
    {.field = &Record::Ph, .conversion = kMetreToMm},
    {.field = &Record::H, .conversion = kMetreToMm},
    {.field = &Record::TL, .conversion = kMetreToMm},
    {.field = &Record::W, .conversion = kMetreToMm},
    {.field = &Record::Df, .conversion = kMetreToMm},
    {.field = &Record::TTP2, .conversion = kMetreToMm},
    // Flows, per hour → per second, with the outlet normal flow of the
    // condensing side and its actual volume.
    {.field = &Record::Vt, .conversion = kPerHourToPerSecond},
    {.field = &Record::Vs, .conversion = kPerHourToPerSecond},
    {.field = &Record::Wt, .conversion = kPerHourToPerSecond},
    {.field = &Record::Ws, .conversion = kPerHourToPerSecond},
    {.field = &Record::Wtt, .conversion = kPerHourToPerSecond},
    {.field = &Record::Vta, .conversion = kPerHourToPerSecond},
    {.field = &Record::Vsa, .conversion = kPerHourToPerSecond},
    {.field = &Record::Wc, .conversion = kPerHourToPerSecond},
    {.field = &Record::Wm, .conversion = kPerHourToPerSecond},
    {.field = &Record::Wtc, .conversion = kPerHourToPerSecond},
    {.field = &Record::Wo, .conversion = kPerHourToPerSecond},
    {.field = &Record::VNo, .conversion = kPerHourToPerSecond},
    {.field = &Record::VAo, .conversion = kPerHourToPerSecond},
    // Pressures: saturation pressures of the condensing side, the losses
    // in kgf/cm2 and in mmAq.
    {.field = &Record::PvsIn, .conversion = kKgfCm2ToMpa},
    {.field = &Record::PvsOut, .conversion = kKgfCm2ToMpa},
    {.field = &Record::Pt, .conversion = kKgfCm2ToMpa},
    {.field = &Record::Ps, .conversion = kKgfCm2ToMpa},
    {.field = &Record::DPt, .conversion = kKgfCm2ToMpa},
    {.field = &Record::DPs, .conversion = kKgfCm2ToMpa},
    // Film and overall coefficients.
    {.field = &Record::Ht0, .conversion = kKcalHToWatt},
    {.field = &Record::Hs0, .conversion = kKcalHToWatt},
    {.field = &Record::Htx, .conversion = kKcalHToWatt},
    {.field = &Record::KI, .conversion = kKcalHToWatt},
    {.field = &Record::KO, .conversion = kKcalHToWatt},
    // Heat flows; QG is the heat given up by the condensing gas.
    {.field = &Record::Q, .conversion = kKcalHToWatt},
    {.field = &Record::Q2, .conversion = kKcalHToWatt},
    {.field = &Record::Qk, .conversion = kKcalHToWatt},
    {.field = &Record::QG, .conversion = kKcalHToWatt},
    // Temperatures, ℃ → K: inlets and outlets, the effectiveness outlets
    // T2X (tube) and TY2 (shell), the property and mean temperatures, and
    // the condensing side's saturation temperatures in (dew points, the
    // entered shell saturation) and out (TZ3).
    {.field = &Record::Tti, .conversion = kCelsiusToKelvin},
    {.field = &Record::Tsi, .conversion = kCelsiusToKelvin},
    {.field = &Record::Tto, .conversion = kCelsiusToKelvin},
    {.field = &Record::Tso, .conversion = kCelsiusToKelvin},
    {.field = &Record::T2X, .conversion = kCelsiusToKelvin},
    {.field = &Record::TY2, .conversion = kCelsiusToKelvin},
    {.field = &Record::TGMAV, .conversion = kCelsiusToKelvin},
    {.field = &Record::TAMAV, .conversion = kCelsiusToKelvin},
    {.field = &Record::Twav, .conversion = kCelsiusToKelvin},
    {.field = &Record::TGM, .conversion = kCelsiusToKelvin},
    {.field = &Record::TAM, .conversion = kCelsiusToKelvin},
    {.field = &Record::TdewS, .conversion = kCelsiusToKelvin},
    {.field = &Record::TdewT, .conversion = kCelsiusToKelvin},
    {.field = &Record::TsatS, .conversion = kCelsiusToKelvin},
    {.field = &Record::TZ3, .conversion = kCelsiusToKelvin},
    // Saturation pressure and surface tension of a typed-in tube fluid.
    {.field = &Record::Psat, .conversion = kSatPressureToMpa},
    {.field = &Record::SIGt, .conversion = kSurfaceTensionToSi},
};

// The result record to SI and back.
inline void resultToSi(Record& r) {
    for (const ResultConversion& c : kResultConversions) r.*c.field = c.conversion.toSi(r.*c.field);
}
inline void resultToOld(Record& r) {
    for (const ResultConversion& c : kResultConversions) r.*c.field = c.conversion.toOld(r.*c.field);
}

// A copy of the result record in SI (`si`) or as held; the record itself is
// never converted, so switching units any number of times changes nothing.
inline Record resultIn(const Record& r, bool si) {
    Record shown = r;
    if (si) resultToSi(shown);
    return shown;
}

}  // namespace cfhx::calc
