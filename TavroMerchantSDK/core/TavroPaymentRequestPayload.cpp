#include "TavroMerchantSDK/core/TavroPaymentRequest.h"

#include "TavroMerchantSDK/core/PayloadTextEditing.h"
#include "TavroMerchantSDK/core/PlainDecimal.h"
#include "TavroMerchantSDK/core/TavroSessionState.h"
#include "TavroMerchantSDK/payload/TLVMapParser.h"
#include "TavroMerchantSDK/payload/TavroQRUtility.h"
#include "platform/foundation/DebugLog.h"
#include "platform/foundation/Text.h"

#include <array>

namespace tavro {

namespace {

// The two-digit length has no form for more.
constexpr std::size_t kMaxValueLength = 99;
// "6304" and its four CRC characters.
constexpr std::size_t kChecksumEntryLength = 8;
constexpr std::string_view kAmountId = "54";
constexpr std::string_view kAdditionalDataId = "62";

void appendEntry(std::string& payload, std::string_view tag, std::string_view value)
{
    const std::size_t length = platform::text::codePointCount(value);
    if (length == 0) {
        return;
    }
    if (length > kMaxValueLength) {
        platform::debugLog("Payload entry " + std::string(tag) + " left out: its value has "
                           + std::to_string(length) + " characters, more than 99");
        return;
    }
    payload.append(tag);
    payload.push_back(static_cast<char>('0' + length / 10));
    payload.push_back(static_cast<char>('0' + length % 10));
    payload.append(value);
}

void appendEntry(std::string& payload, std::string_view tag, const std::optional<std::string>& value)
{
    if (value) {
        appendEntry(payload, tag, std::string_view(*value));
    }
}

void appendChecksum(std::string& payload)
{
    payload.append("6304");
    payload.append(TavroQRUtility::checksumText(payload));
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
    appendEntry(content, "01", m_billID);
    appendEntry(content, "02", m_mobileNumber);
    appendEntry(content, "03", m_storeID);
    appendEntry(content, "04", m_loyaltyNumber);
    appendEntry(content, "05", m_referenceID);
    appendEntry(content, "06", m_consumerID);
    appendEntry(content, "07", m_terminalID);
    appendEntry(content, "08", m_purpose);
    return content;
}

void TavroPaymentRequest::appendAmountAndAdditionalData(std::string& payload) const
{
    if (m_transactionAmount && !m_transactionAmount->empty()) {
        const auto amount = readPlainDecimal(*m_transactionAmount);
        if (amount && *amount > 0) {
            appendEntry(payload, kAmountId, std::string_view(*m_transactionAmount));
        } else {
            platform::debugLog("Payload amount left out: \"" + *m_transactionAmount
                               + "\" is not a positive plain decimal");
        }
    }
    appendEntry(payload, kAdditionalDataId, std::string_view(additionalDataContent()));
}

std::string TavroPaymentRequest::getTLVForPlainObject() const
{
    std::string payload;
    payload.reserve(192);
    appendEntry(payload, "00", std::string_view(m_payloadFormatIndicator));
    appendEntry(payload, "01", m_pointOfInitiation);
    appendEntry(payload, "02", std::string_view(m_tavroMerchantID));
    appendEntry(payload, "59", std::string_view(m_merchantName));
    appendEntry(payload, "52", std::string_view(m_merchantCategoryCode));
    appendEntry(payload, "60", std::string_view(m_cityName));
    appendEntry(payload, "58", std::string_view(m_countryCode));
    appendEntry(payload, "53", std::string_view(m_currencyCode));
    appendEntry(payload, "55", m_tipIndicator);
    appendEntry(payload, "56", m_tipAmount);
    appendEntry(payload, "57", m_tipPercentage);
    appendEntry(payload, "61", m_postalCode);
    appendEntry(payload, "04", std::string_view(m_mastercardPan1));
    appendEntry(payload, "05", std::string_view(m_mastercardPan2));
    appendEntry(payload, "06", std::string_view(m_npciid1));
    appendEntry(payload, "07", std::string_view(m_npciid2));
    appendAmountAndAdditionalData(payload);
    appendChecksum(payload);
    return payload;
}

void TavroPaymentRequest::updateTLV() const
{
    if (m_tagValueDictionary) {
        primeSharedParser();
    }
    TLVMapParser& parser = TLVMapParser::shared();
    // A dictionary that could not be framed leaves text that is no payload (its validation says
    // "0"); editing it would misread values as entries.
    const auto& refusal = parser.tavroError();
    const bool unframed = m_tagValueDictionary && refusal && refusal->errorCodes() == std::vector<std::string>{"0"};
    std::optional<std::string> payload;
    if (!unframed) {
        payload = payloadtext::removingTopLevelEntries(
            payloadtext::droppingLastCodePoints(parser.tlvString(), kChecksumEntryLength),
            {kAmountId, kAdditionalDataId});
    }
    if (!payload) {
        platform::debugLog("Payload not written: the parser's text is not a run of whole entries");
        parser.setTlvString(std::string());
        return;
    }
    appendAmountAndAdditionalData(*payload);
    appendChecksum(*payload);
    parser.setTlvString(std::move(*payload));
}

std::string TavroPaymentRequest::getTLV() const
{
    if (!m_tagValueDictionary) {
        return getTLVForPlainObject();
    }
    updateTLV();
    return TLVMapParser::shared().tlvString();
}

std::pair<bool, bool> TavroPaymentRequest::getAdditionalTlvValidCount() const
{
    if (TavroSessionState::shared().sdkType() != SDKType::merchant) {
        return {false, false};
    }
    // Counted as if every value were written, so a value too long to frame still shows as
    // overflowing instead of silently vanishing from the count.
    const std::array<const OptionalText*, 8> fields = {&m_billID,        &m_mobileNumber, &m_storeID,
                                                       &m_loyaltyNumber, &m_referenceID,  &m_consumerID,
                                                       &m_terminalID,    &m_purpose};
    std::size_t length = 0;
    for (const OptionalText* field : fields) {
        if (*field && !(*field)->empty()) {
            length += 4 + platform::text::codePointCount(**field);
        }
    }
    return {length > 99, length > 98};
}

} // namespace tavro
