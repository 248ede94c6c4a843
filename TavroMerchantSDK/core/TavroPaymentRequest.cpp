#include "TavroMerchantSDK/core/TavroPaymentRequest.h"

#include "TavroMerchantSDK/core/TavroSessionState.h"
#include "TavroMerchantSDK/payload/TLVGenerator.h"
#include "TavroMerchantSDK/payload/TLVMapParser.h"

#include <string_view>

namespace tavro {

namespace {

// The text under `key`, or empty text when the key is missing or holds another kind of value.
std::string textFor(const platform::AnyValue::Dictionary& dictionary, std::string_view key)
{
    if (const auto it = dictionary.find(key); it != dictionary.end()) {
        if (const std::string* text = it->second.asString()) {
            return *text;
        }
    }
    return {};
}

} // namespace

TavroPaymentRequest::TavroPaymentRequest() : m_pointOfInitiation(std::string()), m_postalCode(std::string()) {}

TavroPaymentRequest::TavroPaymentRequest(std::string payloadFormatIndicator, std::string pointOfInitiation,
                                         std::string tavroMerchantID, std::string merchantName,
                                         std::string merchantCategoryCode, std::string cityName,
                                         std::string countryCode, std::string currencyCode, std::string tipIndicator,
                                         std::string tipAmount, std::string tipPercentage, std::string postalCode,
                                         std::string mastercardPan1, std::string mastercardPan2, std::string npciid1,
                                         std::string npciid2)
    : m_payloadFormatIndicator(std::move(payloadFormatIndicator)),
      m_pointOfInitiation(std::move(pointOfInitiation)),
      m_tavroMerchantID(std::move(tavroMerchantID)),
      m_merchantName(std::move(merchantName)),
      m_merchantCategoryCode(std::move(merchantCategoryCode)),
      m_cityName(std::move(cityName)),
      m_countryCode(std::move(countryCode)),
      m_currencyCode(std::move(currencyCode)),
      m_tipIndicator(std::move(tipIndicator)),
      m_tipAmount(std::move(tipAmount)),
      m_tipPercentage(std::move(tipPercentage)),
      m_postalCode(std::move(postalCode)),
      m_mastercardPan1(std::move(mastercardPan1)),
      m_mastercardPan2(std::move(mastercardPan2)),
      m_npciid1(std::move(npciid1)),
      m_npciid2(std::move(npciid2))
{
}

TavroPaymentRequest::TavroPaymentRequest(const platform::AnyValue::Dictionary& tagValueDictionary)
    : m_pointOfInitiation(textFor(tagValueDictionary, "01")),
      m_tavroMerchantID(textFor(tagValueDictionary, "02")),
      m_merchantName(textFor(tagValueDictionary, "59")),
      m_merchantCategoryCode(textFor(tagValueDictionary, "52")),
      m_cityName(textFor(tagValueDictionary, "60")),
      m_countryCode(textFor(tagValueDictionary, "58")),
      m_currencyCode(textFor(tagValueDictionary, "53")),
      m_tipIndicator(std::string()),
      m_tipAmount(std::string()),
      m_tipPercentage(std::string()),
      m_postalCode(textFor(tagValueDictionary, "61")),
      m_mastercardPan1(textFor(tagValueDictionary, "04")),
      m_mastercardPan2(textFor(tagValueDictionary, "05")),
      m_npciid1(textFor(tagValueDictionary, "06")),
      m_npciid2(textFor(tagValueDictionary, "07")),
      m_tagValueDictionary(TLVGenerator::placeableCopy(tagValueDictionary))
{
    primeParser(TLVMapParser::shared());
    TavroSessionState::shared().setMerchantSDKEmvCoSupported(true);
}

void TavroPaymentRequest::primeParser(TLVMapParser& parser) const
{
    if (m_tagValueDictionary) {
        parser.setTLVDataDictionary(*m_tagValueDictionary);
    } else {
        parser.setTLVDataDictionary(std::nullopt);
    }
    parser.prepareTLV();
}

std::shared_ptr<TavroPaymentRequest> TavroPaymentRequest::clone() const
{
    if (!m_tagValueDictionary) {
        return copy();
    }
    auto rebuilt = platform::NSObject::create<TavroPaymentRequest>(*m_tagValueDictionary);
    rebuilt->setAmountAndAdditionalData(*this);
    return rebuilt;
}

std::shared_ptr<TavroPaymentRequest> TavroPaymentRequest::copy() const
{
    auto copy = platform::NSObject::create<TavroPaymentRequest>(
        m_payloadFormatIndicator, std::string(), m_tavroMerchantID, m_merchantName, m_merchantCategoryCode, m_cityName,
        m_countryCode, m_currencyCode, std::string(), std::string(), std::string(), std::string(), m_mastercardPan1,
        m_mastercardPan2, m_npciid1, m_npciid2);
    copy->m_pointOfInitiation = m_pointOfInitiation;
    copy->m_tipIndicator = m_tipIndicator;
    copy->m_tipAmount = m_tipAmount;
    copy->m_tipPercentage = m_tipPercentage;
    copy->m_postalCode = m_postalCode;
    copy->m_tagValueDictionary = m_tagValueDictionary;
    copy->setAmountAndAdditionalData(*this);
    return copy;
}

void TavroPaymentRequest::setAmountAndAdditionalData(const TavroPaymentRequest& other)
{
    m_transactionAmount = other.m_transactionAmount;
    m_billID = other.m_billID;
    m_mobileNumber = other.m_mobileNumber;
    m_storeID = other.m_storeID;
    m_loyaltyNumber = other.m_loyaltyNumber;
    m_referenceID = other.m_referenceID;
    m_consumerID = other.m_consumerID;
    m_terminalID = other.m_terminalID;
    m_purpose = other.m_purpose;
}

} // namespace tavro
