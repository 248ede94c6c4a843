#include "TavroMerchantSDK/support/UIImageDrawingExtensions.h"

#include "TavroMerchantSDK/support/ScopedImageContext.h"

#include "platform/foundation/DebugLog.h"

namespace tavro {

namespace {

// Draws the tree under `layer` with its bounds origin at the context's origin.
void renderLayer(platform::CALayer& layer, platform::CGContext& context)
{
    auto bounds = layer.bounds();
    context.saveGState();
    context.translateBy(-bounds.origin.x, -bounds.origin.y);
    layer.render(context);
    context.restoreGState();
}

} // namespace

platform::UIImagePtr imageWithColor(const platform::UIColorPtr& color, platform::CGSize size)
{
    if (!color)
        return nullptr;
    ScopedImageContext drawing(size, false);
    if (!drawing)
        return nullptr;
    drawing.context().setFillColor(color);
    drawing.context().fill(platform::CGRect({0, 0}, size));
    return drawing.image();
}

platform::UIImagePtr imageWithColor(const platform::UIColorPtr& color)
{
    return imageWithColor(color, platform::CGSize{1, 1});
}

platform::UIImagePtr imageWithAlpha(const platform::UIImagePtr& image, double alpha)
{
    if (!image || image->isEmpty())
        return platform::UIImage::create();
    auto bitmap = image->cgImage() ? image->cgImage() : image->renderedBitmap();
    auto size = image->size();
    if (!bitmap || !(size.width > 0) || !(size.height > 0))
        return platform::UIImage::create();
    ScopedImageContext drawing(size, false);
    if (!drawing)
        return platform::UIImage::create();
    auto& context = drawing.context();
    // The bitmap lands upside down in a y-down context unless the context is flipped first.
    context.scaleBy(1, -1);
    context.translateBy(0, -size.height);
    context.setBlendMode(platform::CGBlendMode::multiply);
    context.setAlpha(alpha);
    context.draw(*bitmap, platform::CGRect({0, 0}, size));
    auto result = drawing.image();
    return result ? result : platform::UIImage::create();
}

platform::UIImagePtr imageFromLayer(const std::shared_ptr<platform::CALayer>& layer)
{
    if (!layer) {
        platform::debugLog("imageFromLayer: no layer");
        return nullptr;
    }
    ScopedImageContext drawing(layer->frame().size, layer->isOpaque());
    if (!drawing)
        return nullptr;
    renderLayer(*layer, drawing.context());
    return drawing.image();
}

platform::UIImagePtr translateToImage(const std::shared_ptr<platform::CALayer>& layer)
{
    return imageFromLayer(layer);
}

platform::UIImagePtr imageInView(const platform::UIViewPtr& view)
{
    if (!view) {
        platform::debugLog("imageInView: no view");
        return platform::UIImage::create();
    }
    view->setHidden(false);
    platform::UIImagePtr result;
    {
        ScopedImageContext drawing(view->bounds().size, view->isOpaque());
        if (drawing) {
            renderLayer(*view->layer(), drawing.context());
            if (auto picture = drawing.image(); picture && picture->cgImage())
                result = platform::UIImage::fromCGImage(picture->cgImage(), 1.0);
        }
    }
    view->setHidden(true);
    return result ? result : platform::UIImage::create();
}

} // namespace tavro
