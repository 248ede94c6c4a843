#pragma once
// Touches as a finger makes them: a tap or a drag, delivered the way the screen delivers
// them.
#include "platform/graphics/CGRect.h"
#include "platform/ui/UIView.h"

#include <optional>

namespace platform {

class UIEvent;
class UITouch;
class UIWindow;

// One finger, down from construction at `point` (in `root`'s bounds space, as are all points). When
// `root` is in a window each phase is given to the application as a screen touch (the frontmost
// window that takes events there receives it, through its sendEvent); otherwise the topmost ancestor
// of `root` hit-tests and delivers it. `timestamp` (seconds) stamps the phase. `root` is not null.
class InjectedFinger {
public:
    InjectedFinger(const UIViewPtr& root, CGPoint point, double timestamp);
    void moveTo(CGPoint point, double timestamp);
    void lift(double timestamp);
    void cancel(double timestamp);
    // The view the touch hit when it went down, if any.
    UIViewPtr hit() const;

private:
    CGPoint onScreen(CGPoint point) const;
    void deliver(double timestamp);

    UIViewPtr m_root;
    UIViewPtr m_top;
    std::shared_ptr<UIWindow> m_window;
    std::shared_ptr<UITouch> m_touch;
    std::shared_ptr<UIEvent> m_event;
};

// One finger goes down at `point` and lifts at the same point, with `timestamp` on both phases, as
// an InjectedFinger. Returns the view the touch hit, if any.
UIViewPtr injectTap(const UIViewPtr& root, CGPoint point, double timestamp);
// One finger goes down at `from`, moves to `to` in `steps` equal moves (at least one) and lifts
// there, delivered as injectTap delivers. Returns the view the touch hit, if any.
UIViewPtr injectDrag(const UIViewPtr& root, CGPoint from, CGPoint to, int steps, double timestamp);

// The part of `view` a person can see, in the space of its topmost ancestor (the window): its bounds
// cut by every clipping ancestor and by the window. None when nothing of it is visible (hidden or
// transparent on the way, or clipped away entirely).
std::optional<CGRect> visibleRectOnScreen(const UIView& view);

} // namespace platform
