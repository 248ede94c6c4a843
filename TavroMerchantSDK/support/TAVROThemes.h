#pragma once
// Colours of the flows' action buttons, taken from the host's configuration.

#include "platform/ui/UIButton.h"

namespace tavro {

class TAVROThemes {
public:
    TAVROThemes() = delete;

    // Background of the normal and disabled states: the configured action-button colour (a
    // disabled flow button is not dimmed); of the highlighted state: the active colour; title
    // colour of the normal state: the configured font colour. Without a configuration the
    // configuration's initial colours apply.
    static void setThemeForButton(platform::UIButton& button);
};

} // namespace tavro
