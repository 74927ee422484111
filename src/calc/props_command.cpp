#include "calc/props_command.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "app/codes.h"
#include "app/screens.h"
#include "calc/humid_gas.h"
#include "calc/notes.h"
#include "calc/numeric_guard.h"
#include "calc/properties.h"
#include "calc/record.h"
#include "calc/units.h"

namespace cfhx::calc {
namespace {

constexpr const char* kUsage =
    "usage: cfhx props water T1 [T2 ...] [--si]\n"
    "       cfhx props gas CO2=vol% O2=vol% H2O=vol% [N2=vol%] T1 [T2 ...] [--si] [--sat]\n"
    "       temperatures in °C; N2 is the remainder when omitted\n";

constexpr const char* kComponentNames[kComponents] = {"CO2", "N2", "O2", "H2O"};
constexpr const char* kPropertyNames[3] = {"cp", "viscosity", "conductivity"};

// The temperatures each fluid's correlations are given for (°C). Water:
// the film temperature of its polynomials, outside which the calculation
// prints its range message. Gas: no component has a polynomial below
// −173 °C, and above 1800 °C the O2 viscosity polynomial heads for zero
// (it is negative from about 1870 °C).
struct Range {
    double low, high;
};
constexpr Range kWaterRange{.low = 0.0, .high = 300.0};
constexpr Range kGasRange{.low = -173.0, .high = 1800.0};

bool parseNumber(std::string_view text, double& value) {
    std::string s(text);
    char* end = nullptr;
    errno = 0;
    const double v = std::strtod(s.c_str(), &end);
    if (s.empty() || end != s.c_str() + s.size() || errno != 0 || !std::isfinite(v)) return false;
    value = v;
    return true;
}

// A number the single-precision routines can take; false beyond a float.
bool parseNumber(std::string_view text, float& value) {
    double v;
    if (!parseNumber(text, v) || !std::isfinite(singleOf(v))) return false;
    value = singleOf(v);
    return true;
}

std::string num(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.6g", v);
    return buf;
}

// Units of the table columns.
struct Units {
    bool si;
    double cp() const { return si ? kKjPerKcalDouble : 1.0; }
    double k() const { return si ? kWmkPerKcalMhCDouble : 1.0; }
    double nu() const { return si ? 1.0 / kSecondsPerHour : 1.0; }
    double pressure() const { return si ? kMpaPerKgfCm2Double : 1.0; }
    const char* header() const {
        return si ? "T[°C] rho[kg/m3] cp[kJ/kgK] k[W/mK] nu[m2/s] Pr[-]"
                  : "T[°C] rho[kg/m3] cp[kcal/kgK] k[kcal/mhK] nu[m2/h] Pr[-]";
    }
    const char* pressureUnit() const { return si ? "MPa" : "kgf/cm2"; }
};

// The wall, film and mean temperatures all at T.
void placeAt(Record& r, float T) {
    r.TGM = r.TAM = r.Twav = T;
    r.Ht = r.Hs = 50.0f;
    r.Ai = r.Aeff = 1.0f;
}

// The notes the routines left at T, as comment lines; the sink is emptied.
void copyNotes(Notes& notes, float T, std::ostream& out) {
    for (Note note : notes.added) {
        const std::string_view line = noteText(note, Language::English);
        size_t start = line.find_first_not_of(' ');
        if (start == std::string_view::npos) continue;
        out << "# T=" << num(T) << ": " << line.substr(start) << "\n";
    }
    notes.added.clear();
}

void noteKept(KeptMask mask, const ComponentMemory& memory, float T, std::ostream& out) {
    const float* values[3] = {memory.cp, memory.mu, memory.lambda};
    for (int p = 0; p < 3; ++p)
        for (int c = 0; c < kComponents; ++c)
            if (kept(mask, GasProperty(p), Component(c)))
                out << "# T=" << num(T) << ": " << kComponentNames[c] << " " << kPropertyNames[p]
                    << " below its range, value kept from the previous evaluation (" << num(values[p][c])
                    << (values[p][c] == 0.0f ? ", none before" : "") << ")\n";
}

int runWater(const std::vector<float>& temps, Units u, std::ostream& out) {
    Record r = freshRecord();
    r.flags.sPROP = Prop::Correlations;
    out << u.header() << "\n";
    Notes notes;
    for (float T : temps) {
        placeAt(r, T);
        waterProperties(r, notes);
        out << num(T) << " " << num(r.Dt) << " " << num(r.Ct * u.cp()) << " " << num(r.Kt * u.k()) << " "
            << num(r.VIt * u.nu()) << " " << num(r.Prt) << "\n";
        copyNotes(notes, T, out);
    }
    return 0;
}

int runGas(const float percent[kComponents], const std::vector<float>& temps, Units u, bool sat, std::ostream& out) {
    Record r = freshRecord();
    r.flags.sPROP = Prop::Correlations;
    for (int c = 0; c < kComponents; ++c) r.shellWet[c] = percent[c] / 100.0f;

    out << "# gas CO2=" << num(percent[kCO2]) << " O2=" << num(percent[kO2]) << " H2O=" << num(percent[kH2O])
        << " N2=" << num(percent[kN2]) << " vol.%\n";
    out << "# normal density " << num(normalDensity(r.shellWet)) << " kg/Nm3\n";
    float M = 0.0f, Cpg = 0.0f;
    const bool hasDryGas = r.shellWet[kCO2] + r.shellWet[kN2] + r.shellWet[kO2] > 0.0f;
    if (hasDryGas) {
        dryFromWet(r.shellWet, r.shellDry);
        M = waterWeightRatio(r.shellDry);
        Cpg = dryGasSpecificHeat(r.shellDry);
    }
    const float V = r.shellWet[kH2O];
    if (V > 0.0f && hasDryGas) {
        const float X = humidityFromMoleFraction(V, M);
        const float Pw = waterPartialPressure(X, M);
        out << "# absolute humidity " << num(X) << " kg/kg, water partial pressure " << num(Pw * u.pressure()) << " "
            << u.pressureUnit() << ", dew point " << num(dewPoint(Pw)) << " °C\n";
    } else if (V > 0.0f) {
        out << "# no dry gas: no absolute humidity or dew point\n";
    } else {
        out << "# dry gas: no dew point\n";
    }
    if (sat && !hasDryGas) {
        out << "# --sat needs a dry gas part\n";
        sat = false;
    }

    out << u.header() << " Pvs[" << u.pressureUnit() << "]";
    if (sat) out << " Xsat[kg/kg] Hsat[" << (u.si ? "kJ/kg" : "kcal/kg") << "]";
    out << "\n";
    for (float T : temps) {
        placeAt(r, T);
        GasEvaluation e = shellGasProperties(r);
        const float Pvs = saturationPressure(T);
        out << num(T) << " " << num(r.Ds) << " " << num(r.Cs * u.cp()) << " " << num(r.Ks * u.k()) << " "
            << num(r.VIs * u.nu()) << " " << num(r.Pb) << " " << num(Pvs * u.pressure());
        const bool boiling = sat && Pvs >= kPressure;
        if (sat && !boiling) {
            const float Xsat = saturatedHumidity(T, M);
            out << " " << num(Xsat) << " " << num(saturatedEnthalpy(T, Xsat, Cpg) * u.cp());
        } else if (boiling) {
            out << " - -";
        }
        out << "\n";
        if (boiling)
            out << "# T=" << num(T) << ": no saturated humidity at or above the boiling point (Pvs >= 1.033)\n";
        noteKept(e.bulk | e.wall, r.shellMemory, T, out);
    }
    return 0;
}

}  // namespace

int runPropsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty() || (args[0] != "water" && args[0] != "gas")) {
        err << kUsage;
        return 2;
    }
    const bool gas = args[0] == "gas";
    bool si = false, sat = false;
    bool given[kComponents] = {};
    float percent[kComponents] = {};
    std::vector<float> temps;
    for (size_t i = 1; i < args.size(); ++i) {
        std::string_view a = args[i];
        if (a == "--si") {
            si = true;
            continue;
        }
        if (a == "--sat" && gas) {
            sat = true;
            continue;
        }
        size_t eq = a.find('=');
        if (gas && eq != std::string_view::npos) {
            std::string_view name = a.substr(0, eq);
            int c = -1;
            for (int k = 0; k < kComponents; ++k)
                if (name == kComponentNames[k]) c = k;
            if (c < 0 || given[c] || !parseNumber(a.substr(eq + 1), percent[c]) || percent[c] < 0.0f) {
                err << "cfhx props: bad component " << a << "\n" << kUsage;
                return 2;
            }
            given[c] = true;
            continue;
        }
        double T;
        if (!parseNumber(a, T)) {
            err << "cfhx props: not a temperature: " << a << "\n" << kUsage;
            return 2;
        }
        const Range range = gas ? kGasRange : kWaterRange;
        if (T < range.low || T > range.high) {
            err << "cfhx props: " << num(T) << " °C is outside the range of the " << args[0] << " correlations, "
                << num(range.low) << " to " << num(range.high) << " °C\n";
            return 2;
        }
        temps.push_back(singleOf(T));
    }
    if (temps.empty()) {
        err << "cfhx props: no temperature given\n" << kUsage;
        return 2;
    }
    if (gas) {
        if (!given[kCO2] || !given[kO2] || !given[kH2O]) {
            err << "cfhx props: CO2, O2 and H2O are needed\n" << kUsage;
            return 2;
        }
        const float others = percent[kCO2] + percent[kO2] + percent[kH2O];
        if (!given[kN2]) percent[kN2] = 100.0f - others;
        if (percent[kN2] < -1e-4f || std::fabs(others + percent[kN2] - 100.0f) > 1e-3f) {
            err << "cfhx props: the composition must add up to 100 vol.%\n";
            return 2;
        }
        if (percent[kN2] < 0.0f) percent[kN2] = 0.0f;
    }

    try {
        Units u{si};
        return gas ? runGas(percent, temps, u, sat, out) : runWater(temps, u, out);
    } catch (const CalculationStop& stop) {
        err << "cfhx props:" << stopMessage(stop, Language::English) << "\n";
        return 1;
    }
}

}  // namespace cfhx::calc
