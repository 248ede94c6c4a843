#pragma once
// UIScreen: the device's display. There is one, the main screen: 375 × 667 points at scale 2 unless a
// test or host sets other values. Its scale is what image contexts opened with scale 0 use.
#include "platform/foundation/NSObject.h"
#include "platform/graphics/CGRect.h"

#include <memory>

namespace platform {

// Posted on the default center (object: the screen) when the main screen's bounds changed, once the
// windows that covered it have taken the new ones.
inline constexpr const char* UIScreenBoundsDidChangeNotification = "UIScreenBoundsDidChangeNotification";

class UIScreen : public NSObject {
public:
    UIScreen() = default;

    // The main screen; made on first use (which also makes mainScreenScale() follow it).
    static std::shared_ptr<UIScreen> main();
    // Restores the main screen's default bounds (windows follow, as with setBounds) and scale
    // (between tests).
    static void resetMain();

    static constexpr CGRect defaultBounds() { return {0, 0, 375, 667}; }
    static constexpr double defaultScale = 2.0;

    // Always at the origin; a size with a negative or non-finite side is logged and ignored. A change
    // of the main screen's bounds reaches the windows that covered it: every window whose frame was
    // the old bounds takes the new ones (their root views follow by autoresizing), then
    // UIScreenBoundsDidChangeNotification is posted.
    CGRect bounds() const { return m_bounds; }
    void setBounds(const CGRect& bounds);
    // Pixels per point; > 0 and finite, else logged and ignored.
    double scale() const { return m_scale; }
    void setScale(double scale);

private:
    CGRect m_bounds = defaultBounds();
    double m_scale = defaultScale;
};

} // namespace platform
