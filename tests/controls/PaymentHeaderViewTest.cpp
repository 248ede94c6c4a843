#include "controls/CardViewsTestSupport.h"

#include "TavroMerchantSDK/controls/PaymentHeaderView.h"
#include "platform/foundation/DebugLog.h"
#include "platform/graphics/UIFont.h"

using cardviews::CardViewsTest;
using cardviews::isHexColor;
using platform::CGPoint;
using platform::CGRect;
using platform::NSObject;
using platform::UIColor;
using platform::UIControlState;
using tavro::PaymentHeaderView;

namespace {

void expectPlaces(const PaymentHeaderView& header, CGPoint change, CGPoint description, CGPoint card)
{
    auto near = [](CGPoint a, CGPoint b) { return std::abs(a.x - b.x) < 1e-9 && std::abs(a.y - b.y) < 1e-9; };
    EXPECT_TRUE(near(header.changeButton()->center(), change))
        << header.changeButton()->center().x << ", " << header.changeButton()->center().y;
    EXPECT_TRUE(near(header.lableBaseView()->center(), description))
        << header.lableBaseView()->center().x << ", " << header.lableBaseView()->center().y;
    EXPECT_TRUE(near(header.cardAnatomy()->center(), card))
        << header.cardAnatomy()->center().x << ", " << header.cardAnatomy()->center().y;
}

void expectExpandedLook(const PaymentHeaderView& header)
{
    expectPlaces(header, {187.5, 185}, {187.5, 162.5}, {187.5, 112});
    EXPECT_EQ(header.cardChangeButton()->frame(), CGRect(0, 0, 106, 66));
    EXPECT_EQ(header.changeButton()->title(UIControlState::normal).value_or(""), "CHANGE");
    EXPECT_FALSE(header.changeButton()->image(UIControlState::normal));
    EXPECT_TRUE(isHexColor(header.changeButton()->titleColor(UIControlState::normal), "#003EA9"));
    EXPECT_TRUE(isHexColor(header.descriptionLabel()->textColor(), "#1D2A59"));
    EXPECT_TRUE(isHexColor(header.starImageView()->tintColor(), "#15195A"));
}

} // namespace

