#pragma once
// Shared by the tests that check QR pictures: an independent decoder's reading of an image, and
// payload-shaped messages to encode. Needs zxing-cpp.
#ifndef ZX_USE_UTF8
#define ZX_USE_UTF8 1
#endif
#include "platform/graphics/UIImage.h"

#include <ZXing/ReadBarcode.h>

#include <cstdint>
#include <string>
#include <vector>

namespace qr_test {

// What the decoder read: the message bytes and the error-correction level ("L", "M", "Q", "H").
struct Scan {
    bool valid = false;
    std::string bytes;
    std::string level;
};

// Reads a QR code anywhere in a picture of `width` × `height` luminance bytes, row after row.
inline Scan scanLuminance(const std::vector<std::uint8_t>& luminance, int width, int height)
{
    ZXing::DecodeHints hints;
    hints.setFormats(ZXing::BarcodeFormat::QRCode);
    hints.setTryHarder(true);
    ZXing::Result result = ZXing::ReadBarcode({luminance.data(), width, height, ZXing::ImageFormat::Lum}, hints);
    return {result.isValid(), std::string(result.bytes().begin(), result.bytes().end()), result.ecLevel()};
}

// Reads a QR code anywhere in `image` (its green channel as luminance).
inline Scan scan(const platform::UIImage& image)
{
    int width = image.pixelWidth();
    int height = image.pixelHeight();
    std::vector<std::uint8_t> luminance(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            luminance[static_cast<size_t>(y) * width + x] = image.pixelAt(x, y).g;
    return scanLuminance(luminance, width, height);
}

// A payload-like ASCII text of exactly `length` characters.
inline std::string asciiPayload(size_t length)
{
    std::string text;
    const std::string pattern = "000201010212263800A0000007270108QRMERCHANT5204581253037045802KH5913Shop ";
    while (text.size() < length)
        text += pattern + std::to_string(text.size());
    text.resize(length);
    return text;
}

// Merchant texts in Chinese, Khmer and Thai (multi-byte UTF-8).
inline std::vector<std::string> nonAsciiMessages()
{
    return {"商户名称：北京朝阳区咖啡店，金额 ¥128.50，谢谢惠顾", "ហាងកាហ្វេ ភ្នំពេញ សូមអរគុណ",
            "ร้านกาแฟ กรุงเทพมหานคร ขอบคุณครับ"};
}

} // namespace qr_test
