#pragma once
// Helpers for control tests: touches delivered through hit testing, solid test images, rendering a
// view into a bitmap to read pixels.
#include "platform/graphics/ImageContext.h"
#include "platform/graphics/UIImage.h"
#include "platform/ui/UIEvent.h"
#include "platform/ui/UITouch.h"
#include "platform/ui/UIView.h"

#include <memory>

namespace platform::testsupport {

// One finger: down at `from`, optionally moved, lifted (or cancelled) at the last point. Points
// are in `root`'s coordinates; `root` plays the window.
class Finger {
public:
    Finger(std::shared_ptr<UIView> root, CGPoint at) : m_root(std::move(root)), m_touch(NSObject::create<UITouch>())
    {
        m_touch->setPhase(UITouchPhase::began);
        m_touch->setLocationInWindow(at);
        deliver();
    }
    void moveTo(CGPoint at)
    {
        m_touch->setPhase(UITouchPhase::moved);
        m_touch->setLocationInWindow(at);
        deliver();
    }
    void lift()
    {
        m_touch->setPhase(UITouchPhase::ended);
        deliver();
    }
    void cancel()
    {
        m_touch->setPhase(UITouchPhase::cancelled);
        deliver();
    }

private:
    void deliver()
    {
        auto event = NSObject::create<UIEvent>();
        event->addTouch(m_touch);
        dispatchTouchEvent(m_root, event);
    }

    std::shared_ptr<UIView> m_root;
    std::shared_ptr<UITouch> m_touch;
};

inline void tap(const std::shared_ptr<UIView>& root, CGPoint at)
{
    Finger finger(root, at);
    finger.lift();
}

// A `size`-point image filled with `color`, at `scale` pixels per point.
inline UIImagePtr solidImage(CGSize size, const UIColorPtr& color, double scale = 1)
{
    UIGraphicsBeginImageContextWithOptions(size, false, scale);
    auto context = UIGraphicsGetCurrentContext();
    context->setFillColor(color);
    context->fill(CGRect(CGPoint(), size));
    auto image = UIGraphicsGetImageFromCurrentImageContext();
    UIGraphicsEndImageContext();
    return image;
}

// The view's layer tree drawn into a bitmap of its bounds (at scale 1 unless given), over white
// when `opaqueWhite`.
inline UIImagePtr renderView(const std::shared_ptr<UIView>& view, double scale = 1, bool opaqueWhite = true)
{
    view->layoutIfNeeded();
    CGSize size = view->bounds().size;
    UIGraphicsBeginImageContextWithOptions(size, false, scale);
    auto context = UIGraphicsGetCurrentContext();
    if (opaqueWhite) {
        context->setFillColor(UIColor::white());
        context->fill(CGRect(CGPoint(), size));
    }
    view->layer()->render(*context);
    auto image = UIGraphicsGetImageFromCurrentImageContext();
    UIGraphicsEndImageContext();
    return image;
}

// Pixels (of `image`) that differ clearly from white, as a bounding box in pixels; empty when none.
inline CGRect inkBounds(const UIImage& image)
{
    int minX = image.pixelWidth(), minY = image.pixelHeight(), maxX = -1, maxY = -1;
    for (int y = 0; y < image.pixelHeight(); ++y) {
        for (int x = 0; x < image.pixelWidth(); ++x) {
            RGBA8 p = image.pixelAt(x, y);
            if (p.r < 200 || p.g < 200 || p.b < 200) {
                minX = std::min(minX, x);
                minY = std::min(minY, y);
                maxX = std::max(maxX, x);
                maxY = std::max(maxY, y);
            }
        }
    }
    if (maxX < 0) {
        return {};
    }
    return {double(minX), double(minY), double(maxX - minX + 1), double(maxY - minY + 1)};
}

} // namespace platform::testsupport
