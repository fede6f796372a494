#include "platform/Paths.h"

#include <climits>
#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qhe {

namespace {

std::string HomeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home) return home;
    if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_dir) return entry->pw_dir;
    return "/";
}

// The XDG rules ignore relative paths in these variables.
std::string XdgFolder(const char* variable, const char* fallbackBelowHome) {
    if (const char* value = std::getenv(variable); value && value[0] == '/') return value;
    std::string home = HomeFolder();
    if (!home.empty() && home.back() == '/') home.pop_back();
    return home + "/" + fallbackBelowHome;
}

} // namespace

std::string ExecutablePath() {
    char buffer[PATH_MAX];
    ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer);
    if (length <= 0 || static_cast<size_t>(length) >= sizeof buffer) return {};
    return std::string(buffer, static_cast<size_t>(length));
}

std::string ProgramFolder() {
    std::string path = ExecutablePath();
    size_t slash = path.rfind('/');
    if (slash == std::string::npos) return {};
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool IsInstalledProgramFolder(const std::string& folder) {
    struct stat info {};
    const std::string entry = folder + "/../share/applications/" + kDesktopId + ".desktop";
    return !folder.empty() && stat(entry.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string SideFileFolder() {
    const std::string folder = ProgramFolder();
    return IsInstalledProgramFolder(folder) ? HomeFolder() : folder;
}

bool IsFolderWritable(const std::string& path) {
    struct stat info {};
    if (path.empty() || stat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return false;
    return access(path.c_str(), W_OK | X_OK) == 0;
}

std::string XdgConfigHome() {
    return XdgFolder("XDG_CONFIG_HOME", ".config");
}

std::string XdgDataHome() {
    return XdgFolder("XDG_DATA_HOME", ".local/share");
}

std::string XdgStateHome() {
    return XdgFolder("XDG_STATE_HOME", ".local/state");
}

} // namespace qhe
