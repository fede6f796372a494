#include "platform/SaveJournal.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/ErrorCodes.h"
#include "platform/FileIO.h"
#include "platform/Paths.h"
#include "platform/SaveFiles.h"

namespace qhe::platform {
namespace {

constexpr char kIndexMagic[8] = {'Q', 'H', 'E', '3', '2', 'J', 'N', 'L'};
constexpr char kSealMagic[8] = {'S', 'E', 'A', 'L', 'E', 'D', '0', '1'};
constexpr int64_t kTrailer = 24; // index start, checksum, seal magic
constexpr int64_t kMaxIndex = 64 << 20;

// FNV-1a: the index is small, and the seal only has to tell a whole index from a torn one.
uint64_t Checksum(const std::string& bytes) {
    uint64_t hash = 14695981039346656037ull;
    for (const unsigned char c : bytes)
        hash = (hash ^ c) * 1099511628211ull;
    return hash;
}

void Put64(std::string& out, uint64_t value) {
    for (int i = 0; i < 8; ++i)
        out.push_back(static_cast<char>(value >> (8 * i)));
}

bool Get64(const std::string& in, size_t& at, uint64_t& value) {
    if (in.size() - at < 8 || at > in.size()) return false;
    value = 0;
    for (int i = 0; i < 8; ++i)
        value |= uint64_t{static_cast<unsigned char>(in[at + i])} << (8 * i);
    at += 8;
    return true;
}

int WriteAllAt(int fd, const void* data, int64_t n, int64_t offset) {
    const char* from = static_cast<const char*>(data);
    while (n > 0) {
        const ssize_t done = ::pwrite(fd, from, static_cast<size_t>(std::min<int64_t>(n, 1 << 30)), offset);
        if (done < 0) {
            if (errno == EINTR) continue;
            return ErrorCodeFromErrno(errno, true);
        }
        if (done == 0) return ErrorCodeFromErrno(ENOSPC, true);
        from += done;
        n -= done;
        offset += done;
    }
    return 0;
}

int Flush(int fd) {
    if (::fdatasync(fd) != 0 && errno != EINVAL && errno != EROFS) return ErrorCodeFromErrno(errno, true);
    return 0;
}

// Copies n bytes from the journal at from to the target at to: in the kernel where it can, else
// through a buffer.
int CopyRun(int journal, int64_t from, int target, int64_t to, int64_t n) {
    while (n > 0) {
        loff_t in = from, out = to;
        const ssize_t done =
            ::copy_file_range(journal, &in, target, &out, static_cast<size_t>(std::min<int64_t>(n, 1 << 30)), 0);
        if (done > 0) {
            from += done;
            to += done;
            n -= done;
            continue;
        }
        if (done < 0 && errno == EINTR) continue;
        if (done < 0 && errno != EXDEV && errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP &&
            errno != EBADF)
            return ErrorCodeFromErrno(errno, true);
        break; // not possible here (or a short journal): copy through a buffer
    }
    std::vector<uint8_t> buffer(static_cast<size_t>(std::min<int64_t>(n, 8 << 20)));
    while (n > 0) {
        const int64_t chunk = std::min<int64_t>(n, static_cast<int64_t>(buffer.size()));
        const int64_t got = ReadFullyAt(journal, buffer.data(), chunk, from);
        if (got < 0) return static_cast<int>(-got);
        if (got < chunk) return ErrorCodeFromErrno(EIO, false);
        if (const int code = WriteAllAt(target, buffer.data(), chunk, to); code != 0) return code;
        from += chunk;
        to += chunk;
        n -= chunk;
    }
    return 0;
}

std::string StateFolder() {
    return XdgStateHome() + "/qhe32/saves";
}

// Journals in the state folder, for targets whose folder takes no new file, are named by the
// target's identity: "DEVICE-INODE.qhe32-journal-PID".
std::string StatePrefix(const FileIdentity& id) {
    return std::to_string(id.device) + "-" + std::to_string(id.inode) + ".qhe32-journal-";
}

bool MakeFolders(const std::string& path) {
    for (size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1))
        ::mkdir(path.substr(0, slash).c_str(), 0700);
    return ::mkdir(path.c_str(), 0700) == 0 || errno == EEXIST;
}

} // namespace

