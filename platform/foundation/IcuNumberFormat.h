#pragma once
// Internal to the number formatter: configured ICU formatters shared through a process-wide
// cache keyed by their settings.

#include <unicode/decimfmt.h>

#include <memory>
#include <mutex>
#include <optional>
#include <string>

namespace platform {

struct NumberFormatSettings {
    int style = 0; // NumberStyle
    std::string icuLocale;
    std::optional<std::string> currencyCode;
    std::optional<std::string> currencySymbol;
    std::optional<int> minimumFractionDigits;
    std::optional<int> maximumFractionDigits;
    int roundingMode = 4; // NumberRoundingMode
    std::optional<bool> usesGroupingSeparator;
    std::optional<std::string> groupingSeparator;
    std::optional<std::string> decimalSeparator;

    std::string cacheKey() const;
};

class IcuNumberFormat {
public:
    explicit IcuNumberFormat(std::unique_ptr<icu::DecimalFormat> format) : m_format(std::move(format)) {}

    // The formatter is only read once built; the lock keeps concurrent readers safe all the same.
    template <class F>
    auto with(F&& use) const
    {
        std::lock_guard lock(m_mutex);
        return use(static_cast<const icu::DecimalFormat&>(*m_format));
    }

    // The shared formatter for these settings; nullptr when ICU cannot make one.
    static std::shared_ptr<const IcuNumberFormat> forSettings(const NumberFormatSettings& settings);

private:
    std::unique_ptr<icu::DecimalFormat> m_format;
    mutable std::mutex m_mutex;
};

} // namespace platform
