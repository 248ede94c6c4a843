// Renders every card, avatar, networks, share-card and header view in each of its states to PNGs
// in the artifact folder and checks the pixels that show each state is drawn right.
#include "controls/CardViewsTestSupport.h"

#include "TavroMerchantSDK/controls/PaymentHeaderView.h"
#include "TavroMerchantSDK/controls/QRSnapView.h"
#include "TavroMerchantSDK/controls/TAVROCircleNameImageView.h"
#include "TavroMerchantSDK/controls/TAVROSupportedNetwork.h"
#include "TavroMerchantSDK/controls/TavroCardAnatomy.h"
#include "TavroMerchantSDK/support/UIImageDrawingExtensions.h"
#include "TavroMerchantSDK/support/UIImageExtensions.h"

#include <algorithm>
#include <filesystem>

using cardviews::CardViewsTest;
using cardviews::pixelIsHex;
using platform::CGRect;
using platform::NSObject;
using platform::UIImagePtr;

namespace {

// Pixels per point of the test screen.
constexpr int kScale = 2;

class CardViewsGalleryTest : public CardViewsTest {
protected:
    // Renders `view` and writes it as "card-views-<name>.png"; the picture for pixel checks.
    UIImagePtr shoot(const platform::UIViewPtr& view, const std::string& name)
    {
        auto picture = driver.render(view);
        EXPECT_TRUE(picture) << name;
        auto path = driver.writePNG(view, "card-views-" + name);
        EXPECT_TRUE(path && std::filesystem::file_size(*path) > 0) << name;
        return picture;
    }
};

// The pixel at a point of the view's bounds.
platform::RGBA8 at(const UIImagePtr& picture, double x, double y)
{
    return picture->pixelAt(int(x * kScale), int(y * kScale));
}

bool isBlueDominant(platform::RGBA8 pixel)
{
    return pixel.a == 255 && pixel.b > 150 && pixel.r < 80 && pixel.g < 110;
}

} // namespace

TEST_F(CardViewsGalleryTest, CardArtStates)
{
    auto wrapper = NSObject::create<tavro::TavroCardAnatomy>(CGRect(0, 0, 212, 132));
    auto picture = shoot(wrapper, "card-default");
    EXPECT_EQ(at(picture, 0, 0).a, 0) << "the rounded corner is transparent";
    EXPECT_TRUE(isBlueDominant(at(picture, 60, 66))) << "the card colour under the texture";

    auto details = NSObject::create<tavro::TavroCardDetails>(
        "1234", "Debit", tavro::imageWithColor(platform::UIColor::yellow(), {40, 20}), platform::UIColor::purple(),
        nullptr, tavro::TavroCardDetails::TavroCardType::kora);
    wrapper->customizeCardArt(details);
    picture = shoot(wrapper, "card-painted");
    EXPECT_EQ(at(picture, 0, 0).a, 0);
    EXPECT_EQ(at(picture, 100, 100).r, 128) << "purple art colour, no texture";
    EXPECT_EQ(at(picture, 100, 100).b, 128);
    auto issuer = at(picture, 12, 12);
    EXPECT_TRUE(issuer.r == 255 && issuer.g == 255 && issuer.b == 0) << "the yellow issuer logo at the top left";
}

TEST_F(CardViewsGalleryTest, AvatarStates)
{
    auto avatar = NSObject::create<tavro::TAVROCircleNameImageView>(CGRect(0, 0, 40, 40));
    avatar->setName("Asha Rao");
    avatar->setCardImage("network_logo_tavro");

    session()->setActiveSessionType(tavro::TavroActiveFlow::refundPayment);
    auto picture = shoot(avatar, "avatar-initials");
    EXPECT_EQ(at(picture, 0.5, 0.5).a, 0) << "outside the circle";
    EXPECT_TRUE(pixelIsHex(picture, 4 * kScale, 20 * kScale, "#F2F4F8")) << "the circle's grey";
    int darkest = 3 * 255;
    for (double x = 10; x < 30; x += 0.5) {
        auto pixel = at(picture, x, 20);
        darkest = std::min(darkest, pixel.r + pixel.g + pixel.b);
    }
    EXPECT_LT(darkest, 0x6F + 0x70 + 0x99 + 60) << "the initials drawn in #6F7099 across the middle";

    session()->setActiveSessionType(tavro::TavroActiveFlow::requestPayment);
    avatar->setNeedsLayout();
    picture = shoot(avatar, "avatar-picture");
    EXPECT_EQ(at(picture, 20, 2).a, 0) << "clear above the aspect-fit picture";
    EXPECT_TRUE(pixelIsHex(picture, 3 * kScale, 20 * kScale, "#15195A", 6)) << "the network badge";
}

