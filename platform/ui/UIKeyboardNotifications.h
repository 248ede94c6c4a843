#pragma once
// The names and user-info keys of the keyboard's notifications, and the reading and writing of the
// rectangles they carry. A frame travels in the user info as a dictionary
// {"x", "y", "width", "height"} of numbers, in screen coordinates.
#include "platform/foundation/AnyValue.h"
#include "platform/graphics/CGRect.h"

#include <optional>
#include <string_view>

namespace platform {

// Posted on the default center (no object) when the keyboard starts to come up / is fully up,
// and when it starts to go down / is fully gone. The show pair is posted again while the keyboard
// is up when another input takes the focus or the keyboard's height changes.
inline constexpr const char* UIKeyboardWillShowNotification = "UIKeyboardWillShowNotification";
inline constexpr const char* UIKeyboardDidShowNotification = "UIKeyboardDidShowNotification";
inline constexpr const char* UIKeyboardWillHideNotification = "UIKeyboardWillHideNotification";
inline constexpr const char* UIKeyboardDidHideNotification = "UIKeyboardDidHideNotification";

// Posted on the default center by a text input (object: the input) right after it became / stopped
// being the first responder, once its own editing notifications went out. The keyboard comes up
// and goes down from these.
inline constexpr const char* UITextInputDidBecomeFirstResponderNotification =
    "UITextInputDidBecomeFirstResponderNotification";
inline constexpr const char* UITextInputDidResignFirstResponderNotification =
    "UITextInputDidResignFirstResponderNotification";

// The keyboard's frame before and after its animation (rectangles, see above).
inline constexpr const char* UIKeyboardFrameBeginUserInfoKey = "UIKeyboardFrameBeginUserInfoKey";
inline constexpr const char* UIKeyboardFrameEndUserInfoKey = "UIKeyboardFrameEndUserInfoKey";
// The animation's length in seconds (a number).
inline constexpr const char* UIKeyboardAnimationDurationUserInfoKey = "UIKeyboardAnimationDurationUserInfoKey";

// A rectangle as a user-info value.
AnyValue userInfoValue(const CGRect& rect);
// The rectangle stored under `key`; nullopt when the key is missing or its value is not a
// dictionary holding the four numbers.
std::optional<CGRect> rectFromUserInfo(const AnyValue::Dictionary& userInfo, std::string_view key);

} // namespace platform
