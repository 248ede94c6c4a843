#include "TavroMerchantSDK/support/BackgroundColorForState.h"
#include "TavroMerchantSDK/support/KUtils.h"
#include "TavroMerchantSDK/support/UIButtonExtensions.h"
#include "TavroMerchantSDK/support/UIImageDrawingExtensions.h"
#include "TavroMerchantSDK/support/UIImageExtensions.h"
#include "TavroMerchantSDK/support/UIImageViewExtensions.h"

#include "platform/foundation/Bundle.h"
#include "platform/foundation/DebugLog.h"
#include "platform/graphics/ImageContext.h"
#include "platform/ui/UIButton.h"
#include "platform/ui/UIImageView.h"
#include "platform/ui/UIScreen.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace tavro {
namespace {

using platform::CGRect;
using platform::CGSize;
using platform::RGBA8;
using platform::UIColor;
using platform::UIImage;

class ImageHelpersTest : public ::testing::Test {
protected:
    void SetUp() override { platform::UIScreen::main()->setScale(2); }
    void TearDown() override
    {
        platform::UIScreen::resetMain();
        EXPECT_EQ(platform::UIGraphicsGetCurrentContext(), nullptr) << "a drawing context was left open";
    }
};

// Every image name the screens, rows and controls ask the framework bundle for.
const char* const kFrameworkImageNames[] = {
    "icon_left_arrow",
    "icon_share",
    "icon_close",
    "icon_add_small",
    "icon_more",
    "icon_warning",
    "icon_star",
    "icon_chevron_right",
    "tavro_sdk_icon_chevron_down",
    "tavro_sdk_icon_chevron_up",
    "network_logo_tavro",
    "network_logo_mastercard",
    "network_logo_rupay",
    "card_network_logo_mastercard",
    "card_network_logo_rupay",
    "card_placeholder",
    "img_cardart_texture",
    "img_card_logo_kora_white",
};

TEST_F(ImageHelpersTest, EveryArtworkNameResolvesAtEveryScale)
{
    for (double scale : {1.0, 2.0, 3.0}) {
        platform::UIScreen::main()->setScale(scale);
        for (const char* name : kFrameworkImageNames) {
            auto image = tavroImageTemp(name);
            ASSERT_TRUE(image) << name << " @" << scale;
            EXPECT_EQ(image->scale(), scale) << name;
            EXPECT_GT(image->size().width, 0) << name;
            // Each scale draws the same picture size in points.
            EXPECT_EQ(image->size(), tavroImage(name)->size()) << name;
        }
    }
    auto arrow = tavroImage("icon_left_arrow");
    EXPECT_EQ(arrow->size(), (CGSize{24, 24}));
    // Something is drawn: the arrow's shaft crosses the middle row.
    EXPECT_GT(arrow->pixelAt(arrow->pixelWidth() / 2, arrow->pixelHeight() / 2).a, 200);
    EXPECT_EQ(arrow->pixelAt(0, 0).a, 0);

    // The brand logo also lives in the kit's nested bundle.
    auto kora = uiControlsImageNamed("img_card_logo_kora_white");
    ASSERT_TRUE(kora);
    EXPECT_NE(KUtils::uiControlsBundle(), platform::Bundle::framework());
    EXPECT_EQ(KUtils::uiControlsBundle()->bundlePath(), "embedded:/TavroMerchantSDK.bundle/UIControlsResources.bundle");
}

TEST_F(ImageHelpersTest, MissingImages)
{
    auto missing = tavroImage("no_such_image");
    ASSERT_TRUE(missing);
    EXPECT_TRUE(missing->isEmpty());
    EXPECT_EQ(missing->size(), (CGSize{0, 0}));
    EXPECT_EQ(tavroImageTemp("no_such_image"), nullptr);
    EXPECT_EQ(uiControlsImageNamed("icon_close"), nullptr) << "the nested bundle holds only the kit's images";

    auto flippedMissing = tavroImageFlip("no_such_image");
    ASSERT_TRUE(flippedMissing);
    EXPECT_TRUE(flippedMissing->isEmpty());
    auto flipped = tavroImageFlip("icon_left_arrow");
    ASSERT_TRUE(flipped);
    EXPECT_TRUE(flipped->flipsForRightToLeftLayoutDirection());
    EXPECT_EQ(flipped->size(), (CGSize{24, 24}));
}

TEST_F(ImageHelpersTest, KitImagesFallBackToTheFrameworkBundleWithoutTheNestedOne)
{
    auto directory = std::filesystem::temp_directory_path() / ("kutils-" + std::to_string(::getpid()) + ".bundle");
    std::filesystem::create_directories(directory);
    auto dot = imageWithColor(UIColor::red(), {3, 3});
    ASSERT_TRUE(dot);
    ASSERT_TRUE(dot->writePNG((directory / "only_here@2x.png").string()));
    auto bundle = platform::Bundle::forPath(directory.string());
    platform::Bundle::registerClassBundle(std::type_index(typeid(KUtils)), bundle);

    EXPECT_EQ(KUtils::uiControlsBundle(), bundle);
    auto found = uiControlsImageNamed("only_here");
    ASSERT_TRUE(found);
    EXPECT_EQ(found->size(), (CGSize{3, 3}));

    platform::Bundle::registerClassBundle(std::type_index(typeid(KUtils)), nullptr);
    std::filesystem::remove_all(directory);
    EXPECT_NE(KUtils::uiControlsBundle(), bundle);
}

TEST_F(ImageHelpersTest, DebugPrintListsEveryBundleQuoted)
{
    KUtils::uiControlsBundle();
    ::testing::internal::CaptureStdout();
    KUtils::debugPrintAvailableBundles();
    std::string out = ::testing::internal::GetCapturedStdout();
    auto bundles = platform::Bundle::allBundles();
    std::size_t lines = 0;
    for (char c : out)
        lines += c == '\n';
    EXPECT_EQ(lines, bundles.size());
    EXPECT_EQ(out.rfind("\"bundle Bundle ", 0), 0u) << out;
    EXPECT_NE(out.find(bundles.front()->bundlePath()), std::string::npos);
}

TEST_F(ImageHelpersTest, ImageWithColor)
{
    EXPECT_EQ(imageWithColor(nullptr), nullptr);
    auto dot = imageWithColor(UIColor::create(0, 0.5, 1, 1));
    ASSERT_TRUE(dot);
    EXPECT_EQ(dot->size(), (CGSize{1, 1}));
    EXPECT_EQ(dot->scale(), 2);
    EXPECT_EQ(dot->pixelWidth(), 2);
    EXPECT_EQ(dot->pixelAt(1, 1), (RGBA8{0, 128, 255, 255}));

    auto strip = imageWithColor(UIColor::create(1, 0, 0, 0.5), {4, 1});
    ASSERT_TRUE(strip);
    EXPECT_EQ(strip->pixelWidth(), 8);
    EXPECT_EQ(strip->pixelAt(7, 1).a, 128);

    platform::DebugLogCapture log;
    EXPECT_EQ(imageWithColor(UIColor::red(), {0, 5}), nullptr);
    EXPECT_EQ(imageWithColor(UIColor::red(), {-1, 1}), nullptr);
}

TEST_F(ImageHelpersTest, ImageWithAlphaKeepsThePictureUpright)
{
    // A source whose top half is opaque red and bottom half transparent.
    auto source = [] {
        platform::UIGraphicsBeginImageContextWithOptions({4, 4}, false, 0);
        auto context = platform::UIGraphicsGetCurrentContext();
        context->setFillColor(UIColor::red());
        context->fill(CGRect(0, 0, 4, 2));
        auto image = platform::UIGraphicsGetImageFromCurrentImageContext();
        platform::UIGraphicsEndImageContext();
        return image;
    }();
    ASSERT_TRUE(source);
    auto faded = imageWithAlpha(source, 0.3);
    ASSERT_TRUE(faded);
    EXPECT_EQ(faded->size(), source->size());
    auto top = faded->pixelAt(4, 1);
    EXPECT_NEAR(top.a, 0.3 * 255, 1.5);
    EXPECT_EQ(top.r, 255);
    EXPECT_EQ(faded->pixelAt(4, 6).a, 0) << "the transparent half must stay at the bottom";

    for (const auto& nothing : {platform::UIImagePtr(), UIImage::create()}) {
        auto result = imageWithAlpha(nothing, 0.5);
        ASSERT_TRUE(result);
        EXPECT_TRUE(result->isEmpty());
    }
}

TEST_F(ImageHelpersTest, LayerPictures)
{
    auto layer = platform::CALayer::layer();
    layer->setFrame(CGRect(50, 50, 10, 5));
    layer->setBackgroundColor(UIColor::blue());
    auto image = imageFromLayer(layer);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->size(), (CGSize{10, 5}));
    EXPECT_EQ(image->pixelAt(19, 9), (RGBA8{0, 0, 255, 255}));
    EXPECT_EQ(translateToImage(layer)->size(), image->size());

