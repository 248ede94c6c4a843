#pragma once
// A text field that runs a check at the moment it gives up being first responder, so a test can
// see what was already on screen when editing ended.

#include "platform/ui/UITextField.h"

#include <functional>

namespace sessiontest {

class WatchedTextField : public platform::UITextField {
public:
    WatchedTextField() : platform::UITextField({20, 100, 200, 30}) {}

    std::function<void()> onResign;
    int resignations = 0;

    bool resignFirstResponder() override
    {
        const bool wasFirst = isFirstResponder();
        const bool resigned = platform::UITextField::resignFirstResponder();
        if (wasFirst && resigned) {
            ++resignations;
            if (onResign)
                onResign();
        }
        return resigned;
    }
};

} // namespace sessiontest
