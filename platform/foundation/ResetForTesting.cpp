#include "platform/foundation/ResetForTesting.h"

#include <vector>

namespace platform {

namespace {

std::vector<std::function<void()>>& resets()
{
    // Never destroyed: a singleton may register during exit.
    static auto* registered = new std::vector<std::function<void()>>();
    return *registered;
}

} // namespace

void registerResetForTesting(std::function<void()> reset)
{
    if (reset)
        resets().push_back(std::move(reset));
}

void runResetsForTesting()
{
    // By index: a reset may make (and register) another singleton while it runs.
    for (std::size_t done = 0, count = resets().size(); done < count; ++done)
        resets()[count - 1 - done]();
}

} // namespace platform
