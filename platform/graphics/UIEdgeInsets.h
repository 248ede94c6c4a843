#pragma once
// Insets for the four edges of a rectangle; positive values move the edges inward.

#include "platform/graphics/CGFloat.h"

#include <iosfwd>

namespace platform {

struct UIEdgeInsets {
    CGFloat top = 0;
    CGFloat left = 0;
    CGFloat bottom = 0;
    CGFloat right = 0;

    static constexpr UIEdgeInsets zero() { return {}; }
    bool operator==(const UIEdgeInsets&) const = default;
};

// Written as "{top, left, bottom, right}".
std::ostream& operator<<(std::ostream& out, const UIEdgeInsets& insets);

} // namespace platform
