#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <sched.h>
#include <sys/wait.h>
#include <unistd.h>

#include "TempDir.h"
#include "platform/SafeFileWrite.h"

namespace qhe {
namespace {

// How far the file holds byte value from its start: its size when all of it does.
int64_t RunOf(const std::string& name, uint8_t value) {
    const int fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
    std::vector<uint8_t> block(1 << 20);
    int64_t run = 0;
    for (ssize_t got; fd >= 0 && (got = ::read(fd, block.data(), block.size())) > 0;) {
        for (ssize_t i = 0; i < got; ++i, ++run)
            if (block[static_cast<size_t>(i)] != value) {
                ::close(fd);
                return run;
            }
    }
    if (fd >= 0) ::close(fd);
    return run;
}

// A large save over a file with two names (so written in place) is sent SIGTERM as soon as
// its first new bytes are on the file. The process ends by the signal, but only after the
// file holds all of the new contents.
TEST(InPlaceSave, TerminationSignalWaitsUntilTheFileIsWhole) {
    constexpr int64_t kSize = 256 << 20;
    constexpr char kNew = 'N';
    // On disk rather than in memory where possible, as real saves are.
    const test::TempDir dir(::access("/var/tmp", W_OK) == 0 ? "/var/tmp"
                                                            : std::filesystem::temp_directory_path());
    const std::string target = dir.File("big.bin");
    test::WriteFileBytes(target, {'o', 'l', 'd'});
    ASSERT_EQ(::link(target.c_str(), dir.File("other.bin").c_str()), 0);

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const std::string data(kSize, kNew);
        ::_exit(WriteFileSafely(target, data));
    }
    const int fd = ::open(target.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    int status = 0;
    bool ended = false; // while its first bytes were awaited
    for (char first = 0; first != kNew && !ended;) {
        if (::pread(fd, &first, 1, 0) != 1) first = 0;
        ended = ::waitpid(child, &status, WNOHANG) == child;
        sched_yield();
    }
    ::close(fd);
    if (!ended) {
        ::kill(child, SIGTERM);
        ASSERT_EQ(::waitpid(child, &status, 0), child);
    }
    EXPECT_EQ(RunOf(target, kNew), kSize) << "of " << kSize << " new bytes";
    EXPECT_EQ(std::filesystem::file_size(target), static_cast<uintmax_t>(kSize));
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0)
        GTEST_SKIP() << "the save had ended before the signal came";
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << "wait status " << status;
}

} // namespace
} // namespace qhe
