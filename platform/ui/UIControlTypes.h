#pragma once
// Value types of controls: the state bitmask, the event bitmask and content alignment.
#include <cstdint>

namespace platform {

// A control's state; combinations are bitwise ors (selected | highlighted).
enum class UIControlState : std::uint32_t {
    normal = 0,
    highlighted = 1 << 0,
    disabled = 1 << 1,
    selected = 1 << 2,
    focused = 1 << 3,
};
constexpr UIControlState operator|(UIControlState a, UIControlState b)
{
    return static_cast<UIControlState>(static_cast<std::uint32_t>(a) | static_cast<std::uint32_t>(b));
}
constexpr UIControlState operator&(UIControlState a, UIControlState b)
{
    return static_cast<UIControlState>(static_cast<std::uint32_t>(a) & static_cast<std::uint32_t>(b));
}
// True when every flag of `flags` is set in `state` (normal is contained in every state).
constexpr bool contains(UIControlState state, UIControlState flags)
{
    return (static_cast<std::uint32_t>(state) & static_cast<std::uint32_t>(flags)) == static_cast<std::uint32_t>(flags);
}

// What happened to a control; target-action pairs register for any combination.
enum class UIControlEvents : std::uint32_t {
    none = 0,
    touchDown = 1u << 0,
    touchDownRepeat = 1u << 1,
    touchDragInside = 1u << 2,
    touchDragOutside = 1u << 3,
    touchDragEnter = 1u << 4,
    touchDragExit = 1u << 5,
    touchUpInside = 1u << 6,
    touchUpOutside = 1u << 7,
    touchCancel = 1u << 8,
    valueChanged = 1u << 12,
    primaryActionTriggered = 1u << 13,
    editingDidBegin = 1u << 16,
    editingChanged = 1u << 17,
    editingDidEnd = 1u << 18,
    editingDidEndOnExit = 1u << 19,
    allTouchEvents = 0x00000FFFu,
    allEditingEvents = 0x000F0000u,
    allEvents = 0xFFFFFFFFu,
};
constexpr UIControlEvents operator|(UIControlEvents a, UIControlEvents b)
{
    return static_cast<UIControlEvents>(static_cast<std::uint32_t>(a) | static_cast<std::uint32_t>(b));
}
constexpr UIControlEvents operator&(UIControlEvents a, UIControlEvents b)
{
    return static_cast<UIControlEvents>(static_cast<std::uint32_t>(a) & static_cast<std::uint32_t>(b));
}
constexpr UIControlEvents operator~(UIControlEvents a)
{
    return static_cast<UIControlEvents>(~static_cast<std::uint32_t>(a));
}
// True when the two sets share at least one event.
constexpr bool intersects(UIControlEvents a, UIControlEvents b)
{
    return (static_cast<std::uint32_t>(a) & static_cast<std::uint32_t>(b)) != 0;
}

// Where a control places its content (title, image) inside its bounds. Values as the platform
// numbers them (left 1, right 2).
enum class UIControlContentHorizontalAlignment { center = 0, left = 1, right = 2, fill = 3, leading = 4, trailing = 5 };
enum class UIControlContentVerticalAlignment { center = 0, top = 1, bottom = 2, fill = 3 };

} // namespace platform
