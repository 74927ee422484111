// Cases drawn across the input space: a fluid pair, a unit system, a
// bundle, inlet temperatures, flows and moisture from engineering ranges,
// written out as a case script that the headless runner replays. A draw is
// reproducible from its seed, and its script is what a failing check prints.
#pragma once

#include <cmath>
#include <cstdint>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace cfhx::testing {

enum class Pair { GasGas, WaterGas, WaterHumidShell, HumidTubesGas, TypedIn };

struct PairInfo {
    Pair pair;
    const char* name;
    const char* tubeButton;
    const char* shellButton;  // nullptr: typed-in properties (FORM7 first)
    bool sensible;            // both sides sensible
    std::vector<int> numbers;  // processing Nos. the pair offers
};

inline const std::vector<PairInfo>& pairs() {
    static const std::vector<PairInfo> kPairs = {
        {.pair = Pair::GasGas, .name = "gas/gas", .tubeButton = "MAINFORM.BUTTON2", .shellButton = "MAINFORM.BUTTON6",
         .sensible = true, .numbers = {1, 2, 3, 4, 5, 6, 7}},
        {.pair = Pair::WaterGas, .name = "water/gas", .tubeButton = "MAINFORM.BUTTON3",
         .shellButton = "MAINFORM.BUTTON6", .sensible = true, .numbers = {1, 2, 3, 4, 5, 6, 7}},
        {.pair = Pair::WaterHumidShell, .name = "water/humid shell", .tubeButton = "MAINFORM.BUTTON3",
         .shellButton = "MAINFORM.BUTTON5", .sensible = false, .numbers = {5}},
        {.pair = Pair::HumidTubesGas, .name = "humid tubes/gas", .tubeButton = "MAINFORM.BUTTON1",
         .shellButton = "MAINFORM.BUTTON6", .sensible = false, .numbers = {5}},
        {.pair = Pair::TypedIn, .name = "typed-in", .tubeButton = "MAINFORM.BUTTON4", .shellButton = nullptr,
         .sensible = true, .numbers = {5}},
    };
    return kPairs;
}

// FORM6 buttons of the processing Nos. 1-7.
inline const char* processingNoButton(int no) {
    static const char* const kButtons[] = {"FORM6.BUTTON31", "FORM6.BUTTON32", "FORM6.BUTTON34", "FORM6.BUTTON35",
                                           "FORM6.BUTTON36", "FORM6.BUTTON37", "FORM6.BUTTON38"};
    return kButtons[no - 1];
}

enum class Surface { Bare, RadialFin, PlateFin };

// One drawn exchanger and its duty, in the old units (°C, kg/h, mm).
struct DrawnCase {
    Pair pair = Pair::GasGas;
    bool si = false;
    Surface surface = Surface::Bare;
    float Do = 25.4f, Di = 21.0f;      // mm
    float pitchV = 2.0f, pitchH = 2.0f;  // pitch / Do
    int arrangement = 1;               // 1 triangular, 2 square
    int flowPattern = 1;               // 1 counter passes, 2 parallel, 3 counter LMTD
    int tubePasses = 1, shellPasses = 1;
    int rows = 20;
    float columns = 6.0f;
    float length = 2000.0f;  // mm
    float Tti = 20.0f, Tsi = 200.0f;
    float Wt = 2000.0f, Ws = 2000.0f;  // kg/h
    float moisture = 20.0f;           // vol.% water of the humid side
    std::uint32_t seed = 0;

    // What one run is asked, beyond the drawn case.
    struct Ask {
        int number = 5;
        float Tso = NAN, Tto = NAN;  // aimed outlets, °C
        float length = NAN;          // mm, instead of the drawn one
        float rows = NAN, columns = NAN;
        float Ws = NAN;  // kg/h, instead of the drawn one
    };

