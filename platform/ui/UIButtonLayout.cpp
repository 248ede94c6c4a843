// Placing a button's title and image, its natural size and its background.
#include "platform/ui/UIButton.h"

#include "platform/graphics/ImageDrawing.h"
#include "platform/ui/UIButtonParts.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace platform {

namespace {

CGRect inset(const CGRect& rect, const UIEdgeInsets& insets)
{
    return {rect.minX() + insets.left, rect.minY() + insets.top, rect.width() - insets.left - insets.right,
            rect.height() - insets.top - insets.bottom};
}

} // namespace

CGSize UIButton::imageSize() const
{
    auto image = currentImage();
    return image ? image->size() : CGSize();
}

CGSize UIButton::titleSize(CGFloat availableWidth) const
{
    if (m_titleLabel->isHidden()) {
        return {};
    }
    CGFloat limit = availableWidth > 0 ? availableWidth : std::numeric_limits<CGFloat>::infinity();
    CGSize size = m_titleLabel->sizeThatFits({limit, std::numeric_limits<CGFloat>::max()});
    if (availableWidth >= 0) {
        size.width = std::min(size.width, availableWidth);
    }
    return size;
}

CGRect UIButton::contentRect(const CGRect& rect) const
{
    return inset(rect, m_contentInsets);
}

void UIButton::placeContent(const CGRect& content, CGRect& imageFrame, CGRect& titleFrame) const
{
    CGSize image = imageSize();
    CGSize title = titleSize(std::max<CGFloat>(0, content.width() - image.width));
    auto horizontal = contentHorizontalAlignment();
    if (horizontal == UIControlContentHorizontalAlignment::leading) {
        horizontal = UIControlContentHorizontalAlignment::left;
    } else if (horizontal == UIControlContentHorizontalAlignment::trailing) {
        horizontal = UIControlContentHorizontalAlignment::right;
    }
    if (horizontal == UIControlContentHorizontalAlignment::fill) {
        title.width = std::max<CGFloat>(0, content.width() - image.width);
    }
    CGFloat total = image.width + title.width;
    CGFloat x = content.minX();
    if (horizontal == UIControlContentHorizontalAlignment::center) {
        x += (content.width() - total) / 2;
    } else if (horizontal == UIControlContentHorizontalAlignment::right) {
        x = content.maxX() - total;
    }

    auto place = [&](CGSize size) {
        switch (contentVerticalAlignment()) {
        case UIControlContentVerticalAlignment::top: return content.minY();
        case UIControlContentVerticalAlignment::bottom: return content.maxY() - size.height;
        case UIControlContentVerticalAlignment::fill: return content.minY();
        default: return content.minY() + (content.height() - size.height) / 2;
        }
    };
    if (contentVerticalAlignment() == UIControlContentVerticalAlignment::fill) {
        image.height = content.height();
        title.height = content.height();
    }
    imageFrame = {x, place(image), image.width, image.height};
    titleFrame = {x + image.width, place(title), title.width, title.height};
}

CGRect UIButton::titleRect(const CGRect& content) const
{
    CGRect imageFrame;
    CGRect titleFrame;
    placeContent(content, imageFrame, titleFrame);
    return inset(titleFrame, m_titleInsets);
}

CGRect UIButton::imageRect(const CGRect& content) const
{
    CGRect imageFrame;
    CGRect titleFrame;
    placeContent(content, imageFrame, titleFrame);
    return inset(imageFrame, m_imageInsets);
}

CGSize UIButton::intrinsicContentSize() const
{
    CGSize image = imageSize();
    CGSize title = titleSize(-1);
    if (title.width <= 0 && title.height > 0) {
        // A title without glyphs (no usable font) has a line's height but no width; the button keeps
        // a square of that line, so it stays big enough to see and tap.
        title.width = title.height;
    }
    CGSize size{image.width + title.width + m_contentInsets.left + m_contentInsets.right,
                std::max(image.height, title.height) + m_contentInsets.top + m_contentInsets.bottom};
    if (auto background = currentBackgroundImage()) {
        size.width = std::max(size.width, background->size().width);
        size.height = std::max(size.height, background->size().height);
    }
    return {std::ceil(size.width), std::ceil(size.height)};
}

CGSize UIButton::sizeThatFits(CGSize) const
{
    return intrinsicContentSize();
}

void UIButton::layoutSubviews()
{
    UIControl::layoutSubviews();
    CGRect content = contentRect(bounds());
    m_imageView->setFrame(imageRect(content));
    m_titleLabel->setFrame(titleRect(content));
}

void UIButton::draw(CGContext& context, const CGRect&)
{
    auto background = currentBackgroundImage();
    if (!background || background->isEmpty()) {
        return;
    }
    ImageDrawOptions options;
    options.alpha = context.alpha();
    if (background->renderingMode() == UIImageRenderingMode::alwaysTemplate) {
        options.templateTint = tintColor();
    }
    CGRect target = backgroundRect(bounds());
    if (dimsForHighlight(&StateContent::backgroundImage)) {
        drawDimmedImage(context, *background, target, options);
    } else {
        drawImage(context, *background, target, options);
    }
}

} // namespace platform
