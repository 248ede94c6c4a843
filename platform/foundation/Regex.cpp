// Regular expressions on ICU's engine. The compiled pattern is immutable and shared between
// copies; each match runs its own matcher, so a const Regex is safe to use from any thread.

#include "platform/foundation/Regex.h"
#include "platform/foundation/IcuText.h"

#include <unicode/regex.h>

namespace platform {

struct Regex::Impl {
    std::shared_ptr<const icu::RegexPattern> pattern;
};

namespace {

using text::detail::toIcuString;

template <typename Match>
bool runMatcher(const icu::RegexPattern* pattern, std::string_view text, Match&& match)
{
    if (!pattern) {
        return false;
    }
    const auto input = toIcuString(text);
    if (!input) {
        return false;
    }
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::RegexMatcher> matcher(pattern->matcher(*input, status));
    if (U_FAILURE(status) || !matcher) {
        return false;
    }
    const bool matched = match(*matcher, status);
    return U_SUCCESS(status) && matched;
}

} // namespace

std::optional<Regex> Regex::compile(std::string_view pattern, bool caseInsensitive)
{
    const auto source = toIcuString(pattern);
    if (!source) {
        return std::nullopt;
    }
    UErrorCode status = U_ZERO_ERROR;
    UParseError parseError{};
    std::shared_ptr<const icu::RegexPattern> compiled(
        icu::RegexPattern::compile(*source, caseInsensitive ? UREGEX_CASE_INSENSITIVE : 0, parseError, status));
    if (U_FAILURE(status) || !compiled) {
        return std::nullopt;
    }
    auto impl = std::make_unique<Impl>();
    impl->pattern = std::move(compiled);
    return Regex(std::move(impl));
}

bool Regex::matchesEntirely(std::string_view text) const
{
    return runMatcher(m_impl ? m_impl->pattern.get() : nullptr, text,
                      [](icu::RegexMatcher& matcher, UErrorCode& status) { return matcher.matches(status) != 0; });
}

bool Regex::findsMatch(std::string_view text) const
{
    return runMatcher(m_impl ? m_impl->pattern.get() : nullptr, text,
                      [](icu::RegexMatcher& matcher, UErrorCode& status) { return matcher.find(0, status) != 0; });
}

Regex::Regex(std::unique_ptr<Impl> impl) : m_impl(std::move(impl)) {}

Regex::Regex(const Regex& other) : m_impl(other.m_impl ? std::make_unique<Impl>(*other.m_impl) : nullptr) {}

Regex& Regex::operator=(const Regex& other)
{
    if (this != &other) {
        m_impl = other.m_impl ? std::make_unique<Impl>(*other.m_impl) : nullptr;
    }
    return *this;
}

Regex::Regex(Regex&&) noexcept = default;
Regex& Regex::operator=(Regex&&) noexcept = default;
Regex::~Regex() = default;

} // namespace platform
