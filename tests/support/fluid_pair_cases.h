// One saved case per fluid pair, each carried to its result table: the
// cases a walk through a whole calculation takes.
#pragma once

#include <string>
#include <vector>

namespace cfhx::testing {

struct FluidPairCase {
    const char* pair;  // tube / shell
    std::string path;  // the case file
};

inline std::vector<FluidPairCase> fluidPairCases() {
    const std::string samples = CFHX_SAMPLES_DIR;
    const std::string scripts = CFHX_SCRIPTS_DIR;
    return {
        {"gas / gas", samples + "/gas-gas-no5.cfhx"},
        {"water / gas", samples + "/water-gas-no5.cfhx"},
        {"water / condensing humid gas", samples + "/water-humid-shell.cfhx"},
        {"condensing humid gas / gas", samples + "/humid-gas-tubes.cfhx"},
        {"typed-in vapour / gas", samples + "/typed-in-condensation.cfhx"},
        {"gas / gas, sized in SI", scripts + "/result_sizing_si.cfhx"},
        {"humid gas / gas, the tube side condensing", scripts + "/calc_humid_tube_gas.cfhx"},
    };
}

}  // namespace cfhx::testing
