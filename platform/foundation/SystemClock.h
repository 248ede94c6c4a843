#pragma once
// SystemClock: monotonic time of the machine, in seconds.

#include "platform/foundation/Clock.h"

namespace platform {

class SystemClock final : public Clock {
public:
    double now() const override;
};

} // namespace platform
