#include "QRScanSupport.h"

#include "platform/foundation/DebugLog.h"
#include "platform/graphics/CIContext.h"
#include "platform/graphics/CIFilter.h"
#include "platform/graphics/ImageContext.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

using namespace platform;
using namespace qr_test;

namespace {

// Byte-mode capacities at level M for versions 1 to 20, from the QR code standard's tables.
const int kByteCapacityM[] = {14,  26,  42,  62,  84,  106, 122, 152, 180, 213,
                              251, 287, 331, 362, 412, 450, 504, 560, 624, 666};

CIImagePtr generate(const std::string& message, const std::string& level = "M")
{
    std::shared_ptr<CIFilter> filter = CIFilter::named("CIQRCodeGenerator");
    filter->setValue(message, "inputMessage");
    filter->setValue(level, "inputCorrectionLevel");
    return filter->outputImage();
}

int versionOf(const CIImage& image)
{
    int units = static_cast<int>(image.extent().width());
    return (units - 2 - 17) / 4; // one quiet module each side, 4v + 17 modules
}

// The QR scaled into a `box`-point square and drawn at `scale`, the way the QR row and the share card
// show it: factors computed per axis, not rounded to whole modules.
UIImagePtr renderInBox(const CIImagePtr& qr, double box, double scale)
{
    CGRect extent = qr->extent();
    CIImagePtr scaled = qr->transformed(CGAffineTransform::makeScale(box / extent.width(), box / extent.height()));
    UIImagePtr shown = UIImage::fromCIImage(scaled);
    UIGraphicsBeginImageContextWithOptions({box, box}, true, scale);
    UIGraphicsGetCurrentContext()->setFillColor(UIColor::white());
    UIGraphicsGetCurrentContext()->fill(CGRect(0, 0, box, box));
    shown->draw(CGRect(0, 0, box, box));
    UIImagePtr image = UIGraphicsGetImageFromCurrentImageContext();
    UIGraphicsEndImageContext();
    return image;
}

void saveArtifact(const UIImage& image, const std::string& name)
{
    if (const char* dir = std::getenv("TAVRO_ARTIFACT_DIR")) {
        std::filesystem::create_directories(dir);
        image.writePNG((std::filesystem::path(dir) / name).string());
    }
}

} // namespace

TEST(QRCodeGeneratorTest, EveryRenderedCodeScansBackToItsMessage)
{
    std::vector<std::string> messages;
    for (size_t length : {20, 47, 100, 150, 230, 333, 420, 500})
        messages.push_back(asciiPayload(length));
    for (const std::string& message : nonAsciiMessages())
        messages.push_back(message);
    messages.push_back(asciiPayload(120) + " 支付 ចំណាយ ชำระเงิน");

    for (const std::string& message : messages) {
        SCOPED_TRACE(message.substr(0, 40) + " (" + std::to_string(message.size()) + " bytes)");
        CIImagePtr qr = generate(message);
        ASSERT_TRUE(qr);
        for (auto [box, scale] : {std::pair{300.0, 2.0}, {150.0, 2.0}, {200.0, 3.0}}) {
            UIImagePtr image = renderInBox(qr, box, scale);
            Scan decoded = scan(*image);
            ASSERT_TRUE(decoded.valid) << "box " << box << " at scale " << scale;
            EXPECT_EQ(decoded.bytes, message);
            EXPECT_EQ(decoded.level, "M");
        }
    }
    saveArtifact(*renderInBox(generate(asciiPayload(150)), 300, 2), "qr-150-chars-300pt@2x.png");
}

TEST(QRCodeGeneratorTest, SmallestVersionAtTheLevelAskedNeverBoosted)
{
    // Right at and just past each capacity boundary the version steps by one.
    for (int version = 1; version <= 20; ++version) {
        int capacity = kByteCapacityM[version - 1];
        SCOPED_TRACE("capacity " + std::to_string(capacity));
        CIImagePtr full = generate(asciiPayload(capacity));
        ASSERT_TRUE(full);
        EXPECT_EQ(versionOf(*full), version);
        EXPECT_EQ(full->extent(), CGRect(0, 0, 4 * version + 19, 4 * version + 19));
        if (version < 20) {
            EXPECT_EQ(versionOf(*generate(asciiPayload(capacity + 1))), version + 1);
        }
    }

    // A short message leaves room for a higher level; the level asked for is kept all the same.
    for (const char* level : {"L", "M", "Q", "H"}) {
        CIImagePtr qr = generate("PAY 12", level);
        ASSERT_TRUE(qr);
        EXPECT_EQ(versionOf(*qr), 1);
        EXPECT_EQ(scan(*renderInBox(qr, 150, 2)).level, level);
    }
    EXPECT_LT(versionOf(*generate(asciiPayload(300), "L")), versionOf(*generate(asciiPayload(300), "H")));
}

