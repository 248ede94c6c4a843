#include "TavroMerchantSDK/core/TavroPaymentRequest.h"

#include "TavroMerchantSDK/core/PaymentRequestChecks.h"
#include "TavroMerchantSDK/core/PlainDecimal.h"
#include "TavroMerchantSDK/payload/QRCodeTag.h"
#include "TavroMerchantSDK/payload/TLVGenerator.h"
#include "TavroMerchantSDK/payload/TLVMapParser.h"
#include "TavroMerchantSDK/payload/TavroErrorConstants.h"
#include "TavroMerchantSDK/payload/TavroPayMerchantTLVValidator.h"
#include "TavroMerchantSDK/support/CurrencyFormatterCache.h"
#include "TavroMerchantSDK/support/StringConstants.h"
#include "TavroMerchantSDK/support/base/StringExtensions.h"
#include "platform/foundation/Text.h"

#include <functional>
#include <string_view>

namespace tavro {

namespace {

using TextView = std::optional<std::string_view>;

std::shared_ptr<TavroError> failure(const std::string& message)
{
    return std::make_shared<TavroError>(message);
}

bool codePointsInRange(std::string_view value, long long minimum, long long maximum)
{
    return isLengthInRange(value, minimum, maximum, TextUnit::codePoints);
}

TextView view(const std::string& value)
{
    return value;
}

TextView view(const std::optional<std::string>& value)
{
    return value ? TextView(*value) : std::nullopt;
}

// One field as validate() walks it: its text is checked first, then its own rule, if any.
struct FieldCheck {
    std::string_view name;
    TextView value;
    std::function<bool()> rule = nullptr;
    // The rule's message; a field without a rule reports "Payload field <name> not valid".
    const std::string* message = nullptr;
};

} // namespace

std::shared_ptr<TavroError> TavroPaymentRequest::fieldFailure() const
{
    namespace checks = paymentrequestchecks;
    using S = StringConstants;

    const FieldCheck fields[] = {
        {"payloadFormatIndicator", view(m_payloadFormatIndicator),
         [this] { return checks::validatePayloadFormatIndicator(m_payloadFormatIndicator); },
         &S::PAYLOAD_FORMAT_INDICATOR_NOT_VALID()},
        {"pointOfInitiation", view(m_pointOfInitiation)},
        {"tavroMerchantID", view(m_tavroMerchantID), [this] { return checks::validateMerchantID(m_tavroMerchantID); },
         &S::MERCHANT_ID_NOT_VALID()},
        {"merchantName", view(m_merchantName), [this] { return codePointsInRange(m_merchantName, 1, 25); },
         &S::MERCHANT_NAME_NOT_VALID()},
        {"merchantCategoryCode", view(m_merchantCategoryCode),
         [this] { return checks::validateMerchantCategoryCode(m_merchantCategoryCode); },
         &S::MERCHANT_CATEGORY_CODE_NOT_VALID()},
        {"cityName", view(m_cityName), [this] { return codePointsInRange(m_cityName, 1, 15); },
         &S::CITY_NAME_NOT_VALID()},
        {"countryCode", view(m_countryCode), [this] { return checks::validateCountryCode(m_countryCode); },
         &S::COUNTRY_CODE_NOT_VALID()},
        {"currencyCode", view(m_currencyCode), [this] { return checks::validateCurrencyCode(m_currencyCode); },
         &S::CURRENCY_CODE_NOT_VALID()},
        {"tipIndicator", view(m_tipIndicator), [this] { return checks::validateTipAndFeeIndicator(m_tipIndicator); },
         &S::TIP_INDICATOR_NOT_VALID()},
        {"tipAmount", view(m_tipAmount),
         [this] { return checks::validateConvenienceFeeAmount(m_tipAmount, m_tipIndicator); },
         &S::TIP_AMOUNT_NOT_VALID()},
        {"tipPercentage", view(m_tipPercentage),
         [this] { return checks::validateConveniencePercentage(m_tipPercentage, m_tipIndicator); },
         &S::TIP_PERCENTAGE_NOT_VALID()},
        {"postalCode", view(m_postalCode), [this] { return !m_postalCode || codePointsInRange(*m_postalCode, 0, 10); },
         &S::POSTAL_CODE_NOT_VALID()},
        {"mastercardPan1", view(m_mastercardPan1)},
        {"mastercardPan2", view(m_mastercardPan2)},
        {"npciid1", view(m_npciid1)},
        {"npciid2", view(m_npciid2)},
        {"transactionAmount", view(m_transactionAmount)},
        {"billID", view(m_billID)},
        {"mobileNumber", view(m_mobileNumber)},
        {"storeID", view(m_storeID)},
        {"loyaltyNumber", view(m_loyaltyNumber)},
        {"referenceID", view(m_referenceID)},
        {"consumerID", view(m_consumerID)},
        {"terminalID", view(m_terminalID)},
        {"purpose", view(m_purpose)},
    };
    for (const FieldCheck& field : fields) {
        const bool textPasses = !field.value || checks::isPayloadText(*field.value);
        if (!textPasses || (field.rule && !field.rule())) {
            return failure(field.message ? *field.message : S::PAYLOAD_FIELD_NOT_VALID(field.name));
        }
    }
    return nullptr;
}

std::vector<std::string> TavroPaymentRequest::unwrittenValueCodes(const LeftOutIds& leftOut) const
{
    const std::vector<std::string> malformed = {TavroErrorConstants::malformedTags};
    std::vector<std::string> codes;
    for (const std::string& id : leftOut) {
        if (id == QRCodeTag::transactionAmount) {
            // What the validator says of that amount text: its length, and that it is no amount.
            TavroPayMerchantTLVValidator amountRule;
            amountRule.validateTransactAmount(m_transactionAmount);
            codes.insert(codes.end(), amountRule.errorCodes().begin(), amountRule.errorCodes().end());
        } else if (id.starts_with(QRCodeTag::additionalDataFieldTemplate)) {
            codes.push_back(TavroErrorConstants::additionalDataInformationInvalidLength);
        } else if (id == QRCodeTag::masterCardPAN1 || id == QRCodeTag::masterCardPAN2 || id == QRCodeTag::npciid1 ||
                   id == QRCodeTag::npciid2) {
            codes.push_back(TavroErrorConstants::merchantAccountInformationTemplate::invalidLength);
        } else {
            return malformed;
        }
    }
    // An amount is exact in its currency: a digit past its minor unit would be lost by the wallet.
    const auto& amount = m_transactionAmount;
    if (amount && platform::text::isPlainDecimal(*amount) && hasCurrencyFormat(m_currencyCode)) {
        const auto exact = truncatedPlainDecimal(*amount, currencyFractionDigits(m_currencyCode));
        if (exact && comparePlainDecimals(*exact, *amount) != 0) {
            codes.push_back(TavroErrorConstants::transactionAmountIncorrectValue);
        }
    }
    return codes;
}

std::shared_ptr<TavroError> TavroPaymentRequest::shownPayloadFailure() const
{
    TLVMapParser scratch;
    const auto written = writePayload(scratch);
    auto codes = TLVGenerator::tlvValidation(written.text);
    const auto unwritten = unwrittenValueCodes(written.leftOut);
    const std::vector<std::string> malformed = {TavroErrorConstants::malformedTags};
    if (codes == malformed || unwritten == malformed) {
        return std::make_shared<TavroError>(malformed);
    }
    codes.insert(codes.end(), unwritten.begin(), unwritten.end());
    if (codes.empty()) {
        return nullptr;
    }
    return std::make_shared<TavroError>(TavroPayMerchantTLVValidator::inStepOrder(codes));
}

std::shared_ptr<TavroError> TavroPaymentRequest::validate() const
{
    if (auto failed = fieldFailure()) {
        return failed;
    }
    if (m_tagValueDictionary) {
        // The parser's verdict on this request's own dictionary, not on whichever request primed
        // it last.
        TLVMapParser& parser = TLVMapParser::shared();
        primeParser(parser);
        if (parser.tlvString().empty()) {
            return std::make_shared<TavroError>(std::string("0"));
        }
        if (parser.tavroError()) {
            return parser.tavroError();
        }
    }
    // What the QR screen would draw must pass the checks a wallet's scan goes through.
    return shownPayloadFailure();
}

} // namespace tavro
