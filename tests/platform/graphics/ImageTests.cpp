#include "GraphicsTestSupport.h"

#include "platform/foundation/Bundle.h"
#include "platform/foundation/DebugLog.h"
#include "platform/graphics/BitmapLimits.h"
#include "platform/graphics/ImageDrawing.h"

#include "platform/foundation/WithoutPrivileges.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

using namespace platform;
using graphics_test::ScratchDirectory;
using graphics_test::solidImage;
using graphics_test::splitImage;

namespace {

const RGBA8 kRed{255, 0, 0, 255};
const RGBA8 kBlue{0, 0, 255, 255};
const RGBA8 kGreen{0, 255, 0, 255};
const RGBA8 kNone{0, 0, 0, 0};

std::string pngOf(const UIImagePtr& image)
{
    return image->pngData().value();
}

// A scratch bundle: "icon" at 1x (red, 10 px) and 2x (blue, 20 px), "plain" at 1x only (green),
// "sharp" at 2x only, and "broken" whose file is not a PNG.
class NamedImageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dir.write("icon.png", pngOf(solidImage({10, 10}, 1, UIColor::red())));
        m_dir.write("icon@2x.png", pngOf(solidImage({10, 10}, 2, UIColor::blue())));
        m_dir.write("plain.png", pngOf(solidImage({6, 4}, 1, UIColor::green())));
        m_dir.write("sharp@2x.png", pngOf(solidImage({3, 3}, 2, UIColor::blue())));
        m_dir.write("broken.png", std::string("\x89PNG\r\n\x1a\n", 8) + "this is not image data");
        std::string good = pngOf(solidImage({8, 8}, 1, UIColor::red()));
        m_dir.write("truncated.png", good.substr(0, good.size() / 2));
    }
    std::string dir() const { return m_dir.path().string(); }

    ScratchDirectory m_dir;
};

} // namespace

TEST_F(NamedImageTest, PrefersTheScreenScaleThenFallsBack)
{
    UIImagePtr retina = UIImage::named("icon", dir(), 2);
    ASSERT_TRUE(retina);
    EXPECT_EQ(retina->scale(), 2);
    EXPECT_EQ(retina->size(), (CGSize{10, 10}));
    EXPECT_EQ(retina->pixelWidth(), 20);
    EXPECT_EQ(retina->pixelAt(0, 0), kBlue);

    UIImagePtr plainScreen = UIImage::named("icon", dir(), 1);
    ASSERT_TRUE(plainScreen);
    EXPECT_EQ(plainScreen->scale(), 1);
    EXPECT_EQ(plainScreen->pixelAt(5, 5), kRed);

    // A 3x screen with no @3x file takes the @2x one, then 1x.
    EXPECT_EQ(UIImage::named("icon", dir(), 3)->scale(), 2);
    UIImagePtr plain = UIImage::named("plain", dir(), 3);
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->scale(), 1);
    EXPECT_EQ(plain->size(), (CGSize{6, 4}));

    // Only a higher scale exists: it is used, with its own scale.
    UIImagePtr sharp = UIImage::named("sharp", dir(), 1);
    ASSERT_TRUE(sharp);
    EXPECT_EQ(sharp->scale(), 2);
    EXPECT_EQ(sharp->size(), (CGSize{3, 3}));

    // An explicit extension is accepted.
    EXPECT_EQ(UIImage::named("icon.png", dir(), 2)->scale(), 2);
}

TEST_F(NamedImageTest, MissingAndCorruptFiles)
{
    DebugLogCapture log;
    EXPECT_EQ(UIImage::named("absent", dir(), 2), nullptr);
    EXPECT_EQ(UIImage::named("", dir(), 2), nullptr);
    EXPECT_EQ(UIImage::named("icon", dir() + "/no-such-folder", 2), nullptr);
    EXPECT_TRUE(log.lines().empty()) << "a missing image is not an error";

    EXPECT_EQ(UIImage::named("broken", dir(), 2), nullptr);
    ASSERT_EQ(log.lines().size(), 1u);
    EXPECT_TRUE(log.contains("broken.png"));

    log.clear();
    EXPECT_EQ(UIImage::named("truncated", dir(), 1), nullptr);
    EXPECT_EQ(log.lines().size(), 1u);

    log.clear();
    EXPECT_EQ(UIImage::fromPNGData("not a png"), nullptr);
    EXPECT_EQ(log.lines().size(), 1u);
}

