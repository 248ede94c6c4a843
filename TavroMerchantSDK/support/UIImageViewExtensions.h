#pragma once
// Tinting the image of an image view.

#include "platform/graphics/UIColor.h"
#include "platform/ui/UIImageView.h"

namespace tavro {

// Shows the view's image as a template drawn in `color`. An image view without an image is left
// as it is (its tint colour included).
void setImageColor(platform::UIImageView& imageView, const platform::UIColorPtr& color);

} // namespace tavro
