#include "TavroMerchantSDK/support/UIViewSnapshotExtensions.h"

#include "TavroMerchantSDK/support/ScopedImageContext.h"

#include "platform/foundation/DebugLog.h"

namespace tavro {

platform::UIImagePtr snapshot(const platform::UIViewPtr& view, const std::optional<platform::CGRect>& rect)
{
    if (!view) {
        platform::debugLog("snapshot: no view");
        return nullptr;
    }
    view->layoutIfNeeded();
    const auto bounds = view->bounds();
    platform::UIImagePtr picture;
    {
        ScopedImageContext drawing(bounds.size, view->isOpaque());
        if (!drawing)
            return nullptr;
        if (!view->drawHierarchy(platform::CGRect(platform::CGPoint{0, 0}, bounds.size), false))
            return nullptr;
        picture = drawing.image();
    }
    if (!picture || !rect)
        return picture;

    const auto& bitmap = picture->cgImage();
    if (!bitmap)
        return nullptr;
    const double scale = picture->scale();
    auto cropped = bitmap->cropping(platform::CGRect(rect->origin.x * scale, rect->origin.y * scale,
                                                     rect->size.width * scale, rect->size.height * scale));
    return cropped ? platform::UIImage::fromCGImage(cropped, scale) : nullptr;
}

} // namespace tavro
