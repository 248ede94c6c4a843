#include "TavroMerchantSDK/core/TavroPaymentRequest.h"

#include "TavroMerchantSDK/core/PlainDecimal.h"
#include "TavroMerchantSDK/core/TavroSessionState.h"
#include "TavroMerchantSDK/payload/PayloadFraming.h"
#include "TavroMerchantSDK/payload/QRCodeTag.h"
#include "TavroMerchantSDK/payload/TLVMapParser.h"
#include "platform/foundation/DebugLog.h"
#include "platform/foundation/Text.h"

#include <array>

namespace tavro {

namespace {

using payloadframing::kMaxValueLength;

// The sub-ID of an additional-data field ("01" of "6201").
constexpr std::string_view subId(std::string_view id)
{
    return id.substr(2);
}

void appendEntry(std::string& payload, std::string_view tag, std::string_view value)
{
    const std::size_t length = platform::text::codePointCount(value);
    if (length == 0) {
        return;
    }
    if (length > kMaxValueLength) {
        platform::debugLog("Payload entry " + std::string(tag) + " left out: its value has " + std::to_string(length) +
                           " characters, more than 99");
        return;
    }
    payloadframing::appendEntry(payload, tag, value, length);
}

void appendEntry(std::string& payload, std::string_view tag, const std::optional<std::string>& value)
{
    if (value) {
        appendEntry(payload, tag, std::string_view(*value));
    }
}

} // namespace

std::string TavroPaymentRequest::addToTLV(const std::string& tlvString, const std::string& tlvTag,
                                          const OptionalText& tlvValue) const
{
    std::string result = tlvString;
    appendEntry(result, tlvTag, tlvValue);
    return result;
}

std::string TavroPaymentRequest::additionalDataContent() const
{
    std::string content;
    appendEntry(content, subId(QRCodeTag::billID), m_billID);
    appendEntry(content, subId(QRCodeTag::mobileNumber), m_mobileNumber);
    appendEntry(content, subId(QRCodeTag::storeID), m_storeID);
    appendEntry(content, subId(QRCodeTag::loyaltyNumber), m_loyaltyNumber);
    appendEntry(content, subId(QRCodeTag::referenceID), m_referenceID);
    appendEntry(content, subId(QRCodeTag::consumerID), m_consumerID);
    appendEntry(content, subId(QRCodeTag::terminalID), m_terminalID);
    appendEntry(content, subId(QRCodeTag::purpose), m_purpose);
    return content;
}

void TavroPaymentRequest::appendAmountAndAdditionalData(std::string& payload) const
{
    if (m_transactionAmount && !m_transactionAmount->empty()) {
        const auto amount = readPlainDecimal(*m_transactionAmount);
        if (amount && *amount > 0) {
            appendEntry(payload, QRCodeTag::transactionAmount, std::string_view(*m_transactionAmount));
        } else {
            platform::debugLog("Payload amount left out: \"" + *m_transactionAmount +
                               "\" is not a positive plain decimal");
        }
    }
    appendEntry(payload, QRCodeTag::additionalDataFieldTemplate, std::string_view(additionalDataContent()));
}

std::string TavroPaymentRequest::getTLVForPlainObject() const
{
    std::string payload;
    payload.reserve(192);
    appendEntry(payload, QRCodeTag::payloadFormatIndicator, std::string_view(m_payloadFormatIndicator));
    appendEntry(payload, QRCodeTag::pointOfInitiation, m_pointOfInitiation);
    appendEntry(payload, QRCodeTag::tavroMerchantID, std::string_view(m_tavroMerchantID));
    appendEntry(payload, QRCodeTag::merchantName, std::string_view(m_merchantName));
    appendEntry(payload, QRCodeTag::merchantCategoryCode, std::string_view(m_merchantCategoryCode));
    appendEntry(payload, QRCodeTag::cityName, std::string_view(m_cityName));
    appendEntry(payload, QRCodeTag::countryCode, std::string_view(m_countryCode));
    appendEntry(payload, QRCodeTag::currencyCode, std::string_view(m_currencyCode));
    appendEntry(payload, QRCodeTag::tipAndFeeIndicator, m_tipIndicator);
    appendEntry(payload, QRCodeTag::convenienceFeeAmount, m_tipAmount);
    appendEntry(payload, QRCodeTag::convenienceFeePercentage, m_tipPercentage);
    appendEntry(payload, QRCodeTag::postalCode, m_postalCode);
    appendEntry(payload, QRCodeTag::masterCardPAN1, std::string_view(m_mastercardPan1));
    appendEntry(payload, QRCodeTag::masterCardPAN2, std::string_view(m_mastercardPan2));
    appendEntry(payload, QRCodeTag::npciid1, std::string_view(m_npciid1));
    appendEntry(payload, QRCodeTag::npciid2, std::string_view(m_npciid2));
    appendAmountAndAdditionalData(payload);
    payloadframing::appendChecksumEntry(payload);
    return payload;
}

void TavroPaymentRequest::updateTLV() const
{
    updateTLV(TLVMapParser::shared());
}

void TavroPaymentRequest::updateTLV(TLVMapParser& parser) const
{
    if (m_tagValueDictionary) {
        primeParser(parser);
    }
    // A dictionary that could not be framed leaves text that is no payload (its validation says
    // "0"); editing it would misread values as entries.
    const auto& refusal = parser.tavroError();
    const bool unframed = m_tagValueDictionary && refusal && refusal->errorCodes() == std::vector<std::string>{"0"};
    // Only a payload is edited: whole entries closed by the checksum entry. Anything else, the
    // empty text an earlier refusal left included, gives no payload again.
    std::optional<std::string> payload;
    if (!unframed) {
        if (const auto entries = payloadframing::entriesBeforeChecksumEntry(parser.tlvString())) {
            payload = payloadframing::removingTopLevelEntries(
                *entries, {QRCodeTag::transactionAmount, QRCodeTag::additionalDataFieldTemplate});
        }
    }
    if (!payload) {
        platform::debugLog("Payload not written: the parser's text is not a run of whole entries ending with the "
                           "checksum entry");
        parser.setTlvString(std::string());
        return;
    }
    appendAmountAndAdditionalData(*payload);
    payloadframing::appendChecksumEntry(*payload);
    parser.setTlvString(std::move(*payload));
}

std::string TavroPaymentRequest::getTLV() const
{
    return payloadText(TLVMapParser::shared());
}

std::string TavroPaymentRequest::payloadText(TLVMapParser& parser) const
{
    if (!m_tagValueDictionary) {
        return getTLVForPlainObject();
    }
    updateTLV(parser);
    return parser.tlvString();
}

std::pair<bool, bool> TavroPaymentRequest::getAdditionalTlvValidCount() const
{
    if (TavroSessionState::shared().sdkType() != SDKType::merchant) {
        return {false, false};
    }
    // Counted as if every value were written, so a value too long to frame still shows as
    // overflowing instead of silently vanishing from the count.
    const std::array<const OptionalText*, 8> fields = {&m_billID,      &m_mobileNumber, &m_storeID,    &m_loyaltyNumber,
                                                       &m_referenceID, &m_consumerID,   &m_terminalID, &m_purpose};
    std::size_t length = 0;
    for (const OptionalText* field : fields) {
        if (*field && !(*field)->empty()) {
            length += 4 + platform::text::codePointCount(**field);
        }
    }
    return {length > 99, length > 98};
}

} // namespace tavro
