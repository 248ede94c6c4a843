#pragma once
// A picture of a view, optionally cropped. Main thread.

#include "platform/graphics/CGRect.h"
#include "platform/graphics/UIImage.h"
#include "platform/ui/UIView.h"

#include <optional>

namespace tavro {

// The view's tree drawn over its bounds at the main screen's scale (opaque when the view is),
// after a layout pass. With `rect` (points, in the view's bounds space from its origin) the
// picture is cropped to it: the rectangle is scaled to pixels, rounded outward to whole pixels and
// cut to the picture, and the result keeps the screen's scale. Null for a null view, a view of
// zero size, or a rectangle that does not overlap the picture.
platform::UIImagePtr snapshot(const platform::UIViewPtr& view,
                              const std::optional<platform::CGRect>& rect = std::nullopt);

} // namespace tavro
