#include "core/text/Language.h"

#include <map>
#include <string>

#include <gtest/gtest.h>

namespace qhe {
namespace {

UiLanguage Choose(const std::string& setting, std::map<std::string, std::string> environment) {
    return ChooseLanguage(setting, [&environment](const char* name) -> const char* {
        auto it = environment.find(name);
        return it == environment.end() ? nullptr : it->second.c_str();
    });
}

// The setting wins; "auto" takes the first locale variable that is set and not empty, in the
// order gettext reads them; Chinese for zh*, C, POSIX and no locale at all.
TEST(Language, SettingThenLocaleVariablesInOrder) {
    constexpr UiLanguage zh = UiLanguage::Chinese, en = UiLanguage::English;
    EXPECT_EQ(Choose("en", {{"LANG", "zh_CN.UTF-8"}}), en);
    EXPECT_EQ(Choose("zh", {{"LANG", "en_US.UTF-8"}}), zh);
    EXPECT_EQ(Choose("auto", {}), zh);
    EXPECT_EQ(Choose("bogus", {{"LANG", "de_DE.UTF-8"}}), en);
    EXPECT_EQ(Choose("auto", {{"LANG", "C"}}), zh);
    EXPECT_EQ(Choose("auto", {{"LANG", "C.UTF-8"}}), zh);
    EXPECT_EQ(Choose("auto", {{"LC_ALL", "POSIX"}, {"LANG", "fr_FR.UTF-8"}}), zh);
    EXPECT_EQ(Choose("auto", {{"LANG", "zh_TW.UTF-8"}}), zh);
    EXPECT_EQ(Choose("auto", {{"LANGUAGE", "fr:zh_CN"}, {"LANG", "zh_CN.UTF-8"}}), en);
    EXPECT_EQ(Choose("auto", {{"LANGUAGE", ""}, {"LC_ALL", ""}, {"LC_MESSAGES", "zh_CN"}, {"LANG", "en"}}),
              zh);
    EXPECT_EQ(Choose("auto", {{"LANG", "en@euro"}}), en);
    EXPECT_EQ(NormalLanguageSetting("EN"), "auto");
}

} // namespace
} // namespace qhe
