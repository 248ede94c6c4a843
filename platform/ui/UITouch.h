#pragma once
// UITouch: one finger on the screen, from touch down to lift (or cancellation).
// Locations are kept in window coordinates; location(in:) converts them to any view.
#include "platform/foundation/NSObject.h"
#include "platform/graphics/CGPoint.h"

#include <memory>
#include <vector>

namespace platform {

class UIView;
class UIWindow;
class UIGestureRecognizer;

enum class UITouchPhase { began, moved, stationary, ended, cancelled };

class UITouch : public NSObject {
public:
    UITouch() = default;

    UITouchPhase phase() const { return m_phase; }
    void setPhase(UITouchPhase phase) { m_phase = phase; }

    // Moves the touch: the old location becomes previousLocationInWindow().
    void setLocationInWindow(CGPoint point);
    CGPoint locationInWindow() const { return m_location; }
    CGPoint previousLocationInWindow() const { return m_previousLocation; }
    // Where the touch went down, in window coordinates.
    CGPoint startLocationInWindow() const { return m_startLocation; }
    void setStartLocationInWindow(CGPoint point)
    {
        m_startLocation = point;
        m_location = point;
        m_previousLocation = point;
    }

    // The location in `view`'s coordinates (window coordinates when `view` is null).
    CGPoint location(const std::shared_ptr<UIView>& view) const;
    CGPoint previousLocation(const std::shared_ptr<UIView>& view) const;

    // The window the touch happened in (weak). Its coordinate space is the one of locationInWindow().
    std::shared_ptr<UIView> window() const { return m_window.lock(); }
    void setWindow(const std::shared_ptr<UIView>& window) { m_window = window; }
    // The view hit when the touch went down (weak).
    std::shared_ptr<UIView> view() const { return m_view.lock(); }
    void setView(const std::shared_ptr<UIView>& view) { m_view = view; }

    int tapCount() const { return m_tapCount; }
    void setTapCount(int count) { m_tapCount = count; }
    double timestamp() const { return m_timestamp; }
    void setTimestamp(double timestamp) { m_timestamp = timestamp; }

    // Set once a gesture recognizer took the touch over: the view got touchesCancelled and sees
    // no more of it.
    bool isCancelledForView() const { return m_cancelledForView; }
    void setCancelledForView(bool cancelled) { m_cancelledForView = cancelled; }

    // The gesture recognizers that receive this touch (weak), fixed when it began.
    std::vector<std::shared_ptr<UIGestureRecognizer>> gestureRecognizers() const;
    void setGestureRecognizers(const std::vector<std::shared_ptr<UIGestureRecognizer>>& recognizers);

private:
    UITouchPhase m_phase = UITouchPhase::began;
    CGPoint m_location;
    CGPoint m_previousLocation;
    CGPoint m_startLocation;
    std::weak_ptr<UIView> m_window;
    std::weak_ptr<UIView> m_view;
    int m_tapCount = 1;
    bool m_cancelledForView = false;
    double m_timestamp = 0;
    std::vector<std::weak_ptr<UIGestureRecognizer>> m_recognizers;
};

} // namespace platform
