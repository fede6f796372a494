#include "core/settings/SettingsFileName.h"

#include <gtest/gtest.h>

#include "core/settings/SettingsTestFiles.h"
#include "platform/Paths.h"

namespace qhe {
namespace {

TEST(SettingsFileName, EnvironmentVariableOverridesEverything) {
    test::ScopedEnv env("QHE32_INI", "/tmp/elsewhere/my.ini");
    EXPECT_EQ(SettingsFileName(), "/tmp/elsewhere/my.ini");
}

TEST(SettingsFileName, BesideTheProgramWhenWritableElseInTheConfigFolder) {
    test::ScopedEnv env("QHE32_INI", nullptr);
    test::ScopedEnv config("XDG_CONFIG_HOME", "/tmp/xdg-config");
    const std::string expected = IsFolderWritable(ProgramFolder())
                                     ? ProgramFolder() + "/QHE32.INI"
                                     : std::string("/tmp/xdg-config/qhe32/QHE32.INI");
    EXPECT_EQ(SettingsFileName(), expected);
}

} // namespace
} // namespace qhe
