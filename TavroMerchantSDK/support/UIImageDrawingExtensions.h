#pragma once
// Images made at run time: a plain colour, a translucent copy, the picture of a layer or a view.
// All draw at the main screen's scale and close every drawing context they open. Main thread.

#include "platform/graphics/CGSize.h"
#include "platform/graphics/UIColor.h"
#include "platform/graphics/UIImage.h"
#include "platform/ui/CALayer.h"
#include "platform/ui/UIView.h"

#include <memory>

namespace tavro {

// An image of `size` points filled with `color`; null for a null colour or a size that opens no
// drawing context (a zero or negative side).
platform::UIImagePtr imageWithColor(const platform::UIColorPtr& color, platform::CGSize size);
// The same at 1 x 1 point.
platform::UIImagePtr imageWithColor(const platform::UIColorPtr& color);

// A copy of `image` drawn upright at `alpha` (0 to 1), same size in points. A null image, an
// empty image or one of zero size gives a new empty image.
platform::UIImagePtr imageWithAlpha(const platform::UIImagePtr& image, double alpha);

// The picture of the layer tree over the layer's frame size (opaque when the layer is); null for
// a null layer or a size that opens no drawing context.
platform::UIImagePtr imageFromLayer(const std::shared_ptr<platform::CALayer>& layer);
// The same as imageFromLayer.
platform::UIImagePtr translateToImage(const std::shared_ptr<platform::CALayer>& layer);

// The view's picture at full pixel resolution as an image of scale 1 (its size in points is its
// size in pixels), or an empty image when none can be made. The view is shown while it is drawn
// and is left hidden afterwards, whatever it was before. Never null; a null view gives an empty
// image.
platform::UIImagePtr imageInView(const platform::UIViewPtr& view);

} // namespace tavro
