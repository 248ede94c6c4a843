#include "platform/foundation/Date.h"

#include <chrono>
#include <mutex>

namespace platform {

namespace {
std::mutex g_mutex;
std::function<double()> g_provider;
} // namespace

Date Date::now()
{
    std::function<double()> provider;
    {
        std::lock_guard lock(g_mutex);
        provider = g_provider;
    }
    if (provider)
        return Date{provider()};
    auto sinceEpoch = std::chrono::system_clock::now().time_since_epoch();
    return Date{std::chrono::duration<double>(sinceEpoch).count()};
}

void Date::setNowProvider(std::function<double()> secondsSince1970)
{
    std::lock_guard lock(g_mutex);
    g_provider = std::move(secondsSince1970);
}

} // namespace platform
