#pragma once
// BitmapCanvas: an ARGB32 bitmap with a drawing context on it whose user space is points (the scale
// already applied). The renderer draws into one and takes the finished picture as a UIImage.
#include "platform/graphics/CGContext.h"
#include "platform/graphics/CGSize.h"
#include "platform/graphics/UIImage.h"

#include <memory>

namespace platform {

class BitmapCanvas {
public:
    // A canvas of pixelCount(size, scale) pixels each way (`scale` > 0), transparent, or opaque black when
    // `opaque`. Null, with one debug line, for an empty or non-finite size or a bitmap with no pixels
    // or over the platform's limit (BitmapLimits.h).
    static std::unique_ptr<BitmapCanvas> open(CGSize size, double scale, bool opaque);
    ~BitmapCanvas();
    BitmapCanvas(const BitmapCanvas&) = delete;
    BitmapCanvas& operator=(const BitmapCanvas&) = delete;

    CGContext& context() { return *m_context; }
    double scale() const { return m_scale; }
    // The picture drawn so far, at the canvas's scale. The canvas must not be drawn into afterwards.
    UIImagePtr image();

private:
    BitmapCanvas(cairo_surface_t* surface, CGContextPtr context, double scale);

    cairo_surface_t* m_surface;
    CGContextPtr m_context;
    double m_scale;
};

} // namespace platform
