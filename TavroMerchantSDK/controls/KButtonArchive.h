#pragma once
// What a nib stores for a button: the frame, the button type chosen in the designer and the title
// typed for the normal state. The nib constructors of the kit's buttons take one; code uses the
// frame constructors.

#include "platform/graphics/CGRect.h"
#include "platform/ui/UIButton.h"

#include <optional>
#include <string>

namespace tavro {

struct KButtonArchive {
    platform::CGRect frame;
    platform::UIButtonType buttonType = platform::UIButtonType::custom;
    std::optional<std::string> normalTitle;
};

} // namespace tavro
