#include "platform/graphics/QRCodewords.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace platform {

namespace {

// Per level (low, medium, quartile, high) and version (index 1 to 40): error-correction codewords
// in each block, and the number of blocks.
constexpr std::int8_t kEccPerBlock[4][41] = {
    {-1, 7,  10, 15, 20, 26, 18, 20, 24, 30, 18, 20, 24, 26, 30, 22, 24, 28, 30, 28, 28,
     28, 28, 30, 30, 26, 28, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30},
    {-1, 10, 16, 26, 18, 24, 16, 18, 22, 22, 26, 30, 22, 22, 24, 24, 28, 28, 26, 26, 26,
     26, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28},
    {-1, 13, 22, 18, 26, 18, 24, 18, 22, 20, 24, 28, 26, 24, 20, 30, 24, 28, 28, 26, 30,
     28, 30, 30, 30, 30, 28, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30},
    {-1, 17, 28, 22, 16, 22, 28, 26, 26, 24, 28, 24, 28, 22, 24, 24, 30, 28, 28, 26, 28,
     30, 24, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30},
};
constexpr std::int8_t kBlockCount[4][41] = {
    {-1, 1, 1, 1,  1,  1,  2,  2,  2,  2,  4,  4,  4,  4,  4,  6,  6,  6,  6,  7, 8,
     8,  9, 9, 10, 12, 12, 12, 13, 14, 15, 16, 17, 18, 19, 19, 20, 21, 22, 24, 25},
    {-1, 1,  1,  1,  2,  2,  4,  4,  4,  5,  5,  5,  8,  9,  9,  10, 10, 11, 13, 14, 16,
     17, 17, 18, 20, 21, 23, 25, 26, 28, 29, 31, 33, 35, 37, 38, 40, 43, 45, 47, 49},
    {-1, 1,  1,  2,  2,  4,  4,  6,  6,  8,  8,  8,  10, 12, 16, 12, 17, 16, 18, 21, 20,
     23, 23, 25, 27, 29, 34, 34, 35, 38, 40, 43, 45, 48, 51, 53, 56, 59, 62, 65, 68},
    {-1, 1,  1,  2,  4,  4,  4,  5,  6,  8,  8,  11, 11, 16, 16, 18, 16, 19, 21, 25, 25,
     25, 34, 30, 32, 35, 37, 40, 42, 45, 48, 51, 54, 57, 60, 63, 66, 70, 74, 77, 81},
};

int dataCodewords(int version, int level)
{
    return qrRawDataModules(version) / 8 - kEccPerBlock[level][version] * kBlockCount[level][version];
}

// GF(256) with the QR polynomial x^8 + x^4 + x^3 + x^2 + 1, as exponent and logarithm tables.
struct GaloisField {
    std::array<std::uint8_t, 512> exp{};
    std::array<std::uint8_t, 256> log{};

    GaloisField()
    {
        int value = 1;
        for (int i = 0; i < 255; ++i) {
            exp[static_cast<std::size_t>(i)] = exp[static_cast<std::size_t>(i) + 255] =
                static_cast<std::uint8_t>(value);
            log[static_cast<std::size_t>(value)] = static_cast<std::uint8_t>(i);
            value <<= 1;
            if (value & 0x100)
                value ^= 0x11d;
        }
    }
};

const GaloisField& field()
{
    static const GaloisField instance;
    return instance;
}

// The generator polynomial of this degree (product of x - a^i, i < degree), as the logarithms of
// its coefficients after the leading one, highest power first. Worked out once per degree.
const std::vector<std::uint8_t>& generatorLogs(int degree)
{
    static std::array<std::vector<std::uint8_t>, 31> cache;
    std::vector<std::uint8_t>& logs = cache[static_cast<std::size_t>(degree)];
    if (!logs.empty())
        return logs;
    const GaloisField& gf = field();
    std::vector<std::uint8_t> coefficients(static_cast<std::size_t>(degree), 0);
    coefficients.back() = 1; // the polynomial 1, stored without its leading term
    int root = 1;
    for (int i = 0; i < degree; ++i) {
        // Multiply by (x - root): shift up one power and add root times the old coefficients.
        for (int j = 0; j < degree; ++j) {
            std::uint8_t product = coefficients[static_cast<std::size_t>(j)] == 0
                                       ? 0
                                       : gf.exp[gf.log[coefficients[static_cast<std::size_t>(j)]] +
                                                gf.log[static_cast<std::size_t>(root)]];
            std::uint8_t next = j + 1 < degree ? coefficients[static_cast<std::size_t>(j) + 1] : 0;
            coefficients[static_cast<std::size_t>(j)] = product ^ next;
        }
        root = gf.exp[static_cast<std::size_t>(i) + 1];
    }
    logs.resize(static_cast<std::size_t>(degree));
    for (int j = 0; j < degree; ++j)
        logs[static_cast<std::size_t>(j)] = gf.log[coefficients[static_cast<std::size_t>(j)]];
    return logs;
}

// The Reed-Solomon remainder of data divided by the generator, written to ecc (degree bytes).
void reedSolomon(const std::uint8_t* data, int length, const std::vector<std::uint8_t>& generator, std::uint8_t* ecc)
{
    const GaloisField& gf = field();
    const std::size_t degree = generator.size();
    std::fill(ecc, ecc + degree, 0);
    for (int i = 0; i < length; ++i) {
        std::uint8_t factor = data[i] ^ ecc[0];
        std::copy(ecc + 1, ecc + degree, ecc);
        ecc[degree - 1] = 0;
        if (factor == 0)
            continue;
        const std::uint8_t factorLog = gf.log[factor];
        for (std::size_t j = 0; j < degree; ++j)
            ecc[j] ^= gf.exp[generator[j] + factorLog];
    }
}

// Appends bits most significant first.
class BitWriter {
public:
    explicit BitWriter(std::vector<std::uint8_t>& bytes) : m_bytes(bytes) {}
    void put(std::uint32_t value, int count)
    {
        for (int i = count - 1; i >= 0; --i) {
            if (m_bits % 8 == 0)
                m_bytes.push_back(0);
            if ((value >> i) & 1)
                m_bytes.back() |= static_cast<std::uint8_t>(0x80 >> (m_bits % 8));
            ++m_bits;
        }
    }
    int bits() const { return m_bits; }

private:
    std::vector<std::uint8_t>& m_bytes;
    int m_bits = 0;
};

} // namespace

