#include "core/settings/SettingsFileName.h"

#include <cstdlib>

#include "platform/Paths.h"

namespace qhe {

namespace {
constexpr const char* kFileName = "QHE32.INI";
}

std::string SettingsFileName() {
    return SettingsFileNameFor(ProgramFolder());
}

std::string SettingsFileNameFor(const std::string& programFolder) {
    if (const char* fromEnvironment = std::getenv("QHE32_INI"); fromEnvironment && *fromEnvironment) {
        return fromEnvironment;
    }
    if (IsFolderWritable(programFolder) && !IsInstalledProgramFolder(programFolder)) {
        return programFolder == "/" ? std::string("/") + kFileName : programFolder + "/" + kFileName;
    }
    return XdgConfigHome() + "/qhe32/" + kFileName;
}

} // namespace qhe
