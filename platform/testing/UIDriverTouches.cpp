// The driver's taps.
#include "platform/testing/UIDriver.h"

#include "platform/foundation/DebugLog.h"
#include "platform/foundation/RunLoop.h"
#include "platform/testing/TouchInjection.h"
#include "platform/ui/UISwitch.h"

#include <algorithm>

namespace platform {

namespace {

std::string describe(const UIView& view)
{
    std::string name = view.className();
    if (auto identifier = view.accessibilityIdentifier()) {
        name += " \"" + *identifier + "\"";
    }
    return name;
}

bool isUnderAny(const UIView& view, const std::vector<UIViewPtr>& roots)
{
    return std::any_of(roots.begin(), roots.end(), [&view](const UIViewPtr& root) { return view.isDescendant(*root); });
}

} // namespace

std::optional<CGPoint> UIDriver::touchPoint(const UIViewPtr& view, const char* action)
{
    if (!view) {
        debugLog(std::string("UIDriver: no view to ") + action);
        return std::nullopt;
    }
    // A view that has left the screen (or was never on it) cannot be touched.
    if (!isUnderAny(*view, searchRoots())) {
        debugLog("UIDriver: " + describe(*view) + " is under none of the driver's roots; not touched");
        return std::nullopt;
    }
    // A person sees the laid-out screen.
    view->topmostAncestor()->layoutIfNeeded();
    auto visible = visibleRectOnScreen(*view);
    if (!visible) {
        debugLog("UIDriver: " + describe(*view) + " is not visible; not touched");
        return std::nullopt;
    }
    return CGPoint{visible->midX(), visible->midY()};
}

bool UIDriver::tap(const UIViewPtr& view)
{
    auto point = touchPoint(view, "tap");
    if (!point) {
        return false;
    }
    // Points in the top view's space are what the root of the injected touch expects.
    UIViewPtr hit = injectTap(view->topmostAncestor(), *point, RunLoop::main().now());
    runUntilIdle();
    return hit && hit->isDescendant(*view);
}

bool UIDriver::drag(const UIViewPtr& view, CGPoint by)
{
    auto point = touchPoint(view, "drag");
    if (!point) {
        return false;
    }
    UIViewPtr hit = injectDrag(view->topmostAncestor(), *point, {point->x + by.x, point->y + by.y}, 10,
                               RunLoop::main().now());
    runUntilIdle();
    return hit && hit->isDescendant(*view);
}

bool UIDriver::tap(std::string_view identifier)
{
    auto view = find(identifier);
    if (!view) {
        debugLog("UIDriver: no view with identifier \"" + std::string(identifier) + "\" to tap");
        return false;
    }
    return tap(view);
}

bool UIDriver::tapText(std::string_view text)
{
    auto view = findText(text);
    if (!view) {
        debugLog("UIDriver: no visible view shows \"" + std::string(text) + "\" to tap");
        return false;
    }
    return tap(view);
}

UIViewPtr UIDriver::tapAt(CGPoint point)
{
    auto root = frontRoot();
    if (!root) {
        debugLog("UIDriver: nothing on screen to tap");
        return nullptr;
    }
    root->layoutIfNeeded();
    UIViewPtr hit = injectTap(root, point, RunLoop::main().now());
    runUntilIdle();
    return hit;
}

bool UIDriver::toggleSwitch(const UIViewPtr& view)
{
    auto toggle = std::dynamic_pointer_cast<UISwitch>(view);
    if (!toggle) {
        debugLog("UIDriver: toggleSwitch needs a switch");
        return false;
    }
    bool before = toggle->isOn();
    tap(toggle);
    return toggle->isOn() != before;
}

bool UIDriver::toggleSwitch(std::string_view identifier)
{
    return toggleSwitch(find(identifier));
}

} // namespace platform