bool ReadJournalIndex(int fd, JournalIndex& index) {
    index = JournalIndex{};
    struct stat st {};
    if (::fstat(fd, &st) != 0 || st.st_size < kTrailer) return false;
    std::string trailer(kTrailer, '\0');
    if (ReadFullyAt(fd, reinterpret_cast<uint8_t*>(trailer.data()), kTrailer, st.st_size - kTrailer) != kTrailer)
        return false;
    size_t at = 0;
    uint64_t start = 0, sum = 0;
    Get64(trailer, at, start);
    Get64(trailer, at, sum);
    if (std::memcmp(trailer.data() + 16, kSealMagic, 8) != 0) return false;
    if (start > static_cast<uint64_t>(st.st_size - kTrailer)) return false;
    const int64_t length = st.st_size - kTrailer - static_cast<int64_t>(start);
    if (length < 8 || length > kMaxIndex) return false;
    std::string bytes(static_cast<size_t>(length), '\0');
    if (ReadFullyAt(fd, reinterpret_cast<uint8_t*>(bytes.data()), length, static_cast<int64_t>(start)) != length)
        return false;
    if (Checksum(bytes) != sum || std::memcmp(bytes.data(), kIndexMagic, 8) != 0) return false;
    at = 8;
    uint64_t finalSize = 0, pathLength = 0, count = 0;
    if (!Get64(bytes, at, finalSize) || !Get64(bytes, at, index.identity.device) ||
        !Get64(bytes, at, index.identity.inode) || !Get64(bytes, at, pathLength) || pathLength > bytes.size() - at)
        return false;
    index.finalSize = static_cast<int64_t>(finalSize);
    index.target = bytes.substr(at, pathLength);
    at += pathLength;
    if (!Get64(bytes, at, count) || count > (bytes.size() - at) / 24) return false;
    for (uint64_t i = 0; i < count; ++i) {
        uint64_t to = 0, n = 0, from = 0;
        Get64(bytes, at, to);
        Get64(bytes, at, n);
        Get64(bytes, at, from);
        const JournalRun run{static_cast<int64_t>(to), static_cast<int64_t>(n), static_cast<int64_t>(from)};
        if (run.targetOffset < 0 || run.length < 0 || run.dataOffset < 0 ||
            run.dataOffset > static_cast<int64_t>(start) - run.length)
            return false;
        index.runs.push_back(run);
    }
    return index.finalSize >= 0;
}

SaveJournal::SaveJournal(SaveJournal&& other) noexcept {
    *this = std::move(other);
}

SaveJournal& SaveJournal::operator=(SaveJournal&& other) noexcept {
    if (this != &other) {
        if (!sealed_) Remove();
        name_ = std::move(other.name_);
        target_ = std::move(other.target_);
        fd_ = std::exchange(other.fd_, -1);
        dataEnd_ = other.dataEnd_;
        finalSize_ = other.finalSize_;
        sealed_ = other.sealed_;
        runs_ = std::move(other.runs_);
        other.name_.clear();
    }
    return *this;
}

SaveJournal::~SaveJournal() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!sealed_) Remove();
}

int SaveJournal::Create(const std::string& target, int64_t size) {
    target_ = target;
    struct stat st {};
    if (::stat(target.c_str(), &st) != 0) return ErrorCodeFromErrno(errno, true);
    int code = ErrorCodeFromErrno(EPERM, true);
    if (S_ISREG(st.st_mode)) code = OpenAt(JournalNameBeside(target, ::getpid()), size);
    // No room beside the target (no write right, a read-only or full file system): the state
    // folder, usually on another disk.
    if (code != 0 && code != ErrorCodeFromErrno(EEXIST, true) && MakeFolders(StateFolder()))
        code = OpenAt(StateFolder() + "/" +
                          StatePrefix({static_cast<uint64_t>(st.st_dev), static_cast<uint64_t>(st.st_ino)}) +
                          std::to_string(::getpid()),
                      size);
    return code;
}

int SaveJournal::OpenAt(const std::string& name, int64_t size) {
    fd_ = ::open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd_ < 0) return ErrorCodeFromErrno(errno, true);
    name_ = name;
    if (size > 0 && ::fallocate(fd_, 0, 0, size) != 0 && errno != EOPNOTSUPP && errno != ENOSYS && errno != EINVAL) {
        const int code = ErrorCodeFromErrno(errno, true);
        Remove();
        return code;
    }
    return 0;
}

int SaveJournal::Append(int64_t targetOffset, const uint8_t* data, int64_t n) {
    if (const int code = WriteAllAt(fd_, data, n, dataEnd_); code != 0) return code;
    AddRun(targetOffset, n, dataEnd_);
    dataEnd_ += n;
    return 0;
}

