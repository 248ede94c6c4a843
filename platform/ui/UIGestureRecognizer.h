#pragma once
// UIGestureRecognizer: watches the touches of its view (and the view's subviews) and, when it
// recognises its gesture, calls its target-action pairs in the order they were added.
//
// Targets are held weakly: an action whose target has died is skipped. A recognizer belongs to at
// most one view (weak back-pointer); the view holds its recognizers strongly.
#include "platform/foundation/NSObject.h"
#include "platform/graphics/CGPoint.h"
#include "platform/ui/TargetAction.h"
#include "platform/ui/UIResponder.h"

#include <functional>
#include <memory>
#include <type_traits>
#include <vector>

namespace platform {

class UIView;
class UIGestureRecognizer;

enum class UIGestureRecognizerState { possible, began, changed, ended, cancelled, failed };
// The state a discrete gesture reports when recognised.
inline constexpr UIGestureRecognizerState UIGestureRecognizerStateRecognized = UIGestureRecognizerState::ended;

class UIGestureRecognizerDelegate {
public:
    virtual ~UIGestureRecognizerDelegate() = default;
    virtual bool gestureRecognizerShouldBegin(UIGestureRecognizer&) { return true; }
    virtual bool gestureRecognizerShouldReceiveTouch(UIGestureRecognizer&, UITouch&) { return true; }
};

class UIGestureRecognizer : public NSObject {
public:
    using Action = TargetAction<UIGestureRecognizer>::Action;

    UIGestureRecognizer() = default;

    // Adds a target-action pair; the target is held weakly. Adding the same pair again adds it twice.
    // The action is a member function of the target (or of a base of it): `R T::f()` or
    // `R T::f(S&)` where S is UIGestureRecognizer or the recognizer's own class (a sender of another
    // class skips the call).
    template <class T, class Method>
    void addTarget(const std::shared_ptr<T>& target, Method action) requires requires
    {
        TargetAction<UIGestureRecognizer>::member<T>(action);
    }
    {
        addTargetAction(target, TargetAction<UIGestureRecognizer>::member<T>(action));
    }
    // The general form: `action` runs with the locked target while the target lives.
    void addTargetAction(const std::shared_ptr<void>& target, Action action);
    // Removes every pair of `target` (all pairs when target is null).
    void removeTarget(const std::shared_ptr<void>& target);
    std::size_t targetCount() const { return m_targets.size(); }

    UIGestureRecognizerState state() const { return m_state; }
    // Moving to began, changed, ended (recognised) or cancelled calls the actions.
    void setState(UIGestureRecognizerState state);

    // Disabling a recognizer resets it; a gesture under way is cancelled first.
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    // When true (the default), recognising cancels the touches in the view (touchesCancelled).
    bool cancelsTouchesInView() const { return m_cancelsTouchesInView; }
    void setCancelsTouchesInView(bool cancels) { m_cancelsTouchesInView = cancels; }

    std::shared_ptr<UIView> view() const { return m_view.lock(); }
    std::shared_ptr<UIGestureRecognizerDelegate> delegate() const { return m_delegate.lock(); }
    void setDelegate(std::weak_ptr<UIGestureRecognizerDelegate> delegate) { m_delegate = std::move(delegate); }

    // Where the gesture is, in `view`'s coordinates (window coordinates when null): the centroid of
    // the touches it tracks, or of the last ones it saw.
    CGPoint location(const std::shared_ptr<UIView>& view) const;

    // Touch handling, called by the event dispatch before the view sees the touches.
    virtual void touchesBegan(const UITouchList& touches, const std::shared_ptr<UIEvent>& event);
    virtual void touchesMoved(const UITouchList& touches, const std::shared_ptr<UIEvent>& event);
    virtual void touchesEnded(const UITouchList& touches, const std::shared_ptr<UIEvent>& event);
    virtual void touchesCancelled(const UITouchList& touches, const std::shared_ptr<UIEvent>& event);
    // Returns to `possible` after a gesture ended, failed or was cancelled.
    virtual void reset();

    // Used by UIView::addGestureRecognizer / removeGestureRecognizer.
    void setView(const std::shared_ptr<UIView>& view) { m_view = view; }

protected:
    // Remembers the touches' window locations for location(in:).
    void trackTouches(const UITouchList& touches);

private:
    void sendActions();

    TargetActionList<UIGestureRecognizer> m_targets;
    UIGestureRecognizerState m_state = UIGestureRecognizerState::possible;
    bool m_enabled = true;
    bool m_cancelsTouchesInView = true;
    std::weak_ptr<UIView> m_view;
    std::weak_ptr<UIGestureRecognizerDelegate> m_delegate;
    std::vector<std::weak_ptr<UITouch>> m_trackedTouches;
    CGPoint m_lastLocationInWindow;
    std::weak_ptr<UIView> m_lastWindow;
};

} // namespace platform
