// The unit-system screen FORM4: old engineering units or SI.
#include "app/app.h"
#include "app/construction_labels.h"
#include "input/procedures.h"

namespace cfhx {
namespace {

void chooseUnits(App& app, UnitCode code) {
    ScreenRef main = app[kMain.screen];
    writeCode(main[kMain.unitCode], code);
    app.UnitFlag = siUnits(app) ? UnitFlag::Si : UnitFlag::Old;
    main["BUTTON18"].enable();
    writeConstructionLabels(app);
}

// "旧工学単位系": the refrigerant labels of FORM7 keep whatever they show.
// English screens start the result output in the English modes.
void BUTTON25_ON(App& app) { chooseUnits(app, oldUnitsCode(app.language)); }

void BUTTON26_ON(App& app) {
    chooseUnits(app, siUnitsCode(app.language));
    ScreenRef form7 = app["FORM7"];
    form7["TEXT248"].setText("(MPa)");
    form7["TEXT250"].setText("(N/m)");
}

}  // namespace

void registerUnitSystemProcedures(App& app) {
    registerProcedure(app, "FORM4", "BUTTON25", BUTTON25_ON);
    registerProcedure(app, "FORM4", "BUTTON26", BUTTON26_ON);
}

}  // namespace cfhx
