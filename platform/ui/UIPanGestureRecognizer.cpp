#include "platform/ui/UIPanGestureRecognizer.h"

#include "platform/ui/UITouch.h"

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

bool isUnderWay(UIGestureRecognizerState state)
{
    return state == UIGestureRecognizerState::began || state == UIGestureRecognizerState::changed;
}

} // namespace

std::shared_ptr<UITouch> UIPanGestureRecognizer::followedTouchIn(const UITouchList& touches) const
{
    auto followed = m_touch.lock();
    if (!followed || std::find(touches.begin(), touches.end(), followed) == touches.end()) {
        return nullptr;
    }
    return followed;
}

bool UIPanGestureRecognizer::anotherRecognizerFollows(const UITouch& touch) const
{
    auto recognizers = touch.gestureRecognizers();
    return std::any_of(recognizers.begin(), recognizers.end(),
                       [this](const auto& other) { return other.get() != this && isUnderWay(other->state()); });
}

bool UIPanGestureRecognizer::follow(const UITouchList& touches, const std::shared_ptr<UITouch>& touch)
{
    // The dispatch hands over one touch at a time: a list of just this one is tracked as it is.
    if (touches.size() == 1) {
        trackTouches(touches);
    } else {
        trackTouches({touch});
    }
    CGPoint start = touch->startLocationInWindow();
    CGPoint now = touch->locationInWindow();
    CGPoint translation{now.x - start.x, now.y - start.y};
    bool moved = !(translation == m_translation);
    m_translation = translation;
    return moved;
}

void UIPanGestureRecognizer::touchesBegan(const UITouchList& touches, const std::shared_ptr<UIEvent>&)
{
    if (touches.empty() || !m_touch.expired() || state() != UIGestureRecognizerState::possible) {
        return;
    }
    m_touch = touches.front();
    m_translation = {};
    follow(touches, touches.front());
}

void UIPanGestureRecognizer::touchesMoved(const UITouchList& touches, const std::shared_ptr<UIEvent>&)
{
    auto touch = followedTouchIn(touches);
    if (!touch || !follow(touches, touch)) {
        return;
    }
    if (isUnderWay(state())) {
        setState(UIGestureRecognizerState::changed);
    } else if (state() == UIGestureRecognizerState::possible && std::hypot(m_translation.x, m_translation.y) > slop) {
        setState(anotherRecognizerFollows(*touch) ? UIGestureRecognizerState::failed
                                                  : UIGestureRecognizerState::began);
    }
}

void UIPanGestureRecognizer::touchesEnded(const UITouchList& touches, const std::shared_ptr<UIEvent>&)
{
    auto touch = followedTouchIn(touches);
    if (!touch) {
        return;
    }
    if (!isUnderWay(state())) {
        setState(UIGestureRecognizerState::failed);
        return;
    }
    // A finger may lift away from where it last moved: the gesture follows it there first.
    if (follow(touches, touch)) {
        setState(UIGestureRecognizerState::changed);
    }
    if (isUnderWay(state())) {
        setState(UIGestureRecognizerState::ended);
    }
}

void UIPanGestureRecognizer::touchesCancelled(const UITouchList& touches, const std::shared_ptr<UIEvent>&)
{
    if (auto touch = followedTouchIn(touches)) {
        setState(isUnderWay(state()) ? UIGestureRecognizerState::cancelled : UIGestureRecognizerState::failed);
    }
}

void UIPanGestureRecognizer::reset()
{
    auto touch = m_touch.lock();
    bool fingerDown = touch && touch->phase() != UITouchPhase::ended && touch->phase() != UITouchPhase::cancelled;
    if (fingerDown && isUnderWay(state())) {
        return;
    }
    UIGestureRecognizer::reset();
    m_touch.reset();
}

} // namespace platform
