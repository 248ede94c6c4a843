// The checksum entry ("63"): CRC-16 (polynomial 0x1021, initial value 0xFFFF) of the payload's
// UTF-8 bytes up to and including "6304".

#include "TavroMerchantSDK/payload/AsciiScan.h"
#include "TavroMerchantSDK/payload/TavroErrorConstants.h"
#include "TavroMerchantSDK/payload/TavroPayMerchantTLVValidator.h"
#include "TavroMerchantSDK/payload/TavroPayMerchantTLVValidatorText.h"
#include "TavroMerchantSDK/payload/TavroQRUtility.h"
#include "platform/foundation/Text.h"

namespace tavro {

namespace text = platform::text;

namespace {

// Exactly four ASCII hexadecimal digits of either case; no sign, no blank.
std::optional<std::uint16_t> readChecksum(std::string_view value)
{
    if (value.size() != 4)
        return std::nullopt;
    std::uint16_t number = 0;
    for (char c : value) {
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else
            return std::nullopt;
        number = static_cast<std::uint16_t>(number << 4 | digit);
    }
    return number;
}

} // namespace

// The validator's own pair computes exactly what the writer computes, so it is the writer's.
std::array<std::uint16_t, 256> TavroPayMerchantTLVValidator::genCrc16TableMsb(std::uint16_t poly)
{
    return TavroQRUtility::genCrc16TableMsb(poly);
}

std::uint16_t TavroPayMerchantTLVValidator::calculateCrcMsb(std::span<const std::uint8_t> bytes, std::uint16_t poly,
                                                            std::uint16_t initialCrcValue)
{
    return TavroQRUtility::calculateCrcMsb(bytes, poly, initialCrcValue);
}

void TavroPayMerchantTLVValidator::validateCRC(const OptionalText& crc, const OptionalText& tlvString)
{
    if (tlvString)
        validateCRCOfText(crc, *tlvString);
}

void TavroPayMerchantTLVValidator::validateCRCOfText(const OptionalText& crc, std::string_view tlvString)
{
    if (!crc)
        return;
    const std::size_t crcLength = validator_text::codePointCount(*crc);
    const bool ascii = detail::isAsciiText(tlvString);
    const std::size_t payloadLength = ascii ? tlvString.size() : text::codePointCount(tlvString);
    if (crcLength != 4 || payloadLength <= 4) {
        addErrorCode(TavroErrorConstants::crcInvalidValue);
        return;
    }
    const std::size_t coveredBytes =
        ascii ? payloadLength - 4 : *text::byteOffsetOfCodePoint(tlvString, payloadLength - 4);
    const std::uint16_t expected = TavroQRUtility::crc16(tlvString.substr(0, coveredBytes));
    const auto given = readChecksum(*crc);
    if (!given || *given != expected)
        addErrorCode(TavroErrorConstants::crcInvalidValue);
}

} // namespace tavro
