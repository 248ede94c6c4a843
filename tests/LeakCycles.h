#pragma once
// How many create-and-destroy cycles a whole-flow leak test runs. A leak or a cycle that keeps
// something alive shows in every cycle, so the sanitizer build, where one flow cycle costs about
// forty times more, runs a tenth of them.

namespace leaktest {

#if defined(__SANITIZE_ADDRESS__)
inline constexpr int flowCycles = 100;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr int flowCycles = 100;
#else
inline constexpr int flowCycles = 1000;
#endif
#else
inline constexpr int flowCycles = 1000;
#endif

} // namespace leaktest