// A file that does not decode is read and refused once, however often it is asked for, by any
// of the lookups; once the file changes it is read again.
TEST_F(NamedImageTest, ABrokenFileIsReadOnceUntilItChanges)
{
    const std::string broken = std::string("\x89PNG\r\n\x1a\n", 8) + "not image data either";
    std::shared_ptr<Bundle> bundle = Bundle::forPath(dir());
    ASSERT_TRUE(bundle);
    const std::pair<const char*, std::function<UIImagePtr()>> lookups[] = {
        {"folder.png", [&] { return UIImage::named("folder", dir(), 2); }},
        {"bundled.png", [&] { return UIImage::named("bundled", *bundle, 2); }},
        {"path.png", [&] { return UIImage::contentsOfFile(dir() + "/path.png"); }},
    };
    for (const auto& [file, lookup] : lookups) {
        SCOPED_TRACE(file);
        m_dir.write(file, broken);
        DebugLogCapture log;
        for (int use = 0; use < 12; ++use)
            EXPECT_EQ(lookup(), nullptr);
        EXPECT_EQ(log.lines().size(), 1u);

        m_dir.write(file, pngOf(solidImage({4, 4}, 1, UIColor::green())));
        ASSERT_TRUE(lookup()) << "a mended file is read again";
        m_dir.write(file, broken + ", and damaged again");
        EXPECT_EQ(lookup(), nullptr);
        EXPECT_EQ(lookup(), nullptr);
        EXPECT_EQ(log.lines().size(), 2u);
    }
}

// A file that cannot be read is named once per version, with the reason. One too large for the
// bitmap cap is not read at all, nor again until it changes; one kept from being read by
// something that may pass is read again at the next lookup.
TEST_F(NamedImageTest, AnUnreadableFileIsNamedOncePerVersion)
{
    const std::string png = pngOf(solidImage({4, 4}, 1, UIColor::green()));
    const std::string huge = m_dir.write("huge.png", png);
    std::filesystem::resize_file(huge, kMaxImageFileSize + 1); // sparse: nothing is written
    DebugLogCapture log;
    for (int use = 0; use < 3; ++use)
        EXPECT_EQ(UIImage::named("huge", dir(), 1), nullptr);
    EXPECT_EQ(log.lines().size(), 1u);
    EXPECT_TRUE(log.contains("huge.png is larger than 256 MiB"));
    std::filesystem::resize_file(huge, png.size());
    EXPECT_TRUE(UIImage::named("huge", dir(), 1)) << "the file changed";

    EXPECT_EXIT(testing_support::runWithoutFreeDescriptors([&](const std::function<void()>& freeThem) {
                    DebugLogCapture childLog;
                    const bool refused = !UIImage::named("plain", dir(), 1) && !UIImage::named("plain", dir(), 1);
                    freeThem();
                    return refused && UIImage::named("plain", dir(), 1) && childLog.lines().size() == 1 &&
                           childLog.contains("plain.png cannot be read (Too many open files)");
                }),
                ::testing::ExitedWithCode(0), "");
}

TEST_F(NamedImageTest, LooksUpThroughABundle)
{
    std::shared_ptr<Bundle> bundle = Bundle::forPath(dir());
    ASSERT_TRUE(bundle);
    UIImagePtr retina = UIImage::named("icon", *bundle, 2);
    ASSERT_TRUE(retina);
    EXPECT_EQ(retina->scale(), 2);
    EXPECT_EQ(retina->pixelAt(0, 0), kBlue);
    EXPECT_EQ(UIImage::named("absent", *bundle, 2), nullptr);
}

TEST(UIImageTest, EmptyImageHasNothing)
{
    UIImagePtr empty = UIImage::create();
    EXPECT_TRUE(empty->isEmpty());
    EXPECT_EQ(empty->size(), (CGSize{0, 0}));
    EXPECT_EQ(empty->cgImage(), nullptr);
    EXPECT_FALSE(empty->pngData().has_value());
    EXPECT_EQ(empty->pixelAt(0, 0), kNone);
    EXPECT_NE(UIImage::create(), UIImage::create());

    ScratchDirectory dir;
    DebugLogCapture log;
    EXPECT_FALSE(empty->writePNG((dir.path() / "empty.png").string()));
    EXPECT_EQ(log.lines().size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "empty.png"));
}

