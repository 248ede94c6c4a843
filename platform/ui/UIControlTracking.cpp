// Touch tracking of controls: touches become highlight changes and control events.
#include "platform/ui/UIControl.h"

#include "platform/ui/UITapGestureRecognizer.h"
#include "platform/ui/UITouch.h"

namespace platform {

CGPoint UIControl::locationOf(const UITouch& touch)
{
    return touch.location(sharedFromThis<UIView>());
}

bool UIControl::beginTracking(UITouch&, const std::shared_ptr<UIEvent>&)
{
    return true;
}

bool UIControl::continueTracking(UITouch&, const std::shared_ptr<UIEvent>&)
{
    return true;
}

void UIControl::endTracking(UITouch*, const std::shared_ptr<UIEvent>&) {}

void UIControl::cancelTracking(const std::shared_ptr<UIEvent>&) {}

void UIControl::touchesBegan(const UITouchList& touches, const std::shared_ptr<UIEvent>& event)
{
    if (!m_enabled || touches.empty()) {
        UIView::touchesBegan(touches, event);
        return;
    }
    auto keepAlive = sharedFromThis<UIControl>();
    auto touch = touches.front();
    m_trackedTouch = touch;
    m_touchInside = true;
    m_tracking = beginTracking(*touch, event);
    setHighlighted(true);
    UIControlEvents events = UIControlEvents::touchDown;
    if (touch->tapCount() > 1) {
        events = events | UIControlEvents::touchDownRepeat;
    }
    sendActions(events);
}

void UIControl::touchesMoved(const UITouchList& touches, const std::shared_ptr<UIEvent>& event)
{
    auto touch = m_trackedTouch.lock();
    if (!touch || touches.empty()) {
        UIView::touchesMoved(touches, event);
        return;
    }
    auto keepAlive = sharedFromThis<UIControl>();
    bool wasInside = m_touchInside;
    m_touchInside = pointInside(locationOf(*touch), event);
    if (m_tracking) {
        m_tracking = continueTracking(*touch, event);
    }
    setHighlighted(m_touchInside);
    UIControlEvents events = m_touchInside ? UIControlEvents::touchDragInside : UIControlEvents::touchDragOutside;
    if (wasInside != m_touchInside) {
        events = events | (m_touchInside ? UIControlEvents::touchDragEnter : UIControlEvents::touchDragExit);
    }
    sendActions(events);
}

void UIControl::touchesEnded(const UITouchList& touches, const std::shared_ptr<UIEvent>& event)
{
    auto touch = m_trackedTouch.lock();
    if (!touch) {
        UIView::touchesEnded(touches, event);
        return;
    }
    m_touchInside = pointInside(locationOf(*touch), event);
    finishTracking(touch.get(), event, false);
}

void UIControl::touchesCancelled(const UITouchList& touches, const std::shared_ptr<UIEvent>& event)
{
    if (m_trackedTouch.expired()) {
        UIView::touchesCancelled(touches, event);
        return;
    }
    finishTracking(nullptr, event, true);
}

void UIControl::finishTracking(UITouch* touch, const std::shared_ptr<UIEvent>& event, bool cancelled)
{
    auto keepAlive = sharedFromThis<UIControl>();
    bool wasTracking = m_tracking;
    m_trackedTouch.reset();
    m_tracking = false;
    setHighlighted(false);
    if (cancelled) {
        if (wasTracking) {
            cancelTracking(event);
        }
        sendActions(UIControlEvents::touchCancel);
        return;
    }
    if (wasTracking) {
        endTracking(touch, event);
    }
    sendActions(m_touchInside ? UIControlEvents::touchUpInside : UIControlEvents::touchUpOutside);
}

bool UIControl::allowsAncestorGestureRecognizer(const UIGestureRecognizer& recognizer) const
{
    if (!m_enabled) {
        return true;
    }
    auto tap = dynamic_cast<const UITapGestureRecognizer*>(&recognizer);
    return !(tap && tap->numberOfTapsRequired() == 1 && tap->numberOfTouchesRequired() == 1);
}

} // namespace platform
