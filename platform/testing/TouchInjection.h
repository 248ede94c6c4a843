#pragma once
// Touches as a finger makes them: down and up at one point, delivered the way the screen delivers
// them.
#include "platform/graphics/CGRect.h"
#include "platform/ui/UIView.h"

#include <optional>

namespace platform {

// One finger goes down at `point` (in `root`'s bounds space) and lifts at the same point, with
// `timestamp` (seconds) on both phases. When `root` is in a window the touch is given to the
// application as a screen touch (the frontmost window that takes events there receives it, through
// its sendEvent); otherwise the topmost ancestor of `root` hit-tests and delivers it. Returns the view
// the touch hit, if any.
UIViewPtr injectTap(const UIViewPtr& root, CGPoint point, double timestamp);

// The part of `view` a person can see, in the space of its topmost ancestor (the window): its bounds
// cut by every clipping ancestor and by the window. None when nothing of it is visible (hidden or
// transparent on the way, or clipped away entirely).
std::optional<CGRect> visibleRectOnScreen(const UIView& view);

} // namespace platform
