// Strict, locale-independent number parsing.

#include "platform/foundation/Text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace platform::text {

namespace {

int digitValue(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'z') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'Z') {
        return c - 'A' + 10;
    }
    return 99;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Roughly log10 of |mantissa * 10^exponent|: the power of ten of the leading significant digit.
// Only its sign matters, to tell overflow from underflow.
long long decimalMagnitude(std::string_view mantissa, std::string_view exponent)
{
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t leading = mantissa.find_first_of("123456789");
    if (leading == std::string_view::npos) {
        return 0;
    }
    long long position =
        leading < point ? static_cast<long long>(point - leading) - 1 : -static_cast<long long>(leading - point);
    bool negative = false;
    if (!exponent.empty() && (exponent.front() == '+' || exponent.front() == '-')) {
        negative = exponent.front() == '-';
        exponent.remove_prefix(1);
    }
    long long power = 0;
    for (char c : exponent) {
        power = std::min(power * 10 + (c - '0'), 1'000'000'000LL);
    }
    return position + (negative ? -power : power);
}

} // namespace

std::optional<std::int64_t> parseInteger(std::string_view text, int radix)
{
    if (radix < 2 || radix > 36) {
        return std::nullopt;
    }
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    // Magnitude limit: 2^63 for negative values, 2^63 - 1 otherwise.
    const std::uint64_t limit =
        static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()) + (negative ? 1 : 0);
    const auto base = static_cast<std::uint64_t>(radix);
    std::uint64_t magnitude = 0;
    for (char c : text) {
        const int digit = digitValue(c);
        if (digit >= radix) {
            return std::nullopt;
        }
        if (magnitude > (limit - static_cast<std::uint64_t>(digit)) / base) {
            return std::nullopt;
        }
        magnitude = magnitude * base + static_cast<std::uint64_t>(digit);
    }
    if (negative) {
        // -(2^63) has no positive counterpart; go through the unsigned complement.
        return static_cast<std::int64_t>(~magnitude + 1);
    }
    return static_cast<std::int64_t>(magnitude);
}

bool isPlainDecimal(std::string_view text)
{
    bool seenPoint = false;
    bool seenDigit = false;
    for (char c : text) {
        if (isDigit(c)) {
            seenDigit = true;
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            return false;
        }
    }
    return seenDigit;
}

std::optional<double> parseDecimal(std::string_view text)
{
    std::string_view body = text;
    bool negative = false;
    if (!body.empty() && (body.front() == '+' || body.front() == '-')) {
        negative = body.front() == '-';
        body.remove_prefix(1);
    }
    const std::size_t exponentAt = body.find_first_of("eE");
    const std::string_view mantissa = body.substr(0, exponentAt);
    if (!isPlainDecimal(mantissa)) {
        return std::nullopt;
    }
    if (exponentAt != std::string_view::npos) {
        std::string_view exponent = body.substr(exponentAt + 1);
        if (!exponent.empty() && (exponent.front() == '+' || exponent.front() == '-')) {
            exponent.remove_prefix(1);
        }
        if (exponent.empty() || !allAsciiDigits(exponent)) {
            return std::nullopt;
        }
    }

    // from_chars takes no "+"; the grammar is already checked, so parse the unsigned body.
    double value = 0;
    const auto [end, error] =
        std::from_chars(body.data(), body.data() + body.size(), value, std::chars_format::general);
    if (end != body.data() + body.size()) {
        return std::nullopt;
    }
    if (error == std::errc::result_out_of_range) {
        // Too large is a failure; too small rounds to zero.
        if (decimalMagnitude(mantissa,
                             body.substr(exponentAt == std::string_view::npos ? body.size() : exponentAt + 1)) > 0) {
            return std::nullopt;
        }
        value = 0.0;
    } else if (error != std::errc()) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

} // namespace platform::text
