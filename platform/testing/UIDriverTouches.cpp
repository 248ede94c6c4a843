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

bool UIDriver::tap(const UIViewPtr& view)
{
    if (!view) {
        debugLog("UIDriver: no view to tap");
        return false;
    }
    // A view that has left the screen (or was never on it) cannot be touched.
    if (!isUnderAny(*view, searchRoots())) {
        debugLog("UIDriver: " + describe(*view) + " is under none of the driver's roots; not tapped");
        return false;
    }
    // A person sees the laid-out screen.
    UIViewPtr top = view->topmostAncestor();
    top->layoutIfNeeded();
    auto visible = visibleRectOnScreen(*view);
    if (!visible) {
        debugLog("UIDriver: " + describe(*view) + " is not visible; not tapped");
        return false;
    }
    // Points in the top view's space are what the root of the injected touch expects.
    CGPoint point{visible->midX(), visible->midY()};
    UIViewPtr hit = injectTap(top, point, RunLoop::main().now());
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
