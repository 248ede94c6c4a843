#include "TavroMerchantSDK/controls/KSecondaryButtonIcon.h"

#include "TavroMerchantSDK/controls/KSoftSize.h"
#include "TavroMerchantSDK/core/TavroSession.h"
#include "TavroMerchantSDK/support/KDefaultConstants.h"
#include "TavroMerchantSDK/support/UIButtonExtensions.h"

#include "platform/foundation/DebugLog.h"
#include "platform/graphics/UIBezierPath.h"
#include "platform/ui/CAShapeLayer.h"

namespace tavro {

using platform::UIControlState;

KSecondaryButtonIcon::KSecondaryButtonIcon(const platform::CGRect& frame) : platform::UIButton(frame) {}

KSecondaryButtonIcon::KSecondaryButtonIcon(const KButtonArchive& archive)
    : platform::UIButton(archive.frame, archive.buttonType), m_fromNib(true)
{
}

void KSecondaryButtonIcon::didCreate()
{
    platform::UIButton::didCreate();
    if (m_fromNib)
        setupFromIB();
    else
        setupProgrammatically();
}

void KSecondaryButtonIcon::setupProgrammatically()
{
    setup();
    setupLayout();
}

void KSecondaryButtonIcon::setupFromIB()
{
    setup();
    setupLayout();
}

void KSecondaryButtonIcon::setup()
{
    setAdjustsImageWhenHighlighted(false);
    tavro::setBackgroundColor(*this, KDefaultConstants::ACTION_UI_ACTIVE_COLOR(), UIControlState::highlighted);
}

void KSecondaryButtonIcon::setupLayout()
{
    setTranslatesAutoresizingMaskIntoConstraints(false);
    auto self = sharedFromThis<platform::UIView>();
    activateSoftSize(self, platform::NSLayoutAttribute::width, side);
    activateSoftSize(self, platform::NSLayoutAttribute::height, side);
}

void KSecondaryButtonIcon::awakeFromNib()
{
    platform::UIButton::awakeFromNib();
    if (buttonType() != platform::UIButtonType::custom)
        platform::debugLog("Warning: buttonType should be Custom in IB");
}

void KSecondaryButtonIcon::setTitle(std::optional<std::string>, UIControlState)
{
    platform::debugLog("Error: SecondaryButtonIcon doesn't support Tittle");
}

void KSecondaryButtonIcon::layoutSubviews()
{
    platform::UIButton::layoutSubviews();
    layer()->setCornerRadius(bounds().size.width / 2);
    layer()->setMasksToBounds(true);
}

void KSecondaryButtonIcon::setRoundedCorners(const platform::UIColorPtr&, UIControlState)
{
    using platform::UIRectCorner;
    auto mask = platform::CAShapeLayer::layer();
    mask->setFrame(bounds());
    auto corners = UIRectCorner::topLeft | UIRectCorner::bottomLeft | UIRectCorner::bottomRight;
    mask->setPath(platform::UIBezierPath::roundedRect(bounds(), corners, platform::CGSize{10, 20}).cgPath());
    layer()->setMask(mask);
}

void KSecondaryButtonIcon::applyStyle()
{
    const auto& config = TavroSession::sharedSession()->internalConfiguration();
    tavro::setBackgroundColor(*this, config->actionButtonColor(), UIControlState::normal);
    tavro::setBackgroundColor(*this, config->actionButtonActiveColor(), UIControlState::highlighted);
    setRoundedCorners(config->actionButtonColor(), UIControlState::normal);
    setRoundedCorners(config->actionButtonActiveColor(), UIControlState::highlighted);
}

void KSecondaryButtonIcon::applyButtonStyle()
{
    auto image = currentImage();
    if (!image)
        return;
    setImage(image->withRenderingMode(platform::UIImageRenderingMode::alwaysTemplate), UIControlState::normal);
    setTintColor(platform::UIColor::white());
}

} // namespace tavro
