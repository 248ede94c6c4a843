// The header's two layouts and the blend between them.
#include "TavroMerchantSDK/controls/PaymentHeaderView.h"

#include "TavroMerchantSDK/core/TavroSession.h"
#include "TavroMerchantSDK/support/StringConstants.h"
#include "TavroMerchantSDK/support/UIColorExtensions.h"
#include "TavroMerchantSDK/support/UIImageExtensions.h"
#include "TavroMerchantSDK/support/UIImageViewExtensions.h"
#include "platform/foundation/DebugLog.h"
#include "platform/foundation/Text.h"

#include <cmath>

namespace tavro {

using platform::CGPoint;
using platform::CGRect;
using platform::UIControlState;

namespace {

// The line the compact layout puts everything on is this far above the middle.
constexpr double kCompactLift = 15;
constexpr double kCompactDescriptionX = 73;
constexpr double kCompactCardX = 10;
constexpr double kCardAboveDescription = 10;
// The card's invisible button reaches this far right of the small card.
constexpr double kCompactCardButtonShift = 20;

CGPoint blend(CGPoint from, CGPoint to, double progress)
{
    return {from.x + (to.x - from.x) * progress, from.y + (to.y - from.y) * progress};
}

platform::UIColorPtr configuredFontColor()
{
    return TavroSession::sharedSession()->internalConfiguration()->fontColor();
}

} // namespace

CGPoint PaymentHeaderView::descriptionOriginalCenter() const
{
    return {bounds().width() / 2, m_changeButton->frame().minY() - m_lableBaseView->bounds().height() / 2};
}

CGPoint PaymentHeaderView::cardOriginalCenter() const
{
    return {bounds().width() / 2,
            m_lableBaseView->frame().minY() - m_cardAnatomy->bounds().height() / 2 - kCardAboveDescription};
}

CGPoint PaymentHeaderView::expandedChangeCenter() const
{
    return {bounds().width() / 2, bounds().height() - m_changeButton->bounds().height() / 2};
}

CGPoint PaymentHeaderView::compactChangeCenter() const
{
    return {bounds().width() - m_changeButton->bounds().width() / 2, bounds().height() / 2 - kCompactLift};
}

CGPoint PaymentHeaderView::compactDescriptionCenter() const
{
    return {m_lableBaseView->bounds().width() / 2 + kCompactDescriptionX, bounds().height() / 2 - kCompactLift};
}

CGPoint PaymentHeaderView::compactCardCenter() const
{
    return {m_cardAnatomy->bounds().width() / 2 + kCompactCardX, bounds().height() / 2 - kCompactLift};
}

void PaymentHeaderView::setCardSize(double width, double height)
{
    CGRect card = m_cardAnatomy->bounds();
    m_cardAnatomy->setBounds(CGRect(card.origin.x, card.origin.y, width, height));
}

void PaymentHeaderView::returnToBeginning()
{
    m_changeButton->setTitleColor(colorWithHexString("#003EA9"), UIControlState::normal);
    m_changeButton->setTitleColor(lightActiveElementColor(), UIControlState::highlighted);
    m_changeButton->setCenter(expandedChangeCenter());
    m_descriptionLabel->setTextColor(lightActiveElementColor());
    m_lableBaseView->setCenter(descriptionOriginalCenter());
    m_cardAnatomy->setCenter(cardOriginalCenter());
    setCardSize(expandedCardWidth, expandedCardHeight);
    m_cardChangeButton->setFrame(m_cardAnatomy->bounds());
    m_changeButton->setTitle(platform::text::toUpper(StringConstants::REVIEW_PAYMENT_CHANGE()), UIControlState::normal);
    m_changeButton->setImage(nullptr, UIControlState::normal);
    setImageColor(*m_starImageView, colorWithHexString("#15195A"));
}

void PaymentHeaderView::moveToEnd()
{
    auto fontColor = configuredFontColor();
    m_changeButton->setTitleColor(fontColor, UIControlState::normal);
    m_changeButton->setTitleColor(fontColor ? fontColor->withAlphaComponent(0.5) : nullptr,
                                  UIControlState::highlighted);
    m_changeButton->setCenter(compactChangeCenter());
    m_changeButton->setTitle(std::string(), UIControlState::normal);
    setTintColor(fontColor);
    m_changeButton->setImage(
        tavroImage("icon_chevron_right")->withRenderingMode(platform::UIImageRenderingMode::alwaysTemplate),
        UIControlState::normal);
    m_changeButton->imageView()->setContentMode(platform::UIViewContentMode::scaleAspectFit);
    m_descriptionLabel->setTextColor(fontColor);
    m_lableBaseView->setCenter(compactDescriptionCenter());
    setImageColor(*m_starImageView, fontColor);
    // The centre uses the card's width before it shrinks.
    m_cardAnatomy->setCenter(compactCardCenter());
    setCardSize(compactCardWidth, compactCardHeight);
    CGRect card = m_cardAnatomy->bounds();
    m_cardChangeButton->setFrame(
        CGRect(card.origin.x + kCompactCardButtonShift, card.origin.y, card.width(), card.height()));
}

void PaymentHeaderView::updateProgress(double progress)
{
    if (std::isnan(progress)) {
        platform::debugLog("PaymentHeaderView: ignoring a progress that is not a number");
        return;
    }
    if (progress == 0) {
        returnToBeginning();
        return;
    }
    if (progress == 1) {
        moveToEnd();
        return;
    }
    m_changeButton->setCenter(blend(expandedChangeCenter(), compactChangeCenter(), progress));
    m_lableBaseView->setCenter(blend(descriptionOriginalCenter(), compactDescriptionCenter(), progress));
    m_cardAnatomy->setCenter(blend(cardOriginalCenter(), compactCardCenter(), progress));
    setCardSize(expandedCardWidth + (compactCardWidth - expandedCardWidth) * progress,
                expandedCardHeight + (compactCardHeight - expandedCardHeight) * progress);
    m_cardChangeButton->setFrame(m_cardAnatomy->bounds());
}

} // namespace tavro
