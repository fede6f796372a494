#include "platform/SaveJournal.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "AsUser.h"
#include "TempDir.h"
#include "platform/ErrorCodes.h"
#include "platform/SafeReplace.h"
#include "platform/SaveFiles.h"

namespace qhe {
namespace {

using platform::JournalRecovery;
using test::ReadFileBytes;
using test::TempDir;
using test::WriteFileBytes;

// The files in folder besides those named.
std::vector<std::string> Others(const std::string& folder, const std::vector<std::string>& known) {
    std::vector<std::string> found;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (std::find(known.begin(), known.end(), name) == known.end()) found.push_back(name);
    }
    return found;
}

// Runs body in a child that body kills (Crash), as a crash or the out-of-memory killer would end
// it; answers the child's wait status.
void Crash() {
    ::raise(SIGKILL);
}

int CrashAfter(const std::function<void()>& body) {
    const pid_t child = ::fork();
    if (child == 0) {
        const struct rlimit noCore {0, 0};
        ::setrlimit(RLIMIT_CORE, &noCore);
        body();
        ::_exit(99);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return status;
}

class SaveJournalTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ::setenv("XDG_STATE_HOME", dir_.File("state").c_str(), 1);
        target_ = dir_.File("a.bin");
        WriteFileBytes(target_, old_);
        // A second name makes every save of the file go in place.
        ASSERT_EQ(::link(target_.c_str(), dir_.File("b.bin").c_str()), 0);
    }
    void TearDown() override { ::unsetenv("XDG_STATE_HOME"); }

    TempDir dir_;
    std::string target_;
    const std::vector<uint8_t> old_ = test::RandomBytes(300000, 1);
    const std::vector<uint8_t> new_ = test::RandomBytes(500000, 2);
};

// Killed at each point of an in-place save: before the journal is sealed the file is the old
// one and the next open removes the journal; once sealed, the next open completes the save,
// however little of it had reached the file.
TEST_F(SaveJournalTest, AKilledInPlaceSaveIsOldOrCompletedAtTheNextOpen) {
    const auto writeNew = [&](platform::SavePlan& plan) {
        ASSERT_EQ(platform::BeginSave(target_, plan, static_cast<int64_t>(new_.size())), 0);
        ASSERT_TRUE(plan.inPlace);
        ASSERT_EQ(::write(plan.fd, new_.data(), new_.size()), static_cast<ssize_t>(new_.size()));
    };
    int code = -1;
    // Killed while the journal was written.
    CrashAfter([&] {
        platform::SavePlan plan;
        writeNew(plan);
        Crash();
    });
    EXPECT_EQ(ReadFileBytes(target_), old_);
    EXPECT_EQ(platform::CompleteInterruptedSave(target_, code), JournalRecovery::Discarded);
    EXPECT_EQ(Others(dir_.Path(), {"a.bin", "b.bin", "state"}), std::vector<std::string>{});

    // Killed after the seal, with only the first bytes written into the file: torn on disk.
    CrashAfter([&] {
        platform::SavePlan plan;
        writeNew(plan);
        plan.journal.AddRun(0, static_cast<int64_t>(new_.size()), 0);
        plan.journal.Seal(static_cast<int64_t>(new_.size()));
        ::pwrite(plan.targetFd, new_.data(), 1000, 0);
        Crash();
    });
    EXPECT_NE(ReadFileBytes(target_), old_);
    EXPECT_EQ(platform::CompleteInterruptedSave(target_, code), JournalRecovery::Completed);
    EXPECT_EQ(ReadFileBytes(target_), new_);
    EXPECT_EQ(ReadFileBytes(dir_.File("b.bin")), new_);
    EXPECT_EQ(Others(dir_.Path(), {"a.bin", "b.bin", "state"}), std::vector<std::string>{});
    EXPECT_EQ(platform::CompleteInterruptedSave(target_, code), JournalRecovery::None);
}

// A journal cut short in its index (a crash while sealing) is not applied.
TEST_F(SaveJournalTest, ATornSealIsNeverApplied) {
    CrashAfter([&] {
        platform::SaveJournal journal;
        journal.Create(target_);
        journal.Append(0, new_.data(), 4096);
        journal.Seal(4096);
        ::truncate(journal.Name().c_str(), 4096 + 30);
        Crash();
    });
    int code = 0;
    EXPECT_EQ(platform::CompleteInterruptedSave(target_, code), JournalRecovery::Discarded);
    EXPECT_EQ(ReadFileBytes(target_), old_);
}

// A journal of a live writer is left alone (its save is still running).
TEST_F(SaveJournalTest, AJournalOfALiveWriterIsLeftAlone) {
    const int live = ::getppid();
    ASSERT_EQ(::symlink("x", platform::JournalNameBeside(target_, live).c_str()), 0);
    int code = 0;
    EXPECT_EQ(platform::CompleteInterruptedSave(target_, code), JournalRecovery::None);
    EXPECT_TRUE(std::filesystem::is_symlink(platform::JournalNameBeside(target_, live)));
}

