#include "platform/foundation/Locale.h"

#include <unicode/dcfmtsym.h>
#include <unicode/locid.h>
#include <unicode/ucurr.h>
#include <unicode/uloc.h>

#include <cstdlib>
#include <map>
#include <mutex>

namespace platform {

namespace {

std::string toIcuName(const std::string& identifier)
{
    std::string name = identifier;
    auto keywords = name.find('@');
    for (std::size_t i = 0; i < name.size() && i < keywords; ++i) {
        if (name[i] == '-')
            name[i] = '_';
    }
    return name;
}

std::optional<std::string> nonEmpty(const char* text)
{
    if (!text || !*text)
        return std::nullopt;
    return std::string(text);
}

Locale environmentLocale()
{
    for (const char* variable : {"LC_ALL", "LANG"}) {
        const char* value = std::getenv(variable);
        if (!value || !*value)
            continue;
        std::string name(value);
        name = name.substr(0, name.find_first_of(".@"));
        if (name.empty() || name == "C" || name == "POSIX")
            break;
        return Locale(name);
    }
    return Locale("en_US");
}

std::mutex g_currentMutex;
std::optional<Locale> g_currentOverride;

} // namespace

Locale::Locale(std::string identifier) : m_identifier(std::move(identifier)), m_icuName(toIcuName(m_identifier)) {}

std::optional<std::string> Locale::languageCode() const
{
    return nonEmpty(icu::Locale(m_icuName.c_str()).getLanguage());
}

std::optional<std::string> Locale::regionCode() const
{
    return nonEmpty(icu::Locale(m_icuName.c_str()).getCountry());
}

std::optional<std::string> Locale::currencyCode() const
{
    UChar buffer[8] = {};
    UErrorCode status = U_ZERO_ERROR;
    int32_t length = ucurr_forLocale(m_icuName.c_str(), buffer, 8, &status);
    if (U_FAILURE(status) || length <= 0 || length >= 8)
        return std::nullopt;
    std::string code;
    icu::UnicodeString(buffer, length).toUTF8String(code);
    return code;
}

std::optional<std::string> Locale::currencySymbol() const
{
    // Symbols come from locale data that never changes while the process runs.
    static std::mutex mutex;
    static std::map<std::string, std::optional<std::string>> cache;
    {
        std::lock_guard lock(mutex);
        if (auto found = cache.find(m_icuName); found != cache.end())
            return found->second;
    }
    std::optional<std::string> symbol;
    if (currencyCode()) {
        UErrorCode status = U_ZERO_ERROR;
        icu::DecimalFormatSymbols symbols(icu::Locale(m_icuName.c_str()), status);
        if (U_SUCCESS(status)) {
            std::string text;
            symbols.getSymbol(icu::DecimalFormatSymbols::kCurrencySymbol).toUTF8String(text);
            if (!text.empty())
                symbol = std::move(text);
        }
    }
    std::lock_guard lock(mutex);
    cache.emplace(m_icuName, symbol);
    return symbol;
}

bool Locale::isRightToLeft() const
{
    return icu::Locale(m_icuName.c_str()).isRightToLeft();
}

Locale Locale::current()
{
    std::lock_guard lock(g_currentMutex);
    if (g_currentOverride)
        return *g_currentOverride;
    static const Locale fromEnvironment = environmentLocale();
    return fromEnvironment;
}

void Locale::setCurrent(std::optional<Locale> locale)
{
    std::lock_guard lock(g_currentMutex);
    g_currentOverride = std::move(locale);
}

const std::vector<std::string>& Locale::isoRegionCodes()
{
    static const std::vector<std::string> codes = [] {
        std::vector<std::string> list;
        for (const char* const* code = uloc_getISOCountries(); code && *code; ++code)
            list.emplace_back(*code);
        return list;
    }();
    return codes;
}

} // namespace platform
