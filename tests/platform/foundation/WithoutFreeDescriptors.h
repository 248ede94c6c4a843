#pragma once
// A process that has used up its file descriptors, as a host may: in a forked child, so the limit
// and the descriptors go with it.

#include <fcntl.h>
#include <functional>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace testing_support {

// Runs `check` (inside EXPECT_EXIT) with every descriptor in use under a lowered limit, so the next
// open fails with EMFILE; `check` is given a step that frees them. Exits 0 when the check passed.
template <class Check>
[[noreturn]] void runWithoutFreeDescriptors(Check check)
{
    struct rlimit limit {};
    limit.rlim_cur = limit.rlim_max = 64;
    std::vector<int> taken;
    taken.reserve(limit.rlim_cur);
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
