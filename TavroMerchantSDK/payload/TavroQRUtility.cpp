#include "TavroMerchantSDK/payload/TavroQRUtility.h"

#include <cstring>

namespace tavro {

namespace {

constexpr std::array<std::uint16_t, 256> makeTable(std::uint16_t poly)
{
    std::array<std::uint16_t, 256> table{};
    for (std::uint32_t i = 0; i < 256; ++i) {
        std::uint32_t c = i << 8;
        for (int bit = 0; bit < 8; ++bit) {
            c = (c & 0x8000) ? ((c << 1) ^ poly) : (c << 1);
        }
        table[i] = static_cast<std::uint16_t>(c & 0xFFFF);
    }
    return table;
}

constexpr std::uint16_t step(const std::array<std::uint16_t, 256>& table, std::uint16_t crc, std::uint8_t byte)
{
    return static_cast<std::uint16_t>(table[(byte ^ (crc >> 8)) & 0xFF] ^ ((crc & 0xFF) << 8));
}

// Slicing tables for the payload polynomial: kSlices[k][b] is the CRC contribution of byte b
// followed by k zero bytes, so eight bytes are folded in with eight independent lookups.
constexpr std::size_t kSliceCount = 8;
using SliceTables = std::array<std::array<std::uint16_t, 256>, kSliceCount>;

constexpr SliceTables makeSlices()
{
    SliceTables slices{};
    slices[0] = makeTable(TavroQRUtility::crcPolynomial);
    for (std::size_t k = 1; k < kSliceCount; ++k) {
        for (std::size_t b = 0; b < 256; ++b) {
            slices[k][b] = step(slices[0], slices[k - 1][b], 0);
        }
    }
    return slices;
}

constexpr SliceTables kSlices = makeSlices();
static_assert(kSlices[0][1] == 0x1021 && kSlices[0][2] == 0x2042 && kSlices[0][255] == 0x1EF0);

std::uint16_t crcWithTable(const std::array<std::uint16_t, 256>& table, const std::uint8_t* data, std::size_t size,
                           std::uint16_t crc)
{
    for (std::size_t i = 0; i < size; ++i) {
        crc = step(table, crc, data[i]);
    }
    return crc;
}

std::uint16_t fastCrc(const std::uint8_t* data, std::size_t size, std::uint16_t crc)
{
    while (size >= kSliceCount) {
        const std::uint8_t b0 = static_cast<std::uint8_t>(data[0] ^ (crc >> 8));
        const std::uint8_t b1 = static_cast<std::uint8_t>(data[1] ^ (crc & 0xFF));
        crc = static_cast<std::uint16_t>(kSlices[7][b0] ^ kSlices[6][b1] ^ kSlices[5][data[2]] ^ kSlices[4][data[3]] ^
                                         kSlices[3][data[4]] ^ kSlices[2][data[5]] ^ kSlices[1][data[6]] ^
                                         kSlices[0][data[7]]);
        data += kSliceCount;
        size -= kSliceCount;
    }
    return crcWithTable(kSlices[0], data, size, crc);
}

std::string hexWithoutLeadingZeros(std::uint16_t value)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    char buffer[4];
    int count = 0;
    do {
        buffer[3 - count] = kDigits[value & 0xF];
        value = static_cast<std::uint16_t>(value >> 4);
        ++count;
    } while (value != 0);
    return std::string(buffer + 4 - count, static_cast<std::size_t>(count));
}

} // namespace

TagMap TavroQRUtility::keyTagMapping()
{
    TagMap result;
    for (const auto& [id, name] : tagKeyMap()) {
        result[name] = id;
    }
    return result;
}

std::string TavroQRUtility::getCrc(std::string_view tlvStr)
{
    return hexWithoutLeadingZeros(crc16(tlvStr));
}

std::string TavroQRUtility::prefixZeros(std::string crc)
{
    if (crc.size() < 4) {
        crc.insert(0, 4 - crc.size(), '0');
    }
    return crc;
}

std::array<std::uint16_t, 256> TavroQRUtility::genCrc16TableMsb(std::uint16_t poly)
{
    return makeTable(poly);
}

std::uint16_t TavroQRUtility::calculateCrcMsb(std::span<const std::uint8_t> data, std::uint16_t poly,
                                              std::uint16_t initialCrcValue)
{
    if (poly == crcPolynomial) {
        return fastCrc(data.data(), data.size(), initialCrcValue);
    }
    return crcWithTable(genCrc16TableMsb(poly), data.data(), data.size(), initialCrcValue);
}

std::uint16_t TavroQRUtility::crc16(std::string_view bytes)
{
    return fastCrc(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(), crcInitialValue);
}

std::string TavroQRUtility::checksumText(std::string_view tlvStr)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    const std::uint16_t crc = crc16(tlvStr);
    return {kDigits[(crc >> 12) & 0xF], kDigits[(crc >> 8) & 0xF], kDigits[(crc >> 4) & 0xF], kDigits[crc & 0xF]};
}

} // namespace tavro
