#pragma once
// Date: a point in time as seconds since 1970-01-01 00:00:00 UTC. "Now" comes from a provider
// that tests replace, so nothing depends on the real date.

#include <functional>

namespace platform {

struct Date {
    double timeIntervalSince1970 = 0;

    // The current date from the provider (the system's real-time clock unless replaced).
    static Date now();
    // Replaces the provider of now(); an empty function restores the system's clock.
    static void setNowProvider(std::function<double()> secondsSince1970);

    auto operator<=>(const Date&) const = default;
};

} // namespace platform
