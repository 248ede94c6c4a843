#pragma once
// How text sits in its box: horizontal alignment and what happens to a line that does not fit.

namespace platform {

// Values as the platform numbers them (left 0, center 1, right 2).
enum class NSTextAlignment { left = 0, center = 1, right = 2, justified = 3, natural = 4 };

enum class NSLineBreakMode {
    byWordWrapping = 0,
    byCharWrapping = 1,
    byClipping = 2,
    byTruncatingHead = 3,
    byTruncatingTail = 4,
    byTruncatingMiddle = 5,
};

// True for the modes that break lines (word or character wrapping).
constexpr bool wrapsLines(NSLineBreakMode mode)
{
    return mode == NSLineBreakMode::byWordWrapping || mode == NSLineBreakMode::byCharWrapping;
}

} // namespace platform
