#pragma once
// CAAnimation: an animation attached to a layer. The model values of the layer never change by
// animating (the code sets them itself); an animation only has a timeline on the run-loop clock:
// it starts when added (animationDidStart in the next run-loop turn) and stops after
// duration * max(repeatCount, 1) / speed seconds (animationDidStop with finished == true), or
// earlier when it is removed from its layer (finished == false, in the next turn). An animation
// that repeats without end stops only when removed.
//
// The delegate is held weakly (it is often the view that owns the layer).
#include "platform/foundation/AnyValue.h"
#include "platform/foundation/NSObject.h"

#include <map>
#include <memory>
#include <optional>
#include <string>

namespace platform {

class CAAnimation;

class CAAnimationDelegate {
public:
    virtual ~CAAnimationDelegate() = default;
    virtual void animationDidStart(CAAnimation&) {}
    virtual void animationDidStop(CAAnimation&, bool /*finished*/) {}
};

// Timing curve names.
enum class CAMediaTimingFunctionName { linear, easeIn, easeOut, easeInEaseOut, defaultTiming };

class CAAnimation : public NSObject {
public:
    CAAnimation() = default;

    // Seconds of one cycle (>= 0; 0 means the default 0.25 s, as the toolkit does).
    double duration() const { return m_duration; }
    void setDuration(double seconds);
    // Time scale (> 0; a value <= 0 or NaN is logged and ignored).
    double speed() const { return m_speed; }
    void setSpeed(double speed);
    // Number of cycles; 0 means one. Very large values (3.4e38, infinity) repeat without end.
    double repeatCount() const { return m_repeatCount; }
    void setRepeatCount(double count);
    bool autoreverses() const { return m_autoreverses; }
    void setAutoreverses(bool value) { m_autoreverses = value; }
    double beginTime() const { return m_beginTime; }
    void setBeginTime(double time) { m_beginTime = time; }
    CAMediaTimingFunctionName timingFunction() const { return m_timingFunction; }
    void setTimingFunction(CAMediaTimingFunctionName name) { m_timingFunction = name; }
    // Removed from its layer when it stops by itself. Default true.
    bool isRemovedOnCompletion() const { return m_removedOnCompletion; }
    void setRemovedOnCompletion(bool value) { m_removedOnCompletion = value; }

    std::shared_ptr<CAAnimationDelegate> delegate() const { return m_delegate.lock(); }
    void setDelegate(std::weak_ptr<CAAnimationDelegate> delegate) { m_delegate = std::move(delegate); }

    // Key-value bag (key-value coding on the animation object).
    void setValue(const AnyValue& value, const std::string& key);
    std::optional<AnyValue> value(const std::string& key) const;

    // Seconds from start to the natural stop: duration (or 0.25) * max(repeatCount, 1) * (2 when
    // autoreversing) / speed; infinity for an endless animation.
    double activeDuration() const;

    // Run-time state, set by the layer.
    bool isRunning() const { return m_running; }
    bool hasStarted() const { return m_started; }
    bool hasStopped() const { return m_stopped; }

    // A copy with the same settings, delegate and bag (what a layer stores when it is added).
    virtual std::shared_ptr<CAAnimation> copy() const;

protected:
    void copySettingsTo(CAAnimation& other) const;

private:
    friend class CALayer;
    friend class CALayerAnimations;

    double m_duration = 0;
    double m_speed = 1;
    double m_repeatCount = 0;
    bool m_autoreverses = false;
    double m_beginTime = 0;
    CAMediaTimingFunctionName m_timingFunction = CAMediaTimingFunctionName::defaultTiming;
    bool m_removedOnCompletion = true;
    std::weak_ptr<CAAnimationDelegate> m_delegate;
    std::map<std::string, AnyValue, std::less<>> m_values;

    bool m_running = false;
    bool m_started = false;
    bool m_stopped = false;
};

} // namespace platform
