// Activation: installing a constraint on the nearest common ancestor of its items, and finding
// where a constraint is installed.
#include "platform/foundation/DebugLog.h"
#include "platform/ui/NSLayoutConstraint.h"
#include "platform/ui/UILayoutGuide.h"
#include "platform/ui/UIView.h"

#include <algorithm>

namespace platform {

namespace {

bool holds(const UIView& view, const NSLayoutConstraint* constraint)
{
    const auto& list = view.constraints();
    return std::any_of(list.begin(), list.end(), [&](const auto& entry) { return entry.get() == constraint; });
}

// The view an item lives in as far as installation goes: the view itself, or a guide's owner.
std::shared_ptr<UIView> hostView(const std::shared_ptr<UIView>& view, const std::shared_ptr<UILayoutGuide>& guide)
{
    if (view) {
        return view;
    }
    return guide ? guide->owningView() : nullptr;
}

std::shared_ptr<UIView> nearestCommonAncestor(const std::shared_ptr<UIView>& a, const std::shared_ptr<UIView>& b)
{
    for (auto candidate = a; candidate; candidate = candidate->superview()) {
        if (b->isDescendant(*candidate)) {
            return candidate;
        }
    }
    return nullptr;
}

} // namespace

std::shared_ptr<UIView> NSLayoutConstraint::installedView() const
{
    if (auto hint = m_installedOn.lock(); hint && holds(*hint, this)) {
        return hint;
    }
    auto search = [&](std::shared_ptr<UIView> start) -> std::shared_ptr<UIView> {
        for (auto view = std::move(start); view; view = view->superview()) {
            if (holds(*view, this)) {
                return view;
            }
        }
        return nullptr;
    };
    auto found = search(hostView(firstView(), firstGuide()));
    if (!found) {
        found = search(hostView(secondView(), secondGuide()));
    }
    m_installedOn = found;
    return found;
}

void NSLayoutConstraint::setActive(bool active)
{
    if (!active) {
        if (auto view = installedView()) {
            auto self = sharedFromThis<NSLayoutConstraint>();
            view->removeConstraint(self);
            m_installedOn.reset();
        }
        return;
    }
    if (!m_valid) {
        debugLog("NSLayoutConstraint: cannot activate an invalid constraint: " + description());
        return;
    }
    if (isActive()) {
        return;
    }
    auto first = hostView(firstView(), firstGuide());
    std::shared_ptr<UIView> target;
    if (first && !m_second.present) {
        target = first;
    } else if (auto second = hostView(secondView(), secondGuide()); first && second) {
        target = nearestCommonAncestor(first, second);
    }
    if (!target) {
        debugLog("NSLayoutConstraint: cannot activate, the items have no common ancestor: " + description());
        return;
    }
    target->addConstraint(sharedFromThis<NSLayoutConstraint>());
    m_installedOn = target;
}

void NSLayoutConstraint::activate(const std::vector<std::shared_ptr<NSLayoutConstraint>>& constraints)
{
    for (const auto& constraint : constraints) {
        if (constraint) {
            constraint->setActive(true);
        }
    }
}

void NSLayoutConstraint::deactivate(const std::vector<std::shared_ptr<NSLayoutConstraint>>& constraints)
{
    for (const auto& constraint : constraints) {
        if (constraint) {
            constraint->setActive(false);
        }
    }
}

} // namespace platform
