#pragma once
// The UI kit's fixed theme colours and check-box metrics. Each colour is made once, on first
// read (safe against concurrent first reads), and is then the same object for every reader.

#include "platform/graphics/CGFloat.h"
#include "platform/graphics/UIColor.h"

namespace tavro {

struct KDefaultConstants {
    KDefaultConstants() = delete;

    static const platform::UIColorPtr& ACCENT_UI_COLOR();            // "#F7B600"
    static const platform::UIColorPtr& ACTION_UI_COLOR();            // "#003EA9"
    static const platform::UIColorPtr& ACTION_UI_ACTIVE_COLOR();     // "#1869D6"
    static const platform::UIColorPtr& LIGHT_UI_COLOR();             // "#FFFFFF"
    static const platform::UIColorPtr& LIGHT_UI_ELEMENT_COLOR();     // "#1D2A59"
    static const platform::UIColorPtr& LIGHT_UI_ELEMENT_ALT_COLOR(); // "#6F7099"
    static const platform::UIColorPtr& DARK_UI_COLOR();              // "#15195A"
    static const platform::UIColorPtr& DARK_UI_ELEMENT_COLOR();      // "#FFFFFF"
    static const platform::UIColorPtr& DARK_UI_ELEMENT_ALT_COLOR();  // "#8B8C9C"
    static const platform::UIColorPtr& MSG_NEGATIVE_UI_COLOR();      // "#D60036"
    static const platform::UIColorPtr& MSG_POSITIVE_UI_COLOR();      // "#398C47"

    // Check box: side, tick stroke, border and gap to its label, in points.
    static constexpr platform::CGFloat CHECKBOX_WIDTH = 16;
    static constexpr platform::CGFloat CHECKBOX_CHECKMARK_WIDTH = 2;
    static constexpr platform::CGFloat CHECKBOX_BORDER_WIDTH = 2;
    static constexpr platform::CGFloat CHECKBOX_INPUT_SPACING = 12;
};

} // namespace tavro
