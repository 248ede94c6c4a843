// The shared validator, its add-once list, the EMV-dialect driver and the presence-and-length
// rule of template sub-fields.

#include "TavroMerchantSDK/payload/TavroPayMerchantTLVValidator.h"

#include "TavroMerchantSDK/payload/TavroErrorConstants.h"
#include "TavroMerchantSDK/payload/TavroPayMerchantTLV.h"
#include "TavroMerchantSDK/payload/TavroPayMerchantTLVValidatorText.h"

#include <algorithm>

namespace tavro {

TavroPayMerchantTLVValidator& TavroPayMerchantTLVValidator::sharedValidator()
{
    static TavroPayMerchantTLVValidator validator;
    return validator;
}

void TavroPayMerchantTLVValidator::addErrorCode(const std::string& code)
{
    if (std::find(m_errorCodes.begin(), m_errorCodes.end(), code) == m_errorCodes.end())
        m_errorCodes.push_back(code);
}

std::vector<std::string> TavroPayMerchantTLVValidator::validatePayMerchantTLV01(const TavroPayMerchantTLV* model)
{
    m_errorCodes.clear();
    if (model)
        runPayMerchantTLV01Rules(*model);
    return m_errorCodes;
}

std::vector<std::string> TavroPayMerchantTLVValidator::validateDecodedPayload(const TavroPayMerchantTLV& model,
                                                                              std::string_view payloadText)
{
    m_errorCodes.clear();
    if (model.payloadFormatIndicator()) {
        runPayMerchantTLV01Rules(model);
        validateCRCOfText(model.crc(), payloadText);
    } else {
        runPayMerchantTLV00Rules(model);
    }
    return m_errorCodes;
}

void TavroPayMerchantTLVValidator::runPayMerchantTLV01Rules(const TavroPayMerchantTLV& model)
{
    validatePayloadFormatIndicator(model.payloadFormatIndicator());
    validateMerchantID(model.tavroMerchantID());
    validateMerchantCategoryCode(model.merchantCategoryCode());
    validateCurrencyCode(model.currencyCode());
    validateTransactAmount(model.transactionAmount());
    validateTipAndFeeIndicator(model);
    validateCountryCode(model.countryCode());
    validateMerchantName(model.merchantName());
    validateCityName(model.cityName());
    validatePostalCode(model.postalCode());
    validateAdditionalDataField(model);
    validateMerchantInformationLanguageTemplate(model);
    validateMerchantAccountInformationTemplate(model);
    // The checksum is checked after this driver (validateDecodedPayload, or the caller).
}

namespace {

// The step of runPayMerchantTLV01Rules that reports `code`, the checksum after them; keep in step
// with the driver.
int stepOf(std::string_view code)
{
    using Codes = TavroErrorConstants;
    using Account = Codes::merchantAccountInformationTemplate;
    using Language = Codes::merchantLanguageInformationTemplate;
    static const std::vector<std::vector<std::string_view>> steps = {
        {Codes::payloadFormatIndicatorInvalidLength, Codes::payloadFormatIndicatorInvalidValue},
        {Codes::merchantIdInvalidStartingDigit, Codes::merchantIdInvalidLength, Codes::merchantIdInvalidFormat,
         Codes::merchantIdInvalidCheckDigit},
        {Codes::merchantCategoryCodeNotPresent, Codes::merchantCategoryCodeInvalidLength},
        {Codes::currencyCodeNotPresent, Codes::currencyCodeInvaidLength},
        {Codes::transactionAmountInvalidLength, Codes::transactionAmountIncorrectValue,
         Codes::transactionAmountTagPresentWithoutAmountValue},
        {Codes::tipAndFeeIndicatorInvalidCriteria, Codes::tipAndFeeIndicatorInvalidTagsPresent,
         Codes::tipAndFeeIndicatorTagPresentWithoutValue, Codes::convenienceFeeAmountInvalidLength,
         Codes::convenienceFeeAmountIncorrectValue, Codes::convenienceFeeTagPresentWithoutValue,
         Codes::convenienceFeePercentageInvalidLength, Codes::convenienceFeePercentageIncorrectValue,
         Codes::convenienceFeePercentageTagPresentWithoutValue, Codes::convenienceInvalidTagPresent,
         Codes::convenienceFeePercentageInvalidTagPresent},
        {Codes::countryCodeNotPresent, Codes::countryCodeInvalidLengthOrCharacters},
        {Codes::merchantNameNotPresent, Codes::merchantNameInvalidLengthOrCharacters},
        {Codes::cityNameNotPresent, Codes::cityNameInvalidLengthOrCharacters},
        {Codes::postalCodeIndicatorInvalidLength},
        {Codes::additionalDataInformationInvalidLength, Codes::additionalConsumerDataInvalidValue},
        {Language::missingLanguagePreferenceTag, Language::missingMerchantNameTag,
         Language::languagePreferenceInvalidTagLength, Language::merchantNameInvalidTagLength,
         Language::invalidLengthTag},
        {Account::missingUniqueIdentifier, Account::invalidLength},
        {Codes::crcInvalidValue},
    };
    int step = 0;
    for (const auto& stepCodes : steps) {
        if (std::find(stepCodes.begin(), stepCodes.end(), code) != stepCodes.end())
            return step;
        ++step;
    }
    return step;
}

} // namespace

std::vector<std::string> TavroPayMerchantTLVValidator::inStepOrder(const std::vector<std::string>& codes)
{
    std::vector<std::string> ordered;
    for (const auto& code : codes) {
        if (std::find(ordered.begin(), ordered.end(), code) == ordered.end())
            ordered.push_back(code);
    }
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const std::string& a, const std::string& b) { return stepOf(a) < stepOf(b); });
    return ordered;
}

void TavroPayMerchantTLVValidator::tagMandatoryLengthCheck(std::string_view type, const std::string& tagKey,
                                                           const std::optional<Dictionary>& dataDictionary,
                                                           bool isMandatory, int minLenght, int maxLenght)
{
    const platform::AnyValue* value = nullptr;
    if (dataDictionary) {
        const auto found = dataDictionary->find(tagKey);
        if (found != dataDictionary->end())
            value = &found->second;
    }
    checkSubfieldLength(type, tagKey, value, isMandatory, minLenght, maxLenght);
}

void TavroPayMerchantTLVValidator::checkSubfieldLength(std::string_view type, std::string_view tagKey,
                                                       const platform::AnyValue* value, bool isMandatory, int minLength,
                                                       int maxLength)
{
    using Language = TavroErrorConstants::merchantLanguageInformationTemplate;

    if (value) {
        // A value that is not text cannot hold a valid sub-field: it is judged as a wrong length.
        const std::string* text = value->asString();
        if (text && validator_text::lengthInRange(*text, minLength, maxLength))
            return;
        if (tagKey == "languagePreference")
            addErrorCode(Language::languagePreferenceInvalidTagLength);
        else if (tagKey == "merchantNameAlternateLanguage")
            addErrorCode(Language::merchantNameInvalidTagLength);
        else if (type == "merchantInformationLanguageTemplate")
            addErrorCode(Language::invalidLengthTag);
        else
            addErrorCode(TavroErrorConstants::additionalDataInformationInvalidLength);
        return;
    }

    if (!isMandatory)
        return;
    if (tagKey == "languagePreference")
        addErrorCode(Language::missingLanguagePreferenceTag);
    else if (tagKey == "merchantNameAlternateLanguage")
        addErrorCode(Language::missingMerchantNameTag);
}

} // namespace tavro
