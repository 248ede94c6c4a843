#pragma once
// Small value types of views: content modes, autoresizing masks, layout axes and priorities,
// animation options.
#include <cstdint>

namespace platform {

// How a view shows content that does not match its size (image views, the layer's contents).
enum class UIViewContentMode {
    scaleToFill,
    scaleAspectFit,
    scaleAspectFill,
    redraw,
    center,
    top,
    bottom,
    left,
    right,
    topLeft,
    topRight,
    bottomLeft,
    bottomRight,
};

// Which of a view's margins and sizes follow its superview's size changes (a bitmask).
enum class UIViewAutoresizing : unsigned {
    none = 0,
    flexibleLeftMargin = 1 << 0,
    flexibleWidth = 1 << 1,
    flexibleRightMargin = 1 << 2,
    flexibleTopMargin = 1 << 3,
    flexibleHeight = 1 << 4,
    flexibleBottomMargin = 1 << 5,
};
constexpr UIViewAutoresizing operator|(UIViewAutoresizing a, UIViewAutoresizing b)
{
    return static_cast<UIViewAutoresizing>(static_cast<unsigned>(a) | static_cast<unsigned>(b));
}
constexpr bool contains(UIViewAutoresizing set, UIViewAutoresizing flag)
{
    return (static_cast<unsigned>(set) & static_cast<unsigned>(flag)) != 0;
}

enum class UILayoutConstraintAxis { horizontal, vertical };

// Layout priorities: 1...1000, 1000 required.
using UILayoutPriority = float;
inline constexpr UILayoutPriority UILayoutPriorityRequired = 1000;
inline constexpr UILayoutPriority UILayoutPriorityDefaultHigh = 750;
inline constexpr UILayoutPriority UILayoutPriorityDefaultLow = 250;
inline constexpr UILayoutPriority UILayoutPriorityFittingSizeLevel = 50;

// "No intrinsic size along this axis".
inline constexpr double UIViewNoIntrinsicMetric = -1;

// Options of UIView::animate (a bitmask; the curve is one of four values in bits 16-17).
enum class UIViewAnimationOptions : std::uint32_t {
    none = 0,
    layoutSubviews = 1 << 0,
    allowUserInteraction = 1 << 1,
    beginFromCurrentState = 1 << 2,
    repeat = 1 << 3,
    autoreverse = 1 << 4,
    overrideInheritedDuration = 1 << 5,
    overrideInheritedCurve = 1 << 6,
    allowAnimatedContent = 1 << 7,
    showHideTransitionViews = 1 << 8,
    overrideInheritedOptions = 1 << 9,
    curveEaseInOut = 0 << 16,
    curveEaseIn = 1 << 16,
    curveEaseOut = 2 << 16,
    curveLinear = 3 << 16,
    transitionCrossDissolve = 5 << 20,
};
constexpr UIViewAnimationOptions operator|(UIViewAnimationOptions a, UIViewAnimationOptions b)
{
    return static_cast<UIViewAnimationOptions>(static_cast<std::uint32_t>(a) | static_cast<std::uint32_t>(b));
}
constexpr bool contains(UIViewAnimationOptions set, UIViewAnimationOptions flag)
{
    return (static_cast<std::uint32_t>(set) & static_cast<std::uint32_t>(flag)) == static_cast<std::uint32_t>(flag);
}

} // namespace platform
