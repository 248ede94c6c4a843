#include "platform/ui/ContentPlacement.h"

#include <algorithm>

namespace platform {

CGRect contentRect(const CGRect& bounds, CGSize size, UIViewContentMode mode)
{
    double w = bounds.width();
    double h = bounds.height();
    double iw = size.width;
    double ih = size.height;
    switch (mode) {
    case UIViewContentMode::scaleToFill:
    case UIViewContentMode::redraw: return bounds;
    case UIViewContentMode::scaleAspectFit:
    case UIViewContentMode::scaleAspectFill: {
        if (iw <= 0 || ih <= 0) {
            return bounds;
        }
        double sx = w / iw;
        double sy = h / ih;
        double s = mode == UIViewContentMode::scaleAspectFit ? std::min(sx, sy) : std::max(sx, sy);
        double dw = iw * s;
        double dh = ih * s;
        return {bounds.minX() + (w - dw) / 2, bounds.minY() + (h - dh) / 2, dw, dh};
    }
    default: break;
    }
    double x = bounds.minX() + (w - iw) / 2;
    double y = bounds.minY() + (h - ih) / 2;
    switch (mode) {
    case UIViewContentMode::top: y = bounds.minY(); break;
    case UIViewContentMode::bottom: y = bounds.maxY() - ih; break;
    case UIViewContentMode::left: x = bounds.minX(); break;
    case UIViewContentMode::right: x = bounds.maxX() - iw; break;
    case UIViewContentMode::topLeft:
        x = bounds.minX();
        y = bounds.minY();
        break;
    case UIViewContentMode::topRight:
        x = bounds.maxX() - iw;
        y = bounds.minY();
        break;
    case UIViewContentMode::bottomLeft:
        x = bounds.minX();
        y = bounds.maxY() - ih;
        break;
    case UIViewContentMode::bottomRight:
        x = bounds.maxX() - iw;
        y = bounds.maxY() - ih;
        break;
    default: break;
    }
    return {x, y, iw, ih};
}

} // namespace platform
