#include "HostInput.h"

#include "platform/foundation/RunLoop.h"
#include "platform/ui/UIApplication.h"
#include "platform/ui/UIResponder.h"
#include "platform/ui/UITextField.h"

using platform::NSObject;
using platform::UITouchPhase;

namespace {

std::shared_ptr<platform::UITextField> focusedField()
{
    return std::dynamic_pointer_cast<platform::UITextField>(platform::UIResponder::currentFirstResponder());
}

// Backspace, Return and Ctrl+V (the clipboard's text) to the focused field; false for other keys.
bool deliverKey(const SDL_KeyboardEvent& key)
{
    const SDL_Keycode code = key.keysym.sym;
    const bool paste = code == SDLK_v && (key.keysym.mod & KMOD_CTRL);
    if (code != SDLK_BACKSPACE && code != SDLK_RETURN && code != SDLK_KP_ENTER && !paste)
        return false;
    if (auto field = focusedField()) {
        if (code == SDLK_BACKSPACE) {
            field->userDeleteBackward();
        } else if (!paste) {
            field->userReturn();
        } else if (char* text = SDL_GetClipboardText()) {
            field->userPaste(text);
            SDL_free(text);
        }
    }
    return true;
}

} // namespace

const char* HostInput::deliver(const SDL_Event& event, const PhoneFit& fit)
{
    const char* kind = nullptr;
    switch (event.type) {
    case SDL_MOUSEBUTTONDOWN:
        if (event.button.button == SDL_BUTTON_LEFT && !m_touch && fit.shows(event.button.x, event.button.y)) {
            sendTouch(UITouchPhase::began, fit.points(event.button.x, event.button.y));
            kind = "down";
        }
        break;
    case SDL_MOUSEMOTION:
        if (m_touch && (event.motion.state & SDL_BUTTON_LMASK)) {
            sendTouch(UITouchPhase::moved, fit.points(event.motion.x, event.motion.y));
            kind = "move";
        }
        break;
    case SDL_MOUSEBUTTONUP:
        if (event.button.button == SDL_BUTTON_LEFT && m_touch) {
            sendTouch(UITouchPhase::ended, fit.points(event.button.x, event.button.y));
            kind = "up";
        }
        break;
    case SDL_TEXTINPUT:
        if (auto field = focusedField())
            field->userInsertText(event.text.text);
        kind = "text";
        break;
    case SDL_KEYDOWN:
        if (deliverKey(event.key))
            kind = "key";
        break;
    default: break;
    }
    // Every input makes a frame due, also one that changed nothing on screen.
    if (kind)
        platform::RunLoop::main().noteEventHandled();
    return kind;
}

void HostInput::cancelTouch()
{
    if (!m_touch)
        return;
    sendTouch(UITouchPhase::cancelled, m_touch->locationInWindow());
    platform::RunLoop::main().noteEventHandled();
}

void HostInput::sendTouch(UITouchPhase phase, platform::CGPoint point)
{
    const double now = platform::RunLoop::main().now();
    if (phase == UITouchPhase::began) {
        m_touch = NSObject::create<platform::UITouch>();
        m_touch->setStartLocationInWindow(point);
        m_event = NSObject::create<platform::UIEvent>(platform::UIEventType::touches, now);
        m_event->addTouch(m_touch);
    } else {
        m_touch->setLocationInWindow(point);
    }
    m_touch->setPhase(phase);
    m_touch->setTimestamp(now);
    platform::UIApplication::shared()->sendEvent(m_event);
    if (phase == UITouchPhase::ended || phase == UITouchPhase::cancelled) {
        m_touch = nullptr;
        m_event = nullptr;
    }
}
