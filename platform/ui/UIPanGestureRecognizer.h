#pragma once
// UIPanGestureRecognizer: recognises a finger dragged across its view. The gesture begins once the
// first finger has moved more than `slop` points from where it went down, changes with every move
// after that and ends when that finger lifts (cancelled when its touch is cancelled). Other fingers
// are ignored. It does not begin on a touch that another recognizer is already following (the
// innermost view's recognizer sees a touch first, so with nested pans the innermost that may begin
// takes the drag).
#include "platform/ui/UIGestureRecognizer.h"

namespace platform {

class UIPanGestureRecognizer : public UIGestureRecognizer {
public:
    // How far (window points) the finger moves before the gesture begins.
    static constexpr double slop = 10;

    UIPanGestureRecognizer() = default;

    // How far the finger has moved from where it went down, in window points (the last known
    // movement once the finger has lifted).
    CGPoint translation() const { return m_translation; }

    void touchesBegan(const UITouchList& touches, const std::shared_ptr<UIEvent>& event) override;
    void touchesMoved(const UITouchList& touches, const std::shared_ptr<UIEvent>& event) override;
    void touchesEnded(const UITouchList& touches, const std::shared_ptr<UIEvent>& event) override;
    void touchesCancelled(const UITouchList& touches, const std::shared_ptr<UIEvent>& event) override;
    // Ignored while the finger it follows is still down in a begun gesture (the dispatch resets
    // every recognizer of a touch when any other finger lifts).
    void reset() override;

private:
    // The one of `touches` this recognizer follows, if any.
    std::shared_ptr<UITouch> followedTouchIn(const UITouchList& touches) const;
    bool anotherRecognizerFollows(const UITouch& touch) const;
    // Takes the location of `touch` (one of `touches`); true when the translation changed.
    bool follow(const UITouchList& touches, const std::shared_ptr<UITouch>& touch);

    std::weak_ptr<UITouch> m_touch;
    CGPoint m_translation;
};

} // namespace platform
