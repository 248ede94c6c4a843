// Rules for the root fields of a payload.

#include "TavroMerchantSDK/payload/AsciiScan.h"
#include "TavroMerchantSDK/payload/TavroErrorConstants.h"
#include "TavroMerchantSDK/payload/TavroPayMerchantTLVValidator.h"
#include "TavroMerchantSDK/payload/TavroPayMerchantTLVValidatorText.h"
#include "TavroMerchantSDK/support/ISOCountryCodes.h"
#include "TavroMerchantSDK/support/ISORegionCodes.h"
#include "platform/foundation/Text.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>

namespace tavro {

namespace text = platform::text;
using namespace validator_text;
using Codes = TavroErrorConstants;

namespace {

// Reads as an unsigned 64-bit decimal: optional sign, one or more ASCII digits, nothing else;
// negative values and values above 2^64 - 1 fail.
bool readsAsUnsigned64(std::string_view value)
{
    bool negative = false;
    if (!value.empty() && (value.front() == '+' || value.front() == '-')) {
        negative = value.front() == '-';
        value.remove_prefix(1);
    }
    if (value.empty())
        return false;
    std::uint64_t number = 0;
    constexpr std::uint64_t max = std::numeric_limits<std::uint64_t>::max();
    for (char c : value) {
        if (c < '0' || c > '9')
            return false;
        const auto digit = static_cast<std::uint64_t>(c - '0');
        if (number > (max - digit) / 10)
            return false;
        number = number * 10 + digit;
    }
    return !negative || number == 0;
}

// Luhn mod-10 over ASCII text, from the right; a non-digit adds nothing but uses up its position.
bool asciiLuhnCheck(std::string_view pan)
{
    // A doubled digit's contribution: 2d, less 9 when that has two digits.
    static constexpr int kDoubled[10] = {0, 2, 4, 6, 8, 1, 3, 5, 7, 9};
    int sum = 0;
    bool doubled = false;
    for (std::size_t i = pan.size(); i-- > 0; doubled = !doubled) {
        const unsigned digit = static_cast<unsigned>(static_cast<unsigned char>(pan[i])) - '0';
        if (digit <= 9)
            sum += doubled ? kDoubled[digit] : static_cast<int>(digit);
    }
    return sum % 10 == 0;
}

// luhnsAlgorithmCheck(convertMerchantIdToPan(id)), without building the PAN when the ID is ASCII.
bool merchantIdPassesLuhn(const std::string& id)
{
    if (!detail::isAsciiText(id))
        return TavroPayMerchantTLVValidator::luhnsAlgorithmCheck(
            TavroPayMerchantTLVValidator::convertMerchantIdToPan(id));
    if (id.size() < 7 || id.size() > 15)
        return asciiLuhnCheck(id);
    std::array<char, 16> pan;
    pan.fill('0');
    std::copy_n(id.begin(), 6, pan.begin());
    std::copy(id.begin() + 6, id.end(), pan.end() - static_cast<std::ptrdiff_t>(id.size() - 6));
    return asciiLuhnCheck(std::string_view(pan.data(), pan.size()));
}

} // namespace

void TavroPayMerchantTLVValidator::validatePayloadFormatIndicator(const OptionalText& indicator)
{
    if (!indicator)
        return;
    if (validator_text::codePointCount(*indicator) != 2)
        addErrorCode(Codes::payloadFormatIndicatorInvalidLength);
    else if (*indicator != "01")
        addErrorCode(Codes::payloadFormatIndicatorInvalidValue);
    if (!text::allDecimalDigits(*indicator))
        addErrorCode(Codes::payloadFormatIndicatorInvalidValue);
}

bool TavroPayMerchantTLVValidator::validateMerchantID(const OptionalText& merchantId)
{
    if (!merchantId)
        return true;
    const std::string& id = *merchantId;
    bool valid = true;
    if (!id.empty() && id.front() != '4') {
        addErrorCode(Codes::merchantIdInvalidStartingDigit);
        valid = false;
    }
    if (!lengthInRange(id, 8, 16)) {
        addErrorCode(Codes::merchantIdInvalidLength);
        valid = false;
    }
    if (!readsAsUnsigned64(id)) {
        addErrorCode(Codes::merchantIdInvalidFormat);
        valid = false;
    }
    if (!merchantIdPassesLuhn(id)) {
        addErrorCode(Codes::merchantIdInvalidCheckDigit);
        valid = false;
    }
    return valid;
}

std::string TavroPayMerchantTLVValidator::convertMerchantIdToPan(const std::string& merchantId)
{
    const std::size_t length = text::codePointCount(merchantId);
    if (length < 7 || length > 15)
        return merchantId;
    const std::size_t split = *text::byteOffsetOfCodePoint(merchantId, 6);
    return merchantId.substr(0, split) + std::string(16 - length, '0') + merchantId.substr(split);
}

bool TavroPayMerchantTLVValidator::luhnsAlgorithmCheck(const std::string& merchantPan)
{
    if (detail::isAsciiText(merchantPan))
        return asciiLuhnCheck(merchantPan);
    const std::u32string scalars = text::toUtf32(merchantPan);
    int sum = 0;
    int position = 0;
    for (auto it = scalars.rbegin(); it != scalars.rend(); ++it) {
        ++position;
        if (*it < U'0' || *it > U'9')
            continue;
        int digit = static_cast<int>(*it - U'0');
        if (position % 2 == 0) {
            digit *= 2;
            if (digit >= 10)
                digit -= 9;
        }
        sum += digit;
    }
    return sum % 10 == 0;
}

void TavroPayMerchantTLVValidator::validateMerchantCategoryCode(const OptionalText& code)
{
    if (!code) {
        addErrorCode(Codes::merchantCategoryCodeNotPresent);
        return;
    }
    if (!(validator_text::codePointCount(*code) == 4 && text::allDecimalDigits(*code)))
        addErrorCode(Codes::merchantCategoryCodeInvalidLength);
}

void TavroPayMerchantTLVValidator::validateCurrencyCode(const OptionalText& code)
{
    if (!code) {
        addErrorCode(Codes::currencyCodeNotPresent);
        return;
    }
    bool known = false;
    // Digits of other scripts have no numeric value, so only ASCII digits can name a currency.
    if (code->size() == 3 && text::allAsciiDigits(*code)) {
        const int number = ((*code)[0] - '0') * 100 + ((*code)[1] - '0') * 10 + ((*code)[2] - '0');
        known = ISOCountryCodes::availableISOCurrencies().contains(number);
    }
    if (!known)
        addErrorCode(Codes::currencyCodeInvaidLength);
}

void TavroPayMerchantTLVValidator::validateTransactAmount(const OptionalText& amount)
{
    if (!amount)
        return;
    const bool digitsOnly = text::allDecimalDigits(*amount);
    if (!lengthInRange(*amount, 1, digitsOnly ? 12 : 13))
        addErrorCode(Codes::transactionAmountInvalidLength);
    if (!isPositiveAmount(*amount))
        addErrorCode(Codes::transactionAmountIncorrectValue);
    if (amount->empty())
        addErrorCode(Codes::transactionAmountTagPresentWithoutAmountValue);
}

void TavroPayMerchantTLVValidator::validateCountryCode(const OptionalText& code)
{
    if (!code) {
        addErrorCode(Codes::countryCodeNotPresent);
        return;
    }
    if (!isISORegionCode(*code))
        addErrorCode(Codes::countryCodeInvalidLengthOrCharacters);
    bool lettersOnly = true;
    if (detail::isAsciiText(*code)) {
        for (char c : *code)
            lettersOnly = lettersOnly && ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'));
    } else {
        for (char32_t c : text::toUtf32(*code))
            lettersOnly = lettersOnly && text::isLetterOrMark(c);
    }
    if (validator_text::codePointCount(*code) != 2 || !lettersOnly)
        addErrorCode(Codes::countryCodeInvalidLengthOrCharacters);
}

void TavroPayMerchantTLVValidator::validateMerchantName(const OptionalText& name)
{
    if (!name)
        addErrorCode(Codes::merchantNameNotPresent);
    else if (!lengthInRange(*name, 1, 25))
        addErrorCode(Codes::merchantNameInvalidLengthOrCharacters);
}

void TavroPayMerchantTLVValidator::validateCityName(const OptionalText& name)
{
    if (!name)
        addErrorCode(Codes::cityNameNotPresent);
    else if (!lengthInRange(*name, 1, 15))
        addErrorCode(Codes::cityNameInvalidLengthOrCharacters);
}

void TavroPayMerchantTLVValidator::validatePostalCode(const OptionalText& code)
{
    if (code && !lengthInRange(*code, 1, 10))
        addErrorCode(Codes::postalCodeIndicatorInvalidLength);
}

} // namespace tavro
