// QR codes as the screens show and share them: a generated code scaled into an image view inside a
// bordered box on a screen under a navigation bar, rendered with the window; and that screen's
// picture scaled again, aspect-fit, into a share card. Both pictures must scan back to the exact
// message with an independent decoder.
#include "ControllerTestSupport.h"
#include "../graphics/QRScanSupport.h"

#include "platform/graphics/CIFilter.h"
#include "platform/render/Renderer.h"
#include "platform/ui/UIImageView.h"
#include "platform/ui/UINavigationController.h"

#include <string>
#include <vector>

using namespace platform;
using namespace platform::testsupport;
using namespace qr_test;

namespace {

class QRImageViewScanTest : public ControllerTest {};

// Pixels of `area` (points) that are neither pure black nor pure white.
int greyPixels(const UIImage& image, const CGRect& area)
{
    double scale = image.scale();
    int grey = 0;
    for (int y = static_cast<int>(area.minY() * scale); y < static_cast<int>(area.maxY() * scale); ++y) {
        for (int x = static_cast<int>(area.minX() * scale); x < static_cast<int>(area.maxX() * scale); ++x) {
            RGBA8 pixel = image.pixelAt(x, y);
            bool pure =
                (pixel.r == 0 && pixel.g == 0 && pixel.b == 0) || (pixel.r == 255 && pixel.g == 255 && pixel.b == 255);
            grey += pure ? 0 : 1;
        }
    }
    return grey;
}

CIImagePtr generate(const std::string& message)
{
    auto filter = CIFilter::named("CIQRCodeGenerator");
    filter->setValue(message, "inputMessage");
    filter->setValue("M", "inputCorrectionLevel");
    return filter->outputImage();
}

} // namespace

TEST_F(QRImageViewScanTest, ShownAndSharedCodesScanBackToTheirMessages)
{
    // The request screen's layout on the default screen: a square of side 375 - 120 under the bar.
    constexpr double side = 255;
    auto screen = NSObject::create<UIViewController>();
    screen->view()->setBackgroundColor(UIColor::white());
    auto box = NSObject::create<UIView>(CGRect(60, 56, side, side));
    box->setBackgroundColor(UIColor::white());
    box->layer()->setBorderWidth(1);
    box->layer()->setBorderColor(UIColor::create(184 / 255.0, 186 / 255.0, 205 / 255.0));
    auto qrView = NSObject::create<UIImageView>(CGRect(0, 0, side, side));
    box->addSubview(qrView);
    screen->view()->addSubview(box);
    auto navigation = UINavigationController::create(screen);
    navigation->navigationBar()->setTranslucent(false);
    navigation->navigationBar()->setBarTintColor(UIColor::create(0.08, 0.1, 0.35));
    auto window = showInWindow(navigation);

    // The share card: a dark panel with a white card whose picture area shows the screen aspect-fit.
    auto card = NSObject::create<UIView>(CGRect(0, 0, 375, 603));
    card->setBackgroundColor(UIColor::create(0.08, 0.1, 0.35));
    auto cardFace = NSObject::create<UIView>(CGRect(32, 24, 311, 531));
    cardFace->setBackgroundColor(UIColor::white());
    card->addSubview(cardFace);
    auto picture = NSObject::create<UIImageView>(CGRect(0, 0, 311, 483));
    picture->setContentMode(UIViewContentMode::scaleAspectFit);
    cardFace->addSubview(picture);

    std::vector<std::string> messages;
    for (size_t length : {20, 150, 333, 500})
        messages.push_back(asciiPayload(length));
    for (const auto& message : nonAsciiMessages())
        messages.push_back(message);

    for (const auto& message : messages) {
        SCOPED_TRACE(message.substr(0, 30) + " (" + std::to_string(message.size()) + " bytes)");
        CIImagePtr qr = generate(message);
        ASSERT_TRUE(qr);
        CGRect extent = qr->extent();
        // Per-axis factors, no rounding to whole modules: the nearest-neighbour drawing keeps edges sharp.
        qrView->setImage(UIImage::fromCIImage(
            qr->transformed(CGAffineTransform::makeScale(side / extent.width(), side / extent.height()))));

        auto shown = Renderer::renderWindow(window);
        ASSERT_TRUE(shown);
        Scan onScreen = scan(*shown);
        ASSERT_TRUE(onScreen.valid) << "as shown on the screen";
        EXPECT_EQ(onScreen.bytes, message);
        EXPECT_EQ(onScreen.level, "M");
        // Every module stays sharp at a size that is no whole multiple of the module count.
        CGRect inside = box->convert(box->bounds(), nullptr).insetBy(1, 1);
        EXPECT_EQ(greyPixels(*shown, inside), 0);

        // The screen's picture is resampled once more (by about 0.83) into the card.
        picture->setImage(Renderer::renderView(screen->view()));
        auto shared = Renderer::renderView(card);
        ASSERT_TRUE(shared);
        Scan onCard = scan(*shared);
        ASSERT_TRUE(onCard.valid) << "as shared on the card";
        EXPECT_EQ(onCard.bytes, message);
    }
}
