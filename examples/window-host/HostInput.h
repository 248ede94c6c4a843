#pragma once
// Input in, as the device has it: the mouse's left button is one finger (down, drag, up) given to
// the application's event dispatch; typed text and the editing keys go to the focused text field.
// Other buttons and the wheel do nothing: the device has neither.

#include "platform/ui/UIEvent.h"
#include "platform/ui/UITouch.h"

#include <SDL.h>

#include <memory>

class HostInput {
public:
    explicit HostInput(double scale) : m_scale(scale) {}

    // Delivers `event` when it is input the device has and returns its kind ("down", "move", "up",
    // "text", "key"); null when it is not.
    const char* deliver(const SDL_Event& event);
    // Ends a finger that is down as cancelled (the window lost the mouse).
    void cancelTouch();

private:
    // Window pixels to screen points.
    platform::CGPoint points(int x, int y) const { return {x / m_scale, y / m_scale}; }
    void sendTouch(platform::UITouchPhase phase, platform::CGPoint point);

    double m_scale;
    std::shared_ptr<platform::UITouch> m_touch;
    std::shared_ptr<platform::UIEvent> m_event;
};
