#include "TavroMerchantSDK/payload/TavroQRUtility.h"

#include <cstring>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

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

// The CRC after eight more bytes: eight independent lookups.
inline std::uint16_t crcOfEightBytes(std::uint16_t crc, const std::uint8_t* data)
{
    const auto b0 = static_cast<std::uint8_t>(data[0] ^ (crc >> 8));
    const auto b1 = static_cast<std::uint8_t>(data[1] ^ (crc & 0xFF));
    return static_cast<std::uint16_t>(kSlices[7][b0] ^ kSlices[6][b1] ^ kSlices[5][data[2]] ^ kSlices[4][data[3]] ^
                                      kSlices[3][data[4]] ^ kSlices[2][data[5]] ^ kSlices[1][data[6]] ^
                                      kSlices[0][data[7]]);
}

// Slicing by eight: the portable path, and the one for short texts.
std::uint16_t slicingCrc(const std::uint8_t* data, std::size_t size, std::uint16_t crc)
{
    for (; size >= kSliceCount; data += kSliceCount, size -= kSliceCount) {
        crc = crcOfEightBytes(crc, data);
    }
    return crcWithTable(kSlices[0], data, size, crc);
}

#if defined(__x86_64__)
#define TAVRO_CRC_FOLDING 1

// x^power mod the payload polynomial.
constexpr std::uint64_t xPowerMod(unsigned power)
{
    std::uint32_t remainder = 1;
    for (unsigned i = 0; i < power; ++i) {
        remainder <<= 1;
        if (remainder & 0x10000) {
            remainder ^= 0x10000 | TavroQRUtility::crcPolynomial;
        }
    }
    return remainder;
}

// Folding with carry-less multiplication. The text is read as one long polynomial, 16 bytes at a
// time, first byte highest. A 128-bit block H * x^64 + L followed by `distance` more bits of
// text counts, modulo the polynomial P, as H * (x^(distance + 64) mod P) + L * (x^distance mod P),
// which fits in 80 bits: so the whole text folds into one 16-byte remainder with the same CRC,
// which the slicing tables finish. Zero bytes in front of a text leave a CRC that starts from zero
// unchanged, so a text whose length is no multiple of 16 is read as if led by enough of them.
class Folding {
public:
    // `size` is at least 32.
    __attribute__((target("pclmul,ssse3"))) static std::uint16_t crcOf(const std::uint8_t* data, std::size_t size,
                                                                       std::uint16_t crc)
    {
        // The first block: the CRC to start from added to its first two bytes, which leaves a
        // CRC that starts from zero, then its bytes moved down past the zeros that lead them. A
        // first block of one byte has no room for that: the byte goes through the table first.
        if (size % 16 == 1) {
            crc = step(kSlices[0], crc, *data);
            ++data;
            --size;
        }
        const std::size_t leadingZeros = (16 - size % 16) % 16;
        const __m128i first = _mm_xor_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(data)),
                                            _mm_cvtsi32_si128((crc >> 8) | ((crc & 0xFF) << 8)));
        __m128i remainder = _mm_shuffle_epi8(first, reversalAfter(leadingZeros));
        data += 16 - leadingZeros;
        size -= 16 - leadingZeros;
        // Four blocks a step: only the remainder's fold waits for the step before.
        const __m128i by512 = multipliers<512>(), by384 = multipliers<384>(), by256 = multipliers<256>();
        const __m128i by128 = multipliers<128>();
        for (; size >= 64; data += 64, size -= 64) {
            remainder = _mm_xor_si128(_mm_xor_si128(fold(remainder, by512), fold(load(data), by384)),
                                      _mm_xor_si128(fold(load(data + 16), by256), fold(load(data + 32), by128)));
            remainder = _mm_xor_si128(remainder, load(data + 48));
        }
        for (; size > 0; data += 16, size -= 16) {
            remainder = _mm_xor_si128(fold(remainder, by128), load(data));
        }
        alignas(16) std::uint8_t bytes[16];
        _mm_store_si128(reinterpret_cast<__m128i*>(bytes), _mm_shuffle_epi8(remainder, reversalAfter(0)));
        return crcOfEightBytes(crcOfEightBytes(0, bytes), bytes + 8);
    }

private:
    // The shuffle that reverses a block's first 16 - `zeros` bytes and puts `zeros` zero bytes
    // above them: the block's bytes as a polynomial, first byte highest, led by that many zeros.
    __attribute__((target("ssse3"))) static __m128i reversalAfter(std::size_t zeros)
    {
        static constexpr std::uint8_t kWindow[32] = {15,   14,   13,   12,   11,   10,   9,    8,    7,    6,    5,
                                                     4,    3,    2,    1,    0,    0x80, 0x80, 0x80, 0x80, 0x80, 0x80,
                                                     0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80};
        return _mm_loadu_si128(reinterpret_cast<const __m128i*>(kWindow + zeros));
    }

    // Sixteen bytes as a 128-bit polynomial, the first byte highest.
    __attribute__((target("ssse3"))) static __m128i load(const std::uint8_t* data)
    {
        return _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(data)), reversalAfter(0));
    }

    // The multipliers that move a block `distance` bits: for its low half, then its high half.
    template <unsigned distance>
    static __m128i multipliers()
    {
        constexpr std::uint64_t low = xPowerMod(distance), high = xPowerMod(distance + 64);
        return _mm_set_epi64x(static_cast<long long>(high), static_cast<long long>(low));
    }

    __attribute__((target("pclmul"))) static __m128i fold(__m128i block, __m128i multipliers)
    {
        return _mm_xor_si128(_mm_clmulepi64_si128(block, multipliers, 0x00),
                             _mm_clmulepi64_si128(block, multipliers, 0x11));
    }
};

bool hasCarrylessMultiply()
{
    static const bool supported = [] {
        __builtin_cpu_init(); // in case the first checksum is taken before static initialisation ends
        return __builtin_cpu_supports("pclmul") && __builtin_cpu_supports("ssse3");
    }();
    return supported;
}
#endif

std::uint16_t fastCrc(const std::uint8_t* data, std::size_t size, std::uint16_t crc)
{
#ifdef TAVRO_CRC_FOLDING
    // Below two blocks the slicing tables alone are as fast.
    if (size >= 32 && hasCarrylessMultiply()) {
        return Folding::crcOf(data, size, crc);
    }
#endif
    return slicingCrc(data, size, crc);
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
