#pragma once
// A width and a height, in points. Negative values are allowed (rectangles standardise them).

#include "platform/graphics/CGFloat.h"

#include <iosfwd>

namespace platform {

struct CGSize {
    CGFloat width = 0;
    CGFloat height = 0;

    static constexpr CGSize zero() { return {}; }
    bool operator==(const CGSize&) const = default;
};

// Written as "{width, height}".
std::ostream& operator<<(std::ostream& out, CGSize size);

} // namespace platform
