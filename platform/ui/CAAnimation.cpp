#include "platform/ui/CAAnimation.h"

#include "platform/foundation/DebugLog.h"

#include <cmath>
#include <limits>

namespace platform {

namespace {

constexpr double defaultDuration = 0.25;
// Repeat counts at or beyond this mean "without end" (the greatest finite single-precision value
// is the usual way to ask for that).
constexpr double endlessRepeatCount = 1e30;

} // namespace

void CAAnimation::setDuration(double seconds)
{
    if (!(seconds >= 0)) {
        debugLog("CAAnimation: ignoring a negative or NaN duration");
        return;
    }
    m_duration = seconds;
}

void CAAnimation::setSpeed(double speed)
{
    if (!(speed > 0)) {
        debugLog("CAAnimation: ignoring a speed that is not positive");
        return;
    }
    m_speed = speed;
}

void CAAnimation::setRepeatCount(double count)
{
    if (!(count >= 0)) {
        debugLog("CAAnimation: ignoring a negative or NaN repeat count");
        return;
    }
    m_repeatCount = count;
}

void CAAnimation::setValue(const AnyValue& value, const std::string& key)
{
    m_values[key] = value;
}

std::optional<AnyValue> CAAnimation::value(const std::string& key) const
{
    if (auto found = m_values.find(key); found != m_values.end()) {
        return found->second;
    }
    return std::nullopt;
}

double CAAnimation::activeDuration() const
{
    if (m_repeatCount >= endlessRepeatCount) {
        return std::numeric_limits<double>::infinity();
    }
    double cycle = m_duration > 0 ? m_duration : defaultDuration;
    double cycles = m_repeatCount > 0 ? m_repeatCount : 1.0;
    double total = cycle * cycles * (m_autoreverses ? 2.0 : 1.0) / m_speed;
    return std::isfinite(total) ? total : std::numeric_limits<double>::infinity();
}

void CAAnimation::copySettingsTo(CAAnimation& other) const
{
    other.m_duration = m_duration;
    other.m_speed = m_speed;
    other.m_repeatCount = m_repeatCount;
    other.m_autoreverses = m_autoreverses;
    other.m_beginTime = m_beginTime;
    other.m_timingFunction = m_timingFunction;
    other.m_removedOnCompletion = m_removedOnCompletion;
    other.m_delegate = m_delegate;
    other.m_values = m_values;
}

std::shared_ptr<CAAnimation> CAAnimation::copy() const
{
    auto other = create<CAAnimation>();
    copySettingsTo(*other);
    return other;
}

} // namespace platform
