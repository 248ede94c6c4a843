#include "TavroMerchantSDK/controls/PaymentHeaderView.h"

#include "TavroMerchantSDK/support/StringConstants.h"
#include "TavroMerchantSDK/support/UIImageExtensions.h"
#include "platform/foundation/Text.h"
#include "platform/graphics/UIFont.h"
#include "platform/ui/UIScreen.h"

namespace tavro {

using platform::CGRect;
using platform::NSObject;

namespace {

// Room the description leaves beside the card, and the star after the text.
constexpr double kDescriptionReserve = 44 + 50;
constexpr double kStarGap = 8;
constexpr double kStarWidth = 10;

} // namespace

PaymentHeaderView::PaymentHeaderView(const CGRect& frame) : platform::UIView(frame) {}

void PaymentHeaderView::didCreate()
{
    platform::UIView::didCreate();
    m_cardAnatomy = NSObject::create<TavroCardAnatomy>();
    m_descriptionLabel = NSObject::create<platform::UILabel>();
    m_lableBaseView = NSObject::create<platform::UIView>();
    m_starImageView = NSObject::create<platform::UIImageView>(CGRect(0, 0, kStarWidth, 10));
    m_changeButton = NSObject::create<platform::UIButton>();
    m_cardChangeButton = NSObject::create<platform::UIButton>();
    commonInit();
}

void PaymentHeaderView::commonInit()
{
    m_changeButton->setTitle(platform::text::toUpper(StringConstants::REVIEW_PAYMENT_CHANGE()),
                             platform::UIControlState::normal);
    m_changeButton->titleLabel()->setFont(platform::UIFont::boldSystemFont(12));
    m_changeButton->sizeToFit();
    addSubview(m_changeButton);
    m_starImageView->setImage(tavroImage("icon_star"));
    m_descriptionLabel->setFont(platform::UIFont::systemFont(12));
    addSubview(m_lableBaseView);
    addSubview(m_cardAnatomy);
    m_cardChangeButton->setFrame(m_cardAnatomy->bounds());
    m_cardAnatomy->addSubview(m_cardChangeButton);
    m_cardChangeButton->setAccessibilityIdentifier("Card_Change_Button");
    returnToBeginning();
}

void PaymentHeaderView::setHideCardChangeButton(bool hide)
{
    m_hideCardChangeButton = hide;
    m_cardChangeButton->setHidden(hide);
    m_changeButton->setHidden(hide);
}

void PaymentHeaderView::setCardText(std::string text)
{
    m_cardText = std::move(text);
    platform::CGPoint keptCenter = m_lableBaseView->center();
    m_descriptionLabel->setText(m_cardText);
    m_descriptionLabel->sizeToFit();
    m_descriptionLabel->setUserInteractionEnabled(false);

    double maximum =
        platform::UIScreen::main()->bounds().width() - m_cardAnatomy->bounds().width() / 2 - kDescriptionReserve;
    double labelWidth = m_descriptionLabel->frame().width();
    double labelHeight = m_descriptionLabel->frame().height();
    double baseWidth = labelWidth + kStarWidth + kStarGap < maximum ? labelWidth + kStarWidth + kStarGap : maximum;
    m_lableBaseView->setFrame(CGRect(0, 0, baseWidth, labelHeight));

    m_descriptionLabel->setFrame(CGRect(0, 0, baseWidth - kStarWidth - kStarGap, m_lableBaseView->frame().height()));
    m_lableBaseView->addSubview(m_descriptionLabel);
    m_descriptionLabel->setNumberOfLines(1);
    m_descriptionLabel->setAdjustsFontSizeToFitWidth(true);
    m_descriptionLabel->setMinimumScaleFactor(0.5);

    CGRect star = m_starImageView->frame();
    m_starImageView->setFrame(CGRect(m_descriptionLabel->frame().maxX() + kStarGap, star.origin.y, star.width(),
                                     m_descriptionLabel->frame().height()));
    m_lableBaseView->addSubview(m_starImageView);
    m_starImageView->setContentMode(platform::UIViewContentMode::scaleAspectFit);
    m_lableBaseView->setCenter(keptCenter);
}

void PaymentHeaderView::setUpCardView(std::string text, const std::shared_ptr<TavroCardDetails>& cardDetail)
{
    setCardText(std::move(text));
    m_cardAnatomy->customizeCardArt(cardDetail);
}

void PaymentHeaderView::setFrame(const CGRect& frame)
{
    double previousWidth = bounds().width();
    platform::UIView::setFrame(frame);
    recentreForWidthChange(previousWidth);
}

void PaymentHeaderView::setBounds(const CGRect& bounds)
{
    double previousWidth = this->bounds().width();
    platform::UIView::setBounds(bounds);
    recentreForWidthChange(previousWidth);
}

void PaymentHeaderView::recentreForWidthChange(double previousWidth)
{
    // The parts do not exist yet while the platform initialiser sets the first frame.
    if (!m_changeButton || bounds().width() == previousWidth)
        return;
    m_changeButton->setCenter(expandedChangeCenter());
    m_lableBaseView->setCenter(descriptionOriginalCenter());
    m_cardAnatomy->setCenter(cardOriginalCenter());
}

} // namespace tavro
