// The checksum entry ("63"): CRC-16 (polynomial 0x1021, initial value 0xFFFF) of the payload's
// UTF-8 bytes up to and including "6304".

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

// The byte count of the text less its last four code points; 0 when it has no more than four
// (any more leave at least one byte).
std::size_t bytesBeforeLastFourCodePoints(std::string_view text)
{
    constexpr std::size_t kTail = 4;
    if (text.size() <= kTail)
        return 0;
    // An ASCII byte is a code point of its own in any text, well-formed or not, so four ASCII
    // bytes at the end (the checksum's digits, nearly always) are the last four code points
    // without a look at the rest.
    if (text::isAscii(text.substr(text.size() - kTail)))
        return text.size() - kTail;
    if (text::isValidUtf8(text)) {
        // Every code point of valid UTF-8 starts at a byte that is not a continuation byte
        // (10xxxxxx), so the tail is found from the end without counting the whole text.
        std::size_t offset = text.size();
        std::size_t starts = 0;
        while (starts < kTail && offset > 0) {
            --offset;
            if ((static_cast<unsigned char>(text[offset]) & 0xC0) != 0x80)
                ++starts;
        }
        return starts == kTail ? offset : 0;
    }
    // Ill-formed text counts each maximal ill-formed sequence as one code point.
    const std::size_t length = text::codePointCount(text);
    return length > kTail ? *text::byteOffsetOfCodePoint(text, length - kTail) : 0;
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
    const std::size_t coveredBytes = bytesBeforeLastFourCodePoints(tlvString);
    if (crcLength != 4 || coveredBytes == 0) {
        addErrorCode(TavroErrorConstants::crcInvalidValue);
        return;
    }
    const std::uint16_t expected = TavroQRUtility::crc16(tlvString.substr(0, coveredBytes));
    const auto given = readChecksum(*crc);
    if (!given || *given != expected)
        addErrorCode(TavroErrorConstants::crcInvalidValue);
}

} // namespace tavro
