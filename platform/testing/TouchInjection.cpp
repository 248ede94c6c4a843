#include "platform/testing/TouchInjection.h"

#include "platform/testing/ViewQuery.h"
#include "platform/ui/UIApplication.h"
#include "platform/ui/UIEvent.h"
#include "platform/ui/UITouch.h"
#include "platform/ui/UIWindow.h"

namespace platform {

UIViewPtr injectTap(const UIViewPtr& root, CGPoint point, double timestamp)
{
    if (!root) {
        return nullptr;
    }
    UIViewPtr top = root->topmostAncestor();
    CGPoint inTop = root->convert(point, nullptr);
    auto window = std::dynamic_pointer_cast<UIWindow>(top);

    auto touch = NSObject::create<UITouch>();
    auto event = NSObject::create<UIEvent>(UIEventType::touches, timestamp);
    event->addTouch(touch);
    touch->setTimestamp(timestamp);
    touch->setPhase(UITouchPhase::began);
    if (window) {
        // Windows cover the screen from their frame's origin: window points plus it are screen points.
        CGPoint origin = window->frame().origin;
        touch->setStartLocationInWindow({inTop.x + origin.x, inTop.y + origin.y});
        UIApplication::shared()->sendEvent(event);
    } else {
        touch->setStartLocationInWindow(inTop);
        dispatchTouchEvent(top, event);
    }
    UIViewPtr hit = touch->view();

    touch->setPhase(UITouchPhase::ended);
    touch->setTimestamp(timestamp);
    event->setTimestamp(timestamp);
    if (window) {
        UIApplication::shared()->sendEvent(event);
    } else {
        dispatchTouchEvent(top, event);
    }
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