    platform::DebugLogCapture log;
    layer->setFrame(CGRect(0, 0, 0, 5));
    EXPECT_EQ(imageFromLayer(layer), nullptr);
    EXPECT_EQ(imageFromLayer(nullptr), nullptr);
}

TEST_F(ImageHelpersTest, ImageInViewIsFullResolutionAndLeavesTheViewHidden)
{
    platform::UIScreen::main()->setScale(3);
    for (bool startHidden : {true, false}) {
        auto view = platform::NSObject::create<platform::UIView>(CGRect(0, 0, 10, 4));
        view->setBackgroundColor(UIColor::green());
        view->setHidden(startHidden);
        auto picture = imageInView(view);
        ASSERT_TRUE(picture);
        EXPECT_EQ(picture->scale(), 1);
        EXPECT_EQ(picture->size(), (CGSize{30, 12}));
        EXPECT_EQ(picture->pixelAt(29, 11), (RGBA8{0, 255, 0, 255})) << "drawn even when it was hidden";
        EXPECT_TRUE(view->isHidden());
    }
    platform::DebugLogCapture log;
    auto empty = platform::NSObject::create<platform::UIView>();
    EXPECT_TRUE(imageInView(empty)->isEmpty());
    EXPECT_TRUE(imageInView(nullptr)->isEmpty());
}

