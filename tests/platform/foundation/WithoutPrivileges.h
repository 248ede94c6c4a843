#pragma once
// Checks of how code meets what a host may lack, each in a forked child that the lack goes with:
// root's privileges (permission checks do not apply to root, and these tests often run as root),
// free file descriptors, or a file system whose reads or locks work.

#include <gtest/gtest.h>

#include <cstddef>
#include <fcntl.h>
#include <functional>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
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

// Makes every call `syscall` (read, flock) on a descriptor opened from now on fail with
// `errorNumber`, for the rest of this process; false when it could not be arranged.
inline bool failCallsOnNewDescriptors(unsigned syscall, int errorNumber)
{
    const int firstNew = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    ::close(firstNew);
    sock_filter program[] = {
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, syscall, 0, 3),
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, args[0])), // the descriptor's low half
        BPF_JUMP(BPF_JMP | BPF_JGE | BPF_K, static_cast<unsigned>(firstNew), 0, 1),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | (static_cast<unsigned>(errorNumber) & SECCOMP_RET_DATA)),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
    };
    const sock_fprog filter{static_cast<unsigned short>(std::size(program)), program};
    return firstNew >= 0 && ::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 &&
           ::prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &filter) == 0;
}

// Runs `check` as above where every read() from a descriptor opened from now on fails with
// `errorNumber`, as a network or FUSE file system may fail a read of a file it has opened.
template <class Check>
[[noreturn]] void runWithReadsFailing(int errorNumber, Check check)
{
    if (!failCallsOnNewDescriptors(SYS_read, errorNumber))
        ::_exit(2);
    ::_exit(check() ? 0 : 1);
}

} // namespace testing_support
