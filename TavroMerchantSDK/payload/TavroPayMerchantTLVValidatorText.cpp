#include "TavroMerchantSDK/payload/TavroPayMerchantTLVValidatorText.h"

#include "TavroMerchantSDK/payload/AsciiScan.h"
#include "TavroMerchantSDK/support/StringExtensions.h"
#include "TavroMerchantSDK/support/TavroBaseConstants.h"
#include "platform/foundation/Text.h"

namespace tavro::validator_text {

namespace text = platform::text;

bool lengthInRange(std::string_view value, long long minimum, long long maximum)
{
    if (detail::isAsciiText(value)) {
        const auto count = static_cast<long long>(value.size());
        return count >= minimum && count <= maximum;
    }
    return isLengthInRange(value, minimum, maximum, TextUnit::codePoints);
}

bool containsLetter(std::string_view value)
{
    if (detail::isAsciiText(value)) {
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
    if (detail::isAsciiText(value)) {
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
    if (containsLetter(value) || containsOtherThanDigitsAndPeriod(value))
        return false;
    const auto number = plainDecimalValue(value);
    return number && *number > 0;
}

} // namespace tavro::validator_text
