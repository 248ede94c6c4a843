#pragma once
// UIResponder: an object that can take part in the responder chain and receive touches.
//
// There is one first responder at a time for the whole application (held weakly). Becoming first
// responder asks canBecomeFirstResponder() and then resigns the current one through its (virtual)
// resignFirstResponder(), which may refuse. Subclasses that override becomeFirstResponder() or
// resignFirstResponder() call the base and act only when it returns true.
#include "platform/foundation/NSObject.h"

#include <memory>
#include <vector>

namespace platform {

class UIEvent;
class UITouch;

using UITouchList = std::vector<std::shared_ptr<UITouch>>;

class UIResponder : public NSObject {
public:
    UIResponder() = default;

    // The next object in the chain (for a view: its controller, else its superview). Default: none.
    virtual std::shared_ptr<UIResponder> nextResponder() const { return nullptr; }

    virtual bool canBecomeFirstResponder() const { return false; }
    virtual bool canResignFirstResponder() const { return true; }
    // True when this object is (or already was) the first responder afterwards.
    virtual bool becomeFirstResponder();
    // True when this object is no longer the first responder afterwards (also when it never was).
    // False, with the state kept, when canResignFirstResponder() refuses.
    virtual bool resignFirstResponder();
    bool isFirstResponder() const;

    // The current first responder, if any is alive.
    static std::shared_ptr<UIResponder> currentFirstResponder();
    // Forgets the first responder without telling it (between tests).
    static void clearFirstResponder();
    // Takes the status from the current first responder without asking it (a forced end of
    // editing), then tells it through firstResponderStatusTaken().
    static void takeFirstResponderStatus();

    // Touch handling. The default passes the touches on to nextResponder().
    virtual void touchesBegan(const UITouchList& touches, const std::shared_ptr<UIEvent>& event);
    virtual void touchesMoved(const UITouchList& touches, const std::shared_ptr<UIEvent>& event);
    virtual void touchesEnded(const UITouchList& touches, const std::shared_ptr<UIEvent>& event);
    virtual void touchesCancelled(const UITouchList& touches, const std::shared_ptr<UIEvent>& event);

protected:
    // Called after takeFirstResponderStatus() took the first responder status from this object.
    virtual void firstResponderStatusTaken() {}
};

} // namespace platform
