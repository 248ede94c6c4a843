#include "platform/foundation/ManualClock.h"

#include "platform/foundation/ClassicNumbers.h"
#include "platform/foundation/DebugLog.h"

#include <cmath>
#include <string>

namespace platform {

void ManualClock::advance(double seconds)
{
    if (!std::isfinite(seconds) || seconds < 0) {
        debugLog("ManualClock::advance: ignored non-finite or negative step " + classicNumber(seconds));
        return;
    }
    m_now += seconds;
}

void ManualClock::setNow(double seconds)
{
    if (!std::isfinite(seconds) || seconds < m_now) {
        debugLog("ManualClock::setNow: ignored " + classicNumber(seconds) + " (time never goes back)");
        return;
    }
    m_now = seconds;
}

} // namespace platform
