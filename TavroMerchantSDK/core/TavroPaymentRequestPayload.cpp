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

// Appends the entry; false when a value is set but too long to frame, and so left out.
bool appendEntry(std::string& payload, std::string_view tag, std::string_view value)
{
    const std::size_t length = platform::text::codePointCount(value);
    if (length == 0) {
        return true;
    }
    if (length > kMaxValueLength) {
        platform::debugLog("Payload entry " + std::string(tag) + " left out: its value has " + std::to_string(length) +
                           " characters, more than 99");
        return false;
    }
    payloadframing::appendEntry(payload, tag, value, length);
    return true;
}

bool appendEntry(std::string& payload, std::string_view tag, const std::optional<std::string>& value)
{
    return !value || appendEntry(payload, tag, std::string_view(*value));
}

// Plain decimal text, or "-" and plain decimal text: an amount of zero or less, which asks for
// no amount rather than a wrong one.
bool isAmountOfNothing(std::string_view amount)
{
    if (amount.starts_with('-')) {
        return platform::text::isPlainDecimal(amount.substr(1));
    }
    return platform::text::isPlainDecimal(amount) && significantDigitCount(amount) == 0;
}

} // namespace

std::string TavroPaymentRequest::addToTLV(const std::string& tlvString, const std::string& tlvTag,
                                          const OptionalText& tlvValue) const
{
    std::string result = tlvString;
    appendEntry(result, tlvTag, tlvValue);
    return result;
}

std::string TavroPaymentRequest::additionalDataContent(LeftOutIds& leftOut) const
{
    std::string content;
    const std::pair<std::string_view, const OptionalText*> fields[] = {
        {QRCodeTag::billID, &m_billID},           {QRCodeTag::mobileNumber, &m_mobileNumber},
        {QRCodeTag::storeID, &m_storeID},         {QRCodeTag::loyaltyNumber, &m_loyaltyNumber},
        {QRCodeTag::referenceID, &m_referenceID}, {QRCodeTag::consumerID, &m_consumerID},
        {QRCodeTag::terminalID, &m_terminalID},   {QRCodeTag::purpose, &m_purpose},
    };
    for (const auto& [id, value] : fields) {
        if (!appendEntry(content, subId(id), *value)) {
            leftOut.emplace_back(id);
        }
    }
    return content;
}

void TavroPaymentRequest::appendAmountAndAdditionalData(std::string& payload, LeftOutIds& leftOut) const
{
    if (m_transactionAmount && !m_transactionAmount->empty()) {
        const std::string& amount = *m_transactionAmount;
        if (platform::text::isPlainDecimal(amount) && significantDigitCount(amount) > 0) {
            if (!appendEntry(payload, QRCodeTag::transactionAmount, std::string_view(amount))) {
                leftOut.emplace_back(QRCodeTag::transactionAmount);
            }
        } else {
            platform::debugLog("Payload amount left out: \"" + amount + "\" is not a positive plain decimal");
            if (!isAmountOfNothing(amount)) {
                leftOut.emplace_back(QRCodeTag::transactionAmount);
            }
        }
    }
    const std::string content = additionalDataContent(leftOut);
    if (!appendEntry(payload, QRCodeTag::additionalDataFieldTemplate, std::string_view(content))) {
        leftOut.emplace_back(QRCodeTag::additionalDataFieldTemplate);
    }
}

std::string TavroPaymentRequest::getTLVForPlainObject() const
{
    return writePlainPayload().text;
}

TavroPaymentRequest::WrittenPayload TavroPaymentRequest::writePlainPayload() const
{
    WrittenPayload written;
    std::string& payload = written.text;
    payload.reserve(192);
    const auto add = [&](std::string_view tag, const auto& value) {
        if (!appendEntry(payload, tag, value)) {
            written.leftOut.emplace_back(tag);
        }
    };
    add(QRCodeTag::payloadFormatIndicator, std::string_view(m_payloadFormatIndicator));
    add(QRCodeTag::pointOfInitiation, m_pointOfInitiation);
    add(QRCodeTag::tavroMerchantID, std::string_view(m_tavroMerchantID));
    add(QRCodeTag::merchantName, std::string_view(m_merchantName));
    add(QRCodeTag::merchantCategoryCode, std::string_view(m_merchantCategoryCode));
    add(QRCodeTag::cityName, std::string_view(m_cityName));
    add(QRCodeTag::countryCode, std::string_view(m_countryCode));
    add(QRCodeTag::currencyCode, std::string_view(m_currencyCode));
    add(QRCodeTag::tipAndFeeIndicator, m_tipIndicator);
    add(QRCodeTag::convenienceFeeAmount, m_tipAmount);
    add(QRCodeTag::convenienceFeePercentage, m_tipPercentage);
    add(QRCodeTag::postalCode, m_postalCode);
    add(QRCodeTag::masterCardPAN1, std::string_view(m_mastercardPan1));
    add(QRCodeTag::masterCardPAN2, std::string_view(m_mastercardPan2));
    add(QRCodeTag::npciid1, std::string_view(m_npciid1));
    add(QRCodeTag::npciid2, std::string_view(m_npciid2));
    appendAmountAndAdditionalData(payload, written.leftOut);
    payloadframing::appendChecksumEntry(payload);
    return written;
}

void TavroPaymentRequest::updateTLV() const
{
    updateTLV(TLVMapParser::shared());
}

TavroPaymentRequest::LeftOutIds TavroPaymentRequest::updateTLV(TLVMapParser& parser) const
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
        return {};
    }
    LeftOutIds leftOut;
    appendAmountAndAdditionalData(*payload, leftOut);
    payloadframing::appendChecksumEntry(*payload);
    parser.setTlvString(std::move(*payload));
    return leftOut;
}

std::string TavroPaymentRequest::getTLV() const
{
    return writePayload(TLVMapParser::shared()).text;
}

TavroPaymentRequest::WrittenPayload TavroPaymentRequest::writePayload(TLVMapParser& parser) const
{
    if (!m_tagValueDictionary) {
        return writePlainPayload();
    }
    auto leftOut = updateTLV(parser);
    return {parser.tlvString(), std::move(leftOut)};
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
