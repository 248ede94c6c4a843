#pragma once
// Process-wide state that tests put back between cases. A singleton of a higher layer (the
// framework's session, its payload parser) registers its own reset here when it is first made, so
// the test environment can clear it without the platform knowing the framework. The platform's
// own singletons offer resetForTesting() and the test environment calls them directly.
// Main thread only.

#include <functional>

namespace platform {

// Adds `reset` to the resets runResetsForTesting() runs. An empty function is ignored.
void registerResetForTesting(std::function<void()> reset);

// Runs every registered reset, the most recently registered first (a singleton made later may
// stand on one made earlier).
void runResetsForTesting();

} // namespace platform
