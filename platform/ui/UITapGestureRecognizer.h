#pragma once
// UITapGestureRecognizer: recognises a tap: the required number of touches go down and lift again
// without moving more than `allowableMovement` points; the actions run on lift.
#include "platform/ui/UIGestureRecognizer.h"

namespace platform {

class UITapGestureRecognizer : public UIGestureRecognizer {
public:
    UITapGestureRecognizer() = default;

    // At least 1 (smaller values are logged and ignored).
    int numberOfTapsRequired() const { return m_tapsRequired; }
    void setNumberOfTapsRequired(int taps);
    int numberOfTouchesRequired() const { return m_touchesRequired; }
    void setNumberOfTouchesRequired(int touches);
    // How far a touch may move (points) and still be a tap. Default 10.
    double allowableMovement() const { return m_allowableMovement; }
    void setAllowableMovement(double points) { m_allowableMovement = points; }

    void touchesBegan(const UITouchList& touches, const std::shared_ptr<UIEvent>& event) override;
    void touchesMoved(const UITouchList& touches, const std::shared_ptr<UIEvent>& event) override;
    void touchesEnded(const UITouchList& touches, const std::shared_ptr<UIEvent>& event) override;
    void touchesCancelled(const UITouchList& touches, const std::shared_ptr<UIEvent>& event) override;
    void reset() override;

private:
    int m_tapsRequired = 1;
    int m_touchesRequired = 1;
    double m_allowableMovement = 10;
    int m_touchesDown = 0;
    int m_peakTouches = 0;
};

} // namespace platform
