// Registration of the input screens' event procedures.
#pragma once

namespace cfhx {
struct App;
void registerUnitSystemProcedures(App& app);
void registerFluidKindProcedures(App& app);
}  // namespace cfhx