    std::string script(const Ask& a) const {
        std::ostringstream s;
        s.precision(9);
        auto temperature = [&](float c) { return si ? c + 273.0f : c; };
        auto flow = [&](float kgh) { return si ? kgh / 3600.0f : kgh; };
        auto set = [&](const char* control, double v) { s << "set " << control << " \"" << v << "\"\n"; };
        const PairInfo& p = info();
        s << "# drawn case, seed " << seed << ", " << p.name << ", No. " << a.number << (si ? ", SI" : ", old units")
          << ", " << (surface == Surface::Bare ? "bare" : surface == Surface::RadialFin ? "radial fins" : "plate fins")
          << ", pattern " << flowPattern << ", " << tubePasses << " tube passes\n";
        s << "click FORM4." << (si ? "BUTTON26" : "BUTTON25") << "\n";
        s << "click MAINFORM.BUTTON18\n";
        if (pair == Pair::TypedIn) {
            s << "click " << p.tubeButton << "\n";
            s << "click FORM7.RADIO7\nclick FORM7.RADIO11\nclick FORM7.BUTTON52\n";
            s << "click MAINFORM.BUTTON22\n";
        } else {
            s << "click MAINFORM.BUTTON22\n";
        }
        if (surface == Surface::RadialFin) s << "click MAINFORM.BUTTON11\nyes\n";
        if (surface == Surface::PlateFin) s << "click MAINFORM.BUTTON12\nyes\n";
        if (pair != Pair::TypedIn) {
            s << "click " << p.tubeButton << "\n";
            s << "click " << p.shellButton << "\n";
            if (p.numbers.size() > 1) s << "click " << processingNoButton(a.number) << "\nclick FORM6.BUTTON39\n";
        }
        s << "click FORM5.BUTTON53\n";
        set("MAINFORM.EDIT10", Do);
        set("MAINFORM.EDIT11", Di);
        set("MAINFORM.EDIT12", pitchV);
        set("MAINFORM.EDIT13", pitchH);
        set("MAINFORM.EDIT18", arrangement);
        set("MAINFORM.EDIT23", flowPattern);
        set("MAINFORM.EDIT24", tubePasses);
        set("MAINFORM.EDIT25", shellPasses);
        const bool rowsGiven = a.number != 3 && a.number != 4;
        if (rowsGiven) set("MAINFORM.EDIT26", std::isnan(a.rows) ? rows : a.rows);
        if (a.number != 7) set("MAINFORM.EDIT27", std::isnan(a.columns) ? columns : a.columns);
        if (pair != Pair::HumidTubesGas) set("FORM5.EDIT130", temperature(Tti));
        if (pair != Pair::WaterHumidShell) set("FORM5.EDIT133", temperature(Tsi));
        if (pair == Pair::WaterHumidShell) set("FORM5.EDIT161", moisture);
        if (pair == Pair::HumidTubesGas) set("FORM5.EDIT138", moisture);
        set("FORM5.EDIT169", flow(Wt));
        set("FORM5.EDIT170", flow(std::isnan(a.Ws) ? Ws : a.Ws));
        set("FORM5.EDIT157", std::isnan(a.length) ? length : a.length);
        if (!std::isnan(a.Tso)) set("FORM5.EDIT134", temperature(a.Tso));
        if (!std::isnan(a.Tto)) set("FORM5.EDIT131", temperature(a.Tto));
        if (pair == Pair::TypedIn) typedInProperties(s, set);
        s << "click FORM5.BUTTON30\n";
        s << "click MAINFORM.BUTTON9\nyes\n";
        if (a.number == 1 || a.number == 2) s << "type 1\n";  // choice (A): the shell outlet is given
        return s.str();
    }

    const PairInfo& info() const {
        for (const PairInfo& p : pairs()) {
            if (p.pair == pair) return p;
        }
        return pairs().front();
    }

private:
    // A light oil in the tubes and air outside, in the units of the run.
    template <class Set>
    void typedInProperties(std::ostringstream&, Set& set) const {
        set("FORM5.EDIT141", 850.0);                           // kg/m3
        set("FORM5.EDIT142", si ? 2.0 : 2.0 / 4.1868);         // kJ/kgK or kcal/kg°C
        set("FORM5.EDIT143", si ? 0.13 : 0.13 / 1.163);        // W/mK or kcal/mh°C
        set("FORM5.EDIT144", si ? 5e-6 : 5e-6 * 3600.0);       // m2/s or m2/h
        set("FORM5.EDIT149", 0.95);
        set("FORM5.EDIT150", si ? 1.01 : 1.01 / 4.1868);
        set("FORM5.EDIT151", si ? 0.031 : 0.031 / 1.163);
        set("FORM5.EDIT152", si ? 2.6e-5 : 2.6e-5 * 3600.0);
    }
};

