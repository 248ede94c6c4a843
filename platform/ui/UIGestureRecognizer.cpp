#include "platform/ui/UIGestureRecognizer.h"

#include "platform/foundation/DebugLog.h"
#include "platform/ui/UITouch.h"
#include "platform/ui/UIView.h"

#include <algorithm>

namespace platform {

void UIGestureRecognizer::addTargetAction(const std::shared_ptr<void>& target, Action action)
{
    if (!target || !action) {
        debugLog("UIGestureRecognizer: ignoring a target-action pair without target or action");
        return;
    }
    m_targets.add(target, std::move(action));
}

void UIGestureRecognizer::removeTarget(const std::shared_ptr<void>& target)
{
    m_targets.remove(target);
}

void UIGestureRecognizer::setEnabled(bool enabled)
{
    if (m_enabled == enabled) {
        return;
    }
    m_enabled = enabled;
    if (enabled || m_state == UIGestureRecognizerState::possible) {
        return;
    }
    // A gesture under way tells its targets it was cancelled.
    if (m_state == UIGestureRecognizerState::began || m_state == UIGestureRecognizerState::changed) {
        setState(UIGestureRecognizerState::cancelled);
    }
    reset();
}

void UIGestureRecognizer::setState(UIGestureRecognizerState state)
{
    bool beginning = m_state == UIGestureRecognizerState::possible &&
                     (state == UIGestureRecognizerState::began || state == UIGestureRecognizerState::ended);
    if (beginning) {
        auto owner = view();
        auto watcher = delegate();
        if ((owner && !owner->gestureRecognizerShouldBegin(*this)) ||
            (watcher && !watcher->gestureRecognizerShouldBegin(*this))) {
            m_state = UIGestureRecognizerState::failed;
            return;
        }
    }
    m_state = state;
    if (state == UIGestureRecognizerState::began || state == UIGestureRecognizerState::changed ||
        state == UIGestureRecognizerState::ended || state == UIGestureRecognizerState::cancelled) {
        sendActions();
    }
}

void UIGestureRecognizer::sendActions()
{
    // Actions may release this recognizer.
    auto keepAlive = sharedFromThis<UIGestureRecognizer>();
    m_targets.send(*this);
}

void UIGestureRecognizer::trackTouches(const UITouchList& touches)
{
    m_trackedTouches.clear();
    for (const auto& touch : touches) {
        m_trackedTouches.push_back(touch);
    }
    if (!touches.empty()) {
        CGPoint sum;
        for (const auto& touch : touches) {
            sum.x += touch->locationInWindow().x;
            sum.y += touch->locationInWindow().y;
        }
        m_lastLocationInWindow = {sum.x / touches.size(), sum.y / touches.size()};
        m_lastWindow = touches.front()->window();
    }
}

CGPoint UIGestureRecognizer::location(const std::shared_ptr<UIView>& view) const
{
    if (!view) {
        return m_lastLocationInWindow;
    }
    return view->convertFrom(m_lastLocationInWindow, m_lastWindow.lock());
}

void UIGestureRecognizer::touchesBegan(const UITouchList& touches, const std::shared_ptr<UIEvent>&)
{
    trackTouches(touches);
}

void UIGestureRecognizer::touchesMoved(const UITouchList& touches, const std::shared_ptr<UIEvent>&)
{
    trackTouches(touches);
}

void UIGestureRecognizer::touchesEnded(const UITouchList& touches, const std::shared_ptr<UIEvent>&)
{
    trackTouches(touches);
}

void UIGestureRecognizer::touchesCancelled(const UITouchList& touches, const std::shared_ptr<UIEvent>&)
{
    trackTouches(touches);
    if (m_state == UIGestureRecognizerState::began || m_state == UIGestureRecognizerState::changed) {
        setState(UIGestureRecognizerState::cancelled);
    } else if (m_state == UIGestureRecognizerState::possible) {
        m_state = UIGestureRecognizerState::failed;
    }
}

void UIGestureRecognizer::reset()
{
    m_state = UIGestureRecognizerState::possible;
    m_trackedTouches.clear();
}

} // namespace platform
