// The four display modes of a result: language and unit system by the mode
// text the run carries (LangUnitMode).
#pragma once

#include <string_view>

#include "app/codes.h"

namespace cfhx::report {

struct DisplayMode {
    std::string_view name;
    bool english = false;
    bool si = false;
};

inline constexpr DisplayMode kDisplayModes[] = {
    {.name = Lang::J},
    {.name = Lang::JSI, .si = true},
    {.name = Lang::E, .english = true},
    {.name = Lang::ESI, .english = true, .si = true},
};

// The mode of a mode text; a text that names none reads as "J".
inline const DisplayMode& displayMode(std::string_view name) {
    for (const DisplayMode& m : kDisplayModes) {
        if (m.name == name) return m;
    }
    return kDisplayModes[0];
}

}  // namespace cfhx::report
