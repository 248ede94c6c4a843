#pragma once
// A process that has used up its file descriptors, as a host may: checks of how code meets EMFILE
// run in a child process, so the limit and the descriptors go with it.

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <functional>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace testing_support {

// Runs `check` in a forked child (use inside EXPECT_EXIT) whose descriptors are all in use under a
// lowered limit, so its next open fails with EMFILE; `check` is given a step that frees them. The
// child exits 0 when the check passed.
template <class Check>
[[noreturn]] void runWithoutFreeDescriptors(Check check)
{
    struct rlimit limit {};
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0)
        ::_exit(2);
    limit.rlim_cur = std::min<rlim_t>(limit.rlim_cur, 64);
    std::vector<int> taken;
    taken.reserve(limit.rlim_cur);
    if (::setrlimit(RLIMIT_NOFILE, &limit) != 0)
        ::_exit(2);
    for (int fd; (fd = ::open("/dev/null", O_RDONLY | O_CLOEXEC)) >= 0;)
        taken.push_back(fd);
    if (errno != EMFILE)
        ::_exit(2);
    const std::function<void()> freeThem = [&] {
        for (int fd : taken)
            ::close(fd);
        taken.clear();
    };
    ::_exit(check(freeThem) ? 0 : 1);
}

} // namespace testing_support
