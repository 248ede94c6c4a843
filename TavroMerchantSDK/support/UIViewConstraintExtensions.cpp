#include "TavroMerchantSDK/support/UIViewConstraintExtensions.h"

#include "platform/foundation/DebugLog.h"

#include <string>

namespace tavro {

using platform::NSLayoutAttribute;
using platform::NSLayoutConstraint;
using platform::NSLayoutRelation;

platform::NSLayoutAttribute getOppositeAttribute(NSLayoutAttribute attribute, bool hasToView)
{
    if (!hasToView)
        return attribute;
    switch (attribute) {
    case NSLayoutAttribute::top: return NSLayoutAttribute::bottom;
    case NSLayoutAttribute::bottom: return NSLayoutAttribute::top;
    case NSLayoutAttribute::leading: return NSLayoutAttribute::trailing;
    case NSLayoutAttribute::trailing: return NSLayoutAttribute::leading;
    default: return attribute;
    }
}

platform::NSLayoutAttribute getOppositeAttribute(NSLayoutAttribute attribute, const platform::UIViewPtr& toView)
{
    return getOppositeAttribute(attribute, toView != nullptr);
}

platform::CGFloat getConstantBetween(NSLayoutAttribute attribute, const platform::UIViewPtr& parentView,
                                     const platform::UIViewPtr& toView, const platform::UIViewPtr& currentView)
{
    if (!currentView)
        return 0;
    const auto c = currentView->frame();
    const auto parent = parentView ? parentView->frame().size : platform::CGSize{};
    if (toView) {
        // A toView deeper in the parent's subtree is measured in the parent's space, as the
        // current view's frame is.
        const bool nested = parentView && toView != parentView && toView->superview() &&
                            toView->superview() != parentView && toView->isDescendant(*parentView);
        const auto t = nested ? toView->convert(toView->bounds(), parentView) : toView->frame();
        switch (attribute) {
        case NSLayoutAttribute::top: return c.minY() - t.maxY();
        case NSLayoutAttribute::bottom: return t.minY() - c.maxY();
        case NSLayoutAttribute::leading: return c.minX() - t.maxX();
        case NSLayoutAttribute::trailing: return t.minX() - c.maxX();
        default: return 0;
        }
    }
    switch (attribute) {
    case NSLayoutAttribute::top: return c.minY();
    case NSLayoutAttribute::bottom: return parent.height - c.maxY();
    case NSLayoutAttribute::leading: return c.minX();
    case NSLayoutAttribute::trailing: return parent.width - c.maxX();
    default: return 0;
    }
}

platform::NSLayoutConstraintPtr addConstraintOn(const platform::UIViewPtr& currentView, NSLayoutAttribute attribute,
                                                const platform::UIViewPtr& toView,
                                                const platform::UILayoutGuidePtr& bottomLayoutSupport,
                                                const platform::UILayoutGuidePtr& /*topLayoutSupport*/)
{
    if (!currentView) {
        platform::debugLog("addConstraintOn: no view to constrain");
        return nullptr;
    }
    if (platform::isSizeAttribute(attribute)) {
        auto size = currentView->frame().size;
        auto constraint = NSLayoutConstraint::create(currentView, attribute, NSLayoutRelation::equal, nullptr,
                                                     NSLayoutAttribute::notAnAttribute, 1,
                                                     attribute == NSLayoutAttribute::width ? size.width : size.height);
        currentView->addConstraint(constraint);
        return constraint;
    }

    auto superview = currentView->superview();
    if (!superview) {
        platform::debugLog("addConstraintOn: " + currentView->className() + " has no superview to pin its " +
                           std::string(platform::attributeName(attribute)) + " to");
        return NSLayoutConstraint::create(currentView, attribute, NSLayoutRelation::equal, currentView, attribute);
    }

    if (toView && toView != superview && !toView->isDescendant(*superview)) {
        platform::debugLog("addConstraintOn: " + toView->className() + " is outside the superview of " +
                           currentView->className() + "; nothing to relate its " +
                           std::string(platform::attributeName(attribute)) + " to");
        return NSLayoutConstraint::create(currentView, attribute, NSLayoutRelation::equal, currentView, attribute);
    }

    const auto opposite = getOppositeAttribute(attribute, toView);
    const auto gap = getConstantBetween(attribute, superview, toView, currentView);
    const bool trailingEdge = attribute == NSLayoutAttribute::bottom || attribute == NSLayoutAttribute::trailing;

    platform::NSLayoutConstraintPtr constraint;
    if (trailingEdge && toView) {
        constraint =
            NSLayoutConstraint::create(toView, opposite, NSLayoutRelation::equal, currentView, attribute, 1, gap);
    } else if (attribute == NSLayoutAttribute::bottom && bottomLayoutSupport) {
        // The guide takes over the bottom edge; the gap the frame shows is not kept.
        constraint = NSLayoutConstraint::create(bottomLayoutSupport, NSLayoutAttribute::top, NSLayoutRelation::equal,
                                                currentView, NSLayoutAttribute::bottom, 1, 0);
    } else if (trailingEdge) {
        constraint =
            NSLayoutConstraint::create(superview, attribute, NSLayoutRelation::equal, currentView, attribute, 1, gap);
    } else {
        const platform::UIViewPtr& other = toView ? toView : superview;
        constraint =
            NSLayoutConstraint::create(currentView, attribute, NSLayoutRelation::equal, other, opposite, 1, gap);
    }
    superview->addConstraint(constraint);
    return constraint;
}

} // namespace tavro
