#include "TavroMerchantSDK/core/PaymentRequestChecks.h"

#include "TavroMerchantSDK/core/PlainDecimal.h"
#include "TavroMerchantSDK/payload/TavroPayMerchantTLVValidator.h"
#include "TavroMerchantSDK/support/base/ISOCountryCodes.h"
#include "TavroMerchantSDK/support/base/ISORegionCodes.h"
#include "TavroMerchantSDK/support/base/StringExtensions.h"
#include "TavroMerchantSDK/support/base/TavroBaseConstants.h"
#include "platform/foundation/Text.h"

#include <algorithm>

namespace tavro::paymentrequestchecks {

namespace {

namespace text = platform::text;

bool lengthInRange(std::string_view value, long long minimum, long long maximum)
{
    return isLengthInRange(value, minimum, maximum, TextUnit::codePoints);
}

template <class Predicate>
bool everyCodePoint(std::string_view value, Predicate predicate)
{
    const std::u32string codePoints = text::toUtf32(value);
    return std::all_of(codePoints.begin(), codePoints.end(), predicate);
}

// Shared by the fee amount and the percentage: present, 1 to `maxLength` characters, no letter,
// only decimal digits and the period, and readable as a plain decimal. Its value, or nullopt.
std::optional<double> feeValue(const OptionalText& value, long long maxLength)
{
    if (!value || value->empty() || !lengthInRange(*value, 1, maxLength)) {
        return std::nullopt;
    }
    const char32_t period = static_cast<char32_t>(TavroBaseConstants::periodCharacter.front());
    if (!everyCodePoint(*value, [](char32_t c) { return !text::isLetterOrMark(c); })) {
        return std::nullopt;
    }
    if (!everyCodePoint(*value, [period](char32_t c) { return text::isDecimalDigit(c) || c == period; })) {
        return std::nullopt;
    }
    return readPlainDecimal(*value);
}

bool isExactlyEmpty(const OptionalText& value)
{
    return value && value->empty();
}

} // namespace

bool isPayloadText(std::string_view value)
{
    return text::isValidUtf8(value) && !text::findControlAndSupplementary(value).any();
}

bool validatePayloadFormatIndicator(const OptionalText& value)
{
    return value == "01";
}

bool validateMerchantID(const OptionalText& merchantID)
{
    const std::string id = merchantID.value_or(std::string());
    const bool startsWithFour = merchantID && id.starts_with('4');
    const bool lengthValid = lengthInRange(id, 8, 16);
    // At most 16 ASCII digits always fit an unsigned 64-bit integer; longer text fails the
    // length rule anyway.
    const bool readsAsInteger = !id.empty() && text::allAsciiDigits(id) && id.size() <= 19;
    const bool luhnValid = luhnsAlgorithmCheck(convertMerchantIdToPan(id));
    return startsWithFour && lengthValid && readsAsInteger && luhnValid;
}

std::string convertMerchantIdToPan(std::string_view merchantID)
{
    return TavroPayMerchantTLVValidator::convertMerchantIdToPan(std::string(merchantID));
}

bool luhnsAlgorithmCheck(std::string_view merchantPan)
{
    return TavroPayMerchantTLVValidator::luhnsAlgorithmCheck(std::string(merchantPan));
}

bool validateMerchantCategoryCode(const OptionalText& value)
{
    return value && lengthInRange(*value, 4, 4) && everyCodePoint(*value, text::isDecimalDigit);
}

bool validateCountryCode(const OptionalText& value)
{
    return value && isISORegionCode(*value) && lengthInRange(*value, 2, 2) &&
           everyCodePoint(*value, text::isLetterOrMark);
}

bool validateCurrencyCode(const OptionalText& value)
{
    if (!value || !lengthInRange(*value, 3, 3) || !everyCodePoint(*value, text::isDecimalDigit)) {
        return false;
    }
    if (!text::allAsciiDigits(*value)) {
        return false; // digits of another script do not read as an integer
    }
    const auto code = text::parseInteger(*value, 10);
    return code && ISOCountryCodes::availableISOCurrencies().contains(*code);
}

bool validateTipAndFeeIndicator(const OptionalText& tipIndicator)
{
    return !tipIndicator || tipIndicator->empty() || tipIndicator == "01" || tipIndicator == "02" ||
           tipIndicator == "03";
}

bool validateConvenienceFeeAmount(const OptionalText& amount, const OptionalText& tipIndicator)
{
    if (tipIndicator != "02") {
        return isExactlyEmpty(amount);
    }
    const auto value = feeValue(amount, 9);
    return value && *value > 0;
}

bool validateConveniencePercentage(const OptionalText& percentage, const OptionalText& tipIndicator)
{
    if (tipIndicator != "03") {
        return isExactlyEmpty(percentage);
    }
    const auto value = feeValue(percentage, 5);
    return value && *value >= 0.01 && *value <= 99.99;
}

} // namespace tavro::paymentrequestchecks
