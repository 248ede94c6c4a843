#pragma once
// TavroQRUtility: the inverse tag map and the payload checksum.
// The checksum is CRC-16 with polynomial 0x1021, initial value 0xFFFF, most significant bit
// first, no reflection and no final XOR, over the UTF-8 bytes of the text up to and including
// "6304", written as four upper-case hexadecimal digits.

#include "TavroMerchantSDK/payload/TagKeyMap.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace tavro {

class TavroQRUtility {
public:
    TavroQRUtility() = delete;

    static constexpr std::uint16_t crcPolynomial = 0x1021;
    static constexpr std::uint16_t crcInitialValue = 0xFFFF;

    // A new map from property name to payload ID, one row per row of tagKeyMap() (114 rows).
    static TagMap keyTagMapping();

    // The CRC of the text's bytes in upper-case hexadecimal without leading zeros ("A", "29B1").
    static std::string getCrc(std::string_view tlvStr);
    // `crc` with "0" put in front until it has 4 characters; longer text comes back unchanged.
    static std::string prefixZeros(std::string crc);
    // The 256-entry lookup table of `poly` for most-significant-bit-first CRC-16.
    static std::array<std::uint16_t, 256> genCrc16TableMsb(std::uint16_t poly);
    // The CRC-16 of `data` (the initial value for an empty sequence).
    static std::uint16_t calculateCrcMsb(std::span<const std::uint8_t> data, std::uint16_t poly,
                                         std::uint16_t initialCrcValue);

    // The payload checksum of the text's bytes (poly 0x1021, initial 0xFFFF).
    static std::uint16_t crc16(std::string_view bytes);
    // The payload checksum as its four-character text: prefixZeros(getCrc(tlvStr)).
    static std::string checksumText(std::string_view tlvStr);
};

} // namespace tavro
