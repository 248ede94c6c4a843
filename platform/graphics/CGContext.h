#pragma once
// A drawing context over a cairo_t, with the 2-D graphics model's state: separate fill and stroke
// colours, a global alpha and a blend mode, saved and restored together with cairo's own state.
// User space is y-down in points; an image context starts with its scale already applied.
// Held as CGContextPtr (std::shared_ptr<CGContext>).

#include "platform/graphics/CGBlendMode.h"
#include "platform/graphics/CGImage.h"
#include "platform/graphics/CGPath.h"
#include "platform/graphics/DrawingLibraryTypes.h"
#include "platform/graphics/UIColor.h"

#include <functional>
#include <memory>
#include <vector>

namespace platform {

class CGContext;
using CGContextPtr = std::shared_ptr<CGContext>;

class CGContext {
public:
    // Wraps `cr` (a reference is taken and released when the context goes).
    static CGContextPtr create(cairo_t* cr);
    // A second context drawing where `context` draws, from its current transform and clip, with the
    // initial colours, alpha and blend mode of a new context.
    static CGContextPtr createSharing(const CGContext& context);
    ~CGContext();
    CGContext(const CGContext&) = delete;
    CGContext& operator=(const CGContext&) = delete;

    cairo_t* cairo() const { return m_cr; }

    void saveGState();
    // Without a matching save (inside a transparency layer: one made in the layer): one debug line,
    // state kept.
    void restoreGState();

    void translateBy(CGFloat dx, CGFloat dy);
    void scaleBy(CGFloat sx, CGFloat sy);
    void rotate(CGFloat angle);
    void concatenate(const CGAffineTransform& transform);
    CGAffineTransform ctm() const;

    // A null colour sets transparent.
    void setFillColor(const UIColorPtr& color);
    void setStrokeColor(const UIColorPtr& color);
    void setLineWidth(CGFloat width);
    void setLineCap(CGLineCap cap);
    void setLineJoin(CGLineJoin join);
    void setMiterLimit(CGFloat limit);
    // Multiplies everything drawn afterwards (0..1).
    void setAlpha(CGFloat alpha);
    void setBlendMode(CGBlendMode mode);
    CGFloat alpha() const { return m_state.alpha; }
    CGBlendMode blendMode() const { return m_state.blendMode; }

    // Rectangle operations; each clears the current path.
    void fill(const CGRect& rect);
    void stroke(const CGRect& rect);
    void clear(const CGRect& rect); // makes the area transparent
    void fillEllipse(const CGRect& rect);

    // Path operations on the current path; fill, stroke and clip consume it.
    void beginPath();
    void addPath(const CGPath& path);
    void addRect(const CGRect& rect);
    void fillPath(bool evenOdd = false);
    void strokePath();
    void clip(bool evenOdd = false);
    void clip(const CGRect& rect);

    // Replaces the current path with the part of `path` between fractions `start` and `end` (0..1) of its length, measured on
    // the path flattened at this context's resolution. Curves come out as short lines.
    void addTrimmedPath(const CGPath& path, CGFloat start, CGFloat end);

    // Transparency layers: what is drawn between begin and end is composited as one picture. The
    // graphics state (colours, alpha, blend mode, clip, transform) is saved at begin and restored at
    // end. `alpha` multiplies the layer as a whole. Layers nest; an end without a begin writes one
    // debug line and does nothing; saves left open inside the layer are restored at its end, with
    // one debug line.
    void beginTransparencyLayer();
    void endTransparencyLayer(CGFloat alpha = 1);
    // Ends the layer with its content shown only where `drawMask` (run in a layer of its own, in the
    // current user space) draws opaque: the mask's alpha scales the content's.
    void endTransparencyLayer(CGFloat alpha, const std::function<void()>& drawMask);

    // Draws the bitmap into `rect` as the 2-D graphics model does in a y-down context: its first row
    // lands at the rectangle's bottom, so the picture appears upside down unless the context was flipped
    // first (scale by (1, -1), translate by (0, -height)). UIImage::draw draws upright.
    void draw(const CGImage& image, const CGRect& rect);

private:
    struct State {
        UIColorPtr fill;
        UIColorPtr stroke;
        CGFloat alpha = 1;
        CGBlendMode blendMode = CGBlendMode::normal;
    };
    explicit CGContext(cairo_t* cr);
    void setSource(const UIColorPtr& color);

    cairo_t* m_cr;
    State m_state;
    std::vector<State> m_saved;
    std::vector<std::size_t> m_layerMarks; // m_saved's size at each open layer's begin
};

} // namespace platform
