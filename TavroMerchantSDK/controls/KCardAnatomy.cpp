#include "TavroMerchantSDK/controls/KCardAnatomy.h"

#include "TavroMerchantSDK/controls/CardAnatomyNibs.h"
#include "TavroMerchantSDK/controls/CardNibContent.h"
#include "TavroMerchantSDK/support/UIColorExtensions.h"
#include "TavroMerchantSDK/support/UIImageExtensions.h"

#include <cmath>
#include <typeindex>

namespace tavro {

namespace {

constexpr double kCornerRadiusPerHeight = 0.04;

} // namespace

KCardAnatomy::KCardAnatomy(const platform::CGRect& frame) : platform::UIView(frame) {}

void KCardAnatomy::didCreate()
{
    platform::UIView::didCreate();
    setup();
}

void KCardAnatomy::setup()
{
    setBackgroundColor(colorWithHexString("003ae9"));
    setTranslatesAutoresizingMaskIntoConstraints(false);
    ensureCardAnatomyNibsRegistered();
    // The nib is named after KCardAnatomy itself, so subclasses share it.
    auto self = sharedFromThis<platform::UIView>();
    auto content = loadCardNibContent(self, std::type_index(typeid(KCardAnatomy)));
    if (content) {
        const char* missing = nullptr;
        if (backgroundImageView.expired())
            missing = "backgroundImageView";
        else if (leftIssuerImageView.expired())
            missing = "leftIssuerImageView";
        else if (rightIssuerImageView.expired())
            missing = "rightIssuerImageView";
        else if (koraImageView.expired())
            missing = "koraImageView";
        else if (leftIssuerWidthConstraint.expired())
            missing = "leftIssuerWidthConstraint";
        else if (rightIssuerWidthConstraint.expired())
            missing = "rightIssuerWidthConstraint";
        else if (!smallKoraHeightConstraint)
            missing = "smallKoraHeightConstraint";
        else if (!largeKoraHeightConstraint)
            missing = "largeKoraHeightConstraint";
        if (missing) {
            discardCardNibContent(self, content, "KCardAnatomy", missing);
            content = nullptr;
        }
    }
    if (!content) {
        // Whatever a broken nib connected is let go, so every step below sees an empty card.
        backgroundImageView.reset();
        leftIssuerImageView.reset();
        rightIssuerImageView.reset();
        koraImageView.reset();
        leftIssuerWidthConstraint.reset();
        rightIssuerWidthConstraint.reset();
        if (smallKoraHeightConstraint)
            removeConstraint(smallKoraHeightConstraint);
        if (largeKoraHeightConstraint)
            removeConstraint(largeKoraHeightConstraint);
        smallKoraHeightConstraint.reset();
        largeKoraHeightConstraint.reset();
    }
    setClipsToBounds(true);
    if (auto kora = koraImageView.lock())
        kora->setImage(uiControlsImageNamed("img_card_logo_kora_white"));
}

void KCardAnatomy::setBackgroundImage(platform::UIImagePtr image)
{
    m_backgroundImage = std::move(image);
    if (auto view = backgroundImageView.lock())
        view->setImage(m_backgroundImage);
}

void KCardAnatomy::setLeftIssuerLogo(platform::UIImagePtr image)
{
    m_leftIssuerLogo = std::move(image);
    if (auto view = leftIssuerImageView.lock())
        view->setImage(m_leftIssuerLogo);
}

void KCardAnatomy::setRightIssuerLogo(platform::UIImagePtr image)
{
    m_rightIssuerLogo = std::move(image);
    if (auto view = rightIssuerImageView.lock())
        view->setImage(m_rightIssuerLogo);
}

void KCardAnatomy::setShowsKoraLogo(bool shows)
{
    m_showsKoraLogo = shows;
    if (auto view = koraImageView.lock())
        view->setHidden(!shows);
}

void KCardAnatomy::setShowsIssuerLogos(bool shows)
{
    m_showsIssuerLogos = shows;
    if (auto view = leftIssuerImageView.lock())
        view->setHidden(!shows);
    if (auto view = rightIssuerImageView.lock())
        view->setHidden(!shows);
    const auto& leaving = shows ? largeKoraHeightConstraint : smallKoraHeightConstraint;
    const auto& arriving = shows ? smallKoraHeightConstraint : largeKoraHeightConstraint;
    if (leaving)
        removeConstraint(leaving);
    if (arriving)
        addConstraint(arriving);
    layoutIfNeeded();
}

void KCardAnatomy::layoutSubviews()
{
    platform::UIView::layoutSubviews();
    layer()->setCornerRadius(bounds().height() * kCornerRadiusPerHeight);
    fitIssuerWidth(m_leftIssuerLogo, leftIssuerImageView, leftIssuerWidthConstraint);
    fitIssuerWidth(m_rightIssuerLogo, rightIssuerImageView, rightIssuerWidthConstraint);
}

void KCardAnatomy::fitIssuerWidth(const platform::UIImagePtr& logo,
                                  const std::weak_ptr<platform::UIImageView>& imageView,
                                  const std::weak_ptr<platform::NSLayoutConstraint>& widthConstraint)
{
    if (!logo)
        return;
    layoutIfNeeded();
    auto view = imageView.lock();
    auto constraint = widthConstraint.lock();
    if (!view || !constraint)
        return;
    platform::CGSize size = logo->size();
    if (!(size.height > 0))
        return;
    double width = size.width / size.height * view->frame().height();
    if (!std::isfinite(width) || width == constraint->constant())
        return;
    constraint->setConstant(width);
    // Changed in the middle of a layout pass: ask for one more, so the new width is placed.
    setNeedsLayout();
}

} // namespace tavro
