#include "core/settings/SettingsFileRead.h"

#include "platform/SmallFile.h"

namespace qhe {

FileReadResult ReadWholeFile(const std::string& fileName, std::string& contents) {
    // Only a plain file of sane size is read, so a named pipe cannot hang the start-up.
    const int code = platform::ReadSmallFile(fileName, platform::kSideFileMaxBytes, contents);
    if (code == 0) return FileReadResult::Read;
    constexpr int kFileNotFound = 2, kPathNotFound = 3;
    return code == kFileNotFound || code == kPathNotFound ? FileReadResult::Missing : FileReadResult::Failed;
}

} // namespace qhe
