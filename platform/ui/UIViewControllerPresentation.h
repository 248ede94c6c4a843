#pragma once
// The modal presentation machinery shared by view controllers and windows (internal to the UI
// layer).
#include "platform/ui/UIViewController.h"

namespace platform {

class UIViewControllerPresentation {
public:
    // Dismisses what `presenter` presents (and everything above it), animated or in the next turn.
    static void dismissPresented(UIViewController& presenter, bool animated, std::function<void()> completion);
    // Takes down, at once and top first, every controller presented above `controller`: a running
    // transition is finished first; each gets its disappear callbacks, its view leaves the window
    // and the links are cleared. What a completion presents meanwhile goes as well.
    static void removePresentedImmediately(UIViewController& controller);

private:
    // Takes the presented view and its container out of the window.
    static void removeFromWindow(UIViewController& presented);
    // Cuts the links between `presented` and its presenter and ends its presentation.
    static void unlinkFromPresenter(UIViewController& presented);
};

} // namespace platform
