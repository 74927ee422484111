// The building blocks of the screen catalogue: one control of each kind,
// with the height that kind has wherever a screen does not give its own.
// Buttons differ in height from screen to screen, so each screen names its
// own. Geometry is in layout units.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "app/screens.h"

namespace cfhx::catalogue {

inline constexpr int kLabelHeight = 16;
inline constexpr int kEditHeight = 18;
inline constexpr int kOptionHeight = 18;

inline ControlDef make(ControlKind kind, std::string name, std::string text, int x, int y, int w, int h,
                       std::string group = {}) {
    ControlDef c;
    c.name = std::move(name);
    c.kind = kind;
    c.text = std::move(text);
    c.x = x;
    c.y = y;
    c.w = w;
    c.h = h;
    c.group = std::move(group);
    return c;
}

inline ControlDef label(std::string name, std::string text, int x, int y, int w, int h = kLabelHeight) {
    return make(ControlKind::Label, std::move(name), std::move(text), x, y, w, h);
}

inline ControlDef edit(std::string name, std::string text, int x, int y, int w, int h = kEditHeight) {
    return make(ControlKind::Edit, std::move(name), std::move(text), x, y, w, h);
}

inline ControlDef button(std::string name, std::string text, int x, int y, int w, int h) {
    return make(ControlKind::Button, std::move(name), std::move(text), x, y, w, h);
}

inline ControlDef option(std::string name, std::string text, int x, int y, int w, std::string group = {}) {
    return make(ControlKind::Option, std::move(name), std::move(text), x, y, w, kOptionHeight, std::move(group));
}

inline ControlDef frame(std::string name, std::string text, int x, int y, int w, int h, std::string group = {}) {
    return make(ControlKind::Group, std::move(name), std::move(text), x, y, w, h, std::move(group));
}

// A control kept off screen (codes the procedures read and write).
inline ControlDef hidden(ControlDef c) {
    c.visible = false;
    return c;
}

// Appends a frame followed by its members.
inline void addFramed(std::vector<ControlDef>& list, ControlDef group, std::vector<ControlDef> members) {
    const std::string name = group.name;
    list.push_back(std::move(group));
    for (ControlDef& m : members) {
        m.group = name;
        list.push_back(std::move(m));
    }
}

}  // namespace cfhx::catalogue