TEST_F(CardViewsGalleryTest, NetworkGridStates)
{
    auto single = NSObject::create<tavro::TAVROSupportedNetwork>(CGRect(0, 0, 375, 44));
    single->prepareView();
    auto picture = shoot(single, "networks-one");
    EXPECT_TRUE(pixelIsHex(picture, 2 * kScale, 2 * kScale, "#FFFFFF"));
    EXPECT_TRUE(pixelIsHex(picture, int((183.5 - 20) * kScale), 22 * kScale, "#15195A", 6)) << "the centred logo";

    std::vector<UIImagePtr> logos;
    for (int i = 0; i < 7; ++i)
        logos.push_back(tavro::imageWithColor(platform::UIColor::red(), {48, 30}));
    auto grid = NSObject::create<tavro::TAVROSupportedNetwork>(CGRect(0, 0, 375, 44));
    grid->prepareView(logos);
    picture = shoot(grid, "networks-seven-folded");
    EXPECT_EQ(picture->pixelHeight(), 44 * kScale);
    grid->setFrame(CGRect(0, 0, 375, 88));
    picture = shoot(grid, "networks-seven-revealed");
    double secondRowFirstCell = 187.5 - (2 * (375.0 - 56) / 6 + 16) / 2 + 10;
    auto logo = at(picture, secondRowFirstCell, 66);
    EXPECT_TRUE(logo.r == 255 && logo.g == 0 && logo.b == 0) << "second row shows once revealed";
}

TEST_F(CardViewsGalleryTest, ShareCard)
{
    auto snap = NSObject::create<tavro::QRSnapView>(CGRect(0, 0, 375, 600));
    snap->prepareView();
    snap->qrImageView()->setImage(tavro::imageWithColor(platform::UIColor::black(), {200, 200}));
    snap->setHidden(false); // shown only for the rendering, as the screen does
    auto picture = shoot(snap, "share-card");
    EXPECT_TRUE(pixelIsHex(picture, 4 * kScale, 4 * kScale, "#15195A")) << "the dark panel";
    EXPECT_TRUE(pixelIsHex(picture, 40 * kScale, 40 * kScale, "#FFFFFF")) << "the white card";
    EXPECT_TRUE(pixelIsHex(picture, 187 * kScale, 264 * kScale, "#000000")) << "the QR picture, centred";
    EXPECT_TRUE(pixelIsHex(picture, 34 * kScale, 508 * kScale, "#F2F4F8")) << "the hint strip";
    bool dateDrawn = false;
    for (int x = 150; x < 225 && !dateDrawn; ++x) {
        auto pixel = at(picture, x, 578);
        dateDrawn = pixel.r > 200 && pixel.g > 200 && pixel.b > 200;
    }
    EXPECT_TRUE(dateDrawn) << "white date text under the card";
}

TEST_F(CardViewsGalleryTest, HeaderStates)
{
    auto header = NSObject::create<tavro::PaymentHeaderView>(CGRect(0, 0, 375, 200));
    header->setBackgroundColor(platform::UIColor::white());
    header->setUpCardView("Debit 1234", NSObject::create<tavro::TavroCardDetails>("1234", "Debit", nullptr,
                                                                                  platform::UIColor::red(), nullptr));
    header->returnToBeginning();
    auto card = header->cardAnatomy()->frame();
    auto picture = shoot(header, "header-expanded");
    EXPECT_TRUE(pixelIsHex(picture, int(card.minX() * kScale), int(card.minY() * kScale), "#FFFFFF"))
        << "the header shows through the card's rounded corner";
    EXPECT_TRUE(pixelIsHex(picture, int(card.midX() * kScale), int((card.minY() + 20) * kScale), "#FF0000"));

    header->updateProgress(0.5);
    shoot(header, "header-half");
    // Compact, the header sits on the screen's own background and draws in its font colour.
    header->setBackgroundColor(session()->internalConfiguration()->backgroundColor());
    header->moveToEnd();
    card = header->cardAnatomy()->frame();
    picture = shoot(header, "header-compact");
    EXPECT_EQ(card.size, (platform::CGSize{47, 30}));
    EXPECT_TRUE(pixelIsHex(picture, int((card.minX() + 8) * kScale), int(card.midY() * kScale), "#FF0000"));
    EXPECT_TRUE(pixelIsHex(picture, int(card.minX() * kScale), int(card.minY() * kScale), "#15195A"));
    auto brightest = [&](const CGRect& area) {
        int best = 0;
        for (double y = area.minY(); y < area.maxY(); y += 0.5)
            for (double x = area.minX(); x < area.maxX(); x += 0.5) {
                auto pixel = at(picture, x, y);
                best = std::max<int>(best, std::min({pixel.r, pixel.g, pixel.b}));
            }
        return best;
    };
    EXPECT_GT(brightest(header->changeButton()->frame()), 200) << "the chevron in the white font colour";
    EXPECT_GT(brightest(header->lableBaseView()->frame()), 200) << "the description in the white font colour";
}

TEST_F(CardViewsGalleryTest, EveryImageTheCardViewsNameIsInTheBundles)
{
    for (const char* name : {"img_cardart_texture", "network_logo_tavro", "icon_more", "icon_star",
                             "icon_chevron_right", "img_card_logo_kora_white"}) {
        auto image = tavro::tavroImageTemp(name);
        EXPECT_TRUE(image && !image->isEmpty()) << name;
    }
    auto brand = tavro::uiControlsImageNamed("img_card_logo_kora_white");
    EXPECT_TRUE(brand && !brand->isEmpty()) << "the brand logo of the UI kit's own bundle";
}
