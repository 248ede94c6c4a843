#pragma once
// Where content of a given size goes inside a box, for the view content modes and the layer
// contents gravities (one rule for image views and layer contents).
#include "platform/graphics/CGRect.h"
#include "platform/ui/UIViewTypes.h"

namespace platform {

// `redraw` stretches like `scaleToFill`; an empty content size fills the bounds for the scaling
// modes.
CGRect contentRect(const CGRect& bounds, CGSize size, UIViewContentMode mode);

} // namespace platform
