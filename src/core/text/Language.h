#pragma once
#include <functional>
#include <string>
#include <string_view>

namespace qhe {

// The languages the program speaks. Chinese texts are the sources; English comes from the
// translation files.
enum class UiLanguage { Chinese, English };

// The setting's value in its stored form: "auto", "zh" or "en"; anything else is "auto".
std::string NormalLanguageSetting(std::string_view setting);

// The language of a setting. "auto" follows the locale: the first of LANGUAGE, LC_ALL,
// LC_MESSAGES and LANG that is set and not empty decides; Chinese for zh*, for the C and POSIX
// locales and when none is set, English for every other language.
UiLanguage ChooseLanguage(std::string_view setting,
                          const std::function<const char*(const char* name)>& environment);

} // namespace qhe
