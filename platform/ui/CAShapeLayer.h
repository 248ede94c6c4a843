#pragma once
// CAShapeLayer: a layer that draws a path: filled (non-zero or even-odd) and stroked, in its own
// bounds space, with strokeStart/strokeEnd trimming the stroke to a fraction of the path's length.
#include "platform/graphics/CGPath.h"
#include "platform/ui/CALayer.h"

namespace platform {

enum class CAShapeLayerFillRule { nonZero, evenOdd };

class CAShapeLayer : public CALayer {
public:
    CAShapeLayer() = default;

    static std::shared_ptr<CAShapeLayer> layer() { return create<CAShapeLayer>(); }

    // None (the default) draws nothing.
    const std::optional<CGPath>& path() const { return m_path; }
    void setPath(std::optional<CGPath> path)
    {
        m_path = std::move(path);
        setNeedsDisplay();
    }
    // Default opaque black; null fills nothing.
    UIColorPtr fillColor() const { return m_fillColor; }
    void setFillColor(UIColorPtr color) { m_fillColor = std::move(color); }
    CAShapeLayerFillRule fillRule() const { return m_fillRule; }
    void setFillRule(CAShapeLayerFillRule rule) { m_fillRule = rule; }
    // Default null (no stroke).
    UIColorPtr strokeColor() const { return m_strokeColor; }
    void setStrokeColor(UIColorPtr color) { m_strokeColor = std::move(color); }
    double lineWidth() const { return m_lineWidth; } // default 1
    void setLineWidth(double width);
    CGLineCap lineCap() const { return m_lineCap; }
    void setLineCap(CGLineCap cap) { m_lineCap = cap; }
    CGLineJoin lineJoin() const { return m_lineJoin; }
    void setLineJoin(CGLineJoin join) { m_lineJoin = join; }
    double miterLimit() const { return m_miterLimit; }
    void setMiterLimit(double limit) { m_miterLimit = limit; }
    // Fractions 0..1 of the path length where the stroke starts and ends (clamped).
    double strokeStart() const { return m_strokeStart; }
    void setStrokeStart(double value);
    double strokeEnd() const { return m_strokeEnd; }
    void setStrokeEnd(double value);

    void draw(CGContext& context) override;

private:
    std::optional<CGPath> m_path;
    UIColorPtr m_fillColor = UIColor::black();
    CAShapeLayerFillRule m_fillRule = CAShapeLayerFillRule::nonZero;
    UIColorPtr m_strokeColor;
    double m_lineWidth = 1;
    CGLineCap m_lineCap = CGLineCap::butt;
    CGLineJoin m_lineJoin = CGLineJoin::miter;
    double m_miterLimit = 10;
    double m_strokeStart = 0;
    double m_strokeEnd = 1;
};

} // namespace platform
