#include "platform/ui/UIEvent.h"

#include "platform/ui/UIGestureRecognizer.h"
#include "platform/ui/UITouch.h"
#include "platform/ui/UIView.h"

#include <algorithm>

namespace platform {

void UIEvent::addTouch(const std::shared_ptr<UITouch>& touch)
{
    if (touch && std::find(m_touches.begin(), m_touches.end(), touch) == m_touches.end()) {
        m_touches.push_back(touch);
    }
}

UITouchList UIEvent::touches(const std::shared_ptr<UIView>& view) const
{
    UITouchList found;
    for (const auto& touch : m_touches) {
        auto hit = touch->view();
        if (view && hit && hit->isDescendant(*view)) {
            found.push_back(touch);
        }
    }
    return found;
}

namespace {

// The recognizers that may see a touch on `hit`: the enabled ones of the hit view and of its
// ancestors, unless a view on the way refuses an ancestor's recognizer or a delegate declines.
std::vector<std::shared_ptr<UIGestureRecognizer>> recognizersFor(const UIViewPtr& hit, UITouch& touch)
{
    std::vector<std::shared_ptr<UIGestureRecognizer>> found;
    std::vector<UIViewPtr> path;
    for (auto view = hit; view; view = view->superview()) {
        for (const auto& recognizer : view->gestureRecognizers()) {
            if (!recognizer->isEnabled()) {
                continue;
            }
            bool refused = std::any_of(path.begin(), path.end(), [&](const UIViewPtr& below) {
                return !below->allowsAncestorGestureRecognizer(*recognizer);
            });
            if (refused) {
                continue;
            }
            if (auto delegate = recognizer->delegate();
                delegate && !delegate->gestureRecognizerShouldReceiveTouch(*recognizer, touch)) {
                continue;
            }
            found.push_back(recognizer);
        }
        path.push_back(view);
    }
    return found;
}

bool takesOverTouches(const UIGestureRecognizer& recognizer)
{
    auto state = recognizer.state();
    return recognizer.cancelsTouchesInView() &&
           (state == UIGestureRecognizerState::began || state == UIGestureRecognizerState::changed ||
            state == UIGestureRecognizerState::ended);
}

} // namespace

void dispatchTouchEvent(const std::shared_ptr<UIView>& window, const std::shared_ptr<UIEvent>& event)
{
    if (!window || !event) {
        return;
    }
    auto touches = event->allTouches(); // snapshot: handlers may change the event
    for (const auto& touch : touches) {
        UITouchList single{touch};
        if (touch->phase() == UITouchPhase::began) {
            touch->setWindow(window);
            CGPoint point = touch->locationInWindow();
            touch->setStartLocationInWindow(point);
            auto hit = window->hitTest(point, event);
            touch->setView(hit);
            touch->setCancelledForView(false);
            touch->setGestureRecognizers(hit ? recognizersFor(hit, *touch)
                                             : std::vector<std::shared_ptr<UIGestureRecognizer>>{});
        }
        auto view = touch->view();
        auto recognizers = touch->gestureRecognizers();
        for (const auto& recognizer : recognizers) {
            auto state = recognizer->state();
            if (state == UIGestureRecognizerState::failed || state == UIGestureRecognizerState::cancelled) {
                continue;
            }
            switch (touch->phase()) {
            case UITouchPhase::began: recognizer->touchesBegan(single, event); break;
            case UITouchPhase::moved: recognizer->touchesMoved(single, event); break;
            case UITouchPhase::stationary: break;
            case UITouchPhase::ended: recognizer->touchesEnded(single, event); break;
            case UITouchPhase::cancelled: recognizer->touchesCancelled(single, event); break;
            }
        }
        if (view && !touch->isCancelledForView()) {
            bool takenOver = std::any_of(recognizers.begin(), recognizers.end(),
                                         [](const auto& recognizer) { return takesOverTouches(*recognizer); });
            if (takenOver) {
                touch->setCancelledForView(true);
                view->touchesCancelled(single, event);
            } else {
                switch (touch->phase()) {
                case UITouchPhase::began: view->touchesBegan(single, event); break;
                case UITouchPhase::moved: view->touchesMoved(single, event); break;
                case UITouchPhase::stationary: break;
                case UITouchPhase::ended: view->touchesEnded(single, event); break;
                case UITouchPhase::cancelled: view->touchesCancelled(single, event); break;
                }
            }
        }
        if (touch->phase() == UITouchPhase::ended || touch->phase() == UITouchPhase::cancelled) {
            for (const auto& recognizer : recognizers) {
                auto state = recognizer->state();
                if (state != UIGestureRecognizerState::possible) {
                    recognizer->reset();
                }
            }
        }
    }
}

} // namespace platform
