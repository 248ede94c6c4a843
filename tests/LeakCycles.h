#pragma once
// How many create-and-destroy cycles a whole-flow leak test runs. A leak or a cycle that keeps
// something alive shows in every cycle, so the sanitizer build, where one flow cycle costs about
// forty times more, runs a tenth of them.

#include "AddressSanitizerBuild.h"

namespace leaktest {

inline constexpr int flowCycles = testbuild::underAddressSanitizer ? 100 : 1000;

} // namespace leaktest
