#include "core/settings/SettingsFileName.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "TempDir.h"
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

// PREFIX/bin of an installed tree stays shared even when writable (root, a prefix in the home
// folder); a folder without the installed desktop entry beside it is portable use.
TEST(SettingsFileName, InstalledProgramUsesTheConfigFolderEvenWhenItsFolderIsWritable) {
    test::ScopedEnv env("QHE32_INI", nullptr);
    test::ScopedEnv config("XDG_CONFIG_HOME", "/tmp/xdg-config");
    test::TempDir prefix;
    const std::string bin = prefix.File("bin"), applications = prefix.File("share/applications");
    std::filesystem::create_directories(bin);
    std::filesystem::create_directories(applications);
    EXPECT_EQ(SettingsFileNameFor(bin), bin + "/QHE32.INI");
    std::ofstream(applications + "/" + kDesktopId + ".desktop") << "[Desktop Entry]\n";
    EXPECT_EQ(SettingsFileNameFor(bin), "/tmp/xdg-config/qhe32/QHE32.INI");
}

} // namespace
} // namespace qhe
