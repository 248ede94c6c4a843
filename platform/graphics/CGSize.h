#pragma once
// A width and a height, in points. Negative values are allowed (rectangles standardise them).

#include "platform/graphics/CGFloat.h"

namespace platform {

struct CGSize {
    CGFloat width = 0;
    CGFloat height = 0;

    static constexpr CGSize zero() { return {}; }
    bool operator==(const CGSize&) const = default;
};

} // namespace platform
