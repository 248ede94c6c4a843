#include "platform/foundation/Localization.h"

#include "platform/foundation/TextAscii.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <mutex>

namespace platform {

namespace {

std::mutex g_mutex;
std::optional<std::vector<std::string>> g_override;
std::atomic<unsigned> g_generation{0};

// "en_GB.UTF-8@euro" -> "en-GB"; "C" / "POSIX" / empty -> nullopt.
std::optional<std::string> languageFromPosixLocale(std::string_view value)
{
    auto cut = value.find_first_of(".@");
    std::string tag(value.substr(0, cut));
    if (tag.empty() || tag == "C" || tag == "POSIX")
        return std::nullopt;
    std::replace(tag.begin(), tag.end(), '_', '-');
    return tag;
}

std::vector<std::string> environmentLanguages()
{
    if (const char* lang = std::getenv("LANG")) {
        if (auto tag = languageFromPosixLocale(lang))
            return {*tag};
    }
    return {std::string(kDevelopmentLocalization)};
}

// Lower case, "_" as "-": the form in which localisation names are compared.
std::string normalized(std::string_view name)
{
    std::string out(name);
    for (char& c : out) {
        if (c == '_')
            c = '-';
        else
            c = text::toAsciiLower(c);
    }
    return out;
}

std::optional<std::string> findNormalized(const std::vector<std::string>& available, const std::string& wanted)
{
    for (const auto& name : available) {
        if (normalized(name) == wanted)
            return name;
    }
    return std::nullopt;
}

} // namespace

std::vector<std::string> preferredLanguages()
{
    std::lock_guard lock(g_mutex);
    if (g_override)
        return *g_override;
    static const std::vector<std::string> fromEnvironment = environmentLanguages();
    return fromEnvironment;
}

void setPreferredLanguages(std::vector<std::string> languages)
{
    std::lock_guard lock(g_mutex);
    if (languages.empty())
        g_override.reset();
    else
        g_override = std::move(languages);
    ++g_generation;
}

unsigned preferredLanguagesGeneration()
{
    return g_generation.load();
}

std::optional<std::string> chooseLocalization(const std::vector<std::string>& available,
                                              const std::vector<std::string>& preferred)
{
    for (const auto& language : preferred) {
        std::string wanted = normalized(language);
        while (!wanted.empty()) {
            if (auto found = findNormalized(available, wanted))
                return found;
            auto dash = wanted.rfind('-');
            if (dash == std::string::npos)
                break;
            wanted.resize(dash);
        }
    }
    return findNormalized(available, std::string(kDevelopmentLocalization));
}

} // namespace platform