int SaveJournal::Seal(int64_t finalSize) {
    finalSize_ = finalSize;
    struct stat target {};
    if (::stat(target_.c_str(), &target) != 0) return ErrorCodeFromErrno(errno, true);
    // The index follows the data area, whether Append or the caller (through DataFd) wrote it.
    int64_t start = dataEnd_;
    for (const JournalRun& run : runs_)
        start = std::max(start, run.dataOffset + run.length);
    std::string index(kIndexMagic, 8);
    Put64(index, static_cast<uint64_t>(finalSize));
    Put64(index, static_cast<uint64_t>(target.st_dev));
    Put64(index, static_cast<uint64_t>(target.st_ino));
    Put64(index, target_.size());
    index += target_;
    Put64(index, runs_.size());
    for (const JournalRun& run : runs_) {
        Put64(index, static_cast<uint64_t>(run.targetOffset));
        Put64(index, static_cast<uint64_t>(run.length));
        Put64(index, static_cast<uint64_t>(run.dataOffset));
    }
    std::string trailer;
    Put64(trailer, static_cast<uint64_t>(start));
    Put64(trailer, Checksum(index));
    trailer.append(kSealMagic, 8);
    // The data must be on the disk before the seal that vouches for it.
    int code = Flush(fd_);
    if (code == 0) code = WriteAllAt(fd_, index.data(), static_cast<int64_t>(index.size()), start);
    const int64_t end = start + static_cast<int64_t>(index.size()) + kTrailer;
    if (code == 0) code = WriteAllAt(fd_, trailer.data(), kTrailer, end - kTrailer);
    // Space reserved beyond what was written goes: the seal is the file's last bytes.
    if (code == 0 && ::ftruncate(fd_, end) != 0) code = ErrorCodeFromErrno(errno, true);
    if (code == 0) code = Flush(fd_);
    if (code == 0) code = FlushFolderOf(name_);
    if (code != 0) {
        Remove();
        return code;
    }
    sealed_ = true;
    return 0;
}

int SaveJournal::ApplyTo(int targetFd) {
    for (const JournalRun& run : runs_)
        if (const int code = CopyRun(fd_, run.dataOffset, targetFd, run.targetOffset, run.length); code != 0)
            return code;
    struct stat st {};
    if (::fstat(targetFd, &st) != 0) return ErrorCodeFromErrno(errno, true);
    // A device keeps its size; a file gets exactly the new length.
    if (S_ISREG(st.st_mode) && st.st_size != finalSize_ && ::ftruncate(targetFd, finalSize_) != 0)
        return ErrorCodeFromErrno(errno, true);
    if (::fsync(targetFd) != 0 && errno != EINVAL && errno != EROFS) return ErrorCodeFromErrno(errno, true);
    return 0;
}

void SaveJournal::Keep() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    name_.clear();
    sealed_ = false;
}

void SaveJournal::Remove() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (name_.empty()) return;
    ::unlink(name_.c_str());
    // A sealed journal that came back after a power cut would be applied again over later saves.
    if (sealed_) FlushFolderOf(name_);
    name_.clear();
    sealed_ = false;
}

JournalRecovery CompleteInterruptedSave(const std::string& path, int& code) {
    code = 0;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return JournalRecovery::None;
    const FileIdentity identity{static_cast<uint64_t>(st.st_dev), static_cast<uint64_t>(st.st_ino)};
    const std::string base = path.substr(path.find_last_of('/') + 1);
    std::string prefix = ".";
    prefix.append(base).append(".qhe32-journal-");
    std::vector<SideFile> candidates = FilesBeside(path, prefix);
    for (const SideFile& file : FilesBeside(StateFolder() + "/x", StatePrefix(identity)))
        candidates.push_back(file);
    JournalRecovery result = JournalRecovery::None;
    for (const SideFile& file : candidates) {
        if (!WriterGone(file.pid)) continue;
        const int fd = ::open(file.path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) continue;
        JournalIndex index;
        if (!ReadJournalIndex(fd, index)) {
            // Never sealed: the save stopped before the file was touched.
            ::close(fd);
            ::unlink(file.path.c_str());
            if (result == JournalRecovery::None) result = JournalRecovery::Discarded;
            continue;
        }
        if (index.identity != identity) {
            ::close(fd);
            continue; // another file's (the name was taken over since)
        }
        SaveJournal journal;
        journal.name_ = file.path;
        journal.target_ = path;
        journal.fd_ = fd;
        journal.finalSize_ = index.finalSize;
        journal.runs_ = std::move(index.runs);
        journal.sealed_ = true;
        const int target = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
        code = target < 0 ? ErrorCodeFromErrno(errno, true) : journal.ApplyTo(target);
        if (target >= 0 && ::close(target) != 0 && code == 0) code = ErrorCodeFromErrno(errno, true);
        if (code != 0) {
            journal.name_.clear(); // kept for the next open
            return JournalRecovery::Failed;
        }
        journal.Remove();
        result = JournalRecovery::Completed;
    }
    return result;
}

} // namespace qhe::platform
