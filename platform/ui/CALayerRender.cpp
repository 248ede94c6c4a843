// Drawing a layer tree into a context with cairo.
#include "platform/ui/CALayer.h"
#include "platform/ui/ContentPlacement.h"

#include "platform/graphics/ImageDrawing.h"
#include "platform/graphics/UIBezierPath.h"

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

void addRoundedBounds(cairo_t* cr, const CGRect& rect, double radius)
{
    if (radius <= 0) {
        cairo_rectangle(cr, rect.minX(), rect.minY(), rect.width(), rect.height());
        return;
    }
    UIBezierPath::roundedRect(rect, radius).cgPath().addToCairo(cr);
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
    cairo_t* cr = context.cairo();
    CGRect target = contentRect(m_bounds.standardized(), m_contents->size(), contentModeFor(m_contentsGravity));
    cairo_save(cr);
    addRoundedBounds(cr, m_bounds.standardized(), m_masksToBounds ? m_cornerRadius : 0);
    cairo_clip(cr);
    drawImage(cr, *m_contents, target);
    cairo_restore(cr);
}

void CALayer::renderShadow(CGContext& context)
{
    if (m_shadowOpacity <= 0 || !m_shadowColor || !m_backgroundColor || m_backgroundColor->alphaComponent() <= 0) {
        return;
    }
    // The shadow of the layer's opaque shape, offset; blur is approximated by a plain fill.
    cairo_t* cr = context.cairo();
    cairo_save(cr);
    addRoundedBounds(cr, m_bounds.standardized().offsetBy(m_shadowOffset.width, m_shadowOffset.height), m_cornerRadius);
    m_shadowColor->setAsSource(cr, m_shadowOpacity);
    cairo_fill(cr);
    cairo_restore(cr);
}

void CALayer::renderLayerContent(CGContext& context)
{
    if (m_opacity <= 0) {
        return;
    }
    // Keep this layer and its mask alive while drawing calls out to delegates.
    auto keepAlive = sharedFromThis<CALayer>();
    std::shared_ptr<CALayer> mask = m_mask;
    cairo_t* cr = context.cairo();
    CGRect bounds = m_bounds.standardized();

    bool group = m_opacity < 1 || mask;
    if (group) {
        cairo_push_group(cr);
    }
    renderShadow(context);

    context.saveGState();
    if (m_backgroundColor && m_backgroundColor->alphaComponent() > 0) {
        addRoundedBounds(cr, bounds, m_cornerRadius);
        m_backgroundColor->setAsSource(cr);
        cairo_fill(cr);
    }
    drawContentsImage(context);

    context.saveGState();
    if (m_masksToBounds) {
        addRoundedBounds(cr, bounds, m_cornerRadius);
        cairo_clip(cr);
    }
    draw(context);
    m_needsDisplay = false;
    context.restoreGState();

    context.saveGState();
    if (m_masksToBounds) {
        addRoundedBounds(cr, bounds, m_cornerRadius);
        cairo_clip(cr);
    }
    auto sublayers = m_sublayers;  // snapshot: drawing code may edit the tree
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
            addRoundedBounds(cr, edge, std::max(0.0, m_cornerRadius - inset));
        } else {
            addRoundedBounds(cr, bounds, m_cornerRadius);
        }
        m_borderColor->setAsSource(cr);
        cairo_set_line_width(cr, m_borderWidth);
        cairo_stroke(cr);
    }
    context.restoreGState();

    if (!group) {
        return;
    }
    cairo_pattern_t* content = cairo_pop_group(cr);
    if (!mask) {
        cairo_set_source(cr, content);
        cairo_paint_with_alpha(cr, m_opacity);
        cairo_pattern_destroy(content);
        return;
    }
    // The mask layer is drawn in this layer's bounds space; its alpha masks the content.
    cairo_push_group(cr);
    context.saveGState();
    context.concatenate(mask->transformToSuperlayer());
    if (!mask->isHidden()) {
        mask->renderLayerContent(context);
    }
    context.restoreGState();
    cairo_pattern_t* maskPattern = cairo_pop_group(cr);

    cairo_push_group(cr);
    cairo_set_source(cr, content);
    cairo_mask(cr, maskPattern);
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, m_opacity);
    cairo_pattern_destroy(maskPattern);
    cairo_pattern_destroy(content);
}

} // namespace platform