TEST(UIImageTest, PngRoundTripKeepsPixelsAndTakesTheGivenScale)
{
    UIGraphicsBeginImageContextWithOptions({4, 2}, false, 1);
    CGContextPtr context = UIGraphicsGetCurrentContext();
    context->setFillColor(UIColor::red());
    context->fill(CGRect(0, 0, 1, 1));
    context->setFillColor(UIColor::create(0, 0, 1, 0.5));
    context->fill(CGRect(1, 0, 1, 1));
    UIImagePtr original = UIGraphicsGetImageFromCurrentImageContext();
    UIGraphicsEndImageContext();

    UIImagePtr decoded = UIImage::fromPNGData(original->pngData().value(), 2);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->scale(), 2);
    EXPECT_EQ(decoded->size(), (CGSize{2, 1}));
    EXPECT_EQ(decoded->pixelAt(0, 0), kRed);
    RGBA8 half = decoded->pixelAt(1, 0);
    EXPECT_EQ(half.b, 255);
    EXPECT_NEAR(half.a, 128, 1);
    EXPECT_EQ(decoded->pixelAt(3, 1), kNone);

    // A host reads the same pixels as whole premultiplied words, row by row.
    const CGImagePtr bitmap = original->cgImage();
    ASSERT_GE(bitmap->bytesPerRow(), 4 * bitmap->width());
    auto word = [&](int x, int y) {
        std::uint32_t value;
        std::memcpy(&value, bitmap->pixelData() + y * bitmap->bytesPerRow() + x * 4, 4);
        return value;
    };
    EXPECT_EQ(word(0, 0), 0xFFFF0000u);
    EXPECT_EQ(word(1, 0) >> 24, word(1, 0) & 0xFF) << "blue premultiplied by its alpha";
    EXPECT_NEAR(word(1, 0) >> 24, 128, 1);
    EXPECT_EQ(word(3, 1), 0u);

    ScratchDirectory dir;
    std::string path = (dir.path() / "shot@2x.png").string();
    ASSERT_TRUE(original->writePNG(path));
    UIImagePtr loaded = UIImage::contentsOfFile(path);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->scale(), 2) << "the @2x suffix sets the scale";
    EXPECT_EQ(loaded->pixelAt(0, 0), kRed);
    EXPECT_EQ(UIImage::contentsOfFile((dir.path() / "absent.png").string()), nullptr);
}

TEST(UIImageTest, VariantsShareThePixels)
{
    UIImagePtr image = splitImage({4, 2}, UIColor::red(), UIColor::blue());
    UIImagePtr templated = image->withRenderingMode(UIImageRenderingMode::alwaysTemplate);
    EXPECT_EQ(templated->renderingMode(), UIImageRenderingMode::alwaysTemplate);
    EXPECT_EQ(image->renderingMode(), UIImageRenderingMode::automatic);
    EXPECT_EQ(templated->cgImage(), image->cgImage());
    EXPECT_EQ(templated->size(), image->size());

    UIImagePtr mirrored = image->withHorizontallyFlippedOrientation();
    EXPECT_EQ(mirrored->imageOrientation(), UIImageOrientation::upMirrored);
    EXPECT_EQ(mirrored->pixelAt(0, 0), kBlue);
    EXPECT_EQ(mirrored->pixelAt(3, 0), kRed);
    EXPECT_EQ(image->pixelAt(0, 0), kRed) << "the original is unchanged";
    EXPECT_EQ(mirrored->withHorizontallyFlippedOrientation()->pixelAt(0, 0), kRed);

    // Flipping for right to left changes nothing until drawn in a right-to-left interface.
    UIImagePtr rtl = image->imageFlippedForRightToLeftLayoutDirection();
    EXPECT_TRUE(rtl->flipsForRightToLeftLayoutDirection());
    EXPECT_FALSE(image->flipsForRightToLeftLayoutDirection());
    EXPECT_EQ(rtl->pixelAt(0, 0), kRed);
}

TEST(ImageDrawingTest, MirroringAndTemplateTint)
{
    UIImagePtr image = splitImage({4, 2}, UIColor::red(), UIColor::blue());
    UIImagePtr rtl = image->imageFlippedForRightToLeftLayoutDirection();
    auto drawn = [](const UIImagePtr& source, const ImageDrawOptions& options) {
        UIGraphicsBeginImageContextWithOptions({8, 4}, false, 1);
        drawImage(UIGraphicsGetCurrentContext()->cairo(), *source, CGRect(0, 0, 8, 4), options);
        UIImagePtr result = UIGraphicsGetImageFromCurrentImageContext();
        UIGraphicsEndImageContext();
        return result;
    };
    ImageDrawOptions leftToRight;
    ImageDrawOptions rightToLeft;
    rightToLeft.rightToLeft = true;
    EXPECT_EQ(drawn(rtl, leftToRight)->pixelAt(0, 2), kRed);
    EXPECT_EQ(drawn(rtl, rightToLeft)->pixelAt(0, 2), kBlue);
    EXPECT_EQ(drawn(image, rightToLeft)->pixelAt(0, 2), kRed) << "unmarked images never flip";

    // A template keeps only its shape: opaque pixels take the tint, transparent ones stay clear.
    UIImagePtr shape = splitImage({4, 2}, UIColor::red(), UIColor::clear());
    ImageDrawOptions tinted;
    tinted.templateTint = UIColor::green();
    UIImagePtr result = drawn(shape, tinted);
    EXPECT_EQ(result->pixelAt(1, 1), kGreen);
    EXPECT_EQ(result->pixelAt(6, 1), kNone);

    ImageDrawOptions faded;
    faded.alpha = 0.5;
    EXPECT_NEAR(drawn(image, faded)->pixelAt(1, 1).a, 128, 1);
}
