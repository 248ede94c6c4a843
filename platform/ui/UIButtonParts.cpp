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
    drawDimmedImage(context, *shown, imageRect(bounds()), options);
}

void drawDimmedImage(CGContext& context, const UIImage& image, const CGRect& rect, const ImageDrawOptions& options)
{
    context.saveGState();
    context.beginTransparencyLayer();
    ImageDrawOptions opaque = options;
    opaque.alpha = 1;
    drawImage(context, image, rect, opaque);
    context.setBlendMode(CGBlendMode::sourceAtop);
    context.setAlpha(1);
    context.setFillColor(UIColor::create(0, 0, 0, highlightDarkening));
    context.fill(rect);
    context.endTransparencyLayer(options.alpha);
    context.restoreGState();
}

} // namespace platform
