#pragma once
#include <functional>
#include <grp.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace qhe::test {

// A user and group other than the administrator's, for tests of who may change a file.
constexpr uid_t kOtherUid = 65534;
constexpr gid_t kOtherGid = 65534;

// Runs body in a child process switched to user uid, group gid and the supplementary groups,
// and answers body's result (0 to 254), or -1 when this process may not switch users (it is
// not the administrator) or the child did not end normally.
inline int RunAsUser(uid_t uid, gid_t gid, const std::vector<gid_t>& groups,
                     const std::function<int()>& body) {
    if (::geteuid() != 0) return -1;
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgroups(groups.size(), groups.data()) != 0 || ::setgid(gid) != 0 || ::setuid(uid) != 0)
            ::_exit(255);
        ::_exit(body());
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status) == 255 ? -1 : WEXITSTATUS(status);
}

} // namespace qhe::test
