#pragma once
// Small value types of view controllers: status-bar styles, interface orientations and how a
// controller is presented.
#include <cstdint>

namespace platform {

enum class UIStatusBarStyle {
    default_,     // dark text, for light backgrounds
    lightContent, // light text, for dark backgrounds
};

// Orientations a controller supports (a bitmask).
enum class UIInterfaceOrientationMask : std::uint32_t {
    portrait = 1 << 1,
    portraitUpsideDown = 1 << 2,
    landscapeRight = 1 << 3,
    landscapeLeft = 1 << 4,
    landscape = (1 << 3) | (1 << 4),
    all = (1 << 1) | (1 << 2) | (1 << 3) | (1 << 4),
    allButUpsideDown = (1 << 1) | (1 << 3) | (1 << 4),
};
constexpr UIInterfaceOrientationMask operator|(UIInterfaceOrientationMask a, UIInterfaceOrientationMask b)
{
    return static_cast<UIInterfaceOrientationMask>(static_cast<std::uint32_t>(a) | static_cast<std::uint32_t>(b));
}

// How a presented controller is shown. Only a full-screen presentation covers its presenter, so
// only it sends the presenter disappear and appear callbacks; the others leave the presenter on
// screen underneath (alerts and the share sheet use them).
enum class UIModalPresentationStyle {
    fullScreen,
    overFullScreen,
    popover, // on a phone-sized screen shown over the full screen, with the popover's anchor kept
};

} // namespace platform