TEST_F(ImageHelpersTest, Tinting)
{
    auto imageView = platform::NSObject::create<platform::UIImageView>();
    auto tint = imageView->tintColor();
    setImageColor(*imageView, UIColor::red());
    EXPECT_EQ(imageView->image(), nullptr);
    EXPECT_EQ(imageView->ownTintColor(), nullptr) << "no image: the tint is left alone";
    EXPECT_EQ(*imageView->tintColor(), *tint);

    imageView->setImage(tavroImage("icon_star"));
    setImageColor(*imageView, UIColor::red());
    EXPECT_EQ(imageView->image()->renderingMode(), platform::UIImageRenderingMode::alwaysTemplate);
    EXPECT_EQ(*imageView->tintColor(), *UIColor::red());

    auto button = platform::NSObject::create<platform::UIButton>();
    setImageColor(*button, UIColor::blue());
    EXPECT_EQ(button->ownTintColor(), nullptr);
    button->setImage(tavroImage("icon_close"), platform::UIControlState::normal);
    setImageColor(*button, UIColor::blue());
    EXPECT_EQ(button->image(platform::UIControlState::normal)->renderingMode(),
              platform::UIImageRenderingMode::alwaysTemplate);
    EXPECT_EQ(*button->tintColor(), *UIColor::blue());
}

TEST_F(ImageHelpersTest, BackgroundColorPerStateRemovesOnlyThatState)
{
    auto button = platform::NSObject::create<platform::UIButton>();
    using platform::UIControlState;
    setBackgroundColor(*button, UIColor::red(), UIControlState::normal);
    setBackgroundColor(*button, UIColor::green(), UIControlState::highlighted);
    setBackgroundColor(*button, UIColor::blue(), UIControlState::disabled);
    auto normal = button->backgroundImage(UIControlState::normal);
    auto disabled = button->backgroundImage(UIControlState::disabled);
    ASSERT_TRUE(normal);
    EXPECT_EQ(normal->size(), (CGSize{1, 1}));
    EXPECT_EQ(button->backgroundImage(UIControlState::highlighted)->pixelAt(0, 0), (RGBA8{0, 255, 0, 255}));

    setBackgroundColor(*button, nullptr, UIControlState::highlighted);
    EXPECT_EQ(button->backgroundImage(UIControlState::highlighted), normal) << "falls back to the normal image";
    EXPECT_EQ(button->backgroundImage(UIControlState::normal), normal);
    EXPECT_EQ(button->backgroundImage(UIControlState::disabled), disabled);

    // Through the protocol, held weakly.
    auto adopter = std::make_shared<ButtonBackgroundColorForState>(button);
    BackgroundColorForState& asProtocol = *adopter;
    asProtocol.setBackgroundColor(nullptr, UIControlState::disabled);
    EXPECT_EQ(button->backgroundImage(UIControlState::disabled), normal);
    button.reset();
    asProtocol.setBackgroundColor(UIColor::red(), UIControlState::normal);
}

} // namespace
} // namespace tavro
