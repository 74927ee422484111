#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/codes.h"

class QTranslator;

namespace cfhx::qt {

// The windows speak the program's language: Japanese, or English through
// the translation shipped with the program.
using cfhx::Language;

// The code a language goes by on the command line and in the settings.
std::string_view languageCode(Language language);
std::optional<Language> languageFromCode(std::string_view code);

// What the windows' command line asks for: no --lang, a known language, or
// a refusal with its one-line message.
struct LanguageRequest {
    std::optional<Language> language;
    std::string error;
};
LanguageRequest requestedLanguage(const std::vector<std::string>& args);

// The language in force: the command line's, else the one kept from the
// last run, else the system's (Japanese for a Japanese locale, else English).
Language chooseLanguage(std::optional<Language> requested, std::string_view stored, bool systemJapanese);

// Loads the English translation into `translator` and installs it; false
// when the compiled translation is missing.
bool installEnglish(QTranslator& translator);

}  // namespace cfhx::qt
