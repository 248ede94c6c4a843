#include "controls/CardViewsTestSupport.h"

#include "TavroMerchantSDK/controls/PaymentHeaderView.h"
#include "TavroMerchantSDK/support/UIImageDrawingExtensions.h"
#include "platform/foundation/DebugLog.h"
#include "platform/graphics/UIFont.h"

using cardviews::CardViewsTest;
using cardviews::isHexColor;
using platform::CGPoint;
using platform::CGRect;
using platform::NSObject;
using platform::UIControlState;
using tavro::PaymentHeaderView;

namespace {

void expectCenter(const platform::UIViewPtr& view, CGPoint expected, const char* what)
{
    EXPECT_NEAR(view->center().x, expected.x, 1e-9) << what;
    EXPECT_NEAR(view->center().y, expected.y, 1e-9) << what;
}

// A 375 x 200 header whose change button is 60 x 30 and description base 150 x 15, expanded.
std::shared_ptr<PaymentHeaderView> pinnedHeader()
{
    auto header = NSObject::create<PaymentHeaderView>(CGRect(0, 0, 375, 200));
    header->changeButton()->setBounds(CGRect(0, 0, 60, 30));
    header->lableBaseView()->setBounds(CGRect(0, 0, 150, 15));
    header->returnToBeginning();
    return header;
}

void expectExpanded(const std::shared_ptr<PaymentHeaderView>& header)
{
    expectCenter(header->changeButton(), {187.5, 185}, "change button");
    expectCenter(header->lableBaseView(), {187.5, 162.5}, "description");
    expectCenter(header->cardAnatomy(), {187.5, 112}, "card");
    EXPECT_EQ(header->cardAnatomy()->bounds().size, (platform::CGSize{106, 66}));
    EXPECT_EQ(header->cardChangeButton()->frame(), CGRect(0, 0, 106, 66));
    EXPECT_EQ(header->changeButton()->title(UIControlState::normal).value_or(""), "CHANGE");
    EXPECT_FALSE(header->changeButton()->image(UIControlState::normal));
    EXPECT_TRUE(isHexColor(header->changeButton()->titleColor(UIControlState::normal), "#003EA9"));
    EXPECT_TRUE(isHexColor(header->descriptionLabel()->textColor(), "#1D2A59"));
    EXPECT_TRUE(isHexColor(header->starImageView()->tintColor(), "#15195A"));
}

} // namespace

