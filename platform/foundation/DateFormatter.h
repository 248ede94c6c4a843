#pragma once
// DateFormatter: dates as text by an ICU/Unicode date pattern ("dd MMM yyyy, h:mm a") in a
// locale and time zone. The ICU formatter behind each distinct set of settings is built once
// per process and shared.

#include "platform/foundation/Date.h"
#include "platform/foundation/Locale.h"
#include "platform/foundation/TimeZone.h"

#include <optional>
#include <string>

namespace platform {

class DateFormatter {
public:
    const std::string& dateFormat() const { return m_dateFormat; }
    void setDateFormat(std::string pattern) { m_dateFormat = std::move(pattern); }

    // nullopt means Locale::current() at the time of formatting / TimeZone::current(date) for the
    // date formatted.
    const std::optional<Locale>& locale() const { return m_locale; }
    void setLocale(std::optional<Locale> locale) { m_locale = std::move(locale); }
    const std::optional<TimeZone>& timeZone() const { return m_timeZone; }
    void setTimeZone(std::optional<TimeZone> zone) { m_timeZone = std::move(zone); }

    // The texts of the "a" field; by default the locale's.
    std::string amSymbol() const;
    void setAMSymbol(std::optional<std::string> symbol) { m_amSymbol = std::move(symbol); }
    std::string pmSymbol() const;
    void setPMSymbol(std::optional<std::string> symbol) { m_pmSymbol = std::move(symbol); }

    // The date as text; empty when the pattern cannot be used.
    std::string string(Date date) const;

private:
    std::string m_dateFormat;
    std::optional<Locale> m_locale;
    std::optional<TimeZone> m_timeZone;
    std::optional<std::string> m_amSymbol;
    std::optional<std::string> m_pmSymbol;
};

} // namespace platform
