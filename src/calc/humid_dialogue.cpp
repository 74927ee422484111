#include "calc/humid_dialogue.h"

#include <string>
#include <string_view>

#include "app/app.h"
#include "app/codes.h"
#include "app/control_flow.h"
#include "app/form5_fields.h"
#include "app/mask.h"
#include "app/text_width.h"
#include "calc/humid_dialogue_texts.h"
#include "calc/humid_gas.h"
#include "calc/numeric_guard.h"
#include "calc/numeric_pane.h"
#include "calc/stage.h"
#include "calc/start.h"
#include "calc/units.h"

namespace cfhx::calc {
namespace {

namespace tx = humid_texts;

constexpr float kShellWaterWeight = 18.0153f;
constexpr float kWaterWeight = 18.0f;
// Saturation temperatures closer than this draw a warning, °C.
constexpr float kCloseSaturation = 3.0f;
constexpr float kHighestTubeSaturation = 96.0f;
// Columns of the shell results block's heading line.
constexpr size_t kShellBlockWidth = 47;

[[noreturn]] void refuse(App& app, std::string_view message) {
    app.pane.print(message);
    app.pause();
    leave(message);
}

// A value read again from its field: the pause lets the user correct the
// field; an unchanged field leaves instead of asking for ever.
float readAgain(App& app, std::string_view control, float old) {
    app.pause();
    const float v = field(app, control);
    if (v == old) leave("the field " + std::string(control) + " was not changed");
    return v;
}

// A temperature field in the display unit, as °C.
float celsius(const Record& r, float entered) { return si(r) ? entered - kKelvin : entered; }
float shown(const Record& r, float c) { return si(r) ? c + kKelvin : c; }

void loadStandardAir(float dry[kComponents]) {
    dry[kCO2] = kAirCO2;
    dry[kN2] = kAirN2;
    dry[kO2] = kAirO2;
    dry[kH2O] = 0.0f;
}

void printStandardAir(Pane& p) {
    p.print();
    p.print(tx::kDryBase);
    p.print(std::string(50, '-'));
    p.print(line(tx::kDryAir, 0.03f, 79.02f, 20.95f));
    p.print(std::string(50, '-'));
    p.print(tx::kAddWater);
    printEmptyLines(p, 2);
}

// Wet vol.% of standard air with `water` % H2O.
void airWithWater(App& app, float water, float pct[kComponents]) {
    float dry[kComponents];
    loadStandardAir(dry);
    float wet[kComponents];
    wetFromDry(dry, water, wet);
    for (Component c : {kCO2, kN2, kO2}) pct[c] = wet[c] * 100.0f;
    pct[kH2O] = water;
}

void fractionsOf(const float pct[kComponents], float frac[kComponents]) {
    for (int c = 0; c < kComponents; ++c) frac[c] = pct[c] / 100.0f;
}

float dewOf(App& app, float X, float M) {
    if (X == 0.0f) return 0.0f;
    return dewPoint(waterPartialPressure(X, M));
}

void printSlashFrame(App& app, std::string_view message) {
    Pane& p = app.pane;
    p.clear();
    printEmptyLines(p, 5);
    p.print(std::string(66, '/'));
    p.print(message);
    p.print(std::string(66, '/'));
    app.pause();
    leave(message);
}

// Shell side working state.
struct Shell {
    App& app;
    Record& r;
    float pct[kComponents] = {};  // wet vol.%
    float dew = 0.0f;
    bool satEntered = false;      // saturation temperature given (B3 mode 3)
};

// Saturated enthalpy entry and the iteration for its temperature; the
// limit is taken at T0 (°C).
float temperatureFromEnthalpy(App& app, const Record& r, bool tube, float T0) {
    const tx::HumidTexts& T = tx::humidTexts(app.language);
    Pane& p = app.pane;
    const float hmin = enthalpyLowerLimit(T0);
    float H2 = field(app, (tube ? kTubeSide : kShellSide).moistureFields.saturatedEnthalpy);
    if (si(r)) {
        p.print(line(tube ? T.tubeEnthalpyRangeSi : T.shellEnthalpyRangeSi, hmin * kKjPerKcal));
        p.print(line(T.h2EntrySi, H2));
        H2 /= kKjPerKcal;
    } else {
        p.print(line(tube ? T.tubeEnthalpyRange : T.shellEnthalpyRange, hmin));
        p.print(line(T.h2Entry, H2));
    }
    if (H2 <= hmin) {
        p.clear();
        printEmptyLines(p, 6);
        refuse(app, T.enthalpyOutOfRange);
    }
    return saturationTemperatureTraced(app.pane, H2, si(r), app.language);
}

void printShellTable(Shell& s) {
    const tx::HumidTexts& T = tx::humidTexts(s.app.language);
    Pane& p = s.app.pane;
    p.print(tx::kShellTableTop);
    p.printMasked(tx::kShellTableLine, {s.pct[kCO2], s.pct[kN2], s.pct[kO2], s.pct[kH2O]});
    p.print(std::string(tx::kShellTableTop.size(), '='));
    p.print(T.shellTableFoot);
}

void shellDryBase(Shell& s) {
    Record& r = s.r;
    float wet[kComponents];
    fractionsOf(s.pct, wet);
    dryFromWet(wet, r.shellDry);
    r.MS = waterWeightRatio(r.shellDry, kShellWaterWeight);
}

enum class Next { Step1, Step4, Restart };

// B2 steps 9 to 11: composition, limits, dew point and the table.
Next shellFinish(Shell& s) {
    const tx::HumidTexts& T = tx::humidTexts(s.app.language);
    App& app = s.app;
    Record& r = s.r;
    Pane& p = app.pane;
    const float water = r.flags.sSF == GasForm::DryAir ? 0.0f : 100.0f * checkedDiv(r.XA, r.XA + r.MS, "XA+MS");
    airWithWater(app, water, s.pct);
    if (r.flags.sHUM != Hum::None) {
        if (water > kMaxWaterContent) refuse(app, T.shellTooLarge);
        if (r.flags.sHUM != Hum::Tube && water <= kMinWaterContent) refuse(app, T.shellReviewHumidity);
    }
    s.dew = dewOf(app, r.XA, r.MS);
    p.clear();
    printEmptyLines(p, 7);
    if (r.flags.sSF != GasForm::DryAir) {
        if (si(r))
            p.printMasked(T.shellDewSi, {s.dew + kKelvin});
        else
            p.print(line(T.shellDew, s.dew));
    }
    printShellTable(s);
    if (r.flags.sSF == GasForm::DryAir) {
        shellDryBase(s);
        return Next::Step1;
    }
    p.print();
    return Next::Step4;
}

// B2 step 8: from the absolute humidity.
Next shellFromHumidity(Shell& s) {
    const tx::HumidTexts& T = tx::humidTexts(s.app.language);
    Record& r = s.r;
    r.Vxa = moleFraction(r.XA, r.MS);
    printStandardAir(s.app.pane);
    s.app.pane.print(line(T.moleFraction, r.Vxa * 100.0f));
    return shellFinish(s);
}

// B2 step 5.
Next shellHumidityForm(Shell& s) {
    const tx::HumidTexts& T = tx::humidTexts(s.app.language);
    Record& r = s.r;
    r.XA = field(s.app, kShellSide.moistureFields.absoluteHumidity);
    s.app.pane.print(line(T.xa, r.XA));
    return shellFromHumidity(s);
}

// B2 steps 6 and 7.
Next shellMoleForm(Shell& s, float vmax) {
    const tx::HumidTexts& T = tx::humidTexts(s.app.language);
    App& app = s.app;
    Record& r = s.r;
    Pane& p = app.pane;
    p.clear();
    printEmptyLines(p, 4);
    p.print(line(T.vxaRange, vmax));
    float v = field(app, kShellSide.moistureFields.volumePercent);
    p.print(line(T.vxaEntry, v));
    if (v == 0.0f) leave("the shell-side water content is 0");
    printStandardAir(p);
    if (vmax < v) {
        printEmptyLines(p, 4);
        refuse(app, T.shellOversaturated);
    }
    if (v <= kMinWaterContent) {
        v = kMinWaterContent;
        r.XA = kMinHumidity;
    } else {
        r.XA = humidityFromMoleFraction(v / 100.0f, r.MS);
        p.print();
        p.print(line(tx::kAbsHumidity, r.XA));
    }
    r.Vxa = v / 100.0f;
    return shellFinish(s);
}

// B2: standard air with moisture on a shell that does not condense.
Next shellMoistAir(Shell& s) {
    const tx::HumidTexts& T = tx::humidTexts(s.app.language);
    App& app = s.app;
    Record& r = s.r;
    Pane& p = app.pane;
    if (r.flags.sHUM == Hum::Tube) {
        p.print();
        p.print(T.shellLowSide);
    }
    if (r.flags.sHUM != Hum::None) {
        p.print(line(si(r) ? T.t3Si : T.t3, shown(r, r.T3)));
        r.Tsi = r.T3;
    }
    p.print();
    p.print(T.shellMoistureChoice);
    p.print(tx::kShellMoistureOpt2);
    float vmax = kSaturationCeiling;
    if (r.flags.sHUM == Hum::None) {
        vmax = kSaturationCeiling;
    } else if (r.T3 <= kSaturationCeiling) {
        vmax = 100.0f * moleFraction(saturatedHumidity(r.T3, r.MS), r.MS);
    }
    const MoistureMode mode = moistureMode(r.ShellMoistureMode);
    if (mode == MoistureMode::VolumePercent) return shellMoleForm(s, vmax);
    if (mode == MoistureMode::AbsoluteHumidity) return shellHumidityForm(s);
    // No form of that number: refused rather than asked again unchanged.
    p.print();
    refuse(app, T.notOffered);
}

// B3: the condensing shell side.
Next shellCondensing(Shell& s) {
    const tx::HumidTexts& T = tx::humidTexts(s.app.language);
    App& app = s.app;
    Record& r = s.r;
    Pane& p = app.pane;
    p.print(T.shellCondensing);
    p.print(T.shellInletChoice);
    p.print(T.shellInletOpt1);
    p.print(T.shellInletOpt2);
    p.print(si(r) ? T.shellInletOpt3Si : T.shellInletOpt3);
    p.print(freeNumber(r.ShellMoistureMode));
    const MoistureMode mode = moistureMode(r.ShellMoistureMode);
    if (mode == MoistureMode::VolumePercent) return shellMoleForm(s, kSaturationCeiling);
    if (mode == MoistureMode::AbsoluteHumidity) return shellHumidityForm(s);
    if (mode == MoistureMode::SaturationTemperature) {
        const float entered = field(app, kShellSide.moistureFields.saturationTemperature);
        const float Ts = celsius(r, entered);
        p.clear();
        printEmptyLines(p, 4);
        p.print(line(si(r) ? T.shellSatNoticeSi : T.shellSatNotice, entered));
        r.T3 = Ts;
        r.TsatS = Ts;
        s.satEntered = true;
        r.XA = saturatedHumidity(Ts, r.MS);
        r.Cpg = dryGasSpecificHeat(r.shellDry);
        r.Hsat = saturatedEnthalpy(Ts, r.XA, r.Cpg);
        r.Vxa = moleFraction(r.XA, r.MS);
        if (r.XA < kMinHumidity) {
            r.XA = kMinHumidity;
            r.Vxa = moleFraction(r.XA, r.MS);
            p.print(T.shellMinimum);
            return shellFinish(s);
        }
        if (r.XA > kMaxHumidity) refuse(app, T.shellTooLargeSat);
        return shellFromHumidity(s);
    }
    if (mode == MoistureMode::Enthalpy) {
        const float Ts = temperatureFromEnthalpy(app, r, false, celsius(r, field(app, kTubeSide.inlet)));
        r.Tsi = Ts;
        r.T3 = Ts;
        r.XA = saturatedHumidity(Ts, r.MS);
        return shellFromHumidity(s);
    }
    printEmptyLines(p, 2);
    p.print(T.shellNoMoisture);
    p.print();
    app.pause();
    leave(T.shellNoMoisture);
}

// B4: the composition typed into the shell fields.
void shellComposition(Shell& s) {
    const tx::HumidTexts& T = tx::humidTexts(s.app.language);
    App& app = s.app;
    Record& r = s.r;
    Pane& p = app.pane;
    const Form5Side& side = kShellSide;
    float co2 = field(app, side.co2);
    p.print(line(tx::kShellCO2, co2));
    float o2 = 0.0f, h2o = 0.0f;
    if (co2 != 100.0f) {
        if (co2 > 100.0f) p.print(T.shellCO2Over);
        o2 = field(app, side.o2);
        p.print(line(tx::kShellO2, o2));
        if (o2 == 100.0f) {
            co2 = 0.0f;
        } else {
            if (co2 + o2 > 100.0f) p.print(T.shellCO2O2Over);
            h2o = field(app, side.moistureFields.volumePercent);
            p.print(line(tx::kShellH2O, h2o));
            while (co2 + o2 + h2o > 100.0f) {
                p.print(T.shellH2OOver);
                h2o = readAgain(app, side.moistureFields.volumePercent, h2o);
                p.print(line(tx::kShellH2O, h2o));
            }
        }
    }
    const float n2 = (co2 == 100.0f || o2 == 100.0f) ? 0.0f : 100.0f - co2 - o2 - h2o;
    s.pct[kCO2] = co2;
    s.pct[kO2] = o2;
    s.pct[kH2O] = h2o;
    s.pct[kN2] = n2;
    r.Vxa = h2o / 100.0f;
    p.clear();
    printEmptyLines(p, 5);
    p.print(tx::kShellBoxTop);
    p.print(line(tx::kBoxCO2, co2));
    p.print(line(tx::kBoxO2, o2));
    p.print(line(tx::kBoxH2O, h2o));
    p.print(line(tx::kBoxN2, n2));
    p.print(tx::kShellBoxFoot);
    if (h2o == 0.0f) {
        p.clear();
        p.printAt(5, 5, T.shellNoWater);
        p.printAt(6, 5, T.shellNoWater2);
        app.pause();
        leave(std::string(T.shellNoWater) + std::string(T.shellNoWater2));
    }
    shellDryBase(s);
}

// The shell fields the dialogue reads, to tell a corrected entry from an
// unchanged one.
struct ShellFields {
    float v[9];
    bool operator==(const ShellFields&) const = default;
};
ShellFields shellFields(App& app) {
    const Form5Side& S = kShellSide;
    const MoistureRows& m = S.moistureFields;
    return {{field(app, S.inlet), field(app, S.compositionCode), field(app, S.moistureCode), field(app, S.co2),
             field(app, S.o2), field(app, m.volumePercent), field(app, m.absoluteHumidity),
             field(app, m.saturationTemperature), field(app, m.saturatedEnthalpy)}};
}

// B5 step 2: the typed choice after a dew point above the inlet
// temperature. True restarts the shell side, false repeats step 1.
bool askShellAgain(Shell& s) {
    const tx::HumidTexts& T = tx::humidTexts(s.app.language);
    App& app = s.app;
    Pane& p = app.pane;
    for (;;) {
        p.print(std::string(66, '/'));
        p.print(T.shellDewFrame1);
        p.print(T.shellDewFrame2);
        p.print(line(T.shellDewRange, shown(s.r, s.dew)));
        p.print(std::string(66, '/'));
        p.print(T.again);
        p.print(T.againOpt1);
        p.print(T.againOpt2);
        const std::string answer = app.readLine();
        p.clear();
        if (answer == tx::kAgainMoistureReply) return true;
        if (answer == tx::kAgainInletReply) return false;
    }
}

// B5 step 1: the inlet temperature line.
void printShellInlet(Shell& s) {
    const tx::HumidTexts& T = tx::humidTexts(s.app.language);
    Record& r = s.r;
    Pane& p = s.app.pane;
    const float entered = field(s.app, kShellSide.inlet);
    r.T3 = celsius(r, entered);
    const bool low = r.flags.sHUM == Hum::Tube;
    if (si(r)) {
        if (low) p.print(line(T.shellLowTsiSi, entered));
    } else if (low) {
        p.print(line(T.shellLowTsi, entered));
        p.clear();
        printEmptyLines(p, 3);
        p.print(line(tx::kT3Echo, entered));
    } else {
        p.print(line(T.shellTsi, entered));
    }
    r.Tsi = r.T3;
}

// B5 and B6. False when the user asked to start the shell side again.
bool shellInletAndResults(Shell& s, Next from) {
    const tx::HumidTexts& T = tx::humidTexts(s.app.language);
    App& app = s.app;
    Record& r = s.r;
    Pane& p = app.pane;
    const bool water = s.pct[kH2O] != 0.0f;
    // Standard air with moisture comes from its table straight to step 4.
    if (from == Next::Step1) {
        for (;;) {
            printShellInlet(s);
            if (!(r.flags.sHUM == Hum::Tube && water)) break;
            r.XA = humidityFromMoleFraction(r.Vxa, r.MS);
            s.dew = dewOf(app, r.XA, r.MS);
            if (s.dew < r.Tsi) break;
            // The input screen is closed while the question waits: with the
            // shell fields as they were, either answer would only bring the
            // same question back, so the run leaves for the screens.
            const ShellFields before = shellFields(app);
            const bool restart = askShellAgain(s);
            if (shellFields(app) == before) {
                leave("the shell inlet is at or below the dew point of its moisture, and neither was changed");
            }
            if (restart) return false;
        }
        if (r.flags.sSF == GasForm::DryAir) r.flags.sSF = GasForm::Composition;
    } else {
        // Step 4: the fractions as printed.
        if (r.flags.sSF != GasForm::Composition && s.pct[kH2O] <= 0.0f) refuse(app, T.shellNeedWater);
    }
    fractionsOf(s.pct, r.shellWet);
    if (water && r.flags.sHUM != Hum::Tube) {
        r.XA = humidityFromMoleFraction(r.Vxa, r.MS);
        s.dew = dewOf(app, r.XA, r.MS);
        if (humidSide(r)) {
            r.flags.sCOND = YesNo::Yes;
        } else {
            p.print(line(T.shellTsiRange, shown(r, s.dew)));
            const float entered = field(app, kShellSide.inlet);
            p.print(line(si(r) ? T.shellTsi112 : T.shellTsi111, entered));
            r.T3 = celsius(r, entered);
            r.Tsi = r.T3;
            if (r.Tsi <= s.dew) refuse(app, T.shellSupersaturated);
        }
    }
    r.TdewS = s.dew;

    // B6.
    r.Dns = normalDensity(r.shellWet);
    if (r.flags.sHUM == Hum::Shell) {
        r.Dcf *= 0.001f;
        const float Ts = dewOf(app, r.XA, r.MS);
        p.printAt(15, 10, T.shellBlockTop);
        if (si(r))
            p.printAt(16, 10, formatMasked(T.shellBlockTsSi, {Ts + kKelvin}));
        else
            p.printAt(16, 10, line(T.shellBlockTs, Ts));
        p.printAt(17, 10, line(T.shellBlockXA, r.XA));
        p.printAt(18, 10, line(T.shellBlockDns, r.Dns));
        p.printAt(19, 10, line(T.shellBlockMS, r.MS));
        p.printAt(20, 10, std::string(kShellBlockWidth, '='));
        r.TdewS = Ts;
        r.Tsi = s.satEntered ? r.T3 : Ts;
    }
    return true;
}

// One pass of the shell side from B1; false to start it again.
bool shellOnce(App& app, Record& r) {
    const tx::HumidTexts& T = tx::humidTexts(app.language);
    Pane& p = app.pane;
    Shell s{app, r};
    r.ShellGasComposition = field(app, kShellSide.compositionCode);
    r.ShellMoistureMode = field(app, kShellSide.moistureCode);
    r.T3 = celsius(r, field(app, kShellSide.inlet));
    r.Tsi = r.T3;
    p.print();
    p.print(std::string(13, ' '));
    printEmptyLines(p, 4);
    p.print();
    p.print(r.flags.sHUM == Hum::Tube ? T.shellLowHeading : T.shellHighHeading);
    p.print(T.shellOpt1);
    p.print(T.shellOpt2);
    if (r.flags.sHUM != Hum::Shell) p.print(T.shellOpt3);
    printEmptyLines(p, 3);
    p.print(line(tx::kRSWET, r.ShellGasComposition));

    const Composition code = composition(r.ShellGasComposition);
    if (code == Composition::DryAir) r.flags.sSF = GasForm::DryAir;
    else if (code == Composition::AirWithMoisture) r.flags.sSF = GasForm::AirWithMoisture;
    else if (code == Composition::Full) r.flags.sSF = GasForm::Composition;
    else r.flags.sSF = "";

    Next next;
    if (r.flags.sSF == GasForm::Composition) {
        shellComposition(s);
        next = s.pct[kH2O] != 0.0f && r.flags.sHUM != Hum::Tube ? Next::Step4 : Next::Step1;
    } else if (r.flags.sSF == GasForm::AirWithMoisture) {
        loadStandardAir(r.shellDry);
        printStandardAir(p);
        r.MS = waterWeightRatio(r.shellDry, kWaterWeight);
        if (shellFluid(r) == FluidKind::HumidGas) {
            r.flags.sHUM = Hum::Shell;
            next = shellCondensing(s);
        } else {
            next = shellMoistAir(s);
        }
    } else if (r.flags.sSF == GasForm::DryAir && r.flags.sHUM != Hum::Shell) {
        r.XA = 0.0f;
        r.Vxa = 0.0f;
        loadStandardAir(r.shellDry);
        next = shellFinish(s);
    } else {
        p.print();
        refuse(app, T.notOffered);
    }
    return shellInletAndResults(s, next);
}

// Tube side working state.
struct Tube {
    App& app;
    Record& r;
    float pct[kComponents] = {};
    float dew = 0.0f;
    float lastIterated = 0.0f;  // Ttix of the saturation line
    bool prompt116 = false;
};

void tubeWetFromAir(Tube& t, float water) {
    airWithWater(t.app, water, t.pct);
}

// C8: dew point and the table of the standard-air paths. False asks the
// water-content form again.
bool tubeAirTable(Tube& t) {
    const tx::HumidTexts& T = tx::humidTexts(t.app.language);
    App& app = t.app;
    Record& r = t.r;
    Pane& p = app.pane;
    t.dew = dewOf(app, r.XG, r.MT);
    if (r.flags.sHUM != Hum::None && t.pct[kH2O] > kMaxWaterContent) {
        p.print(T.tubeOverRange);
        return false;
    }
    p.clear();
    if (r.flags.sTGAS != GasForm::DryAir) {
        if (si(r))
            p.printMasked(T.tubeDewSi, {t.dew + kKelvin});
        else
            p.print(line(T.tubeDew, t.dew));
    }
    p.print(tx::kTubeTableTop);
    p.printMasked(tx::kTubeTableLine, {t.pct[kCO2], t.pct[kN2], t.pct[kO2], t.pct[kH2O]});
    p.print(std::string(tx::kTubeTableTop.size(), '='));
    p.print(T.tubeTableFoot);
    return true;
}

// C3: the water mole %.
void tubeMoleForm(Tube& t, bool rangeLine) {
    const tx::HumidTexts& T = tx::humidTexts(t.app.language);
    App& app = t.app;
    Record& r = t.r;
    Pane& p = app.pane;
    const float shellPct = r.Vxa * 100.0f;
    auto rangeText = [&] { p.print(line(T.vhRange, shellPct)); };
    if (rangeLine) rangeText();
    const MoistureRows& rows = kTubeSide.moistureFields;
    float v = field(app, rows.volumePercent);
    p.print(line(T.vn, v));
    if (v == 0.0f) leave("the tube-side water content is 0");
    while (r.flags.sHUM == Hum::Shell && shellPct < v) {
        rangeText();
        v = readAgain(app, rows.volumePercent, v);
        p.print(line(T.vn, v));
        if (v == 0.0f) leave("the tube-side water content is 0");
    }
    if (v > kMaxWaterContent) refuse(app, tx::kOverRange);
    if (v <= kMinWaterContent) {
        r.XG = kMinHumidity;
        r.VH = moleFraction(r.XG, r.MT);
    } else {
        r.XG = humidityFromMoleFraction(v / 100.0f, r.MT);
        r.VH = moleFraction(r.XG, r.MT);
    }
    tubeWetFromAir(t, r.VH * 100.0f);
}

// C4 from step 2: limits of the absolute humidity.
void tubeFromHumidity(Tube& t) {
    const tx::HumidTexts& T = tx::humidTexts(t.app.language);
    App& app = t.app;
    Record& r = t.r;
    if (r.XG > kMaxHumidity) refuse(app, tx::kOverRange);
    if (r.XG <= kMinHumidity) {
        r.XG = kMinHumidity;
        r.VH = moleFraction(r.XG, r.MT);
        app.pane.print(si(r) ? T.xgMinimumSi : T.xgMinimum);
    } else {
        r.VH = checkedDiv(r.XG, r.XG + r.MT, "XG+MT");
    }
    tubeWetFromAir(t, r.VH * 100.0f);
}

// C4: the absolute humidity.
void tubeHumidityForm(Tube& t, bool rangeLine) {
    const tx::HumidTexts& T = tx::humidTexts(t.app.language);
    App& app = t.app;
    Record& r = t.r;
    Pane& p = app.pane;
    auto entry = [&](float x) {
        if (rangeLine) p.print(line(T.xgRange, r.XA));
        p.print(line(T.xgEntry, x));
    };
    const char* control = kTubeSide.moistureFields.absoluteHumidity;
    float x = field(app, control);
    entry(x);
    while (rangeLine && r.flags.sHUM == Hum::Shell && r.XA < x) {
        x = readAgain(app, control, x);
        entry(x);
    }
    r.XG = x;
    tubeFromHumidity(t);
}

// C5: the saturation temperature of a condensing tube gas.
void tubeSaturationForm(Tube& t) {
    const tx::HumidTexts& T = tx::humidTexts(t.app.language);
    App& app = t.app;
    Record& r = t.r;
    Pane& p = app.pane;
    const float entered = field(app, kTubeSide.moistureFields.saturationTemperature);
    p.print(line(si(r) ? T.tubeSatTempSi : T.tubeSatTemp, entered));
    const float Ts = celsius(r, entered);
    if (r.Tsi > Ts) refuse(app, T.tubeSatBelow);
    if (Ts > kHighestTubeSaturation) refuse(app, T.tubeSatAbove);
    r.XG = saturatedHumidity(Ts, kAirRatio);
    const float pvs = saturationPressure(Ts);
    const float H2 = saturatedEnthalpy(Ts, r.XG, 0.24f);
    p.clear();
    p.print(line(tx::kSaturationLine, Ts, t.lastIterated, r.XG, pvs, H2));
    r.Tti = Ts;
}

// C7: the composition typed into the tube fields. A value out of range is
// read again after the pause so no impossible mixture goes on.
void tubeComposition(Tube& t) {
    const tx::HumidTexts& T = tx::humidTexts(t.app.language);
    App& app = t.app;
    Record& r = t.r;
    Pane& p = app.pane;
    const Form5Side& side = kTubeSide;
    float co2 = field(app, side.co2);
    p.print(line(tx::kTubeCO2, co2));
    while (co2 > 100.0f) {
        p.print(tx::kTubeCO2Over);
        co2 = readAgain(app, side.co2, co2);
        p.print(line(tx::kTubeCO2, co2));
    }
    float o2 = 0.0f, h2o = 0.0f;
    if (co2 != 100.0f) {
        o2 = field(app, side.o2);
        p.print(line(tx::kTubeO2, o2));
        while (o2 != 100.0f && co2 + o2 > 100.0f) {
            p.print(tx::kTubeCO2O2Over);
            o2 = readAgain(app, side.o2, o2);
            p.print(line(tx::kTubeO2, o2));
        }
        if (o2 == 100.0f) {
            co2 = 0.0f;
        } else {
            h2o = field(app, side.moistureFields.volumePercent);
            p.print(line(tx::kTubeH2O, h2o));
            while (h2o >= 100.0f || co2 + o2 + h2o > 100.0f) {
                p.print(h2o >= 100.0f ? tx::kTubeH2OOver : tx::kTubeSumOver);
                h2o = readAgain(app, side.moistureFields.volumePercent, h2o);
                p.print(line(tx::kTubeH2O, h2o));
            }
        }
    }
    r.VH = h2o / 100.0f;
    if (r.flags.sHUM == Hum::Shell && r.Vxa <= r.VH) printSlashFrame(app, T.shellMustBeWetter);
    if (r.flags.sHUM == Hum::Tube && r.Vxa >= r.VH) printSlashFrame(app, T.tubeMustBeWetter);
    const float n2 = (co2 == 100.0f || o2 == 100.0f) ? 0.0f : 100.0f - co2 - o2 - h2o;
    t.pct[kCO2] = co2;
    t.pct[kO2] = o2;
    t.pct[kH2O] = h2o;
    t.pct[kN2] = n2;
    float wet[kComponents];
    fractionsOf(t.pct, wet);
    dryFromWet(wet, r.tubeDry);
    r.MT = waterWeightRatio(r.tubeDry, kWaterWeight);
    p.clear();
    p.print(tx::kTubeBoxRule);
    p.print(line(tx::kBoxCO2, co2));
    p.print(line(tx::kBoxO2, o2));
    p.print(line(tx::kBoxH2O, h2o));
    p.print(line(tx::kBoxN2, n2));
    p.print(tx::kTubeBoxRule);
}

// C2 with prompt 117 and the form it selects, up to the table of C8.
// False asks prompt 117 again.
bool tubeCondensingWater(Tube& t) {
    const tx::HumidTexts& T = tx::humidTexts(t.app.language);
    App& app = t.app;
    Record& r = t.r;
    Pane& p = app.pane;
    r.TubeMoistureMode = field(app, kTubeSide.moistureCode);
    p.print(T.tube117);
    p.print(T.tube117Opt12);
    p.print(si(r) ? T.tube117Opt34Si : T.tube117Opt34);
    p.print(line(tx::kTWET, r.TubeMoistureMode));
    const MoistureMode mode = moistureMode(r.TubeMoistureMode);
    if (mode == MoistureMode::VolumePercent) {
        tubeMoleForm(t, false);
    } else if (mode == MoistureMode::AbsoluteHumidity) {
        tubeHumidityForm(t, false);
    } else if (mode == MoistureMode::SaturationTemperature) {
        tubeSaturationForm(t);
        tubeFromHumidity(t);
    } else if (mode == MoistureMode::Enthalpy) {
        const float Ts = temperatureFromEnthalpy(app, r, true, r.Tsi);
        t.lastIterated = Ts;
        r.Tti = Ts;
        r.XG = saturatedHumidity(Ts, kAirRatio);
        tubeFromHumidity(t);
    } else {
        p.print(tx::kTube117Wrong);
        leave(tx::kTube117Wrong);
    }
    return tubeAirTable(t);
}

// C2 with prompt 116 and its form, up to the table of C8.
bool tubeMoistAir(Tube& t) {
    const tx::HumidTexts& T = tx::humidTexts(t.app.language);
    App& app = t.app;
    Record& r = t.r;
    Pane& p = app.pane;
    r.TubeMoistureMode = field(app, kTubeSide.moistureCode);
    p.print(T.tube116);
    p.print(T.tube116Opt1);
    p.print(line(T.tube116Opt2, r.TubeMoistureMode));
    const MoistureMode mode = moistureMode(r.TubeMoistureMode);
    if (mode == MoistureMode::VolumePercent) {
        tubeMoleForm(t, r.flags.sHUM == Hum::Shell);
    } else if (mode == MoistureMode::AbsoluteHumidity) {
        tubeHumidityForm(t, true);
    } else {
        p.print(T.tube116Wrong);
        leave(T.tube116Wrong);
    }
    return tubeAirTable(t);
}

// The fields the water-content forms read, to tell a corrected entry from
// an unchanged one.
struct MoistureFields {
    float v[5];
    bool operator==(const MoistureFields&) const = default;
};
MoistureFields moistureFields(App& app) {
    const MoistureRows& m = kTubeSide.moistureFields;
    return {{field(app, kTubeSide.moistureCode), field(app, m.volumePercent), field(app, m.absoluteHumidity),
             field(app, m.saturationTemperature), field(app, m.saturatedEnthalpy)}};
}

// C1 to C8 for a tube gas.
void tubeDescription(Tube& t) {
    const tx::HumidTexts& T = tx::humidTexts(t.app.language);
    App& app = t.app;
    Record& r = t.r;
    Pane& p = app.pane;
    r.TubeGasComposition = field(app, kTubeSide.compositionCode);
    const Composition code = composition(r.TubeGasComposition);
    bool standardAirWithWater = false;
    if (tubeFluid(r) == FluidKind::HumidGas) {
        p.clear();
        p.print(T.tubeHighHeading);
        p.print(T.tubeOpt1);
        p.print(T.tubeOpt2);
        if (code == Composition::Full) {
            r.flags.sTF = TubeMethod::Composition;
        } else if (code == Composition::AirWithMoisture) {
            r.flags.sTF = TubeMethod::AirWithMoisture;
            standardAirWithWater = true;
        } else {
            p.print(tx::kTubeChoice12);
            leave(tx::kTubeChoice12);
        }
    } else {
        float c = r.TubeGasComposition;
        for (;;) {
            p.clear();
            p.print(r.flags.sHUM == Hum::Shell ? T.tubeLowHeading : T.tubeHeading);
            p.print(T.tubeOpt1b);
            p.print(T.tubeOpt2b);
            p.print(T.tubeOpt3);
            p.print(line(std::string(13, ' '), c));
            const Composition chosen = composition(c);
            const bool offered = chosen == Composition::DryAir || chosen == Composition::AirWithMoisture ||
                                 chosen == Composition::Full;
            if (offered) break;
            p.print(T.tubeChoose13);
            c = readAgain(app, kTubeSide.compositionCode, c);
        }
        r.TubeGasComposition = c;
        if (composition(c) == Composition::DryAir) {
            r.flags.sTGAS = GasForm::DryAir;
            r.flags.sTF = TubeMethod::Composition;
            r.XG = 0.0f;
            r.VH = 0.0f;
            tubeWetFromAir(t, 0.0f);
            tubeAirTable(t);
            return;
        }
        if (composition(c) == Composition::AirWithMoisture) {
            r.flags.sTGAS = GasForm::AirWithMoisture;
            r.flags.sTF = TubeMethod::AirWithMoisture;
            standardAirWithWater = true;
        } else {
            r.flags.sTGAS = GasForm::Composition;
            r.flags.sTF = TubeMethod::Composition;
        }
    }
    if (!standardAirWithWater) {
        tubeComposition(t);
        return;
    }
    const bool condensing = tubeFluid(r) == FluidKind::HumidGas;
    for (;;) {
        const MoistureFields before = moistureFields(app);
        if (condensing ? tubeCondensingWater(t) : tubeMoistAir(t)) return;
        app.pause();
        if (moistureFields(app) == before) leave("the tube-side moisture fields were not changed");
        p.clear();
    }
}

// C9: the results of the tube side.
void tubeResults(Tube& t) {
    const tx::HumidTexts& T = tx::humidTexts(t.app.language);
    App& app = t.app;
    Record& r = t.r;
    Pane& p = app.pane;
    if (r.flags.sTGAS == GasForm::DryAir) {
        for (int c = 0; c < kComponents; ++c) r.tubeWet[c] = r.tubeDry[c];
    } else {
        fractionsOf(t.pct, r.tubeWet);
    }
    if (r.VH == 0.0f) {
        t.dew = 0.0f;
    } else {
        r.XG = humidityFromMoleFraction(r.VH, r.MT);
        t.dew = dewOf(app, r.XG, r.MT);
    }
    r.Dn = normalDensity(r.tubeWet);
    if (r.flags.sTGAS == GasForm::DryAir) r.flags.sTGAS = GasForm::Composition;
    r.XG = humidityFromMoleFraction(r.VH, r.MT);
    r.TdewT = t.dew;
    if (r.flags.sHUM == Hum::Tube) {
        const float Ts = dewOf(app, r.XG, r.MT);
        const std::string dash(47, '-');
        p.printAt(14, 10, dash);
        if (si(r))
            p.printAt(15, 10, formatMasked(T.tubeBlockTsSi, {Ts + kKelvin}));
        else
            p.printAt(15, 10, line(T.tubeBlockTs, Ts));
        p.printAt(16, 10, line(T.tubeBlockXG, r.XG));
        p.printAt(17, 10, line(T.tubeBlockDn, r.Dn));
        p.printAt(18, 10, line(T.tubeBlockMT, r.MT));
        p.printAt(19, 10, dash);
        r.Dcf *= 0.001f;
        r.Tti = Ts;
        r.TdewT = Ts;
    }
}

// C10: the tube inlet temperature against the dew points.
void tubeInlet(Tube& t) {
    const tx::HumidTexts& T = tx::humidTexts(t.app.language);
    App& app = t.app;
    Record& r = t.r;
    Pane& p = app.pane;
    const float entered = field(app, kTubeSide.inlet);
    if (r.flags.sHUM == Hum::Tube) return;
    if (r.flags.sHUM == Hum::Shell) {
        printEmptyLines(p, 2);
        p.print(line(tx::kShellSatT3, shown(r, r.TdewS)));
        if (r.flags.sTF == TubeMethod::Composition) {
            if (r.VH == 0.0f || t.dew >= r.Tsi)
                p.print(line(si(r) ? T.ttiBelowSi : T.ttiBelow, shown(r, r.Tsi)));
            else
                p.print(line(T.ttiRange, shown(r, t.dew), shown(r, r.Tsi)));
            p.print(line(si(r) ? T.tti18Si : T.tti18, entered));
            r.Tti = celsius(r, entered);
            p.clear();
            if (r.VH != 0.0f && t.dew > r.Tti) {
                p.print();
                refuse(app, T.ttiOutOfRange);
            }
            return;
        }
        p.print(line(si(r) ? T.ttiRangeTightSi : T.ttiRangeTight, shown(r, t.dew), shown(r, r.TdewS)));
        if (r.TdewS <= t.dew) printSlashFrame(app, T.shellMustBeWetter);
        if (r.TdewS - t.dew < kCloseSaturation) {
            p.print();
            p.print(T.saturationClose);
            p.print();
        }
        p.print(line(si(r) ? T.tti124 : T.tti123, entered));
        r.Tti = celsius(r, entered);
        if (t.dew > r.Tti) {
            p.print();
            p.print(T.check);
            p.print();
            refuse(app, line(T.ttiTooLow, shown(r, t.dew)));
        }
        return;
    }
    p.print();
    p.print(line(si(r) ? T.tti127 : T.tti126, entered));
    r.Tti = celsius(r, entered);
    if (t.dew > r.Tti) {
        p.print();
        p.print(T.check);
        p.print();
        refuse(app, line(si(r) ? T.ttiMismatchSi : T.ttiMismatch, t.dew));
    }
}

// C11: latent heat must flow from the condensing side.
void latentHeatCondition(App& app, const Record& r) {
    const tx::HumidTexts& T = tx::humidTexts(app.language);
    Pane& p = app.pane;
    const bool tubeOff = r.flags.sHUM == Hum::Tube && r.Tti < r.Tsi;
    const bool shellOff = r.flags.sHUM == Hum::Shell && r.Tsi < r.Tti;
    if (!tubeOff && !shellOff) return;
    const std::string_view rule = tubeOff ? T.latentRuleTube : T.latentRuleShell;
    p.print(rule);
    p.print(T.latentOff);
    p.print(T.latentReview);
    p.print(std::string(static_cast<size_t>(textColumns(rule)), '-'));  // as wide as the heading
    app.pause();
    leave(T.latentOff);
}

}  // namespace

void shellGasDialogue(App& app, Record& r) {
    while (!shellOnce(app, r)) {
    }
}

void tubeGasDialogue(App& app, Record& r) {
    if (r.flags.sPROP == Prop::TypedIn) return;  // the typed-in inlet settings come with the flows
    loadStandardAir(r.tubeDry);
    r.MT = waterWeightRatio(r.tubeDry, kWaterWeight);
    settleTubePitches(app, r);
    if (tubeFluid(r) == FluidKind::HumidGas) r.flags.sHUM = Hum::Tube;
    if (tubeFluid(r) == FluidKind::Water) return;  // water: its inlet comes with the flows
    Tube t{app, r};
    t.dew = 0.0f;
    tubeDescription(t);
    tubeResults(t);
    tubeInlet(t);
    latentHeatCondition(app, r);
}

}  // namespace cfhx::calc