TEST_F(CardViewsTest, HeaderLayoutFromExpandedToCompact)
{
    auto config = NSObject::create<tavro::TavroConfig>();
    config->setFontColor(platform::UIColor::orange());
    session()->setConfiguration(config);
    auto header = pinnedHeader();
    EXPECT_EQ(header->cardChangeButton()->superview(), header->cardAnatomy());
    EXPECT_EQ(header->cardChangeButton()->accessibilityIdentifier().value_or(""), "Card_Change_Button");
    EXPECT_EQ(header->changeButton()->actionCount(), 0u) << "the screen wires the buttons";
    expectExpanded(header);

    header->updateProgress(0.5);
    expectCenter(header->changeButton(), {266.25, 135}, "change button");
    expectCenter(header->lableBaseView(), {167.75, 98.75}, "description");
    expectCenter(header->cardAnatomy(), {125.25, 66.625}, "card");
    EXPECT_NEAR(header->cardAnatomy()->bounds().width(), 76.5, 1e-9);
    EXPECT_NEAR(header->cardAnatomy()->bounds().height(), 48, 1e-9);
    EXPECT_EQ(header->changeButton()->title(UIControlState::normal).value_or(""), "CHANGE") << "ends only";

    header->returnToBeginning();
    header->updateProgress(1);
    expectCenter(header->changeButton(), {345, 85}, "change button");
    expectCenter(header->lableBaseView(), {148, 85}, "description");
    expectCenter(header->cardAnatomy(), {63, 85}, "card");
    EXPECT_EQ(header->cardAnatomy()->bounds().size, (platform::CGSize{47, 30}));
    EXPECT_NEAR(header->cardAnatomy()->frame().minX(), 39.5, 1e-9);
    EXPECT_EQ(header->cardChangeButton()->frame(), CGRect(20, 0, 47, 30));
    EXPECT_EQ(header->changeButton()->title(UIControlState::normal).value_or("<none>"), "");
    auto chevron = header->changeButton()->image(UIControlState::normal);
    ASSERT_TRUE(chevron);
    EXPECT_EQ(chevron->renderingMode(), platform::UIImageRenderingMode::alwaysTemplate);
    EXPECT_TRUE(platform::isEqual(header->tintColor(), platform::UIColor::orange()));
    EXPECT_TRUE(platform::isEqual(header->descriptionLabel()->textColor(), platform::UIColor::orange()));
    EXPECT_TRUE(platform::isEqual(header->changeButton()->titleColor(UIControlState::highlighted),
                                  platform::UIColor::orange()->withAlphaComponent(0.5)));

    // Between the ends after the compact layout: the chevron, colours and tinted star stay.
    header->updateProgress(0.3);
    EXPECT_TRUE(header->changeButton()->image(UIControlState::normal));
    EXPECT_TRUE(platform::isEqual(header->descriptionLabel()->textColor(), platform::UIColor::orange()));
    EXPECT_TRUE(platform::isEqual(header->starImageView()->tintColor(), platform::UIColor::orange()));

    platform::DebugLogCapture log;
    CGPoint before = header->cardAnatomy()->center();
    header->updateProgress(std::nan(""));
    EXPECT_EQ(header->cardAnatomy()->center(), before);
    EXPECT_EQ(log.lines().size(), 1u);

    // The card is centred from its height before it grows back, so the first return from a
    // partial collapse lands it lower; the next one settles.
    header->updateProgress(0);
    expectCenter(header->cardAnatomy(), {187.5, 155 - (66 - 36 * 0.3) / 2 - 10}, "card after 0.3");
    header->updateProgress(0);
    expectExpanded(header);
}

TEST_F(CardViewsTest, HeaderWidthChangeRecentresButKeepsTheCompactLook)
{
    auto header = pinnedHeader();
    header->moveToEnd();
    header->setFrame(CGRect(0, 0, 320, 200));
    expectCenter(header->changeButton(), {160, 185}, "change button");
    expectCenter(header->lableBaseView(), {160, 162.5}, "description");
    expectCenter(header->cardAnatomy(), {160, 162.5 - 7.5 - 15 - 10}, "card");
    EXPECT_EQ(header->cardAnatomy()->bounds().size, (platform::CGSize{47, 30}));
    EXPECT_TRUE(header->changeButton()->image(UIControlState::normal)) << "the chevron stays";

    header->setBounds(CGRect(0, 0, 320, 250));
    expectCenter(header->changeButton(), {160, 185}, "same width: nothing moves");

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
    EXPECT_NEAR(header->starImageView()->frame().maxX(), textWidth + 18, 1e-9);
    EXPECT_EQ(header->starImageView()->frame().height(), header->descriptionLabel()->frame().height());
    EXPECT_EQ(header->lableBaseView()->center(), centre) << "the base keeps its centre";

    // Too long for the room beside a 106-wide card on a 375-point screen: 228 wide, label 210.
    std::string longText(60, 'W');
    header->setCardText(longText);
    EXPECT_NEAR(header->lableBaseView()->bounds().width(), 228, 1e-9);
    EXPECT_NEAR(header->descriptionLabel()->frame().width(), 210, 1e-9);
    EXPECT_LT(header->descriptionLabel()->fontScaleForCurrentBounds(), 1) << "the font shrinks";
    EXPECT_EQ(header->descriptionLabel()->numberOfLines(), 1);

    auto details = NSObject::create<tavro::TavroCardDetails>("4321", "Debit", nullptr, platform::UIColor::red(),
                                                             nullptr);
    header->setUpCardView("Card 4321", details);
    EXPECT_EQ(header->cardText(), "Card 4321");
    auto card = header->cardAnatomy()->cardAnatomy.lock();
    ASSERT_TRUE(card);
    EXPECT_TRUE(platform::isEqual(card->backgroundColor(), platform::UIColor::red()));
}
