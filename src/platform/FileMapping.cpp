#include "platform/FileMapping.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <fcntl.h>
#include <linux/fs.h>
#include <mutex>
#include <sys/ioctl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/ErrorCodes.h"

namespace qhe::platform {
namespace {

// The mappings that the SIGBUS handler may repair, kept in plain atomics so that the handler
// reads them without locks. A slot is free while its end is 0.
constexpr int kSlots = 16;
std::atomic<uintptr_t> slotBegin[kSlots];
std::atomic<uintptr_t> slotEnd[kSlots];
std::atomic<int64_t> slotFaults[kSlots];
struct sigaction previousBusAction;
std::once_flag handlerInstalled;

// A read of a mapped page failed (I/O error, or the file was cut short under the mapping):
// a zero page takes its place, so the reading loop goes on, and the fault is counted. Faults
// outside our mappings go to the handler that was there before, or end the program as usual.
void OnBusError(int sig, siginfo_t* info, void* context) {
    const auto at = reinterpret_cast<uintptr_t>(info->si_addr);
    for (int i = 0; i < kSlots; ++i) {
        const uintptr_t begin = slotBegin[i].load(std::memory_order_acquire);
        const uintptr_t end = slotEnd[i].load(std::memory_order_acquire);
        if (at < begin || at >= end) continue;
        const auto page = static_cast<uintptr_t>(::sysconf(_SC_PAGESIZE));
        void* start = reinterpret_cast<void*>(at & ~(page - 1));
        if (::mmap(start, page, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED, -1, 0) ==
            MAP_FAILED)
            break;
        slotFaults[i].fetch_add(1, std::memory_order_relaxed);
        return;
    }
    if (previousBusAction.sa_flags & SA_SIGINFO) {
        if (previousBusAction.sa_sigaction) return previousBusAction.sa_sigaction(sig, info, context);
    } else if (previousBusAction.sa_handler != SIG_DFL && previousBusAction.sa_handler != SIG_IGN) {
        return previousBusAction.sa_handler(sig);
    }
    // The fault recurs on return and ends the program with SIGBUS.
    ::signal(SIGBUS, SIG_DFL);
}

void InstallHandler() {
    std::call_once(handlerInstalled, [] {
        struct sigaction action {};
        action.sa_sigaction = OnBusError;
        action.sa_flags = SA_SIGINFO | SA_NODEFER;
        sigemptyset(&action.sa_mask);
        ::sigaction(SIGBUS, &action, &previousBusAction);
    });
}

int TakeSlot(uint8_t* data, int64_t size) {
    InstallHandler();
    const auto begin = reinterpret_cast<uintptr_t>(data);
    for (int i = 0; i < kSlots; ++i) {
        uintptr_t free = 0;
        if (!slotEnd[i].compare_exchange_strong(free, 1)) continue;
        slotFaults[i] = 0;
        slotBegin[i].store(begin, std::memory_order_release);
        slotEnd[i].store(begin + static_cast<uintptr_t>(size), std::memory_order_release);
        return i;
    }
    return -1;
}

void FreeSlot(int slot) {
    if (slot < 0) return;
    slotBegin[slot].store(0, std::memory_order_release);
    slotEnd[slot].store(0, std::memory_order_release);
}

// Opens a block device for reading and gives its size; answers the descriptor or -code.
int OpenDevice(const std::string& name, int64_t& size) {
    const int fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return -LastErrorCode(false);
    uint64_t bytes = 0;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISBLK(st.st_mode) || ::ioctl(fd, BLKGETSIZE64, &bytes) != 0) {
        ::close(fd);
        return -kNotRegularFile;
    }
    size = static_cast<int64_t>(bytes);
    return fd;
}

} // namespace

FileKind KindOf(const std::string& name, int64_t& size) {
    size = -1;
    struct stat st {};
    if (::stat(name.c_str(), &st) != 0) return FileKind::Missing;
    if (S_ISREG(st.st_mode)) {
        size = st.st_size;
        return FileKind::Regular;
    }
    if (!S_ISBLK(st.st_mode)) return FileKind::Other;
    const int fd = OpenDevice(name, size);
    if (fd >= 0) ::close(fd);
    return FileKind::BlockDevice;
}

int OpenFileOrDevice(const std::string& name, bool denyWrite, int64_t& size, bool& device) {
    int64_t ignored = 0;
    device = KindOf(name, ignored) == FileKind::BlockDevice;
    if (device) return OpenDevice(name, size);
    const int fd = OpenForReading(name, denyWrite);
    if (fd >= 0) size = StatOpenFile(fd).size;
    return fd;
}

int64_t PageSize() {
    static const int64_t size = ::sysconf(_SC_PAGESIZE);
    return size;
}

FileMapping::FileMapping(FileMapping&& other) noexcept {
    *this = std::move(other);
}

FileMapping& FileMapping::operator=(FileMapping&& other) noexcept {
    if (this == &other) return *this;
    Close();
    data_ = other.data_;
    size_ = other.size_;
    fd_ = other.fd_;
    slot_ = other.slot_;
    device_ = other.device_;
    info_ = other.info_;
    other.data_ = nullptr;
    other.size_ = 0;
    other.fd_ = -1;
    other.slot_ = -1;
    return *this;
}

int FileMapping::Open(const std::string& name, bool denyWrite) {
    Close();
    int64_t size = 0;
    bool device = false;
    const int fd = OpenFileOrDevice(name, denyWrite, size, device);
    if (fd < 0) return -fd;
    const FileInfo info = StatOpenFile(fd);
    void* data = nullptr;
    if (size > 0) {
        // Written pages become private copies; NORESERVE so that a mapping larger than memory
        // is not refused for memory it will never use.
        data = ::mmap(nullptr, static_cast<size_t>(size), PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_NORESERVE,
                      fd, 0);
        if (data == MAP_FAILED) {
            const int code = LastErrorCode(false);
            ::close(fd);
            return code;
        }
    }
    // Whole-file passes (find, count, checksums, save as) read front to back: ask for
    // large read-ahead on the faults, so a cold file streams at the disk's speed.
    if (data) ::madvise(data, static_cast<size_t>(size), MADV_SEQUENTIAL);
    data_ = static_cast<uint8_t*>(data);
    size_ = size;
    fd_ = fd;
    device_ = device;
    info_ = info;
    if (data_) slot_ = TakeSlot(data_, size_);
    return 0;
}

void FileMapping::Close() {
    FreeSlot(slot_);
    slot_ = -1;
    if (data_) ::munmap(data_, static_cast<size_t>(size_));
    if (fd_ >= 0) ::close(fd_);
    data_ = nullptr;
    size_ = 0;
    fd_ = -1;
}

int64_t FileMapping::ReadFaults() const {
    return slot_ < 0 ? 0 : slotFaults[slot_].load(std::memory_order_relaxed);
}

} // namespace qhe::platform
