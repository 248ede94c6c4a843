#include "platform/render/Renderer.h"

#include "platform/foundation/DebugLog.h"
#include "platform/graphics/BitmapCanvas.h"
#include "platform/graphics/CGContext.h"
#include "platform/graphics/ScreenScale.h"
#include "platform/render/PNGOutput.h"
#include "platform/ui/UIApplication.h"
#include "platform/ui/UIScreen.h"
#include "platform/ui/UIWindow.h"

#include <cmath>

namespace platform {

namespace {

double effectiveScale(double scale)
{
    return (std::isfinite(scale) && scale > 0) ? scale : mainScreenScale();
}

// Draws the tree under `layer` with the canvas's user space = the layer's bounds space.
void drawLayerTree(BitmapCanvas& canvas, CALayer& layer)
{
    CGRect bounds = layer.bounds().standardized();
    canvas.context().saveGState();
    canvas.context().translateBy(-bounds.minX(), -bounds.minY());
    layer.render(canvas.context());
    canvas.context().restoreGState();
}

} // namespace

UIImagePtr Renderer::renderLayer(const std::shared_ptr<CALayer>& layer, double scale)
{
    if (!layer) {
        debugLog("Renderer: no layer to render");
        return nullptr;
    }
    auto canvas = BitmapCanvas::open(layer->bounds().standardized().size, effectiveScale(scale), false);
    if (!canvas) {
        return nullptr;
    }
    drawLayerTree(*canvas, *layer);
    return canvas->image();
}

UIImagePtr Renderer::renderView(const UIViewPtr& view, double scale)
{
    if (!view) {
        debugLog("Renderer: no view to render");
        return nullptr;
    }
    // Lay out the whole tree the view is in: its frame may follow its ancestors' constraints.
    view->topmostAncestor()->layoutIfNeeded();
    return renderLayer(view->layer(), scale);
}

UIImagePtr Renderer::renderWindow(const UIViewPtr& window)
{
    if (!window) {
        debugLog("Renderer: no window to render");
        return nullptr;
    }
    window->layoutIfNeeded();
    auto canvas = BitmapCanvas::open(window->bounds().standardized().size, mainScreenScale(), true);
    if (!canvas) {
        return nullptr;
    }
    drawLayerTree(*canvas, *window->layer());
    return canvas->image();
}

UIImagePtr Renderer::renderScreen(double scale)
{
    auto canvas = BitmapCanvas::open(UIScreen::main()->bounds().size, effectiveScale(scale), true);
    if (!canvas) {
        return nullptr;
    }
    for (const auto& window : UIApplication::shared()->windows()) {
        if (window->isHidden()) {
            continue;
        }
        window->layoutIfNeeded();
        CGRect frame = window->frame();
        canvas->context().saveGState();
        canvas->context().translateBy(frame.minX(), frame.minY());
        drawLayerTree(*canvas, *window->layer());
        canvas->context().restoreGState();
    }
    return canvas->image();
}

bool Renderer::writePNG(const UIViewPtr& view, const std::string& path, double scale)
{
    UIImagePtr image = renderView(view, scale);
    return image && writeImagePNG(*image, path);
}

bool Renderer::writeWindowPNG(const UIViewPtr& window, const std::string& path)
{
    UIImagePtr image = renderWindow(window);
    return image && writeImagePNG(*image, path);
}

bool Renderer::writeScreenPNG(const std::string& path)
{
    UIImagePtr image = renderScreen();
    return image && writeImagePNG(*image, path);
}

} // namespace platform
