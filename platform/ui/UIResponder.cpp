#include "platform/ui/UIResponder.h"

namespace platform {

namespace {

std::weak_ptr<UIResponder>& firstResponderSlot()
{
    static std::weak_ptr<UIResponder> slot;
    return slot;
}

} // namespace

bool UIResponder::isFirstResponder() const
{
    return firstResponderSlot().lock().get() == this;
}

std::shared_ptr<UIResponder> UIResponder::currentFirstResponder()
{
    return firstResponderSlot().lock();
}

void UIResponder::clearFirstResponder()
{
    firstResponderSlot().reset();
}

void UIResponder::takeFirstResponderStatus()
{
    auto former = currentFirstResponder();
    firstResponderSlot().reset();
    if (former) {
        former->firstResponderStatusTaken();
    }
}

bool UIResponder::becomeFirstResponder()
{
    if (isFirstResponder()) {
        return true;
    }
    if (!canBecomeFirstResponder()) {
        return false;
    }
    auto self = sharedFromThis<UIResponder>();
    if (!self) {
        return false;
    }
    if (auto current = currentFirstResponder()) {
        if (!current->resignFirstResponder() || current->isFirstResponder()) {
            return false;
        }
        // Resigning may have handed first responder status to someone else meanwhile.
        if (currentFirstResponder()) {
            return false;
        }
    }
    firstResponderSlot() = self;
    return true;
}

bool UIResponder::resignFirstResponder()
{
    if (!isFirstResponder()) {
        return true;
    }
    if (!canResignFirstResponder()) {
        return false;
    }
    firstResponderSlot().reset();
    return true;
}

void UIResponder::touchesBegan(const UITouchList& touches, const std::shared_ptr<UIEvent>& event)
{
    if (auto next = nextResponder()) {
        next->touchesBegan(touches, event);
    }
}

void UIResponder::touchesMoved(const UITouchList& touches, const std::shared_ptr<UIEvent>& event)
{
    if (auto next = nextResponder()) {
        next->touchesMoved(touches, event);
    }
}

void UIResponder::touchesEnded(const UITouchList& touches, const std::shared_ptr<UIEvent>& event)
{
    if (auto next = nextResponder()) {
        next->touchesEnded(touches, event);
    }
}

void UIResponder::touchesCancelled(const UITouchList& touches, const std::shared_ptr<UIEvent>& event)
{
    if (auto next = nextResponder()) {
        next->touchesCancelled(touches, event);
    }
}

} // namespace platform
