// Unit-system screen: one frame with the two unit-system buttons.
//
// No invented names on this screen.
#include "app/screens.h"

#include <string>
#include <utility>

#include "app/catalogue_controls.h"

namespace cfhx {

using namespace catalogue;

ScreenDef form4Screen() {
    ScreenDef s;
    s.name = "FORM4";
    s.title = "単位系の選択";
    s.width = 260;
    s.height = 120;
    s.controls = {
        make(ControlKind::Group, "GROUP9", "単位系の選択", 12, 12, 236, 92),
        make(ControlKind::Button, "BUTTON25", "旧工学単位系", 28, 48, 96, 24, "GROUP9"),
        make(ControlKind::Button, "BUTTON26", "ＳＩ単位系", 136, 48, 96, 24, "GROUP9"),
    };
    return s;
}

}  // namespace cfhx
