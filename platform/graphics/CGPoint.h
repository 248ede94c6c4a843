#pragma once
// A point in a two-dimensional coordinate space with y growing downward.

#include "platform/graphics/CGFloat.h"

namespace platform {

struct CGPoint {
    CGFloat x = 0;
    CGFloat y = 0;

    static constexpr CGPoint zero() { return {}; }
    bool operator==(const CGPoint&) const = default;
};

} // namespace platform
