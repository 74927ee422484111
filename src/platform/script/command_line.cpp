#include "platform/script/command_line.h"

#include <algorithm>
#include <ostream>

#include "app/platform.h"
#include "platform/cases/script_line.h"

namespace cfhx {

void describeCommand(CLI::App& app, const std::string& description) {
    app.description(description);
    app.get_formatter()->column_width(28);
    app.get_formatter()->label("REQUIRED", "");
}

std::optional<int> parseCommandLine(CLI::App& app, const std::vector<std::string>& args, std::ostream& out,
                                    std::ostream& err) {
    const std::string& name = app.get_name();
    for (const std::string& a : args) {
        if (a.size() <= kMaxArgumentBytes) continue;
        err << name << ": an argument of " << a.size() << " bytes (at most " << kMaxArgumentBytes << ")\n";
        return kUsageRefused;
    }
    std::vector<const char*> argv{name.c_str()};
    for (const std::string& a : args) argv.push_back(a.c_str());
    try {
        app.parse(static_cast<int>(argv.size()), argv.data());
    } catch (const CLI::CallForHelp&) {
        out << app.help();
        return 0;
    } catch (const CLI::ExtrasError&) {
        // CLI11 names them last first.
        std::vector<std::string> extras = app.remaining();
        std::string list;
        for (const std::string& e : extras) list += " " + quote(e, 40);
        err << name << ": unexpected arguments:" << list << " (" << name << " --help lists the options)\n";
        return kUsageRefused;
    } catch (const CLI::ParseError& e) {
        err << name << ": " << e.what() << " (" << name << " --help lists the options)\n";
        return kUsageRefused;
    }
    return std::nullopt;
}

CLI::Validator dateCheck() {
    return CLI::Validator(
        [](const std::string& text) -> std::string {
            return isDate(text) ? std::string() : quote(text, 40) + " is not a date YY/MM/DD";
        },
        "");
}

void addLanguageOption(CLI::App& app, Language& language) {
    app.add_option_function<std::string>(
           "--lang", [&language](const std::string& code) { languageFromCode(code, language); },
           "the program's language: the pane, its messages, the English display modes (default ja)")
        ->check(CLI::IsMember({"en", "ja"}))
        ->type_name("en|ja");
}

}  // namespace cfhx
