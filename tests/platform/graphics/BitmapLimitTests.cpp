#include "platform/foundation/DebugLog.h"
#include "platform/graphics/CIContext.h"
#include "platform/graphics/CIFilter.h"
#include "platform/graphics/ImageContext.h"
#include "platform/graphics/PNGEncoder.h"
#include "platform/graphics/UIImage.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

std::uint32_t crc32Of(const char* data, size_t length)
{
    std::uint32_t crc = 0xffffffffu;
    for (size_t i = 0; i < length; ++i) {
        crc ^= static_cast<unsigned char>(data[i]);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? 0xedb88320u ^ (crc >> 1) : crc >> 1;
    }
    return ~crc;
}

// `png` with the size in its header replaced (and the header's checksum made right again).
std::string withClaimedSize(std::string png, std::uint32_t width, std::uint32_t height)
{
    auto putBigEndian = [&](size_t at, std::uint32_t value) {
        for (int i = 0; i < 4; ++i)
            png[at + i] = static_cast<char>(value >> (24 - 8 * i));
    };
    putBigEndian(16, width);
    putBigEndian(20, height);
    putBigEndian(29, crc32Of(png.data() + 12, 17)); // over the type and data of IHDR
    return png;
}

} // namespace

TEST(BitmapLimitTest, ImageContextsRefuseHugeAndEmptyBitmaps)
{
    const struct {
        CGSize size;
        double scale;
        const char* reason;
    } cases[] = {
        {{32767, 32767}, 1, "over the limit"},
        {{20000, 20000}, 2, "side over"},
        {{1e-12, 5}, 1, "no pixels"},
    };
    for (const auto& c : cases) {
        DebugLogCapture log;
        UIGraphicsBeginImageContextWithOptions(c.size, false, c.scale);
        EXPECT_EQ(UIGraphicsGetCurrentContext(), nullptr) << c.size.width;
        ASSERT_EQ(log.lines().size(), 1u) << c.size.width;
        EXPECT_TRUE(log.contains(c.reason)) << log.lines()[0];
        if (UIGraphicsGetCurrentContext())
            UIGraphicsEndImageContext();
    }
    // The largest allowed bitmap still opens.
    UIGraphicsBeginImageContextWithOptions({8192, 8192}, false, 1);
    EXPECT_NE(UIGraphicsGetCurrentContext(), nullptr);
    UIGraphicsEndImageContext();
}

TEST(BitmapLimitTest, FilterOutputAndDecodedImagesAreCapped)
{
    std::shared_ptr<CIFilter> filter = CIFilter::named("CIQRCodeGenerator");
    ASSERT_TRUE(filter);
    filter->setValue("cap", "inputMessage");
    CIImagePtr scaled = filter->outputImage()->transformed(CGAffineTransform::makeScale(600, 600));
    {
        DebugLogCapture log;
        EXPECT_EQ(CIContext::create()->createCGImage(*scaled, scaled->extent()), nullptr);
        EXPECT_EQ(log.lines().size(), 1u);
    }

    UIGraphicsBeginImageContextWithOptions({1, 1}, true, 1);
    std::string tiny = UIGraphicsGetImageFromCurrentImageContext()->pngData().value();
    UIGraphicsEndImageContext();
    DebugLogCapture log;
    EXPECT_EQ(UIImage::fromPNGData(withClaimedSize(tiny, 20000, 20000)), nullptr);
    ASSERT_EQ(log.lines().size(), 1u);
    EXPECT_TRUE(log.contains("over the limit")) << log.lines()[0];
    EXPECT_TRUE(UIImage::fromPNGData(withClaimedSize(tiny, 1, 1)));
}
