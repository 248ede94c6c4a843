#pragma once
// Draws a UIImage into any cairo context: the one routine the image contexts and the renderer share,
// so orientation, right-to-left mirroring, template tinting and nearest-neighbour CIImages are handled
// the same everywhere.

#include "platform/graphics/CGBlendMode.h"
#include "platform/graphics/CGContext.h"
#include "platform/graphics/UIColor.h"
#include "platform/graphics/UIImage.h"

#include <cairo.h>

namespace platform {

struct ImageDrawOptions {
    double alpha = 1.0;
    CGBlendMode blendMode = CGBlendMode::normal;
    // When set, the image is drawn as a template: its alpha masks a fill of this colour.
    UIColorPtr templateTint;
    // True where the interface runs right to left: images marked to flip for it are mirrored.
    bool rightToLeft = false;
};

// Draws `image` upright, stretched over `rect` (user coordinates of `cr`); nothing outside `rect`.
// An empty image draws nothing. Bitmaps are filtered smoothly; CIImages sample the nearest unit.
void drawImage(cairo_t* cr, const UIImage& image, const CGRect& rect, const ImageDrawOptions& options = {});
// The same into `context` (its own alpha and blend mode are not applied; pass them in `options`).
void drawImage(CGContext& context, const UIImage& image, const CGRect& rect, const ImageDrawOptions& options = {});

} // namespace platform
