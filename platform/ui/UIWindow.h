#pragma once
// UIWindow: the root of a view tree shown on the screen. A window covers the main screen, shows its
// root view controller's view (sized to the window) and delivers the events of its touches through
// sendEvent(), so a subclass that overrides sendEvent() sees every event it receives.
//
// Windows start hidden. makeKeyAndVisible() shows the window and makes it the application's one key
// window. A window without a root view controller takes no events: sendEvent() drops them and the
// application passes touches on to the windows below it.
//
// Appearance: the root controller appears when it is installed in a visible window or its window
// is shown (viewDidAppear in the next turn, after a layout pass) and disappears when it is replaced
// or the window is hidden. Replacing the root takes down whatever the old root presented; a root set
// by code that this take-down runs is replaced as well.
#include "platform/ui/UIView.h"
#include "platform/ui/UIViewController.h"

#include <cstdint>
#include <memory>

namespace platform {

class UIEvent;

using UIWindowLevel = double;
inline constexpr UIWindowLevel UIWindowLevelNormal = 0;
inline constexpr UIWindowLevel UIWindowLevelStatusBar = 1000;
inline constexpr UIWindowLevel UIWindowLevelAlert = 2000;

class UIWindow : public UIView {
public:
    // A window covering the main screen.
    UIWindow();
    explicit UIWindow(const CGRect& frame);
    ~UIWindow() override;

    bool isWindow() const override { return true; }
    std::shared_ptr<UIWindow> asWindow() const override;

    // --- content ---
    const UIViewControllerPtr& rootViewController() const { return m_rootViewController; }
    // Installs the controller's view (loading it) at the back of the window, sized to the window.
    // A controller that is another controller's child is logged and ignored.
    virtual void setRootViewController(UIViewControllerPtr controller);
    // The controller on top: the root, then whatever it presents, and so on up the chain.
    UIViewControllerPtr topmostViewController() const;

    // --- key status and visibility ---
    // Shows the window (covering the screen if it has no size yet) and makes it the key window.
    virtual void makeKeyAndVisible();
    // Makes this the application's key window; the previous key window resigns first.
    void makeKey();
    bool isKeyWindow() const;
    // Hooks called when the window gains or loses key status.
    virtual void becomeKeyWindow() {}
    virtual void resignKeyWindow() {}
    // Hiding the key window takes its key status away, after its root has disappeared.
    void setHidden(bool hidden) override;
    // Stacking among windows: higher levels are in front; within a level, the window shown last.
    UIWindowLevel windowLevel() const { return m_windowLevel; }
    void setWindowLevel(UIWindowLevel level) { m_windowLevel = level; }
    // Grows each time the window is shown (stacking order within a level).
    std::uint64_t orderStamp() const { return m_orderStamp; }

    // --- events ---
    // Delivers an event: touches through hit testing to views, their gesture recognizers and
    // controls (dispatchTouchEvent). Without a root controller the event is dropped.
    virtual void sendEvent(const std::shared_ptr<UIEvent>& event);
    // True when the window can receive events (visible and with a root controller).
    bool takesEvents() const;

    // The application.
    std::shared_ptr<UIResponder> nextResponder() const override;

protected:
    void didCreate() override;

private:
    void rootWillShow();
    // Takes `root`'s presentations and view out of the window, with its disappear callbacks.
    void takeDownRoot(UIViewController& root);

    UIViewControllerPtr m_rootViewController;
    UIWindowLevel m_windowLevel = UIWindowLevelNormal;
    std::uint64_t m_orderStamp = 0;
};

} // namespace platform
