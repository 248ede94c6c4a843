// Rules for the root fields of a payload.

#include "TavroMerchantSDK/payload/TavroErrorConstants.h"
#include "TavroMerchantSDK/payload/TavroPayMerchantTLVValidator.h"
#include "TavroMerchantSDK/payload/TavroPayMerchantTLVValidatorText.h"
#include "TavroMerchantSDK/support/base/ISOCountryCodes.h"
#include "TavroMerchantSDK/support/base/ISORegionCodes.h"
#include "platform/foundation/Text.h"

#include <algorithm>
#include <array>
#include <cstdint>

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
    if (value.empty() || !platform::text::allAsciiDigits(value))
        return false;
    // Zero reads with either sign; any other value by the count of its significant digits: up to
    // 19 always fit, 20 fit up to the largest value.
    const std::size_t firstSignificant = value.find_first_not_of('0');
    if (firstSignificant == std::string_view::npos)
        return true;
    if (negative)
        return false;
    constexpr std::string_view kLargest = "18446744073709551615";
    const std::string_view significant = value.substr(firstSignificant);
    return significant.size() < kLargest.size() || (significant.size() == kLargest.size() && significant <= kLargest);
}

// Luhn contribution of each byte, as it stands and doubled: a digit d adds d, or 2d less 9 when
// that has two digits; any other byte adds nothing.
struct LuhnTable {
    std::array<std::uint8_t, 256> plain{};
    std::array<std::uint8_t, 256> doubled{};
};
constexpr LuhnTable kLuhn = [] {
    LuhnTable table;
    for (int digit = 0; digit <= 9; ++digit) {
        table.plain['0' + digit] = static_cast<std::uint8_t>(digit);
        table.doubled['0' + digit] = static_cast<std::uint8_t>(digit < 5 ? 2 * digit : 2 * digit - 9);
    }
    return table;
}();

// Luhn mod-10 over ASCII text, from the right; a non-digit adds nothing but uses up its position.
bool asciiLuhnCheck(std::string_view pan)
{
    const auto byteAt = [&](std::size_t i) { return static_cast<unsigned char>(pan[i]); };
    std::uint64_t sum = 0;
    std::size_t i = pan.size();
    // Pairs from the right: the last of each pair as it stands, the one before it doubled.
    for (; i >= 2; i -= 2)
        sum += kLuhn.plain[byteAt(i - 1)] + kLuhn.doubled[byteAt(i - 2)];
    if (i == 1)
        sum += kLuhn.plain[byteAt(0)];
    return sum % 10 == 0;
}

// luhnsAlgorithmCheck(convertMerchantIdToPan(id)), without building the PAN when the ID is ASCII
// (`ascii` says whether it is).
bool merchantIdPassesLuhn(const std::string& id, bool ascii)
{
    if (!ascii)
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
    else if (std::string_view(*indicator) != "01")
        addErrorCode(Codes::payloadFormatIndicatorInvalidValue);
    if (!text::allDecimalDigits(*indicator))
        addErrorCode(Codes::payloadFormatIndicatorInvalidValue);
}

bool TavroPayMerchantTLVValidator::validateMerchantID(const OptionalText& merchantId)
{
    if (!merchantId)
        return true;
    const std::string& id = *merchantId;
    const bool ascii = platform::text::isAscii(id);
    const std::size_t length = ascii ? id.size() : text::codePointCount(id);
    bool valid = true;
    if (!id.empty() && id.front() != '4') {
        addErrorCode(Codes::merchantIdInvalidStartingDigit);
        valid = false;
    }
    if (length < 8 || length > 16) {
        addErrorCode(Codes::merchantIdInvalidLength);
        valid = false;
    }
    if (!readsAsUnsigned64(id)) {
        addErrorCode(Codes::merchantIdInvalidFormat);
        valid = false;
    }
    if (!merchantIdPassesLuhn(id, ascii)) {
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
    if (platform::text::isAscii(merchantPan))
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
    if (code->size() == 3 && platform::text::allAsciiDigits(*code)) {
        const int number = ((*code)[0] - '0') * 100 + ((*code)[1] - '0') * 10 + ((*code)[2] - '0');
        known = ISOCountryCodes::isISOCurrencyNumber(number);
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
    // A region code is two upper-case ASCII letters, so it passes the second test as well.
    if (isISORegionCode(*code))
        return;
    addErrorCode(Codes::countryCodeInvalidLengthOrCharacters);
    bool lettersOnly = true;
    if (platform::text::isAscii(*code)) {
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
