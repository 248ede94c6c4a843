#include "platform/testing/TouchInjection.h"

#include "platform/testing/ViewQuery.h"
#include "platform/ui/UIApplication.h"
#include "platform/ui/UIEvent.h"
#include "platform/ui/UITouch.h"
#include "platform/ui/UIWindow.h"

#include <algorithm>

namespace platform {

InjectedFinger::InjectedFinger(const UIViewPtr& root, CGPoint point, double timestamp)
    : m_root(root), m_top(root->topmostAncestor()), m_window(std::dynamic_pointer_cast<UIWindow>(m_top)),
      m_touch(NSObject::create<UITouch>()), m_event(NSObject::create<UIEvent>(UIEventType::touches, timestamp))
{
    m_event->addTouch(m_touch);
    m_touch->setPhase(UITouchPhase::began);
    m_touch->setStartLocationInWindow(onScreen(point));
    deliver(timestamp);
}

void InjectedFinger::moveTo(CGPoint point, double timestamp)
{
    m_touch->setPhase(UITouchPhase::moved);
    m_touch->setLocationInWindow(onScreen(point));
    deliver(timestamp);
}

void InjectedFinger::lift(double timestamp)
{
    m_touch->setPhase(UITouchPhase::ended);
    deliver(timestamp);
}

void InjectedFinger::cancel(double timestamp)
{
    m_touch->setPhase(UITouchPhase::cancelled);
    deliver(timestamp);
}

UIViewPtr InjectedFinger::hit() const
{
    return m_touch->view();
}

CGPoint InjectedFinger::onScreen(CGPoint point) const
{
    // Windows cover the screen from their frame's origin: window points plus it are screen points.
    CGPoint inTop = m_root->convert(point, nullptr);
    CGPoint origin = m_window ? m_window->frame().origin : CGPoint();
    return {inTop.x + origin.x, inTop.y + origin.y};
}

void InjectedFinger::deliver(double timestamp)
{
    m_touch->setTimestamp(timestamp);
    m_event->setTimestamp(timestamp);
    if (m_window) {
        UIApplication::shared()->sendEvent(m_event);
    } else {
        dispatchTouchEvent(m_top, m_event);
    }
}

UIViewPtr injectTap(const UIViewPtr& root, CGPoint point, double timestamp)
{
    if (!root) {
        return nullptr;
    }
    InjectedFinger finger(root, point, timestamp);
    UIViewPtr hit = finger.hit();
    finger.lift(timestamp);
    return hit;
}

UIViewPtr injectDrag(const UIViewPtr& root, CGPoint from, CGPoint to, int steps, double timestamp)
{
    if (!root) {
        return nullptr;
    }
    InjectedFinger finger(root, from, timestamp);
    UIViewPtr hit = finger.hit();
    steps = std::max(steps, 1);
    for (int step = 1; step <= steps; ++step) {
        double along = double(step) / steps;
        finger.moveTo({from.x + (to.x - from.x) * along, from.y + (to.y - from.y) * along}, timestamp);
    }
    finger.lift(timestamp);
    return hit;
}

std::optional<CGRect> visibleRectOnScreen(const UIView& view)
{
    if (!isVisibleOnScreen(view)) {
        return std::nullopt;
    }
    CGRect visible = view.convert(view.bounds(), nullptr);
    auto ancestor = view.superview();
    UIViewPtr top;
    while (ancestor) {
        if (ancestor->clipsToBounds()) {
            visible = visible.intersection(ancestor->convert(ancestor->bounds(), nullptr));
        }
        top = ancestor;
        ancestor = ancestor->superview();
    }
    if (top && top->isWindow()) {
        visible = visible.intersection(top->bounds());
    }
    if (visible.isNull() || visible.isEmpty()) {
        return std::nullopt;
    }
    return visible;
}

} // namespace platform
