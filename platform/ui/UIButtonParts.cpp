#include "platform/ui/UIButtonParts.h"

namespace platform {

namespace {

// How much a highlighted picture is darkened where it is opaque.
constexpr double highlightDarkening = 1.0 / 3.0;

} // namespace

int UIButtonLabel::maximumLines() const
{
    int lines = numberOfLines();
    if (lines == 1 && wrapsLines(lineBreakMode())) {
        return 0;
    }
    return lines;
}

void UIButtonLabel::textMetricsDidChange()
{
    if (auto button = superview()) {
        button->invalidateIntrinsicContentSize();
        button->setNeedsLayout();
    }
}

void UIButtonImageView::setDimmed(bool dimmed)
{
    if (m_dimmed != dimmed) {
        m_dimmed = dimmed;
        setNeedsDisplay();
    }
}

void UIButtonImageView::draw(CGContext& context, const CGRect& rect)
{
    auto shown = displayedImage();
    if (!m_dimmed || !shown || shown->isEmpty()) {
        UIImageView::draw(context, rect);
        return;
    }
    ImageDrawOptions options;
    options.alpha = context.alpha();
    if (shown->renderingMode() == UIImageRenderingMode::alwaysTemplate) {
        options.templateTint = tintColor();
    }
    drawDimmedImage(context.cairo(), *shown, imageRect(bounds()), options);
}

void drawDimmedImage(cairo_t* cr, const UIImage& image, const CGRect& rect, const ImageDrawOptions& options)
{
    cairo_save(cr);
    cairo_push_group(cr);
    ImageDrawOptions opaque = options;
    opaque.alpha = 1;
    drawImage(cr, image, rect, opaque);
    cairo_set_operator(cr, CAIRO_OPERATOR_ATOP);
    cairo_set_source_rgba(cr, 0, 0, 0, highlightDarkening);
    cairo_rectangle(cr, rect.minX(), rect.minY(), rect.width(), rect.height());
    cairo_fill(cr);
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, options.alpha);
    cairo_restore(cr);
}

} // namespace platform
