#pragma once
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/mount.h>
#include <unistd.h>
#include <vector>

namespace qhe::test {

// A tmpfs of a few pages mounted for one test; Mounted() is false where mounting is not allowed.
class SmallTmpfs {
  public:
    explicit SmallTmpfs(const std::string& path, const char* options = "size=256k") : path_(path) {
        std::filesystem::create_directory(path_);
        if (::mount("tmpfs", path_.c_str(), "tmpfs", 0, options) == 0)
            mounted_ = true;
        else
            error_ = std::strerror(errno);
    }
    ~SmallTmpfs() {
        if (mounted_) ::umount2(path_.c_str(), MNT_DETACH);
    }
    bool Mounted() const { return mounted_; }
    const std::string& Error() const { return error_; }

  private:
    std::string path_, error_;
    bool mounted_ = false;
};

// Writes zeros to name until the file system is full.
inline void FillUp(const std::string& name) {
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT, 0644);
    if (fd < 0) return;
    const std::vector<char> block(4096);
    while (::write(fd, block.data(), block.size()) > 0) {
    }
    ::close(fd);
}

} // namespace qhe::test