// A save whose target another program changes meanwhile writes nothing over it, on both paths:
// appended bytes, and a rewrite of the same size that puts the old modification time back.
TEST_F(SaveJournalTest, ATargetChangedDuringTheSaveIsLeftAlone) {
    for (const bool inPlace : {true, false}) {
        const std::string target = inPlace ? target_ : dir_.File("single.bin");
        WriteFileBytes(target, old_);
        platform::SavePlan plan;
        ASSERT_EQ(platform::BeginSave(target, plan, static_cast<int64_t>(new_.size())), 0);
        ASSERT_EQ(plan.inPlace, inPlace);
        ASSERT_EQ(::write(plan.fd, new_.data(), new_.size()), static_cast<ssize_t>(new_.size()));
        {
            const int fd = ::open(target.c_str(), O_WRONLY | O_APPEND);
            ASSERT_EQ(::write(fd, "15 more bytes!!", 15), 15);
            ::close(fd);
        }
        EXPECT_EQ(platform::CommitSave(plan), kTargetChanged);
        EXPECT_EQ(ReadFileBytes(target).size(), old_.size() + 15);

        struct stat before {};
        ASSERT_EQ(::stat(target.c_str(), &before), 0);
        ASSERT_EQ(platform::BeginSave(target, plan, static_cast<int64_t>(new_.size())), 0);
        ASSERT_EQ(::write(plan.fd, new_.data(), new_.size()), static_cast<ssize_t>(new_.size()));
        auto other = ReadFileBytes(target);
        other[7] ^= 0xFF;
        WriteFileBytes(target, other);
        const struct timespec times[2] = {before.st_atim, before.st_mtim};
        ASSERT_EQ(::utimensat(AT_FDCWD, target.c_str(), times, 0), 0);
        EXPECT_EQ(platform::CommitSave(plan), kTargetChanged);
        EXPECT_EQ(ReadFileBytes(target), other);
    }
    EXPECT_EQ(Others(dir_.Path(), {"a.bin", "b.bin", "single.bin", "state"}), std::vector<std::string>{});
}

// An in-place save refused because the new contents are read from the target itself leaves
// the file exactly as it was: length, bytes and times (the space was once reserved first).
TEST_F(SaveJournalTest, ARefusedInPlaceSaveTouchesNothing) {
    struct stat before {}, after {};
    ASSERT_EQ(::stat(target_.c_str(), &before), 0);
    platform::SavePlan plan;
    const platform::FileIdentity self{static_cast<uint64_t>(before.st_dev), static_cast<uint64_t>(before.st_ino)};
    EXPECT_EQ(platform::BeginSave(target_, plan, static_cast<int64_t>(old_.size()) + 3, self), kMappedInPlace);
    ASSERT_EQ(::stat(target_.c_str(), &after), 0);
    EXPECT_EQ(after.st_size, before.st_size);
    EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
    EXPECT_EQ(after.st_ctim.tv_nsec, before.st_ctim.tv_nsec);
    EXPECT_EQ(Others(dir_.Path(), {"a.bin", "b.bin"}), std::vector<std::string>{});
}

// Every signal that would end the program, arriving during a save through a temporary file,
// ends it only after the save stopped cleanly: the old file, no temporary file left. A
// temporary file that SIGKILL leaves behind is removed by the next save beside it.
TEST_F(SaveJournalTest, SignalsDuringASaveLeaveNoTemporaryFile) {
    const std::string target = dir_.File("single.bin");
    WriteFileBytes(target, old_);
    for (const int signal : {SIGTERM, SIGINT, SIGHUP, SIGQUIT, SIGUSR1, SIGUSR2}) {
        const int status = CrashAfter([&] {
            std::signal(signal, SIG_DFL);
            platform::SavePlan plan;
            if (platform::BeginSave(target, plan) != 0) ::_exit(1);
            ::write(plan.fd, new_.data(), 1000);
            ::raise(signal);
            if (!platform::SignalHold::Arrived()) ::_exit(2);
            platform::AbortSave(plan); // what the writer does when Arrived: the signal acts now
            ::_exit(3);
        });
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << signal << ": status " << status;
        EXPECT_EQ(ReadFileBytes(target), old_);
    }
    CrashAfter([&] {
        platform::SavePlan plan;
        platform::BeginSave(target, plan);
        ::write(plan.fd, new_.data(), new_.size());
        Crash();
    });
    EXPECT_EQ(Others(dir_.Path(), {"a.bin", "b.bin", "single.bin", "state"}).size(), 1u);
    platform::RemoveStaleTemporaries(target);
    EXPECT_EQ(Others(dir_.Path(), {"a.bin", "b.bin", "single.bin", "state"}), std::vector<std::string>{});
}

// A group member's in-place save of a setgid file: the kernel clears the bit and only the owner
// may set it again, so the save says so.
TEST_F(SaveJournalTest, ALostSetgidBitIsReported) {
    ASSERT_EQ(::chown(target_.c_str(), 0, test::kOtherGid), 0);
    ASSERT_EQ(::chmod(target_.c_str(), 02775), 0);
    ASSERT_EQ(::chmod(dir_.Path().c_str(), 0777), 0);
    const int result = test::RunAsUser(test::kOtherUid - 1, test::kOtherGid, {}, [&] {
        platform::SavePlan plan;
        if (platform::BeginSave(target_, plan, 10) != 0 || !plan.inPlace) return 1;
        if (::write(plan.fd, "0123456789", 10) != 10 || platform::CommitSave(plan) != 0) return 2;
        return plan.setIdLost ? 0 : 3;
    });
    if (result < 0) GTEST_SKIP() << "cannot run as another user";
    EXPECT_EQ(result, 0);
    EXPECT_EQ(ReadFileBytes(target_), (std::vector<uint8_t>{'0', '1', '2', '3', '4', '5', '6', '7', '8', '9'}));
}

} // namespace
} // namespace qhe
