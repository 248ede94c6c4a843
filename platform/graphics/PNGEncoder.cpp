#include "platform/graphics/PNGEncoder.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

namespace platform {

namespace {

constexpr std::array<std::uint32_t, 256> makeCrcTable()
{
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xedb88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}
constexpr auto kCrcTable = makeCrcTable();

// Folds `bytes` into a running CRC register (start at 0xffffffff, invert at the end).
std::uint32_t crc32Update(std::uint32_t c, std::string_view bytes)
{
    for (unsigned char b : bytes)
        c = kCrcTable[(c ^ b) & 0xff] ^ (c >> 8);
    return c;
}

std::uint32_t adler32(const std::uint8_t* data, size_t length)
{
    std::uint32_t a = 1, b = 0;
    while (length > 0) {
        size_t block = std::min<size_t>(length, 5552);  // largest count before the sums can overflow
        for (size_t i = 0; i < block; ++i) {
            a += data[i];
            b += a;
        }
        a %= 65521;
        b %= 65521;
        data += block;
        length -= block;
    }
    return b << 16 | a;
}

void appendBigEndian(std::string& out, std::uint32_t value)
{
    out.push_back(static_cast<char>(value >> 24));
    out.push_back(static_cast<char>(value >> 16));
    out.push_back(static_cast<char>(value >> 8));
    out.push_back(static_cast<char>(value));
}

void appendChunk(std::string& out, const char* type, std::string_view data)
{
    const std::string_view typeBytes(type, 4);
    appendBigEndian(out, static_cast<std::uint32_t>(data.size()));
    out.append(typeBytes);
    out.append(data);
    // The CRC covers type and data; it runs over both in turn rather than over a joined copy.
    appendBigEndian(out, crc32Update(crc32Update(0xffffffffu, typeBytes), data) ^ 0xffffffffu);
}

class BitWriter {
public:
    explicit BitWriter(std::string& out) : m_out(out) {}
    // Writes the low `count` bits of `bits`, least significant first.
    void put(std::uint32_t bits, int count)
    {
        m_buffer |= static_cast<std::uint64_t>(bits) << m_count;
        m_count += count;
        while (m_count >= 8) {
            m_out.push_back(static_cast<char>(m_buffer & 0xff));
            m_buffer >>= 8;
            m_count -= 8;
        }
    }
    void flush()
    {
        if (m_count > 0)
            m_out.push_back(static_cast<char>(m_buffer & 0xff));
        m_buffer = 0;
        m_count = 0;
    }

private:
    std::string& m_out;
    std::uint64_t m_buffer = 0;
    int m_count = 0;
};

struct Code {
    std::uint16_t bits;  // already bit-reversed for writing least significant first
    std::uint8_t length;
};

std::uint16_t reversed(std::uint32_t code, int length)
{
    std::uint32_t result = 0;
    for (int i = 0; i < length; ++i)
        result |= ((code >> i) & 1) << (length - 1 - i);
    return static_cast<std::uint16_t>(result);
}

// The fixed literal/length code of deflate.
std::array<Code, 288> makeFixedLiteralCodes()
{
    std::array<Code, 288> codes{};
    for (int symbol = 0; symbol < 288; ++symbol) {
        std::uint32_t code;
        int length;
        if (symbol < 144) {
            code = 0x30 + symbol;
            length = 8;
        } else if (symbol < 256) {
            code = 0x190 + (symbol - 144);
            length = 9;
        } else if (symbol < 280) {
            code = symbol - 256;
            length = 7;
        } else {
            code = 0xc0 + (symbol - 280);
            length = 8;
        }
        codes[symbol] = {reversed(code, length), static_cast<std::uint8_t>(length)};
    }
    return codes;
}

constexpr std::uint16_t kLengthBase[] = {3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 15, 17, 19, 23, 27, 31,
                                         35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::uint8_t kLengthExtra[] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2,
                                         3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::uint16_t kDistanceBase[] = {1, 2, 3, 4, 5, 7, 9, 13, 17, 25, 33, 49, 65, 97, 129,
                                           193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097,
                                           6145, 8193, 12289, 16385, 24577};
constexpr std::uint8_t kDistanceExtra[] = {0, 0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6,
                                           6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};
constexpr int kMinMatch = 3;
constexpr int kMaxMatch = 258;
constexpr size_t kMaxDistance = 32768;

class FixedDeflater {
public:
    explicit FixedDeflater(std::string& out) : m_bits(out) {}

    void literal(std::uint8_t byte) { put(m_literals[byte]); }

    void match(int length, size_t distance)
    {
        int lengthIndex = static_cast<int>(std::upper_bound(std::begin(kLengthBase), std::end(kLengthBase), length)
                                           - std::begin(kLengthBase)) - 1;
        put(m_literals[257 + lengthIndex]);
        m_bits.put(length - kLengthBase[lengthIndex], kLengthExtra[lengthIndex]);
        int distanceIndex = static_cast<int>(std::upper_bound(std::begin(kDistanceBase), std::end(kDistanceBase),
                                                              distance) - std::begin(kDistanceBase)) - 1;
        m_bits.put(reversed(distanceIndex, 5), 5);
        m_bits.put(static_cast<std::uint32_t>(distance - kDistanceBase[distanceIndex]), kDistanceExtra[distanceIndex]);
    }

    void begin() { m_bits.put(1, 1), m_bits.put(1, 2); }  // final block, fixed codes
    void end()
    {
        put(m_literals[256]);
        m_bits.flush();
    }

private:
    void put(const Code& code) { m_bits.put(code.bits, code.length); }

    BitWriter m_bits;
    std::array<Code, 288> m_literals = makeFixedLiteralCodes();
};

// Length of the common run of data[i..] and data[i - distance..], at most `limit`.
int matchLength(const std::uint8_t* data, size_t i, size_t distance, int limit)
{
    const std::uint8_t* a = data + i;
    const std::uint8_t* b = data + i - distance;
    int length = 0;
    while (length + 8 <= limit) {
        std::uint64_t x, y;
        std::memcpy(&x, a + length, 8);
        std::memcpy(&y, b + length, 8);
        if (x != y)
            return length + std::countr_zero(x ^ y) / 8;  // little-endian: the first differing byte
        length += 8;
    }
    while (length < limit && a[length] == b[length])
        ++length;
    return length;
}

std::string zlibCompress(const std::vector<std::uint8_t>& data, size_t pixelBytes, size_t rowBytes)
{
    std::string out;
    out.reserve(data.size() / 16 + 64);
    out.push_back(0x78);
    out.push_back(0x01);
    FixedDeflater deflater(out);
    deflater.begin();
    const size_t size = data.size();
    const bool useRowAbove = rowBytes <= kMaxDistance;
    size_t i = 0;
    while (i < size) {
        int limit = static_cast<int>(std::min<size_t>(kMaxMatch, size - i));
        int bestLength = 0;
        size_t bestDistance = 0;
        if (i >= rowBytes && useRowAbove) {
            bestLength = matchLength(data.data(), i, rowBytes, limit);
            bestDistance = rowBytes;
        }
        if (i >= pixelBytes && bestLength < limit) {
            int left = matchLength(data.data(), i, pixelBytes, limit);
            if (left > bestLength) {
                bestLength = left;
                bestDistance = pixelBytes;
            }
        }
        if (bestLength >= kMinMatch) {
            deflater.match(bestLength, bestDistance);
            i += static_cast<size_t>(bestLength);
        } else {
            deflater.literal(data[i]);
            ++i;
        }
    }
    deflater.end();
    appendBigEndian(out, adler32(data.data(), data.size()));
    return out;
}

} // namespace

std::string encodePNG(const CGImage& image)
{
    const int width = image.width();
    const int height = image.height();
    cairo_surface_t* surface = image.surface();
    const unsigned char* pixels = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);

