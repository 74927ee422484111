#include "platform/qt/language.h"

#include <QCoreApplication>
#include <QTranslator>

namespace cfhx::qt {

namespace {
constexpr std::string_view kLangOption = "--lang";
}  // namespace

std::string_view languageCode(Language language) { return cfhx::languageCode(language); }

std::optional<Language> languageFromCode(std::string_view code) {
    Language language;
    if (!cfhx::languageFromCode(code, language)) return std::nullopt;
    return language;
}

LanguageRequest requestedLanguage(const std::vector<std::string>& args) {
    LanguageRequest request;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string_view a = args[i];
        std::string value;
        if (a == kLangOption) {
            if (i + 1 >= args.size()) return {std::nullopt, "cfhx: --lang needs a language: en or ja"};
            value = args[++i];
        } else if (a.starts_with(std::string(kLangOption) + "=")) {
            value = std::string(a.substr(kLangOption.size() + 1));
        } else {
            continue;
        }
        request.language = languageFromCode(value);
        if (!request.language) return {std::nullopt, "cfhx: unknown language '" + value + "' (en or ja)"};
    }
    return request;
}

Language chooseLanguage(std::optional<Language> requested, std::string_view stored, bool systemJapanese) {
    if (requested) return *requested;
    if (auto kept = languageFromCode(stored)) return *kept;
    return systemJapanese ? Language::Japanese : Language::English;
}

bool installEnglish(QTranslator& translator) {
    if (!translator.load(QStringLiteral(":/i18n/cfhx_en.qm"))) return false;
    return QCoreApplication::installTranslator(&translator);
}

}  // namespace cfhx::qt
