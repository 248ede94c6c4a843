#pragma once
// A recipe for an image: a source bitmap of one pixel per unit plus an affine transform, rasterised only
// when drawn. Rasterising samples the nearest source pixel, so a bitmap of modules (a QR code) stays
// sharp at any scale. Coordinates are y-down like the rest of the toolkit. Held as CIImagePtr.

#include "platform/graphics/CGAffineTransform.h"
#include "platform/graphics/CGImage.h"

#include <memory>

namespace platform {

class CIImage;
using CIImagePtr = std::shared_ptr<const CIImage>;

class CIImage {
public:
    // An image whose units are the pixels of `bitmap` (non-null), untransformed.
    static CIImagePtr fromBitmap(CGImagePtr bitmap);

    // The area the image covers: the source rectangle (0, 0, width, height) under the transform.
    CGRect extent() const;
    // The same source with `transform` applied after the current one.
    CIImagePtr transformed(const CGAffineTransform& transform) const;

    const CGImagePtr& sourceBitmap() const { return m_source; }
    const CGAffineTransform& transform() const { return m_transform; }

    // Draws the part of the image inside `fromRect` (image coordinates) stretched over `toRect` (user
    // coordinates of `cr`), nearest-neighbour; nothing is drawn outside `toRect`.
    void draw(cairo_t* cr, const CGRect& fromRect, const CGRect& toRect, double alpha = 1.0) const;

    CIImage(CGImagePtr source, const CGAffineTransform& transform);

private:
    CGImagePtr m_source;
    CGAffineTransform m_transform;
};

} // namespace platform
