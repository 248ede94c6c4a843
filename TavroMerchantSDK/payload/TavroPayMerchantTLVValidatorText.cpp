#include "TavroMerchantSDK/payload/TavroPayMerchantTLVValidatorText.h"

#include "TavroMerchantSDK/support/base/TavroBaseConstants.h"
#include "platform/foundation/Text.h"

namespace tavro::validator_text {

namespace text = platform::text;

bool containsLetter(std::string_view value)
{
    if (platform::text::isAscii(value)) {
        for (char c : value) {
            if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))
                return true;
        }
        return false;
    }
    for (char32_t c : text::toUtf32(value)) {
        if (text::isLetterOrMark(c))
            return true;
    }
    return false;
}

bool containsOtherThanDigitsAndPeriod(std::string_view value)
{
    const char32_t period = static_cast<unsigned char>(TavroBaseConstants::periodCharacter[0]);
    if (platform::text::isAscii(value)) {
        for (char c : value) {
            if (c != static_cast<char>(period) && (c < '0' || c > '9'))
                return true;
        }
        return false;
    }
    for (char32_t c : text::toUtf32(value)) {
        if (c != period && !text::isDecimalDigit(c))
            return true;
    }
    return false;
}

std::optional<double> plainDecimalValue(std::string_view value)
{
    if (!text::isPlainDecimal(value))
        return std::nullopt;
    return text::parseDecimal(value);
}

bool isPositiveAmount(std::string_view value)
{
    // Only a plain decimal has a value here, and it holds nothing but ASCII digits and at most one
    // period, so it passes the letter and character tests: those need no scan of their own.
    if (!text::isPlainDecimal(value))
        return false;
    // Up to 300 characters a plain decimal lies between 1e-300 and 1e300 or is zero, so it can
    // neither overflow nor round to zero: it is above zero when some digit is not zero.
    constexpr std::size_t kSafeLength = 300;
    if (value.size() <= kSafeLength)
        return value.find_first_not_of("0.") != std::string_view::npos;
    const auto number = text::parseDecimal(value);
    return number && *number > 0;
}

} // namespace tavro::validator_text