    bool opaque = true;
    for (int y = 0; y < height && opaque; ++y) {
        const unsigned char* row = pixels + static_cast<size_t>(y) * stride;
        for (int x = 0; x < width; ++x) {
            std::uint32_t word;
            std::memcpy(&word, row + 4 * x, 4);
            if ((word >> 24) != 0xff) {
                opaque = false;
                break;
            }
        }
    }

    // Scanlines, each led by filter type 0 (none).
    const size_t pixelBytes = opaque ? 3 : 4;
    const size_t rowBytes = 1 + pixelBytes * static_cast<size_t>(width);
    std::vector<std::uint8_t> raw(rowBytes * static_cast<size_t>(height));
    for (int y = 0; y < height; ++y) {
        const unsigned char* from = pixels + static_cast<size_t>(y) * stride;
        std::uint8_t* to = raw.data() + static_cast<size_t>(y) * rowBytes;
        *to++ = 0;
        for (int x = 0; x < width; ++x) {
            std::uint32_t word;
            std::memcpy(&word, from + 4 * x, 4);
            const RGBA8 pixel = unpremultipliedPixel(word);
            *to++ = pixel.r;
            *to++ = pixel.g;
            *to++ = pixel.b;
            if (!opaque)
                *to++ = pixel.a;
        }
    }

    std::string png("\x89PNG\r\n\x1a\n", 8);
    std::string header;
    appendBigEndian(header, static_cast<std::uint32_t>(width));
    appendBigEndian(header, static_cast<std::uint32_t>(height));
    header.push_back(8);                   // bits per channel
    header.push_back(opaque ? 2 : 6);      // RGB or RGBA
    header.append(std::string(3, '\0'));   // deflate, adaptive filtering, no interlace
    appendChunk(png, "IHDR", header);
    appendChunk(png, "IDAT", zlibCompress(raw, pixelBytes, rowBytes));
    appendChunk(png, "IEND", {});
    return png;
}

} // namespace platform
