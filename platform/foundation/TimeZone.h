#pragma once
// TimeZone: a time zone by its identifier ("Asia/Kolkata", "UTC", "GMT+05:30"), through ICU.

#include "platform/foundation/Date.h"

#include <optional>
#include <string>

namespace platform {

class TimeZone {
public:
    // The zone of a known identifier; nullopt for an unknown one.
    static std::optional<TimeZone> named(const std::string& identifier);
    static TimeZone utc();

    // The device's zone at `date`: unless set, the system's as the C library reads it now
    // (environment variable TZ, then the machine's), looked up afresh on every call. The system's
    // named zone when this process's zone data gives it the same offset at `date`; otherwise a
    // fixed zone of the system's offset then ("GMT+05:30", "GMT-03:00", "GMT+00:19:32").
    static TimeZone current(Date date);
    // Replaces the current zone (tests, hosts); nullopt restores the system's.
    static void setCurrent(std::optional<TimeZone> zone);

    const std::string& identifier() const { return m_identifier; }
    // Offset from UTC at `date`, daylight saving included.
    int secondsFromGMT(Date date) const;

    bool operator==(const TimeZone& other) const { return m_identifier == other.m_identifier; }

private:
    explicit TimeZone(std::string identifier) : m_identifier(std::move(identifier)) {}
    std::string m_identifier;
};

} // namespace platform