// A case of `pair` drawn from engineering ranges; the same seed draws the
// same case.
inline DrawnCase drawCase(Pair pair, std::uint32_t seed) {
    std::mt19937 g(seed);
    auto pick = [&](float lo, float hi, float step) {
        std::uniform_int_distribution<int> d(0, static_cast<int>(std::lround((hi - lo) / step)));
        return lo + step * static_cast<float>(d(g));
    };
    auto chance = [&](double p) { return std::bernoulli_distribution(p)(g); };
    DrawnCase c;
    c.pair = pair;
    c.seed = seed;
    c.si = chance(0.5);
    const int surface = std::uniform_int_distribution<int>(0, 2)(g);
    c.surface = pair == Pair::TypedIn ? Surface::Bare : static_cast<Surface>(surface);
    static const float kTubes[][2] = {{16.0f, 14.0f}, {19.05f, 15.75f}, {25.4f, 21.2f}, {31.8f, 27.2f}};
    const int tube = std::uniform_int_distribution<int>(0, 3)(g);
    c.Do = kTubes[tube][0];
    c.Di = kTubes[tube][1];
    c.pitchV = pick(1.25f, 2.5f, 0.05f);
    c.pitchH = pick(1.25f, 2.5f, 0.05f);
    c.arrangement = chance(0.5) ? 1 : 2;
    c.flowPattern = chance(0.8) ? 1 : 3;
    c.tubePasses = std::uniform_int_distribution<int>(1, 4)(g);
    c.shellPasses = 1;
    c.rows = static_cast<int>(pick(8.0f, 60.0f, 1.0f));
    c.columns = pick(2.0f, 12.0f, 1.0f);
    c.length = pick(800.0f, 4000.0f, 100.0f);
    // Temperatures by pair; the flows follow from velocities in the usual
    // ranges: gas across the bank 1.5-8 m/s, gas in the tubes 5-30 m/s,
    // water 0.3-2 m/s (actual, at the inlet).
    float tubeSpeed = pick(5.0f, 30.0f, 0.5f);
    switch (pair) {
        case Pair::GasGas:
            if (chance(0.5)) {  // hot shell
                c.Tti = pick(0.0f, 100.0f, 1.0f);
                c.Tsi = c.Tti + pick(40.0f, 300.0f, 1.0f);
            } else {
                c.Tsi = pick(0.0f, 100.0f, 1.0f);
                c.Tti = c.Tsi + pick(40.0f, 300.0f, 1.0f);
            }
            break;
        case Pair::WaterGas:
            c.Tti = pick(5.0f, 90.0f, 1.0f);
            c.Tsi = c.Tti + pick(60.0f, 350.0f, 1.0f);
            tubeSpeed = pick(0.3f, 2.0f, 0.05f);
            break;
        case Pair::WaterHumidShell:
            c.Tti = pick(5.0f, 30.0f, 1.0f);
            c.moisture = pick(10.0f, 30.0f, 1.0f);
            c.Tsi = 60.0f;
            tubeSpeed = pick(0.3f, 2.0f, 0.05f);
            break;
        case Pair::HumidTubesGas:
            c.Tsi = pick(5.0f, 30.0f, 1.0f);
            c.moisture = pick(10.0f, 30.0f, 1.0f);
            c.Tti = 60.0f;
            break;
        case Pair::TypedIn:
            c.Tti = pick(60.0f, 150.0f, 1.0f);
            c.Tsi = pick(0.0f, 40.0f, 1.0f);
            tubeSpeed = pick(0.3f, 2.0f, 0.05f);
            break;
    }
    const float liquidDensity = pair == Pair::TypedIn ? 850.0f : 1000.0f;
    const bool liquid = pair == Pair::WaterGas || pair == Pair::WaterHumidShell || pair == Pair::TypedIn;
    // A liquid runs in series through many passes, so that it keeps its
    // velocity and still warms by some kelvin.
    if (liquid) c.tubePasses = std::uniform_int_distribution<int>(1, 12)(g);
    auto gasDensity = [](float T) { return 1.293f * 273.0f / (273.0f + T); };
    const float tubes = static_cast<float>(c.rows) * c.columns / static_cast<float>(c.tubePasses);
    const float bore = 0.7854f * c.Di * c.Di * 1e-6f;
    const float tubeDensity = liquid ? liquidDensity : gasDensity(c.Tti);
    c.Wt = std::round(tubeSpeed * bore * tubes * 3600.0f * tubeDensity / 10.0f) * 10.0f;
    // The gap between tubes the gas passes: a radial fin's pitch counts from
    // its tip (the sample fins: 14 mm high, 0.3 mm thick, 6 per inch), a
    // plate fin's from the tube.
    float gap = (c.pitchV - 1.0f) * c.Do;
    if (c.surface == Surface::RadialFin) gap = c.pitchV * (c.Do + 28.0f) - c.Do - 2.0f * 0.3f * 14.0f * 6.0f / 25.4f;
    if (c.surface == Surface::PlateFin) gap *= 0.85f;
    gap *= 1e-3f;
    const float face = gap * c.length * 1e-3f * static_cast<float>(c.rows);
    c.Ws = std::round(pick(1.5f, 8.0f, 0.1f) * face * 3600.0f * gasDensity(c.Tsi) / 10.0f) * 10.0f;
    c.Wt = std::max(c.Wt, 50.0f);
    c.Ws = std::max(c.Ws, 50.0f);
    return c;
}

}  // namespace cfhx::testing
