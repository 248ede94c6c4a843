#pragma once
// Internal: the bookkeeping behind UIView::animate, shared by the view files.
#include <memory>

namespace platform {

class UIView;

class UIViewAnimationCenter {
public:
    // Adds `view` to the views touched by the innermost running animations block, if any.
    static void noteChange(UIView& view);
    // Finishes (finished == false, in the next turn) the pending animations that touched a view of
    // the tree under `root` which is now in no window.
    static void finishAnimationsLeftWithoutWindow(const UIView& root);
};

} // namespace platform
