// The checksum entry ("63"): CRC-16 (polynomial 0x1021, initial value 0xFFFF) of the payload's
// UTF-8 bytes up to and including "6304".

#include "TavroMerchantSDK/payload/TavroErrorConstants.h"
#include "TavroMerchantSDK/payload/TavroPayMerchantTLVValidator.h"
#include "platform/foundation/Text.h"

namespace tavro {

namespace text = platform::text;

namespace {

constexpr std::uint16_t kPolynomial = 0x1021;
constexpr std::uint16_t kInitialValue = 0xFFFF;

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

std::uint16_t crcWithTable(const std::array<std::uint16_t, 256>& table,
                           std::span<const std::uint8_t> bytes, std::uint16_t crc)
{
    for (std::uint8_t byte : bytes)
        crc = static_cast<std::uint16_t>(table[(byte ^ (crc >> 8)) & 0xFF] ^ ((crc & 0xFF) << 8));
    return crc;
}

} // namespace

std::array<std::uint16_t, 256> TavroPayMerchantTLVValidator::genCrc16TableMsb(std::uint16_t poly)
{
    std::array<std::uint16_t, 256> table{};
    for (unsigned i = 0; i < 256; ++i) {
        unsigned crc = i << 8;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x8000) ? (crc << 1) ^ poly : crc << 1;
        table[i] = static_cast<std::uint16_t>(crc & 0xFFFF);
    }
    return table;
}

std::uint16_t TavroPayMerchantTLVValidator::calculateCrcMsb(std::span<const std::uint8_t> bytes,
                                                            std::uint16_t poly,
                                                            std::uint16_t initialCrcValue)
{
    // The payload polynomial's table is built once; others are built per call.
    static const std::array<std::uint16_t, 256> payloadTable = genCrc16TableMsb(kPolynomial);
    if (poly != kPolynomial)
        return crcWithTable(genCrc16TableMsb(poly), bytes, initialCrcValue);
    return crcWithTable(payloadTable, bytes, initialCrcValue);
}

void TavroPayMerchantTLVValidator::validateCRC(const OptionalText& crc, const OptionalText& tlvString)
{
    if (!crc || !tlvString)
        return;
    const std::size_t crcLength = text::codePointCount(*crc);
    const bool ascii = text::isAscii(*tlvString);
    const std::size_t payloadLength = ascii ? tlvString->size() : text::codePointCount(*tlvString);
    if (crcLength != 4 || payloadLength <= 4) {
        addErrorCode(TavroErrorConstants::crcInvalidValue);
        return;
    }
    const std::size_t coveredBytes =
        ascii ? payloadLength - 4 : *text::byteOffsetOfCodePoint(*tlvString, payloadLength - 4);
    const auto* data = reinterpret_cast<const std::uint8_t*>(tlvString->data());
    const std::uint16_t expected =
        calculateCrcMsb(std::span(data, coveredBytes), kPolynomial, kInitialValue);
    const auto given = readChecksum(*crc);
    if (!given || *given != expected)
        addErrorCode(TavroErrorConstants::crcInvalidValue);
}

} // namespace tavro
