#include "platform/SafeReplace.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "AsUser.h"
#include "TempDir.h"
#include "platform/SafeFileWrite.h"

namespace qhe {
namespace {

using test::kOtherGid;
using test::kOtherUid;
using test::ReadFileBytes;
using test::RunAsUser;
using test::TempDir;

constexpr gid_t kSharedGid = 100;  // a group the saving user belongs to
constexpr uid_t kFileOwner = 4321; // someone who is not the saving user

std::vector<uint8_t> AsBytes(const std::string& text) {
    return {text.begin(), text.end()};
}

struct stat Stat(const std::string& name) {
    struct stat st {};
    EXPECT_EQ(::stat(name.c_str(), &st), 0) << name;
    return st;
}

// A file of the given owner, group and mode in a new folder of the given owner, group and mode,
// below a test folder that every user may search.
class FileOfAnother {
  public:
    FileOfAnother(uid_t uid, gid_t gid, unsigned mode, gid_t folderGid, unsigned folderMode) {
        EXPECT_EQ(::chmod(dir_.Path().c_str(), 0755), 0);
        EXPECT_EQ(::mkdir(dir_.File("folder").c_str(), 0700), 0);
        EXPECT_EQ(::chown(dir_.File("folder").c_str(), 0, folderGid), 0);
        EXPECT_EQ(::chmod(dir_.File("folder").c_str(), folderMode), 0);
        test::WriteFileBytes(Path(), AsBytes("old contents"));
        EXPECT_EQ(::chown(Path().c_str(), uid, gid), 0);
        EXPECT_EQ(::chmod(Path().c_str(), mode), 0);
    }
    std::string Path() const { return dir_.File("folder/file.bin"); }

  private:
    TempDir dir_;
};

TEST(SafeReplaceOwner, GroupMemberSavesASharedFileKeepingItsOwnerAndGroup) {
    if (::geteuid() != 0) GTEST_SKIP() << "only the administrator can make files of other users";
    const FileOfAnother file(0, kSharedGid, 0660, kSharedGid, 02775);
    const ino_t inode = Stat(file.Path()).st_ino;
    const int result =
        RunAsUser(kOtherUid, kOtherGid, {kSharedGid}, [&] { return WriteFileSafely(file.Path(), "new"); });
    if (result < 0) GTEST_SKIP() << "cannot switch to another user";
    EXPECT_EQ(result, 0);
    EXPECT_EQ(ReadFileBytes(file.Path()), AsBytes("new"));
    const struct stat after = Stat(file.Path());
    EXPECT_EQ(after.st_uid, 0u);
    EXPECT_EQ(after.st_gid, kSharedGid);
    EXPECT_EQ(after.st_mode & 07777, 0660u);
    EXPECT_EQ(after.st_ino, inode); // written in place: the only way to keep owner and group
}

TEST(SafeReplaceOwner, WritableFileOfAnotherInAStickyFolderIsWrittenInPlace) {
    if (::geteuid() != 0) GTEST_SKIP() << "only the administrator can make files of other users";
    const FileOfAnother file(kFileOwner, kFileOwner, 0666, 0, 01777);
    const int result =
        RunAsUser(kOtherUid, kOtherGid, {}, [&] { return WriteFileSafely(file.Path(), "new"); });
    if (result < 0) GTEST_SKIP() << "cannot switch to another user";
    EXPECT_EQ(result, 0); // the folder's sticky bit forbids replacing another's file by a rename
    EXPECT_EQ(ReadFileBytes(file.Path()), AsBytes("new"));
    EXPECT_EQ(Stat(file.Path()).st_uid, kFileOwner);
}

TEST(SafeReplaceOwner, SetUserAndGroupIdBitsSurvive) {
    TempDir dir;
    const std::string own = dir.File("own");
    test::WriteFileBytes(own, AsBytes("old"));
    ASSERT_EQ(::chmod(own.c_str(), 06750), 0);
    ASSERT_EQ(WriteFileSafely(own, "new"), 0);
    EXPECT_EQ(Stat(own).st_mode & 07777, 06750u);

    if (::geteuid() != 0) return;
    // The administrator saving another user's program keeps its owner and the bits.
    const FileOfAnother file(kFileOwner, kFileOwner, 06755, 0, 0755);
    ASSERT_EQ(WriteFileSafely(file.Path(), "new"), 0);
    const struct stat after = Stat(file.Path());
    EXPECT_EQ(after.st_uid, kFileOwner);
    EXPECT_EQ(after.st_gid, kFileOwner);
    EXPECT_EQ(after.st_mode & 07777, 06755u);
}

} // namespace
} // namespace qhe
