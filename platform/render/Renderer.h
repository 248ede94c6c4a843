#pragma once
// Renderer: turns a view tree (or a bare layer tree) into a bitmap through the graphics module, at a scale
// in pixels per point, and writes PNG files of it.
//
// A view is drawn in its own bounds space: the bitmap covers bounds() and the view's own frame,
// transform and position in its superview play no part (its alpha and hidden flag do, as in the
// layer tree). A layout pass (layoutIfNeeded) runs on the whole tree the view is in first, so what is drawn is what
// a person would see after the next run-loop turn.
#include "platform/graphics/UIImage.h"
#include "platform/ui/CALayer.h"
#include "platform/ui/UIView.h"

#include <memory>
#include <string>

namespace platform {

class Renderer {
public:
    // The view's bounds at `scale` (0 or less: the main screen's scale). Null (with one debug line)
    // for a null view, a view with an empty bounds size or a bitmap over the platform's limit (BitmapLimits.h).
    static UIImagePtr renderView(const UIViewPtr& view, double scale = 0);
    // The tree under `layer`, its bounds at `scale` (as renderView, without a layout pass).
    static UIImagePtr renderLayer(const std::shared_ptr<CALayer>& layer, double scale = 0);
    // What a window shows on the screen: its whole tree (bars, the current screen, presented alerts
    // and sheets, which live in containers on top of it), at the main screen's scale, over an opaque
    // black screen as a device shows it. Null for a null window.
    static UIImagePtr renderWindow(const UIViewPtr& window);

    // The whole screen: every visible window of the application, back to front, each at its frame,
    // at the main screen's size over an opaque black screen, at `scale` pixels per point (0 or less:
    // the main screen's scale). Another scale draws the same layout at another size, as a desktop
    // window showing the device larger or smaller does; the screen's own scale is left as it is.
    static UIImagePtr renderScreen(double scale = 0);

    // renderView (renderWindow) written to `path` as PNG. False, with one debug line, when nothing
    // could be rendered or the file could not be written.
    static bool writePNG(const UIViewPtr& view, const std::string& path, double scale = 0);
    static bool writeWindowPNG(const UIViewPtr& window, const std::string& path);
    static bool writeScreenPNG(const std::string& path);
};

} // namespace platform
