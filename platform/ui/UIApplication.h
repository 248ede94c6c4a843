#pragma once
// UIApplication: the running application as the UI sees it: its windows, the one key window, the
// status bar, and the delivery of events to windows.
//
// Touch locations of events given to sendEvent() are screen points; windows cover the screen from
// its origin, so they are window points as well.
#include "platform/graphics/CGRect.h"
#include "platform/ui/UIResponder.h"
#include "platform/ui/UIViewControllerTypes.h"

#include <memory>
#include <vector>

namespace platform {

class UIEvent;
class UIWindow;

class UIApplication : public UIResponder {
public:
    UIApplication() = default;

    // The application object; lives for the whole process.
    static std::shared_ptr<UIApplication> shared();

    // The window that receives key status events, if any (held weakly).
    std::shared_ptr<UIWindow> keyWindow() const { return m_keyWindow.lock(); }
    // Every live window, back to front: by window level, then in the order they were last shown.
    std::vector<std::shared_ptr<UIWindow>> windows() const;

    static constexpr double statusBarHeight = 20;
    // Across the top of the screen, 20 points high; the zero rectangle while hidden.
    CGRect statusBarFrame() const;
    bool isStatusBarHidden() const { return m_statusBarHidden; }
    void setStatusBarHidden(bool hidden) { m_statusBarHidden = hidden; }
    // The style the status bar shows: the answer of the key window's topmost full-screen
    // controller (or the child it names); the default style without a key window.
    UIStatusBarStyle statusBarStyle() const;

    // Delivers an event. Touches that begin go to the frontmost visible window that takes events
    // (see UIWindow) and contains their point; later phases go to the window the touch began in.
    // An event none of whose touches finds a window is dropped; one without touches goes to the
    // key window.
    virtual void sendEvent(const std::shared_ptr<UIEvent>& event);
    // The window a touch beginning at `point` would go to.
    std::shared_ptr<UIWindow> windowForTouch(CGPoint point) const;

    // Forgets the key window and shows the status bar again (between tests). Windows stay listed
    // while they live.
    void reset();

private:
    friend class UIWindow;
    void addWindow(const std::shared_ptr<UIWindow>& window);
    // Hands key status to `window` (null: none): the old key window resigns, then the new one
    // becomes key. A key change made while the old one resigns (its hook or a resign observer)
    // stands, and `window` is then left as it is.
    void setKeyWindow(const std::shared_ptr<UIWindow>& window);

    std::vector<std::weak_ptr<UIWindow>> m_windows;
    std::weak_ptr<UIWindow> m_keyWindow;
    bool m_statusBarHidden = false;
};

// Posted with the window as object when a window becomes or stops being the key window.
inline const char* const UIWindowDidBecomeKeyNotification = "UIWindowDidBecomeKeyNotification";
inline const char* const UIWindowDidResignKeyNotification = "UIWindowDidResignKeyNotification";

} // namespace platform
