#pragma once
// UIControl: a view with a state (enabled, selected, highlighted) that turns touches into events
// and sends them to target-action pairs.
//
// Targets are held weakly: a pair whose target has died is skipped (and dropped). Pairs are called
// in the order they were added; one call of sendActions() calls a pair at most once, however many
// of its events match. Pairs added with addAction() have no target and live as long as the control
// (their closures should capture weak pointers only).
//
// Touches: touch down highlights and sends touchDown; lifting inside clears the highlight and sends
// touchUpInside, lifting outside sends touchUpOutside, a cancelled touch sends touchCancel.
// Setting the state in code (setSelected, setHighlighted, setEnabled) sends nothing. A disabled
// control passes its touches on to the next responder and lets ancestors' tap recognizers see them.
#include "platform/ui/TargetAction.h"
#include "platform/ui/UIControlTypes.h"
#include "platform/ui/UIView.h"

#include <functional>
#include <memory>
#include <vector>

namespace platform {

class UIControl : public UIView {
public:
    // `target` is the locked target (null for pairs added without one).
    using Action = TargetAction<UIControl>::Action;

    explicit UIControl(const CGRect& frame = CGRect());

    // --- state ---
    bool isEnabled() const { return m_enabled; }
    virtual void setEnabled(bool enabled);
    bool isSelected() const { return m_selected; }
    virtual void setSelected(bool selected);
    bool isHighlighted() const { return m_highlighted; }
    virtual void setHighlighted(bool highlighted);
    // highlighted | disabled | selected, from the three flags.
    UIControlState state() const;

    UIControlContentHorizontalAlignment contentHorizontalAlignment() const { return m_horizontalAlignment; }
    virtual void setContentHorizontalAlignment(UIControlContentHorizontalAlignment alignment);
    UIControlContentVerticalAlignment contentVerticalAlignment() const { return m_verticalAlignment; }
    virtual void setContentVerticalAlignment(UIControlContentVerticalAlignment alignment);

    // --- target-action ---
    // Adds a pair; a null target makes a pair that runs without a target (like addAction). Adding
    // with no events is logged and ignored. The same target may be added several times.
    void addTarget(std::weak_ptr<void> target, Action action, UIControlEvents events);
    // A member function of the target: `void T::f()` or `R T::f(S& sender)` where S is UIControl or
    // a subclass the sender is (a sender of another class skips the call).
    template <class T, class Method>
    void addTarget(const std::shared_ptr<T>& target, Method method, UIControlEvents events) requires requires
    {
        TargetAction<UIControl>::member<T>(method);
    }
    {
        addTarget(std::weak_ptr<void>(target), TargetAction<UIControl>::member<T>(method), events);
    }
    // A closure without a target.
    void addAction(std::function<void(UIControl& sender)> action, UIControlEvents events);
    // Removes `events` from every pair of `target` (every pair when target is null); a pair left
    // with no events is dropped.
    void removeTarget(const std::shared_ptr<void>& target, UIControlEvents events = UIControlEvents::allEvents);
    // The events some live pair listens to.
    UIControlEvents allControlEvents() const;
    // The live targets, each once, in the order first added (pairs without a target not included).
    std::vector<std::shared_ptr<void>> allTargets() const;
    // Live pairs (with or without a target) registered for any of `events`.
    std::size_t actionCount(UIControlEvents events = UIControlEvents::allEvents) const;
    // Calls every live pair registered for any of `events`, in order of addition.
    void sendActions(UIControlEvents events);

    // --- touch tracking ---
    bool isTracking() const { return m_tracking; }
    // Whether the tracked touch is inside the bounds (last known).
    bool isTouchInside() const { return m_touchInside; }
    // Tracking hooks, as the touches arrive. beginTracking returns whether to keep tracking;
    // continueTracking likewise. `touch` is the tracked touch.
    virtual bool beginTracking(UITouch& touch, const std::shared_ptr<UIEvent>& event);
    virtual bool continueTracking(UITouch& touch, const std::shared_ptr<UIEvent>& event);
    virtual void endTracking(UITouch* touch, const std::shared_ptr<UIEvent>& event);
    virtual void cancelTracking(const std::shared_ptr<UIEvent>& event);

    void touchesBegan(const UITouchList& touches, const std::shared_ptr<UIEvent>& event) override;
    void touchesMoved(const UITouchList& touches, const std::shared_ptr<UIEvent>& event) override;
    void touchesEnded(const UITouchList& touches, const std::shared_ptr<UIEvent>& event) override;
    void touchesCancelled(const UITouchList& touches, const std::shared_ptr<UIEvent>& event) override;
    // An enabled control keeps single taps to itself: ancestors' one-tap recognizers do not see them.
    bool allowsAncestorGestureRecognizer(const UIGestureRecognizer& recognizer) const override;

protected:
    // Called after enabled, selected or highlighted changed value (subclasses refresh their look).
    virtual void controlStateDidChange() {}
    // Where a touch is, in this control's bounds space.
    CGPoint locationOf(const UITouch& touch);

private:
    void finishTracking(UITouch* touch, const std::shared_ptr<UIEvent>& event, bool cancelled);

    bool m_enabled = true;
    bool m_selected = false;
    bool m_highlighted = false;
    UIControlContentHorizontalAlignment m_horizontalAlignment = UIControlContentHorizontalAlignment::center;
    UIControlContentVerticalAlignment m_verticalAlignment = UIControlContentVerticalAlignment::center;
    TargetActionList<UIControl> m_actions;
    bool m_tracking = false;
    bool m_touchInside = false;
    std::weak_ptr<UITouch> m_trackedTouch;
};

} // namespace platform
