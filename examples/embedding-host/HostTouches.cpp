#include "HostTouches.h"

#include "platform/foundation/RunLoop.h"
#include "platform/ui/UIApplication.h"
#include "platform/ui/UIEvent.h"
#include "platform/ui/UITouch.h"
#include "platform/ui/UIWindow.h"

using platform::NSObject;

platform::UIViewPtr findView(const platform::UIViewPtr& root, std::string_view identifier)
{
    if (!root)
        return nullptr;
    if (root->accessibilityIdentifier() == identifier)
        return root;
    for (const auto& child : root->subviews()) {
        if (auto found = findView(child, identifier))
            return found;
    }
    return nullptr;
}

bool tapView(const platform::UIViewPtr& view)
{
    if (!view || !view->window())
        return false;
    // Window points are screen points once the window's origin is added.
    const auto bounds = view->bounds();
    platform::CGPoint point = view->convert(platform::CGPoint{bounds.midX(), bounds.midY()}, nullptr);
    point.x += view->window()->frame().origin.x;
    point.y += view->window()->frame().origin.y;

    const double now = platform::RunLoop::main().now();
    auto touch = NSObject::create<platform::UITouch>();
    auto event = NSObject::create<platform::UIEvent>(platform::UIEventType::touches, now);
    event->addTouch(touch);
    touch->setTimestamp(now);
    touch->setPhase(platform::UITouchPhase::began);
    touch->setStartLocationInWindow(point);
    platform::UIApplication::shared()->sendEvent(event);
    const auto hit = touch->view();

    touch->setPhase(platform::UITouchPhase::ended);
    platform::UIApplication::shared()->sendEvent(event);
    return hit && hit->isDescendant(*view);
}
