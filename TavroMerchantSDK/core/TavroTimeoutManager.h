#pragma once
// TavroTimeoutManager: the idle timer. While observing, every framework-window event and every
// text change restarts a one-shot run-loop timer of timeoutLength() seconds; when it fires the
// delegate hears of it once, and nothing is re-armed until the next activity or start.
// Held by std::shared_ptr; make with NSObject::create<TavroTimeoutManager>(). Main thread only.

#include "TavroMerchantSDK/core/TavroTimeoutManagerDelegate.h"
#include "platform/foundation/NSObject.h"
#include "platform/foundation/Timer.h"

#include <limits>
#include <memory>
#include <string>

namespace tavro {

class TavroTimeoutManager : public platform::NSObject {
public:
    TavroTimeoutManager() = default;
    ~TavroTimeoutManager() override;

    // Seconds; infinity (the initial value) arms a timer that never fires. Read when the timer is
    // armed, so a change takes effect at the next activity.
    double timeoutLength() const { return m_timeoutLength; }
    void setTimeoutLength(double seconds) { m_timeoutLength = seconds; }

    std::shared_ptr<TavroTimeoutManagerDelegate> delegate() const { return m_delegate.lock(); }
    void setDelegate(std::weak_ptr<TavroTimeoutManagerDelegate> delegate) { m_delegate = std::move(delegate); }

    // Observes the window's touch-event notification and the text-change notifications of text
    // fields and text views, then arms the timer at once. Calling it again replaces the earlier
    // observers, so each activity re-arms once.
    void startTimeoutObservation();
    // Stops observing and invalidates a pending timer.
    void endTimeoutObservation();
    // Restarts the timer: the pending one is invalidated and a new one armed for timeoutLength().
    void touchEventRegistered();
    // The timer's action: tells the delegate, if it still exists.
    void timerFired();

    // The timer armed last (possibly invalidated or fired); null before the first arming.
    const std::shared_ptr<platform::Timer>& timer() const { return m_timer; }

    // Name of the text-change notification of multi-line text views.
    static const std::string& textViewTextDidChangeNotification();

private:
    double m_timeoutLength = std::numeric_limits<double>::infinity();
    std::weak_ptr<TavroTimeoutManagerDelegate> m_delegate;
    std::shared_ptr<platform::Timer> m_timer;
};

} // namespace tavro
