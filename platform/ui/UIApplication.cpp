#include "platform/ui/UIApplication.h"

#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/RunLoop.h"
#include "platform/ui/UIEvent.h"
#include "platform/ui/UIScreen.h"
#include "platform/ui/UITouch.h"
#include "platform/ui/UIWindow.h"

#include <algorithm>

namespace platform {

std::shared_ptr<UIApplication> UIApplication::shared()
{
    static const std::shared_ptr<UIApplication> application = NSObject::create<UIApplication>();
    return application;
}

void UIApplication::addWindow(const std::shared_ptr<UIWindow>& window)
{
    std::erase_if(m_windows, [](const auto& entry) { return entry.expired(); });
    m_windows.push_back(window);
}

std::vector<std::shared_ptr<UIWindow>> UIApplication::windows() const
{
    std::vector<std::shared_ptr<UIWindow>> alive;
    for (const auto& entry : m_windows) {
        if (auto window = entry.lock()) {
            alive.push_back(window);
        }
    }
    std::stable_sort(alive.begin(), alive.end(), [](const auto& a, const auto& b) {
        if (a->windowLevel() != b->windowLevel()) {
            return a->windowLevel() < b->windowLevel();
        }
        return a->orderStamp() < b->orderStamp();
    });
    return alive;
}

void UIApplication::setKeyWindow(const std::shared_ptr<UIWindow>& window)
{
    auto old = m_keyWindow.lock();
    if (old == window) {
        return;
    }
    auto& center = NotificationCenter::defaultCenter();
    if (old) {
        m_keyWindow.reset();
        old->resignKeyWindow();
        center.post(UIWindowDidResignKeyNotification, old);
        // Code that ran on the resignation may have made a window key itself; that change stands.
        if (!m_keyWindow.expired()) {
            return;
        }
    }
    m_keyWindow = window;
    if (window) {
        window->becomeKeyWindow();
        center.post(UIWindowDidBecomeKeyNotification, window);
    }
}

CGRect UIApplication::statusBarFrame() const
{
    if (m_statusBarHidden) {
        return CGRect::zero();
    }
    return {0, 0, UIScreen::main()->bounds().width(), statusBarHeight};
}

UIStatusBarStyle UIApplication::statusBarStyle() const
{
    auto window = keyWindow();
    auto controller = window ? window->rootViewController() : nullptr;
    if (!controller) {
        return UIStatusBarStyle::default_;
    }
    // Presentations that do not cover the screen leave the status bar to the controller below.
    for (auto presented = controller->presentedViewController(); presented;
         presented = presented->presentedViewController()) {
        if (presented->modalPresentationStyle() == UIModalPresentationStyle::fullScreen) {
            controller = presented;
        }
    }
    for (int depth = 0; depth < 32; ++depth) {
        auto child = controller->childViewControllerForStatusBarStyle();
        if (!child || child == controller) {
            break;
        }
        controller = child;
    }
    return controller->preferredStatusBarStyle();
}

std::shared_ptr<UIWindow> UIApplication::windowForTouch(CGPoint point) const
{
    auto ordered = windows();
    for (auto it = ordered.rbegin(); it != ordered.rend(); ++it) {
        const auto& window = *it;
        if (window->takesEvents() && window->frame().contains(point)) {
            return window;
        }
    }
    return nullptr;
}

void UIApplication::sendEvent(const std::shared_ptr<UIEvent>& event)
{
    if (!event) {
        return;
    }
    std::shared_ptr<UIWindow> target;
    for (const auto& touch : event->allTouches()) {
        if (auto window = touch->window()) {
            target = window->asWindow();
        } else if (touch->phase() == UITouchPhase::began) {
            target = windowForTouch(touch->locationInWindow());
        }
        if (target) {
            break;
        }
    }
    if (!target && event->allTouches().empty()) {
        target = keyWindow();
    }
    if (target) {
        RunLoop::main().noteEventHandled();
        target->sendEvent(event);
    }
}

void UIApplication::reset()
{
    m_keyWindow.reset();
    m_statusBarHidden = false;
}

} // namespace platform
