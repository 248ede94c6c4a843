#include "platform/ui/UIControl.h"

#include "platform/foundation/DebugLog.h"

#include <algorithm>

namespace platform {

namespace {

bool sameOwner(const std::weak_ptr<void>& a, const std::shared_ptr<void>& b)
{
    return !a.owner_before(b) && !b.owner_before(a);
}

// A default-constructed weak pointer (no target given), as opposed to one whose target died.
bool isEmptyWeak(const std::weak_ptr<void>& pointer)
{
    std::weak_ptr<void> empty;
    return !pointer.owner_before(empty) && !empty.owner_before(pointer);
}

} // namespace

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

void UIControl::addTarget(std::weak_ptr<void> target, Action action, UIControlEvents events)
{
    if (events == UIControlEvents::none || !action) {
        debugLog("UIControl: ignoring a target-action pair without events or action");
        return;
    }
    auto pair = std::make_shared<TargetAction>();
    pair->hasTarget = !isEmptyWeak(target);
    pair->target = std::move(target);
    pair->action = std::move(action);
    pair->events = events;
    m_pairs.push_back(std::move(pair));
}

void UIControl::addAction(std::function<void(UIControl&)> action, UIControlEvents events)
{
    if (!action) {
        debugLog("UIControl: ignoring an empty action");
        return;
    }
    addTarget(std::weak_ptr<void>(), [action = std::move(action)](const std::shared_ptr<void>&, UIControl& sender) {
        action(sender);
    }, events);
}

void UIControl::removeTarget(const std::shared_ptr<void>& target, UIControlEvents events)
{
    for (auto& pair : m_pairs) {
        if (!target || (pair->hasTarget && sameOwner(pair->target, target))) {
            pair->events = pair->events & ~events;
        }
    }
    std::erase_if(m_pairs, [](const auto& pair) { return pair->events == UIControlEvents::none; });
}

void UIControl::dropDeadPairs()
{
    std::erase_if(m_pairs, [this](const auto& pair) { return !isAlive(*pair); });
}

UIControlEvents UIControl::allControlEvents() const
{
    UIControlEvents all = UIControlEvents::none;
    for (const auto& pair : m_pairs) {
        if (isAlive(*pair)) {
            all = all | pair->events;
        }
    }
    return all;
}

std::vector<std::shared_ptr<void>> UIControl::allTargets() const
{
    std::vector<std::shared_ptr<void>> targets;
    for (const auto& pair : m_pairs) {
        if (!pair->hasTarget) {
            continue;
        }
        auto target = pair->target.lock();
        if (!target) {
            continue;
        }
        bool known = std::any_of(targets.begin(), targets.end(), [&](const auto& t) {
            return !t.owner_before(target) && !target.owner_before(t);
        });
        if (!known) {
            targets.push_back(target);
        }
    }
    return targets;
}

std::size_t UIControl::actionCount(UIControlEvents events) const
{
    return static_cast<std::size_t>(std::count_if(m_pairs.begin(), m_pairs.end(), [&](const auto& pair) {
        return isAlive(*pair) && intersects(pair->events, events);
    }));
}

void UIControl::sendActions(UIControlEvents events)
{
    dropDeadPairs();
    // Snapshot: actions may add or remove pairs, or release this control.
    auto keepAlive = sharedFromThis<UIControl>();
    std::vector<std::shared_ptr<TargetAction>> matching;
    for (const auto& pair : m_pairs) {
        if (intersects(pair->events, events)) {
            matching.push_back(pair);
        }
    }
    for (const auto& pair : matching) {
        // A pair removed by an earlier action has lost its events.
        if (!intersects(pair->events, events)) {
            continue;
        }
        std::shared_ptr<void> target;
        if (pair->hasTarget) {
            target = pair->target.lock();
            if (!target) {
                continue;
            }
        }
        pair->action(target, *this);
    }
}

} // namespace platform
