#include "platform/ErrorCodes.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace qhe {
namespace {

TEST(ErrorCodesTest, ErrnoMapsOntoCatalogueCodes) {
    const struct {
        int err;
        int code;
    } cases[] = {
        {0, 0},
        {ENOENT, 2},
        {ENOTDIR, 3},
        {ENAMETOOLONG, 3},
        {ELOOP, 3},
        {EMFILE, 4},
        {ENFILE, 4},
        {EACCES, 5},
        {EPERM, 5},
        {EISDIR, 5},
        {EBADF, 6},
        {ENOMEM, 8},
        {EROFS, 19},
        {EEXIST, 80},
        {EINVAL, 87},
        {ENOSPC, 112},
        {EDQUOT, 112},
        {EFBIG, 112},
        {EAGAIN, kSharingViolation},
        {EWOULDBLOCK, 32},
        {ENXIO, 31},
        {99999, 31},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ErrorCodeFromErrno(c.err, false), c.code) << c.err;
        EXPECT_EQ(ErrorCodeFromErrno(c.err, true), c.code) << c.err;
    }
}

TEST(ErrorCodesTest, InputOutputErrorDependsOnDirection) {
    EXPECT_EQ(ErrorCodeFromErrno(EIO, false), 30);
    EXPECT_EQ(ErrorCodeFromErrno(EIO, true), 29);
}

} // namespace
} // namespace qhe