int qrRawDataModules(int version)
{
    int result = (16 * version + 128) * version + 64; // all modules less finders, timing, format
    if (version >= 2) {
        int alignments = version / 7 + 2;
        result -= (25 * alignments - 10) * alignments - 55;
        if (version >= 7)
            result -= 36; // version information
    }
    return result;
}

std::optional<QRCodewords> makeQRCodewords(std::string_view message, QRErrorCorrection level)
{
    if (message.empty())
        return std::nullopt;
    const int ecl = static_cast<int>(level);
    const long messageBits = 8L * static_cast<long>(message.size());
    int version = 1;
    for (; version <= 40; ++version) {
        int countBits = version <= 9 ? 8 : 16;
        if (message.size() < (std::size_t{1} << countBits) &&
            4 + countBits + messageBits <= 8L * dataCodewords(version, ecl))
            break;
    }
    if (version > 40)
        return std::nullopt;

    // Data codewords: mode, count, the bytes, a terminator of up to four zeros, then padding.
    const int capacity = dataCodewords(version, ecl);
    std::vector<std::uint8_t> data;
    data.reserve(static_cast<std::size_t>(capacity));
    BitWriter writer(data);
    writer.put(0x4, 4);
    writer.put(static_cast<std::uint32_t>(message.size()), version <= 9 ? 8 : 16);
    for (char c : message)
        writer.put(static_cast<std::uint8_t>(c), 8);
    writer.put(0, std::min(4, capacity * 8 - writer.bits()));
    writer.put(0, (8 - writer.bits() % 8) % 8);
    for (std::uint8_t pad = 0xec; static_cast<int>(data.size()) < capacity; pad ^= 0xec ^ 0x11)
        data.push_back(pad);

    // Blocks: the first ones one data codeword shorter; then interleaved column by column.
    const int blocks = kBlockCount[ecl][version];
    const int eccLength = kEccPerBlock[ecl][version];
    const int rawCodewords = qrRawDataModules(version) / 8;
    const int shortBlocks = blocks - rawCodewords % blocks;
    const int shortData = rawCodewords / blocks - eccLength;
    const std::vector<std::uint8_t>& generator = generatorLogs(eccLength);
    std::vector<std::uint8_t> ecc(static_cast<std::size_t>(blocks * eccLength));
    std::vector<int> starts(static_cast<std::size_t>(blocks) + 1, 0);
    for (int b = 0; b < blocks; ++b) {
        int length = shortData + (b < shortBlocks ? 0 : 1);
        starts[static_cast<std::size_t>(b) + 1] = starts[static_cast<std::size_t>(b)] + length;
        reedSolomon(data.data() + starts[static_cast<std::size_t>(b)], length, generator,
                    ecc.data() + static_cast<std::ptrdiff_t>(b) * eccLength);
    }

    QRCodewords result;
    result.version = version;
    result.bytes.reserve(static_cast<std::size_t>(rawCodewords));
    for (int i = 0; i <= shortData; ++i) {
        for (int b = 0; b < blocks; ++b) {
            int length = starts[static_cast<std::size_t>(b) + 1] - starts[static_cast<std::size_t>(b)];
            if (i < length)
                result.bytes.push_back(data[static_cast<std::size_t>(starts[static_cast<std::size_t>(b)] + i)]);
        }
    }
    for (int i = 0; i < eccLength; ++i)
        for (int b = 0; b < blocks; ++b)
            result.bytes.push_back(ecc[static_cast<std::size_t>(b * eccLength + i)]);
    return result;
}

} // namespace platform
