#include "platform/ui/UIControl.h"

#include "platform/foundation/DebugLog.h"

#include <algorithm>

namespace platform {

UIControl::UIControl(const CGRect& frame) : UIView(frame) {}

// --- state ---

void UIControl::setEnabled(bool enabled)
{
    if (m_enabled == enabled) {
        return;
    }
    m_enabled = enabled;
    controlStateDidChange();
    setNeedsDisplay();
}

void UIControl::setSelected(bool selected)
{
    if (m_selected == selected) {
        return;
    }
    m_selected = selected;
    controlStateDidChange();
    setNeedsDisplay();
}

void UIControl::setHighlighted(bool highlighted)
{
    if (m_highlighted == highlighted) {
        return;
    }
    m_highlighted = highlighted;
    controlStateDidChange();
    setNeedsDisplay();
}

UIControlState UIControl::state() const
{
    UIControlState result = UIControlState::normal;
    if (m_highlighted) {
        result = result | UIControlState::highlighted;
    }
    if (!m_enabled) {
        result = result | UIControlState::disabled;
    }
    if (m_selected) {
        result = result | UIControlState::selected;
    }
    return result;
}

void UIControl::setContentHorizontalAlignment(UIControlContentHorizontalAlignment alignment)
{
    m_horizontalAlignment = alignment;
    setNeedsLayout();
    setNeedsDisplay();
}

void UIControl::setContentVerticalAlignment(UIControlContentVerticalAlignment alignment)
{
    m_verticalAlignment = alignment;
    setNeedsLayout();
    setNeedsDisplay();
}

// --- target-action ---

namespace {

TargetActionList<UIControl>::Events mask(UIControlEvents events)
{
    return static_cast<std::uint32_t>(events);
}

} // namespace

void UIControl::addTarget(std::weak_ptr<void> target, Action action, UIControlEvents events)
{
    if (events == UIControlEvents::none || !action) {
        debugLog("UIControl: ignoring a target-action pair without events or action");
        return;
    }
    m_actions.add(std::move(target), std::move(action), mask(events));
}

void UIControl::addAction(std::function<void(UIControl&)> action, UIControlEvents events)
{
    if (!action) {
        debugLog("UIControl: ignoring an empty action");
        return;
    }
    addTarget(
        std::weak_ptr<void>(),
        [action = std::move(action)](const std::shared_ptr<void>&, UIControl& sender) { action(sender); }, events);
}

void UIControl::removeTarget(const std::shared_ptr<void>& target, UIControlEvents events)
{
    m_actions.remove(target, mask(events));
}

UIControlEvents UIControl::allControlEvents() const
{
    return static_cast<UIControlEvents>(static_cast<std::uint32_t>(m_actions.liveEvents()));
}

std::vector<std::shared_ptr<void>> UIControl::allTargets() const
{
    return m_actions.liveTargets();
}

std::size_t UIControl::actionCount(UIControlEvents events) const
{
    return m_actions.liveCount(mask(events));
}

void UIControl::sendActions(UIControlEvents events)
{
    // Actions may release this control.
    auto keepAlive = sharedFromThis<UIControl>();
    m_actions.send(*this, mask(events));
}

} // namespace platform
