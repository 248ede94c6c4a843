#pragma once
// UIEvent: a set of touches delivered together (one phase change of one or more fingers).
#include "platform/foundation/NSObject.h"
#include "platform/ui/UIResponder.h"

#include <memory>

namespace platform {

class UIView;

enum class UIEventType { touches, presses, motion, remoteControl };

class UIEvent : public NSObject {
public:
    explicit UIEvent(UIEventType type = UIEventType::touches, double timestamp = 0)
        : m_type(type), m_timestamp(timestamp)
    {
    }

    UIEventType type() const { return m_type; }
    double timestamp() const { return m_timestamp; }
    void setTimestamp(double timestamp) { m_timestamp = timestamp; }

    const UITouchList& allTouches() const { return m_touches; }
    void addTouch(const std::shared_ptr<UITouch>& touch);
    void removeAllTouches() { m_touches.clear(); }
    // The touches whose hit view is `view` (or lies inside it).
    UITouchList touches(const std::shared_ptr<UIView>& view) const;

private:
    UIEventType m_type;
    double m_timestamp;
    UITouchList m_touches;
};

// Delivers a touch event the way a window does: a touch in the began phase is hit-tested from
// `window` (its view and the gesture recognizers of that view and its ancestors are fixed for the
// touch's life), the recognizers see the touches first, then the hit view gets touchesBegan/Moved/
// Ended, or touchesCancelled once a recognizer that cancels touches in its view has recognised.
// A touch that hits nothing is dropped. Windows call this from their sendEvent().
void dispatchTouchEvent(const std::shared_ptr<UIView>& window, const std::shared_ptr<UIEvent>& event);

} // namespace platform
