#pragma once
// Checks of how code meets what a host may lack, each in a forked child that the lack goes with:
// root's privileges (permission checks do not apply to root, and these tests often run as root),
// or free file descriptors.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <functional>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace testing_support {

// Runs `check` (returns true when it passes) in a forked child without root's privileges; the
// child exits 0 when the check passed. Use inside EXPECT_EXIT.
template <class Check>
[[noreturn]] void runWithoutPrivileges(Check check)
{
    constexpr uid_t kNobody = 65534;
    if (::geteuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0))
        ::_exit(2);
    ::_exit(check() ? 0 : 1);
}

// The same with every descriptor in use under a lowered limit, so the next open fails with EMFILE;
// `check` is given a step that frees them.
template <class Check>
[[noreturn]] void runWithoutFreeDescriptors(Check check)
{
    const rlimit limit{64, 64};
    std::vector<int> taken;
    taken.reserve(64);
    if (::setrlimit(RLIMIT_NOFILE, &limit) != 0)
        ::_exit(2);
    for (int fd; (fd = ::open("/dev/null", O_RDONLY | O_CLOEXEC)) >= 0;)
        taken.push_back(fd);
    const std::function<void()> freeThem = [&] {
        for (int fd : taken)
            ::close(fd);
    };
    ::_exit(check(freeThem) ? 0 : 1);
}

} // namespace testing_support