TEST(QRCodeGeneratorTest, OutputIsModulesWithOneQuietModuleAndStaysSharp)
{
    CIImagePtr qr = generate("HELLO");
    ASSERT_TRUE(qr);
    const CGImage& modules = *qr->sourceBitmap();
    ASSERT_EQ(modules.width(), 23); // version 1: 21 modules + 2
    const RGBA8 black{0, 0, 0, 255};
    const RGBA8 white{255, 255, 255, 255};
    for (int i = 0; i < 23; ++i) {
        EXPECT_EQ(modules.pixelAt(i, 0), white);
        EXPECT_EQ(modules.pixelAt(0, i), white);
        EXPECT_EQ(modules.pixelAt(22, i), white);
        EXPECT_EQ(modules.pixelAt(i, 22), white);
    }
    // Finder pattern corner: the dark ring starts right after the quiet module.
    EXPECT_EQ(modules.pixelAt(1, 1), black);
    EXPECT_EQ(modules.pixelAt(7, 1), black);
    EXPECT_EQ(modules.pixelAt(2, 2), white);
    EXPECT_EQ(modules.pixelAt(4, 4), black);

    // At a scale that is no whole number of pixels per module every pixel is still pure black or white.
    UIImagePtr image = renderInBox(qr, 150, 2);
    for (int y = 0; y < image->pixelHeight(); ++y) {
        for (int x = 0; x < image->pixelWidth(); ++x) {
            RGBA8 p = image->pixelAt(x, y);
            ASSERT_TRUE(p == black || p == white) << x << ", " << y << ": " << p;
        }
    }

    // The same through a CIContext bitmap of the scaled extent.
    CIImagePtr scaled = qr->transformed(CGAffineTransform::makeScale(10, 10));
    EXPECT_EQ(scaled->extent(), CGRect(0, 0, 230, 230));
    CGImagePtr bitmap = CIContext::create()->createCGImage(*scaled, scaled->extent());
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(bitmap->width(), 230);
    EXPECT_EQ(bitmap->pixelAt(9, 9), white);
    EXPECT_EQ(bitmap->pixelAt(10, 10), black);
    EXPECT_EQ(bitmap->pixelAt(25, 25), white);
}

TEST(QRCodeGeneratorTest, NoOutputAndMisuse)
{
    EXPECT_EQ(CIFilter::named("CINoSuchFilter"), nullptr);
    std::shared_ptr<CIFilter> filter = CIFilter::named("CIQRCodeGenerator");
    ASSERT_TRUE(filter);
    EXPECT_EQ(filter->outputImage(), nullptr) << "no message set";
    filter->setValue("", "inputMessage");
    EXPECT_EQ(filter->outputImage(), nullptr) << "empty message";
    filter->setValue(std::string(2332, 'x'), "inputMessage"); // version 40 at M holds 2331 bytes
    EXPECT_EQ(filter->outputImage(), nullptr);
    filter->setValue("L", "inputCorrectionLevel");
    EXPECT_TRUE(filter->outputImage()) << "fits at level L";

    DebugLogCapture log;
    filter->setValue("X", "inputCorrectionLevel");
    filter->setValue("m", "inputCorrectionLevel");
    filter->setValue("abc", "inputNoSuchKey");
    EXPECT_EQ(log.lines().size(), 3u);
    EXPECT_EQ(filter->value("inputCorrectionLevel"), "L") << "a refused value keeps the previous one";
    EXPECT_EQ(CIFilter::named("CIQRCodeGenerator")->value("inputCorrectionLevel"), "M");
}
