#include "platform/program.h"

#include "app/app.h"
#include "report/calculate_button.h"
#include "input/procedures.h"

namespace cfhx {

void registerProcedures(App& app) {
    registerFrameProcedures(app);
    registerUnitSystemProcedures(app);
    registerFluidKindProcedures(app);
    registerConstructionProcedures(app);
    registerForm5StepProcedures(app);
    registerForm5PrepareProcedures(app);
    registerForm5CheckProcedures(app);
    registerProcessingNoProcedures(app);
    registerOptionProcedures(app);
    registerCalculationProcedures(app);
}

}  // namespace cfhx
