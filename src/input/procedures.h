// Registration of the input screens' event procedures.
#pragma once

namespace cfhx {
struct App;
void registerUnitSystemProcedures(App& app);
void registerFluidKindProcedures(App& app);
void registerConstructionProcedures(App& app);
void registerForm5StepProcedures(App& app);
void registerForm5PrepareProcedures(App& app);
void registerForm5CheckProcedures(App& app);
void registerProcessingNoProcedures(App& app);
void registerOptionProcedures(App& app);
}  // namespace cfhx