TEST_F(CardViewsTest, HeaderLayoutAtProgressZeroHalfAndOne)
{
    auto config = NSObject::create<tavro::TavroConfig>();
    config->setFontColor(UIColor::orange());
    session()->setConfiguration(config);
    // 375 x 200, a change button of 60 x 30 and a description base of 150 x 15.
    auto header = NSObject::create<PaymentHeaderView>(CGRect(0, 0, 375, 200));
    header->changeButton()->setBounds(CGRect(0, 0, 60, 30));
    header->lableBaseView()->setBounds(CGRect(0, 0, 150, 15));
    header->returnToBeginning();
    EXPECT_EQ(header->cardChangeButton()->superview(), header->cardAnatomy());
    EXPECT_EQ(header->cardChangeButton()->accessibilityIdentifier().value_or(""), "Card_Change_Button");
    EXPECT_EQ(header->changeButton()->actionCount() + header->cardChangeButton()->actionCount(), 0u);
    expectExpandedLook(*header);

    header->updateProgress(0.5);
    expectPlaces(*header, {266.25, 135}, {167.75, 98.75}, {125.25, 66.625});
    EXPECT_EQ(header->cardAnatomy()->bounds().size, (platform::CGSize{76.5, 48}));
    EXPECT_EQ(header->changeButton()->title(UIControlState::normal).value_or(""), "CHANGE") << "only the ends restyle";

    header->returnToBeginning();
    header->updateProgress(1);
    expectPlaces(*header, {345, 85}, {148, 85}, {63, 85});
    EXPECT_NEAR(header->cardAnatomy()->frame().minX(), 39.5, 1e-9);
    EXPECT_EQ(header->cardChangeButton()->frame(), CGRect(20, 0, 47, 30));
    EXPECT_EQ(header->changeButton()->title(UIControlState::normal).value_or("<none>"), "");
    auto chevron = header->changeButton()->image(UIControlState::normal);
    ASSERT_TRUE(chevron);
    EXPECT_EQ(chevron->renderingMode(), platform::UIImageRenderingMode::alwaysTemplate);
    EXPECT_TRUE(platform::isEqual(header->tintColor(), UIColor::orange()));
    EXPECT_TRUE(platform::isEqual(header->changeButton()->titleColor(UIControlState::highlighted),
                                  UIColor::orange()->withAlphaComponent(0.5)));

    // Between the ends after the compact layout: chevron, font colour and star tint stay.
    header->updateProgress(0.3);
    EXPECT_TRUE(header->changeButton()->image(UIControlState::normal));
    EXPECT_TRUE(platform::isEqual(header->descriptionLabel()->textColor(), UIColor::orange()));
    EXPECT_TRUE(platform::isEqual(header->starImageView()->tintColor(), UIColor::orange()));
    platform::DebugLogCapture log;
    CGPoint before = header->cardAnatomy()->center();
    header->updateProgress(std::nan(""));
    EXPECT_EQ(header->cardAnatomy()->center(), before);
    EXPECT_EQ(log.lines().size(), 1u);

    // The card is centred from its height before it grows back, so the first return from a partial
    // collapse lands it lower; the next one settles.
    header->updateProgress(0);
    EXPECT_NEAR(header->cardAnatomy()->center().y, 155 - (66 - 36 * 0.3) / 2 - 10, 1e-9);
    header->returnToBeginning();
    expectExpandedLook(*header);

    // A new width puts the items back at their expanded centres and keeps the compact look.
    header->moveToEnd();
    header->setFrame(CGRect(0, 0, 320, 200));
    expectPlaces(*header, {160, 185}, {160, 162.5}, {160, 130});
    EXPECT_EQ(header->cardAnatomy()->bounds().size, (platform::CGSize{47, 30}));
    EXPECT_TRUE(header->changeButton()->image(UIControlState::normal));
    header->setBounds(CGRect(0, 0, 320, 250));
    EXPECT_EQ(header->changeButton()->center(), (CGPoint{160, 185})) << "same width: nothing moves";

    header->setHideCardChangeButton(true);
    EXPECT_TRUE(header->changeButton()->isHidden() && header->cardChangeButton()->isHidden());
    header->setHideCardChangeButton(false);
    EXPECT_FALSE(header->changeButton()->isHidden() || header->cardChangeButton()->isHidden());
}

TEST_F(CardViewsTest, HeaderDescriptionSizesItsBaseAroundTextAndStar)
{
    auto header = NSObject::create<PaymentHeaderView>(CGRect(0, 0, 375, 200));
    auto measure = NSObject::create<platform::UILabel>();
    measure->setFont(platform::UIFont::systemFont(12));
    measure->setText("Visa 1234");
    measure->sizeToFit();
    double textWidth = measure->frame().width();
    CGPoint centre = header->lableBaseView()->center();
    header->setCardText("Visa 1234");
    EXPECT_NEAR(header->lableBaseView()->bounds().width(), textWidth + 18, 1e-9);
    EXPECT_NEAR(header->descriptionLabel()->frame().width(), textWidth, 1e-9);
    EXPECT_NEAR(header->starImageView()->frame().minX(), textWidth + 8, 1e-9);
    EXPECT_EQ(header->starImageView()->frame().height(), header->descriptionLabel()->frame().height());
    EXPECT_EQ(header->lableBaseView()->center(), centre) << "the base keeps its centre";

    // Too long for the room beside a 106-wide card on a 375-point screen: 228 wide, label 210.
    header->setCardText(std::string(60, 'W'));
    EXPECT_NEAR(header->lableBaseView()->bounds().width(), 228, 1e-9);
    EXPECT_NEAR(header->descriptionLabel()->frame().width(), 210, 1e-9);
    EXPECT_LT(header->descriptionLabel()->fontScaleForCurrentBounds(), 1) << "the font shrinks";

    header->setUpCardView("Card 4321",
                          NSObject::create<tavro::TavroCardDetails>("4321", "Debit", nullptr, UIColor::red(), nullptr));
    EXPECT_EQ(header->cardText(), "Card 4321");
    EXPECT_TRUE(platform::isEqual(header->cardAnatomy()->cardAnatomy.lock()->backgroundColor(), UIColor::red()));
}
