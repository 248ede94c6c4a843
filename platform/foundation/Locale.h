#pragma once
// Locale: a language and region identifier ("en_US", "en_IN", "ar") with the facts that ICU's
// locale data gives for it.

#include <optional>
#include <string>
#include <vector>

namespace platform {

class Locale {
public:
    // Any identifier is accepted ("en_US", "en-US"); unknown ones fall back to ICU's root data.
    explicit Locale(std::string identifier);

    const std::string& identifier() const { return m_identifier; }
    // The identifier in ICU's form ("en-US" -> "en_US").
    const std::string& icuName() const { return m_icuName; }

    std::optional<std::string> languageCode() const; // "en"
    std::optional<std::string> regionCode() const;   // "US"
    // ISO 4217 code of the region's currency ("USD"); nullopt without a region that has one.
    std::optional<std::string> currencyCode() const;
    // The symbol this locale writes for its own currency ("$", "₹", "€"); nullopt when the locale
    // has no currency.
    std::optional<std::string> currencySymbol() const;
    // Whether the locale's script is written right to left ("ar_AE", "he_IL"), after ICU's locale
    // orientation.
    bool isRightToLeft() const;

    // The device's locale: unless set, taken once from the environment (LC_ALL, then LANG);
    // "C", "POSIX" or nothing gives "en_US".
    static Locale current();
    // Replaces the current locale (tests, hosts); nullopt restores the environment's.
    static void setCurrent(std::optional<Locale> locale);

    // Upper-case ISO 3166-1 two-letter region codes.
    static const std::vector<std::string>& isoRegionCodes();

    bool operator==(const Locale& other) const { return m_identifier == other.m_identifier; }

private:
    std::string m_identifier;
    std::string m_icuName;
};

} // namespace platform
