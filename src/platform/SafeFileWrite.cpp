#include "platform/SafeFileWrite.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "platform/ErrorCodes.h"
#include "platform/FileIO.h"
#include "platform/SafeReplace.h"

namespace qhe {
namespace {

int EnsureFolder(const std::string& folder) {
    if (folder.empty()) return 0;
    std::error_code error;
    if (std::filesystem::is_directory(folder, error)) return 0;
    std::filesystem::create_directories(folder, error);
    if (error) return ErrorCodeFromErrno(error.value() != 0 ? error.value() : ENOTDIR, true);
    return std::filesystem::is_directory(folder, error) ? 0 : ErrorCodeFromErrno(ENOTDIR, true);
}

} // namespace

int WriteFileSafely(const std::string& path, std::string_view data, bool createFolders) {
    if (path.empty()) return ErrorCodeFromErrno(ENOENT, true);
    if (createFolders)
        if (int code = EnsureFolder(platform::FolderOf(path)); code != 0) return code;
    platform::SavePlan plan;
    if (int code = platform::BeginSave(path, plan, static_cast<int64_t>(data.size())); code != 0) return code;
    const int code = platform::WriteFully(plan.fd, reinterpret_cast<const uint8_t*>(data.data()),
                                          static_cast<int64_t>(data.size()));
    if (code != 0) {
        platform::AbortSave(plan);
        return code;
    }
    return platform::CommitSave(plan);
}

} // namespace qhe
