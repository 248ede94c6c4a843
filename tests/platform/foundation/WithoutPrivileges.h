#pragma once
// Permission checks do not apply to root, and these tests often run as root: a check of how code
// meets a permission error runs in a child process that has given up root first.

#include <gtest/gtest.h>

#include <unistd.h>

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

} // namespace testing_support
