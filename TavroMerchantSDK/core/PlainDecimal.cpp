#include "TavroMerchantSDK/core/PlainDecimal.h"

#include "platform/foundation/Text.h"

#include <algorithm>
#include <cassert>

namespace tavro {

namespace {

// A plain decimal split at its point, the whole part without leading zeros and the fraction
// without trailing zeros, so equal values have equal parts.
struct DecimalParts {
    std::string_view whole;
    std::string_view fraction;
};

DecimalParts splitPlainDecimal(std::string_view text)
{
    const auto point = text.find('.');
    std::string_view whole = text.substr(0, point);
    std::string_view fraction = point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    whole.remove_prefix(std::min(whole.find_first_not_of('0'), whole.size()));
    fraction = fraction.substr(0, fraction.find_last_not_of('0') + 1);
    return {whole, fraction};
}

} // namespace

std::optional<double> readPlainDecimal(std::string_view text)
{
    if (!platform::text::isPlainDecimal(text)) {
        return std::nullopt;
    }
    return platform::text::parseDecimal(text);
}

std::optional<std::string> truncatedPlainDecimal(std::string_view text, int fractionDigits)
{
    assert(fractionDigits >= 0);
    if (!platform::text::isPlainDecimal(text)) {
        return std::nullopt;
    }
    const auto [whole, fraction] = splitPlainDecimal(text);
    std::string result = whole.empty() ? std::string("0") : std::string(whole);
    if (fractionDigits > 0) {
        const auto kept = static_cast<std::size_t>(fractionDigits);
        result += '.';
        result += fraction.substr(0, kept);
        result.append(kept - std::min(kept, fraction.size()), '0');
    }
    return result;
}

std::size_t significantDigitCount(std::string_view plainDecimal)
{
    const auto [whole, fraction] = splitPlainDecimal(plainDecimal);
    if (!whole.empty()) {
        return whole.size() + fraction.size();
    }
    // Below one: the zeros right after the point only place the first digit.
    return fraction.empty() ? 0 : fraction.size() - fraction.find_first_not_of('0');
}

int comparePlainDecimals(std::string_view a, std::string_view b)
{
    const auto left = splitPlainDecimal(a);
    const auto right = splitPlainDecimal(b);
    if (left.whole.size() != right.whole.size()) {
        return left.whole.size() < right.whole.size() ? -1 : 1;
    }
    if (const int order = left.whole.compare(right.whole); order != 0) {
        return order;
    }
    // Without trailing zeros, fractions compare as digit texts.
    return left.fraction.compare(right.fraction);
}

} // namespace tavro
