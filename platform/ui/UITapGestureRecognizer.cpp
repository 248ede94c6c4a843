#include "platform/ui/UITapGestureRecognizer.h"

#include "platform/foundation/DebugLog.h"
#include "platform/ui/UITouch.h"

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

// True when a touch has strayed more than `distance` points from where it went down: no longer a tap.
bool anyMovedFurtherThan(const UITouchList& touches, double distance)
{
    return std::any_of(touches.begin(), touches.end(), [distance](const auto& touch) {
        CGPoint start = touch->startLocationInWindow();
        CGPoint now = touch->locationInWindow();
        return std::hypot(now.x - start.x, now.y - start.y) > distance;
    });
}

} // namespace

void UITapGestureRecognizer::setNumberOfTapsRequired(int taps)
{
    if (taps < 1) {
        debugLog("UITapGestureRecognizer: the number of taps must be at least 1");
        return;
    }
    m_tapsRequired = taps;
}

void UITapGestureRecognizer::setNumberOfTouchesRequired(int touches)
{
    if (touches < 1) {
        debugLog("UITapGestureRecognizer: the number of touches must be at least 1");
        return;
    }
    m_touchesRequired = touches;
}

void UITapGestureRecognizer::touchesBegan(const UITouchList& touches, const std::shared_ptr<UIEvent>& event)
{
    UIGestureRecognizer::touchesBegan(touches, event);
    if (state() != UIGestureRecognizerState::possible) {
        return;
    }
    m_touchesDown += static_cast<int>(touches.size());
    m_peakTouches = std::max(m_peakTouches, m_touchesDown);
    if (m_touchesDown > m_touchesRequired) {
        setState(UIGestureRecognizerState::failed);
    }
}

void UITapGestureRecognizer::touchesMoved(const UITouchList& touches, const std::shared_ptr<UIEvent>& event)
{
    UIGestureRecognizer::touchesMoved(touches, event);
    if (state() != UIGestureRecognizerState::possible) {
        return;
    }
    if (anyMovedFurtherThan(touches, m_allowableMovement)) {
        setState(UIGestureRecognizerState::failed);
    }
}

void UITapGestureRecognizer::touchesEnded(const UITouchList& touches, const std::shared_ptr<UIEvent>& event)
{
    UIGestureRecognizer::touchesEnded(touches, event);
    if (state() != UIGestureRecognizerState::possible) {
        return;
    }
    if (anyMovedFurtherThan(touches, m_allowableMovement)) {
        setState(UIGestureRecognizerState::failed);
        return;
    }
    int tapCount = touches.empty() ? 0 : touches.front()->tapCount();
    m_touchesDown -= static_cast<int>(touches.size());
    if (m_touchesDown <= 0 && m_peakTouches >= m_touchesRequired && tapCount >= m_tapsRequired) {
        setState(UIGestureRecognizerState::ended);
    }
}

void UITapGestureRecognizer::touchesCancelled(const UITouchList& touches, const std::shared_ptr<UIEvent>& event)
{
    UIGestureRecognizer::touchesCancelled(touches, event);
    m_touchesDown = 0;
}

void UITapGestureRecognizer::reset()
{
    UIGestureRecognizer::reset();
    m_touchesDown = 0;
    m_peakTouches = 0;
}

} // namespace platform
