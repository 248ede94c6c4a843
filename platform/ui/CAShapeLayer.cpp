#include "platform/ui/CAShapeLayer.h"

#include "platform/foundation/DebugLog.h"

#include <algorithm>
#include <cmath>

namespace platform {

void CAShapeLayer::setLineWidth(double width)
{
    if (!(width >= 0)) {
        debugLog("CAShapeLayer: ignoring a negative or NaN line width");
        return;
    }
    m_lineWidth = width;
}

void CAShapeLayer::setStrokeStart(double value)
{
    if (std::isnan(value)) {
        return;
    }
    m_strokeStart = std::clamp(value, 0.0, 1.0);
}

void CAShapeLayer::setStrokeEnd(double value)
{
    if (std::isnan(value)) {
        return;
    }
    m_strokeEnd = std::clamp(value, 0.0, 1.0);
}

void CAShapeLayer::draw(CGContext& context)
{
    CALayer::draw(context);
    if (!m_path || m_path->isEmpty()) {
        return;
    }
    context.saveGState();
    if (m_fillColor && m_fillColor->alphaComponent() > 0) {
        context.beginPath();
        context.addPath(*m_path);
        context.setFillColor(m_fillColor);
        context.fillPath(m_fillRule == CAShapeLayerFillRule::evenOdd);
    }
    if (m_strokeColor && m_strokeColor->alphaComponent() > 0 && m_lineWidth > 0 && m_strokeEnd > m_strokeStart) {
        if (m_strokeStart <= 0 && m_strokeEnd >= 1) {
            context.beginPath();
            context.addPath(*m_path);
        } else {
            context.addTrimmedPath(*m_path, m_strokeStart, m_strokeEnd);
        }
        context.setLineWidth(m_lineWidth);
        context.setLineCap(m_lineCap);
        context.setLineJoin(m_lineJoin);
        context.setMiterLimit(m_miterLimit);
        context.setStrokeColor(m_strokeColor);
        context.strokePath();
    }
    context.restoreGState();
}

} // namespace platform
