#include "core/text/Language.h"

namespace qhe {

std::string NormalLanguageSetting(std::string_view setting) {
    if (setting == "zh" || setting == "en") return std::string(setting);
    return "auto";
}

UiLanguage ChooseLanguage(std::string_view setting,
                          const std::function<const char*(const char* name)>& environment) {
    const std::string chosen = NormalLanguageSetting(setting);
    if (chosen == "zh") return UiLanguage::Chinese;
    if (chosen == "en") return UiLanguage::English;
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = environment(name);
        if (!value || !*value) continue;
        // LANGUAGE is a list of preferences separated by colons; the first one counts.
        std::string_view locale(value);
        locale = locale.substr(0, locale.find(':'));
        if (locale.empty()) continue;
        const std::string_view language = locale.substr(0, locale.find_first_of("_.@"));
        if (language == "zh" || language == "C" || language == "POSIX") return UiLanguage::Chinese;
        return UiLanguage::English;
    }
    return UiLanguage::Chinese;
}

} // namespace qhe
