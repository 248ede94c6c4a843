#include "TavroMerchantSDK/core/TavroPaymentRequest.h"

#include "TavroMerchantSDK/core/PaymentRequestChecks.h"
#include "TavroMerchantSDK/payload/TLVMapParser.h"
#include "TavroMerchantSDK/support/StringConstants.h"
#include "TavroMerchantSDK/support/base/StringExtensions.h"

namespace tavro {

namespace {

std::shared_ptr<TavroError> failure(const std::string& message)
{
    return std::make_shared<TavroError>(message);
}

bool codePointsInRange(std::string_view value, long long minimum, long long maximum)
{
    return isLengthInRange(value, minimum, maximum, TextUnit::codePoints);
}

} // namespace

std::shared_ptr<TavroError> TavroPaymentRequest::validate() const
{
    namespace checks = paymentrequestchecks;

    if (!checks::validatePayloadFormatIndicator(m_payloadFormatIndicator)) {
        return failure(StringConstants::PAYLOAD_FORMAT_INDICATOR_NOT_VALID());
    }
    if (!checks::validateMerchantID(m_tavroMerchantID)) {
        return failure(StringConstants::MERCHANT_ID_NOT_VALID());
    }
    if (!codePointsInRange(m_merchantName, 1, 25)) {
        return failure(StringConstants::MERCHANT_NAME_NOT_VALID());
    }
    if (!checks::validateMerchantCategoryCode(m_merchantCategoryCode)) {
        return failure(StringConstants::MERCHANT_CATEGORY_CODE_NOT_VALID());
    }
    if (!codePointsInRange(m_cityName, 1, 15)) {
        return failure(StringConstants::CITY_NAME_NOT_VALID());
    }
    if (!checks::validateCountryCode(m_countryCode)) {
        return failure(StringConstants::COUNTRY_CODE_NOT_VALID());
    }
    if (!checks::validateCurrencyCode(m_currencyCode)) {
        return failure(StringConstants::CURRENCY_CODE_NOT_VALID());
    }
    if (!checks::validateTipAndFeeIndicator(m_tipIndicator)) {
        return failure(StringConstants::TIP_INDICATOR_NOT_VALID());
    }
    if (!checks::validateConvenienceFeeAmount(m_tipAmount, m_tipIndicator)) {
        return failure(StringConstants::TIP_AMOUNT_NOT_VALID());
    }
    if (!checks::validateConveniencePercentage(m_tipPercentage, m_tipIndicator)) {
        return failure(StringConstants::TIP_PERCENTAGE_NOT_VALID());
    }
    if (m_postalCode && !codePointsInRange(*m_postalCode, 0, 10)) {
        return failure(StringConstants::POSTAL_CODE_NOT_VALID());
    }

    if (!m_tagValueDictionary) {
        return nullptr;
    }
    // The parser's verdict on this request's own dictionary, not on whichever request primed
    // it last.
    primeSharedParser();
    const TLVMapParser& parser = TLVMapParser::shared();
    if (parser.tlvString().empty()) {
        return std::make_shared<TavroError>(std::string("0"));
    }
    return parser.tavroError();
}

} // namespace tavro
