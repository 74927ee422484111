// The whole program's event procedures, assembled from every room.
#pragma once

namespace cfhx {
struct App;
void registerProcedures(App& app);
}  // namespace cfhx
