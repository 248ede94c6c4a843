#include "platform/graphics/ImageContext.h"

#include "platform/foundation/ClassicNumbers.h"
#include "platform/foundation/DebugLog.h"
#include "platform/graphics/BitmapLimits.h"
#include "platform/graphics/PixelCount.h"
#include "platform/graphics/ScreenScale.h"

#include <cairo.h>

#include <cmath>
#include <string>
#include <vector>

namespace platform {

namespace {

struct StackEntry {
    CGContextPtr context;
    bool isImageContext = false;
    double scale = 1;
};

std::vector<StackEntry>& contextStack()
{
    static std::vector<StackEntry> stack;
    return stack;
}

} // namespace

void UIGraphicsBeginImageContextWithOptions(CGSize size, bool opaque, CGFloat scale)
{
    if (!(scale > 0) || !std::isfinite(scale))
        scale = mainScreenScale();
    bool validSize = std::isfinite(size.width) && std::isfinite(size.height) && size.width > 0 && size.height > 0;
    double width = validSize ? pixelCount(size.width, scale) : 0;
    double height = validSize ? pixelCount(size.height, scale) : 0;
    if (!validSize) {
        debugLog("UIGraphicsBeginImageContext: no context for size " + classicNumber(size.width) + " x " +
                 classicNumber(size.height) + " at scale " + classicNumber(scale));
        return;
    }
    if (!checkBitmapSize(width, height, "UIGraphicsBeginImageContext"))
        return;
    cairo_surface_t* surface =
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, static_cast<int>(width), static_cast<int>(height));
    cairo_t* cr = cairo_create(surface);
    cairo_surface_destroy(surface); // the cairo_t keeps it
    if (cairo_status(cr) != CAIRO_STATUS_SUCCESS) {
        debugLog("UIGraphicsBeginImageContext: the bitmap could not be made");
        cairo_destroy(cr);
        return;
    }
    if (opaque) {
        cairo_set_source_rgb(cr, 0, 0, 0);
        cairo_paint(cr);
    }
    cairo_scale(cr, scale, scale);
    contextStack().push_back({CGContext::create(cr), true, scale});
    cairo_destroy(cr);
}

void UIGraphicsBeginImageContext(CGSize size)
{
    UIGraphicsBeginImageContextWithOptions(size, false, 1.0);
}

CGContextPtr UIGraphicsGetCurrentContext()
{
    auto& stack = contextStack();
    return stack.empty() ? nullptr : stack.back().context;
}

UIImagePtr UIGraphicsGetImageFromCurrentImageContext()
{
    auto& stack = contextStack();
    if (stack.empty() || !stack.back().isImageContext)
        return nullptr;
    cairo_surface_t* surface = cairo_get_target(stack.back().context->cairo());
    return UIImage::fromCGImage(CGImage::copyOf(surface), stack.back().scale);
}

void UIGraphicsEndImageContext()
{
    auto& stack = contextStack();
    if (stack.empty() || !stack.back().isImageContext) {
        debugLog("UIGraphicsEndImageContext: no image context is current");
        return;
    }
    stack.pop_back();
}

void UIGraphicsPushContext(const CGContextPtr& context)
{
    if (!context) {
        debugLog("UIGraphicsPushContext: no context given");
        return;
    }
    contextStack().push_back({context, false, 1});
}

void UIGraphicsPopContext()
{
    auto& stack = contextStack();
    if (stack.empty() || stack.back().isImageContext) {
        debugLog("UIGraphicsPopContext: no pushed context is current");
        return;
    }
    stack.pop_back();
}

} // namespace platform
