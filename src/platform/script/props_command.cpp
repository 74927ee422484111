#include "platform/script/props_command.h"

#include <ostream>

#include "calc/props_command.h"
#include "platform/script/command_line.h"

namespace cfhx {

int propsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::string fluid;
    std::vector<std::string> values;
    bool si = false, saturation = false;
    CLI::App app{"", "cfhx props"};
    describeCommand(app, "Prints the property values the calculation uses at the given temperatures.");
    app.add_option("FLUID", fluid, "water, or gas")->required()->check(CLI::IsMember({"water", "gas"}))->type_name("");
    app.add_option("VALUES", values,
                   "temperatures in °C; for a gas first its composition in vol.%: CO2=a O2=b H2O=c [N2=d] "
                   "(N2 the remainder when omitted)")
        ->required()
        ->type_name("");
    app.add_flag("--si", si, "SI units (else the old engineering units)");
    app.add_flag("--sat", saturation, "also the saturation state of the gas's moisture (gas only)");
    app.footer("Ranges: water 0 to 300 °C, gas -173 to 1800 °C. Exit status: 0 done, 1 the evaluation stopped, "
               "2 a bad argument or a temperature outside the range.");
    if (const std::optional<int> done = parseCommandLine(app, args, out, err)) return *done;
    if (saturation && fluid != "gas") {
        err << "cfhx props: --sat is for a gas (cfhx props --help lists the options)\n";
        return kUsageRefused;
    }
    std::vector<std::string> words{fluid};
    words.insert(words.end(), values.begin(), values.end());
    if (si) words.emplace_back("--si");
    if (saturation) words.emplace_back("--sat");
    return calc::runPropsCommand(words, out, err);
}

}  // namespace cfhx
