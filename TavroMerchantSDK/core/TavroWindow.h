#pragma once
// TavroWindow: the framework's own window, laid over the host's. Its content slides up from
// below the screen when it is made key and slides down before it is emptied, and every event it
// dispatches is announced through the private touch-event notification that keeps the idle timer
// from firing. Held by std::shared_ptr; make with NSObject::create<TavroWindow>(). Main thread only.

#include "platform/ui/UIWindow.h"

#include <functional>
#include <memory>

namespace tavro {

class TavroWindow : public platform::UIWindow {
public:
    // Covers the main screen.
    TavroWindow() = default;
    explicit TavroWindow(const platform::CGRect& frame) : platform::UIWindow(frame) {}

    // Seconds the content takes to slide in or out.
    static constexpr double animationTime = 0.325;

    // Dispatches the event as any window does, then posts the touch-event notification (no object).
    void sendEvent(const std::shared_ptr<platform::UIEvent>& event) override;
    // Clear background, key and visible, then the root view slides up from just below the screen
    // (ease-out). Without a root controller only the first two happen.
    void makeKeyAndVisible() override;
    // Ends editing in the root view and slides it down out of sight, then calls `completion`
    // (also when the slide was cut short). Without a root controller nothing happens and
    // `completion` is not called.
    void hideRootWindowView(std::function<void()> completion);
    // Lets the content on show finish what it has begun, before other content replaces it: ends
    // editing in the window (presented content included), so the fields being edited report, then
    // completes the dismissal of any controller above the root whose dismissal has begun, so its
    // handlers run now. A handler may change the window; the walk then starts again from the root.
    void settleContent();
};

} // namespace tavro
