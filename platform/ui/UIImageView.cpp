#include "platform/ui/UIImageView.h"

#include "platform/graphics/ImageDrawing.h"

#include <algorithm>

namespace platform {

UIImageView::UIImageView(const CGRect& frame) : UIView(frame)
{
    setUserInteractionEnabled(false);
}

UIImageView::UIImageView(UIImagePtr image) : UIImageView(image ? CGRect(CGPoint(), image->size()) : CGRect())
{
    m_image = std::move(image);
}

void UIImageView::setImage(UIImagePtr image)
{
    UIImagePtr previous = displayedImage();
    m_image = std::move(image);
    imageDidChange(previous);
}

void UIImageView::setHighlightedImage(UIImagePtr image)
{
    UIImagePtr previous = displayedImage();
    m_highlightedImage = std::move(image);
    imageDidChange(previous);
}

void UIImageView::setHighlighted(bool highlighted)
{
    UIImagePtr previous = displayedImage();
    m_highlighted = highlighted;
    imageDidChange(previous);
}

UIImagePtr UIImageView::displayedImage() const
{
    if (m_highlighted && m_highlightedImage) {
        return m_highlightedImage;
    }
    return m_image;
}

void UIImageView::imageDidChange(const UIImagePtr& previous)
{
    UIImagePtr shown = displayedImage();
    CGSize before = previous ? previous->size() : CGSize{-1, -1};
    CGSize after = shown ? shown->size() : CGSize{-1, -1};
    if (!(before == after)) {
        invalidateIntrinsicContentSize();
    }
    setNeedsDisplay();
}

CGSize UIImageView::intrinsicContentSize() const
{
    if (auto shown = displayedImage()) {
        return shown->size();
    }
    return {UIViewNoIntrinsicMetric, UIViewNoIntrinsicMetric};
}

CGSize UIImageView::sizeThatFits(CGSize) const
{
    if (auto shown = displayedImage()) {
        return shown->size();
    }
    return {0, 0};
}

void UIImageView::setContentMode(UIViewContentMode mode)
{
    UIView::setContentMode(mode);
    setNeedsDisplay();
}

void UIImageView::tintColorDidChange()
{
    setNeedsDisplay();
}

CGRect UIImageView::imageRect(const CGRect& rect) const
{
    auto shown = displayedImage();
    return contentRect(rect, shown ? shown->size() : CGSize(), contentMode());
}

void UIImageView::draw(CGContext& context, const CGRect&)
{
    auto shown = displayedImage();
    if (!shown || shown->isEmpty()) {
        return;
    }
    ImageDrawOptions options;
    options.alpha = context.alpha();
    if (shown->renderingMode() == UIImageRenderingMode::alwaysTemplate) {
        options.templateTint = tintColor();
    }
    // Content outside the bounds shows only when the view does not clip (aspect fill overflows).
    drawImage(context, *shown, imageRect(bounds()), options);
}

} // namespace platform
