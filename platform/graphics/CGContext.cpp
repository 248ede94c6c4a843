#include "platform/graphics/CGContext.h"

#include "platform/foundation/DebugLog.h"

#include <cairo.h>

#include <algorithm>
#include <numbers>

namespace platform {

CGContext::CGContext(cairo_t* cr) : m_cr(cairo_reference(cr))
{
    m_state.fill = UIColor::black();
    m_state.stroke = UIColor::black();
}

CGContext::~CGContext()
{
    cairo_destroy(m_cr);
}

CGContextPtr CGContext::create(cairo_t* cr)
{
    return CGContextPtr(new CGContext(cr));
}

CGContextPtr CGContext::createSharing(const CGContext& context)
{
    return create(context.m_cr);
}

void CGContext::saveGState()
{
    cairo_save(m_cr);
    m_saved.push_back(m_state);
}

void CGContext::restoreGState()
{
    if (m_saved.empty() || (!m_layerMarks.empty() && m_saved.size() == m_layerMarks.back() + 1)) {
        debugLog("CGContext: restoreGState without a matching saveGState");
        return;
    }
    cairo_restore(m_cr);
    m_state = std::move(m_saved.back());
    m_saved.pop_back();
}

void CGContext::translateBy(CGFloat dx, CGFloat dy)
{
    cairo_translate(m_cr, dx, dy);
}
void CGContext::scaleBy(CGFloat sx, CGFloat sy)
{
    cairo_scale(m_cr, sx, sy);
}
void CGContext::rotate(CGFloat angle)
{
    cairo_rotate(m_cr, angle);
}

void CGContext::concatenate(const CGAffineTransform& transform)
{
    cairo_matrix_t m = transform.toCairoMatrix();
    cairo_transform(m_cr, &m);
}

CGAffineTransform CGContext::ctm() const
{
    cairo_matrix_t m;
    cairo_get_matrix(m_cr, &m);
    return CGAffineTransform::fromCairoMatrix(m);
}

void CGContext::setFillColor(const UIColorPtr& color)
{
    m_state.fill = color ? color : UIColor::clear();
}
void CGContext::setStrokeColor(const UIColorPtr& color)
{
    m_state.stroke = color ? color : UIColor::clear();
}
void CGContext::setLineWidth(CGFloat width)
{
    cairo_set_line_width(m_cr, std::max(width, 0.0));
}
void CGContext::setLineCap(CGLineCap cap)
{
    setCairoLineCap(m_cr, cap);
}
void CGContext::setLineJoin(CGLineJoin join)
{
    setCairoLineJoin(m_cr, join);
}
void CGContext::setMiterLimit(CGFloat limit)
{
    cairo_set_miter_limit(m_cr, limit);
}
void CGContext::setAlpha(CGFloat alpha)
{
    m_state.alpha = std::clamp(alpha, 0.0, 1.0);
}

void CGContext::setBlendMode(CGBlendMode mode)
{
    m_state.blendMode = mode;
    setCairoOperator(m_cr, mode);
}

void CGContext::setSource(const UIColorPtr& color)
{
    color->setAsSource(m_cr, m_state.alpha);
}

void CGContext::fill(const CGRect& rect)
{
    beginPath();
    addRect(rect);
    fillPath();
}

void CGContext::stroke(const CGRect& rect)
{
    beginPath();
    addRect(rect);
    strokePath();
}

void CGContext::clear(const CGRect& rect)
{
    if (rect.isNull())
        return;
    cairo_save(m_cr);
    cairo_new_path(m_cr);
    cairo_rectangle(m_cr, rect.minX(), rect.minY(), rect.width(), rect.height());
    cairo_set_operator(m_cr, CAIRO_OPERATOR_CLEAR);
    cairo_fill(m_cr);
    cairo_restore(m_cr);
}

void CGContext::fillEllipse(const CGRect& rect)
{
    if (rect.isEmpty())
        return;
    beginPath();
    cairo_save(m_cr);
    cairo_translate(m_cr, rect.midX(), rect.midY());
    cairo_scale(m_cr, rect.width() / 2, rect.height() / 2);
    cairo_arc(m_cr, 0, 0, 1, 0, 2 * std::numbers::pi);
    cairo_restore(m_cr);
    fillPath();
}

void CGContext::beginPath()
{
    cairo_new_path(m_cr);
}
void CGContext::addPath(const CGPath& path)
{
    path.addToCairo(m_cr);
}

void CGContext::addRect(const CGRect& rect)
{
    if (rect.isNull())
        return;
    cairo_rectangle(m_cr, rect.minX(), rect.minY(), rect.width(), rect.height());
}

void CGContext::fillPath(bool evenOdd)
{
    cairo_set_fill_rule(m_cr, evenOdd ? CAIRO_FILL_RULE_EVEN_ODD : CAIRO_FILL_RULE_WINDING);
    setSource(m_state.fill);
    cairo_fill(m_cr);
}

void CGContext::strokePath()
{
    setSource(m_state.stroke);
    cairo_stroke(m_cr);
}

void CGContext::clip(bool evenOdd)
{
    cairo_set_fill_rule(m_cr, evenOdd ? CAIRO_FILL_RULE_EVEN_ODD : CAIRO_FILL_RULE_WINDING);
    cairo_clip(m_cr);
}

void CGContext::clip(const CGRect& rect)
{
    beginPath();
    addRect(rect);
    clip();
}

void CGContext::draw(const CGImage& image, const CGRect& rect)
{
    if (rect.isEmpty())
        return;
    cairo_save(m_cr);
    cairo_new_path(m_cr);
    cairo_translate(m_cr, rect.minX(), rect.maxY());
    cairo_scale(m_cr, rect.width() / image.width(), -rect.height() / image.height());
    cairo_set_source_surface(m_cr, image.surface(), 0, 0);
    cairo_pattern_set_extend(cairo_get_source(m_cr), CAIRO_EXTEND_PAD);
    cairo_rectangle(m_cr, 0, 0, image.width(), image.height());
    cairo_clip(m_cr);
    cairo_paint_with_alpha(m_cr, m_state.alpha);
    cairo_restore(m_cr);
}

} // namespace platform
