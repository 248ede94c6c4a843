// Drawing a layer tree into a context.
#include "platform/ui/CALayer.h"
#include "platform/ui/ContentPlacement.h"

#include "platform/graphics/ImageDrawing.h"
#include "platform/graphics/UIBezierPath.h"

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

void addRoundedBounds(CGContext& context, const CGRect& rect, double radius)
{
    if (radius <= 0) {
        context.addRect(rect);
        return;
    }
    context.addPath(UIBezierPath::roundedRect(rect, radius).cgPath());
}

// The view content mode that places contents the way `gravity` does.
UIViewContentMode contentModeFor(CALayerContentsGravity gravity)
{
    switch (gravity) {
    case CALayerContentsGravity::center: return UIViewContentMode::center;
    case CALayerContentsGravity::top: return UIViewContentMode::top;
    case CALayerContentsGravity::bottom: return UIViewContentMode::bottom;
    case CALayerContentsGravity::left: return UIViewContentMode::left;
    case CALayerContentsGravity::right: return UIViewContentMode::right;
    case CALayerContentsGravity::topLeft: return UIViewContentMode::topLeft;
    case CALayerContentsGravity::topRight: return UIViewContentMode::topRight;
    case CALayerContentsGravity::bottomLeft: return UIViewContentMode::bottomLeft;
    case CALayerContentsGravity::bottomRight: return UIViewContentMode::bottomRight;
    case CALayerContentsGravity::resize: return UIViewContentMode::scaleToFill;
    case CALayerContentsGravity::resizeAspect: return UIViewContentMode::scaleAspectFit;
    case CALayerContentsGravity::resizeAspectFill: return UIViewContentMode::scaleAspectFill;
    }
    return UIViewContentMode::scaleToFill;
}

} // namespace

void CALayer::render(CGContext& context)
{
    if (m_hidden) {
        return;
    }
    renderLayerContent(context);
}

void CALayer::draw(CGContext& context)
{
    if (auto owner = delegate()) {
        owner->drawLayer(*this, context);
    }
}

void CALayer::drawContentsImage(CGContext& context)
{
    if (!m_contents || m_contents->isEmpty()) {
        return;
    }
    CGRect target = contentRect(m_bounds.standardized(), m_contents->size(), contentModeFor(m_contentsGravity));
    context.saveGState();
    addRoundedBounds(context, m_bounds.standardized(), m_masksToBounds ? m_cornerRadius : 0);
    context.clip();
    drawImage(context, *m_contents, target);
    context.restoreGState();
}

void CALayer::renderShadow(CGContext& context)
{
    if (m_shadowOpacity <= 0 || !m_shadowColor || !m_backgroundColor || m_backgroundColor->alphaComponent() <= 0) {
        return;
    }
    // The shadow of the layer's opaque shape, offset; blur is approximated by a plain fill.
    context.saveGState();
    addRoundedBounds(context, m_bounds.standardized().offsetBy(m_shadowOffset.width, m_shadowOffset.height),
                     m_cornerRadius);
    context.setFillColor(
        m_shadowColor->withAlphaComponent(m_shadowColor->alphaComponent() * std::clamp(m_shadowOpacity, 0.0, 1.0)));
    context.fillPath();
    context.restoreGState();
}

void CALayer::renderLayerContent(CGContext& context)
{
    if (m_opacity <= 0) {
        return;
    }
    // Keep this layer and its mask alive while drawing calls out to delegates.
    auto keepAlive = sharedFromThis<CALayer>();
    std::shared_ptr<CALayer> mask = m_mask;
    CGRect bounds = m_bounds.standardized();

    bool group = m_opacity < 1 || mask;
    if (group) {
        context.beginTransparencyLayer();
    }
    renderShadow(context);

    context.saveGState();
    if (m_backgroundColor && m_backgroundColor->alphaComponent() > 0) {
        addRoundedBounds(context, bounds, m_cornerRadius);
        context.setFillColor(m_backgroundColor);
        context.fillPath();
    }
    drawContentsImage(context);

    context.saveGState();
    if (m_masksToBounds) {
        addRoundedBounds(context, bounds, m_cornerRadius);
        context.clip();
    }
    draw(context);
    m_needsDisplay = false;
    context.restoreGState();

    context.saveGState();
    if (m_masksToBounds) {
        addRoundedBounds(context, bounds, m_cornerRadius);
        context.clip();
    }
    auto sublayers = m_sublayers; // snapshot: drawing code may edit the tree
    for (const auto& sublayer : sublayers) {
        if (sublayer->isHidden()) {
            continue;
        }
        context.saveGState();
        context.concatenate(sublayer->transformToSuperlayer());
        sublayer->renderLayerContent(context);
        context.restoreGState();
    }
    context.restoreGState();

    if (m_borderWidth > 0 && m_borderColor && m_borderColor->alphaComponent() > 0) {
        double inset = m_borderWidth / 2;
        CGRect edge = bounds.insetBy(inset, inset);
        if (!edge.isNull()) {
            addRoundedBounds(context, edge, std::max(0.0, m_cornerRadius - inset));
        } else {
            addRoundedBounds(context, bounds, m_cornerRadius);
        }
        context.setStrokeColor(m_borderColor);
        context.setLineWidth(m_borderWidth);
        context.strokePath();
    }
    context.restoreGState();

    if (!group) {
        return;
    }
    if (!mask) {
        context.endTransparencyLayer(m_opacity);
        return;
    }
    // The mask layer is drawn in this layer's bounds space; its alpha masks the content.
    context.endTransparencyLayer(m_opacity, [&] {
        context.saveGState();
        context.concatenate(mask->transformToSuperlayer());
        if (!mask->isHidden()) {
            mask->renderLayerContent(context);
        }
        context.restoreGState();
    });
}

} // namespace platform
