#include "TavroMerchantSDK/payload/TLVMapParser.h"

#include "TavroMerchantSDK/payload/QRCodeTag.h"
#include "TavroMerchantSDK/payload/TLVGenerator.h"
#include "platform/foundation/ResetForTesting.h"

#include <array>
#include <string_view>

namespace tavro {

namespace {

// Entries the SDK core adds itself after encoding: checksum, additional data, amount.
constexpr std::array<std::string_view, 6> kKeysLeftOut = {
    QRCodeTag::crc,
    "crc",
    QRCodeTag::additionalDataFieldTemplate,
    "additionalDataFieldTemplate",
    QRCodeTag::transactionAmount,
    "transactionAmount",
};

} // namespace

TLVMapParser& TLVMapParser::shared()
{
    static TLVMapParser instance;
    static const bool registered = [] {
        platform::registerResetForTesting(&TLVMapParser::resetForTesting);
        return true;
    }();
    (void)registered;
    return instance;
}

void TLVMapParser::resetForTesting()
{
    shared() = TLVMapParser();
}

void TLVMapParser::setTLVDataDictionary(const platform::AnyValue::Dictionary& value)
{
    m_tLVDataDictionary = TLVGenerator::placeableCopy(value);
}

void TLVMapParser::prepareTLV()
{
    if (!m_tLVDataDictionary) {
        return;
    }
    EncodedPayload payload = TLVGenerator::encode(*m_tLVDataDictionary, kKeysLeftOut);
    std::vector<std::string> codes = TLVGenerator::tlvValidation(payload);
    m_tlvString = std::move(payload.text);
    m_tavroError = codes.empty() ? nullptr : std::make_shared<TavroError>(std::move(codes));
}

} // namespace tavro
