// The legacy compact dialect: its driver and the primary and secondary identifier rules.

#include "TavroMerchantSDK/payload/TavroErrorConstants.h"
#include "TavroMerchantSDK/payload/TavroPayMerchantTLV.h"
#include "TavroMerchantSDK/payload/TavroPayMerchantTLVValidator.h"
#include "TavroMerchantSDK/payload/TavroPayMerchantTLVValidatorText.h"
#include "TavroMerchantSDK/support/base/StringExtensions.h"

namespace tavro {

using Codes = TavroErrorConstants;

std::vector<std::string> TavroPayMerchantTLVValidator::validatePayMerchantTLV00(const TavroPayMerchantTLV* model)
{
    m_errorCodes.clear();
    if (model)
        runPayMerchantTLV00Rules(*model);
    return m_errorCodes;
}

void TavroPayMerchantTLVValidator::runPayMerchantTLV00Rules(const TavroPayMerchantTLV& model)
{
    validateMerchantID(model.tavroMerchantID());
    validateMerchantName(model.merchantName());
    validateMerchantCategoryCode(model.merchantCategoryCode());
    validateCityName(model.cityName());
    validateCountryCode(model.countryCode());
    validateCurrencyCode(model.currencyCode());
    validateTransactAmount(model.transactionAmount());
    validatePrimaryId(model.primaryID());
    validateSecondaryId(model.secondaryID());
    validateTipAndFeeIndicator(model);
}

void TavroPayMerchantTLVValidator::validatePrimaryId(const OptionalText& primaryId)
{
    validateLegacyIdentifier(primaryId, PRIMARY_ID_REGEX, Codes::primaryIdInvalidLengthOrCharacters,
                             Codes::primaryIdTagPresentWithoutValue, Codes::primaryIdInvalidFormat);
}

void TavroPayMerchantTLVValidator::validateSecondaryId(const OptionalText& secondaryId)
{
    // The secondary identifier reports a bad character with its length-or-characters code.
    validateLegacyIdentifier(secondaryId, SECONDARY_ID_REGEX, Codes::secondaryIdInvalidLengthOrCharacters,
                             Codes::secondaryIdTagPresentWithoutValue, Codes::secondaryIdInvalidLengthOrCharacters);
}

void TavroPayMerchantTLVValidator::validateLegacyIdentifier(const OptionalText& identifier, std::string_view pattern,
                                                            const std::string& lengthCode, const std::string& emptyCode,
                                                            const std::string& patternCode)
{
    if (!identifier)
        return;
    const std::string& value = *identifier;
    if (!validator_text::lengthInRange(value, 1, 26))
        addErrorCode(lengthCode);
    if (value.empty())
        addErrorCode(emptyCode);
    // Without the "?" marker an identifier has no rule on its characters.
    if (value.empty() || value.front() != '?')
        return;
    // The marker takes at most one character after it.
    if (!validator_text::lengthInRange(value, 1, 2))
        addErrorCode(lengthCode);
    const auto marked = subscript(value, 1, TextUnit::codePoints);
    if (marked && !isMatchingRegex(pattern, *marked))
        addErrorCode(patternCode);
}

} // namespace tavro
