#include "platform/SafeReplace.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <optional>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include "AsUser.h"
#include "TempDir.h"
#include "platform/SafeFileWrite.h"

namespace qhe {
namespace {

using test::TempDir;

constexpr char kAccessAcl[] = "system.posix_acl_access";

// An access ACL as the kernel stores it: user::rw- user:4321:rw- group::r-- mask::rw- other::r--.
const std::string kAcl("\x02\0\0\0"
                       "\x01\0\x06\0\xff\xff\xff\xff"
                       "\x02\0\x06\0\xe1\x10\0\0"
                       "\x04\0\x04\0\xff\xff\xff\xff"
                       "\x10\0\x06\0\xff\xff\xff\xff"
                       "\x20\0\x04\0\xff\xff\xff\xff",
                       44);
// A folder's default ACL: user::rwx user:4321:rwx group::r-x mask::rwx other::r-x.
const std::string kDefaultAcl("\x02\0\0\0"
                              "\x01\0\x07\0\xff\xff\xff\xff"
                              "\x02\0\x07\0\xe1\x10\0\0"
                              "\x04\0\x05\0\xff\xff\xff\xff"
                              "\x10\0\x07\0\xff\xff\xff\xff"
                              "\x20\0\x05\0\xff\xff\xff\xff",
                              44);
// A file capability (revision 2, effective) granting CAP_NET_BIND_SERVICE.
const std::string kCapability("\x01\0\0\x02"
                              "\0\x04\0\0\0\0\0\0"
                              "\0\0\0\0\0\0\0\0",
                              20);

std::optional<std::string> Attribute(const std::string& file, const char* name) {
    char value[256];
    const ssize_t size = ::getxattr(file.c_str(), name, value, sizeof value);
    if (size < 0) return std::nullopt;
    return std::string(value, static_cast<size_t>(size));
}

// Answers 0 or the errno of the refusal.
int SetAttribute(const std::string& file, const char* name, const std::string& value) {
    return ::setxattr(file.c_str(), name, value.data(), value.size(), 0) == 0 ? 0 : errno;
}

TEST(SafeReplaceAttributes, UserAttributesSurviveASave) {
    TempDir dir;
    const std::string file = dir.File("f.bin");
    test::WriteFileBytes(file, {'o', 'l', 'd'});
    if (const int refused = SetAttribute(file, "user.qhe32.origin", "scanner 2"))
        GTEST_SKIP() << "the test file system refuses user attributes (" << std::strerror(refused) << ")";
    ASSERT_EQ(WriteFileSafely(file, "new"), 0);
    EXPECT_EQ(test::ReadFileBytes(file), std::vector<uint8_t>({'n', 'e', 'w'}));
    EXPECT_EQ(Attribute(file, "user.qhe32.origin"), "scanner 2");
}

TEST(SafeReplaceAttributes, AccessAclSurvivesAndTheFoldersDefaultAclIsNotAdded) {
    TempDir dir;
    const std::string withAcl = dir.File("acl.bin"), plain = dir.File("plain.bin");
    test::WriteFileBytes(withAcl, {'o'});
    test::WriteFileBytes(plain, {'o'});
    if (const int refused = SetAttribute(withAcl, kAccessAcl, kAcl))
        GTEST_SKIP() << "the test file system refuses ACLs (" << std::strerror(refused) << ")";
    ASSERT_EQ(SetAttribute(dir.Path(), "system.posix_acl_default", kDefaultAcl), 0);
    ASSERT_EQ(WriteFileSafely(withAcl, "new"), 0);
    ASSERT_EQ(WriteFileSafely(plain, "new"), 0);
    EXPECT_EQ(Attribute(withAcl, kAccessAcl), kAcl);
    EXPECT_EQ(Attribute(plain, kAccessAcl), std::nullopt);
}

TEST(SafeReplaceAttributes, FileCapabilitySurvivesOrTheSaveGoesInPlace) {
    if (::geteuid() != 0) GTEST_SKIP() << "only the administrator can give a file capabilities";
    TempDir dir;
    ASSERT_EQ(::chmod(dir.Path().c_str(), 0755), 0);
    ASSERT_EQ(::chown(dir.Path().c_str(), test::kOtherUid, test::kOtherGid), 0);
    const std::string program = dir.File("program");
    test::WriteFileBytes(program, {'o'});
    ASSERT_EQ(::chown(program.c_str(), test::kOtherUid, test::kOtherGid), 0);
    ASSERT_EQ(::chmod(program.c_str(), 0755), 0);
    if (const int refused = SetAttribute(program, "security.capability", kCapability))
        GTEST_SKIP() << "the test file system refuses file capabilities (" << std::strerror(refused) << ")";

    // Writing the data clears a capability; it is given back before the file replaces the old one.
    ASSERT_EQ(WriteFileSafely(program, "new"), 0);
    EXPECT_EQ(Attribute(program, "security.capability"), kCapability);

    // The owner may not set capabilities: a new file could not have it, so the old one is written.
    const int result = test::RunAsUser(test::kOtherUid, test::kOtherGid, {}, [&] {
        platform::SavePlan plan;
        if (platform::BeginSave(program, plan, 3) != 0) return 2;
        const bool inPlace = plan.inPlace;
        platform::AbortSave(plan);
        return inPlace ? 0 : 1;
    });
    if (result < 0) GTEST_SKIP() << "cannot switch to another user";
    EXPECT_EQ(result, 0);
}

} // namespace
} // namespace qhe
