#pragma once
// Input in, as the device has it: the mouse's left button is one finger (down, drag, up) given to
// the application's event dispatch; typed text and the editing keys go to the focused text field.
// Other buttons and the wheel do nothing: the device has neither. A finger goes down only on the
// phone's picture and is followed wherever it is dragged until it lifts.

#include "PhoneFit.h"

#include "platform/ui/UIEvent.h"
#include "platform/ui/UITouch.h"

#include <SDL.h>

#include <memory>

class HostInput {
public:
    // Delivers `event` when it is input the device has and returns its kind ("down", "move", "up",
    // "text", "key"); null when it is not. `fit` places the phone in the window.
    const char* deliver(const SDL_Event& event, const PhoneFit& fit);
    // Ends a finger that is down as cancelled (the window lost the mouse).
    void cancelTouch();

private:
    void sendTouch(platform::UITouchPhase phase, platform::CGPoint point);

    std::shared_ptr<platform::UITouch> m_touch;
    std::shared_ptr<platform::UIEvent> m_event;
};
