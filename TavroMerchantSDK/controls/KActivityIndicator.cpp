#include "TavroMerchantSDK/controls/KActivityIndicator.h"

#include "TavroMerchantSDK/support/KDefaultConstants.h"
#include "TavroMerchantSDK/support/KThemes.h"

#include "platform/graphics/UIBezierPath.h"
#include "platform/ui/CABasicAnimation.h"

#include <algorithm>
#include <limits>
#include <numbers>

namespace tavro {

namespace {

// Key of the turning on the view's layer: a new start replaces the earlier turning.
constexpr const char* kRotationKey = "rotation";

} // namespace

KActivityIndicator::KActivityIndicator(const platform::CGRect& frame)
    : platform::UIView(frame),
      m_headColor(KThemes::uiElementColor(KThemes::currentTheme()->uiTheme())),
      m_tailColor(KDefaultConstants::ACCENT_UI_COLOR())
{
}

void KActivityIndicator::didCreate()
{
    platform::UIView::didCreate();
    setBackgroundColor(platform::UIColor::clear());
}

void KActivityIndicator::addArc(double startAngle, double endAngle, const platform::UIColorPtr& color, double radius)
{
    const auto size = bounds().size;
    auto arc = platform::CAShapeLayer::layer();
    arc->setFrame(bounds());
    arc->setPath(
        platform::UIBezierPath::arc({size.width / 2, size.height / 2}, radius, startAngle, endAngle, true).cgPath());
    arc->setStrokeColor(color);
    arc->setFillColor(nullptr);
    arc->setLineWidth(m_thickness);
    arc->setLineJoin(platform::CGLineJoin::bevel);
    arc->setLineCap(platform::CGLineCap::round);
    layer()->addSublayer(arc);
    m_arcs.push_back(arc);
}

void KActivityIndicator::fade(double from, double to, const char* tag)
{
    auto animation = platform::CABasicAnimation::animation("opacity");
    animation->setFromValue(from);
    animation->setToValue(to);
    animation->setDuration(fadeDuration);
    animation->setDelegate(std::weak_ptr<platform::CAAnimationDelegate>(sharedFromThis<KActivityIndicator>()));
    animation->setValue(platform::AnyValue("video"), tag);
    layer()->setOpacity(to);
    layer()->add(animation);
}

void KActivityIndicator::start(double duration, std::weak_ptr<platform::CAAnimationDelegate> completionDelegate)
{
    m_keepSpinning = true;
    for (const auto& earlier : m_arcs)
        if (auto arc = earlier.lock())
            arc->removeFromSuperlayer();
    m_arcs.clear();

    const auto size = bounds().size;
    // A view smaller than the stroke draws its arcs as a point rather than with a negative radius.
    const double radius = std::max(0.0, std::max(size.width, size.height) / 2 - m_thickness / 2);
    constexpr double pi = std::numbers::pi;
    addArc(3 * pi / 4, pi / 4, m_headColor, radius);
    addArc(3 * pi / 4, 3.0, m_tailColor, radius);

    fade(0, 1, "fadeIn");

    auto rotation = platform::CABasicAnimation::animation("transform.rotation");
    rotation->setFromValue(0.0);
    rotation->setToValue(2 * pi);
    rotation->setDuration(duration);
    rotation->setSpeed(m_speed);
    rotation->setRepeatCount(std::numeric_limits<float>::max());
    if (!completionDelegate.expired())
        rotation->setDelegate(std::move(completionDelegate));
    layer()->add(rotation, std::string(kRotationKey));

    layer()->setNeedsDisplay();
}

void KActivityIndicator::stop()
{
    if (m_keepSpinning)
        fade(1, 0, "fadeOut");
    m_keepSpinning = false;
    setNeedsDisplay();
}

} // namespace tavro
