#include "platform/graphics/QREncoder.h"

#include <qrcodegen/qrcodegen.hpp>

#include <gtest/gtest.h>

#include <string>

using namespace platform;

namespace {

qrcodegen::QrCode::Ecc eccOf(QRErrorCorrection level)
{
    switch (level) {
    case QRErrorCorrection::low: return qrcodegen::QrCode::Ecc::LOW;
    case QRErrorCorrection::medium: return qrcodegen::QrCode::Ecc::MEDIUM;
    case QRErrorCorrection::quartile: return qrcodegen::QrCode::Ecc::QUARTILE;
    case QRErrorCorrection::high: return qrcodegen::QrCode::Ecc::HIGH;
    }
    return qrcodegen::QrCode::Ecc::MEDIUM;
}

std::string message(size_t length, unsigned seed)
{
    std::string text;
    unsigned state = seed * 2654435761u + 1;
    while (text.size() < length) {
        state = state * 1103515245u + 12345u;
        text += static_cast<char>(32 + (state >> 16) % 95);
    }
    return text;
}

} // namespace

// The fast mask search must pick the same mask as the library's slow reference search and give a
// symbol identical module for module, across versions with and without alignment and version blocks.
TEST(QREncoderTest, MatchesTheReferenceMaskSearchExactly)
{
    const QRErrorCorrection levels[] = {QRErrorCorrection::low, QRErrorCorrection::medium, QRErrorCorrection::quartile,
                                        QRErrorCorrection::high};
    unsigned seed = 0;
    for (size_t length : {1, 7, 20, 60, 150, 151, 300, 500, 900, 1200}) {
        for (QRErrorCorrection level : levels) {
            std::string text = message(length, ++seed);
            std::optional<QRSymbol> symbol = encodeQRSymbol(text, level);
            std::vector<std::uint8_t> bytes(text.begin(), text.end());
            qrcodegen::QrCode reference = qrcodegen::QrCode::encodeSegments({qrcodegen::QrSegment::makeBytes(bytes)},
                                                                            eccOf(level), 1, 40, -1, false);
            ASSERT_TRUE(symbol);
            SCOPED_TRACE("length " + std::to_string(length) + ", version " + std::to_string(symbol->version));
            ASSERT_EQ(symbol->version, reference.getVersion());
            ASSERT_EQ(symbol->size, reference.getSize());
            EXPECT_EQ(symbol->mask, reference.getMask());
            int differences = 0;
            for (int y = 0; y < symbol->size; ++y)
                for (int x = 0; x < symbol->size; ++x)
                    differences += symbol->isDark(x, y) != reference.getModule(x, y);
            EXPECT_EQ(differences, 0);
        }
    }
}

// Every version at every level: the version chosen, the codewords (block layout, error correction,
// interleaving) and their placement agree with the library's symbol at the same mask.
TEST(QREncoderTest, EveryVersionAndLevelMatchesTheLibrary)
{
    const QRErrorCorrection levels[] = {QRErrorCorrection::low, QRErrorCorrection::medium, QRErrorCorrection::quartile,
                                        QRErrorCorrection::high};
    for (QRErrorCorrection level : levels) {
        int lastVersion = 0;
        for (size_t length = 1;; length += 1 + length / 40) {
            std::string text = message(length, static_cast<unsigned>(length));
            std::optional<QRSymbol> symbol = encodeQRSymbol(text, level);
            if (!symbol)
                break;
            std::vector<std::uint8_t> bytes(text.begin(), text.end());
            qrcodegen::QrCode reference = qrcodegen::QrCode::encodeSegments({qrcodegen::QrSegment::makeBytes(bytes)},
                                                                            eccOf(level), 1, 40, symbol->mask, false);
            SCOPED_TRACE("length " + std::to_string(length) + ", version " + std::to_string(symbol->version));
            ASSERT_EQ(symbol->version, reference.getVersion());
            int differences = 0;
            for (int y = 0; y < symbol->size; ++y)
                for (int x = 0; x < symbol->size; ++x)
                    differences += symbol->isDark(x, y) != reference.getModule(x, y);
            ASSERT_EQ(differences, 0);
            lastVersion = symbol->version;
        }
        EXPECT_EQ(lastVersion, 40);
    }
}

TEST(QREncoderTest, EmptyAndTooLongGiveNothing)
{
    EXPECT_FALSE(encodeQRSymbol("", QRErrorCorrection::medium));
    EXPECT_TRUE(encodeQRSymbol(std::string(2953, 'a'), QRErrorCorrection::low));
    EXPECT_FALSE(encodeQRSymbol(std::string(2954, 'a'), QRErrorCorrection::low));
    EXPECT_FALSE(encodeQRSymbol(std::string(1274, 'a'), QRErrorCorrection::high)); // H holds 1273
}
