#include "TavroMerchantSDK/controls/KCheckbox.h"

#include "TavroMerchantSDK/support/KDefaultConstants.h"
#include "TavroMerchantSDK/support/KThemes.h"
#include "TavroMerchantSDK/support/UIImageDrawingExtensions.h"

#include "platform/graphics/UIBezierPath.h"
#include "platform/ui/CAShapeLayer.h"
#include "platform/ui/NSLayoutConstraint.h"

#include <cmath>

namespace tavro {

using platform::CGFloat;
using platform::NSLayoutAttribute;
using platform::NSLayoutConstraint;
using platform::NSLayoutRelation;

KCheckbox::KCheckbox(const platform::CGRect& frame)
    : platform::UIButton(frame),
      m_theme(KThemes::currentTheme()->uiTheme()),
      m_checkboxBorderWidth(KDefaultConstants::CHECKBOX_BORDER_WIDTH),
      m_checkboxWidth(KDefaultConstants::CHECKBOX_WIDTH),
      m_checkmarkWidth(KDefaultConstants::CHECKBOX_CHECKMARK_WIDTH)
{
}

platform::UIColorPtr KCheckbox::borderColor(KUITheme theme)
{
    return KThemes::uiColor(theme);
}

platform::UIColorPtr KCheckbox::fillColor(KUITheme theme)
{
    return KThemes::uiColor(theme);
}

platform::UIColorPtr KCheckbox::tickColor(KUITheme theme)
{
    return KThemes::uiColor(theme == KUITheme::darkUI ? KUITheme::lightUI : KUITheme::darkUI);
}

void KCheckbox::didCreate()
{
    platform::UIButton::didCreate();
    m_checkmarkImageView = platform::NSObject::create<platform::UIImageView>();
    setup();
}

void KCheckbox::setup()
{
    setTranslatesAutoresizingMaskIntoConstraints(false);
    m_checkmarkImageView->setTranslatesAutoresizingMaskIntoConstraints(false);
    layer()->setBorderWidth(m_checkboxBorderWidth);
    m_checkmarkImageView->setHidden(true);
    m_checkmarkImageView->setUserInteractionEnabled(false);
    addSubview(m_checkmarkImageView);
    layer()->setBorderColor(borderColor(m_theme));
    m_checkmarkNeedsRedrawing = true;
    setNeedsDisplay();
    addTarget(sharedFromThis<KCheckbox>(), &KCheckbox::touchUpInside, platform::UIControlEvents::touchUpInside);
}

void KCheckbox::setTheme(KUITheme theme)
{
    m_theme = theme;
    layer()->setBorderColor(borderColor(m_theme));
    m_checkmarkNeedsRedrawing = true;
    setNeedsDisplay();
}

void KCheckbox::setCheckboxBorderWidth(CGFloat width)
{
    m_checkboxBorderWidth = width;
    layer()->setBorderWidth(width);
    setNeedsDisplay();
}

void KCheckbox::setCheckmarkWidth(CGFloat width)
{
    m_checkmarkWidth = width;
    m_checkmarkNeedsRedrawing = true;
}

void KCheckbox::setSelected(bool selected)
{
    platform::UIButton::setSelected(selected);
    updateCheckboxAppearance();
}

void KCheckbox::setHighlighted(bool highlighted)
{
    platform::UIButton::setHighlighted(highlighted);
    updateCheckboxAppearance();
}

void KCheckbox::touchUpInside()
{
    setSelected(!isSelected());
}

void KCheckbox::updateCheckboxAppearance()
{
    setBackgroundColor(isSelected() || isHighlighted() ? fillColor(m_theme) : platform::UIColor::clear());
    m_checkmarkImageView->setHidden(isSelected() ? isHighlighted() : true);
}

void KCheckbox::updateConstraints()
{
    if (!m_didSetConstraints) {
        auto self = sharedFromThis<platform::UIView>();
        const auto& tick = m_checkmarkImageView;
        const CGFloat side = checkboxWidth();
        std::vector<std::shared_ptr<NSLayoutConstraint>> constraints{
            NSLayoutConstraint::create(tick, NSLayoutAttribute::centerX, NSLayoutRelation::equal, self,
                                       NSLayoutAttribute::centerX, 1, 0),
            NSLayoutConstraint::create(tick, NSLayoutAttribute::centerY, NSLayoutRelation::equal, self,
                                       NSLayoutAttribute::centerY, 1, 0),
            NSLayoutConstraint::create(tick, NSLayoutAttribute::width, NSLayoutRelation::equal, self,
                                       NSLayoutAttribute::width, 0.6, 0),
            NSLayoutConstraint::create(tick, NSLayoutAttribute::height, NSLayoutRelation::equal, self,
                                       NSLayoutAttribute::height, 0.5, 0),
            NSLayoutConstraint::create(self, NSLayoutAttribute::width, NSLayoutRelation::equal, nullptr,
                                       NSLayoutAttribute::notAnAttribute, 1, side),
            NSLayoutConstraint::create(self, NSLayoutAttribute::height, NSLayoutRelation::equal, nullptr,
                                       NSLayoutAttribute::notAnAttribute, 1, side),
        };
        for (const auto& constraint : constraints)
            constraint->setPriority(800);
        NSLayoutConstraint::activate(constraints);
        m_didSetConstraints = true;
    }
    platform::UIButton::updateConstraints();
}

void KCheckbox::draw(platform::CGContext& context, const platform::CGRect& rect)
{
    if (m_checkmarkNeedsRedrawing) {
        m_checkmarkImageView->setImage(checkboxImage(rect.size));
        m_checkmarkNeedsRedrawing = false;
    }
    platform::UIButton::draw(context, rect);
}

platform::UIImagePtr KCheckbox::checkboxImage(platform::CGSize size) const
{
    const CGFloat w = size.width;
    const CGFloat h = size.height;
    const CGFloat c = checkmarkWidth();
    const CGFloat up = std::ceil(c / 2);
    const CGFloat down = std::floor(c / 2);
    platform::UIBezierPath path;
    path.move({up, h / 4 + up});
    path.addLine({0.6 * w / 3 + up, h / 2 + down});
    path.addLine({0.6 * w + down, up});

    auto tick = platform::CAShapeLayer::layer();
    tick->setPath(path.cgPath());
    tick->setLineWidth(c);
    tick->setFillColor(platform::UIColor::clear());
    tick->setStrokeColor(tickColor(m_theme));
    tick->setFrame(platform::CGRect(0, 0, 0.6 * w + c, h / 2 + c));
    return imageFromLayer(tick);
}

} // namespace tavro
