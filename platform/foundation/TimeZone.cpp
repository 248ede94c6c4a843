#include "platform/foundation/TimeZone.h"

#include <unicode/timezone.h>

#include <memory>
#include <mutex>

namespace platform {

namespace {

std::mutex g_mutex;
std::optional<TimeZone> g_override;

std::unique_ptr<icu::TimeZone> icuZone(const std::string& identifier)
{
    return std::unique_ptr<icu::TimeZone>(icu::TimeZone::createTimeZone(icu::UnicodeString::fromUTF8(identifier)));
}

} // namespace

std::optional<TimeZone> TimeZone::named(const std::string& identifier)
{
    if (identifier.empty())
        return std::nullopt;
    auto zone = icuZone(identifier);
    if (!zone || *zone == icu::TimeZone::getUnknown())
        return std::nullopt;
    return TimeZone(identifier);
}

TimeZone TimeZone::utc()
{
    return TimeZone("UTC");
}

TimeZone TimeZone::current()
{
    std::lock_guard lock(g_mutex);
    if (g_override)
        return *g_override;
    static const TimeZone system = [] {
        std::unique_ptr<icu::TimeZone> host(icu::TimeZone::detectHostTimeZone());
        std::string identifier;
        icu::UnicodeString id;
        if (host && *host != icu::TimeZone::getUnknown())
            host->getID(id).toUTF8String(identifier);
        return TimeZone(identifier.empty() ? "UTC" : identifier);
    }();
    return system;
}

void TimeZone::setCurrent(std::optional<TimeZone> zone)
{
    std::lock_guard lock(g_mutex);
    g_override = std::move(zone);
}

int TimeZone::secondsFromGMT(Date date) const
{
    auto zone = icuZone(m_identifier);
    int32_t raw = 0;
    int32_t daylight = 0;
    UErrorCode status = U_ZERO_ERROR;
    zone->getOffset(date.timeIntervalSince1970 * 1000.0, false, raw, daylight, status);
    if (U_FAILURE(status))
        return 0;
    return (raw + daylight) / 1000;
}

} // namespace platform
