// How a quantity shown in the old engineering units converts to the SI
// tables: si = old · factor + offset, to within `resolution` (the coarser
// of the two printed roundings, in SI units) or 0.2 % of the value.
#pragma once

#include <string_view>

namespace cfhx::testing {

struct UnitFactor {
    std::string_view old, si;
    double factor, offset, resolution;
};

inline constexpr UnitFactor kUnitFactors[] = {
    {.old = "℃", .si = "K", .factor = 1.0, .offset = 273.0, .resolution = 0.1},
    {.old = "kcal/h", .si = "W", .factor = 1.163, .offset = 0.0, .resolution = 0.2},
    {.old = "kcal/m2hﾟc", .si = "W/m2K", .factor = 1.163, .offset = 0.0, .resolution = 0.2},
    {.old = "kcal/kg", .si = "kJ/kg", .factor = 4.1868, .offset = 0.0, .resolution = 0.05},
    {.old = "kcal/kg℃", .si = "kJ/kgK", .factor = 4.1868, .offset = 0.0, .resolution = 0.005},
    {.old = "kg/h", .si = "kg/s", .factor = 1.0 / 3600.0, .offset = 0.0, .resolution = 0.0006},
    {.old = "Nm3/h", .si = "Nm3/s", .factor = 1.0 / 3600.0, .offset = 0.0, .resolution = 0.0006},
    {.old = "m3/h", .si = "m3/s", .factor = 1.0 / 3600.0, .offset = 0.0, .resolution = 0.00015},
    {.old = "mmAq", .si = "Pa", .factor = 9.8, .offset = 0.0, .resolution = 0.55},
    {.old = "kg/cm2", .si = "MPa", .factor = 0.098, .offset = 0.0, .resolution = 0.05},
    {.old = "kg/cm2", .si = "Pa", .factor = 98000.0, .offset = 0.0, .resolution = 50.0},
    {.old = "m", .si = "mm", .factor = 1000.0, .offset = 0.0, .resolution = 5.0},
    {.old = "m/s", .si = "m/s", .factor = 1.0, .offset = 0.0, .resolution = 0.01},
    {.old = "m2", .si = "m2", .factor = 1.0, .offset = 0.0, .resolution = 0.1},
    {.old = "kg/Nm3", .si = "kg/Nm3", .factor = 1.0, .offset = 0.0, .resolution = 0.001},
    {.old = "kg/kg", .si = "kg/kg", .factor = 1.0, .offset = 0.0, .resolution = 0.0001},
    {.old = "-", .si = "-", .factor = 1.0, .offset = 0.0, .resolution = 0.001},
};

// The conversion between two table units, or nullptr for a pair no table
// should show.
inline const UnitFactor* unitFactor(std::string_view old, std::string_view si) {
    for (const UnitFactor& u : kUnitFactors) {
        if (u.old == old && u.si == si) return &u;
    }
    return nullptr;
}

}  // namespace cfhx::testing
