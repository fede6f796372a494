#include "platform/SaveFiles.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include "platform/ErrorCodes.h"
#include "platform/FileIO.h"

namespace qhe::platform {
namespace {

std::string Folder(const std::string& target) {
    const std::string folder = FolderOf(target);
    return folder.empty() ? std::string(".") : folder;
}

std::string BaseName(const std::string& target) {
    return target.substr(target.find_last_of('/') + 1);
}

// The process id at the start of text ("1234-..." or "1234"); 0 when there is none.
int LeadingPid(const std::string& text) {
    int pid = 0;
    size_t i = 0;
    for (; i < text.size() && i < 10 && text[i] >= '0' && text[i] <= '9'; ++i)
        pid = pid * 10 + (text[i] - '0');
    if (i == 0 || (i < text.size() && text[i] != '-')) return 0;
    return pid;
}

} // namespace

std::string TemporaryPattern(const std::string& target) {
    return Folder(target) + "/." + BaseName(target) + ".qhe32-" + std::to_string(::getpid()) + "-XXXXXX";
}

std::string JournalNameBeside(const std::string& target, int pid) {
    return Folder(target) + "/." + BaseName(target) + ".qhe32-journal-" + std::to_string(pid);
}

std::vector<SideFile> FilesBeside(const std::string& target, const std::string& prefix) {
    std::vector<SideFile> found;
    const std::string folder = Folder(target);
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return found;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) continue;
        found.push_back({folder + "/" + name, LeadingPid(name.substr(prefix.size()))});
    }
    ::closedir(dir);
    return found;
}

bool WriterGone(int pid) {
    if (pid <= 0) return false;
    if (pid == ::getpid()) return true;
    return ::kill(pid, 0) != 0 && errno == ESRCH;
}

void RemoveStaleTemporaries(const std::string& target) {
    std::string prefix = ".";
    prefix.append(BaseName(target)).append(".qhe32-");
    for (const SideFile& file : FilesBeside(target, prefix)) {
        // Journals are completed or removed by CompleteInterruptedSave, never just deleted.
        if (file.path.find(".qhe32-journal-") != std::string::npos) continue;
        if (file.pid != ::getpid() && WriterGone(file.pid)) ::unlink(file.path.c_str());
    }
}

int FlushFolderOf(const std::string& path) {
    const int fd = ::open(Folder(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return ErrorCodeFromErrno(errno, true);
    int code = 0;
    if (::fsync(fd) != 0 && errno != EINVAL && errno != EROFS) code = ErrorCodeFromErrno(errno, true);
    ::close(fd);
    return code;
}

} // namespace qhe::platform
