#include "app/case_header.h"

#include "app/app.h"
#include "version.h"

namespace cfhx {
namespace {

std::string_view kindName(FluidKind k) {
    switch (k) {
        case FluidKind::HumidGas: return "saturated humid gas";
        case FluidKind::Gas: return "gas";
        case FluidKind::Water: return "water";
        case FluidKind::Manual: return "typed-in properties";
        case FluidKind::None: break;
    }
    return "not chosen";
}

}  // namespace

std::string caseHeader(App& app, std::string_view date) {
    std::string h = "# cfhx " + std::string(kProgramVersion) + " case, saved " + std::string(date) + "\n";
    h += "# units: " + std::string(siUnits(app) ? "SI" : "old engineering units");
    h += "; tubes: " + std::string(kindName(tubeFluidKind(app)));
    h += "; shell: " + std::string(kindName(shellFluidKind(app)));
    const int no = static_cast<int>(processingNo(app));
    h += "; processing No. " + (no >= 1 && no <= 7 ? std::to_string(no) : std::string("-")) + "\n";
    return h;
}

}  // namespace cfhx
